#pragma once
// Automation scripts: the parsed form of one line and the parser. The language is
// described for users in docs/automation.md; this header is its grammar's contract.
//
// A line is a sequence of words separated by blanks. A word is bare (up to the next
// blank), single-quoted (raw: 'c:\new\a.kws' keeps every character) or double-quoted
// (escapes \\ \" \n \t; any other backslash stays as written). Lines whose first
// non-blank character is '#' or ';' are comments, and a '#' standing alone as a word
// starts a comment to the end of the line; blank lines are ignored. Keywords
// compare without regard to case. A line that does not start with a keyword is a host
// command ("TEST", "LOAD 'c:\a\KW.arx'"); "command WORDS" forces one.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

enum class ScriptOp {
    Command, // words: command name and its arguments
    Click,
    DoubleClick,
    RightClick,
    Drag,
    Type,
    Append,
    Key,
    Select,
    Check,
    Focus,
    Close,
    Resize,
    Wait,
    UseDialog,
    HoverDrawing,
    MenuCommand,
    Snapshot,
    Echo,
    AnswerMsgBox,
    AnswerFile,
    AnswerColor,
    AnswerFont,
    AnswerPrint,
    AnswerMenu,
    AnswerPoint,
    AnswerEntities,
    ExpectDialog,
    ExpectNoDialog,
    ExpectText,
    ExpectCheck,
    ExpectEnabled,
    ExpectDisabled,
    ExpectVisible,
    ExpectHidden,
    ExpectOutput,
    ExpectNoOutput,
    ExpectMsgBox,
    ExpectPrompts,
    ExpectFocus,
    ExpectSelected
};

// A control named by id (number or IDOK-style name) or by its caption (the text
// without '&', compared without regard to case).
struct ControlRef {
    bool present = false;
    int id = 0;
    std::wstring caption; // used when not empty
    std::wstring describe() const;
};

struct ScriptStep {
    int line = 0;
    ScriptOp op = ScriptOp::Command;
    std::wstring source;             // the line as written (for messages)
    std::vector<std::wstring> words; // Command: name and arguments
    ControlRef control;
    std::wstring text;                 // text, caption, path, item text, fragment
    std::wstring fragment;             // AnswerMsgBox: only a box whose text contains it
    bool cancel = false;               // answers: a deliberate cancel
    bool hasIndex = false;             // Select: by index (number) instead of text
    int number = 0;                    // id, index, check state, result, ms, vk, count
    unsigned modifiers = 0;            // ui::kModShift / kModCtrl / kModAlt
    std::vector<double> values;        // Resize w h, points, colour, font size, pages
    std::vector<long long> ids;        // AnswerEntities
    bool bold = false, italic = false; // AnswerFont
};

struct ScriptError {
    int line = 0;
    std::string message;
};

// Parses one line. nullopt with `error` empty for blank and comment lines; nullopt with
// `error` set for a line that is wrong.
std::optional<ScriptStep> parseScriptLine(std::string_view utf8Line, int lineNumber,
                                          std::string& error);

struct ParsedScript {
    std::vector<ScriptStep> steps;
    std::vector<ScriptError> errors;
};
// Parses a whole script (UTF-8 text, "\n" or "\r\n" line ends, an optional UTF-8 byte
// order mark); every wrong line gives one error.
ParsedScript parseScript(std::string_view text);

// Splits a line into words by the rules above; false with `error` on an unterminated
// quote.
bool splitScriptWords(std::string_view utf8Line, std::vector<std::wstring>& words,
                      std::string& error);

// Key names: "Enter", "Esc", "Tab", "F3", "A", "Ctrl+S", "Shift+Tab", "0x72", ...
bool parseKeySpec(std::wstring_view spec, int& vk, unsigned& modifiers);

} // namespace host
