#pragma once
// CBitmapPickerCombo: a drop-down list whose items are pictures (module bitmaps), each
// with a text for keyboard choice and scripts. The box shows the chosen item's picture.

#include <vector>

#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/draw/Bitmap.h"

class CBitmapPickerCombo : public ui::ComboBox {
public:
    // Adds an item showing bitmap resource `bitmapId` (the resource switch decides whose);
    // an item whose bitmap is missing shows its text. Returns the item's index.
    int addBitmap(int bitmapId, std::wstring_view text);
    // The picture of item `index`; empty when it has none.
    const ui::Bitmap& picture(int index) const;

protected:
    void onPaint(ui::Canvas& canvas) override;

private:
    std::vector<ui::Bitmap> m_pictures;
};
