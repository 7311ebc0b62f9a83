// The print preview's button icons, drawn here: next (199), previous (201), zoom in
// (193), zoom out (194), settings (195) and print (197). Close uses the module's 206.

#include "kw/frame/IconDrawing.h"
#include "kw/frame/ModuleResources.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

using kw::icon::fromRows;

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
