#include "kw/spreadsheet/Tvl_SimplePropsList.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr int kMaxNameLength = 4096;

bool holdsSeparator(const Tvl_String& text) {
    return text.find(Tvl_SimplePropsList::kSeparator) >= 0;
}

} // namespace

bool Tvl_SimplePropsList::nameAllowed(const Tvl_String& name) {
    return !name.isEmpty() && name.length() <= kMaxNameLength && !holdsSeparator(name) &&
           name.find(L'\0') < 0;
}

int Tvl_SimplePropsList::find(const Tvl_String& name) const {
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].name.equal(name, true))
            return static_cast<int>(i);
    return -1;
}

bool Tvl_SimplePropsList::remove(const Tvl_String& name) {
    const int i = find(name);
    if (i < 0)
        return false;
    m_entries.erase(m_entries.begin() + i);
    return true;
}

bool Tvl_SimplePropsList::getEntry(int index, Tvl_String& name, int& kind,
                                   Tvl_String& value) const {
    if (index < 0 || index >= length())
        return false;
    const Entry& e = m_entries[static_cast<size_t>(index)];
    name = e.name;
    kind = e.kind;
    value = valueText(e);
    return true;
}

Tvl_SimplePropsList::Entry* Tvl_SimplePropsList::slot(const Tvl_String& name) {
    if (!nameAllowed(name))
        return nullptr;
    const int i = find(name);
    Entry* e = nullptr;
    if (i >= 0) {
        e = &m_entries[static_cast<size_t>(i)];
    } else {
        m_entries.push_back(Entry{});
        e = &m_entries.back();
        e->name = name;
    }
    // A replaced value starts from nothing: only kind 4 keeps a text payload.
    e->kind = None;
    e->real = 0.0;
    e->integer = 0;
    e->text.clear();
    return e;
}

const Tvl_SimplePropsList::Entry* Tvl_SimplePropsList::get(const Tvl_String& name, int kind) const {
    const int i = find(name);
    if (i < 0 || m_entries[static_cast<size_t>(i)].kind != kind)
        return nullptr;
    return &m_entries[static_cast<size_t>(i)];
}

bool Tvl_SimplePropsList::getReal(const Tvl_String& name, double& value) const {
    const Entry* e = get(name, Real);
    value = e ? e->real : 0.0;
    return e != nullptr;
}

bool Tvl_SimplePropsList::getBool(const Tvl_String& name, bool& value) const {
    const Entry* e = get(name, Int);
    value = e ? e->integer != 0 : false;
    return e != nullptr;
}

bool Tvl_SimplePropsList::getInt(const Tvl_String& name, int& value) const {
    const Entry* e = get(name, Int);
    value = e ? e->integer : 0;
    return e != nullptr;
}

bool Tvl_SimplePropsList::getLong(const Tvl_String& name, int& value) const {
    const Entry* e = get(name, Long);
    value = e ? e->integer : 0;
    return e != nullptr;
}

bool Tvl_SimplePropsList::getText(const Tvl_String& name, Tvl_String& value) const {
    const Entry* e = get(name, Text);
    value = e ? e->text : Tvl_String();
    return e != nullptr;
}

bool Tvl_SimplePropsList::setReal(const Tvl_String& name, double value) {
    Entry* e = slot(name);
    if (!e)
        return false;
    e->kind = Real;
    e->real = value;
    return true;
}

bool Tvl_SimplePropsList::setBool(const Tvl_String& name, bool value) {
    return setInt(name, value ? 1 : 0);
}

bool Tvl_SimplePropsList::setInt(const Tvl_String& name, int value) {
    Entry* e = slot(name);
    if (!e)
        return false;
    e->kind = Int;
    e->integer = value;
    return true;
}

bool Tvl_SimplePropsList::setLong(const Tvl_String& name, int value) {
    Entry* e = slot(name);
    if (!e)
        return false;
    e->kind = Long;
    e->integer = value;
    return true;
}

bool Tvl_SimplePropsList::setText(const Tvl_String& name, const Tvl_String& value) {
    if (holdsSeparator(value) || !nameAllowed(name))
        return false;
    Entry* e = slot(name);
    e->kind = Text;
    e->text = value;
    return true;
}

bool Tvl_SimplePropsList::setNone(const Tvl_String& name) {
    return slot(name) != nullptr;
}

