#include "LangTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#if TVL_LANG_WITH_CORE
#include "core/LanguageTable.h"
#endif

namespace langtest {

namespace fs = std::filesystem;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string unescape(const std::string& raw) {
    std::string out;
    out.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
            const char next = raw[i + 1];
            if (next == 'n') { out += '\n'; ++i; continue; }
            if (next == 't') { out += '\t'; ++i; continue; }
            if (next == '\\') { out += '\\'; ++i; continue; }
        }
        out += raw[i];
    }
    return out;
}

bool isIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string trim(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return s.substr(b, e - b);
}

bool allDigits(const std::string& s) {
    if (s.empty() || s.size() > 9) return false;
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// Text of a call's argument list from the character after '(' up to the matching
// ')', with string and character literals blanked; npos when unbalanced.
size_t argumentEnd(const std::string& text, size_t open, std::string& arg) {
    int depth = 1;
    for (size_t i = open; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            const char quote = c;
            arg += ' ';
            for (++i; i < text.size() && text[i] != quote; ++i)
                if (text[i] == '\\') ++i;
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')' && --depth == 0) return i;
        arg += c;
    }
    return std::string::npos;
}

}  // namespace

LangFile parseLang(const std::string& input) {
    LangFile f;
    f.read = true;
    std::string bytes = input;
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    int lineNo = 0;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        std::string line = bytes.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? bytes.size() : end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();

        size_t i = 0;
        while (i < line.size() && isBlank(line[i])) ++i;
        if (i == line.size() || line[i] == '#') continue;  // blank or comment
        if (i != 0) {
            f.problems.push_back({lineNo, "entry does not start at the beginning of the line"});
            continue;
        }
        const char table = line[0];
        const size_t eq = line.find('=');
        if ((table != 'D' && table != 'S' && table != 'M') || eq == std::string::npos) {
            f.problems.push_back({lineNo, "not an entry, comment or blank line"});
            continue;
        }
        const std::string text = unescape(line.substr(eq + 1));
        if (table == 'M') {
            const std::string key = line.substr(1, eq - 1);
            if (key.empty()) {
                f.problems.push_back({lineNo, "macro text without a key"});
            } else if (!f.m.emplace(key, text).second) {
                f.problems.push_back({lineNo, "second entry for M" + key});
            }
            continue;
        }
        std::string head = line.substr(1, eq - 1);
        while (!head.empty() && isBlank(head.back())) head.pop_back();
        if (!allDigits(head)) {
            f.problems.push_back({lineNo, "bad text number \"" + head + "\""});
            continue;
        }
        const long number = std::stol(head);
        auto& tab = table == 'D' ? f.d : f.s;
        if (!tab.emplace(number, text).second)
            f.problems.push_back({lineNo, std::string("second entry for ") + table + head});
    }
    return f;
}

LangFile readLang(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return LangFile{};
    std::ostringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    LangFile mine = parseLang(bytes);
#if TVL_LANG_WITH_CORE
    // The texts and problems are the core module's loader's; this reader only lists
    // which numbers the file holds, so the checks can walk them.
    LanguageTable table;
    const LanguageTable::LoadResult result = table.loadFromText(bytes);
    LangFile f;
    f.read = result.fileRead;
    for (const auto& p : result.problems) f.problems.push_back({p.line, p.message.toUtf8()});
    auto take = [&](const std::map<long, std::string>& keys, LanguageTable::Table which, char name,
                    std::map<long, std::string>& into) {
        for (const auto& [n, text] : keys) {
            if (const Tvl_String* t = table.find(which, static_cast<int>(n)))
                into[n] = t->toUtf8();
            else
                f.problems.push_back({0, std::string("the core loader did not take ") + name + std::to_string(n)});
        }
        if (table.count(which) != static_cast<int>(keys.size()))
            f.problems.push_back({0, std::string("the core loader and the test reader disagree on the number of ") +
                                         name + " entries"});
    };
    take(mine.d, LanguageTable::Table::Dialog, 'D', f.d);
    take(mine.s, LanguageTable::Table::String, 'S', f.s);
    f.m = mine.m;
    return f;
#else
    return mine;
#endif
}

const std::vector<std::string>& languageCodes() {
    static const std::vector<std::string> codes{"EN", "NL", "DE", "FR"};
    return codes;
}

fs::path sourceDir() {
    if (const char* env = std::getenv("TVL_SOURCE_DIR"); env && *env) return env;
    return TVL_SOURCE_DIR;
}

fs::path langDir() { return sourceDir() / "resources" / "lang"; }

std::vector<Use> readTextNumbers(const fs::path& file, std::vector<Problem>& problems) {
    std::vector<Use> uses;
    std::ifstream in(file);
    if (!in) {
        problems.push_back({0, "cannot read " + file.string()});
        return uses;
    }
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        const std::string t = trim(line);
        if (t.empty() || t[0] == '#') continue;
        std::istringstream ls(t);
        std::string table, number, kinds;
        ls >> table >> number >> kinds;
        Use u;
        u.line = lineNo;
        std::getline(ls, u.where);
        u.where = trim(u.where);
        if ((table != "D" && table != "S") || !allDigits(number) || kinds.empty()) {
            problems.push_back({lineNo, "malformed line: " + t});
            continue;
        }
        u.table = table[0];
        u.number = std::stol(number);
        std::istringstream ks(kinds);
        for (std::string k; std::getline(ks, k, ',');)
            if (!k.empty()) u.kinds.insert(k);
        uses.push_back(u);
    }
    return uses;
}

