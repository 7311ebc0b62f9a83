#include "tests/platform/grid/engine/io/TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace grid::test {

std::string scratchDir(const std::string& name) {
    const char* base = std::getenv("TVL_TEST_TMP");
    std::filesystem::path dir = base && *base
                                    ? std::filesystem::path(base)
                                    : std::filesystem::temp_directory_path() / "gridio-tests";
    dir /= name;
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

int runPython(const std::string& script, const std::string& args, std::string& output) {
    std::string scriptPath = scratchDir("python") + "/script.py";
    writeAll(scriptPath, script);
    std::string cmd = "/usr/bin/python3 " + scriptPath + " " + args + " 2>&1";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return -1;
    output.clear();
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0)
        output.append(buf, n);
    int status = pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool haveXlrd() {
    if (!fileExists("/usr/bin/python3"))
        return false;
    std::string out;
    return runPython("import xlrd\n", "", out) == 0;
}

} // namespace grid::test
