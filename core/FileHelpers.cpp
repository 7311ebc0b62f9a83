#include "core/FileHelpers.h"

#include "core/detail/Escape.h"
#include "core/detail/Files.h"
#include "core/detail/Text.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"

#include <cmath>
#include <system_error>

namespace {

constexpr long long kMaxLineFileBytes = 64ll * 1024 * 1024;

int lastSeparator(const Tvl_String& path) {
    return std::max(path.findLast(L'\\'), path.findLast(L'/'));
}

// Splits file bytes into lines: LF or CR LF ends a line, a final line without end counts.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t nl = bytes.find('\n', pos);
        std::string_view line =
            bytes.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        pos = nl == std::string_view::npos ? bytes.size() : nl + 1;
    }
    return lines;
}

// A row is its fields, escaped, between tabs; "\\-" is a row without fields.
bool unescapeRow(std::wstring_view line, Tvl_StringArray& fields) {
    fields.clear();
    if (line == L"\\-")
        return true;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find(L'\t', start);
        std::wstring field;
        if (!core_detail::unescapeText(line.substr(start, tab - start), field))
            return false;
        fields.append(Tvl_String(field));
        if (tab == std::wstring_view::npos)
            return true;
        start = tab + 1;
    }
}

} // namespace

bool ObjectExportReadFile(const Tvl_String& path, Tvl_StringArray& lines) {
    lines.clear();
    std::string bytes;
    if (core_detail::readWholeFile(path, kMaxLineFileBytes, bytes) != Acad::eOk)
        return false;
    std::string_view body(bytes);
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    bool utf8 = base::isValidUtf8(body);
    for (std::string_view line : splitLines(body))
        lines.append(
            Tvl_String(utf8 ? core_detail::fromUtf8Lenient(line) : base::fromCp1252(line)));
    return true;
}

bool ObjectExportWriteFile(const Tvl_String& path, const Tvl_StringArray& lines) {
    std::string bytes;
    for (const Tvl_String& line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return core_detail::writeWholeFileAtomic(path, bytes);
}

bool ObjectExportFindFiles(const Tvl_String& folder, const Tvl_String& pattern,
                           Tvl_StringArray& names) {
    names.clear();
    std::filesystem::path native = core_detail::nativePath(folder);
    std::error_code ec;
    if (folder.isEmpty() || !std::filesystem::is_directory(native, ec))
        return false;
    Tvl_String pat = pattern.isEmpty() ? Tvl_String(L"*") : pattern;
    for (const auto& file : base::findFiles(native, pat.str(), base::Recurse::No))
        names.append(Tvl_String::fromUtf8(file.filename().string()));
    return true;
}

bool ObjectExportCreateDirectory(const Tvl_String& folder) {
    if (folder.isEmpty())
        return false;
    return base::createFolder(core_detail::nativePath(folder));
}

bool ObjectExportGetFileTime(const Tvl_String& path, std::time_t& time) {
    if (path.isEmpty())
        return false;
    auto t = base::modificationTime(core_detail::nativePath(path));
    if (!t)
        return false;
    time = *t;
    return true;
}

bool deleteFile(const Tvl_String& path) {
    if (path.isEmpty())
        return false;
    return base::removeFile(core_detail::nativePath(path));
}

Tvl_String getPath(const Tvl_String& path) {
    int sep = lastSeparator(path);
    return sep < 0 ? Tvl_String() : path.left(sep + 1);
}

Tvl_String getFileName(const Tvl_String& path) {
    return path.getSubStringAt(lastSeparator(path) + 1);
}

Tvl_String getExtension(const Tvl_String& path) {
    Tvl_String name = getFileName(path);
    int dot = name.findLast(L'.');
    return dot < 0 ? Tvl_String() : name.getSubStringAt(dot);
}

Tvl_String removeExtension(const Tvl_String& path) {
    Tvl_String ext = getExtension(path);
    return path.left(path.length() - ext.length());
}

Tvl_String changeExtension(const Tvl_String& path, const Tvl_String& extension) {
    Tvl_String result = removeExtension(path);
    if (extension.isEmpty())
        return result;
    if (!extension.startsWith(L"."))
        result.append(L'.');
    return result + extension;
}

double ObjectExportRoundTo(double value, double step) {
    if (!(step > 0) || !std::isfinite(value))
        return value;
    return std::round(value / step) * step;
}

int compareSortedNames(const Tvl_String& a, const Tvl_String& b) {
    bool an = isNumber(a);
    bool bn = isNumber(b);
    if (an && bn) {
        double x = a.toDouble();
        double y = b.toDouble();
        if (x != y)
            return x < y ? -1 : 1;
        return a.compare(b);
    }
    if (an != bn)
        return an ? -1 : 1;
    int r = a.compare(b, true);
    return r != 0 ? r : a.compare(b);
}

int ObjectExportAddToSorted(Tvl_StringArray& sorted, const Tvl_String& name) {
    int i = 0;
    while (i < sorted.length() && compareSortedNames(sorted[i], name) <= 0)
        ++i;
    sorted.insertAt(i, name);
    return i;
}

bool readFile(const Tvl_String& path, Tvl_String& typeName, Tvl_Array<Tvl_StringArray>& rows) {
    rows.clear();
    std::string bytes;
    if (core_detail::readWholeFile(path, kMaxLineFileBytes, bytes) != Acad::eOk)
        return false;
    std::string_view body(bytes);
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    Tvl_Array<Tvl_StringArray> result;
    for (std::string_view line : splitLines(body)) {
        std::wstring wide;
        Tvl_StringArray fields;
        if (line.find('\0') != std::string_view::npos || !core_detail::fromUtf8(line, wide) ||
            !unescapeRow(wide, fields))
            return false;
        result.append(fields);
    }
    rows = result;
    typeName = removeExtension(getFileName(path));
    return true;
}

bool writeFile(const Tvl_String& path, const Tvl_Array<Tvl_StringArray>& rows) {
    std::wstring text;
    for (const Tvl_StringArray& row : rows) {
        if (row.isEmpty()) {
            text += L"\\-";
        } else {
            for (int i = 0; i < row.length(); ++i) {
                if (i > 0)
                    text += L'\t';
                text += core_detail::escapeText(row[i].str());
            }
        }
        text += L'\n';
    }
    // A first field that starts with U+FEFF would read back as the byte-order mark
    // that readers skip: it is written as an escape instead.
    if (text.starts_with(L'\uFEFF'))
        text.replace(0, 1, L"\\u{FEFF}");
    return core_detail::writeWholeFileAtomic(path, core_detail::toUtf8(text));
}
