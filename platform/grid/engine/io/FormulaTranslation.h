#pragma once
// Formula texts of other spreadsheet programs and the engine's A1 style (references
// relative unless marked with '$', ',' between arguments; see FormulaParser.h).
//   Excel (.xlsx):       A1 syntax without '=', newer functions prefixed "_xlfn.",
//                        references to another sheet as Sheet!A1 or 'My sheet'!A1.
//   OpenFormula (.ods):  "of:=" before the expression, references in brackets
//                        ([.A1], [.$A$1:.B3], [$Sheet1.A1], [.A:.A]), ';' between
//                        arguments, '!' for the intersection, '~' for the union,
//                        functions of other programs under a namespace
//                        (COM.MICROSOFT.CONCAT).
// The translation is textual: the result still has to parse. References to a sheet
// other than `ownSheet`, external workbooks, unions and structured references have
// no engine form; the translation gives nullopt for them.

#include <optional>
#include <string>
#include <string_view>

namespace grid {

std::optional<std::string> excelToEngine(std::string_view formula, std::string_view ownSheet);
std::optional<std::string> openFormulaToEngine(std::string_view formula, std::string_view ownSheet);

// The engine's A1 text (without '=') as Excel stores it: functions that Excel added
// after 2007 get their "_xlfn." prefix. Nullopt when the text holds a reference the
// A1 style could not write ('?').
std::optional<std::string> engineToExcel(std::string_view formula);

} // namespace grid
