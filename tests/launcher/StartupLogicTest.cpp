#include "launcher/StartupLogic.h"
#include "launcher/SplashTiming.h"

#include "FakeEnvironment.h"

#include "platform/base/Encoding.h"
#include "platform/base/Process.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace launcher;
using launcher::test::FakeEnvironment;
using launcher::test::Shown;
using launcher::test::Started;
using namespace std::string_literals;

namespace {

const std::wstring kFolder = L"c:\\Trevlon\\";
const std::wstring kAcad = L"c:\\cad\\";

const std::wstring kBothFlagged = L"The following setting(s) are incorrect:\n\n"
                                  L"      - location of the Brindmark Library\n"
                                  L"      - location of AutoCAD\n"
                                  L"\nPlease correct it in the dialog box that follows.";

// A launcher folder that starts the host: program file, settings and acad.exe present.
FakeEnvironment
goodInstallation(const std::string& cfg = "tvllib=c:\\lib\\\nacaddir=c:\\cad\\\nlanguage=EN\n") {
    FakeEnvironment env;
    env.add(kFolder + L"TvlLoader.arx");
    env.add(kFolder + L"tvlv6.cfg", cfg);
    env.add(kFolder + L"Setvora.exe");
    env.add(kAcad + L"acad.exe");
    return env;
}

} // namespace

TEST(StartupDecision, GoodSettingsStartTheHostWithTheLoader) {
    auto env = goodInstallation();
    const auto out = runStartup(kFolder, env);
    EXPECT_EQ(out.path, StartupPath::HostStarted);
    EXPECT_TRUE(env.messages.empty());
    ASSERT_EQ(env.started.size(), 1u);
    EXPECT_EQ(env.started[0],
              (Started{L"c:\\cad\\acad.exe", L"/ld \"c:\\Trevlon\\TvlLoader.arx\" /nologo"}));
    EXPECT_EQ(out.splash.version, L"version 1.1");
    EXPECT_FALSE(out.splash.notice->empty());
    EXPECT_EQ(out.settings.libraryLocation, L"c:\\lib\\");
}

TEST(StartupDecision, WrongSettingsGiveTheReportAndStartTheSettingsProgram) {
    struct Case {
        const char* name;
        std::optional<std::string> cfg; // nullopt: no tvlv6.cfg at all
        bool viewer;
        std::wstring report; // empty: the host is started
    };
    const std::wstring libOnly = L"The following setting(s) are incorrect:\n\n"
                                 L"      - location of the Brindmark Library\n"
                                 L"\nPlease correct it in the dialog box that follows.";
    const std::wstring acadOnly = L"The following setting(s) are incorrect:\n\n"
                                  L"      - location of AutoCAD\n"
                                  L"\nPlease correct it in the dialog box that follows.";
    const Case cases[] = {
        {"no settings file", std::nullopt, false, kBothFlagged},
        {"empty settings file", std::string(), false, kBothFlagged},
        {"empty library", "tvllib=\nacaddir=c:\\cad\\\n", false, libOnly},
        {"host missing", "tvllib=c:\\lib\\\nacaddir=c:\\nowhere\\\n", false, acadOnly},
        {"no trailing separator", "tvllib=c:\\lib\\\nacaddir=c:\\cad\n", false, acadOnly},
        {"both wrong", "acaddir=c:\\nowhere\\\n", false, kBothFlagged},
        {"viewer, empty library, host found", "acaddir=c:\\cad\\\n", true, L""},
        {"viewer, empty library, host missing", "acaddir=c:\\x\\\n", true, kBothFlagged},
        {"viewer, library set, host missing", "tvllib=c:\\lib\\\nacaddir=c:\\x\\\n", true,
         acadOnly},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeEnvironment env;
        env.add(kFolder + L"TvlLoader.arx");
        env.add(kFolder + L"Setvora.exe");
        env.add(kAcad + L"acad.exe");
        if (c.cfg)
            env.add(kFolder + L"tvlv6.cfg", *c.cfg);
        if (c.viewer)
            env.add(kFolder + L"viewer.cfg");
        const auto out = runStartup(kFolder, env);
        if (c.report.empty()) {
            EXPECT_EQ(out.path, StartupPath::HostStarted);
            ASSERT_EQ(env.started.size(), 1u);
            EXPECT_EQ(env.started[0].file, L"c:\\cad\\acad.exe");
            EXPECT_TRUE(env.messages.empty());
            continue;
        }
        EXPECT_EQ(out.path, StartupPath::SettingsReport);
        EXPECT_EQ(env.messages, (std::vector<Shown>{{L"Brindmark Settings", c.report}}));
        EXPECT_EQ(env.started, (std::vector<Started>{{L"c:\\Trevlon\\Setvora.exe", L""}}));
        EXPECT_EQ(env.events.back(), L"start c:\\Trevlon\\Setvora.exe"); // after the message
        EXPECT_FALSE(out.splash.version); // the template's "version" stays
    }
}

