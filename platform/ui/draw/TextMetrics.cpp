#include "platform/ui/draw/TextMetrics.h"

#include <algorithm>
#include <cwctype>

namespace ui {

namespace {

// Advance widths per 1000 em of U+0020..U+00FF (0 for the C1 controls), from the
// DejaVu Sans Condensed and DejaVu Sans Condensed Bold faces. The condensed faces have
// about the average width of the platform's 8-point dialog fonts, so text fits the
// controls that dialog templates size in dialog units.
constexpr short kSans[224] = {
    286, 360, 414, 754, 572, 855, 702, 247, 351, 351, 450, 754, 286, 325, 286, 303, 572, 572, 572,
    572, 572, 572, 572, 572, 572, 572, 303, 303, 754, 754, 754, 478, 900, 615, 617, 628, 693, 568,
    518, 697, 677, 265, 265, 590, 501, 776, 673, 708, 542, 708, 625, 571, 549, 659, 615, 890, 616,
    549, 616, 351, 303, 351, 754, 450, 450, 551, 571, 495, 571, 554, 316, 571, 570, 250, 250, 521,
    250, 876, 570, 550, 571, 571, 370, 469, 353, 570, 532, 736, 532, 532, 472, 572, 303, 572, 754,
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   286, 360, 572, 572, 572,
    572, 303, 450, 450, 900, 424, 550, 754, 325, 900, 450, 450, 754, 360, 360, 450, 572, 572, 286,
    450, 360, 424, 550, 872, 872, 872, 478, 615, 615, 615, 615, 615, 615, 876, 628, 568, 568, 568,
    568, 265, 265, 265, 265, 697, 673, 708, 708, 708, 708, 708, 754, 708, 659, 659, 659, 659, 549,
    544, 567, 551, 551, 551, 551, 551, 551, 883, 495, 554, 554, 554, 554, 250, 250, 250, 250, 550,
    570, 550, 550, 550, 550, 550, 754, 550, 570, 570, 570, 570, 532, 571, 532,
};

constexpr short kSansBold[224] = {
    313, 410, 469, 754, 626, 901, 785, 275, 411, 411, 470, 754, 342, 374, 342, 329, 626, 626, 626,
    626, 626, 626, 626, 626, 626, 626, 360, 360, 754, 754, 754, 522, 900, 696, 686, 660, 747, 615,
    615, 738, 753, 334, 334, 697, 573, 896, 753, 765, 659, 765, 693, 648, 614, 730, 696, 993, 694,
    651, 652, 411, 329, 411, 754, 450, 450, 607, 644, 533, 644, 610, 391, 644, 641, 308, 308, 598,
    308, 938, 641, 618, 644, 644, 444, 536, 430, 641, 586, 831, 580, 586, 523, 641, 329, 641, 754,
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,
    0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   0,   313, 410, 626, 626, 572,
    626, 329, 450, 450, 900, 507, 581, 754, 374, 900, 450, 450, 754, 394, 394, 450, 662, 572, 342,
    450, 394, 507, 581, 932, 932, 932, 522, 696, 696, 696, 696, 696, 696, 976, 660, 615, 615, 615,
    615, 334, 334, 334, 334, 754, 753, 765, 765, 765, 765, 765, 754, 765, 730, 730, 730, 730, 651,
    664, 647, 607, 607, 607, 607, 607, 607, 943, 533, 610, 610, 610, 610, 308, 308, 308, 308, 618,
    641, 618, 618, 618, 618, 618, 754, 618, 641, 641, 641, 641, 586, 644, 586,
};

constexpr int kMonoAdvance = 602;
constexpr int kAscentPerMille = 928;
constexpr int kDescentPerMille = 236;

bool containsNoCase(std::wstring_view hay, std::wstring_view needle) {
    if (needle.size() > hay.size())
        return false;
    for (size_t i = 0; i + needle.size() <= hay.size(); ++i) {
        bool match = true;
        for (size_t j = 0; j < needle.size() && match; ++j)
            match = std::towlower(hay[i + j]) == std::towlower(needle[j]);
        if (match)
            return true;
    }
    return false;
}

bool isWide(wchar_t ch) {
    const unsigned c = static_cast<unsigned>(ch);
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

bool isZeroWidth(wchar_t ch) {
    const unsigned c = static_cast<unsigned>(ch);
    return (c >= 0x0300 && c <= 0x036F) || c == 0x200B || c == 0x200C || c == 0x200D ||
           c == 0xFEFF || c < 0x20 || (c >= 0x7F && c < 0xA0);
}

int scaled(long perMilleSum, int em) {
    return static_cast<int>((perMilleSum * em + 500) / 1000);
}

} // namespace

FaceFamily faceFamily(std::wstring_view face) {
    static constexpr std::wstring_view kMono[] = {L"courier",  L"lucida console", L"consolas",
                                                  L"fixedsys", L"terminal",       L"mono"};
    for (auto name : kMono)
        if (containsNoCase(face, name))
            return FaceFamily::Mono;
    return FaceFamily::Sans;
}

namespace {

// The advance of one character when the font's family is known (looking the family up
// is the costly part: measuring a text looks it up once, not per character).
int advancePerMille(const Font& font, bool mono, wchar_t ch) {
    if (ch == L'\t')
        return 4 * advancePerMille(font, mono, L' ');
    if (isZeroWidth(ch))
        return 0;
    if (isWide(ch))
        return 1000;
    if (mono)
        return kMonoAdvance;
    const unsigned c = static_cast<unsigned>(ch);
    if (c >= 0x20 && c <= 0xFF)
        return (font.bold() ? kSansBold : kSans)[c - 0x20];
    // Other scripts and symbols: about the width of an average letter.
    return font.bold() ? 610 : 560;
}

} // namespace

int fixedAdvancePerMille(const Font& font, wchar_t ch) {
    return advancePerMille(font, faceFamily(font.face) == FaceFamily::Mono, ch);
}

FontMetrics fixedFontMetrics(const Font& font) {
    const int em = font.charHeight();
    FontMetrics m;
    m.ascent = (em * kAscentPerMille + 999) / 1000;
    m.descent = (em * kDescentPerMille + 999) / 1000;
    m.lineHeight = m.ascent + m.descent;
    long sum = 0;
    const bool mono = faceFamily(font.face) == FaceFamily::Mono;
    for (wchar_t c = L'a'; c <= L'z'; ++c)
        sum += advancePerMille(font, mono, c) + advancePerMille(font, mono, c - L'a' + L'A');
    m.avgCharWidth = std::max(1, scaled(sum / 52, em));
    return m;
}

Size fixedTextExtent(const Font& font, std::wstring_view text) {
    long sum = 0;
    const bool mono = faceFamily(font.face) == FaceFamily::Mono;
    for (wchar_t ch : text)
        sum += advancePerMille(font, mono, ch);
    return {scaled(sum, font.charHeight()), fixedFontMetrics(font).lineHeight};
}

} // namespace ui
