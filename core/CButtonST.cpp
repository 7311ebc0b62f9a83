#include "core/CButtonST.h"

#if TVL_UI_AVAILABLE

#include "core/detail/Files.h"

#include "platform/ui/Application.h"
#include "platform/ui/draw/Ico.h"
#include "platform/ui/draw/Theme.h"

#include <algorithm>

namespace {

ui::Color darken(ui::Color c, int offset) {
    auto d = [offset](std::uint8_t v) {
        return static_cast<std::uint8_t>(std::max(0, v - offset));
    };
    return {d(c.r), d(c.g), d(c.b)};
}

constexpr int kGap = 3; // between picture and text, and inside the border

} // namespace

void CButtonST::repaintIf(bool repaint) {
    if (repaint && isWindow())
        invalidate();
}

void CButtonST::SetFlat(bool flat, bool repaint) {
    m_flat = flat;
    repaintIf(repaint);
}

void CButtonST::SetFlatFocus(bool drawFlatFocus, bool repaint) {
    m_flatFocus = drawFlatFocus;
    repaintIf(repaint);
}

void CButtonST::DrawBorder(bool draw, bool repaint) {
    m_border = draw;
    repaintIf(repaint);
}

void CButtonST::SetAlign(Align align, bool repaint) {
    m_align = align;
    repaintIf(repaint);
}

void CButtonST::OffsetColor(int offset, bool repaint) {
    m_colorOffset = std::clamp(offset, 0, 255);
    repaintIf(repaint);
}

bool CButtonST::SetIcon(int iconResourceId) {
    return SetBitmaps(ui::Application::instance().resources().loadIcon(iconResourceId));
}

bool CButtonST::SetBitmaps(const Tvl_String& path, ui::Color transparent) {
    return SetBitmaps(ui::loadImageFile(core_detail::nativePath(path).string()), transparent);
}

bool CButtonST::SetBitmaps(const ui::Image& image, std::optional<ui::Color> transparent) {
    ClearPicture();
    if (image.empty())
        return false;
    ui::Bitmap decoded;
    if (ui::decodeImageBytes(*image.bmp, decoded) != ui::BmpStatus::Ok)
        return false;
    m_picture = std::move(decoded);
    m_transparent = transparent ? transparent : image.transparent;
    setImage(image);
    return true;
}

void CButtonST::ClearPicture() {
    m_picture = ui::Bitmap();
    m_transparent.reset();
    setImage(ui::Image());
}

void CButtonST::SetCheckBox(bool checkBox) {
    // An auto push-like check box toggles on every click through the button's own path.
    unsigned kind = checkBox ? ui::BS_AUTOCHECKBOX : ui::BS_PUSHBUTTON;
    setButtonStyle(kind);
    if (checkBox)
        modifyStyle(0, ui::BS_PUSHLIKE);
    else
        modifyStyle(ui::BS_PUSHLIKE, 0);
}

void CButtonST::onMouseMove(unsigned flags, ui::Point client) {
    bool inside = getClientRect().contains(client);
    if (inside != m_hover) {
        m_hover = inside;
        invalidate();
    }
    ui::Button::onMouseMove(flags, client);
}

void CButtonST::onKillFocus(ui::Window* newFocus) {
    m_hover = false;
    ui::Button::onKillFocus(newFocus);
}

void CButtonST::onPaint(ui::Canvas& canvas) {
    const ui::Rect client = getClientRect();
    const bool enabled = isWindowEnabled();
    const bool down = isPushed() || getCheck() == ui::BST_CHECKED;

    ui::Color face = down ? darken(ui::theme::kButtonFace, m_colorOffset) : ui::theme::kFace;
    canvas.fillRect(client, face);

    if (m_border) {
        if (!m_flat)
            ui::paintEdge(canvas, client, down ? ui::EdgeKind::Sunken : ui::EdgeKind::Raised);
        else if (down || (m_hover && enabled))
            canvas.frameRect(client,
                             ui::Pen{down ? ui::theme::kDarkShadow : ui::theme::kButtonBorder, 1});
    }

    ui::Rect inner{client.left + kGap, client.top + kGap, client.right - kGap,
                   client.bottom - kGap};
    const std::wstring text = getWindowText();
    const ui::Font font = ui::defaultGuiFont();
    ui::Size textSize = text.empty() ? ui::Size{0, 0} : canvas.measureText(font, text);
    const int shift = isPushed() ? 1 : 0;

    ui::Rect textRect = inner;
    if (!m_picture.empty()) {
        ui::Size pic = m_picture.size();
        int x, y;
        if (text.empty()) {
            x = inner.left + (inner.width() - pic.cx) / 2;
            y = inner.top + (inner.height() - pic.cy) / 2;
        } else if (m_align == Align::Vertical) {
            int total = pic.cy + kGap + textSize.cy;
            x = inner.left + (inner.width() - pic.cx) / 2;
            y = inner.top + (inner.height() - total) / 2;
            textRect.top = y + pic.cy + kGap;
        } else {
            int total = pic.cx + kGap + textSize.cx;
            x = inner.left + (inner.width() - total) / 2;
            y = inner.top + (inner.height() - pic.cy) / 2;
            textRect.left = x + pic.cx + kGap;
        }
        ui::Rect dest = ui::Rect::fromSize(x + shift, y + shift, pic.cx, pic.cy);
        if (m_transparent)
            canvas.drawBitmap(m_picture, dest, m_picture.bounds(), ui::BlitMode::Transparent,
                              *m_transparent);
        else
            canvas.drawBitmap(m_picture, dest, m_picture.bounds(), ui::BlitMode::Alpha);
    }

    if (!text.empty()) {
        ui::TextFlags flags = ui::TextFlags::SingleLine;
        if (m_picture.empty() || m_align == Align::Vertical)
            flags = flags | ui::TextFlags::Center;
        if (m_picture.empty() || m_align == Align::Horizontal)
            flags = flags | ui::TextFlags::VCenter;
        ui::Rect r{textRect.left + shift, textRect.top + shift, textRect.right + shift,
                   textRect.bottom + shift};
        canvas.drawText(r, text, font, enabled ? ui::theme::kText : ui::theme::kGrayText, flags);
    }

    if (hasFocus() && (!m_flat || m_flatFocus)) {
        ui::Rect focus{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
        ui::paintFocusRect(canvas, focus);
    }
}

#endif
