#pragma once
// Simulated user input. Every function goes the way a person's input goes: the message
// filters of the target and its ancestors (innermost first), the dialog manager, the
// control's own handling (state change) and the notification to its parent. Posted
// messages are delivered afterwards, as a message loop would.
//
// Functions return false when a person could not do it: the window or item is missing,
// hidden, disabled, or its top-level window is disabled (for example by a modal loop).
// `dialog` is any window containing the control; ids are searched among its descendants.

#include "platform/ui/Geometry.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Window.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

class Window;

// Left click in the middle of a control (push button, check box, radio, static, ...).
bool click(Window& dialog, int id, unsigned modifiers = 0);
bool click(Window& control, unsigned modifiers = 0);
bool doubleClick(Window& dialog, int id);

enum class TypeMode { Replace, Append };
// Gives the edit (or editable combo) `id` the focus as a click would (the old focus gets
// its kill-focus notification), selects all (Replace) or puts the caret at the end
// (Append), then types each character: key down, char, key up through the filters;
// EN_CHANGE per change.
bool typeText(Window& dialog, int id, std::wstring_view text, TypeMode mode = TypeMode::Replace);
// Types into the window that has the focus.
bool typeText(std::wstring_view text);

// Key press on the focus window (else the active modal dialog): WM_KEYDOWN, WM_CHAR when
// the key produces a character, WM_KEYUP. Modifiers are kModShift / kModCtrl / kModAlt
// and show in getKeyState while the key is processed.
bool key(int vk, unsigned modifiers = 0);
bool keyDown(int vk, unsigned modifiers = 0);
bool keyUp(int vk, unsigned modifiers = 0);
bool charInput(wchar_t ch);
// Moves the focus as Tab / Shift+Tab do.
inline bool tab(bool shift = false) {
    return key(VK_TAB, shift ? kModShift : 0);
}

// Selects item `index` of a combo box, list box, tab control or list view, as a person
// would (clicking it), with the control's notifications. -1 clears a list selection.
bool selectItem(Window& dialog, int id, int index);
// Selects by exact (case-insensitive) item text.
bool selectItem(Window& dialog, int id, std::wstring_view text);
// Toggles the check box of a list view item (LVS_EX_CHECKBOXES).
bool checkListItem(Window& dialog, int id, int index, bool checked);
// Chooses a command of a window's menu bar (WM_COMMAND to the window). False when the
// command is missing or greyed.
bool chooseMenuCommand(Window& window, int commandId);

// Mouse messages at a point in `window`'s client coordinates. The message goes to the
// deepest child at that point that takes mouse input (or the capture window). Modifiers
// add MK_SHIFT / MK_CONTROL.
bool mouseDown(Window& window, Point client, unsigned modifiers = 0,
               MouseButton button = MouseButton::Left);
bool mouseMove(Window& window, Point client, unsigned modifiers = 0);
bool mouseUp(Window& window, Point client, unsigned modifiers = 0,
             MouseButton button = MouseButton::Left);
bool rightClick(Window& window, Point client, unsigned modifiers = 0);
bool doubleClickAt(Window& window, Point client, unsigned modifiers = 0);
// Only the WM_LBUTTONDBLCLK of a double click (a real mouse sends the presses and
// releases around it on its own; the live backend uses it).
bool mouseDoubleClick(Window& window, Point client, unsigned modifiers = 0);
// Press at `from`, move to `to`, release. The move and release are queued first, so a
// handler that runs its own capture loop (Application::takePendingInput) receives them.
bool drag(Window& window, Point from, Point to, unsigned modifiers = 0);

// The mouse wheel turned at a client point of `window` by `delta` (WHEEL_DELTA per notch,
// positive away from the person): WM_MOUSEWHEEL to the deepest window under the point
// (or the capture window); a window that does not handle it passes it to its parent.
bool mouseWheel(Window& window, Point client, int delta, unsigned modifiers = 0);

// What a person sees when resting the mouse at a client point: the tooltip of the
// control under it (empty when none). Also moves the cursor there (WM_MOUSEMOVE).
std::wstring hoverTooltip(Window& window, Point client);
// The same tooltip, without moving the mouse (the live backend asks when the real
// mouse has rested).
std::wstring tooltipAt(Window& window, Point client);

// The close box of a top-level window (WM_SYSCOMMAND SC_CLOSE -> WM_CLOSE).
bool closeBox(Window& topLevel);
// Resizes a top-level window by its frame to width x height (window size), limited by
// its WM_GETMINMAXINFO minimum; WM_SIZE follows.
bool resize(Window& topLevel, int width, int height);
// Advances the virtual clock (timers fire).
void advanceTime(std::uint64_t ms);

} // namespace ui