bool Tvl_SimplePropsList::setFromText(const Tvl_String& name, int kind, const Tvl_String& text) {
    switch (kind) {
    case None:
        return setNone(name);
    case Real:
        return setReal(name, text.toDouble());
    case Int:
        return setInt(name, text.toInt());
    case Long:
        return setLong(name, text.toInt());
    case Text:
        return setText(name, text);
    default:
        return false;
    }
}

bool Tvl_SimplePropsList::setTextList(const Tvl_String& base, const Tvl_StringArray& values) {
    if (!nameAllowed(base))
        return false;
    for (int i = 0; i < values.length(); ++i)
        if (holdsSeparator(values[i]))
            return false;
    for (int i = 0; i < values.length(); ++i)
        setText(base + Tvl_String(i), values[i]);
    // Entries behind the new end would otherwise be read back as part of the list.
    for (int i = values.length(); remove(base + Tvl_String(i)); ++i) {
    }
    return true;
}

void Tvl_SimplePropsList::getTextList(const Tvl_String& base, Tvl_StringArray& values) const {
    values.clear();
    for (int i = 0;; ++i) {
        const Entry* e = get(base + Tvl_String(i), Text);
        if (!e)
            break;
        values.append(e->text);
    }
}

Tvl_String Tvl_SimplePropsList::valueText(const Entry& e) {
    switch (e.kind) {
    case Real:
        return Tvl_String(e.real, 2);
    case Int:
    case Long:
        return Tvl_String(e.integer);
    case Text:
        return e.text;
    default:
        return Tvl_String();
    }
}

Tvl_String Tvl_SimplePropsList::toString() const {
    std::wstring out;
    for (const Entry& e : m_entries) {
        out += e.name.str();
        out += kSeparator;
        out += std::to_wstring(e.kind);
        out += kSeparator;
        out += valueText(e).str();
        out += kSeparator;
    }
    return Tvl_String(std::move(out));
}

bool Tvl_SimplePropsList::parsePieces(const std::vector<Tvl_String>& pieces) {
    clear();
    // Complete triples only; a trailing piece without its separator is ignored.
    for (size_t i = 0; i + 2 < pieces.size(); i += 3) {
        int kind = -1;
        if (!pieces[i + 1].toInt(kind) || !setFromText(pieces[i], kind, pieces[i + 2])) {
            clear();
            return false;
        }
    }
    return true;
}

bool Tvl_SimplePropsList::fromString(const Tvl_String& text) {
    clear();
    if (text.isEmpty() || text.length() > kMaxBytes || text.find(L'\0') >= 0)
        return false;
    std::vector<Tvl_String> pieces;
    const std::wstring& s = text.str();
    size_t start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == kSeparator) {
            pieces.emplace_back(std::wstring(s, start, i - start));
            start = i + 1;
        }
    }
    return parsePieces(pieces);
}

bool Tvl_SimplePropsList::writeToFile(const Tvl_String& path) const {
    if (path.isEmpty())
        return false;
    std::string bytes;
    for (const Entry& e : m_entries) {
        bytes += base::toCp1252(e.name.str());
        bytes += static_cast<char>(kSeparatorByte);
        bytes += std::to_string(e.kind);
        bytes += static_cast<char>(kSeparatorByte);
        bytes += base::toCp1252(valueText(e).str());
        bytes += static_cast<char>(kSeparatorByte);
    }
    return base::writeFileAtomic(base::toNative(path.str()), bytes);
}

bool Tvl_SimplePropsList::readFromFile(const Tvl_String& path) {
    clear();
    if (path.isEmpty())
        return false;
    const base::NativePath native = base::toNative(path.str());
    std::error_code ec;
    const auto size = std::filesystem::file_size(native, ec);
    if (ec || size > static_cast<std::uintmax_t>(kMaxBytes))
        return false;
    const auto bytes = base::readFile(native);
    if (!bytes || bytes->empty()) // an empty file is no list, as an empty text is none
        return false;
    std::vector<Tvl_String> pieces;
    size_t start = 0;
    for (size_t i = 0; i < bytes->size(); ++i) {
        const auto byte = static_cast<unsigned char>((*bytes)[i]);
        if (byte == 0)
            return false;
        if (byte == kSeparatorByte) {
            pieces.emplace_back(
                base::fromCp1252(std::string_view(*bytes).substr(start, i - start)));
            start = i + 1;
        }
    }
    return parsePieces(pieces);
}

bool Tvl_SimplePropsList::operator==(const Tvl_SimplePropsList& other) const {
    return m_entries == other.m_entries;
}
