#include "core/LanguageTexts.h"

#include "core/MacroLangs.h"
#include "core/Tvl_Settings.h"
#include "core/detail/Files.h"

#include <cstdlib>
#include <map>

MacroLangs gMacroLangs;

namespace {

std::map<Tvl_String, LanguageTable>& tables() {
    static std::map<Tvl_String, LanguageTable> t;
    return t;
}

const Tvl_String* lookup(LanguageTable::Table table, int number) {
    const Tvl_String& code = gSettings.language();
    if (const Tvl_String* s = languageTable(code).find(table, number))
        return s;
    if (code != L"EN")
        return languageTable(L"EN").find(table, number);
    return nullptr;
}

} // namespace

Tvl_String languageFilePath(const Tvl_String& code) {
    Tvl_String name = Tvl_Settings::normaliseLanguage(code) + L".lang";
    if (const char* dir = std::getenv("TVL_LANG_DIR"); dir && *dir)
        return core_detail::productPath(std::filesystem::path(dir) / name.toUtf8());
    return gSettings.tvlDir() + L"lang\\" + name;
}

const LanguageTable& languageTable(const Tvl_String& code) {
    Tvl_String key = Tvl_Settings::normaliseLanguage(code);
    auto it = tables().find(key);
    if (it != tables().end())
        return it->second;
    LanguageTable& table = tables()[key];
    Tvl_String path = languageFilePath(key);
    LanguageTable::LoadResult result = table.loadFromFile(path);
    LanguageTable::printProblems(path, result);
    return table;
}

void reloadLanguageTables() {
    tables().clear();
}

Tvl_String dialString(int number) {
    const Tvl_String* s = lookup(LanguageTable::Table::Dialog, number);
    return s ? *s : LanguageTable::placeholder(number);
}

Tvl_String string(int number) {
    const Tvl_String* s = lookup(LanguageTable::Table::String, number);
    return s ? *s : LanguageTable::placeholder(number);
}

Tvl_String MacroLangs::GetString(const Tvl_String& key, const Tvl_String& defaultText) const {
    const Tvl_String& code = gSettings.language();
    if (const Tvl_String* s = languageTable(code).findMacro(key))
        return *s;
    if (code != L"EN") {
        if (const Tvl_String* s = languageTable(L"EN").findMacro(key))
            return *s;
    }
    return defaultText;
}

Tvl_String MacroLangs::chopSymbols(const Tvl_String& text) {
    std::wstring out;
    const std::wstring& in = text.str();
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] == L'&') {
            if (i + 1 < in.size() && in[i + 1] == L'&') {
                out += L'&';
                ++i;
            }
            continue;
        }
        if (in[i] == L'~')
            continue;
        out += in[i];
    }
    return Tvl_String(std::move(out));
}

Tvl_String MacroLangs::GetStringChopSymbols(const Tvl_String& text) const {
    return chopSymbols(GetString(text, text));
}

Tvl_String MacroLangs::GetCurLanguage() const {
    return gSettings.language();
}

bool MacroLangs::SetCurLanguage(const Tvl_String& code) {
    return gSettings.setLanguage(code);
}

void MacroLangs::GetAllLanguages(Tvl_StringArray& codes) const {
    codes.clear();
    for (const wchar_t* c : {L"EN", L"NL", L"DE", L"FR"})
        codes.append(c);
}
