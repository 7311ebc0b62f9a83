#pragma once
// The spreadsheet editor's format dialogs. Each fills its record from the first cell of the
// grid's selected block (or the active cell), runs modally over `parent` and, after OK,
// applies the record to the whole block. Each returns true when it changed the grid; the
// editor then sets its changed flag.

namespace ui {
class Window;
}
class Tvl_Spread;

namespace kw {

bool editCellType(ui::Window* parent, Tvl_Spread& grid);
bool editBorders(ui::Window* parent, Tvl_Spread& grid);
bool editFontAndColours(ui::Window* parent, Tvl_Spread& grid);
bool editTableOptions(ui::Window* parent, Tvl_Spread& grid);

} // namespace kw
