#include "kw/frame/ConstraintsEditorSlot.h"

#include "kw/frame/HostCalls.h"
#include "platform/ui/Dialog.h"

namespace kw {

ConstraintsEditorSlot& ConstraintsEditorSlot::instance() {
    static ConstraintsEditorSlot slot;
    return slot;
}

ConstraintsEditorSlot::ConstraintsEditorSlot() {
    m_factory = [](ui::Window*, EditConstrData&) -> ui::Dialog* {
        hostPrint(L"The macro editor is not part of this module.\n");
        return nullptr;
    };
}

ConstraintsEditorSlot::Factory ConstraintsEditorSlot::setFactory(Factory factory) {
    std::swap(m_factory, factory);
    return factory;
}

void ConstraintsEditorSlot::open(EditConstrData& record) {
    if (m_editor != nullptr)
        return;
    ui::Window* mainWindow = hostMainWindow();
    ui::Dialog* editor = m_factory ? m_factory(mainWindow, record) : nullptr;
    if (editor == nullptr)
        return;
    m_editor = editor;
    editor->create(kTemplateId, mainWindow);
    editor->showWindow(ui::SW_SHOW);
    if (mainWindow != nullptr)
        mainWindow->setFocus();
}

void ConstraintsEditorSlot::close() {
    if (m_editor == nullptr)
        return;
    ui::Dialog* editor = m_editor;
    m_editor = nullptr;
    if (editor->isWindow() && !editor->destroyWindow())
        hostPrint(L"Erase window failed\n");
    delete editor;
    hostPostCommandPrompt();
}

} // namespace kw
