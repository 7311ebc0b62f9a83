#pragma once
// Application: the one per-process state of the windowing layer.
//
// - Virtual clock and timers. now() starts at 0 and moves only through advanceTime()
//   (tests, scripts, the driver). advanceTime fires every timer that falls due, in due
//   order, with the clock set to each due time, so a 50 ms timer fires four times in
//   200 ms. Timers fire inside whatever loop calls advanceTime (a modal loop's driver
//   step, the host loop). A timer whose callback is still running is not fired again
//   re-entrantly; timers of destroyed windows die with them.
// - Thread timers: setThreadTimer(ms, callback) with a system-chosen id (never 0, never
//   reused), killThreadTimer(id).
// - Message queue: postMessage()d messages are delivered by pumpMessages(), by every
//   modal-loop turn and after every simulated input.
// - Focus, capture, cursor position, key state, foreground window.
// - The stack of running modal loops, the current Driver, the main window (default owner
//   of parentless modal dialogs), screen and work-area sizes (settable in tests).
// - Resources (ResourceRegistry), the transcript and the list of failures (an unanswered
//   modal, ...), which tests assert empty.

#include "platform/ui/Geometry.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Resources.h"
#include "platform/ui/Transcript.h"
#include "platform/ui/Window.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Dialog;
class Driver;

// Mouse cursor shapes (SetCursor); the live backend maps them, tests read them back.
enum class CursorKind {
    Arrow,
    IBeam,
    Wait,
    Cross,
    SizeAll,
    SizeNWSE,
    SizeNESW,
    SizeWE,
    SizeNS,
    Hand
};

using TimerProc = std::function<void(unsigned timerId)>;

class Application {
public:
    static Application& instance();

    // ---- Clock and timers ------------------------------------------------------------
    std::uint64_t now() const { return m_now; }
    void advanceTime(std::uint64_t ms);
    // Window-less timer; returns its id (never 0).
    unsigned setThreadTimer(unsigned elapseMs, TimerProc proc);
    bool killThreadTimer(unsigned id);
    int pendingTimerCount() const { return static_cast<int>(m_timers.size()); }
    // Time until the next timer falls due; -1 when none.
    std::int64_t nextTimerIn() const;

    // ---- Queue --------------------------------------------------------------------------
    void postMessage(Window* target, unsigned msg, WPARAM w, LPARAM l);
    // Delivers queued messages (those posted while delivering included).
    void pumpMessages();
    bool hasPostedMessages() const { return !m_queue.empty(); }

    // Delivers one input message through the filter chain (innermost first), then to the
    // target. Returns true when a filter consumed it. Used by Input.h.
    bool dispatchInput(Message msg);

    // ---- Driver ------------------------------------------------------------------------
    // The driver the layer asks: the live backend's when one runs, else the inner one.
    Driver* driver() const { return m_live ? m_live : m_driver; }
    Driver* setDriver(Driver* driver); // not owned; returns the previous inner one
    // The driver installed by setDriver (tests, the host's script driver). The live
    // backend passes to it what scripts and prompt lines do (docs/live.md).
    Driver* innerDriver() const { return m_driver; }
    void setLiveDriver(Driver* live) { m_live = live; } // not owned; null ends it

    // ---- Focus, capture, keys -----------------------------------------------------------
    Window* focus() const;
    Window* setFocus(Window* w); // see Window::setFocus
    Window* capture() const;
    void setCapture(Window* w);
    void releaseCapture() { setCapture(nullptr); }
    Point cursorPos() const { return m_cursor; }
    void setCursorPos(Point p) { m_cursor = p; }
    // GetKeyState: kKeyDown bit set while the key is held (VK_SHIFT, VK_CONTROL, VK_MENU).
    short keyState(int vk) const;
    void setKeyDown(int vk, bool down);
    Window* foregroundWindow() const;
    void setForegroundWindow(Window* w);
    // Everything runs on one user-interface thread: every window reports thread 1 and
    // attaching thread input is a no-op that succeeds.
    std::uint32_t windowThreadId(const Window*) const { return 1; }
    std::uint32_t currentThreadId() const { return 1; }
    bool attachThreadInput(std::uint32_t, std::uint32_t, bool) { return true; }
    // SetCursor; returns the previous shape.
    CursorKind setCursor(CursorKind c) {
        CursorKind old = m_cursorKind;
        m_cursorKind = c;
        return old;
    }
    CursorKind cursor() const { return m_cursorKind; }
    // Mouse-input hand-off for tracking loops: input queued by Input.h's drag functions,
    // taken by a handler that runs its own capture loop. nullopt when none is left.
    std::optional<Message> takePendingInput();
    void queuePendingInput(const Message& msg) { m_pendingInput.push_back(msg); }
    bool hasPendingInput() const { return !m_pendingInput.empty(); }

