#pragma once
// The kinds of a macro's dynamic array and how a changed array is reported.
//
// Kinds, in the order of DynArrayData::m_kind: 0 along one edge (two dimension names),
// 1 at a fixed spacing (the fourth dimension is a value typed by the user), 2 along two
// edges. DynArrayData::getValidDimNames gives the dimension names each kind may use.

#include "core/DynArrayData.h"
#include "core/Tvl_StringArray.h"

// The kinds' names, for the array dialog's kind list.
Tvl_StringArray getArrayKindNames();

// One line per field of `after` that differs from `before`, as "kind: 0 -> 1",
// "count: 3 -> 4", "entries: Rib 1; Rib 2 -> Rib 1; Rib 2; Rib 3". Empty when the two
// are the same value (references and marks are not values).
Tvl_StringArray describeArrayChanges(const DynArrayData& before, const DynArrayData& after);
