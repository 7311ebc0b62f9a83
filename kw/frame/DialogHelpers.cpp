#include "kw/frame/DialogHelpers.h"

#include <algorithm>

#include "core/CButtonST.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/ui/Application.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/TabControl.h"

namespace {

constexpr int kComboInnerEditId = 1001;
constexpr int kComboReportedId = 1316;

} // namespace

bool fileExists(const Tvl_String& path) {
    if (path.isEmpty())
        return false;
    return base::existsMatching(base::toNative(path.str()));
}

bool enableDlgItem(ui::Window* dialog, int id, bool enable) {
    if (dialog == nullptr)
        return false;
    ui::Window* item = dialog->getDlgItem(id);
    if (item == nullptr)
        return false;
    item->enableWindow(enable);
    return true;
}

int focusedControlId() {
    ui::Window* focus = ui::Window::getFocus();
    if (focus == nullptr)
        return 0;
    const int id = focus->getDlgCtrlID();
    // The class test is on the focused window's parent: the inner edit of an editable
    // combo box is an "Edit" whose parent is the "ComboBox".
    if (id == kComboInnerEditId) {
        const ui::Window* parent = focus->parent();
        if (focus->className() == L"ComboBox" ||
            (parent != nullptr && parent->className() == L"ComboBox"))
            return kComboReportedId;
    }
    return id;
}

bool focusControl(ui::Window* dialog, int id) {
    if (dialog == nullptr)
        return false;
    ui::Window* item = dialog->getDlgItem(id);
    if (item == nullptr)
        return false;
    item->setFocus();
    if (item->className() == L"Edit") {
        if (auto* edit = dynamic_cast<ui::Edit*>(item))
            edit->setSel(0, -1);
    }
    return true;
}

bool setupIconButton(ui::Window* dialog, CButtonST& button, int id, int iconId,
                     const Tvl_String& tooltip) {
    if (dialog == nullptr || !button.SubclassDlgItem(id, dialog))
        return false;
    button.SetFlat(true);
    button.SetFlatFocus(false);
    if (!tooltip.isEmpty())
        button.SetTooltipText(tooltip);
    button.SetIcon(iconId);
    return true;
}

ui::Rect tabPageRect(ui::TabControl& tabs) {
    ui::Rect item;
    if (!tabs.getItemRect(0, item))
        item = {0, 0, 0, 20};
    const ui::Rect client = tabs.getClientRect();
    const int left = item.left;
    const int top = item.bottom + 2;
    return ui::Rect::fromSize(left, top, std::max(client.width() - left - 3, 0),
                              std::max(client.height() - top - 2, 0));
}
