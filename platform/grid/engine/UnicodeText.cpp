#include "platform/grid/engine/UnicodeText.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <unicode/ucasemap.h>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/utf8.h>

namespace grid::text {

namespace {

struct CaseMapCloser {
    void operator()(UCaseMap* m) const { ucasemap_close(m); }
};
struct CollatorCloser {
    void operator()(UCollator* c) const { ucol_close(c); }
};

// One case map and two collators per thread: ICU objects are cheap to use but not
// shared across threads.
UCaseMap* caseMap() {
    thread_local std::unique_ptr<UCaseMap, CaseMapCloser> map = [] {
        UErrorCode st = U_ZERO_ERROR;
        return std::unique_ptr<UCaseMap, CaseMapCloser>(ucasemap_open("", 0, &st));
    }();
    return map.get();
}

UCollator* collator(bool caseSensitive) {
    auto make = [](UColAttributeValue strength) {
        UErrorCode st = U_ZERO_ERROR;
        std::unique_ptr<UCollator, CollatorCloser> c(ucol_open("en_US", &st));
        if (c && U_SUCCESS(st)) {
            ucol_setStrength(c.get(), strength);
            ucol_setAttribute(c.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &st);
        }
        return c;
    };
    thread_local std::unique_ptr<UCollator, CollatorCloser> sensitive = make(UCOL_TERTIARY);
    thread_local std::unique_ptr<UCollator, CollatorCloser> blind = make(UCOL_SECONDARY);
    return caseSensitive ? sensitive.get() : blind.get();
}

using MapFn = int32_t (*)(const UCaseMap*, char*, int32_t, const char*, int32_t, UErrorCode*);

std::string mapCase(std::string_view s, MapFn fn) {
    UCaseMap* map = caseMap();
    if (!map || s.size() > static_cast<size_t>(INT32_MAX / 4))
        return std::string(s);
    std::string out(s.size() + 16, '\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode st = U_ZERO_ERROR;
        int32_t n = fn(map, out.data(), static_cast<int32_t>(out.size()), s.data(),
                       static_cast<int32_t>(s.size()), &st);
        if (st == U_BUFFER_OVERFLOW_ERROR) {
            out.assign(static_cast<size_t>(n), '\0');
            continue;
        }
        if (U_FAILURE(st))
            return std::string(s);
        out.resize(static_cast<size_t>(n));
        return out;
    }
    return std::string(s);
}

int32_t foldCase(const UCaseMap* m, char* d, int32_t cap, const char* s, int32_t n,
                 UErrorCode* st) {
    return ucasemap_utf8FoldCase(m, d, cap, s, n, st);
}

// Code points of s, case-folded (simple folding: one code point each).
std::vector<UChar32> foldedCodePoints(std::string_view s) {
    std::vector<UChar32> cps;
    cps.reserve(s.size());
    int32_t i = 0, n = static_cast<int32_t>(std::min<size_t>(s.size(), INT32_MAX));
    while (i < n) {
        UChar32 c;
        U8_NEXT(s.data(), i, n, c);
        if (c < 0)
            c = 0xFFFD;
        cps.push_back(u_foldCase(c, U_FOLD_CASE_DEFAULT));
    }
    return cps;
}

} // namespace

int64_t charCount(std::string_view s) {
    int64_t n = 0;
    int32_t i = 0, len = static_cast<int32_t>(std::min<size_t>(s.size(), INT32_MAX));
    while (i < len) {
        UChar32 c;
        U8_NEXT(s.data(), i, len, c);
        (void)c;
        ++n;
    }
    return n;
}

bool fitsTextLimit(std::string_view s) {
    // Every character takes one to four bytes.
    if (s.size() <= static_cast<size_t>(kMaxTextLength))
        return true;
    if (s.size() > static_cast<size_t>(kMaxTextLength) * 4)
        return false;
    return charCount(s) <= kMaxTextLength;
}

// ICU's full mappings, with LibreOffice's two departures from them: "ß" takes the
// capital sharp s (U+1E9E) instead of "SS", and "İ" (U+0130) keeps its dot as one
// character instead of turning into "i" and a combining dot.
std::string upper(std::string_view s) {
    static constexpr std::string_view kSharpS = "\xC3\x9F", kCapitalSharpS = "\xE1\xBA\x9E";
    if (s.find(kSharpS) == std::string_view::npos)
        return mapCase(s, ucasemap_utf8ToUpper);
    std::string t;
    t.reserve(s.size() + 8);
    for (size_t i = 0; i < s.size();) {
        if (s.compare(i, kSharpS.size(), kSharpS) == 0) {
            t += kCapitalSharpS;
            i += kSharpS.size();
        } else {
            t += s[i++];
        }
    }
    return mapCase(t, ucasemap_utf8ToUpper);
}

std::string lower(std::string_view s) {
    static constexpr std::string_view kDottedI = "\xC4\xB0";
    std::string out;
    size_t from = 0;
    for (;;) {
        size_t at = s.find(kDottedI, from);
        out += mapCase(s.substr(from, at == std::string_view::npos ? at : at - from),
                       ucasemap_utf8ToLower);
        if (at == std::string_view::npos)
            return out;
        out += kDottedI;
        from = at + kDottedI.size();
    }
}

bool equal(std::string_view a, std::string_view b, bool caseSensitive) {
    if (a == b)
        return true;
    if (caseSensitive)
        return false;
    auto ascii = [](std::string_view t) {
        for (char ch : t)
            if (static_cast<unsigned char>(ch) >= 0x80)
                return false;
        return true;
    };
    if (ascii(a) && ascii(b)) {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i) {
            unsigned char x = static_cast<unsigned char>(a[i]),
                          y = static_cast<unsigned char>(b[i]);
            if (x != y && !((x | 0x20) == (y | 0x20) && (x | 0x20) >= 'a' && (x | 0x20) <= 'z'))
                return false;
        }
        return true;
    }
    return mapCase(a, foldCase) == mapCase(b, foldCase);
}

