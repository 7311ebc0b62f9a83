#pragma once
// dynMenu: a popup menu built at run time from a levelled list of items.
//
// Items carry a kind (MenuItemKind). Command items take the next of ten fixed command
// identifiers (kCommandIds, in that order); once all ten are handed out every later item
// is skipped. The owner maps a command identifier back to its item by counting: the n-th
// identifier belongs to the n-th item of kind 1, 2, 3, 4 or 7 (itemIndexForCommand).
//
// Levels: item i has level levels[i] (1 = top). Building keeps the current depth
// (starting at 1) and a stack of submenus with their depths. A level-1 item goes into
// the root menu and resets the depth to 1; an item at the current depth goes into the
// current submenu (the newest one, or the one a shallower item went back to); an item of
// another level goes into the submenu found last on the stack with that depth, which
// becomes current; an item whose level is nowhere on the stack, deeper than the current
// depth, or below 1 is skipped. A submenu item opens a new submenu one level deeper.

#include <algorithm>
#include <memory>
#include <vector>

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"

namespace ui {
class Menu;
class Window;
} // namespace ui

enum MenuItemKind : int {
    kMenuCommand = 1,
    kMenuChecked = 2,
    kMenuRadio = 3,
    kMenuDisabled = 4,
    kMenuSeparator = 5,
    kMenuSubmenu = 6,
    kMenuPlaceholder = 7,
};

struct DynMenuItem {
    Tvl_String text;
    int level = 1;
    int kind = kMenuCommand;
};

class dynMenu {
public:
    static constexpr int kCommandCount = 10;
    static constexpr int kCommandIds[kCommandCount] = {32811, 32812, 32816, 32817, 32818,
                                                       32800, 32801, 32802, 32803, 32804};

    dynMenu();
    ~dynMenu();
    dynMenu(const dynMenu&) = delete;
    dynMenu& operator=(const dynMenu&) = delete;

    // Builds the menu from the parallel arrays and tracks it at screen point (x, y) with
    // the track-popup flags; the chosen command goes to `owner`. Returns what the
    // platform's tracking returns (the command with TPM_RETURNCMD).
    int show(unsigned trackFlags, int x, int y, ui::Window* owner, const Tvl_Array<int>& levels,
             const Tvl_Array<DynMenuItem>& items);

    // Builds without tracking (show() calls it; tests inspect the result).
    void build(const Tvl_Array<int>& levels, const Tvl_Array<DynMenuItem>& items);
    ui::Menu* rootMenu() const { return m_root.get(); }

    // Position of a command identifier in kCommandIds, -1 for any other number.
    static int commandOrdinal(int commandId);
    // The index in `items` of the item that command `commandId` stands for, -1 if none.
    static int itemIndexForCommand(const Tvl_Array<DynMenuItem>& items, int commandId);

private:
    void destroyMenus();

    std::unique_ptr<ui::Menu> m_root;
    std::vector<std::unique_ptr<ui::Menu>> m_submenus;
};
