// Painting of the window tree and of the layer's own controls. Everything goes through
// the Canvas interface; the fixed text metrics keep the result independent of fonts.

#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/PaintHelpers.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/ListView.h"
#include "platform/ui/controls/Progress.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/controls/TabControl.h"
#include "platform/ui/controls/Toolbar.h"
#include "platform/ui/draw/Ico.h"
#include "platform/ui/draw/TextMetrics.h"

namespace ui {

namespace paint {

Font toFont(const FontSpec& spec) {
    Font f = Font::fromPointSize(spec.face, spec.pointSize > 0 ? spec.pointSize : 8, spec.weight);
    f.italic = spec.italic;
    f.underline = spec.underline;
    return f;
}

int textWidth(const FontSpec& spec, std::wstring_view text) { return fixedTextExtent(toFont(spec), text).cx; }

Bitmap decode(const Image& image) {
    Bitmap b;
    if (image.empty())
        return b;
    if (decodeImageBytes(std::span<const std::uint8_t>(image.bmp->data(), image.bmp->size()), b) != BmpStatus::Ok)
        return Bitmap{};
    return b;
}

void sunken(Canvas& c, const Rect& r) {
    Pen shadow{kShadow};
    Pen light{kHighlight};
    c.line({r.left, r.bottom - 1}, {r.left, r.top}, shadow);
    c.line({r.left, r.top}, {r.right - 1, r.top}, shadow);
    c.line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, light);
    c.line({r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, light);
}

void raised(Canvas& c, const Rect& r, bool pressed) {
    if (pressed) {
        c.frameRect(r, Pen{kDarkShadow});
        return;
    }
    Pen light{kHighlight};
    Pen dark{kDarkShadow};
    c.line({r.left, r.bottom - 1}, {r.left, r.top}, light);
    c.line({r.left, r.top}, {r.right - 1, r.top}, light);
    c.line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, dark);
    c.line({r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, dark);
}

} // namespace paint

using namespace paint;

namespace {

Color textColorOf(const Window& w, const CtlColor& cc) {
    if (!w.isWindowEnabled())
        return kGrayText;
    return cc.textColor.value_or(kText);
}

void fillCtlBackground(Canvas& c, const Rect& r, const CtlColor& cc) {
    if (cc.brush == BrushKind::Solid)
        c.fillRect(r, cc.brushColor);
    else if (cc.brush == BrushKind::Default && cc.bkColor && !cc.transparentText)
        c.fillRect(r, *cc.bkColor);
}

void drawImageCentred(Canvas& c, const Rect& r, const Image& img) {
    Bitmap b = decode(img);
    if (b.empty())
        return;
    Point at{r.left + (r.width() - b.width) / 2, r.top + (r.height() - b.height) / 2};
    if (img.transparent)
        c.drawBitmap(b, at, BlitMode::Transparent, *img.transparent);
    else
        c.drawBitmap(b, at, BlitMode::Alpha);
}

} // namespace

// ---- The tree -------------------------------------------------------------------------

void Window::paintTree(Canvas& canvas) {
    WindowRef<Window> self(this);
    Rect client = getClientRect();
    bool erased = sendMessage(WM_ERASEBKGND, 0, reinterpret_cast<LPARAM>(&canvas)) != 0;
    if (!self)
        return;
    if (!erased && (dynamic_cast<Dialog*>(this) || !m_parent)) {
        CtlColor cc = queryCtlColor(CTLCOLOR_DLG);
        Color bk = kFace;
        Color appText;
        app().dialogColors(bk, appText);
        if (cc.brush == BrushKind::Solid)
            bk = cc.brushColor;
        if (cc.brush != BrushKind::Hollow)
            canvas.fillRect(client, bk);
    }
    sendMessage(WM_PAINT, 0, reinterpret_cast<LPARAM>(&canvas));
    if (!self)
        return;
    std::vector<WindowRef<Window>> kids(m_children.begin(), m_children.end());
    for (auto& k : kids) {
        Window* c = k.get();
        if (!c || !c->isShown())
            continue;
        ClipScope clip(canvas, c->m_rect);
        Rect in = c->nonClientInsets();
        if (in.left > 0 || in.top > 0) {
            const Rect& r = c->m_rect;
            if (c->m_exStyle & WS_EX_CLIENTEDGE) {
                sunken(canvas, r);
                canvas.frameRect(r.inflate(-1, -1), Pen{kDarkShadow});
            } else if (c->m_style & WS_BORDER) {
                canvas.frameRect(r, Pen{kDarkShadow});
            }
        }
        OriginScope origin(canvas, {c->m_rect.left + in.left, c->m_rect.top + in.top});
        ClipScope inner(canvas, c->getClientRect());
        c->paintTree(canvas);
    }
}

void Window::onPaint(Canvas&) {}
bool Window::onEraseBkgnd(Canvas&) { return false; }

// ---- Controls ----------------------------------------------------------------------------

void Static::onPaint(Canvas& c) {
    Rect r = getClientRect();
    CtlColor cc = queryCtlColor(CTLCOLOR_STATIC);
    fillCtlBackground(c, r, cc);
    unsigned kind = style() & SS_TYPEMASK;
    if (kind == SS_BITMAP || kind == SS_ICON) {
        if (style() & SS_CENTERIMAGE || kind == SS_ICON) {
            drawImageCentred(c, r, m_image);
        } else {
            Bitmap b = decode(m_image);
            if (!b.empty())
                c.drawBitmap(b, Point{0, 0});
        }
        return;
    }
    if (kind == SS_ETCHEDFRAME) {
        c.frameRect(r, Pen{kShadow});
        c.frameRect(r.offset(1, 1), Pen{kHighlight});
        return;
    }
    if (kind == SS_BLACKFRAME) {
        c.frameRect(r, Pen{kText});
        return;
    }
    if (kind == SS_BLACKRECT) {
        c.fillRect(r, kText);
        return;
    }
    if (style() & SS_SUNKEN)
        sunken(c, r);
    TextFlags f = kind == SS_CENTER ? TextFlags::Center : kind == SS_RIGHT ? TextFlags::Right : TextFlags::Left;
    if (kind == SS_LEFTNOWORDWRAP)
        f = f | TextFlags::SingleLine;
    else
        f = f | TextFlags::WordBreak;
    if (style() & SS_NOPREFIX)
        f = f | TextFlags::NoPrefix;
    if (style() & SS_CENTERIMAGE)
        f = f | TextFlags::SingleLine | TextFlags::VCenter;
    c.drawText(r, getWindowText(), toFont(font()), textColorOf(*this, cc), f);
}

void Button::onPaint(Canvas& c) {
    Rect r = getClientRect();
    Font f = toFont(font());
    unsigned kind = buttonType();
    bool pushLike = (style() & BS_PUSHLIKE) && (isCheckKind() || isRadioKind());
    std::wstring text = getWindowText();
    Bitmap img = decode(m_image.empty() ? icon() : m_image);
    auto drawPicture = [&](const Rect& area) {
        if (img.empty())
            return;
        Point at{area.left + (area.width() - img.width) / 2, area.top + (area.height() - img.height) / 2};
        const Image& src = m_image.empty() ? icon() : m_image;
        if (src.transparent)
            c.drawBitmap(img, at, BlitMode::Transparent, *src.transparent);
        else
            c.drawBitmap(img, at, BlitMode::Alpha);
    };
    if (kind == BS_GROUPBOX) {
        CtlColor cc = queryCtlColor(CTLCOLOR_STATIC);
        int th = fixedTextExtent(f, L"X").cy;
        c.frameRect(Rect{r.left, r.top + th / 2, r.right, r.bottom}, Pen{kShadow});
        if (!text.empty()) {
            int tw = fixedTextExtent(f, text).cx;
            Rect tr = Rect::fromSize(r.left + 8, r.top, tw + 4, th);
            if (!cc.transparentText)
                c.fillRect(tr, Color{240, 240, 240});
            c.drawText(tr.offset(2, 0), text, f, textColorOf(*this, cc), TextFlags::SingleLine | TextFlags::NoClip);
        }
        return;
    }
    if (isPushKind() || pushLike || kind == BS_OWNERDRAW) {
        bool down = m_pushed || (pushLike && m_check == BST_CHECKED);
        bool flat = (style() & BS_FLAT) != 0;
        c.fillRect(r, down && pushLike ? Color{225, 225, 225} : kFace);
        if (!flat || down)
            raised(c, r, down);
        if (kind == BS_DEFPUSHBUTTON)
            c.frameRect(r, Pen{kText});
        Color tc = isWindowEnabled() ? kText : kGrayText;
        if (!img.empty() && !text.empty()) {
            Rect pic = Rect{r.left, r.top + 2, r.right, r.top + 2 + img.height};
            if (r.height() >= img.height + 16) {
                drawPicture(pic);
                c.drawText(Rect{r.left, pic.bottom, r.right, r.bottom}, text, f, tc, TextFlags::Center | TextFlags::SingleLine | TextFlags::VCenter);
            } else {
                drawPicture(Rect::fromSize(r.left + 2, r.top, img.width + 4, r.height()));
                c.drawText(Rect{r.left + img.width + 6, r.top, r.right, r.bottom}, text, f, tc, TextFlags::Center | TextFlags::SingleLine | TextFlags::VCenter);
            }
        } else if (!img.empty()) {
            drawPicture(r);
        } else {
            TextFlags tf = TextFlags::Center | TextFlags::VCenter | TextFlags::SingleLine;
            if (style() & BS_MULTILINE)
                tf = TextFlags::Center | TextFlags::WordBreak;
            c.drawText(r.inflate(-2, -2), text, f, tc, tf);
        }
        if (hasFocus() && !flat)
            c.frameRect(r.inflate(-3, -3), Pen{kShadow, 1, PenStyle::Dot});
        return;
    }
    // Check boxes and radio buttons: a 13-pixel mark at the left, text beside it.
    CtlColor cc = queryCtlColor(CTLCOLOR_BTN);
    fillCtlBackground(c, r, cc);
    const int box = 13;
    bool leftText = (style() & BS_LEFTTEXT) != 0;
    int bx = leftText ? r.right - box : r.left;
    Rect mark = Rect::fromSize(bx, r.top + (r.height() - box) / 2, box, box);
    Color fill = isWindowEnabled() ? kWindow : kFace;
    if (isRadioKind()) {
        c.ellipse(mark, Pen{kDarkShadow}, fill);
        if (m_check == BST_CHECKED)
            c.ellipse(mark.inflate(-4, -4), Pen{kText}, kText);
    } else {
        c.fillRect(mark, m_check == BST_INDETERMINATE ? Color{200, 200, 200} : fill);
        c.frameRect(mark, Pen{kDarkShadow});
        if (m_check != BST_UNCHECKED) {
            Pen p{m_check == BST_INDETERMINATE ? kGrayText : kText, 2};
            Point pts[3] = {{mark.left + 3, mark.top + 6}, {mark.left + 5, mark.top + 9}, {mark.left + 10, mark.top + 3}};
            c.polyline(pts, p);
        }
    }
    Rect tr = leftText ? Rect{r.left, r.top, r.right - box - 4, r.bottom} : Rect{r.left + box + 4, r.top, r.right, r.bottom};
    TextFlags tf = (style() & BS_MULTILINE) ? TextFlags::WordBreak : (TextFlags::SingleLine | TextFlags::VCenter);
    c.drawText(tr, text, f, textColorOf(*this, cc), tf);
    if (hasFocus())
        c.frameRect(tr, Pen{kShadow, 1, PenStyle::Dot});
}

void Edit::onPaint(Canvas& c) {
    Rect r = getClientRect();
    CtlColor cc = queryCtlColor(CTLCOLOR_EDIT);
    Color bk = (!isWindowEnabled() || isReadOnly()) ? kFace : kWindow;
    if (cc.brush == BrushKind::Solid)
        bk = cc.brushColor;
    c.fillRect(r, bk);
    std::wstring t = getWindowText();
    if (style() & ES_PASSWORD)
        t.assign(t.size(), L'*');
    Font f = toFont(font());
    Rect tr = r.inflate(-2, -1);
    Color tc = textColorOf(*this, cc);
    if (isMultiLine()) {
        std::wstring flat;
        for (wchar_t ch : t)
            if (ch != L'\r')
                flat += ch;
        c.drawText(tr, flat, f, tc, TextFlags::WordBreak | TextFlags::NoPrefix);
        return;
    }
    TextFlags align = (style() & ES_CENTER) ? TextFlags::Center : (style() & ES_RIGHT) ? TextFlags::Right : TextFlags::Left;
    if (hasFocus() && m_selEnd > m_selStart) {
        int x0 = fixedTextExtent(f, std::wstring_view(t).substr(0, static_cast<size_t>(m_selStart))).cx;
        int x1 = fixedTextExtent(f, std::wstring_view(t).substr(0, static_cast<size_t>(m_selEnd))).cx;
        if (align == TextFlags::Left)
            c.fillRect(Rect{tr.left + x0, tr.top, tr.left + x1, tr.bottom}, kSelection);
    }
    c.drawText(tr, t, f, tc, align | TextFlags::SingleLine | TextFlags::VCenter | TextFlags::NoPrefix);
}

void ComboBox::onPaint(Canvas& c) {
    Rect full = getClientRect();
    Rect r{full.left, full.top, full.right, full.top + std::min(full.height(), 21)};
    c.fillRect(r, isWindowEnabled() ? kWindow : kFace);
    sunken(c, r);
    Rect arrow{r.right - 18, r.top + 1, r.right - 1, r.bottom - 1};
    c.fillRect(arrow, kFace);
    raised(c, arrow);
    Point tri[3] = {{arrow.left + 5, arrow.top + 7}, {arrow.right - 5, arrow.top + 7}, {(arrow.left + arrow.right) / 2, arrow.top + 11}};
    c.polygon(tri, Pen{kText}, kText);
    if (!isEditable()) {
        Rect tr{r.left + 3, r.top, arrow.left - 2, r.bottom};
        bool focused = hasFocus();
        if (focused)
            c.fillRect(tr.inflate(0, -2), kSelection);
        c.drawText(tr, getLBText(getCurSel()), toFont(font()), focused ? kWindow : (isWindowEnabled() ? kText : kGrayText),
                   TextFlags::SingleLine | TextFlags::VCenter | TextFlags::NoPrefix | TextFlags::EndEllipsis);
    }
}

void ListBox::onPaint(Canvas& c) {
    Rect r = getClientRect();
    c.fillRect(r, isWindowEnabled() ? kWindow : kFace);
    Font f = toFont(font());
    const int h = 13;
    for (int i = m_top; i < getCount(); ++i) {
        Rect row = Rect::fromSize(r.left, r.top + (i - m_top) * h, r.width(), h);
        if (row.top >= r.bottom)
            break;
        bool sel = m_items[static_cast<size_t>(i)].selected;
        if (sel)
            c.fillRect(row, kSelection);
        c.drawText(row.inflate(-2, 0), m_items[static_cast<size_t>(i)].text, f, sel ? kWindow : kText,
                   TextFlags::SingleLine | TextFlags::VCenter | TextFlags::NoPrefix);
    }
}

void TabControl::onPaint(Canvas& c) {
    Rect r = getClientRect();
    Rect body{r.left, r.top + kTabHeight, r.right, r.bottom};
    c.fillRect(body, kFace);
    raised(c, body);
    Font f = toFont(font());
    for (int i = 0; i < getItemCount(); ++i) {
        Rect tr;
        getItemRect(i, tr);
        bool sel = i == m_cur;
        if (sel)
            tr = Rect{tr.left - 2, tr.top - 2, tr.right + 2, tr.bottom + 1};
        c.fillRect(tr, sel ? kFace : Color{228, 228, 228});
        Pen light{kHighlight}, dark{kDarkShadow};
        c.line({tr.left, tr.bottom}, {tr.left, tr.top}, light);
        c.line({tr.left, tr.top}, {tr.right - 1, tr.top}, light);
        c.line({tr.right - 1, tr.top}, {tr.right - 1, tr.bottom}, dark);
        c.drawText(tr, m_items[static_cast<size_t>(i)], f, kText, TextFlags::Center | TextFlags::VCenter | TextFlags::SingleLine);
    }
}

void ListView::onPaint(Canvas& c) {
    Rect r = getClientRect();
    c.fillRect(r, kWindow);
    Font f = toFont(font());
    bool checks = (m_exStyle & LVS_EX_CHECKBOXES) != 0;
    if (isReport()) {
        int x = 0;
        for (const auto& col : m_columns) {
            Rect h = Rect::fromSize(x, 0, col.width, kRowHeight);
            c.fillRect(h, kFace);
            raised(c, h);
            c.drawText(h.inflate(-4, 0), col.heading, f, kText, TextFlags::SingleLine | TextFlags::VCenter | TextFlags::EndEllipsis);
            x += col.width;
        }
        for (int i = 0; i < getItemCount(); ++i) {
            const Item& it = m_items[static_cast<size_t>(i)];
            int y = kRowHeight * (i + 1);
            if (y >= r.bottom)
                break;
            bool sel = (it.state & LVIS_SELECTED) != 0;
            if (sel)
                c.fillRect(Rect{0, y, std::max(x, r.right), y + kRowHeight}, kSelection);
            int cx = 0;
            for (int col = 0; col < getColumnCount(); ++col) {
                Rect cell = Rect::fromSize(cx, y, m_columns[static_cast<size_t>(col)].width, kRowHeight);
                if (col == 0 && checks) {
                    Rect box = Rect::fromSize(cell.left + 2, y + 2, 13, 13);
                    c.fillRect(box, kWindow);
                    c.frameRect(box, Pen{kDarkShadow});
                    if (it.checked) {
                        Point pts[3] = {{box.left + 3, box.top + 6}, {box.left + 5, box.top + 9}, {box.left + 10, box.top + 3}};
                        c.polyline(pts, Pen{kText, 2});
                    }
                    cell.left += 17;
                }
                std::wstring t = col < static_cast<int>(it.texts.size()) ? it.texts[static_cast<size_t>(col)] : std::wstring();
                c.drawText(cell.inflate(-3, 0), t, f, sel ? kWindow : kText,
                           TextFlags::SingleLine | TextFlags::VCenter | TextFlags::NoPrefix | TextFlags::EndEllipsis);
                cx += m_columns[static_cast<size_t>(col)].width;
            }
        }
        return;
    }
    int perRow = std::max(1, r.width() / kIconCell);
    for (int i = 0; i < getItemCount(); ++i) {
        const Item& it = m_items[static_cast<size_t>(i)];
        Rect cell = Rect::fromSize((i % perRow) * kIconCell, (i / perRow) * kIconCell, kIconCell, kIconCell);
        bool sel = (it.state & LVIS_SELECTED) != 0;
        if (const Image* img = image(it.image)) {
            Bitmap b = decode(*img);
            if (!b.empty())
                c.drawBitmap(b, Rect{cell.left + 13, cell.top + 4, cell.right - 13, cell.bottom - 22}, b.bounds());
        }
        Rect label{cell.left, cell.bottom - 18, cell.right, cell.bottom - 2};
        if (sel)
            c.fillRect(label, kSelection);
        c.drawText(label, it.texts.empty() ? std::wstring() : it.texts[0], f, sel ? kWindow : kText,
                   TextFlags::Center | TextFlags::SingleLine | TextFlags::VCenter | TextFlags::EndEllipsis | TextFlags::NoPrefix);
    }
}

void Toolbar::onPaint(Canvas& c) {
    Rect r = getClientRect();
    c.fillRect(r, kFace);
    Bitmap strip = decode(m_strip);
    for (int i = 0; i < buttonCount(); ++i) {
        const ButtonInfo& b = m_buttons[static_cast<size_t>(i)];
        Rect br = buttonRect(i);
        if (b.command == 0) {
            c.line({br.left + 3, br.top + 2}, {br.left + 3, br.bottom - 2}, Pen{kShadow});
            continue;
        }
        if (b.checked)
            sunken(c, br);
        Rect src = Rect::fromSize(b.image * m_buttonSize.cx, 0, m_buttonSize.cx, m_buttonSize.cy);
        if (!strip.empty() && src.right <= strip.width) {
            Rect dst = Rect::fromSize(br.left + 3, br.top + 3, m_buttonSize.cx, m_buttonSize.cy);
            c.drawBitmap(strip, dst, src, BlitMode::Transparent, Color{192, 192, 192});
            if (!b.enabled)
                c.fillRect(dst, Color{240, 240, 240});
        } else {
            c.frameRect(br.inflate(-3, -3), Pen{b.enabled ? kDarkShadow : kShadow});
        }
    }
}

void Progress::onPaint(Canvas& c) {
    Rect r = getClientRect();
    c.fillRect(r, kFace);
    sunken(c, r);
    int w = (r.width() - 4) * (m_pos - m_low) / std::max(1, m_high - m_low);
    c.fillRect(Rect::fromSize(r.left + 2, r.top + 2, w, r.height() - 4), Color{6, 176, 37});
}

} // namespace ui
