#include "platform/host/CommandRegistry.h"

#include "platform/base/Encoding.h"

#include <algorithm>

namespace host {

CommandRegistry& commands() {
    static CommandRegistry* registry = new CommandRegistry;
    return *registry;
}

Acad::ErrorStatus CommandRegistry::add(Command command) {
    if (command.group.empty() || command.globalName.empty() || !command.function)
        return Acad::eInvalidInput;
    if (command.localName.empty())
        command.localName = command.globalName;
    for (const Command& c : m_commands)
        if (base::equalsNoCase(c.group, command.group) &&
            base::equalsNoCase(c.globalName, command.globalName))
            return Acad::eDuplicateKey;
    m_commands.push_back(std::move(command));
    return Acad::eOk;
}

Acad::ErrorStatus CommandRegistry::remove(std::wstring_view group, std::wstring_view globalName) {
    if (!hasGroup(group))
        return Acad::eNotInGroup;
    const int n = removeIf([&](const Command& c) {
        return base::equalsNoCase(c.group, group) && base::equalsNoCase(c.globalName, globalName);
    });
    return n > 0 ? Acad::eOk : Acad::eKeyNotFound;
}

Acad::ErrorStatus CommandRegistry::removeGroup(std::wstring_view group) {
    const int n = removeIf([&](const Command& c) { return base::equalsNoCase(c.group, group); });
    return n > 0 ? Acad::eOk : Acad::eNotInGroup;
}

int CommandRegistry::removeIf(const std::function<bool(const Command&)>& pick) {
    const auto before = m_commands.size();
    std::erase_if(m_commands, pick);
    return static_cast<int>(before - m_commands.size());
}

bool CommandRegistry::hasGroup(std::wstring_view group) const {
    return std::any_of(m_commands.begin(), m_commands.end(),
                       [&](const Command& c) { return base::equalsNoCase(c.group, group); });
}

const Command* CommandRegistry::find(std::wstring_view typed) const {
    bool globalOnly = false;
    if (!typed.empty() && typed.front() == L'_') {
        globalOnly = true;
        typed.remove_prefix(1);
    }
    std::wstring_view group;
    if (const auto dot = typed.find(L'.'); dot != std::wstring_view::npos) {
        group = typed.substr(0, dot);
        typed = typed.substr(dot + 1);
    }
    if (typed.empty())
        return nullptr;
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it) {
        if (!group.empty() && !base::equalsNoCase(it->group, group))
            continue;
        if (base::equalsNoCase(it->globalName, typed) ||
            (!globalOnly && base::equalsNoCase(it->localName, typed)))
            return &*it;
    }
    return nullptr;
}

} // namespace host

// ---- AcEdCommandStack ----------------------------------------------------------------

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* group, const ACHAR* globalName,
                                               const ACHAR* localName, Adesk::Int32 flags,
                                               AcRxFunctionPtr function, AcEdUIContext*, int fcode,
                                               HINSTANCE resourceHandle, AcEdCommand** cmdPtrRet) {
    if (cmdPtrRet)
        *cmdPtrRet = nullptr;
    host::Command c;
    c.group = group ? group : L"";
    c.globalName = globalName ? globalName : L"";
    c.localName = localName ? localName : L"";
    c.flags = flags;
    c.function = function;
    c.fcode = fcode;
    c.resourceHandle = resourceHandle;
    return host::commands().add(std::move(c));
}

Acad::ErrorStatus AcEdCommandStack::removeCmd(const ACHAR* group, const ACHAR* globalName) {
    return host::commands().remove(group ? group : L"", globalName ? globalName : L"");
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* group) {
    return host::commands().removeGroup(group ? group : L"");
}
