#include "platform/ui/controls/Button.h"

#include "platform/ui/Application.h"

namespace ui {

bool Button::isCheckKind() const {
    unsigned k = buttonType();
    return k == BS_CHECKBOX || k == BS_AUTOCHECKBOX || k == BS_3STATE || k == BS_AUTO3STATE;
}

bool Button::isRadioKind() const {
    unsigned k = buttonType();
    return k == BS_RADIOBUTTON || k == BS_AUTORADIOBUTTON;
}

bool Button::isPushKind() const {
    unsigned k = buttonType();
    return (k == BS_PUSHBUTTON || k == BS_DEFPUSHBUTTON || k == BS_OWNERDRAW) &&
           !(style() & BS_PUSHLIKE && isCheckKind());
}

unsigned Button::getDlgCode() const {
    unsigned k = buttonType();
    if (k == BS_GROUPBOX)
        return DLGC_STATIC;
    if (k == BS_DEFPUSHBUTTON)
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (k == BS_PUSHBUTTON || k == BS_OWNERDRAW)
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (isRadioKind())
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    return DLGC_BUTTON;
}

void Button::setCheck(int check) {
    if (check < BST_UNCHECKED || check > BST_INDETERMINATE)
        check = BST_UNCHECKED;
    // Only 3-state kinds show the indeterminate state; others take it as checked.
    unsigned k = buttonType();
    if (check == BST_INDETERMINATE && k != BS_3STATE && k != BS_AUTO3STATE)
        check = BST_CHECKED;
    if (m_check != check) {
        m_check = check;
        invalidate();
    }
}

void Button::setButtonStyle(unsigned kind, bool redraw) {
    modifyStyle(BS_TYPEMASK, kind & BS_TYPEMASK);
    if (redraw)
        invalidate();
}

void Button::click() {
    if (!isWindow() || !isWindowEnabled())
        return;
    clicked();
}

// The state change of a click, then BN_CLICKED. The parent's handler may destroy this
// button (and its dialog), so nothing runs after the notification.
void Button::clicked() {
    switch (buttonType()) {
    case BS_AUTOCHECKBOX:
        setCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        setCheck(m_check == BST_UNCHECKED ? BST_CHECKED
                 : m_check == BST_CHECKED ? BST_INDETERMINATE
                                          : BST_UNCHECKED);
        break;
    case BS_AUTORADIOBUTTON: {
        setCheck(BST_CHECKED);
        // The other auto radios of the WS_GROUP group lose their mark.
        if (Window* p = parent()) {
            const auto& sib = p->children();
            size_t i = 0;
            while (i < sib.size() && sib[i] != this)
                ++i;
            size_t start = i;
            while (start > 0 && !(sib[start]->style() & WS_GROUP))
                --start;
            size_t end = i + 1;
            while (end < sib.size() && !(sib[end]->style() & WS_GROUP))
                ++end;
            for (size_t k = start; k < end; ++k)
                if (auto* b = dynamic_cast<Button*>(sib[k]);
                    b && b != this && b->buttonType() == BS_AUTORADIOBUTTON)
                    b->setCheck(BST_UNCHECKED);
        }
        break;
    }
    default:
        break;
    }
    notifyParent(BN_CLICKED);
}

LRESULT Button::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    LRESULT r = 0;
    if (onMessage(msg, w, l, r))
        return r;
    switch (msg) {
    case BM_GETCHECK:
        return m_check;
    case BM_SETCHECK:
        setCheck(static_cast<int>(w));
        return 0;
    case BM_GETSTATE:
        return m_check | (m_pushed ? 0x4 : 0) | (hasFocus() ? 0x8 : 0);
    case BM_SETSTATE:
        m_pushed = w != 0;
        invalidate();
        return 0;
    case BM_SETSTYLE:
        setButtonStyle(static_cast<unsigned>(w), l != 0);
        return 0;
    case BM_CLICK:
        click();
        return 0;
    default:
        return defWindowProc(msg, w, l);
    }
}

void Button::adoptState(Window& from) {
    Window::adoptState(from);
    if (auto* b = dynamic_cast<Button*>(&from)) {
        m_check = b->m_check;
        if (m_image.empty())
            m_image = b->m_image;
    }
}

void Button::onMouseDown(MouseButton b, unsigned, Point) {
    if (b != MouseButton::Left || buttonType() == BS_GROUPBOX)
        return;
    m_pushed = true;
    WindowRef<Button> self(this);
    setFocus();
    if (self)
        invalidate();
}

void Button::onMouseUp(MouseButton b, unsigned, Point p) {
    if (b != MouseButton::Left || !m_pushed)
        return;
    m_pushed = false;
    invalidate();
    if (getClientRect().contains(p))
        clicked();
}

void Button::onKeyDown(int vk, unsigned) {
    if (vk == VK_SPACE) {
        m_pushed = true;
        invalidate();
    }
}

void Button::onKeyUp(int vk, unsigned) {
    if (vk == VK_SPACE && m_pushed) {
        m_pushed = false;
        clicked();
    }
}

} // namespace ui
