#include "apps/kwsheet/ShowCommand.h"

#include <cstdio>
#include <string>
#include <vector>

#include "apps/kwsheet/ConvertCommand.h"
#include "platform/grid/engine/Sheet.h"

using namespace kwsheet;

namespace {

void printCell(const grid::Sheet& sheet, int32_t col, int32_t row) {
    std::string line =
        grid::columnLetters(col) + std::to_string(row) + "\t" + sheet.displayText(col, row);
    if (sheet.hasFormula(col, row))
        line += "\t=" + sheet.formula(col, row);
    std::printf("%s\n", line.c_str());
}

} // namespace

int runShow(int argc, char** argv) {
    if (argc < 1) {
        std::fprintf(stderr, "kwsheet: usage: kwsheet show FILE [REF...]\n");
        return 2;
    }
    std::vector<grid::CellRef> refs;
    for (int i = 1; i < argc; ++i) {
        grid::CellRef ref;
        if (!grid::parseA1(argv[i], ref) || ref.col < 1 || ref.row < 1) {
            std::fprintf(stderr, "kwsheet: '%s' is not a cell reference such as B3\n", argv[i]);
            return 2;
        }
        refs.push_back(ref);
    }
    grid::Sheet sheet;
    grid::IoStatus st = readSheetFile(sheet, argv[0]);
    if (!st.ok()) {
        std::fprintf(stderr, "kwsheet: %s\n", st.message().c_str());
        return st.result() == grid::IoResult::BadArgument ? 2 : 1;
    }
    sheet.recalcAll();
    if (refs.empty()) {
        sheet.forEachCellByRow([&](int32_t col, int32_t row) {
            if (col >= 1 && row >= 1 && !sheet.value(col, row).isEmpty())
                printCell(sheet, col, row);
        });
    } else {
        for (const grid::CellRef& r : refs)
            printCell(sheet, r.col, r.row);
    }
    return 0;
}
