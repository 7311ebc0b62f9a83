// Drawing the grid: header row and column, cells with their types, grid lines, the
// selection block, the active cell and the cell being edited.
#include <algorithm>

#include "platform/grid/control/GridControl.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Canvas.h"
#include "platform/ui/draw/Theme.h"

namespace grid {

namespace {

const ui::Color kGridLine{192, 192, 192};

// A COLORREF, with 0x800000nn naming a system colour.
ui::Color resolve(uint32_t ref, ui::Color fallback) {
    if (ref == kNoColor)
        return fallback;
    if (ref & 0x80000000u) {
        switch (ref & 0xFF) {
        case 5:
            return ui::theme::kWindow;
        case 15:
            return ui::theme::kFace;
        case 13:
            return ui::theme::kHighlight;
        case 14:
            return ui::theme::kHighlightText;
        case 17:
            return ui::theme::kGrayText;
        default:
            return ui::theme::kText;
        }
    }
    return ui::Color::fromColorRef(ref);
}

bool isNumberType(CellTypeCode code) {
    return code == CellTypeCode::Number || code == CellTypeCode::Float ||
           code == CellTypeCode::Integer || code == CellTypeCode::Percent;
}

std::wstring headerLabel(int col, int row) {
    if (row == 0 && col >= 1)
        return widen(columnLetters(col));
    if (col == 0 && row >= 1)
        return std::to_wstring(row);
    return {};
}

} // namespace

bool GridControl::setBackColorStyle(int style) {
    if (style < kBackOverGrid || style > kBackOverVertGrid)
        return false;
    m_backColorStyle = style;
    invalidate();
    return true;
}

bool GridControl::onEraseBkgnd(ui::Canvas& canvas) {
    ui::Rect r = getClientRect();
    canvas.fillRect(r, resolve(m_grayBack, ui::theme::kFace));
    return true;
}

void GridControl::paintCell(ui::Canvas& c, int col, int row, const ui::Rect& r) {
    const bool header = col == 0 || row == 0;
    const CellAttributes* a = m_sheet.attributes(col, row);
    const CellFormat fmt = a ? a->format : CellFormat{};
    const CellType type = m_sheet.cellType(col, row);
    bool selected = false;
    if (!header && m_selection) {
        CellRange b = normalisedSelection();
        bool inCols = b.col1 < 1 || (col >= b.col1 && col <= b.col2);
        bool inRows = b.row1 < 1 || (row >= b.row1 && row <= b.row2);
        selected = inCols && inRows && !(col == m_activeCol && row == m_activeRow);
    }
    ui::Color back = header ? ui::theme::kFace : ui::theme::kWindow;
    if (!header && m_sheet.isLocked(col, row) && m_lockBack != kNoColor)
        back = resolve(m_lockBack, back);
    if (fmt.back != kNoColor)
        back = resolve(fmt.back, back);
    ui::Color fore = resolve(fmt.fore, ui::theme::kText);
    if (selected) {
        back = resolve(m_selBack, ui::theme::kHighlight);
        fore = resolve(m_selText, ui::theme::kHighlightText);
    }
    c.fillRect(r, back);
    // Grid lines on the right and bottom edge of every cell; a cell's own back colour
    // covers them as the back-colour style says.
    const bool ownBack = !header && !selected && fmt.back != kNoColor;
    const bool coverVert =
        ownBack && (m_backColorStyle == kBackOverGrid || m_backColorStyle == kBackOverVertGrid);
    const bool coverHorz =
        ownBack && (m_backColorStyle == kBackOverGrid || m_backColorStyle == kBackOverHorzGrid);
    ui::Pen line{header ? ui::theme::kShadow : kGridLine};
    if (!coverVert)
        c.line({r.right - 1, r.top}, {r.right - 1, r.bottom}, line);
    if (!coverHorz)
        c.line({r.left, r.bottom - 1}, {r.right, r.bottom - 1}, line);
    ui::Rect inner{r.left + 2, r.top, r.right - 3, r.bottom - 1};
    ui::Font font = toUiFont(cellFont(col, row));

    if (m_editing && col == m_activeCol && row == m_activeRow) {
        ui::EditState st;
        st.focused = true;
        st.clientEdge = false;
        st.selStart = std::min(m_selStart, m_caret);
        st.selEnd = std::max(m_selStart, m_caret);
        st.caret = m_caret;
        ui::paintEdit(c, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, m_editText, st, font);
        return;
    }
    switch (type.code) {
    case CellTypeCode::CheckBox: {
        bool on = m_sheet.valueText(col, row) == "1";
        auto it = m_pictures.find(on ? type.pictureOn : type.pictureOff);
        ui::Bitmap bmp;
        if (it != m_pictures.end() && !it->second.empty() && it->second.bmp &&
            ui::decodeBmp(*it->second.bmp, bmp) == ui::BmpStatus::Ok) {
            ui::paintPicture(c, r, bmp);
        } else {
            int s = ui::theme::kCheckBoxSize;
            ui::Rect box{r.left + (r.width() - s) / 2, r.top + (r.height() - s) / 2, 0, 0};
            box.right = box.left + s;
            box.bottom = box.top + s;
            c.fillRect(box, ui::theme::kWindow);
            c.frameRect(box, ui::Pen{ui::theme::kBorder});
            if (on)
                ui::paintCheckMark(c, box, ui::theme::kText);
        }
        break;
    }
    case CellTypeCode::Button: {
        std::wstring caption = widen(type.text);
        ui::ButtonState st;
        ui::paintPushButton(c, {r.left + 1, r.top + 1, r.right - 2, r.bottom - 2}, caption, st,
                            font);
        break;
    }
    case CellTypeCode::Picture: {
        const ui::Bitmap& bmp = m_pictureFiles.get(type.picture);
        const ui::Rect cell{r.left, r.top, r.right - 1, r.bottom - 1};
        const ui::Rect dest = pictureRect(cell, bmp.size(), type.style, effectiveHAlign(fmt, type),
                                          effectiveVAlign(fmt, type));
        if (!dest.isEmpty()) {
            ui::ClipScope clip(c, cell);
            c.drawBitmap(bmp, dest, bmp.bounds());
        }
        break;
    }
    case CellTypeCode::ComboBox: {
        ui::ComboState st;
        st.dropped = col == m_dropCol && row == m_dropRow;
        ui::paintComboBox(c, {r.left, r.top, r.right - 1, r.bottom - 1}, data(col, row), st, font);
        break;
    }
    default: {
        std::wstring text = data(col, row);
        if (header && text.empty())
            text = headerLabel(col, row);
        if (header) {
            c.drawText(inner, text, font, fore,
                       ui::TextFlags::SingleLine | ui::TextFlags::VCenter | ui::TextFlags::Center |
                           ui::TextFlags::NoPrefix);
            break;
        }
        const Value v = m_sheet.value(col, row);
        const bool number = v.type() == ValueType::Number;
        if (number && v.asNumber() < 0 && (type.style & kStyleNegativeRed) && !selected &&
            isNumberType(type.code))
            fore = ui::Color{255, 0, 0};
        const bool multiLine = type.code == CellTypeCode::Edit && (type.style & kStyleMultiLine);
        paintCellText(c, inner, text, font, fore, effectiveHAlign(fmt, type),
                      effectiveVAlign(fmt, type), number, multiLine);
        break;
    }
    }
    if (m_noteIndicator && !header && a && !a->note.empty()) {
        ui::Point tri[3] = {{r.right - 6, r.top}, {r.right - 1, r.top}, {r.right - 1, r.top + 5}};
        c.polygon(tri, ui::Pen{ui::Color{255, 0, 0}}, ui::Color{255, 0, 0});
    }
    paintBorder(c, r, fmt.border, resolve(fmt.border.color, ui::theme::kText));
}

void GridControl::onPaint(ui::Canvas& canvas) {
    ui::Rect client = dataArea();
    const int x0 = showRowHeaders() ? colWidthPx(0) : 0;
    const int y0 = showColHeaders() ? rowHeightPx(0) : 0;
    // Visible columns and rows.
    std::vector<std::pair<int, int>> cols; // (col, x)
    for (int c = m_leftCol, x = x0; c <= maxCols() && x < client.right; x += colWidthPx(c), ++c)
        cols.emplace_back(c, x);
    std::vector<std::pair<int, int>> rows;
    for (int r = m_topRow, y = y0; r <= maxRows() && y < client.bottom; y += rowHeightPx(r), ++r)
        rows.emplace_back(r, y);

    for (auto [r, y] : rows)
        for (auto [c, x] : cols)
            paintCell(canvas, c, r, {x, y, x + colWidthPx(c), y + rowHeightPx(r)});
    // Spans: the anchor draws over the cells it covers.
    for (const Span& s : m_sheet.spans()) {
        ui::Rect a = cellRect(s.col, s.row);
        if (a.width() <= 0)
            continue;
        int w = 0, h = 0;
        for (int c = s.col; c < s.col + s.cols; ++c)
            w += colWidthPx(c);
        for (int r = s.row; r < s.row + s.rows; ++r)
            h += rowHeightPx(r);
        ui::ClipScope clip(canvas, client);
        paintCell(canvas, s.col, s.row, {a.left, a.top, a.left + w, a.top + h});
    }
    if (y0 > 0) {
        for (auto [c, x] : cols)
            paintCell(canvas, c, 0, {x, 0, x + colWidthPx(c), y0});
    }
    if (x0 > 0) {
        for (auto [r, y] : rows)
            paintCell(canvas, 0, r, {0, y, x0, y + rowHeightPx(r)});
    }
    if (x0 > 0 && y0 > 0)
        paintCell(canvas, 0, 0, {0, 0, x0, y0});
    // The active cell's frame.
    if (m_activeCol >= 1 && m_activeRow >= 1) {
        ui::Rect r = cellRect(m_activeCol, m_activeRow);
        if (r.width() > 0)
            canvas.frameRect({r.left - 1, r.top - 1, r.right, r.bottom},
                             ui::Pen{ui::theme::kText, 2});
    }
    paintScrollBars(canvas);
    paintComboList(canvas);
}

} // namespace grid