std::string foldKey(std::string_view s) {
    bool ascii = true;
    for (char ch : s)
        ascii = ascii && static_cast<unsigned char>(ch) < 0x80;
    if (!ascii)
        return mapCase(s, foldCase);
    // Case folding maps ASCII to ASCII exactly as this does, so mixed pairs agree too.
    std::string k(s);
    for (char& ch : k)
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
    return k;
}

int collate(std::string_view a, std::string_view b, bool caseSensitive) {
    UCollator* c = collator(caseSensitive);
    UErrorCode st = U_ZERO_ERROR;
    UCollationResult r = UCOL_EQUAL;
    if (c && a.size() < INT32_MAX && b.size() < INT32_MAX)
        r = ucol_strcollUTF8(c, a.data(), static_cast<int32_t>(a.size()), b.data(),
                             static_cast<int32_t>(b.size()), &st);
    if (!c || U_FAILURE(st))
        return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

namespace {

// Whether pat matches txt[t0...]: the whole rest, or with `prefix` any start of it.
bool matchFrom(const std::vector<UChar32>& pat, const std::vector<UChar32>& txt, size_t t0,
               bool prefix) {
    size_t p = 0, t = t0, starP = SIZE_MAX, starT = 0;
    while (t < txt.size()) {
        if (prefix && p == pat.size())
            return true;
        if (p < pat.size() && pat[p] == '~' && p + 1 < pat.size()) {
            if (pat[p + 1] == txt[t]) {
                p += 2;
                ++t;
                continue;
            }
        } else if (p < pat.size() && pat[p] == '*') {
            starP = p++;
            starT = t;
            continue;
        } else if (p < pat.size() && (pat[p] == '?' || pat[p] == txt[t])) {
            ++p;
            ++t;
            continue;
        }
        if (starP == SIZE_MAX)
            return false;
        p = starP + 1;
        t = ++starT;
    }
    while (p < pat.size() && pat[p] == '*')
        ++p;
    return p == pat.size();
}

} // namespace

bool wildcardMatch(std::string_view pattern, std::string_view s) {
    return matchFrom(foldedCodePoints(pattern), foldedCodePoints(s), 0, false);
}

int64_t search(std::string_view pattern, std::string_view s, int64_t from) {
    const std::vector<UChar32> pat = foldedCodePoints(pattern), txt = foldedCodePoints(s);
    bool plain = true;
    for (UChar32 c : pat)
        plain = plain && c != '*' && c != '?' && c != '~';
    for (size_t t = static_cast<size_t>(std::max<int64_t>(from, 0)); t <= txt.size(); ++t) {
        if (plain) {
            if (txt.size() - t < pat.size())
                return -1;
            if (std::equal(pat.begin(), pat.end(), txt.begin() + static_cast<std::ptrdiff_t>(t)))
                return static_cast<int64_t>(t);
        } else if (matchFrom(pat, txt, t, true)) {
            return static_cast<int64_t>(t);
        }
    }
    return -1;
}

bool isLetter(std::string_view ch) {
    int32_t i = 0, n = static_cast<int32_t>(std::min<size_t>(ch.size(), INT32_MAX));
    if (n == 0)
        return false;
    UChar32 c;
    U8_NEXT(ch.data(), i, n, c);
    return c >= 0 && u_isalpha(c);
}

} // namespace grid::text
