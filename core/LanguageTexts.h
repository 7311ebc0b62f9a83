#pragma once
// The texts of the current product language by number.
//
// The tables are read on first use from "<tvlDir>lang\<CODE>.lang" (or, when the
// environment variable TVL_LANG_DIR names a native folder, from "<that folder>/<CODE>.lang").
// A number missing from the current language's file is taken from the English file;
// missing there too, the text is the visible placeholder "#<number>". Problems of a
// file are printed on the command line once, when the file is read.

#include "core/LanguageTable.h"
#include "core/Tvl_String.h"

// Text `number` of the dialog texts (table D).
Tvl_String dialString(int number);
// Text `number` of the message texts (table S).
Tvl_String string(int number);

// The table of a language code (EN, NL, DE, FR), read on first use.
const LanguageTable& languageTable(const Tvl_String& code);
// The file a language is read from, in product form.
Tvl_String languageFilePath(const Tvl_String& code);
// Forgets every table read so far; the next text reads the files again.
void reloadLanguageTables();
