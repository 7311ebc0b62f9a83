#pragma once
// The sample grid of the format dialogs: a Tvl_Spread placed exactly over the dialog's
// control, three columns by three rows without scroll bars, whose centre cell (2,2)
// carries the sample.

#include <array>

class Tvl_Spread;
namespace ui {
class Window;
}

namespace kw {

inline constexpr int kPreviewCol = 2;
inline constexpr int kPreviewRow = 2;

// Sizes in pixels for the header column/row (index 0) and columns/rows 1 to 3. False
// when the control is missing.
bool setupPreview(Tvl_Spread& grid, ui::Window* dialog, int controlId,
                  const std::array<int, 4>& widths, const std::array<int, 4>& heights);

} // namespace kw
