#include "kw/spreadsheet/eval/EvaluatorEntry.h"

#include "kw/frame/HostCalls.h"

namespace kw {

void registerFromTable(Tvl_Spread&) {}

void showSampleReport(ui::Window*) { hostPrint(L"The formula dialog is not available yet.\n"); }

} // namespace kw
