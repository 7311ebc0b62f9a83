#include "platform/host/CAdUiBaseDialog.h"

#include "platform/host/MainWindow.h"
#include "platform/ui/Application.h"

CAdUiBaseDialog::CAdUiBaseDialog(int templateId, ui::Window* parent, HINSTANCE)
    : ui::Dialog(templateId, parent) {}

CAdUiBaseDialog::CAdUiBaseDialog(const ui::DialogTemplate& tpl, ui::Window* parent)
    : ui::Dialog(tpl, parent) {}

void CAdUiBaseDialog::BeginEditorCommand() {
    if (m_editorCommand || !isWindow())
        return;
    m_editorCommand = true;
    showWindow(ui::SW_HIDE);
    ui::Window* owner = getParent() ? getParent()->topLevel() : &host::mainWindow();
    m_ownerWasDisabled = owner && !owner->isWindowEnabled();
    if (owner) {
        if (m_ownerWasDisabled)
            owner->enableWindow(true);
        owner->setFocus();
    }
}

void CAdUiBaseDialog::CompleteEditorCommand(bool restoreDialogs) {
    if (!m_editorCommand)
        return;
    m_editorCommand = false;
    if (!isWindow())
        return;
    ui::Window* owner = getParent() ? getParent()->topLevel() : &host::mainWindow();
    if (owner && m_ownerWasDisabled && inModalLoop())
        owner->enableWindow(false);
    if (restoreDialogs) {
        showWindow(ui::SW_SHOW);
        setFocus();
    }
}

void CAdUiBaseDialog::CancelEditorCommand() {
    CompleteEditorCommand(true);
}
