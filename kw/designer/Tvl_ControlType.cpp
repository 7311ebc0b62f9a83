#include "kw/designer/Tvl_ControlType.h"

#include "core/LanguageTexts.h"
#include "platform/ui/Messages.h"

namespace kw::designer {

namespace {

struct TypeInfo {
    int nameText;
    WindowKind kind;
    int contentsLabel;     // 0: empty
    const int* listLabels; // null: none; else texts joined with ";", ended by 0
};

constexpr int kList1403[] = {1403, 0};
constexpr int kList833[] = {833, 0};
constexpr int kList834[] = {834, 0};
constexpr int kList25[] = {1316, 1317, 1318, 1319, 0};
constexpr int kList26[] = {1316, 1317, 1320, 1319, 0};
constexpr int kList1342[] = {1342, 0};
constexpr int kList828[] = {828, 0};
constexpr int kList30[] = {705, 1430, 1431, 0};

constexpr WindowKind S = WindowKind::Static;
constexpr WindowKind B = WindowKind::Button;
constexpr WindowKind E = WindowKind::Edit;
constexpr WindowKind C = WindowKind::ComboBox;

constexpr TypeInfo kTypes[kNrTypes] = {
    {799, S, 827, kList1403}, // 0 static text
    {800, B, 827, kList1403}, // 1 group box
    {801, E, 828, nullptr},   // 2 edit
    {802, C, 828, kList833},  // 3 combo box
    {803, E, 829, nullptr},   // 4 bolt count 1
    {803, E, 829, nullptr},   // 5 bolt count 2
    {804, B, 829, nullptr},   // 6 pattern button
    {805, C, 0, nullptr},     // 7 bolt assembly
    {806, E, 0, nullptr},     // 8
    {807, E, 0, nullptr},     // 9
    {808, E, 0, nullptr},     // 10
    {809, E, 0, nullptr},     // 11
    {810, B, 0, nullptr},     // 12 bolt button
    {811, C, 830, nullptr},   // 13
    {812, B, 830, nullptr},   // 14
    {813, C, 830, nullptr},   // 15
    {814, C, 830, nullptr},   // 16
    {815, B, 830, nullptr},   // 17
    {816, E, 831, nullptr},   // 18
    {817, E, 831, nullptr},   // 19
    {818, E, 831, nullptr},   // 20
    {819, E, 831, nullptr},   // 21
    {820, E, 831, nullptr},   // 22
    {821, E, 831, kList834},  // 23 array entries
    {822, B, 831, nullptr},   // 24 array button
    {823, B, 827, kList25},   // 25 flexible dimension
    {1315, B, 827, kList26},  // 26 flexible dimension 2
    {1341, C, 0, kList1342},  // 27 block drawing
    {1404, C, 1406, nullptr}, // 28 cut
    {1405, B, 827, kList828}, // 29 check box
    {1428, B, 1429, kList30}, // 30 flexible button
};

const TypeInfo* info(int type) {
    return isValidType(type) ? &kTypes[type] : nullptr;
}

} // namespace

bool isValidType(int type) {
    return type >= 0 && type < kNrTypes;
}

WindowKind windowKind(int type) {
    const TypeInfo* t = info(type);
    return t ? t->kind : WindowKind::Static;
}

const wchar_t* windowClassName(WindowKind kind) {
    switch (kind) {
    case WindowKind::ScrollBar:
        return L"SCROLLBAR";
    case WindowKind::Static:
        return L"STATIC";
    case WindowKind::Button:
        return L"BUTTON";
    case WindowKind::Edit:
        return L"EDIT";
    case WindowKind::ListBox:
        return L"LISTBOX";
    case WindowKind::ComboBox:
        return L"COMBOBOX";
    }
    return L"STATIC";
}

unsigned windowStyle(int type) {
    using namespace ui;
    switch (windowKind(type)) {
    case WindowKind::Edit:
        return (type == tvlCtrlBoltCount1 || type == tvlCtrlBoltCount2)
                   ? (ES_MULTILINE | ES_AUTOVSCROLL)
                   : ES_AUTOHSCROLL;
    case WindowKind::ComboBox:
        return WS_VSCROLL | ((type == tvlCtrlCombo || type == tvlCtrlProfCombo2)
                                 ? (CBS_DROPDOWN | CBS_AUTOHSCROLL)
                                 : CBS_DROPDOWNLIST);
    case WindowKind::Button:
        if (type == tvlCtrlGroupBox)
            return BS_GROUPBOX;
        if (type == tvlCtrlCheck)
            return BS_AUTOCHECKBOX; // the value decides between 2 and 3 states
        if (type == tvlCtrlFlexButton)
            return BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | BS_VCENTER;
        return BS_PUSHBUTTON;
    default:
        return 0;
    }
}

unsigned windowExStyle(int type) {
    return windowKind(type) == WindowKind::Edit ? ui::WS_EX_CLIENTEDGE : 0u;
}

Tvl_String typeName(int type) {
    const TypeInfo* t = info(type);
    if (!t)
        return Tvl_String();
    Tvl_String name = dialString(t->nameText);
    if (type == tvlCtrlBoltCount1 || type == tvlCtrlBoltCount2)
        name = name + L" " + Tvl_String(type - 3) + L": " + string(2220);
    return name;
}

Tvl_String contentsLabel(int type) {
    const TypeInfo* t = info(type);
    return t && t->contentsLabel ? dialString(t->contentsLabel) : Tvl_String();
}

Tvl_String listLabel(int type) {
    const TypeInfo* t = info(type);
    if (!t || !t->listLabels)
        return Tvl_String();
    Tvl_String label;
    for (const int* n = t->listLabels; *n; ++n) {
        if (n != t->listLabels)
            label += L";";
        label += dialString(*n);
    }
    return label;
}

bool typeHasList(int type) {
    switch (type) {
    case 0:
    case 1:
    case 3:
    case 23:
    case 25:
    case 26:
    case 27:
    case 29:
    case 30:
        return true;
    default:
        return false;
    }
}

} // namespace kw::designer
