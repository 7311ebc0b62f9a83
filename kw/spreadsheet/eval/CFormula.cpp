#include "kw/spreadsheet/eval/CFormula.h"

#include <algorithm>

#include "kw/frame/HostCalls.h"
#include "kw/frame/ModuleResources.h"
#include "kw/spreadsheet/eval/FromTableDocuments.h"
#include "kw/spreadsheet/eval/FromTableLookup.h"
#include "kw/spreadsheet/eval/Tvl_ReportData.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/io/DocumentFile.h"

namespace {

constexpr int kInitialRows = 10;
constexpr int kInitialCols = 8;
constexpr int kNumberBlock = 6;
constexpr double kNumberLimit = 9999;
// The formula sample the style buttons copy: column 4, rows 1 to 4 (and 5).
constexpr int kSampleCol = 4;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    ui::DialogTemplate t;
    t.id = CFormula::kTemplateId;
    t.caption = L"Formulas";
    t.rect = dlu(0, 0, 377, 197);
    t.controls = {
        {CFormula::kGridFrameId, L"Static", L"", ui::SS_BLACKFRAME, dlu(7, 7, 178, 140)},
        {CFormula::kTemplateFrameId, L"Static", L"", ui::SS_BLACKFRAME, dlu(192, 7, 178, 140)},
        {CFormula::kPathId, L"Edit", L"", ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL,
         dlu(7, 152, 178, 12)},
        {CFormula::kSaveId, L"Button", L"Save to File", ui::WS_TABSTOP, dlu(7, 170, 60, 14)},
        {CFormula::kLoadId, L"Button", L"Load from File", ui::WS_TABSTOP, dlu(72, 170, 60, 14)},
        {0, L"Button", L"Style", ui::BS_GROUPBOX, dlu(192, 148, 84, 42)},
        {CFormula::kStyleDefaultId, L"Button", L"&Default",
         ui::WS_TABSTOP | ui::WS_GROUP | ui::BS_AUTORADIOBUTTON, dlu(198, 158, 70, 10)},
        {CFormula::kStyleA1Id, L"Button", L"&A1", ui::BS_AUTORADIOBUTTON, dlu(198, 172, 34, 10)},
        {CFormula::kStyleR1C1Id, L"Button", L"&R1C1", ui::BS_AUTORADIOBUTTON,
         dlu(236, 172, 36, 10)},
        {CFormula::kAutoCalcId, L"Button", L"Auto calculate",
         ui::WS_TABSTOP | ui::WS_GROUP | ui::BS_AUTOCHECKBOX, dlu(282, 150, 88, 10)},
        {CFormula::kRecalcId, L"Button", L"Recalculate", ui::WS_TABSTOP, dlu(282, 163, 88, 13)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON, dlu(282, 179, 42, 14)},
        {ui::IDCANCEL, L"Button", L"Cancel", ui::WS_TABSTOP, dlu(328, 179, 42, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CFormula::CFormula(int mode, ui::Window* parent) : ui::Dialog(kTemplateId, parent), m_mode(mode) {}

std::filesystem::path CFormula::nativePath() const {
    return m_path.isEmpty() ? std::filesystem::path() : base::toNative(m_path.str());
}

void CFormula::registerFromTable() {
    kw::registerFromTableOn(m_grid.sheet(), nativePath());
}

bool CFormula::loadDocument() {
    if (m_path.isEmpty())
        return false;
    grid::IoStatus st;
    {
        kw::FromTableDocuments::CalculationScope calculation; // a load may calculate
        st = grid::DocumentFile::load(m_grid.sheet(), nativePath().string());
    }
    m_grid.clearActiveCell();
    m_grid.invalidate();
    // The check box shows whether the loaded document calculates by itself.
    const bool autoCalc = m_grid.sheet().autoCalc();
    checkDlgButton(kAutoCalcId, autoCalc ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    if (ui::Window* w = getDlgItem(kRecalcId))
        w->enableWindow(!autoCalc);
    return st.ok();
}

bool CFormula::onInitDialog() {
    setFocus();
    setDlgItemText(kPathId, m_path.str());
    m_grid.attach(this, kGridFrameId, true);
    m_grid.sheet().setOption(12, true);
    m_grid.sheet().setAutoCalc(false);

    if (m_mode == kTemplateReport) {
        if (!m_report) {
            m_outcome.result = kw::ReportResult::ListsDisagree;
            m_outcome.message = Tvl_String(L"*Error* There is no report record.\n");
        } else {
            m_template.attach(this, kTemplateFrameId, true);
            m_outcome = kw::makeTemplateReport(*m_report, m_grid, m_template.sheet());
        }
        if (!m_outcome.message.isEmpty())
            kw::hostPrint(m_outcome.message.str());
        return true;
    }

    checkDlgButton(kAutoCalcId, ui::BST_UNCHECKED);
    checkRadioButton(kStyleDefaultId, kStyleR1C1Id, kStyleDefaultId);
    registerFromTable();
    m_grid.setRowCount(kInitialRows);
    m_grid.setColCount(kInitialCols);
    m_grid.SSSetTypeNumber(grid::CellRange{1, 1, kNumberBlock, kNumberBlock}, 2, -kNumberLimit,
                           kNumberLimit);
    if (!m_path.isEmpty()) {
        kw::hostPrint(L"Loading spreadsheet:" + m_path.str() + L"\n");
        m_loaded = loadDocument();
        if (!m_loaded)
            kw::hostPrint(L"Load failed\n");
        registerFromTable();
    }
    if (m_mode == kReadFile) {
        readLists();
        endDialog(ui::IDOK);
        return true;
    }
    if (m_mode == kEvaluateCell) {
        kw::FromTableDocuments::CalculationScope calculation;
        m_grid.SSReCalcCell(m_col, m_row);
        m_result = m_grid.data(m_col, m_row);
    } else if (m_mode == kFromTable) {
        evaluateFromTable();
    }
    m_grid.setFocus();
    return true;
}

void CFormula::readLists() {
    m_firstCell = m_loaded ? Tvl_String(m_grid.data(1, 1)) : Tvl_String();
    if (m_names)
        m_names->clear();
    if (m_rows)
        m_rows->clear();
    // A document that could not be read gives nothing (not the empty sheet the dialog
    // starts with, which a caller could not tell from a document of empty cells).
    if (!m_loaded)
        return;
    const int cols = m_grid.colCount(), rows = m_grid.rowCount();
    if (m_names)
        for (int c = 1; c <= cols; ++c)
            m_names->append(Tvl_String(m_grid.data(c, 0)));
    if (m_rows) {
        for (int r = 1; r <= rows; ++r) {
            Tvl_StringArray row;
            for (int c = 1; c <= cols; ++c)
                row.append(Tvl_String(m_grid.data(c, r)));
            m_rows->append(row);
        }
    }
}

void CFormula::evaluateFromTable() {
    if (!m_fromResult)
        return;
    m_fromResult->status = grid::RecordStatus::NoResult;
    if (!m_args || !m_calling || m_argCount < 2 || m_argCount > 5)
        return;
    for (int i = 0; i < m_argCount; ++i)
        if (m_args[i].status != grid::RecordStatus::Ok)
            return;
    if (m_args[0].type != grid::RecordType::Text)
        return;
    const std::filesystem::path file = kw::resolveFromTableName(m_args[0].text, nativePath());
    if (file.empty())
        return;
    setDlgItemText(kPathId, base::toProduct(file));
    kw::registerFromTableOn(m_grid.sheet(), file); // its formulas may read further ones
    {
        kw::FromTableDocuments::CalculationScope calculation;
        if (!grid::DocumentFile::load(m_grid.sheet(), file.string()).ok()) {
            m_fromResult->error = grid::ErrorCode::Ref;
            return;
        }
    }
    kw::registerFromTableOn(m_grid.sheet(), file);
    kw::FromTableDocuments::CalculationScope calculation;
    kw::FromTableLookup lookup(m_grid.sheet());
    lookup.evaluate(*m_calling, *m_fromResult, m_args, m_argCount);
}

bool CFormula::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kStyleDefaultId:
            setStyle(0);
            return true;
        case kStyleA1Id:
            setStyle(1);
            return true;
        case kStyleR1C1Id:
            setStyle(2);
            return true;
        case kSaveId:
            saveToFile();
            return true;
        case kLoadId:
            loadFromFile();
            return true;
        case kAutoCalcId:
            switchAutoCalc();
            return true;
        case kRecalcId:
            recalculate();
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CFormula::setStyle(int style) {
    m_grid.SSSetRefStyle(style);
    grid::Sheet& s = m_grid.sheet();
    const int last = s.formula(kSampleCol, 5).empty() ? 4 : 5;
    for (int r = 1; r <= last; ++r)
        s.setText(1, r, s.formula(kSampleCol, r));
    m_grid.fitColumn(1);
    m_grid.invalidate();
}

void CFormula::saveToFile() {
    m_path = getDlgItemText(kPathId);
    if (m_path.isEmpty() || !grid::DocumentFile::save(m_grid.sheet(), nativePath().string()).ok())
        kw::hostPrint(L"Save failed\n");
}

void CFormula::loadFromFile() {
    m_path = getDlgItemText(kPathId);
    registerFromTable();
    m_loaded = loadDocument();
    if (!m_loaded)
        kw::hostPrint(L"Load failed\n");
    registerFromTable();
}

void CFormula::switchAutoCalc() {
    const bool on = isDlgButtonChecked(kAutoCalcId) == ui::BST_CHECKED;
    {
        kw::FromTableDocuments::CalculationScope calculation; // switching on catches up
        m_grid.sheet().setAutoCalc(on);
    }
    if (ui::Window* w = getDlgItem(kRecalcId))
        w->enableWindow(!on);
    m_grid.invalidate();
}

void CFormula::recalculate() {
    {
        kw::FromTableDocuments::CalculationScope calculation;
        m_grid.sheet().recalcAll();
    }
    m_grid.invalidate();
}
