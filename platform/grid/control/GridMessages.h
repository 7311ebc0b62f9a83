#pragma once
// What the grid window tells its parent. The numbers are the ones the dialogs handle.
//
// Messages (sent with sendMessage to the parent; wParam = the grid's control id,
// lParam = a GridCellEvent*). The parent's answer is ignored unless noted.
// WM_COMMAND notifications (code in the high word, as every control sends them).
// WM_NOTIFY notifications carry a NotifyGrid.

#include "platform/ui/Window.h"

namespace grid {

inline constexpr const wchar_t* kGridClassName = L"fpUSpread70";

// ---- Messages to the parent ---------------------------------------------------------
inline constexpr unsigned kMsgEditModeOn = 0x502;  // cell edit mode starts
inline constexpr unsigned kMsgEditModeOff = 0x503; // cell edit mode ends (committed or not)
inline constexpr unsigned kMsgCellChanged = 0x508; // the user changed a cell's contents
inline constexpr unsigned kMsgLeaveCell = 0x509; // the active cell moves (col,row -> newCol,newRow)
inline constexpr unsigned kMsgEditChange = 0x50A;     // the text being edited changed
inline constexpr unsigned kMsgRightClick = 0x50D;     // right button pressed on a cell
inline constexpr unsigned kMsgChangeMade = 0x517;     // after any change made by the user
inline constexpr unsigned kMsgComboSelChange = 0x521; // the user chose an item of a combo cell

// ---- Messages to the grid ------------------------------------------------------------
// The mouse wheel: the high word of wParam is the signed distance (120 a notch, positive
// away from the user), as the platform sends it; the windowing layer names no wheel
// message of its own.
inline constexpr unsigned kMsgMouseWheel = 0x020A;
inline constexpr int kWheelDelta = 120;

// ---- WM_COMMAND notification codes --------------------------------------------------
inline constexpr int kCodeClick = 0x37;          // a cell was clicked or the active cell moved
inline constexpr int kCodeCheckOn = 59;          // a check-box cell was switched on
inline constexpr int kCodeCheckOffOrButton = 60; // switched off, or a button cell was pressed

// ---- WM_NOTIFY codes ----------------------------------------------------------------
inline constexpr int kNotifyRowChanged = -2001;    // newRow = the active row
inline constexpr int kNotifyHeaderClicked = -2002; // col = clicked column (row 0) or row (col 0)
inline constexpr int kNotifyRightClick = -2003;    // col,row = the clicked cell
inline constexpr int kNotifyComboChanged = -2004;
inline constexpr int kNotifyCheckChanged = -2005;
inline constexpr int kNotifyCellChanged = -2006;
inline constexpr int kNotifyCellClicked = -2007;
inline constexpr int kNotifyButtonClicked = -2008;

struct GridCellEvent {
    int col = 0;
    int row = 0;
    int newCol = 0;
    int newRow = 0;
};

struct NotifyGrid {
    ui::NotifyHeader hdr;
    int col = 0;
    int row = 0;
    int newCol = 0;
    int newRow = 0;
};

} // namespace grid
