#pragma once
// Dialog: a window built from a DialogTemplate, run modally (doModal/endDialog) or
// modelessly (create/destroyWindow), or created as a child page (WS_CHILD template).
//
// A top-level dialog is centred on its owner (the screen's work area when it has none);
// callers move it afterwards (placement restore). A WS_CHILD template is placed at its
// template position inside the parent.
//
// Modal loop contract (doModal):
//  - re-entry is refused: doModal on a dialog already in its loop returns -1;
//  - the owner (parent, else the application's main window) is disabled while the loop
//    runs and re-enabled afterwards; the control that had the focus before gets it back;
//  - onInitDialog runs before the dialog is shown; endDialog during it ends the dialog
//    without it ever being shown;
//  - each turn the loop delivers posted messages, then asks the Driver for one step;
//    a driver with nothing to do for this dialog makes the loop record a failure
//    ("unanswered modal dialog") and end the dialog with IDCANCEL: it never hangs;
//  - endDialog twice is harmless (the first result is kept);
//  - the dialog object may be deleted inside its own loop: doModal then returns the
//    result given to endDialog (IDCANCEL if none) without touching the object;
//  - timers fire inside the loop when the clock advances (Application::advanceTime).
//
// Dialog manager: Dialog::preTranslateMessage runs the default keys for messages to its
// own controls: Tab / Shift+Tab move through WS_TABSTOP controls (pages included),
// arrow keys move within a WS_GROUP of radio buttons, Enter presses the focused push
// button or the default button (BS_DEFPUSHBUTTON, else IDOK), Escape sends IDCANCEL.
// Because filters run innermost first, a page dialog gets Enter/Escape before its frame.
// The close box sends WM_CLOSE; the default onClose sends WM_COMMAND IDCANCEL.

#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Window.h"

#include <memory>
#include <optional>

namespace ui {

class Dialog : public Window {
public:
    // A dialog from resource template `templateId` (found through the resource chain).
    explicit Dialog(int templateId = 0, Window* parent = nullptr);
    // A dialog from an explicit template (tests, dialogs built at run time).
    explicit Dialog(const DialogTemplate& tpl, Window* parent = nullptr);
    ~Dialog() override;

    // Runs the modal loop; returns the endDialog result, -1 when the template is missing
    // or the loop is already running.
    virtual int doModal();
    // Ends the modal loop with `result` (modal), or hides a modeless dialog.
    void endDialog(int result);
    // Modeless / page creation from the template; the window is visible only if the
    // template says WS_VISIBLE (call showWindow otherwise). false when the template is
    // missing or the window exists already.
    bool create(int templateId, Window* parent = nullptr);
    bool create() { return create(m_templateId, m_parentArg); }

    int templateId() const { return m_templateId; }
    const DialogTemplate* dialogTemplate() const;
    bool inModalLoop() const { return m_inModal; }
    bool endRequested() const { return m_endRequested; }
    int modalResult() const { return m_result; }
    bool isShownOnce() const { return m_shownOnce; }

    // Template font and DLU mapping of this dialog.
    Rect mapDialogRect(const Rect& dluRect) const;

    // Focus navigation (GetNextDlgTabItem / GetNextDlgGroupItem); null when none.
    Window* nextDlgTabItem(Window* from, bool previous);
    Window* nextDlgGroupItem(Window* from, bool previous);
    // Moves the focus to a control; selects all text in an edit.
    void gotoDlgCtrl(Window* control);
    int getDefID() const;
    void setDefID(int id);

    // The dialog manager; Dialog::preTranslateMessage calls it.
    bool isDialogMessage(Message& msg);
    bool preTranslateMessage(Message& msg) override;

protected:
    // Return true to let the layer focus the first tab-stop control, false when the
    // dialog placed the focus itself.
    virtual bool onInitDialog() { return true; }
    // Default: endDialog(IDOK) / endDialog(IDCANCEL). A child page forwards both to the
    // dialog that contains it instead of ending itself.
    virtual void onOK();
    virtual void onCancel();
    bool onCommand(int id, int code, Window* from) override;
    void onClose() override;
    bool onEraseBkgnd(Canvas& canvas) override;
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;

    Window* m_parentArg = nullptr;

private:
    friend class Application;
    bool buildFromTemplate(const DialogTemplate& tpl, Window* parent);
    void runInit();
    void pressButton(int id);

    int m_templateId = 0;
    std::optional<DialogTemplate> m_inlineTemplate;
    bool m_inModal = false;
    bool m_endRequested = false;
    bool m_shownOnce = false;
    int m_result = 0;
    int m_defId = 0;             // 0 = BS_DEFPUSHBUTTON child, else IDOK
    int* m_loopResult = nullptr; // where a dialog deleted in its loop leaves its result
    std::unique_ptr<Menu> m_templateMenu;
};

} // namespace ui
