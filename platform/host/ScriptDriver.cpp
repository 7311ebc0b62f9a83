#include "platform/host/ScriptDriver.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/base/Process.h"
#include "platform/host/CommandLine.h"
#include "platform/host/MainWindow.h"
#include "platform/host/PickQueue.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Snapshot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace host {
namespace {

std::string u8(std::wstring_view s) {
    return base::toUtf8(s);
}
std::string inQuotes(std::wstring_view s) {
    return "\"" + u8(s) + "\"";
}

std::wstring withoutAmpersands(std::wstring_view text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) {
            ++i; // "&&" stands for one '&'
        }
        out += text[i];
    }
    return out;
}

ui::Window* findByCaption(ui::Window& root, std::wstring_view caption, bool visibleOnly) {
    for (ui::Window* child : root.children()) {
        if ((!visibleOnly || child->isWindowVisible()) &&
            base::equalsNoCase(withoutAmpersands(child->text()), caption))
            return child;
        if (ui::Window* w = findByCaption(*child, caption, visibleOnly))
            return w;
    }
    return nullptr;
}

std::string describeDialog(const ui::Window& w) {
    std::string s = inQuotes(w.text());
    if (const auto* d = dynamic_cast<const ui::Dialog*>(&w); d && d->templateId() != 0)
        s += " (template " + std::to_string(d->templateId()) + ")";
    return s;
}

// ": <the last line printed>" (what the command said about its failure), or nothing.
std::string lastLineOf(std::wstring text) {
    while (!text.empty() && (text.back() == L'\n' || text.back() == L' '))
        text.pop_back();
    const size_t start = text.rfind(L'\n');
    text = start == std::wstring::npos ? text : text.substr(start + 1);
    return text.empty() ? std::string() : ": " + u8(text);
}

bool isAnswer(ScriptOp op) {
    switch (op) {
    case ScriptOp::AnswerMsgBox:
    case ScriptOp::AnswerFile:
    case ScriptOp::AnswerColor:
    case ScriptOp::AnswerFont:
    case ScriptOp::AnswerPrint:
    case ScriptOp::AnswerMenu:
    case ScriptOp::AnswerPoint:
    case ScriptOp::AnswerEntities:
        return true;
    default:
        return false;
    }
}

bool isExpectation(ScriptOp op) {
    return op >= ScriptOp::ExpectDialog;
}

} // namespace

ScriptDriver::ScriptDriver(StepSource& source, CommandProcessor& processor)
    : m_source(source), m_processor(processor) {}

ScriptDriver::~ScriptDriver() {
    if (ui::app().driver() == this)
        ui::app().setDriver(m_previous);
}

// ---- Running --------------------------------------------------------------------------

bool ScriptDriver::run() {
    m_previous = ui::app().setDriver(this);
    m_layerFailuresSeen = ui::app().failures().size();
    while (!stopped() && !m_endOfInput) {
        auto step = m_source.next("Command: ");
        if (!step)
            break;
        m_currentLine = step->line;
        execute(*step, nullptr);
        collectLayerFailures(step->line);
    }
    if (!stopped() && !m_source.interactive())
        checkLeftovers();
    ui::app().setDriver(m_previous);
    return m_failures.empty();
}

void ScriptDriver::execute(const ScriptStep& step, ui::Dialog* modal) {
    if (step.op == ScriptOp::Command)
        runCommand(step);
    else if (isAnswer(step.op))
        queueAnswer(step);
    else if (isExpectation(step.op))
        checkExpectation(step, modal);
    else
        runAction(step, modal);
}

void ScriptDriver::runCommand(const ScriptStep& step) {
    if (!m_source.interactive()) {
        std::wstring line;
        for (const auto& w : step.words)
            line += (line.empty() ? L"" : L" ") + w;
        commandLine().write(L"Command: " + line + L"\n");
    }
    m_outputMark = commandLine().mark();
    m_lastMessageBox.reset();
    const CommandOutcome outcome = m_processor.execute(step.words);
    if (outcome == CommandOutcome::Quit)
        m_quit = true;
    else if (outcome == CommandOutcome::Unknown)
        fail(step, "unknown command " + inQuotes(step.words[0]));
    else if (outcome == CommandOutcome::Failed)
        fail(step, "the command " + inQuotes(step.words[0]) + " failed" +
                       lastLineOf(commandLine().textSince(m_outputMark)));
}

