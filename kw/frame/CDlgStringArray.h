#pragma once
// CDlgStringArray: a modal dialog showing a table of strings in a grid, optionally with
// "Add" and "Remove" for rows. Reached through the export startGridDialog. The grid
// grows with the dialog; Add and Remove keep to the bottom left, OK and Cancel to the
// bottom right, at every size from the minimum up.

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgStringArray : public ui::Dialog {
public:
    static constexpr int kTemplateId = 208;
    static constexpr int kGridId = 1196;
    static constexpr int kAddId = 1088;
    static constexpr int kRemoveId = 1089;

    explicit CDlgStringArray(ui::Window* parent = nullptr);

    Tvl_String m_placementName;
    Tvl_String m_caption;
    Tvl_Array<Tvl_StringArray> m_data; // one list per row, one text per column
    Tvl_StringArray m_columnHeaders;
    Tvl_StringArray m_rowHeaders;
    bool m_rowsEditable = true;

    Tvl_Spread& grid() { return m_grid; }
    // The smallest window size: 300 x 150 pixels, or more where the buttons at the left
    // and at the right would otherwise meet (known once the dialog is initialised).
    ui::Size minimumTrackSize() const { return m_minimum; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    ui::Size minimumSize() const;
    void onAdd();
    void onRemove();

    Tvl_Spread m_grid;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
    ui::Size m_minimum{300, 150};
};
