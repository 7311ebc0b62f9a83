#pragma once

// The product writes paths in its own form: backslash separators and drive letters
// ("c:\\tvl\\lib\\prof\\HEA.pr"). These functions map such paths to native paths
// and back at the operating-system boundary (docs/paths.md has the whole mapping):
//
//   product form               native form
//   c:\a\t3.kws                <root>/c/a/t3.kws     (drive letter lower-cased)
//   C:a\b                      <root>/c/a/b          (drive-relative = drive root)
//   \\server\share\x           <root>/unc/server/share/x
//   \opt\cad\                  /opt/cad/             (rooted without drive: native absolute)
//   a\b.txt                    a/b.txt               (relative stays relative)
//
// Both "\" and "/" count as separators in the product form; trailing separators are
// kept. <root> is the drive root: set by setDriveRoot(), else the environment
// variable TVL_DRIVE_ROOT, else $XDG_DATA_HOME/trevlon/drives (or
// ~/.local/share/trevlon/drives).
//
// Native paths are UTF-8; the wide overloads convert.

#include <filesystem>
#include <string>
#include <string_view>

namespace base {

// The folder that stands for the root of all drives.
std::filesystem::path driveRoot();
// Sets the drive root for this process; an empty path returns to the environment
// variable / default. Thread-safe.
void setDriveRoot(const std::filesystem::path& root);

// Product form -> native path.
std::filesystem::path toNative(std::wstring_view productPath);
std::filesystem::path toNative(std::string_view productPathUtf8);

// Native path -> product form: a path below the drive root becomes a drive (or UNC)
// path again; any other absolute path becomes a rooted path ("\opt\cad\").
std::wstring toProduct(const std::filesystem::path& nativePath);

// Product-form helpers that work on the text alone (no file system access).
// The part up to and including the last separator ("c:\a\b.txt" -> "c:\a\"); empty
// when there is no separator.
std::wstring productFolder(std::wstring_view productPath);
// The part after the last separator.
std::wstring productFileName(std::wstring_view productPath);
// Joins with exactly one backslash between the parts.
std::wstring productJoin(std::wstring_view folder, std::wstring_view name);

} // namespace base
