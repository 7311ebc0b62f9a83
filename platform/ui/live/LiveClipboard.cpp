// The model's clipboard on the system clipboard (CLIPBOARD selection, UTF-8 text), so
// blocks copied from a grid paste into other programs and back.
#include "platform/ui/Clipboard.h"
#include "platform/ui/live/LiveInternals.h"

namespace ui::live {

namespace {

class SystemClipboard : public ClipboardBackend {
public:
    void setText(std::wstring_view text) override {
        // Lines end in a bare line feed for the programs of this system.
        std::wstring lf;
        lf.reserve(text.size());
        for (size_t i = 0; i < text.size(); ++i)
            if (!(text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n'))
                lf += text[i];
        const std::string bytes = utf8(lf);
        gtk_clipboard_set_text(board(), bytes.data(), static_cast<gint>(bytes.size()));
    }
    std::optional<std::wstring> text() override {
        // Waits for the owner's answer (GTK runs its loop meanwhile; our handlers may
        // run, so the real windows are kept until they have returned).
        HandlerScope scope;
        gchar* t = gtk_clipboard_wait_for_text(board());
        if (!t)
            return std::nullopt;
        std::wstring out = wide(t);
        g_free(t);
        return out;
    }

private:
    static GtkClipboard* board() { return gtk_clipboard_get(GDK_SELECTION_CLIPBOARD); }
};

SystemClipboard& systemClipboard() {
    static SystemClipboard c;
    return c;
}

} // namespace

void startClipboard() {
    setClipboardBackend(&systemClipboard());
}

void stopClipboard() {
    setClipboardBackend(nullptr);
}

} // namespace ui::live