ui::DriverStep ScriptDriver::modalStep(ui::Dialog& dialog) {
    if (stopped() || m_endOfInput) {
        dialog.endDialog(ui::IDCANCEL);
        return ui::DriverStep::Acted;
    }
    const std::string prompt = u8(dialog.text()) + "> ";
    auto step = m_source.next(prompt);
    if (!step) {
        m_endOfInput = true;
        if (!m_source.interactive())
            fail(m_currentLine, "the script ended while the modal dialog " +
                                    describeDialog(dialog) + " was still open; it was cancelled");
        dialog.endDialog(ui::IDCANCEL);
        return ui::DriverStep::Acted;
    }
    m_currentLine = step->line;
    if (step->op == ScriptOp::Command) {
        fail(*step, "host command " + inQuotes(step->words[0]) + " while the modal dialog " +
                        describeDialog(dialog) + " is open; answer or close the dialog first");
        if (!m_source.interactive())
            dialog.endDialog(ui::IDCANCEL);
        return ui::DriverStep::Acted;
    }
    ui::WindowRef<ui::Dialog> guard(&dialog);
    execute(*step, &dialog);
    collectLayerFailures(step->line);
    if (stopped() && guard)
        guard->endDialog(ui::IDCANCEL);
    return ui::DriverStep::Acted;
}

void ScriptDriver::windowShown(ui::Window& window) {
    if (auto* d = dynamic_cast<ui::Dialog*>(&window); d && !d->isChildWindow()) {
        std::erase_if(m_shown,
                      [&](const ui::WindowRef<ui::Dialog>& r) { return !r || r.get() == d; });
        m_shown.emplace_back(d);
    }
}

// ---- Failures ---------------------------------------------------------------------------

void ScriptDriver::fail(int line, const std::string& message) {
    const std::string text = m_source.name() + ":" + std::to_string(line) + ": " + message;
    m_failures.push_back(text);
    ui::app().transcript().add("FAILED " + text);
    commandLine().breakLine();
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    if (!m_source.interactive())
        m_aborted = true;
}

void ScriptDriver::collectLayerFailures(int line) {
    const auto& all = ui::app().failures();
    while (m_layerFailuresSeen < all.size()) {
        const std::string message = all[m_layerFailuresSeen++];
        fail(line, message);
    }
}

void ScriptDriver::checkLeftovers() {
    for (const ScriptStep& a : m_answers)
        fail(a.line, "this answer was never used: " + u8(a.source));
    m_answers.clear();
    if (const int n = picks().pendingCount(); n > 0) {
        fail(m_currentLine,
             std::to_string(n) + " answer(s) to picks in the drawing were never used");
        picks().clear();
    }
    collectLayerFailures(m_currentLine);
}

// ---- Targets ------------------------------------------------------------------------------

ui::Window* ScriptDriver::targetDialog(ui::Dialog* modal) {
    // A choice made with "dialog CAPTION" holds at the modal depth it was made at: a
    // modal dialog opened on top takes the actions until it ends.
    if (ui::Dialog* d = m_selected.get();
        d && d->isWindow() && m_selectedDepth == ui::app().modalDepth())
        return d;
    if (modal)
        return modal;
    if (ui::Dialog* d = ui::app().activeModal())
        return d;
    for (auto it = m_shown.rbegin(); it != m_shown.rend(); ++it) {
        ui::Dialog* d = it->get();
        if (d && d->isWindow() && d->isWindowVisible())
            return d;
    }
    return nullptr;
}

ui::Window* ScriptDriver::control(const ScriptStep& step, ui::Dialog* modal) {
    ui::Window* dialog = targetDialog(modal);
    if (!dialog) {
        fail(step, "no dialog is open");
        return nullptr;
    }
    ui::Window* w = nullptr;
    if (!step.control.caption.empty()) {
        w = findByCaption(*dialog, step.control.caption, true);
        if (!w)
            w = findByCaption(*dialog, step.control.caption, false);
    } else {
        w = dialog->findDescendant(step.control.id);
    }
    if (!w)
        fail(step, "dialog " + describeDialog(*dialog) + " has no control " +
                       u8(step.control.describe()));
    return w;
}

// ---- Actions --------------------------------------------------------------------------------

