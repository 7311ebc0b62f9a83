#pragma once
// Stock (".shp") and purchase (".buy") files: one line per table row, the fields joined
// by U+00BF (docs/cutting-stock.md). Reading is all or nothing: a file that is missing,
// too large, binary or holds a row the table cannot take gives false, no rows, and a
// reason for the user; writing is atomic and refuses rows that would not read back.

#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"

namespace cutstock {

inline constexpr wchar_t kFieldSeparator = 0x00BF;

// `table` is DlgCSP2Data::kStock or kPurchase.
bool parseStockList(int table, const Tvl_StringArray& lines, Tvl_Array<Tvl_StringArray>& rows,
                    Tvl_String& error);
bool readStockList(int table, const Tvl_String& path, Tvl_Array<Tvl_StringArray>& rows,
                   Tvl_String& error);
// Blank rows are left out. False (nothing written) when a row is not valid or a field
// holds the separator.
bool writeStockList(int table, const Tvl_String& path, const Tvl_Array<Tvl_StringArray>& rows,
                    Tvl_String& error);

} // namespace cutstock
