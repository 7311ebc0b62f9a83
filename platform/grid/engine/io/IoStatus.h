#pragma once

#include <string>
#include <utility>

namespace grid {

// Outcome of a file operation of the grid engine (document, import, export).
enum class IoResult {
    Ok,
    CannotOpen,         // the file could not be opened or read
    NotADocument,       // readable, but not a grid document (foreign file)
    UnsupportedVersion, // a grid document written by a newer schema
    Damaged,            // a grid document whose contents are inconsistent or corrupt
    WriteFailed,        // writing, syncing or renaming failed; the old file is untouched
    TooLarge,           // the sheet does not fit the target format
    BadArgument,        // the caller asked for something meaningless
};

// A result with a one-line message for people; `ok()` is the only success.
class IoStatus {
public:
    IoStatus() = default;
    IoStatus(IoResult result, std::string message)
        : m_result(result), m_message(std::move(message)) {}

    static IoStatus success() { return {}; }

    bool ok() const { return m_result == IoResult::Ok; }
    IoResult result() const { return m_result; }
    const std::string& message() const { return m_message; }

private:
    IoResult m_result = IoResult::Ok;
    std::string m_message;
};

} // namespace grid
