#include "kw/spreadsheet/print/HeaderLabelText.h"

#include <cmath>
#include <cwctype>

namespace kw {

namespace {

bool equalNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    return true;
}

// Finds `code` and removes it; true when it was there. With `argument`, a quoted text
// right after the code is taken and removed too.
bool takeCode(std::wstring& text, std::wstring_view code, std::wstring* argument = nullptr) {
    const size_t at = text.find(code);
    if (at == std::wstring::npos)
        return false;
    size_t end = at + code.size();
    if (argument && end < text.size() && text[end] == L'"') {
        const size_t close = text.find(L'"', end + 1);
        if (close != std::wstring::npos) {
            *argument = text.substr(end + 1, close - end - 1);
            end = close + 1;
        }
    }
    text.erase(at, end - at);
    return true;
}

} // namespace

std::wstring replacePlaceholders(const std::wstring& text, int page, int pageCount,
                                 const Tvl_StringArray& names, const Tvl_StringArray& values) {
    std::wstring out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != L'%') {
            out.push_back(text[i++]);
            continue;
        }
        const size_t close = text.find(L'%', i + 1);
        if (close == std::wstring::npos) {
            out.append(text, i, std::wstring::npos);
            break;
        }
        const std::wstring_view name(text.data() + i + 1, close - i - 1);
        bool found = true;
        if (equalNoCase(name, L"currentPage")) {
            out += std::to_wstring(page);
        } else if (equalNoCase(name, L"totalPages")) {
            out += std::to_wstring(pageCount);
        } else {
            found = false;
            const int n = std::min(names.length(), values.length());
            for (int v = 0; v < n; ++v) {
                if (!name.empty() && equalNoCase(name, names[v].str())) {
                    out += values[v].str();
                    found = true;
                    break;
                }
            }
        }
        if (found) {
            i = close + 1;
        } else {
            // Unknown: kept; its closing sign may open the next placeholder.
            out.push_back(L'%');
            out.append(name);
            i = close;
        }
    }
    return out;
}

void applyFormatCodes(std::wstring& text, LabelFormat& format) {
    if (takeCode(text, L"/L"))
        format.align = LabelFormat::Left;
    if (takeCode(text, L"/C"))
        format.align = LabelFormat::Center;
    if (takeCode(text, L"/R"))
        format.align = LabelFormat::Right;
    std::wstring arg;
    if (takeCode(text, L"/F", &arg) && !arg.empty())
        format.face = arg;
    arg.clear();
    if (takeCode(text, L"/TH", &arg) && !arg.empty()) {
        wchar_t* end = nullptr;
        const double h = std::wcstod(arg.c_str(), &end);
        // A height that cannot be drawn keeps the one before.
        if (end != arg.c_str() && std::isfinite(h) && h >= 1 && h <= 500)
            format.height = h;
    }
    // The switches on, then off: a label with both ends up off.
    if (takeCode(text, L"/B"))
        format.bold = true;
    if (takeCode(text, L"/I"))
        format.italic = true;
    if (takeCode(text, L"/UL"))
        format.underline = true;
    if (takeCode(text, L"/NB"))
        format.bold = false;
    if (takeCode(text, L"/NI"))
        format.italic = false;
    if (takeCode(text, L"/NUL"))
        format.underline = false;
}

} // namespace kw
