#pragma once
// CDlgKWAppear: the font and colours dialog ("Lettertype en kleuren"). "Lettertype" opens
// the font dialog on m_font, "Tekstkleur" and "Achtergrondkleur" the colour dialog on
// the text and background colours; the sample cell shows "Abc 123" in all three.

#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/grid/engine/CellFormat.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/Dialog.h"

class CDlgKWAppear : public ui::Dialog {
public:
    static constexpr int kTemplateId = 174;
    static constexpr int kPreviewId = 1001;
    static constexpr int kGroupId = 1006;
    static constexpr int kFontId = 1007;
    static constexpr int kBackId = 1008;
    static constexpr int kTextId = 1009;

    explicit CDlgKWAppear(ui::Window* parent = nullptr) : ui::Dialog(kTemplateId, parent) {}

    ui::LogFont m_font;
    // COLORREFs; grid::kNoColor leaves the cell's default colour.
    grid::Color m_back = grid::kNoColor;
    grid::Color m_text = grid::kNoColor;

    Tvl_Spread& preview() { return m_preview; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void chooseColor(grid::Color& color, grid::Color shownWhenUnset);
    void refreshPreview();

    Tvl_Spread m_preview;
};
