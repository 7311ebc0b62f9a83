#pragma once
// Tvl_DesignerControl: one control placed on a dialog design. Its edges are factors of
// the picture's size (X of the width, Y of the height). docs/file-formats-product.md
// describes how it is stored.

#include "core/Tvl_PropertiesList.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/designer/Tvl_ControlType.h"
#include "kw/frame/KwExport.h"

namespace ui {
class Window;
class ComboBox;
class Button;
class Edit;
} // namespace ui

class KW_EXPORT Tvl_DesignerControl {
public:
    Tvl_DesignerControl() = default;
    Tvl_DesignerControl(const Tvl_DesignerControl&) = default;
    Tvl_DesignerControl& operator=(const Tvl_DesignerControl&) = default;
    virtual ~Tvl_DesignerControl() = default;

    // The seven stored keys of control `index` ("type0", "topLeftX0", ...). Missing keys
    // leave the defaults. False when the stored list could not be split whole.
    bool getFromPropList(const Tvl_PropertiesList& list, const int& index);
    void setToPropList(Tvl_PropertiesList& list, const int& index) const;

    // The stored list: "flexGroup;flexField2;flexField3" (type 30),
    // "extField1;..;extField4;comboList" (types 25, 26), comboList (others).
    Tvl_String getMergedExtComboList() const;
    // Clears the type's fields, then splits at ";" part by part; false at the first
    // missing separator (later fields stay empty).
    bool setSplitExtComboList(const Tvl_String& list);

    // The lines of the file named by comboList (when it is set and exists).
    bool getComboItemsFromFile(Tvl_StringArray& items) const;

    // The drawn window of this control on `dialog` (by its window id).
    bool getCtrlPtr(ui::Window* dialog, ui::Window*& window) const;
    ui::ComboBox* getComboPtr(ui::Window* dialog) const; // types 3, 13, 15, 16
    ui::Button* getButtonPtr(ui::Window* dialog) const;  // BUTTON types
    ui::Edit* getEditPtr(ui::Window* dialog) const;      // EDIT types

    bool operator==(const Tvl_DesignerControl&) const = default;

    int type = 0;
    bool inactive = false;
    int resourceId = 0;
    int tabOrder = 0;
    double topLeftX = 0.0;
    double topLeftY = 0.0;
    double bottomRightX = 0.0;
    double bottomRightY = 0.0;
    Tvl_String contents;
    Tvl_String comboList;
    Tvl_String flexGroup;
    Tvl_String flexField2;
    Tvl_String flexField3;
    Tvl_String extField1;
    Tvl_String extField2;
    Tvl_String extField3;
    Tvl_String extField4;
    Tvl_StringArray comboItems;
};
