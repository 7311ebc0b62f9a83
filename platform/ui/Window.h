#pragma once
// Window: one node of the retained window model.
//
// Object and window are distinct, as on the product's platform: a Window object exists
// as a C++ object; it *is a window* between create() and destroyWindow(). Destroying the
// window leaves the object usable (isWindow() false); deleting the object destroys its
// window first.
//
// Ownership. A parent owns the child windows it created itself (from a dialog template
// or createChild()); those objects are deleted when their window is destroyed. A child
// object created by the caller (a member control, a page dialog) or attached through
// subclassDlgItem() stays the caller's: its window is destroyed with the parent, the
// object is not deleted. Top-level windows (dialogs, the host's main window) belong to
// whoever created them.
//
// Coordinates. rect() is the window rectangle in the parent's client coordinates (screen
// coordinates for a top-level window). The client area is the window rectangle minus the
// non-client frame (see nonClientInsets()), with its origin at (0,0).
//
// Messages. sendMessage() calls windowProc() synchronously; the default windowProc calls
// onMessage() first (any number), then the typed handlers below. Every dispatch path
// tolerates a handler that destroys and deletes its own window: nothing touches the
// object afterwards.

#include "platform/ui/Geometry.h"
#include "platform/ui/Image.h"
#include "platform/ui/Messages.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Canvas;
class Menu;
class Dialog;

// A window's handle: a number that is never reused within the process, so that a stored
// handle of a destroyed window is recognisably dead (Application::fromHandle returns null).
struct Hwnd {
    std::uint32_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend bool operator==(const Hwnd&, const Hwnd&) = default;
};

// Font of a window or dialog template. Point size, face, weight 400 normal / 700 bold.
struct FontSpec {
    int pointSize = 8;
    std::wstring face = L"MS Shell Dlg";
    int weight = 400;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// WM_NOTIFY payload. Controls send a NotifyHeader (or a struct that starts with one).
struct NotifyHeader {
    Window* from = nullptr;
    int idFrom = 0;
    int code = 0;
};

// List view notifications (LVN_ITEMCHANGED, NM_CLICK, NM_DBLCLK, LVN_COLUMNCLICK).
struct NotifyListView {
    NotifyHeader hdr;
    int item = -1;
    int subItem = 0;
    unsigned newState = 0;
    unsigned oldState = 0;
    bool checkChanged = false; // the item's check box toggled (LVS_EX_CHECKBOXES)
};

// WM_GETMINMAXINFO. The window fills what it wants to limit; zeros mean "no limit".
struct MinMaxInfo {
    Size maxSize;
    Point maxPosition;
    Size minTrackSize;
    Size maxTrackSize;
};

// WM_CTLCOLOR*: the parent decides how a child control paints its text and background.
enum class BrushKind { Default, Hollow, Solid };
struct CtlColor {
    Window* control = nullptr;
    int kind = CTLCOLOR_STATIC;     // CTLCOLOR_STATIC, CTLCOLOR_BTN, CTLCOLOR_EDIT, ...
    bool transparentText = false;   // SetBkMode(TRANSPARENT)
    std::optional<Color> textColor; // SetTextColor
    std::optional<Color> bkColor;   // SetBkColor
    BrushKind brush = BrushKind::Default;
    Color brushColor; // when brush == Solid
};

enum class MouseButton { Left, Right };

class Window {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // ---- Creation and destruction ---------------------------------------------------
    // Creates the window of this object. Class names are matched case-insensitively and
    // stored in their canonical spelling ("EDIT" -> "Edit"). A WS_CHILD window needs a
    // parent; a top-level window takes `parent` as its owner. Sends WM_CREATE, then
    // WM_SIZE (SIZE_RESTORED). Fails (false) when the object already has a window, or a
    // child style has no live parent.
    bool create(std::wstring_view className, std::wstring_view text, unsigned style,
                const Rect& rect, Window* parent, int id, unsigned exStyle = 0);

    // Creates a control of a registered class (WindowClassRegistry) as a child owned by
    // `parent`. Returns the new child or null (unknown class, dead parent).
    static Window* createChild(std::wstring_view className, std::wstring_view text, unsigned style,
                               unsigned exStyle, const Rect& rect, Window* parent, int id);

