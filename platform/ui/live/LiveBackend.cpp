#include "platform/ui/live/LiveBackend.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBoxDialog.h"
#include "platform/ui/Transcript.h"
#include "platform/ui/live/LiveDriver.h"
#include "platform/ui/live/LiveInternals.h"

#include <glib-unix.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <poll.h>

namespace ui::live {

namespace {

struct State {
    bool running = false;
    bool person = false;
    int promptFd = -1;
    std::function<bool()> promptBuffered;
    gint64 lastRealMs = 0;
    std::unique_ptr<LiveDriver> driver;
    int savedMaxSteps = 0;
};

State& state() {
    static State s;
    return s;
}

gint64 realMs() {
    return g_get_monotonic_time() / 1000;
}

bool readable(int fd) {
    if (fd < 0)
        return false;
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLIN | POLLHUP | POLLERR));
}

gboolean clearSource(gpointer data) {
    *static_cast<guint*>(data) = 0;
    return G_SOURCE_REMOVE;
}

gboolean clearFdSource(gint, GIOCondition, gpointer data) {
    *static_cast<guint*>(data) = 0;
    return G_SOURCE_REMOVE;
}

// The virtual clock follows the real one: it moves by the real time that passed, so a
// script's "wait" before the person took over stays counted.
void followClock() {
    State& s = state();
    const gint64 now = realMs();
    const gint64 passed = now - s.lastRealMs;
    s.lastRealMs = now;
    if (s.person && passed > 0)
        app().advanceTime(static_cast<std::uint64_t>(passed));
}

} // namespace

std::string utf8(std::wstring_view text) {
    return toUtf8(text);
}
std::wstring wide(const char* utf8Text) {
    return utf8Text ? fromUtf8(utf8Text) : std::wstring();
}

bool personMode() {
    return state().person;
}
int promptFd() {
    return state().promptFd;
}
bool promptHasInput() {
    State& s = state();
    return (s.promptBuffered && s.promptBuffered()) || readable(s.promptFd);
}

void turn(bool block, int fd) {
    guint timer = 0;
    guint watch = 0;
    if (block) {
        const std::int64_t next = app().nextTimerIn();
        if (next == 0)
            block = false;
        else if (next > 0)
            timer = g_timeout_add(static_cast<guint>(std::min<std::int64_t>(next, INT_MAX)),
                                  clearSource, &timer);
        if (fd >= 0)
            watch = g_unix_fd_add(fd, static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                                  clearFdSource, &watch);
    }
    g_main_context_iteration(nullptr, block ? TRUE : FALSE);
    // Whatever else is ready now, without waiting again.
    for (int i = 0; i < 100 && g_main_context_iteration(nullptr, FALSE); ++i) {
    }
    if (timer)
        g_source_remove(timer);
    if (watch)
        g_source_remove(watch);
    followClock();
    app().pumpMessages();
}

// ---- The driver ----------------------------------------------------------------------

DriverStep LiveDriver::modalStep(Dialog& dialog) {
    Driver* inner = app().innerDriver();
    screen().sync();
    if (!personMode()) {
        turn(false, -1);
        return inner ? inner->modalStep(dialog) : DriverStep::Idle;
    }
    if (inner && promptHasInput()) {
        DriverStep step = inner->modalStep(dialog);
        screen().markAllDirty();
        return step;
    }
    turn(true, promptFd());
    return DriverStep::Acted;
}

void LiveDriver::windowShown(Window& window) {
    if (Driver* inner = app().innerDriver())
        inner->windowShown(window);
}

std::optional<int> LiveDriver::answerMessageBox(const MessageBoxRequest& request) {
    Driver* inner = app().innerDriver();
    if (!personMode())
        return inner ? inner->answerMessageBox(request) : std::nullopt;
    MessageBoxDialog box(request);
    const int result = box.doModal();
    // Cancelled from outside (the input ended): the box's own "nothing chosen" answer.
    const auto possible = request.possibleResults();
    if (std::find(possible.begin(), possible.end(), result) == possible.end())
        return request.cancelResult();
    return result;
}

