#pragma once
// The spreadsheet editor on a named document (the core module's TVLSHEET reaches it):
// as KWEditor, but the editor starts with `path` loaded. A document that cannot be read
// is reported and the editor starts with a new one (switch).

#include "core/Tvl_String.h"
#include "kw/frame/KwExport.h"

KW_EXPORT void KWEditorOpen(const Tvl_String& path);

namespace kw {
// The editor, run modally over no parent, on `path` (empty: a new document).
void runSpreadSheetEditor(const Tvl_String& path);
} // namespace kw
