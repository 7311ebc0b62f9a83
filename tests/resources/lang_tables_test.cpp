// The language tables must hold a usable text for every number the dialogs ask for,
// in all four product languages, and every file must parse cleanly.

#include "LangTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <set>

using namespace langtest;
namespace fs = std::filesystem;

namespace {

struct Tables {
    std::map<std::string, LangFile> byCode;
    std::vector<Use> uses;
    std::vector<Problem> listProblems;

    Tables() {
        for (const auto& code : languageCodes()) byCode[code] = readLang(langDir() / (code + ".lang"));
        uses = readTextNumbers(sourceDir() / "tests" / "resources" / "text-numbers.txt", listProblems);
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

std::string key(char table, long n) { return std::string(1, table) + std::to_string(n); }

// Visible characters of a label once its accelerator mark is gone; "&&" stands for "&".
std::string withoutAccelerator(const std::string& text, int& marks, char32_t& letter) {
    std::string out;
    marks = 0;
    letter = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
                continue;
            }
            ++marks;
            letter = firstCodePoint(text, i + 1);
            continue;
        }
        out += text[i];
    }
    return out;
}

bool onlyKinds(const Use& u, std::initializer_list<const char*> allowed) {
    for (const auto& k : u.kinds)
        if (std::none_of(allowed.begin(), allowed.end(), [&](const char* a) { return k == a; })) return false;
    return true;
}

}  // namespace

// --- The reader itself, on small made-up files --------------------------------------

TEST(LangReader, FollowsTheDocumentedGrammar) {
    const LangFile f = parseLang(
        "\xEF\xBB\xBF# comment\r\n"
        "   \n"
        "  # indented comment\n"
        "D1=OK\r\n"
        "D1126 =  Open settings\n"
        "S2333=Object \n"
        "D5=a\\nb\\tc\\\\d\\x\n"
        "D6=x=y\n"
        "Mbolt length=Boutlengte\n"
        "D7=");
    EXPECT_TRUE(f.problems.empty());
    EXPECT_EQ(f.d.at(1), "OK");
    EXPECT_EQ(f.d.at(1126), "  Open settings");  // leading blanks of the text are kept
    EXPECT_EQ(f.s.at(2333), "Object ");
    EXPECT_EQ(f.d.at(5), "a\nb\tc\\d\\x");
    EXPECT_EQ(f.d.at(6), "x=y");
    EXPECT_EQ(f.m.at("bolt length"), "Boutlengte");
    EXPECT_EQ(f.d.at(7), "");
}

TEST(LangReader, ReportsMalformedLinesAndDuplicatesWithTheirLineNumbers) {
    const LangFile f = parseLang(
        "D1=OK\n"
        "X2=bad table\n"
        "D12a=bad number\n"
        "D3 no equals sign\n"
        " D4=indented entry\n"
        "D1=second\n"
        "S1=other table is fine\n");
    ASSERT_EQ(f.problems.size(), 5u);
    EXPECT_EQ(f.problems[0].line, 2);
    EXPECT_EQ(f.problems[1].line, 3);
    EXPECT_EQ(f.problems[2].line, 4);
    EXPECT_EQ(f.problems[3].line, 5);
    EXPECT_EQ(f.problems[4].line, 6);
    EXPECT_EQ(f.d.at(1), "OK");  // the first entry stands
    EXPECT_EQ(f.s.at(1), "other table is fine");
}

TEST(LangScanner, FindsLiteralTextNumbersOnly) {
    const auto uses = scanText(
        "auto a = dialString(1126);\n"
        "auto b = ::string( 2333 );\n"
        "auto c = dialString(open ? 841 : 842);\n"
        "std::string d = std::string(5, ' ');\n"
        "auto e = dialString(n);  auto f = string(n + 1);\n"
        "auto g = mydialString(7); auto h = dialString(\"(12)\");\n"
        "Tvl_String i(dialString(888) + L\".\");\n",
        "x.cpp");
    std::vector<std::string> got;
    for (const auto& u : uses) got.push_back(key(u.table, u.number) + "@" + std::to_string(u.line));
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::string>{"D1126@1", "D841@3", "D842@3", "D888@7", "S2333@2"}));
}

