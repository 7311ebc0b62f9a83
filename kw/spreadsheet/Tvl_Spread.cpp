#include "kw/spreadsheet/Tvl_Spread.h"

#include <algorithm>
#include <cstdlib>

#include "core/LanguageTexts.h"
#include "kw/frame/ModuleState.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/frame/dynMenu.h"
#include "kw/spreadsheet/CDlgFindReplace.h"
#include "platform/ui/Application.h"

namespace {

constexpr int kTextInsertCaption = 1150;
constexpr int kTextInsertPrompt = 1151;
constexpr int kTextRow = 1152;
constexpr int kTextColumn = 1153;
constexpr int kTextNewTitle = 171;

constexpr uint32_t kComboStyle = 0x100000;
constexpr uint32_t kCheckBoxStyle = 768;
constexpr uint32_t kHeaderTypeStyle = 140;
constexpr int kCheckLineStyle = 6;

// Options the standard look sets (their meaning is the grid's, docs/grid-options.md).
constexpr int kOptRowHeaders = 4;
constexpr int kOptKeepSelection = 13;
constexpr int kOptChanged = 30;

int menuTextFor(int kind) {
    switch (kind) {
    case Tvl_Spread::kMenuCopy:
        return 1154;
    case Tvl_Spread::kMenuPaste:
        return 1155;
    case Tvl_Spread::kMenuInsertRow:
        return 774;
    case Tvl_Spread::kMenuDeleteRow:
        return 775;
    case Tvl_Spread::kMenuInsertCol:
        return 1156;
    case Tvl_Spread::kMenuDeleteCol:
        return 1157;
    case Tvl_Spread::kMenuCheckAll:
        return 1400;
    case Tvl_Spread::kMenuUncheckAll:
        return 1401;
    default:
        return 0;
    }
}

bool classPassesTabTest(const std::wstring& name) {
    // The grid's own class ("fpUSpread70") as well as the class names of the grid
    // control's earlier releases.
    return name.starts_with(L"SPR32") || name.starts_with(L"fpSpr") || name.starts_with(L"fpUSpr");
}

} // namespace

Tvl_Spread::Tvl_Spread() = default;

Tvl_Spread::~Tvl_Spread() {
    m_menu.reset();
    if (m_findReplace && m_findReplace->isWindow())
        m_findReplace->destroyWindow();
    m_findReplace.reset();
}

bool Tvl_Spread::attach(ui::Window* dialog, int controlId, bool exactRect) {
    if (!dialog || m_attached)
        return false;
    ui::Window* placeholder = dialog->getDlgItem(controlId);
    if (!placeholder)
        return false;
    ui::Rect r;
    if (exactRect) {
        r = placeholder->rect();
    } else {
        // Relative to the dialog's window rectangle, then moved by the frame the
        // product allowed for: 5 pixels left and 20 up.
        ui::Rect item = placeholder->getWindowRect();
        ui::Rect win = dialog->getWindowRect();
        r = {item.left - win.left - 5, item.top - win.top - 20, item.right - win.left - 5,
             item.bottom - win.top - 20};
    }
    // Keep the placeholder's place in the tab order.
    ui::Window* before = nullptr;
    const auto& kids = dialog->children();
    for (size_t i = 0; i < kids.size(); ++i)
        if (kids[i] == placeholder && i > 0)
            before = kids[i - 1];
    placeholder->destroyWindow();
    if (!create(grid::kGridClassName, L"",
                ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | ui::WS_BORDER, r, dialog,
                controlId))
        return false;
    setWindowPos(before, 0, 0, 0, 0, ui::SWP_NOMOVE | ui::SWP_NOSIZE);
    setMaxRows(0);
    setMaxCols(0);
    m_attached = true;
    m_controlId = controlId;
    SSSetAppearance(1);
    for (int k = 0; k <= 2; ++k)
        SSSetActionKey(k, false);
    setPicture(kPictureChecked, kw::moduleState().checkedBitmap);
    setPicture(kPictureUnchecked, kw::moduleState().uncheckedBitmap);
    sheet().setChanged(false);
    return true;
}

