#pragma once
// CCheckComboBox: a drop-down list whose entries carry a check mark each; the box shows
// the mark of the selected entry beside its text.

#include "platform/ui/controls/ComboBox.h"

class CCheckComboBox : public ui::ComboBox {
public:
    // Makes this object the dialog item `id` of `parent`. False when there is no such item.
    bool SubclassDlgItem(int id, ui::Window* parent) { return subclassDlgItem(id, parent); }

    // Sets the check mark of entry `index`; false when there is no such entry.
    bool SetCheck(int index, bool check) {
        if (!setItemCheck(index, check))
            return false;
        invalidate();
        return true;
    }
    bool GetCheck(int index) const { return getItemCheck(index); }
};
