#include "core/Tvl_Settings.h"

#include "core/detail/Files.h"
#include "core/detail/Text.h"

#include "platform/base/Files.h"

#include <cstdlib>
#include <dlfcn.h>
#include <optional>

Tvl_Settings gSettings;

namespace {

const wchar_t* const kLanguages[] = {L"EN", L"NL", L"DE", L"FR"};

Tvl_String withBackslash(Tvl_String dir) {
    if (!dir.isEmpty() && !dir.endsWith(L"\\") && !dir.endsWith(L"/"))
        dir.append(L'\\');
    return dir;
}

// An environment value as a product-form folder; empty when unset.
Tvl_String envFolder(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v)
        return {};
    if (v[0] == '/')
        return withBackslash(core_detail::productPath(std::filesystem::path(v)));
    return withBackslash(Tvl_String::fromUtf8(v));
}

// The folder of the file that holds this module.
Tvl_String moduleFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&moduleFolder), &info) && info.dli_fname) {
        std::error_code ec;
        std::filesystem::path p = std::filesystem::absolute(info.dli_fname, ec);
        if (!ec)
            return withBackslash(core_detail::productPath(p.parent_path()));
    }
    return {};
}

// Value of the last line of `file` that starts with `prefix` (compared without regard
// to case), as the launcher reads its settings; nullopt when no line matches.
std::optional<Tvl_String> lastValue(const Tvl_String& file, const Tvl_String& prefix) {
    auto lines = base::readLines(core_detail::nativePath(file));
    std::optional<Tvl_String> value;
    if (!lines)
        return value;
    for (const std::string& raw : *lines) {
        Tvl_String line = Tvl_String::fromUtf8(raw);
        if (line.startsWith(prefix, true))
            value = line.getSubStringAt(prefix.length());
    }
    return value;
}

} // namespace

Tvl_String Tvl_Settings::normaliseLanguage(const Tvl_String& code) {
    Tvl_String c = code.trimmed().upper();
    return isKnownLanguage(c) ? c : Tvl_String(L"EN");
}

bool Tvl_Settings::isKnownLanguage(const Tvl_String& code) {
    for (const wchar_t* known : kLanguages) {
        if (code == known)
            return true;
    }
    return false;
}

void Tvl_Settings::ensureLoaded() {
    if (m_loaded)
        return;
    m_loaded = true;
    m_tvlDir = envFolder("TVL_DIR");
    if (m_tvlDir.isEmpty())
        m_tvlDir = moduleFolder();
    m_libDir = envFolder("TVL_LIB_DIR");
    if (m_libDir.isEmpty())
        m_libDir = m_tvlDir + L"tvllib\\";

    // The launcher's order: defset.dat's line wins over tvlv6.cfg's, even when empty.
    std::optional<Tvl_String> code;
    if (const char* env = std::getenv("TVL_LANGUAGE"); env && *env)
        code = Tvl_String::fromUtf8(env);
    if (!code)
        code = lastValue(m_tvlDir + L"defset.dat", L"worklanguage = ");
    if (!code)
        code = lastValue(m_tvlDir + L"tvlv6.cfg", L"language=");
    m_language = normaliseLanguage(code.value_or(Tvl_String()));
}

const Tvl_String& Tvl_Settings::tvlDir() {
    ensureLoaded();
    return m_tvlDir;
}

const Tvl_String& Tvl_Settings::libDir() {
    ensureLoaded();
    return m_libDir;
}

const Tvl_String& Tvl_Settings::language() {
    ensureLoaded();
    return m_language;
}

bool Tvl_Settings::setLanguage(const Tvl_String& code) {
    Tvl_String c = code.trimmed().upper();
    if (!isKnownLanguage(c))
        return false;
    ensureLoaded();
    m_language = c;
    return true;
}

void Tvl_Settings::reload() {
    m_loaded = false;
}
