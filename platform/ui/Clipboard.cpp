#include "platform/ui/Clipboard.h"

namespace ui {

namespace {

struct ClipboardState {
    std::wstring text;
    ClipboardBackend* backend = nullptr;
};

ClipboardState& state() {
    static ClipboardState s;
    return s;
}

} // namespace

void setClipboardText(std::wstring_view text) {
    ClipboardState& s = state();
    if (s.backend)
        s.backend->setText(text);
    else
        s.text = text;
}

std::wstring clipboardText() {
    ClipboardState& s = state();
    if (s.backend)
        return s.backend->text().value_or(std::wstring());
    return s.text;
}

void setClipboardBackend(ClipboardBackend* backend) {
    state().backend = backend;
}

} // namespace ui
