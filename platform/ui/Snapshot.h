#pragma once
// Snapshots: a window tree painted into a PNG file (frame and caption for top-level
// windows, then each control's own painting). Deterministic: fixed text metrics.

#include <string>

namespace ui {

class Window;

// Writes `window` (and its children) as a PNG; false when the file cannot be written.
bool writePng(const Window& window, const std::string& nativePath);

} // namespace ui
