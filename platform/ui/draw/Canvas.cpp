#include "platform/ui/draw/Canvas.h"

#include "platform/ui/draw/TextLayout.h"

namespace ui {

int Canvas::drawText(const Rect& r, std::wstring_view text, const Font& font, Color color,
                     TextFlags flags) {
    const int lineHeight = measureText(font, L"").cy;
    TextLayout layout = layoutText(r, text, flags, lineHeight,
                                   [&](std::wstring_view s) { return measureText(font, s).cx; });
    const bool clip = !hasFlag(flags, TextFlags::NoClip);
    if (clip)
        pushClip(r);
    const bool showUnderline = !hasFlag(flags, TextFlags::HidePrefix);
    for (const TextLine& line : layout.lines)
        drawTextRun(line.at, line.text, font, color,
                    showUnderline ? line.underline : std::wstring::npos);
    if (clip)
        popClip();
    return layout.height;
}

Size Canvas::measureTextBlock(const Font& font, std::wstring_view text, int width,
                              TextFlags flags) const {
    const int lineHeight = measureText(font, L"").cy;
    const Rect r{0, 0, width > 0 ? width : 0, 0};
    TextLayout layout = layoutText(r, text, flags, lineHeight,
                                   [&](std::wstring_view s) { return measureText(font, s).cx; });
    return {layout.width, layout.height};
}

void Canvas::drawBitmap(const Bitmap& bitmap, Point at, BlitMode mode, Color key) {
    drawBitmap(bitmap, Rect::fromSize(at.x, at.y, bitmap.width, bitmap.height), bitmap.bounds(),
               mode, key);
}

} // namespace ui
