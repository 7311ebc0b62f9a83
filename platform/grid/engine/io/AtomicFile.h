#pragma once

#include <string>
#include <string_view>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {

// Replacing a file so that readers see either the old or the new contents, never a
// mix: the new contents go to a temporary file in the same folder, which is synced
// and then renamed over the target (and the folder synced). Any failure removes the
// temporary file and leaves the target as it was.
class AtomicFile {
public:
    // Where the stages can be made to fail by tests.
    enum class Stage { None, Create, Write, Sync, Rename };

    explicit AtomicFile(std::string targetPath);
    ~AtomicFile(); // discards the temporary file unless committed
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the (empty) temporary file beside the target.
    IoStatus create();
    const std::string& tempPath() const { return m_tempPath; }
    const std::string& targetPath() const { return m_target; }

    // Appends bytes to the temporary file (when the caller writes through this object).
    IoStatus write(std::string_view bytes);
    // Syncs the temporary file, renames it over the target and syncs the folder.
    IoStatus commit();
    void discard();

    // Test hook: the next atomic save fails at `stage` (one shot).
    static void failNextAt(Stage stage);
    // True (once) when a test asked for a failure at `stage`; writers that fill the
    // temporary file by other means (SQLite) ask for Stage::Write themselves.
    static bool injected(Stage stage);

private:
    std::string m_target;
    std::string m_tempPath;
    int m_fd = -1;
    bool m_committed = false;
};

// Writes `bytes` as the whole new contents of `path`, atomically.
IoStatus writeFileAtomically(const std::string& path, std::string_view bytes);

} // namespace grid
