// Test helper: a program that records the arguments it was started with in
// "<its own path>.args", one per line, written whole (temp file + rename) so that a
// waiting test never reads half a record. Installed under the names of the programs
// the launcher starts (acad.exe, Setvora.exe).

#include <climits>
#include <cstdio>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    char self[PATH_MAX + 1];
    const ssize_t n = ::readlink("/proc/self/exe", self, PATH_MAX);
    if (n <= 0)
        return 1;
    const std::string target = std::string(self, static_cast<size_t>(n)) + ".args";
    const std::string temp = target + ".tmp";
    FILE* f = std::fopen(temp.c_str(), "w");
    if (!f)
        return 1;
    for (int i = 1; i < argc; ++i)
        std::fprintf(f, "%s\n", argv[i]);
    std::fclose(f);
    return std::rename(temp.c_str(), target.c_str()) == 0 ? 0 : 1;
}
