#include "platform/grid/engine/io/XmlCheck.h"

#include <cstdint>
#include <vector>

namespace grid {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.' || c == ':' || (static_cast<unsigned char>(c) & 0x80);
}

class Checker {
public:
    explicit Checker(std::string_view s) : m_s(s) {}

    bool run(std::string& why) {
        bool root = false;
        for (size_t k = 0; k < m_s.size(); ++k) {
            const unsigned char c = static_cast<unsigned char>(m_s[k]);
            if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                m_i = k;
                return fail(why, "a control character, which XML does not allow,");
            }
        }
        while (m_i < m_s.size()) {
            if (m_s[m_i] != '<') {
                if (m_s[m_i] == '&' && !reference())
                    return fail(why, "an unended reference");
                ++m_i;
                continue;
            }
            std::string_view rest = m_s.substr(m_i);
            bool ok;
            if (rest.substr(0, 4) == "<!--")
                ok = skipPast("-->", 4);
            else if (rest.substr(0, 9) == "<![CDATA[")
                ok = skipPast("]]>", 9);
            else if (rest.substr(0, 2) == "<?")
                ok = skipPast("?>", 2);
            else if (rest.substr(0, 2) == "<!")
                ok = doctype();
            else if (rest.substr(0, 2) == "</")
                ok = endTag();
            else {
                ok = startTag();
                root = true;
            }
            if (!ok)
                return fail(why, m_problem);
        }
        if (!m_open.empty())
            return fail(why, "an element that is not ended");
        if (!root)
            return fail(why, "no element");
        return true;
    }

private:
    bool fail(std::string& why, const char* what) {
        why = std::string(what) + " at byte " + std::to_string(m_i);
        return false;
    }
    bool problem(const char* what) {
        m_problem = what;
        return false;
    }

    bool skipPast(std::string_view end, size_t from) {
        size_t at = m_s.find(end, m_i + from);
        if (at == std::string_view::npos)
            return problem("an unclosed comment, section or declaration");
        m_i = at + end.size();
        return true;
    }

    bool doctype() {
        size_t close = m_s.find('>', m_i);
        size_t subset = m_s.find('[', m_i);
        if (subset != std::string_view::npos && subset < close)
            close = m_s.find("]>", subset);
        if (close == std::string_view::npos)
            return problem("an unclosed doctype");
        m_i = close + (m_s[close] == ']' ? 2 : 1);
        return true;
    }

    // "&name;" or "&#123;" / "&#x7B;" at m_i; a character reference to a control
    // character is refused as the character itself would be.
    bool reference() {
        size_t j = m_i + 1;
        while (j < m_s.size() && j - m_i <= 32 && (isNameChar(m_s[j]) || m_s[j] == '#'))
            ++j;
        if (j >= m_s.size() || m_s[j] != ';' || j == m_i + 1)
            return false;
        std::string_view ref = m_s.substr(m_i + 1, j - m_i - 1);
        if (ref[0] != '#')
            return true;
        const bool hex = ref.size() > 1 && (ref[1] == 'x' || ref[1] == 'X');
        uint64_t code = 0;
        for (char c : ref.substr(hex ? 2 : 1)) {
            int d = c >= '0' && c <= '9'          ? c - '0'
                    : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                  : -1;
            if (d < 0 || code > 0x10FFFF)
                return false;
            code = code * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        }
        return code <= 0x10FFFF && (code >= 0x20 || code == 9 || code == 10 || code == 13);
    }

    std::string_view name() {
        size_t start = m_i;
        while (m_i < m_s.size() && isNameChar(m_s[m_i]))
            ++m_i;
        return m_s.substr(start, m_i - start);
    }

    void skipSpace() {
        while (m_i < m_s.size() && isSpace(m_s[m_i]))
            ++m_i;
    }

    bool endTag() {
        m_i += 2;
        std::string_view n = name();
        skipSpace();
        if (n.empty() || m_i >= m_s.size() || m_s[m_i] != '>')
            return problem("a malformed end tag");
        if (m_open.empty() || m_open.back() != n)
            return problem("an end tag that matches no start tag");
        m_open.pop_back();
        m_closedRoot = m_open.empty();
        ++m_i;
        return true;
    }

    bool startTag() {
        ++m_i;
        std::string_view n = name();
        if (n.empty())
            return problem("a malformed tag");
        if (m_open.empty() && m_closedRoot)
            return problem("a second root element");
        for (;;) {
            const size_t before = m_i;
            skipSpace();
            if (m_i >= m_s.size())
                return problem("a tag that is not closed");
            if (m_s[m_i] == '>' ||
                (m_s[m_i] == '/' && m_i + 1 < m_s.size() && m_s[m_i + 1] == '>')) {
                const bool empty = m_s[m_i] == '/';
                m_i += empty ? 2 : 1;
                if (!empty)
                    m_open.push_back(n);
                else if (m_open.empty())
                    m_closedRoot = true;
                return true;
            }
            if (m_i == before || name().empty())
                return problem("a malformed attribute");
            skipSpace();
            if (m_i >= m_s.size() || m_s[m_i] != '=')
                return problem("an attribute without a value");
            ++m_i;
            skipSpace();
            if (m_i >= m_s.size() || (m_s[m_i] != '"' && m_s[m_i] != '\''))
                return problem("an attribute value without quotes");
            const char quote = m_s[m_i++];
            while (m_i < m_s.size() && m_s[m_i] != quote) {
                if (m_s[m_i] == '<')
                    return problem("a '<' in an attribute value");
                if (m_s[m_i] == '&' && !reference())
                    return problem("an unended reference");
                ++m_i;
            }
            if (m_i >= m_s.size())
                return problem("an attribute value that is not closed");
            ++m_i;
        }
    }

    std::string_view m_s;
    size_t m_i = 0;
    std::vector<std::string_view> m_open;
    bool m_closedRoot = false;
    const char* m_problem = "";
};

} // namespace

bool isWellFormedXml(std::string_view xml, std::string& why) {
    return Checker(xml).run(why);
}

} // namespace grid
