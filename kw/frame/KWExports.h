#pragma once
// Every function the dialogs module exports to the core module, in one place.
//
// Modal entries marked "switch" in their comments run with the module's resource switch
// on for the whole call (also when an exception passes). Records are copied into the
// dialog's own copy and back only where the comment says so.
//
// A dialog that is not part of this build yet is reported with one command-line line
// naming it; its entry then returns false (or nothing).

#include "core/MacroData.h"
#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/frame/BmMACallBackType.h"
#include "kw/frame/KwExport.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

class BmGridDlgData;
class BmLevelsDlgData;
class BmLookUpDlgData;
class BmMACallBackData;
class DlgCSP2Data;
class DlgEditLibData;
class DlgMacroCutsData;
class DlgProfCutsData;
class DlgProfFeaturesData;
class DynArrayData;
class EditConstrData;
class MacroProfData;
class Tvl_ProfValuesTable;

// ---- Spreadsheet --------------------------------------------------------------------
// Command "TEST": the spreadsheet editor with an empty document name (switch).
KW_EXPORT void KWEditor();
// The formula dialog on the fixed document "c:\a\t3.kws" (switch).
KW_EXPORT void EvaluateKW();
// The formula dialog in its file-evaluation mode on `file`; `result` receives its
// result string (switch).
KW_EXPORT void ReadKWFile(const Tvl_String& file, Tvl_String& result, Tvl_StringArray& names,
                          Tvl_Array<Tvl_StringArray>& rows);
// The string grid dialog (switch). False without column headers; an empty placement
// name means "DLG_KW_STRINGARRAY".
KW_EXPORT bool startGridDialog(const Tvl_StringArray& columnHeaders,
                               const Tvl_StringArray& rowHeaders, Tvl_Array<Tvl_StringArray>& data,
                               bool rowsEditable, Tvl_String placementName, Tvl_String caption);

// ---- Macro dialogs ----------------------------------------------------------------------
// Modal macro dialog; the record is copied back however the dialog was closed.
KW_EXPORT void StartDlgMacro(MacroData& macro);
// Opens a modeless macro dialog; `index` is the caller's handle to it (switch).
KW_EXPORT bool StartDlgMacroModeless(bool keepFocus, MacroData& macro, int& index);
// The open dialog's current record; false for a bad index or free slot (switch).
KW_EXPORT bool GetDlgMacroData(int index, MacroData& macro);
// Closes one modeless macro dialog now, or later while its macro is busy.
KW_EXPORT bool EndDlgMacroModeless(int index);
KW_EXPORT void DestroyAllMacroDlgs();
KW_EXPORT void StartDlgMacroProfAdv(MacroData& macro, const Tvl_String& tab,
                                    const Tvl_String& group, bool flag);
KW_EXPORT void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* profiles, bool& flag,
                                    bool (*callBack)(BmMACallBackType, const BmMACallBackData&,
                                                     MacroProfData&));
// The macro gallery (switch): `title` (empty: text 1116), the gallery's folders with a
// flag each and the least and most modules of a macro offered (0: no bound). `flag` in:
// picking in the drawing is offered. On OK `chosen` is the chosen drawing (".dwg") and
// `flag` tells whether the user asked to pick in the drawing instead; true.
KW_EXPORT bool StartDlgSelectMacro(const Tvl_String& title, const Tvl_StringArray& folders,
                                   const AcArray<bool>& flags, const int& first, const int& second,
                                   Tvl_String& chosen, bool& flag, bool option);
// The macro cuts dialog (no switch). `flag` tells whether it was left with the Escape
// key, whatever the result; the record is copied back on OK (true).
KW_EXPORT bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& flag);
KW_EXPORT bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& objects,
                             const Tvl_String& name);

// ---- Macro editor ---------------------------------------------------------------------
KW_EXPORT bool StartDlgEditConstrModal(EditConstrData& data);
// Opens the modeless macro editor unless one is open; always true (switch).
KW_EXPORT bool StartDlgEditConstraints(EditConstrData& data);
KW_EXPORT void EndDlgEditConstraints();

// ---- Dialog designer ------------------------------------------------------------------
KW_EXPORT bool StartDlgDesigner(const Tvl_String& file);
KW_EXPORT void GetImageDlgCtrlNames(const Tvl_String& file, Tvl_StringArray& names);

// ---- Section library --------------------------------------------------------------------
KW_EXPORT bool StartDlgEditLibSections(DlgEditLibData& data, const Tvl_String& name);
KW_EXPORT bool StartDlgEditLibSimple(const Tvl_String& name, Tvl_ProfValuesTable& table,
                                     int& chosen);
KW_EXPORT bool StartDlgProfFeatures(DlgProfFeaturesData& data);
KW_EXPORT bool StartEditProfCutsDlg(DlgProfCutsData& data);

// ---- Fabrication and layout ------------------------------------------------------------
KW_EXPORT void StartDSTVPointsDlg();
KW_EXPORT bool StartDlgCSP2(DlgCSP2Data& data);
KW_EXPORT bool StartDlgGrid(BmGridDlgData& data);
KW_EXPORT bool StartDlgLevels(BmLevelsDlgData& data);
KW_EXPORT bool StartDlgLookUp(BmLookUpDlgData& data);
