// Message boxes, common dialogs and popup menus answered by the scripted driver, with
// what an unanswered one does and what the transcript shows.

#include "UiTestSupport.h"

#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"

using namespace ui;
using namespace uitest;

using ScriptedAnswers = UiTest;

TEST_F(ScriptedAnswers, MessageBoxesTakeAnswersInOrderOrByText) {
    driver->answerMessageBox(IDNO, L"Overwrite");
    driver->answerMessageBox(IDYES);
    EXPECT_EQ(messageBox(nullptr, L"Delete \"x\"?", L"Delete", MB_YESNO | MB_ICONEXCLAMATION),
              IDYES);
    EXPECT_EQ(messageBox(nullptr, L"File exists.\nOverwrite it?", L"Save",
                         MB_YESNOCANCEL | MB_ICONQUESTION),
              IDNO);
    ASSERT_EQ(driver->messageBoxes().size(), 2u);
    EXPECT_EQ(driver->messageBoxes()[1].icon(), MB_ICONQUESTION);
    EXPECT_TRUE(app().transcript().contains("message box [Save] File exists.\\nOverwrite it?"));
    EXPECT_TRUE(app().transcript().contains("  -> No"));
}

TEST_F(ScriptedAnswers, UnansweredOrImpossibleAnswersFailAndGiveTheCancelAnswer) {
    EXPECT_EQ(messageBox(nullptr, L"a", L"", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(messageBox(nullptr, L"b", L"", MB_YESNO), IDNO);
    EXPECT_EQ(messageBox(nullptr, L"c", L"", MB_OK), IDOK);
    driver->answerMessageBox(IDYES);
    EXPECT_EQ(messageBox(nullptr, L"d", L"", MB_OK), IDOK); // OK box has no Yes
    EXPECT_EQ(takeFailures().size(), 4u);
}

TEST_F(ScriptedAnswers, MessageBoxFromInsideADialogDisablesItMeanwhile) {
    Dialog dlg(smallTemplate());
    bool enabledDuringBox = true;
    driver->onDialog(9001, [&](Dialog& d) {
        driver->answerMessageBox(IDOK);
        d.messageBox(L"Invalid value", L"Check", MB_OK | MB_ICONEXCLAMATION);
        enabledDuringBox = false;
        click(d, IDOK);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_FALSE(enabledDuringBox);
}

TEST_F(ScriptedAnswers, CommonDialogsReturnAnswersOrCancel) {
    FileDialogRequest open;
    open.mode = FileDialogMode::Open;
    open.title = L"Open spreadsheet";
    open.filters = {{L"Spreadsheet (*.kws)", L"*.kws"}};
    driver->answerFile(std::wstring(L"c:\\a\\t3.kws"));
    driver->answerFile(std::nullopt);
    EXPECT_EQ(fileDialog(open), std::optional<std::wstring>(L"c:\\a\\t3.kws"));
    EXPECT_EQ(fileDialog(open), std::nullopt);
    EXPECT_EQ(driver->fileDialogs().size(), 2u);

    driver->answerColor(Color{255, 0, 0});
    EXPECT_EQ(colorDialog({}), std::optional<Color>(Color{255, 0, 0}));
    FontDialogResult font{{-15, 700, false, false, 1, L"Tahoma"}, Color{}};
    driver->answerFont(font);
    auto f = fontDialog({});
    ASSERT_TRUE(f);
    EXPECT_EQ(f->font.faceName, L"Tahoma");

    PrintDialogRequest def;
    def.kind = PrintDialogKind::ReturnDefault;
    EXPECT_TRUE(printDialog(def)); // no user interface, never unanswered
    PrintDialogResult pages;
    pages.range = PrintRange::Pages;
    pages.fromPage = 2;
    pages.toPage = 3;
    pages.deviceMode.landscape = true;
    driver->answerPrint(pages);
    auto p = printDialog({});
    ASSERT_TRUE(p);
    EXPECT_EQ(p->fromPage, 2);
    EXPECT_TRUE(app().transcript().contains("pages 2-3, landscape"));

    EXPECT_EQ(colorDialog({}), std::nullopt); // unanswered
    EXPECT_EQ(takeFailures().size(), 1u);
}

namespace {

class MenuOwner : public Window {
public:
    std::vector<int> commands;

protected:
    bool onCommand(int id, int, Window*) override {
        commands.push_back(id);
        return true;
    }
};

} // namespace

TEST_F(ScriptedAnswers, PopupMenuCommandGoesToTheOwnerAfterTracking) {
    MenuOwner owner;
    ASSERT_TRUE(owner.create(L"Owner", L"", WS_POPUP | WS_VISIBLE, Rect::fromSize(0, 0, 100, 100),
                             nullptr, 0));
    Menu root;
    Menu sub;
    root.appendMenu(MF_STRING, 32811, L"Insert");
    root.appendMenu(MF_STRING | MF_CHECKED, 32812, L"Checked");
    root.appendMenu(MF_SEPARATOR);
    root.appendMenu(MF_STRING | MF_GRAYED, 32816, L"Greyed");
    sub.appendMenu(MF_STRING, 32817, L"Deeper");
    root.appendPopup(&sub, L"More");
    root.checkMenuRadioItem(32811, 32812, 32811, MF_BYCOMMAND);
    EXPECT_TRUE(root.item(0)->isChecked());
    EXPECT_FALSE(root.item(1)->isChecked());

    driver->choosePopupItem(32817);
    EXPECT_EQ(root.trackPopupMenu(TPM_RIGHTALIGN, 10, 20, &owner), 1);
    EXPECT_TRUE(owner.commands.empty()); // posted: arrives when the loop runs
    app().pumpMessages();
    EXPECT_EQ(owner.commands, (std::vector<int>{32817}));

    driver->choosePopupItem(32816); // greyed: a person cannot choose it
    EXPECT_EQ(root.trackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 0);
    EXPECT_EQ(takeFailures().size(), 1u);
    driver->choosePopupItem(0);
    EXPECT_EQ(root.trackPopupMenu(0, 0, 0, &owner), 0);
    driver->choosePopupItem(32811);
    EXPECT_EQ(root.trackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 32811);
    app().pumpMessages();
    EXPECT_EQ(owner.commands.size(), 1u);
    EXPECT_NE(driver->popupMenus().back().find("More\n  Deeper [32817]"), std::string::npos)
        << driver->popupMenus().back();
    owner.destroyWindow();
}

TEST_F(ScriptedAnswers, LeftoverScriptIsReportedUntilUsed) {
    driver->answerMessageBox(IDOK);
    driver->onDialog(77, [](Dialog& d) { d.endDialog(IDOK); });
    EXPECT_EQ(driver->unconsumed(),
              (std::vector<std::string>{"handler for dialog 77", "message box answer OK"}));
    EXPECT_FALSE(driver->done());
    messageBox(nullptr, L"x");
    Dialog dlg(smallTemplate(77));
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_TRUE(driver->done());
}