void Tvl_Spread::setStandardLook(int variant) {
    if (!m_attached)
        return;
    const std::pair<int, bool> first[] = {{8, false},  {12, false}, {7, false}, {21, true},
                                          {26, false}, {34, true},  {32, true}, {18, false},
                                          {21, true},  {22, true},  {21, true}};
    for (auto [o, on] : first)
        setOption(o, on);
    setGrayAreaColors(0x8000000F, 0x8000000B);
    setSetting(1, -1);
    SSSetSelColor(0x6A240A, 0xFFFFFF);
    for (int o : {11, 3, 4, 18})
        setOption(o, true);
    setLockColors(0xE6E6E6, 0x8000000B);
    if (variant == 1) {
        setOption(13, true);
        setOption(10, false);
        setSetting(0, 0);
    } else {
        setOption(13, false);
        setOption(10, true);
        setSetting(0, 5);
    }
    setOption(8, true);
}

// ---- counts and fonts -------------------------------------------------------------

int Tvl_Spread::rowCount() const {
    return m_attached ? maxRows() : -1;
}
int Tvl_Spread::colCount() const {
    return m_attached ? maxCols() : -1;
}

grid::Font Tvl_Spread::makeFont(bool bold) const {
    grid::Font f;
    f.name = m_headerFace.toUtf8();
    f.height = m_headerHeight;
    f.weight = bold ? 700 : 400;
    return f;
}

void Tvl_Spread::setBlockFont(int col1, int row1, int col2, int row2, bool bold, bool textTips) {
    if (!m_attached)
        return;
    grid::Font f = makeFont(bold);
    sheet().setFont({mapIndex(col1), mapIndex(row1), mapIndex(col2), mapIndex(row2)}, f);
    if (textTips)
        setTextTipFont(f); // the tip's mode and delay stay as they are
    invalidate();
}

void Tvl_Spread::setRowFont(int row, bool header) {
    if (!m_attached)
        return;
    if (colCount() >= 1 && row >= 1 && row <= rowCount())
        setBlockFont(1, row, colCount(), row, false);
    if (header && (row < 1 || row > rowCount()))
        setBlockFont(0, 0, colCount(), 0, true);
}

void Tvl_Spread::setColFont(int col, bool header) {
    if (!m_attached)
        return;
    if (rowCount() >= 1 && col >= 1 && col <= colCount())
        setBlockFont(col, 1, col, rowCount(), false);
    if (header && (col < 1 || col > colCount()))
        setBlockFont(0, 0, 0, rowCount(), true);
}

void Tvl_Spread::setRowCount(int n) {
    if (!m_attached || n < 0)
        return;
    const int old = rowCount();
    const int cols = colCount();
    setMaxRows(n);
    if (n <= old)
        return;
    // New rows take the last old row's formats; they stay empty. (A sheet without rows
    // has no row to copy: its header row is not a pattern for data rows.)
    if (old >= 1)
        for (int r = old + 1; r <= n; ++r)
            sheet().copyBlock({0, old, cols, old}, 0, r, grid::kClearFormats);
    if (old == 0) {
        setBlockFont(0, 0, cols, 0, true, true);
        setBlockFont(0, 0, 0, n, true, true);
    } else {
        setBlockFont(0, old, 0, n, true, true);
    }
    if (cols >= 1)
        setBlockFont(1, std::max(old, 1), cols, n, false);
}

void Tvl_Spread::setColCount(int n, bool copyFormat) {
    if (!m_attached || n < 0)
        return;
    const int old = colCount();
    const int rows = rowCount();
    setMaxCols(n);
    if (n <= old)
        return;
    if (copyFormat && old >= 1)
        for (int c = old + 1; c <= n; ++c)
            sheet().copyBlock({old, 0, old, rows}, c, 0, grid::kClearFormats);
    if (old == 0) {
        setBlockFont(0, 0, 0, rows, true, true);
        setBlockFont(0, 0, n, 0, true, true);
    } else {
        setBlockFont(old, 0, n, 0, true, true);
    }
    if (rows >= 1)
        setBlockFont(std::max(old, 1), 1, n, rows, false);
}

// ---- fitting -----------------------------------------------------------------------

bool Tvl_Spread::fitColumn(int col) {
    col = mapIndex(col);
    if (!m_attached || col < 0 || col > colCount())
        return false;
    sheet().setColumnWidthPx(col, maxTextWidth(col));
    invalidate();
    return true;
}

