#pragma once
// CCheckComboBox: a drop-down list whose items each carry a check mark, drawn before the
// item's text. Choosing an item selects it as in any list; the marks are set by the
// owner (the advanced bolt dialog marks each active slotted hole).
//
// Typical use: m_list.SubclassDlgItem(IDC_X, this); m_list.AddString(L"a");
// m_list.SetCheck(0, true);

#include "core/Tvl_String.h"
#include "platform/ui/controls/ComboBox.h"

class CCheckComboBox : public ui::ComboBox {
public:
    CCheckComboBox() = default;

    // Makes this object the dialog item `id` of `parent`. False when there is no such item.
    bool SubclassDlgItem(int id, ui::Window* parent) { return subclassDlgItem(id, parent); }

    int AddString(const Tvl_String& text) { return addString(text.str()); }
    // False for an index outside the list.
    bool SetCheck(int index, bool checked);
    bool GetCheck(int index) const { return getItemCheck(index); }
    // The number of checked items.
    int CheckedCount() const;
};
