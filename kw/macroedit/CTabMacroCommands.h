#pragma once
// CTabMacroCommands: the commands page of the macro editor: fourteen buttons, thirteen
// with a picture from the installation's "icons\" folder, each running one editing
// command of the core through the editor.

#include "core/CButtonST.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/macroedit/MacroEditIds.h"
#include "platform/ui/Dialog.h"

class CDlgEditMacro;

class CTabMacroCommands : public ui::Dialog {
public:
    explicit CTabMacroCommands(CDlgEditMacro& owner);

    bool createPage(ui::Window* tabControl);
    CButtonST& button(int code) { return m_buttons[code]; }

protected:
    bool onInitDialog() override;
    void onOK() override {}
    void onCancel() override {}
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;

private:
    CDlgEditMacro& m_owner;
    CButtonST m_buttons[kw::macroedit::kCommandButtons];
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