TEST(StartupDecision, NoSettingsProgramMeansNoMessageAndNoStart) {
    FakeEnvironment env;
    env.add(kFolder + L"TvlLoader.arx");
    const auto out = runStartup(kFolder, env);
    EXPECT_EQ(out.path, StartupPath::SettingsReport);
    EXPECT_TRUE(env.messages.empty());
    EXPECT_TRUE(env.started.empty());
}

TEST(StartupDecision, MissingProgramFileIsReportedAndStartGoesOn) {
    auto env = goodInstallation();
    env.files.erase(kFolder + L"TvlLoader.arx");
    env.add(kFolder + L"zelcor.arx"); // the wrong one for this generation
    runStartup(kFolder, env);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(
        env.messages[0],
        (Shown{L"Brindmark Startup",
               L"Brindmark program files not found.\n\nYou may have to reinstall Brindmark.\n"}));
    ASSERT_EQ(env.started.size(), 1u);
    EXPECT_EQ(env.events.front(), L"message Brindmark Startup");

    // Both the message and then the settings report.
    FakeEnvironment bare;
    bare.add(kFolder + L"Setvora.exe");
    runStartup(kFolder, bare);
    ASSERT_EQ(bare.messages.size(), 2u);
    EXPECT_EQ(bare.messages[1].text, kBothFlagged);
}

TEST(StartupDecision, GenerationMarkersChooseProgramFileAndCommandLine) {
    // No marker: index 2, the loader is looked for and named.
    {
        auto env = goodInstallation();
        EXPECT_EQ(runStartup(kFolder, env).generation, Generation::Acad2007);
        EXPECT_TRUE(env.messages.empty());
    }
    // Acad2004: the /ld form too.
    {
        auto env = goodInstallation();
        env.add(kFolder + L"Acad2004");
        EXPECT_EQ(runStartup(kFolder, env).generation, Generation::Acad2004);
        EXPECT_EQ(env.started[0].parameters, L"/ld \"c:\\Trevlon\\TvlLoader.arx\" /nologo");
    }
    // Acad2000 and Acad2004: the first test wins; zelcor.arx is the program file.
    {
        auto env = goodInstallation();
        env.add(kFolder + L"Acad2000");
        env.add(kFolder + L"Acad2004");
        const auto out = runStartup(kFolder, env);
        EXPECT_EQ(out.generation, Generation::Acad2000);
        ASSERT_EQ(env.messages.size(), 1u); // TvlLoader.arx is there, zelcor.arx is not
        EXPECT_EQ(env.messages[0].caption, L"Brindmark Startup");
        EXPECT_EQ(env.started[0].parameters,
                  L"/s \"c:\\cad\\support;c:\\cad\\express;c:\\cad\\fonts;c:\\cad\\help;"
                  L"c:\\Trevlon\\;c:\\Trevlon\\icons\" /nologo");
    }
}

