#include "kw/spreadsheet/format/CDlgKWOptions.h"

#include <algorithm>
#include <cerrno>
#include <cwchar>
#include <cwctype>

#include "core/LanguageTexts.h"
#include "platform/grid/engine/Sheet.h"

namespace {

constexpr int kOptionColHeaders = 3;
constexpr int kOptionRowHeaders = 4;
constexpr int kOptionHorzScroll = 10;
constexpr int kOptionVertScroll = 11;

void setOptions(Tvl_Spread& grid, bool horizontal) {
    grid.setOption(kOptionColHeaders, false);
    grid.setOption(kOptionRowHeaders, false);
    grid.setOption(kOptionHorzScroll, horizontal);
    grid.setOption(kOptionVertScroll, !horizontal);
}

// The texts typed into the grid's first row (horizontal) or column, by position from 1;
// empty cells are left out, so a long list costs only what it holds.
std::map<int, std::wstring> gridTexts(const Tvl_Spread& grid) {
    std::map<int, std::wstring> out;
    grid.sheet().forEachCell([&](int32_t col, int32_t row) {
        std::wstring t = grid.value(col, row);
        if (!t.empty())
            out[std::max(col, row)] = std::move(t);
    });
    return out;
}

Tvl_StringArray fullList(const std::map<int, std::wstring>& texts, int count) {
    Tvl_StringArray list;
    for (int i = 1; i <= count; ++i) {
        auto it = texts.find(i);
        list.append(Tvl_String(it == texts.end() ? std::wstring() : it->second));
    }
    return list;
}

} // namespace

bool CDlgKWOptions::readNumber(int id, int low, int high, int& value) const {
    const std::wstring text = getDlgItemText(id);
    const wchar_t* begin = text.c_str();
    while (std::iswspace(*begin))
        ++begin;
    if (*begin == 0)
        return false;
    for (const wchar_t* p = begin; *p != 0; ++p)
        if (!std::iswdigit(*p) && !std::iswspace(*p))
            return false;
    wchar_t* end = nullptr;
    errno = 0;
    const long long n = std::wcstoll(begin, &end, 10);
    for (; *end != 0; ++end)
        if (!std::iswspace(*end))
            return false;
    if (errno != 0 || n < low || n > high)
        return false;
    value = static_cast<int>(n);
    return true;
}

bool CDlgKWOptions::onInitDialog() {
    setWindowText(dialString(1369).str());
    setDlgItemText(kExplanationId, (dialString(1370) + L"\n" + dialString(1371)).str());
    setDlgItemText(kHeadersLabelId, dialString(1372).str());
    setDlgItemText(kColCountLabelId, dialString(1373).str());
    setDlgItemText(kRowCountLabelId, dialString(1374).str());
    setDlgItemText(kRowHeightLabelId, dialString(1375).str());
    setDlgItemText(kColWidthLabelId, dialString(1376).str());

    for (int i = 0; i < m_colTexts.length(); ++i)
        if (!m_colTexts[i].isEmpty())
            m_allColTexts[i + 1] = m_colTexts[i].str();
    for (int i = 0; i < m_rowTexts.length(); ++i)
        if (!m_rowTexts[i].isEmpty())
            m_allRowTexts[i + 1] = m_rowTexts[i].str();
    if (m_colGrid.attach(this, kColHeadersId, true)) {
        setOptions(m_colGrid, true);
        m_colGrid.setMaxRows(1);
        m_colGrid.sheet().setRowHeightPx(1, m_headerRowHeight);
        resizeColumns(m_colCount);
    }
    if (m_rowGrid.attach(this, kRowHeadersId, true)) {
        setOptions(m_rowGrid, false);
        m_rowGrid.setMaxCols(1);
        m_rowGrid.sheet().setColumnWidthPx(1, m_headerColWidth);
        resizeRows(m_rowCount);
    }
    setDlgItemText(kColCountId, std::to_wstring(m_colCount));
    setDlgItemText(kRowCountId, std::to_wstring(m_rowCount));
    setDlgItemText(kRowHeightId, std::to_wstring(m_headerRowHeight));
    setDlgItemText(kColWidthId, std::to_wstring(m_headerColWidth));
    m_ready = true;
    return true;
}

void CDlgKWOptions::keepTexts() {
    // Texts shown in the grids replace what was kept for their positions.
    auto merge = [](std::map<int, std::wstring>& all, int shown,
                    const std::map<int, std::wstring>& texts) {
        all.erase(all.begin(), all.upper_bound(shown));
        all.insert(texts.begin(), texts.end());
    };
    merge(m_allColTexts, m_colGrid.maxCols(), gridTexts(m_colGrid));
    merge(m_allRowTexts, m_rowGrid.maxRows(), gridTexts(m_rowGrid));
}

void CDlgKWOptions::resizeColumns(int count) {
    if (m_ready)
        keepTexts();
    m_colGrid.setMaxCols(count);
    for (auto it = m_allColTexts.begin(); it != m_allColTexts.end() && it->first <= count; ++it)
        m_colGrid.setValue(it->first, 1, it->second);
    m_colGrid.invalidate();
}

void CDlgKWOptions::resizeRows(int count) {
    if (m_ready)
        keepTexts();
    m_rowGrid.setMaxRows(count);
    for (auto it = m_allRowTexts.begin(); it != m_allRowTexts.end() && it->first <= count; ++it)
        m_rowGrid.setValue(1, it->first, it->second);
    m_rowGrid.invalidate();
}

bool CDlgKWOptions::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr || code != ui::EN_CHANGE || !m_ready)
        return ui::Dialog::onCommand(id, code, from);
    int n = 0;
    switch (id) {
    case kColCountId:
        if (readNumber(id, 1, grid::Sheet::kLimitCols, n) && n != m_colGrid.maxCols()) {
            m_colCount = n;
            resizeColumns(n);
        }
        return true;
    case kRowCountId:
        if (readNumber(id, 1, grid::Sheet::kLimitRows, n) && n != m_rowGrid.maxRows()) {
            m_rowCount = n;
            resizeRows(n);
        }
        return true;
    case kRowHeightId:
        if (readNumber(id, 0, kMaxHeaderSize, n)) {
            m_headerRowHeight = n;
            m_colGrid.sheet().setRowHeightPx(1, n);
            m_colGrid.invalidate();
        }
        return true;
    case kColWidthId:
        if (readNumber(id, 0, kMaxHeaderSize, n)) {
            m_headerColWidth = n;
            m_rowGrid.sheet().setColumnWidthPx(1, n);
            m_rowGrid.invalidate();
        }
        return true;
    default:
        return ui::Dialog::onCommand(id, code, from);
    }
}

void CDlgKWOptions::onOK() {
    // What a cell being edited holds counts too.
    m_colGrid.endEdit(true);
    m_rowGrid.endEdit(true);
    m_colTexts = fullList(gridTexts(m_colGrid), m_colGrid.maxCols());
    m_rowTexts = fullList(gridTexts(m_rowGrid), m_rowGrid.maxRows());
    // The counts are those the grids show: an edit left with an invalid text keeps the
    // last valid one.
    m_colCount = m_colGrid.maxCols();
    m_rowCount = m_rowGrid.maxRows();
    endDialog(ui::IDOK);
}
