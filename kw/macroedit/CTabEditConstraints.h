#pragma once
// CTabEditConstraints: the constraints page of the macro editor. The grid lists the
// current module's constraints; the panel below shows the selected one's value, variable
// name, choice, two options and up to five picture buttons in two radio groups.

#include "core/CButtonST.h"
#include "core/macroedit/EditConstrData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/frame/dynMenu.h"
#include "kw/macroedit/MacroEditIds.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgEditMacro;

class CTabEditConstraints : public ui::Dialog {
public:
    CTabEditConstraints(CDlgEditMacro& owner, EditConstrData* data);

    bool createPage(ui::Window* tabControl);
    // Fills the grid and shows the current constraint. `keepSort` keeps the sort column
    // (the reload a sort makes).
    void load(bool keepSort = false);
    // Writes the panel into the record and the model when it differs.
    void storeCurrent();
    // Store, then load (the tab is shown again).
    void refresh();
    void showConstraint(int row);
    void removeHighlights();
    // The module changed: no sort column any more.
    void resetSort() { m_sortColumn = -1; }

    Tvl_Spread& grid() { return m_grid; }
    int currentRow() const { return m_current; }
    int sortColumn() const { return m_sortColumn; }
    int secondGroupStart() const { return m_secondGroup; }
    int picturesInUse() const { return m_picturesInUse; }
    CButtonST& picture(int n) { return m_pictures[n - 1]; } // n from 1
    bool initialized() const { return m_initialized; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool onNotify(ui::NotifyHeader& header, ui::LRESULT& result) override;
    bool preTranslateMessage(ui::Message& msg) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onDestroy() override;

private:
    void checkName();
    void clickPicture(int n);
    void onDelete();
    void onCut();
    void onHeaderClick(int column);
    void onRightClick(int col, int row);
    void enableOption2();
    void selectGridRow(int row);
    void fitColumns();
    // The checked button of each group in use (element 0 the first group).
    AcArray<int> radioSelections() const;

    CDlgEditMacro& m_owner;
    EditConstrData* m_data;
    Tvl_Spread m_grid;
    CButtonST m_delete;
    CButtonST m_pictures[kw::macroedit::kPictureCount];
    dynMenu m_menu;
    AcArray<int> m_menuActions;
    int m_current = -1;
    int m_secondGroup = kw::macroedit::kPictureCount + 1; // first button of group 2
    int m_picturesInUse = 0;
    int m_sortColumn = -1;
    bool m_initialized = false;
    bool m_escapeHandled = false;
    bool m_selecting = false;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