    // Destroys the window: owned top-level windows first, then WM_DESTROY to this window
    // (its children are still there to be read), then its children (each gets WM_DESTROY
    // in turn), then the window is gone. Owned child objects are deleted; others stay.
    // Returns false when the object has no window or the application's destroy-failure
    // hook refuses it (tests use that hook to simulate a failing destruction).
    bool destroyWindow();
    bool isWindow() const { return m_created; }
    Hwnd handle() const { return m_handle; }

    // Makes `this` the object behind an existing child control `id` of `parent`: the
    // control's state (id, class, text, rectangle, styles, visible, enabled, focus and
    // the control's own state) moves over; the old object is deleted. The object stays
    // the caller's. False when the item is missing or this object already has a window.
    bool subclassDlgItem(int id, Window* parent);

    // ---- Identity and text ------------------------------------------------------------
    int id() const { return m_id; }
    int getDlgCtrlID() const { return m_id; }
    void setDlgCtrlID(int id) { m_id = id; }
    const std::wstring& className() const { return m_className; }
    std::wstring text() const { return getWindowText(); }
    virtual std::wstring getWindowText() const;
    virtual void setWindowText(std::wstring_view text);
    int getWindowTextLength() const { return static_cast<int>(getWindowText().size()); }

    // ---- Styles -----------------------------------------------------------------------
    unsigned style() const { return m_style; }
    unsigned exStyle() const { return m_exStyle; }
    bool modifyStyle(unsigned remove, unsigned add);
    bool modifyStyleEx(unsigned remove, unsigned add);
    bool isChildWindow() const { return (m_style & WS_CHILD) != 0; }

    // ---- Geometry ----------------------------------------------------------------------
    const Rect& rect() const { return m_rect; } // window rect in parent client coords
    Rect getWindowRect() const;                 // window rect in screen coords
    Rect getClientRect() const;                 // (0,0,w,h) of the client area
    Rect nonClientInsets() const;               // frame widths: left, top, right, bottom
    Point clientToScreen(Point p) const;
    Point screenToClient(Point p) const;
    Rect clientToScreen(const Rect& r) const;
    Rect screenToClient(const Rect& r) const;
    // Maps a rectangle from this window's client coordinates to `to`'s (screen if null).
    Rect mapWindowPoints(const Window* to, const Rect& r) const;
    // Moves and sizes; `r` in parent client coords. Sends WM_SIZE when the size changed
    // (and the first time a window gets its size, see create()).
    void moveWindow(const Rect& r, bool repaint = true);
    void moveWindow(int x, int y, int cx, int cy, bool repaint = true) {
        moveWindow(Rect::fromSize(x, y, cx, cy), repaint);
    }
    // SetWindowPos: SWP_NOMOVE, SWP_NOSIZE, SWP_NOZORDER, SWP_SHOWWINDOW, SWP_HIDEWINDOW.
    // insertAfter (when not SWP_NOZORDER): place after that sibling; null = top.
    bool setWindowPos(Window* insertAfter, int x, int y, int cx, int cy, unsigned flags);

    // ---- Visibility, enabled, placement ---------------------------------------------
    // SW_HIDE, SW_SHOW*, SW_MAXIMIZE (fills the work area; WM_SIZE SIZE_MAXIMIZED),
    // SW_RESTORE. Returns whether the window was visible before.
    bool showWindow(int cmd);
    bool isWindowVisible() const; // this window and every ancestor shown
    bool isShown() const { return (m_style & WS_VISIBLE) != 0; }
    bool enableWindow(bool enable); // returns whether it was disabled before
    bool isWindowEnabled() const { return (m_style & WS_DISABLED) == 0; }
    bool isMaximized() const { return m_maximized; }

    // ---- Tree ----------------------------------------------------------------------
    Window* parent() const { return m_parent; } // tree parent (null for top level)
    Window* owner() const { return m_owner; }   // owner of a top-level window
    Window* getParent() const { return m_parent ? m_parent : m_owner; } // as GetParent
    Window* topLevel(); // this or the top-level ancestor
    const std::vector<Window*>& children() const { return m_children; } // z-order, top first
    Window* getDlgItem(int id) const;                                   // direct child with that id
    Window* findDescendant(int id) const; // depth-first, this excluded
    bool isChild(const Window* w) const;  // w is a descendant of this
    // Nearest ancestor-or-self that is a Dialog (pages count), or null.
    Dialog* owningDialog();

