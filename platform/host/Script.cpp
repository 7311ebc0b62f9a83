#include "platform/host/Script.h"

#include "platform/base/Encoding.h"
#include "platform/ui/Messages.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>

namespace host {
namespace {

struct Token {
    std::wstring text;
    bool quoted = false;
};

bool tokenize(std::string_view utf8, std::vector<Token>& out, std::string& error) {
    const std::wstring line = base::fromUtf8(utf8);
    size_t i = 0;
    while (i < line.size()) {
        const wchar_t c = line[i];
        if (c == L' ' || c == L'\t' || c == L'\r') {
            ++i;
            continue;
        }
        Token t;
        if (c == L'\'') {
            const size_t close = line.find(L'\'', i + 1);
            if (close == std::wstring::npos) {
                error = "unterminated quote (') starting at column " + std::to_string(i + 1);
                return false;
            }
            t.text = line.substr(i + 1, close - i - 1);
            t.quoted = true;
            i = close + 1;
        } else if (c == L'"') {
            size_t j = i + 1;
            bool closed = false;
            for (; j < line.size(); ++j) {
                const wchar_t d = line[j];
                if (d == L'"') {
                    closed = true;
                    break;
                }
                if (d == L'\\' && j + 1 < line.size()) {
                    const wchar_t e = line[j + 1];
                    if (e == L'\\' || e == L'"') {
                        t.text += e;
                        ++j;
                        continue;
                    }
                    if (e == L'n') {
                        t.text += L'\n';
                        ++j;
                        continue;
                    }
                    if (e == L't') {
                        t.text += L'\t';
                        ++j;
                        continue;
                    }
                }
                t.text += d;
            }
            if (!closed) {
                error = "unterminated quote (\") starting at column " + std::to_string(i + 1);
                return false;
            }
            t.quoted = true;
            i = j + 1;
        } else {
            size_t j = i;
            while (j < line.size() && line[j] != L' ' && line[j] != L'\t' && line[j] != L'\r')
                ++j;
            t.text = line.substr(i, j - i);
            i = j;
            // A lone '#' starts a comment that runs to the end of the line.
            if (t.text == L"#")
                break;
        }
        out.push_back(std::move(t));
    }
    return true;
}

bool is(const Token& t, std::wstring_view keyword) {
    return !t.quoted && base::equalsNoCase(t.text, keyword);
}

std::optional<long long> parseInteger(std::wstring_view s) {
    if (s.empty())
        return std::nullopt;
    const std::string a = base::toUtf8(s);
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(a.c_str(), &end, 0);
    if (errno != 0 || end == a.c_str() || *end != 0)
        return std::nullopt;
    return v;
}

std::optional<int> parseInt(std::wstring_view s) {
    auto v = parseInteger(s);
    if (!v || *v < -2147483647LL - 1 || *v > 2147483647LL)
        return std::nullopt;
    return static_cast<int>(*v);
}

std::optional<double> parseReal(std::wstring_view s) {
    if (s.empty())
        return std::nullopt;
    const std::string a = base::toUtf8(s);
    char* end = nullptr;
    const double v = std::strtod(a.c_str(), &end);
    if (end == a.c_str() || *end != 0)
        return std::nullopt;
    return v;
}

const std::map<std::wstring, int>& idNames() {
    static const std::map<std::wstring, int> names{
        {L"IDOK", ui::IDOK},       {L"IDCANCEL", ui::IDCANCEL}, {L"IDABORT", ui::IDABORT},
        {L"IDRETRY", ui::IDRETRY}, {L"IDIGNORE", ui::IDIGNORE}, {L"IDYES", ui::IDYES},
        {L"IDNO", ui::IDNO},       {L"IDCLOSE", ui::IDCLOSE},   {L"IDHELP", ui::IDHELP}};
    return names;
}

std::optional<ControlRef> parseControl(const Token& t) {
    ControlRef r;
    r.present = true;
    if (!t.quoted) {
        if (auto id = parseInt(t.text)) {
            r.id = *id;
            return r;
        }
        const auto it = idNames().find(base::toUpper(t.text));
        if (it != idNames().end()) {
            r.id = it->second;
            return r;
        }
    }
    if (t.text.empty())
        return std::nullopt;
    r.caption = t.text;
    return r;
}

std::optional<int> parseResult(const Token& t) {
    static const std::map<std::wstring, int> names{
        {L"ok", ui::IDOK},       {L"cancel", ui::IDCANCEL}, {L"abort", ui::IDABORT},
        {L"retry", ui::IDRETRY}, {L"ignore", ui::IDIGNORE}, {L"yes", ui::IDYES},
        {L"no", ui::IDNO},       {L"close", ui::IDCLOSE}};
    const auto it = names.find(base::toLower(t.text));
    if (it != names.end())
        return it->second;
    return parseInt(t.text);
}

// The parser of one keyword line; `t` holds all tokens, t[0] the keyword.
class LineParser {
public:
    LineParser(std::vector<Token> tokens, ScriptStep& step, std::string& error)
        : t(std::move(tokens)), s(step), err(error) {}