TEST(StartupDecision, ForwardSlashLocationsAreNormalisedForTheCommandLine) {
    FakeEnvironment env;
    env.add(L"\\opt\\tvl\\TvlLoader.arx");
    env.add(L"\\opt\\tvl\\Acad2000");
    env.add(L"\\opt\\tvl\\zelcor.arx");
    env.add(L"\\opt\\tvl\\tvlv6.cfg", "tvllib=/opt/lib\nacaddir=/opt/cad/\n");
    env.add(L"/opt/cad/acad.exe"); // tested exactly as written
    const auto out = runStartup(L"\\opt\\tvl\\", env);
    ASSERT_EQ(out.path, StartupPath::HostStarted);
    EXPECT_EQ(out.settings.libraryLocation, L"\\opt\\lib\\");
    EXPECT_EQ(env.started[0].file, L"\\opt\\cad\\acad.exe");
    EXPECT_EQ(env.started[0].parameters,
              L"/s \"\\opt\\cad\\support;\\opt\\cad\\express;\\opt\\cad\\fonts;\\opt\\cad\\help;"
              L"\\opt\\tvl\\;\\opt\\tvl\\icons\" /nologo");
}

TEST(StartupDecision, SplashTextsFollowLanguageAndViewerMode) {
    struct Case {
        std::string cfg;
        bool viewer;
        std::wstring version;
        bool notice;
    };
    const Case cases[] = {
        {"language=EN", false, L"version 1.1", true},
        {"language=DE", false, L"version 1.1", true},
        {"language=FR", false, L"version 1.1", true},
        {"language=NL", false, L"versie 1.1", true},
        {"language=nl", false, L"", true},
        {"language=ES", false, L"", true},
        {"", false, L"version 1.1", true}, // empty language becomes EN
        {"language=NL", true, L"viewer", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cfg);
        auto env = goodInstallation("tvllib=c:\\lib\\\nacaddir=c:\\cad\\\n" + c.cfg + "\n");
        if (c.viewer)
            env.add(kFolder + L"viewer.cfg");
        const auto out = runStartup(kFolder, env);
        EXPECT_EQ(out.splash.version, c.version);
        EXPECT_EQ(!out.splash.notice->empty(), c.notice);
    }
    EXPECT_EQ(noticeLine(L"NL"), L"Copyright \u00A9 Brindmark. Alle rechten voorbehouden.");
}

TEST(SettingsReading, KeysMatchWithTheirEqualsSignLastWins) {
    const auto s =
        readSettings(std::string("# comment\n"
                                 "TVLLIB=c:\\first\\\n"
                                 "acaddir = c:\\blanks\\\n" // blanks around '=' do not match
                                 "tvllibrary=c:\\longer key\\\n"
                                 "language=DE\n"
                                 "\n\n"
                                 "Language=FR \n" // value unchanged, blank kept
                                 "AcadDir=c:\\cad\\\n"
                                 "tvllib=c:\\second\\\n"),
                     std::nullopt);
    EXPECT_EQ(s.libraryLocation, L"c:\\second\\");
    EXPECT_EQ(s.acadLocation, L"c:\\cad\\");
    EXPECT_EQ(s.language, L"FR ");
    EXPECT_EQ(matchKey(L"tvllib=", L"tvllib"), L"");
    EXPECT_FALSE(matchKey(L"tvllib", L"tvllib"));
    EXPECT_FALSE(matchKey(L"tvlli=x", L"tvllib"));
}