bool Tvl_Spread::fitRow(int row) {
    row = mapIndex(row);
    if (!m_attached || row < 0 || row > rowCount())
        return false;
    sheet().setRowHeightPx(row, maxTextHeight(row));
    invalidate();
    return true;
}

void Tvl_Spread::fitAll() {
    if (!m_attached)
        return;
    grid::CellType header;
    header.code = grid::CellTypeCode::Header;
    header.style = kHeaderTypeStyle;
    sheet().setCellType(grid::CellRange{0, 0, colCount(), 0}, header);
    sheet().setCellType(grid::CellRange{0, 0, 0, rowCount()}, header);
    for (int c = 1; c <= colCount(); ++c)
        fitColumn(c);
    for (int r = 1; r <= rowCount(); ++r)
        fitRow(r);
    fitColumn(0);
    fitRow(0);
}

void Tvl_Spread::setFitMode(int mode, int param1, int param2) {
    m_fitMode = mode;
    m_fitParam1 = param1;
    m_fitParam2 = param2;
    applyFitMode();
}

void Tvl_Spread::setFitMode(const Tvl_Array<int>& columns, const Tvl_Array<int>& widths) {
    m_fitMode = 5;
    m_fitColumns = columns;
    m_fitWidths = widths;
    applyFitMode();
}

void Tvl_Spread::onSize(unsigned type, int cx, int cy) {
    TSpread::onSize(type, cx, cy);
    applyFitMode();
}

void Tvl_Spread::applyFitMode() {
    if (!m_attached || m_fitMode < 1 || m_fitMode > 5)
        return;
    const int cols = colCount();
    const bool headerShown = option(kOptRowHeaders);
    const int n = cols + (headerShown ? 1 : 0);
    const int W = dataArea().width(); // the cells' room, without a scroll bar
    auto setW = [&](int col, int w) { sheet().setColumnWidthPx(col, std::max(w, 0)); };
    switch (m_fitMode) {
    case 1:
        if (n > 0)
            for (int c = 0; c <= cols; ++c)
                setW(c, W / n);
        break;
    case 2:
        fitAll();
        break;
    case 3: {
        const int count = std::min(std::abs(m_fitParam1), cols);
        if (count == 0)
            break;
        const int w = W * m_fitParam2 / 100 / count;
        const int rest = n - count > 0 ? (W - w * count) / (n - count) : 0;
        for (int c = 0; c <= cols; ++c) {
            bool shared = c >= 1 && (m_fitParam1 > 0 ? c <= count : c > cols - count);
            setW(c, shared ? w : rest);
        }
        break;
    }
    case 4: {
        const int k = mapIndex(m_fitParam1);
        const int rest = n > 1 ? (W - m_fitParam2) / (n - 1) : 0;
        for (int c = headerShown ? 0 : 1; c <= cols; ++c)
            setW(c, c == k ? m_fitParam2 : rest);
        if (!headerShown && k == 0)
            setW(0, m_fitParam2);
        break;
    }
    case 5: {
        const int pairs = std::min(m_fitColumns.length(), m_fitWidths.length());
        int sum = 0, listed = 0;
        std::vector<int> fixed(static_cast<size_t>(cols) + 1, -1);
        for (int i = 0; i < pairs; ++i) {
            int c = mapIndex(m_fitColumns[i]);
            if (c < 0 || c > cols || fixed[static_cast<size_t>(c)] >= 0)
                continue;
            fixed[static_cast<size_t>(c)] = m_fitWidths[i];
            sum += m_fitWidths[i];
            ++listed;
        }
        const int divisor = n - listed;
        for (int c = 0; c <= cols; ++c) {
            if (fixed[static_cast<size_t>(c)] >= 0)
                setW(c, fixed[static_cast<size_t>(c)]);
            else if (divisor > 0 && (c > 0 || headerShown))
                setW(c, (W - sum) / divisor);
        }
        break;
    }
    default:
        break;
    }
    invalidate();
}

// ---- typed transfer ------------------------------------------------------------------

bool Tvl_Spread::setColumnTexts(int col, const Tvl_StringArray& texts, bool asValues) {
    col = mapIndex(col);
    if (!m_attached || col < 0 || col > colCount())
        return false;
    const int n = std::min(texts.length(), rowCount());
    for (int i = 0; i < n; ++i) {
        if (asValues)
            setValue(col, i + 1, texts[i].str());
        else
            setData(col, i + 1, texts[i].str());
    }
    return true;
}

