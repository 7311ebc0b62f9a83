#pragma once
// The prompt dialog: asks for one string, or only for a confirmation when no input
// is wanted. The caller sets the public fields, runs doModal() and reads them back.

#include "core/Tvl_String.h"
#include "platform/ui/Dialog.h"

class Tvl_DlgPromptString : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8069;
    static constexpr int kPromptId = 8600;
    static constexpr int kValueId = 8003;

    explicit Tvl_DlgPromptString(ui::Window* parent = nullptr);

    Tvl_String m_caption;
    Tvl_String m_prompt;
    Tvl_String m_value; // preset before the run; what the user typed after OK
    Tvl_String m_okLabel;
    Tvl_String m_cancelLabel;
    bool m_inputWanted = true; // false: a plain confirmation, the edit is hidden
    bool m_confirmed = false;  // set when the dialog ends with OK

protected:
    bool onInitDialog() override;
    void onOK() override;
};
