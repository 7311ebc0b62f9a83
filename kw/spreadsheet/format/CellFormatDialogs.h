#pragma once
// The spreadsheet editor's format dialogs. Each fills its record from the first cell of the
// grid's selected block (or the active cell), runs modally over `parent` and, after OK,
// applies the record to the whole block. Each returns true when it changed the grid; the
// editor then sets its changed flag. Without a block or an active cell the cell dialogs
// show nothing and return false.
//
// editTableOptions works on any grid (the section library uses it too): on OK it sets the
// column count (formats not copied), the row count (formats copied), the header column
// width and header row height, and the header texts, and marks the grid changed.

namespace ui {
class Window;
}
class Tvl_Spread;
namespace grid {
struct CellRange;
}

namespace kw {

// The cells the dialogs work on: the selected block (unset edges widened to the whole
// sheet), else the active cell. False when there is neither.
bool formatBlock(const Tvl_Spread& grid, grid::CellRange& block);

bool editCellType(ui::Window* parent, Tvl_Spread& grid);
bool editBorders(ui::Window* parent, Tvl_Spread& grid);
bool editFontAndColours(ui::Window* parent, Tvl_Spread& grid);
bool editTableOptions(ui::Window* parent, Tvl_Spread& grid);

} // namespace kw
