#include "apps/kwsheet/CalcCommand.h"

#include <charconv>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "platform/grid/engine/Sheet.h"

namespace {

// "B3" or "R3C2".
bool parseRef(std::string_view text, grid::CellRef& out) {
    if (grid::parseA1(text, out))
        return true;
    if (text.size() < 4 || (text[0] != 'R' && text[0] != 'r'))
        return false;
    size_t c = text.find_first_of("Cc", 1);
    if (c == std::string_view::npos || c == 1 || c + 1 == text.size())
        return false;
    try {
        size_t used = 0;
        long row = std::stol(std::string(text.substr(1, c - 1)), &used);
        if (used != c - 1)
            return false;
        long col = std::stol(std::string(text.substr(c + 1)), &used);
        if (used != text.size() - c - 1)
            return false;
        if (row < 1 || col < 1 || row > grid::Sheet::kLimitRows || col > grid::Sheet::kLimitCols)
            return false;
        out = {static_cast<int32_t>(col), static_cast<int32_t>(row)};
        return true;
    } catch (...) {
        return false;
    }
}

// Lines of a stream, read in large blocks: a million-row input is not read a
// character at a time. A line's view lasts until the next call.
class LineReader {
public:
    explicit LineReader(std::istream& in) : m_in(in) {}

    bool next(std::string_view& line) {
        for (;;) {
            const char* begin = m_buf.data() + m_pos;
            const char* nl =
                static_cast<const char*>(std::memchr(begin, '\n', m_buf.size() - m_pos));
            if (nl) {
                line = std::string_view(begin, static_cast<size_t>(nl - begin));
                m_pos += line.size() + 1;
                return true;
            }
            if (m_eof) {
                if (m_pos == m_buf.size())
                    return false;
                line = std::string_view(begin, m_buf.size() - m_pos); // no final newline
                m_pos = m_buf.size();
                return true;
            }
            // Keep the unfinished line, append the next block.
            m_buf.erase(0, m_pos);
            m_pos = 0;
            size_t have = m_buf.size();
            m_buf.resize(have + kBlock);
            m_in.read(m_buf.data() + have, static_cast<std::streamsize>(kBlock));
            m_buf.resize(have + static_cast<size_t>(m_in.gcount()));
            m_eof = !m_in;
        }
    }

private:
    static constexpr size_t kBlock = size_t{1} << 20;
    std::istream& m_in;
    std::string m_buf;
    size_t m_pos = 0;
    bool m_eof = false;
};

// Output gathered into large writes.
class OutputBuffer {
public:
    explicit OutputBuffer(std::ostream& out) : m_out(out) { m_buf.reserve(kFlushAt + 4096); }
    ~OutputBuffer() { flush(); }

    std::string& text() { return m_buf; }
    void lineDone() {
        m_buf += '\n';
        if (m_buf.size() >= kFlushAt)
            flush();
    }
    void flush() {
        m_out.write(m_buf.data(), static_cast<std::streamsize>(m_buf.size()));
        m_buf.clear();
    }

private:
    static constexpr size_t kFlushAt = size_t{1} << 20;
    std::ostream& m_out;
    std::string m_buf;
};

} // namespace

int runCalc(int argc, char** argv) {
    return runCalc(argc, argv, std::cin, std::cout, std::cerr);
}

int runCalc(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
    grid::RefStyle style = grid::RefStyle::Default;
    for (int i = 0; i < argc; ++i) {
        std::string a = argv[i];
        std::string value;
        if (a == "--style" && i + 1 < argc)
            value = argv[++i];
        else if (a.rfind("--style=", 0) == 0)
            value = a.substr(8);
        else {
            err << "kwsheet calc: unknown argument '" << a << "'\n";
            return 2;
        }
        if (value == "default")
            style = grid::RefStyle::Default;
        else if (value == "a1")
            style = grid::RefStyle::A1;
        else if (value == "r1c1")
            style = grid::RefStyle::R1C1;
        else {
            err << "kwsheet calc: unknown style '" << value << "' (default, a1 or r1c1)\n";
            return 2;
        }
    }

    // Each line goes into the sheet as it is read: nothing but the sheet holds the
    // input, so a million rows cost what their cells cost.
    grid::Sheet sheet;
    sheet.setAutoCalc(false);
    sheet.setRefStyle(style);
    sheet.setMaxCols(grid::Sheet::kLimitCols);
    sheet.setMaxRows(grid::Sheet::kLimitRows);
    LineReader lines(in);
    std::string_view line;
    int64_t lineNo = 0;
    while (lines.next(line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        size_t tab = line.find('\t');
        if (tab == std::string_view::npos) {
            err << "kwsheet calc: line " << lineNo << ": expected REF<TAB>CONTENT\n";
            return 1;
        }
        grid::CellRef ref;
        std::string_view refText = line.substr(0, tab);
        if (!parseRef(refText, ref)) {
            err << "kwsheet calc: line " << lineNo << ": bad cell reference '" << refText << "'\n";
            return 1;
        }
        // A constant beyond the sheet is refused as a formula there is.
        if (ref.col > grid::Sheet::kLimitCols || ref.row > grid::Sheet::kLimitRows) {
            err << "kwsheet calc: line " << lineNo << ": cell " << refText
                << " is outside the sheet (" << grid::columnLetters(grid::Sheet::kLimitCols)
                << grid::Sheet::kLimitRows << " is the last cell)\n";
            return 1;
        }
        std::string_view content = line.substr(tab + 1);
        if (content.empty()) {
            sheet.clearContents(ref.col, ref.row);
        } else if (content[0] == '=') {
            if (content.find_first_not_of(" \t", 1) == std::string_view::npos) {
                err << "kwsheet calc: line " << lineNo << ": formula without an expression\n";
                return 1;
            }
            grid::FormulaStatus st = sheet.setFormula(ref.col, ref.row, content);
            if (!st.ok) {
                err << "kwsheet calc: line " << lineNo << ": " << st.message << "\n";
                return 1;
            }
        } else {
            double v;
            bool set = grid::parseNumber(content, v) &&
                               content.find_first_of(" \t") == std::string_view::npos
                           ? sheet.setNumber(ref.col, ref.row, v)
                           : sheet.setText(ref.col, ref.row, content);
            if (!set) {
                err << "kwsheet calc: line " << lineNo << ": the sheet refused the constant\n";
                return 1;
            }
        }
    }
    sheet.recalcAll();
    OutputBuffer output(out);
    std::string& o = output.text();
    std::vector<std::string> letters; // column letters, made once per column
    sheet.forEachCellByRow([&](int32_t col, int32_t row) {
        if (col < 1 || row < 1)
            return;
        if (letters.size() <= static_cast<size_t>(col))
            letters.resize(static_cast<size_t>(col) + 1);
        if (letters[col].empty())
            letters[col] = grid::columnLetters(col);
        o += letters[col];
        char digits[16];
        o.append(digits, std::to_chars(digits, digits + sizeof digits, row).ptr);
        o += '\t';
        grid::Value v = sheet.value(col, row);
        if (v.isNumber())
            grid::appendNumber(o, v.asNumber());
        else
            o += v.toString();
        output.lineDone();
    });
    return 0;
}