bool Tvl_Spread::setColumnTexts(int col, const Tvl_Array<Tvl_String>& texts, bool asValues) {
    Tvl_StringArray list;
    for (int i = 0; i < texts.length(); ++i)
        list.append(texts[i]);
    return setColumnTexts(col, list, asValues);
}

bool Tvl_Spread::setColumnTexts(int col, const Tvl_Array<double>& values) {
    Tvl_StringArray texts;
    for (int i = 0; i < values.length(); ++i)
        texts.append(Tvl_String(values[i], 2));
    return setColumnTexts(col, texts);
}

bool Tvl_Spread::setColumnTexts(int col, const std::vector<bool>& values) {
    Tvl_StringArray texts;
    for (bool b : values)
        texts.append(b ? L"1" : L"0");
    return setColumnTexts(col, texts);
}

bool Tvl_Spread::setColumnTexts(int col, const Tvl_Array<int>& values) {
    Tvl_StringArray texts;
    const int rows = rowCount();
    for (int i = 0; i < values.length(); ++i) {
        int v = values[i];
        texts.append(Tvl_String(v < 0 || v > rows ? 0 : v));
    }
    return setColumnTexts(col, texts, true);
}

bool Tvl_Spread::getColumnTexts(int col, Tvl_StringArray& texts, bool displayTexts) const {
    texts.clear();
    col = mapIndex(col);
    if (!m_attached || col < 0 || col > colCount())
        return false;
    for (int r = 1; r <= rowCount(); ++r)
        texts.append(Tvl_String(displayTexts ? data(col, r) : value(col, r)));
    return true;
}

bool Tvl_Spread::getColumnTexts(int col, Tvl_Array<int>& values) const {
    values.clear();
    Tvl_StringArray texts;
    if (!getColumnTexts(col, texts))
        return false;
    for (int i = 0; i < texts.length(); ++i)
        values.append(texts[i].toInt());
    return true;
}

bool Tvl_Spread::getColumnTexts(int col, Tvl_Array<double>& values) const {
    values.clear();
    Tvl_StringArray texts;
    if (!getColumnTexts(col, texts))
        return false;
    for (int i = 0; i < texts.length(); ++i)
        values.append(texts[i].toDouble());
    return true;
}

bool Tvl_Spread::getColumnTexts(int col, std::vector<bool>& values) const {
    values.clear();
    Tvl_StringArray texts;
    if (!getColumnTexts(col, texts))
        return false;
    for (int i = 0; i < texts.length(); ++i)
        values.push_back(texts[i].equal(L"1"));
    return true;
}

bool Tvl_Spread::setRowTexts(int row, const Tvl_StringArray& texts, bool asValues) {
    row = mapIndex(row);
    if (!m_attached || row < 0 || row > rowCount())
        return false;
    const int n = std::min(texts.length(), colCount());
    for (int i = 0; i < n; ++i) {
        if (asValues)
            setValue(i + 1, row, texts[i].str());
        else
            setData(i + 1, row, texts[i].str());
    }
    return true;
}

bool Tvl_Spread::getRowTexts(int row, Tvl_StringArray& texts, bool displayTexts) const {
    texts.clear();
    row = mapIndex(row);
    if (!m_attached || row < 0 || row > rowCount())
        return false;
    for (int c = 1; c <= colCount(); ++c)
        texts.append(Tvl_String(displayTexts ? data(c, row) : value(c, row)));
    return true;
}

bool Tvl_Spread::getAllRows(Tvl_Array<Tvl_StringArray>& rows) const {
    rows.clear();
    if (!m_attached)
        return false;
    for (int r = 1; r <= rowCount(); ++r) {
        Tvl_StringArray row;
        getRowTexts(r, row);
        rows.append(row);
    }
    return true;
}

bool Tvl_Spread::setRowHeaderTexts(const Tvl_StringArray& texts) {
    return setColumnTexts(kHeader, texts);
}
bool Tvl_Spread::setColHeaderTexts(const Tvl_StringArray& texts) {
    return setRowTexts(kHeader, texts);
}
bool Tvl_Spread::getColHeaderTexts(Tvl_StringArray& texts) const {
    return getRowTexts(kHeader, texts);
}