    bool parse();

private:
    bool fail(std::string message) {
        err = std::move(message);
        return false;
    }
    bool count(size_t minArgs, size_t maxArgs, const char* usage) {
        const size_t n = t.size() - 1;
        if (n < minArgs || n > maxArgs)
            return fail(std::string("usage: ") + usage);
        return true;
    }
    bool control(size_t i, const char* usage) {
        if (i >= t.size())
            return fail(std::string("usage: ") + usage);
        auto c = parseControl(t[i]);
        if (!c)
            return fail("empty control name");
        s.control = *c;
        return true;
    }
    bool integer(size_t i, int& out, const char* what) {
        auto v = i < t.size() ? parseInt(t[i].text) : std::nullopt;
        if (!v)
            return fail(std::string(what) + " must be a whole number" +
                        (i < t.size() ? ", not \"" + base::toUtf8(t[i].text) + "\"" : ""));
        out = *v;
        return true;
    }
    bool real(size_t i, const char* what) {
        auto v = i < t.size() ? parseReal(t[i].text) : std::nullopt;
        if (!v)
            return fail(std::string(what) + " must be a number" +
                        (i < t.size() ? ", not \"" + base::toUtf8(t[i].text) + "\"" : ""));
        s.values.push_back(*v);
        return true;
    }
    bool modifiersFrom(size_t i) {
        for (; i < t.size(); ++i) {
            if (is(t[i], L"shift"))
                s.modifiers |= ui::kModShift;
            else if (is(t[i], L"ctrl"))
                s.modifiers |= ui::kModCtrl;
            else if (is(t[i], L"alt"))
                s.modifiers |= ui::kModAlt;
            else
                return fail("unknown modifier \"" + base::toUtf8(t[i].text) +
                            "\" (shift, ctrl or alt)");
        }
        return true;
    }
    bool parseAnswer();
    bool parseExpect();
    bool hostCommandLineShape(const std::vector<Token>& words);

