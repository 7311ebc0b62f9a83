#pragma once
// Tvl_String: the product's wide-character string. Positions and counts are in
// characters (wchar_t). Every operation is safe for out-of-range positions: they are
// clamped, and a position past the end gives an empty result rather than a fault.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class Tvl_String {
public:
    Tvl_String() = default;
    Tvl_String(const wchar_t* text);            // nullptr gives the empty string
    Tvl_String(const wchar_t* text, int count); // the first `count` characters
    Tvl_String(std::wstring text);
    Tvl_String(std::wstring_view text);

    // Decimal text without padding: Tvl_String(740) is "740", Tvl_String(-5) is "-5".
    explicit Tvl_String(int value);
    explicit Tvl_String(long value);
    explicit Tvl_String(short value);
    // Fixed decimals with "." as separator, rounded as printf's "%.*f". Negative
    // `decimals` count as 0; more than 20 as 20.
    Tvl_String(double value, int decimals);

    // A single character must be said so: Tvl_String(L'x') would otherwise read as a number.
    Tvl_String(wchar_t) = delete;
    Tvl_String(char) = delete;
    static Tvl_String fromChar(wchar_t c, int count = 1);

    // Conversions from and to UTF-8 (invalid bytes become U+FFFD).
    static Tvl_String fromUtf8(std::string_view bytes);
    std::string toUtf8() const;

    // printf-style formatting in the C locale, with the product platform's meaning of
    // wide formats: "%s" takes a const wchar_t*, "%c" a wchar_t, "%S" a narrow char*.
    static Tvl_String format(const wchar_t* fmt, ...);

    const wchar_t* c_str() const { return m_text.c_str(); }
    const std::wstring& str() const { return m_text; }
    int length() const { return static_cast<int>(m_text.size()); }
    bool isEmpty() const { return m_text.empty(); }
    void clear() { m_text.clear(); }

    // Character at `index`; 0 for an index outside the text.
    wchar_t at(int index) const;
    wchar_t operator[](int index) const { return at(index); }
    // Replaces the character at `index`; false (no change) when out of range.
    bool setAt(int index, wchar_t c);

    // Concatenation.
    Tvl_String& append(const Tvl_String& text);
    Tvl_String& append(const wchar_t* text);
    Tvl_String& append(wchar_t c);
    Tvl_String& operator+=(const Tvl_String& text) { return append(text); }
    Tvl_String& operator+=(const wchar_t* text) { return append(text); }
    Tvl_String& operator+=(wchar_t c) { return append(c); }

    // Comparison.
    bool equal(const Tvl_String& other, bool ignoreCase = false) const;
    // <0, 0, >0 like wcscmp; with ignoreCase both sides are compared in upper case.
    int compare(const Tvl_String& other, bool ignoreCase = false) const;
    bool startsWith(const Tvl_String& text, bool ignoreCase = false) const;
    bool endsWith(const Tvl_String& text, bool ignoreCase = false) const;
    bool contains(const Tvl_String& text, bool ignoreCase = false) const;

    // Searching: position of the first (last) occurrence at or after (before) `start`,
    // -1 when absent. An empty `text` is found at `start` when start <= length.
    int find(const Tvl_String& text, int start = 0, bool ignoreCase = false) const;
    int find(wchar_t c, int start = 0) const;
    int findLast(const Tvl_String& text, bool ignoreCase = false) const;
    int findLast(wchar_t c) const;
    // Position of the first character that is one of `chars`, -1 when none.
    int findOneOf(const Tvl_String& chars, int start = 0) const;

    // Substrings. `count` < 0 means "to the end". Out-of-range parts are clipped.
    Tvl_String getSubStringAt(int start, int count = -1) const;
    Tvl_String mid(int start, int count = -1) const { return getSubStringAt(start, count); }
    Tvl_String left(int count) const;
    Tvl_String right(int count) const;

    // Editing in place. Each returns false and leaves the text unchanged when the
    // position is out of range (insert: 0..length, remove: 0..length-1).
    bool insertAt(int index, const Tvl_String& text);
    bool insertAt(int index, wchar_t c);
    // Removes up to `count` characters from `index` (clipped at the end).
    bool removeAt(int index, int count = 1);
    // Replaces every non-overlapping occurrence of `oldText`, left to right; returns the
    // number of replacements. An empty `oldText` replaces nothing.
    int replaceSubString(const Tvl_String& oldText, const Tvl_String& newText,
                         bool ignoreCase = false);
    int replaceChar(wchar_t oldChar, wchar_t newChar);
    // Removes every occurrence of each character of `chars`; returns how many.
    int removeChars(const Tvl_String& chars);

    // Blanks are space, tab, CR, LF, vertical tab, form feed and no-break space.
    Tvl_String& trim();
    Tvl_String& trimLeft();
    Tvl_String& trimRight();
    Tvl_String trimmed() const;

    Tvl_String& makeUpper();
    Tvl_String& makeLower();
    Tvl_String upper() const;
    Tvl_String lower() const;

    // Numbers as the C runtime reads them: the leading number after blanks, 0 when
    // there is none ("12abc" -> 12, "abc" -> 0). `toInt` saturates at the int range.
    double toDouble() const;
    int toInt() const;
    long toLong() const;
    // Strict forms: true only when the whole text (blanks around allowed) is the number.
    bool toDouble(double& value) const;
    bool toInt(int& value) const;

    friend bool operator==(const Tvl_String& a, const Tvl_String& b) {
        return a.m_text == b.m_text;
    }
    friend bool operator==(const Tvl_String& a, const wchar_t* b) {
        return a.m_text == (b ? b : L"");
    }
    friend auto operator<=>(const Tvl_String& a, const Tvl_String& b) {
        return a.m_text <=> b.m_text;
    }

    friend Tvl_String operator+(const Tvl_String& a, const Tvl_String& b);
    friend Tvl_String operator+(const Tvl_String& a, const wchar_t* b);
    friend Tvl_String operator+(const wchar_t* a, const Tvl_String& b);
    friend Tvl_String operator+(const Tvl_String& a, wchar_t b);

private:
    std::wstring m_text;
};

template <> struct std::hash<Tvl_String> {
    size_t operator()(const Tvl_String& s) const noexcept {
        return std::hash<std::wstring>()(s.str());
    }
};
