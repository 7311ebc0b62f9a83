// The module's exported entries: the frame's part of each (resource switch, tables,
// copying of records), then the dialog itself.

#include "core/macroprof/ProfGroupCallBack.h"
#include "core/macroprof/ProfileCallBacks.h"
#include "kw/designer/CDlgDesigner.h"
#include "kw/designer/Tvl_DlgDesignerData.h"
#include "kw/fabrication/CDlgGrid.h"
#include "kw/fabrication/CDlgLevels.h"
#include "kw/fabrication/CDlgLookup.h"
#include "kw/fabrication/CDlgSelectDstvPointsFile.h"
#include "kw/fabrication/Tvl_DlgCSP2.h"
#include "kw/frame/CDlgStringArray.h"
#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/frame/HostCalls.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/MacroDialogTable.h"
#include "kw/frame/ModuleState.h"
#include "kw/library/CDlgEditLibSections.h"
#include "kw/library/CDlgEditLibSimple.h"
#include "kw/library/CDlgEditProfCuts.h"
#include "kw/library/CDlgProfFeatures.h"
#include "kw/macro/CDlgArray.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/CDlgMacroCuts.h"
#include "kw/macro/CDlgMacroProfAdv.h"
#include "kw/macro/CDlgSelectMacro.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/spreadsheet/editor/EditorEntry.h"
#include "kw/spreadsheet/eval/CFormula.h"

// ---- Spreadsheet ----------------------------------------------------------------------

void KWEditor() {
    kw::ResourceSwitchScope on;
    kw::runSpreadSheetEditor(Tvl_String());
}

void EvaluateKW() {
    kw::ResourceSwitchScope on;
    CFormula dlg(CFormula::kEvaluateCell);
    dlg.m_path = L"c:\\a\\t3.kws";
    dlg.m_col = 1;
    dlg.m_row = 1;
    dlg.doModal(); // the result stays in the dialog
}

void ReadKWFile(const Tvl_String& file, Tvl_String& result, Tvl_StringArray& names,
                Tvl_Array<Tvl_StringArray>& rows) {
    kw::ResourceSwitchScope on;
    names.clear();
    rows.clear();
    CFormula dlg(CFormula::kReadFile);
    dlg.m_path = file;
    dlg.m_names = &names;
    dlg.m_rows = &rows;
    dlg.doModal();
    result = dlg.m_firstCell;
}

bool startGridDialog(const Tvl_StringArray& columnHeaders, const Tvl_StringArray& rowHeaders,
                     Tvl_Array<Tvl_StringArray>& data, bool rowsEditable, Tvl_String placementName,
                     Tvl_String caption) {
    if (columnHeaders.length() == 0)
        return false;
    if (placementName.isEmpty())
        placementName = L"DLG_KW_STRINGARRAY";
    kw::ResourceSwitchScope on;
    CDlgStringArray dlg;
    dlg.m_columnHeaders = columnHeaders;
    dlg.m_rowHeaders = rowHeaders;
    dlg.m_data = data;
    dlg.m_rowsEditable = rowsEditable;
    dlg.m_placementName = placementName;
    dlg.m_caption = caption;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

// ---- Macro dialogs -------------------------------------------------------------------

void StartDlgMacro(MacroData& macro) {
    kw::ResourceSwitchScope on;
    CDlgMacro dlg;
    dlg.m_macroData = macro;
    dlg.doModal();
    // The dialog sent every change to the model as it was made: the record goes back
    // however the dialog was closed.
    macro = dlg.m_macroData;
}

bool StartDlgMacroModeless(bool keepFocus, MacroData& macro, int& index) {
    kw::ResourceSwitchScope on;
    return kw::MacroDialogTable::instance().open(keepFocus, macro, index);
}

bool GetDlgMacroData(int index, MacroData& macro) {
    kw::ResourceSwitchScope on;
    return kw::MacroDialogTable::instance().getData(index, macro);
}

bool EndDlgMacroModeless(int index) {
    return kw::MacroDialogTable::instance().close(index);
}

void DestroyAllMacroDlgs() {
    kw::MacroDialogTable::instance().closeAll();
}

void StartDlgMacroProfAdv(MacroData& macro, const Tvl_String& tab, const Tvl_String& group,
                          bool option) {
    kw::ResourceSwitchScope on;
    CDlgMacroProfAdv dlg;
    dlg.m_option = option;
    dlg.m_data.m_group = group;
    dlg.m_data.m_tab = tab;
    dlg.m_data.initDataClass(macro);
    dlg.m_callBack = &macroProfGroupCallBack;
    dlg.doModal();
    // The preview profile and the coordinate system the dialog made are the caller's
    // drawing aids: they go once the dialog is closed.
    // The caller's record forgets them, so that a second call does not erase again.
    if (macro.m_preview) {
        if (macro.m_firstObjects.length() == 1 && EraseObject(macro.m_firstObjects[0]))
            macro.m_firstObjects.setLogicalLength(0);
        if (!dlg.createdCoordSys().isNull())
            EraseObject(dlg.createdCoordSys());
        macro.m_preview = false;
    }
}

void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* profiles, bool& flag,
                          bool (*callBack)(BmMACallBackType, const BmMACallBackData&,
                                           MacroProfData&)) {
    if (profiles == nullptr || profiles->length() == 0)
        return;
    kw::ResourceSwitchScope on;
    CDlgMacroProfAdv dlg;
    dlg.m_option = true;
    dlg.m_offerRemember = true;
    dlg.m_remember = flag;
    dlg.m_data.m_profiles = *profiles;
    dlg.m_callBack = callBack;
    if (dlg.doModal() == ui::IDOK)
        flag = dlg.m_remember;
}

