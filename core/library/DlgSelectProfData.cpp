#include "core/library/DlgSelectProfData.h"

#include "core/FileHelpers.h"
#include "core/Tvl_Settings.h"
#include "core/library/DlgEditLibData.h"
#include "core/library/LibraryListing.h"

#if TVL_UI_AVAILABLE
#include "platform/ui/controls/ComboBox.h"
#endif

namespace {
constexpr const wchar_t* kUserSections = L"User Sections\\";
}

Tvl_String tableOfProfile(const Tvl_StringArray& tables, const Tvl_String& profileName) {
    Tvl_String best;
    for (const Tvl_String& t : tables)
        if (profileName.startsWith(t + L"-", true) && t.length() > best.length())
            best = t;
    return best;
}

void FillCombo(ui::ComboBox& combo, const Tvl_String& profileName, Tvl_StringArray& fullNames) {
#if TVL_UI_AVAILABLE
    combo.resetContent();
    fullNames.clear();
    Tvl_StringArray shown;
    if (profileName.startsWith(kUserSections, true)) {
        DlgEditLibData files;
        files.GetAvailableFiles();
        for (const Tvl_String& d : files.userSectionNames) {
            fullNames.append(kUserSections + d);
            shown.append(removeExtension(d));
        }
    } else {
        DlgEditLibData files;
        files.GetAvailableFiles();
        const Tvl_String table = tableOfProfile(files.tableNames, profileName);
        Tvl_String shape;
        Tvl_StringArray columns;
        Tvl_Array<Tvl_StringArray> rows;
        if (!table.isEmpty() &&
            readValuesTable(gSettings.libDir() + L"prof\\" + table + L".pr", shape, columns, rows))
            for (const Tvl_StringArray& r : rows)
                if (r.length() >= 2 && r[1] == L"1") {
                    fullNames.append(table + L"-" + r[0]);
                    shown.append(table + L"-" + r[0]);
                }
    }
    int selected = -1;
    fullNames.find(profileName, selected, true);
    if (selected < 0 && !profileName.isEmpty()) {
        selected = fullNames.append(profileName);
        shown.append(profileName.startsWith(kUserSections, true)
                         ? removeExtension(getFileName(profileName))
                         : profileName);
    }
    for (const Tvl_String& s : shown)
        combo.addString(s.str());
    combo.setCurSel(selected);
#else
    (void)combo;
    (void)profileName;
    fullNames.clear();
#endif
}
