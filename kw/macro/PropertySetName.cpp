#include "kw/macro/PropertySetName.h"

namespace kw::macro {

bool isPlainSetName(const Tvl_String& name) {
    if (name.isEmpty() || name.trimmed().length() != name.length())
        return false;
    if (name == L"." || name == L"..")
        return false;
    for (int i = 0; i < name.length(); ++i) {
        const wchar_t c = name[i];
        if (c < 0x20 || c == 0x7F)
            return false;
        switch (c) {
        case L'\\':
        case L'/':
        case L':':
        case L'*':
        case L'?':
        case L'"':
        case L'<':
        case L'>':
        case L'|':
            return false;
        default:
            break;
        }
    }
    return true;
}

} // namespace kw::macro
