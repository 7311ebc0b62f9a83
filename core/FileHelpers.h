#pragma once
// The core module's file helpers. Paths are in product form (backslashes, drive
// letters). Failures are results: false or an empty output; nothing throws.

#include "core/CorePrint.h"
#include "core/StringHelpers.h"

#include <algorithm>
#include <ctime>
#include <numeric>

// ---- Line files ---------------------------------------------------------------------
// Reads one entry per line. Line ends LF or CR LF; a last line without line end counts;
// a byte-order mark is skipped. Text that is valid UTF-8 is read as such, any other as
// Windows-1252 (files of older installations). False when missing, unreadable or
// larger than 64 MiB; `lines` is then empty.
bool ObjectExportReadFile(const Tvl_String& path, Tvl_StringArray& lines);
// Writes each entry followed by LF, in UTF-8, atomically. An empty list gives an empty file.
// Line breaks inside an entry are written as they are (they split the entry on reading).
bool ObjectExportWriteFile(const Tvl_String& path, const Tvl_StringArray& lines);

// ---- Folders and files -------------------------------------------------------------
// Names (without folder) of the files in `folder` matching `pattern` ("*" any run,
// "?" one character, case ignored), sorted. False when the folder does not exist.
bool ObjectExportFindFiles(const Tvl_String& folder, const Tvl_String& pattern,
                           Tvl_StringArray& names);
// Creates the folder and its missing parents; true when it exists afterwards.
bool ObjectExportCreateDirectory(const Tvl_String& folder);
// Last modification time (seconds since the epoch); false when the file is missing.
bool ObjectExportGetFileTime(const Tvl_String& path, std::time_t& time);
// Deletes a file; false when nothing was deleted (missing, a folder, no permission).
bool deleteFile(const Tvl_String& path);

// ---- Path text (no file system access; "\" and "/" both separate) ------------------
// The folder part including its last separator ("c:\a\b.txt" -> "c:\a\"); "" without one.
Tvl_String getPath(const Tvl_String& path);
// The part after the last separator.
Tvl_String getFileName(const Tvl_String& path);
// The extension of the file name including its dot (".txt"); "" when none.
Tvl_String getExtension(const Tvl_String& path);
// The path without the extension of its file name.
Tvl_String removeExtension(const Tvl_String& path);
// Replaces (or adds) the extension; `extension` with or without its dot; "" removes it.
Tvl_String changeExtension(const Tvl_String& path, const Tvl_String& extension);

// ---- Numbers and ordering ----------------------------------------------------------
// The multiple of `step` nearest to `value`; halves go away from zero (2.5 -> 3 for
// step 1, -2.5 -> -3). A step that is not positive returns `value` unchanged.
double ObjectExportRoundTo(double value, double step);

// Sorts `items` by ascending `keys` (both arrays are reordered together); equal keys
// keep their order. Different lengths: "*Error* Array size mismatch.\n", false, no change.
template <class Keys, class Items> bool ObjectExportSort(Keys& keys, Items& items) {
    if (keys.length() != items.length()) {
        tvlReportArrayFault(Tvl_ArrayFault::SizeMismatch);
        return false;
    }
    std::vector<int> order(static_cast<size_t>(keys.length()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    Keys sortedKeys(keys);
    Items sortedItems(items);
    for (size_t i = 0; i < order.size(); ++i) {
        sortedKeys[static_cast<int>(i)] = keys[order[i]];
        sortedItems[static_cast<int>(i)] = items[order[i]];
    }
    keys = sortedKeys;
    items = sortedItems;
    return true;
}

// The order of names in sorted name lists: numbers (isNumber) first, by value; then
// other names without regard to case. <0, 0, >0.
int compareSortedNames(const Tvl_String& a, const Tvl_String& b);
// Inserts `name` into a list kept in that order, before the first entry that sorts
// after it; returns its index.
int ObjectExportAddToSorted(Tvl_StringArray& sorted, const Tvl_String& name);

// ---- Table files (lines of fields) -------------------------------------------------
// Reads a table file: each line is one row of fields (docs/file-formats-core.md).
// `typeName` gets the file's base name without folder and extension. False when the
// file is missing, unreadable or damaged; `rows` is then empty.
bool readFile(const Tvl_String& path, Tvl_String& typeName, Tvl_Array<Tvl_StringArray>& rows);
// Writes the rows atomically so that readFile gives them back exactly.
bool writeFile(const Tvl_String& path, const Tvl_Array<Tvl_StringArray>& rows);
