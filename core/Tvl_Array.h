#pragma once
// Tvl_Array<T>: the product's growable array of values. Indices are int and start at 0.
//
// Contract for invalid indices (the dialogs rely on it): insertAt accepts 0..length,
// removeAt 0..length-1; any other index prints one line on the host's command line
// ("*Error* Invalid index passed to insert.\n" / "... remove.\n"), changes nothing and
// returns false. Element access with an invalid index prints
// "*Error* Invalid index passed to access.\n" and gives a default-valued scratch
// element instead of touching memory outside the array.

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

// Prints one of the array messages; implemented in the module so that all
// instantiations share the module's command-line route.
enum class Tvl_ArrayFault { Insert, Remove, Access, SizeMismatch };
void tvlReportArrayFault(Tvl_ArrayFault fault);

template <typename T> class Tvl_Array {
public:
    Tvl_Array() = default;
    Tvl_Array(std::initializer_list<T> items) : m_items(items) {}
    Tvl_Array(const Tvl_Array& other) : m_items(other.m_items) {}
    Tvl_Array(Tvl_Array&& other) noexcept = default;
    Tvl_Array& operator=(const Tvl_Array& other) {
        if (this != &other)
            m_items = other.m_items;
        return *this;
    }
    Tvl_Array& operator=(Tvl_Array&& other) noexcept = default;
    virtual ~Tvl_Array() = default;

    int length() const { return static_cast<int>(m_items.size()); }
    int logicalLength() const { return length(); }
    bool isEmpty() const { return m_items.empty(); }

    // Appends a copy; returns the new element's index.
    int append(const T& value) {
        m_items.push_back(value);
        return length() - 1;
    }
    // Appends every element of `other`.
    Tvl_Array& append(const Tvl_Array& other) {
        if (&other == this) {
            std::vector<T> copy(m_items);
            m_items.insert(m_items.end(), copy.begin(), copy.end());
        } else {
            m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        }
        return *this;
    }

    bool insertAt(int index, const T& value) {
        if (index < 0 || index > length()) {
            tvlReportArrayFault(Tvl_ArrayFault::Insert);
            return false;
        }
        m_items.insert(m_items.begin() + index, value);
        return true;
    }

    bool removeAt(int index) {
        if (index < 0 || index >= length()) {
            tvlReportArrayFault(Tvl_ArrayFault::Remove);
            return false;
        }
        m_items.erase(m_items.begin() + index);
        return true;
    }

    // Removes every element equal to `value` (not the whole array); returns how many.
    int removeAll(const T& value) {
        size_t before = m_items.size();
        std::erase(m_items, value);
        return static_cast<int>(before - m_items.size());
    }
    bool removeFirst() { return removeAt(0); }
    bool removeLast() { return removeAt(length() - 1); }
    // Empties the array.
    void clear() { m_items.clear(); }

    // Grows with default values or truncates. A negative length counts as 0.
    void setLogicalLength(int n) { m_items.resize(static_cast<size_t>(std::max(n, 0))); }

    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }
    T& at(int index) {
        if (index < 0 || index >= length())
            return scratch();
        return m_items[static_cast<size_t>(index)];
    }
    const T& at(int index) const {
        if (index < 0 || index >= length())
            return scratch();
        return m_items[static_cast<size_t>(index)];
    }
    T& first() { return at(0); }
    T& last() { return at(length() - 1); }
    const T& first() const { return at(0); }
    const T& last() const { return at(length() - 1); }

    // Replaces element `index`; false and a message when out of range.
    bool setAt(int index, const T& value) {
        if (index < 0 || index >= length()) {
            tvlReportArrayFault(Tvl_ArrayFault::Access);
            return false;
        }
        m_items[static_cast<size_t>(index)] = value;
        return true;
    }

    // Position of the first element equal to `value` at or after `start`, -1 when absent.
    int find(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (m_items[static_cast<size_t>(i)] == value)
                return i;
        }
        return -1;
    }
    bool contains(const T& value) const { return find(value) >= 0; }

    void swap(int a, int b) {
        if (a < 0 || b < 0 || a >= length() || b >= length()) {
            tvlReportArrayFault(Tvl_ArrayFault::Access);
            return;
        }
        std::swap(m_items[static_cast<size_t>(a)], m_items[static_cast<size_t>(b)]);
    }
    void reverse() { std::reverse(m_items.begin(), m_items.end()); }

    bool operator==(const Tvl_Array& other) const { return m_items == other.m_items; }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    const std::vector<T>& items() const { return m_items; }

private:
    T& scratch() const {
        tvlReportArrayFault(Tvl_ArrayFault::Access);
        if (!m_scratch)
            m_scratch = std::make_unique<T>();
        else
            *m_scratch = T();
        return *m_scratch;
    }

    std::vector<T> m_items;
    mutable std::unique_ptr<T> m_scratch;
};
