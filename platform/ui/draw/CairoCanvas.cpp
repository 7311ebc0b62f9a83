#include "platform/ui/draw/CairoCanvas.h"
#include "platform/base/Encoding.h"

#include "platform/ui/draw/TextMetrics.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace ui {

namespace {

constexpr int kMaxImageSide = 32767;

std::string toUtf8(std::wstring_view s, size_t mark, size_t* markStart, size_t* markEnd) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (i == mark && markStart)
            *markStart = out.size();
        base::appendUtf8(out, static_cast<char32_t>(s[i]));
        if (i == mark && markEnd)
            *markEnd = out.size();
    }
    return out;
}

void setColor(cairo_t* cr, Color c) {
    cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

// Odd pen widths are centred on pixel centres so that one-pixel lines stay crisp.
double penOffset(const Pen& pen) {
    return (std::max(1, pen.width) % 2) ? 0.5 : 0.0;
}

bool applyPen(cairo_t* cr, const Pen& pen) {
    if (pen.style == PenStyle::None)
        return false;
    const double w = std::max(1, pen.width);
    setColor(cr, pen.color);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    if (pen.style == PenStyle::Dash) {
        const double d[] = {6 * w, 3 * w};
        cairo_set_dash(cr, d, 2, 0);
    } else if (pen.style == PenStyle::Dot) {
        // Offset by half a dot so that one-pixel dots fall on whole pixels.
        const double d[] = {w, w};
        cairo_set_dash(cr, d, 2, w / 2);
    }
    return true;
}

const char* familyName(const Font& font) {
    return faceFamily(font.face) == FaceFamily::Mono ? "DejaVu Sans Mono" : "DejaVu Sans Condensed";
}

// One pango context per canvas, set up once; each call brings it up to date with the
// cairo transform in force.
PangoContext* makeContext(cairo_t* cr) {
    PangoContext* context = pango_cairo_create_context(cr);
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, opts);
    cairo_font_options_destroy(opts);
    // Whole-pixel glyph positions would add up to a drift from the metric model.
    pango_context_set_round_glyph_positions(context, FALSE);
    return context;
}

PangoFontDescription* fontDescription(const Font& font) {
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, familyName(font));
    pango_font_description_set_absolute_size(desc, font.charHeight() * double(PANGO_SCALE));
    pango_font_description_set_weight(desc, font.bold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    if (faceFamily(font.face) == FaceFamily::Sans)
        pango_font_description_set_stretch(desc, PANGO_STRETCH_SEMI_CONDENSED);
    return desc;
}

PangoLayout* makeLayout(cairo_t* cr, PangoContext* context, const Font& font) {
    pango_cairo_update_context(cr, context);
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, familyName(font));
    pango_font_description_set_absolute_size(desc, font.charHeight() * double(PANGO_SCALE));
    pango_font_description_set_weight(desc, font.bold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(desc, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    if (faceFamily(font.face) == FaceFamily::Sans)
        pango_font_description_set_stretch(desc, PANGO_STRETCH_SEMI_CONDENSED);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    return layout;
}

void setLayoutText(PangoLayout* layout, const Font& font, std::wstring_view text,
                   size_t underline) {
    size_t ms = 0, me = 0;
    const std::string utf8 = toUtf8(text, underline, &ms, &me);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
    PangoAttrList* attrs = pango_attr_list_new();
    // No kerning or ligatures: widths then add up per character, as the metric model does.
    pango_attr_list_insert(attrs, pango_attr_font_features_new("kern 0, liga 0, clig 0"));
    if (font.underline) {
        pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    } else if (underline < text.size() && me > ms) {
        PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        a->start_index = static_cast<guint>(ms);
        a->end_index = static_cast<guint>(me);
        pango_attr_list_insert(attrs, a);
    }
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
}

} // namespace

struct CairoCanvas::Impl {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    PangoContext* pango = nullptr; // made on first use
    // The layout of the last text drawn, kept for the next text in the same font (long
    // documents draw thousands of runs in a few fonts).
    PangoLayout* layout = nullptr;
    Font layoutFont;
    // Documents: the fonts their plain runs are drawn with directly as glyphs.
    std::vector<std::pair<Font, PangoFont*>> glyphFonts;
    cairo_glyph_t* glyphs = nullptr; // scratch of cairo_scaled_font_text_to_glyphs
    int glyphCount = 0;              // ... and its size
    cairo_text_cluster_t* clusters = nullptr;
    int clusterCount = 0;
    bool pdf = false;
    bool finished = false;
    double scale = 1.0;         // device units per logical pixel
    std::vector<Point> origins; // absolute origin after each push
    std::vector<Rect> clips;    // absolute clip after each push
    Size size;

