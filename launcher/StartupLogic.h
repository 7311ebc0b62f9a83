#pragma once

// What the launcher decides at start-up, apart from any window: which files it
// looks at in its own folder, how it reads its settings, whether the host program
// can be started, the host's command line, and the messages it shows. Everything
// the outside world provides goes through StartupEnvironment, so the whole decision
// can be run against a real folder or an in-memory one.
//
// Paths here are in the product's form (backslashes); the launcher folder always
// ends with "\".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

// What the start-up needs from the outside.
class StartupEnvironment {
public:
    virtual ~StartupEnvironment() = default;
    // A file or folder of this name exists.
    virtual bool exists(const std::wstring& productPath) = 0;
    // The file's bytes; nullopt when it cannot be opened.
    virtual std::optional<std::string> readFile(const std::wstring& productPath) = 0;
    // A message box with an OK button and an exclamation icon; returns when answered.
    virtual void showMessage(const std::wstring& caption, const std::wstring& text) = 0;
    // Starts a program through the shell's "open" verb; the result is ignored.
    virtual void startProgram(const std::wstring& file, const std::wstring& parameters) = 0;
};

// The host generation from the marker files: 0 ("Acad2000"), 1 ("Acad2004"), else 2.
enum class Generation { Acad2000 = 0, Acad2004 = 1, Acad2007 = 2 };

struct Settings {
    std::wstring libraryLocation; // key "tvllib" in tvlv6.cfg
    std::wstring acadLocation;    // key "acaddir" in tvlv6.cfg
    std::wstring language;        // key "language", overridden by defset.dat
};

// Texts the splash window shows; nullopt keeps the template's text.
struct SplashTexts {
    std::optional<std::wstring> version;
    std::optional<std::wstring> notice;
};

enum class StartupPath { HostStarted, SettingsReport };

struct StartupOutcome {
    StartupPath path = StartupPath::SettingsReport;
    bool viewerMode = false;
    Generation generation = Generation::Acad2007;
    Settings settings; // as read; normalised when the host was started
    SplashTexts splash;
};

// File names in the launcher folder.
inline constexpr std::wstring_view kSettingsFile = L"tvlv6.cfg";
inline constexpr std::wstring_view kDefaultsFile = L"defset.dat";
inline constexpr std::wstring_view kViewerMarker = L"viewer.cfg";
inline constexpr std::wstring_view kSettingsProgram = L"Setvora.exe";
inline constexpr std::wstring_view kHostProgram = L"acad.exe";
inline constexpr std::wstring_view kLoaderModule = L"TvlLoader.arx";
inline constexpr std::wstring_view kCoreModule = L"zelcor.arx";

// Message texts.
inline constexpr std::wstring_view kStartupCaption = L"Brindmark Startup";
inline constexpr std::wstring_view kProgramFilesMissing =
    L"Brindmark program files not found.\n\nYou may have to reinstall Brindmark.\n";
inline constexpr std::wstring_view kSettingsCaption = L"Brindmark Settings";

// Runs the whole start-up decision: messages, program starts, splash texts.
StartupOutcome runStartup(const std::wstring& launcherFolder, StartupEnvironment& env);

// --- The steps, exposed for their own tests. ---

// The program's full path cut after its last backslash ("c:\tvl\Trevlon.exe" ->
// "c:\tvl\").
std::wstring launcherFolderOf(std::wstring_view programPath);

Generation generationFrom(const std::wstring& launcherFolder, StartupEnvironment& env);
std::wstring programFileFor(Generation generation);

// A text file's lines by the launcher's reading rules: lines separated by line feeds
// ("\r\n" read as "\n", as in text mode; a Ctrl-Z ends the text), at most 1023
// characters each, empty lines skipped; a line longer than that gives its first 1023
// characters as a line and ends the reading. Lines that are valid UTF-8 are read as
// UTF-8, others as Windows-1252.
std::vector<std::wstring> splitSettingsLines(std::string_view bytes);

// Settings from the contents of tvlv6.cfg and defset.dat (nullopt = missing or
// unreadable: the file holds nothing).
Settings readSettings(const std::optional<std::string>& settingsFile,
                      const std::optional<std::string>& defaultsFile);

// The value after "key=" when the line's first key-length+1 characters equal key + "="
// without regard to case.
std::optional<std::wstring> matchKey(std::wstring_view line, std::wstring_view key);

// Every "/" to "\", then a trailing "\" unless there is one.
std::wstring normaliseFolder(std::wstring_view location);

// The version line for a (non-viewer) language: "version 1.1" for exactly EN, DE, FR,
// "versie 1.1" for NL, empty otherwise.
std::wstring versionLine(std::wstring_view language);
// The maker's notice for a language.
std::wstring noticeLine(std::wstring_view language);
// The maker's web address (the splash's web line).
std::wstring webLine();

// The host's parameters; both folders end with "\". A double quote in a folder (possible
// in native paths only) is escaped so that it stays part of its argument.
std::wstring hostParameters(Generation generation, const std::wstring& launcherFolder,
                            const std::wstring& acadLocation);

// The settings report's text.
std::wstring settingsReportText(bool libraryFlagged, bool acadFlagged);

} // namespace launcher