void ScriptDriver::runAction(const ScriptStep& step, ui::Dialog* modal) {
    const std::string what = u8(step.source);
    auto couldNot = [&](ui::Window* w) {
        std::string why;
        if (w && !w->isWindowVisible())
            why = " (it is hidden)";
        else if (w && !w->isWindowEnabled())
            why = " (it is disabled)";
        else if (w && w->topLevel() && !w->topLevel()->isWindowEnabled())
            why = " (its window is disabled)";
        fail(step, "could not do \"" + what + "\"" + why);
    };

    switch (step.op) {
    case ScriptOp::Wait:
        ui::advanceTime(static_cast<std::uint64_t>(step.number));
        return;
    case ScriptOp::Echo:
        commandLine().write(step.text + L"\n");
        return;
    case ScriptOp::HoverDrawing:
        mainWindow().mouseOverDrawing();
        return;
    case ScriptOp::UseDialog: {
        m_selected = nullptr;
        if (step.text.empty())
            return;
        ui::Dialog* found = nullptr;
        for (ui::Window* w : ui::app().topLevelWindows()) {
            auto* d = dynamic_cast<ui::Dialog*>(w);
            if (d && d->isWindow() && base::equalsNoCase(d->text(), step.text))
                found = d;
        }
        if (!found)
            fail(step, "no open dialog has the caption " + inQuotes(step.text));
        m_selected = found;
        m_selectedDepth = ui::app().modalDepth();
        return;
    }
    case ScriptOp::Type:
        if (!step.control.present) {
            if (!ui::typeText(step.text))
                couldNot(ui::Window::getFocus());
            return;
        }
        break;
    default:
        break;
    }

    // Actions on the dialog itself.
    if (step.op == ScriptOp::Close || step.op == ScriptOp::Resize ||
        step.op == ScriptOp::MenuCommand || step.op == ScriptOp::Snapshot ||
        (step.op == ScriptOp::Key && !step.control.present)) {
        ui::Window* dialog = targetDialog(modal);
        if (!dialog && step.op != ScriptOp::Key) {
            fail(step, "no dialog is open");
            return;
        }
        bool ok = true;
        switch (step.op) {
        case ScriptOp::Close:
            ok = ui::closeBox(*dialog);
            break;
        case ScriptOp::Resize:
            ok = ui::resize(*dialog, static_cast<int>(std::lround(step.values[0])),
                            static_cast<int>(std::lround(step.values[1])));
            break;
        case ScriptOp::MenuCommand:
            ok = ui::chooseMenuCommand(*dialog, step.number);
            break;
        case ScriptOp::Key:
            ok = ui::key(step.number, step.modifiers);
            break;
        case ScriptOp::Snapshot: {
            const std::filesystem::path file = base::toNative(step.text);
            if (file.has_parent_path())
                base::createFolder(file.parent_path());
            if (!ui::writePng(*dialog, file.string())) {
                fail(step, "could not write the snapshot " + file.string());
                return;
            }
            commandLine().write(L"Snapshot written: " + base::fromUtf8(file.string()) + L"\n");
            return;
        }
        default:
            break;
        }
        if (!ok)
            couldNot(dialog);
        return;
    }

    ui::Window* w = control(step, modal);
    if (!w)
        return;
    ui::WindowRef<> guard(w);
    ui::Window* parent = w->parent() ? w->parent() : w;
    bool ok = true;
    switch (step.op) {
    case ScriptOp::Click:
        ok = ui::click(*w, step.modifiers);
        break;
    case ScriptOp::DoubleClick: {
        const ui::Rect r = w->getClientRect();
        ok = ui::doubleClickAt(*w, {r.width() / 2, r.height() / 2});
        break;
    }
    case ScriptOp::Drag: {
        auto pt = [&](size_t i) {
            return ui::Point{static_cast<int>(std::lround(step.values[i])),
                             static_cast<int>(std::lround(step.values[i + 1]))};
        };
        ok = ui::drag(*w, pt(0), pt(2), step.modifiers);
        break;
    }
    case ScriptOp::RightClick: {
        const ui::Rect r = w->getClientRect();
        const ui::Point p = step.values.size() == 2 ? ui::Point{static_cast<int>(step.values[0]),
                                                                static_cast<int>(step.values[1])}
                                                    : ui::Point{r.width() / 2, r.height() / 2};
        ok = ui::rightClick(*w, p);
        break;
    }
    case ScriptOp::Type:
    case ScriptOp::Append:
        ok = ui::typeText(*parent, w->id(), step.text,
                          step.op == ScriptOp::Append ? ui::TypeMode::Append
                                                      : ui::TypeMode::Replace);
        break;
    case ScriptOp::Key:
        w->setFocus();
        ok = w->hasFocus() && ui::key(step.number, step.modifiers);
        break;
    case ScriptOp::Select:
        ok = step.hasIndex ? ui::selectItem(*parent, w->id(), step.number)
                           : ui::selectItem(*parent, w->id(), step.text);
        break;
    case ScriptOp::Check:
        ok = false;
        for (int i = 0; i < 3 && guard; ++i) {
            if (static_cast<int>(w->sendMessage(ui::BM_GETCHECK)) == step.number) {
                ok = true;
                break;
            }
            if (!ui::click(*w))
                break;
        }
        if (guard && !ok && static_cast<int>(w->sendMessage(ui::BM_GETCHECK)) == step.number)
            ok = true;
        break;
    case ScriptOp::Focus:
        w->setFocus();
        ok = w->hasFocus();
        break;
    default:
        break;
    }
    if (!ok)
        couldNot(guard.get());
}

