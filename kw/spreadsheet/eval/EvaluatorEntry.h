#pragma once
// What the spreadsheet editor asks of the evaluator.

namespace ui {
class Window;
}
class Tvl_Spread;

namespace kw {

// Adds the custom function FROMTABLE to a grid (again after every load).
void registerFromTable(Tvl_Spread& grid);

// The editor's "Nieuw": builds the sample report record, runs the evaluator in its
// template-report mode on it over `parent`, and discards the record when it closes.
void showSampleReport(ui::Window* parent);

} // namespace kw
