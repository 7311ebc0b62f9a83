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
#include "platform/ui/draw/Theme.h"

namespace ui {

namespace paint {

Font toFont(const FontSpec& spec) {
    Font f = Font::fromPointSize(spec.face, spec.pointSize > 0 ? spec.pointSize : 8, spec.weight);
    f.italic = spec.italic;
    f.underline = spec.underline;
    return f;
}

int textWidth(const FontSpec& spec, std::wstring_view text) {
    return fixedTextExtent(toFont(spec), text).cx;
}

Bitmap decode(const Image& image) {
    Bitmap b;
    if (image.empty())
        return b;
    if (decodeImageBytes(std::span<const std::uint8_t>(image.bmp->data(), image.bmp->size()), b) !=
        BmpStatus::Ok)
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
        if (c->m_rect.intersect(canvas.clipBox()).isEmpty())
            continue; // outside the area being painted: it would draw nothing
        ClipScope clip(canvas, c->m_rect);
        Rect in = c->nonClientInsets();
        if (in.left > 0 || in.top > 0) {
            const Rect& r = c->m_rect;
            if (c->m_exStyle & WS_EX_CLIENTEDGE)
                paintEdge(canvas, r, EdgeKind::Sunken);
            else if (c->m_style & WS_BORDER)
                paintEdge(canvas, r, EdgeKind::Flat);
        }
        OriginScope origin(canvas, {c->m_rect.left + in.left, c->m_rect.top + in.top});
        ClipScope inner(canvas, c->getClientRect());
        c->paintTree(canvas);
    }
}

void Window::onPaint(Canvas&) {}
bool Window::onEraseBkgnd(Canvas&) {
    return false;
}

// ---- Controls: each paints through the drawing part's theme functions ---------------

namespace {

TextFlags staticAlign(unsigned kind) {
    return kind == SS_CENTER  ? TextFlags::Center
           : kind == SS_RIGHT ? TextFlags::Right
                              : TextFlags::Left;
}

std::optional<Color> ctlBackground(const CtlColor& cc) {
    if (cc.brush == BrushKind::Solid)
        return cc.brushColor;
    if (cc.brush == BrushKind::Default && cc.bkColor && !cc.transparentText)
        return *cc.bkColor;
    return std::nullopt;
}

// A picture with its key colour made transparent (button pictures from files).
Bitmap decodeKeyed(const Image& img) {
    Bitmap b = decode(img);
    if (!b.empty() && img.transparent) {
        std::uint32_t key = Bitmap::argb(*img.transparent) & 0x00FFFFFFu;
        for (auto& px : b.pixels)
            if ((px & 0x00FFFFFFu) == key)
                px = 0;
    }
    return b;
}

} // namespace

void Static::onPaint(Canvas& c) {
    Rect r = getClientRect();
    CtlColor cc = queryCtlColor(CTLCOLOR_STATIC);
    unsigned kind = style() & SS_TYPEMASK;
    if (kind == SS_BITMAP || kind == SS_ICON) {
        if (auto bg = ctlBackground(cc))
            c.fillRect(r, *bg);
        Bitmap b = decodeKeyed(m_image);
        if (b.empty())
            return;
        if ((style() & SS_CENTERIMAGE) || kind == SS_ICON)
            paintPicture(c, r, b, !isWindowEnabled());
        else
            c.drawBitmap(b, Point{0, 0}, BlitMode::Alpha);
        return;
    }
    if (kind == SS_ETCHEDFRAME || kind == SS_BLACKFRAME) {
        paintEdge(c, r, kind == SS_ETCHEDFRAME ? EdgeKind::Etched : EdgeKind::Flat);
        return;
    }
    if (kind == SS_BLACKRECT) {
        c.fillRect(r, theme::kText);
        return;
    }
    StaticState st;
    st.align = staticAlign(kind);
    st.disabled = !isWindowEnabled();
    st.noPrefix = (style() & SS_NOPREFIX) != 0;
    st.centerVertically = (style() & SS_CENTERIMAGE) != 0;
    st.sunken = (style() & SS_SUNKEN) != 0;
    st.textColor = cc.textColor;
    Color appBk, appText;
    if (!st.textColor && app().dialogColors(appBk, appText))
        st.textColor = appText; // the application-wide dialog colours
    st.background = ctlBackground(cc);
    paintStatic(c, r, getWindowText(), st, toFont(font()));
}

void Button::onPaint(Canvas& c) {
    Rect r = getClientRect();
    Font f = toFont(font());
    unsigned kind = buttonType();
    std::wstring text = getWindowText();
    if (kind == BS_GROUPBOX) {
        CtlColor cc = queryCtlColor(CTLCOLOR_STATIC);
        paintGroupBox(c, r, text, !isWindowEnabled(), f, cc.textColor);
        return;
    }
    bool pushLike = (style() & BS_PUSHLIKE) && (isCheckKind() || isRadioKind());
    if (isPushKind() || pushLike) {
        Bitmap img = decodeKeyed(m_image.empty() ? icon() : m_image);
        ButtonState st;
        st.pressed = m_pushed || (pushLike && m_check == BST_CHECKED);
        st.focused = hasFocus();
        st.disabled = !isWindowEnabled();
        st.isDefault = kind == BS_DEFPUSHBUTTON;
        st.flat = (style() & BS_FLAT) != 0;
        st.focusRect = !st.flat;
        if (!img.empty()) {
            st.image = &img;
            st.placement = text.empty()                    ? ImagePlacement::Only
                           : r.height() >= img.height + 16 ? ImagePlacement::Above
                                                           : ImagePlacement::Left;
        }
        paintPushButton(c, r, text, st, f);
        return;
    }
    CtlColor cc = queryCtlColor(CTLCOLOR_BTN);
    if (auto bg = ctlBackground(cc))
        c.fillRect(r, *bg);
    CheckBoxState st;
    st.check = static_cast<CheckState>(m_check);
    st.focused = hasFocus();
    st.disabled = !isWindowEnabled();
    st.pressed = m_pushed;
    st.leftText = (style() & BS_LEFTTEXT) != 0;
    st.multiLine = (style() & BS_MULTILINE) != 0;
    if (isRadioKind())
        paintRadioButton(c, r, text, st, f);
    else
        paintCheckBox(c, r, text, st, f);
}

void Edit::onPaint(Canvas& c) {
    EditState st;
    st.focused = hasFocus();
    st.disabled = !isWindowEnabled();
    st.readOnly = isReadOnly();
    st.multiLine = isMultiLine();
    st.wordWrap = !(style() & ES_AUTOHSCROLL);
    st.password = (style() & ES_PASSWORD) != 0;
    st.clientEdge = false; // the frame is non-client, painted with the tree
    st.selStart = m_selStart;
    st.selEnd = m_selEnd;
    st.align = (style() & ES_CENTER)  ? TextFlags::Center
               : (style() & ES_RIGHT) ? TextFlags::Right
                                      : TextFlags::Left;
    paintEdit(c, getClientRect(), getWindowText(), st, toFont(font()));
}

void ComboBox::onPaint(Canvas& c) {
    Rect full = getClientRect();
    ComboState st;
    st.focused = hasFocus();
    st.disabled = !isWindowEnabled();
    st.editable = isEditable();
    st.checked = getItemCheck(m_list.cur);
    paintComboBox(
        c, Rect{full.left, full.top, full.right, full.top + std::min(full.height(), kClosedHeight)},
        isEditable() ? std::wstring() : getLBText(m_list.cur), st, toFont(font()));
}

void ListBox::onPaint(Canvas& c) {
    std::vector<ListItem> items;
    items.reserve(m_list.items.size());
    for (const auto& it : m_list.items)
        items.push_back(ListItem{it.text, it.selected, false, nullptr});
    ListBoxState st;
    st.topIndex = m_top;
    st.caretIndex = m_list.cur;
    st.focused = hasFocus();
    st.disabled = !isWindowEnabled();
    st.border = false;
    paintListBox(c, getClientRect(), items, st, toFont(font()));
}

void TabControl::onPaint(Canvas& c) {
    TabState st;
    st.selected = m_cur;
    st.focused = hasFocus();
    st.disabled = !isWindowEnabled();
    paintTabControl(c, getClientRect(), m_items, st, toFont(font()));
}

void ListView::onPaint(Canvas& c) {
    std::vector<ListViewColumn> cols;
    for (const auto& col : m_columns)
        cols.push_back(ListViewColumn{col.heading, col.width, TextFlags::Left});
    std::vector<Bitmap> pictures;
    pictures.reserve(m_images.size());
    for (const auto& img : m_images)
        pictures.push_back(decodeKeyed(img));
    std::vector<ListViewRow> rows;
    for (const auto& it : m_items) {
        ListViewRow row;
        row.cells = it.texts;
        row.selected = (it.state & LVIS_SELECTED) != 0;
        row.focused = (it.state & LVIS_FOCUSED) != 0;
        row.checked = it.checked;
        if (it.image >= 0 && it.image < static_cast<int>(pictures.size()) &&
            !pictures[static_cast<size_t>(it.image)].empty())
            row.image = &pictures[static_cast<size_t>(it.image)];
        rows.push_back(std::move(row));
    }
    ListViewState st;
    st.mode = isReport() ? ListViewMode::Report : ListViewMode::Icon;
    st.checkBoxes = (m_exStyle & LVS_EX_CHECKBOXES) != 0;
    st.gridLines = (m_exStyle & LVS_EX_GRIDLINES) != 0;
    st.focused = hasFocus();
    st.disabled = !isWindowEnabled();
    st.rowHeight = kRowHeight;
    st.iconCell = kIconCell;
    paintListView(c, getClientRect(), cols, rows, st, toFont(font()));
}

void Toolbar::onPaint(Canvas& c) {
    paintToolbarBackground(c, getClientRect());
    Bitmap strip = decode(m_strip);
    for (int i = 0; i < buttonCount(); ++i) {
        const ButtonInfo& b = m_buttons[static_cast<size_t>(i)];
        ToolbarButtonState st;
        st.separator = b.command == 0;
        st.checked = b.checked;
        st.disabled = !b.enabled;
        Rect src = Rect::fromSize(b.image * m_buttonSize.cx, 0, m_buttonSize.cx, m_buttonSize.cy);
        paintToolbarButton(c, buttonRect(i), strip, src, st);
    }
}

void Progress::onPaint(Canvas& c) {
    paintProgress(c, getClientRect(), m_low, m_high, m_pos);
}

} // namespace ui
