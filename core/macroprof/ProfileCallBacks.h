#pragma once
// The core module's services for the profile dialogs: picks in the drawing (planes,
// coordinate systems, section points), the objects the dialogs create and erase, and
// the texts of the base-plane list. Picks are answered by the host's pick queue
// (scripts: "answer point", "answer entities"); a cancelled pick returns false and
// changes nothing. Every change is printed on the command line.

#include "core/MacroProfData.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "platform/host/AcDbObjectId.h"

// Base-plane list of the profile page: 0 a picked plane, 1 the world system, 2 an existing
// coordinate system, 3 a new one; "varies" first when asked.
Tvl_StringArray getBasePlaneStrings(bool withVaries);
// The list index that shows `prof`'s plane (-1 for "varies" without that entry).
int getDlgBasePlane(const MacroProfData& prof, bool withVaries);
// The plane mode (MacroProfData::Plane) of a list index of getBasePlaneStrings(false).
int planeModeOfDlgBasePlane(int index);

// The user picks an object whose face is the plane: its id and a name ("face of C1").
bool UserSelectPlane(AcDbObjectId& id, Tvl_String& name);
// The user picks a coordinate system made by createCoordSys; false when the pick is
// cancelled or is no coordinate system (with a message).
bool selectCoordSys(AcDbObjectId& id);
// The user picks the origin of a new coordinate system; its id.
bool createCoordSys(AcDbObjectId& id);
// The user picks a point on the section `section` turned by `angle` degrees: the
// insertion point (1..9, row by row from the top left) nearest to it.
bool UserChooseSectionPoint(const Tvl_String& section, double angle, int& point);
// Zooms the drawing to the macro (defined with the macro editor's call-backs).
bool ZoomCommand();
// Erases an object the dialogs made (a preview profile, a coordinate system). False
// with a message when it is no object or is erased already.
bool EraseObject(AcDbObjectId id);

// A preview profile of `section` drawn for a dialog (the caller erases it).
AcDbObjectId createPreviewProfile(const Tvl_String& section);

// The drawing's coordinate systems and erased objects (tests and listings).
bool isCoordSys(AcDbObjectId id);
bool isErased(AcDbObjectId id);
int erasedCount();
// Back to a drawing without coordinate systems or erased objects.
void resetProfileDrawing();
