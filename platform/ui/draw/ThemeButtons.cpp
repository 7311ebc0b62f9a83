#include "platform/ui/draw/Mask.h"
#include "platform/ui/draw/ThemeDetail.h"

#include <algorithm>

namespace ui {

using namespace detail;

namespace {
constexpr Color kPressedFace{204, 228, 247};
constexpr Color kPressedBorder{0, 84, 153};
constexpr Color kDisabledFace{204, 204, 204};
constexpr Color kDisabledBorder{191, 191, 191};
constexpr Color kFlatChecked{229, 241, 251};
constexpr Color kGlyphBorder{51, 51, 51};
constexpr Color kGlyphDisabled{188, 188, 188};
constexpr int kImageGap = 4;
constexpr int kTextGap = 4; // between a check glyph and its text

// Draws the picture and caption of a push button centred in `r`.
void paintButtonContent(Canvas& c, const Rect& r, std::wstring_view text, const ButtonState& s,
                        const Font& font) {
    const Color fg = textColor(s.disabled);
    const Bitmap* image = s.image && !s.image->empty() ? s.image : nullptr;
    Bitmap greyed;
    if (image && s.disabled) {
        greyed = disabledImage(*image);
        image = &greyed;
    }
    const TextFlags textFlags = kOneLine | TextFlags::Center;
    if (!image) {
        c.drawText(r, text, font, fg, textFlags | TextFlags::EndEllipsis);
        return;
    }
    if (s.placement == ImagePlacement::Only || text.empty()) {
        const int x = r.left + (r.width() - image->width) / 2;
        const int y = r.top + (r.height() - image->height) / 2;
        c.drawBitmap(*image, Point{x, y}, BlitMode::Alpha);
        return;
    }
    const Size ts = c.measureTextBlock(font, text, 0, TextFlags::SingleLine);
    if (s.placement == ImagePlacement::Above) {
        const int total = image->height + kImageGap + ts.cy;
        const int y = r.top + std::max(0, (r.height() - total) / 2);
        c.drawBitmap(*image, Point{r.left + (r.width() - image->width) / 2, y}, BlitMode::Alpha);
        c.drawText({r.left, y + image->height + kImageGap, r.right, y + total}, text, font, fg,
                   TextFlags::SingleLine | TextFlags::Center | TextFlags::EndEllipsis);
        return;
    }
    const int total = image->width + kImageGap + ts.cx;
    const int x = r.left + std::max(0, (r.width() - total) / 2);
    c.drawBitmap(*image, Point{x, r.top + (r.height() - image->height) / 2}, BlitMode::Alpha);
    c.drawText({x + image->width + kImageGap, r.top, r.right, r.bottom}, text, font, fg,
               kOneLine | TextFlags::EndEllipsis);
}

// Lays out a glyph box and its caption; returns the caption's rectangle.
Rect glyphLayout(const Rect& r, bool leftText, Rect& box) {
    const int top = r.top + (r.height() - theme::kCheckBoxSize) / 2;
    if (leftText) {
        box = {r.right - theme::kCheckBoxSize, top, r.right, top + theme::kCheckBoxSize};
        return {r.left, r.top, box.left - kTextGap, r.bottom};
    }
    box = {r.left, top, r.left + theme::kCheckBoxSize, top + theme::kCheckBoxSize};
    return {box.right + kTextGap, r.top, r.right, r.bottom};
}

void paintGlyphCaption(Canvas& c, const Rect& textRect, std::wstring_view text, bool leftText,
                       bool disabled, bool focused, bool multiLine, const Font& font) {
    TextFlags flags = leftText ? TextFlags::Right : TextFlags::Left;
    flags = flags | (multiLine ? TextFlags::WordBreak : kOneLine);
    const int h = c.drawText(textRect, text, font, textColor(disabled), flags);
    if (!focused || text.empty())
        return;
    const Size ts = c.measureTextBlock(font, text, multiLine ? textRect.width() : 0,
                                       multiLine ? TextFlags::WordBreak : TextFlags::SingleLine);
    const int w = std::min(ts.cx, textRect.width());
    const int top = multiLine ? textRect.top : textRect.top + (textRect.height() - h) / 2;
    const int left = leftText ? textRect.right - w : textRect.left;
    paintFocusRect(c, {left - 1, top - 1, left + w + 1, top + std::max(h, ts.cy) + 1});
}

} // namespace

namespace detail {
void paintCheckGlyph(Canvas& c, const Rect& box, CheckState check, bool disabled, bool pressed) {
    c.fillRect(box, disabled ? theme::kFace : pressed ? kPressedFace : theme::kWindow);
    frame(c, box, disabled ? kGlyphDisabled : kGlyphBorder);
    const Color mark = disabled ? theme::kGrayText : theme::kText;
    if (check == CheckState::Checked)
        paintCheckMark(c, box.inflate(-1, -1), mark);
    else if (check == CheckState::Indeterminate)
        c.fillRect(box.inflate(-3, -3), disabled ? theme::kGrayText : Color{51, 51, 51});
}
} // namespace detail

void paintPushButton(Canvas& c, const Rect& r, std::wstring_view text, const ButtonState& s,
                     const Font& font) {
    if (r.isEmpty())
        return;
    if (s.flat) {
        if (s.pressed) {
            c.fillRect(r, kFlatChecked);
            paintEdge(c, r, EdgeKind::Sunken);
        }
    } else {
        Color face = theme::kButtonFace, border = theme::kButtonBorder;
        if (s.disabled) {
            face = kDisabledFace;
            border = kDisabledBorder;
        } else if (s.pressed) {
            face = kPressedFace;
            border = kPressedBorder;
        } else if (s.isDefault || s.focused) {
            border = theme::kHighlight;
        }
        c.fillRect(r, face);
        frame(c, r, border);
        if (s.isDefault && !s.disabled)
            frame(c, r.inflate(-1, -1), theme::kHighlight);
    }
    Rect content = r.inflate(-3, -3);
    if (s.pressed)
        content = content.offset(1, 1);
    {
        ClipScope clip(c, r.inflate(-1, -1));
        paintButtonContent(c, content, text, s, font);
    }
    if (s.focused && s.focusRect && !s.disabled)
        paintFocusRect(c, r.inflate(-3, -3));
}

void paintCheckBox(Canvas& c, const Rect& r, std::wstring_view text, const CheckBoxState& s,
                   const Font& font) {
    Rect box;
    const Rect textRect = glyphLayout(r, s.leftText, box);
    paintCheckGlyph(c, box, s.check, s.disabled, s.pressed);
    paintGlyphCaption(c, textRect, text, s.leftText, s.disabled, s.focused, s.multiLine, font);
}

void paintRadioButton(Canvas& c, const Rect& r, std::wstring_view text, const CheckBoxState& s,
                      const Font& font) {
    Rect box;
    const Rect textRect = glyphLayout(r, s.leftText, box);
    const Color fill = s.disabled ? theme::kFace : s.pressed ? kPressedFace : theme::kWindow;
    c.ellipse(box, pen(s.disabled ? kGlyphDisabled : kGlyphBorder), fill);
    if (s.check != CheckState::Unchecked) {
        const Color dot = s.disabled ? theme::kGrayText : theme::kText;
        c.ellipse(box.inflate(-3, -3), Pen{dot, 1, PenStyle::None}, dot);
    }
    paintGlyphCaption(c, textRect, text, s.leftText, s.disabled, s.focused, s.multiLine, font);
}

void paintGroupBox(Canvas& c, const Rect& r, std::wstring_view text, bool disabled,
                   const Font& font, std::optional<Color> textColorOverride) {
    const int lineHeight = c.measureText(font, L"").cy;
    const int y = r.top + lineHeight / 2;
    paintEdge(c, {r.left, y, r.right, r.bottom}, EdgeKind::Etched);
    if (text.empty())
        return;
    const Size ts = c.measureTextBlock(font, text, 0, TextFlags::SingleLine);
    const int maxW = std::max(0, r.width() - 16);
    const Rect label{r.left + 6, r.top, r.left + 6 + std::min(ts.cx, maxW) + 4, r.top + lineHeight};
    c.fillRect({label.left, y, label.right, y + 2}, theme::kFace);
    c.drawText(label.inflate(-2, 0), text, font,
               textColorOverride && !disabled ? *textColorOverride : textColor(disabled),
               TextFlags::SingleLine | TextFlags::EndEllipsis);
}

void paintStatic(Canvas& c, const Rect& r, std::wstring_view text, const StaticState& s,
                 const Font& font) {
    if (s.background)
        c.fillRect(r, *s.background);
    Rect area = r;
    if (s.sunken) {
        paintEdge(c, r, EdgeKind::Sunken);
        area = r.inflate(-2, -2);
    }
    TextFlags flags = s.align;
    flags = flags | (s.centerVertically ? kOneLine : TextFlags::WordBreak);
    if (s.noPrefix)
        flags = flags | TextFlags::NoPrefix;
    if (s.endEllipsis)
        flags = flags | TextFlags::EndEllipsis;
    const Color fg = s.disabled ? theme::kGrayText : s.textColor.value_or(theme::kText);
    c.drawText(area, text, font, fg, flags);
}

void paintPicture(Canvas& c, const Rect& r, const Bitmap& picture, bool disabled) {
    if (picture.empty())
        return;
    ClipScope clip(c, r);
    const Point at{r.left + (r.width() - picture.width) / 2,
                   r.top + (r.height() - picture.height) / 2};
    if (disabled)
        c.drawBitmap(disabledImage(picture), at, BlitMode::Alpha);
    else
        c.drawBitmap(picture, at, BlitMode::Alpha);
}

} // namespace ui
