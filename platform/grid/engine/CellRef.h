#pragma once
// Cell addresses. Columns and rows count from 1; row 0 is the column-header row,
// column 0 the row-header column, (0,0) the corner cell.

#include <cstdint>
#include <string>
#include <string_view>

namespace grid {

struct CellRef {
    int32_t col = 0;
    int32_t row = 0;
    friend bool operator==(const CellRef&, const CellRef&) = default;
};

// A block of cells, edges inclusive.
struct CellRange {
    int32_t col1 = 0;
    int32_t row1 = 0;
    int32_t col2 = 0;
    int32_t row2 = 0;
    bool contains(int32_t c, int32_t r) const {
        return c >= col1 && c <= col2 && r >= row1 && r <= row2;
    }
    friend bool operator==(const CellRange&, const CellRange&) = default;
};

// A span (merged block) anchored at its top-left cell; the covered cells are hidden.
struct Span {
    int32_t col = 0;
    int32_t row = 0;
    int32_t cols = 1;
    int32_t rows = 1;
    bool contains(int32_t c, int32_t r) const {
        return c >= col && c < col + cols && r >= row && r < row + rows;
    }
    friend bool operator==(const Span&, const Span&) = default;
};

// "A", "Z", "AA", ... for columns from 1; empty for 0 or less.
std::string columnLetters(int32_t col);
// "B3" -> (2,3); false when the text is not a plain A1 address (no '$').
bool parseA1(std::string_view text, CellRef& out);
} // namespace grid
