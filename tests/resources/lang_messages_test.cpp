// Messages, prompts and labels that a dialog builds from several language texts must
// read as proper sentences in every language once joined. Each message below is
// joined exactly as its dialog joins it (docs/language-texts.md).

#include "LangTestSupport.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

using namespace langtest;

namespace {

struct Lang {
    std::string code;
    LangFile file;
    std::string D(long n) const {
        auto it = file.d.find(n);
        return it == file.d.end() ? "#" + std::to_string(n) : it->second;
    }
    std::string S(long n) const {
        auto it = file.s.find(n);
        return it == file.s.end() ? "#" + std::to_string(n) : it->second;
    }
};

const std::vector<Lang>& langs() {
    static const std::vector<Lang> all = [] {
        std::vector<Lang> v;
        for (const auto& code : languageCodes()) v.push_back({code, readLang(langDir() / (code + ".lang"))});
        return v;
    }();
    return all;
}

// How strictly a joined text is checked.
enum class Shape {
    Sentences,       // every line is a sentence: capital first, final punctuation
    ExampleAtEnd,    // as Sentences, but the last line ends in a quoted example
    Label,           // one line, capital first, no final punctuation required
};

struct Message {
    std::string name;
    std::string text;
    Shape shape = Shape::Sentences;
};

// Sample values the dialogs put between the texts.
const std::string kName = "Beam 12";
const std::string kCount = "3";

std::vector<Message> messagesOf(const Lang& l) {
    auto D = [&](long n) { return l.D(n); };
    auto S = [&](long n) { return l.S(n); };
    const std::string q = "\"";
    std::vector<Message> m;
    // Named-set dialog: overwrite question, with and without the middle sentence.
    m.push_back({"overwrite (name outside the list)", D(1128) + "\n" + D(1129) + "\n" + "\n" + D(1130) + "\n"});
    m.push_back({"overwrite (name in the list)", D(1128) + "\n" + "\n" + D(1130) + "\n"});
    m.push_back({"delete settings file", D(1132) + " " + q + kName + q + " " + D(1133) + "\n" + D(1134) + "\n"});
    // Grid: title prompt for an inserted row or column.
    m.push_back({"row title prompt", D(1151) + " " + D(1152) + ":"});
    m.push_back({"column title prompt", D(1151) + " " + D(1153) + ":"});
    // Find and replace.
    m.push_back({"wrap-around question", D(1142) + "\n" + D(1143)});
    m.push_back({"not found", D(1146)});
    m.push_back({"replace-all report", D(1147) + " " + kCount + " " + D(1148)});
    // Table options explanation.
    m.push_back({"table options explanation", D(1370) + "\n" + D(1371)});
    // Macro dialog: load report.
    m.push_back({"macro load report", D(1507) + ".\n" + D(1508) + " " + kCount + " " + D(1509) + ".\n\n" + D(1510)});
    // General page: dimension prompt.
    m.push_back({"dimension prompt", D(1321) + "\n" + D(1322)});
    // Profile page and advanced profile dialog labels.
    m.push_back({"rotation label", D(1005) + " (\xC2\xB0):", Shape::Label});
    m.push_back({"pick UCS button", D(1368) + "...", Shape::Label});
    m.push_back({"pick plane button", D(1230) + "...", Shape::Label});
    m.push_back({"segment point header", D(1032) + " nr.", Shape::Label});
    // Advanced bolt dialog.
    m.push_back({"slotted hole entry", D(999) + " nr: " + "2", Shape::Label});
    m.push_back({"slotted hole error", D(1000) + " " + "2" + " " + D(1001) + "\n\n" + D(888) + "."});
    // Macro cuts dialog.
    m.push_back({"cut without name", D(1090)});
    m.push_back({"cut name in use", D(1092) + "\n" + D(1093)});
    m.push_back({"invalid variable names", D(1095) + "\n" + D(1096) + " " + D(1097) + " \"gen_\".\n"});
    m.push_back({"offset 1 variable", D(1104) + "1", Shape::Label});
    // Select-macro dialog hint.
    m.push_back({"select-macro hint", D(1312) + "\n" + D(1313)});
    // Constraints tab: refused variable names.
    const std::string quoted = q + kName + q + "\n";
    m.push_back({"variable name in use", quoted + D(857) + ".\n" + D(858) + "."});
    m.push_back({"name ends with operator", quoted + D(1455) + ".\n" + D(1456) + ".\n\n" + D(888) + "."});
    m.push_back({"name starts with digit",
                 quoted + D(885) + ".\n" + D(886) + ".\n" + D(887) + ".\n\n" + D(888) + "."});
    m.push_back({"object column header", S(2333) + "1", Shape::Label});
    // Macro settings: variables and groups pages.
    m.push_back({"variables explanation", D(942) + ".\n" + D(943) + "."});
    m.push_back({"groups explanation 1", D(947) + "\n" + D(948) + " " + S(10320) + ": " + q + D(949) + q,
                 Shape::ExampleAtEnd});
    m.push_back({"groups explanation 2", D(950) + "\n" + D(951) + "\n" + S(10320) + ": " + q + D(952) + q,
                 Shape::ExampleAtEnd});
    m.push_back({"groups explanation 3", D(953) + "\n" + D(954) + "\n" + S(10320) + ": " + q + D(955) + q,
                 Shape::ExampleAtEnd});
    // Dialog designer.
    m.push_back({"bolt count control type", D(803) + " 1: " + S(2220), Shape::Label});
    m.push_back({"designer title", D(843) + " - <" + kName + ">", Shape::Label});
    m.push_back({"design filter", D(840) + " (*.txt)", Shape::Label});
    m.push_back({"picture filter", D(839) + " (*.bmp)", Shape::Label});
    m.push_back({"save design question", D(838) + "\n<" + kName + ">"});
    m.push_back({"width prompt", D(825)});
    m.push_back({"height prompt", D(826)});
    // Section library editor.
    m.push_back({"leave changed table", D(785) + " <" + kName + "> " + D(786)});
    m.push_back({"delete table", D(788) + " <" + kName + "> " + D(789)});
    m.push_back({"rename table prompt", D(791)});
    m.push_back({"shape with fewer values", D(793) + " <" + D(719) + "> " + D(794) + "\n" + D(795)});
    m.push_back({"system name label", D(797) + ":", Shape::Label});
    m.push_back({"tube size error", D(1457) + "\n" + D(1458) + "\n\n" + D(888) + "."});
    // DSTV points.
    m.push_back({"group name in use", D(857) + ".\n" + D(858) + "."});
    m.push_back({"bottom view entry", S(10157) + "3 (" + D(1496) + ")", Shape::Label});
    m.push_back({"new group prompt", D(864)});
    m.push_back({"new point prompt", D(855)});
    // Cutting-stock optimisation: report paragraphs and file filters.
    const std::string time = "08 December, 2026 (14:30)";
    m.push_back({"newest stock file",
                 D(633) + " \"stock3.shp\"." + "\n" + D(635) + " " + time + "." + "\n" + D(638)});
    m.push_back({"newest purchase file", D(634) + " \"buy1.buy\"." + "\n" + D(635) + " " + time + "."});
    m.push_back({"no stock file", D(636) + "\n" + D(637)});
    m.push_back({"stock filter", D(626) + " (*.shp)", Shape::Label});
    m.push_back({"purchase filter", D(627) + " (*.buy)", Shape::Label});
    m.push_back({"new job prompt", D(632)});
    // Macro editor, levels.
    m.push_back({"rename module prompt", D(878)});
    m.push_back({"new level prompt", D(1475)});
    return m;
}

bool isTerminal(const std::string& line) {
    if (line.empty()) return false;
    const char c = line.back();
    return c == '.' || c == '?' || c == '!' || c == ':';
}

// A line that is only a quoted or bracketed name shown on its own.
bool isNameLine(const std::string& line) {
    return line == "\"" + kName + "\"" || line == "<" + kName + ">";
}

void checkStartsCapitalised(const std::string& where, const std::string& line) {
    size_t i = 0;
    while (i < line.size() && (line[i] == '"' || line[i] == '<' || line[i] == '(' || line[i] == '*')) ++i;
    const char32_t c = firstCodePoint(line, i);
    EXPECT_TRUE(isUpperLetter(c) || (c >= '0' && c <= '9')) << where << ": starts with a small letter";
}

void checkMessage(const std::string& code, const Message& msg) {
    const std::string where = code + " " + msg.name + ": \"" + msg.text + "\"";
    ASSERT_EQ(msg.text.find('#'), std::string::npos) << where << ": a text is missing";
    std::string text = msg.text;
    while (!text.empty() && text.back() == '\n') text.pop_back();
    ASSERT_FALSE(text.empty()) << where;

    EXPECT_EQ(text.find("  "), std::string::npos) << where << ": doubled blank";
    EXPECT_EQ(text.find(" \n"), std::string::npos) << where << ": blank at the end of a line";
    EXPECT_EQ(text.find("\n "), std::string::npos) << where << ": blank at the start of a line";
    EXPECT_EQ(text.find("\n\n\n"), std::string::npos) << where << ": more than one empty line";
    EXPECT_NE(text.front(), ' ') << where;
    EXPECT_NE(text.back(), ' ') << where;

    // Doubled punctuation (an ellipsis is fine), and a blank before punctuation, which
    // French typography wants before "?", "!", ":" and ";".
    const std::string punct = ".,:;?!";
    for (size_t i = 1; i < text.size(); ++i) {
        const char a = text[i - 1], b = text[i];
        if (punct.find(a) != std::string::npos && punct.find(b) != std::string::npos) {
            const bool ellipsis = a == '.' && b == '.' && text.compare(i - 1, 3, "...") == 0;
            const bool ellipsisEnd = a == '.' && b == '.' && i >= 2 && text.compare(i - 2, 3, "...") == 0;
            EXPECT_TRUE(ellipsis || ellipsisEnd) << where << ": doubled punctuation at " << i;
        }
        if (a == ' ' && punct.find(b) != std::string::npos) {
            const bool frenchSpace = code == "FR" && (b == '?' || b == '!' || b == ':' || b == ';');
            EXPECT_TRUE(frenchSpace) << where << ": blank before '" << b << "'";
        }
    }

    std::vector<std::string> lines;
    std::istringstream ls(text);
    for (std::string line; std::getline(ls, line);)
        if (!line.empty()) lines.push_back(line);

    if (msg.shape == Shape::Label) {
        EXPECT_EQ(lines.size(), 1u) << where;
        checkStartsCapitalised(where, text);
        return;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        checkStartsCapitalised(where, line);
        if (isNameLine(line)) continue;
        const bool last = i + 1 == lines.size();
        if (last && msg.shape == Shape::ExampleAtEnd) {
            EXPECT_EQ(line.back(), '"') << where << ": ends with the quoted example";
            continue;
        }
        EXPECT_TRUE(isTerminal(line)) << where << ": line \"" << line << "\" lacks final punctuation";
    }
}

}  // namespace

