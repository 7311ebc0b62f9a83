#pragma once
// The one modeless macro editor the module may have open at a time.

#include <functional>

namespace ui {
class Dialog;
class Window;
} // namespace ui
class EditConstrData;

namespace kw {

class ConstraintsEditorSlot {
public:
    static constexpr int kTemplateId = 8715;

    // Makes the editor with the given parent, its record copied in and marked modeless;
    // null when it cannot be made.
    using Factory = std::function<ui::Dialog*(ui::Window* parent, EditConstrData& record)>;

    static ConstraintsEditorSlot& instance();
    Factory setFactory(Factory factory);

    // Opens the editor unless one is open: created from its template, shown, and the
    // keyboard focus handed back to the host's main window.
    void open(EditConstrData& record);
    // Destroys and forgets the editor; a window that cannot be destroyed is reported
    // with "Erase window failed\n" and forgotten all the same.
    void close();
    ui::Dialog* editor() const { return m_editor; }

private:
    ConstraintsEditorSlot();

    Factory m_factory;
    ui::Dialog* m_editor = nullptr;
};

} // namespace kw