    // ---- Focus ----------------------------------------------------------------------
    // Gives this window the keyboard focus (WM_KILLFOCUS to the old, WM_SETFOCUS to the
    // new). Returns the previous focus window. Hidden or disabled windows cannot take it.
    Window* setFocus();
    bool hasFocus() const;
    static Window* getFocus();

    // ---- Messages -----------------------------------------------------------------------
    LRESULT sendMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message; the running loop (or the next simulated input) delivers it.
    bool postMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Filter for queued input (keys, chars, mouse) addressed to this window or one of its
    // descendants. Offered innermost first (target, then each ancestor); return true to
    // consume. Dialog's implementation runs the dialog manager (see Dialog).
    virtual bool preTranslateMessage(Message& msg);
    // WM_GETDLGCODE: which keys the control wants instead of the dialog manager.
    virtual unsigned getDlgCode() const { return 0; }

    // ---- Timers (virtual clock, see Application) -------------------------------------
    // Sets (or resets) window timer `id`; WM_TIMER arrives as onTimer(id). Returns id.
    unsigned setTimer(unsigned id, unsigned elapseMs);
    bool killTimer(unsigned id);

    // ---- Appearance --------------------------------------------------------------------
    void setFont(const FontSpec& font, bool redraw = true);
    const FontSpec& font() const { return m_font; }
    // Window icon (WM_SETICON). An empty image removes it.
    void setIcon(const Image& icon) { m_icon = icon; }
    const Image& icon() const { return m_icon; }
    // Tooltip text shown for this control; empty = none.
    void setTooltip(std::wstring_view text) { m_tooltip = text; }
    const std::wstring& tooltip() const { return m_tooltip; }
    // Menu bar of a top-level window; the window keeps the pointer (caller owns the menu).
    void setMenu(Menu* menu);
    Menu* getMenu() const { return m_menu; }
    void drawMenuBar() { invalidate(); }
    // Invalidation is counted (tests and the live backend read it). setRedraw(false)
    // suspends invalidation until setRedraw(true), which invalidates once.
    void invalidate(bool erase = true);
    void updateWindow() {}
    void redrawWindow() { invalidate(); }
    void setRedraw(bool redraw);
    bool redrawSuspended() const { return m_redrawSuspended; }
    int invalidateCount() const { return m_invalidateCount; }

    // ---- Dialog-item helpers (available on every window, as on the platform) ----------
    bool setDlgItemText(int id, std::wstring_view text);
    std::wstring getDlgItemText(int id) const;
    bool checkDlgButton(int id, int check);
    int isDlgButtonChecked(int id) const;
    // Checks `idCheck` and clears the others of the range first..last.
    bool checkRadioButton(int first, int last, int idCheck);
    LRESULT sendDlgItemMessage(int id, unsigned msg, WPARAM w = 0, LPARAM l = 0);
    // Modal message box owned by this window (see MessageBox.h).
    int messageBox(std::wstring_view text, std::wstring_view caption = {}, unsigned type = MB_OK);

    // ---- Painting --------------------------------------------------------------------
    // Paints this window and its visible children into `canvas`, whose origin is this
    // window's client origin. Used by snapshots; the order is erase, paint, children.
    void paintTree(Canvas& canvas);

    // The deepest visible, enabled child that takes mouse input at a client point
    // (statics without SS_NOTIFY and group boxes are transparent); this when none.
    Window* childFromPoint(Point client);
    // True for windows that let mouse input fall through to their parent.
    virtual bool hitTransparent() const { return false; }

protected:
    // The message procedure. Derived classes usually override the typed handlers or
    // onMessage(); controls override windowProc for their control messages.
    virtual LRESULT windowProc(unsigned msg, WPARAM wParam, LPARAM lParam);
    LRESULT defWindowProc(unsigned msg, WPARAM wParam, LPARAM lParam);

