#include "kw/spreadsheet/format/CBitmapPickerCombo.h"

#include <algorithm>

#include "platform/ui/Application.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Theme.h"

int CBitmapPickerCombo::addBitmap(int bitmapId, std::wstring_view text) {
    ui::Bitmap picture;
    const ui::Image image = ui::Application::instance().resources().loadBitmap(bitmapId);
    if (image.empty() || ui::decodeBmp(*image.bmp, picture) != ui::BmpStatus::Ok)
        picture = ui::Bitmap();
    const int index = addString(text);
    if (index >= 0) {
        if (static_cast<int>(m_pictures.size()) <= index)
            m_pictures.resize(static_cast<size_t>(index) + 1);
        m_pictures[static_cast<size_t>(index)] = std::move(picture);
    }
    return index;
}

const ui::Bitmap& CBitmapPickerCombo::picture(int index) const {
    static const ui::Bitmap none;
    if (index < 0 || index >= static_cast<int>(m_pictures.size()))
        return none;
    return m_pictures[static_cast<size_t>(index)];
}

void CBitmapPickerCombo::onPaint(ui::Canvas& canvas) {
    const ui::Rect full = getClientRect();
    ui::ComboState st;
    st.focused = hasFocus();
    st.disabled = !isWindowEnabled();
    const ui::Bitmap& shown = picture(getCurSel());
    st.image = shown.empty() ? nullptr : &shown;
    const ui::Rect box{full.left, full.top, full.right,
                       full.top + std::min(full.height(), kClosedHeight)};
    ui::paintComboBox(canvas, box, shown.empty() ? getLBText(getCurSel()) : std::wstring(), st);
}
