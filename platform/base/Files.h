#pragma once

// File helpers on NATIVE paths. Product-form paths (backslashes, drive letters) go
// through base::toNative() first; passing a wide string here is a compile error on
// purpose, so that no product path reaches the file system unmapped.
//
// Failures are results: false, std::nullopt or an empty list. Nothing throws.

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace base {

using NativePath = std::filesystem::path;

// True when a file or folder of exactly this name exists.
bool pathExists(const NativePath& path);

// Find-first semantics: the last component may hold the wildcards '*' (any run of
// characters) and '?' (one character); names compare without regard to case, and
// "*.*" matches every name. Like the platform's find-first, the folder's own "." and
// ".." entries count, so "dir/*" is true for an existing empty folder.
// Without wildcards the name is looked up as written first, then without regard to
// case. Returns the first match in name order.
std::optional<NativePath> findFirst(const NativePath& pattern);
bool existsMatching(const NativePath& pattern);

// True when `name` matches the wildcard pattern (rules above, case-insensitive).
bool matchesWildcard(std::wstring_view name, std::wstring_view pattern);

// Every file (not folder) matching `pattern` (wildcards as above) in `folder`, and in
// all its sub-folders when recursive, sorted by path. Missing folder: empty list.
enum class Recurse { No, Yes };
std::vector<NativePath> findFiles(const NativePath& folder, std::wstring_view pattern,
                                  Recurse recurse);

// Whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> readFile(const NativePath& path);

// Lines without their terminators ("\n" or "\r\n"); empty lines are kept; a final
// line without terminator counts. nullopt when the file cannot be read.
std::optional<std::vector<std::string>> readLines(const NativePath& path);

// Writes the whole file, replacing it. Not atomic: use writeFileAtomic for documents.
bool writeFile(const NativePath& path, std::string_view bytes);

// Writes to a temporary file beside the target, flushes it to disk and renames it
// over the target. On any failure the old file is left exactly as it was and the
// temporary file is removed.
bool writeFileAtomic(const NativePath& path, std::string_view bytes);

// Copies a file, replacing the target if it exists (atomically, as above). False
// when the source is missing or unreadable or the target cannot be written.
bool copyFile(const NativePath& from, const NativePath& to);

// Deletes a file (not a folder). False when nothing was deleted.
bool removeFile(const NativePath& path);

// Creates the folder and all missing parents. True when the folder exists afterwards.
bool createFolder(const NativePath& path);

// Last modification time, seconds since the epoch.
std::optional<std::time_t> modificationTime(const NativePath& path);

// Local time in the product's format "%d %B, %Y (%H:%M)", with English month names
// whatever the process locale: "08 December, 2026 (14:25)".
std::string formatLocalTime(std::time_t t, const char* format = "%d %B, %Y (%H:%M)");

// Accidental product paths (wide text) must go through toNative() first.
bool pathExists(const std::wstring&) = delete;
bool pathExists(const wchar_t*) = delete;
std::optional<NativePath> findFirst(const std::wstring&) = delete;
std::optional<NativePath> findFirst(const wchar_t*) = delete;
bool existsMatching(const std::wstring&) = delete;
bool existsMatching(const wchar_t*) = delete;
std::optional<std::string> readFile(const std::wstring&) = delete;
std::optional<std::string> readFile(const wchar_t*) = delete;
std::optional<std::vector<std::string>> readLines(const std::wstring&) = delete;
std::optional<std::vector<std::string>> readLines(const wchar_t*) = delete;
bool removeFile(const std::wstring&) = delete;
bool removeFile(const wchar_t*) = delete;
bool createFolder(const std::wstring&) = delete;
bool createFolder(const wchar_t*) = delete;

} // namespace base
