#pragma once
// Private helpers shared by the layer's painting code (not part of the public API).

#include "platform/ui/Window.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Canvas.h"
#include "platform/ui/draw/Font.h"

namespace ui::paint {

Font toFont(const FontSpec& spec);
// Width of one line of text in a window's font (fixed metrics).
int textWidth(const FontSpec& spec, std::wstring_view text);
// Decodes an Image (BMP or ICO bytes); empty when there is none or it is damaged.
Bitmap decode(const Image& image);

// The classic 3-D palette.
inline constexpr Color kFace{240, 240, 240};
inline constexpr Color kShadow{160, 160, 160};
inline constexpr Color kDarkShadow{105, 105, 105};
inline constexpr Color kHighlight{255, 255, 255};
inline constexpr Color kText{0, 0, 0};
inline constexpr Color kGrayText{128, 128, 128};
inline constexpr Color kWindow{255, 255, 255};
inline constexpr Color kSelection{0, 120, 215};
inline constexpr Color kCaption{0, 84, 166};

void sunken(Canvas& c, const Rect& r);
void raised(Canvas& c, const Rect& r, bool pressed = false);

} // namespace ui::paint
