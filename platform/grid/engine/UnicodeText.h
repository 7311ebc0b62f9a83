#pragma once
// Unicode-aware text rules of the formula language: character counts, case
// mapping, case-blind equality, collation and wildcard patterns. Texts are UTF-8;
// ill-formed bytes count and compare as U+FFFD.

#include <cstdint>
#include <string>
#include <string_view>

namespace grid::text {

// Longest text a formula may build, in characters; longer results are #VALUE!.
inline constexpr int64_t kMaxTextLength = 32767;

// Number of characters (code points) of s.
int64_t charCount(std::string_view s);
// True when s holds at most kMaxTextLength characters.
bool fitsTextLimit(std::string_view s);

// Full Unicode case mapping, language-neutral ("straße" -> "STRASSE").
std::string upper(std::string_view s);
std::string lower(std::string_view s);

// Equality as the comparison operators and exact look-ups see it: code point for
// code point when case matters, after Unicode case folding when it does not.
bool equal(std::string_view a, std::string_view b, bool caseSensitive);
// A key of s for case-blind look-ups: foldKey(a) == foldKey(b) exactly when
// equal(a, b, false).
std::string foldKey(std::string_view s);

// Alphabetical order by the Unicode collation (letters with accents next to their
// base letter, "ä" between "a" and "b"): <0, 0, >0. Without regard to case two
// texts differing only in case are equal; with it, lower case comes first.
int collate(std::string_view a, std::string_view b, bool caseSensitive);

// '*' any run, '?' one character, '~' takes the next character literally; case-blind.
bool wildcardMatch(std::string_view pattern, std::string_view s);

// Character position (0-based) of the first place at or after `from` where the
// pattern (wildcards as above, case-blind) matches the start of the rest of s; -1
// when nowhere.
int64_t search(std::string_view pattern, std::string_view s, int64_t from);

// Whether the single character ch is a letter (Unicode category L).
bool isLetter(std::string_view ch);

} // namespace grid::text
