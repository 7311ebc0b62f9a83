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

// A dialString(n) or string(n) call with a literal number found in the sources.
struct CodeUse {
    char table = 'D';
    long number = 0;
    std::string file;
    int line = 0;
};
// Scans C++ sources (.h, .hpp, .cpp, .cc) below the given folders. Recognised forms:
// dialString(1126), string(2333), ::string(2333), and a choice between two literals
// such as dialString(open ? 1126 : 1127). std::string(...) is not a text call.
std::vector<CodeUse> scanSources(const std::vector<std::filesystem::path>& roots);
std::vector<CodeUse> scanText(const std::string& text, const std::string& fileName);

// UTF-8 helpers for the checks.
char32_t firstCodePoint(const std::string& utf8, size_t from = 0);
bool isUpperLetter(char32_t c);
bool isLowerLetter(char32_t c);

}  // namespace langtest
