// The core module's macro commands as a user runs them: the host program with both
// modules loaded, driven by a script.

#include "platform/base/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Result runScript(const std::string& name, const std::string& script) {
    const fs::path bin = fs::path(TVL_BINARY_DIR) / "bin";
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const fs::path dir = fs::path(tmp && *tmp ? tmp : "/tmp") / "macro-commands" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    base::writeFile(dir / "test.scr", script);
    const std::string cmd =
        "cd '" + dir.string() + "' && TVL_PROFILE='" + (dir / "profile.ini").string() +
        "' TVL_LANG_DIR='" TVL_SOURCE_DIR "/resources/lang' LD_LIBRARY_PATH='" + bin.string() +
        "' '" + (bin / "acad").string() + "' /nologo /ld '" + (bin / "zelcor.arx").string() +
        "' /ld '" + (bin / "KW.arx").string() + "' --script test.scr > stdout.txt 2> stderr.txt";
    const int status = std::system(cmd.c_str());
    Result r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = base::readFile(dir / "stdout.txt").value_or("");
    r.err = base::readFile(dir / "stderr.txt").value_or("");
    return r;
}

#define EXPECT_HAS(text, fragment) EXPECT_NE((text).find(fragment), std::string::npos) << (text)

} // namespace

TEST(MacroCommands, ModelListsObjectsMacrosVariablesAndRules) {
    const Result r =
        runScript("model", "TVLMODEL\n"
                           "expect output 'Sample model: 5 objects, 3 macros.'\n"
                           "expect output 'EP1 (201): End plate, beam B1 to column C1'\n"
                           "expect output 'BP1 (203): Base plate'\n");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_HAS(r.out, "  C1 (101): Column HEA 200\n");
    EXPECT_HAS(r.out, "    module EndPlate (End plate), block Label A\n");
    EXPECT_HAS(r.out, "      PlateHeight = 340 (number) (flexible in group Fix)\n");
    EXPECT_HAS(r.out, "      WeldSize = 7.5 (number) := round(0.5 * PlateThickness, 1)\n");
    EXPECT_HAS(r.out, "      Grade = S355 (list)\n");
    EXPECT_HAS(r.out, "      pattern Rows: 4 x 2\n");
    EXPECT_HAS(r.out, "      bolts Hex 8.8 M20\n");
    EXPECT_HAS(r.out, "      array Ribs: 3 (Rib 1; Rib 2; Rib 3)\n");
    EXPECT_HAS(r.out, "      rule EdgeDist >= 1.2 * HoleDiameter\n");
    EXPECT_HAS(r.out, "    cut definition Corner: chamfer, Offset1 = 15, Offset2 = 15\n");
}

// ---- TVLARRAY ------------------------------------------------------------------------------
TEST(MacroCommands, ArrayPrintsWhatChangedAndTheModelTakesIt) {
    const Result r = runScript("array", "TVLARRAY\n"
                                        "expect dialog 'Array \"Ribs\"'\n"
                                        "click 1087\n" // Remove: the last rib
                                        "check 1346 on\n"
                                        "click IDOK\n"
                                        "expect output 'Array Ribs:'\n"
                                        "TVLMODEL\n"
                                        "expect output 'array Ribs: 2 (Rib 1; Rib 2)'\n"
                                        "TVLARRAY\n"
                                        "click IDOK\n"
                                        "expect output 'Array Ribs: no values changed.'\n"
                                        "TVLARRAY\n"
                                        "type 1010 'abc'\n"
                                        "answer msgbox ok 'This is not a number: \"abc\"'\n"
                                        "click IDOK\n"
                                        "click IDCANCEL\n"
                                        "expect output 'Array dialog cancelled.'\n");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_HAS(r.out, "  count: 3 -> 2\n");
    EXPECT_HAS(r.out, "  keep the total length: off -> on\n");
    EXPECT_HAS(r.out, "  entries: Rib 1; Rib 2; Rib 3 -> Rib 1; Rib 2\n");
    EXPECT_HAS(r.out, "EP1 Bolts.Ribs changed\n");
}

// ---- The macro editor's cut button ---------------------------------------------------------
TEST(MacroCommands, EditorCutButtonOpensTheCutsDialogAndItsEscapeStaysThere) {
    const Result r = runScript("editor-cut", "TVLMACROEDITMODAL\n"
                                             "drag 1001 20 8 20 8\n"   // sorted by name
                                             "drag 1001 20 50 20 50\n" // Corner cut
                                             "click 1334\n"
                                             "expect dialog 'Edit cut'\n"
                                             "select 1284 'Fillet'\n"
                                             "key Esc\n"
                                             "expect dialog 'Macro editor'\n"
                                             "click 1334\n"
                                             "select 1284 'Fillet'\n"
                                             "click IDOK\n"
                                             "expect dialog 'Macro editor'\n"
                                             "click IDOK\n"
                                             "expect no dialog\n"
                                             "TVLMACROCUTS Corner\n"
                                             "expect text 1284 'Fillet'\n"
                                             "click IDCANCEL\n");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_HAS(r.out, "Cut Corner of End plate EP1 not changed.\n");
    EXPECT_HAS(r.out, "Cut Corner of End plate EP1: fillet, Radius = 10.\n");
    EXPECT_HAS(r.out, "Macro editor closed with OK.\n");
}