Constants constantsIn(const std::string& text) {
    static const std::regex def(R"(\b(k[A-Z][A-Za-z0-9_]*)\s*(?:=\s*([0-9]{1,9})\s*[,;}]|\{\s*([0-9]{1,9})\s*\}))");
    Constants found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), def); it != std::sregex_iterator(); ++it) {
        const std::string value = (*it)[2].matched ? (*it)[2].str() : (*it)[3].str();
        found.emplace((*it)[1].str(), std::stol(value));
    }
    return found;
}

std::vector<CodeUse> scanText(const std::string& text, const std::string& fileName, const Constants* shared,
                              std::vector<std::string>* unresolved) {
    const Constants local = constantsIn(text);
    auto resolve = [&](std::string cand, long& number) {
        cand = trim(cand);
        if (allDigits(cand)) {
            number = std::stol(cand);
            return true;
        }
        const size_t colons = cand.rfind("::");
        if (colons != std::string::npos) cand = cand.substr(colons + 2);
        if (cand.empty() || !std::all_of(cand.begin(), cand.end(), isIdentChar)) return false;
        if (auto it = local.find(cand); it != local.end()) {
            number = it->second;
            return true;
        }
        if (shared) {
            if (auto it = shared->find(cand); it != shared->end() && it->second >= 0) {
                number = it->second;
                return true;
            }
        }
        return false;
    };

    std::vector<CodeUse> found;
    for (const std::string name : {"dialString", "string"}) {
        size_t pos = 0;
        while ((pos = text.find(name, pos)) != std::string::npos) {
            const size_t start = pos;
            pos += name.size();
            if (start > 0 && isIdentChar(text[start - 1])) continue;
            if (pos < text.size() && isIdentChar(text[pos])) continue;
            if (start >= 5 && text.compare(start - 5, 5, "std::") == 0) continue;
            size_t open = pos;
            while (open < text.size() && isBlank(text[open])) ++open;
            if (open >= text.size() || text[open] != '(') continue;
            std::string arg;
            if (argumentEnd(text, open + 1, arg) == std::string::npos) continue;

            std::vector<std::string> candidates;
            const size_t q = arg.find('?');
            if (q == std::string::npos) {
                candidates.push_back(arg);
            } else {
                const size_t c = arg.find(':', q);
                // "a ? b : c" with plain branches; "::" inside a branch is a qualification.
                size_t colon = c;
                while (colon != std::string::npos && colon + 1 < arg.size() && arg[colon + 1] == ':')
                    colon = arg.find(':', colon + 2);
                if (colon != std::string::npos && arg.find('?', q + 1) == std::string::npos) {
                    candidates.push_back(arg.substr(q + 1, colon - q - 1));
                    candidates.push_back(arg.substr(colon + 1));
                }
            }
            const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + start, '\n'));
            const std::string what = trim(arg);
            if (what.empty()) continue;  // a declaration such as "string()" or a call without number
            bool any = false;
            for (const auto& cand : candidates) {
                long number = 0;
                if (resolve(cand, number)) {
                    found.push_back({name == "dialString" ? 'D' : 'S', number, fileName, line});
                    any = true;
                }
            }
            static const std::regex declaration(R"(^[A-Za-z_][A-Za-z0-9_:<>]*\s+[A-Za-z_][A-Za-z0-9_]*$)");
            if (!any && unresolved && !std::regex_match(what, declaration))
                unresolved->push_back(fileName + ":" + std::to_string(line) + ": " + name + "(" + what + ")");
        }
    }
    return found;
}

std::vector<CodeUse> scanSources(const std::vector<fs::path>& roots, std::vector<std::string>* unresolved) {
    std::vector<std::pair<std::string, std::string>> files;  // name, text
    for (const auto& root : roots) {
        std::error_code ec;
        if (!fs::is_directory(root, ec)) continue;
        for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            if (!it->is_regular_file(ec)) continue;
            const std::string ext = it->path().extension().string();
            if (ext != ".h" && ext != ".hpp" && ext != ".cpp" && ext != ".cc") continue;
            std::ifstream in(it->path(), std::ios::binary);
            std::ostringstream ss;
            ss << in.rdbuf();
            std::error_code rec;
            std::string rel = fs::relative(it->path(), sourceDir(), rec).string();
            files.emplace_back(rel.empty() ? it->path().string() : rel, ss.str());
        }
    }
    Constants shared;  // a name with different values in different files is marked -1
    for (const auto& [name, text] : files)
        for (const auto& [id, value] : constantsIn(text)) {
            auto [it, fresh] = shared.emplace(id, value);
            if (!fresh && it->second != value) it->second = -1;
        }
    std::vector<CodeUse> all;
    for (const auto& [name, text] : files) {
        auto uses = scanText(text, name, &shared, unresolved);
        all.insert(all.end(), uses.begin(), uses.end());
    }
    return all;
}

char32_t firstCodePoint(const std::string& s, size_t i) {
    if (i >= s.size()) return 0;
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return b0;
    auto cont = [&](size_t k) -> char32_t {
        return i + k < s.size() ? (static_cast<unsigned char>(s[i + k]) & 0x3F) : 0;
    };
    if ((b0 & 0xE0) == 0xC0) return ((b0 & 0x1F) << 6) | cont(1);
    if ((b0 & 0xF0) == 0xE0) return ((b0 & 0x0F) << 12) | (cont(1) << 6) | cont(2);
    return ((b0 & 0x07) << 18) | (cont(1) << 12) | (cont(2) << 6) | cont(3);
}

// Latin letters as far as the four product languages need them.
bool isUpperLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x152 || c == 0x178;
}

bool isLowerLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c <= 0xFF && c != 0xF7) || c == 0x153;
}

}  // namespace langtest
