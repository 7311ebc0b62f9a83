#pragma once
// CDlgSelectMacro: the macro gallery. It shows the pictures of the macro drawings that
// the property filter lets through, and (check 9093) the filter's table: one row per
// macro module, a pair of columns (check box, name) for the module and one per property
// of it. Switching an entry off hides the drawings that have it.
//
// OK (or a double click in the gallery) takes the selected drawing ("abc.bmp" is
// chosen as "abc.dwg") and clears the pick flag; without a selection the dialog stays
// open. Button 1352 (offered while the pick flag is set) ends the dialog with the pick
// flag set, so that the caller lets the user pick a macro in the drawing instead.

#include "core/CResizer.h"
#include "core/macrocuts/CImageListCtrl.h"
#include "core/macrocuts/Tvl_MacroPropsFilter.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgSelectMacro : public ui::Dialog {
public:
    explicit CDlgSelectMacro(ui::Window* parent = nullptr);

    Tvl_String m_title;
    Tvl_MacroPropsFilter m_filter;
    bool m_pick = false;
    bool m_hint = false;
    Tvl_String m_chosen;

    CImageListCtrl& gallery() { return m_gallery; }
    Tvl_Spread& properties() { return m_props; }
    // The drawings the gallery shows.
    const Tvl_StringArray& drawings() const { return m_drawings; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool onNotify(ui::NotifyHeader& header, ui::LRESULT& result) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void fillGallery();
    void fillProperties();
    void propertySwitched(bool on);

    CImageListCtrl m_gallery;
    Tvl_Spread m_props;
    bool m_propsMade = false;
    CResizer m_resizer;
    bool m_resizerReady = false;
    Tvl_StringArray m_drawings;
};