bool Tvl_Spread::getCellText(int col, int row, int kind, Tvl_String& text) const {
    text.clear();
    if (!m_attached)
        return false;
    col = mapIndex(col);
    row = mapIndex(row);
    switch (kind) {
    case 0:
        text = data(col, row);
        break;
    case 1:
        text = formula(col, row);
        break;
    case 2:
        text = tag(col, row);
        break;
    case 3:
        text = value(col, row);
        break;
    default:
        return false;
    }
    return !text.isEmpty();
}

bool Tvl_Spread::setCellReal(int col, int row, double v) {
    if (!m_attached)
        return false;
    return setData(mapIndex(col), mapIndex(row), Tvl_String(v, 2).str());
}

bool Tvl_Spread::getCellReal(int col, int row, double& v) const {
    Tvl_String text;
    if (!getCellText(col, row, 3, text))
        return false;
    v = text.toDouble();
    return true;
}

// ---- cell types ----------------------------------------------------------------------

bool Tvl_Spread::setColumnComboBox(int col, const Tvl_StringArray& items, bool editable) {
    col = mapIndex(col);
    if (!m_attached || col < 1 || col > colCount())
        return false;
    std::wstring joined;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0)
            joined += L'\t';
        joined += items[i].str();
    }
    auto type = grid::CellType::comboBox(grid::narrow(joined), kComboStyle + (editable ? 2 : 0));
    if (rowCount() >= 1)
        sheet().setCellType(grid::CellRange{col, 1, col, rowCount()}, type);
    invalidate();
    return true;
}

namespace {
grid::CellType checkBoxType() {
    grid::CellType t = grid::CellType::checkBox(kCheckBoxStyle);
    t.pictureOn = Tvl_Spread::kPictureChecked;
    t.pictureOff = Tvl_Spread::kPictureUnchecked;
    return t;
}
} // namespace

bool Tvl_Spread::setColumnCheckBox(int col, bool rightLine, bool headerSpan) {
    col = mapIndex(col);
    if (!m_attached || col < 1 || col > colCount())
        return false;
    if (rowCount() >= 1) {
        grid::CellRange block{col, 1, col, rowCount()};
        sheet().setCellType(block, checkBoxType());
        if (rightLine)
            sheet().setBorder(block, grid::Border{grid::kBorderRight, kCheckLineStyle, 0});
    }
    if (headerSpan && col < colCount())
        sheet().addSpan(grid::Span{col, 0, 2, 1});
    invalidate();
    return true;
}

bool Tvl_Spread::setCellCheckBox(int col, int row, bool rightLine) {
    col = mapIndex(col);
    row = mapIndex(row);
    if (!m_attached || col < 1 || col > colCount() || row < 1 || row > rowCount())
        return false;
    sheet().setCellType(col, row, checkBoxType());
    if (rightLine)
        sheet().setBorder({col, row, col, row},
                          grid::Border{grid::kBorderRight, kCheckLineStyle, 0});
    invalidate();
    return true;
}

bool Tvl_Spread::setCellButton(int col, int row, const Tvl_String& text) {
    col = mapIndex(col);
    row = mapIndex(row);
    if (!m_attached || col < 1 || col > colCount() || row < 1 || row > rowCount())
        return false;
    sheet().setCellType(col, row, grid::CellType::button(text.toUtf8()));
    invalidate();
    return true;
}

bool Tvl_Spread::setCheckPair(int sourceCol, int targetCol) {
    if (!m_attached || sourceCol < 1 || sourceCol > colCount() || targetCol < 1 ||
        targetCol > colCount())
        return false;
    m_pairSource = sourceCol;
    m_pairTarget = targetCol;
    for (int r = 1; r <= rowCount(); ++r)
        setValue(targetCol, r, value(sourceCol, r) == L"1" ? L"0" : L"1");
    return true;
}

void Tvl_Spread::commandToParent(int code) {
    if (code == grid::kCodeCheckOn || code == grid::kCodeCheckOffOrButton)
        applyCheckPair();
    TSpread::commandToParent(code);
}

