#include "kw/spreadsheet/format/CellFormatDialogs.h"

#include "kw/frame/HostCalls.h"

namespace kw {

namespace {

bool unavailable() {
    hostPrint(L"The format dialogs are not available yet.\n");
    return false;
}

} // namespace

bool editCellType(ui::Window*, Tvl_Spread&) {
    return unavailable();
}
bool editBorders(ui::Window*, Tvl_Spread&) {
    return unavailable();
}
bool editFontAndColours(ui::Window*, Tvl_Spread&) {
    return unavailable();
}
bool editTableOptions(ui::Window*, Tvl_Spread&) {
    return unavailable();
}

} // namespace kw
