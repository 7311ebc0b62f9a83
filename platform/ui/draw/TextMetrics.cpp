#include "platform/ui/draw/TextMetrics.h"

#include <algorithm>
#include <cwctype>

namespace ui {

namespace {

// Advance widths per 1000 em of U+0020..U+00FF (0 for the C1 controls), from the
// DejaVu Sans and DejaVu Sans Bold faces.
constexpr short kSans[224] = {
    318, 401, 460, 838, 636, 950, 780, 275, 390, 390, 500, 838, 318, 361, 318, 337,
    636, 636, 636, 636, 636, 636, 636, 636, 636, 636, 337, 337, 838, 838, 838, 531,
    1000, 684, 686, 698, 770, 632, 575, 775, 752, 295, 295, 656, 557, 863, 748, 787,
    603, 787, 695, 635, 611, 732, 684, 989, 685, 611, 685, 390, 337, 390, 838, 500,
    500, 613, 635, 550, 635, 615, 352, 635, 634, 278, 278, 579, 278, 974, 634, 612,
    635, 635, 411, 521, 392, 634, 592, 818, 592, 592, 525, 636, 337, 636, 838, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    318, 401, 636, 636, 636, 636, 337, 500, 500, 1000, 471, 612, 838, 361, 1000, 500,
    500, 838, 401, 401, 500, 636, 636, 318, 500, 401, 471, 612, 969, 969, 969, 531,
    684, 684, 684, 684, 684, 684, 974, 698, 632, 632, 632, 632, 295, 295, 295, 295,
    775, 748, 787, 787, 787, 787, 787, 838, 787, 732, 732, 732, 732, 611, 605, 630,
    613, 613, 613, 613, 613, 613, 982, 550, 615, 615, 615, 615, 278, 278, 278, 278,
    612, 634, 612, 612, 612, 612, 612, 838, 612, 634, 634, 634, 634, 592, 635, 592,
};

constexpr short kSansBold[224] = {
    348, 456, 521, 838, 696, 1002, 872, 306, 457, 457, 523, 838, 380, 415, 380, 365,
    696, 696, 696, 696, 696, 696, 696, 696, 696, 696, 400, 400, 838, 838, 838, 580,
    1000, 774, 762, 734, 830, 683, 683, 821, 837, 372, 372, 775, 637, 995, 837, 850,
    733, 850, 770, 720, 682, 812, 774, 1103, 771, 724, 725, 457, 365, 457, 838, 500,
    500, 675, 716, 593, 716, 678, 435, 716, 712, 343, 343, 665, 343, 1042, 712, 687,
    716, 716, 493, 595, 478, 712, 652, 924, 645, 652, 582, 712, 365, 712, 838, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    348, 456, 696, 696, 636, 696, 365, 500, 500, 1000, 564, 646, 838, 415, 1000, 500,
    500, 838, 438, 438, 500, 736, 636, 380, 500, 438, 564, 646, 1035, 1035, 1035, 580,
    774, 774, 774, 774, 774, 774, 1085, 734, 683, 683, 683, 683, 372, 372, 372, 372,
    838, 837, 850, 850, 850, 850, 850, 838, 850, 812, 812, 812, 812, 724, 738, 719,
    675, 675, 675, 675, 675, 675, 1048, 593, 678, 678, 678, 678, 343, 343, 343, 343,
    687, 712, 687, 687, 687, 687, 687, 838, 687, 712, 712, 712, 712, 652, 716, 652,
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
    static constexpr std::wstring_view kMono[] = {L"courier", L"lucida console", L"consolas",
                                                  L"fixedsys", L"terminal", L"mono"};
    for (auto name : kMono)
        if (containsNoCase(face, name))
            return FaceFamily::Mono;
    return FaceFamily::Sans;
}

int fixedAdvancePerMille(const Font& font, wchar_t ch) {
    if (ch == L'\t')
        return 4 * fixedAdvancePerMille(font, L' ');
    if (isZeroWidth(ch))
        return 0;
    if (isWide(ch))
        return 1000;
    if (faceFamily(font.face) == FaceFamily::Mono)
        return kMonoAdvance;
    const unsigned c = static_cast<unsigned>(ch);
    if (c >= 0x20 && c <= 0xFF)
        return (font.bold() ? kSansBold : kSans)[c - 0x20];
    // Other scripts and symbols: about the width of an average letter.
    return font.bold() ? 680 : 620;
}

FontMetrics fixedFontMetrics(const Font& font) {
    const int em = font.charHeight();
    FontMetrics m;
    m.ascent = (em * kAscentPerMille + 999) / 1000;
    m.descent = (em * kDescentPerMille + 999) / 1000;
    m.lineHeight = m.ascent + m.descent;
    long sum = 0;
    for (wchar_t c = L'a'; c <= L'z'; ++c)
        sum += fixedAdvancePerMille(font, c) + fixedAdvancePerMille(font, c - L'a' + L'A');
    m.avgCharWidth = std::max(1, scaled(sum / 52, em));
    return m;
}

Size fixedTextExtent(const Font& font, std::wstring_view text) {
    long sum = 0;
    for (wchar_t ch : text)
        sum += fixedAdvancePerMille(font, ch);
    return {scaled(sum, font.charHeight()), fixedFontMetrics(font).lineHeight};
}

} // namespace ui
