// Templates of the macro editor (8715) and its four pages: constraints (207), geometries
// (8135), variables (8099) and commands (216).

#include "kw/frame/ModuleResources.h"
#include "kw/macroedit/MacroEditIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macroedit;

constexpr unsigned kTab = ui::WS_TABSTOP;
constexpr unsigned kIconButton = ui::WS_TABSTOP | ui::BS_ICON;

ui::DialogTemplate page(int id, int width, int height) {
    ui::DialogTemplate t;
    t.id = id;
    t.caption = L"";
    t.style = ui::WS_CHILD | ui::WS_CLIPCHILDREN;
    t.rect = ui::dlu(0, 0, width, height);
    return t;
}

void addTemplates(ui::ResourceModule& module) {
    ui::DialogTemplate main;
    main.id = kDlgEditMacro;
    main.caption = L"Macro editeren";
    main.style =
        ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME | ui::WS_CLIPCHILDREN;
    main.rect = ui::dlu(0, 0, 224, 223);
    main.controls = {
        {kSelectMacro, L"Button", L"Kies", kTab, ui::dlu(3, 4, 64, 14)},
        {kModules, L"ComboBox", L"", kTab | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(70, 4, 81, 100)},
        {kAddModule, L"Button", L"", kIconButton, ui::dlu(153, 4, 16, 14)},
        {kRenameModule, L"Button", L"Hernoem", kTab, ui::dlu(170, 4, 35, 14)},
        {kRemoveModule, L"Button", L"", kIconButton, ui::dlu(207, 4, 16, 14)},
        {kTabs, L"SysTabControl32", L"", kTab | ui::TCS_TABS, ui::dlu(3, 22, 218, 181)},
        {kZoom, L"Button", L"", kIconButton, ui::dlu(3, 208, 18, 14)},
        {kSettings, L"Button", L"Instellingen...", kTab, ui::dlu(24, 208, 116, 14)},
        {ui::IDOK, L"Button", L"Sluiten", kTab | ui::BS_DEFPUSHBUTTON, ui::dlu(178, 208, 43, 14)},
    };
    module.addDialog(std::move(main));

    ui::DialogTemplate constraints = page(kPageConstraints, 212, 158);
    constraints.controls = {
        {kConstrGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(2, 2, 208, 72)},
        {kDetailGroup, L"Button", L"Regel", ui::BS_GROUPBOX, ui::dlu(2, 76, 208, 80)},
        {kNameLabel, L"Static", L"Naam", 0, ui::dlu(8, 90, 40, 8)},
        {kNameEdit, L"Edit", L"", kTab | ui::WS_BORDER, ui::dlu(50, 88, 70, 12)},
        {kValueLabel, L"Static", L"Waarde", 0, ui::dlu(126, 90, 30, 8)},
        {kValueEdit, L"Edit", L"", kTab | ui::WS_BORDER, ui::dlu(158, 88, 46, 12)},
        {kChoiceLabel, L"Static", L"Type", 0, ui::dlu(8, 106, 40, 8)},
        {kChoiceCombo, L"ComboBox", L"", kTab | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(50, 104, 70, 60)},
        {kOption1, L"Button", L"Variabel", kTab | ui::BS_AUTOCHECKBOX, ui::dlu(126, 104, 40, 10)},
        {kOption2, L"Button", L"Gestuurd", kTab | ui::BS_AUTOCHECKBOX, ui::dlu(168, 104, 40, 10)},
        {kPictures[0], L"Button", L"", kTab, ui::dlu(8, 120, 24, 24)},
        {kPictures[1], L"Button", L"", kTab, ui::dlu(34, 120, 24, 24)},
        {kPictures[2], L"Button", L"", kTab, ui::dlu(60, 120, 24, 24)},
        {kPictures[3], L"Button", L"", kTab, ui::dlu(86, 120, 24, 24)},
        {kPictures[4], L"Button", L"", kTab, ui::dlu(112, 120, 24, 24)},
        {kDeleteConstraint, L"Button", L"", kIconButton, ui::dlu(148, 128, 18, 14)},
        {kCut, L"Button", L"Bewerk", kTab, ui::dlu(170, 128, 34, 14)},
    };
    module.addDialog(std::move(constraints));

    ui::DialogTemplate geometries = page(kPageGeometries, 212, 158);
    geometries.controls = {
        {kGeomGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(2, 2, 208, 154)},
    };
    module.addDialog(std::move(geometries));

    ui::DialogTemplate variables = page(kPageVariables, 212, 158);
    variables.controls = {
        {kVarGroup, L"Button", L"Variabelen", ui::BS_GROUPBOX, ui::dlu(2, 2, 208, 68)},
        {kVarGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(8, 12, 178, 54)},
        {kAddVariable, L"Button", L"", kIconButton, ui::dlu(190, 12, 16, 14)},
        {kDeleteVariable, L"Button", L"", kIconButton, ui::dlu(190, 28, 16, 14)},
        {kDimGroup, L"Button", L"Maten", ui::BS_GROUPBOX, ui::dlu(2, 72, 208, 40)},
        {kDimGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(8, 82, 198, 26)},
        {kEquationGroup, L"Button", L"Vergelijkingen", ui::BS_GROUPBOX, ui::dlu(2, 114, 208, 42)},
        {kEquations, L"RichEdit20W", L"",
         kTab | ui::WS_BORDER | ui::ES_MULTILINE | ui::ES_WANTRETURN | ui::ES_AUTOVSCROLL |
             ui::WS_VSCROLL,
         ui::dlu(8, 124, 198, 28)},
    };
    module.addDialog(std::move(variables));

    ui::DialogTemplate commands = page(kPageCommands, 212, 158);
    for (int i = 0; i < kCommandButtons; ++i) {
        const int column = i % 5, row = i / 5;
        commands.controls.push_back({kFirstCommand + i, L"Button", L"", kTab,
                                     ui::dlu(2 + column * 42, 2 + row * 37, 40, 35)});
    }
    module.addDialog(std::move(commands));
}

const kw::ResourceRegistrar registrar(addTemplates);

} // namespace