// ---- Expectations -----------------------------------------------------------------------------

void ScriptDriver::checkExpectation(const ScriptStep& step, ui::Dialog* modal) {
    const std::string what = u8(step.source);
    auto expectFailed = [&](const std::string& found) {
        fail(step, "expectation failed: " + what + ": " + found);
    };

    switch (step.op) {
    case ScriptOp::ExpectOutput:
    case ScriptOp::ExpectNoOutput: {
        const bool found =
            commandLine().textSince(m_outputMark).find(step.text) != std::wstring::npos;
        if (step.op == ScriptOp::ExpectOutput && !found)
            expectFailed("the command line since the last command does not contain it:\n" +
                         u8(commandLine().textSince(m_outputMark)));
        else if (step.op == ScriptOp::ExpectNoOutput && found)
            expectFailed("the command line since the last command contains it");
        return;
    }
    case ScriptOp::ExpectMsgBox:
        if (!m_lastMessageBox)
            expectFailed("no message box was shown since the last command");
        else if (m_lastMessageBox->find(step.text) == std::wstring::npos)
            expectFailed("the last message box said " + inQuotes(*m_lastMessageBox));
        return;
    case ScriptOp::ExpectPrompts:
        if (commandLine().promptCount() != step.number)
            expectFailed("the command prompt was posted " +
                         std::to_string(commandLine().promptCount()) + " time(s)");
        return;
    case ScriptOp::ExpectNoDialog: {
        ui::Window* d = modal ? modal : targetDialog(nullptr);
        if (d)
            expectFailed("the dialog " + describeDialog(*d) + " is open");
        return;
    }
    case ScriptOp::ExpectDialog: {
        ui::Window* d = targetDialog(modal);
        if (!d)
            expectFailed("no dialog is open");
        else if (d->text() != step.text)
            expectFailed("the dialog is " + describeDialog(*d));
        return;
    }
    default:
        break;
    }

    ui::Window* w = control(step, modal);
    if (!w)
        return;
    switch (step.op) {
    case ScriptOp::ExpectText:
        if (w->getWindowText() != step.text)
            expectFailed("control " + u8(step.control.describe()) + " shows " +
                         inQuotes(w->getWindowText()));
        return;
    case ScriptOp::ExpectCheck: {
        const int state = static_cast<int>(w->sendMessage(ui::BM_GETCHECK));
        if (state != step.number)
            expectFailed("control " + u8(step.control.describe()) + " has check state " +
                         std::to_string(state));
        return;
    }
    case ScriptOp::ExpectFocus: {
        ui::Window* focus = ui::Window::getFocus();
        // The focus may sit in a control's own child (the edit of a combo box).
        if (!focus || (focus != w && !w->isChild(focus)))
            expectFailed(focus ? "the focus is on control " + std::to_string(focus->id()) + " " +
                                     inQuotes(focus->text())
                               : std::string("nothing has the focus"));
        return;
    }
    case ScriptOp::ExpectSelected: {
        const std::wstring& cls = w->className();
        long long index = -2;
        if (base::equalsNoCase(cls, L"ComboBox"))
            index = static_cast<long long>(w->sendMessage(ui::CB_GETCURSEL));
        else if (base::equalsNoCase(cls, L"ListBox"))
            index = static_cast<long long>(w->sendMessage(ui::LB_GETCURSEL));
        else if (base::equalsNoCase(cls, L"SysTabControl32"))
            index = static_cast<long long>(w->sendMessage(ui::TCM_GETCURSEL));
        else if (base::equalsNoCase(cls, L"SysListView32"))
            index = static_cast<long long>(w->sendMessage(
                ui::LVM_GETNEXTITEM, static_cast<ui::WPARAM>(-1), ui::LVNI_SELECTED));
        if (index == -2)
            expectFailed("control " + u8(step.control.describe()) + " (" + u8(cls) +
                         ") has no item selection");
        else if (index != step.number)
            expectFailed("item " + std::to_string(index) + " is selected");
        return;
    }
    case ScriptOp::ExpectEnabled:
        if (!w->isWindowEnabled())
            expectFailed("it is disabled");
        return;
    case ScriptOp::ExpectDisabled:
        if (w->isWindowEnabled())
            expectFailed("it is enabled");
        return;
    case ScriptOp::ExpectVisible:
        if (!w->isWindowVisible())
            expectFailed("it is hidden");
        return;
    case ScriptOp::ExpectHidden:
        if (w->isWindowVisible())
            expectFailed("it is visible");
        return;
    default:
        return;
    }
}

