#pragma once
// CBitmapPickerCombo: a drop-down list whose entries are pictures with a text, as the
// macro cuts dialog picks its cut kind. The closed box shows the chosen entry's picture
// left of its text. Pictures come from the picture cache; a missing file shows the
// placeholder and the entry can still be chosen.

#include "core/Tvl_StringArray.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/draw/Bitmap.h"

#include <vector>

class CBitmapPickerCombo : public ui::ComboBox {
public:
    static constexpr int kPictureBox = 32;

    bool SubclassDlgItem(int id, ui::Window* parent);

    // Replaces the entries: picture file `files[i]` with text `texts[i]`. False (and no
    // entries) when the lists differ in length.
    bool AddAllImages(const Tvl_StringArray& files, const Tvl_StringArray& texts);
    // The decoded picture of entry `index`; empty outside the list.
    const ui::Bitmap& picture(int index) const;

protected:
    void onPaint(ui::Canvas& canvas) override;

private:
    std::vector<ui::Bitmap> m_pictures;
};
