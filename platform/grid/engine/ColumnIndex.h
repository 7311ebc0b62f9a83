#pragma once
// Where each value of a column stands: the rows holding each number (booleans as
// 1/0) and each text (by its case-folded key). The equality criteria of COUNTIF and
// its relatives use it to visit only the rows that match instead of the whole column.
//
// An index belongs to one version of its column (Column::version, changed by every
// write to one of its slots); SheetData drops all of them on edits that move or wipe
// slots wholesale. See docs/formula-engine.md, "Criteria over long columns".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace grid {

struct SheetData;

class ColumnIndex {
public:
    void build(const SheetData& d, int32_t col);

    // Rows in ascending order.
    std::span<const int32_t> numberRows(double x) const;
    std::span<const int32_t> textRows(std::string_view foldedKey) const;
    // The rows whose number is below x (or, with `above`, above it), x itself too with
    // `orEqual`, ascending; false when they are more than an eighth of the column
    // (a scan is as quick then).
    bool comparedRows(double x, bool above, bool orEqual, std::vector<int32_t>& out) const;

private:
    std::span<const int32_t> group(uint32_t g) const;

    std::unordered_map<double, uint32_t> m_numbers;    // value -> group
    std::unordered_map<std::string, uint32_t> m_texts; // folded text -> group
    std::vector<uint32_t> m_starts; // group g: m_rows[m_starts[g]] .. m_rows[m_starts[g + 1] - 1]
    std::vector<int32_t> m_rows;
    size_t m_height = 0;
    // The numbers in order with their groups, made on the first comparison.
    mutable std::vector<std::pair<double, uint32_t>> m_sorted;
    mutable bool m_sortedMade = false;
};

// The indexes of a sheet's columns. A column gets one on its second equality search
// while unchanged: a single search is cheaper as a scan.
class ColumnIndexes {
public:
    // The current index of the column, or null when the caller should scan.
    const ColumnIndex* find(SheetData& d, int32_t col);
    void clear() { m_entries.clear(); }
    size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        uint64_t version = 0;
        int searches = 0;
        bool built = false;
        ColumnIndex index;
    };
    static constexpr size_t kMaxColumns = 32;
    std::unordered_map<int32_t, Entry> m_entries;
};

} // namespace grid