TEST(SettingsReading, WorkLanguageOverridesAndLastWins) {
    const std::string cfg = "language=DE\nlanguage=FR\n";
    EXPECT_EQ(readSettings(cfg, std::nullopt).language, L"FR");
    EXPECT_EQ(readSettings(cfg, std::string("WORKLANGUAGE = NL\nworklanguage = EN\n")).language,
              L"EN");
    EXPECT_EQ(readSettings(cfg, std::string("worklanguage=NL\nworklanguage  = NL\n")).language,
              L"FR");
    EXPECT_EQ(readSettings(cfg, std::string("x\n")).language, L"FR");
    // The whole start-up: defset.dat is read only when present and readable.
    auto env = goodInstallation("tvllib=c:\\lib\\\nacaddir=c:\\cad\\\nlanguage=DE\n");
    env.add(kFolder + L"defset.dat", "other = 1\r\nworklanguage = NL\r\n");
    EXPECT_EQ(runStartup(kFolder, env).splash.version, L"versie 1.1");
    env.files[kFolder + L"defset.dat"] = std::nullopt; // present but unreadable
    EXPECT_EQ(runStartup(kFolder, env).settings.language, L"DE");
}

TEST(SettingsReading, LinesAreCutAt1023CharactersAndEmptyOnesSkipped) {
    using V = std::vector<std::wstring>;
    EXPECT_EQ(splitSettingsLines("a\r\n\r\n\nb\n\nc"), (V{L"a", L"b", L"c"}));
    EXPECT_EQ(splitSettingsLines(""), V{});
    EXPECT_EQ(splitSettingsLines("a\nb\x1A"
                                 "c\n"),
              (V{L"a", L"b"})); // Ctrl-Z ends the text
    EXPECT_EQ(splitSettingsLines("caf\xC3\xA9\ncaf\xE9"), (V{L"caf\u00E9", L"caf\u00E9"}));

    const std::string exact(1023, 'x');
    EXPECT_EQ(splitSettingsLines(exact + "\nnext"), (V{std::wstring(1023, L'x'), L"next"}));
    // A longer line gives its first 1023 characters and ends the reading.
    const auto lines = splitSettingsLines(std::string(1023, 'y') + "zz\nacaddir=c:\\cad\\\n");
    EXPECT_EQ(lines, (V{std::wstring(1023, L'y')}));

    const std::string longValue = "tvllib=" + std::string(1100, 'L');
    const auto s =
        readSettings("acaddir=c:\\cad\\\n" + longValue + "\nlanguage=NL\n", std::nullopt);
    EXPECT_EQ(s.libraryLocation.size(), 1023u - 7u);
    EXPECT_EQ(s.acadLocation, L"c:\\cad\\");
    EXPECT_EQ(s.language, L""); // never read
}

TEST(StartupSteps, FolderNormalisationAndCommandLines) {
    EXPECT_EQ(launcherFolderOf(L"c:\\Program Files\\Trevlon\\Trevlon.exe"),
              L"c:\\Program Files\\Trevlon\\");
    EXPECT_EQ(launcherFolderOf(L"\\tmp\\x\\Trevlon"), L"\\tmp\\x\\");
    EXPECT_EQ(normaliseFolder(L"c:/cad"), L"c:\\cad\\");
    EXPECT_EQ(normaliseFolder(L"c:\\cad\\"), L"c:\\cad\\");
    EXPECT_EQ(normaliseFolder(L"/opt/cad/"), L"\\opt\\cad\\");
    EXPECT_EQ(normaliseFolder(L""), L"\\");
    EXPECT_EQ(programFileFor(Generation::Acad2000), L"zelcor.arx");
    EXPECT_EQ(programFileFor(Generation::Acad2004), L"TvlLoader.arx");
    EXPECT_EQ(hostParameters(Generation::Acad2007, L"d:\\p q\\", L"c:\\cad\\"),
              L"/ld \"d:\\p q\\TvlLoader.arx\" /nologo");
    EXPECT_EQ(settingsReportText(false, false),
              L"The following setting(s) are incorrect:\n\n\nPlease correct it in the dialog box "
              L"that follows.");
    EXPECT_EQ(settingsReportText(true, true), kBothFlagged);
}

