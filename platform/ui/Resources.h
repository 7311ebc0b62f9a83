#pragma once
// Resources by number, per module, with the resource chain and the default-module switch.
//
// Each binary that carries resources (the dialogs module, the host, tests) registers one
// ResourceModule. Lookup of a number searches the current default module first, then
// every registered module in registration order (the chain). setDefaultModule() is the
// switch the product's resource override turns on and off around its entries; it returns
// the previous default so the caller can restore it.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Image.h"
#include "platform/ui/Menu.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace ui {

class ResourceModule {
public:
    explicit ResourceModule(std::string name) : m_name(std::move(name)) {}
    const std::string& name() const { return m_name; }

    void addDialog(DialogTemplate tpl);
    void addMenu(MenuTemplate tpl);
    // Encoded Windows BMP bytes. Icons are kept as BMP pictures too.
    void addBitmap(int id, std::vector<std::uint8_t> bmp);
    void addIcon(int id, std::vector<std::uint8_t> bmp);
    // Reads a .bmp file as bitmap / icon `id`; false when unreadable.
    bool addBitmapFile(int id, const std::string& nativePath);
    bool addIconFile(int id, const std::string& nativePath);
    void addString(int id, std::wstring text);

    const DialogTemplate* findDialog(int id) const;
    const MenuTemplate* findMenu(int id) const;
    Image findBitmap(int id) const; // empty when missing
    Image findIcon(int id) const;
    const std::wstring* findString(int id) const;

private:
    std::string m_name;
    std::map<int, DialogTemplate> m_dialogs;
    std::map<int, MenuTemplate> m_menus;
    std::map<int, Image> m_bitmaps;
    std::map<int, Image> m_icons;
    std::map<int, std::wstring> m_strings;
};

class ResourceRegistry {
public:
    // The module is not owned; unregister it before it goes away.
    void registerModule(ResourceModule* module);
    void unregisterModule(ResourceModule* module);
    // Returns the previous default (may be null).
    ResourceModule* setDefaultModule(ResourceModule* module);
    ResourceModule* defaultModule() const { return m_default; }
    const std::vector<ResourceModule*>& chain() const { return m_chain; }

    const DialogTemplate* findDialog(int id) const;
    const MenuTemplate* findMenu(int id) const;
    Image loadBitmap(int id) const;
    Image loadIcon(int id) const;
    std::wstring loadString(int id) const;
    // Which module a dialog number resolves to (null when none).
    ResourceModule* findDialogModule(int id) const;

private:
    template <class F>
    auto search(F f) const -> decltype(f(static_cast<const ResourceModule*>(nullptr)));

    std::vector<ResourceModule*> m_chain;
    ResourceModule* m_default = nullptr;
};

} // namespace ui
