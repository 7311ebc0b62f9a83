#include "platform/ui/Menu.h"

#include "platform/ui/Application.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Transcript.h"

namespace ui {

Menu::~Menu() = default;

std::unique_ptr<Menu> Menu::load(int resourceId) {
    const MenuTemplate* tpl = app().resources().findMenu(resourceId);
    return tpl ? fromTemplate(*tpl) : nullptr;
}

namespace {
void build(Menu& menu, const std::vector<MenuTemplateItem>& items,
           std::vector<std::unique_ptr<Menu>>& owned);
}

std::unique_ptr<Menu> Menu::fromTemplate(const MenuTemplate& tpl) {
    auto m = std::make_unique<Menu>();
    build(*m, tpl.items, m->m_ownedSubmenus);
    return m;
}

namespace {
void build(Menu& menu, const std::vector<MenuTemplateItem>& items,
           std::vector<std::unique_ptr<Menu>>& owned) {
    for (const auto& it : items) {
        if (!it.children.empty() || (it.flags & MF_POPUP)) {
            auto sub = std::make_unique<Menu>();
            build(*sub, it.children, owned);
            menu.appendPopup(sub.get(), it.text, it.flags & ~MF_POPUP);
            owned.push_back(std::move(sub));
        } else {
            menu.appendMenu(it.flags, it.id, it.text);
        }
    }
}
} // namespace

bool Menu::appendMenu(unsigned flags, int id, std::wstring_view text) {
    MenuItem item;
    item.flags = flags & ~MF_POPUP;
    if (!(flags & MF_SEPARATOR)) {
        item.text = text;
        item.id = id;
    }
    m_items.push_back(std::move(item));
    return true;
}

bool Menu::appendPopup(Menu* submenu, std::wstring_view text, unsigned flags) {
    if (!submenu || submenu == this)
        return false;
    MenuItem item;
    item.text = text;
    item.flags = flags | MF_POPUP;
    item.submenu = submenu;
    m_items.push_back(std::move(item));
    return true;
}

bool Menu::insertMenu(int position, unsigned flags, int id, std::wstring_view text) {
    MenuItem item;
    item.flags = flags & ~(MF_POPUP | MF_BYPOSITION);
    if (!(flags & MF_SEPARATOR)) {
        item.text = text;
        item.id = id;
    }
    if (position < 0 || position > itemCount())
        m_items.push_back(std::move(item));
    else
        m_items.insert(m_items.begin() + position, std::move(item));
    return true;
}

MenuItem* Menu::findCommand(int id) {
    for (auto& it : m_items) {
        if (it.submenu) {
            if (MenuItem* f = it.submenu->findCommand(id))
                return f;
        } else if (!it.isSeparator() && it.id == id) {
            return &it;
        }
    }
    return nullptr;
}

MenuItem* Menu::locate(int idOrPos, unsigned flags) {
    if (flags & MF_BYPOSITION)
        return idOrPos >= 0 && idOrPos < itemCount() ? &m_items[static_cast<size_t>(idOrPos)]
                                                     : nullptr;
    return findCommand(idOrPos);
}

const MenuItem* Menu::locate(int idOrPos, unsigned flags) const {
    return const_cast<Menu*>(this)->locate(idOrPos, flags);
}

bool Menu::deleteMenu(int idOrPos, unsigned flags) {
    if (flags & MF_BYPOSITION) {
        if (idOrPos < 0 || idOrPos >= itemCount())
            return false;
        m_items.erase(m_items.begin() + idOrPos);
        return true;
    }
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (it->submenu && it->submenu->deleteMenu(idOrPos, flags))
            return true;
        if (!it->submenu && !it->isSeparator() && it->id == idOrPos) {
            m_items.erase(it);
            return true;
        }
    }
    return false;
}

bool Menu::modifyMenu(int idOrPos, unsigned flags, int newId, std::wstring_view text) {
    MenuItem* it = locate(idOrPos, flags);
    if (!it)
        return false;
    it->text = text;
    if (!it->submenu)
        it->id = newId;
    unsigned keep = it->flags & MF_POPUP;
    it->flags = (flags & ~(MF_BYPOSITION | MF_POPUP)) | keep;
    return true;
}

int Menu::checkMenuItem(int idOrPos, unsigned flags) {
    MenuItem* it = locate(idOrPos, flags);
    if (!it)
        return -1;
    int old = static_cast<int>(it->flags & MF_CHECKED);
    it->flags = (flags & MF_CHECKED) ? (it->flags | MF_CHECKED)
                                     : (it->flags & ~(MF_CHECKED | MFT_RADIOCHECK));
    return old;
}

