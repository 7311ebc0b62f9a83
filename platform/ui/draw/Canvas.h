#pragma once
// Canvas: everything the windowing layer, the controls and the product's own painting
// code draw through. Coordinates are logical pixels relative to the current origin
// (pushOrigin); rectangles are right/bottom exclusive. Backends:
//   RecordingCanvas - keeps every call as an inspectable item (tests);
//   CairoCanvas     - renders to a PNG image or to a multi-page PDF document.
// Text layout (line breaks, ellipsis, "&" prefixes) is shared by all backends and
// uses the backend's measureText, so a backend only has to draw single runs.

#include "platform/ui/Geometry.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Font.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace ui {

enum class PenStyle { Solid, Dash, Dot, None };

struct Pen {
    Color color;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// DrawText flags. Prefix processing ("&x" underlines x, "&&" is "&") is on unless
// NoPrefix is given, as on the product's platform.
enum class TextFlags : unsigned {
    Left = 0,
    Center = 1u << 0,
    Right = 1u << 1,
    VCenter = 1u << 2, // only with SingleLine, as the platform does it
    Bottom = 1u << 3,  // only with SingleLine
    WordBreak = 1u << 4,
    SingleLine = 1u << 5,
    EndEllipsis = 1u << 6,
    NoPrefix = 1u << 7,
    NoClip = 1u << 8,     // text may spill outside its rectangle
    HidePrefix = 1u << 9, // process "&" but draw no underline
};
constexpr TextFlags operator|(TextFlags a, TextFlags b) {
    return static_cast<TextFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool hasFlag(TextFlags set, TextFlags f) {
    return (static_cast<unsigned>(set) & static_cast<unsigned>(f)) != 0;
}

// How drawBitmap combines the picture with what is already there.
enum class BlitMode {
    Copy,        // SRCCOPY
    And,         // SRCAND: the monochrome-mask step (black keeps black, white keeps dest)
    Or,          // SRCPAINT: the picture step after a mask
    Transparent, // pixels equal to the key colour are left out
    Alpha,       // source-over using the picture's alpha (icons with a mask applied)
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // The drawing surface in logical pixels (image size, or page size for documents).
    virtual Size size() const = 0;
    // Logical pixels per inch (96 for screens and snapshots unless configured).
    virtual Size pixelsPerInch() const = 0;

    virtual void fillRect(const Rect& r, Color c) = 0;
    // A frame drawn inside `r` with the pen's width.
    virtual void frameRect(const Rect& r, const Pen& pen) = 0;
    virtual void line(Point from, Point to, const Pen& pen) = 0;
    virtual void polyline(std::span<const Point> points, const Pen& pen) = 0;
    // Filled when `fill` is set; outlined unless the pen style is None.
    virtual void ellipse(const Rect& r, const Pen& pen, std::optional<Color> fill) = 0;
    virtual void polygon(std::span<const Point> points, const Pen& pen,
                         std::optional<Color> fill) = 0;

    // DrawText: lays out `text` in `r` by `flags` (background transparent) and draws it.
    // Returns the height of the laid-out text, as DrawText does.
    virtual int drawText(const Rect& r, std::wstring_view text, const Font& font, Color color,
                         TextFlags flags);
    // Width of one line of text (no prefix processing) and the font's line height.
    virtual Size measureText(const Font& font, std::wstring_view text) const = 0;
    // The size DrawText would use for `text` laid out in `width` pixels (DT_CALCRECT).
    Size measureTextBlock(const Font& font, std::wstring_view text, int width,
                          TextFlags flags) const;

    // Copies `src` of the picture into `dest`, stretching when the sizes differ.
    // `key` is the transparent colour for BlitMode::Transparent.
    void drawBitmap(const Bitmap& bitmap, const Rect& dest, const Rect& src,
                    BlitMode mode = BlitMode::Copy, Color key = {}) {
        blit(bitmap, dest, src, mode, key);
    }
    // Unstretched: the whole picture with its top-left corner at `at`.
    void drawBitmap(const Bitmap& bitmap, Point at, BlitMode mode = BlitMode::Copy, Color key = {});

    // Clipping and origin nest; every push needs its pop. A clip is intersected with the
    // current one; an origin offset adds to the current origin.
    virtual void pushClip(const Rect& r) = 0;
    virtual void popClip() = 0;
    virtual void pushOrigin(Point offset) = 0;
    virtual void popOrigin() = 0;
    // GetClipBox: the current clip in current coordinates (the surface when none).
    virtual Rect clipBox() const { return {0, 0, size().cx, size().cy}; }

    // Ends the current page and starts a new one (documents); a no-op elsewhere.
    virtual void newPage() {}

protected:
    // The backend's drawBitmap.
    virtual void blit(const Bitmap& bitmap, const Rect& dest, const Rect& src, BlitMode mode,
                      Color key) = 0;
    // Draws one already laid-out line with its top-left at `at`. `underline` is the
    // index of the character to underline (the "&" accelerator), or npos.
    virtual void drawTextRun(Point at, std::wstring_view text, const Font& font, Color color,
                             size_t underline) = 0;
};

// Scoped helpers so that early returns cannot leave a clip or origin pushed.
class ClipScope {
public:
    ClipScope(Canvas& c, const Rect& r) : m_canvas(c) { c.pushClip(r); }
    ~ClipScope() { m_canvas.popClip(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

private:
    Canvas& m_canvas;
};

class OriginScope {
public:
    OriginScope(Canvas& c, Point offset) : m_canvas(c) { c.pushOrigin(offset); }
    ~OriginScope() { m_canvas.popOrigin(); }
    OriginScope(const OriginScope&) = delete;
    OriginScope& operator=(const OriginScope&) = delete;

private:
    Canvas& m_canvas;
};

} // namespace ui