TEST(LangScanner, ResolvesNamedTextNumbers) {
    const Constants shared{{"kTextShared", 1134}, {"kTextTwice", -1}};
    std::vector<std::string> unresolved;
    const auto uses = scanText(
        "enum : int {\n"
        "    kTextCancel = 2,\n"
        "    kTextOpen = 841,\n"
        "    kTextSave = 842\n"
        "};\n"
        "constexpr int kTextTitle{1126};\n"
        "x = dialString(kTextCancel); y = dialString(save ? kTextSave : Texts::kTextOpen);\n"
        "z = dialString(kTextTitle) + dialString(kTextShared) + dialString(kTextTwice) + dialString(kUnknown);\n",
        "y.cpp", &shared, &unresolved);
    std::vector<std::string> got;
    for (const auto& u : uses) got.push_back(key(u.table, u.number));
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::string>{"D1126", "D1134", "D2", "D841", "D842"}));
    EXPECT_EQ(unresolved, (std::vector<std::string>{"y.cpp:8: dialString(kTextTwice)", "y.cpp:8: dialString(kUnknown)"}));
}

// --- The real tables ---------------------------------------------------------------

TEST(LangTables, EveryFileParsesWithoutMalformedLinesOrDuplicates) {
    for (const auto& [code, file] : tables().byCode) {
        ASSERT_TRUE(file.read) << code << ".lang is missing in " << langDir();
        for (const auto& p : file.problems) ADD_FAILURE() << code << ".lang line " << p.line << ": " << p.what;
        EXPECT_GT(file.d.size(), 400u) << code;
    }
}

TEST(LangTables, NumberListIsWellFormed) {
    const auto& t = tables();
    for (const auto& p : t.listProblems) ADD_FAILURE() << "text-numbers.txt line " << p.line << ": " << p.what;
    std::set<std::string> seen;
    for (const auto& u : t.uses)
        EXPECT_TRUE(seen.insert(key(u.table, u.number)).second)
            << "text-numbers.txt line " << u.line << ": " << key(u.table, u.number) << " listed twice";
    EXPECT_GT(t.uses.size(), 500u);
}

TEST(LangTables, EveryListedNumberHasATextInEveryLanguage) {
    for (const auto& u : tables().uses)
        for (const auto& [code, file] : tables().byCode) {
            const auto& tab = file.table(u.table);
            const auto it = tab.find(u.number);
            if (it == tab.end()) {
                ADD_FAILURE() << code << ".lang has no " << key(u.table, u.number) << " (" << u.where << ")";
            } else {
                EXPECT_FALSE(it->second.find_first_not_of(" \t") == std::string::npos)
                    << code << ".lang: " << key(u.table, u.number) << " is empty";
            }
        }
}

TEST(LangTables, AllLanguagesHoldTheSameNumbers) {
    const auto& en = tables().byCode.at("EN");
    for (const auto& [code, file] : tables().byCode) {
        for (char t : {'D', 'S'}) {
            for (const auto& [n, text] : file.table(t))
                EXPECT_TRUE(en.table(t).count(n)) << code << ".lang has " << key(t, n) << " that EN.lang lacks";
            for (const auto& [n, text] : en.table(t))
                EXPECT_TRUE(file.table(t).count(n)) << code << ".lang lacks " << key(t, n);
        }
    }
}

TEST(LangTables, EveryNumberUsedInTheCodeHasATextInEveryLanguage) {
    const fs::path src = sourceDir();
    std::vector<std::string> unresolved;
    const auto uses = scanSources({src / "kw", src / "core", src / "launcher"}, &unresolved);
    // Calls whose number the scan cannot see (a variable, a computed number) are only listed.
    for (const auto& u : unresolved) std::cout << "not checked: " << u << "\n";
    for (const auto& u : uses)
        for (const auto& [code, file] : tables().byCode) {
            const auto& tab = file.table(u.table);
            const auto it = tab.find(u.number);
            if (it == tab.end()) {
                ADD_FAILURE() << u.file << ":" << u.line << " asks for " << key(u.table, u.number) << ", which "
                              << code << ".lang lacks";
            } else {
                EXPECT_FALSE(it->second.empty()) << code << ".lang: " << key(u.table, u.number) << " is empty";
            }
        }
    std::set<std::string> listed;
    for (const auto& u : tables().uses) listed.insert(key(u.table, u.number));
    for (const auto& u : uses)
        EXPECT_TRUE(listed.count(key(u.table, u.number)))
            << u.file << ":" << u.line << " uses " << key(u.table, u.number)
            << ", which tests/resources/text-numbers.txt does not list";
}

