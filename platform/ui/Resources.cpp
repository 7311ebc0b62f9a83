#include "platform/ui/Resources.h"

#include <algorithm>

namespace ui {

void ResourceModule::addDialog(DialogTemplate tpl) {
    m_dialogs[tpl.id] = std::move(tpl);
}
void ResourceModule::addMenu(MenuTemplate tpl) {
    m_menus[tpl.id] = std::move(tpl);
}

void ResourceModule::addBitmap(int id, std::vector<std::uint8_t> bmp) {
    Image img;
    img.resourceId = id;
    img.bmp = std::make_shared<const std::vector<std::uint8_t>>(std::move(bmp));
    m_bitmaps[id] = std::move(img);
}

void ResourceModule::addIcon(int id, std::vector<std::uint8_t> bmp) {
    Image img;
    img.resourceId = id;
    img.bmp = std::make_shared<const std::vector<std::uint8_t>>(std::move(bmp));
    m_icons[id] = std::move(img);
}

bool ResourceModule::addBitmapFile(int id, const std::string& nativePath) {
    Image img = loadImageFile(nativePath);
    if (img.empty())
        return false;
    img.resourceId = id;
    m_bitmaps[id] = std::move(img);
    return true;
}

bool ResourceModule::addIconFile(int id, const std::string& nativePath) {
    Image img = loadImageFile(nativePath);
    if (img.empty())
        return false;
    img.resourceId = id;
    m_icons[id] = std::move(img);
    return true;
}

void ResourceModule::addString(int id, std::wstring text) {
    m_strings[id] = std::move(text);
}

const DialogTemplate* ResourceModule::findDialog(int id) const {
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

const MenuTemplate* ResourceModule::findMenu(int id) const {
    auto it = m_menus.find(id);
    return it == m_menus.end() ? nullptr : &it->second;
}

Image ResourceModule::findBitmap(int id) const {
    auto it = m_bitmaps.find(id);
    return it == m_bitmaps.end() ? Image{} : it->second;
}

Image ResourceModule::findIcon(int id) const {
    auto it = m_icons.find(id);
    return it == m_icons.end() ? Image{} : it->second;
}

const std::wstring* ResourceModule::findString(int id) const {
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}

void ResourceRegistry::registerModule(ResourceModule* module) {
    if (module && std::find(m_chain.begin(), m_chain.end(), module) == m_chain.end())
        m_chain.push_back(module);
}

void ResourceRegistry::unregisterModule(ResourceModule* module) {
    m_chain.erase(std::remove(m_chain.begin(), m_chain.end(), module), m_chain.end());
    if (m_default == module)
        m_default = nullptr;
}

ResourceModule* ResourceRegistry::setDefaultModule(ResourceModule* module) {
    ResourceModule* old = m_default;
    m_default = module;
    return old;
}

template <class F>
auto ResourceRegistry::search(F f) const
    -> decltype(f(static_cast<const ResourceModule*>(nullptr))) {
    if (m_default)
        if (auto r = f(m_default))
            return r;
    for (const ResourceModule* m : m_chain)
        if (m != m_default)
            if (auto r = f(m))
                return r;
    return {};
}

const DialogTemplate* ResourceRegistry::findDialog(int id) const {
    return search([id](const ResourceModule* m) { return m->findDialog(id); });
}

ResourceModule* ResourceRegistry::findDialogModule(int id) const {
    if (m_default && m_default->findDialog(id))
        return m_default;
    for (ResourceModule* m : m_chain)
        if (m->findDialog(id))
            return m;
    return nullptr;
}

const MenuTemplate* ResourceRegistry::findMenu(int id) const {
    return search([id](const ResourceModule* m) { return m->findMenu(id); });
}

Image ResourceRegistry::loadBitmap(int id) const {
    auto p = search([id](const ResourceModule* m) -> const ResourceModule* {
        return m->findBitmap(id).empty() ? nullptr : m;
    });
    return p ? p->findBitmap(id) : Image{};
}

Image ResourceRegistry::loadIcon(int id) const {
    auto p = search([id](const ResourceModule* m) -> const ResourceModule* {
        return m->findIcon(id).empty() ? nullptr : m;
    });
    return p ? p->findIcon(id) : Image{};
}

std::wstring ResourceRegistry::loadString(int id) const {
    auto p = search([id](const ResourceModule* m) { return m->findString(id); });
    return p ? *p : std::wstring();
}

} // namespace ui
