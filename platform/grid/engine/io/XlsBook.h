#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace grid {

// What an Excel 97-2003 worksheet holds, in that format's own terms (rows and
// columns from 0, heights in twips, widths in 1/256 of a character). Filled by
// the sheet exporter, written by XlsWriter. Colours are 0x00BBGGRR.
namespace xls {

constexpr uint32_t kAutoColor = 0xFFFFFFFF;
constexpr int kMaxRows = 65536;
constexpr int kMaxCols = 256;

struct Font {
    std::string name = "Arial";
    uint16_t heightTwips = 200;
    uint16_t weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    uint32_t color = kAutoColor;
    bool operator==(const Font&) const = default;
};

enum class HAlign : uint8_t { General = 0, Left = 1, Center = 2, Right = 3 };
enum class VAlign : uint8_t { Top = 0, Center = 1, Bottom = 2 };

// Excel's own line style codes (thin 1, medium 2, dashed 3, dotted 4, thick 5, double 6, hair 7
// ...).
struct BorderLine {
    uint8_t style = 0;
    uint32_t color = 0;
    bool operator==(const BorderLine&) const = default;
};

struct CellFormat {
    int font = 0;             // index into Book::fonts
    std::string numberFormat; // empty: General
    HAlign hAlign = HAlign::General;
    VAlign vAlign = VAlign::Bottom;
    bool wrap = false;
    uint8_t rotation = 0; // Excel's code: 0-90 up, 91-180 down, 255 stacked
    bool locked = true;
    std::optional<uint32_t> fill; // solid background
    BorderLine left, right, top, bottom;
    bool operator==(const CellFormat&) const = default;
};

enum class ErrorCode : uint8_t {
    Null = 0x00,
    Div0 = 0x07,
    Value = 0x0F,
    Ref = 0x17,
    Name = 0x1D,
    Num = 0x24,
    NA = 0x2A
};

struct Cell {
    enum class Kind : uint8_t { Blank, Number, Text, Boolean, Error };
    int row = 0;
    int col = 0;
    Kind kind = Kind::Blank;
    double number = 0; // Number; Boolean as 0/1
    std::string text;  // Text (UTF-8)
    ErrorCode error = ErrorCode::Value;
    int format = -1; // index into Book::formats; -1 default
    // When not empty: the cell holds a formula, these are its parsed tokens (the
    // FORMULA record's rgce, see XlsFormula.h), and kind/number/text/error are
    // its cached result (Blank: an empty text).
    std::string formula;
    bool alwaysCalc = false; // a volatile formula: recalculated on every change
};

struct Merge {
    int firstRow, lastRow, firstCol, lastCol;
};

struct Sheet {
    std::string name = "Sheet1";
    std::vector<Cell> cells;            // any order; the writer sorts them
    std::map<int, uint16_t> colWidths;  // column -> width in 1/256 character
    std::map<int, uint16_t> rowHeights; // row -> height in twips
    std::vector<Merge> merges;
    uint16_t defaultColWidthChars = 8;
};

// Fonts and cell formats are shared by all sheets; add them through the helpers
// so that equal ones share one record.
struct Book {
    std::vector<Font> fonts{Font{}}; // fonts[0] is the workbook's default font
    std::vector<CellFormat> formats;
    std::vector<Sheet> sheets;
    // Functions the formulas call by name: hidden NAME records ("_xlfn.IFERROR"),
    // referred to by ptgName with their index + 1, and EXTERNNAMEs of the add-in
    // SUPBOOK ("EDATE"), referred to by ptgNameX with their index + 1.
    std::vector<std::string> functionNames;
    std::vector<std::string> addInNames;

    int addFont(const Font& font);
    int addFormat(const CellFormat& format);
    // 1-based indexes as the formulas use them; equal names share one entry.
    uint16_t addFunctionName(const std::string& name);
    uint16_t addAddInName(const std::string& name);
};

} // namespace xls
} // namespace grid
