#include "FrameTestSupport.h"

#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

namespace {

class PromptDialogTest : public FrameTest {};

TEST_F(PromptDialogTest, TypedValueIsTakenOnOk) {
    ui::ScriptedDriver driver;
    Tvl_DlgPromptString dlg;
    dlg.m_caption = L"Rename";
    dlg.m_prompt = L"New name:\nof the module";
    dlg.m_value = L"old";
    dlg.m_okLabel = L"OK";
    dlg.m_cancelLabel = L"Cancel";
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Rename");
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgPromptString::kPromptId), L"New name:\nof the module");
        // The edit has the focus with its whole text selected: typing replaces it.
        ASSERT_TRUE(ui::typeText(L"beam"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    });
    EXPECT_EQ(dlg.doModal(), ui::IDOK);
    EXPECT_TRUE(dlg.m_confirmed);
    EXPECT_EQ(dlg.m_value, L"beam");
    EXPECT_TRUE(driver.done());
}

TEST_F(PromptDialogTest, EmptyRequiredValueKeepsTheDialogOpenAndCancelLeavesThePreset) {
    ui::ScriptedDriver driver;
    Tvl_DlgPromptString dlg;
    dlg.m_value = L"preset";
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        // Select the preset and delete it.
        ASSERT_TRUE(ui::typeText(d, Tvl_DlgPromptString::kValueId, L"x"));
        ASSERT_TRUE(ui::key(ui::VK_BACK));
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgPromptString::kValueId), L"");
        ASSERT_TRUE(ui::click(d, ui::IDOK));
        EXPECT_FALSE(d.endRequested()) << "OK with an empty required value must do nothing";
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_EQ(dlg.doModal(), ui::IDCANCEL);
    EXPECT_FALSE(dlg.m_confirmed);
    EXPECT_EQ(dlg.m_value, L"preset");
    EXPECT_TRUE(driver.done());
}

TEST_F(PromptDialogTest, ConfirmationModeHidesTheEditAndConfirmsWithThePreset) {
    ui::ScriptedDriver driver;
    Tvl_DlgPromptString dlg;
    dlg.m_inputWanted = false;
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        ui::Window* edit = d.getDlgItem(Tvl_DlgPromptString::kValueId);
        ASSERT_NE(edit, nullptr);
        EXPECT_FALSE(edit->isWindowVisible());
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    EXPECT_EQ(dlg.doModal(), ui::IDOK);
    EXPECT_TRUE(dlg.m_confirmed);
    EXPECT_EQ(dlg.m_value, L"");
    EXPECT_TRUE(driver.done());
}

} // namespace