    Impl() = default;
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
    ~Impl() {
        if (layout)
            g_object_unref(layout);
        for (auto& f : glyphFonts)
            g_object_unref(f.second);
        if (glyphs)
            cairo_glyph_free(glyphs);
        if (clusters)
            cairo_text_cluster_free(clusters);
        if (pango)
            g_object_unref(pango);
        if (cr)
            cairo_destroy(cr);
        if (surface)
            cairo_surface_destroy(surface);
    }
    PangoContext* textContext() {
        if (!pango)
            pango = makeContext(cr);
        return pango;
    }
    // The cairo font of `font` for runs drawn as glyphs; null when there is none.
    cairo_scaled_font_t* glyphFont(const Font& font) {
        for (auto& f : glyphFonts)
            if (f.first == font)
                return pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(f.second));
        PangoContext* context = textContext();
        pango_cairo_update_context(cr, context);
        PangoFontDescription* desc = fontDescription(font);
        PangoFont* loaded = pango_context_load_font(context, desc);
        pango_font_description_free(desc);
        if (!loaded)
            return nullptr;
        glyphFonts.emplace_back(font, loaded);
        return pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(loaded));
    }
    Point origin() const { return origins.empty() ? Point{} : origins.back(); }
    Rect clip() const { return clips.empty() ? Rect{0, 0, size.cx, size.cy} : clips.back(); }

    // Sets up the transform and clip for one drawing call; false when nothing can show.
    bool begin() {
        const Rect c = clip();
        if (c.isEmpty() || finished)
            return false;
        cairo_save(cr);
        cairo_identity_matrix(cr);
        cairo_scale(cr, scale, scale);
        // Without a clip of its own the surface is the clip: a document then gets no
        // clip path per drawing call.
        if (!clips.empty()) {
            cairo_rectangle(cr, c.left, c.top, c.width(), c.height());
            cairo_clip(cr);
        }
        cairo_translate(cr, origin().x, origin().y);
        cairo_new_path(cr);
        return true;
    }
    void end() { cairo_restore(cr); }
};

CairoCanvas::CairoCanvas(std::unique_ptr<Impl> impl, Size size, Size ppi)
    : m_impl(std::move(impl)), m_size(size), m_ppi(ppi) {
    m_impl->size = size;
}

CairoCanvas::~CairoCanvas() {
    if (m_impl->pdf)
        finish();
}

std::unique_ptr<CairoCanvas> CairoCanvas::createImage(Size size, Color background, Size ppi) {
    if (size.cx <= 0 || size.cy <= 0 || size.cx > kMaxImageSide || size.cy > kMaxImageSide)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.cx, size.cy);
    if (cairo_surface_status(impl->surface) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    impl->cr = cairo_create(impl->surface);
    setColor(impl->cr, background);
    cairo_paint(impl->cr);
    return std::unique_ptr<CairoCanvas>(new CairoCanvas(std::move(impl), size, ppi));
}

std::unique_ptr<CairoCanvas> CairoCanvas::createPdf(const std::string& nativePath,
                                                    Size pageSizePoints, int ppi) {
    if (pageSizePoints.cx <= 0 || pageSizePoints.cy <= 0 || ppi <= 0)
        return nullptr;
    auto impl = std::make_unique<Impl>();
    impl->pdf = true;
    impl->surface =
        cairo_pdf_surface_create(nativePath.c_str(), pageSizePoints.cx, pageSizePoints.cy);
    if (cairo_surface_status(impl->surface) != CAIRO_STATUS_SUCCESS)
        return nullptr;
    impl->cr = cairo_create(impl->surface);
    impl->scale = 72.0 / ppi;
    const Size logical{pageSizePoints.cx * ppi / 72, pageSizePoints.cy * ppi / 72};
    return std::unique_ptr<CairoCanvas>(new CairoCanvas(std::move(impl), logical, {ppi, ppi}));
}

bool CairoCanvas::writePng(const std::string& nativePath) {
    if (m_impl->pdf)
        return false;
    cairo_surface_flush(m_impl->surface);
    return cairo_surface_write_to_png(m_impl->surface, nativePath.c_str()) == CAIRO_STATUS_SUCCESS;
}

