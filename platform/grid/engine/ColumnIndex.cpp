#include "platform/grid/engine/ColumnIndex.h"

#include <algorithm>

#include "platform/grid/engine/SheetData.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid {

void ColumnIndex::build(const SheetData& d, int32_t col) {
    m_numbers.clear();
    m_texts.clear();
    m_starts.clear();
    m_rows.clear();
    m_sorted.clear();
    m_sortedMade = false;
    m_height = 0;
    if (col < 0 || static_cast<size_t>(col) >= d.cols.size())
        return;
    const std::vector<Slot>& slots = d.cols[col].slots;
    m_height = slots.size();
    // Pass 1: each row's group, and the size of each group.
    constexpr uint32_t kNone = UINT32_MAX;
    std::vector<uint32_t> groupOf(slots.size(), kNone);
    std::vector<uint32_t> sizes;
    std::string key;
    for (size_t r = 0; r < slots.size(); ++r) {
        const Slot& s = slots[r];
        uint32_t next = static_cast<uint32_t>(sizes.size());
        uint32_t g = kNone;
        if (s.type == ValueType::Number || s.type == ValueType::Boolean) {
            // -0 and 0 are one key: equal numbers share a group.
            g = m_numbers.try_emplace(s.num == 0 ? 0.0 : s.num, next).first->second;
        } else if (s.type == ValueType::Text && !d.texts[s.aux].empty()) {
            key = text::foldKey(d.texts[s.aux]);
            g = m_texts.try_emplace(key, next).first->second;
        }
        if (g == kNone)
            continue;
        if (g == next)
            sizes.push_back(0);
        ++sizes[g];
        groupOf[r] = g;
    }
    // Pass 2: the groups laid out one after another, rows ascending within each.
    m_starts.resize(sizes.size() + 1, 0);
    for (size_t g = 0; g < sizes.size(); ++g)
        m_starts[g + 1] = m_starts[g] + sizes[g];
    m_rows.resize(m_starts.back());
    std::vector<uint32_t> fill(m_starts.begin(), m_starts.end() - 1);
    for (size_t r = 0; r < groupOf.size(); ++r)
        if (groupOf[r] != kNone)
            m_rows[fill[groupOf[r]]++] = static_cast<int32_t>(r);
}

std::span<const int32_t> ColumnIndex::group(uint32_t g) const {
    return {m_rows.data() + m_starts[g], m_starts[g + 1] - m_starts[g]};
}

std::span<const int32_t> ColumnIndex::numberRows(double x) const {
    auto it = m_numbers.find(x == 0 ? 0.0 : x);
    return it == m_numbers.end() ? std::span<const int32_t>{} : group(it->second);
}

std::span<const int32_t> ColumnIndex::textRows(std::string_view foldedKey) const {
    auto it = m_texts.find(std::string(foldedKey));
    return it == m_texts.end() ? std::span<const int32_t>{} : group(it->second);
}

bool ColumnIndex::comparedRows(double x, bool above, bool orEqual,
                               std::vector<int32_t>& out) const {
    if (!m_sortedMade) {
        m_sorted.assign(m_numbers.begin(), m_numbers.end());
        std::sort(m_sorted.begin(), m_sorted.end());
        m_sortedMade = true;
    }
    x = x == 0 ? 0.0 : x;
    auto at = [&](bool after) {
        return after ? std::upper_bound(m_sorted.begin(), m_sorted.end(), x,
                                        [](double v, const auto& e) { return v < e.first; })
                     : std::lower_bound(m_sorted.begin(), m_sorted.end(), x,
                                        [](const auto& e, double v) { return e.first < v; });
    };
    // Below x: from the start up to x (after it with orEqual); above: from x on.
    auto first = above ? at(!orEqual) : m_sorted.begin();
    auto last = above ? m_sorted.end() : at(orEqual);
    size_t count = 0;
    for (auto it = first; it != last; ++it)
        count += m_starts[it->second + 1] - m_starts[it->second];
    if (count > m_height / 8)
        return false;
    out.clear();
    out.reserve(count);
    for (auto it = first; it != last; ++it) {
        std::span<const int32_t> g = group(it->second);
        out.insert(out.end(), g.begin(), g.end());
    }
    std::sort(out.begin(), out.end());
    return true;
}

const ColumnIndex* ColumnIndexes::find(SheetData& d, int32_t col) {
    if (col < 0 || static_cast<size_t>(col) >= d.cols.size())
        return nullptr;
    Column& c = d.cols[col];
    // A column never written through slotRef has version 0, as has a column that
    // replaced another; give it a version of its own so no old entry can match it.
    if (c.version == 0)
        c.version = ++d.versionClock;
    auto it = m_entries.find(col);
    if (it == m_entries.end()) {
        if (m_entries.size() >= kMaxColumns)
            m_entries.clear();
        it = m_entries.try_emplace(col).first;
    }
    Entry& e = it->second;
    if (e.version != c.version) {
        e = Entry{};
        e.version = c.version;
    }
    if (++e.searches < 2)
        return nullptr;
    if (!e.built) {
        e.index.build(d, col);
        e.built = true;
    }
    return &e.index;
}

} // namespace grid
