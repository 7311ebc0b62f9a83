#pragma once
// The borders dialog's line-style picker: twelve positions for the grid's line styles
// 0-6 and 11-15. Styles 7-10 have no position; the dialog then keeps the cell's style
// unless the user picks another one.

namespace kw {

// The picker position of a line style, or -1 when the picker has none for it.
int borderPickerPosition(int lineStyle);
// The line style at a picker position; `keptStyle` when the position is not one of the
// twelve (nothing picked).
int borderLineStyle(int position, int keptStyle);

} // namespace kw
