#pragma once

// What the launcher decides at start-up, apart from any window: which files it
// looks at in its own folder, how it reads its settings, whether the host program
// can be started, the host's command line, and the messages it shows. Everything
// the outside world provides goes through StartupEnvironment, so the whole decision
// can be run against a real folder or an in-memory one.
//
// Paths here are in the product's form (backslashes); the launcher folder always
// ends with "\".

#include <functional>
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
    // The file's bytes; nullopt when it cannot be opened. For small in-memory folders:
    // the start-up itself reads through readPieces.
    virtual std::optional<std::string> readFile(const std::wstring& /*productPath*/) {
        return std::nullopt;
    }
    // Hands the file's bytes to `piece` in order, a piece at a time, until the file ends
    // or `piece` returns false. False when the file cannot be opened (only regular files
    // are read). The default hands over readFile's bytes as one piece.
    virtual bool readPieces(const std::wstring& productPath,
                            const std::function<bool(std::string_view)>& piece) {
        const auto bytes = readFile(productPath);
        if (!bytes)
            return false;
        piece(*bytes);
        return true;
    }
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
// characters each (counted after decoding), empty lines skipped; a line longer than
// that gives its first 1023 characters as a line and ends the reading. Lines that are
// valid UTF-8 are read as UTF-8, others as Windows-1252.
//
// The reader takes the bytes in pieces of any size and keeps at most one line's worth
// (4 bytes a character), so a huge file costs time in proportion to what is read and
// no more memory than that; a file with no line end stops after its first line.
class SettingsLineReader {
public:
    using LineSink = std::function<void(const std::wstring&)>;
    explicit SettingsLineReader(LineSink sink) : m_sink(std::move(sink)) {}
    // False once the reading has ended (Ctrl-Z, an overlong line): no more bytes needed.
    bool feed(std::string_view piece);
    // The end of the file: the last line without its line feed.
    void finish();

private:
    void endLine();
    LineSink m_sink;
    std::string m_line;
    bool m_pendingCr = false;
    bool m_done = false;
};

std::vector<std::wstring> splitSettingsLines(std::string_view bytes);

// Feeds a file of the environment through a reader; false when it cannot be opened.
// At most kMaxSettingsBytes are read: the reading ends there as at a read error, so a
// huge file costs bounded time too (settings files are a few hundred bytes).
inline constexpr size_t kMaxSettingsBytes = 1024 * 1024;
bool readSettingsLines(StartupEnvironment& env, const std::wstring& productPath,
                       const SettingsLineReader::LineSink& sink);

// Settings from the contents of tvlv6.cfg and defset.dat (nullopt = missing or
// unreadable: the file holds nothing). A value is cut at a NUL character, if any, as
// the product's text reader cuts it: the value tested is the value used.
Settings readSettings(const std::optional<std::string>& settingsFile,
                      const std::optional<std::string>& defaultsFile);
// The same, line by line: each line of tvlv6.cfg, then each of defset.dat.
void applySettingsLine(Settings& s, const std::wstring& line);
void applyDefaultsLine(Settings& s, const std::wstring& line);

// An absolute location: "c:\..." or "c:/..." (a drive), or one that starts with a
// separator. An empty or relative host location would be looked for in whatever the
// current folder happens to be, so it counts as wrong.
bool isAbsoluteLocation(std::wstring_view location);

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

// The message for a launcher folder whose native name is not valid UTF-8 (the
// launcher then starts nothing).
inline constexpr std::wstring_view kFolderNameNotText =
    L"The name of the Brindmark program folder is not valid UTF-8 text.\n\n"
    L"Move Brindmark to a folder with a readable name.\n";

// The settings report's text.
std::wstring settingsReportText(bool libraryFlagged, bool acadFlagged);

} // namespace launcher
