#include "core/macroprof/DlgSelectProf.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "core/Tvl_Settings.h"
#include "core/library/DlgEditLibData.h"
#include "core/library/LibraryListing.h"

#if TVL_UI_AVAILABLE
#include "platform/ui/Dialog.h"
#include "platform/ui/controls/ComboBox.h"
#endif

namespace {

constexpr const wchar_t* kUserSections = L"User Sections\\";
constexpr int kTables = 1401;
constexpr int kSizes = 1402;

// Every choice of one table: the active sizes ("HEA-200"), or the user sections.
Tvl_StringArray choicesOf(const Tvl_String& table, const DlgEditLibData& files) {
    Tvl_StringArray choices;
    if (table == L"User Sections") {
        for (const Tvl_String& d : files.userSectionNames)
            choices.append(kUserSections + d);
        return choices;
    }
    Tvl_String shape;
    Tvl_StringArray columns;
    Tvl_Array<Tvl_StringArray> rows;
    if (readValuesTable(gSettings.libDir() + L"prof\\" + table + L".pr", shape, columns, rows))
        for (const Tvl_StringArray& r : rows)
            if (r.length() >= 2 && r[1] == L"1")
                choices.append(table + L"-" + r[0]);
    return choices;
}

#if TVL_UI_AVAILABLE
class SelectSectionDialog : public ui::Dialog {
public:
    SelectSectionDialog(DlgSelectProfData& data, bool withUser)
        : ui::Dialog(makeTemplate()), m_data(data), m_withUser(withUser) {}

protected:
    bool onInitDialog() override {
        setWindowText(dialString(1003).str());
        setDlgItemText(1403, dialString(770).str());
        setDlgItemText(1404, dialString(1003).str());
        setDlgItemText(ui::IDOK, dialString(1).str());
        setDlgItemText(ui::IDCANCEL, dialString(2).str());
        m_files.GetAvailableFiles();
        m_tables = m_files.tableNames;
        if (m_withUser && m_files.userSectionNames.length() > 0)
            m_tables.append(L"User Sections");
        auto* tables = combo(kTables);
        if (!tables)
            return true;
        for (const Tvl_String& t : m_tables)
            tables->addString(t.str());
        int index = -1;
        if (m_data.profileName.startsWith(kUserSections, true))
            m_tables.find(L"User Sections", index);
        else
            m_tables.find(tableOfProfile(m_tables, m_data.profileName), index);
        tables->setCurSel(index < 0 && m_tables.length() > 0 ? 0 : index);
        fillSizes();
        return true;
    }
    bool onCommand(int id, int code, ui::Window* from) override {
        if (from != nullptr && id == kTables && code == ui::CBN_SELCHANGE) {
            fillSizes();
            return true;
        }
        return ui::Dialog::onCommand(id, code, from);
    }
    void onOK() override {
        auto* sizes = combo(kSizes);
        const int s = sizes ? sizes->getCurSel() : -1;
        if (s < 0 || s >= m_choices.length())
            return; // nothing chosen: the dialog stays
        m_data.profileName = m_choices[s];
        ui::Dialog::onOK();
    }

private:
    static ui::DialogTemplate makeTemplate() {
        ui::DialogTemplate t;
        t.caption = L"Profiel kiezen";
        t.rect = ui::dlu(0, 0, 200, 62);
        t.controls = {
            {1403, L"Static", L"Tabel", 0, ui::dlu(6, 8, 50, 8)},
            {kTables, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
             ui::dlu(60, 6, 134, 120)},
            {1404, L"Static", L"Profiel", 0, ui::dlu(6, 26, 50, 8)},
            {kSizes, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
             ui::dlu(60, 24, 134, 120)},
            {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, ui::dlu(88, 44, 50, 14)},
            {ui::IDCANCEL, L"Button", L"Annuleren", 0, ui::dlu(144, 44, 50, 14)},
        };
        return t;
    }
    ui::ComboBox* combo(int id) const { return dynamic_cast<ui::ComboBox*>(getDlgItem(id)); }
    void fillSizes() {
        auto* tables = combo(kTables);
        auto* sizes = combo(kSizes);
        if (!tables || !sizes)
            return;
        const int t = tables->getCurSel();
        m_choices =
            t >= 0 && t < m_tables.length() ? choicesOf(m_tables[t], m_files) : Tvl_StringArray();
        sizes->resetContent();
        for (const Tvl_String& c : m_choices)
            sizes->addString(c.startsWith(kUserSections, true)
                                 ? removeExtension(getFileName(c)).str()
                                 : c.str());
        int selected = -1;
        m_choices.find(m_data.profileName, selected, true);
        sizes->setCurSel(selected < 0 && m_choices.length() > 0 ? 0 : selected);
    }

    DlgSelectProfData& m_data;
    bool m_withUser;
    DlgEditLibData m_files;
    Tvl_StringArray m_tables;
    Tvl_StringArray m_choices;
};
#endif

} // namespace

bool DlgSelectProf(DlgSelectProfData& data, bool withUserSections) {
#if TVL_UI_AVAILABLE
    DlgSelectProfData chosen = data;
    SelectSectionDialog dlg(chosen, withUserSections);
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = chosen;
    return true;
#else
    (void)data;
    (void)withUserSections;
    return false;
#endif
}

bool sectionKnown(const Tvl_String& section) {
    DlgEditLibData files;
    files.GetAvailableFiles();
    if (section.startsWith(kUserSections, true)) {
        int index = -1;
        return files.userSectionNames.find(
            section.getSubStringAt(Tvl_String(kUserSections).length()), index, true);
    }
    const Tvl_String table = tableOfProfile(files.tableNames, section);
    if (table.isEmpty())
        return false;
    int index = -1;
    return choicesOf(table, files).find(section, index, true);
}

Tvl_String withoutLibDir(const Tvl_String& section) {
    const Tvl_String& lib = gSettings.libDir();
    if (!lib.isEmpty() && section.startsWith(lib, true))
        return section.getSubStringAt(lib.length());
    return section;
}
