#include "core/Tvl_String.h"

#include "core/detail/Text.h"

#include "platform/base/Numbers.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdarg>

using core_detail::toLowerChar;
using core_detail::toUpperChar;

namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' ||
           c == 0xA0;
}

std::wstring upperCopy(std::wstring_view s) {
    std::wstring out(s);
    for (wchar_t& c : out)
        c = toUpperChar(c);
    return out;
}

bool sameChars(std::wstring_view a, std::wstring_view b, bool ignoreCase) {
    if (a.size() != b.size())
        return false;
    if (!ignoreCase)
        return a == b;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && toUpperChar(a[i]) != toUpperChar(b[i]))
            return false;
    }
    return true;
}

} // namespace

Tvl_String::Tvl_String(const wchar_t* text) : m_text(text ? text : L"") {}

Tvl_String::Tvl_String(const wchar_t* text, int count) {
    if (text && count > 0)
        m_text.assign(text, wcsnlen(text, static_cast<size_t>(count)));
}

Tvl_String::Tvl_String(std::wstring text) : m_text(std::move(text)) {}
Tvl_String::Tvl_String(std::wstring_view text) : m_text(text) {}
Tvl_String::Tvl_String(int value) : m_text(std::to_wstring(value)) {}
Tvl_String::Tvl_String(long value) : m_text(std::to_wstring(value)) {}
Tvl_String::Tvl_String(short value) : m_text(std::to_wstring(value)) {}

Tvl_String::Tvl_String(double value, int decimals) {
    decimals = std::clamp(decimals, 0, 20);
    m_text = core_detail::formatC(L"%.*f", decimals, value);
}

Tvl_String Tvl_String::fromChar(wchar_t c, int count) {
    return Tvl_String(std::wstring(static_cast<size_t>(std::max(count, 0)), c));
}

Tvl_String Tvl_String::fromUtf8(std::string_view bytes) {
    return Tvl_String(core_detail::fromUtf8Lenient(bytes));
}

std::string Tvl_String::toUtf8() const {
    return core_detail::toUtf8(m_text);
}

Tvl_String Tvl_String::format(const wchar_t* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::wstring s = fmt ? base::vformatW(fmt, args) : std::wstring();
    va_end(args);
    return Tvl_String(std::move(s));
}

wchar_t Tvl_String::at(int index) const {
    if (index < 0 || index >= length())
        return 0;
    return m_text[static_cast<size_t>(index)];
}

bool Tvl_String::setAt(int index, wchar_t c) {
    if (index < 0 || index >= length())
        return false;
    m_text[static_cast<size_t>(index)] = c;
    return true;
}

Tvl_String& Tvl_String::append(const Tvl_String& text) {
    m_text += text.m_text;
    return *this;
}

Tvl_String& Tvl_String::append(const wchar_t* text) {
    if (text)
        m_text += text;
    return *this;
}

Tvl_String& Tvl_String::append(wchar_t c) {
    m_text += c;
    return *this;
}

bool Tvl_String::equal(const Tvl_String& other, bool ignoreCase) const {
    return sameChars(m_text, other.m_text, ignoreCase);
}