TEST(StartupSteps, QuotesInNativeFoldersStayInsideTheirArgument) {
    using V = std::vector<std::wstring>;
    const std::wstring folder = L"\\tmp\\we\"ird\\";
    const std::wstring params = hostParameters(Generation::Acad2007, folder, L"\\cad\\");
    EXPECT_EQ(params, L"/ld \"\\tmp\\we\\\"ird\\TvlLoader.arx\" /nologo");
    EXPECT_EQ(base::splitCommandLine(params), (V{L"/ld", folder + L"TvlLoader.arx", L"/nologo"}));

    const std::wstring odd = L"\\q\\\"x\\"; // a quote right after a separator
    const auto args =
        base::splitCommandLine(hostParameters(Generation::Acad2000, odd, L"\\c\"d\\"));
    ASSERT_EQ(args.size(), 3u);
    EXPECT_EQ(args[1], L"\\c\"d\\support;\\c\"d\\express;\\c\"d\\fonts;\\c\"d\\help;" + odd + L";" +
                           odd + L"icons");
}

TEST(StartupSteps, SplashTimeFromTheEnvironment) {
    struct Case {
        const char* value; // nullptr: unset
        unsigned ms;
    };
    const Case cases[] = {{nullptr, 10000}, {"", 10000},      {"250", 250},         {"0", 0},
                          {"-5", 10000},    {"12abc", 10000}, {"9999999999", 10000}};
    for (const auto& c : cases) {
        if (c.value)
            ::setenv("TREVLON_SPLASH_MS", c.value, 1);
        else
            ::unsetenv("TREVLON_SPLASH_MS");
        EXPECT_EQ(splashMilliseconds(), c.ms) << (c.value ? c.value : "unset");
    }
    ::unsetenv("TREVLON_SPLASH_MS");
}

TEST(SettingsReading, TheLimitCountsCharactersAfterDecoding) {
    using V = std::vector<std::wstring>;
    std::string e1023, e1024;
    for (int i = 0; i < 1023; ++i)
        e1023 += "\xC3\xA9"; // 1023 characters in 2046 bytes: a whole line
    e1024 = e1023 + "\xC3\xA9";
    EXPECT_EQ(splitSettingsLines(e1023 + "\nnext\n"), (V{std::wstring(1023, L'\u00E9'), L"next"}));
    EXPECT_EQ(splitSettingsLines(e1024 + "\nnext\n"), (V{std::wstring(1023, L'\u00E9')}));
    // The same characters in Windows-1252 (one byte each): the same boundary.
    EXPECT_EQ(splitSettingsLines(std::string(1023, '\xE9') + "\nnext"),
              (V{std::wstring(1023, L'\u00E9'), L"next"}));
    EXPECT_EQ(splitSettingsLines(std::string(1024, '\xE9') + "\nnext"),
              (V{std::wstring(1023, L'\u00E9')}));
    // Four-byte characters: 1024 of them are too many, though far fewer than 4096 bytes
    // are needed to know it.
    std::string wide;
    for (int i = 0; i < 1024; ++i)
        wide += "\xF0\x9F\x98\x80";
    const auto lines = splitSettingsLines(wide + "\nnext");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], base::fromUtf8(wide).substr(0, 1023));
}

TEST(SettingsReading, PiecesOfAnySizeGiveTheSameLines) {
    const std::string text = "tvllib=c:\\lib\\\r\n\r\nacaddir=c:\\cad\\\r\nlanguage=NL\r\rx\x1Ayz";
    const auto whole = splitSettingsLines(text);
    EXPECT_EQ(whole, (std::vector<std::wstring>{L"tvllib=c:\\lib\\", L"acaddir=c:\\cad\\",
                                                L"language=NL\r\rx"}));
    for (size_t size : {1u, 2u, 3u, 7u}) {
        std::vector<std::wstring> lines;
        SettingsLineReader reader([&](const std::wstring& l) { lines.push_back(l); });
        bool more = true;
        for (size_t at = 0; at < text.size() && more; at += size)
            more = reader.feed(std::string_view(text).substr(at, size));
        if (more)
            reader.finish();
        EXPECT_EQ(lines, whole) << size;
    }
}

