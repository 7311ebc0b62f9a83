#include "kw/fabrication/CDlgLevels.h"

#include "core/LanguageTexts.h"
#include "kw/fabrication/FabricationControls.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/ui/MessageBox.h"

using namespace kw::fabrication;

namespace {

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned edit = ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
    const unsigned listCombo = ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL;
    ui::DialogTemplate t;
    t.id = CDlgLevels::kTemplateId;
    t.caption = L"Peilen";
    t.rect = dlu(0, 0, 200, 140);
    t.controls = {
        {CDlgLevels::kLevelsId, L"ComboBox", L"", listCombo, dlu(7, 7, 146, 100)},
        {CDlgLevels::kAddId, L"Button", L"", ui::WS_TABSTOP, dlu(158, 6, 16, 14)},
        {CDlgLevels::kDeleteId, L"Button", L"", ui::WS_TABSTOP, dlu(177, 6, 16, 14)},
        {1081, L"Button", L"Peil", ui::BS_GROUPBOX, dlu(7, 26, 186, 88)},
        {1123, L"Static", L"Naam", 0, dlu(14, 42, 70, 8)},
        {CDlgLevels::kNameId, L"Edit", L"", edit, dlu(90, 40, 96, 12)},
        {1124, L"Static", L"Referentie", 0, dlu(14, 60, 70, 8)},
        {CDlgLevels::kReferenceId, L"ComboBox", L"", listCombo, dlu(90, 58, 96, 80)},
        {1227, L"Static", L"Hoogte", 0, dlu(14, 78, 70, 8)},
        {CDlgLevels::kHeightId, L"Edit", L"", edit, dlu(90, 76, 96, 12)},
        {1126, L"Static", L"Absolute hoogte", 0, dlu(14, 96, 70, 8)},
        {CDlgLevels::kAbsoluteId, L"Edit", L"", edit, dlu(90, 94, 96, 12)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON, dlu(87, 120, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, dlu(143, 120, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

constexpr int kAddIcon = 212;
constexpr int kDeleteIcon = 206;

} // namespace

CDlgLevels::CDlgLevels(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool CDlgLevels::onInitDialog() {
    setupIconButton(this, m_addButton, kAddId, kAddIcon, dialString(131));
    setupIconButton(this, m_deleteButton, kDeleteId, kDeleteIcon, dialString(134));
    setWindowText(dialString(1478).str());
    setDlgItemText(1081, dialString(760).str());
    setDlgItemText(1123, dialString(87).str());
    setDlgItemText(1124, dialString(1473).str());
    setDlgItemText(1227, dialString(593).str());
    setDlgItemText(1126, dialString(1474).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    fillLevels();
    if (showLevel(0))
        selectCombo(this, kLevelsId, 0);
    else
        clearShown();
    return true;
}

void CDlgLevels::fillLevels() {
    Tvl_StringArray names;
    m_data.getNames(names);
    fillCombo(this, kLevelsId, names);
}

bool CDlgLevels::showLevel(int index) {
    Tvl_String name, reference;
    double height = 0, absolute = 0;
    if (!m_data.getLevelData(index, name, reference, height, absolute))
        return false;
    Tvl_StringArray names, others;
    m_data.getNames(names);
    for (int i = 0; i < names.length(); ++i)
        if (i != index)
            others.append(names[i]);
    fillCombo(this, kReferenceId, others);
    setDlgItemText(kNameId, name.str());
    int at = -1;
    others.find(reference, at);
    selectCombo(this, kReferenceId, at);
    setDlgItemText(kHeightId, Tvl_String(height, 3).str());
    setDlgItemText(kAbsoluteId, Tvl_String(absolute, 3).str());
    m_shown = index;
    m_added = false;
    enableDlgItem(this, kReferenceId, m_added);
    enableDlgItem(this, kNameId, false);
    enableDlgItem(this, kAbsoluteId, false);
    enableDlgItem(this, kHeightId, true);
    return true;
}

// No level shown: the fields are empty and disabled, so nothing can be stored into a
// level they no longer belong to.
void CDlgLevels::clearShown() {
    m_shown = -1;
    m_added = false;
    if (ui::ComboBox* c = combo(this, kReferenceId))
        c->resetContent();
    for (int id : {kNameId, kHeightId, kAbsoluteId}) {
        setDlgItemText(id, L"");
        enableDlgItem(this, id, false);
    }
    enableDlgItem(this, kReferenceId, false);
}

void CDlgLevels::storeShown() {
    if (m_shown < 0)
        return;
    m_data.updateLevel(m_shown, itemNumber(this, kHeightId));
    if (m_added)
        m_data.updateLevel(m_shown, itemText(this, kReferenceId));
}

bool CDlgLevels::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr) {
        if (id == kLevelsId && code == ui::CBN_SELCHANGE) {
            storeShown();
            const int chosen = comboSelection(this, kLevelsId);
            if (!showLevel(chosen))
                clearShown();
            return true;
        }
        if (id == kAddId && code == ui::BN_CLICKED) {
            onAdd();
            return true;
        }
        if (id == kDeleteId && code == ui::BN_CLICKED) {
            onDelete();
            return true;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgLevels::onAdd() {
    storeShown();
    Tvl_String name;
    for (int asked = 1;; ++asked) {
        Tvl_DlgPromptString prompt(this);
        prompt.m_caption = dialString(87);
        prompt.m_prompt = dialString(1475);
        prompt.m_value = dialString(171);
        prompt.m_okLabel = dialString(1);
        prompt.m_cancelLabel = dialString(2);
        if (prompt.doModal() != ui::IDOK)
            return;
        name = prompt.m_value.trimmed();
        if (!m_data.isNameTaken(name))
            break;
        ui::messageBox(this, (dialString(857) + L".\n" + dialString(858) + L".").str(),
                       dialString(856).str(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
        // The last refusal gives up: a name in use is never added.
        if (asked >= kMaxNameRefusals)
            return;
    }
    int index = -1;
    if (!m_data.addLevel(name, index))
        return;
    fillLevels();
    selectCombo(this, kLevelsId, index);
    showLevel(index);
    m_added = true;
    enableDlgItem(this, kReferenceId, true);
}

void CDlgLevels::onDelete() {
    if (m_shown < 0 || !m_data.deleteLevel(m_shown))
        return;
    const int previous = m_shown - 1;
    clearShown();
    fillLevels();
    selectCombo(this, kLevelsId, previous);
    if (!showLevel(previous))
        clearShown();
}

void CDlgLevels::onOK() {
    storeShown();
    endDialog(ui::IDOK);
}
