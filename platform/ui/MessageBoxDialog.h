#pragma once
// MessageBoxDialog: a message box as a dialog of the window model, for drivers that let
// a person answer it in a window (the live backend). It shows the text and the box's
// buttons in order (OK, Cancel, Yes, No, ...), the MB_DEFBUTTONn button as default,
// and ends with the chosen button's result. Escape and the close box give IDCANCEL
// when the box has a Cancel button, IDOK for a box with only OK, and nothing for
// Yes/No and Abort/Retry/Ignore boxes (which a person must answer).

#include "platform/ui/Dialog.h"
#include "platform/ui/MessageBox.h"

namespace ui {

class MessageBoxDialog : public Dialog {
public:
    static constexpr int kTextId = 0xFFFF;

    explicit MessageBoxDialog(const MessageBoxRequest& request);
    // The template the box is built from (its size follows the text).
    static DialogTemplate makeTemplate(const MessageBoxRequest& request);
    // Button caption for a result ("OK", "&Yes", ...).
    static std::wstring buttonText(int result);

protected:
    // The default button starts with the focus, so Enter and Space both choose it.
    bool onInitDialog() override;
    bool onCommand(int id, int code, Window* from) override;
    void onClose() override;

private:
    // The result for Escape / the close box; 0 when the box needs a real answer.
    int escapeResult() const;
    MessageBoxRequest m_request;
};

} // namespace ui
