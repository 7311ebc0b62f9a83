#include "launcher/StartupLogic.h"

#include "platform/base/Encoding.h"

namespace launcher {
namespace {

// The reading buffer of the original file reader: 1024 bytes including the terminator.
constexpr size_t kMaxLine = 1023;

std::wstring decodeLine(std::string_view bytes) {
    return base::isValidUtf8(bytes) ? base::fromUtf8(bytes) : base::fromCp1252(bytes);
}

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

std::vector<std::wstring> splitSettingsLines(std::string_view bytes) {
    // Text mode: a Ctrl-Z ends the text, "\r\n" reads as "\n".
    if (const auto eof = bytes.find('\x1A'); eof != std::string_view::npos)
        bytes = bytes.substr(0, eof);
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue;
        text += bytes[i];
    }

    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t newline = text.find('\n', start);
        const size_t end = newline == std::string::npos ? text.size() : newline;
        if (end - start > kMaxLine) {
            // The buffer fills before the line ends: its first part is the last line read.
            lines.push_back(decodeLine(std::string_view(text).substr(start, kMaxLine)));
            break;
        }
        if (end > start)
            lines.push_back(decodeLine(std::string_view(text).substr(start, end - start)));
        if (newline == std::string::npos)
            break;
        start = newline + 1;
    }
    return lines;
}

std::optional<std::wstring> matchKey(std::wstring_view line, std::wstring_view key) {
    const size_t n = key.size() + 1;
    if (line.size() < n)
        return std::nullopt;
    if (!base::equalsNoCase(line.substr(0, key.size()), key) || line[key.size()] != L'=')
        return std::nullopt;
    return std::wstring(line.substr(n));
}

Settings readSettings(const std::optional<std::string>& settingsFile,
                      const std::optional<std::string>& defaultsFile) {
    Settings s;
    if (settingsFile) {
        for (const auto& line : splitSettingsLines(*settingsFile)) {
            if (auto v = matchKey(line, L"tvllib"))
                s.libraryLocation = *v;
            if (auto v = matchKey(line, L"acaddir"))
                s.acadLocation = *v;
            if (auto v = matchKey(line, L"language"))
                s.language = *v;
        }
    }
    if (defaultsFile) {
        constexpr std::wstring_view kWorkLanguage = L"worklanguage = ";
        for (const auto& line : splitSettingsLines(*defaultsFile)) {
            if (line.size() >= kWorkLanguage.size() &&
                base::equalsNoCase(std::wstring_view(line).substr(0, kWorkLanguage.size()),
                                   kWorkLanguage))
                s.language = line.substr(kWorkLanguage.size());
        }
    }
    return s;
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
    out.viewerMode = env.exists(folderFile(folder, kViewerMarker));
    out.generation = generationFrom(folder, env);

    if (!env.exists(folderFile(folder, programFileFor(out.generation))))
        env.showMessage(std::wstring(kStartupCaption), std::wstring(kProgramFilesMissing));

    bool libraryFlagged = true;
    bool acadFlagged = true;
    bool usable = false;
    if (env.exists(folderFile(folder, kSettingsFile))) {
        const std::wstring defaults = folderFile(folder, kDefaultsFile);
        out.settings = readSettings(env.readFile(folderFile(folder, kSettingsFile)),
                                    env.exists(defaults) ? env.readFile(defaults) : std::nullopt);
        const bool libraryOk = !out.settings.libraryLocation.empty() || out.viewerMode;
        // Exactly as written: a location without its trailing separator does not count.
        const bool acadOk = env.exists(out.settings.acadLocation + std::wstring(kHostProgram));
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