    std::vector<Token> t;
    ScriptStep& s;
    std::string& err;
};

// Every keyword of the language, for the hint on a misspelled one.
constexpr const wchar_t* kKeywords[] = {
    L"click", L"dblclick", L"rightclick", L"drag",   L"type",   L"append", L"key",    L"select",
    L"check", L"uncheck",  L"focus",      L"close",  L"resize", L"wait",   L"dialog", L"hover",
    L"menu",  L"snapshot", L"echo",       L"answer", L"expect", L"command"};

// Distance between two words in single-letter edits (insert, delete, replace, swap
// two neighbours), without regard to case.
size_t editDistance(std::wstring_view a, std::wstring_view b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    auto same = [](wchar_t x, wchar_t y) { return base::toLowerChar(x) == base::toLowerChar(y); };
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
            if (i > 1 && j > 1 && same(a[i - 1], b[j - 2]) && same(a[i - 2], b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// A line that starts with no keyword is a host command; whether its name is a
// registered command is known only when it runs (modules register their commands as
// they load). A first word one letter away from a keyword ("clik", "expcet") is taken
// for a misspelled keyword, caught before the script runs; a command of such a name
// runs with "command NAME".
bool LineParser::hostCommandLineShape(const std::vector<Token>& words) {
    if (words[0].quoted)
        return true;
    for (const wchar_t* builtIn : {L"MODULES", L"ARX", L"COMMANDS", L"HELP", L"QUIT", L"EXIT",
                                   L"LOAD", L"ARXLOAD", L"APPLOAD", L"UNLOAD", L"ARXUNLOAD"})
        if (base::equalsNoCase(words[0].text, builtIn))
            return true;
    for (const wchar_t* k : kKeywords) {
        if (editDistance(words[0].text, k) == 1)
            return fail("unknown keyword \"" + base::toUtf8(words[0].text) + "\" (did you mean \"" +
                        base::toUtf8(k) + "\"? a host command of that name runs with \"command " +
                        base::toUtf8(words[0].text) + "\")");
    }
    return true;
}

bool LineParser::parse() {
    const Token& k = t[0];
    if (is(k, L"click")) {
        s.op = ScriptOp::Click;
        return control(1, "click CONTROL [shift] [ctrl]") && modifiersFrom(2);
    }
    if (is(k, L"dblclick")) {
        s.op = ScriptOp::DoubleClick;
        return count(1, 1, "dblclick CONTROL") && control(1, "");
    }
    if (is(k, L"rightclick")) {
        s.op = ScriptOp::RightClick;
        if (!(t.size() == 2 || t.size() == 4))
            return fail("usage: rightclick CONTROL [X Y]");
        return control(1, "") && (t.size() == 2 || (real(2, "X") && real(3, "Y")));
    }
    if (is(k, L"drag")) {
        s.op = ScriptOp::Drag;
        if (t.size() < 6)
            return fail("usage: drag CONTROL X1 Y1 X2 Y2 [shift] [ctrl]");
        return control(1, "") && real(2, "X1") && real(3, "Y1") && real(4, "X2") && real(5, "Y2") &&
               modifiersFrom(6);
    }
    if (is(k, L"type") || is(k, L"append")) {
        s.op = is(k, L"type") ? ScriptOp::Type : ScriptOp::Append;
        if (t.size() == 2 && s.op == ScriptOp::Type) {
            // "type 8003" is an edit without its text far more often than a wish to type
            // the digits into the focus; that takes quotes.
            if (!t[1].quoted && parseControl(t[1]) && parseControl(t[1])->caption.empty())
                return fail("usage: type CONTROL TEXT (the text is missing; to type \"" +
                            base::toUtf8(t[1].text) + "\" into the focused window, quote it)");
            s.text = t[1].text;
            return true;
        }
        if (t.size() != 3)
            return fail(s.op == ScriptOp::Type ? "usage: type [CONTROL] TEXT"
                                               : "usage: append CONTROL TEXT");
        s.text = t[2].text;
        return control(1, "");
    }
    if (is(k, L"key")) {
        s.op = ScriptOp::Key;
        if (!count(1, 2, "key KEY [CONTROL]   (KEY like Enter, Esc, F3, Ctrl+S)"))
            return false;
        if (!parseKeySpec(t[1].text, s.number, s.modifiers))
            return fail("unknown key \"" + base::toUtf8(t[1].text) + "\"");
        return t.size() == 2 || control(2, "");
    }
    if (is(k, L"select")) {
        s.op = ScriptOp::Select;
        if (!count(2, 2, "select CONTROL ITEM   (ITEM: its text, or #N for the N-th item from 0)"))
            return false;
        if (!t[2].quoted && t[2].text.size() > 1 && t[2].text[0] == L'#') {
            auto index = parseInt(t[2].text.substr(1));
            if (!index)
                return fail("item index must be a whole number after '#'");
            s.hasIndex = true;
            s.number = *index;
        } else {
            s.text = t[2].text;
        }
        return control(1, "");
    }
    if (is(k, L"check") || is(k, L"uncheck")) {
        s.op = ScriptOp::Check;
        if (!count(1, is(k, L"check") ? 2 : 1, "check CONTROL [on|off|indeterminate]"))
            return false;
        s.number = is(k, L"uncheck") ? 0 : 1;
        if (t.size() == 3) {
            if (is(t[2], L"on") || t[2].text == L"1")
                s.number = 1;
            else if (is(t[2], L"off") || t[2].text == L"0")
                s.number = 0;
            else if (is(t[2], L"indeterminate") || t[2].text == L"2")
                s.number = 2;
            else
                return fail("check state must be on, off or indeterminate");
        }
        return control(1, "");
    }
    if (is(k, L"focus")) {
        s.op = ScriptOp::Focus;
        return count(1, 1, "focus CONTROL") && control(1, "");
    }
    if (is(k, L"close")) {
        s.op = ScriptOp::Close;
        return count(0, 0, "close");
    }
    if (is(k, L"resize")) {
        s.op = ScriptOp::Resize;
        return count(2, 2, "resize WIDTH HEIGHT") && real(1, "WIDTH") && real(2, "HEIGHT");
    }
    if (is(k, L"wait")) {
        s.op = ScriptOp::Wait;
        if (!count(1, 1, "wait MILLISECONDS") || !integer(1, s.number, "MILLISECONDS"))
            return false;
        return s.number >= 0 || fail("MILLISECONDS must not be negative");
    }
    if (is(k, L"dialog")) {
        s.op = ScriptOp::UseDialog;
        if (!count(0, 1, "dialog [CAPTION]"))
            return false;
        if (t.size() == 2)
            s.text = t[1].text;
        return true;
    }
    if (is(k, L"hover")) {
        s.op = ScriptOp::HoverDrawing;
        return (t.size() == 1 || (t.size() == 2 && is(t[1], L"drawing"))) ||
               fail("usage: hover drawing");
    }
    if (is(k, L"menu")) {
        s.op = ScriptOp::MenuCommand;
        return count(1, 1, "menu COMMAND-ID") && integer(1, s.number, "COMMAND-ID");
    }
    if (is(k, L"snapshot")) {
        s.op = ScriptOp::Snapshot;
        if (!count(1, 1, "snapshot FILE.png"))
            return false;
        s.text = t[1].text;
        return true;
    }
    if (is(k, L"echo")) {
        s.op = ScriptOp::Echo;
        for (size_t i = 1; i < t.size(); ++i)
            s.text += (i > 1 ? L" " : L"") + t[i].text;
        return true;
    }
    if (is(k, L"answer"))
        return parseAnswer();
    if (is(k, L"expect"))
        return parseExpect();
    s.op = ScriptOp::Command;
    const bool forced = is(k, L"command");
    const size_t first = forced ? 1 : 0;
    if (first >= t.size())
        return fail("usage: command NAME [ARGUMENTS]");
    if (!forced && !hostCommandLineShape(t))
        return false;
    for (size_t i = first; i < t.size(); ++i)
        s.words.push_back(t[i].text);
    return true;
}

bool LineParser::parseAnswer() {
    if (t.size() < 2)
        return fail("usage: answer msgbox|file|color|font|print|menu|point|entities ...");
    const Token& kind = t[1];
    const bool cancel = t.size() == 3 && is(t[2], L"cancel");
    if (is(kind, L"msgbox")) {
        s.op = ScriptOp::AnswerMsgBox;
        if (t.size() != 3 && t.size() != 4)
            return fail(
                "usage: answer msgbox ok|cancel|yes|no|abort|retry|ignore [TEXT-IT-CONTAINS]");
        auto r = parseResult(t[2]);
        if (!r)
            return fail("unknown message box answer \"" + base::toUtf8(t[2].text) + "\"");
        s.number = *r;
        if (t.size() == 4)
            s.fragment = t[3].text;
        return true;
    }
    if (is(kind, L"file")) {
        s.op = ScriptOp::AnswerFile;
        if (t.size() != 3)
            return fail("usage: answer file PATH|cancel");
        s.cancel = cancel;
        s.text = t[2].text;
        return true;
    }
    if (is(kind, L"color")) {
        s.op = ScriptOp::AnswerColor;
        s.cancel = cancel;
        if (cancel)
            return true;
        if (t.size() != 5)
            return fail("usage: answer color RED GREEN BLUE|cancel");
        for (size_t i = 2; i < 5; ++i) {
            int v = 0;
            if (!integer(i, v, "a colour part"))
                return false;
            if (v < 0 || v > 255)
                return fail("colour parts go from 0 to 255");
            s.values.push_back(v);
        }
        return true;
    }
    if (is(kind, L"font")) {
        s.op = ScriptOp::AnswerFont;
        s.cancel = cancel;
        if (cancel)
            return true;
        if (t.size() < 4)
            return fail("usage: answer font FACE POINTS [bold] [italic]|cancel");
        s.text = t[2].text;
        if (!real(3, "POINTS"))
            return false;
        for (size_t i = 4; i < t.size(); ++i) {
            if (is(t[i], L"bold"))
                s.bold = true;
            else if (is(t[i], L"italic"))
                s.italic = true;
            else
                return fail("font style must be bold or italic");
        }
        return true;
    }
    if (is(kind, L"print")) {
        s.op = ScriptOp::AnswerPrint;
        s.cancel = cancel;
        if (cancel)
            return true;
        // [all | pages FROM TO] [landscape | portrait] [to PATH], in this order.
        size_t i = 2;
        if (i < t.size() && is(t[i], L"all")) {
            ++i;
        } else if (i < t.size() && is(t[i], L"pages")) {
            if (i + 2 >= t.size() || !real(i + 1, "FROM") || !real(i + 2, "TO"))
                return fail("usage: answer print [all|pages FROM TO] [landscape|portrait] "
                            "[to PATH]|cancel");
            i += 3;
        }
        if (i < t.size() && (is(t[i], L"landscape") || is(t[i], L"portrait"))) {
            s.number = is(t[i], L"landscape") ? 2 : 1;
            ++i;
        }
        if (i + 1 < t.size() && is(t[i], L"to")) {
            s.text = t[i + 1].text;
            i += 2;
        }
        if (i == t.size())
            return true;
        return fail(
            "usage: answer print [all|pages FROM TO] [landscape|portrait] [to PATH]|cancel");
    }
    if (is(kind, L"menu")) {
        s.op = ScriptOp::AnswerMenu;
        if (t.size() != 3)
            return fail("usage: answer menu COMMAND-ID|none");
        if (is(t[2], L"none")) {
            s.number = 0;
            return true;
        }
        return integer(2, s.number, "COMMAND-ID");
    }
    if (is(kind, L"point")) {
        s.op = ScriptOp::AnswerPoint;
        s.cancel = cancel;
        if (cancel)
            return true;
        std::vector<Token> parts;
        for (size_t i = 2; i < t.size(); ++i) {
            // "1,2,3" and "1 2 3" both work.
            std::wstring_view rest = t[i].text;
            while (!rest.empty()) {
                const size_t comma = rest.find(L',');
                parts.push_back({std::wstring(rest.substr(0, comma)), false});
                rest =
                    comma == std::wstring_view::npos ? std::wstring_view() : rest.substr(comma + 1);
            }
        }
        if (parts.size() < 2 || parts.size() > 3)
            return fail("usage: answer point X Y [Z]|cancel");
        for (const Token& p : parts) {
            auto v = parseReal(p.text);
            if (!v)
                return fail("coordinate must be a number, not \"" + base::toUtf8(p.text) + "\"");
            s.values.push_back(*v);
        }
        if (s.values.size() == 2)
            s.values.push_back(0.0);
        return true;
    }
    if (is(kind, L"entities") || is(kind, L"entity")) {
        s.op = ScriptOp::AnswerEntities;
        s.cancel = cancel;
        if (cancel)
            return true;
        if (t.size() < 3)
            return fail("usage: answer entities ID [ID...]|cancel");
        for (size_t i = 2; i < t.size(); ++i) {
            auto v = parseInteger(t[i].text);
            if (!v || *v == 0)
                return fail("entity id must be a whole number other than 0");
            s.ids.push_back(*v);
        }
        return true;
    }
    return fail("unknown answer kind \"" + base::toUtf8(kind.text) + "\"");
}

bool LineParser::parseExpect() {
    if (t.size() < 2)
        return fail(
            "usage: expect "
            "dialog|text|check|enabled|disabled|visible|hidden|output|msgbox|prompts|no ...");
    const Token& kind = t[1];
    auto textArg = [&](size_t i, const char* usage) {
        if (t.size() != i + 1)
            return fail(std::string("usage: ") + usage);
        s.text = t[i].text;
        return true;
    };
    if (is(kind, L"no")) {
        if (t.size() == 3 && is(t[2], L"dialog")) {
            s.op = ScriptOp::ExpectNoDialog;
            return true;
        }
        if (t.size() == 4 && is(t[2], L"output")) {
            s.op = ScriptOp::ExpectNoOutput;
            s.text = t[3].text;
            return true;
        }
        return fail("usage: expect no dialog | expect no output TEXT");
    }
    if (is(kind, L"dialog")) {
        s.op = ScriptOp::ExpectDialog;
        return textArg(2, "expect dialog CAPTION");
    }
    if (is(kind, L"text")) {
        s.op = ScriptOp::ExpectText;
        return control(2, "expect text CONTROL TEXT") && textArg(3, "expect text CONTROL TEXT");
    }
    if (is(kind, L"check")) {
        s.op = ScriptOp::ExpectCheck;
        if (t.size() != 4)
            return fail("usage: expect check CONTROL 0|1|2");
        if (is(t[3], L"on"))
            s.number = 1;
        else if (is(t[3], L"off"))
            s.number = 0;
        else if (is(t[3], L"indeterminate"))
            s.number = 2;
        else if (!integer(3, s.number, "check state"))
            return false;
        return control(2, "");
    }
    const struct {
        const wchar_t* word;
        ScriptOp op;
    } states[] = {{L"enabled", ScriptOp::ExpectEnabled},
                  {L"disabled", ScriptOp::ExpectDisabled},
                  {L"visible", ScriptOp::ExpectVisible},
                  {L"hidden", ScriptOp::ExpectHidden}};
    for (const auto& st : states) {
        if (is(kind, st.word)) {
            s.op = st.op;
            return count(2, 2, "expect enabled|disabled|visible|hidden CONTROL") && control(2, "");
        }
    }
    if (is(kind, L"output")) {
        s.op = ScriptOp::ExpectOutput;
        return textArg(2, "expect output TEXT");
    }
    if (is(kind, L"msgbox")) {
        s.op = ScriptOp::ExpectMsgBox;
        return textArg(2, "expect msgbox TEXT");
    }
    if (is(kind, L"focus")) {
        s.op = ScriptOp::ExpectFocus;
        return count(2, 2, "expect focus CONTROL") && control(2, "");
    }
    if (is(kind, L"selected")) {
        s.op = ScriptOp::ExpectSelected;
        if (t.size() != 4)
            return fail("usage: expect selected CONTROL INDEX   (-1: nothing selected)");
        return control(2, "") && integer(3, s.number, "INDEX");
    }
    if (is(kind, L"prompts")) {
        s.op = ScriptOp::ExpectPrompts;
        return count(2, 2, "expect prompts COUNT") && integer(2, s.number, "COUNT");
    }
    return fail("unknown expectation \"" + base::toUtf8(kind.text) + "\"");
}

} // namespace

std::wstring ControlRef::describe() const {
    if (!caption.empty())
        return L"\"" + caption + L"\"";
    return std::to_wstring(id);
}

bool splitScriptWords(std::string_view utf8Line, std::vector<std::wstring>& words,
                      std::string& error) {
    std::vector<Token> tokens;
    if (!tokenize(utf8Line, tokens, error))
        return false;
    for (auto& tok : tokens)
        words.push_back(std::move(tok.text));
    return true;
}

std::optional<ScriptStep> parseScriptLine(std::string_view utf8Line, int lineNumber,
                                          std::string& error) {
    error.clear();
    if (!base::isValidUtf8(utf8Line)) {
        error = "the line is not valid UTF-8 text";
        return std::nullopt;
    }
    const size_t first = utf8Line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos || utf8Line[first] == '#' || utf8Line[first] == ';')
        return std::nullopt;
    std::vector<Token> tokens;
    if (!tokenize(utf8Line, tokens, error) || tokens.empty())
        return std::nullopt;
    ScriptStep step;
    step.line = lineNumber;
    step.source = base::fromUtf8(utf8Line);
    while (!step.source.empty() && (step.source.back() == L'\r' || step.source.back() == L' '))
        step.source.pop_back();
    LineParser parser(std::move(tokens), step, error);
    if (!parser.parse())
        return std::nullopt;
    return step;
}

ParsedScript parseScript(std::string_view text) {
    ParsedScript out;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    int lineNumber = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        ++lineNumber;
        std::string error;
        if (auto step = parseScriptLine(text.substr(pos, end - pos), lineNumber, error))
            out.steps.push_back(std::move(*step));
        else if (!error.empty())
            out.errors.push_back({lineNumber, error});
        if (end == text.size())
            break;
        pos = end + 1;
    }
    return out;
}

bool parseKeySpec(std::wstring_view spec, int& vk, unsigned& modifiers) {
    modifiers = 0;
    std::wstring rest(spec);
    for (;;) {
        const size_t plus = rest.find(L'+');
        if (plus == std::wstring::npos || plus == rest.size() - 1)
            break;
        const std::wstring mod = base::toLower(rest.substr(0, plus));
        if (mod == L"shift")
            modifiers |= ui::kModShift;
        else if (mod == L"ctrl" || mod == L"control")
            modifiers |= ui::kModCtrl;
        else if (mod == L"alt")
            modifiers |= ui::kModAlt;
        else
            return false;
        rest = rest.substr(plus + 1);
    }
    static const std::map<std::wstring, int> names{
        {L"enter", ui::VK_RETURN},   {L"return", ui::VK_RETURN}, {L"esc", ui::VK_ESCAPE},
        {L"escape", ui::VK_ESCAPE},  {L"tab", ui::VK_TAB},       {L"space", ui::VK_SPACE},
        {L"backspace", ui::VK_BACK}, {L"delete", ui::VK_DELETE}, {L"del", ui::VK_DELETE},
        {L"insert", ui::VK_INSERT},  {L"home", ui::VK_HOME},     {L"end", ui::VK_END},
        {L"pageup", ui::VK_PRIOR},   {L"pgup", ui::VK_PRIOR},    {L"pagedown", ui::VK_NEXT},
        {L"pgdn", ui::VK_NEXT},      {L"left", ui::VK_LEFT},     {L"right", ui::VK_RIGHT},
        {L"up", ui::VK_UP},          {L"down", ui::VK_DOWN}};
    const std::wstring lower = base::toLower(rest);
    if (const auto it = names.find(lower); it != names.end()) {
        vk = it->second;
        return true;
    }
    if (lower.size() >= 2 && lower[0] == L'f') {
        if (auto n = parseInt(lower.substr(1)); n && *n >= 1 && *n <= 12) {
            vk = ui::VK_F1 + *n - 1;
            return true;
        }
    }
    if (rest.size() == 1) {
        const wchar_t c = base::toUpperChar(rest[0]);
        if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) {
            vk = static_cast<int>(c);
            return true;
        }
    }
    if (lower.size() > 2 && lower[0] == L'0' && lower[1] == L'x') {
        if (auto n = parseInt(lower); n && *n > 0 && *n < 256) {
            vk = *n;
            return true;
        }
    }
    return false;
}

} // namespace host
