#include "kw/macroedit/CTabMacroCommands.h"

#include "core/LanguageTexts.h"
#include "core/Tvl_Settings.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/MacroEditPictures.h"

using namespace kw::macroedit;

CTabMacroCommands::CTabMacroCommands(CDlgEditMacro& owner)
    : ui::Dialog(kPageCommands), m_owner(owner) {}

bool CTabMacroCommands::createPage(ui::Window* tabControl) {
    return create(kPageCommands, tabControl);
}

bool CTabMacroCommands::onInitDialog() {
    static const int kCaptions[kCommandButtons] = {903, 904, 905, 906, 907, 908, 909,
                                                   910, 911, 912, 0,   913, 914, 915};
    const ui::Color key = ui::Color::fromRgb(192, 192, 192);
    m_layout.attach(this);
    for (int code = 0; code < kCommandButtons; ++code) {
        CButtonST& button = m_buttons[code];
        const int id = kFirstCommand + code;
        m_layout.setMode(id, DlgResizeLayout::kKeepSize, DlgResizeLayout::kKeepSize);
        const wchar_t* name = commandBitmapName(code);
        if (name == nullptr || !button.SubclassDlgItem(id, this))
            continue; // the plain button
        // A missing bitmap leaves a placeholder; the button works all the same.
        if (!button.SetBitmaps(gSettings.tvlDir() + L"icons\\" + name, key))
            button.SetBitmaps(placeholderPicture(32, key));
        button.SetAlign(CButtonST::Align::Vertical);
        button.setWindowText(dialString(kCaptions[code]).str());
    }
    m_layoutReady = true;
    return false;
}

bool CTabMacroCommands::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED && id >= kFirstCommand &&
        id < kFirstCommand + kCommandButtons) {
        m_owner.runMacroCommand(id - kFirstCommand);
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CTabMacroCommands::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
}
