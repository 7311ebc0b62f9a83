#include "kw/frame/dynMenu.h"

#include "platform/ui/Menu.h"
#include "platform/ui/Messages.h"

namespace {

bool takesCommandId(int kind) {
    return kind == kMenuCommand || kind == kMenuChecked || kind == kMenuRadio ||
           kind == kMenuDisabled || kind == kMenuPlaceholder;
}

} // namespace

dynMenu::dynMenu() = default;

dynMenu::~dynMenu() {
    destroyMenus();
}

void dynMenu::destroyMenus() {
    // The root refers to the submenus; it goes first.
    m_root.reset();
    m_submenus.clear();
}

void dynMenu::build(const Tvl_Array<int>& levels, const Tvl_Array<DynMenuItem>& items) {
    destroyMenus();
    m_root = std::make_unique<ui::Menu>();

    struct Level {
        int depth;
        ui::Menu* menu;
    };
    std::vector<Level> stack;
    int depth = 1;
    ui::Menu* current = m_root.get();
    int nextId = 0;

    const int count = std::min(levels.length(), items.length());
    for (int i = 0; i < count && nextId < kCommandCount; ++i) {
        const DynMenuItem& item = items[i];
        const int level = levels[i];
        ui::Menu* target = nullptr;
        if (level == 1) {
            target = m_root.get();
            depth = 1;
        } else if (level < 1 || level > depth) {
            continue;
        } else if (level == depth) {
            target = current;
        } else {
            for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
                if (it->depth == level) {
                    target = it->menu;
                    break;
                }
            }
            if (target == nullptr)
                continue;
            depth = level;
        }
        current = target;

        switch (item.kind) {
        case kMenuCommand:
            target->appendMenu(ui::MF_STRING, kCommandIds[nextId++], item.text.str());
            break;
        case kMenuChecked:
            target->appendMenu(ui::MF_STRING | ui::MF_CHECKED, kCommandIds[nextId++],
                               item.text.str());
            break;
        case kMenuRadio: {
            const int id = kCommandIds[nextId++];
            target->appendMenu(ui::MF_STRING, id, item.text.str());
            target->checkMenuRadioItem(id, id, id, ui::MF_BYCOMMAND);
            break;
        }
        case kMenuDisabled:
            target->appendMenu(ui::MF_STRING | ui::MF_GRAYED, kCommandIds[nextId++],
                               item.text.str());
            break;
        case kMenuSeparator:
            target->appendMenu(ui::MF_SEPARATOR);
            break;
        case kMenuSubmenu: {
            m_submenus.push_back(std::make_unique<ui::Menu>());
            ui::Menu* sub = m_submenus.back().get();
            target->appendPopup(sub, item.text.str());
            ++depth;
            stack.push_back({depth, sub});
            current = sub;
            break;
        }
        case kMenuPlaceholder:
            ++nextId;
            break;
        default:
            break;
        }
    }
}

int dynMenu::show(unsigned trackFlags, int x, int y, ui::Window* owner,
                  const Tvl_Array<int>& levels, const Tvl_Array<DynMenuItem>& items) {
    build(levels, items);
    return m_root->trackPopupMenu(trackFlags, x, y, owner);
}

int dynMenu::commandOrdinal(int commandId) {
    for (int i = 0; i < kCommandCount; ++i) {
        if (kCommandIds[i] == commandId)
            return i;
    }
    return -1;
}

int dynMenu::itemIndexForCommand(const Tvl_Array<DynMenuItem>& items, int commandId) {
    int ordinal = commandOrdinal(commandId);
    if (ordinal < 0)
        return -1;
    for (int i = 0; i < items.length(); ++i) {
        if (!takesCommandId(items[i].kind))
            continue;
        if (ordinal-- == 0)
            return i;
    }
    return -1;
}