const unsigned char* CairoCanvas::imagePixels(int& stride) {
    if (m_impl->pdf)
        return nullptr;
    cairo_surface_flush(m_impl->surface);
    stride = cairo_image_surface_get_stride(m_impl->surface);
    return cairo_image_surface_get_data(m_impl->surface);
}

Bitmap CairoCanvas::toBitmap() {
    if (m_impl->pdf)
        return {};
    cairo_surface_flush(m_impl->surface);
    const int w = cairo_image_surface_get_width(m_impl->surface);
    const int h = cairo_image_surface_get_height(m_impl->surface);
    const int stride = cairo_image_surface_get_stride(m_impl->surface);
    const unsigned char* data = cairo_image_surface_get_data(m_impl->surface);
    Bitmap out(w, h);
    for (int y = 0; y < h; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            const std::uint32_t a = p >> 24;
            if (a == 0 || a == 255) {
                out.set(x, y, a == 0 ? 0u : p);
                continue;
            }
            auto un = [a](std::uint32_t c) {
                return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a);
            };
            out.set(x, y,
                    (a << 24) | (un((p >> 16) & 0xff) << 16) | (un((p >> 8) & 0xff) << 8) |
                        un(p & 0xff));
        }
    }
    return out;
}

bool CairoCanvas::finish() {
    if (m_impl->finished)
        return cairo_surface_status(m_impl->surface) == CAIRO_STATUS_SUCCESS;
    m_impl->finished = true;
    cairo_surface_finish(m_impl->surface);
    return cairo_surface_status(m_impl->surface) == CAIRO_STATUS_SUCCESS &&
           cairo_status(m_impl->cr) == CAIRO_STATUS_SUCCESS;
}

void CairoCanvas::fillRect(const Rect& r, Color c) {
    if (r.isEmpty() || !m_impl->begin())
        return;
    cairo_t* cr = m_impl->cr;
    setColor(cr, c);
    cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
    cairo_fill(cr);
    m_impl->end();
}

void CairoCanvas::frameRect(const Rect& r, const Pen& pen) {
    if (r.isEmpty() || !m_impl->begin())
        return;
    cairo_t* cr = m_impl->cr;
    if (applyPen(cr, pen)) {
        const double w = std::max(1, pen.width);
        cairo_rectangle(cr, r.left + w / 2, r.top + w / 2, std::max(0.0, r.width() - w),
                        std::max(0.0, r.height() - w));
        cairo_stroke(cr);
    }
    m_impl->end();
}

void CairoCanvas::line(Point from, Point to, const Pen& pen) {
    if (!m_impl->begin())
        return;
    cairo_t* cr = m_impl->cr;
    if (applyPen(cr, pen)) {
        const double o = penOffset(pen);
        // Axis-aligned lines cover exactly the pixels from `from` up to, not including,
        // `to`, as LineTo does; others are anti-aliased through pixel centres.
        if (from.y == to.y) {
            cairo_move_to(cr, from.x, from.y + o);
            cairo_line_to(cr, to.x, to.y + o);
        } else if (from.x == to.x) {
            cairo_move_to(cr, from.x + o, from.y);
            cairo_line_to(cr, to.x + o, to.y);
        } else {
            cairo_move_to(cr, from.x + o, from.y + o);
            cairo_line_to(cr, to.x + o, to.y + o);
        }
        cairo_stroke(cr);
    }
    m_impl->end();
}

void CairoCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    if (points.size() < 2 || !m_impl->begin())
        return;
    cairo_t* cr = m_impl->cr;
    if (applyPen(cr, pen)) {
        const double o = penOffset(pen);
        cairo_move_to(cr, points[0].x + o, points[0].y + o);
        for (size_t i = 1; i < points.size(); ++i)
            cairo_line_to(cr, points[i].x + o, points[i].y + o);
        cairo_stroke(cr);
    }
    m_impl->end();
}

