#pragma once
// FilterEntryList: one list of filter entries on a macro settings page. A check combo
// lists the entries with their enabled state as check mark; selecting an entry stores the
// fields into the entry shown so far and then shows the new one; the enabled check box
// stores the fields, sets the entry's check mark and enables or disables the entry's
// other fields. An empty list (or none at all) disables the combo, the check box, the
// group box and the fields.
//
// Limits are shown with two decimals; a limit is written back only when its text was
// changed, so a value finer than two decimals survives a store that did not touch it.

#include "core/Tvl_StringArray.h"
#include "core/macrosettings/CCheckComboBox.h"
#include "platform/host/AcArray.h"

#include <functional>
#include <string>
#include <vector>

namespace ui {
class Dialog;
}

class FilterEntryList {
public:
    FilterEntryList(ui::Dialog& page, int comboId, int enabledId, int groupId);

    // The record's lists; null names: the page has no record, the list stays empty.
    void bind(Tvl_StringArray* names, AcArray<int>* enabled);
    // A limit edit showing one value of `values` per entry.
    void addLimit(int editId, AcArray<double>* values);
    // Another control of an entry, enabled and disabled with it.
    void addControl(int id);
    // What the limits do not cover: shown after the limits and stored with them; called
    // only for an index within the list.
    std::function<void(int index)> m_show;
    std::function<void(int index)> m_store;

    // Fills the combo, selects entry 0 and shows it (on page set-up).
    void setUp();
    // The combo's selection change and the enabled check box; true when handled.
    bool onCommand(int id, int code);
    // The shown entry's fields into the record (nothing when none is shown).
    void store();

    int current() const { return m_current; }
    int count() const;
    CCheckComboBox& combo() { return m_combo; }

private:
    struct Limit {
        int editId;
        AcArray<double>* values;
        std::wstring shown; // the text the edit got when the entry was shown
    };
    bool valid(int index) const;
    void show(int index);
    void enableFields(bool enable);

    ui::Dialog& m_page;
    int m_comboId;
    int m_enabledId;
    int m_groupId;
    CCheckComboBox m_combo;
    Tvl_StringArray* m_names = nullptr;
    AcArray<int>* m_enabled = nullptr;
    std::vector<Limit> m_limits;
    std::vector<int> m_controls;
    int m_current = -1;
};
