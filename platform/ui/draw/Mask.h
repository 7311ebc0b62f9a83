#pragma once
// Transparency helpers for pictures drawn over a background: the monochrome mask idiom
// (mask with white = transparent; draw the mask with AND, then the picture with OR) and
// the transparent key colour of button pictures (192,192,192 or 255,0,255).

#include "platform/ui/draw/Bitmap.h"

namespace ui {

// White (transparent) where the picture has the key colour or is fully transparent,
// black elsewhere. Opaque, same size as the picture.
Bitmap makeMask(const Bitmap& picture, Color key);
// The picture with alpha 0 wherever the mask is white. A mask of another size leaves
// the picture unchanged.
Bitmap applyMask(const Bitmap& picture, const Bitmap& mask);
// The picture with alpha 0 on its key-colour pixels.
Bitmap keyToAlpha(const Bitmap& picture, Color key);
// The OR step's source: the picture blackened where the mask is white, so that
// AND(mask) followed by OR(this) leaves the background untouched there.
Bitmap blackenMasked(const Bitmap& picture, const Bitmap& mask);
// A greyed and lightened copy for disabled buttons (alpha kept).
Bitmap disabledImage(const Bitmap& picture);

} // namespace ui
