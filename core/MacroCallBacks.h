#pragma once
// The model call-backs that the macro dialogs make into the core module. They work on
// the sample model (core/model/SampleModel.h); every one is synchronous.
//
// Dialog indices: a modeless dialog's index in the dialogs module's table, -1 for a
// modal dialog.

#include "core/MacroData.h"

// Applies the changes of one tab (the lists MacroTabData::differences gives: codes and
// item indices) to the macros of the record, evaluates the model's equations and
// checks its rules. True when the model accepted every value; false when a rule
// refused one (nothing is changed then and the rule's message is printed). Either way
// the record afterwards holds the model's current values of every tab.
bool UpdateModule(const Tvl_String& module, MacroData& macro, const Tvl_Array<int>& codes,
                  const Tvl_Array<int>& indices);

// Lets the user pick other macros in the drawing (the host's selection; scripts answer
// it with "answer entities"). True when at least one macro was picked: the record is
// then built again for the picked macros. False (record unchanged) on cancel or when
// nothing picked is a macro.
bool SelectOtherMacros(MacroData& macro);

// The user chose another entry of a selection list: `first` true for the first list
// (groups: the macros of the chosen group fill the second list), false for the second
// (macros). The record is built again for the chosen macro.
void UpdateAllFilterModified(MacroData& macro, bool first);

// Clash checking. The status is one switch for the session (initially on).
void clashInitDlgStarted(int dialogIndex);
void clashDlgClosed(int dialogIndex);
void clashResetInfo(const AcArray<AcDbObjectId>& objects);
bool clashGetStatus();
void clashSetStatus(bool on);
// Checks the parts of `objects` against every other part of the model while the status
// is on; prints each finding and returns how many there are (0 when off).
int clashcheck(int dialogIndex, const AcArray<AcDbObjectId>& objects);

// Replaces the block drawing that module `module` of the record's macros shows by the
// drawing `path` (a ".dwg" file); false when the module has no block or the file name
// is empty. Prints the swap.
bool swapBlockRefs(MacroData& macro, const Tvl_String& module, const Tvl_String& path);

// The bolt library: the assemblies, and the diameters of one assembly (empty list and
// false for an unknown assembly).
bool GetAssemblies(Tvl_StringArray& assemblies);
bool GetDiameters(const Tvl_String& assembly, Tvl_StringArray& diameters);

// Makes the missing preview pictures of macro drawings: for each ".dwg" path of the
// list whose ".bmp" beside it is missing, a picture drawn from the drawing's name is
// written there. Returns how many pictures were written.
int CreatePreviewBMPs(const Tvl_StringArray& drawings);
