// Makes the macro dialog the one that the table of modeless macro dialogs opens.

#include "kw/frame/MacroDialogTable.h"
#include "kw/macro/CDlgMacro.h"

namespace {

struct FactoryRegistration {
    FactoryRegistration() {
        kw::MacroDialogTable::instance().setFactory(
            [](ui::Window* parent) -> MacroDialogBase* { return new CDlgMacro(parent); });
    }
};

const FactoryRegistration registration;

} // namespace
