#include "kw/macroedit/filters/CTabMacroGroups.h"

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/filters/FilterPageHelpers.h"
#include "kw/macroedit/filters/MacroFilterIds.h"

using namespace kw::filters;

namespace {

// Two lines of explanation and an example: "line 1\nline 2 Example: "example"".
std::wstring explanation(int line1, int line2, int example, bool blankBeforeExample) {
    return dialString(line1).str() + L"\n" + dialString(line2).str() +
           (blankBeforeExample ? L" " : L"\n") + string(10320).str() + L": \"" +
           dialString(example).str() + L"\"";
}

} // namespace

CTabMacroGroups::CTabMacroGroups(MacroGroupSettings* settings)
    : ui::Dialog(kPageGroups), m_settings(settings) {}

bool CTabMacroGroups::createPage(ui::Window* tabControl) {
    return create(kPageGroups, tabControl);
}

bool CTabMacroGroups::onInitDialog() {
    setDlgItemText(kNameExplanation, explanation(947, 948, 949, true));
    setDlgItemText(kDescriptionExplanation, explanation(950, 951, 952, false));
    setDlgItemText(kExplanation, explanation(953, 954, 955, false));
    const bool grid = attachGrid(m_grid, this, kPartsGrid);
    if (grid) {
        m_grid.setColCount(3);
        m_grid.setRowCount(0);
        Tvl_StringArray headers;
        for (int text : {944, 945, 946})
            headers.append(dialString(text));
        m_grid.setColHeaderTexts(headers);
        m_grid.setFitMode(1);
    }
    if (!m_settings) {
        for (int id : {kGroupName, kGroupDescription, kPartsGrid})
            enableDlgItem(this, id, false);
        return false;
    }
    setDlgItemText(kGroupName, m_settings->m_name.str());
    setDlgItemText(kGroupDescription, m_settings->m_description.str());
    if (grid) {
        const int rows = m_settings->m_parts.length();
        m_grid.setRowCount(rows);
        Tvl_StringArray positions;
        positions.append(dialString(956));
        for (int n = 1; n <= rows; ++n)
            positions.append(Tvl_String(std::to_wstring(n)));
        m_grid.setColumnComboBox(kColPosition, positions, false);
        for (int r = 1; r <= rows; ++r) {
            const int i = r - 1;
            m_grid.setData(kColPart, r, m_settings->m_parts[i].str());
            if (i < m_settings->m_partDescriptions.length())
                m_grid.setData(kColDescription, r, m_settings->m_partDescriptions[i].str());
            const int position =
                i < m_settings->m_positions.length() ? m_settings->m_positions[i] : 0;
            if (position >= 0 && position <= rows)
                m_grid.setValue(kColPosition, r, std::to_wstring(position));
            m_grid.setRowFont(r);
        }
        m_grid.applyFitMode();
    }
    return false;
}

void CTabMacroGroups::store() {
    if (!m_settings || !isWindow())
        return;
    m_settings->m_name = Tvl_String(getDlgItemText(kGroupName));
    m_settings->m_description = Tvl_String(getDlgItemText(kGroupDescription));
    if (!m_grid.isAttached())
        return;
    m_grid.endEdit(true);
    Tvl_StringArray parts, descriptions;
    AcArray<int> positions;
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        const int i = r - 1;
        parts.append(Tvl_String(m_grid.data(kColPart, r)));
        descriptions.append(Tvl_String(m_grid.data(kColDescription, r)));
        const Tvl_String shown(m_grid.value(kColPosition, r));
        // A position the list cannot show keeps the record's.
        positions.append(!shown.trimmed().isEmpty()             ? shown.toInt()
                         : i < m_settings->m_positions.length() ? m_settings->m_positions[i]
                                                                : 0);
    }
    m_settings->m_parts = parts;
    m_settings->m_partDescriptions = descriptions;
    m_settings->m_positions = positions;
}

void CTabMacroGroups::onDestroy() {
    if (!m_stored) {
        m_stored = true;
        store();
    }
    ui::Dialog::onDestroy();
}
