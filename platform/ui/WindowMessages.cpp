// Message dispatch of Window: sendMessage, the default window procedure that maps
// message numbers to the typed handlers, the handlers' defaults, and the notifications a
// control sends to its parent.

#include "platform/ui/Window.h"

#include "platform/ui/Application.h"

namespace ui {

// ---- Messages ---------------------------------------------------------------------

LRESULT Window::sendMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (!m_created && msg != WM_NCDESTROY && msg != WM_DESTROY)
        return 0;
    return windowProc(msg, wParam, lParam);
}

bool Window::postMessage(unsigned msg, WPARAM wParam, LPARAM lParam) {
    if (!m_created)
        return false;
    app().postMessage(this, msg, wParam, lParam);
    return true;
}

bool Window::preTranslateMessage(Message&) {
    return false;
}

bool Window::onMessage(unsigned, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Window::windowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (onMessage(msg, wParam, lParam, result))
        return result;
    return defWindowProc(msg, wParam, lParam);
}

namespace {
Point pointFrom(LPARAM l) {
    return {xFromLParam(l), yFromLParam(l)};
}
} // namespace

LRESULT Window::defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam) {
    Application& a = app();
    switch (msg) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_DESTROY:
        onDestroy();
        return 0;
    case WM_COMMAND: {
        Window* from = lParam ? a.fromHandle(Hwnd{static_cast<std::uint32_t>(lParam)}) : nullptr;
        int code = static_cast<std::int16_t>(hiWord(wParam));
        if (code < 0)
            code &= 0xffff;
        return onCommand(static_cast<int>(loWord(wParam)), code, from) ? 0 : 1;
    }
    case WM_NOTIFY: {
        LRESULT r = 0;
        if (lParam)
            onNotify(*reinterpret_cast<NotifyHeader*>(lParam), r);
        return r;
    }
    case WM_SIZE:
        onSize(static_cast<unsigned>(wParam), xFromLParam(lParam) & 0xffff,
               yFromLParam(lParam) & 0xffff);
        return 0;
    case WM_TIMER:
        onTimer(static_cast<unsigned>(wParam));
        return 0;
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_MOUSEWHEEL:
        // Unhandled, the wheel scrolls whatever contains the window.
        if (isChildWindow())
            if (Window* p = parent())
                return p->sendMessage(msg, wParam, lParam);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            sendMessage(WM_CLOSE);
        else if ((wParam & 0xFFF0) == SC_MAXIMIZE)
            showWindow(SW_MAXIMIZE);
        return 0;
    case WM_KEYDOWN:
        onKeyDown(static_cast<int>(wParam), static_cast<unsigned>(lParam & 0xffff));
        return 0;
    case WM_KEYUP:
        onKeyUp(static_cast<int>(wParam), static_cast<unsigned>(lParam & 0xffff));
        return 0;
    case WM_CHAR:
        onChar(static_cast<wchar_t>(wParam), static_cast<unsigned>(lParam & 0xffff));
        return 0;
    case WM_LBUTTONDOWN:
        onMouseDown(MouseButton::Left, static_cast<unsigned>(wParam), pointFrom(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        onMouseDown(MouseButton::Right, static_cast<unsigned>(wParam), pointFrom(lParam));
        return 0;
    case WM_LBUTTONUP:
        onMouseUp(MouseButton::Left, static_cast<unsigned>(wParam), pointFrom(lParam));
        return 0;
    case WM_RBUTTONUP:
        onMouseUp(MouseButton::Right, static_cast<unsigned>(wParam), pointFrom(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        onDoubleClick(MouseButton::Left, static_cast<unsigned>(wParam), pointFrom(lParam));
        return 0;
    case WM_RBUTTONDBLCLK:
        onDoubleClick(MouseButton::Right, static_cast<unsigned>(wParam), pointFrom(lParam));
        return 0;
    case WM_MOUSEMOVE:
        onMouseMove(static_cast<unsigned>(wParam), pointFrom(lParam));
        return 0;
    case WM_SETFOCUS:
        onSetFocus(a.fromHandle(Hwnd{static_cast<std::uint32_t>(wParam)}));
        return 0;
    case WM_KILLFOCUS:
        onKillFocus(a.fromHandle(Hwnd{static_cast<std::uint32_t>(wParam)}));
        return 0;
    case WM_GETMINMAXINFO:
        if (lParam)
            onGetMinMaxInfo(*reinterpret_cast<MinMaxInfo*>(lParam));
        return 0;
    case WM_SETCURSOR:
        return onSetCursor(a.fromHandle(Hwnd{static_cast<std::uint32_t>(wParam)}),
                           static_cast<std::int16_t>(loWord(static_cast<std::uintptr_t>(lParam))),
                           hiWord(static_cast<std::uintptr_t>(lParam)))
                   ? 1
                   : 0;
    case WM_SHOWWINDOW:
        onShowWindow(wParam != 0);
        return 0;
    case WM_ENABLE:
        onEnable(wParam != 0);
        return 0;
    case WM_SETTEXT:
        setWindowText(lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
        return 1;
    case WM_GETTEXT:
        if (lParam)
            *reinterpret_cast<std::wstring*>(lParam) = getWindowText();
        return static_cast<LRESULT>(getWindowText().size());
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(getWindowText().size());
    case WM_SETFONT:
        if (lParam)
            m_font = *reinterpret_cast<const FontSpec*>(lParam);
        return 0;
    case WM_GETDLGCODE:
        return static_cast<LRESULT>(getDlgCode());
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG:
        return lParam && onCtlColor(*reinterpret_cast<CtlColor*>(lParam)) ? 1 : 0;
    case WM_ERASEBKGND:
        return lParam && onEraseBkgnd(*reinterpret_cast<Canvas*>(lParam)) ? 1 : 0;
    case WM_PAINT:
        if (lParam)
            onPaint(*reinterpret_cast<Canvas*>(lParam));
        return 0;
    case WM_SETREDRAW:
        setRedraw(wParam != 0);
        return 0;
    default:
        return 0;
    }
}

bool Window::onCommand(int, int, Window*) {
    return false;
}
bool Window::onNotify(NotifyHeader&, LRESULT&) {
    return false;
}
void Window::onSize(unsigned, int, int) {}
void Window::onTimer(unsigned) {}
bool Window::onCtlColor(CtlColor&) {
    return false;
}
bool Window::onSetCursor(Window* window, int hitTest, unsigned mouseMsg) {
    // As the platform's default: the parent gets the first say.
    if (m_parent && (m_style & WS_CHILD))
        return m_parent->sendMessage(WM_SETCURSOR, window ? window->handle().value : 0,
                                     makeLParam(hitTest, static_cast<int>(mouseMsg))) != 0;
    return false;
}
void Window::onMouseDown(MouseButton, unsigned, Point) {}
void Window::onMouseUp(MouseButton, unsigned, Point) {}
void Window::onMouseMove(unsigned, Point) {}
void Window::onDoubleClick(MouseButton b, unsigned flags, Point p) {
    onMouseDown(b, flags, p);
}
void Window::onKeyDown(int, unsigned) {}
void Window::onKeyUp(int, unsigned) {}
void Window::onChar(wchar_t, unsigned) {}
void Window::onGetMinMaxInfo(MinMaxInfo&) {}
void Window::onClose() {
    destroyWindow();
}
void Window::onSetFocus(Window*) {}
void Window::onKillFocus(Window*) {}
void Window::onShowWindow(bool) {}
void Window::onEnable(bool) {}

void Window::notifyParent(int code) {
    Window* target = getParent();
    if (target && target->isWindow())
        target->sendMessage(WM_COMMAND,
                            makeWParam(static_cast<unsigned>(m_id), static_cast<unsigned>(code)),
                            static_cast<LPARAM>(m_handle.value));
}

LRESULT Window::notifyParentEx(NotifyHeader& header) {
    header.from = this;
    header.idFrom = m_id;
    Window* target = getParent();
    if (!target || !target->isWindow())
        return 0;
    return target->sendMessage(WM_NOTIFY, static_cast<WPARAM>(m_id),
                               reinterpret_cast<LPARAM>(&header));
}

CtlColor Window::queryCtlColor(int kind) {
    CtlColor c;
    c.control = this;
    c.kind = kind;
    unsigned msg = kind == CTLCOLOR_BTN       ? WM_CTLCOLORBTN
                   : kind == CTLCOLOR_EDIT    ? WM_CTLCOLOREDIT
                   : kind == CTLCOLOR_LISTBOX ? WM_CTLCOLORLISTBOX
                   : kind == CTLCOLOR_DLG     ? WM_CTLCOLORDLG
                                              : WM_CTLCOLORSTATIC;
    Window* target = kind == CTLCOLOR_DLG ? this : getParent();
    if (target && target->isWindow())
        target->sendMessage(msg, static_cast<WPARAM>(m_handle.value), reinterpret_cast<LPARAM>(&c));
    return c;
}

} // namespace ui
