// The examples of docs/automation.md run as they are written there: each code block of
// its "Examples" section is a script, run by the built acad program. The blocks before
// the last one use the host's test module; the last one loads the product's modules
// itself.

#include "platform/base/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> exampleScripts(const std::string& doc) {
    std::vector<std::string> blocks;
    const size_t section = doc.find("\n## Examples\n");
    if (section == std::string::npos)
        return blocks;
    const size_t sectionEnd = doc.find("\n## ", section + 1);
    size_t pos = section;
    for (;;) {
        const size_t open = doc.find("\n```\n", pos);
        if (open == std::string::npos || open > sectionEnd)
            break;
        const size_t close = doc.find("\n```", open + 4);
        if (close == std::string::npos)
            break;
        blocks.push_back(doc.substr(open + 5, close - open - 4));
        pos = close + 4;
    }
    return blocks;
}

TEST(AutomationDocExamples, EveryExampleRunsAsWritten) {
    const fs::path bin = fs::path(TVL_BINARY_DIR) / "bin";
    const auto doc = base::readFile(fs::path(TVL_SOURCE_DIR) / "docs" / "automation.md");
    ASSERT_TRUE(doc);
    const auto scripts = exampleScripts(*doc);
    ASSERT_GE(scripts.size(), 4u); // three with the test module, one with the product's

    const char* tmp = std::getenv("TVL_TEST_TMP");
    const fs::path dir = fs::path(tmp && *tmp ? tmp : "/tmp/acad_docs") / "examples";
    fs::remove_all(dir);
    fs::create_directories(dir);
    for (size_t i = 0; i < scripts.size(); ++i) {
        SCOPED_TRACE(scripts[i]);
        const std::string name = "example" + std::to_string(i + 1) + ".scr";
        ASSERT_TRUE(base::writeFile(dir / name, scripts[i]));
        const bool last = i + 1 == scripts.size();
        const std::string modules = last ? "" : "/ld '" + (bin / "hosttest.arx").string() + "' ";
        const std::string cmd = "cd '" + dir.string() + "' && TVL_PROFILE='" +
                                (dir / "profile.ini").string() + "' LD_LIBRARY_PATH='" +
                                bin.string() + "' '" + (bin / "acad").string() + "' /nologo " +
                                modules + "--script " + name + " > out.txt 2>&1 </dev/null";
        const int status = std::system(cmd.c_str());
        const std::string out = base::readFile(dir / "out.txt").value_or("");
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << out;
    }
    EXPECT_TRUE(fs::exists(dir / "out" / "palette.png")); // the snapshot line wrote it
}

} // namespace