    // ---- Windows -------------------------------------------------------------------------
    Window* fromHandle(Hwnd h) const;
    bool isWindow(Hwnd h) const { return fromHandle(h) != nullptr; }
    int liveWindowCount() const { return static_cast<int>(m_windows.size()); }
    std::vector<Window*> topLevelWindows() const;
    Window* mainWindow() const;
    void setMainWindow(Window* w);
    // Test hook: return true to make that destroyWindow() call fail.
    void setDestroyFailHook(std::function<bool(Window&)> hook) { m_destroyFail = std::move(hook); }

    // ---- Modal loops ----------------------------------------------------------------------
    const std::vector<Dialog*>& modalStack() const { return m_modal; }
    int modalDepth() const { return static_cast<int>(m_modal.size()); }
    Dialog* activeModal() const { return m_modal.empty() ? nullptr : m_modal.back(); }
    // Safety bound: a modal loop that gets this many driver steps without ending fails.
    void setMaxModalSteps(int n) { m_maxModalSteps = n; }
    int maxModalSteps() const { return m_maxModalSteps; }

    // ---- Screen ---------------------------------------------------------------------------
    Size screenSize() const { return m_screen; } // full-screen client size
    Rect workArea() const { return m_workArea; }
    void setScreenSize(Size s) { m_screen = s; }
    void setWorkArea(const Rect& r) { m_workArea = r; }

    // ---- Application-wide dialog colours (launcher) -------------------------------------
    void setDialogColors(Color background, Color text) {
        m_dlgBk = background;
        m_dlgText = text;
        m_dlgColorsSet = true;
    }
    bool dialogColors(Color& background, Color& text) const;

    // ---- Resources, transcript, failures ------------------------------------------------
    ResourceRegistry& resources() { return m_resources; }
    Transcript& transcript() { return m_transcript; }
    void reportFailure(std::string message);
    const std::vector<std::string>& failures() const { return m_failures; }
    std::vector<std::string> takeFailures();

    // Back to a fresh state between tests: timers, queue, failures, transcript, key
    // state, capture, screen defaults, driver and hooks. Live windows are left alone
    // (tests check liveWindowCount() themselves).
    void resetForTests();

private:
    friend class Window;
    friend class Dialog;
    Application();

    struct Timer {
        unsigned id = 0;
        Hwnd window; // empty for thread timers
        unsigned windowTimerId = 0;
        std::uint64_t due = 0;
        unsigned elapse = 1;
        TimerProc proc;
        bool running = false;
        std::uint64_t serial = 0;
    };
    unsigned addTimer(Window* w, unsigned windowTimerId, unsigned elapse, TimerProc proc);
    bool removeWindowTimer(Window* w, unsigned windowTimerId);
    void removeTimersOf(Window* w);
    bool fireNextDue(std::uint64_t limit);
    void registerWindow(Window* w);
    void unregisterWindow(Window* w);
    void windowDestroyed(Window* w);
    bool destroyRefused(Window& w) { return m_destroyFail && m_destroyFail(w); }

    std::uint64_t m_now = 0;
    std::map<unsigned, Timer> m_timers; // by internal id
    unsigned m_nextTimerId = 1;
    std::uint64_t m_timerSerial = 0;
    struct Posted {
        Hwnd target;
        unsigned message;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::deque<Posted> m_queue;
    std::deque<Message> m_pendingInput;
    Driver* m_driver = nullptr;
    Driver* m_live = nullptr;
    Hwnd m_focus;
    Hwnd m_capture;
    Hwnd m_foreground;
    Hwnd m_main;
    Point m_cursor;
    CursorKind m_cursorKind = CursorKind::Arrow;
    std::map<int, bool> m_keys;
    std::map<std::uint32_t, Window*> m_windows;
    std::uint32_t m_nextHandle = 0x100;
    std::vector<Dialog*> m_modal;
    int m_maxModalSteps = 10000;
    Size m_screen{1920, 1080};
    Rect m_workArea{0, 0, 1920, 1040};
    Color m_dlgBk;
    Color m_dlgText;
    bool m_dlgColorsSet = false;
    ResourceRegistry m_resources;
    Transcript m_transcript;
    std::vector<std::string> m_failures;
    std::function<bool(Window&)> m_destroyFail;
};

inline Application& app() {
    return Application::instance();
}

// Win32-like conveniences.
inline short getKeyState(int vk) {
    return app().keyState(vk);
}
inline Point getCursorPos() {
    return app().cursorPos();
}

} // namespace ui
