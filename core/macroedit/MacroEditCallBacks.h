#pragma once
// The call-backs the macro editor makes into the core module. Each works on the sample
// model (core/model/SampleModel.h) and the macro definition's editor data
// (core/macroedit/EditorData.h), prints what it changed on the command line and writes
// the model's state back into the record it was handed. Every one is synchronous;
// a call-back that returns false has changed nothing.
//
// Constraint indices are positions in the record's constraint lists (from 0).

#include "core/macroedit/EditConstrData.h"

// ---- Modules ---------------------------------------------------------------------------
// The macro's module names, in order.
bool MacroGetModules(EditConstrData* data, Tvl_StringArray& names);
// Makes `name` the current module: the record's variables, equations, dimensions,
// constraints and geometries are those of that module afterwards.
bool SetCurrentModule(EditConstrData* data, const Tvl_String& name);
// Renames the current module. Refused (false, with the reason printed) for a name that is
// not a plain name (a letter, then letters, digits or "_") or that another module has.
bool RenameModule(EditConstrData* data, const Tvl_String& newName);
// Removes a module with its variables; refused for the last module and when the rest of
// the macro reads its values.
bool RemoveModule(EditConstrData* data, const Tvl_String& name);
// Lets the user pick another macro in the drawing; true when one was picked (the record is
// then that macro's, on its first module).
bool SelectOtherMacro(EditConstrData* data);

// ---- Commands ----------------------------------------------------------------------------
// The editing commands of the commands tab. 0 to 9 add a constraint of a kind (parallel,
// perpendicular, coincident, symmetric, tangent, concentric, equal radius, distance,
// angle, radius) between objects picked in the drawing; 10 solves the macro again; 11
// adds a module after the last one; 12 adds a bolt pattern to the current module; 13
// places the macro's coordinate system at a picked point. True when it changed something.
bool StartMacroCommand(EditConstrData* data, int code);
constexpr int kMacroCommandCount = 14;
// Zooms the drawing to the macro.
bool ZoomCommand();

// ---- Variables and equations -------------------------------------------------------------
// Applies the record's variables (names, values, types) and equations to the current
// module: new names become variables, missing ones are removed, equations replace the
// module's. Refused when a name is not a plain name or is used twice, when an equation
// line does not parse (the line is named), or when the macro then breaks a rule.
bool UpdateVarsEqs(EditConstrData* data);

// ---- Constraints --------------------------------------------------------------------------
// Writes the detail fields of constraint `index` of the record into the model; a value
// of a constraint bound to a variable becomes that variable's value.
bool UpdateConstraint(EditConstrData* data, int& index);
bool HighlightConstraint(EditConstrData* data, int& index);
bool UnHighlightConstraints();
// `inUse` is set when another constraint of the macro is bound to a variable `name`.
bool VarNameInUse(EditConstrData* data, const Tvl_String& name, bool& inUse);
bool DeleteConstraint(EditConstrData* data, int& index);
// Sorts the current module's constraints by grid column `column` (1 to 4), ties by
// `previousColumn`.
bool SortConstraints(EditConstrData* data, int column, int previousColumn);
// The context menu of constraint `index`: texts ("%BREAK%" a separator), one action id per
// text that is not a separator, and the indices of the texts shown checked.
bool ConstrContextMenu(EditConstrData* data, int index, Tvl_StringArray& texts,
                       AcArray<int>& actionIds, AcArray<int>& checkedItems);
// Runs a context menu action on constraint `index`; true when the record changed.
bool ContextMenuAction(EditConstrData* data, int& index, int& actionId);
// The cut of a cut constraint: the next cut kind of the macro's cut. `escapeHandled` is
// set when the cut editing took an Escape key of its own.
bool StartEditMacroCutDlg(const AcDbObjectId& macroId, const Tvl_String& name, long constraintId,
                          bool& escapeHandled);

// ---- Geometries ---------------------------------------------------------------------------
// Writes the model's geometries of the current module into the record.
bool GetGeomFlexibility(EditConstrData* data);
// `newValue` 1 fixed, 2 flexible, 3 free.
bool UpdateGeomFlexibility(EditConstrData* data, AcDbObjectId& objectId, long& flexValue,
                           int& newValue);
bool UpdateConstrGeom(EditConstrData* data, AcDbObjectId& objectId, bool fixed);
bool HighlightObject(const AcDbObjectId& objectId);
bool UnHighlightObject(const AcDbObjectId& objectId);

// ---- Records ------------------------------------------------------------------------------
// The record of macro `macroId` on module `module` (its first module when empty or
// unknown). False, record unchanged, when the id is no macro.
bool fillEditRecord(const AcDbObjectId& macroId, const Tvl_String& module, EditConstrData& data);
