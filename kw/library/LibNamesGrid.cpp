#include "kw/library/LibNamesGrid.h"

#include "core/LanguageTexts.h"
#include "core/MacroLangs.h"

namespace libnames {

namespace {
constexpr int kTextName = 87;
}

bool setUp(Tvl_Spread& grid, ui::Window* page, int id) {
    if (!grid.attach(page, id, true))
        return false;
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    grid.setColCount(1);
    grid.setRowCount(codes.length());
    grid.setColHeaderTexts(Tvl_StringArray{dialString(kTextName)});
    grid.setRowHeaderTexts(codes);
    grid.setFitMode(1);
    grid.applyFitMode();
    return true;
}

void show(Tvl_Spread& grid, const Tvl_StringArray& names) {
    Tvl_StringArray column;
    for (int r = 0; r < grid.rowCount(); ++r)
        column.append(r < names.length() ? names[r] : Tvl_String());
    grid.setColumnTexts(1, column);
    grid.sheet().setChanged(false);
}

Tvl_StringArray take(Tvl_Spread& grid) {
    grid.endEdit(true);
    Tvl_StringArray column;
    grid.getColumnTexts(1, column);
    return column;
}

} // namespace libnames
