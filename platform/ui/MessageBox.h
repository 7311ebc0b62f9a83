#pragma once
// Message boxes. A message box is a modal window answered by the Driver; the layer records
// it (and its answer) in the transcript. With no driver answer the box fails the run
// (Application::failures) and returns its "cancel" answer: IDCANCEL when the box has a
// Cancel button, IDNO for Yes/No, IDOK for OK, IDABORT for Abort/Retry/Ignore.

#include "platform/ui/Messages.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Window;

struct MessageBoxRequest {
    Window* owner = nullptr;
    std::wstring text;
    std::wstring caption;
    unsigned type = MB_OK; // MB_ buttons | icon | default button
    unsigned buttons() const { return type & MB_TYPEMASK; }
    unsigned icon() const { return type & MB_ICONMASK; }
    // The results this box can give (IDOK, IDCANCEL, IDYES, ...), in button order.
    std::vector<int> possibleResults() const;
    // The answer given when nothing answers (see above).
    int cancelResult() const;
};

// Shows a message box; returns the ID* of the button chosen.
int messageBox(Window* owner, std::wstring_view text, std::wstring_view caption = {},
               unsigned type = MB_OK);

// Name of a result for transcripts: "OK", "Cancel", "Yes", "No", ... or the number.
std::string resultName(int id);

} // namespace ui
