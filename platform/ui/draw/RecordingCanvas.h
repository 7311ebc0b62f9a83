#pragma once
// A canvas that draws nothing and keeps every call as an item tests can inspect.
// Items hold absolute coordinates (the origin stack applied) and the clip in force.
// Text is measured with the fixed metric model, so recordings never depend on fonts.

#include "platform/ui/draw/Canvas.h"

#include <string>
#include <vector>

namespace ui {

enum class DrawKind {
    FillRect,
    FrameRect,
    Line,
    Polyline,
    Ellipse,
    Polygon,
    Text,
    Bitmap,
    NewPage
};

struct DrawItem {
    DrawKind kind = DrawKind::FillRect;
    Rect rect;                       // target rectangle (bounding box for lines and shapes)
    Rect clip;                       // clip in force (the whole surface when none)
    Color color;                     // fill, pen or text colour
    Pen pen;                         // shapes, lines and frames
    std::optional<Color> fill;       // ellipse and polygon
    std::vector<Point> points;       // line, polyline, polygon
    std::wstring text;               // text as passed in
    std::vector<std::wstring> lines; // text as laid out (prefixes removed, ellipsis applied)
    Font font;
    TextFlags flags = TextFlags::Left;
    Size bitmapSize; // drawBitmap: the picture's size
    Rect source;     // drawBitmap: the source rectangle
    BlitMode mode = BlitMode::Copy;
    Color key; // drawBitmap: transparent key colour
    int page = 0;
};

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(Size size = {1024, 768}, Size ppi = {96, 96});

    Size size() const override { return m_size; }
    Size pixelsPerInch() const override { return m_ppi; }

    void fillRect(const Rect& r, Color c) override;
    void frameRect(const Rect& r, const Pen& pen) override;
    void line(Point from, Point to, const Pen& pen) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void ellipse(const Rect& r, const Pen& pen, std::optional<Color> fill) override;
    void polygon(std::span<const Point> points, const Pen& pen, std::optional<Color> fill) override;
    int drawText(const Rect& r, std::wstring_view text, const Font& font, Color color,
                 TextFlags flags) override;
    Size measureText(const Font& font, std::wstring_view text) const override;
    void pushClip(const Rect& r) override;
    void popClip() override;
    void pushOrigin(Point offset) override;
    void popOrigin() override;
    Rect clipBox() const override;
    void newPage() override;

    const std::vector<DrawItem>& items() const { return m_items; }
    void clear() { m_items.clear(); }
    // Every text drawn, as laid out, in drawing order (one entry per drawText call,
    // lines joined with "\n").
    std::vector<std::wstring> texts() const;
    // The first text item whose laid-out text contains `needle`; null when none.
    const DrawItem* findText(std::wstring_view needle) const;
    std::vector<const DrawItem*> itemsOfKind(DrawKind kind) const;
    // One readable line per item, e.g. `fillRect (0,0)-(100,20) #F0F0F0`.
    std::string dump() const;
    // Push/pop balance; a painting routine that returns with pushes outstanding is a bug.
    int clipDepth() const { return static_cast<int>(m_clips.size()); }
    int originDepth() const { return static_cast<int>(m_origins.size()); }

protected:
    void blit(const Bitmap& bitmap, const Rect& dest, const Rect& src, BlitMode mode,
              Color key) override;
    void drawTextRun(Point at, std::wstring_view text, const Font& font, Color color,
                     size_t underline) override;

private:
    DrawItem& add(DrawKind kind, const Rect& localRect);
    Point origin() const { return m_origins.empty() ? Point{} : m_origins.back(); }
    Rect currentClip() const;

    Size m_size;
    Size m_ppi;
    int m_page = 0;
    std::vector<Point> m_origins; // absolute origin after each push
    std::vector<Rect> m_clips;    // absolute clip after each push
    std::vector<DrawItem> m_items;
};

const char* toString(DrawKind kind);

} // namespace ui