void CairoCanvas::ellipse(const Rect& r, const Pen& pen, std::optional<Color> fill) {
    if (r.isEmpty() || !m_impl->begin())
        return;
    cairo_t* cr = m_impl->cr;
    const double w = pen.style == PenStyle::None ? 0 : std::max(1, pen.width);
    const double rx = std::max(0.5, (r.width() - w) / 2.0);
    const double ry = std::max(0.5, (r.height() - w) / 2.0);
    cairo_save(cr);
    cairo_translate(cr, (r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    if (fill) {
        setColor(cr, *fill);
        cairo_fill_preserve(cr);
    }
    if (applyPen(cr, pen))
        cairo_stroke(cr);
    m_impl->end();
}

void CairoCanvas::polygon(std::span<const Point> points, const Pen& pen,
                          std::optional<Color> fill) {
    if (points.size() < 2 || !m_impl->begin())
        return;
    cairo_t* cr = m_impl->cr;
    const double o = penOffset(pen);
    cairo_move_to(cr, points[0].x + o, points[0].y + o);
    for (size_t i = 1; i < points.size(); ++i)
        cairo_line_to(cr, points[i].x + o, points[i].y + o);
    cairo_close_path(cr);
    if (fill) {
        setColor(cr, *fill);
        cairo_fill_preserve(cr);
    }
    if (applyPen(cr, pen))
        cairo_stroke(cr);
    m_impl->end();
}

Size CairoCanvas::measureText(const Font& font, std::wstring_view text) const {
    if (m_measure == TextMeasure::Fixed)
        return fixedTextExtent(font, text);
    PangoLayout* layout = makeLayout(m_impl->cr, m_impl->textContext(), font);
    setLayoutText(layout, font, text, std::wstring::npos);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return {static_cast<int>(std::ceil(logical.width / double(PANGO_SCALE))),
            static_cast<int>(std::ceil(logical.height / double(PANGO_SCALE)))};
}

void CairoCanvas::drawTextRun(Point at, std::wstring_view text, const Font& font, Color color,
                              size_t underline) {
    if (text.empty() || !m_impl->begin())
        return;
    cairo_t* cr = m_impl->cr;
    // Documents draw plain runs (Latin text, no underline) straight from the font's
    // glyphs, with the text attached so that readers can search and copy it. The
    // glyphs' advances are the font's own, as pango lays them out without kerning.
    if (m_impl->pdf && !font.underline && underline == std::wstring::npos &&
        std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x20 && c < 0x250; })) {
        if (cairo_scaled_font_t* sf = m_impl->glyphFont(font)) {
            const std::string utf8 = toUtf8(text, std::wstring::npos, nullptr, nullptr);
            cairo_text_cluster_flags_t flags{};
            setColor(cr, color);
            cairo_set_scaled_font(cr, sf);
            const double y = at.y + fixedFontMetrics(font).ascent;
            // The scratch arrays are reused while they are large enough; cairo makes
            // larger ones (given back here) when they are not.
            cairo_glyph_t* glyphs = m_impl->glyphs;
            int glyphCount = m_impl->glyphCount;
            cairo_text_cluster_t* clusters = m_impl->clusters;
            int clusterCount = m_impl->clusterCount;
            const cairo_status_t status = cairo_scaled_font_text_to_glyphs(
                sf, at.x, y, utf8.data(), static_cast<int>(utf8.size()), &glyphs, &glyphCount,
                &clusters, &clusterCount, &flags);
            const bool ok = status == CAIRO_STATUS_SUCCESS;
            if (ok)
                cairo_show_text_glyphs(cr, utf8.data(), static_cast<int>(utf8.size()), glyphs,
                                       glyphCount, clusters, clusterCount, flags);
            if (glyphs && glyphs != m_impl->glyphs) {
                if (!ok) {
                    cairo_glyph_free(glyphs);
                } else {
                    if (m_impl->glyphs)
                        cairo_glyph_free(m_impl->glyphs);
                    m_impl->glyphs = glyphs;
                    m_impl->glyphCount = glyphCount;
                }
            }
            if (clusters && clusters != m_impl->clusters) {
                if (!ok) {
                    cairo_text_cluster_free(clusters);
                } else {
                    if (m_impl->clusters)
                        cairo_text_cluster_free(m_impl->clusters);
                    m_impl->clusters = clusters;
                    m_impl->clusterCount = clusterCount;
                }
            }
            if (ok) {
                m_impl->end();
                return;
            }
        }
    }
    if (!m_impl->layout || !(m_impl->layoutFont == font)) {
        if (m_impl->layout)
            g_object_unref(m_impl->layout);
        m_impl->layout = makeLayout(cr, m_impl->textContext(), font);
        m_impl->layoutFont = font;
    } else {
        pango_cairo_update_context(cr, m_impl->textContext());
    }
    PangoLayout* layout = m_impl->layout;
    setLayoutText(layout, font, text, underline);
    // Put pango's baseline where the metric model has it.
    const double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    const double y = at.y + fixedFontMetrics(font).ascent - baseline;
    setColor(cr, color);
    cairo_move_to(cr, at.x, y);
    pango_cairo_show_layout(cr, layout);
    m_impl->end();
}

