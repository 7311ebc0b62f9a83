#pragma once
// MacroLangs: languages and translations of macro-owned texts. One instance, gMacroLangs.

#include "core/Tvl_StringArray.h"

class MacroLangs {
public:
    MacroLangs() = default;
    virtual ~MacroLangs() = default;

    // The translation of `key` (table M of the current language, then of English);
    // `defaultText` when neither has the key.
    Tvl_String GetString(const Tvl_String& key, const Tvl_String& defaultText) const;

    // The translation of `text` (itself when untranslated) with its markup symbols
    // removed: "&" accelerator marks ("&&" stays as one "&") and "~".
    Tvl_String GetStringChopSymbols(const Tvl_String& text) const;

    // The current language code, always one of GetAllLanguages.
    Tvl_String GetCurLanguage() const;
    bool SetCurLanguage(const Tvl_String& code);

    // Exactly the four product languages, in this order: EN, NL, DE, FR.
    void GetAllLanguages(Tvl_StringArray& codes) const;

    // The symbol removal of GetStringChopSymbols, without translation.
    static Tvl_String chopSymbols(const Tvl_String& text);
};

extern MacroLangs gMacroLangs;
