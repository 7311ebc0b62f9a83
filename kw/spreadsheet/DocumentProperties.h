#pragma once
// The program's own data inside a spreadsheet document: the corner cell's tag holds the
// document properties as Tvl_SimplePropsList text (keys below); every other cell's tag
// is that cell's variable name.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/spreadsheet/Tvl_SimplePropsList.h"

namespace kw {

// Keys of the corner tag, with their kinds.
namespace docprops {
inline constexpr const wchar_t* kHeaderFile = L"headerFile";     // text
inline constexpr const wchar_t* kFooterFile = L"footerFile";     // text
inline constexpr const wchar_t* kMarginLeft = L"marginLeft";     // integer, mm
inline constexpr const wchar_t* kMarginRight = L"marginRight";   // integer, mm
inline constexpr const wchar_t* kMarginTop = L"marginTop";       // integer, mm
inline constexpr const wchar_t* kMarginBottom = L"marginBottom"; // integer, mm
inline constexpr const wchar_t* kSmartPrint = L"smartPrint";     // bool
inline constexpr const wchar_t* kColors = L"colors";             // bool
inline constexpr const wchar_t* kColHeader = L"colHeader";       // bool
inline constexpr const wchar_t* kRowHeader = L"rowHeader";       // bool
inline constexpr const wchar_t* kCellSeperators =
    L"cellSeperators";                                     // bool (key spelled so in files)
inline constexpr const wchar_t* kBorder = L"border";       // bool
inline constexpr const wchar_t* kVarNames = L"varNames";   // indexed text list
inline constexpr const wchar_t* kVarValues = L"varValues"; // indexed text list
} // namespace docprops

// The document properties with their defaults (used for every key that is missing).
struct DocumentProperties {
    Tvl_String headerFile;
    Tvl_String footerFile;
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    bool smartPrint = false;
    bool colors = false;
    bool colHeader = false;
    bool rowHeader = false;
    bool cellSeperators = false;
    bool border = false;
    Tvl_StringArray varNames;  // header variables ...
    Tvl_StringArray varValues; // ... and their values, equally long after reading

    bool operator==(const DocumentProperties&) const = default;
};

// Reads the properties from a list; missing keys (or keys of another kind) keep their
// defaults. `equalLength` tells whether the two variable lists had the same length;
// when not, the longer one is cut to the length of the shorter.
DocumentProperties readDocumentProperties(const Tvl_SimplePropsList& list, bool& equalLength);
// The same from the corner tag's text; an empty or damaged text gives the defaults.
DocumentProperties readDocumentProperties(const Tvl_String& cornerTag, bool& equalLength);

// Writes every key into `list` (entries of other names are kept where they are).
void writeDocumentProperties(const DocumentProperties& props, Tvl_SimplePropsList& list);
// The corner tag rewritten in full from `props`, keeping entries of other names that
// `oldTag` held.
Tvl_String rewriteCornerTag(const Tvl_String& oldTag, const DocumentProperties& props);

} // namespace kw
