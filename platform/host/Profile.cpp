#include "platform/host/Profile.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace host {
namespace fs = std::filesystem;

namespace {

std::wstring_view trim(std::wstring_view s) {
    const auto blank = [](wchar_t c) {
        return c == L' ' || c == L'\t' || c == L'\r' || c == L'\f' || c == L'\v';
    };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Names may not hold characters that would break the file's structure.
bool validName(std::wstring_view s) {
    if (trim(s).empty() || trim(s).size() != s.size())
        return false;
    for (wchar_t c : s)
        if (c == L'\n' || c == L'\r' || c == L'=' || c == L'[' || c == L']' || c == 0)
            return false;
    return true;
}

std::optional<int> parseStrictInt(std::wstring_view text) {
    text = trim(text);
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    size_t i = 0;
    bool negative = false;
    if (text[0] == L'+' || text[0] == L'-') {
        negative = text[0] == L'-';
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return std::nullopt;
        v = v * 10 + (text[i] - L'0');
        if (v > static_cast<long long>(INT_MAX) + 1)
            return std::nullopt;
    }
    v = negative ? -v : v;
    if (v < INT_MIN || v > INT_MAX)
        return std::nullopt;
    return static_cast<int>(v);
}

} // namespace

Profile& profile() {
    static Profile* p = new Profile;
    return *p;
}

fs::path Profile::defaultPath() {
    if (const char* env = std::getenv("TVL_PROFILE"); env && *env)
        return fs::path(env);
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = fs::path(home) / ".config";
    else
        config = fs::temp_directory_path();
    return config / "trevlon" / "acad-profile.ini";
}

fs::path Profile::path() {
    return m_override.empty() ? defaultPath() : m_override;
}

void Profile::setPath(const fs::path& file) {
    m_override = file;
    m_loaded = false;
}

void Profile::ensureLoaded() {
    const fs::path p = path();
    if (m_loaded && p == m_loadedFrom)
        return;
    m_sections.clear();
    m_loadedFrom = p;
    m_loaded = true;
    if (auto bytes = base::readFile(p))
        parse(*bytes);
}

void Profile::parse(std::string_view bytes) {
    Section* current = nullptr;
    size_t pos = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos)
            end = bytes.size();
        const std::string_view raw = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!base::isValidUtf8(raw) || raw.find('\0') != std::string_view::npos)
            continue;
        const std::wstring wide = base::fromUtf8(raw);
        const std::wstring_view line = trim(wide);
        if (line.empty() || line.front() == L';' || line.front() == L'#')
            continue;
        if (line.front() == L'[') {
            const size_t close = line.find(L']');
            const std::wstring_view name = close == std::wstring_view::npos
                                               ? std::wstring_view()
                                               : trim(line.substr(1, close - 1));
            if (!validName(name)) {
                current = nullptr; // keys of a damaged header are dropped
                continue;
            }
            current = findSection(name);
            if (!current) {
                m_sections.push_back({std::wstring(name), {}});
                current = &m_sections.back();
            }
            continue;
        }
        const size_t eq = line.find(L'=');
        if (!current || eq == std::wstring_view::npos)
            continue;
        const std::wstring_view key = trim(line.substr(0, eq));
        if (!validName(key))
            continue;
        const std::wstring value(trim(line.substr(eq + 1)));
        bool replaced = false;
        for (Entry& e : current->entries) {
            if (base::equalsNoCase(e.key, key)) {
                e.value = value; // the last one wins
                replaced = true;
            }
        }
        if (!replaced)
            current->entries.push_back({std::wstring(key), value});
    }
}

std::string Profile::serialize() const {
    std::string out;
    for (const Section& s : m_sections) {
        if (!out.empty())
            out += "\n";
        out += "[" + base::toUtf8(s.name) + "]\n";
        for (const Entry& e : s.entries)
            out += base::toUtf8(e.key) + "=" + base::toUtf8(e.value) + "\n";
    }
    return out;
}

bool Profile::save() {
    const fs::path p = path();
    if (p.has_parent_path())
        base::createFolder(p.parent_path());
    return base::writeFileAtomic(p, serialize());
}

Profile::Section* Profile::findSection(std::wstring_view name) {
    for (Section& s : m_sections)
        if (base::equalsNoCase(s.name, name))
            return &s;
    return nullptr;
}

const std::wstring* Profile::findValue(std::wstring_view section, std::wstring_view key) {
    ensureLoaded();
    Section* s = findSection(section);
    if (!s)
        return nullptr;
    for (const Entry& e : s->entries)
        if (base::equalsNoCase(e.key, key))
            return &e.value;
    return nullptr;
}

int Profile::getInt(std::wstring_view section, std::wstring_view key, int defaultValue) {
    const std::wstring* v = findValue(section, key);
    if (!v)
        return defaultValue;
    return parseStrictInt(*v).value_or(defaultValue);
}

std::wstring Profile::getString(std::wstring_view section, std::wstring_view key,
                                std::wstring_view defaultValue) {
    const std::wstring* v = findValue(section, key);
    return v ? *v : std::wstring(defaultValue);
}

bool Profile::putInt(std::wstring_view section, std::wstring_view key, int value) {
    return putString(section, key, std::to_wstring(value));
}

bool Profile::putString(std::wstring_view section, std::wstring_view key, std::wstring_view value) {
    if (!validName(section) || !validName(key) ||
        value.find_first_of(L"\r\n") != std::wstring_view::npos)
        return false;
    ensureLoaded();
    Section* s = findSection(section);
    if (!s) {
        m_sections.push_back({std::wstring(section), {}});
        s = &m_sections.back();
    }
    bool found = false;
    for (Entry& e : s->entries) {
        if (base::equalsNoCase(e.key, key)) {
            e.value = trim(value);
            found = true;
            break;
        }
    }
    if (!found)
        s->entries.push_back({std::wstring(key), std::wstring(trim(value))});
    return save();
}

bool Profile::removeKey(std::wstring_view section, std::wstring_view key) {
    ensureLoaded();
    Section* s = findSection(section);
    if (!s)
        return false;
    const auto n =
        std::erase_if(s->entries, [&](const Entry& e) { return base::equalsNoCase(e.key, key); });
    return n > 0 && save();
}

} // namespace host
