#include "platform/grid/engine/io/ExportStyle.h"

namespace grid {

Color resolveColor(Color color) {
    if (color == kNoColor || !(color & 0x80000000u))
        return color;
    // Default desktop colours by system colour index, as 0x00BBGGRR.
    static const Color kSystem[] = {
        0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
        0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
        0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
        0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0};
    uint32_t index = color & 0xFF;
    return index < sizeof kSystem / sizeof kSystem[0] ? kSystem[index] : 0x000000;
}

HAlign effectiveHAlign(const CellFormat& format, const CellType& type) {
    if (format.hAlign != HAlign::Default)
        return format.hAlign;
    if (type.style & kStyleHLeft)
        return HAlign::Left;
    if (type.style & kStyleHCenter)
        return HAlign::Center;
    if (type.style & kStyleHRight)
        return HAlign::Right;
    return HAlign::Default;
}

VAlign effectiveVAlign(const CellFormat& format, const CellType& type) {
    if (format.vAlign != VAlign::Default)
        return format.vAlign;
    if (type.style & kStyleVTop)
        return VAlign::Top;
    if (type.style & kStyleVCenter)
        return VAlign::Center;
    if (type.style & kStyleVBottom)
        return VAlign::Bottom;
    return VAlign::Default;
}

LineLook lineLook(int style) {
    switch (style) {
    case 0:
        return {LineKind::None, 0};
    case 1:
        return {LineKind::Solid, 1};
    case 2:
        return {LineKind::Dashed, 1};
    case 3:
        return {LineKind::Dotted, 1};
    case 4:
        return {LineKind::DashDot, 1};
    case 5:
        return {LineKind::DashDotDot, 1};
    case 6:
        return {LineKind::Solid, 1};
    case 11:
        return {LineKind::Solid, 2};
    case 12:
        return {LineKind::Dashed, 2};
    case 13:
        return {LineKind::DashDot, 2};
    case 14:
        return {LineKind::Double, 3};
    case 15:
        return {LineKind::Solid, 3};
    default:
        return {LineKind::Solid, 1};
    }
}

std::string numberFormatFor(const CellType& type) {
    std::string f;
    switch (type.code) {
    case CellTypeCode::Number:
    case CellTypeCode::Float:
        f = "0";
        if (type.decimals > 0)
            f += "." + std::string(static_cast<size_t>(type.decimals), '0');
        break;
    case CellTypeCode::Percent:
        f = "0";
        if (type.decimals > 0)
            f += "." + std::string(static_cast<size_t>(type.decimals), '0');
        f += "%";
        break;
    case CellTypeCode::Integer:
        f = "0";
        break;
    default:
        return {};
    }
    if (type.style & kStyleNegativeRed)
        f += ";[Red]-" + f;
    return f;
}

} // namespace grid
