#include "platform/ui/DialogTemplate.h"

#include <cmath>

namespace ui {

Size dialogBaseUnits(const FontSpec& font) {
    int pt = font.pointSize > 0 ? font.pointSize : 8;
    return {static_cast<int>(std::lround(6.0 * pt / 8.0)),
            static_cast<int>(std::lround(13.0 * pt / 8.0))};
}

Rect mapDialogRect(const Rect& r, const FontSpec& font) {
    Size b = dialogBaseUnits(font);
    auto mx = [&](int v) { return v * b.cx / 4; };
    auto my = [&](int v) { return v * b.cy / 8; };
    return {mx(r.left), my(r.top), mx(r.right), my(r.bottom)};
}

} // namespace ui
