#include "core/Tvl_PropertiesList.h"

#include "core/detail/Escape.h"
#include "core/detail/Files.h"
#include "core/detail/Text.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::string_view kHeader = "TVLPROPERTIES 1";
constexpr std::string_view kEnd = "END ";

bool validName(const Tvl_String& name) {
    if (name.isEmpty())
        return false;
    for (wchar_t c : name.str()) {
        if (c == L'=' || c == L'\n' || c == L'\r' || c == 0)
            return false;
    }
    return true;
}

// Texts are written as UTF-8 with the core's backslash escapes.
std::string escape(const std::wstring& text) {
    return core_detail::toUtf8(core_detail::escapeText(text));
}

bool unescape(std::wstring_view in, std::wstring& out) {
    return core_detail::unescapeText(in, out);
}

std::string formatDouble(double v) {
    // %.17g is exact for every finite double; the C locale keeps "." as separator.
    return core_detail::toUtf8(core_detail::formatC(L"%.17g", v));
}

} // namespace

const wchar_t* acadErrorStatusText(Acad::ErrorStatus status) {
    struct Name {
        Acad::ErrorStatus status;
        const wchar_t* text;
    };
    static const Name names[] = {
        {Acad::eOk, L"eOk"},
        {Acad::eInvalidInput, L"eInvalidInput"},
        {Acad::eKeyNotFound, L"eKeyNotFound"},
        {CoreStatus::eWrongDataType, L"eWrongDataType"},
        {CoreStatus::eFileNotFound, L"eFileNotFound"},
        {CoreStatus::eFileAccessErr, L"eFileAccessErr"},
        {CoreStatus::eBadFileFormat, L"eBadFileFormat"},
        {CoreStatus::eFileTooLarge, L"eFileTooLarge"},
    };
    for (const Name& n : names) {
        if (n.status == status)
            return n.text;
    }
    return L"other";
}

int Tvl_PropertiesList::indexOf(const Tvl_String& name) const {
    auto it = m_index.find(name);
    return it == m_index.end() ? -1 : static_cast<int>(it->second);
}

void Tvl_PropertiesList::rebuildIndex() {
    m_index.clear();
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_index.emplace(m_entries[i].name, i);
}

Acad::ErrorStatus Tvl_PropertiesList::set(const Tvl_String& name, Value value) {
    if (!validName(name))
        return Acad::eInvalidInput;
    int i = indexOf(name);
    if (i >= 0) {
        m_entries[static_cast<size_t>(i)].value = std::move(value);
    } else {
        m_index.emplace(name, m_entries.size());
        m_entries.push_back(Entry{name, std::move(value)});
    }
    return Acad::eOk;
}

template <class T>
Acad::ErrorStatus Tvl_PropertiesList::get(const Tvl_String& name, T& value) const {
    int i = indexOf(name);
    if (i < 0)
        return Acad::eKeyNotFound;
    const T* v = std::get_if<T>(&m_entries[static_cast<size_t>(i)].value);
    if (!v)
        return CoreStatus::eWrongDataType;
    value = *v;
    return Acad::eOk;
}

Acad::ErrorStatus Tvl_PropertiesList::getProperty(const Tvl_String& name, Tvl_String& value) const {
    return get(name, value);
}

Acad::ErrorStatus Tvl_PropertiesList::getProperty(const Tvl_String& name, double& value) const {
    return get(name, value);
}

Acad::ErrorStatus Tvl_PropertiesList::getProperty(const Tvl_String& name, int& value) const {
    return get(name, value);
}

Acad::ErrorStatus Tvl_PropertiesList::setProperty(const Tvl_String& name, const Tvl_String& value) {
    return set(name, value);
}

Acad::ErrorStatus Tvl_PropertiesList::setProperty(const Tvl_String& name, const wchar_t* value) {
    return set(name, Tvl_String(value));
}

Acad::ErrorStatus Tvl_PropertiesList::setProperty(const Tvl_String& name, double value) {
    return set(name, value);
}

Acad::ErrorStatus Tvl_PropertiesList::setProperty(const Tvl_String& name, int value) {
    return set(name, value);
}

Acad::ErrorStatus Tvl_PropertiesList::getType(const Tvl_String& name, Type& type) const {
    int i = indexOf(name);
    if (i < 0)
        return Acad::eKeyNotFound;
    type = static_cast<Type>(m_entries[static_cast<size_t>(i)].value.index());
    return Acad::eOk;
}

Acad::ErrorStatus Tvl_PropertiesList::removeProperty(const Tvl_String& name) {
    int i = indexOf(name);
    if (i < 0)
        return Acad::eKeyNotFound;
    m_entries.erase(m_entries.begin() + i);
    rebuildIndex();
    return Acad::eOk;
}

