#pragma once
// CTabGeometries: the geometries page of the macro editor: what the constraints act on,
// with its flexibility (a combo cell) and, where it has one, its fixed state (a check
// box cell). The selected row's object is highlighted in the drawing.

#include "core/macroedit/EditConstrData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgEditMacro;

class CTabGeometries : public ui::Dialog {
public:
    CTabGeometries(CDlgEditMacro& owner, EditConstrData* data);

    bool createPage(ui::Window* tabControl);
    void load();
    // The tab is shown: the geometries asked again, loaded, the current row highlighted.
    void refresh();
    void removeHighlight();
    Tvl_Spread& grid() { return m_grid; }
    int highlightedRow() const { return m_highlighted; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onNotify(ui::NotifyHeader& header, ui::LRESULT& result) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onDestroy() override;

private:
    void highlightRow(int row);

    CDlgEditMacro& m_owner;
    EditConstrData* m_data;
    Tvl_Spread m_grid;
    bool m_initialized = false;
    int m_highlighted = -1; // geometry index
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
