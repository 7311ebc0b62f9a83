#pragma once
// Small routines the macro settings pages share: picture frames, number texts with two
// decimals, and grid number cells that keep a value's every digit.

#include "core/Tvl_String.h"

#include <string>

class CButtonST;
class Tvl_Spread;
namespace ui {
class Window;
}

namespace kw::filters {

// Makes item `id` of `page` a disabled, borderless picture frame showing the bitmap
// `file` of the installation's "icons\" folder (grey drawn transparent); a placeholder
// when the file is missing.
void setUpPictureFrame(ui::Window* page, CButtonST& frame, int id, const wchar_t* file);

// A number as the pages show it: two decimals.
std::wstring twoDecimals(double value);
// A number read back as the runtime's wide-string conversion does: the leading number of
// the text, 0 when it starts with none (or is no finite number).
double readNumber(const std::wstring& text);

// Attaches `grid` over frame `id` of `page` without row headers. False when the frame is
// missing.
bool attachGrid(Tvl_Spread& grid, ui::Window* page, int id);
// Cell (col, row) becomes a number cell (two decimals shown) holding `value` exactly.
void setNumberCell(Tvl_Spread& grid, int col, int row, double value);
// The value of a number cell; 0 when it holds none.
double numberCell(const Tvl_Spread& grid, int col, int row);
// The text of a cell, trimmed.
Tvl_String cellText(const Tvl_Spread& grid, int col, int row);
// Appends a row below the last one (font "Tahoma") and makes its first cell active; the
// new row's number.
int appendGridRow(Tvl_Spread& grid);
// Deletes the active row; false when there is none.
bool deleteActiveRow(Tvl_Spread& grid);

} // namespace kw::filters
