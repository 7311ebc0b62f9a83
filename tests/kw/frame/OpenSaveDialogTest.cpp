#include "FrameTestSupport.h"

#include <fstream>

#include "core/LanguageTexts.h"
#include "kw/frame/CDlgOpenSave.h"
#include "platform/base/Paths.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/ListBox.h"

namespace {

class OpenSaveDialogTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        m_folder = Tvl_String(base::toProduct(m_tmp));
        if (!m_folder.endsWith(L"\\"))
            m_folder += L"\\";
        m_dlg.m_folder = m_folder;
        m_dlg.m_extension = L".set";
        m_dlg.m_names.append(L"alpha");
        m_dlg.m_names.append(L"beta");
        m_dlg.m_namesChecked.append(L"alpha");
        m_dlg.m_namesChecked.append(L"beta");
        m_dlg.m_namesChecked.append(L"gamma");
    }
    void makeFile(const wchar_t* name) {
        std::ofstream(base::toNative((m_folder + name + L".set").str())) << "x";
    }
    bool fileThere(const wchar_t* name) {
        return std::filesystem::exists(base::toNative((m_folder + name + L".set").str()));
    }
    static int listCount(ui::Dialog& d) {
        return dynamic_cast<ui::ListBox*>(d.getDlgItem(CDlgOpenSave::kListId))->getCount();
    }
    Tvl_String m_folder;
    CDlgOpenSave m_dlg;
};

TEST_F(OpenSaveDialogTest, OpenModePicksANameFromTheList) {
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgOpenSave::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), dialString(1126).str());
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), dialString(841).str());
        EXPECT_FALSE(d.getDlgItem(CDlgOpenSave::kNameId)->isWindowEnabled());
        EXPECT_EQ(listCount(d), 2);
        ASSERT_TRUE(ui::click(d, CDlgOpenSave::kShowAllId));
        EXPECT_EQ(listCount(d), 3);
        ASSERT_TRUE(ui::selectItem(d, CDlgOpenSave::kListId, 2));
        EXPECT_EQ(d.getDlgItemText(CDlgOpenSave::kNameId), L"gamma");
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    EXPECT_EQ(m_dlg.doModal(), ui::IDOK);
    EXPECT_EQ(m_dlg.m_chosenName, L"gamma");
    EXPECT_TRUE(driver.done());
}

TEST_F(OpenSaveDialogTest, OverwriteQuestionOmitsTheMiddleSentenceForListedNames) {
    makeFile(L"beta");
    makeFile(L"other");
    m_dlg.m_saveMode = true;
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgOpenSave::kTemplateId, [](ui::Dialog& d) {
        ASSERT_TRUE(ui::typeText(d, CDlgOpenSave::kNameId, L"x"));
        ASSERT_TRUE(ui::key(ui::VK_BACK));
        ASSERT_TRUE(ui::click(d, ui::IDOK)); // empty: nothing happens
        EXPECT_FALSE(d.endRequested());
        ASSERT_TRUE(ui::typeText(d, CDlgOpenSave::kNameId, L"other"));
        ASSERT_TRUE(ui::click(d, ui::IDOK)); // not listed: answered No
        EXPECT_FALSE(d.endRequested());
        ASSERT_TRUE(ui::typeText(d, CDlgOpenSave::kNameId, L"beta"));
        ASSERT_TRUE(ui::click(d, ui::IDOK)); // listed: answered Yes
    });
    driver.answerMessageBox(ui::IDNO);
    driver.answerMessageBox(ui::IDYES);
    EXPECT_EQ(m_dlg.doModal(), ui::IDOK);
    EXPECT_EQ(m_dlg.m_chosenName, L"beta");
    ASSERT_EQ(driver.messageBoxes().size(), 2u);
    const std::wstring notListed =
        (dialString(1128) + L"\n" + dialString(1129) + L"\n\n" + dialString(1130) + L"\n").str();
    const std::wstring listed = (dialString(1128) + L"\n\n" + dialString(1130) + L"\n").str();
    EXPECT_EQ(driver.messageBoxes()[0].text, notListed);
    EXPECT_EQ(driver.messageBoxes()[1].text, listed);
    EXPECT_EQ(driver.messageBoxes()[1].caption, dialString(1131).str());
    EXPECT_TRUE(driver.done());
}

TEST_F(OpenSaveDialogTest, DeleteRemovesTheFileAndTheNameOnlyWhenConfirmed) {
    makeFile(L"alpha");
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgOpenSave::kTemplateId, [](ui::Dialog& d) {
        ASSERT_TRUE(ui::click(d, CDlgOpenSave::kDeleteId)); // no selection: nothing
        ASSERT_TRUE(ui::selectItem(d, CDlgOpenSave::kListId, 0));
        ASSERT_TRUE(ui::click(d, CDlgOpenSave::kDeleteId)); // answered No
        EXPECT_EQ(listCount(d), 2);
        ASSERT_TRUE(ui::click(d, CDlgOpenSave::kDeleteId)); // answered Yes
        EXPECT_EQ(listCount(d), 1);
        ASSERT_TRUE(ui::selectItem(d, CDlgOpenSave::kListId, 0));
        ASSERT_TRUE(ui::click(d, CDlgOpenSave::kDeleteId)); // Yes, but no file: lists stay
        EXPECT_EQ(listCount(d), 1);
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    driver.answerMessageBox(ui::IDNO);
    driver.answerMessageBox(ui::IDYES);
    driver.answerMessageBox(ui::IDYES);
    EXPECT_EQ(m_dlg.doModal(), ui::IDCANCEL);
    EXPECT_FALSE(fileThere(L"alpha"));
    EXPECT_FALSE(m_dlg.m_names.contains(L"alpha"));
    EXPECT_FALSE(m_dlg.m_namesChecked.contains(L"alpha"));
    EXPECT_TRUE(m_dlg.m_names.contains(L"beta"));
    ASSERT_EQ(driver.messageBoxes().size(), 3u);
    EXPECT_EQ(driver.messageBoxes()[0].text, (dialString(1132) + L" \"alpha\" " + dialString(1133) +
                                              L"\n" + dialString(1134) + L"\n")
                                                 .str());
    EXPECT_TRUE(driver.done());
}

TEST_F(OpenSaveDialogTest, ResizingKeepsTheButtonsAtTheEdgesAndRespectsTheMinimum) {
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgOpenSave::kTemplateId, [](ui::Dialog& d) {
        const ui::Rect ok = d.getDlgItem(ui::IDOK)->rect();
        const ui::Rect del = d.getDlgItem(CDlgOpenSave::kDeleteId)->rect();
        const ui::Rect list = d.getDlgItem(CDlgOpenSave::kListId)->rect();
        const ui::Rect before = d.getWindowRect();
        ASSERT_TRUE(ui::resize(d, before.width() + 50, before.height() + 20));
        EXPECT_EQ(d.getDlgItem(ui::IDOK)->rect(), ok.offset(50, 20));
        EXPECT_EQ(d.getDlgItem(CDlgOpenSave::kDeleteId)->rect(), del.offset(50, 0));
        EXPECT_EQ(d.getDlgItem(CDlgOpenSave::kListId)->rect().right, list.right + 50);
        ASSERT_TRUE(ui::resize(d, 10, 10));
        EXPECT_EQ(d.getWindowRect().width(), CDlgOpenSave::kMinWidth);
        EXPECT_EQ(d.getWindowRect().height(), CDlgOpenSave::kMinHeight);
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_EQ(m_dlg.doModal(), ui::IDCANCEL);
    EXPECT_TRUE(driver.done());
}

} // namespace
