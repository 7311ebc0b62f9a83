#include "kw/designer/DesignNames.h"

#include <string_view>

namespace kw::designer {

bool isValidDesignName(const Tvl_String& name, bool allowFolders) {
    const std::wstring_view s = name.str();
    if (s.empty())
        return false;
    std::wstring_view::size_type start = 0;
    for (std::wstring_view::size_type i = 0; i <= s.size(); ++i) {
        const wchar_t c = i < s.size() ? s[i] : L'\\';
        if (c == L'\\') {
            if (i < s.size() && !allowFolders)
                return false;
            const std::wstring_view part = s.substr(start, i - start);
            if (part.empty() || part == L"." || part == L"..")
                return false;
            start = i + 1;
            continue;
        }
        if (c < 32 || c == 127 ||
            std::wstring_view(L"<>:\"|?*/").find(c) != std::wstring_view::npos)
            return false;
    }
    return true;
}

} // namespace kw::designer
