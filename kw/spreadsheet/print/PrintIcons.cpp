// The print preview's button icons, drawn here: next (199), previous (201), zoom in
// (193), zoom out (194), settings (195) and print (197). Close uses the module's 206.

#include "kw/frame/ModuleResources.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

constexpr std::uint32_t kKey = 0xFFC0C0C0u; // transparent key colour of button icons
constexpr std::uint32_t kInk = 0xFF203060u;
constexpr std::uint32_t kPaper = 0xFFFFFFFFu;

// 16 rows of 16 characters: '#' ink, 'o' paper, anything else transparent.
ui::Bitmap fromRows(const char* const (&rows)[16]) {
    ui::Bitmap b(16, 16, kKey);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 && rows[y][x]; ++x) {
            if (rows[y][x] == '#')
                b.set(x, y, kInk);
            else if (rows[y][x] == 'o')
                b.set(x, y, kPaper);
        }
    return b;
}

constexpr const char* kNext[16] = {
    "................", "................", ".....#..........", ".....##.........",
    ".....###........", ".....####.......", ".....#####......", ".....######.....",
    ".....######.....", ".....#####......", ".....####.......", ".....###........",
    ".....##.........", ".....#..........", "................", "................"};
constexpr const char* kPrevious[16] = {
    "................", "................", "..........#.....", ".........##.....",
    "........###.....", ".......####.....", "......#####.....", ".....######.....",
    ".....######.....", "......#####.....", ".......####.....", "........###.....",
    ".........##.....", "..........#.....", "................", "................"};
constexpr const char* kZoomIn[16] = {
    "................", "....#####.......", "...#ooooo#......", "..#oooooo o#....",
    "..#ooo#ooo#.....", "..#ooo#ooo#.....", "..#o#####o#.....", "..#ooo#ooo#.....",
    "..#ooo#ooo#.....", "...#ooooo#......", "....######......", "..........##....",
    "...........##...", "............##..", ".............#..", "................"};
constexpr const char* kZoomOut[16] = {
    "................", "....#####.......", "...#ooooo#......", "..#ooooooo#.....",
    "..#ooooooo#.....", "..#ooooooo#.....", "..#o#####o#.....", "..#ooooooo#.....",
    "..#ooooooo#.....", "...#ooooo#......", "....######......", "..........##....",
    "...........##...", "............##..", ".............#..", "................"};
constexpr const char* kSettings[16] = {
    "................", ".......##.......", "...##.####.##...", "...##########...",
    "....###oo###....", "...###oooo###...", ".####oooooo####.", ".####oooooo####.",
    "...###oooo###...", "....###oo###....", "...##########...", "...##.####.##...",
    ".......##.......", "................", "................", "................"};
constexpr const char* kPrint[16] = {
    "................", "....########....", "....#oooooo#....", "....#o####o#....",
    "....#oooooo#....", "..############..", ".#oooooooooooo#.", ".#oooooooooo##o#",
    ".#oooooooooooo#.", ".##############.", "..#oooooooooo#..", "..#o########o#..",
    "..#oooooooooo#..", "..############..", "................", "................"};

void addIcons(ui::ResourceModule& module) {
    module.addIcon(199, ui::encodeBmp24(fromRows(kNext)));
    module.addIcon(201, ui::encodeBmp24(fromRows(kPrevious)));
    module.addIcon(193, ui::encodeBmp24(fromRows(kZoomIn)));
    module.addIcon(194, ui::encodeBmp24(fromRows(kZoomOut)));
    module.addIcon(195, ui::encodeBmp24(fromRows(kSettings)));
    module.addIcon(197, ui::encodeBmp24(fromRows(kPrint)));
}

const kw::ResourceRegistrar registrar(addIcons);

} // namespace
