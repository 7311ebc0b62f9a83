#pragma once
// CDlgMacroProfSegm: the segmented profiles of a profile tab. It works on its own copy
// (m_profiles); the caller takes the copy back on OK. One profile is shown at a time:
// name, clearance, the break flag and its points in a grid (point number, value).
// Choosing another profile in the list keeps what was typed into the one shown so far.
// Clearances and point values must be numbers (a clearance not below 0): other texts are
// refused with a message, and the dialog stays on the profile to correct it.

#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "core/macroprof/MacroProfSegmentedData.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgMacroProfSegm : public ui::Dialog {
public:
    explicit CDlgMacroProfSegm(ui::Window* parent = nullptr);

    Tvl_Array<MacroProfSegmentedData> m_profiles;

    // State for tests and the snapshot tool.
    int shownProfile() const { return m_shown; }
    Tvl_Spread& grid() { return m_grid; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;

private:
    void showProfile(int index);
    // Reads the shown profile's controls; false (with a message, the profile unchanged)
    // when a clearance or point value is no number.
    bool storeProfile();
    void refuse(const Tvl_String& value);
    void addRow();
    void removeRow();

    Tvl_Spread m_grid;
    bool m_gridMade = false;
    CButtonST m_add;
    CButtonST m_remove;
    CResizer m_resizer;
    bool m_resizerReady = false;
    int m_shown = -1;
};