std::optional<std::optional<std::wstring>>
LiveDriver::answerFileDialog(const FileDialogRequest& request) {
    if (!personMode()) {
        Driver* inner = app().innerDriver();
        return inner ? inner->answerFileDialog(request) : std::nullopt;
    }
    return runFileDialog(request);
}

std::optional<std::optional<Color>> LiveDriver::answerColorDialog(const ColorDialogRequest& r) {
    if (!personMode()) {
        Driver* inner = app().innerDriver();
        return inner ? inner->answerColorDialog(r) : std::nullopt;
    }
    return runColorDialog(r);
}

std::optional<std::optional<FontDialogResult>>
LiveDriver::answerFontDialog(const FontDialogRequest& r) {
    if (!personMode()) {
        Driver* inner = app().innerDriver();
        return inner ? inner->answerFontDialog(r) : std::nullopt;
    }
    return runFontDialog(r);
}

std::optional<std::optional<PrintDialogResult>>
LiveDriver::answerPrintDialog(const PrintDialogRequest& r) {
    Driver* inner = app().innerDriver();
    if (!personMode() || r.kind == PrintDialogKind::ReturnDefault)
        return inner ? inner->answerPrintDialog(r) : std::nullopt;
    return runPrintDialog(r);
}

bool LiveDriver::sendToPrinter(const PrintDialogResult& printed, const std::wstring& jobName) {
    // Only what GTK's dialog chose goes to a real printer; the PDF printer's file is the
    // output itself.
    if (printed.deviceMode.printerName == L"PDF") {
        Driver* inner = app().innerDriver();
        return inner ? inner->sendToPrinter(printed, jobName) : true;
    }
    return sendPdfToPrinter(printed, jobName);
}

std::optional<int> LiveDriver::choosePopupMenuItem(const PopupMenuRequest& r) {
    if (!personMode()) {
        Driver* inner = app().innerDriver();
        return inner ? inner->choosePopupMenuItem(r) : std::nullopt;
    }
    return runPopupMenu(r);
}

// ---- Start and end -------------------------------------------------------------------

bool start(std::string& why) {
    State& s = state();
    if (s.running)
        return true;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        why = "no display (DISPLAY is not set)";
        return false;
    }
    gdk_set_allowed_backends("x11");
    int argc = 0;
    char** argv = nullptr;
    if (!gtk_init_check(&argc, &argv)) {
        why = std::string("cannot open the display ") + display;
        return false;
    }
    // The model's screen is the real one, so dialogs centre where a person looks.
    if (GdkDisplay* d = gdk_display_get_default()) {
        GdkMonitor* m = gdk_display_get_primary_monitor(d);
        if (!m)
            m = gdk_display_get_monitor(d, 0);
        if (m) {
            GdkRectangle g{}, work{};
            gdk_monitor_get_geometry(m, &g);
            gdk_monitor_get_workarea(m, &work);
            app().setScreenSize({g.width, g.height});
            app().setWorkArea(Rect::fromSize(work.x, work.y, work.width, work.height));
        }
    }
    s.running = true;
    s.lastRealMs = realMs();
    s.driver = std::make_unique<LiveDriver>();
    s.savedMaxSteps = app().maxModalSteps();
    // A person may take as long as they like.
    app().setMaxModalSteps(INT_MAX);
    app().setLiveDriver(s.driver.get());
    startClipboard();
    app().transcript().add("live windows on display " + std::string(display));
    return true;
}

bool running() {
    return state().running;
}

void stop() {
    State& s = state();
    if (!s.running)
        return;
    screen().closeAll();
    stopClipboard();
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    app().setLiveDriver(nullptr);
    app().setMaxModalSteps(s.savedMaxSteps);
    s.driver.reset();
    s.running = false;
    s.person = false;
}

void setPrompt(int fd, std::function<bool()> hasBufferedLine) {
    state().promptFd = fd;
    state().promptBuffered = std::move(hasBufferedLine);
}

bool waitReadable(int fd) {
    State& s = state();
    if (!s.running)
        return false;
    if (!s.person) {
        s.person = true;
        s.lastRealMs = realMs();
    }
    screen().markAllDirty();
    for (;;) {
        screen().sync();
        if (readable(fd))
            return true;
        turn(true, fd);
    }
}

} // namespace ui::live
