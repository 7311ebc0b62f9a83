#pragma once
// CDlgMacroBoltAdv: the bolt data of a bolt tab: assembly, diameter, lengths and hole
// tolerance, the options (tapped, reversed, countersunk, bolted in the workshop), the
// hole columns, the slotted holes one at a time, and the nuts and washers.
//
// It works on its own copy (m_bolt); the caller takes it back on OK. OK is refused,
// with a message and the dialog left open, while an active slotted hole lacks a radius
// or a length greater than 0, or a length, tolerance or slot value is not a number.
// Options that differ between the macros being edited show indeterminate; one that is
// not clicked is stored as 2 again. Nut and washer boxes that the bolt does not offer
// (-1) are disabled and stay -1.

#include "core/CButtonST.h"
#include "core/MacroBoltData.h"
#include "core/macrobolt/CCheckComboBox.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgMacroBoltAdv : public ui::Dialog {
public:
    explicit CDlgMacroBoltAdv(ui::Window* parent = nullptr);

    MacroBoltData m_bolt;
    // The diameters of every macro being edited (MacroTabData::GetMergedDiameters).
    Tvl_StringArray m_diameters;

    // State for tests and the snapshot tool.
    int shownSlot() const { return m_shown; }
    Tvl_Spread& holeColumns() { return m_grid; }
    const CButtonST& picture() const { return m_picture; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void fillCombo(int id, const Tvl_StringArray& items, const Tvl_String& text);
    void showSlot(int index);
    void storeSlot();
    void enableSlotControls();
    void store();
    // False, with the message shown, when a value is refused.
    bool validate();
    void refuse(const Tvl_String& text);
    Tvl_String itemText(int id) const;

    MacroBoltData m_original; // as handed in
    CButtonST m_picture;
    CCheckComboBox m_slots;
    Tvl_Spread m_grid;
    bool m_gridMade = false;
    int m_shown = -1;
};
