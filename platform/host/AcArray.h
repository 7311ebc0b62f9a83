#pragma once
// AcArray<T>: the host's dynamic array, with the member functions the product's code
// calls. Indices are int. The logical length is the number of elements; the physical
// length is the capacity the array reports, which grows in steps of growLength()
// (8 unless set), so code that reads it sees the product platform's numbers.
//
// Contract: operator[] and at() with an index outside [0, length()) are programming
// errors; the array reports the index and stops the process instead of reading or
// writing outside its storage. The functions that take an index and can refuse
// (removeAt, insertAt, setAt, swap) do nothing out of range and say so in their result.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

template <class T> class AcArray {
public:
    explicit AcArray(int initPhysicalLength = 0, int initGrowLength = 8)
        : m_physical(std::max(initPhysicalLength, 0)),
          m_grow(initGrowLength > 0 ? initGrowLength : 8) {
        m_items.reserve(static_cast<size_t>(m_physical));
    }
    AcArray(const AcArray&) = default;
    AcArray(AcArray&&) noexcept = default;
    AcArray& operator=(const AcArray&) = default;
    AcArray& operator=(AcArray&&) noexcept = default;

    bool operator==(const AcArray& other) const { return m_items == other.m_items; }

    // ---- Element access ----------------------------------------------------------
    T& operator[](int i) {
        check(i);
        return m_items[static_cast<size_t>(i)];
    }
    const T& operator[](int i) const {
        check(i);
        return m_items[static_cast<size_t>(i)];
    }
    T& at(int i) { return (*this)[i]; }
    const T& at(int i) const { return (*this)[i]; }
    T& first() { return (*this)[0]; }
    const T& first() const { return (*this)[0]; }
    T& last() { return (*this)[length() - 1]; }
    const T& last() const { return (*this)[length() - 1]; }
    T* asArrayPtr() { return m_items.empty() ? nullptr : m_items.data(); }
    const T* asArrayPtr() const { return m_items.empty() ? nullptr : m_items.data(); }
    AcArray& setAt(int i, const T& value) {
        if (valid(i))
            m_items[static_cast<size_t>(i)] = value;
        return *this;
    }
    AcArray& setAll(const T& value) {
        std::fill(m_items.begin(), m_items.end(), value);
        return *this;
    }

    // ---- Size ------------------------------------------------------------------------
    int length() const { return static_cast<int>(m_items.size()); }
    int logicalLength() const { return length(); }
    int physicalLength() const { return m_physical; }
    bool isEmpty() const { return m_items.empty(); }
    int growLength() const { return m_grow; }
    AcArray& setGrowLength(int n) {
        if (n > 0)
            m_grow = n;
        return *this;
    }
    // New elements (when growing) are value-initialised.
    AcArray& setLogicalLength(int n) {
        n = std::max(n, 0);
        ensurePhysical(n);
        m_items.resize(static_cast<size_t>(n));
        return *this;
    }
    // Shrinking below the logical length cuts the array.
    AcArray& setPhysicalLength(int n) {
        n = std::max(n, 0);
        if (n < length())
            m_items.resize(static_cast<size_t>(n));
        m_physical = n;
        return *this;
    }

    // ---- Adding ----------------------------------------------------------------------
    // Returns the index of the new element.
    int append(const T& value) {
        ensurePhysical(length() + 1);
        m_items.push_back(value);
        return length() - 1;
    }
    AcArray& append(const AcArray& other) {
        if (&other == this) {
            const AcArray copy(other);
            return append(copy);
        }
        ensurePhysical(length() + other.length());
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return *this;
    }
    // index may equal length() (append). Out of range: nothing happens.
    AcArray& insertAt(int index, const T& value) {
        if (index < 0 || index > length())
            return *this;
        ensurePhysical(length() + 1);
        m_items.insert(m_items.begin() + index, value);
        return *this;
    }

    // ---- Removing ----------------------------------------------------------------------
    AcArray& removeAt(int index) {
        if (valid(index))
            m_items.erase(m_items.begin() + index);
        return *this;
    }
    // Removes the first element equal to value at or after start; false when none.
    bool remove(const T& value, int start = 0) {
        const int i = findFrom(value, start);
        if (i < 0)
            return false;
        removeAt(i);
        return true;
    }
    AcArray& removeFirst() { return removeAt(0); }
    AcArray& removeLast() { return removeAt(length() - 1); }
    AcArray& removeAll() {
        m_items.clear();
        return *this;
    }
    // Removes elements start..end inclusive; nothing when the range is not valid.
    AcArray& removeSubArray(int start, int end) {
        if (valid(start) && valid(end) && start <= end)
            m_items.erase(m_items.begin() + start, m_items.begin() + end + 1);
        return *this;
    }

    // ---- Searching -------------------------------------------------------------------
    bool contains(const T& value, int start = 0) const { return findFrom(value, start) >= 0; }
    bool find(const T& value, int& foundAt, int start = 0) const {
        const int i = findFrom(value, start);
        if (i < 0)
            return false;
        foundAt = i;
        return true;
    }
    // Index of the first element equal to value at or after start; -1 when none.
    int findFrom(const T& value, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i)
            if (m_items[static_cast<size_t>(i)] == value)
                return i;
        return -1;
    }

    // ---- Reordering ------------------------------------------------------------------
    AcArray& reverse() {
        std::reverse(m_items.begin(), m_items.end());
        return *this;
    }
    AcArray& swap(int i1, int i2) {
        if (valid(i1) && valid(i2))
            std::swap(m_items[static_cast<size_t>(i1)], m_items[static_cast<size_t>(i2)]);
        return *this;
    }

    // Range-for support.
    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    bool valid(int i) const { return i >= 0 && i < length(); }
    void check(int i) const {
        if (!valid(i)) {
            std::fprintf(stderr, "AcArray: index %d out of range (length %d)\n", i, length());
            std::abort();
        }
    }
    void ensurePhysical(int needed) {
        while (m_physical < needed)
            m_physical += m_grow;
    }

    std::vector<T> m_items;
    int m_physical = 0;
    int m_grow = 8;
};
