#pragma once
// The commands through which a user reaches each dialog on the sample model. Every
// command lives in a file of its own and registers itself with a UserCommand object at
// namespace scope; the module's entry adds them all to the host's command stack under
// the group "TREVLON" when it is loaded and removes the group when it is unloaded.
//
//     namespace { void runMyDialog() { ... } const UserCommand kMyDialog{L"MYDIALOG",
//     &runMyDialog}; }
//
// Commands reach the dialogs module's exports through dialogsExport<Fn>("Name"), which
// looks the symbol up in the loaded KW.arx (the core module cannot link against it: the
// dialogs module links against the core module).

#include <string>
#include <vector>

inline constexpr const wchar_t* kUserCommandGroup = L"TREVLON";

class UserCommand {
public:
    using Function = void (*)();
    UserCommand(const wchar_t* name, Function run);

    const wchar_t* name() const { return m_name; }
    Function function() const { return m_run; }

    // Every command defined in the module, in no particular order.
    static const std::vector<const UserCommand*>& all();

private:
    const wchar_t* m_name;
    Function m_run;
};

// Adds every command to the host's command stack; prints what it could not add.
void registerUserCommands();
// Removes the group again.
void removeUserCommands();

// The address of an export of the loaded dialogs module, or null (with a message on the
// command line naming the export) when the module or the export is missing.
void* dialogsExportAddress(const char* name);

template <class Fn> Fn* dialogsExport(const char* name) {
    return reinterpret_cast<Fn*>(dialogsExportAddress(name));
}
