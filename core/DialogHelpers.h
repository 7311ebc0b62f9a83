#pragma once
// Small helpers on dialog items.

namespace ui {
class Window;
}

// Enables or disables item `id` of `dialog`; nothing happens when the dialog or the
// item does not exist. Returns whether the item exists.
bool EnDisCtrl(ui::Window* dialog, int id, bool enable);
// Shows or hides item `id` of `dialog`; the same rules.
bool ShowOrHideCtrl(ui::Window* dialog, int id, bool show);
