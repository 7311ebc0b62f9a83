// Templates of the macro settings pages: filters (8142), more filters (213), properties
// (8718), variables (214) and groups (215). Captions are the Dutch placeholders; the pages
// set their language texts.

#include "kw/frame/ModuleResources.h"
#include "kw/macroedit/filters/MacroFilterIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::filters;

constexpr unsigned kTab = ui::WS_TABSTOP;
constexpr unsigned kIconButton = ui::WS_TABSTOP | ui::BS_ICON;
constexpr unsigned kCheck = ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
constexpr unsigned kList = ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL;
constexpr unsigned kEditableList = ui::WS_TABSTOP | ui::CBS_DROPDOWN | ui::WS_VSCROLL;
constexpr unsigned kNumber = ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
constexpr unsigned kPicture = ui::WS_DISABLED;

ui::DialogTemplate page(int id) {
    ui::DialogTemplate t;
    t.id = id;
    t.caption = L"";
    t.style = ui::WS_CHILD | ui::WS_CLIPCHILDREN;
    t.rect = ui::dlu(0, 0, 236, 170);
    return t;
}

void addTemplates(ui::ResourceModule& module) {
    ui::DialogTemplate filter = page(kPageFilter);
    filter.controls = {
        {kFiltersOn, L"Button", L"Filters gebruiken", kCheck, ui::dlu(4, 2, 140, 10)},
        {kAxisGroup, L"Button", L"Hoek tussen assen", ui::BS_GROUPBOX, ui::dlu(2, 14, 232, 66)},
        {kAxisList, L"ComboBox", L"", kList, ui::dlu(8, 26, 100, 80)},
        {kAxisEnabled, L"Button", L"Actief", kCheck, ui::dlu(114, 27, 60, 10)},
        {kPictureAngle90, L"Button", L"", kPicture, ui::dlu(178, 24, 26, 26)},
        {kPictureAngle180, L"Button", L"", kPicture, ui::dlu(206, 24, 26, 26)},
        {kAxisMinLabel, L"Static", L"Minimum", 0, ui::dlu(8, 46, 40, 8)},
        {kAxisMin, L"Edit", L"", kNumber, ui::dlu(50, 44, 50, 12)},
        {kAxisMaxLabel, L"Static", L"Maximum", 0, ui::dlu(8, 62, 40, 8)},
        {kAxisMax, L"Edit", L"", kNumber, ui::dlu(50, 60, 50, 12)},
        {kAxisModeInside, L"Button", L"Tussen", kTab | ui::WS_GROUP | ui::BS_AUTORADIOBUTTON,
         ui::dlu(114, 46, 60, 10)},
        {kAxisModeOutside, L"Button", L"Buiten", ui::BS_AUTORADIOBUTTON, ui::dlu(114, 60, 60, 10)},
        {kSectionAngleGroup, L"Button", L"Hoek tussen profielen", ui::BS_GROUPBOX,
         ui::dlu(2, 82, 232, 86)},
        {kSectionAngleList, L"ComboBox", L"", kList | ui::WS_GROUP, ui::dlu(8, 94, 100, 80)},
        {kSectionAngleEnabled, L"Button", L"Actief", kCheck, ui::dlu(114, 95, 60, 10)},
        {kPictureSectionAngle, L"Button", L"", kPicture, ui::dlu(184, 110, 44, 44)},
        {kGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(8, 110, 150, 54)},
        {kAddPair, L"Button", L"", kIconButton, ui::dlu(162, 110, 16, 14)},
        {kDeletePair, L"Button", L"", kIconButton, ui::dlu(162, 126, 16, 14)},
    };
    module.addDialog(std::move(filter));

    ui::DialogTemplate filter2 = page(kPageFilter2);
    filter2.controls = {
        {kSecondFiltersOn, L"Button", L"Deze filters gebruiken", kCheck, ui::dlu(4, 2, 140, 10)},
        {kPathGroup, L"Button", L"Afstand langs pad", ui::BS_GROUPBOX, ui::dlu(2, 14, 232, 58)},
        {kPathList, L"ComboBox", L"", kList, ui::dlu(8, 26, 100, 80)},
        {kPathEnabled, L"Button", L"Actief", kCheck, ui::dlu(114, 27, 60, 10)},
        {kPicturePath, L"Button", L"", kPicture, ui::dlu(184, 24, 44, 44)},
        {kPathMinLabel, L"Static", L"Minimum", 0, ui::dlu(8, 44, 58, 8)},
        {kPathMin, L"Edit", L"", kNumber, ui::dlu(68, 42, 50, 12)},
        {kPathMaxLabel, L"Static", L"Maximum", 0, ui::dlu(8, 58, 58, 8)},
        {kPathMax, L"Edit", L"", kNumber, ui::dlu(68, 56, 50, 12)},
        {kSizeGroup, L"Button", L"Profielmaten", ui::BS_GROUPBOX, ui::dlu(2, 74, 232, 94)},
        {kSizeList, L"ComboBox", L"", kList, ui::dlu(8, 86, 100, 80)},
        {kSizeEnabled, L"Button", L"Actief", kCheck, ui::dlu(114, 87, 60, 10)},
        {kPictureSize, L"Button", L"", kPicture, ui::dlu(184, 104, 44, 44)},
        {kMinHeightLabel, L"Static", L"Minimale hoogte", 0, ui::dlu(8, 104, 58, 8)},
        {kMinHeight, L"Edit", L"", kNumber, ui::dlu(68, 102, 50, 12)},
        {kMaxHeightLabel, L"Static", L"Maximale hoogte", 0, ui::dlu(8, 118, 58, 8)},
        {kMaxHeight, L"Edit", L"", kNumber, ui::dlu(68, 116, 50, 12)},
        {kMinWidthLabel, L"Static", L"Minimale breedte", 0, ui::dlu(8, 132, 58, 8)},
        {kMinWidth, L"Edit", L"", kNumber, ui::dlu(68, 130, 50, 12)},
        {kMaxWidthLabel, L"Static", L"Maximale breedte", 0, ui::dlu(8, 146, 58, 8)},
        {kMaxWidth, L"Edit", L"", kNumber, ui::dlu(68, 144, 50, 12)},
    };
    module.addDialog(std::move(filter2));

    ui::DialogTemplate props = page(kPageProps);
    props.controls = {
        {kExplanation, L"Static", L"Eigenschappen", 0, ui::dlu(4, 2, 228, 10)},
        {kPropLabel, L"Static", L"Eigenschap", 0, ui::dlu(4, 18, 50, 8)},
        {kPropList, L"ComboBox", L"", kList, ui::dlu(56, 16, 130, 80)},
        {kValuesGroup, L"Button", L"Waarden", ui::BS_GROUPBOX, ui::dlu(2, 34, 232, 104)},
        {kGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(8, 46, 196, 86)},
        {kAddRow, L"Button", L"", kIconButton, ui::dlu(210, 46, 16, 14)},
        {kDeleteRow, L"Button", L"", kIconButton, ui::dlu(210, 62, 16, 14)},
        {kDesignLabel, L"Static", L"Dialoog", 0, ui::dlu(4, 146, 50, 8)},
        {kDesignList, L"ComboBox", L"", kEditableList, ui::dlu(56, 144, 130, 80)},
    };
    module.addDialog(std::move(props));

    ui::DialogTemplate variables = page(kPageVariables);
    variables.controls = {
        {kExplanation, L"Static", L"", 0, ui::dlu(4, 2, 228, 24)},
        {kLengthUnitLabel, L"Static", L"Lengte", 0, ui::dlu(4, 30, 60, 8)},
        {kLengthUnit, L"ComboBox", L"", kList, ui::dlu(66, 28, 90, 80)},
        {kAngleUnitLabel, L"Static", L"Hoek", 0, ui::dlu(4, 46, 60, 8)},
        {kAngleUnit, L"ComboBox", L"", kList, ui::dlu(66, 44, 90, 80)},
        {kDecimalsLabel, L"Static", L"Decimalen", 0, ui::dlu(4, 62, 60, 8)},
        {kDecimals, L"ComboBox", L"", kEditableList, ui::dlu(66, 60, 40, 80)},
        {kGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(4, 78, 206, 88)},
        {kAddRow, L"Button", L"", kIconButton, ui::dlu(214, 78, 16, 14)},
        {kDeleteRow, L"Button", L"", kIconButton, ui::dlu(214, 94, 16, 14)},
    };
    module.addDialog(std::move(variables));

    ui::DialogTemplate groups = page(kPageGroups);
    groups.controls = {
        {kNameExplanation, L"Static", L"", 0, ui::dlu(4, 2, 228, 26)},
        {kGroupName, L"Edit", L"", kTab | ui::WS_BORDER | ui::ES_AUTOHSCROLL,
         ui::dlu(4, 30, 228, 12)},
        {kDescriptionExplanation, L"Static", L"", 0, ui::dlu(4, 46, 228, 26)},
        {kGroupDescription, L"Edit", L"", kTab | ui::WS_BORDER | ui::ES_AUTOHSCROLL,
         ui::dlu(4, 74, 228, 12)},
        {kExplanation, L"Static", L"", 0, ui::dlu(4, 90, 228, 26)},
        {kPartsGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(4, 118, 228, 48)},
    };
    module.addDialog(std::move(groups));
}

const kw::ResourceRegistrar registrar(addTemplates);

} // namespace
