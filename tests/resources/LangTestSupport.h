#pragma once
// Test support for the language tables: a small reader written against
// docs/language-tables.md, the checked-in list of text numbers, and a scanner that
// finds the text numbers the sources ask for.

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace langtest {

struct Problem {
    int line = 0;
    std::string what;
};

// One parsed language file.
struct LangFile {
    std::map<long, std::string> d;            // D<n>: dialString(n)
    std::map<long, std::string> s;            // S<n>: string(n)
    std::map<std::string, std::string> m;     // M<key>: macro texts
    std::vector<Problem> problems;            // malformed lines and duplicate numbers
    bool read = false;                        // false when the file could not be opened

    const std::map<long, std::string>& table(char t) const { return t == 'S' ? s : d; }
};

LangFile parseLang(const std::string& bytes);
LangFile readLang(const std::filesystem::path& file);

// The four product languages, in the order of the product's language list.
const std::vector<std::string>& languageCodes();
std::filesystem::path sourceDir();
std::filesystem::path langDir();

// One line of tests/resources/text-numbers.txt.
struct Use {
    char table = 'D';
    long number = 0;
    std::set<std::string> kinds;
    std::string where;
    int line = 0;
};
std::vector<Use> readTextNumbers(const std::filesystem::path& file, std::vector<Problem>& problems);

// A dialString(n) or string(n) call found in the sources.
struct CodeUse {
    char table = 'D';
    long number = 0;
    std::string file;
    int line = 0;
};
// Named text numbers: identifiers of the form k<Capital>... given a literal value,
// as enumerators or constants ("kTextOpen = 841," or "constexpr int kTextOpen = 841;"
// or "kTextOpen{841}").
using Constants = std::map<std::string, long>;
Constants constantsIn(const std::string& text);
// Scans C++ sources (.h, .hpp, .cpp, .cc) below the given folders. Recognised forms of
// the argument: a literal (dialString(1126), string(2333), ::string(2333)), a named
// constant (dialString(kTextOpen), also qualified), and a choice between two of these
// (dialString(open ? 1126 : kTextSave)). A constant is looked up in its own file
// first, then among the constants of all scanned files (names with one value only).
// std::string(...) is not a text call. Arguments of other forms are listed in
// `unresolved` ("file:line: argument").
std::vector<CodeUse> scanSources(const std::vector<std::filesystem::path>& roots,
                                 std::vector<std::string>* unresolved = nullptr);
std::vector<CodeUse> scanText(const std::string& text, const std::string& fileName,
                              const Constants* shared = nullptr, std::vector<std::string>* unresolved = nullptr);

// UTF-8 helpers for the checks.
char32_t firstCodePoint(const std::string& utf8, size_t from = 0);
bool isUpperLetter(char32_t c);
bool isLowerLetter(char32_t c);

}  // namespace langtest
