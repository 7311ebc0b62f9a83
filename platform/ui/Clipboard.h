#pragma once
// The clipboard, text only (what the controls copy and paste). Without a backend the
// text is kept in memory for the whole process, so headless runs and tests copy and
// paste between controls as before; the live front-end installs a backend that puts it
// on the system clipboard, where other programs find it.

#include <optional>
#include <string>
#include <string_view>

namespace ui {

class ClipboardBackend {
public:
    virtual ~ClipboardBackend() = default;
    virtual void setText(std::wstring_view text) = 0;
    // The clipboard's text; nullopt when it holds none.
    virtual std::optional<std::wstring> text() = 0;
};

void setClipboardText(std::wstring_view text);
// Empty when the clipboard holds no text.
std::wstring clipboardText();
// Null: back to the in-memory clipboard (which keeps what it held).
void setClipboardBackend(ClipboardBackend* backend);

} // namespace ui
