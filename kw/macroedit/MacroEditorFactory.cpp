// Gives the constraints-editor slot its factory when the module is loaded: the modeless
// macro editor on a copy of the caller's record.

#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/macroedit/CDlgEditMacro.h"

namespace {

struct FactoryInstaller {
    FactoryInstaller() {
        kw::ConstraintsEditorSlot::instance().setFactory(
            [](ui::Window* parent, EditConstrData& record) -> ui::Dialog* {
                auto* editor = new CDlgEditMacro(parent);
                editor->m_data = record;
                editor->m_modeless = true;
                return editor;
            });
    }
};

const FactoryInstaller installer;

} // namespace
