#include "platform/grid/engine/io/FormulaTranslation.h"

#include <array>

#include "platform/grid/engine/Value.h"

namespace grid {

namespace {

char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    return true;
}

bool startsNoCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalNoCase(s.substr(0, prefix.size()), prefix);
}

bool isNameStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '\\' ||
           (static_cast<unsigned char>(c) & 0x80);
}

bool isNameChar(char c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '.';
}

// Copies the string literal at s[i] (a '"') with its doubled quotes; i moves past it.
void copyString(std::string_view s, size_t& i, std::string& out) {
    size_t start = i++;
    while (i < s.size()) {
        if (s[i] == '"') {
            if (i + 1 < s.size() && s[i + 1] == '"') {
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        ++i;
    }
    out.append(s.substr(start, i - start));
}

// Copies an error literal at s[i] ('#'), or the '#' alone; i moves past it. Keeps the
// '!' of "#REF!" from being read as the end of a sheet name.
void copyHash(std::string_view s, size_t& i, std::string& out) {
    for (size_t len = 7; len >= 4; --len) {
        if (i + len <= s.size() && parseErrorText(s.substr(i, len)) != ErrorCode::None) {
            out.append(s.substr(i, len));
            i += len;
            return;
        }
    }
    out += s[i++];
}

// The name in quotes at s[i] ('\'') with doubled quotes as one; i moves past the closing
// quote. False when it is not closed.
bool quotedName(std::string_view s, size_t& i, std::string& name) {
    for (size_t j = i + 1; j < s.size(); ++j) {
        if (s[j] != '\'') {
            name += s[j];
            continue;
        }
        if (j + 1 < s.size() && s[j + 1] == '\'') {
            name += '\'';
            ++j;
            continue;
        }
        i = j + 1;
        return true;
    }
    return false;
}

std::string_view word(std::string_view s, size_t& i) {
    size_t start = i;
    while (i < s.size() && isNameChar(s[i]))
        ++i;
    return s.substr(start, i - start);
}

// A function or name without the namespace that marks where it comes from.
std::string_view withoutPrefixes(std::string_view w) {
    static constexpr std::array<std::string_view, 5> kPrefixes{
        "_xlfn.", "_xlws.", "COM.MICROSOFT.", "ORG.OPENOFFICE.", "ORG.LIBREOFFICE."};
    for (bool again = true; again;) {
        again = false;
        for (std::string_view p : kPrefixes)
            if (startsNoCase(w, p) && w.size() > p.size()) {
                w.remove_prefix(p.size());
                again = true;
            }
    }
    return w;
}

// One side of an OpenFormula reference ("$Sheet1.A1", ".A1", "'My sheet'.$A", ".3").
std::optional<std::string> openFormulaRefPart(std::string_view part, std::string_view ownSheet) {
    size_t i = 0;
    if (i < part.size() && part[i] == '$')
        ++i;
    if (i < part.size() && part[i] == '\'') {
        std::string name;
        if (!quotedName(part, i, name) || i >= part.size() || part[i] != '.' ||
            !equalNoCase(name, ownSheet))
            return std::nullopt; // another sheet, or another file ('file:...'#$Sheet1)
        ++i;
    } else {
        size_t dot = part.find('.', i);
        if (dot != std::string_view::npos) {
            if (dot > i && !equalNoCase(part.substr(i, dot - i), ownSheet))
                return std::nullopt;
            i = dot + 1;
        } else {
            i = 0; // no sheet part at all
        }
    }
    std::string_view address = part.substr(i);
    if (address.empty())
        return std::nullopt;
    for (char c : address)
        if (!(c == '$' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
              (c >= 'A' && c <= 'Z')))
            return std::nullopt; // #REF! and the like
    return std::string(address);
}

// The reference in brackets, without them: "[.A1:.B3]" -> "A1:B3".
std::optional<std::string> openFormulaRef(std::string_view inner, std::string_view ownSheet) {
    std::string out;
    size_t start = 0;
    bool quoted = false;
    int parts = 0;
    for (size_t i = 0; i <= inner.size(); ++i) {
        if (i < inner.size() && inner[i] == '\'')
            quoted = !quoted;
        if (i < inner.size() && (quoted || inner[i] != ':'))
            continue;
        std::optional<std::string> part =
            openFormulaRefPart(inner.substr(start, i - start), ownSheet);
        if (!part || ++parts > 2)
            return std::nullopt;
        if (!out.empty())
            out += ':';
        out += *part;
        start = i + 1;
    }
    return out;
}

// Functions of the engine that Excel stores with the "_xlfn." prefix.
constexpr std::array<std::string_view, 39> kNewerFunctions{"ACOT",
                                                           "ACOTH",
                                                           "AGGREGATE",
                                                           "COMBINA",
                                                           "CONCAT",
                                                           "COT",
                                                           "COTH",
                                                           "COVARIANCE.P",
                                                           "COVARIANCE.S",
                                                           "CSC",
                                                           "CSCH",
                                                           "DAYS",
                                                           "FORECAST.LINEAR",
                                                           "IFNA",
                                                           "IFS",
                                                           "ISFORMULA",
                                                           "ISOWEEKNUM",
                                                           "MAXIFS",
                                                           "MINIFS",
                                                           "MODE.SNGL",
                                                           "PERCENTILE.EXC",
                                                           "PERCENTILE.INC",
                                                           "QUARTILE.EXC",
                                                           "QUARTILE.INC",
                                                           "RANK.AVG",
                                                           "RANK.EQ",
                                                           "SEC",
                                                           "SECH",
                                                           "STDEV.P",
                                                           "STDEV.S",
                                                           "SWITCH",
                                                           "TEXTJOIN",
                                                           "UNICHAR",
                                                           "UNICODE",
                                                           "VAR.P",
                                                           "VAR.S",
                                                           "XLOOKUP",
                                                           "XMATCH",
                                                           "XOR"};

bool isNewerFunction(std::string_view name) {
    for (std::string_view f : kNewerFunctions)
        if (equalNoCase(f, name))
            return true;
    return false;
}

// Rewrites `s` from `i` on: string literals are copied as they are, everything else is
// `other`'s, which appends to the output, moves i on and returns false to give up.
template <typename Other>
std::optional<std::string> rewrite(std::string_view s, size_t i, Other other) {
    std::string out;
    while (i < s.size()) {
        if (s[i] == '"')
            copyString(s, i, out);
        else if (!other(i, out))
            return std::nullopt;
    }
    return out;
}

} // namespace

std::optional<std::string> excelToEngine(std::string_view s, std::string_view ownSheet) {
    return rewrite(s, 0, [&](size_t& i, std::string& out) {
        const char c = s[i];
        if (c == '#') {
            copyHash(s, i, out);
        } else if (c == '\'') {
            std::string name;
            if (!quotedName(s, i, name) || i >= s.size() || s[i] != '!' ||
                !equalNoCase(name, ownSheet))
                return false;
            ++i;
        } else if (c == '[') {
            return false; // a table's columns or another workbook
        } else if (isNameStart(c)) {
            std::string_view w = word(s, i);
            if (i < s.size() && s[i] == '!') {
                if (!equalNoCase(w, ownSheet))
                    return false;
                ++i;
            } else {
                out.append(withoutPrefixes(w));
            }
        } else {
            out += c;
            ++i;
        }
        return true;
    });
}

std::optional<std::string> openFormulaToEngine(std::string_view s, std::string_view ownSheet) {
    size_t start = 0;
    while (start < s.size() && s[start] == ' ')
        ++start;
    if (startsNoCase(s.substr(start), "of:"))
        start += 3;
    if (start < s.size() && s[start] == '=')
        ++start;
    return rewrite(s, start, [&](size_t& i, std::string& out) {
        const char c = s[i];
        if (c == '#') {
            copyHash(s, i, out);
        } else if (c == '[') {
            size_t end = i + 1;
            bool quoted = false;
            while (end < s.size() && (quoted || s[end] != ']')) {
                if (s[end] == '\'')
                    quoted = !quoted;
                ++end;
            }
            if (end >= s.size())
                return false;
            std::optional<std::string> ref = openFormulaRef(s.substr(i + 1, end - i - 1), ownSheet);
            if (!ref)
                return false;
            out += *ref;
            i = end + 1;
        } else if (c == '~') {
            return false; // the union of references has no engine form
        } else if (isNameStart(c)) {
            out.append(withoutPrefixes(word(s, i)));
        } else {
            out += c == ';' ? ',' : c == '!' ? ' ' : c;
            ++i;
        }
        return true;
    });
}

std::optional<std::string> engineToExcel(std::string_view s) {
    return rewrite(s, 0, [&](size_t& i, std::string& out) {
        const char c = s[i];
        if (c == '?')
            return false;
        if (isNameStart(c)) {
            std::string_view w = word(s, i);
            size_t j = i;
            while (j < s.size() && s[j] == ' ')
                ++j;
            if (j < s.size() && s[j] == '(' && isNewerFunction(w))
                out += "_xlfn.";
            out.append(w);
        } else {
            out += c;
            ++i;
        }
        return true;
    });
}

} // namespace grid
