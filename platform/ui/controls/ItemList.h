#pragma once
// The item storage that list boxes and combo boxes share: texts with their item data
// and marks, the current item, sorted insertion and the wrap-around searches. Failures
// give -1 (the controls' LB_ERR / CB_ERR).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct ItemList {
    struct Item {
        std::wstring text;
        std::intptr_t data = 0;
        bool selected = false; // multi-selection lists
        bool checked = false;  // check-mark combos
    };

    std::vector<Item> items;
    int cur = -1;

    int count() const { return static_cast<int>(items.size()); }
    // Appends, or inserts before the first item that sorts after it (case-insensitive).
    int add(std::wstring_view text, bool sorted);
    // Inserts at `index` (out of range: at the end) and keeps the current item. Returns
    // the position.
    int insert(int index, std::wstring_view text);
    // Removes item `index`; the current item is cleared when it was that one. Returns the
    // remaining count, -1 for a bad index.
    int erase(int index);
    void clear();
    // The first item after `startAfter` (wrapping around) whose text begins with /
    // equals the given text, case-insensitive; -1 when none.
    int findPrefix(int startAfter, std::wstring_view prefix) const;
    int findExact(int startAfter, std::wstring_view text) const;

    static int compareNoCase(std::wstring_view a, std::wstring_view b);
};

} // namespace ui
