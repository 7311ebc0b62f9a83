#pragma once
// Small routines that every dialog of the module shares.

#include "core/Tvl_String.h"
#include "platform/ui/Geometry.h"

namespace ui {
class Window;
class TabControl;
} // namespace ui
class CButtonST;

// True when a find-first search for the product path (wildcards allowed) finds a file.
bool fileExists(const Tvl_String& path);

// Enables or disables item `id` of `dialog`; false when the dialog or item is missing.
bool enableDlgItem(ui::Window* dialog, int id, bool enable);

// The id of the focused window. An editable combo's inner edit (id 1001 inside a
// "ComboBox") is reported as the combo's id 1316, as the dialogs expect.
int focusedControlId();

// Focuses item `id` of `dialog`; an "Edit" gets its whole text selected. False when the
// dialog or item is missing.
bool focusControl(ui::Window* dialog, int id);

// Makes dialog item `id` a flat icon button (no flat focus rectangle) with the icon
// resource `iconId` and, when not empty, the tooltip. False when the item is missing.
bool setupIconButton(ui::Window* dialog, CButtonST& button, int id, int iconId,
                     const Tvl_String& tooltip);

// The rectangle a tab control's pages are moved to: under its tabs, inside its frame.
ui::Rect tabPageRect(ui::TabControl& tabs);
