#pragma once
// CImageListCtrl: a list view (icon view) that shows pictures of files with a name under
// each, as the macro gallery does. Pictures come from the picture cache (decoded once,
// fitted to kPictureBox); a missing or damaged picture shows the placeholder and the
// item still works. A double click notifies the parent (NM_DBLCLK), as a list view does.
//
// Typical use: m_gallery.SubclassDlgItem(9091, this); m_gallery.setPictures(paths, names);

#include "core/Tvl_StringArray.h"
#include "platform/ui/controls/ListView.h"

class CImageListCtrl : public ui::ListView {
public:
    // The picture area of an icon cell of the list view.
    static constexpr int kPictureBox = 56;

    // Takes over the list view with id `id` of `parent` (its state and place).
    bool SubclassDlgItem(int id, ui::Window* parent);

    // Replaces the items: one per picture file, labelled with `labels[i]` (the file name
    // without extension when labels are missing). The selection is kept by path.
    void setPictures(const Tvl_StringArray& paths, const Tvl_StringArray& labels);
    // The picture path of the selected item; empty when none is selected.
    Tvl_String selectedName() const;
    // Selects the item of `path` (case ignored); false when there is none.
    bool selectName(const Tvl_String& path);
    const Tvl_StringArray& paths() const { return m_paths; }

private:
    Tvl_StringArray m_paths;
};