    // Any message, before the typed handlers; return true and set `result` to handle it.
    virtual bool onMessage(unsigned msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    virtual void onCreate() {}
    // WM_COMMAND from a control (code = notification), a menu or an accelerator
    // (from = null). Return true when handled.
    virtual bool onCommand(int id, int code, Window* from);
    // WM_NOTIFY; return true when handled (result goes back to the control).
    virtual bool onNotify(NotifyHeader& header, LRESULT& result);
    virtual void onSize(unsigned type, int cx, int cy);
    virtual void onDestroy() {}
    virtual void onTimer(unsigned id);
    virtual void onPaint(Canvas& canvas);
    // Return true when the background was erased (default erase is skipped).
    virtual bool onEraseBkgnd(Canvas& canvas);
    // A child asks how to colour itself; return true when `color` was filled in.
    virtual bool onCtlColor(CtlColor& color);
    virtual bool onSetCursor(Window* window, int hitTest, unsigned mouseMsg);
    virtual void onMouseDown(MouseButton button, unsigned flags, Point client);
    virtual void onMouseUp(MouseButton button, unsigned flags, Point client);
    virtual void onMouseMove(unsigned flags, Point client);
    virtual void onDoubleClick(MouseButton button, unsigned flags, Point client);
    virtual void onKeyDown(int vk, unsigned repeat);
    virtual void onKeyUp(int vk, unsigned repeat);
    virtual void onChar(wchar_t ch, unsigned repeat);
    virtual void onGetMinMaxInfo(MinMaxInfo& info);
    virtual void onClose();
    virtual void onSetFocus(Window* oldFocus);
    virtual void onKillFocus(Window* newFocus);
    virtual void onShowWindow(bool show);
    virtual void onEnable(bool enable);

    // Hands the control's own state to the object taking over (subclassDlgItem).
    // Controls override it to copy their state; call the base.
    virtual void adoptState(Window& from);

    // Sends WM_COMMAND(id, code) to the parent (or owner); the standard control
    // notification.
    void notifyParent(int code);
    // Sends WM_NOTIFY to the parent with `header` filled with this control's id.
    LRESULT notifyParentEx(NotifyHeader& header);

    // Asks the parent for this control's colours (WM_CTLCOLOR*); `ctl.kind` set by caller.
    CtlColor queryCtlColor(int kind);

private:
    friend class Application;
    friend class Dialog;
    friend class DeferWindowPos;
    friend struct WindowInternals;

    void linkChild(Window* child, std::unique_ptr<Window> owned, Window* after = nullptr);
    std::unique_ptr<Window> unlinkChild(Window* child);
    void applyRect(const Rect& r, bool forceSize);
    void destroyChildren();

    std::wstring m_className;
    std::wstring m_text;
    int m_id = 0;
    unsigned m_style = 0;
    unsigned m_exStyle = 0;
    Rect m_rect;
    Rect m_restoreRect;
    bool m_created = false;
    bool m_destroying = false;
    bool m_maximized = false;
    bool m_sized = false;
    bool m_redrawSuspended = false;
    bool m_destroyFailAllowed = true;
    int m_invalidateCount = 0;
    Hwnd m_handle;
    Window* m_parent = nullptr;
    Window* m_owner = nullptr;
    std::vector<Window*> m_children;
    std::vector<std::unique_ptr<Window>> m_ownedChildren;
    FontSpec m_font;
    Image m_icon;
    std::wstring m_tooltip;
    Menu* m_menu = nullptr;

public:
    // Liveness token for code that must survive a handler deleting the window.
    std::shared_ptr<Window*> lifeToken() const { return m_life; }

private:
    std::shared_ptr<Window*> m_life;
};

// A weak reference that turns null when the object is deleted.
template <class T = Window> class WindowRef {
public:
    WindowRef() = default;
    WindowRef(T* w) : m_token(w ? w->lifeToken() : nullptr) {} // NOLINT: implicit on purpose
    T* get() const { return m_token && *m_token ? static_cast<T*>(*m_token) : nullptr; }
    explicit operator bool() const { return get() != nullptr; }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }

private:
    std::shared_ptr<Window*> m_token;
};

} // namespace ui
