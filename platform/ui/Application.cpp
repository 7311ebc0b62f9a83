#include "platform/ui/Application.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/Driver.h"

#include <algorithm>
#include <cstdio>

namespace ui {

Application::Application() = default;

Application& Application::instance() {
    static Application a;
    return a;
}

// ---- Clock and timers ----------------------------------------------------------------

unsigned Application::addTimer(Window* w, unsigned windowTimerId, unsigned elapse, TimerProc proc) {
    if (w)
        removeWindowTimer(w, windowTimerId);
    unsigned id = m_nextTimerId++;
    if (m_nextTimerId == 0)
        m_nextTimerId = 1;
    Timer t;
    t.id = id;
    t.window = w ? w->handle() : Hwnd{};
    t.windowTimerId = windowTimerId;
    t.elapse = std::max(1u, elapse);
    t.due = m_now + t.elapse;
    t.proc = std::move(proc);
    t.serial = ++m_timerSerial;
    m_timers[id] = std::move(t);
    return id;
}

unsigned Application::setThreadTimer(unsigned elapseMs, TimerProc proc) {
    return addTimer(nullptr, 0, elapseMs, std::move(proc));
}

bool Application::killThreadTimer(unsigned id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end() || it->second.window)
        return false;
    m_timers.erase(it);
    return true;
}

bool Application::removeWindowTimer(Window* w, unsigned windowTimerId) {
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->second.window && it->second.window == w->handle() &&
            it->second.windowTimerId == windowTimerId) {
            m_timers.erase(it);
            return true;
        }
    }
    return false;
}

void Application::removeTimersOf(Window* w) {
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->second.window && it->second.window == w->handle())
            it = m_timers.erase(it);
        else
            ++it;
    }
}

std::int64_t Application::nextTimerIn() const {
    std::int64_t best = -1;
    for (auto& [id, t] : m_timers) {
        std::int64_t in = t.due > m_now ? static_cast<std::int64_t>(t.due - m_now) : 0;
        if (best < 0 || in < best)
            best = in;
    }
    return best;
}

bool Application::fireNextDue(std::uint64_t limit) {
    Timer* next = nullptr;
    for (auto& [id, t] : m_timers) {
        if (t.running || t.due > limit)
            continue;
        if (!next || t.due < next->due || (t.due == next->due && t.serial < next->serial))
            next = &t;
    }
    if (!next)
        return false;
    m_now = std::max(m_now, next->due);
    next->due = m_now + next->elapse;
    next->serial = ++m_timerSerial;
    next->running = true;
    unsigned id = next->id;
    Hwnd window = next->window;
    unsigned windowTimerId = next->windowTimerId;
    TimerProc proc = next->proc; // a copy: the callback may kill its own timer
    if (window) {
        if (Window* w = fromHandle(window))
            w->sendMessage(WM_TIMER, windowTimerId);
    } else if (proc) {
        proc(id);
    }
    auto it = m_timers.find(id);
    if (it != m_timers.end())
        it->second.running = false;
    pumpMessages();
    return true;
}

void Application::advanceTime(std::uint64_t ms) {
    std::uint64_t target = m_now + ms;
    while (fireNextDue(target)) {
    }
    m_now = std::max(m_now, target);
    pumpMessages();
}

// ---- Queue and input ---------------------------------------------------------------------

void Application::postMessage(Window* target, unsigned msg, WPARAM w, LPARAM l) {
    m_queue.push_back(Posted{target ? target->handle() : Hwnd{}, msg, w, l});
}

void Application::pumpMessages() {
    // Bounded so that a window that re-posts to itself forever cannot hang a test: what
    // is queued now, plus a million messages posted while delivering.
    size_t budget = m_queue.size() + 1000000;
    while (!m_queue.empty() && budget-- > 0) {
        Posted p = m_queue.front();
        m_queue.pop_front();
        if (Window* w = fromHandle(p.target))
            w->sendMessage(p.message, p.wParam, p.lParam);
    }
    if (!m_queue.empty()) {
        m_queue.clear();
        reportFailure("message queue did not drain: a window keeps posting to itself");
    }
}