void CairoCanvas::blit(const Bitmap& bitmap, const Rect& dest, const Rect& src, BlitMode mode,
                       Color key) {
    const Rect s = src.intersect(bitmap.bounds());
    if (bitmap.empty() || s.isEmpty() || dest.isEmpty() || src.isEmpty() ||
        bitmap.pixels.size() != static_cast<size_t>(bitmap.width) * bitmap.height)
        return;
    // Widths in double: a caller's absurd rectangle must not overflow.
    auto w = [](const Rect& r) { return double(r.right) - double(r.left); };
    auto h = [](const Rect& r) { return double(r.bottom) - double(r.top); };
    const double sx = w(dest) / w(src);
    const double sy = h(dest) / h(src);
    // The part of `dest` that the clamped source maps to.
    const double dx = dest.left + (double(s.left) - src.left) * sx;
    const double dy = dest.top + (double(s.top) - src.top) * sy;

    cairo_surface_t* img = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, s.width(), s.height());
    if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(img);
        return;
    }
    unsigned char* data = cairo_image_surface_get_data(img);
    const int stride = cairo_image_surface_get_stride(img);
    const std::uint32_t keyRgb = Bitmap::argb(key) & 0x00FFFFFFu;
    for (int y = 0; y < s.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * stride);
        const std::uint32_t* from =
            &bitmap.pixels[static_cast<size_t>(s.top + y) * bitmap.width + s.left];
        if (mode != BlitMode::Alpha && mode != BlitMode::Transparent) {
            // Opaque pixels need no premultiplication.
            for (int x = 0; x < s.width(); ++x)
                row[x] = from[x] | 0xFF000000u;
            continue;
        }
        for (int x = 0; x < s.width(); ++x) {
            std::uint32_t p = from[x];
            std::uint32_t a = 255;
            if (mode == BlitMode::Alpha)
                a = p >> 24;
            else if (mode == BlitMode::Transparent && (p & 0x00FFFFFFu) == keyRgb)
                a = 0;
            auto pm = [a](std::uint32_t c) { return (c * a + 127) / 255; };
            row[x] = (a << 24) | (pm((p >> 16) & 0xff) << 16) | (pm((p >> 8) & 0xff) << 8) |
                     pm(p & 0xff);
        }
    }
    cairo_surface_mark_dirty(img);

    if (m_impl->begin()) {
        cairo_t* cr = m_impl->cr;
        switch (mode) {
        case BlitMode::And:
            cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
            break;
        case BlitMode::Or:
            cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
            break;
        default:
            cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
            break;
        }
        cairo_rectangle(cr, dx, dy, s.width() * sx, s.height() * sy);
        cairo_clip(cr);
        cairo_translate(cr, dx, dy);
        cairo_scale(cr, sx, sy);
        cairo_set_source_surface(cr, img, 0, 0);
        cairo_pattern_t* pattern = cairo_get_source(cr);
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        // Enlarged pictures keep crisp pixels as StretchBlt does; reduced ones are smoothed.
        cairo_pattern_set_filter(pattern,
                                 (sx >= 1 && sy >= 1) ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        m_impl->end();
    }
    cairo_surface_destroy(img);
}

void CairoCanvas::pushClip(const Rect& r) {
    m_impl->clips.push_back(
        m_impl->clip().intersect(r.offset(m_impl->origin().x, m_impl->origin().y)));
}

void CairoCanvas::popClip() {
    if (!m_impl->clips.empty())
        m_impl->clips.pop_back();
}

void CairoCanvas::pushOrigin(Point offset) {
    const Point o = m_impl->origin();
    m_impl->origins.push_back({o.x + offset.x, o.y + offset.y});
}

void CairoCanvas::popOrigin() {
    if (!m_impl->origins.empty())
        m_impl->origins.pop_back();
}

Rect CairoCanvas::clipBox() const {
    return m_impl->clip().offset(-m_impl->origin().x, -m_impl->origin().y);
}

void CairoCanvas::newPage() {
    if (m_impl->pdf && !m_impl->finished)
        cairo_show_page(m_impl->cr);
}

} // namespace ui
