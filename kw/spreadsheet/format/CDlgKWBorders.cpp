#include "kw/spreadsheet/format/CDlgKWBorders.h"

#include "kw/spreadsheet/format/BorderStyles.h"
#include "kw/spreadsheet/format/FormatPreview.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/ExportStyle.h"
#include "platform/ui/CommonDialogs.h"

namespace {

struct SideButton {
    int id;
    int icon;
    const wchar_t* tooltip;
    uint8_t side;
};
using B = CDlgKWBorders;
constexpr SideButton kSides[4] = {
    {B::kTopId, B::kIconTop, L"Randlijn bovenaan", grid::kBorderTop},
    {B::kLeftId, B::kIconLeft, L"Randlijn links", grid::kBorderLeft},
    {B::kRightId, B::kIconRight, L"Randlijn rechts", grid::kBorderRight},
    {B::kBottomId, B::kIconBottom, L"Randlijn onderaan", grid::kBorderBottom},
};

} // namespace

bool CDlgKWBorders::onInitDialog() {
    for (int i = 0; i < 4; ++i) {
        CButtonST& b = m_sides[i];
        if (!b.SubclassDlgItem(kSides[i].id, this))
            continue;
        b.SetCheckBox(true);
        b.SetFlat(false);
        b.SetIcon(kSides[i].icon);
        b.SetTooltipText(kSides[i].tooltip);
        b.SetCheck((m_record.sides & kSides[i].side) ? 1 : 0);
    }
    if (m_picker.subclassDlgItem(kStyleId, this)) {
        for (int p = 0; p < kw::kBorderPickerPositions; ++p)
            m_picker.addBitmap(kw::borderPickerBitmap(p), kw::borderPickerText(p));
        // Styles without a position (7 to 10) leave the picker without a choice.
        m_picker.setCurSel(kw::borderPickerPosition(m_record.lineStyle));
    }
    kw::setupPreview(m_preview, this, kPreviewId, {0, 8, 69, 10}, {0, 8, 21, 20});
    refreshPreview();
    return true;
}

void CDlgKWBorders::readControls() {
    uint8_t sides = 0;
    for (int i = 0; i < 4; ++i)
        if (m_sides[i].GetCheck() == 1)
            sides |= kSides[i].side;
    m_record.sides = sides;
    m_record.lineStyle = kw::borderLineStyle(m_picker.getCurSel(), m_record.lineStyle);
}

void CDlgKWBorders::refreshPreview() {
    if (!m_preview.isAttached())
        return;
    const grid::CellRange cell{kw::kPreviewCol, kw::kPreviewRow, kw::kPreviewCol, kw::kPreviewRow};
    m_preview.sheet().setBorder(cell, grid::Border{});
    m_preview.sheet().setBorder(cell, m_record);
    m_preview.sheet().setChanged(false);
    m_preview.invalidate();
}

bool CDlgKWBorders::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr) {
        for (const SideButton& s : kSides)
            if (id == s.id && code == ui::BN_CLICKED) {
                readControls();
                refreshPreview();
                return true;
            }
        if (id == kStyleId && code == ui::CBN_SELCHANGE) {
            readControls();
            refreshPreview();
            return true;
        }
        if (id == kColorId && code == ui::BN_CLICKED) {
            ui::ColorDialogRequest request;
            request.owner = this;
            request.initial = ui::Color::fromColorRef(grid::resolveColor(m_record.color));
            request.fullOpen = true;
            if (auto chosen = ui::colorDialog(request))
                m_record.color = chosen->toColorRef();
            readControls();
            refreshPreview();
            return true;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}
