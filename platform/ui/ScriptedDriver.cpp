#include "platform/ui/ScriptedDriver.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/Transcript.h"

namespace ui {

ScriptedDriver::ScriptedDriver() {
    m_previous = app().setDriver(this);
}

ScriptedDriver::~ScriptedDriver() {
    if (app().driver() == this)
        app().setDriver(m_previous);
}

void ScriptedDriver::onDialog(int templateId, DialogHandler handler) {
    m_handlers.push_back(Handler{templateId, {}, std::move(handler)});
}

void ScriptedDriver::onDialogCaption(std::wstring caption, DialogHandler handler) {
    m_handlers.push_back(Handler{0, std::move(caption), std::move(handler)});
}

void ScriptedDriver::onAnyDialog(DialogHandler handler) {
    m_any = std::move(handler);
}

void ScriptedDriver::answerMessageBox(int result, std::wstring textContains) {
    m_boxes.push_back(BoxAnswer{result, std::move(textContains)});
}
void ScriptedDriver::answerFile(std::optional<std::wstring> path) {
    m_files.push_back(std::move(path));
}
void ScriptedDriver::answerColor(std::optional<Color> color) {
    m_colors.push_back(color);
}
void ScriptedDriver::answerFont(std::optional<FontDialogResult> font) {
    m_fonts.push_back(std::move(font));
}
void ScriptedDriver::answerPrint(std::optional<PrintDialogResult> print) {
    m_prints.push_back(std::move(print));
}
void ScriptedDriver::choosePopupItem(int commandId) {
    m_menus.push_back(commandId);
}

DriverStep ScriptedDriver::modalStep(Dialog& dialog) {
    for (auto it = m_handlers.begin(); it != m_handlers.end(); ++it) {
        bool match = (it->templateId != 0 && it->templateId == dialog.templateId()) ||
                     (!it->caption.empty() && it->caption == dialog.text());
        if (!match)
            continue;
        DialogHandler fn = std::move(it->fn);
        m_handlers.erase(it);
        if (fn)
            fn(dialog); // may delete the dialog
        return DriverStep::Acted;
    }
    if (m_any) {
        DialogHandler fn = m_any; // the handler may replace itself
        fn(dialog);
        return DriverStep::Acted;
    }
    return DriverStep::Idle;
}

std::optional<int> ScriptedDriver::answerMessageBox(const MessageBoxRequest& request) {
    m_seenBoxes.push_back(request);
    for (auto it = m_boxes.begin(); it != m_boxes.end(); ++it) {
        if (!it->fragment.empty() && request.text.find(it->fragment) == std::wstring::npos &&
            request.caption.find(it->fragment) == std::wstring::npos)
            continue;
        int r = it->result;
        m_boxes.erase(it);
        return r;
    }
    return std::nullopt;
}

namespace {
template <class T> std::optional<T> take(std::deque<T>& q) {
    if (q.empty())
        return std::nullopt;
    T v = std::move(q.front());
    q.pop_front();
    return v;
}
} // namespace

std::optional<std::optional<std::wstring>>
ScriptedDriver::answerFileDialog(const FileDialogRequest& r) {
    m_seenFiles.push_back(r);
    return take(m_files);
}
std::optional<std::optional<Color>> ScriptedDriver::answerColorDialog(const ColorDialogRequest&) {
    return take(m_colors);
}
std::optional<std::optional<FontDialogResult>>
ScriptedDriver::answerFontDialog(const FontDialogRequest&) {
    return take(m_fonts);
}
std::optional<std::optional<PrintDialogResult>>
ScriptedDriver::answerPrintDialog(const PrintDialogRequest& r) {
    m_seenPrints.push_back(r);
    return take(m_prints);
}

std::optional<int> ScriptedDriver::choosePopupMenuItem(const PopupMenuRequest& r) {
    m_seenMenus.push_back(r.menu ? r.menu->describe() : std::string());
    return take(m_menus);
}

bool ScriptedDriver::allConsumed() const {
    return unconsumed().empty();
}

std::vector<std::string> ScriptedDriver::unconsumed() const {
    std::vector<std::string> out;
    for (const auto& h : m_handlers)
        out.push_back(h.templateId ? "handler for dialog " + std::to_string(h.templateId)
                                   : "handler for dialog \"" + toUtf8(h.caption) + "\"");
    for (const auto& b : m_boxes)
        out.push_back("message box answer " + resultName(b.result) +
                      (b.fragment.empty() ? "" : " (for \"" + toUtf8(b.fragment) + "\")"));
    for (size_t i = 0; i < m_files.size(); ++i)
        out.push_back("file dialog answer");
    for (size_t i = 0; i < m_colors.size(); ++i)
        out.push_back("colour dialog answer");
    for (size_t i = 0; i < m_fonts.size(); ++i)
        out.push_back("font dialog answer");
    for (size_t i = 0; i < m_prints.size(); ++i)
        out.push_back("print dialog answer");
    for (int id : m_menus)
        out.push_back("popup menu choice " + std::to_string(id));
    return out;
}

bool ScriptedDriver::done() const {
    return allConsumed() && app().failures().empty();
}

} // namespace ui
