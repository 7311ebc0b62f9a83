#include "platform/grid/engine/io/CsvFile.h"

#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/Csv.h"
#include "platform/grid/engine/io/SheetTransfer.h"

namespace grid {

namespace {

std::string exactNumber(double v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

Value fieldValue(const std::string& field) {
    double d;
    if (parseNumber(field, d))
        return Value::number(d);
    if (field == "TRUE")
        return Value::boolean(true);
    if (field == "FALSE")
        return Value::boolean(false);
    if (!field.empty() && field[0] == '#') {
        ErrorCode e = parseErrorText(field);
        if (e != ErrorCode::None)
            return Value::error(e);
    }
    return Value::text(field);
}

} // namespace

std::string exportCsvString(const Sheet& sheet) {
    UsedExtent used = usedExtent(sheet);
    std::string out;
    for (int32_t r = 1; r <= used.rows; ++r) {
        csv::Record record;
        for (int32_t c = 1; c <= used.cols; ++c) {
            Value v = sheet.value(c, r);
            CellTypeCode code = sheet.cellType(c, r).code;
            if (v.isNumber() && code != CellTypeCode::ComboBox)
                record.push_back(exactNumber(v.asNumber()));
            else if (v.isBoolean() || v.isError())
                record.push_back(v.toString());
            else
                record.push_back(sheet.displayText(c, r));
        }
        // Trailing empty fields carry nothing; a record keeps at least one field.
        while (record.size() > 1 && record.back().empty())
            record.pop_back();
        out += csv::formatRecord(record);
    }
    return out;
}

IoStatus exportCsvFile(const Sheet& sheet, const std::string& path) {
    if (path.empty())
        return {IoResult::BadArgument, "no file name given"};
    return writeFileAtomically(path, exportCsvString(sheet));
}

IoStatus importCsvString(Sheet& sheet, const std::string& text) {
    std::vector<csv::Record> records;
    std::string error;
    if (!csv::parse(text, records, error))
        return {IoResult::Damaged, "CSV: " + error};
    size_t cols = 0;
    for (const auto& r : records)
        cols = std::max(cols, r.size());
    if (records.size() > static_cast<size_t>(Sheet::kLimitRows) ||
        cols > static_cast<size_t>(Sheet::kLimitCols))
        return {IoResult::TooLarge, "CSV: more rows or columns than a sheet holds"};
    if (isCalculating(sheet))
        return {IoResult::BadArgument, "cannot import into a sheet that is calculating"};
    Sheet loaded;
    if (loaded.autoCalc())
        loaded.setAutoCalc(false);
    loaded.setMaxCols(std::max<int32_t>(static_cast<int32_t>(cols), sheet.maxCols()));
    loaded.setMaxRows(std::max<int32_t>(static_cast<int32_t>(records.size()), sheet.maxRows()));
    for (size_t r = 0; r < records.size(); ++r)
        for (size_t c = 0; c < records[r].size(); ++c)
            if (!records[r][c].empty())
                loaded.setValue(static_cast<int32_t>(c + 1), static_cast<int32_t>(r + 1),
                                fieldValue(records[r][c]));
    // The sheet's settings stay; only its contents are replaced.
    std::map<int, bool> options = sheet.options();
    RefStyle refStyle = sheet.refStyle();
    UnitType unitType = sheet.unitType();
    transferSheet(loaded, sheet);
    for (auto [number, on] : options)
        sheet.setOption(number, on);
    sheet.setRefStyle(refStyle);
    sheet.setUnitType(unitType);
    sheet.setChanged(true);
    return {};
}

IoStatus importCsvFile(Sheet& sheet, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {IoResult::CannotOpen, "cannot open '" + path + "'"};
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        return {IoResult::CannotOpen, "cannot read '" + path + "'"};
    return importCsvString(sheet, s.str());
}

} // namespace grid
