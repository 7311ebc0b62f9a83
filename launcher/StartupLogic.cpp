#include "launcher/StartupLogic.h"

#include "platform/base/Encoding.h"

#include <algorithm>

namespace launcher {
namespace {

// The reading buffer of the original file reader: 1024 bytes including the terminator.
constexpr size_t kMaxLine = 1023;

std::wstring folderFile(const std::wstring& folder, std::wstring_view name) {
    return folder + std::wstring(name);
}

} // namespace

std::wstring launcherFolderOf(std::wstring_view programPath) {
    const auto pos = programPath.rfind(L'\\');
    if (pos == std::wstring_view::npos)
        return {};
    return std::wstring(programPath.substr(0, pos + 1));
}

Generation generationFrom(const std::wstring& folder, StartupEnvironment& env) {
    if (env.exists(folderFile(folder, L"Acad2000")))
        return Generation::Acad2000;
    if (env.exists(folderFile(folder, L"Acad2004")))
        return Generation::Acad2004;
    return Generation::Acad2007;
}

std::wstring programFileFor(Generation generation) {
    return std::wstring(generation == Generation::Acad2000 ? kCoreModule : kLoaderModule);
}

bool SettingsLineReader::feed(std::string_view piece) {
    for (size_t i = 0; i < piece.size() && !m_done; ++i) {
        const char c = piece[i];
        if (m_pendingCr) {
            m_pendingCr = false;
            if (c != '\n')
                m_line += '\r';
        }
        if (c == '\x1A') { // text mode: a Ctrl-Z ends the text
            finish();
            break;
        }
        if (c == '\r') {
            m_pendingCr = true; // "\r\n" reads as "\n"
            continue;
        }
        if (c == '\n') {
            endLine();
            continue;
        }
        m_line += c;
        // More bytes than 1023 characters can take in any encoding: the buffer is full.
        if (m_line.size() > 4 * kMaxLine) {
            endLine();
            m_done = true;
        }
    }
    return !m_done;
}

void SettingsLineReader::finish() {
    if (m_done)
        return;
    if (m_pendingCr)
        m_line += '\r';
    m_pendingCr = false;
    endLine();
    m_done = true;
}

void SettingsLineReader::endLine() {
    std::string_view bytes = m_line;
    std::wstring line;
    // A line cut in the middle may end in part of a character: that part is not held
    // against the rest.
    std::string_view whole = bytes;
    for (size_t cut = 0; cut < 4 && cut < bytes.size(); ++cut) {
        if (base::isValidUtf8(bytes.substr(0, bytes.size() - cut))) {
            whole = bytes.substr(0, bytes.size() - cut);
            break;
        }
    }
    if (base::isValidUtf8(whole) && (whole.size() == bytes.size() || bytes.size() > kMaxLine))
        line = base::fromUtf8(whole);
    else
        line = base::fromCp1252(bytes);
    m_line.clear();
    if (line.size() > kMaxLine) {
        // The buffer fills before the line ends: its first part is the last line read.
        line.resize(kMaxLine);
        m_done = true;
    }
    if (!line.empty())
        m_sink(line);
}

std::vector<std::wstring> splitSettingsLines(std::string_view bytes) {
    std::vector<std::wstring> lines;
    SettingsLineReader reader([&](const std::wstring& line) { lines.push_back(line); });
    if (reader.feed(bytes))
        reader.finish();
    return lines;
}

bool readSettingsLines(StartupEnvironment& env, const std::wstring& productPath,
                       const SettingsLineReader::LineSink& sink) {
    SettingsLineReader reader(sink);
    bool more = true;
    size_t total = 0;
    const bool opened = env.readPieces(productPath, [&](std::string_view piece) {
        const size_t room = kMaxSettingsBytes - total;
        more = reader.feed(piece.substr(0, room));
        total += std::min(room, piece.size());
        if (total == kMaxSettingsBytes)
            more = false; // the reading ends here, as at a read error: a cut line is lost
        return more;
    });
    if (opened && more)
        reader.finish();
    return opened;
}

std::optional<std::wstring> matchKey(std::wstring_view line, std::wstring_view key) {
    const size_t n = key.size() + 1;
    if (line.size() < n)
        return std::nullopt;
    if (!base::equalsNoCase(line.substr(0, key.size()), key) || line[key.size()] != L'=')
        return std::nullopt;
    return std::wstring(line.substr(n));
}

namespace {

std::wstring cutAtNul(std::wstring value) {
    if (const size_t nul = value.find(L'\0'); nul != std::wstring::npos)
        value.resize(nul);
    return value;
}

} // namespace

void applySettingsLine(Settings& s, const std::wstring& line) {
    if (auto v = matchKey(line, L"tvllib"))
        s.libraryLocation = cutAtNul(*v);
    if (auto v = matchKey(line, L"acaddir"))
        s.acadLocation = cutAtNul(*v);
    if (auto v = matchKey(line, L"language"))
        s.language = cutAtNul(*v);
}

void applyDefaultsLine(Settings& s, const std::wstring& line) {
    constexpr std::wstring_view kWorkLanguage = L"worklanguage = ";
    if (line.size() >= kWorkLanguage.size() &&
        base::equalsNoCase(std::wstring_view(line).substr(0, kWorkLanguage.size()), kWorkLanguage))
        s.language = cutAtNul(line.substr(kWorkLanguage.size()));
}

Settings readSettings(const std::optional<std::string>& settingsFile,
                      const std::optional<std::string>& defaultsFile) {
    Settings s;
    if (settingsFile)
        for (const auto& line : splitSettingsLines(*settingsFile))
            applySettingsLine(s, line);
    if (defaultsFile)
        for (const auto& line : splitSettingsLines(*defaultsFile))
            applyDefaultsLine(s, line);
    return s;
}

bool isAbsoluteLocation(std::wstring_view location) {
    if (!location.empty() && (location[0] == L'\\' || location[0] == L'/'))
        return true;
    return location.size() >= 3 &&
           ((location[0] >= L'a' && location[0] <= L'z') ||
            (location[0] >= L'A' && location[0] <= L'Z')) &&
           location[1] == L':' && (location[2] == L'\\' || location[2] == L'/');
}

std::wstring normaliseFolder(std::wstring_view location) {
    std::wstring out(location);
    for (auto& c : out)
        if (c == L'/')
            c = L'\\';
    if (out.empty() || out.back() != L'\\')
        out += L'\\';
    return out;
}

std::wstring versionLine(std::wstring_view language) {
    if (language == L"EN" || language == L"DE" || language == L"FR")
        return L"version 1.1";
    if (language == L"NL")
        return L"versie 1.1";
    return {};
}

std::wstring noticeLine(std::wstring_view language) {
    if (language == L"NL")
        return L"Copyright \u00A9 Brindmark. Alle rechten voorbehouden.";
    if (language == L"DE")
        return L"Copyright \u00A9 Brindmark. Alle Rechte vorbehalten.";
    if (language == L"FR")
        return L"Copyright \u00A9 Brindmark. Tous droits r\u00E9serv\u00E9s.";
    return L"Copyright \u00A9 Brindmark. All rights reserved.";
}

std::wstring webLine() {
    return L"brindmark.example";
}

namespace {

// Text placed between double quotes on the host's command line. Product paths cannot
// hold a double quote, native ones can: such a quote is escaped by the command-line
// rules (the backslashes before it doubled, then \"), so that it cannot end the
// quoted argument early and smuggle in arguments of its own. Paths without quotes
// are unchanged.
std::wstring quoted(std::wstring_view text) {
    std::wstring out;
    size_t backslashes = 0;
    for (wchar_t c : text) {
        if (c == L'"') {
            out.append(backslashes + 1, L'\\');
            backslashes = 0;
        } else {
            backslashes = c == L'\\' ? backslashes + 1 : 0;
        }
        out += c;
    }
    return out;
}

} // namespace

std::wstring hostParameters(Generation generation, const std::wstring& folderText,
                            const std::wstring& acadText) {
    const std::wstring folder = quoted(folderText);
    const std::wstring acad = quoted(acadText);
    if (generation != Generation::Acad2000)
        return L"/ld \"" + folder + std::wstring(kLoaderModule) + L"\" /nologo";
    return L"/s \"" + acad + L"support;" + acad + L"express;" + acad + L"fonts;" + acad + L"help;" +
           folder + L";" + folder + L"icons\" /nologo";
}

std::wstring settingsReportText(bool libraryFlagged, bool acadFlagged) {
    std::wstring text = L"The following setting(s) are incorrect:\n\n";
    if (libraryFlagged)
        text += L"      - location of the Brindmark Library\n";
    if (acadFlagged)
        text += L"      - location of AutoCAD\n";
    text += L"\nPlease correct it in the dialog box that follows.";
    return text;
}

StartupOutcome runStartup(const std::wstring& folder, StartupEnvironment& env) {
    StartupOutcome out;
    if (folder.empty()) {
        env.showMessage(std::wstring(kStartupCaption), std::wstring(kFolderNameNotText));
        return out;
    }
    out.viewerMode = env.exists(folderFile(folder, kViewerMarker));
    out.generation = generationFrom(folder, env);

    if (!env.exists(folderFile(folder, programFileFor(out.generation))))
        env.showMessage(std::wstring(kStartupCaption), std::wstring(kProgramFilesMissing));

    bool libraryFlagged = true;
    bool acadFlagged = true;
    bool usable = false;
    if (env.exists(folderFile(folder, kSettingsFile))) {
        const std::wstring defaults = folderFile(folder, kDefaultsFile);
        Settings& s = out.settings;
        readSettingsLines(env, folderFile(folder, kSettingsFile),
                          [&](const std::wstring& line) { applySettingsLine(s, line); });
        if (env.exists(defaults))
            readSettingsLines(env, defaults,
                              [&](const std::wstring& line) { applyDefaultsLine(s, line); });
        const bool libraryOk = !out.settings.libraryLocation.empty() || out.viewerMode;
        // Exactly as written: a location without its trailing separator does not count.
        const bool acadOk = isAbsoluteLocation(out.settings.acadLocation) &&
                            env.exists(out.settings.acadLocation + std::wstring(kHostProgram));
        usable = libraryOk && acadOk;
        libraryFlagged = out.settings.libraryLocation.empty();
        acadFlagged = !acadOk;
    }

    if (!usable) {
        out.path = StartupPath::SettingsReport;
        if (!env.exists(folderFile(folder, kSettingsProgram)))
            return out;
        env.showMessage(std::wstring(kSettingsCaption),
                        settingsReportText(libraryFlagged, acadFlagged));
        env.startProgram(folderFile(folder, kSettingsProgram), L"");
        return out;
    }

    out.settings.libraryLocation = normaliseFolder(out.settings.libraryLocation);
    out.settings.acadLocation = normaliseFolder(out.settings.acadLocation);
    if (out.settings.language.empty())
        out.settings.language = L"EN";
    if (out.viewerMode) {
        out.splash.version = L"viewer";
        out.splash.notice = L"";
    } else {
        out.splash.version = versionLine(out.settings.language);
        out.splash.notice = noticeLine(out.settings.language);
    }
    out.path = StartupPath::HostStarted;
    env.startProgram(out.settings.acadLocation + std::wstring(kHostProgram),
                     hostParameters(out.generation, folder, out.settings.acadLocation));
    return out;
}

} // namespace launcher
