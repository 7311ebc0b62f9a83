#include "kw/fabrication/Tvl_DlgCSP2.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "core/cuttingstock/CuttingStockRows.h"
#include "core/cuttingstock/StockListFile.h"
#include "core/fabrication/DlgInfoData.h"
#include "kw/fabrication/CuttingStockFolder.h"
#include "kw/fabrication/FabricationControls.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleIds.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/frame/WindowPlacement.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/MessageBox.h"

using namespace kw::fabrication;

namespace {

constexpr int kOptionRowHeaders = 4;
constexpr int kOptionRedraw = 8;
constexpr const wchar_t* kPlacement = L"DLG_OPTIMIZECSP2";

const int kGridIds[] = {Tvl_DlgCSP2::kPiecesGridId, Tvl_DlgCSP2::kStockGridId,
                        Tvl_DlgCSP2::kPurchaseGridId};

struct IconButton {
    int id;
    int icon;
    int tooltip;
};
const IconButton kIconButtons[10] = {
    {Tvl_DlgCSP2::kPiecesInsertId, kw::kIconAdd, 616},
    {Tvl_DlgCSP2::kPiecesDeleteId, kw::kIconDelete, 617},
    {Tvl_DlgCSP2::kStockInsertId, kw::kIconAdd, 616},
    {Tvl_DlgCSP2::kStockDeleteId, kw::kIconDelete, 617},
    {Tvl_DlgCSP2::kPurchaseInsertId, kw::kIconAdd, 616},
    {Tvl_DlgCSP2::kPurchaseDeleteId, kw::kIconDelete, 617},
    {Tvl_DlgCSP2::kStockLoadId, Tvl_DlgCSP2::kIconLoad, 618},
    {Tvl_DlgCSP2::kStockStoreId, Tvl_DlgCSP2::kIconStore, 619},
    {Tvl_DlgCSP2::kPurchaseLoadId, Tvl_DlgCSP2::kIconLoad, 618},
    {Tvl_DlgCSP2::kPurchaseStoreId, Tvl_DlgCSP2::kIconStore, 619},
};

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned small = ui::WS_TABSTOP;
    ui::DialogTemplate t;
    t.id = Tvl_DlgCSP2::kTemplateId;
    t.caption = L"Optimalisatie";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME;
    t.rect = dlu(0, 0, 420, 262);
    t.controls = {
        {9035, L"Static", L"Opdracht", 0, dlu(10, 9, 40, 8)},
        {Tvl_DlgCSP2::kJobsId, L"ComboBox", L"",
         ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL, dlu(52, 7, 150, 100)},
        {Tvl_DlgCSP2::kNewJobId, L"Button", L"Nieuw", ui::WS_TABSTOP, dlu(208, 6, 60, 14)},
        {Tvl_DlgCSP2::kDeleteJobId, L"Button", L"Verwijderen", ui::WS_TABSTOP, dlu(272, 6, 60, 14)},
        {9037, L"Button", L"Invoer", ui::BS_GROUPBOX, dlu(5, 24, 410, 212)},
        {9038, L"Button", L"Stukken", ui::BS_GROUPBOX, dlu(10, 34, 200, 198)},
        {Tvl_DlgCSP2::kPiecesInsertId, L"Button", L"", small, dlu(15, 45, 16, 14)},
        {Tvl_DlgCSP2::kPiecesDeleteId, L"Button", L"", small, dlu(33, 45, 16, 14)},
        {Tvl_DlgCSP2::kPiecesGridId, L"Static", L"", ui::SS_BLACKFRAME, dlu(15, 62, 190, 165)},
        {9041, L"Button", L"Voorraad", ui::BS_GROUPBOX, dlu(215, 34, 195, 96)},
        {Tvl_DlgCSP2::kStockInsertId, L"Button", L"", small, dlu(220, 45, 16, 14)},
        {Tvl_DlgCSP2::kStockDeleteId, L"Button", L"", small, dlu(238, 45, 16, 14)},
        {Tvl_DlgCSP2::kStockLoadId, L"Button", L"", small, dlu(262, 45, 16, 14)},
        {Tvl_DlgCSP2::kStockStoreId, L"Button", L"", small, dlu(280, 45, 16, 14)},
        {Tvl_DlgCSP2::kStockGridId, L"Static", L"", ui::SS_BLACKFRAME, dlu(220, 62, 185, 63)},
        {9043, L"Button", L"Inkoop", ui::BS_GROUPBOX, dlu(215, 134, 195, 98)},
        {Tvl_DlgCSP2::kPurchaseInsertId, L"Button", L"", small, dlu(220, 145, 16, 14)},
        {Tvl_DlgCSP2::kPurchaseDeleteId, L"Button", L"", small, dlu(238, 145, 16, 14)},
        {Tvl_DlgCSP2::kPurchaseLoadId, L"Button", L"", small, dlu(262, 145, 16, 14)},
        {Tvl_DlgCSP2::kPurchaseStoreId, L"Button", L"", small, dlu(280, 145, 16, 14)},
        {Tvl_DlgCSP2::kPurchaseGridId, L"Static", L"", ui::SS_BLACKFRAME, dlu(220, 162, 185, 65)},
        {Tvl_DlgCSP2::kReportId, L"Button", L"Rapport", ui::WS_TABSTOP, dlu(5, 242, 120, 14)},
        {Tvl_DlgCSP2::kAskEachFileId, L"Button", L"Vragen", ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX,
         dlu(131, 244, 120, 10)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON, dlu(309, 242, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, dlu(365, 242, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

const wchar_t* extensionOf(int table) {
    return table == DlgCSP2Data::kStock ? L"shp" : L"buy";
}
int tableText(int table) {
    return 625 + table;
}

Tvl_Array<Tvl_StringArray> withoutBlankRows(const Tvl_Array<Tvl_StringArray>& rows) {
    Tvl_Array<Tvl_StringArray> kept;
    for (int r = 0; r < rows.length(); ++r)
        if (!cutstock::isBlankRow(rows[r]))
            kept.append(rows[r]);
    return kept;
}

ui::FileDialogRequest fileRequest(ui::Window* owner, int table, bool save) {
    ui::FileDialogRequest request;
    request.owner = owner;
    request.mode = save ? ui::FileDialogMode::Save : ui::FileDialogMode::Open;
    request.title = dialString(save ? 619 : 618).str();
    const std::wstring pattern = std::wstring(L"*.") + extensionOf(table);
    request.filters = {
        {(dialString(tableText(table)) + L" (" + pattern.c_str() + L")").str(), pattern}};
    request.defaultExtension = extensionOf(table);
    request.initialFolder = cuttingStockFolder().str();
    request.flags = ui::OFN_PATHMUSTEXIST |
                    (save ? ui::OFN_OVERWRITEPROMPT : ui::OFN_FILEMUSTEXIST) | ui::OFN_HIDEREADONLY;
    return request;
}

// A path the file dialog gave: the folder is added to a bare name.
Tvl_String chosenPath(const std::wstring& answer) {
    Tvl_String path(answer);
    if (getPath(path).isEmpty())
        path = cuttingStockFolder() + path;
    return path;
}

} // namespace

Tvl_DlgCSP2::Tvl_DlgCSP2(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool Tvl_DlgCSP2::onInitDialog() {
    setWindowText(dialString(620).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    setDlgItemText(9035, dialString(621).str());
    setDlgItemText(kNewJobId, dialString(622).str());
    setDlgItemText(kDeleteJobId, dialString(623).str());
    setDlgItemText(9037, dialString(624).str());
    setDlgItemText(9038, dialString(625).str());
    setDlgItemText(9041, dialString(626).str());
    setDlgItemText(9043, dialString(627).str());
    setDlgItemText(kReportId, dialString(m_data.m_loadNewest ? 628 : 629).str());
    setDlgItemText(kAskEachFileId, dialString(630).str());
    for (int i = 0; i < 10; ++i)
        setupIconButton(this, m_buttons[i], kIconButtons[i].id, kIconButtons[i].icon,
                        dialString(kIconButtons[i].tooltip));
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        if (!m_grids[t].attach(this, kGridIds[t]))
            continue;
        m_grids[t].setColCount(3);
        m_grids[t].setRowCount(0);
        m_grids[t].sheet().setOption(kOptionRowHeaders, false);
    }
    fillJobs();
    if (m_data.jobCount() > 0) {
        selectCombo(this, kJobsId, 0);
        showJob(m_data.m_jobIds[0]);
    } else {
        showJob(-1);
    }
    restoreWindowPlacement(this, kPlacement);
    m_layout.attach(this);
    for (int id : {9037, 9038, kPiecesGridId})
        m_layout.setMode(id, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    for (int id : {9041, kStockGridId, kStockInsertId, kStockDeleteId, kStockLoadId, kStockStoreId,
                   9043, kPurchaseInsertId, kPurchaseDeleteId, kPurchaseLoadId, kPurchaseStoreId})
        m_layout.setMode(id, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kPurchaseGridId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStretch);
    m_layout.setMode(9043, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStretch);
    for (int id : {kReportId, kAskEachFileId})
        m_layout.setMode(id, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    for (int id : {static_cast<int>(ui::IDOK), static_cast<int>(ui::IDCANCEL)})
        m_layout.setMode(id, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    m_layoutReady = true;
    return true;
}

void Tvl_DlgCSP2::fillJobs() {
    fillCombo(this, kJobsId, m_data.m_jobNames);
}

void Tvl_DlgCSP2::showJob(int jobId) {
    m_shownJob = m_data.jobIndex(jobId) >= 0 ? jobId : -1;
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        Tvl_Spread& g = m_grids[t];
        if (!g.isAttached())
            continue;
        g.sheet().setOption(kOptionRedraw, false);
        g.setRowCount(0);
        if (m_shownJob >= 0) {
            g.setColHeaderTexts(m_data.m_tables[t].columns);
            const Tvl_Array<Tvl_StringArray> rows = m_data.jobRows(t, m_shownJob);
            g.setRowCount(rows.length());
            for (int r = 0; r < rows.length(); ++r)
                g.setRowTexts(r + 1, rows[r]);
        }
        g.sheet().setOption(kOptionRedraw, true);
        g.invalidate();
    }
}

void Tvl_DlgCSP2::storeJob() {
    if (m_shownJob < 0)
        return;
    for (int t = 0; t < DlgCSP2Data::kTableCount; ++t) {
        Tvl_Spread& g = m_grids[t];
        if (!g.isAttached())
            continue;
        g.endEdit(true);
        Tvl_Array<Tvl_StringArray> rows;
        g.getAllRows(rows);
        m_data.setJobRows(t, m_shownJob, withoutBlankRows(rows));
    }
}

bool Tvl_DlgCSP2::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr)
        return ui::Dialog::onCommand(id, code, from);
    if (id == kJobsId && code == ui::CBN_SELCHANGE) {
        storeJob();
        const int at = comboSelection(this, kJobsId);
        showJob(at >= 0 && at < m_data.jobCount() ? m_data.m_jobIds[at] : -1);
        return true;
    }
    if (code != ui::BN_CLICKED)
        return ui::Dialog::onCommand(id, code, from);
    switch (id) {
    case kNewJobId:
        onNewJob();
        return true;
    case kDeleteJobId:
        onDeleteJob();
        return true;
    case kPiecesInsertId:
        insertRow(DlgCSP2Data::kPieces);
        return true;
    case kPiecesDeleteId:
        deleteRow(DlgCSP2Data::kPieces);
        return true;
    case kStockInsertId:
        insertRow(DlgCSP2Data::kStock);
        return true;
    case kStockDeleteId:
        deleteRow(DlgCSP2Data::kStock);
        return true;
    case kPurchaseInsertId:
        insertRow(DlgCSP2Data::kPurchase);
        return true;
    case kPurchaseDeleteId:
        deleteRow(DlgCSP2Data::kPurchase);
        return true;
    case kStockLoadId:
        loadTable(DlgCSP2Data::kStock);
        return true;
    case kPurchaseLoadId:
        loadTable(DlgCSP2Data::kPurchase);
        return true;
    case kStockStoreId:
        storeJob();
        storeTable(DlgCSP2Data::kStock, m_shownJob, true);
        return true;
    case kPurchaseStoreId:
        storeJob();
        storeTable(DlgCSP2Data::kPurchase, m_shownJob, true);
        return true;
    case kReportId:
        onReport();
        return true;
    default:
        return ui::Dialog::onCommand(id, code, from);
    }
}

void Tvl_DlgCSP2::onNewJob() {
    Tvl_DlgPromptString prompt(this);
    prompt.m_caption = dialString(631);
    prompt.m_prompt = dialString(632);
    prompt.m_value = dialString(171);
    prompt.m_okLabel = dialString(1);
    prompt.m_cancelLabel = dialString(2);
    if (prompt.doModal() != ui::IDOK)
        return;
    storeJob();
    const int id = m_data.newJobId();
    m_data.m_jobIds.append(id);
    m_data.m_jobNames.append(prompt.m_value);
    fillJobs();
    selectCombo(this, kJobsId, m_data.jobCount() - 1);
    showJob(id);
}

void Tvl_DlgCSP2::onDeleteJob() {
    const int at = m_data.jobIndex(m_shownJob);
    if (at < 0)
        return;
    // The grids are not stored: the job's rows go with it.
    m_data.removeJobRows(m_shownJob);
    m_data.m_jobIds.removeAt(at);
    m_data.m_jobNames.removeAt(at);
    m_shownJob = -1;
    fillJobs();
    const int next = at < m_data.jobCount() ? at : m_data.jobCount() - 1;
    selectCombo(this, kJobsId, next);
    showJob(next >= 0 ? m_data.m_jobIds[next] : -1);
}

void Tvl_DlgCSP2::insertRow(int table) {
    Tvl_Spread& g = m_grids[table];
    if (m_shownJob < 0 || !g.isAttached())
        return;
    int col = 1, row = 0;
    if (!g.activeCell(col, row))
        row = g.rowCount();
    const int newRow = std::min(row, g.rowCount()) + 1;
    g.insertRowAt(newRow, false, false);
    g.setFocus();
    g.setActiveCell(std::max(col, 1), newRow);
}

void Tvl_DlgCSP2::deleteRow(int table) {
    Tvl_Spread& g = m_grids[table];
    int col = 0, row = 0;
    if (m_shownJob < 0 || !g.isAttached() || !g.activeCell(col, row))
        return;
    g.deleteRowAt(row);
    g.setFocus();
    if (g.rowCount() > 0)
        g.setActiveCell(col, std::min(row, g.rowCount()));
}

void Tvl_DlgCSP2::showMessage(const Tvl_String& text, int captionText) {
    ui::messageBox(this, text.str(), dialString(captionText).str(),
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void Tvl_DlgCSP2::loadTable(int table) {
    storeJob();
    if (m_shownJob < 0)
        return;
    const Tvl_String folder = cuttingStockFolder();
    ObjectExportCreateDirectory(folder);
    ui::FileDialogRequest request = fileRequest(this, table, false);
    Tvl_String newest;
    std::time_t time = 0;
    if (newestFile(folder, Tvl_String(L"*.") + extensionOf(table), newest, time))
        request.initialFile = newest.str();
    const std::optional<std::wstring> answer = ui::fileDialog(request);
    if (!answer)
        return;
    // The path keeps its case: the library lies on a case-sensitive file system.
    const Tvl_String path = withExtension(chosenPath(*answer), extensionOf(table));
    Tvl_Array<Tvl_StringArray> rows;
    Tvl_String why;
    if (!cutstock::readStockList(table, path, rows, why)) {
        showMessage(L"The file \"" + getFileName(path) + L"\" was not loaded: " + why + L".", 618);
        return;
    }
    m_data.setJobRows(table, m_shownJob, rows);
    showJob(m_shownJob);
}

bool Tvl_DlgCSP2::storeTable(int table, int jobId, bool ask) {
    if (m_data.jobIndex(jobId) < 0)
        return false;
    const Tvl_String folder = cuttingStockFolder();
    ObjectExportCreateDirectory(folder);
    const Tvl_String proposal = nextStockName(folder, extensionOf(table));
    Tvl_String path = folder + proposal;
    if (ask) {
        ui::FileDialogRequest request = fileRequest(this, table, true);
        request.initialFile = proposal.str();
        const std::optional<std::wstring> answer = ui::fileDialog(request);
        if (!answer)
            return false;
        path = withExtension(chosenPath(*answer), extensionOf(table));
    }
    Tvl_String why;
    if (!cutstock::writeStockList(table, path, m_data.jobRows(table, jobId), why)) {
        showMessage(L"The file \"" + getFileName(path) + L"\" was not written: " + why + L".", 619);
        return false;
    }
    return true;
}

void Tvl_DlgCSP2::onReport() {
    if (m_data.m_loadNewest)
        reportNewest();
    else
        storeAllJobs();
}

void Tvl_DlgCSP2::reportNewest() {
    storeJob();
    if (m_shownJob < 0)
        return;
    const Tvl_String folder = cuttingStockFolder();
    const Tvl_String separator = Tvl_String::fromChar(L'-', 116);
    Tvl_String text;
    for (int table :
         {static_cast<int>(DlgCSP2Data::kStock), static_cast<int>(DlgCSP2Data::kPurchase)}) {
        const bool stock = table == DlgCSP2Data::kStock;
        Tvl_String name;
        std::time_t time = 0;
        if (!newestFile(folder, Tvl_String(L"*.") + extensionOf(table), name, time)) {
            text += dialString(stock ? 636 : 637) + L"\n" + separator + L"\n";
            continue;
        }
        Tvl_Array<Tvl_StringArray> rows;
        Tvl_String why;
        if (cutstock::readStockList(table, folder + name, rows, why)) {
            m_data.setJobRows(table, m_shownJob, rows);
            text += dialString(stock ? 633 : 634) + L" \"" + name + L"\".\n" + dialString(635) +
                    L" " + fileTimeText(time) + L".\n";
        } else {
            text += L"The file \"" + name + L"\" was not loaded: " + why + L".\n";
        }
        text += separator + L"\n";
    }
    text += dialString(638);
    showJob(m_shownJob);
    DlgInfoData info;
    info.m_title = dialString(652);
    info.m_text = text;
    info.m_buttonText = dialString(285);
    ExportStartDlgInfo(info);
}

void Tvl_DlgCSP2::storeAllJobs() {
    storeJob();
    const bool ask = isDlgButtonChecked(kAskEachFileId) == ui::BST_CHECKED;
    for (int i = 0; i < m_data.jobCount(); ++i)
        storeTable(DlgCSP2Data::kStock, m_data.m_jobIds[i], ask);
}

void Tvl_DlgCSP2::onOK() {
    storeJob();
    endDialog(ui::IDOK);
}

void Tvl_DlgCSP2::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
}

void Tvl_DlgCSP2::onDestroy() {
    saveWindowPlacement(this, kPlacement);
    m_layoutReady = false;
}
