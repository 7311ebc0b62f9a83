#pragma once
// ScriptDriver: plays the user from an automation script (or from lines typed at the
// prompt). It is the windowing layer's Driver while it runs, so the steps of the script
// reach whatever waits for input:
//
//  - at the top level it runs host commands and acts on modeless dialogs;
//  - when a command opens a modal dialog, the dialog's loop asks the driver for its
//    steps: the following lines act on that dialog until one of them ends it;
//  - message boxes, common dialogs and popup menus take the answers queued by
//    "answer ..." lines ahead of the line that opens them; picks in the drawing take
//    theirs from the host's pick queue.
//
// Failures (a failed expectation, an action a person could not do, an unanswered modal,
// an unknown command, an answer that was never used, a failure the windowing layer
// records) are reported as "<script>:<line>: <message>" on standard error and in the
// transcript. A script stops at its first failure: open modal dialogs are cancelled and
// the remaining lines skipped. Interactive input reports failures and goes on.

#include "platform/host/CommandProcessor.h"
#include "platform/host/StepSource.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Window.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class Dialog;
}

namespace host {

class ScriptDriver : public ui::Driver {
public:
    ScriptDriver(StepSource& source, CommandProcessor& processor);
    ~ScriptDriver() override;
    ScriptDriver(const ScriptDriver&) = delete;
    ScriptDriver& operator=(const ScriptDriver&) = delete;

    // Installs itself as the driver, runs every step, restores the previous driver.
    // True when nothing failed.
    bool run();
    bool quitRequested() const { return m_quit; }
    const std::vector<std::string>& failures() const { return m_failures; }

    // ui::Driver
    ui::DriverStep modalStep(ui::Dialog& dialog) override;
    void windowShown(ui::Window& window) override;
    std::optional<int> answerMessageBox(const ui::MessageBoxRequest& request) override;
    std::optional<std::optional<std::wstring>>
    answerFileDialog(const ui::FileDialogRequest& request) override;
    std::optional<std::optional<ui::Color>>
    answerColorDialog(const ui::ColorDialogRequest& request) override;
    std::optional<std::optional<ui::FontDialogResult>>
    answerFontDialog(const ui::FontDialogRequest& request) override;
    std::optional<std::optional<ui::PrintDialogResult>>
    answerPrintDialog(const ui::PrintDialogRequest& request) override;
    std::optional<int> choosePopupMenuItem(const ui::PopupMenuRequest& request) override;

private:
    void execute(const ScriptStep& step, ui::Dialog* modal);
    void runCommand(const ScriptStep& step);
    void runAction(const ScriptStep& step, ui::Dialog* modal);
    void queueAnswer(const ScriptStep& step);
    void checkExpectation(const ScriptStep& step, ui::Dialog* modal);
    ui::Window* targetDialog(ui::Dialog* modal);
    ui::Window* control(const ScriptStep& step, ui::Dialog* modal);
    // The first queued answer of that kind (for a message box: the first whose fragment,
    // if any, the box's text contains).
    std::optional<ScriptStep> takeAnswer(ScriptOp op, std::wstring_view boxText = {});

    void fail(int line, const std::string& message);
    void fail(const ScriptStep& step, const std::string& message) { fail(step.line, message); }
    void collectLayerFailures(int line);
    void checkLeftovers();
    bool stopped() const { return m_aborted || m_quit; }

    StepSource& m_source;
    CommandProcessor& m_processor;
    ui::Driver* m_previous = nullptr;
    int m_currentLine = 0;
    bool m_aborted = false;
    bool m_quit = false;
    bool m_endOfInput = false;
    std::vector<std::string> m_failures;
    std::size_t m_layerFailuresSeen = 0;

    std::deque<ScriptStep> m_answers;             // queued answers, in script order
    std::size_t m_outputMark = 0;                 // start of the current command's output
    std::optional<std::wstring> m_lastMessageBox; // since the last host command
    ui::WindowRef<ui::Dialog> m_selected;         // chosen with "dialog CAPTION" ...
    int m_selectedDepth = 0;                      // ... at this modal depth
    std::vector<ui::WindowRef<ui::Dialog>> m_shown;
    int m_printJobs = 0;
};

} // namespace host