bool Application::dispatchInput(Message msg) {
    WindowRef<Window> target(msg.target);
    if (!target || !target->isWindow())
        return false;
    std::vector<WindowRef<Window>> chain;
    for (Window* w = msg.target; w; w = w->parent())
        chain.emplace_back(w);
    for (auto& ref : chain) {
        Window* w = ref.get();
        if (!w || !w->isWindow())
            continue;
        if (w->preTranslateMessage(msg))
            return true;
        if (!target)
            return true;
    }
    if (Window* t = target.get())
        t->sendMessage(msg.message, msg.wParam, msg.lParam);
    return false;
}

std::optional<Message> Application::takePendingInput() {
    if (m_pendingInput.empty())
        return std::nullopt;
    Message m = m_pendingInput.front();
    m_pendingInput.pop_front();
    return m;
}

Driver* Application::setDriver(Driver* driver) {
    Driver* old = m_driver;
    m_driver = driver;
    return old;
}

// ---- Focus, capture, keys ------------------------------------------------------------------

Window* Application::focus() const {
    return fromHandle(m_focus);
}

Window* Application::setFocus(Window* w) {
    Window* old = focus();
    if (w && (!w->isWindow() || !w->isWindowEnabled()))
        return old;
    if (old == w)
        return old;
    m_focus = w ? w->handle() : Hwnd{};
    if (w)
        m_foreground = w->topLevel()->handle();
    WindowRef<Window> next(w);
    if (old)
        old->sendMessage(WM_KILLFOCUS, w ? w->handle().value : 0);
    // A kill-focus handler may have moved the focus elsewhere or destroyed the window.
    if (next && focus() == next.get())
        next->sendMessage(WM_SETFOCUS, old && fromHandle(old->handle()) ? old->handle().value : 0);
    return old;
}

Window* Application::capture() const {
    return fromHandle(m_capture);
}
void Application::setCapture(Window* w) {
    m_capture = w ? w->handle() : Hwnd{};
}

short Application::keyState(int vk) const {
    auto it = m_keys.find(vk);
    return it != m_keys.end() && it->second ? kKeyDown : 0;
}

void Application::setKeyDown(int vk, bool down) {
    m_keys[vk] = down;
}

Window* Application::foregroundWindow() const {
    return fromHandle(m_foreground);
}
void Application::setForegroundWindow(Window* w) {
    m_foreground = w ? w->topLevel()->handle() : Hwnd{};
}

// ---- Windows --------------------------------------------------------------------------------

void Application::registerWindow(Window* w) {
    w->m_handle = Hwnd{++m_nextHandle};
    m_windows[w->m_handle.value] = w;
}

void Application::unregisterWindow(Window* w) {
    m_windows.erase(w->m_handle.value);
}

void Application::windowDestroyed(Window* w) {
    if (m_main == w->handle())
        m_main = Hwnd{};
    if (m_foreground == w->handle())
        m_foreground = Hwnd{};
}

Window* Application::fromHandle(Hwnd h) const {
    if (!h)
        return nullptr;
    auto it = m_windows.find(h.value);
    return it == m_windows.end() ? nullptr : it->second;
}

std::vector<Window*> Application::topLevelWindows() const {
    std::vector<Window*> out;
    for (auto& [h, w] : m_windows)
        if (!w->parent())
            out.push_back(w);
    return out;
}

Window* Application::mainWindow() const {
    return fromHandle(m_main);
}
void Application::setMainWindow(Window* w) {
    m_main = w ? w->handle() : Hwnd{};
}

bool Application::dialogColors(Color& background, Color& text) const {
    if (!m_dlgColorsSet)
        return false;
    background = m_dlgBk;
    text = m_dlgText;
    return true;
}

// ---- Failures ----------------------------------------------------------------------------

void Application::reportFailure(std::string message) {
    m_transcript.add("FAILURE: " + message);
    m_failures.push_back(std::move(message));
}

std::vector<std::string> Application::takeFailures() {
    std::vector<std::string> out;
    out.swap(m_failures);
    return out;
}

void Application::resetForTests() {
    m_timers.clear();
    m_queue.clear();
    m_pendingInput.clear();
    m_failures.clear();
    m_transcript.clear();
    m_keys.clear();
    m_focus = m_capture = m_foreground = m_main = Hwnd{};
    m_cursor = {};
    m_cursorKind = CursorKind::Arrow;
    m_now = 0;
    m_driver = nullptr;
    m_destroyFail = nullptr;
    m_maxModalSteps = 10000;
    m_screen = {1920, 1080};
    m_workArea = {0, 0, 1920, 1040};
    m_dlgColorsSet = false;
    m_resources.setDefaultModule(nullptr);
}

} // namespace ui
