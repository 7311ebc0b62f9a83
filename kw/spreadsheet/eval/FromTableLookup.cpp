#include "kw/spreadsheet/eval/FromTableLookup.h"

#include <cerrno>
#include <cstdlib>

#include "core/Tvl_String.h"
#include "kw/frame/HostCalls.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/UnicodeText.h"

namespace kw {

namespace {

using grid::ErrorCode;
using grid::RecordStatus;
using grid::RecordType;

std::string key(std::string_view text) {
    return grid::text::lower(text);
}

// A display text as a whole number (blanks around it allowed); false when it is none.
bool parseLong(const std::string& text, int64_t& out) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(begin, &end, 10);
    if (end == begin || errno == ERANGE)
        return false;
    while (*end == ' ')
        ++end;
    if (*end != '\0')
        return false;
    out = v;
    return true;
}

void fail(grid::ValueRecord& result, ErrorCode error) {
    result.status = RecordStatus::NoResult;
    result.error = error;
}

} // namespace

bool FromTableLookup::argumentText(const grid::ValueRecord& arg, const grid::Sheet& calling,
                                   std::string& out) {
    switch (arg.type) {
    case RecordType::Long:
        out = std::to_string(arg.longValue);
        return true;
    case RecordType::Double:
        out = grid::formatNumber(arg.doubleValue);
        return true;
    case RecordType::Text:
        out = arg.text;
        return true;
    case RecordType::CellReference:
        out = calling.displayText(arg.cell.col, arg.cell.row);
        return true;
    default:
        return false;
    }
}

int FromTableLookup::findColumn(const std::string& text) {
    if (!m_headersIndexed) {
        for (int c = m_sheet.maxCols(); c >= 1; --c) // the first column wins
            m_headers[key(m_sheet.displayText(c, 0))] = c;
        m_headersIndexed = true;
    }
    auto it = m_headers.find(key(text));
    return it == m_headers.end() ? -1 : it->second;
}

int FromTableLookup::findRow(int col, const std::string& text) {
    auto [slot, made] = m_keys.try_emplace(col);
    auto& rows = slot->second;
    if (made) {
        const int count = m_sheet.maxRows();
        rows.reserve(static_cast<size_t>(count));
        for (int r = 1; r <= count; ++r)
            rows.try_emplace(key(m_sheet.displayText(col, r)), r); // the first row wins
    }
    auto it = rows.find(key(text));
    return it == rows.end() ? -1 : it->second;
}

void FromTableLookup::clearIndexes() {
    m_headersIndexed = false;
    m_headers.clear();
    m_keys.clear();
}

void FromTableLookup::readValue(int col, int row, grid::ValueRecord& result) {
    const grid::Value v = m_sheet.value(col, row);
    if (v.isError()) { // the cell's own error goes on (a cycle, a bad formula)
        fail(result, v.asError());
        return;
    }
    const std::string shown = m_sheet.displayText(col, row);
    switch (m_sheet.cellType(col, row).code) {
    case grid::CellTypeCode::Integer:
    case grid::CellTypeCode::Time: {
        int64_t n = 0;
        if (!parseLong(shown, n)) {
            result.status = RecordStatus::CannotRead;
            return;
        }
        result.status = RecordStatus::Ok;
        result.type = RecordType::Long;
        result.longValue = n;
        hostPrint(Tvl_String::format(L"Result is long: %lld\n", static_cast<long long>(n)).str());
        return;
    }
    case grid::CellTypeCode::Float:
    case grid::CellTypeCode::Number:
    case grid::CellTypeCode::Percent:
        if (!v.isEmpty() && !v.isNumber()) {
            result.status = RecordStatus::CannotRead;
            return;
        }
        result.status = RecordStatus::Ok;
        result.type = RecordType::Double;
        result.doubleValue = v.asNumber();
        hostPrint(Tvl_String::format(L"Result is double: %f\n", result.doubleValue).str());
        return;
    default:
        result.status = RecordStatus::Ok;
        result.type = RecordType::Text;
        result.text = shown;
        hostPrint(L"Result is string: " + Tvl_String::fromUtf8(shown).str() + L"\n");
        return;
    }
}

void FromTableLookup::evaluate(grid::Sheet& calling, grid::ValueRecord& result,
                               const grid::ValueRecord* args, int count) {
    result.status = RecordStatus::NoResult;
    result.error = ErrorCode::None;
    if (!args || count < 2 || count > 5) {
        fail(result, ErrorCode::Value);
        return;
    }
    int col = -1, row = -1;
    if (count <= 3) {
        if (args[1].type == RecordType::CellReference) {
            col = args[1].cell.col;
            row = args[1].cell.row;
        }
    } else {
        std::string keyCol, resultCol, keyText;
        if (!argumentText(args[1], calling, keyCol) || !argumentText(args[2], calling, resultCol) ||
            !argumentText(args[3], calling, keyText)) {
            fail(result, ErrorCode::Value);
            return;
        }
        const int k = findColumn(keyCol);
        const int c = findColumn(resultCol);
        const int r = k >= 1 ? findRow(k, keyText) : -1;
        if (k < 1 || c < 1)
            fail(result, ErrorCode::Ref); // a column the document does not have
        if (k >= 1 && c >= 1 && r >= 1) {
            col = c;
            row = r;
        }
    }
    if (col < 0 || row < 0) {
        if (count <= 3)
            fail(result, ErrorCode::Value); // the cell form without a cell reference
        return;                             // a key that is not there: nothing
    }
    if (col > m_sheet.maxCols() || row > m_sheet.maxRows()) {
        fail(result, ErrorCode::Ref);
        return;
    }
    m_sheet.recalcCell(col, row);
    if (count == 2 || count == 4) {
        readValue(col, row, result);
        return;
    }
    // The copying forms: the text goes into the last argument's cell of the calling
    // sheet; the formula's own cell stays empty.
    const grid::ValueRecord& target = args[count - 1];
    if (target.type != RecordType::CellReference)
        return;
    const std::string shown = m_sheet.displayText(col, row);
    if (!shown.empty() && shown.front() == '=')
        calling.setText(target.cell.col, target.cell.row, shown);
    else
        calling.setData(target.cell.col, target.cell.row, shown);
}

} // namespace kw