Tvl_StringArray Tvl_PropertiesList::names() const {
    Tvl_StringArray list;
    for (const Entry& e : m_entries)
        list.append(e.name);
    return list;
}

bool Tvl_PropertiesList::operator==(const Tvl_PropertiesList& other) const {
    return m_entries == other.m_entries;
}

std::string Tvl_PropertiesList::writeToText() const {
    std::string out(kHeader);
    out += '\n';
    for (const Entry& e : m_entries) {
        switch (e.value.index()) {
        case 0:
            out += "s ";
            break;
        case 1:
            out += "r ";
            break;
        default:
            out += "i ";
            break;
        }
        out += escape(e.name.str());
        out += '=';
        if (const Tvl_String* s = std::get_if<Tvl_String>(&e.value))
            out += escape(s->str());
        else if (const double* d = std::get_if<double>(&e.value))
            out += formatDouble(*d);
        else
            out += std::to_string(std::get<int>(e.value));
        out += '\n';
    }
    out += kEnd;
    out += std::to_string(m_entries.size());
    out += '\n';
    return out;
}

Acad::ErrorStatus Tvl_PropertiesList::readFromText(const std::string& bytes) {
    if (bytes.find('\0') != std::string::npos)
        return CoreStatus::eBadFileFormat;
    std::wstring text;
    std::string_view body(bytes);
    if (body.starts_with("\xEF\xBB\xBF"))
        body.remove_prefix(3);
    if (!core_detail::fromUtf8(body, text))
        return CoreStatus::eBadFileFormat;

    Tvl_PropertiesList result;
    bool headerSeen = false;
    bool endSeen = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find(L'\n', pos);
        if (nl == std::wstring::npos)
            return CoreStatus::eBadFileFormat; // every line ends with a line feed; else truncated
        std::wstring_view line(text.data() + pos, nl - pos);
        pos = nl + 1;
        if (!line.empty() && line.back() == L'\r')
            line.remove_suffix(1);

        if (endSeen) {
            if (!line.empty())
                return CoreStatus::eBadFileFormat;
            continue;
        }
        if (!headerSeen) {
            if (line != L"TVLPROPERTIES 1")
                return CoreStatus::eBadFileFormat;
            headerSeen = true;
            continue;
        }
        if (line.empty() || line.front() == L'#')
            continue;
        if (line.starts_with(L"END ")) {
            Tvl_String count(line.substr(4));
            int n = -1;
            if (!count.toInt(n) || n != result.length() ||
                count.str().find(L' ') != std::wstring::npos)
                return CoreStatus::eBadFileFormat;
            endSeen = true;
            continue;
        }
        if (line.size() < 3 || line[1] != L' ')
            return CoreStatus::eBadFileFormat;
        size_t eq = line.find(L'=', 2);
        if (eq == std::wstring_view::npos)
            return CoreStatus::eBadFileFormat;
        std::wstring name;
        std::wstring raw(line.substr(eq + 1));
        if (!unescape(line.substr(2, eq - 2), name) || !validName(Tvl_String(name)))
            return CoreStatus::eBadFileFormat;
        if (result.hasProperty(Tvl_String(name)))
            return CoreStatus::eBadFileFormat; // a name appears once; two values are ambiguous
        Value value;
        switch (line[0]) {
        case L's': {
            std::wstring s;
            if (!unescape(raw, s))
                return CoreStatus::eBadFileFormat;
            value = Tvl_String(std::move(s));
            break;
        }
        case L'r': {
            double d = 0;
            if (raw.empty() || raw.front() == L' ' || !Tvl_String(raw).toDouble(d))
                return CoreStatus::eBadFileFormat;
            value = d;
            break;
        }
        case L'i': {
            int n = 0;
            if (raw.empty() || raw.front() == L' ' || !Tvl_String(raw).toInt(n))
                return CoreStatus::eBadFileFormat;
            value = n;
            break;
        }
        default:
            return CoreStatus::eBadFileFormat;
        }
        result.set(Tvl_String(std::move(name)), std::move(value));
    }
    if (!endSeen)
        return CoreStatus::eBadFileFormat;
    *this = std::move(result);
    return Acad::eOk;
}

Acad::ErrorStatus Tvl_PropertiesList::readFromFile(const Tvl_String& path) {
    std::string bytes;
    Acad::ErrorStatus es = core_detail::readWholeFile(path, kMaxFileBytes, bytes);
    if (es != Acad::eOk)
        return es;
    return readFromText(bytes);
}

Acad::ErrorStatus Tvl_PropertiesList::writeToFile(const Tvl_String& path) const {
    if (path.isEmpty())
        return Acad::eInvalidInput;
    return core_detail::writeWholeFileAtomic(path, writeToText()) ? Acad::eOk
                                                                  : CoreStatus::eFileAccessErr;
}
