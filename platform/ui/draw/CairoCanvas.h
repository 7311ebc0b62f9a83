#pragma once
// The cairo backend: renders into an image (written as PNG, or read back as a Bitmap)
// or into a PDF document with any number of pages. Text is drawn by pango with the
// DejaVu faces (see TextMetrics.h for how face names map); its layout uses the fixed
// metric model by default, so snapshots are deterministic and agree with recordings.
// Cairo and pango stay inside this backend; the header shows none of their types.

#include "platform/ui/draw/Canvas.h"

#include <memory>
#include <string>

namespace ui {

enum class TextMeasure { Fixed, Real };

class CairoCanvas : public Canvas {
public:
    // An image of `size` pixels filled with `background`.
    static std::unique_ptr<CairoCanvas> createImage(Size size, Color background = {255, 255, 255},
                                                    Size ppi = {96, 96});
    // A PDF document at `nativePath` whose pages are `pageSizePoints` (1/72 inch) large.
    // Logical pixels are 1/ppi inch, so size() is the page in logical pixels. Null when
    // the file cannot be created.
    static std::unique_ptr<CairoCanvas> createPdf(const std::string& nativePath,
                                                  Size pageSizePoints, int ppi = 96);
    ~CairoCanvas() override;

    // Text measurement: Fixed (default) or pango's real metrics.
    void setTextMeasure(TextMeasure m) { m_measure = m; }

    // Image canvases only; false for documents or when the file cannot be written.
    bool writePng(const std::string& nativePath);
    Bitmap toBitmap();
    // Image canvases: the pixels as premultiplied 32-bit ARGB rows of `stride` bytes
    // (what the live backend hands to the screen); null for documents.
    const unsigned char* imagePixels(int& stride);
    // Documents: ends the last page and closes the file; false when writing failed.
    // Called by the destructor when not called before.
    bool finish();

    Size size() const override { return m_size; }
    Size pixelsPerInch() const override { return m_ppi; }
    void fillRect(const Rect& r, Color c) override;
    void frameRect(const Rect& r, const Pen& pen) override;
    void line(Point from, Point to, const Pen& pen) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void ellipse(const Rect& r, const Pen& pen, std::optional<Color> fill) override;
    void polygon(std::span<const Point> points, const Pen& pen, std::optional<Color> fill) override;
    Size measureText(const Font& font, std::wstring_view text) const override;
    void pushClip(const Rect& r) override;
    void popClip() override;
    void pushOrigin(Point offset) override;
    void popOrigin() override;
    Rect clipBox() const override;
    void newPage() override;

protected:
    void blit(const Bitmap& bitmap, const Rect& dest, const Rect& src, BlitMode mode,
              Color key) override;
    void drawTextRun(Point at, std::wstring_view text, const Font& font, Color color,
                     size_t underline) override;

private:
    struct Impl;
    CairoCanvas(std::unique_ptr<Impl> impl, Size size, Size ppi);

    std::unique_ptr<Impl> m_impl;
    Size m_size;
    Size m_ppi;
    TextMeasure m_measure = TextMeasure::Fixed;
};

} // namespace ui
