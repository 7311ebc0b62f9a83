#include "kw/macro/CDlgMacroCuts.h"

#include "core/LanguageTexts.h"
#include "core/StringHelpers.h"
#include "core/Tvl_Settings.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/macro/MacroCutsIds.h"
#include "platform/grid/control/GridMessages.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro::cuts;

namespace {

constexpr const wchar_t* kPlacement = L"DLG_MACRO_CUTS";
constexpr int kSideIds[3] = {kCutFirst, kCutSecond, kCutBoth};
constexpr int kOptionIds[3] = {kWebOnly, kFlanges, kRoundCorners};
constexpr const wchar_t* kPictures[MacroCutDefinition::kKindCount] = {
    L"CutProfvsPlate.bmp",         L"CutProfvsProf.bmp", L"CutProfinProf.bmp",
    L"CutProfvsProf3Segments.bmp", L"CutChamfer.bmp",    L"CutFillet.bmp"};
constexpr int kKindTexts[MacroCutDefinition::kKindCount] = {1084, 1085, 1086, 1087, 1088, 1089};
constexpr int kFinishTexts[4] = {1395, 1396, 1397, 1398};

bool checked(const ui::Window* dlg, int id) {
    return dlg->isDlgButtonChecked(id) == ui::BST_CHECKED;
}

} // namespace

CDlgMacroCuts::CDlgMacroCuts(ui::Window* parent) : CAcUiTabMainDialog(kDlgCuts, parent) {}

Tvl_StringArray CDlgMacroCuts::kindPictures() {
    Tvl_StringArray files;
    for (const wchar_t* name : kPictures)
        files.append(gSettings.tvlDir() + L"icons\\" + name);
    return files;
}

bool CDlgMacroCuts::onInitDialog() {
    const auto text = [this](int id, int number) { setDlgItemText(id, dialString(number).str()); };
    m_gridMade = m_grid.attach(this, kVariables, true);
    if (m_gridMade) {
        m_grid.setColCount(3);
        Tvl_StringArray headers;
        headers.append(dialString(1078));
        headers.append(dialString(881));
        headers.append(dialString(87));
        m_grid.setColHeaderTexts(headers);
        m_grid.setFitMode(1);
    }
    setWindowText(dialString(m_data.m_edit ? 1079 : 1080).str());
    text(kNameLabel, 1083);
    text(kSelectMacros, 1082);
    text(kUseValue, 710);
    text(kUseVariable, 711);
    text(kClearanceLabel, 1081);
    text(kCutFirst, kTextCutFirst);
    text(kCutSecond, kTextCutSecond);
    text(kCutBoth, kTextCutBoth);
    text(kFinishLabel, kTextFinish);
    text(kWebOnly, kTextWebOnly);
    text(kFlanges, kTextFlanges);
    text(kRoundCorners, kTextRoundCorners);
    text(ui::IDOK, 1);
    text(ui::IDCANCEL, 2);

    if (m_kind.SubclassDlgItem(kKind, this)) {
        Tvl_StringArray texts;
        for (int number : kKindTexts)
            texts.append(dialString(number));
        m_kind.AddAllImages(kindPictures(), texts);
    }
    if (auto* finish = dynamic_cast<ui::ComboBox*>(getDlgItem(kFinish)))
        for (int number : kFinishTexts)
            finish->addString(dialString(number).str());
    if (auto* names = dynamic_cast<ui::ComboBox*>(getDlgItem(kName)))
        for (const Tvl_String& name : DlgMacroCutsData::cutNames(m_data.m_object))
            names->addString(name.str());
    showRecord();
    restoreWindowPlacement(this, kPlacement, true);
    return true;
}

void CDlgMacroCuts::onDestroy() {
    saveWindowPlacement(this, kPlacement);
    CAcUiTabMainDialog::onDestroy();
}

