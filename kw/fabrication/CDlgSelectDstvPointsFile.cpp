#include "kw/fabrication/CDlgSelectDstvPointsFile.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "kw/fabrication/CDlgEditDstvPoints.h"
#include "kw/fabrication/FabricationControls.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/ui/MessageBox.h"

using namespace kw::fabrication;

namespace {

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    ui::DialogTemplate t;
    t.id = CDlgSelectDstvPointsFile::kTemplateId;
    t.caption = L"DSTV punten";
    t.rect = dlu(0, 0, 214, 72);
    t.controls = {
        {CDlgSelectDstvPointsFile::kGroupsId, L"ComboBox", L"",
         ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL, dlu(7, 8, 150, 100)},
        {CDlgSelectDstvPointsFile::kNewId, L"Button", L"+", ui::WS_TABSTOP, dlu(162, 7, 20, 14)},
        {CDlgSelectDstvPointsFile::kDeleteId, L"Button", L"-", ui::WS_TABSTOP, dlu(187, 7, 20, 14)},
        {CDlgSelectDstvPointsFile::kStandardId, L"Button", L"Standaard", ui::WS_TABSTOP,
         dlu(7, 28, 96, 14)},
        {CDlgSelectDstvPointsFile::kEditId, L"Button", L"Bewerken", ui::WS_TABSTOP,
         dlu(111, 28, 96, 14)},
        {ui::IDOK, L"Button", L"Sluiten", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
         dlu(101, 51, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Cancel", ui::WS_TABSTOP, dlu(157, 51, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgSelectDstvPointsFile::CDlgSelectDstvPointsFile(ui::Window* parent)
    : ui::Dialog(kTemplateId, parent) {}

bool CDlgSelectDstvPointsFile::onInitDialog() {
    setWindowText(dialString(863).str());
    setDlgItemText(kStandardId, dialString(861).str());
    setDlgItemText(kEditId, dialString(862).str());
    setDlgItemText(ui::IDOK, dialString(285).str());
    fill(0);
    return true;
}

void CDlgSelectDstvPointsFile::fill(int index) {
    ui::ComboBox* groups = combo(this, kGroupsId);
    if (groups == nullptr)
        return;
    Tvl_StringArray names;
    m_points.getAllDstvPointsFiles(names);
    groups->resetContent();
    for (int i = 0; i < names.length(); ++i)
        groups->addString(names[i].str());
    int standard = -1;
    const Tvl_String standardName = removeExtension(m_points.getStandardDstvPointsFile());
    if (!standardName.isEmpty() && names.find(standardName, standard))
        groups->setItemCheck(standard, true);
    groups->setCurSel(std::min(index, names.length() - 1));
}

bool CDlgSelectDstvPointsFile::selectedName(Tvl_String& name, int& index) const {
    ui::ComboBox* groups = combo(const_cast<CDlgSelectDstvPointsFile*>(this), kGroupsId);
    if (groups == nullptr || groups->getCurSel() < 0)
        return false;
    index = groups->getCurSel();
    name = Tvl_String(groups->getLBText(index));
    return !name.isEmpty();
}

bool CDlgSelectDstvPointsFile::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kNewId:
            onNew();
            return true;
        case kDeleteId:
            onDelete();
            return true;
        case kStandardId:
            onStandard();
            return true;
        case kEditId:
            onEdit();
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgSelectDstvPointsFile::warn(const Tvl_String& text, int captionText) {
    ui::messageBox(this, text.str(), dialString(captionText).str(),
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CDlgSelectDstvPointsFile::onNew() {
    Tvl_DlgPromptString prompt(this);
    prompt.m_caption = dialString(87);
    prompt.m_prompt = dialString(864);
    prompt.m_value = dialString(171);
    prompt.m_okLabel = dialString(1);
    prompt.m_cancelLabel = dialString(2);
    if (prompt.doModal() != ui::IDOK)
        return;
    const Tvl_String name = prompt.m_value.trimmed();
    if (!DlgDstvPoints::isValidGroupName(name)) {
        warn(L"\"" + name +
                 L"\" cannot be the name of a group: it may not hold any of the "
                 L"characters \\ / : * ? \" < > |.",
             856);
        return;
    }
    Tvl_StringArray names;
    m_points.getAllDstvPointsFiles(names);
    // Compared without regard to case, so that a new empty group never replaces the file
    // of another on a file system that ignores case.
    if (names.contains(name, true)) {
        warn(dialString(857) + L".\n" + dialString(858) + L".", 856);
        return;
    }
    int index = 0;
    Tvl_String ignored;
    selectedName(ignored, index);
    const Tvl_String folder = m_points.getDstvPointsFolder();
    ObjectExportCreateDirectory(folder);
    if (!ObjectExportWriteFile(folder + name + L".dat", Tvl_StringArray()))
        warn(L"The group file " + folder + name + L".dat cannot be written.", 863);
    fill(index);
}

void CDlgSelectDstvPointsFile::onDelete() {
    Tvl_String name;
    int index = 0;
    if (!selectedName(name, index))
        return;
    deleteFile(m_points.getDstvPointsFolder() + name + L".dat");
    // After the last entry the one before it is selected.
    fill(index);
}

void CDlgSelectDstvPointsFile::onStandard() {
    Tvl_String name;
    int index = 0;
    if (!selectedName(name, index))
        return;
    m_points.setStandardDstvPointsFile(name);
    fill(index);
}

void CDlgSelectDstvPointsFile::onEdit() {
    Tvl_String name;
    int index = 0;
    if (!selectedName(name, index))
        return;
    Tvl_Array<Tvl_DstvPointInfo> points;
    // A group that cannot be read is not opened: saving the editor's empty list would
    // destroy its file.
    if (!m_points.readFromFile(name, points)) {
        warn(L"The group \"" + name + L"\" was not opened: " + m_points.lastError() + L".", 863);
        return;
    }
    CDlgEditDstvPoints editor(this);
    editor.m_points = points;
    if (editor.doModal() != ui::IDOK)
        return;
    if (!m_points.writeToFile(name, editor.m_points))
        warn(L"The group \"" + name + L"\" was not saved: " + m_points.lastError() + L".", 863);
}
