#pragma once
// The names grid of the groups and types pages: one column headed "Name", one row per
// product language with the language code as row header.

#include "core/Tvl_StringArray.h"
#include "kw/spreadsheet/Tvl_Spread.h"

namespace libnames {

// Attaches the grid to placeholder `id` of `page` and lays out its rows and column.
bool setUp(Tvl_Spread& grid, ui::Window* page, int id);
// Shows one name per language (missing ones empty).
void show(Tvl_Spread& grid, const Tvl_StringArray& names);
// The names as typed, one per language.
Tvl_StringArray take(Tvl_Spread& grid);

} // namespace libnames