bool StartDlgSelectMacro(const Tvl_String& title, const Tvl_StringArray& folders,
                         const AcArray<bool>& flags, const int& first, const int& second,
                         Tvl_String& chosen, bool& flag, bool option) {
    kw::ResourceSwitchScope on;
    CDlgSelectMacro dlg;
    dlg.m_title = title;
    dlg.m_filter.init(folders, flags, first, second);
    dlg.m_pick = flag;
    dlg.m_hint = option;
    if (dlg.doModal() != ui::IDOK)
        return false;
    chosen = dlg.m_chosen;
    flag = dlg.m_pick;
    return true;
}

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& flag) {
    CDlgMacroCuts dlg;
    dlg.m_data = data;
    const bool ok = dlg.doModal() == ui::IDOK;
    flag = dlg.escaped();
    if (ok)
        data = dlg.m_data;
    return ok;
}

bool StartArrayDlg(DynArrayData& data, const AcArray<AcDbObjectId>& objects,
                   const Tvl_String& name) {
    kw::ResourceSwitchScope on;
    CDlgArray dlg;
    dlg.m_data = data;
    dlg.m_objects = objects;
    dlg.m_module = name;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

// ---- Macro editor ----------------------------------------------------------------------

bool StartDlgEditConstrModal(EditConstrData& data) {
    kw::ResourceSwitchScope on;
    CDlgEditMacro dlg;
    dlg.m_data = data;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

bool StartDlgEditConstraints(EditConstrData& data) {
    kw::ResourceSwitchScope on;
    kw::ConstraintsEditorSlot::instance().open(data);
    return true;
}

void EndDlgEditConstraints() {
    kw::ConstraintsEditorSlot::instance().close();
}

// ---- Dialog designer -------------------------------------------------------------------

bool StartDlgDesigner(const Tvl_String& file) {
    kw::ResourceSwitchScope on;
    CDlgDesigner dlg;
    dlg.m_startPath = file;
    return dlg.doModal() == ui::IDOK;
}

void GetImageDlgCtrlNames(const Tvl_String& file, Tvl_StringArray& names) {
    // The variable names of a design's edits, read without its picture.
    names.clear();
    Tvl_DlgDesignerData design;
    if (design.readFromFile(file, false))
        design.getAllCtrlNames(names);
}

// ---- Section library ---------------------------------------------------------------------

bool StartDlgEditLibSections(DlgEditLibData& data, const Tvl_String& name) {
    kw::ResourceSwitchScope on;
    CDlgEditLibSections dlg;
    dlg.m_data = data;
    dlg.m_name = name;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

bool StartDlgEditLibSimple(const Tvl_String& name, Tvl_ProfValuesTable& table, int& chosen) {
    CDlgEditLibSimple dlg;
    dlg.m_sysName = name;
    dlg.m_table = table;
    if (dlg.doModal() != ui::IDOK)
        return false;
    table = dlg.m_table;
    chosen = dlg.m_resultIndex;
    return true;
}

bool StartDlgProfFeatures(DlgProfFeaturesData& data) {
    kw::ResourceSwitchScope on;
    CDlgProfFeatures dlg;
    dlg.m_data = data;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

bool StartEditProfCutsDlg(DlgProfCutsData& data) {
    kw::ResourceSwitchScope on;
    // The dialog works on the caller's record: cuts and previews change at once.
    CDlgEditProfCuts dlg(data);
    return dlg.doModal() == ui::IDOK;
}

// ---- Fabrication and layout --------------------------------------------------------------

void StartDSTVPointsDlg() {
    CDlgSelectDstvPointsFile dlg;
    dlg.doModal();
}

bool StartDlgCSP2(DlgCSP2Data& data) {
    kw::ResourceSwitchScope on;
    Tvl_DlgCSP2 dlg;
    dlg.m_data = data;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

bool StartDlgGrid(BmGridDlgData& data) {
    kw::ResourceSwitchScope on;
    CDlgGrid dlg;
    dlg.m_data = data;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

bool StartDlgLevels(BmLevelsDlgData& data) {
    kw::ResourceSwitchScope on;
    CDlgLevels dlg;
    dlg.m_data = data;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}

bool StartDlgLookUp(BmLookUpDlgData& data) {
    kw::ResourceSwitchScope on;
    CDlgLookup dlg;
    dlg.m_data = data;
    if (dlg.doModal() != ui::IDOK)
        return false;
    data = dlg.m_data;
    return true;
}
