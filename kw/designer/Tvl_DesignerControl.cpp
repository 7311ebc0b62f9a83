#include "kw/designer/Tvl_DesignerControl.h"

#include "core/FileHelpers.h"
#include "core/StringHelpers.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/ui/Window.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"

using kw::designer::WindowKind;

namespace {

Tvl_String key(const wchar_t* word, int index) {
    return append(Tvl_String(word), index);
}

} // namespace

bool Tvl_DesignerControl::getFromPropList(const Tvl_PropertiesList& list, const int& index) {
    list.getProperty(key(L"type", index), type);
    list.getProperty(key(L"topLeftX", index), topLeftX);
    list.getProperty(key(L"topLeftY", index), topLeftY);
    list.getProperty(key(L"bottomRightX", index), bottomRightX);
    list.getProperty(key(L"bottomRightY", index), bottomRightY);
    list.getProperty(key(L"contents", index), contents);
    Tvl_String stored;
    list.getProperty(key(L"comboList", index), stored);
    return setSplitExtComboList(stored);
}

void Tvl_DesignerControl::setToPropList(Tvl_PropertiesList& list, const int& index) const {
    list.setProperty(key(L"type", index), type);
    list.setProperty(key(L"topLeftX", index), topLeftX);
    list.setProperty(key(L"topLeftY", index), topLeftY);
    list.setProperty(key(L"bottomRightX", index), bottomRightX);
    list.setProperty(key(L"bottomRightY", index), bottomRightY);
    list.setProperty(key(L"contents", index), contents);
    list.setProperty(key(L"comboList", index), getMergedExtComboList());
}

Tvl_String Tvl_DesignerControl::getMergedExtComboList() const {
    if (type == tvlCtrlFlexButton)
        return flexGroup + L";" + flexField2 + L";" + flexField3;
    if (type == tvlCtrlFlexDim || type == tvlCtrlFlexDim2)
        return extField1 + L";" + extField2 + L";" + extField3 + L";" + extField4 + L";" +
               comboList;
    return comboList;
}

bool Tvl_DesignerControl::setSplitExtComboList(const Tvl_String& list) {
    if (type == tvlCtrlFlexButton) {
        flexGroup.clear();
        flexField2.clear();
        flexField3.clear();
        Tvl_String rest;
        if (!splitStringAtSymbol(list, L';', flexGroup, rest))
            return false;
        Tvl_String last;
        if (!splitStringAtSymbol(rest, L';', flexField2, last))
            return false;
        flexField3 = last;
        return true;
    }
    if (type == tvlCtrlFlexDim || type == tvlCtrlFlexDim2) {
        extField1.clear();
        extField2.clear();
        extField3.clear();
        extField4.clear();
        comboList.clear();
        Tvl_String* fields[] = {&extField1, &extField2, &extField3, &extField4};
        Tvl_String rest = list;
        for (Tvl_String* field : fields) {
            Tvl_String tail;
            // Without a separator the rest still lands in this field, nothing is lost.
            if (!splitStringAtSymbol(rest, L';', *field, tail))
                return false;
            rest = tail;
        }
        comboList = rest;
        return true;
    }
    comboList = list;
    return true;
}

bool Tvl_DesignerControl::getComboItemsFromFile(Tvl_StringArray& items) const {
    if (comboList.isEmpty() || !base::pathExists(base::toNative(comboList.str())))
        return false;
    return ObjectExportReadFile(comboList, items);
}

bool Tvl_DesignerControl::getCtrlPtr(ui::Window* dialog, ui::Window*& window) const {
    window = nullptr;
    if (!dialog || resourceId == 0)
        return false;
    window = dialog->getDlgItem(resourceId);
    return window != nullptr;
}

ui::ComboBox* Tvl_DesignerControl::getComboPtr(ui::Window* dialog) const {
    if (type != tvlCtrlCombo && type != tvlCtrlProfGroup && type != tvlCtrlProfCombo1 &&
        type != tvlCtrlProfCombo2)
        return nullptr;
    ui::Window* w = nullptr;
    return getCtrlPtr(dialog, w) ? dynamic_cast<ui::ComboBox*>(w) : nullptr;
}

ui::Button* Tvl_DesignerControl::getButtonPtr(ui::Window* dialog) const {
    if (kw::designer::windowKind(type) != WindowKind::Button)
        return nullptr;
    ui::Window* w = nullptr;
    return getCtrlPtr(dialog, w) ? dynamic_cast<ui::Button*>(w) : nullptr;
}

ui::Edit* Tvl_DesignerControl::getEditPtr(ui::Window* dialog) const {
    if (kw::designer::windowKind(type) != WindowKind::Edit)
        return nullptr;
    ui::Window* w = nullptr;
    return getCtrlPtr(dialog, w) ? dynamic_cast<ui::Edit*>(w) : nullptr;
}
