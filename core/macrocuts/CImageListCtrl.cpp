#include "core/macrocuts/CImageListCtrl.h"

#if TVL_UI_AVAILABLE

#include "core/FileHelpers.h"
#include "core/macrocuts/PictureCache.h"

bool CImageListCtrl::SubclassDlgItem(int id, ui::Window* parent) {
    return parent != nullptr && subclassDlgItem(id, parent);
}

void CImageListCtrl::setPictures(const Tvl_StringArray& paths, const Tvl_StringArray& labels) {
    const Tvl_String selected = selectedName();
    deleteAllItems();
    clearImages();
    m_paths = paths;
    for (int i = 0; i < paths.length(); ++i) {
        const int image = addImage(picture_cache::picture(paths[i], kPictureBox));
        const Tvl_String label =
            i < labels.length() ? labels[i] : removeExtension(getFileName(paths[i]));
        const int item = insertItem(i, label.str(), image);
        setItemData(item, i);
    }
    if (!selected.isEmpty())
        selectName(selected);
}

Tvl_String CImageListCtrl::selectedName() const {
    const int item = getNextItem(-1, ui::LVNI_SELECTED);
    if (item < 0)
        return Tvl_String();
    const auto index = static_cast<int>(getItemData(item));
    return index >= 0 && index < m_paths.length() ? m_paths[index] : Tvl_String();
}

bool CImageListCtrl::selectName(const Tvl_String& path) {
    for (int i = 0; i < getItemCount(); ++i) {
        const auto index = static_cast<int>(getItemData(i));
        if (index >= 0 && index < m_paths.length() && m_paths[index].equal(path, true)) {
            setItemState(-1, 0, ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
            setItemState(i, ui::LVIS_SELECTED | ui::LVIS_FOCUSED,
                         ui::LVIS_SELECTED | ui::LVIS_FOCUSED);
            return true;
        }
    }
    return false;
}

#endif
