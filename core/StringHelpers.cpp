#include "core/StringHelpers.h"

#include <unordered_set>

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Counts a decimal digit string up by one, keeping its width unless it overflows.
std::wstring incrementDigits(std::wstring digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != L'9') {
            ++digits[i];
            return digits;
        }
        digits[i] = L'0';
    }
    return L"1" + digits;
}

} // namespace

Tvl_String append(const Tvl_String& text, int number) {
    return text + Tvl_String(number);
}

void strToArr(const Tvl_String& text, const Tvl_String& separator, Tvl_StringArray& list) {
    list.clear();
    if (text.isEmpty())
        return;
    if (separator.isEmpty()) {
        list.append(text);
        return;
    }
    int pos = 0;
    for (;;) {
        int hit = text.find(separator, pos);
        if (hit < 0) {
            list.append(text.getSubStringAt(pos));
            return;
        }
        list.append(text.getSubStringAt(pos, hit - pos));
        pos = hit + separator.length();
    }
}

Tvl_String arrToStr(const Tvl_StringArray& list, const Tvl_String& separator) {
    Tvl_String out;
    for (int i = 0; i < list.length(); ++i) {
        if (i > 0)
            out.append(separator);
        out.append(list[i]);
    }
    return out;
}

bool splitStringAtSymbol(const Tvl_String& text, wchar_t symbol, Tvl_String& head,
                         Tvl_String& rest) {
    int pos = text.find(symbol);
    if (pos < 0) {
        head = text;
        rest.clear();
        return false;
    }
    Tvl_String copy(text); // `head` or `rest` may be `text` itself
    head = copy.left(pos);
    rest = copy.getSubStringAt(pos + 1);
    return true;
}

bool isNumber(const Tvl_String& text) {
    Tvl_String t = text.trimmed();
    int i = 0;
    int n = t.length();
    if (i < n && (t[i] == L'+' || t[i] == L'-'))
        ++i;
    int digits = 0;
    while (i < n && isDigit(t[i])) {
        ++i;
        ++digits;
    }
    if (i < n && t[i] == L'.') {
        ++i;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return false;
    if (i < n && (t[i] == L'e' || t[i] == L'E')) {
        ++i;
        if (i < n && (t[i] == L'+' || t[i] == L'-'))
            ++i;
        int expDigits = 0;
        while (i < n && isDigit(t[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

bool startsWithNumber(const Tvl_String& text) {
    return isDigit(text.at(0));
}

bool findFirstNumbers(const Tvl_String& text, int& pos) {
    for (int i = 0; i < text.length(); ++i) {
        if (isDigit(text[i])) {
            pos = i;
            return true;
        }
    }
    pos = -1;
    return false;
}

Tvl_String findNonExistingString(const Tvl_StringArray& existing, const Tvl_String& proposal) {
    // Compared without regard to case through one upper-cased set: a long list of
    // numbered names would otherwise cost a full scan per candidate.
    std::unordered_set<std::wstring> taken;
    for (const Tvl_String& name : existing)
        taken.insert(name.upper().str());
    auto isFree = [&](const Tvl_String& s) { return !taken.count(s.upper().str()); };

    Tvl_String candidate = proposal.isEmpty() ? Tvl_String(L"1") : proposal;
    if (isFree(candidate))
        return candidate;

    int start = candidate.length();
    while (start > 0 && isDigit(candidate[start - 1]))
        --start;
    Tvl_String stem = candidate.left(start);
    std::wstring digits = candidate.getSubStringAt(start).str();
    if (digits.empty())
        digits = L"0";
    // Each round gives a new candidate, so at most existing.length() + 1 rounds.
    for (;;) {
        digits = incrementDigits(digits);
        candidate = stem + Tvl_String(digits);
        if (isFree(candidate))
            return candidate;
    }
}

Tvl_StringArray stringArr(const Tvl_String& s1, const Tvl_String& s2, const Tvl_String& s3,
                          const Tvl_String& s4, const Tvl_String& s5) {
    const Tvl_String* all[] = {&s1, &s2, &s3, &s4, &s5};
    int count = 5;
    while (count > 0 && all[count - 1]->isEmpty())
        --count;
    Tvl_StringArray list;
    for (int i = 0; i < count; ++i)
        list.append(*all[i]);
    return list;
}

void arrToArrArr(const Tvl_StringArray& lines, wchar_t separator,
                 Tvl_Array<Tvl_StringArray>& rows) {
    rows.clear();
    for (const Tvl_String& line : lines) {
        Tvl_StringArray fields;
        int pos = 0;
        for (;;) {
            int hit = line.find(separator, pos);
            if (hit < 0) {
                fields.append(line.getSubStringAt(pos));
                break;
            }
            fields.append(line.getSubStringAt(pos, hit - pos));
            pos = hit + 1;
        }
        rows.append(fields);
    }
}

void arrArrToArr(const Tvl_Array<Tvl_StringArray>& rows, wchar_t separator,
                 Tvl_StringArray& lines) {
    lines.clear();
    for (const Tvl_StringArray& fields : rows)
        lines.append(arrToStr(fields, Tvl_String::fromChar(separator)));
}

void appStrs(Tvl_StringArray& target, const Tvl_StringArray& source) {
    target.append(source);
}
