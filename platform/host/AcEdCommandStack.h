#pragma once
// The command stack: groups of named commands that modules register and the host runs
// by name (see platform/host/CommandProcessor.h). Names compare without regard to case.
//
// Lookup: a command name finds the most recently registered command with that global or
// local name; "GROUP.NAME" looks only in that group; a leading '_' forces the global
// name. Functions of a module that is unloaded without removing its group are removed
// by the host before the module goes away.

#include "platform/host/AcRxDynamicLinker.h"

#include <string>
#include <vector>

using AcRxFunctionPtr = void (*)();
class AcEdUIContext;
class AcEdCommand;

constexpr Adesk::Int32 ACRX_CMD_MODAL = 0x00000000;
constexpr Adesk::Int32 ACRX_CMD_TRANSPARENT = 0x00000001;
constexpr Adesk::Int32 ACRX_CMD_USEPICKSET = 0x00000002;
constexpr Adesk::Int32 ACRX_CMD_SESSION = 0x00200000;

class AcEdCommandStack : public AcRxObject {
public:
    static AcEdCommandStack* cast(AcRxObject* obj) { return dynamic_cast<AcEdCommandStack*>(obj); }

    // eOk; eInvalidInput for an empty group or name or a null function; eDuplicateKey
    // when the group already holds a command with that global name.
    Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                 const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                 AcRxFunctionPtr functionAddr, AcEdUIContext* uiContext = nullptr,
                                 int fcode = -1, HINSTANCE resourceHandle = nullptr,
                                 AcEdCommand** cmdPtrRet = nullptr);
    // eOk, or eNotInGroup when the group does not exist.
    Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName);
    // eOk, or eNotInGroup when the group does not exist.
    Acad::ErrorStatus removeGroup(const ACHAR* groupName);
};

#define acedRegCmds (AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)))
