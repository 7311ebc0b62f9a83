#pragma once
// What the module's table of modeless macro dialogs needs of a macro dialog: a dialog
// with its index in the table (-1 until registered) and its own full copy of the
// caller's MacroData, whose busy flag the core sets while it works on the macro.

#include "core/MacroData.h"
#include "platform/ui/Dialog.h"

class MacroDialogBase : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8131;

    explicit MacroDialogBase(ui::Window* parent, int templateId = kTemplateId)
        : ui::Dialog(templateId, parent) {}

    int m_tableIndex = -1;
    MacroData m_macroData;
};
