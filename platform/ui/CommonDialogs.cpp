#include "platform/ui/CommonDialogs.h"

#include "platform/ui/Application.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Transcript.h"

#include <cstdio>

namespace ui {

namespace {

// Runs one common-dialog request through the driver with the owner disabled meanwhile.
template <class R, class Ask>
std::optional<R> ask(Window* owner, const std::string& what, Ask askDriver) {
    Application& a = app();
    a.transcript().add(what);
    WindowRef<Window> top(owner && owner->isWindow() ? owner->topLevel() : nullptr);
    bool reenable = top && top->isWindowEnabled();
    if (reenable)
        top->enableWindow(false);
    std::optional<std::optional<R>> answer;
    if (Driver* d = a.driver())
        answer = askDriver(*d);
    if (reenable && top)
        top->enableWindow(true);
    if (!answer) {
        a.reportFailure("unanswered " + what + ": cancelled");
        a.transcript().add("  -> cancelled");
        return std::nullopt;
    }
    if (!*answer)
        a.transcript().add("  -> cancelled");
    return *answer;
}

std::string hex(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

} // namespace

std::optional<std::wstring> fileDialog(const FileDialogRequest& request) {
    std::string what = std::string(request.mode == FileDialogMode::Open ? "open" : "save") +
                       " file dialog \"" + toUtf8(request.title) + "\"";
    auto r = ask<std::wstring>(request.owner, what,
                               [&](Driver& d) { return d.answerFileDialog(request); });
    if (r)
        app().transcript().add("  -> " + toUtf8(*r));
    return r;
}

std::optional<Color> colorDialog(const ColorDialogRequest& request) {
    auto r = ask<Color>(request.owner, "colour dialog " + hex(request.initial),
                        [&](Driver& d) { return d.answerColorDialog(request); });
    if (r)
        app().transcript().add("  -> " + hex(*r));
    return r;
}

std::optional<FontDialogResult> fontDialog(const FontDialogRequest& request) {
    auto r = ask<FontDialogResult>(request.owner,
                                   "font dialog \"" + toUtf8(request.initial.faceName) + "\"",
                                   [&](Driver& d) { return d.answerFontDialog(request); });
    if (r)
        app().transcript().add("  -> " + toUtf8(r->font.faceName) + " " +
                               std::to_string(r->font.height) + " weight " +
                               std::to_string(r->font.weight));
    return r;
}

std::optional<PrintDialogResult> printDialog(const PrintDialogRequest& request) {
    if (request.kind == PrintDialogKind::ReturnDefault) {
        // No user interface: the default printer's settings, always available.
        PrintDialogResult r;
        r.deviceMode = DeviceMode{};
        app().transcript().add("default printer: " + toUtf8(r.deviceMode.printerName));
        return r;
    }
    std::string what =
        request.kind == PrintDialogKind::Setup ? "print setup dialog" : "print dialog";
    auto r = ask<PrintDialogResult>(request.owner, what,
                                    [&](Driver& d) { return d.answerPrintDialog(request); });
    if (r) {
        std::string range =
            r->range == PrintRange::All ? "all"
            : r->range == PrintRange::Selection
                ? "selection"
                : "pages " + std::to_string(r->fromPage) + "-" + std::to_string(r->toPage);
        app().transcript().add("  -> " + toUtf8(r->deviceMode.printerName) + ", " + range +
                               (r->deviceMode.landscape ? ", landscape" : ", portrait"));
    }
    return r;
}

bool sendPrintJob(const PrintDialogResult& printed, const std::wstring& jobName) {
    Application& a = app();
    Driver* d = a.driver();
    const bool sent = d ? d->sendToPrinter(printed, jobName) : true;
    a.transcript().add("print job \"" + toUtf8(jobName) + "\" -> " +
                       toUtf8(printed.deviceMode.printerName) + (sent ? "" : ": refused"));
    return sent;
}

} // namespace ui