int Menu::enableMenuItem(int idOrPos, unsigned flags) {
    MenuItem* it = locate(idOrPos, flags);
    if (!it)
        return -1;
    int old = static_cast<int>(it->flags & (MF_GRAYED | MF_DISABLED));
    it->flags = (it->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return old;
}

bool Menu::checkMenuRadioItem(int first, int last, int check, unsigned flags) {
    bool found = false;
    for (int i = 0; i < itemCount(); ++i) {
        MenuItem& it = m_items[static_cast<size_t>(i)];
        int key = (flags & MF_BYPOSITION) ? i : it.id;
        if (it.submenu || it.isSeparator() || key < first || key > last)
            continue;
        if (key == check) {
            it.flags |= MF_CHECKED | MFT_RADIOCHECK;
            found = true;
        } else {
            it.flags &= ~(MF_CHECKED | MFT_RADIOCHECK);
        }
    }
    if (!found && !(flags & MF_BYPOSITION))
        for (auto& it : m_items)
            if (it.submenu && it.submenu->checkMenuRadioItem(first, last, check, flags))
                return true;
    return found;
}

const MenuItem* Menu::item(int pos) const {
    return pos >= 0 && pos < itemCount() ? &m_items[static_cast<size_t>(pos)] : nullptr;
}

Menu* Menu::getSubMenu(int pos) const {
    const MenuItem* it = item(pos);
    return it ? it->submenu : nullptr;
}

std::wstring Menu::getMenuString(int idOrPos, unsigned flags) const {
    const MenuItem* it = locate(idOrPos, flags);
    return it ? it->text : std::wstring();
}

int Menu::getMenuItemID(int pos) const {
    const MenuItem* it = item(pos);
    if (!it)
        return -1;
    if (it->submenu)
        return -1;
    return it->isSeparator() ? 0 : it->id;
}

std::vector<const MenuItem*> Menu::commands() const {
    std::vector<const MenuItem*> out;
    for (const auto& it : m_items) {
        if (it.submenu) {
            if (it.isEnabled()) {
                auto sub = it.submenu->commands();
                out.insert(out.end(), sub.begin(), sub.end());
            }
        } else if (!it.isSeparator() && it.isEnabled()) {
            out.push_back(&it);
        }
    }
    return out;
}

std::string Menu::describe(int indent) const {
    std::string out;
    for (const auto& it : m_items) {
        out += std::string(static_cast<size_t>(indent) * 2, ' ');
        if (it.isSeparator()) {
            out += "----\n";
            continue;
        }
        out += toUtf8(it.text);
        if (!it.submenu)
            out += " [" + std::to_string(it.id) + "]";
        if (it.isChecked())
            out += (it.flags & MFT_RADIOCHECK) ? " (radio)" : " (checked)";
        if (!it.isEnabled())
            out += " (greyed)";
        out += "\n";
        if (it.submenu)
            out += it.submenu->describe(indent + 1);
    }
    return out;
}

int Menu::trackPopupMenu(unsigned flags, int x, int y, Window* owner) {
    Application& a = app();
    a.transcript().add("popup menu at " + std::to_string(x) + "," + std::to_string(y));
    PopupMenuRequest req{this, owner, x, y, flags};
    std::optional<int> answer;
    if (Driver* d = a.driver())
        answer = d->choosePopupMenuItem(req);
    if (!answer) {
        a.reportFailure("unanswered popup menu:\n" + describe(1));
        a.transcript().add("  -> dismissed");
        return 0;
    }
    if (*answer == 0) {
        a.transcript().add("  -> dismissed");
        return 0;
    }
    const MenuItem* chosen = nullptr;
    for (const MenuItem* c : commands())
        if (c->id == *answer)
            chosen = c;
    if (!chosen) {
        a.reportFailure("popup menu: command " + std::to_string(*answer) +
                        " is not an enabled item");
        a.transcript().add("  -> dismissed");
        return 0;
    }
    a.transcript().add("  -> " + toUtf8(chosen->text) + " [" + std::to_string(chosen->id) + "]");
    if (flags & TPM_RETURNCMD)
        return chosen->id;
    if (owner && owner->isWindow())
        a.postMessage(owner, WM_COMMAND, makeWParam(static_cast<unsigned>(chosen->id), 0), 0);
    return 1;
}

} // namespace ui
