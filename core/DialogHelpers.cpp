#include "core/DialogHelpers.h"

#if TVL_UI_AVAILABLE

#include "platform/ui/Window.h"

namespace {

ui::Window* item(ui::Window* dialog, int id) {
    return dialog && dialog->isWindow() ? dialog->getDlgItem(id) : nullptr;
}

} // namespace

bool EnDisCtrl(ui::Window* dialog, int id, bool enable) {
    ui::Window* w = item(dialog, id);
    if (!w)
        return false;
    w->enableWindow(enable);
    return true;
}

bool ShowOrHideCtrl(ui::Window* dialog, int id, bool show) {
    ui::Window* w = item(dialog, id);
    if (!w)
        return false;
    w->showWindow(show ? ui::SW_SHOW : ui::SW_HIDE);
    return true;
}

#endif
