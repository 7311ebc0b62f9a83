#pragma once
// CAdUiBaseDialog: the host's dialog base class (and its thin subclasses CAdUiDialog,
// CAcUiDialog, CAcUiTabMainDialog in their own headers). A ui::Dialog that can hand the
// user over to the drawing for a pick:
//
//   BeginEditorCommand()      hides the dialog; a modal dialog's owner (the main window)
//                             is enabled and takes the focus, so the pick can run.
//   CompleteEditorCommand()   shows the dialog again (restoreDialogs), disables the owner
//                             again while the modal loop runs and focuses the dialog.
//   CancelEditorCommand()     the same as CompleteEditorCommand(true) after a cancelled pick.
//
// The pick itself is the caller's (acedGetPoint and friends, answered by the pick queue).
// Begin twice is harmless; Complete without Begin does nothing.

#include "platform/host/ArxTypes.h"
#include "platform/ui/Dialog.h"

class CAdUiBaseDialog : public ui::Dialog {
public:
    explicit CAdUiBaseDialog(int templateId, ui::Window* parent = nullptr,
                             HINSTANCE resource = nullptr);
    explicit CAdUiBaseDialog(const ui::DialogTemplate& tpl, ui::Window* parent = nullptr);

    void BeginEditorCommand();
    void CompleteEditorCommand(bool restoreDialogs = true);
    void CancelEditorCommand();
    bool editorCommandActive() const { return m_editorCommand; }

private:
    bool m_editorCommand = false;
    bool m_ownerWasDisabled = false;
};
