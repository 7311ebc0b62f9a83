#include "platform/grid/engine/io/TextExport.h"

#include <fstream>
#include <vector>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"

namespace grid {

namespace {

CellRange resolveBlock(const Sheet& sheet, CellRange b) {
    if (b.col1 < 1 || b.col2 < 1) {
        b.col1 = 1;
        b.col2 = sheet.maxCols();
    }
    if (b.row1 < 1 || b.row2 < 1) {
        b.row1 = 1;
        b.row2 = sheet.maxRows();
    }
    if (b.col1 > b.col2)
        std::swap(b.col1, b.col2);
    if (b.row1 > b.row2)
        std::swap(b.row1, b.row2);
    b.col2 = std::min(b.col2, sheet.maxCols());
    b.row2 = std::min(b.row2, sheet.maxRows());
    return b;
}

void appendLog(const std::string& logFile, const std::string& line) {
    if (logFile.empty())
        return;
    std::ofstream log(logFile, std::ios::app | std::ios::binary);
    log << line << "\n";
}

} // namespace

std::string exportTextString(const Sheet& sheet, const CellRange& requested,
                             const TextExportOptions& o) {
    const CellRange b = resolveBlock(sheet, requested);
    const bool formatted = o.flags & kTextFormatted;
    const bool trim = o.flags & kTextTrimEmpty;

    auto cellText = [&](int32_t col, int32_t row) -> std::string {
        if (auto span = sheet.spanAt(col, row); span && (span->col != col || span->row != row))
            return {};
        return formatted ? sheet.displayText(col, row) : sheet.valueText(col, row);
    };

    std::vector<int32_t> rows;
    if (o.flags & kTextColumnHeaders)
        rows.push_back(0);
    for (int32_t r = b.row1; r <= b.row2 && r >= 1; ++r)
        rows.push_back(r);
    std::vector<int32_t> cols;
    if (o.flags & kTextRowHeaders)
        cols.push_back(0);
    for (int32_t c = b.col1; c <= b.col2 && c >= 1; ++c)
        cols.push_back(c);

    std::string out;
    std::string pendingRows; // empty rows held back until a non-empty row follows (trim)
    for (int32_t row : rows) {
        std::vector<std::string> cells;
        cells.reserve(cols.size());
        for (int32_t col : cols)
            cells.push_back(cellText(col, row));
        size_t count = cells.size();
        if (trim)
            while (count > 0 && cells[count - 1].empty())
                --count;
        std::string line;
        for (size_t i = 0; i < count; ++i) {
            if (i)
                line += o.columnDelimiter;
            line += o.cellDelimiter;
            line += cells[i];
            line += o.cellDelimiter;
        }
        line += o.rowDelimiter;
        if (o.flags & kTextLineBreak)
            line += "\r\n";
        if (trim && count == 0) {
            pendingRows += line;
            continue;
        }
        out += pendingRows;
        pendingRows.clear();
        out += line;
    }
    if (!trim)
        out += pendingRows;
    return out;
}

IoStatus exportTextFile(const Sheet& sheet, const CellRange& block, const std::string& path,
                        const TextExportOptions& o) {
    IoStatus status;
    if (o.flags & ~static_cast<uint32_t>(kTextKnownFlags)) {
        status = {IoResult::BadArgument, "unknown text export flags"};
    } else if (path.empty()) {
        status = {IoResult::BadArgument, "no file name given"};
    } else {
        std::string text = exportTextString(sheet, block, o);
        if (o.flags & kTextAppend) {
            std::ofstream out(path, std::ios::app | std::ios::binary);
            out << text;
            out.flush();
            if (!out)
                status = {IoResult::WriteFailed, "cannot append to '" + path + "'"};
        } else {
            status = writeFileAtomically(path, text);
        }
    }
    appendLog(o.logFile, status.ok() ? "text export to '" + path + "': done"
                                     : "text export to '" + path + "': " + status.message());
    return status;
}

} // namespace grid
