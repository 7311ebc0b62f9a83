#include "core/macrocuts/CBitmapPickerCombo.h"

#if TVL_UI_AVAILABLE

#include "core/macrocuts/PictureCache.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Canvas.h"

#include <algorithm>
#include <span>

bool CBitmapPickerCombo::SubclassDlgItem(int id, ui::Window* parent) {
    return parent != nullptr && subclassDlgItem(id, parent);
}

bool CBitmapPickerCombo::AddAllImages(const Tvl_StringArray& files, const Tvl_StringArray& texts) {
    resetContent();
    m_pictures.clear();
    if (files.length() != texts.length())
        return false;
    for (int i = 0; i < files.length(); ++i) {
        const ui::Image image = picture_cache::picture(files[i], kPictureBox);
        ui::Bitmap bitmap;
        if (!image.empty())
            ui::decodeBmp(std::span<const std::uint8_t>(image.bmp->data(), image.bmp->size()),
                          bitmap);
        m_pictures.push_back(std::move(bitmap));
        addString(texts[i].str());
    }
    return true;
}

const ui::Bitmap& CBitmapPickerCombo::picture(int index) const {
    static const ui::Bitmap none;
    return index >= 0 && index < static_cast<int>(m_pictures.size())
               ? m_pictures[static_cast<size_t>(index)]
               : none;
}

void CBitmapPickerCombo::onPaint(ui::Canvas& canvas) {
    ui::ComboBox::onPaint(canvas);
    const ui::Bitmap& b = picture(getCurSel());
    if (b.empty())
        return;
    // The picture sits at the right of the closed box, beside the drop-down button.
    const int box = std::min(kClosedHeight - 4, kPictureBox);
    const double k = std::min({1.0, double(box) / b.width, double(box) / b.height});
    const int w = std::max(1, int(b.width * k)), h = std::max(1, int(b.height * k));
    const int right = getClientRect().right - ui::ComboBox::kClosedHeight - 2;
    const ui::Rect dest{right - w, 2 + (box - h) / 2, right, 2 + (box - h) / 2 + h};
    canvas.drawBitmap(b, dest, b.bounds());
}

#endif
