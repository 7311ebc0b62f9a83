#pragma once
// The editor and command-line services modules call, under the product's names.
//
//  acutPrintf            printf-style output of a wide format to the command line
//                        (platform/host/Printf.h has the conversions); returns the
//                        number of characters written.
//  acedPostCommandPrompt asks the host to show its command prompt again (counted:
//                        host::commandLine().promptCount()).
//  acedUpdateDisplay     asks the host to repaint the drawing (counted).
//  adsw_acadMainWnd      the host's main window: a top-level window that can take the
//                        keyboard focus; the parent of modeless dialogs and the owner of
//                        parentless modal dialogs. Never null.
//  WM_ACAD_KEEPFOCUS     sent by the host to each visible modeless dialog when the mouse
//                        moves over the drawing; a dialog that answers non-zero keeps the
//                        focus, otherwise the main window takes it.
//  acedGetPoint, acedEntSel, acedSSGetIds
//                        interactive picks in the drawing. The answers come from the
//                        pick queue (host::picks(), fed by tests and by the automation
//                        script's "answer point" / "answer entities"); an unanswered pick
//                        is recorded as a failure and returns RTCAN.

#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"
#include "platform/host/ArxTypes.h"

namespace ui {
class Window;
}

constexpr unsigned WM_ACAD_KEEPFOCUS = 0x7101;

int acutPrintf(const ACHAR* format, ...);
void acedPostCommandPrompt();
void acedUpdateDisplay();
ui::Window* adsw_acadMainWnd();

// Reads a text from the command line: the next word typed after the command's name on
// its line (cronly non-zero: the rest of that line). RTNORM with the text, RTNONE when the
// line holds no more input (as Enter on an empty prompt), RTERROR when the text does not
// fit bufLen characters with its terminating zero.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen);

// base: optional rubber-band base point (may be null). result receives the point.
int acedGetPoint(const ads_point base, const ACHAR* prompt, ads_point result);
// One entity and the point it was picked at.
int acedEntSel(const ACHAR* prompt, AcDbObjectId& entity, ads_point pickPoint);
// A selection of entities (appended to `ids`).
int acedSSGetIds(const ACHAR* prompt, AcArray<AcDbObjectId>& ids);
