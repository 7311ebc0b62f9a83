#include "kw/frame/DlgResizeLayout.h"

#include "platform/ui/DeferWindowPos.h"
#include "platform/ui/Window.h"

namespace {

constexpr const wchar_t* kToolbarClass = L"ToolbarWindow32";

int scaled(int value, int newSize, int oldSize) {
    if (oldSize == 0)
        return value;
    // Integer arithmetic truncates toward zero, as the layout requires.
    return static_cast<int>(static_cast<long long>(value) * newSize / oldSize);
}

} // namespace

bool DlgResizeLayout::attach(ui::Window* dialog) {
    if (dialog == nullptr)
        return false;
    m_dialog = dialog;
    m_dialogRect = dialog->getWindowRect();
    m_controls.clear();
    for (ui::Window* child : dialog->children()) {
        if (child->className() == kToolbarClass)
            continue;
        m_controls.push_back(Entry{child, child->getDlgCtrlID(), child->rect(), 0, 0});
    }
    return true;
}

bool DlgResizeLayout::setMode(int id, int horizontal, int vertical) {
    bool found = false;
    for (Entry& e : m_controls) {
        if (e.id != id)
            continue;
        e.horizontal = horizontal;
        e.vertical = vertical;
        found = true;
    }
    return found;
}

void DlgResizeLayout::layoutAxis(int mode, int near, int far, int oldSize, int newSize,
                                 int& newNear, int& newFar) {
    const int delta = newSize - oldSize;
    if (mode & kKeepNear)
        newNear = near;
    else if ((mode & kKeepSize) && (mode & kFollowFar))
        newNear = near + delta;
    else
        newNear = scaled(near, newSize, oldSize);

    if (mode & kFollowFar)
        newFar = far + delta;
    else if (mode & kKeepSize)
        newFar = newNear + (far - near);
    else
        newFar = scaled(far, newSize, oldSize);
}

void DlgResizeLayout::relayout() {
    if (!m_dialog || !m_dialog->isWindow())
        return;
    const ui::Rect now = m_dialog->getWindowRect();
    ui::DeferWindowPos batch(static_cast<int>(m_controls.size()));
    for (const Entry& entry : m_controls) {
        ui::Window* control = entry.window.get();
        if (control == nullptr)
            continue;
        ui::Rect r;
        layoutAxis(entry.horizontal, entry.rect.left, entry.rect.right, m_dialogRect.width(),
                   now.width(), r.left, r.right);
        layoutAxis(entry.vertical, entry.rect.top, entry.rect.bottom, m_dialogRect.height(),
                   now.height(), r.top, r.bottom);
        batch.defer(control, nullptr, r.left, r.top, r.width(), r.height(), ui::SWP_NOZORDER);
    }
    batch.apply();
}