bool CDlgMacroCuts::preTranslateMessage(ui::Message& msg) {
    // Only a real press of the Escape key counts as leaving with Escape; other messages
    // that happen to carry the number 27 do not.
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == static_cast<ui::WPARAM>(ui::VK_ESCAPE) &&
        msg.target != nullptr && (msg.target == this || isChild(msg.target))) {
        if (m_gridMade && m_grid.isEditing())
            return CAcUiTabMainDialog::preTranslateMessage(msg); // the cell edit is dropped
        m_escape = true;
        onCancel();
        return true;
    }
    return CAcUiTabMainDialog::preTranslateMessage(msg);
}

void CDlgMacroCuts::showRecord() {
    m_showing = true;
    const MacroCutDefinition& cut = m_data.m_cut;
    m_kind.setCurSel(cut.m_kind);
    setDlgItemText(kName, cut.m_name.str());
    setDlgItemText(kMacrosShown, cut.m_macros.namesText().str());
    checkDlgButton(kUseValue, cut.m_clearanceIsVariable ? ui::BST_UNCHECKED : ui::BST_CHECKED);
    checkDlgButton(kUseVariable, cut.m_clearanceIsVariable ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(kClearance, cut.m_clearance.str());
    for (int i = 0; i < 3; ++i)
        checkDlgButton(kSideIds[i], cut.m_side == i ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(kDistance, cut.m_distance.str());
    if (auto* finish = dynamic_cast<ui::ComboBox*>(getDlgItem(kFinish)))
        finish->setCurSel(cut.m_finish);
    for (int i = 0; i < 3; ++i)
        checkDlgButton(kOptionIds[i], cut.m_options[i] ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    showVariables();
    enableControls();
    m_showing = false;
}

void CDlgMacroCuts::showVariables() {
    if (!m_gridMade)
        return;
    const MacroCutDefinition& cut = m_data.m_cut;
    // One empty row at the end takes a variable of the user's own.
    const int rows = cut.m_varNames.length() + 1;
    m_grid.setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        Tvl_StringArray texts;
        if (r < cut.m_varNames.length()) {
            texts.append(cutVariableDisplayName(cut.m_varNames[r]));
            texts.append(cut.m_varNames[r]);
            texts.append(r < cut.m_varValues.length() ? cut.m_varValues[r] : Tvl_String());
        } else {
            texts = Tvl_StringArray{L"", L"", L""};
        }
        m_grid.setRowTexts(r + 1, texts);
    }
    m_grid.sheet().setLocked(grid::CellRange{kColDescription, 1, kColDescription, rows}, true);
}

void CDlgMacroCuts::enableControls() {
    const bool kind1 = m_kind.getCurSel() == MacroCutDefinition::kProfVsProf;
    const bool web = checked(this, kWebOnly), flanges = checked(this, kFlanges);
    // For a profile against a profile, cutting the web only and cutting the flanges
    // exclude each other.
    enableDlgItem(this, kWebOnly, !(kind1 && flanges));
    enableDlgItem(this, kFlanges, !(kind1 && web));
    enableDlgItem(this, kRoundCorners, flanges && !web);
    enableDlgItem(this, kDistance, checked(this, kCutBoth));
}

void CDlgMacroCuts::refuse(const Tvl_String& text) {
    messageBox(text.str(), dialString(1098).str(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CDlgMacroCuts::readVariables() {
    if (!m_gridMade)
        return;
    if (m_grid.isEditing())
        m_grid.endEdit(true);
    MacroCutDefinition& cut = m_data.m_cut;
    cut.m_varNames.clear();
    cut.m_varValues.clear();
    cut.m_varFlags.clear();
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        const Tvl_String name = Tvl_String(m_grid.data(kColVariable, r)).trimmed();
        const Tvl_String value = Tvl_String(m_grid.data(kColValue, r)).trimmed();
        if (name.isEmpty() && value.isEmpty())
            continue;
        double number = 0;
        cut.m_varNames.append(name);
        cut.m_varValues.append(value);
        // A value that is no number names a variable of the macro.
        cut.m_varFlags.append(value.toDouble(number) ? MacroCutDefinition::kValueNumber
                                                     : MacroCutDefinition::kValueVariable);
    }
}

bool CDlgMacroCuts::readControls() {
    DlgMacroCutsData next = m_data;
    MacroCutDefinition& cut = next.m_cut;
    cut.m_name = Tvl_String(getDlgItemText(kName)).trimmed();
    if (m_kind.getCurSel() >= 0)
        cut.m_kind = m_kind.getCurSel();
    cut.m_clearanceIsVariable = checked(this, kUseVariable);
    cut.m_clearance = Tvl_String(getDlgItemText(kClearance)).trimmed();
    for (int i = 0; i < 3; ++i)
        if (checked(this, kSideIds[i]))
            cut.m_side = i;
    cut.m_distance = Tvl_String(getDlgItemText(kDistance)).trimmed();
    if (auto* finish = dynamic_cast<ui::ComboBox*>(getDlgItem(kFinish)))
        if (finish->getCurSel() >= 0)
            cut.m_finish = finish->getCurSel();
    for (int i = 0; i < 3; ++i)
        cut.m_options[i] = checked(this, kOptionIds[i]);
    double number = 0;
    const auto notANumber = [&](const Tvl_String& typed) {
        return !typed.isEmpty() && !typed.toDouble(number);
    };
    if (!cut.m_clearanceIsVariable && notANumber(cut.m_clearance)) {
        refuse(dialString(kTextNotANumber) + L" \"" + cut.m_clearance + L"\"");
        return false;
    }
    if (cut.m_side == MacroCutDefinition::kCutBoth && notANumber(cut.m_distance)) {
        refuse(dialString(kTextNotANumber) + L" \"" + cut.m_distance + L"\"");
        return false;
    }
    m_data = next;
    readVariables();
    return true;
}

void CDlgMacroCuts::kindChosen() {
    const int kind = m_kind.getCurSel();
    MacroCutDefinition& cut = m_data.m_cut;
    if (kind < 0 || kind == cut.m_kind)
        return;
    Tvl_StringArray names, values;
    Tvl_Array<int> flags;
    if (!DlgMacroCutsData::GetDefaultValues(kind, names, values, flags))
        return;
    cut.m_kind = kind;
    cut.m_varNames = names;
    cut.m_varValues = values;
    cut.m_varFlags = flags;
    showVariables();
    enableControls();
}

void CDlgMacroCuts::selectMacros() {
    BeginEditorCommand();
    showWindow(ui::SW_HIDE);
    if (m_data.m_cut.m_macros.UserSelectMacro())
        setDlgItemText(kMacrosShown, m_data.m_cut.m_macros.namesText().str());
    showWindow(ui::SW_SHOW);
    CompleteEditorCommand();
}

bool CDlgMacroCuts::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr || m_showing)
        return CAcUiTabMainDialog::onCommand(id, code, from);
    switch (id) {
    case kKind:
        if (code == ui::CBN_SELCHANGE)
            kindChosen();
        return true;
    case kSelectMacros:
        if (code == ui::BN_CLICKED)
            selectMacros();
        return true;
    case kWebOnly:
    case kFlanges:
    case kCutFirst:
    case kCutSecond:
    case kCutBoth:
        if (code == ui::BN_CLICKED)
            enableControls();
        return true;
    default:
        return CAcUiTabMainDialog::onCommand(id, code, from);
    }
}

void CDlgMacroCuts::onOK() {
    if (Tvl_String(getDlgItemText(kName)).trimmed().isEmpty()) {
        messageBox(dialString(1090).str(), dialString(1091).str(),
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    if (!readControls())
        return;
    // A new cut may not take a name in use either: only an edited cut may keep its own.
    bool inUse = false;
    const Tvl_String former =
        m_data.m_mode == DlgMacroCutsData::kModeEdit ? m_data.m_formerName : Tvl_String();
    if (DlgMacroCutsData::CutNameInUse(m_data.m_object, m_data.m_cut.m_name, former, inUse) &&
        inUse) {
        messageBox((dialString(1092) + L"\n" + dialString(1093)).str(), dialString(1094).str(),
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    if (!m_data.AreVarNamesValid()) {
        messageBox((dialString(1095) + L"\n" + dialString(1096) + L" " + dialString(1097) +
                    L" \"gen_\".\n")
                       .str(),
                   dialString(1098).str(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
        showVariables();
        return;
    }
    CAcUiTabMainDialog::onOK();
}
