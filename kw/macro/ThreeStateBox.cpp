#include "kw/macro/ThreeStateBox.h"

#include "platform/ui/controls/Button.h"

namespace kw::macro {

void showThreeState(ui::Window& dialog, int id, int value, int varies) {
    auto* box = dynamic_cast<ui::Button*>(dialog.getDlgItem(id));
    if (box == nullptr)
        return;
    if (value == varies) {
        box->setButtonStyle(ui::BS_AUTO3STATE);
        box->setCheck(ui::BST_INDETERMINATE);
        return;
    }
    box->setButtonStyle(ui::BS_AUTOCHECKBOX);
    box->setCheck(value > 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void makeTwoState(ui::Window& dialog, int id) {
    auto* box = dynamic_cast<ui::Button*>(dialog.getDlgItem(id));
    if (box == nullptr)
        return;
    const bool indeterminate = box->getCheck() == ui::BST_INDETERMINATE;
    box->setButtonStyle(ui::BS_AUTOCHECKBOX);
    if (indeterminate)
        box->setCheck(ui::BST_UNCHECKED);
}

int readThreeState(const ui::Window& dialog, int id, int varies) {
    const auto* box = dynamic_cast<const ui::Button*>(dialog.getDlgItem(id));
    if (box == nullptr)
        return 0;
    switch (box->getCheck()) {
    case ui::BST_CHECKED:
        return 1;
    case ui::BST_INDETERMINATE:
        return varies;
    default:
        return 0;
    }
}

} // namespace kw::macro
