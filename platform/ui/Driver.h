#pragma once
// Driver: whoever plays the user while a modal window waits for input. The scripted
// driver (tests), the host's automation-script driver and a live backend implement it.
//
// The layer calls the driver from its modal loops. The driver acts through the input
// functions of Input.h (click, typeText, key, ...), exactly as a person would, or
// answers the modal request directly (message boxes, common dialogs, popup menus).
// Every method may be called re-entrantly from inside a nested loop.

#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"

#include <optional>
#include <string>

namespace ui {

class Dialog;
class Menu;
class Window;

struct PopupMenuRequest {
    const Menu* menu = nullptr;
    Window* owner = nullptr;
    int x = 0; // screen point
    int y = 0;
    unsigned flags = 0; // TPM_*
};

enum class DriverStep {
    Acted, // did something (the loop checks whether the dialog ended and asks again)
    Idle   // nothing to do for this dialog: the loop fails it and cancels it
};

class Driver {
public:
    virtual ~Driver() = default;

    // A modal dialog is shown and waits (called once per loop turn).
    virtual DriverStep modalStep(Dialog& dialog) = 0;
    // A top-level window (modeless dialog, message box owner, ...) was shown. Optional.
    virtual void windowShown(Window& /*window*/) {}

    // Answers: nullopt = no answer (the layer records a failure and cancels).
    virtual std::optional<int> answerMessageBox(const MessageBoxRequest& request) = 0;
    virtual std::optional<std::optional<std::wstring>> answerFileDialog(const FileDialogRequest&) {
        return std::nullopt;
    }
    virtual std::optional<std::optional<Color>> answerColorDialog(const ColorDialogRequest&) {
        return std::nullopt;
    }
    virtual std::optional<std::optional<FontDialogResult>>
    answerFontDialog(const FontDialogRequest&) {
        return std::nullopt;
    }
    virtual std::optional<std::optional<PrintDialogResult>>
    answerPrintDialog(const PrintDialogRequest&) {
        return std::nullopt;
    }
    // A print job wrote its PDF (`printed.outputPath`) for the printer the print dialog
    // chose: the driver hands it on. Headless the PDF is the output; the live front-end
    // sends it to a real printer. False when the printer did not take it.
    virtual bool sendToPrinter(const PrintDialogResult& /*printed*/,
                               const std::wstring& /*jobName*/) {
        return true;
    }
    // The command id chosen (0 = dismissed on purpose); nullopt = no answer.
    virtual std::optional<int> choosePopupMenuItem(const PopupMenuRequest&) { return std::nullopt; }
};
// Note on the nested optionals above: the outer one says whether the driver answered at
// all, the inner one whether the answer is "cancelled" (a deliberate, scripted cancel).

} // namespace ui
