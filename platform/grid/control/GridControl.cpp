#include "platform/grid/control/GridControl.h"

#include <algorithm>
#include <vector>

#include "platform/ui/Application.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/draw/Font.h"
#include "platform/ui/draw/TextMetrics.h"

namespace grid {

namespace {

ui::Font uiFont(const Font& f) {
    ui::Font u;
    u.face = widen(f.name);
    u.height = f.height;
    u.weight = f.weight;
    u.italic = f.italic;
    u.underline = f.underline;
    return u;
}

} // namespace

std::wstring widen(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        uint32_t cp = c;
        int extra = 0;
        if (c >= 0xF0) {
            cp = c & 0x07;
            extra = 3;
        } else if (c >= 0xE0) {
            cp = c & 0x0F;
            extra = 2;
        } else if (c >= 0xC0) {
            cp = c & 0x1F;
            extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < utf8.size(); ++k, ++i)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
        out.push_back(static_cast<wchar_t>(cp));
    }
    return out;
}

std::string narrow(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        uint32_t cp = static_cast<uint32_t>(wc);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

// The class's factory is code of this library: it leaves the table when the library is
// unloaded (a module that links it, such as KW.arx, is unloaded before the process ends).
// Made after the registration, so that it also goes before the table at process exit.
struct GridClassUnregistrar {
    ~GridClassUnregistrar() { ui::unregisterWindowClass(kGridClassName); }
};

void registerGridClass() {
    static bool done = false;
    if (done)
        return;
    done = true;
    ui::registerWindowClass(kGridClassName, [] { return std::make_unique<GridControl>(); });
    static GridClassUnregistrar unregistrar;
}

GridControl::GridControl() {
    registerGridClass();
    // A new grid shows its headers, draws, and has both scroll bars, as the control does.
    for (int o : {3, 4, 8, 10, 11})
        m_sheet.setOption(o, true);
    m_sheet.setChanged(false);
}

GridControl::~GridControl() = default;

bool GridControl::setMaxCols(int n) {
    if (!m_sheet.setMaxCols(n))
        return false;
    if (m_activeCol > n)
        clearActiveCell();
    invalidate();
    return true;
}

bool GridControl::setMaxRows(int n) {
    if (!m_sheet.setMaxRows(n))
        return false;
    if (m_activeRow > n)
        clearActiveCell();
    m_topRow = std::max(1, std::min(m_topRow, std::max(n, 1)));
    invalidate();
    return true;
}

std::wstring GridControl::data(int col, int row) const {
    return widen(m_sheet.displayText(col, row));
}
bool GridControl::setData(int col, int row, std::wstring_view text) {
    bool ok = m_sheet.setData(col, row, narrow(text));
    invalidate();
    return ok;
}
std::wstring GridControl::value(int col, int row) const {
    return widen(m_sheet.valueText(col, row));
}
bool GridControl::setValue(int col, int row, std::wstring_view text) {
    bool ok;
    if (!text.empty() && text[0] == L'=')
        ok = m_sheet.setText(col, row, narrow(text));
    else
        ok = m_sheet.setData(col, row, narrow(text));
    invalidate();
    return ok;
}
std::wstring GridControl::formula(int col, int row) const {
    return widen(m_sheet.formula(col, row));
}
bool GridControl::setFormula(int col, int row, std::wstring_view text) {
    bool ok = m_sheet.setFormula(col, row, narrow(text)).ok;
    invalidate();
    return ok;
}
std::wstring GridControl::tag(int col, int row) const {
    return widen(m_sheet.tag(col, row));
}
bool GridControl::setTag(int col, int row, std::wstring_view text) {
    return m_sheet.setTag(col, row, narrow(text));
}
std::wstring GridControl::note(int col, int row) const {
    return widen(m_sheet.note(col, row));
}
bool GridControl::setNote(int col, int row, std::wstring_view text) {
    bool ok = m_sheet.setNote(col, row, narrow(text));
    invalidate();
    return ok;
}

void GridControl::setOption(int number, bool on) {
    m_sheet.setOption(number, on);
    if (number == 8)
        setRedraw(on);
    invalidate();
}

int GridControl::setting(int key, int fallback) const {
    auto it = m_settings.find(key);
    return it == m_settings.end() ? fallback : it->second;
}

bool GridControl::actionKey(int action) const {
    auto it = m_actionKeys.find(action);
    return it == m_actionKeys.end() ? true : it->second;
}

// ---- active cell and selection ----------------------------------------------------

bool GridControl::activeCell(int& col, int& row) const {
    if (m_activeCol < 1 || m_activeRow < 1) {
        col = row = 0;
        return false;
    }
    col = m_activeCol;
    row = m_activeRow;
    return true;
}

bool GridControl::setActiveCell(int col, int row) {
    if (col < 1 || row < 1 || col > maxCols() || row > maxRows())
        return false;
    if (m_editing && !endEdit(true))
        endEdit(false);
    if (col != m_dropCol || row != m_dropRow)
        closeComboList();
    if (col != m_activeCol || row != m_activeRow) {
        int oldCol = m_activeCol, oldRow = m_activeRow;
        m_activeCol = col;
        m_activeRow = row;
        if (isWindow()) {
            sendToParent(kMsgLeaveCell, oldCol, oldRow, col, row);
            if (oldRow != row)
                notifyGrid(kNotifyRowChanged, oldCol, oldRow, col, row);
        }
    }
    showCell(col, row);
    invalidate();
    return true;
}

void GridControl::clearActiveCell() {
    closeComboList();
    m_editing = false;
    m_activeCol = m_activeRow = 0;
    invalidate();
}

bool GridControl::selection(CellRange& block) const {
    if (!m_selection)
        return false;
    block = normalisedSelection();
    return true;
}

CellRange GridControl::normalisedSelection() const {
    CellRange b = *m_selection;
    if (b.col1 > b.col2 && b.col2 >= 1)
        std::swap(b.col1, b.col2);
    if (b.row1 > b.row2 && b.row2 >= 1)
        std::swap(b.row1, b.row2);
    return b;
}

// ---- cell edit mode ------------------------------------------------------------------

bool GridControl::editableCell(int col, int row) const {
    if (col < 1 || row < 1 || col > maxCols() || row > maxRows())
        return false;
    if (m_sheet.isLocked(col, row))
        return false;
    auto code = m_sheet.cellType(col, row).code;
    return code != CellTypeCode::CheckBox && code != CellTypeCode::Button &&
           code != CellTypeCode::Picture && code != CellTypeCode::StaticText &&
           code != CellTypeCode::Header;
}

bool GridControl::startEdit() {
    if (m_editing)
        return true;
    if (!editableCell(m_activeCol, m_activeRow))
        return false;
    m_editing = true;
    m_editText = m_sheet.hasFormula(m_activeCol, m_activeRow)
                     ? L"=" + formula(m_activeCol, m_activeRow)
                     : data(m_activeCol, m_activeRow);
    m_selStart = 0;
    m_caret = static_cast<int>(m_editText.size());
    sendToParent(kMsgEditModeOn, m_activeCol, m_activeRow);
    invalidate();
    return true;
}

bool GridControl::endEdit(bool commit) {
    if (!m_editing)
        return true;
    int col = m_activeCol, row = m_activeRow;
    if (commit) {
        std::wstring before =
            m_sheet.hasFormula(col, row) ? L"=" + formula(col, row) : data(col, row);
        if (m_editText != before) {
            bool ok = !m_editText.empty() && m_editText[0] == L'='
                          ? m_sheet.setFormula(col, row, narrow(m_editText.substr(1))).ok
                          : m_sheet.setData(col, row, narrow(m_editText));
            if (!ok)
                return false;
            m_editing = false;
            sendToParent(kMsgEditModeOff, col, row);
            userChanged(col, row);
            invalidate();
            return true;
        }
    }
    m_editing = false;
    sendToParent(kMsgEditModeOff, col, row);
    invalidate();
    return true;
}

void GridControl::setEditText(std::wstring_view text) {
    m_editText = text;
    m_selStart = m_caret = static_cast<int>(m_editText.size());
    invalidate();
}

void GridControl::setEditSel(int start, int end) {
    int n = static_cast<int>(m_editText.size());
    if (end < 0 || end > n)
        end = n;
    if (start < 0)
        start = 0;
    if (start > n)
        start = n;
    m_selStart = start;
    m_caret = end;
    invalidate();
}

// ---- user actions ----------------------------------------------------------------------

void GridControl::userChanged(int col, int row) {
    m_sheet.setChanged(true);
    sendToParent(kMsgCellChanged, col, row);
    notifyGrid(kNotifyCellChanged, col, row);
    sendToParent(kMsgChangeMade, col, row);
}

bool GridControl::chooseComboItem(int index) {
    int col = m_activeCol, row = m_activeRow;
    if (col < 1 || row < 1 || m_sheet.isLocked(col, row))
        return false;
    CellType t = m_sheet.cellType(col, row);
    if (t.code != CellTypeCode::ComboBox)
        return false;
    int count = t.items.empty()
                    ? 0
                    : 1 + static_cast<int>(std::count(t.items.begin(), t.items.end(), '\t'));
    if (index < 0 || index >= count)
        return false;
    m_sheet.setData(col, row, std::to_string(index));
    sendToParent(kMsgComboSelChange, col, row);
    notifyGrid(kNotifyComboChanged, col, row);
    userChanged(col, row);
    invalidate();
    return true;
}

void GridControl::toggleCheck(int col, int row) {
    if (m_sheet.isLocked(col, row))
        return;
    bool on = m_sheet.valueText(col, row) != "1";
    m_sheet.setData(col, row, on ? "1" : "0");
    invalidate();
    notifyGrid(kNotifyCheckChanged, col, row);
    userChanged(col, row);
    commandToParent(on ? kCodeCheckOn : kCodeCheckOffOrButton);
}

void GridControl::pressButtonCell(int col, int row) {
    notifyGrid(kNotifyButtonClicked, col, row);
    commandToParent(kCodeCheckOffOrButton);
}

bool GridControl::clipboardCopy() {
    CellRange b;
    if (m_selection) {
        b = normalisedSelection();
        if (b.col1 < 1) {
            b.col1 = 1;
            b.col2 = maxCols();
        }
        if (b.row1 < 1) {
            b.row1 = 1;
            b.row2 = maxRows();
        }
    } else if (m_activeCol >= 1) {
        b = {m_activeCol, m_activeRow, m_activeCol, m_activeRow};
    } else {
        return false;
    }
    std::wstring out;
    for (int r = b.row1; r <= b.row2; ++r) {
        for (int c = b.col1; c <= b.col2; ++c) {
            if (c > b.col1)
                out += L'\t';
            out += data(c, r);
        }
        out += L"\r\n";
    }
    ui::setClipboardText(out);
    return true;
}

bool GridControl::clipboardPaste() {
    const std::wstring text = ui::clipboardText();
    if (text.empty() || m_activeCol < 1)
        return false;
    int col0 = m_activeCol, row0 = m_activeRow;
    if (m_selection) {
        CellRange b = normalisedSelection();
        col0 = std::max(b.col1, 1);
        row0 = std::max(b.row1, 1);
    }
    int row = row0;
    size_t pos = 0;
    bool any = false;
    while (pos < text.size() && row <= maxRows()) {
        size_t eol = text.find(L'\n', pos);
        std::wstring line =
            text.substr(pos, eol == std::wstring::npos ? std::wstring::npos : eol - pos);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        int col = col0;
        size_t cpos = 0;
        while (col <= maxCols()) {
            size_t tab = line.find(L'\t', cpos);
            std::wstring cell =
                line.substr(cpos, tab == std::wstring::npos ? std::wstring::npos : tab - cpos);
            if (!m_sheet.isLocked(col, row)) {
                m_sheet.setData(col, row, narrow(cell));
                any = true;
            }
            if (tab == std::wstring::npos)
                break;
            cpos = tab + 1;
            ++col;
        }
        ++row;
        if (eol == std::wstring::npos)
            break;
        pos = eol + 1;
    }
    if (any)
        userChanged(col0, row0);
    invalidate();
    return any;
}

// ---- reports to the parent -------------------------------------------------------------

ui::LRESULT GridControl::sendToParent(unsigned msg, int col, int row, int newCol, int newRow) {
    ui::Window* p = getParent();
    if (!p)
        return 0;
    GridCellEvent e{col, row, newCol, newRow};
    return p->sendMessage(msg, static_cast<ui::WPARAM>(id()), reinterpret_cast<ui::LPARAM>(&e));
}

void GridControl::commandToParent(int code) {
    if (getParent())
        notifyParent(code);
}

void GridControl::notifyGrid(int code, int col, int row, int newCol, int newRow) {
    if (!getParent())
        return;
    NotifyGrid n;
    n.hdr.code = code;
    n.col = col;
    n.row = row;
    n.newCol = newCol;
    n.newRow = newRow;
    notifyParentEx(n.hdr);
}

// ---- geometry ------------------------------------------------------------------------------

int GridControl::colWidthPx(int col) const {
    auto& m = m_sheet.columnWidthsPx();
    auto it = m.find(col);
    if (it != m.end())
        return it->second;
    return col == 0 ? 40 : Sheet::kDefaultColumnWidthPx;
}

int GridControl::rowHeightPx(int row) const {
    auto& m = m_sheet.rowHeightsPx();
    auto it = m.find(row);
    return it != m.end() ? it->second : Sheet::kDefaultRowHeightPx;
}

ui::Rect GridControl::cellRect(int col, int row) const {
    int x0 = showRowHeaders() ? colWidthPx(0) : 0;
    int y0 = showColHeaders() ? rowHeightPx(0) : 0;
    ui::Rect client = dataArea();
    int x, y;
    if (col == 0) {
        if (!showRowHeaders())
            return {};
        x = 0;
    } else {
        if (col < m_leftCol)
            return {};
        x = x0;
        for (int c = m_leftCol; c < col; ++c) {
            x += colWidthPx(c);
            if (x > client.right)
                return {};
        }
    }
    if (row == 0) {
        if (!showColHeaders())
            return {};
        y = 0;
    } else {
        if (row < m_topRow)
            return {};
        y = y0;
        for (int r = m_topRow; r < row; ++r) {
            y += rowHeightPx(r);
            if (y > client.bottom)
                return {};
        }
    }
    return {x, y, x + colWidthPx(col), y + rowHeightPx(row)};
}

bool GridControl::cellFromPoint(ui::Point p, int& col, int& row) const {
    int x = showRowHeaders() ? colWidthPx(0) : 0;
    int y = showColHeaders() ? rowHeightPx(0) : 0;
    if (p.x < 0 || p.y < 0 || !dataArea().contains(p))
        return false; // the scroll bars are no cells
    if (p.x < x) {
        col = 0;
    } else {
        col = -1;
        for (int c = m_leftCol; c <= maxCols(); ++c) {
            x += colWidthPx(c);
            if (p.x < x) {
                col = c;
                break;
            }
            if (x > p.x)
                break;
        }
        if (col < 0)
            return false;
    }
    if (p.y < y) {
        row = 0;
    } else {
        row = -1;
        for (int r = m_topRow; r <= maxRows(); ++r) {
            y += rowHeightPx(r);
            if (p.y < y) {
                row = r;
                break;
            }
        }
        if (row < 0)
            return false;
    }
    return true;
}

void GridControl::setTopLeft(int col, int row) {
    m_leftCol = std::max(1, std::min(col, std::max(maxCols(), 1)));
    m_topRow = std::max(1, std::min(row, std::max(maxRows(), 1)));
    invalidate();
}

int GridControl::visibleRows() const {
    int h = dataArea().height() - (showColHeaders() ? rowHeightPx(0) : 0);
    int n = 0;
    for (int r = m_topRow; r <= maxRows() && h > 0; ++r, ++n)
        h -= rowHeightPx(r);
    return std::max(n, 1);
}

void GridControl::showCell(int col, int row) {
    if (row >= 1 && row < m_topRow)
        m_topRow = row;
    if (col >= 1 && col < m_leftCol)
        m_leftCol = col;
    ui::Rect client = dataArea();
    if (client.height() <= 0 || client.width() <= 0)
        return;
    if (row >= 1) {
        int avail = client.height() - (showColHeaders() ? rowHeightPx(0) : 0);
        int used = 0;
        for (int r = row; r >= 1; --r) {
            used += rowHeightPx(r);
            if (used > avail) {
                if (m_topRow < r + 1 && r + 1 <= row)
                    m_topRow = r + 1;
                break;
            }
            if (r == m_topRow)
                break;
        }
    }
    if (col >= 1) {
        int avail = client.width() - (showRowHeaders() ? colWidthPx(0) : 0);
        int used = 0;
        for (int c = col; c >= 1; --c) {
            used += colWidthPx(c);
            if (used > avail) {
                if (m_leftCol < c + 1 && c + 1 <= col)
                    m_leftCol = c + 1;
                break;
            }
            if (c == m_leftCol)
                break;
        }
    }
}

Font GridControl::cellFont(int col, int row) const {
    const CellAttributes* a = m_sheet.attributes(col, row);
    if (a && a->format.hasFont)
        return a->format.font;
    Font f;
    if (row == 0 || col == 0)
        f.weight = 700;
    return f;
}

int textWidthPx(const Font& f, std::wstring_view text) {
    if (text.empty())
        return 0;
    return ui::fixedTextExtent(uiFont(f), text).cx;
}

namespace {
int textHeight(const Font& f) {
    return ui::fixedTextExtent(uiFont(f), L"Ag").cy;
}
} // namespace

namespace {

// Text widths in one font for many cells: the per-character advances of the drawing
// part's fixed metrics, looked up once per character code instead of once per character.
class WidthCache {
public:
    int width(const Font& f, std::wstring_view text) {
        if (!m_valid || !(f == m_font)) {
            m_font = f;
            m_ui = uiFont(f);
            m_em = m_ui.charHeight();
            m_advance.assign(256, -1);
            m_valid = true;
        }
        long sum = 0;
        for (wchar_t ch : text) {
            unsigned c = static_cast<unsigned>(ch);
            if (c < 256) {
                int& a = m_advance[c];
                if (a < 0)
                    a = ui::fixedAdvancePerMille(m_ui, ch);
                sum += a;
            } else {
                sum += ui::fixedAdvancePerMille(m_ui, ch);
            }
        }
        return static_cast<int>((sum * m_em + 500) / 1000); // as fixedTextExtent rounds
    }

private:
    bool m_valid = false;
    Font m_font;
    ui::Font m_ui;
    int m_em = 0;
    std::vector<int> m_advance;
};

} // namespace

int GridControl::maxTextWidth(int col) const {
    WidthCache cache;
    int best = 0;
    for (int r = 0; r <= maxRows(); ++r) {
        std::string t = m_sheet.displayText(col, r);
        if (t.empty())
            continue;
        best = std::max(best, cache.width(cellFont(col, r), widen(t)));
    }
    return std::max(best + 6, 20);
}

int GridControl::maxTextHeight(int row) const {
    int best = 0;
    for (int c = 0; c <= maxCols(); ++c) {
        if (m_sheet.displayText(c, row).empty())
            continue;
        best = std::max(best, textHeight(cellFont(c, row)));
    }
    return std::max(best + 4, 16);
}

ui::Font toUiFont(const Font& f) {
    return uiFont(f);
}

} // namespace grid
