#pragma once
// Snapshots: a window tree painted into a PNG file (frame and caption for top-level
// windows, then each control's own painting). Deterministic: fixed text metrics.

#include "platform/ui/Geometry.h"

#include <string>
#include <vector>

namespace ui {

class Canvas;
class Window;

// Paints `window` as the snapshots show it (frame, caption and menu bar of a top-level
// window, then the tree) into `canvas`, whose origin is the window's top-left corner.
// The live backend paints its real windows with it.
void paintWindow(Canvas& canvas, Window& window);

// Where the menu bar of a top-level window shows each item of its menu, in window
// coordinates (empty without a menu bar). The bar's painting and the live backend's
// clicks both use it.
std::vector<Rect> menuBarItemRects(const Window& window);

// Writes `window` (and its children) as a PNG; false when the file cannot be written.
bool writePng(const Window& window, const std::string& nativePath);

} // namespace ui
