#pragma once
// Cell types and their settings. The numeric codes are those the product reads
// back from "get a cell's type"; see docs/grid-options.md.

#include <cstdint>
#include <string>

namespace grid {

enum class CellTypeCode : int32_t {
    General = 0, // no type set: values shown as entered
    StaticText = 1,
    Edit = 2, // text, maximum length
    Button = 3,
    ComboBox = 4, // items joined with TAB; value = index, display = item
    CheckBox = 5, // value "1"/"0"
    Header = 6,   // header text type (style 140)
    Picture = 8,
    Integer = 10, // whole numbers; read as long by FROMTABLE
    Time = 12,    // read as long
    Float = 14,   // read as double
    Number = 15,  // decimals, min, max; read as double
    Percent = 16, // read as double
};

// Style flags combined into CellType::style (the product's values).
enum CellStyleFlags : uint32_t {
    kStyleMultiLine = 0x4,
    kStylePictureStretch = 0x2,
    kStylePictureKeepProportions = 0x4,
    kStyleComboEditable = 0x2,
    kStyleHLeft = 0x100000,
    kStyleHCenter = 0x200000,
    kStyleHRight = 0x400000,
    kStyleVTop = 0x10000,
    kStyleVCenter = 0x20000,
    kStyleVBottom = 0x40000,
    kStyleNegativeRed = 0x10000000,
    kStyleRotationMask = 0x7000000,
};

struct CellType {
    CellTypeCode code = CellTypeCode::General;
    uint32_t style = 0;
    // Edit: maximum characters (0 = unlimited).
    int maxLength = 0;
    // Number / Float / Percent: decimals and allowed range (min > max = no range).
    int decimals = 2;
    double minValue = 0;
    double maxValue = -1;
    // ComboBox: items joined with TAB. Button / StaticText: the caption.
    std::string items;
    std::string text;
    // Picture: file; CheckBox: pictures for checked / unchecked (resource ids or files).
    std::string picture;
    std::string pictureOn;
    std::string pictureOff;

    friend bool operator==(const CellType&, const CellType&) = default;

    static CellType edit(int maxLength, uint32_t style = 0) {
        CellType t;
        t.code = CellTypeCode::Edit;
        t.maxLength = maxLength;
        t.style = style;
        return t;
    }
    static CellType numberType(int decimals, double minValue, double maxValue, uint32_t style = 0) {
        CellType t;
        t.code = CellTypeCode::Number;
        t.decimals = decimals;
        t.minValue = minValue;
        t.maxValue = maxValue;
        t.style = style;
        return t;
    }
    static CellType comboBox(std::string tabItems, uint32_t style = 0) {
        CellType t;
        t.code = CellTypeCode::ComboBox;
        t.items = std::move(tabItems);
        t.style = style;
        return t;
    }
    static CellType checkBox(uint32_t style = 0) {
        CellType t;
        t.code = CellTypeCode::CheckBox;
        t.style = style;
        return t;
    }
    static CellType button(std::string caption) {
        CellType t;
        t.code = CellTypeCode::Button;
        t.text = std::move(caption);
        return t;
    }
    static CellType pictureType(std::string file, uint32_t style) {
        CellType t;
        t.code = CellTypeCode::Picture;
        t.picture = std::move(file);
        t.style = style;
        return t;
    }
    static CellType staticText(uint32_t style = 0) {
        CellType t;
        t.code = CellTypeCode::StaticText;
        t.style = style;
        return t;
    }
};

} // namespace grid
