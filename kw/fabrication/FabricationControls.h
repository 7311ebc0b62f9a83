#pragma once
// Small accessors the fabrication dialogs share.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "platform/ui/Window.h"
#include "platform/ui/controls/ComboBox.h"

namespace kw::fabrication {

inline ui::ComboBox* combo(ui::Window* dialog, int id) {
    return dialog ? dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(id)) : nullptr;
}

inline void fillCombo(ui::Window* dialog, int id, const Tvl_StringArray& items) {
    if (ui::ComboBox* c = combo(dialog, id)) {
        c->resetContent();
        for (int i = 0; i < items.length(); ++i)
            c->addString(items[i].str());
    }
}

inline int comboSelection(ui::Window* dialog, int id) {
    ui::ComboBox* c = combo(dialog, id);
    return c ? c->getCurSel() : -1;
}

inline void selectCombo(ui::Window* dialog, int id, int index) {
    if (ui::ComboBox* c = combo(dialog, id))
        c->setCurSel(index);
}

inline Tvl_String itemText(ui::Window* dialog, int id) {
    return dialog ? Tvl_String(dialog->getDlgItemText(id)) : Tvl_String();
}

// A decimal number as typed; text that is not a number reads as 0.
inline double itemNumber(ui::Window* dialog, int id) {
    double value = 0;
    if (!itemText(dialog, id).toDouble(value))
        value = 0;
    return value;
}

} // namespace kw::fabrication
