#include "kw/spreadsheet/format/BorderStyles.h"

#include <array>

namespace kw {

namespace {
constexpr std::array<int, kBorderPickerPositions> kStyles = {0, 1,  2,  3,  4,  5,
                                                             6, 11, 12, 13, 14, 15};
constexpr std::array<int, kBorderPickerPositions> kBitmaps = {158, 160, 162, 163, 164, 165,
                                                              166, 167, 168, 169, 170, 171};
constexpr std::array<const wchar_t*, kBorderPickerPositions> kTexts = {L"Geen",
                                                                       L"Dun",
                                                                       L"Streepjes",
                                                                       L"Puntjes",
                                                                       L"Streep-punt",
                                                                       L"Streep-punt-punt",
                                                                       L"Dun zwart",
                                                                       L"Middel",
                                                                       L"Middel streepjes",
                                                                       L"Middel streep-punt",
                                                                       L"Dubbel",
                                                                       L"Dik"};
} // namespace

int borderPickerBitmap(int position) {
    return position >= 0 && position < kBorderPickerPositions ? kBitmaps[position] : 0;
}

const wchar_t* borderPickerText(int position) {
    return position >= 0 && position < kBorderPickerPositions ? kTexts[position] : L"";
}

int borderPickerPosition(int lineStyle) {
    for (int i = 0; i < static_cast<int>(kStyles.size()); ++i)
        if (kStyles[i] == lineStyle)
            return i;
    return -1;
}

int borderLineStyle(int position, int keptStyle) {
    if (position < 0 || position >= static_cast<int>(kStyles.size()))
        return keptStyle;
    return kStyles[position];
}

} // namespace kw
