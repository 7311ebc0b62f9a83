#pragma once
// CFormula: the evaluator. It loads a spreadsheet document into a grid and lets the grid
// calculate it, in one of four modes:
//   1 evaluate one cell of a document (EvaluateKW),
//   2 answer one FROMTABLE call on the document it names, shown in the dialog,
//   3 make a template report from a report record (the editor's "Nieuw"),
//   4 read a document into string lists (ReadKWFile); closes itself at once.
// The dialog keeps the English captions of its template. Its buttons switch the
// reference style, save and load the document in the path edit, switch automatic
// calculation and recalculate.

#include <filesystem>

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/eval/TemplateReport.h"
#include "platform/grid/engine/CustomFunction.h"
#include "platform/ui/Dialog.h"

struct Tvl_ReportData;

class CFormula : public ui::Dialog {
public:
    static constexpr int kTemplateId = 133;
    static constexpr int kPathId = 1000;
    static constexpr int kSaveId = 1001;
    static constexpr int kGridFrameId = 1004;
    static constexpr int kStyleDefaultId = 1005;
    static constexpr int kStyleA1Id = 1006;
    static constexpr int kStyleR1C1Id = 1007;
    static constexpr int kTemplateFrameId = 1008;
    static constexpr int kLoadId = 1087;
    static constexpr int kAutoCalcId = 1106;
    static constexpr int kRecalcId = 1107;

    enum Mode : int { kEvaluateCell = 1, kFromTable = 2, kTemplateReport = 3, kReadFile = 4 };

    explicit CFormula(int mode, ui::Window* parent = nullptr);

    Tvl_Spread m_grid;     // over frame 1004
    Tvl_Spread m_template; // over frame 1008, in the template-report mode
    int m_mode;
    const Tvl_ReportData* m_report = nullptr;  // mode 3
    grid::ValueRecord* m_fromResult = nullptr; // mode 2
    const grid::ValueRecord* m_args = nullptr;
    short m_argCount = 0;
    grid::Sheet* m_calling = nullptr;
    Tvl_String m_path;
    int m_col = 1; // mode 1
    int m_row = 1;
    Tvl_String m_result;                // mode 1: the cell's display text
    Tvl_StringArray* m_names = nullptr; // mode 4
    Tvl_Array<Tvl_StringArray>* m_rows = nullptr;
    Tvl_String m_firstCell; // mode 4: display text of (1,1)

    // After the template-report mode: what became of the report.
    const kw::ReportOutcome& reportOutcome() const { return m_outcome; }
    // Whether the document in the path could be loaded (modes 1 and 4).
    bool loaded() const { return m_loaded; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    std::filesystem::path nativePath() const;
    bool loadDocument();
    void registerFromTable();
    void setStyle(int style);
    void saveToFile();
    void loadFromFile();
    void switchAutoCalc();
    void recalculate();
    void readLists();
    void evaluateFromTable();

    kw::ReportOutcome m_outcome;
    bool m_loaded = false;
};
