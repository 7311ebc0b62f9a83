#pragma once
// Menus: popup menus and menu bars. A Menu owns the submenus it loaded from a resource;
// a submenu appended with appendPopup() stays the caller's (who must keep it alive while
// it is part of the parent and destroy it afterwards).
//
// trackPopupMenu asks the Driver which command the user chooses. The chosen command goes
// to the owner as WM_COMMAND(id, 0) through the message queue (delivered once the
// current handler returns), or is returned directly with TPM_RETURNCMD. Greyed or
// disabled items cannot be chosen. No answer = dismissed (0) and a recorded failure.

#include "platform/ui/Messages.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Window;

struct MenuItem {
    std::wstring text;
    int id = 0; // command id (0 for separators and popups)
    unsigned flags =
        0; // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_POPUP, MFT_RADIOCHECK
    class Menu* submenu = nullptr;
    bool isSeparator() const { return (flags & MF_SEPARATOR) != 0; }
    bool isEnabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) == 0; }
    bool isChecked() const { return (flags & MF_CHECKED) != 0; }
};

// Resource form of a menu: a tree of items. Items with children are popups.
struct MenuTemplateItem {
    std::wstring text;
    int id = 0;
    unsigned flags = 0;
    std::vector<MenuTemplateItem> children;
};
struct MenuTemplate {
    int id = 0;
    std::vector<MenuTemplateItem> items;
};

class Menu {
public:
    Menu() = default;
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    // Loads menu resource `resourceId` through the resource chain; null when missing.
    static std::unique_ptr<Menu> load(int resourceId);
    static std::unique_ptr<Menu> fromTemplate(const MenuTemplate& tpl);

    // MF_STRING / MF_SEPARATOR items, with MF_GRAYED / MF_CHECKED flags.
    bool appendMenu(unsigned flags, int id = 0, std::wstring_view text = {});
    // Appends `submenu` (not owned) as a popup item.
    bool appendPopup(Menu* submenu, std::wstring_view text, unsigned flags = 0);
    bool insertMenu(int position, unsigned flags, int id, std::wstring_view text);
    // By command (MF_BYCOMMAND, searched in submenus too) or by position.
    bool deleteMenu(int idOrPos, unsigned flags);
    bool modifyMenu(int idOrPos, unsigned flags, int newId, std::wstring_view text);
    // Returns the previous state (MF_CHECKED/MF_UNCHECKED, or MF_ENABLED/...), -1 if missing.
    int checkMenuItem(int idOrPos, unsigned flags);
    int enableMenuItem(int idOrPos, unsigned flags);
    // Radio check: the item `check` in first..last gets a radio mark, others lose theirs.
    bool checkMenuRadioItem(int first, int last, int check, unsigned flags);

    int itemCount() const { return static_cast<int>(m_items.size()); }
    const MenuItem* item(int pos) const;
    MenuItem* findCommand(int id); // searches submenus
    Menu* getSubMenu(int pos) const;
    std::wstring getMenuString(int idOrPos, unsigned flags) const;
    int getMenuItemID(int pos) const; // -1 for a popup, 0 for a separator

    // Shows the menu at screen point (x, y) for `owner`; see the header comment.
    // Returns the command with TPM_RETURNCMD, otherwise nonzero when a command was chosen.
    int trackPopupMenu(unsigned flags, int x, int y, Window* owner);

    // All enabled command items, depth first: what a user could choose.
    std::vector<const MenuItem*> commands() const;
    // The menu as text, one item a line, indented by depth (transcripts, tests).
    std::string describe(int indent = 0) const;

private:
    MenuItem* locate(int idOrPos, unsigned flags);
    const MenuItem* locate(int idOrPos, unsigned flags) const;

    std::vector<MenuItem> m_items;
    std::vector<std::unique_ptr<Menu>> m_ownedSubmenus;
};

} // namespace ui
