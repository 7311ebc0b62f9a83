#include "platform/ui/draw/ThemeDetail.h"

#include "platform/ui/draw/TextLayout.h"
#include "platform/ui/draw/TextMetrics.h"

#include <algorithm>

namespace ui {

using namespace detail;

namespace {
constexpr Color kPressedFace{204, 228, 247};
constexpr Color kScrollTrack{240, 240, 240};
constexpr Color kScrollThumb{205, 205, 205};
constexpr Color kScrollArrow{96, 96, 96};
constexpr Color kScrollArrowDisabled{191, 191, 191};
constexpr wchar_t kPasswordChar = L'\x25CF';
constexpr int kEditPadX = 2;

struct VisualLine {
    size_t start; // offset of the line's first character in the text
    std::wstring text;
};

// Lines of a multi-line edit: split at line ends, wrapped at the width when asked.
std::vector<VisualLine> editLines(std::wstring_view text, int width, bool wrap,
                                  const MeasureWidth& measure) {
    std::vector<VisualLine> out;
    size_t start = 0;
    while (true) {
        const size_t nl = text.find(L'\n', start);
        const size_t end = nl == std::wstring_view::npos ? text.size() : nl;
        const size_t contentEnd = (end > start && text[end - 1] == L'\r') ? end - 1 : end;
        const std::wstring_view para = text.substr(start, contentEnd - start);
        if (!wrap || para.empty()) {
            out.push_back({start, std::wstring(para)});
        } else {
            const TextLayout layout = layoutText(
                {0, 0, width, 0}, para, TextFlags::NoPrefix | TextFlags::WordBreak, 1, measure);
            size_t pos = 0;
            for (const TextLine& line : layout.lines) {
                const size_t at = para.find(line.text, pos);
                pos = at == std::wstring_view::npos ? pos : at;
                out.push_back({start + pos, line.text});
                pos += line.text.size();
            }
        }
        if (nl == std::wstring_view::npos)
            break;
        start = nl + 1;
    }
    return out;
}

int widthOf(const Canvas& c, const Font& font, std::wstring_view s) {
    return s.empty() ? 0 : c.measureText(font, s).cx;
}

Rect editTextArea(const Rect& r, const EditState& s) {
    const Rect inner = s.clientEdge ? r.inflate(-1, -1) : r;
    return {inner.left + kEditPadX, inner.top + 1, inner.right - kEditPadX, inner.bottom - 1};
}

std::wstring displayText(std::wstring_view text, const EditState& s) {
    if (s.password && !s.multiLine)
        return std::wstring(text.size(), kPasswordChar);
    return std::wstring(text);
}

int fixedWidth(const Font& font, std::wstring_view s) {
    return s.empty() ? 0 : fixedTextExtent(font, s).cx;
}

// Where line text starts horizontally (alignment and scrolling applied).
int lineOrigin(const Rect& area, const EditState& s, int lineWidth) {
    if (hasFlag(s.align, TextFlags::Right))
        return area.right - lineWidth;
    if (hasFlag(s.align, TextFlags::Center))
        return area.left + (area.width() - lineWidth) / 2;
    return area.left - (s.multiLine ? 0 : saneOffset(s.scrollX));
}

} // namespace

void paintEdit(Canvas& c, const Rect& r, std::wstring_view text, const EditState& s,
               const Font& font) {
    if (r.isEmpty())
        return;
    c.fillRect(r, (s.disabled || s.readOnly) ? theme::kFace : theme::kWindow);
    Rect inner = r;
    if (s.clientEdge) {
        frame(c, r, s.focused && !s.disabled ? theme::kHighlight : theme::kBorder);
        inner = r.inflate(-1, -1);
    }
    ClipScope clip(c, inner);
    const Rect area = editTextArea(r, s);
    const int lineHeight = c.measureText(font, L"").cy;
    const Color fg = textColor(s.disabled);

    const std::wstring display = displayText(text, s);
    const int n = static_cast<int>(display.size());
    const int selLo = std::clamp(std::min(s.selStart, s.selEnd), 0, n);
    const int selHi = std::clamp(std::max(s.selStart, s.selEnd), 0, n);
    const bool showSel = s.focused && !s.disabled && selLo < selHi;
    const int caret = (s.focused && !s.disabled && !showSel)
                          ? std::clamp(s.caret >= 0 ? s.caret : s.selEnd, 0, n)
                          : -1;

    std::vector<VisualLine> lines;
    if (s.multiLine)
        lines = editLines(display, area.width(), s.wordWrap,
                          [&](std::wstring_view t) { return c.measureText(font, t).cx; });
    else
        lines.push_back({0, display});

    const TextFlags runFlags = TextFlags::NoPrefix | TextFlags::SingleLine | TextFlags::NoClip;
    bool caretDrawn = false;
    const size_t firstLine = static_cast<size_t>(std::max(0, s.firstLine));
    for (size_t i = firstLine; i < lines.size(); ++i) {
        const VisualLine& line = lines[i];
        int y = area.top + static_cast<int>(i - firstLine) * lineHeight;
        if (!s.multiLine)
            y = area.top + (area.height() - lineHeight) / 2;
        if (y >= area.bottom)
            break;
        const int w = widthOf(c, font, line.text);
        const int x = lineOrigin(area, s, w);
        c.drawText({x, y, x + w + 1, y + lineHeight}, line.text, font, fg, runFlags);

        const int lineStart = static_cast<int>(line.start);
        const int lineEnd = lineStart + static_cast<int>(line.text.size());
        if (showSel) {
            const int a = std::max(selLo, lineStart), b = std::min(selHi, lineEnd);
            if (a < b) {
                const std::wstring_view lt = line.text;
                const int x0 = x + widthOf(c, font, lt.substr(0, a - lineStart));
                const int x1 = x + widthOf(c, font, lt.substr(0, b - lineStart));
                c.fillRect({x0, y, x1, y + lineHeight}, theme::kHighlight);
                c.drawText({x0, y, x1 + 1, y + lineHeight}, lt.substr(a - lineStart, b - a), font,
                           theme::kHighlightText, runFlags);
            }
        }
        if (caret >= lineStart && caret <= lineEnd && !caretDrawn) {
            const int cx =
                x + widthOf(c, font, std::wstring_view(line.text).substr(0, caret - lineStart));
            vline(c, cx, y, y + lineHeight, theme::kText);
            caretDrawn = true;
        }
    }
}

int editCharFromPoint(const Rect& r, std::wstring_view text, const EditState& s, Point p,
                      const Font& font) {
    const Rect area = editTextArea(r, s);
    const std::wstring display = displayText(text, s);
    const MeasureWidth measure = [&](std::wstring_view t) { return fixedWidth(font, t); };
    std::vector<VisualLine> lines;
    if (s.multiLine)
        lines = editLines(display, area.width(), s.wordWrap, measure);
    else
        lines.push_back({0, display});
    size_t index = 0;
    if (s.multiLine) {
        const int lineHeight = fixedFontMetrics(font).lineHeight;
        const long long row =
            (p.y < area.top ? -1 : (static_cast<long long>(p.y) - area.top) / lineHeight) +
            std::max(0, s.firstLine);
        index = static_cast<size_t>(
            std::clamp<long long>(row, 0, static_cast<long long>(lines.size()) - 1));
    }
    const VisualLine& line = lines[index];
    const int x0 = lineOrigin(area, s, fixedWidth(font, line.text));
    // The boundary nearest to the point: past a character's middle means after it.
    size_t best = 0;
    for (size_t i = 1; i <= line.text.size(); ++i) {
        const int before = fixedWidth(font, std::wstring_view(line.text).substr(0, i - 1));
        const int after = fixedWidth(font, std::wstring_view(line.text).substr(0, i));
        if (static_cast<long long>(p.x) - x0 >= (before + after) / 2)
            best = i;
        else
            break;
    }
    return static_cast<int>(line.start + best);
}

int editScrollForCaret(const Rect& r, std::wstring_view text, const EditState& s,
                       const Font& font) {
    if (s.multiLine || hasFlag(s.align, TextFlags::Right) || hasFlag(s.align, TextFlags::Center))
        return 0;
    const Rect area = editTextArea(r, s);
    const std::wstring display = displayText(text, s);
    const int n = static_cast<int>(display.size());
    const int caret = std::clamp(s.caret >= 0 ? s.caret : s.selEnd, 0, n);
    const int caretX = fixedWidth(font, std::wstring_view(display).substr(0, caret));
    const int width = std::max(1, area.width());
    int scroll = saneOffset(s.scrollX);
    if (caretX < scroll)
        scroll = caretX;
    else if (caretX >= scroll + width)
        scroll = caretX - width + 1;
    // Never leave blank space at the right while text is scrolled out at the left.
    const int textWidth = fixedWidth(font, display);
    scroll = std::min(scroll, std::max(0, textWidth - width + 1));
    return std::max(0, std::min(scroll, caretX));
}

Rect comboEditRect(const Rect& r) {
    return {r.left + 1, r.top + 1, std::max(r.left + 1, r.right - 1 - theme::kComboButtonWidth),
            r.bottom - 1};
}

void paintComboBox(Canvas& c, const Rect& r, std::wstring_view text, const ComboState& s,
                   const Font& font) {
    if (r.isEmpty())
        return;
    c.fillRect(r, s.disabled ? theme::kFace : theme::kWindow);
    frame(c, r, s.focused && !s.disabled ? theme::kHighlight : theme::kBorder);
    const Rect field = comboEditRect(r);
    const Rect button{field.right, r.top + 1, r.right - 1, r.bottom - 1};
    c.fillRect(button, s.disabled ? theme::kFace : s.dropped ? kPressedFace : theme::kButtonFace);
    vline(c, button.left, button.top, button.bottom, theme::kButtonBorder);
    paintArrow(c, button, ArrowDirection::Down, s.disabled ? theme::kGrayText : theme::kText);
    if (s.editable)
        return;

    Rect textRect = field.inflate(-1, -1);
    if (s.checked) {
        const int top = textRect.top + (textRect.height() - theme::kCheckBoxSize) / 2;
        paintCheckGlyph(c,
                        {textRect.left + 1, top, textRect.left + 1 + theme::kCheckBoxSize,
                         top + theme::kCheckBoxSize},
                        CheckState::Checked, s.disabled, false);
        textRect.left += theme::kCheckBoxSize + 3;
    }
    if (s.image && !s.image->empty()) {
        ClipScope clipImage(c, textRect);
        c.drawBitmap(
            *s.image,
            Point{textRect.left + 1, textRect.top + (textRect.height() - s.image->height) / 2},
            BlitMode::Alpha);
        textRect.left += s.image->width + 4;
    }
    Color fg = textColor(s.disabled);
    if (s.focused && !s.disabled && !s.dropped && !text.empty()) {
        c.fillRect(textRect, theme::kHighlight);
        fg = theme::kHighlightText;
    }
    c.drawText(textRect.inflate(-2, 0), text, font, fg,
               kOneLine | TextFlags::NoPrefix | TextFlags::EndEllipsis);
}

ScrollBarParts scrollBarParts(const Rect& r, const ScrollBarState& s) {
    // Computed along the bar's axis (a = along, b = across), then mapped back.
    const int a0 = s.vertical ? r.top : r.left;
    const int a1 = s.vertical ? r.bottom : r.right;
    const int b0 = s.vertical ? r.left : r.top;
    const int b1 = s.vertical ? r.right : r.bottom;
    auto make = [&](int from, int to) {
        if (to <= from)
            return Rect{};
        return s.vertical ? Rect{b0, from, b1, to} : Rect{from, b0, to, b1};
    };
    const int length = a1 - a0;
    const int arrow = std::min({b1 - b0, length / 2, theme::kScrollBarSize});
    ScrollBarParts p;
    p.lineUp = make(a0, a0 + arrow);
    p.lineDown = make(a1 - arrow, a1);
    const int t0 = a0 + arrow, t1 = a1 - arrow;
    const int track = t1 - t0;

    const long long range = static_cast<long long>(s.max) - s.min + 1;
    const long long page = std::clamp<long long>(s.page, 0, std::max<long long>(range, 0));
    int thumbLen = 0;
    if (!s.disabled && range > 0 && page < range && track > 0) {
        thumbLen =
            static_cast<int>(std::max<long long>(8, track * std::max<long long>(page, 1) / range));
        if (thumbLen >= track)
            thumbLen = 0;
    }
    if (thumbLen == 0) {
        p.pageUp = make(t0, t1);
        return p;
    }
    const long long maxPos = s.max - std::max<long long>(page - 1, 0);
    const long long posRange = maxPos - s.min;
    const long long pos = std::clamp<long long>(s.pos, s.min, std::max<long long>(maxPos, s.min));
    const int offset =
        posRange > 0 ? static_cast<int>((track - thumbLen) * (pos - s.min) / posRange) : 0;
    p.pageUp = make(t0, t0 + offset);
    p.thumb = make(t0 + offset, t0 + offset + thumbLen);
    p.pageDown = make(t0 + offset + thumbLen, t1);
    return p;
}

void paintScrollBar(Canvas& c, const Rect& r, const ScrollBarState& s) {
    if (r.isEmpty())
        return;
    c.fillRect(r, kScrollTrack);
    const ScrollBarParts p = scrollBarParts(r, s);
    const Color arrow = s.disabled ? kScrollArrowDisabled : kScrollArrow;
    paintArrow(c, p.lineUp, s.vertical ? ArrowDirection::Up : ArrowDirection::Left, arrow);
    paintArrow(c, p.lineDown, s.vertical ? ArrowDirection::Down : ArrowDirection::Right, arrow);
    if (!p.thumb.isEmpty())
        c.fillRect(s.vertical ? p.thumb.inflate(-2, 0) : p.thumb.inflate(0, -2), kScrollThumb);
}

} // namespace ui
