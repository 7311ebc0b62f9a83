#pragma once
// ScriptedDriver: the driver of the tests. A test queues what the user will do:
//
//   ScriptedDriver driver;                  // installs itself, restores the old one on exit
//   driver.onDialog(8069, [](Dialog& d) { typeText(d, 8003, L"abc"); click(d, IDOK); });
//   driver.answerMessageBox(IDYES);
//   int r = dlg.doModal();
//   EXPECT_TRUE(driver.done());             // everything queued was used, no failures
//
// Handlers are one-shot and taken in order among those that match the dialog (by template
// number or caption). A modal dialog without a matching handler fails: the failure
// ("unanswered modal dialog ...") is recorded in Application::failures() and the
// transcript, and the dialog is cancelled. Answers for message boxes, common dialogs and
// popup menus are taken in order (optionally only by a box whose text contains a
// fragment). Everything shown and answered is in the transcript.

#include "platform/ui/Driver.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class ScriptedDriver : public Driver {
public:
    using DialogHandler = std::function<void(Dialog&)>;

    ScriptedDriver();           // becomes Application's driver
    ~ScriptedDriver() override; // puts the previous driver back

    void onDialog(int templateId, DialogHandler handler);
    void onDialogCaption(std::wstring caption, DialogHandler handler);
    // A handler for every modal dialog that has no more specific handler, kept forever.
    void onAnyDialog(DialogHandler handler);

    void answerMessageBox(int result, std::wstring textContains = {});
    void answerFile(std::optional<std::wstring> path); // nullopt = Cancel
    void answerColor(std::optional<Color> color);
    void answerFont(std::optional<FontDialogResult> font);
    void answerPrint(std::optional<PrintDialogResult> print);
    void choosePopupItem(int commandId); // 0 = dismiss

    // Nothing queued is left over.
    bool allConsumed() const;
    // What is left over, one line per entry (for test messages).
    std::vector<std::string> unconsumed() const;
    // allConsumed() and no failures recorded in the application.
    bool done() const;
    // Requests seen (most recent last), for assertions on what was shown.
    const std::vector<MessageBoxRequest>& messageBoxes() const { return m_seenBoxes; }
    const std::vector<FileDialogRequest>& fileDialogs() const { return m_seenFiles; }
    const std::vector<PrintDialogRequest>& printDialogs() const { return m_seenPrints; }
    const std::vector<std::string>& popupMenus() const { return m_seenMenus; }

    DriverStep modalStep(Dialog& dialog) override;
    std::optional<int> answerMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::optional<std::wstring>> answerFileDialog(const FileDialogRequest&) override;
    std::optional<std::optional<Color>> answerColorDialog(const ColorDialogRequest&) override;
    std::optional<std::optional<FontDialogResult>>
    answerFontDialog(const FontDialogRequest&) override;
    std::optional<std::optional<PrintDialogResult>>
    answerPrintDialog(const PrintDialogRequest&) override;
    std::optional<int> choosePopupMenuItem(const PopupMenuRequest&) override;

private:
    struct Handler {
        int templateId = 0;
        std::wstring caption;
        DialogHandler fn;
    };
    struct BoxAnswer {
        int result;
        std::wstring fragment;
    };
    Driver* m_previous = nullptr;
    std::deque<Handler> m_handlers;
    DialogHandler m_any;
    std::deque<BoxAnswer> m_boxes;
    std::deque<std::optional<std::wstring>> m_files;
    std::deque<std::optional<Color>> m_colors;
    std::deque<std::optional<FontDialogResult>> m_fonts;
    std::deque<std::optional<PrintDialogResult>> m_prints;
    std::deque<int> m_menus;
    std::vector<MessageBoxRequest> m_seenBoxes;
    std::vector<FileDialogRequest> m_seenFiles;
    std::vector<PrintDialogRequest> m_seenPrints;
    std::vector<std::string> m_seenMenus;
};

} // namespace ui
