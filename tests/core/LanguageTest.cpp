#include "core/LanguageTexts.h"
#include "core/MacroLangs.h"
#include "core/Tvl_Settings.h"

#include "CaptureOutput.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// Points the text lookup at a folder of language files and a language.
class LanguageFolder {
public:
    LanguageFolder(const std::string& name, const char* language) {
        m_dir = scratchDir(name);
        setenv("TVL_LANG_DIR", m_dir.c_str(), 1);
        setenv("TVL_LANGUAGE", language, 1);
        gSettings.reload();
        reloadLanguageTables();
    }
    ~LanguageFolder() {
        unsetenv("TVL_LANG_DIR");
        unsetenv("TVL_LANGUAGE");
        gSettings.reload();
        reloadLanguageTables();
    }
    void write(const char* file, const std::string& bytes) { writeBytes(m_dir / file, bytes); }

private:
    std::filesystem::path m_dir;
};

} // namespace

TEST(LanguageTable, ParsesEntriesEscapesAndLineEnds) {
    LanguageTable t;
    auto r = t.loadFromText("\xEF\xBB\xBF# comment\n"
                            "   # indented comment\n"
                            "\n"
                            "   \n"
                            "D1=OK\n"
                            "D1126=Open settings\r\n"
                            "D2 =  Cancel\n"
                            "S2333=Object=\\n\\tline\\\\ \\q\n"
                            "D5=\n"
                            "MRadius=Straal\n"
                            "M My key=x\n"
                            "D0007=seven");
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.entries, 8);
    EXPECT_EQ(*t.find(LanguageTable::Table::Dialog, 1), L"OK");
    EXPECT_EQ(*t.find(LanguageTable::Table::Dialog, 1126), L"Open settings");
    EXPECT_EQ(*t.find(LanguageTable::Table::Dialog, 2),
              L"  Cancel"); // leading blanks of a text stay
    EXPECT_EQ(*t.find(LanguageTable::Table::String, 2333), L"Object=\n\tline\\ \\q");
    EXPECT_EQ(*t.find(LanguageTable::Table::Dialog, 5), L"");
    EXPECT_EQ(*t.find(LanguageTable::Table::Dialog, 7), L"seven");
    EXPECT_EQ(*t.findMacro(L"Radius"), L"Straal");
    EXPECT_EQ(*t.findMacro(L" My key"), L"x");
    EXPECT_EQ(t.find(LanguageTable::Table::String, 1), nullptr);
    EXPECT_EQ(t.find(LanguageTable::Table::Dialog, 2333), nullptr);
}

TEST(LanguageTable, DamagedLinesAreSkippedOneMessageEach) {
    LanguageTable t;
    auto r = t.loadFromText("D1=OK\n"
                            "X2=bad table\n"
                            "d3=lower case\n"
                            " D4=indented\n"
                            "D=no number\n"
                            "D5 no equals\n"
                            "D6x=junk\n"
                            "D99999999999=too big\n"
                            "D1=again\n"
                            "M=empty key\n"
                            "D7=\xC3\x28\n" +
                            std::string("D8=a\0b\n", 7) + "D9=fine\n");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.entries, 2);
    ASSERT_EQ(r.problems.size(), 11u);
    EXPECT_EQ(r.problems[0].line, 2);
    EXPECT_EQ(r.problems[10].line, 12);
    EXPECT_EQ(*t.find(LanguageTable::Table::Dialog, 1), L"OK"); // the first entry wins
    EXPECT_EQ(*t.find(LanguageTable::Table::Dialog, 9), L"fine");

    CaptureOutput out;
    LanguageTable::printProblems(L"c:\\tvl\\lang\\NL.lang", r);
    std::wstring text = out.text();
    EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 11);
    EXPECT_NE(text.find(L"*Error* Language file c:\\tvl\\lang\\NL.lang, line 9: number already "
                        L"defined; line skipped.\n"),
              std::wstring::npos);

    // A binary file gives a bounded number of messages.
    std::string noise;
    for (int i = 0; i < 5000; ++i)
        noise += static_cast<char>((i * 7919) % 256);
    auto b = t.loadFromText(noise);
    CaptureOutput out2;
    LanguageTable::printProblems(L"x.lang", b);
    int lines = static_cast<int>(std::count(out2.text().begin(), out2.text().end(), L'\n'));
    EXPECT_LE(lines, LanguageTable::kMaxPrintedProblems + 1);
    if (static_cast<int>(b.problems.size()) > LanguageTable::kMaxPrintedProblems) {
        EXPECT_NE(out2.text().find(L"more damaged lines skipped"), std::wstring::npos);
    }
}

