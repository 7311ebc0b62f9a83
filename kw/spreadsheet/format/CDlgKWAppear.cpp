#include "kw/spreadsheet/format/CDlgKWAppear.h"

#include "kw/spreadsheet/format/AppearanceFont.h"
#include "kw/spreadsheet/format/FormatPreview.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/ExportStyle.h"

bool CDlgKWAppear::onInitDialog() {
    kw::setupPreview(m_preview, this, kPreviewId, {0, 8, 69, 10}, {0, 8, 21, 20});
    m_preview.sheet().setText(kw::kPreviewCol, kw::kPreviewRow, "Abc 123");
    refreshPreview();
    return true;
}

void CDlgKWAppear::refreshPreview() {
    if (!m_preview.isAttached())
        return;
    const grid::CellRange cell{kw::kPreviewCol, kw::kPreviewRow, kw::kPreviewCol, kw::kPreviewRow};
    grid::Sheet& s = m_preview.sheet();
    s.setFont(cell, kw::fromLogFont(m_font, grid::Font{}));
    s.setColors(cell, m_back, m_text);
    s.setChanged(false);
    m_preview.invalidate();
}

void CDlgKWAppear::chooseColor(grid::Color& color, grid::Color shownWhenUnset) {
    ui::ColorDialogRequest request;
    request.owner = this;
    request.initial = ui::Color::fromColorRef(
        grid::resolveColor(color == grid::kNoColor ? shownWhenUnset : color));
    request.fullOpen = true;
    if (auto chosen = ui::colorDialog(request))
        color = chosen->toColorRef();
}

bool CDlgKWAppear::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kFontId: {
            ui::FontDialogRequest request;
            request.owner = this;
            request.initial = m_font;
            request.initialColor =
                ui::Color::fromColorRef(grid::resolveColor(m_text == grid::kNoColor ? 0 : m_text));
            request.effects = true;
            // The text colour has a button of its own; the font dialog gives the font.
            if (auto chosen = ui::fontDialog(request))
                m_font = chosen->font;
            refreshPreview();
            return true;
        }
        case kTextId:
            chooseColor(m_text, 0x000000);
            refreshPreview();
            return true;
        case kBackId:
            chooseColor(m_back, 0xFFFFFF);
            refreshPreview();
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}
