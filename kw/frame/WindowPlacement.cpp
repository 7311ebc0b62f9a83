#include "kw/frame/WindowPlacement.h"

#include <algorithm>

#include "kw/frame/HostCalls.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"

namespace {

constexpr const wchar_t* kSection = L"TREVLONV8";

std::wstring key(const Tvl_String& name, const wchar_t* edge) {
    return name.str() + edge;
}

} // namespace

bool restoreWindowPlacement(ui::Window* window, const Tvl_String& name, bool keepSize, int minWidth,
                            int minHeight) {
    if (window == nullptr || !window->isWindow())
        return false;
    const ui::Rect current = window->getWindowRect();
    const int top = kw::profileGetInt(kSection, key(name, L"_TOP"), current.top);
    const int bottom = kw::profileGetInt(kSection, key(name, L"_BOTTOM"), current.bottom);
    const int left = kw::profileGetInt(kSection, key(name, L"_LEFT"), current.left);
    const int right = kw::profileGetInt(kSection, key(name, L"_RIGHT"), current.right);

    const ui::Size full = ui::app().screenSize();
    const ui::Rect work = ui::app().workArea();
    const int screenWidth = std::max(full.cx, work.width());
    const int screenHeight = std::max(full.cy, work.height());

    ui::Rect result = current;
    if (left >= -4 && left < screenWidth)
        result.left = left;
    if (top > -5 && top < screenHeight)
        result.top = top;
    if (keepSize) {
        result.right = result.left + current.width();
        result.bottom = result.top + current.height();
    } else {
        if (right > 0 && right < screenWidth + 5)
            result.right = right;
        if (bottom > 0 && bottom < screenHeight + 5)
            result.bottom = bottom;
    }

    if (result.right >= screenWidth && result.bottom >= screenHeight) {
        window->showWindow(ui::SW_MAXIMIZE);
        return true;
    }
    const int width = std::max(result.width(), minWidth);
    const int height = std::max(result.height(), minHeight);
    ui::Rect target = ui::Rect::fromSize(result.left, result.top, width, height);
    if (ui::Window* parent = window->parent())
        target = parent->screenToClient(target);
    window->moveWindow(target);
    return true;
}

bool saveWindowPlacement(ui::Window* window, const Tvl_String& name) {
    if (window == nullptr || !window->isWindow())
        return false;
    const ui::Rect r = window->getWindowRect();
    kw::profilePutInt(kSection, key(name, L"_LEFT"), r.left);
    kw::profilePutInt(kSection, key(name, L"_TOP"), r.top);
    kw::profilePutInt(kSection, key(name, L"_RIGHT"), r.right);
    kw::profilePutInt(kSection, key(name, L"_BOTTOM"), r.bottom);
    return true;
}
