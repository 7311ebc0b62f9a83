#include "core/LanguageTable.h"

#include "core/CorePrint.h"
#include "core/detail/Files.h"
#include "core/detail/Text.h"

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// "\n" line break, "\t" tab, "\\" backslash; any other backslash stays as it is.
Tvl_String unescapeText(std::wstring_view in) {
    std::wstring out;
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == L'\\' && i + 1 < in.size()) {
            wchar_t next = in[i + 1];
            if (next == L'n' || next == L't' || next == L'\\') {
                out += next == L'n' ? L'\n' : (next == L't' ? L'\t' : L'\\');
                ++i;
                continue;
            }
        }
        out += in[i];
    }
    return Tvl_String(std::move(out));
}

} // namespace

Tvl_String LanguageTable::placeholder(int number) {
    return Tvl_String(L"#") + Tvl_String(number);
}

void LanguageTable::clear() {
    m_dialog.clear();
    m_string.clear();
    m_macro.clear();
}

const Tvl_String* LanguageTable::find(Table table, int number) const {
    const auto& map = table == Table::Dialog ? m_dialog : m_string;
    auto it = map.find(number);
    return it == map.end() ? nullptr : &it->second;
}

const Tvl_String* LanguageTable::findMacro(const Tvl_String& key) const {
    auto it = m_macro.find(key);
    return it == m_macro.end() ? nullptr : &it->second;
}

int LanguageTable::count(Table table) const {
    return static_cast<int>(table == Table::Dialog ? m_dialog.size() : m_string.size());
}

LanguageTable::LoadResult LanguageTable::loadFromFile(const Tvl_String& path) {
    std::string bytes;
    Acad::ErrorStatus es = core_detail::readWholeFile(path, kMaxFileBytes, bytes);
    if (es != Acad::eOk) {
        clear();
        LoadResult result;
        const wchar_t* why = es == CoreStatus::eFileNotFound   ? L"file not found"
                             : es == CoreStatus::eFileTooLarge ? L"file too large"
                                                               : L"file cannot be read";
        result.problems.push_back(Problem{0, Tvl_String(why)});
        return result;
    }
    return loadFromText(bytes);
}

LanguageTable::LoadResult LanguageTable::loadFromText(std::string_view bytes) {
    clear();
    LoadResult result;
    result.fileRead = true;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);

    auto fail = [&](int line, const wchar_t* message) {
        result.problems.push_back(Problem{line, Tvl_String(message)});
    };

    int lineNo = 0;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t nl = bytes.find('\n', pos);
        std::string_view raw =
            bytes.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? bytes.size() : nl + 1;
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);

        if (raw.find('\0') != std::string_view::npos) {
            fail(lineNo, L"binary data");
            continue;
        }
        std::wstring line;
        if (!core_detail::fromUtf8(raw, line)) {
            fail(lineNo, L"not UTF-8 text");
            continue;
        }
        size_t first = line.find_first_not_of(L' ');
        if (first == std::wstring::npos || line[first] == L'#')
            continue; // blank or comment

        wchar_t tableChar = line[0];
        if (tableChar != L'D' && tableChar != L'S' && tableChar != L'M') {
            fail(lineNo, L"expected D, S or M at the start of the line");
            continue;
        }
        size_t eq = line.find(L'=');
        if (eq == std::wstring::npos) {
            fail(lineNo, L"missing \"=\"");
            continue;
        }
        Tvl_String text = unescapeText(std::wstring_view(line).substr(eq + 1));

        if (tableChar == L'M') {
            Tvl_String key(std::wstring_view(line).substr(1, eq - 1));
            if (key.isEmpty()) {
                fail(lineNo, L"empty macro key");
                continue;
            }
            if (m_macro.count(key)) {
                fail(lineNo, L"key already defined");
                continue;
            }
            m_macro.emplace(std::move(key), std::move(text));
            ++result.entries;
            continue;
        }

        size_t i = 1;
        long long number = 0;
        bool tooBig = false;
        while (i < eq && isDigit(line[i])) {
            number = number * 10 + (line[i] - L'0');
            if (number > kMaxNumber)
                tooBig = true, number = kMaxNumber + 1;
            ++i;
        }
        size_t digitsEnd = i;
        while (i < eq && line[i] == L' ')
            ++i;
        if (digitsEnd == 1 || i != eq) {
            fail(lineNo, L"expected a number before \"=\"");
            continue;
        }
        if (tooBig) {
            fail(lineNo, L"number too large");
            continue;
        }
        auto& map = tableChar == L'D' ? m_dialog : m_string;
        if (!map.emplace(static_cast<int>(number), std::move(text)).second) {
            fail(lineNo, L"number already defined");
            continue;
        }
        ++result.entries;
    }
    return result;
}

void LanguageTable::printProblems(const Tvl_String& fileName, const LoadResult& result) {
    int printed = 0;
    for (const Problem& p : result.problems) {
        if (printed == kMaxPrintedProblems) {
            int rest = static_cast<int>(result.problems.size()) - printed;
            corePrint(
                Tvl_String::format(L"*Error* Language file %s: %d more damaged lines skipped.\n",
                                   fileName.c_str(), rest));
            return;
        }
        if (p.line == 0)
            corePrint(
                Tvl_String::format(L"*Error* Language file %s: %s; texts show as #<number>.\n",
                                   fileName.c_str(), p.message.c_str()));
        else
            corePrint(Tvl_String::format(L"*Error* Language file %s, line %d: %s; line skipped.\n",
                                         fileName.c_str(), p.line, p.message.c_str()));
        ++printed;
    }
}