// ---- Answers ----------------------------------------------------------------------------------

void ScriptDriver::queueAnswer(const ScriptStep& step) {
    if (step.op == ScriptOp::AnswerPoint) {
        if (step.cancel)
            picks().queuePoint(std::nullopt);
        else
            picks().queuePoint(PickPoint{{step.values[0], step.values[1], step.values[2]}});
        return;
    }
    if (step.op == ScriptOp::AnswerEntities) {
        if (step.cancel) {
            picks().queueEntities(std::nullopt);
            return;
        }
        std::vector<AcDbObjectId> ids;
        for (long long id : step.ids)
            ids.push_back(AcDbObjectId::fromOldId(id));
        picks().queueEntities(std::move(ids));
        return;
    }
    m_answers.push_back(step);
}

std::optional<ScriptStep> ScriptDriver::takeAnswer(ScriptOp op, std::wstring_view boxText) {
    for (auto it = m_answers.begin(); it != m_answers.end(); ++it) {
        if (it->op == op &&
            (it->fragment.empty() || boxText.find(it->fragment) != std::wstring_view::npos)) {
            ScriptStep s = *it;
            m_answers.erase(it);
            return s;
        }
    }
    return std::nullopt;
}

std::optional<int> ScriptDriver::answerMessageBox(const ui::MessageBoxRequest& request) {
    m_lastMessageBox = request.text;
    if (stopped())
        return request.cancelResult();
    auto answer = takeAnswer(ScriptOp::AnswerMsgBox, request.text);
    if (!answer && m_source.interactive()) {
        commandLine().write(L"Message box: " + request.text + L"\n");
        while (auto line = m_source.ask("Answer (ok, cancel, yes, no, ...): ")) {
            std::string error;
            if (auto step = parseScriptLine("answer msgbox " + *line, 0, error)) {
                answer = step;
                break;
            }
        }
    }
    if (!answer) {
        fail(m_currentLine,
             "the message box " + inQuotes(request.text) +
                 " was not answered (put \"answer msgbox ...\" before the line that opens it)");
        return request.cancelResult();
    }
    const auto possible = request.possibleResults();
    if (std::find(possible.begin(), possible.end(), answer->number) == possible.end()) {
        fail(answer->line, "the answer " + ui::resultName(answer->number) +
                               " does not fit the message box " + inQuotes(request.text));
        return request.cancelResult();
    }
    return answer->number;
}

std::optional<std::optional<std::wstring>>
ScriptDriver::answerFileDialog(const ui::FileDialogRequest& request) {
    if (stopped())
        return std::optional<std::wstring>();
    auto answer = takeAnswer(ScriptOp::AnswerFile);
    if (!answer) {
        fail(m_currentLine,
             "the file dialog " + inQuotes(request.title) +
                 " was not answered (put \"answer file ...\" before the line that opens it)");
        return std::optional<std::wstring>();
    }
    if (answer->cancel)
        return std::optional<std::wstring>();
    return std::optional<std::wstring>(answer->text);
}

