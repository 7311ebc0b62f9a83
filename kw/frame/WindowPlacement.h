#pragma once
// Window placements kept in the host's application profile, section "TREVLONV8", under
// the placement name followed by "_TOP", "_BOTTOM", "_LEFT" and "_RIGHT".

#include "core/Tvl_String.h"

namespace ui {
class Window;
}

// Restores the stored rectangle of `window`. Each stored edge defaults to the window's
// current one. A stored left counts when -4 <= left < screen width, a stored top when
// -5 < top < screen height; unless `keepSize`, a stored right counts when
// 0 < right < screen width + 5 and a stored bottom when 0 < bottom < screen height + 5
// (with `keepSize` the current width and height stay). The screen is the larger of the
// full-screen size and the work area. A result that reaches the screen's right and
// bottom maximises the window; otherwise it moves there, at least minWidth x minHeight.
// False without a window.
bool restoreWindowPlacement(ui::Window* window, const Tvl_String& name, bool keepSize = false,
                            int minWidth = 0, int minHeight = 0);

// Stores the window's current left, top, right and bottom. False without a window.
bool saveWindowPlacement(ui::Window* window, const Tvl_String& name);
