#include "platform/ui/WindowClassRegistry.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/ListView.h"
#include "platform/ui/controls/Progress.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/controls/TabControl.h"
#include "platform/ui/controls/Toolbar.h"

#include <cwctype>
#include <map>
#include <mutex>

namespace ui {

namespace {

struct Entry {
    std::wstring canonical;
    WindowFactory factory;
};

std::wstring key(std::wstring_view name) {
    std::wstring k(name);
    for (auto& c : k)
        c = static_cast<wchar_t>(std::towlower(c));
    return k;
}

template <class T> WindowFactory make() {
    return [] { return std::unique_ptr<Window>(std::make_unique<T>()); };
}

// Never destroyed: factories registered by a library that has been unloaded since (the
// grid control goes with the dialogs module) must not be run at exit.
std::map<std::wstring, Entry>& table() {
    static auto* t = new std::map<std::wstring, Entry>([] {
        std::map<std::wstring, Entry> m;
        auto add = [&](std::wstring name, WindowFactory f) {
            m[key(name)] = Entry{name, std::move(f)};
        };
        add(L"Static", make<Static>());
        add(L"Button", make<Button>());
        add(L"Edit", make<Edit>());
        add(L"RichEdit20W", make<Edit>());
        add(L"ComboBox", make<ComboBox>());
        add(L"ListBox", make<ListBox>());
        add(L"SysTabControl32", make<TabControl>());
        add(L"SysListView32", make<ListView>());
        add(L"ToolbarWindow32", make<Toolbar>());
        add(L"msctls_progress32", make<Progress>());
        add(L"#32770", make<Dialog>());
        return m;
    }());
    return *t;
}

} // namespace

void unregisterWindowClass(std::wstring_view name) {
    table().erase(key(name));
}

void registerWindowClass(std::wstring_view canonicalName, WindowFactory factory) {
    table()[key(canonicalName)] = Entry{std::wstring(canonicalName), std::move(factory)};
}

std::wstring canonicalClassName(std::wstring_view name) {
    auto& t = table();
    auto it = t.find(key(name));
    return it == t.end() ? std::wstring() : it->second.canonical;
}

std::unique_ptr<Window> makeWindowOfClass(std::wstring_view name) {
    auto& t = table();
    auto it = t.find(key(name));
    if (it == t.end() || !it->second.factory)
        return nullptr;
    return it->second.factory();
}

} // namespace ui