std::optional<std::optional<ui::Color>>
ScriptDriver::answerColorDialog(const ui::ColorDialogRequest&) {
    if (stopped())
        return std::optional<ui::Color>();
    auto answer = takeAnswer(ScriptOp::AnswerColor);
    if (!answer) {
        fail(m_currentLine, "the colour dialog was not answered (put \"answer color ...\" before "
                            "the line that opens it)");
        return std::optional<ui::Color>();
    }
    if (answer->cancel)
        return std::optional<ui::Color>();
    return std::optional<ui::Color>(ui::Color::fromRgb(static_cast<int>(answer->values[0]),
                                                       static_cast<int>(answer->values[1]),
                                                       static_cast<int>(answer->values[2])));
}

std::optional<std::optional<ui::FontDialogResult>>
ScriptDriver::answerFontDialog(const ui::FontDialogRequest& request) {
    if (stopped())
        return std::optional<ui::FontDialogResult>();
    auto answer = takeAnswer(ScriptOp::AnswerFont);
    if (!answer) {
        fail(m_currentLine, "the font dialog was not answered (put \"answer font ...\" before the "
                            "line that opens it)");
        return std::optional<ui::FontDialogResult>();
    }
    if (answer->cancel)
        return std::optional<ui::FontDialogResult>();
    ui::FontDialogResult result;
    result.font = request.initial;
    result.font.faceName = answer->text;
    result.font.height = -static_cast<int>(std::lround(answer->values[0] * 96.0 / 72.0));
    result.font.weight = answer->bold ? 700 : 400;
    result.font.italic = answer->italic;
    result.color = request.initialColor;
    return std::optional<ui::FontDialogResult>(result);
}

std::optional<std::optional<ui::PrintDialogResult>>
ScriptDriver::answerPrintDialog(const ui::PrintDialogRequest& request) {
    ui::PrintDialogResult result;
    result.deviceMode = request.deviceMode;
    if (request.kind == ui::PrintDialogKind::ReturnDefault)
        return std::optional<ui::PrintDialogResult>(result);
    if (stopped())
        return std::optional<ui::PrintDialogResult>();
    auto answer = takeAnswer(ScriptOp::AnswerPrint);
    if (!answer) {
        fail(m_currentLine, "the print dialog was not answered (put \"answer print ...\" before "
                            "the line that opens it)");
        return std::optional<ui::PrintDialogResult>();
    }
    if (answer->cancel)
        return std::optional<ui::PrintDialogResult>();
    if (answer->values.size() == 2) {
        result.range = ui::PrintRange::Pages;
        result.fromPage = static_cast<int>(answer->values[0]);
        result.toPage = static_cast<int>(answer->values[1]);
    }
    if (answer->number != 0)
        result.deviceMode.landscape = answer->number == 2;
    if (request.kind == ui::PrintDialogKind::Print) {
        if (!answer->text.empty()) {
            // "to PATH": the job's PDF goes there (the folder must exist, as for a printer
            // that prints to a file).
            std::filesystem::path file = base::toNative(answer->text);
            // A relative path is taken from the host program's folder, not from wherever
            // the host was started.
            if (file.is_relative() && !base::ownProgramPath().empty())
                file = base::ownProgramPath().parent_path() / file;
            result.outputPath = file.string();
        } else {
            const auto file = std::filesystem::temp_directory_path() /
                              ("trevlon-print-" + std::to_string(getpid()) + "-" +
                               std::to_string(++m_printJobs) + ".pdf");
            result.outputPath = file.string();
        }
    }
    return std::optional<ui::PrintDialogResult>(result);
}

std::optional<int> ScriptDriver::choosePopupMenuItem(const ui::PopupMenuRequest&) {
    if (stopped())
        return 0;
    auto answer = takeAnswer(ScriptOp::AnswerMenu);
    if (!answer) {
        fail(m_currentLine, "the popup menu was not answered (put \"answer menu ...\" before the "
                            "line that opens it)");
        return 0;
    }
    return answer->number;
}

} // namespace host
