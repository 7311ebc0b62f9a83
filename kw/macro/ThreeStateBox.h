#pragma once
// Three-state check boxes of the macro sub-dialogs. A value that differs between the
// macros being edited shows as the indeterminate state; the first click on such a box
// makes it an ordinary two-state box (indeterminate becomes unchecked). The dialogs
// code "differs" differently: 2 in bolt data, -1 in patterns, so callers name it.

namespace ui {
class Window;
}

namespace kw::macro {

// Shows `value` on check box `id`: `varies` as indeterminate (three-state style), any
// value above 0 as checked, else unchecked (two-state style).
void showThreeState(ui::Window& dialog, int id, int value, int varies);
// After a click: the box becomes an auto two-state box; an indeterminate state left by
// the click becomes unchecked.
void makeTwoState(ui::Window& dialog, int id);
// 1 checked, 0 unchecked, `varies` indeterminate; 0 for a missing box.
int readThreeState(const ui::Window& dialog, int id, int varies);

} // namespace kw::macro