int Tvl_String::compare(const Tvl_String& other, bool ignoreCase) const {
    int r = ignoreCase ? upperCopy(m_text).compare(upperCopy(other.m_text))
                       : m_text.compare(other.m_text);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

bool Tvl_String::startsWith(const Tvl_String& text, bool ignoreCase) const {
    if (text.m_text.size() > m_text.size())
        return false;
    return sameChars(std::wstring_view(m_text).substr(0, text.m_text.size()), text.m_text,
                     ignoreCase);
}

bool Tvl_String::endsWith(const Tvl_String& text, bool ignoreCase) const {
    if (text.m_text.size() > m_text.size())
        return false;
    return sameChars(std::wstring_view(m_text).substr(m_text.size() - text.m_text.size()),
                     text.m_text, ignoreCase);
}

bool Tvl_String::contains(const Tvl_String& text, bool ignoreCase) const {
    return find(text, 0, ignoreCase) >= 0;
}

int Tvl_String::find(const Tvl_String& text, int start, bool ignoreCase) const {
    if (start < 0)
        start = 0;
    if (start > length())
        return -1;
    size_t pos = ignoreCase
                     ? upperCopy(m_text).find(upperCopy(text.m_text), static_cast<size_t>(start))
                     : m_text.find(text.m_text, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int Tvl_String::find(wchar_t c, int start) const {
    if (start < 0)
        start = 0;
    if (start >= length())
        return -1;
    size_t pos = m_text.find(c, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int Tvl_String::findLast(const Tvl_String& text, bool ignoreCase) const {
    size_t pos =
        ignoreCase ? upperCopy(m_text).rfind(upperCopy(text.m_text)) : m_text.rfind(text.m_text);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int Tvl_String::findLast(wchar_t c) const {
    size_t pos = m_text.rfind(c);
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

int Tvl_String::findOneOf(const Tvl_String& chars, int start) const {
    if (start < 0)
        start = 0;
    if (start >= length() || chars.isEmpty())
        return -1;
    size_t pos = m_text.find_first_of(chars.m_text, static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

Tvl_String Tvl_String::getSubStringAt(int start, int count) const {
    if (start < 0) {
        if (count >= 0)
            count = std::max(0, count + start);
        start = 0;
    }
    if (start >= length() || count == 0)
        return Tvl_String();
    size_t n = count < 0 ? std::wstring::npos : static_cast<size_t>(count);
    return Tvl_String(m_text.substr(static_cast<size_t>(start), n));
}

Tvl_String Tvl_String::left(int count) const {
    return getSubStringAt(0, std::max(count, 0));
}

Tvl_String Tvl_String::right(int count) const {
    count = std::clamp(count, 0, length());
    return Tvl_String(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

bool Tvl_String::insertAt(int index, const Tvl_String& text) {
    if (index < 0 || index > length())
        return false;
    m_text.insert(static_cast<size_t>(index), text.m_text);
    return true;
}

bool Tvl_String::insertAt(int index, wchar_t c) {
    if (index < 0 || index > length())
        return false;
    m_text.insert(m_text.begin() + index, c);
    return true;
}

bool Tvl_String::removeAt(int index, int count) {
    if (index < 0 || index >= length() || count < 0)
        return false;
    m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return true;
}

int Tvl_String::replaceSubString(const Tvl_String& oldText, const Tvl_String& newText,
                                 bool ignoreCase) {
    if (oldText.isEmpty())
        return 0;
    std::wstring result;
    int replaced = 0;
    int pos = 0;
    for (;;) {
        int hit = find(oldText, pos, ignoreCase);
        if (hit < 0)
            break;
        result.append(m_text, static_cast<size_t>(pos), static_cast<size_t>(hit - pos));
        result += newText.m_text;
        pos = hit + oldText.length();
        ++replaced;
    }
    if (replaced) {
        result.append(m_text, static_cast<size_t>(pos));
        m_text = std::move(result);
    }
    return replaced;
}

int Tvl_String::replaceChar(wchar_t oldChar, wchar_t newChar) {
    int n = 0;
    for (wchar_t& c : m_text) {
        if (c == oldChar) {
            c = newChar;
            ++n;
        }
    }
    return n;
}

int Tvl_String::removeChars(const Tvl_String& chars) {
    size_t before = m_text.size();
    std::erase_if(m_text, [&](wchar_t c) { return chars.m_text.find(c) != std::wstring::npos; });
    return static_cast<int>(before - m_text.size());
}

Tvl_String& Tvl_String::trimLeft() {
    size_t i = 0;
    while (i < m_text.size() && isBlank(m_text[i]))
        ++i;
    m_text.erase(0, i);
    return *this;
}

Tvl_String& Tvl_String::trimRight() {
    size_t n = m_text.size();
    while (n > 0 && isBlank(m_text[n - 1]))
        --n;
    m_text.resize(n);
    return *this;
}

Tvl_String& Tvl_String::trim() {
    return trimRight().trimLeft();
}

Tvl_String Tvl_String::trimmed() const {
    Tvl_String copy(*this);
    return copy.trim();
}

Tvl_String& Tvl_String::makeUpper() {
    for (wchar_t& c : m_text)
        c = toUpperChar(c);
    return *this;
}

Tvl_String& Tvl_String::makeLower() {
    for (wchar_t& c : m_text)
        c = toLowerChar(c);
    return *this;
}

Tvl_String Tvl_String::upper() const {
    Tvl_String copy(*this);
    return copy.makeUpper();
}

Tvl_String Tvl_String::lower() const {
    Tvl_String copy(*this);
    return copy.makeLower();
}

double Tvl_String::toDouble() const {
    return core_detail::parseLeadingDouble(m_text);
}

long Tvl_String::toLong() const {
    return static_cast<long>(core_detail::parseLeadingInteger(m_text));
}

int Tvl_String::toInt() const {
    long long v = core_detail::parseLeadingInteger(m_text);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

bool Tvl_String::toDouble(double& value) const {
    Tvl_String t = trimmed();
    if (t.isEmpty())
        return false;
    size_t used = 0;
    double v = core_detail::parseLeadingDouble(t.m_text, &used);
    if (used != t.m_text.size())
        return false;
    value = v;
    return true;
}

bool Tvl_String::toInt(int& value) const {
    Tvl_String t = trimmed();
    if (t.isEmpty())
        return false;
    size_t used = 0;
    long long v = core_detail::parseLeadingInteger(t.m_text, &used);
    if (used != t.m_text.size() || v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

Tvl_String operator+(const Tvl_String& a, const Tvl_String& b) {
    return Tvl_String(a.m_text + b.m_text);
}

Tvl_String operator+(const Tvl_String& a, const wchar_t* b) {
    return Tvl_String(a.m_text + (b ? b : L""));
}

Tvl_String operator+(const wchar_t* a, const Tvl_String& b) {
    return Tvl_String((a ? a : L"") + b.m_text);
}

Tvl_String operator+(const Tvl_String& a, wchar_t b) {
    return Tvl_String(a.m_text + b);
}
