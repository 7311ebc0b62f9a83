#include "kw/macroedit/filters/FilterEntryList.h"

#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/filters/FilterPageHelpers.h"
#include "platform/ui/Dialog.h"

using kw::filters::readNumber;
using kw::filters::twoDecimals;

FilterEntryList::FilterEntryList(ui::Dialog& page, int comboId, int enabledId, int groupId)
    : m_page(page), m_comboId(comboId), m_enabledId(enabledId), m_groupId(groupId) {}

void FilterEntryList::bind(Tvl_StringArray* names, AcArray<int>* enabled) {
    m_names = names;
    m_enabled = enabled;
}

void FilterEntryList::addLimit(int editId, AcArray<double>* values) {
    m_limits.push_back({editId, values, {}});
}

void FilterEntryList::addControl(int id) {
    m_controls.push_back(id);
}

int FilterEntryList::count() const {
    return m_names ? m_names->length() : 0;
}

bool FilterEntryList::valid(int index) const {
    if (!m_names || !m_enabled || index < 0 || index >= m_names->length() ||
        index >= m_enabled->length())
        return false;
    for (const Limit& limit : m_limits)
        if (!limit.values || index >= limit.values->length())
            return false;
    return true;
}

void FilterEntryList::setUp() {
    if (!m_combo.isWindow())
        m_combo.SubclassDlgItem(m_comboId, &m_page);
    m_combo.resetContent();
    for (int i = 0; i < count(); ++i) {
        m_combo.addString((*m_names)[i].str());
        m_combo.SetCheck(i, i < m_enabled->length() && (*m_enabled)[i] != 0);
    }
    const bool any = count() > 0;
    for (int id : {m_comboId, m_enabledId, m_groupId})
        enableDlgItem(&m_page, id, any);
    m_current = -1;
    if (!any) {
        enableFields(false);
        return;
    }
    m_combo.setCurSel(0);
    show(0);
}

void FilterEntryList::show(int index) {
    if (!valid(index)) {
        m_current = -1;
        enableFields(false);
        return;
    }
    m_current = index;
    const bool on = (*m_enabled)[index] != 0;
    m_page.checkDlgButton(m_enabledId, on ? 1 : 0);
    for (Limit& limit : m_limits) {
        limit.shown = twoDecimals((*limit.values)[index]);
        m_page.setDlgItemText(limit.editId, limit.shown);
    }
    if (m_show)
        m_show(index);
    enableFields(on);
}

void FilterEntryList::store() {
    if (!valid(m_current) || !m_page.isWindow())
        return;
    (*m_enabled)[m_current] = m_page.isDlgButtonChecked(m_enabledId) == 1 ? 1 : 0;
    for (const Limit& limit : m_limits) {
        const std::wstring text = m_page.getDlgItemText(limit.editId);
        if (text != limit.shown)
            (*limit.values)[m_current] = readNumber(text);
    }
    if (m_store)
        m_store(m_current);
}

void FilterEntryList::enableFields(bool enable) {
    for (const Limit& limit : m_limits)
        enableDlgItem(&m_page, limit.editId, enable);
    for (int id : m_controls)
        enableDlgItem(&m_page, id, enable);
}

bool FilterEntryList::onCommand(int id, int code) {
    if (id == m_comboId && code == ui::CBN_SELCHANGE) {
        store();
        show(m_combo.getCurSel());
        return true;
    }
    if (id == m_enabledId && code == ui::BN_CLICKED) {
        store();
        if (valid(m_current)) {
            const bool on = (*m_enabled)[m_current] != 0;
            m_combo.SetCheck(m_current, on);
            enableFields(on);
        }
        return true;
    }
    return false;
}
