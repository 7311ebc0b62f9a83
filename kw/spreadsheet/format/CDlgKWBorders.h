#pragma once
// CDlgKWBorders: the borders dialog ("Randlijnen instellen"). Four toggle buttons choose
// the sides, the picker the line style and "Kleur wijzigen..." the colour; the sample
// cell shows the border after every change. m_record holds the result.

#include "core/CButtonST.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/format/CBitmapPickerCombo.h"
#include "platform/grid/engine/CellFormat.h"
#include "platform/ui/Dialog.h"

class CDlgKWBorders : public ui::Dialog {
public:
    static constexpr int kTemplateId = 143;
    static constexpr int kPreviewId = 1001;
    static constexpr int kTopId = 1004;
    static constexpr int kStyleId = 1005;
    static constexpr int kColorId = 1006;
    static constexpr int kLeftId = 1010;
    static constexpr int kBottomId = 1011;
    static constexpr int kRightId = 1012;
    // The side buttons' icons.
    static constexpr int kIconTop = 8150;
    static constexpr int kIconLeft = 8151;
    static constexpr int kIconRight = 8152;
    static constexpr int kIconBottom = 8153;

    explicit CDlgKWBorders(ui::Window* parent = nullptr) : ui::Dialog(kTemplateId, parent) {}

    grid::Border m_record;

    Tvl_Spread& preview() { return m_preview; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void readControls();
    void refreshPreview();

    CButtonST m_sides[4];
    CBitmapPickerCombo m_picker;
    Tvl_Spread m_preview;
};
