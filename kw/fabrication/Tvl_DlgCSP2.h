#pragma once
// Tvl_DlgCSP2: the input dialog of the cutting-stock optimisation. It keeps the list of
// jobs and, per job, the pieces, stock and purchase tables; stock and purchase tables are
// stored in and loaded from the library's "Cutting Stock\" folder. Works on its own
// copy m_data; the caller reads it back after OK.

#include "core/CButtonST.h"
#include "core/cuttingstock/DlgCSP2Data.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class Tvl_DlgCSP2 : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8122;
    static constexpr int kJobsId = 9036;
    static constexpr int kNewJobId = 8590;
    static constexpr int kDeleteJobId = 8591;
    static constexpr int kPiecesGridId = 1321;
    static constexpr int kStockGridId = 1322;
    static constexpr int kPurchaseGridId = 1323;
    static constexpr int kPiecesInsertId = 8601;
    static constexpr int kPiecesDeleteId = 8605;
    static constexpr int kStockInsertId = 8606;
    static constexpr int kStockDeleteId = 8607;
    static constexpr int kPurchaseInsertId = 8608;
    static constexpr int kPurchaseDeleteId = 8609;
    static constexpr int kStockLoadId = 8600;
    static constexpr int kStockStoreId = 8602;
    static constexpr int kPurchaseLoadId = 8603;
    static constexpr int kPurchaseStoreId = 8604;
    static constexpr int kReportId = 8592;
    static constexpr int kAskEachFileId = 9074;
    static constexpr int kIconLoad = 232;
    static constexpr int kIconStore = 233;

    explicit Tvl_DlgCSP2(ui::Window* parent = nullptr);

    DlgCSP2Data m_data;

    int shownJob() const { return m_shownJob; }
    Tvl_Spread& grid(int table) { return m_grids[table]; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onDestroy() override;

private:
    void fillJobs();
    void showJob(int jobId);
    void storeJob();
    void onNewJob();
    void onDeleteJob();
    void insertRow(int table);
    void deleteRow(int table);
    void loadTable(int table);
    // Stores the job's rows of `table`; with `ask` through the save dialog, else straight
    // to the proposed "Stock<n>" file. False when nothing was written.
    bool storeTable(int table, int jobId, bool ask);
    void onReport();
    void reportNewest();
    void storeAllJobs();
    void showMessage(const Tvl_String& text, int captionText);

    Tvl_Spread m_grids[DlgCSP2Data::kTableCount];
    CButtonST m_buttons[10];
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
    int m_shownJob = -1;
};
