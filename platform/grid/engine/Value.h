#pragma once
// A cell's value: empty, number, text, boolean or error. Formula errors are values.

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace grid {

enum class ValueType : uint8_t { Empty = 0, Number = 1, Text = 2, Boolean = 3, Error = 4 };

// Error values. The numbers are stable (they are stored in documents).
enum class ErrorCode : uint8_t {
    None = 0,
    Null = 1,     // #NULL!
    Div0 = 2,     // #DIV/0!
    Value = 3,    // #VALUE!
    Ref = 4,      // #REF!
    Name = 5,     // #NAME?
    Num = 6,      // #NUM!
    NA = 7,       // #N/A
    Circular = 8, // #CIRC! : the cell takes part in a circular reference
};

// "#DIV/0!" etc.; empty for None.
std::string_view errorText(ErrorCode code);
// Parses an error literal ("#N/A", case-insensitive); None when it is not one.
ErrorCode parseErrorText(std::string_view text);

class Value {
public:
    Value() = default;
    static Value number(double v) {
        Value r;
        r.m_type = ValueType::Number;
        r.m_number = v;
        return r;
    }
    static Value text(std::string s) {
        Value r;
        r.m_type = ValueType::Text;
        r.m_text = std::move(s);
        return r;
    }
    static Value boolean(bool b) {
        Value r;
        r.m_type = ValueType::Boolean;
        r.m_number = b ? 1 : 0;
        return r;
    }
    static Value error(ErrorCode e) {
        Value r;
        r.m_type = ValueType::Error;
        r.m_error = e;
        return r;
    }

    ValueType type() const { return m_type; }
    bool isEmpty() const { return m_type == ValueType::Empty; }
    bool isNumber() const { return m_type == ValueType::Number; }
    bool isText() const { return m_type == ValueType::Text; }
    bool isBoolean() const { return m_type == ValueType::Boolean; }
    bool isError() const { return m_type == ValueType::Error; }

    // Number, or 0/1 for a boolean, 0 otherwise.
    double asNumber() const { return m_number; }
    bool asBoolean() const { return m_number != 0; }
    const std::string& asText() const { return m_text; }
    ErrorCode asError() const { return m_error; }

    // Unformatted text: numbers with up to 15 significant digits (C locale, no
    // trailing zeros), TRUE/FALSE, error texts, "" for empty.
    std::string toString() const;

    friend bool operator==(const Value&, const Value&) = default;

private:
    ValueType m_type = ValueType::Empty;
    ErrorCode m_error = ErrorCode::None;
    double m_number = 0;
    std::string m_text;
};

// For diagnostics (test output): the value's text and its type.
std::ostream& operator<<(std::ostream& os, const Value& v);

// Up to 15 significant digits, C locale, no trailing zeros, no exponent for
// ordinary magnitudes ("0.1", "1E+20", "-3").
std::string formatNumber(double v);
// Appends formatNumber(v) to out, without a text of its own for whole numbers.
void appendNumber(std::string& out, double v);
// Parses a whole text as a number in the C locale (leading/trailing blanks allowed);
// false when anything is left over.
bool parseNumber(std::string_view text, double& out);

} // namespace grid
