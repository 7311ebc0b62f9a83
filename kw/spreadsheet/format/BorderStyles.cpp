#include "kw/spreadsheet/format/BorderStyles.h"

#include <array>

namespace kw {

namespace {
constexpr std::array<int, 12> kStyles = {0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15};
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
