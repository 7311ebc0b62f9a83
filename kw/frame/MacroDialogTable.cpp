#include "kw/frame/MacroDialogTable.h"

#include "kw/frame/HostCalls.h"
#include "platform/ui/Application.h"

#include <algorithm>

namespace kw {
namespace {

constexpr unsigned kDeferredCloseMs = 50;

} // namespace

MacroDialogTable& MacroDialogTable::instance() {
    static MacroDialogTable table;
    return table;
}

MacroDialogTable::MacroDialogTable() {
    // Without the macro dialog's factory (registered by kw/macro) nothing can be made.
    m_factory = [](ui::Window*) -> MacroDialogBase* {
        hostPrint(L"The macro dialog is not part of this module.\n");
        return nullptr;
    };
}

MacroDialogTable::Factory MacroDialogTable::setFactory(Factory factory) {
    std::swap(m_factory, factory);
    return factory;
}

MacroDialogBase* MacroDialogTable::at(int index) const {
    if (index < 0 || index >= length())
        return nullptr;
    return m_dialogs[static_cast<size_t>(index)];
}

bool MacroDialogTable::open(bool keepFocus, const MacroData& macro, int& index) {
    index = -1;
    for (int i = 0; i < length(); ++i) {
        if (m_dialogs[static_cast<size_t>(i)] == nullptr)
            index = i; // the highest free slot wins
    }
    if (index < 0) {
        index = length();
        m_dialogs.push_back(nullptr);
    }
    ui::Window* mainWindow = hostMainWindow();
    MacroDialogBase* dialog = m_factory ? m_factory(mainWindow) : nullptr;
    if (dialog == nullptr)
        return false; // the slot stays free
    dialog->m_tableIndex = index;
    dialog->m_macroData = macro;
    dialog->create(MacroDialogBase::kTemplateId);
    dialog->showWindow(ui::SW_SHOW);
    m_dialogs[static_cast<size_t>(index)] = dialog;
    if (!keepFocus && mainWindow != nullptr)
        mainWindow->setFocus();
    return true;
}

bool MacroDialogTable::getData(int index, MacroData& macro) const {
    const MacroDialogBase* dialog = at(index);
    if (dialog == nullptr)
        return false;
    macro = dialog->m_macroData;
    return true;
}

bool MacroDialogTable::destroyEntry(int index) {
    MacroDialogBase* dialog = at(index);
    if (dialog->isWindow() && !dialog->destroyWindow())
        return false;
    delete dialog;
    m_dialogs[static_cast<size_t>(index)] = nullptr;
    if (index == length() - 1) {
        while (!m_dialogs.empty() && m_dialogs.back() == nullptr)
            m_dialogs.pop_back();
    }
    return true;
}

bool MacroDialogTable::close(int index) {
    MacroDialogBase* dialog = at(index);
    if (dialog == nullptr)
        return false;
    if (dialog->m_macroData.busy()) {
        const unsigned id =
            ui::app().setThreadTimer(kDeferredCloseMs, &MacroDialogTable::deferredClose);
        m_pending.emplace_back(id, index);
        return true;
    }
    if (!destroyEntry(index))
        return false;
    hostPostCommandPrompt();
    return true;
}

void MacroDialogTable::closeAll() {
    for (int i = length() - 1; i >= 0; --i)
        close(i);
}

void MacroDialogTable::deferredClose(unsigned timerId) {
    hostPrint(L"Delayed timer called.\n");
    MacroDialogTable& table = instance();
    auto found = std::find_if(table.m_pending.begin(), table.m_pending.end(),
                              [timerId](const auto& p) { return p.first == timerId; });
    if (found == table.m_pending.end())
        return;
    const int index = found->second;
    ui::app().killThreadTimer(timerId);
    // The close may start a new timer (flag still set) and so append to the list:
    // look the pair up again afterwards instead of keeping the iterator.
    table.close(index);
    auto again = std::find_if(table.m_pending.begin(), table.m_pending.end(),
                              [timerId](const auto& p) { return p.first == timerId; });
    if (again != table.m_pending.end())
        table.m_pending.erase(again);
}

void MacroDialogTable::closePendingNow() {
    std::vector<std::pair<unsigned, int>> pending;
    pending.swap(m_pending);
    for (const auto& [timerId, index] : pending) {
        ui::app().killThreadTimer(timerId);
        if (at(index) != nullptr)
            destroyEntry(index);
    }
}

} // namespace kw
