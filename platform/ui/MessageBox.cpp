#include "platform/ui/MessageBox.h"

#include "platform/ui/Application.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Transcript.h"

#include <algorithm>

namespace ui {

namespace {

std::string oneLine(std::wstring_view text) {
    std::string s = toUtf8(text);
    std::string out;
    for (char c : s) {
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out;
}

} // namespace

std::vector<int> MessageBoxRequest::possibleResults() const {
    switch (buttons()) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int MessageBoxRequest::cancelResult() const {
    switch (buttons()) {
    case MB_OKCANCEL:
    case MB_YESNOCANCEL:
    case MB_RETRYCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    case MB_ABORTRETRYIGNORE:
        return IDABORT;
    default:
        return IDOK;
    }
}

std::string resultName(int id) {
    switch (id) {
    case IDOK:
        return "OK";
    case IDCANCEL:
        return "Cancel";
    case IDABORT:
        return "Abort";
    case IDRETRY:
        return "Retry";
    case IDIGNORE:
        return "Ignore";
    case IDYES:
        return "Yes";
    case IDNO:
        return "No";
    case IDCLOSE:
        return "Close";
    default:
        return std::to_string(id);
    }
}

int messageBox(Window* owner, std::wstring_view text, std::wstring_view caption, unsigned type) {
    Application& a = app();
    MessageBoxRequest req;
    req.owner = owner;
    req.text = text;
    req.caption = caption;
    req.type = type;
    std::string what = "message box [" + oneLine(caption) + "] " + oneLine(text);
    a.transcript().add(what);

    // The owner's top-level window is disabled while the box is up, as with any modal.
    WindowRef<Window> top(owner && owner->isWindow() ? owner->topLevel() : nullptr);
    bool reenable = top && top->isWindowEnabled();
    if (reenable)
        top->enableWindow(false);
    std::optional<int> answer;
    if (Driver* d = a.driver())
        answer = d->answerMessageBox(req);
    if (reenable && top)
        top->enableWindow(true);

    auto possible = req.possibleResults();
    int result;
    if (!answer) {
        result = req.cancelResult();
        a.reportFailure("unanswered " + what + ": answered " + resultName(result));
    } else if (std::find(possible.begin(), possible.end(), *answer) == possible.end()) {
        result = req.cancelResult();
        a.reportFailure(what + ": answer " + resultName(*answer) + " is not one of its buttons");
    } else {
        result = *answer;
    }
    a.transcript().add("  -> " + resultName(result));
    return result;
}

} // namespace ui