void Tvl_Spread::applyCheckPair() {
    int col = 0, row = 0;
    if (m_pairSource < 1 || !activeCell(col, row) || col != m_pairSource)
        return;
    setValue(m_pairTarget, row, value(m_pairSource, row) == L"1" ? L"0" : L"1");
    setActiveCell(m_pairTarget, row);
}

// ---- find and replace -------------------------------------------------------------

bool Tvl_Spread::findInRow(const Tvl_String& text, int row, int startCol, int& foundCol) const {
    if (!m_attached || row < 0 || row > rowCount())
        return false;
    // UTF-8 is searched as it is stored: a UTF-8 needle matches exactly where the wide
    // text would.
    const std::string needle = text.toUtf8();
    for (int c = std::max(startCol, 1); c <= colCount(); ++c) {
        if (sheet().valueText(c, row).find(needle) != std::string::npos) {
            foundCol = c;
            return true;
        }
    }
    return false;
}

bool Tvl_Spread::findNext(const Tvl_String& text, int& col, int& row) const {
    if (!m_attached)
        return false;
    int found = 0;
    for (int r = std::max(row, 0), start = col; r <= rowCount(); ++r, start = 1) {
        if (findInRow(text, r, start, found)) {
            col = found;
            row = r;
            return true;
        }
    }
    return false;
}

bool Tvl_Spread::replaceInCell(int col, int row, const Tvl_String& oldText,
                               const Tvl_String& newText) {
    if (!m_attached || oldText.isEmpty())
        return false;
    Tvl_String v(value(col, row));
    if (v.replaceSubString(oldText, newText) == 0)
        return false;
    setValue(col, row, v.str());
    sheet().setOption(kOptChanged, true);
    return true;
}

// ---- structure --------------------------------------------------------------------------

bool Tvl_Spread::askTitle(bool row, Tvl_String& title) {
    Tvl_DlgPromptString prompt(topLevel());
    prompt.m_caption = dialString(kTextInsertCaption);
    prompt.m_prompt = dialString(kTextInsertPrompt);
    prompt.m_prompt += L" ";
    prompt.m_prompt += dialString(row ? kTextRow : kTextColumn);
    prompt.m_prompt += L":";
    prompt.m_value = dialString(kTextNewTitle);
    prompt.m_okLabel = L"Ok";
    prompt.m_cancelLabel = dialString(2);
    prompt.doModal();
    if (!prompt.m_confirmed)
        return false;
    title = prompt.m_value;
    return true;
}

bool Tvl_Spread::insertRowAt(int row, bool askTitleText, bool copy) {
    if (!m_attached || row < 1 || row > rowCount() + 1)
        return false;
    endEdit(true);
    setRowCount(rowCount() + 1);
    sheet().insertRows(row);
    setRowFont(row);
    setBlockFont(0, row, 0, row, true);
    sheet().setOption(kOptChanged, true);
    // The displaced row is copied whole, its header cell included.
    if (copy && row + 1 <= rowCount())
        sheet().copyBlock({0, row + 1, colCount(), row + 1}, 0, row, grid::kClearAll);
    if (askTitleText) {
        Tvl_String title;
        if (askTitle(true, title))
            setData(0, row, title.str());
    }
    invalidate();
    return true;
}

bool Tvl_Spread::insertColAt(int col, bool askTitleText, bool copy) {
    if (!m_attached || col < 1 || col > colCount() + 1)
        return false;
    endEdit(true);
    setColCount(colCount() + 1, true);
    sheet().insertCols(col);
    setColFont(col);
    setBlockFont(col, 0, col, 0, true);
    sheet().setOption(kOptChanged, true);
    if (copy && col + 1 <= colCount())
        sheet().copyBlock({col + 1, 0, col + 1, rowCount()}, col, 0, grid::kClearAll);
    if (askTitleText) {
        Tvl_String title;
        if (askTitle(false, title))
            setData(col, 0, title.str());
    }
    invalidate();
    return true;
}

bool Tvl_Spread::deleteRowAt(int row) {
    if (!m_attached || row < 1 || row > rowCount())
        return false;
    endEdit(false);
    sheet().deleteRows(row);
    setMaxRows(rowCount() - 1);
    sheet().setOption(kOptChanged, true);
    return true;
}

