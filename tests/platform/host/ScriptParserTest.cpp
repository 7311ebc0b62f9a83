#include "platform/host/Script.h"

#include "platform/ui/Messages.h"

#include <gtest/gtest.h>

namespace {

using host::ScriptOp;

host::ScriptStep parseOk(const char* line) {
    std::string error;
    auto step = host::parseScriptLine(line, 1, error);
    EXPECT_TRUE(step) << line << ": " << error;
    return step ? *step : host::ScriptStep{};
}

TEST(ScriptParser, WordsAndQuotes) {
    std::vector<std::wstring> w;
    std::string error;
    ASSERT_TRUE(host::splitScriptWords(
        R"(LOAD 'c:\new\KW.arx' "c:\\new\\x" "say \"hi\"\n" "c:\x\y")", w, error));
    ASSERT_EQ(w.size(), 5u);
    EXPECT_EQ(w[1], L"c:\\new\\KW.arx"); // single quotes are raw
    EXPECT_EQ(w[2], L"c:\\new\\x");
    EXPECT_EQ(w[3], L"say \"hi\"\n");
    EXPECT_EQ(w[4], L"c:\\x\\y"); // other backslashes stay as written
    w.clear();
    EXPECT_FALSE(host::splitScriptWords("type 100 'abc", w, error));
    EXPECT_NE(error.find("column 10"), std::string::npos) << error;
}

TEST(ScriptParser, EachKindOfLine) {
    auto s = parseOk("TEST");
    EXPECT_EQ(s.op, ScriptOp::Command);
    EXPECT_EQ(s.words, std::vector<std::wstring>{L"TEST"});
    s = parseOk("command click me");
    EXPECT_EQ(s.op, ScriptOp::Command);
    EXPECT_EQ(s.words.size(), 2u);

    s = parseOk("click IDOK shift");
    EXPECT_EQ(s.op, ScriptOp::Click);
    EXPECT_EQ(s.control.id, ui::IDOK);
    EXPECT_EQ(s.modifiers, ui::kModShift);
    s = parseOk("CLICK \"&Cancel\"");
    EXPECT_EQ(s.control.caption, L"&Cancel");
    s = parseOk("click 0x1F40");
    EXPECT_EQ(s.control.id, 8000);

    s = parseOk("type 8003 'abc def'");
    EXPECT_EQ(s.op, ScriptOp::Type);
    EXPECT_EQ(s.control.id, 8003);
    EXPECT_EQ(s.text, L"abc def");
    s = parseOk("type xyz");
    EXPECT_FALSE(s.control.present);
    EXPECT_EQ(s.text, L"xyz");

    s = parseOk("key Ctrl+Shift+F3 1001");
    EXPECT_EQ(s.number, ui::VK_F3);
    EXPECT_EQ(s.modifiers, ui::kModCtrl | ui::kModShift);
    EXPECT_EQ(s.control.id, 1001);

    s = parseOk("select 1317 #2");
    EXPECT_TRUE(s.hasIndex);
    EXPECT_EQ(s.number, 2);
    s = parseOk("click IDOK   # a comment with 'quotes");
    EXPECT_EQ(s.modifiers, 0u);
    s = parseOk("select 1317 '#2'");
    EXPECT_FALSE(s.hasIndex);
    EXPECT_EQ(s.text, L"#2");

    EXPECT_EQ(parseOk("check 1106 indeterminate").number, 2);
    EXPECT_EQ(parseOk("uncheck 1106").number, 0);
    EXPECT_EQ(parseOk("wait 50").number, 50);
    EXPECT_EQ(parseOk("resize 400 300").values, (std::vector<double>{400, 300}));

    s = parseOk("answer msgbox Yes");
    EXPECT_EQ(s.op, ScriptOp::AnswerMsgBox);
    EXPECT_EQ(s.number, ui::IDYES);
    s = parseOk("answer msgbox no 'Document gewijzigd'");
    EXPECT_EQ(s.fragment, L"Document gewijzigd");
    s = parseOk("drag 1001 1 2 30 40 ctrl");
    EXPECT_EQ(s.op, ScriptOp::Drag);
    EXPECT_EQ(s.values, (std::vector<double>{1, 2, 30, 40}));
    EXPECT_EQ(s.modifiers, ui::kModCtrl);
    EXPECT_EQ(parseOk("expect selected 1317 -1").number, -1);
    EXPECT_EQ(parseOk("expect focus IDOK").control.id, ui::IDOK);
    s = parseOk("answer file cancel");
    EXPECT_TRUE(s.cancel);
    s = parseOk("answer file 'cancel'");
    EXPECT_FALSE(s.cancel);
    s = parseOk("answer point 1,2.5");
    EXPECT_EQ(s.values, (std::vector<double>{1, 2.5, 0}));
    s = parseOk("answer entities 4 5");
    EXPECT_EQ(s.ids, (std::vector<long long>{4, 5}));
    s = parseOk("answer font Tahoma 9 bold");
    EXPECT_TRUE(s.bold);
    EXPECT_EQ(parseOk("answer menu none").number, 0);

    EXPECT_EQ(parseOk("expect no output 'Erase window failed'").op, ScriptOp::ExpectNoOutput);
    EXPECT_EQ(parseOk("expect check 1106 on").number, 1);
    EXPECT_EQ(parseOk("expect text 8003 ''").text, L"");
    EXPECT_EQ(parseOk("expect prompts 3").op, ScriptOp::ExpectPrompts);
}

TEST(ScriptParser, ErrorsCarryTheirLineNumbers) {
    const char* script = "# comment with an 'unmatched quote\n"
                         "; also a comment\n"
                         "\n"
                         "TEST\n"
                         "click\n"                // 5
                         "wait soon\n"            // 6
                         "answer msgbox maybe\n"  // 7
                         "expect text 8003\n"     // 8
                         "type 1 'open\n"         // 9
                         "key Hyper+Q\n"          // 10
                         "answer color 300 0 0\n" // 11
                         "expect nothing\r\n"     // 12
                         "check 1 sideways\n"     // 13
                         "\xff\xfe\n"             // 14
                         "wait -5";               // 15, no line end
    const host::ParsedScript parsed = host::parseScript(script);
    ASSERT_EQ(parsed.steps.size(), 1u);
    EXPECT_EQ(parsed.steps[0].line, 4);
    std::vector<int> lines;
    for (const auto& e : parsed.errors)
        lines.push_back(e.line);
    EXPECT_EQ(lines, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_NE(parsed.errors[1].message.find("\"soon\""), std::string::npos)
        << parsed.errors[1].message;
    EXPECT_NE(parsed.errors[2].message.find("maybe"), std::string::npos);
}

TEST(ScriptParser, MisspelledKeywordsAndMissingTextsAreCaughtBeforeRunning) {
    const char* script = "clik IDOK\n"         // 1: one letter off "click"
                         "expcet text 1 'a'\n" // 2: two letters swapped
                         "type 8003\n"         // 3: the edit's text is missing
                         "type IDOK\n"         // 4: the same with a named id
                         "PICK\n"              // 5: two letters off: a host command
                         "COMMANDS\n"          // 6: a built-in near "command"
                         "command clik IDOK\n" // 7: forced host command
                         "'clik'\n"            // 8: a quoted name is never a keyword
                         "type '8003'\n"       // 9: quoted: typed into the focus
                         "TVLSHEET doc.kws\n"; // 10: a host command with an argument
    const host::ParsedScript parsed = host::parseScript(script);
    std::vector<int> lines;
    for (const auto& e : parsed.errors)
        lines.push_back(e.line);
    EXPECT_EQ(lines, (std::vector<int>{1, 2, 3, 4}));
    ASSERT_EQ(parsed.errors.size(), 4u);
    EXPECT_NE(parsed.errors[0].message.find("unknown keyword \"clik\" (did you mean \"click\"?"),
              std::string::npos)
        << parsed.errors[0].message;
    EXPECT_NE(parsed.errors[1].message.find("\"expect\""), std::string::npos);
    EXPECT_NE(parsed.errors[2].message.find("text is missing"), std::string::npos);
    ASSERT_EQ(parsed.steps.size(), 6u);
    EXPECT_EQ(parsed.steps[2].words, (std::vector<std::wstring>{L"clik", L"IDOK"}));
    EXPECT_EQ(parsed.steps[4].op, ScriptOp::Type);
    EXPECT_EQ(parsed.steps[4].text, L"8003");
}

TEST(ScriptParser, KeyNames) {
    int vk = 0;
    unsigned mods = 0;
    EXPECT_TRUE(host::parseKeySpec(L"Enter", vk, mods));
    EXPECT_EQ(vk, ui::VK_RETURN);
    EXPECT_TRUE(host::parseKeySpec(L"ctrl+s", vk, mods));
    EXPECT_EQ(vk, 'S');
    EXPECT_EQ(mods, ui::kModCtrl);
    EXPECT_TRUE(host::parseKeySpec(L"F12", vk, mods));
    EXPECT_EQ(vk, ui::VK_F12);
    EXPECT_TRUE(host::parseKeySpec(L"0x72", vk, mods));
    EXPECT_EQ(vk, ui::VK_F3);
    EXPECT_TRUE(host::parseKeySpec(L"Shift+Tab", vk, mods));
    EXPECT_EQ(mods, ui::kModShift);
    EXPECT_FALSE(host::parseKeySpec(L"F13", vk, mods));
    EXPECT_FALSE(host::parseKeySpec(L"Ctrl+", vk, mods));
    EXPECT_FALSE(host::parseKeySpec(L"", vk, mods));
}

} // namespace

namespace {

TEST(ScriptParser, PrintAnswersTakeARangeAnOrientationAndWhereThePdfGoes) {
    auto s = parseOk("answer print");
    EXPECT_EQ(s.op, ScriptOp::AnswerPrint);
    EXPECT_TRUE(s.values.empty());
    EXPECT_TRUE(s.text.empty());
    s = parseOk("answer print pages 2 3 landscape to 'c:\\out\\bom.pdf'");
    EXPECT_EQ(s.values, (std::vector<double>{2, 3}));
    EXPECT_EQ(s.number, 2);
    EXPECT_EQ(s.text, L"c:\\out\\bom.pdf");
    s = parseOk("answer print all to bom.pdf");
    EXPECT_EQ(s.number, 0);
    EXPECT_EQ(s.text, L"bom.pdf");
    EXPECT_TRUE(parseOk("answer print cancel").cancel);
    std::string error;
    for (const char* bad : {"answer print to", "answer print pages 2", "answer print all extra",
                            "answer print to a.pdf landscape"})
        EXPECT_FALSE(host::parseScriptLine(bad, 1, error)) << bad;
}

} // namespace
