#pragma once
// Profile: the host's application profile, where dialogs keep settings such as their
// window placements (section "TREVLONV8", keys like "DLG_MACRO_CUTS_LEFT").
//
// Storage: one INI-style text file, UTF-8:
//     [SECTION]
//     KEY=VALUE
// Section and key names compare without regard to case; blank lines and lines starting
// with ';' or '#' are comments; whitespace around names and values is ignored. Location:
// the environment variable TVL_PROFILE when set, else $XDG_CONFIG_HOME/trevlon/
// acad-profile.ini (or ~/.config/trevlon/acad-profile.ini); setPath() overrides both.
//
// Robustness: a missing, unreadable or damaged file (binary bytes, lines without '=',
// keys outside any section, invalid UTF-8, absurd numbers) never fails a read: what
// cannot be understood is skipped and getInt returns its default. Every put writes the
// whole file atomically (temporary file + rename), so a crash or a full disk leaves
// the previous file intact; put returns false when the file could not be written (the
// value is still kept in memory for this run). The file is read once, at first use
// (or after setPath / reload).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

class Profile {
public:
    static constexpr const wchar_t* kSection = L"TREVLONV8";

    int getInt(std::wstring_view section, std::wstring_view key, int defaultValue);
    bool putInt(std::wstring_view section, std::wstring_view key, int value);
    std::wstring getString(std::wstring_view section, std::wstring_view key,
                           std::wstring_view defaultValue);
    bool putString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    bool removeKey(std::wstring_view section, std::wstring_view key);

    // The file in use.
    std::filesystem::path path();
    // Uses this file from now on (empty: back to the environment/default); re-reads.
    void setPath(const std::filesystem::path& file);
    // Forgets what was read; the next access reads the file again.
    void reload() { m_loaded = false; }

    // Default location as described above.
    static std::filesystem::path defaultPath();

private:
    struct Entry {
        std::wstring key;
        std::wstring value;
    };
    struct Section {
        std::wstring name;
        std::vector<Entry> entries;
    };

    void ensureLoaded();
    void parse(std::string_view bytes);
    std::string serialize() const;
    bool save();
    Section* findSection(std::wstring_view name);
    const std::wstring* findValue(std::wstring_view section, std::wstring_view key);

    std::filesystem::path m_override;
    std::filesystem::path m_loadedFrom;
    bool m_loaded = false;
    std::vector<Section> m_sections;
};

Profile& profile();

} // namespace host
