#pragma once
// CDlgMacro: the dialog of one or more macros. One page per tab of the record (a general
// page for kinds 0, 1 and 3; no page for other kinds: the tab shows its caption and an
// empty area), the two selection lists, the view, clash, property-set, re-apply and
// select-other buttons. Every edit a page confirms goes to the model at once (applyTab);
// the dialog keeps its own copy of the record, which the table hands out and the modal
// entry copies back. docs/macro-dialog.md describes the flow.

#include <memory>
#include <vector>

#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "core/MacroData.h"
#include "kw/frame/MacroDialogBase.h"
#include "kw/frame/Tvl_RestoreFocus.h"

class CMacroTabPage;
class MacroTabData;

namespace ui {
class TabControl;
}

class CDlgMacro : public MacroDialogBase {
public:
    explicit CDlgMacro(ui::Window* parent = nullptr);
    ~CDlgMacro() override;

    // ---- Services for the pages ------------------------------------------------------
    // The tab data of a tab index; null when out of range.
    MacroTabData* tabData(int index);
    MacroData& macroData() { return m_macroData; }
    Tvl_RestoreFocus& focusRegistry() { return m_focus; }
    void getObjects(AcArray<AcDbObjectId>& objects) const;
    // A page changed tab `index`: `before` is the tab as it was before the change, the
    // record holds it after. Sends the differences to the model; refreshes every page.
    // False when nothing changed or the model refused.
    bool applyTab(int index, const MacroTabData& before);
    // Sends one tab's differences to the model without refreshing (apply every page).
    bool sendTab(int index, const MacroTabData& before);
    // The same as the Close button. A modeless dialog is deleted before this returns.
    void closeDialog();

    // ---- State for tests and the snapshot tool ---------------------------------------
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    CMacroTabPage* page(int index) const;
    int currentPage() const { return m_current; }
    const Tvl_String& placementKey() const { return m_placementKey; }
    ui::TabControl* tabControl() const;
    // Every page's extent: the largest width and height the pages need.
    void pageExtents(int& width, int& height) const;

    // The placement key of a record ("DLG_MACRO_EDITVARS_...").
    static Tvl_String placementKeyOf(const MacroData& macro);

protected:
    bool onInitDialog() override;
    void onOK() override;
    void onCancel() override;
    void onClose() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool onNotify(ui::NotifyHeader& header, ui::LRESULT& result) override;
    bool onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void setUpButtons();
    void setUpResizer();
    void buildPages(bool show);
    void destroyPages();
    void layoutPages();
    void showCurrentTab();
    void refreshPages();
    void fillCaptionAndLists();
    void resizeToPages();
    void minimumSize(int& width, int& height) const;
    void afterRecordChanged();
    void applyEveryPage();
    const Tvl_String* currentModule();

    void onSelectOther();
    void onView(int view);
    void onListChanged(bool first);
    void onLoadProps();
    void onSaveProps();
    // The named-set dialog for loading or saving a property set; the chosen set's file
    // in `path`. False when the user cancels or names something that is not a plain set
    // name (the refusal is shown).
    bool choosePropertySet(bool saveMode, Tvl_String& path);
    void onReApply();

    CButtonST m_selectOther;
    CButtonST m_views[4];
    CButtonST m_load;
    CButtonST m_save;
    CButtonST m_clash;
    std::vector<std::unique_ptr<CMacroTabPage>> m_pages;
    std::vector<int> m_kinds;
    bool m_sized = false;
    bool m_pagesEntered = false;
    bool m_closing = false;
    CResizer m_resizer;
    bool m_resizerReady = false;
    Tvl_RestoreFocus m_focus;
    int m_current = -1;
    Tvl_String m_placementKey;
};

// The macro dialog that holds `window` (the window itself or an ancestor); null when
// there is none.
CDlgMacro* getDlgOwner(ui::Window* window);
