#include "platform/ui/draw/TextLayout.h"

#include <algorithm>

namespace ui {

namespace {

constexpr std::wstring_view kEllipsis = L"...";

struct Span {
    size_t start;
    size_t end;
};

bool isSpace(wchar_t c) {
    return c == L' ' || c == L'\t';
}

// Splits [start, end) of `s` into lines no wider than `width`, breaking at spaces.
void wrapParagraph(std::wstring_view s, Span para, int width, const MeasureWidth& widthOf,
                   std::vector<Span>& out) {
    size_t lineStart = para.start; // leading spaces of a paragraph are kept
    if (lineStart >= para.end) {
        out.push_back({para.start, para.start});
        return;
    }
    while (lineStart < para.end) {
        size_t lineEnd = lineStart; // end of the last word accepted on this line
        size_t pos = lineStart;
        bool first = true;
        while (pos < para.end) {
            size_t wordEnd = pos;
            while (wordEnd < para.end && isSpace(s[wordEnd]))
                ++wordEnd;
            while (wordEnd < para.end && !isSpace(s[wordEnd]))
                ++wordEnd;
            const bool fits = widthOf(s.substr(lineStart, wordEnd - lineStart)) <= width;
            if (!fits && !first)
                break;
            lineEnd = wordEnd;
            pos = wordEnd;
            first = false;
        }
        out.push_back({lineStart, lineEnd});
        lineStart = lineEnd;
        while (lineStart < para.end && isSpace(s[lineStart]))
            ++lineStart;
    }
}

// Shortens `line` so that it plus "..." fits `width`; `force` adds the ellipsis even
// when the line fits (the text continues on lines that were dropped).
void applyEllipsis(TextLine& line, int width, bool force, const MeasureWidth& widthOf) {
    if (!force && line.width <= width)
        return;
    // The longest prefix that fits with the ellipsis (widths grow with the prefix, so a
    // binary search keeps long lines cheap).
    const std::wstring ellipsis(kEllipsis);
    size_t lo = 0, hi = line.text.size();
    while (lo < hi) {
        const size_t mid = (lo + hi + 1) / 2;
        if (widthOf(line.text.substr(0, mid) + ellipsis) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    std::wstring text = line.text.substr(0, lo);
    while (!text.empty() && isSpace(text.back()))
        text.pop_back();
    if (line.underline != std::wstring::npos && line.underline >= text.size())
        line.underline = std::wstring::npos;
    line.text = text + std::wstring(kEllipsis);
    line.width = widthOf(line.text);
}

} // namespace

std::wstring stripPrefixes(std::wstring_view text, size_t* underline) {
    std::wstring out;
    out.reserve(text.size());
    size_t marked = std::wstring::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&') {
            out += text[i];
            continue;
        }
        if (i + 1 >= text.size())
            break; // a lone trailing "&" shows nothing
        if (text[i + 1] != L'&')
            marked = out.size();
        out += text[i + 1];
        ++i;
    }
    if (underline)
        *underline = marked;
    return out;
}

TextLayout layoutText(const Rect& r, std::wstring_view text, TextFlags flags, int lineHeight,
                      const MeasureWidth& widthOf) {
    size_t underline = std::wstring::npos;
    std::wstring s =
        hasFlag(flags, TextFlags::NoPrefix) ? std::wstring(text) : stripPrefixes(text, &underline);
    const bool single = hasFlag(flags, TextFlags::SingleLine);
    const int width = r.width();

    std::vector<Span> lines;
    if (single) {
        std::replace(s.begin(), s.end(), L'\r', L' ');
        std::replace(s.begin(), s.end(), L'\n', L' ');
        lines.push_back({0, s.size()});
    } else {
        size_t start = 0;
        while (true) {
            size_t nl = s.find(L'\n', start);
            size_t end = nl == std::wstring::npos ? s.size() : nl;
            size_t contentEnd = (end > start && s[end - 1] == L'\r') ? end - 1 : end;
            if (hasFlag(flags, TextFlags::WordBreak) && width > 0)
                wrapParagraph(s, {start, contentEnd}, width, widthOf, lines);
            else
                lines.push_back({start, contentEnd});
            if (nl == std::wstring::npos)
                break;
            start = nl + 1;
        }
        if (s.empty())
            lines.clear();
    }

    const bool ellipsis = hasFlag(flags, TextFlags::EndEllipsis) && width > 0;
    bool dropped = false;
    if (ellipsis && !single && r.height() > 0 && lineHeight > 0) {
        const size_t fit = std::max<size_t>(1, static_cast<size_t>(r.height() / lineHeight));
        if (lines.size() > fit) {
            lines.resize(fit);
            dropped = true;
        }
    }

    TextLayout layout;
    for (size_t i = 0; i < lines.size(); ++i) {
        TextLine line;
        line.text = s.substr(lines[i].start, lines[i].end - lines[i].start);
        if (underline != std::wstring::npos && underline >= lines[i].start &&
            underline < lines[i].end)
            line.underline = underline - lines[i].start;
        line.width = widthOf(line.text);
        if (ellipsis)
            applyEllipsis(line, width, dropped && i + 1 == lines.size(), widthOf);
        layout.lines.push_back(std::move(line));
    }

    const int total = static_cast<int>(layout.lines.size()) * lineHeight;
    int y = r.top;
    if (single && hasFlag(flags, TextFlags::VCenter))
        y = r.top + (r.height() - lineHeight) / 2;
    else if (single && hasFlag(flags, TextFlags::Bottom))
        y = r.bottom - lineHeight;
    for (TextLine& line : layout.lines) {
        int x = r.left;
        if (hasFlag(flags, TextFlags::Center))
            x = r.left + (width - line.width) / 2;
        else if (hasFlag(flags, TextFlags::Right))
            x = r.right - line.width;
        line.at = {x, y};
        y += lineHeight;
        layout.width = std::max(layout.width, line.width);
    }
    layout.height = total;
    return layout;
}

} // namespace ui
