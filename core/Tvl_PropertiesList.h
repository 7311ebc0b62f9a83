#pragma once
// Tvl_PropertiesList: named, typed values (text, real, integer) kept in insertion order,
// stored in a small text file. docs/file-formats-core.md describes the file.
//
// Contract:
// - readFromFile replaces the list only on success; on any failure the list is left as
//   it was and the result says why (missing file, unreadable, damaged, too large).
// - writeToFile writes every property atomically: on failure the old file stays intact.
// - A write followed by a read gives back identical names, types and values (doubles to
//   the last bit, texts with any characters).
// - getProperty succeeds only for a property of that name AND type; otherwise the out
//   value is untouched (eKeyNotFound / eWrongDataType).
// - setProperty replaces a property of that name (whatever its type, keeping its place)
//   or appends it. Names must be non-empty, without line breaks or "=".

#include "core/AcadErrorStatus.h"
#include "core/Tvl_StringArray.h"

#include <unordered_map>
#include <variant>
#include <vector>

class Tvl_PropertiesList {
public:
    enum class Type { Text, Real, Integer };

    // Files larger than this are refused with eFileTooLarge.
    static constexpr long long kMaxFileBytes = 64ll * 1024 * 1024;

    Tvl_PropertiesList() = default;
    Tvl_PropertiesList(const Tvl_PropertiesList&) = default;
    Tvl_PropertiesList& operator=(const Tvl_PropertiesList&) = default;
    virtual ~Tvl_PropertiesList() = default;

    // `path` is in product form (backslashes; drive letters map to the drive root).
    Acad::ErrorStatus readFromFile(const Tvl_String& path);
    Acad::ErrorStatus writeToFile(const Tvl_String& path) const;

    // The same, on file contents in memory (used by the file functions and by tests).
    Acad::ErrorStatus readFromText(const std::string& bytes);
    std::string writeToText() const;

    Acad::ErrorStatus getProperty(const Tvl_String& name, Tvl_String& value) const;
    Acad::ErrorStatus getProperty(const Tvl_String& name, double& value) const;
    Acad::ErrorStatus getProperty(const Tvl_String& name, int& value) const;

    Acad::ErrorStatus setProperty(const Tvl_String& name, const Tvl_String& value);
    Acad::ErrorStatus setProperty(const Tvl_String& name, const wchar_t* value);
    Acad::ErrorStatus setProperty(const Tvl_String& name, double value);
    Acad::ErrorStatus setProperty(const Tvl_String& name, int value);

    bool hasProperty(const Tvl_String& name) const { return indexOf(name) >= 0; }
    // eOk and the type when present.
    Acad::ErrorStatus getType(const Tvl_String& name, Type& type) const;
    Acad::ErrorStatus removeProperty(const Tvl_String& name);
    int length() const { return static_cast<int>(m_entries.size()); }
    // Names in insertion order.
    Tvl_StringArray names() const;
    void clear() {
        m_entries.clear();
        m_index.clear();
    }

    bool operator==(const Tvl_PropertiesList& other) const;

private:
    using Value = std::variant<Tvl_String, double, int>;
    struct Entry {
        Tvl_String name;
        Value value;
        bool operator==(const Entry&) const = default;
    };

    int indexOf(const Tvl_String& name) const;
    Acad::ErrorStatus set(const Tvl_String& name, Value value);
    template <class T> Acad::ErrorStatus get(const Tvl_String& name, T& value) const;

    void rebuildIndex();

    std::vector<Entry> m_entries;
    std::unordered_map<Tvl_String, size_t> m_index; // name -> position in m_entries
};
