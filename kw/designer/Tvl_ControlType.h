#pragma once
// The kinds of control a dialog design can hold, and what each kind is drawn as.

#include "core/Tvl_String.h"
#include "kw/frame/KwExport.h"

// Control types 0..30 (the numbers are stored in design files).
enum Tvl_ControlType {
    tvlCtrlStatic = 0,
    tvlCtrlGroupBox = 1,
    tvlCtrlEdit = 2,
    tvlCtrlCombo = 3,
    tvlCtrlBoltCount1 = 4,
    tvlCtrlBoltCount2 = 5,
    tvlCtrlPatternButton = 6,
    tvlCtrlBoltAssembly = 7,
    tvlCtrlBoltValue1 = 8,
    tvlCtrlBoltValue4 = 11,
    tvlCtrlBoltButton = 12,
    tvlCtrlProfGroup = 13,
    tvlCtrlProfButton = 14,
    tvlCtrlProfCombo1 = 15,
    tvlCtrlProfCombo2 = 16,
    tvlCtrlProfButton2 = 17,
    tvlCtrlArrayValue1 = 18,
    tvlCtrlArrayValue5 = 22,
    tvlCtrlArrayEntries = 23,
    tvlCtrlArrayButton = 24,
    tvlCtrlFlexDim = 25,
    tvlCtrlFlexDim2 = 26,
    tvlCtrlBlock = 27,
    tvlCtrlCut = 28,
    tvlCtrlCheck = 29,
    tvlCtrlFlexButton = 30,
};

// Result of Tvl_DlgDesignerData::handleTabKey.
enum Tvl_TabMsgHandle {
    tvlTabHandled = 0,     // the focus moved to another control of the design
    tvlTabNotHandled = 1,  // not a Tab for the design; the caller goes on as usual
    tvlTabAfterLast = 2,   // Tab on the last control: the caller decides
    tvlTabBeforeFirst = 3, // Shift+Tab on the first control: the caller decides
};

namespace kw::designer {

inline constexpr int kNrTypes = 31;

// Window classes the types are drawn as.
enum class WindowKind {
    ScrollBar = 0,
    Static = 1,
    Button = 2,
    Edit = 3,
    ListBox = 4,
    ComboBox = 5
};

bool isValidType(int type);
WindowKind windowKind(int type);
const wchar_t* windowClassName(WindowKind kind);
// Window style (beyond WS_CHILD) and extended style of a type's window.
unsigned windowStyle(int type);
unsigned windowExStyle(int type);
// The type's name (language texts) as shown in the type combo box.
Tvl_String typeName(int type);
// Labels of the property pane; an empty list label means the list edit is disabled.
Tvl_String contentsLabel(int type);
Tvl_String listLabel(int type);
// Types whose stored list the property pane edits.
bool typeHasList(int type);

} // namespace kw::designer