bool Tvl_Spread::deleteColAt(int col) {
    if (!m_attached || col < 1 || col > colCount())
        return false;
    endEdit(false);
    sheet().deleteCols(col);
    setMaxCols(colCount() - 1);
    sheet().setOption(kOptChanged, true);
    return true;
}

bool Tvl_Spread::moveRow(bool up) {
    int col = 0, row = 0;
    if (!m_attached || !activeCell(col, row))
        return false;
    const int target = up ? row - 1 : row + 1;
    const int rows = rowCount(), cols = colCount();
    if (target < 1 || target > rows)
        return false;
    endEdit(true);
    // Swap through a spare row beyond the last one.
    sheet().setMaxRows(rows + 1);
    // The block move takes the header column along: a row keeps its title.
    sheet().moveBlock({0, target, cols, target}, 0, rows + 1);
    sheet().moveBlock({0, row, cols, row}, 0, target);
    sheet().moveBlock({0, rows + 1, cols, rows + 1}, 0, row);
    sheet().setMaxRows(rows);
    setActiveCell(col, target);
    sheet().setOption(kOptChanged, true);
    invalidate();
    return true;
}

void Tvl_Spread::setAllChecks(bool on) {
    if (!m_attached)
        return;
    grid::CellRange b{1, 1, colCount(), rowCount()};
    grid::CellRange sel;
    if (selection(sel)) {
        b = sel;
        if (b.col1 < 1) {
            b.col1 = 1;
            b.col2 = colCount();
        }
        if (b.row1 < 1) {
            b.row1 = 1;
            b.row2 = rowCount();
        }
    }
    bool any = false;
    for (int r = std::max(b.row1, 1); r <= std::min(b.row2, rowCount()); ++r)
        for (int c = std::max(b.col1, 1); c <= std::min(b.col2, colCount()); ++c)
            if (sheet().cellType(c, r).code == grid::CellTypeCode::CheckBox) {
                setValue(c, r, on ? L"1" : L"0");
                any = true;
            }
    if (any)
        sheet().setOption(kOptChanged, true);
}

// ---- right-button menu ------------------------------------------------------------

void Tvl_Spread::setMenuItems(const Tvl_Array<int>& kinds) {
    m_menuKinds = kinds;
    if (!m_menu)
        m_menu = std::make_unique<dynMenu>();
}

void Tvl_Spread::onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) {
    if (button == ui::MouseButton::Right && m_attached && m_menu && !m_menuKinds.isEmpty()) {
        Tvl_Array<int> levels;
        Tvl_Array<DynMenuItem> items;
        for (int i = 0; i < m_menuKinds.length(); ++i) {
            DynMenuItem item;
            if (m_menuKinds[i] == kMenuSeparator) {
                item.kind = ::kMenuSeparator;
            } else {
                item.kind = kMenuCommand;
                item.text = dialString(menuTextFor(m_menuKinds[i]));
            }
            levels.append(1);
            items.append(item);
        }
        // The chosen command is posted to the grid: it acts after the press has gone on
        // to the control, on the cell that press made active.
        ui::Point screen = clientToScreen(client);
        m_menu->show(ui::TPM_LEFTALIGN | ui::TPM_RIGHTBUTTON, screen.x, screen.y, this, levels,
                     items);
    }
    TSpread::onMouseDown(button, flags, client);
}

bool Tvl_Spread::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr && code == 0 && dynMenu::commandOrdinal(id) >= 0 &&
        !m_menuKinds.isEmpty()) {
        // The n-th command stands for the n-th item that is not a separator.
        int ordinal = dynMenu::commandOrdinal(id);
        for (int i = 0; i < m_menuKinds.length(); ++i) {
            if (m_menuKinds[i] == kMenuSeparator)
                continue;
            if (ordinal-- == 0) {
                runMenuCommand(m_menuKinds[i]);
                return true;
            }
        }
        return true;
    }
    return TSpread::onCommand(id, code, from);
}

void Tvl_Spread::runMenuCommand(int kind) {
    int col = 0, row = 0;
    const bool active = activeCell(col, row);
    switch (kind) {
    case kMenuCopy:
        clipboardCopy();
        break;
    case kMenuPaste:
        clipboardPaste();
        break;
    case kMenuInsertRow:
        if (active)
            insertRowAt(row, false, true);
        break;
    case kMenuDeleteRow:
        if (active)
            deleteRowAt(row);
        break;
    case kMenuInsertCol:
        if (active)
            insertColAt(col, true, true);
        break;
    case kMenuDeleteCol:
        if (active)
            deleteColAt(col);
        break;
    case kMenuCheckAll:
        setAllChecks(true);
        break;
    case kMenuUncheckAll:
        setAllChecks(false);
        break;
    default:
        break;
    }
}

