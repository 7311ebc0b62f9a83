#pragma once
// Per-cell appearance: font, colours, border, alignment, lock.

#include <cstdint>
#include <string>

namespace grid {

// 0x00BBGGRR as on the product's platform; values with the top bit set
// (0x800000nn) name system colour nn and are resolved by the grid control.
using Color = uint32_t;
// "Not set": the control's default colour applies.
constexpr Color kNoColor = 0xFFFFFFFFu;

struct Font {
    std::string name = "Tahoma";
    int height = 15;  // logical units (pixels)
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Sides bits as the product passes them.
enum BorderSide : uint8_t { kBorderLeft = 1, kBorderRight = 2, kBorderTop = 4, kBorderBottom = 8 };

struct Border {
    uint8_t sides = 0; // kBorder* bits; 0 = no border
    int lineStyle = 0; // the product's line style numbers (0..6, 11..15), docs/grid-options.md
    Color color = 0;   // line colour
    friend bool operator==(const Border&, const Border&) = default;
};

enum class HAlign : uint8_t { Default = 0, Left, Center, Right };
enum class VAlign : uint8_t { Default = 0, Top, Center, Bottom };

// Everything about a cell's look except its type. A default-constructed
// CellFormat means "nothing set".
struct CellFormat {
    bool hasFont = false;
    Font font;
    Color back = kNoColor;
    Color fore = kNoColor;
    Border border;
    HAlign hAlign = HAlign::Default;
    VAlign vAlign = VAlign::Default;
    // Locked cells cannot be edited by the user (the control enforces it).
    // Unset means the sheet default (not locked).
    int8_t locked = -1; // -1 unset, 0 unlocked, 1 locked
    friend bool operator==(const CellFormat&, const CellFormat&) = default;
    bool isDefault() const { return *this == CellFormat{}; }
};

} // namespace grid
