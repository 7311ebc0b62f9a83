// The whole start as the sample installation does it: Trevlon starts the host, the
// host loads the loader, the loader loads the core and dialogs modules, and the host
// runs the installation's startup script (resources/install/startup.scr).

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace fs = std::filesystem;

namespace {

// What a shell command writes on its standard output.
std::string run(const std::string& cmd) {
    std::string out;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    ::pclose(p);
    return out;
}

} // namespace

TEST(SampleTour, LauncherStartsTheHostWhichLoadsTheModulesAndRunsTheTour) {
    const fs::path bin = fs::path(TVL_BINARY_DIR) / "bin";
    const fs::path source = TVL_SOURCE_DIR;
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const fs::path root = fs::path(tmp ? tmp : "/tmp/launcher_tour") / "tour";
    fs::remove_all(root);
    const fs::path folder = root / "Trevlon", host = folder / "acad";
    ASSERT_TRUE(base::createFolder(host));
    ASSERT_TRUE(base::createFolder(folder / "lang"));
    for (const char* name : {"Trevlon", "TvlLoader.arx", "zelcor.arx", "KW.arx"})
        ASSERT_TRUE(base::copyFile(bin / name, folder / name)) << name;
    for (const auto& table :
         base::findFiles(source / "resources" / "lang", L"*.lang", base::Recurse::No))
        ASSERT_TRUE(base::copyFile(table, folder / "lang" / table.filename()));
    ASSERT_TRUE(
        base::copyFile(source / "resources" / "install" / "defset.dat", folder / "defset.dat"));
    // The sample library, as the sample installation copies it (designs, lists, blocks).
    std::error_code copied;
    fs::copy(source / "resources" / "install" / "tvllib", folder / "tvllib",
             fs::copy_options::recursive, copied);
    ASSERT_FALSE(copied) << copied.message();
    ASSERT_TRUE(base::writeFile(folder / "tvlv6.cfg", "tvllib=" + (folder / "tvllib").string() +
                                                          "/\nacaddir=" + host.string() + "/\n"));
    ASSERT_TRUE(base::copyFile(bin / "acad", host / "acad.exe"));
    ASSERT_TRUE(
        base::copyFile(source / "resources" / "install" / "startup.scr", host / "startup.scr"));

    // The pipe reaches end-of-file when the last program holding it, the host, ends.
    const std::string cmd = "cd / && env TREVLON_SPLASH_MS=20 LD_LIBRARY_PATH='" + bin.string() +
                            "' '" + (folder / "Trevlon").string() + "' </dev/null 2>&1";
    FILE* out = ::popen(cmd.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string transcript;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, out)) > 0)
        transcript.append(buf, n);
    EXPECT_EQ(::pclose(out), 0);

    SCOPED_TRACE(transcript);
    const std::string productFolder = base::toUtf8(base::toProduct(folder)) + "\\";
    for (const char* name : {"zelcor.arx", "KW.arx", "TvlLoader.arx"})
        EXPECT_NE(transcript.find("Loaded module " + productFolder + name), std::string::npos)
            << name;
    EXPECT_NE(transcript.find("=== End of the tour ==="), std::string::npos);
    EXPECT_EQ(transcript.find("FAILED"), std::string::npos);
    EXPECT_EQ(transcript.find("Brindmark S"), std::string::npos); // no launcher message box

    // The tour printed the bill of materials beside the host program: one A4 page that a
    // PDF reader opens, with the header's texts and the table's on it.
    const fs::path pdf = host / "bill-of-materials.pdf";
    ASSERT_TRUE(fs::exists(pdf));
    const std::string info = run("pdfinfo '" + pdf.string() + "' 2>&1");
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos) << info;
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
    const std::string text = run("pdftotext -f 1 -l 1 '" + pdf.string() + "' - 2>&1");
    EXPECT_NE(text.find("Hall 3, east wing"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 1 of 1"), std::string::npos) << text;
    EXPECT_NE(text.find("HEA200"), std::string::npos) << text;
}