// ---- keys ----------------------------------------------------------------------------------

bool Tvl_Spread::preTranslateMessage(ui::Message& msg) {
    if (m_attached && msg.message == ui::WM_KEYDOWN &&
        (msg.target == this || isChild(msg.target))) {
        switch (static_cast<int>(msg.wParam)) {
        case ui::VK_F3:
            findKey();
            return true;
        case ui::VK_F5:
            replaceKey();
            return true;
        case ui::VK_F8:
            // F8 toggles the option and passes the key on: only F3 and F5 consume theirs.
            if (m_f8ToggleAllowed)
                setOption(kOptKeepSelection, !option(kOptKeepSelection));
            break;
        default:
            break;
        }
    }
    return TSpread::preTranslateMessage(msg);
}

bool Tvl_Spread::onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                           ui::LRESULT& result) {
    if (msg == grid::kMsgChangeMade) {
        result = 0;
        return true;
    }
    return TSpread::onMessage(msg, wParam, lParam, result);
}

void Tvl_Spread::findKey() {
    if (!m_attached)
        return;
    if (!m_findReplace) {
        m_findReplace = std::make_unique<CDlgFindReplace>(this);
        m_findReplace->create();
        m_findReplace->showWindow(ui::SW_SHOW);
        return;
    }
    m_findReplace->findNext(true);
}

void Tvl_Spread::replaceKey() {
    if (!m_attached)
        return;
    if (!m_findReplace) {
        findKey();
        return;
    }
    m_findReplace->replace();
}

void Tvl_Spread::deleteFindReplace() {
    if (!m_findReplace)
        return;
    std::unique_ptr<CDlgFindReplace> dlg = std::move(m_findReplace);
    if (dlg->isWindow())
        dlg->destroyWindow();
}

// ---- Tab handling ----------------------------------------------------------------------

bool Tvl_Spread::firstEditableCell(int& col, int& row) const {
    for (int r = 1; r <= rowCount(); ++r)
        for (int c = 1; c <= colCount(); ++c) {
            if (sheet().isLocked(c, r))
                continue;
            auto s = sheet().spanAt(c, r);
            if (s && (s->col != c || s->row != r))
                continue;
            col = c;
            row = r;
            return true;
        }
    return false;
}

bool Tvl_Spread::lastEditableCell(int& col, int& row) const {
    for (int r = rowCount(); r >= 1; --r)
        for (int c = colCount(); c >= 1; --c) {
            if (sheet().isLocked(c, r))
                continue;
            auto s = sheet().spanAt(c, r);
            if (s && (s->col != c || s->row != r))
                continue;
            col = c;
            row = r;
            return true;
        }
    return false;
}

int Tvl_Spread::tabExit(int key) {
    if (key != ui::VK_TAB || !m_attached || !isWindowVisible())
        return kTabStay;
    ui::Window* focus = ui::app().focus();
    if (!focus || (focus != this && !isChild(focus)) || !classPassesTabTest(focus->className()))
        return kTabStay;
    int col = 0, row = 0;
    if (!activeCell(col, row)) {
        setActiveCell(1, 1);
        if (!activeCell(col, row))
            return kTabStay;
    }
    int edgeCol = 0, edgeRow = 0;
    if (ui::getKeyState(ui::VK_SHIFT) < 0)
        return firstEditableCell(edgeCol, edgeRow) && edgeCol == col && edgeRow == row
                   ? kTabLeaveBackward
                   : kTabStay;
    return lastEditableCell(edgeCol, edgeRow) && edgeCol == col && edgeRow == row ? kTabLeaveForward
                                                                                  : kTabStay;
}

bool Tvl_Spread::focusEdgeCell(bool last) {
    if (!m_attached)
        return false;
    setFocus();
    int col = 0, row = 0;
    if (!(last ? lastEditableCell(col, row) : firstEditableCell(col, row)))
        return false;
    return setActiveCell(col, row);
}
