#include "platform/grid/engine/io/Csv.h"

namespace grid::csv {

bool parse(std::string_view text, std::vector<Record>& records, std::string& error) {
    records.clear();
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    size_t i = 0;
    const size_t n = text.size();
    int line = 1;
    Record record;
    std::string field;
    bool fieldStarted = false;
    while (i < n) {
        char c = text[i];
        if (c == '"' && field.empty() && !fieldStarted) {
            // Quoted field: runs to the quote that is not doubled.
            int startLine = line;
            ++i;
            for (;;) {
                if (i >= n) {
                    error = "line " + std::to_string(startLine) + ": quoted field not closed";
                    return false;
                }
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (text[i] == '\n')
                    ++line;
                field.push_back(text[i++]);
            }
            fieldStarted = true;
            if (i < n && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                error = "line " + std::to_string(line) + ": text after a closing quote";
                return false;
            }
            continue;
        }
        if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            record.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
            records.push_back(std::move(record));
            record.clear();
            i += (c == '\r' && i + 1 < n && text[i + 1] == '\n') ? 2 : 1;
            ++line;
            continue;
        }
        field.push_back(c);
        fieldStarted = true;
        ++i;
    }
    if (fieldStarted || !record.empty()) {
        record.push_back(std::move(field));
        records.push_back(std::move(record));
    }
    return true;
}

std::string quoteField(std::string_view field) {
    // A field that starts with a byte-order mark is quoted: at the start of a file the
    // reader would take the mark for the file's own and drop it.
    bool quote = field.find_first_of(",\"\r\n") != std::string_view::npos ||
                 field.starts_with("\xEF\xBB\xBF") ||
                 (!field.empty() && (field.front() == ' ' || field.back() == ' ' ||
                                     field.front() == '\t' || field.back() == '\t'));
    if (!quote)
        return std::string(field);
    std::string out = "\"";
    for (char c : field) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

std::string formatRecord(const Record& record) {
    std::string out;
    for (size_t i = 0; i < record.size(); ++i) {
        if (i)
            out.push_back(',');
        out += quoteField(record[i]);
    }
    out += "\r\n";
    return out;
}

} // namespace grid::csv
