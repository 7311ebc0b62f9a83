#pragma once
// The profile-group call-back that serves the advanced profile dialog when the core
// opens it on a macro record (the export StartDlgMacroProfAdv with a MacroData): the
// record's own macro copy (BmMACallBackData::macro) is read and written.
//   0  the group's merged properties into `props`;
//   1  `props` written to the group, sent to the model (UpdateModule of the tab with
//      the group's change) and read back: `props` then shows what the model kept;
//   2, 3  nothing (there is no owner window to hide).
// False when the record has no macro, or the tab or the group is unknown; for type 1
// also when the model refused the change (props then holds the model's values).

#include "core/MacroProfData.h"
#include "core/macroprof/BmMACallBackData.h"

bool macroProfGroupCallBack(BmMACallBackType type, const BmMACallBackData& data,
                            MacroProfData& props);
