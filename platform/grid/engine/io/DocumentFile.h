#pragma once

#include <cstdint>
#include <string>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {

class Sheet;

// The grid's document file (.kws): an SQLite database with a versioned schema,
// described in docs/file-formats.md. It keeps everything a Sheet holds except
// custom functions (call-backs) and the changed flag (option 30).
class DocumentFile {
public:
    static constexpr uint32_t kApplicationId = 0x4B575331; // "KWS1"
    static constexpr int kSchemaVersion = 1;

    enum class Content { Everything, DataOnly };

    // Writes the sheet atomically: a temporary file beside `path`, synced, then
    // renamed over it. On failure the file at `path` is as it was before.
    // DataOnly keeps values, formulas, tags and notes, and drops types, formats,
    // spans and sizes.
    static IoStatus save(const Sheet& sheet, const std::string& path,
                         Content content = Content::Everything);

    // Reads a document into `sheet`, replacing its contents (custom functions stay).
    // A missing, foreign, newer, truncated or damaged file gives a failure and
    // leaves `sheet` exactly as it was. Formulas are recalculated after loading
    // when the document has automatic recalculation on.
    static IoStatus load(Sheet& sheet, const std::string& path);
};

} // namespace grid