TEST(SettingsReading, AHugeFileIsReadOnlyUpToItsBound) {
    // Short lines all the way: the keys past the bound are never read, so the settings
    // are wrong and reported.
    std::string big;
    while (big.size() < kMaxSettingsBytes)
        big += "# filler line\n";
    auto env = goodInstallation(big + "tvllib=c:\\lib\\\nacaddir=c:\\cad\\\n");
    EXPECT_EQ(runStartup(kFolder, env).path, StartupPath::SettingsReport);
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0].text, kBothFlagged);
    // Just inside the bound they are read.
    std::string fits;
    while (fits.size() < kMaxSettingsBytes - 64)
        fits += "# filler line\n";
    fits += "tvllib=c:\\lib\\\nacaddir=c:\\cad\\\n";
    ASSERT_LE(fits.size(), kMaxSettingsBytes);
    auto ok = goodInstallation(fits);
    EXPECT_EQ(runStartup(kFolder, ok).path, StartupPath::HostStarted);
}

TEST(StartupDecision, ANulInAValueCutsItForTheTestAndTheStartAlike) {
    auto env = goodInstallation("tvllib=c:\\lib\\\nacaddir=c:\\cad\\\0evil\\\n"s);
    const auto out = runStartup(kFolder, env);
    EXPECT_EQ(out.path, StartupPath::HostStarted);
    ASSERT_EQ(env.started.size(), 1u);
    EXPECT_EQ(env.started[0].file, L"c:\\cad\\acad.exe");

    // Cut before its separator, the location is wrong: reported, nothing of it started.
    auto cut = goodInstallation("tvllib=c:\\lib\\\nacaddir=c:\\cad\0\\\n"s);
    cut.add(L"c:\\cad\\acad.exe");
    EXPECT_EQ(runStartup(kFolder, cut).path, StartupPath::SettingsReport);
    ASSERT_EQ(cut.started.size(), 1u);
    EXPECT_EQ(cut.started[0].file, kFolder + L"Setvora.exe");
}

TEST(StartupDecision, AnEmptyOrRelativeHostLocationIsReported) {
    for (const char* acad : {"", "cad\\", "./", "c:cad\\", ".\\cad\\"}) {
        auto env = goodInstallation(std::string("tvllib=c:\\lib\\\nacaddir=") + acad + "\n");
        env.add(std::wstring(base::fromUtf8(acad)) + L"acad.exe"); // found from here
        const auto out = runStartup(kFolder, env);
        EXPECT_EQ(out.path, StartupPath::SettingsReport) << acad;
        ASSERT_EQ(env.started.size(), 1u) << acad;
        EXPECT_EQ(env.started[0].file, kFolder + L"Setvora.exe");
        EXPECT_NE(env.messages.at(0).text.find(L"location of AutoCAD"), std::wstring::npos);
    }
    EXPECT_TRUE(isAbsoluteLocation(L"c:\\cad\\"));
    EXPECT_TRUE(isAbsoluteLocation(L"C:/cad/"));
    EXPECT_TRUE(isAbsoluteLocation(L"/opt/cad/"));
    EXPECT_TRUE(isAbsoluteLocation(L"\\\\server\\cad\\"));
    EXPECT_FALSE(isAbsoluteLocation(L"c:"));
}

TEST(StartupDecision, AFolderNameThatIsNotTextIsReportedAndNothingStarts) {
    auto env = goodInstallation();
    const auto out = runStartup(L"", env);
    EXPECT_EQ(out.path, StartupPath::SettingsReport);
    EXPECT_TRUE(env.started.empty());
    ASSERT_EQ(env.messages.size(), 1u);
    EXPECT_EQ(env.messages[0],
              (Shown{std::wstring(kStartupCaption), std::wstring(kFolderNameNotText)}));
}