TEST(LangMessages, JoinedMessagesReadAsSentencesInEveryLanguage) {
    for (const auto& l : langs()) {
        ASSERT_TRUE(l.file.read) << l.code << ".lang is missing";
        for (const auto& msg : messagesOf(l)) checkMessage(l.code, msg);
    }
}

// The same checks must catch the faults they are meant for.
TEST(LangMessages, ChecksCatchBadJoins) {
    ::testing::TestPartResultArray failures;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        checkMessage("EN", {"doubled period", "The file exists..\nOverwrite it?"});
        checkMessage("EN", {"small letter", "the file exists."});
        checkMessage("EN", {"no final punctuation", "The file exists"});
        checkMessage("EN", {"doubled blank", "The table  has changed."});
        checkMessage("EN", {"blank before period", "Values not found: 3 ."});
        checkMessage("EN", {"english blank before question mark", "Overwrite it ?"});
    }
    EXPECT_EQ(failures.size(), 6);

    ::testing::TestPartResultArray none;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &none);
        checkMessage("FR", {"french question", "Voulez-vous le remplacer ?"});
        checkMessage("DE", {"umlaut start", "\xC3\x9C" "berschreiben?"});
        checkMessage("EN", {"ellipsis", "Settings..."});
    }
    EXPECT_EQ(none.size(), 0);
}
