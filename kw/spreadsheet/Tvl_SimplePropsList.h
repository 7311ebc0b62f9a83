#pragma once
// Tvl_SimplePropsList: an ordered list of named, typed values. The spreadsheet keeps its
// document properties in one (as text in the corner cell's tag) and print header files
// are written from one. docs/file-formats-product.md describes both text forms.
//
// Kinds: 0 none, 1 real, 2 integer or boolean, 3 long, 4 text.
// Names are unique, compared without regard to case. Setting an existing name replaces
// its value in place; a new name is appended. An empty name is refused, and so is a
// name or text that holds the separator U+00A4: it could not be read back.
//
// Reading (fromString, readFromFile) either succeeds or leaves the list empty: an empty
// text or file, a kind that is not a whole number 0..4, an empty or over-long name, a
// NUL byte or an input larger than kMaxBytes is a damaged input and gives false.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/frame/KwExport.h"

#include <vector>

class KW_EXPORT Tvl_SimplePropsList {
public:
    enum Kind { None = 0, Real = 1, Int = 2, Long = 3, Text = 4 };
    static constexpr wchar_t kSeparator = 0x00A4;
    static constexpr unsigned char kSeparatorByte = 0xA4;
    static constexpr long long kMaxBytes = 16ll * 1024 * 1024;

    Tvl_SimplePropsList() = default;
    Tvl_SimplePropsList(const Tvl_SimplePropsList&) = default;
    Tvl_SimplePropsList& operator=(const Tvl_SimplePropsList&) = default;
    virtual ~Tvl_SimplePropsList() = default;

    void clear() { m_entries.clear(); }
    int length() const { return static_cast<int>(m_entries.size()); }
    // Index of the entry (case ignored), -1 when absent.
    int find(const Tvl_String& name) const;
    bool remove(const Tvl_String& name);

    // Entry access by index (false outside the list).
    bool getEntry(int index, Tvl_String& name, int& kind, Tvl_String& valueText) const;

    // Typed get: false and the out value 0 / false / empty when missing or of another kind.
    bool getReal(const Tvl_String& name, double& value) const;
    bool getBool(const Tvl_String& name, bool& value) const; // kind 2, true when non-zero
    bool getInt(const Tvl_String& name, int& value) const;   // kind 2
    bool getLong(const Tvl_String& name, int& value) const;  // kind 3
    bool getText(const Tvl_String& name, Tvl_String& value) const;

    // Typed set: false only for a refused name (or text, see above).
    bool setReal(const Tvl_String& name, double value);
    bool setBool(const Tvl_String& name, bool value);
    bool setInt(const Tvl_String& name, int value);
    bool setLong(const Tvl_String& name, int value);
    bool setText(const Tvl_String& name, const Tvl_String& value);
    bool setNone(const Tvl_String& name);
    // Sets from the text form of a value of `kind` (as read from a file). False for an
    // unknown kind or a refused name.
    bool setFromText(const Tvl_String& name, int kind, const Tvl_String& valueText);

    // Indexed lists of texts: entries base+"0", base+"1", ...
    // Writing replaces entries 0..n-1 and removes the entries n, n+1, ... that followed,
    // so that a shorter list reads back as written. Reading stops at the first missing
    // name or the first entry that is not text.
    bool setTextList(const Tvl_String& base, const Tvl_StringArray& values);
    void getTextList(const Tvl_String& base, Tvl_StringArray& values) const;

    // name ¤ kind ¤ value ¤ for every entry, in order.
    Tvl_String toString() const;
    bool fromString(const Tvl_String& text);

    // The same triples as 8-bit text (Windows-1252) with the byte 0xA4 as separator.
    // Written atomically: a failed write leaves the old file in place.
    bool writeToFile(const Tvl_String& path) const;
    bool readFromFile(const Tvl_String& path);

    bool operator==(const Tvl_SimplePropsList& other) const;

private:
    struct Entry {
        Tvl_String name;
        int kind = None;
        double real = 0.0;
        int integer = 0;
        Tvl_String text;
        bool operator==(const Entry&) const = default;
    };
    static bool nameAllowed(const Tvl_String& name);
    static Tvl_String valueText(const Entry& e);
    Entry* slot(const Tvl_String& name);
    const Entry* get(const Tvl_String& name, int kind) const;
    bool parsePieces(const std::vector<Tvl_String>& pieces);

    std::vector<Entry> m_entries;
};
