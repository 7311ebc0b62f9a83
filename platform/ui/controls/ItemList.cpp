#include "platform/ui/controls/ItemList.h"

#include <algorithm>
#include <cwctype>

namespace ui {

int ItemList::compareNoCase(std::wstring_view a, std::wstring_view b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto x = std::towlower(a[i]), y = std::towlower(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int ItemList::add(std::wstring_view text, bool sorted) {
    if (!sorted)
        return insert(-1, text);
    int i = 0;
    while (i < count() && compareNoCase(items[static_cast<size_t>(i)].text, text) <= 0)
        ++i;
    return insert(i, text);
}

int ItemList::insert(int index, std::wstring_view text) {
    if (index < 0 || index > count())
        index = count();
    items.insert(items.begin() + index, Item{std::wstring(text)});
    if (cur >= index)
        ++cur;
    return index;
}

int ItemList::erase(int index) {
    if (index < 0 || index >= count())
        return -1;
    items.erase(items.begin() + index);
    if (cur == index)
        cur = -1;
    else if (cur > index)
        --cur;
    return count();
}

void ItemList::clear() {
    items.clear();
    cur = -1;
}

int ItemList::findPrefix(int startAfter, std::wstring_view prefix) const {
    const int n = count();
    for (int k = 1; k <= n; ++k) {
        const int i = (startAfter + k + n) % n;
        std::wstring_view t = items[static_cast<size_t>(i)].text;
        if (t.size() >= prefix.size() && compareNoCase(t.substr(0, prefix.size()), prefix) == 0)
            return i;
    }
    return -1;
}

int ItemList::findExact(int startAfter, std::wstring_view text) const {
    const int n = count();
    for (int k = 1; k <= n; ++k) {
        const int i = (startAfter + k + n) % n;
        if (compareNoCase(items[static_cast<size_t>(i)].text, text) == 0)
            return i;
    }
    return -1;
}

} // namespace ui
