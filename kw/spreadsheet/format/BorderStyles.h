#pragma once
// The borders dialog's line-style picker: twelve positions for the grid's line styles
// 0-6 and 11-15. Styles 7-10 have no position; the dialog then keeps the cell's style
// unless the user picks another one.

namespace kw {

inline constexpr int kBorderPickerPositions = 12;
// The picture of a picker position: bitmaps 158, 160 and 162 to 171 in position order;
// 0 for a position that is not one of the twelve.
int borderPickerBitmap(int position);
// The picker's texts, for the keyboard and scripts ("Geen", "Dun", ...).
const wchar_t* borderPickerText(int position);

// The picker position of a line style, or -1 when the picker has none for it.
int borderPickerPosition(int lineStyle);
// The line style at a picker position; `keptStyle` when the position is not one of the
// twelve (nothing picked).
int borderLineStyle(int position, int keptStyle);

} // namespace kw
