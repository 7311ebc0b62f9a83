// kwsheet: the grid engine on the command line.

#include <cstring>
#include <iostream>

#include "apps/kwsheet/CalcCommand.h"

#if __has_include("apps/kwsheet/ConvertCommand.h")
#include "apps/kwsheet/ConvertCommand.h"
#define KWSHEET_HAS_CONVERT 1
#endif
#if __has_include("apps/kwsheet/ShowCommand.h")
#include "apps/kwsheet/ShowCommand.h"
#define KWSHEET_HAS_SHOW 1
#endif

namespace {

void usage(std::ostream& out) {
    out << "usage: kwsheet calc [--style default|a1|r1c1] < cells\n"
           "       kwsheet convert IN OUT    (IN: .kws .csv .xlsx .ods;"
           " OUT: .kws .csv .txt .htm .xls .xlsx)\n"
           "       kwsheet show FILE [REF...]\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage(std::cerr);
        return 2;
    }
    const char* cmd = argv[1];
    if (!std::strcmp(cmd, "calc"))
        return runCalc(argc - 2, argv + 2);
#ifdef KWSHEET_HAS_CONVERT
    if (!std::strcmp(cmd, "convert"))
        return runConvert(argc - 2, argv + 2);
#endif
#ifdef KWSHEET_HAS_SHOW
    if (!std::strcmp(cmd, "show"))
        return runShow(argc - 2, argv + 2);
#endif
    if (!std::strcmp(cmd, "--help") || !std::strcmp(cmd, "-h")) {
        usage(std::cout);
        return 0;
    }
    std::cerr << "kwsheet: unknown command '" << cmd << "'\n";
    return 2;
}
