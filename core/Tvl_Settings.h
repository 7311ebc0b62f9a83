#pragma once
// Tvl_Settings: where the product is installed and which language it speaks.
// One instance, gSettings, reads everything lazily on first use.
//
// - tvlDir(): the product folder, in product path form ending in "\". It is the folder
//   that holds zelcor.arx; the environment variable TVL_DIR overrides it.
// - libDir(): the library folder, "<tvlDir>tvllib\"; TVL_LIB_DIR overrides it.
//   Environment values that begin with "/" are native paths, others product form.
// - language(): one of EN, NL, DE, FR. Taken, first match wins, from TVL_LANGUAGE, the
//   last "worklanguage = " line of <tvlDir>defset.dat, the last "language=" line of
//   <tvlDir>tvlv6.cfg (key compared without regard to case), else EN. Blanks around the
//   code are ignored and case does not matter; any other code becomes EN.

#include "core/Tvl_String.h"

class Tvl_Settings {
public:
    Tvl_Settings() = default;
    Tvl_Settings(const Tvl_Settings&) = delete;
    Tvl_Settings& operator=(const Tvl_Settings&) = delete;
    virtual ~Tvl_Settings() = default;

    const Tvl_String& tvlDir();
    const Tvl_String& libDir();
    const Tvl_String& language();

    // Switches the current language for this session (EN, NL, DE, FR; case and blanks
    // ignored). False and no change for any other code.
    bool setLanguage(const Tvl_String& code);

    // Forgets what was read, so the next call reads the installation and environment again.
    void reload();

    // The product code for `code`: trimmed, upper case, one of the four; else "EN".
    static Tvl_String normaliseLanguage(const Tvl_String& code);
    static bool isKnownLanguage(const Tvl_String& code);

private:
    void ensureLoaded();

    bool m_loaded = false;
    Tvl_String m_tvlDir;
    Tvl_String m_libDir;
    Tvl_String m_language;
};

extern Tvl_Settings gSettings;
