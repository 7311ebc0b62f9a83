#pragma once
// CommandRegistry: the host's side of the command stack (AcEdCommandStack forwards here).
// Commands are kept in registration order; lookup rules are in AcEdCommandStack.h.

#include "platform/host/AcEdCommandStack.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {

struct Command {
    std::wstring group;
    std::wstring globalName;
    std::wstring localName;
    Adesk::Int32 flags = ACRX_CMD_MODAL;
    AcRxFunctionPtr function = nullptr;
    int fcode = -1;
    HINSTANCE resourceHandle = nullptr;
};

class CommandRegistry {
public:
    Acad::ErrorStatus add(Command command);
    Acad::ErrorStatus remove(std::wstring_view group, std::wstring_view globalName);
    Acad::ErrorStatus removeGroup(std::wstring_view group);
    // Removes every command whose function the predicate picks; returns how many.
    int removeIf(const std::function<bool(const Command&)>& pick);

    // The command a typed name runs, or null.
    const Command* find(std::wstring_view typedName) const;
    bool hasGroup(std::wstring_view group) const;
    const std::vector<Command>& all() const { return m_commands; }
    void clear() { m_commands.clear(); }

private:
    std::vector<Command> m_commands;
};

CommandRegistry& commands();

} // namespace host
