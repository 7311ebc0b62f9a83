#pragma once
// CButtonST: a push button drawn by the core: flat or raised, with an icon from the
// resources or a bitmap from a file (one colour drawn transparent), its text beside or
// below the picture, an optional tooltip, and an optional check state.
//
// Typical use: m_button.SubclassDlgItem(IDC_X, this); m_button.SetFlat(true);
// m_button.SetIcon(206); m_button.SetTooltipText(L"Delete");
//
// Look, in the order painting applies it:
// - background: the 3-D face; a checked or pressed button is darkened by the colour
//   offset (OffsetColor, default 0 = the theme's button face);
// - border: a raised edge when not flat; flat buttons show a thin frame only while
//   pressed, checked or under the mouse; DrawBorder(false) never draws one (picture frames);
// - picture: centred, or above the text (Align::Vertical) / left of it (Horizontal);
// - text: the window text, grey when disabled; the picture stays in colour when disabled
//   so that disabled picture frames still show their picture;
// - focus: a dotted rectangle while focused, for flat buttons only with SetFlatFocus(true).

#include "platform/ui/controls/Button.h"
#include "platform/ui/draw/Bitmap.h"

#include "core/Tvl_String.h"

#include <optional>

class CButtonST : public ui::Button {
public:
    enum class Align { Horizontal, Vertical };

    CButtonST() = default;

    // Makes this object the dialog item `id` of `parent`. False when there is no such item.
    bool SubclassDlgItem(int id, ui::Window* parent) { return subclassDlgItem(id, parent); }

    void SetFlat(bool flat = true, bool repaint = true);
    bool GetFlat() const { return m_flat; }
    void SetFlatFocus(bool drawFlatFocus, bool repaint = true);
    void DrawBorder(bool draw = true, bool repaint = true);
    void SetAlign(Align align, bool repaint = true);
    // Darkens the checked / pressed background by `offset` per colour channel (0-255).
    void OffsetColor(int offset, bool repaint = true);
    int GetOffsetColor() const { return m_colorOffset; }

    // Picture from an icon resource (the resource switch decides which module's).
    // False and no picture when the icon does not exist.
    bool SetIcon(int iconResourceId);
    // Picture from a .bmp file, given as product path; pixels of `transparent` are
    // left out. False and no picture when the file cannot be read.
    bool SetBitmaps(const Tvl_String& path, ui::Color transparent);
    bool SetBitmaps(const ui::Image& image, std::optional<ui::Color> transparent = std::nullopt);
    void ClearPicture();
    bool HasPicture() const { return !m_picture.empty(); }
    const ui::Bitmap& picture() const { return m_picture; }
    std::optional<ui::Color> transparentColor() const { return m_transparent; }

    void SetTooltipText(const Tvl_String& text) { setTooltip(text.str()); }

    // Check mode: a click toggles the check state (picture radio groups, image checks).
    void SetCheckBox(bool checkBox = true);
    void SetCheck(int check) { setCheck(check); }
    int GetCheck() const { return getCheck(); }

protected:
    void onPaint(ui::Canvas& canvas) override;
    void onMouseMove(unsigned flags, ui::Point client) override;
    void onKillFocus(ui::Window* newFocus) override;

private:
    void repaintIf(bool repaint);

    bool m_flat = true;
    bool m_flatFocus = false;
    bool m_border = true;
    bool m_hover = false;
    Align m_align = Align::Horizontal;
    int m_colorOffset = 0;
    ui::Bitmap m_picture;
    std::optional<ui::Color> m_transparent;
};