// Blanks, accelerators and characters that would spoil the control or the data the text
// ends up in.
TEST(LangTables, TextsFitTheirPlace) {
    for (const auto& u : tables().uses) {
        const bool numberFollows = u.kinds.count("pre") > 0;
        const bool mayHaveAccelerator = onlyKinds(u, {"btn", "lbl"});
        const bool plainTitle = onlyKinds(u, {"cap", "btn", "tip", "hdr", "item"});
        for (const auto& [code, file] : tables().byCode) {
            const auto it = file.table(u.table).find(u.number);
            if (it == file.table(u.table).end()) continue;  // reported elsewhere
            const std::string& text = it->second;
            const std::string where = code + ".lang " + key(u.table, u.number) + " \"" + text + "\"";
            if (text.empty()) continue;
            EXPECT_NE(text.front(), ' ') << where << ": leading blank";
            if (numberFollows) {
                EXPECT_EQ(text.back(), ' ') << where << ": a number follows directly, so it ends in a blank";
            } else {
                EXPECT_NE(text.back(), ' ') << where << ": trailing blank";
            }
            EXPECT_EQ(text.find("  "), std::string::npos) << where << ": doubled blank";
            for (unsigned char c : text) EXPECT_GE(c, 0x20) << where << ": control character";

            int marks = 0;
            char32_t letter = 0;
            const std::string visible = withoutAccelerator(text, marks, letter);
            EXPECT_LE(marks, 1) << where << ": more than one accelerator";
            if (!mayHaveAccelerator) {
                EXPECT_EQ(marks, 0) << where << ": '&' would show as it is here";
            }
            if (marks == 1) {
                EXPECT_TRUE(letter != 0 && letter != ' ') << where << ": accelerator on nothing";
            }

            const bool ellipsis = visible.size() >= 3 && visible.compare(visible.size() - 3, 3, "...") == 0;
            if (plainTitle && visible.size() > 1 && !ellipsis) {
                EXPECT_NE(visible.back(), '.') << where << ": captions, buttons and headers end without a period";
                EXPECT_NE(visible.back(), ':') << where << ": captions, buttons and headers end without a colon";
            }
            if (!u.kinds.count("msg")) {
                // Shown on its own: starts like a title (a text continued by the dialog is "msg").
                size_t i = 0;
                while (i < visible.size() && std::string("*<(\"").find(visible[i]) != std::string::npos) ++i;
                EXPECT_FALSE(isLowerLetter(firstCodePoint(visible, i))) << where << ": starts with a small letter";
            }
            if (u.kinds.count("name")) {
                // Also used as a file, table or column name.
                EXPECT_EQ(text.find_first_of("\\/:*?\"<>|&;"), std::string::npos) << where << ": not usable as a name";
            }
        }
    }
}

TEST(LangTables, FindDialogAcceleratorsDifferInEachLanguage) {
    for (const auto& [code, file] : tables().byCode) {
        std::map<char32_t, long> used;
        for (long n : {1137L, 1138L, 1139L, 1140L, 1141L, 285L}) {
            int marks = 0;
            char32_t letter = 0;
            withoutAccelerator(file.d.at(n), marks, letter);
            if (marks == 0) continue;
            const char32_t lower = letter < 128 ? static_cast<char32_t>(std::tolower(static_cast<int>(letter))) : letter;
            const auto [it, fresh] = used.emplace(lower, n);
            EXPECT_TRUE(fresh) << code << ".lang: D" << n << " and D" << it->second << " share an accelerator";
        }
        EXPECT_GE(used.size(), 5u) << code << ".lang: the find dialog's labels and buttons want accelerators";
    }
}

// The section shape list is converted back from its text, so every built-in shape name
// must be distinct, and it is shown between "<" and ">".
TEST(LangTables, BuiltInShapeNamesAreDistinct) {
    for (const auto& [code, file] : tables().byCode) {
        std::map<std::string, long> names;
        for (long n = 719; n <= 735; ++n) {
            const std::string& name = file.d.at(n);
            EXPECT_EQ(name.find_first_of("<>"), std::string::npos) << code << ".lang D" << n;
            const auto [it, fresh] = names.emplace(name, n);
            EXPECT_TRUE(fresh) << code << ".lang: D" << n << " and D" << it->second << " are both \"" << name << "\"";
        }
    }
}

// The designer joins these with ";" into one list label and the property pane splits
// it again.
TEST(LangTables, DesignerListLabelPartsHoldNoSeparator) {
    for (const auto& [code, file] : tables().byCode)
        for (long n : {1316L, 1317L, 1318L, 1319L, 1320L, 705L, 1430L, 1431L, 1403L, 833L, 834L, 1342L})
            EXPECT_EQ(file.d.at(n).find(';'), std::string::npos) << code << ".lang D" << n;
}

// Texts the dialog compares with what a control reads back must not collide with the
// values a control can hold ("0", "1").
TEST(LangTables, IndeterminateTextIsNotANumber) {
    for (const auto& [code, file] : tables().byCode) {
        const std::string& varies = file.d.at(695);
        EXPECT_EQ(varies.find_first_of("0123456789"), std::string::npos) << code << ".lang D695";
    }
}
