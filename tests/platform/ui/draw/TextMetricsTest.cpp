#include "platform/ui/draw/TextMetrics.h"
#include "platform/ui/draw/CairoCanvas.h"
#include "platform/ui/draw/TextLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace ui;

namespace {

Font dialogFont() {
    return Font::fromPointSize(L"MS Sans Serif", 8);
}

TEST(TextMetrics, FontHeightsFollowThePlatformRules) {
    EXPECT_EQ(Font::fromPointSize(L"Tahoma", 8).height, -11);
    EXPECT_EQ(Font::fromPointSize(L"Verdana", 9).height, -12);
    EXPECT_EQ(Font::fromPointSize(L"Verdana", 15, 700).height, -20);
    EXPECT_EQ(Font::fromPointSize(L"Tahoma", 10, 400, 600).height, -83);
    Font cell;
    cell.height = 15; // positive: cell height including internal leading
    EXPECT_EQ(cell.charHeight(), 13);
    Font zero;
    EXPECT_EQ(zero.charHeight(), 11);
}

TEST(TextMetrics, FixedModelIsAPureFunctionOfFontAndText) {
    const Font f = dialogFont();
    const FontMetrics m = fixedFontMetrics(f);
    EXPECT_EQ(m.ascent, 11);
    EXPECT_EQ(m.descent, 3);
    EXPECT_EQ(m.lineHeight, 14);
    // "OK": (708 + 590) / 1000 * 11 = 14.28 -> 14.
    EXPECT_EQ(fixedTextExtent(f, L"OK"), (Size{14, 14}));
    EXPECT_EQ(fixedTextExtent(f, L""), (Size{0, 14}));
    // Bold is wider, italic and underline are not.
    Font bold = f.withWeight(700);
    EXPECT_GT(fixedTextExtent(bold, L"Cancel").cx, fixedTextExtent(f, L"Cancel").cx);
    Font italic = f;
    italic.italic = true;
    EXPECT_EQ(fixedTextExtent(italic, L"Cancel"), fixedTextExtent(f, L"Cancel"));
    // Fixed-pitch faces: every character has the same advance.
    Font mono = f;
    mono.face = L"Courier New";
    EXPECT_EQ(faceFamily(mono.face), FaceFamily::Mono);
    EXPECT_EQ(fixedTextExtent(mono, L"iiii").cx, fixedTextExtent(mono, L"WWWW").cx);
    EXPECT_EQ(faceFamily(L"Tahoma"), FaceFamily::Sans);
    // Wide scripts take a full em, combining marks nothing.
    EXPECT_EQ(fixedAdvancePerMille(f, L'\x4E2D'), 1000);
    EXPECT_EQ(fixedAdvancePerMille(f, L'\x0301'), 0);
    EXPECT_EQ(fixedTextExtent(f, L"e\x0301").cx, fixedTextExtent(f, L"e").cx);
    // Width grows with the size.
    EXPECT_LT(fixedTextExtent(f, L"Profile").cx,
              fixedTextExtent(Font::fromPointSize(L"Tahoma", 12), L"Profile").cx);
}

// The fixed table stands for the faces the snapshots are drawn with; if the two drift
// apart, layout computed with the model no longer fits the rendered text.
TEST(TextMetrics, FixedModelAgreesWithRenderedText) {
    auto canvas = CairoCanvas::createImage({200, 50});
    ASSERT_TRUE(canvas);
    canvas->setTextMeasure(TextMeasure::Real);
    const std::wstring samples[] = {L"OK",
                                    L"Cancel",
                                    L"Macro settings",
                                    L"Plate 20x200 S235",
                                    L"WWWWiiii 0123456789",
                                    L"\x00C4rger \x00FC"};
    for (const Font& f :
         {dialogFont(), dialogFont().withWeight(700), Font::fromPointSize(L"Verdana", 15, 700)}) {
        for (const std::wstring& s : samples) {
            const int fixed = fixedTextExtent(f, s).cx;
            const int real = canvas->measureText(f, s).cx;
            EXPECT_LE(std::abs(fixed - real), 1 + fixed / 50)
                << "height " << f.height << " weight " << f.weight << " text "
                << testing::PrintToString(s) << " fixed " << fixed << " real " << real;
        }
    }
}

TEST(TextLayout, PrefixesAreStrippedAndTheAcceleratorMarked) {
    struct Case {
        const wchar_t* in;
        const wchar_t* out;
        size_t underline;
    };
    const Case cases[] = {
        {L"&File", L"File", 0},
        {L"Save &as...", L"Save as...", 5},
        {L"A && B", L"A & B", std::wstring::npos},
        {L"&&&x", L"&x", 1},
        {L"trailing&", L"trailing", std::wstring::npos},
        {L"", L"", std::wstring::npos},
    };
    for (const Case& c : cases) {
        size_t u = 42;
        EXPECT_EQ(stripPrefixes(c.in, &u), c.out)
            << "input " << testing::PrintToString(std::wstring(c.in));
        EXPECT_EQ(u, c.underline);
    }
}

TEST(TextLayout, LinesBreakWrapAndEllipsize) {
    auto width = [](std::wstring_view s) { return static_cast<int>(s.size()) * 10; };
    // Explicit line ends (CR LF or LF); SingleLine turns them into spaces.
    TextLayout l = layoutText({0, 0, 500, 100}, L"one\r\ntwo\nthree", TextFlags::Left, 12, width);
    ASSERT_EQ(l.lines.size(), 3u);
    EXPECT_EQ(l.lines[1].text, L"two");
    EXPECT_EQ(l.lines[2].at, (Point{0, 24}));
    EXPECT_EQ(l.height, 36);
    l = layoutText({0, 0, 500, 100}, L"one\ntwo", TextFlags::SingleLine, 12, width);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].text, L"one two");

    // Word break at spaces; a word wider than the rectangle keeps a line of its own.
    l = layoutText({0, 0, 100, 100}, L"aaa bbb ccc dddddddddddddd e", TextFlags::WordBreak, 12,
                   width);
    ASSERT_EQ(l.lines.size(), 4u);
    EXPECT_EQ(l.lines[0].text, L"aaa bbb");
    EXPECT_EQ(l.lines[1].text, L"ccc");
    EXPECT_EQ(l.lines[2].text, L"dddddddddddddd");
    EXPECT_EQ(l.lines[3].text, L"e");

    // End ellipsis: the line is cut so that it and "..." fit.
    l = layoutText({0, 0, 80, 12}, L"abcdefghijkl", TextFlags::SingleLine | TextFlags::EndEllipsis,
                   12, width);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].text, L"abcde...");
    EXPECT_LE(l.lines[0].width, 80);
    // A very long line is cut quickly (the cut is searched, not stepped).
    const std::wstring longText(200000, L'x');
    l = layoutText({0, 0, 95, 12}, longText, TextFlags::SingleLine | TextFlags::EndEllipsis, 12,
                   width);
    EXPECT_EQ(l.lines[0].text, L"xxxxxx...");
    // Too many lines for the height: the last one that fits ends in "...".
    l = layoutText({0, 0, 100, 25}, L"aaa bbb ccc ddd eee fff",
                   TextFlags::WordBreak | TextFlags::EndEllipsis, 12, width);
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_EQ(l.lines[1].text, L"ccc ddd...");
    // The accelerator index follows its character onto its line, and is dropped when cut.
    l = layoutText({0, 0, 100, 100}, L"aaa bbb &ccc", TextFlags::WordBreak, 12, width);
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_EQ(l.lines[0].underline, std::wstring::npos);
    EXPECT_EQ(l.lines[1].underline, 0u);
    l = layoutText({0, 0, 60, 12}, L"abcdefg&h", TextFlags::SingleLine | TextFlags::EndEllipsis, 12,
                   width);
    EXPECT_EQ(l.lines[0].underline, std::wstring::npos);
}

TEST(TextLayout, AlignmentPlacesLinesInTheRectangle) {
    auto width = [](std::wstring_view s) { return static_cast<int>(s.size()) * 10; };
    const Rect r{10, 20, 110, 60};
    auto at = [&](TextFlags f) { return layoutText(r, L"abcd", f, 12, width).lines.at(0).at; };
    EXPECT_EQ(at(TextFlags::Left), (Point{10, 20}));
    EXPECT_EQ(at(TextFlags::Center), (Point{40, 20}));
    EXPECT_EQ(at(TextFlags::Right), (Point{70, 20}));
    EXPECT_EQ(at(TextFlags::SingleLine | TextFlags::VCenter), (Point{10, 34}));
    EXPECT_EQ(at(TextFlags::SingleLine | TextFlags::Bottom), (Point{10, 48}));
    // VCenter only applies to single lines, as on the platform.
    EXPECT_EQ(at(TextFlags::VCenter), (Point{10, 20}));
    EXPECT_TRUE(layoutText(r, L"", TextFlags::Left, 12, width).lines.empty());
}

} // namespace
