#pragma once
// The table of open modeless macro dialogs. A dialog's position is the handle the core
// holds; a null entry is a free slot, and free slots at the end are trimmed after a
// close. A dialog whose macro the core is still working on (busy flag) is closed later,
// from a 50 ms thread timer that retries until the flag clears.

#include <functional>
#include <utility>
#include <vector>

#include "kw/frame/MacroDialogBase.h"

namespace ui {
class Window;
}

namespace kw {

class MacroDialogTable {
public:
    // Makes a new macro dialog with the given parent; null when none can be made.
    using Factory = std::function<MacroDialogBase*(ui::Window* parent)>;

    static MacroDialogTable& instance();

    // Replaces the factory (the macro dialog itself, or a test's dialog). Returns the old one.
    Factory setFactory(Factory factory);

    bool open(bool keepFocus, const MacroData& macro, int& index);
    bool getData(int index, MacroData& macro) const;
    bool close(int index);
    void closeAll();
    // Unload: kills every pending deferred-close timer and closes those dialogs now,
    // busy or not, so that nothing of the module runs after it is gone.
    void closePendingNow();

    int length() const { return static_cast<int>(m_dialogs.size()); }
    MacroDialogBase* at(int index) const;
    int pendingCount() const { return static_cast<int>(m_pending.size()); }

private:
    MacroDialogTable();
    static void deferredClose(unsigned timerId);
    bool destroyEntry(int index);

    Factory m_factory;
    std::vector<MacroDialogBase*> m_dialogs;
    std::vector<std::pair<unsigned, int>> m_pending; // {timer id, table index}
};

} // namespace kw