TEST(LanguageTexts, CurrentLanguageThenEnglishThenPlaceholder) {
    LanguageFolder folder("lang-fallback", "nl");
    folder.write("EN.lang", "D1=OK\nD2=Cancel\nS10=Message\nMRadius=Radius\n");
    folder.write("NL.lang", "D1=OK\nD2=Annuleren\nMRadius=Straal\n");

    EXPECT_EQ(gMacroLangs.GetCurLanguage(), L"NL");
    EXPECT_EQ(dialString(2), L"Annuleren");
    EXPECT_EQ(string(10), L"Message"); // missing in NL: English
    EXPECT_EQ(dialString(1234), L"#1234");
    EXPECT_EQ(string(-5), L"#-5");
    EXPECT_EQ(gMacroLangs.GetString(L"Radius", L"Radius"), L"Straal");
    EXPECT_EQ(gMacroLangs.GetString(L"Unknown", L"Unknown"), L"Unknown");

    ASSERT_TRUE(gMacroLangs.SetCurLanguage(L" de "));
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), L"DE");
    CaptureOutput out;
    EXPECT_EQ(dialString(2), L"Cancel"); // no DE file: English, and one message
    EXPECT_EQ(dialString(1), L"OK");
    EXPECT_EQ(std::count(out.text().begin(), out.text().end(), L'\n'), 1);
    EXPECT_NE(out.text().find(L"DE.lang: file not found"), std::wstring::npos);
    EXPECT_FALSE(gMacroLangs.SetCurLanguage(L"XX"));
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), L"DE");
}

TEST(LanguageTexts, UnknownLanguageIsEnglishAndFourCodesExist) {
    LanguageFolder folder("lang-unknown", "Klingon");
    folder.write("EN.lang", "D1=OK\n");
    EXPECT_EQ(gMacroLangs.GetCurLanguage(), L"EN");
    EXPECT_EQ(dialString(1), L"OK");

    Tvl_StringArray codes{L"stale"};
    gMacroLangs.GetAllLanguages(codes);
    EXPECT_EQ(codes, (Tvl_StringArray{L"EN", L"NL", L"DE", L"FR"}));
    EXPECT_TRUE(codes.contains(gMacroLangs.GetCurLanguage()));
}

TEST(LanguageTexts, ChopSymbols) {
    LanguageFolder folder("lang-chop", "EN");
    folder.write("EN.lang", "M&Length=&Length~ of &&bar\n");
    EXPECT_EQ(gMacroLangs.GetStringChopSymbols(L"&Length"), L"Length of &bar");
    EXPECT_EQ(gMacroLangs.GetStringChopSymbols(L"~Plain & simple&"), L"Plain  simple");
    EXPECT_EQ(MacroLangs::chopSymbols(L"&&&&"), L"&&");
}

TEST(LanguageTexts, ShippedTablesLoadCleanly) {
    const char* src = std::getenv("TVL_SOURCE_DIR");
    if (!src)
        GTEST_SKIP() << "TVL_SOURCE_DIR not set";
    std::filesystem::path dir = std::filesystem::path(src) / "resources" / "lang";
    if (!std::filesystem::exists(dir / "EN.lang"))
        GTEST_SKIP() << "no language files in the source tree yet";
    for (const char* code : {"EN", "NL", "DE", "FR"}) {
        std::filesystem::path file = dir / (std::string(code) + ".lang");
        if (!std::filesystem::exists(file))
            continue;
        LanguageTable t;
        auto r = t.loadFromFile(productForm(file));
        EXPECT_TRUE(r.ok()) << code << ": "
                            << (r.problems.empty() ? "" : r.problems[0].message.toUtf8());
        EXPECT_GT(r.entries, 0) << code;
    }
}
