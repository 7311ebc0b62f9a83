#include "platform/ui/controls/Toolbar.h"

#include "platform/ui/Application.h"

namespace ui {

bool Toolbar::loadBitmapStrip(int resourceId, Size buttonSize) {
    Image img = app().resources().loadBitmap(resourceId);
    if (img.empty())
        return false;
    setStrip(img, buttonSize);
    return true;
}

void Toolbar::setButtons(const std::vector<int>& commands) {
    m_buttons.clear();
    int image = 0;
    for (int c : commands) {
        ButtonInfo b;
        b.command = c;
        if (c != 0)
            b.image = image++;
        m_buttons.push_back(b);
    }
    invalidate();
}

const Toolbar::ButtonInfo* Toolbar::button(int index) const {
    return index >= 0 && index < buttonCount() ? &m_buttons[static_cast<size_t>(index)] : nullptr;
}

bool Toolbar::enableButton(int command, bool enable) {
    for (auto& b : m_buttons)
        if (b.command == command && command != 0) {
            b.enabled = enable;
            invalidate();
            return true;
        }
    return false;
}

bool Toolbar::checkButton(int command, bool check) {
    for (auto& b : m_buttons)
        if (b.command == command && command != 0) {
            b.checked = check;
            invalidate();
            return true;
        }
    return false;
}

bool Toolbar::setTooltip(int command, std::wstring_view text) {
    for (auto& b : m_buttons)
        if (b.command == command && command != 0) {
            b.tooltip = text;
            return true;
        }
    return false;
}

Rect Toolbar::buttonRect(int index) const {
    int x = 4;
    for (int i = 0; i < buttonCount(); ++i) {
        int w =
            m_buttons[static_cast<size_t>(i)].command == 0 ? kSeparatorWidth : m_buttonSize.cx + 7;
        if (i == index)
            return Rect::fromSize(x, 2, w, m_buttonSize.cy + 6);
        x += w;
    }
    return {};
}

bool Toolbar::clickCommand(int command) {
    if (!isWindow() || !isWindowVisible() || !isWindowEnabled())
        return false;
    for (auto& b : m_buttons) {
        if (b.command != command || command == 0)
            continue;
        if (!b.enabled)
            return false;
        if (Window* p = getParent())
            p->sendMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(command), BN_CLICKED),
                           static_cast<LPARAM>(handle().value));
        app().pumpMessages();
        return true;
    }
    return false;
}

void Toolbar::onMouseUp(MouseButton b, unsigned, Point p) {
    if (b != MouseButton::Left)
        return;
    for (int i = 0; i < buttonCount(); ++i)
        if (buttonRect(i).contains(p)) {
            clickCommand(m_buttons[static_cast<size_t>(i)].command);
            return;
        }
}

} // namespace ui
