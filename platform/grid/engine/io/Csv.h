#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace grid::csv {

// Comma-separated values after RFC 4180: fields separated by commas, records by
// CR LF (LF or CR alone accepted when reading), fields quoted with '"' when they
// hold a comma, quote, line break or leading/trailing blank; a quote inside a
// quoted field is doubled. A UTF-8 byte-order mark at the start is skipped.

using Record = std::vector<std::string>;

// False, with `error` set ("line N: ..."), on an unterminated quoted field or
// text after a closing quote. A final line break does not make an empty record.
bool parse(std::string_view text, std::vector<Record>& records, std::string& error);

// One field, quoted when it must be.
std::string quoteField(std::string_view field);
// One record with its CR LF.
std::string formatRecord(const Record& record);

} // namespace grid::csv
