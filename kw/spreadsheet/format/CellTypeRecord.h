#pragma once
// The cell-type record of the format dialogs and how it is read from and written to a
// grid. Reading undoes what writing adds: the rotation bits go back into `rotation`, the
// picture bit 32 is dropped, the picture file is read back and a number cell reads back
// as kind 0, so reading a cell and writing it again changes nothing.

#include <cstdint>
#include <string>

#include "platform/grid/engine/CellRef.h"

namespace grid {
class Sheet;
}

namespace kw {

struct CellTypeRecord {
    static constexpr int kNumber = 0;
    static constexpr int kText = 1;
    static constexpr int kPicture = 2;
    static constexpr int kMinDecimals = 0;
    static constexpr int kMaxDecimals = 15;
    static constexpr int kMinLetters = 1;
    static constexpr int kMaxLetters = 32767;
    static constexpr uint32_t kPictureBit = 32;

    int kind = kNumber;
    uint32_t style = 0; // alignment and per-kind flags, no rotation
    uint32_t rotation = 0;
    int decimals = 2;
    int maxLetters = 200;
    std::wstring pictureFile;
    friend bool operator==(const CellTypeRecord&, const CellTypeRecord&) = default;
};

// The record of cell (col,row); defaults for a cell of another type.
CellTypeRecord readCellType(const grid::Sheet& sheet, int col, int row);
// Gives the record's type to every cell of the block (decimals and letters clamped to
// their ranges). False when the block leaves the sheet.
bool applyCellType(grid::Sheet& sheet, const grid::CellRange& block, const CellTypeRecord& rec);

} // namespace kw
