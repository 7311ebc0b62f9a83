// Writes PNG snapshots of the spreadsheet editor's format dialogs and of a sheet that
// shows what they set: the twelve line styles, a picture cell, multi-line and aligned
// text. Each dialog is opened from the editor's menu, as a person opens it.
//
//   kw_cellformat_snapshots <folder>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "kw/frame/ModuleState.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "kw/spreadsheet/editor/EditorEntry.h"
#include "kw/spreadsheet/format/BorderStyles.h"
#include "kw/spreadsheet/format/CDlgKWAppear.h"
#include "kw/spreadsheet/format/CDlgKWBorders.h"
#include "kw/spreadsheet/format/CDlgKWOptions.h"
#include "kw/spreadsheet/format/CDlgKWType.h"
#include "kw/spreadsheet/format/CellTypeRecord.h"
#include "platform/base/Encoding.h"
#include "platform/base/Paths.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/draw/Bmp.h"

namespace {

using Editor = CDlgSpreadSheet;
bool g_ok = true;

void write(const ui::Window& w, const std::filesystem::path& file) {
    if (ui::writePng(w, file.string())) {
        std::printf("%s\n", file.string().c_str());
    } else {
        std::fprintf(stderr, "kw_cellformat_snapshots: cannot write %s\n", file.string().c_str());
        g_ok = false;
    }
}

// A small drawing for the picture cell: a plate with two holes.
std::filesystem::path writePlate(const std::filesystem::path& folder) {
    ui::Bitmap b(48, 24, 0xFFFFFFFFu);
    for (int y = 2; y < 22; ++y)
        for (int x = 2; x < 46; ++x)
            b.set(x, y, (x == 2 || x == 45 || y == 2 || y == 21) ? 0xFF203060u : 0xFFB0C4DEu);
    for (int cx : {12, 36})
        for (int y = 8; y < 16; ++y)
            for (int x = cx - 4; x < cx + 4; ++x)
                b.set(x, y, 0xFFFFFFFFu);
    const auto bytes = ui::encodeBmp24(b);
    const auto file = folder / "plate.bmp";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return file;
}

void fillSheet(Tvl_Spread& g, const std::filesystem::path& plate) {
    grid::Sheet& s = g.sheet();
    g.setRowCount(13);
    s.setColumnWidthPx(1, 140);
    s.setColumnWidthPx(3, 120);
    s.setColumnWidthPx(4, 90);
    // Column A: one line style per row, on all four sides.
    for (int p = 0; p < kw::kBorderPickerPositions; ++p) {
        const int row = p + 1;
        g.setData(1, row, kw::borderPickerText(p));
        s.setBorder({2, row, 2, row}, grid::Border{15, kw::borderLineStyle(p, 0), 0x000000});
    }
    // Column C: a picture cell, stretched with its shape kept, and a multi-line text.
    kw::CellTypeRecord picture;
    picture.kind = kw::CellTypeRecord::kPicture;
    picture.style = grid::kStylePictureStretch | grid::kStylePictureKeepProportions;
    picture.pictureFile = base::toProduct(plate);
    kw::applyCellType(s, {3, 2, 3, 2}, picture);
    s.setRowHeightPx(2, 48);
    kw::CellTypeRecord text;
    text.kind = kw::CellTypeRecord::kText;
    text.style = grid::kStyleMultiLine | grid::kStyleHCenter | grid::kStyleVBottom;
    kw::applyCellType(s, {3, 4, 3, 4}, text);
    s.setRowHeightPx(4, 76);
    g.setData(3, 4, L"Lange teksten op meerdere lijnen");
    // Column D: alignments, a coloured cell and a negative number in red.
    kw::CellTypeRecord right;
    right.kind = kw::CellTypeRecord::kText;
    right.style = grid::kStyleHRight | grid::kStyleVTop;
    kw::applyCellType(s, {4, 4, 4, 4}, right);
    g.setData(4, 4, L"rechts boven");
    kw::CellTypeRecord red;
    red.kind = kw::CellTypeRecord::kNumber;
    red.style = grid::kStyleNegativeRed;
    kw::applyCellType(s, {4, 6, 4, 6}, red);
    s.setNumber(4, 6, -12.5);
    s.setColors({4, 8, 4, 8}, 0xC8FFFF, 0x800000);
    s.setFont({4, 8, 4, 8}, grid::Font{"Arial", 16, 700, true, false, false});
    g.setData(4, 8, L"Abc 123");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kw_cellformat_snapshots <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (std::getenv("TVL_LANG_DIR") == nullptr)
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
    kw::attachModule();
    const std::filesystem::path plate = writePlate(folder);
    {
        ui::ScriptedDriver driver;
        driver.onDialog(Editor::kTemplateId, [&](ui::Dialog& d) {
            auto& e = static_cast<Editor&>(d);
            ui::resize(e, 720, 520);
            fillSheet(e.grid(), plate);
            e.grid().setFocus();
            e.grid().setActiveCell(6, 12);
            write(e, folder / "format-sheet.png");
            auto shoot = [&](int templateId, int command, const char* file,
                             const std::function<void(ui::Dialog&)>& prepare) {
                driver.onDialog(templateId, [&, file](ui::Dialog& f) {
                    if (prepare)
                        prepare(f);
                    write(f, folder / file);
                    ui::click(f, ui::IDCANCEL);
                });
                ui::chooseMenuCommand(e, command);
            };
            e.grid().setActiveCell(3, 2); // the picture cell
            shoot(CDlgKWType::kTemplateId, Editor::kCmdCellType, "format-cell-type.png", {});
            e.grid().setActiveCell(2, 11); // the double line
            shoot(CDlgKWBorders::kTemplateId, Editor::kCmdBorders, "format-borders.png", {});
            e.grid().setActiveCell(4, 8);
            shoot(CDlgKWAppear::kTemplateId, Editor::kCmdFont, "format-font-colours.png", {});
            shoot(CDlgKWOptions::kTemplateId, Editor::kCmdTableOptions, "format-table-options.png",
                  {});
            driver.answerMessageBox(ui::IDNO);
            ui::closeBox(e);
        });
        kw::runSpreadSheetEditor(Tvl_String());
        if (!driver.done())
            g_ok = false;
    }
    kw::detachModule();
    return g_ok ? 0 : 1;
}
