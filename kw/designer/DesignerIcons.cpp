// The designer window's icons, drawn here: the window's own (148) and the tool buttons'
// open (232), save (233), width (235), height (236), copy (223) and picture (231).

#include "kw/frame/IconDrawing.h"
#include "kw/frame/ModuleResources.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

using kw::icon::fromRows;

constexpr const char* kWindowRows[16] = {
    "................", ".##############.", ".##############.", ".#oooooooooooo#.",
    ".#o####oooooo#o.", ".#o#oo#oo###o#o.", ".#o####oo#o#o#o.", ".#oooooooo###o#.",
    ".#oo######oooo#.", ".#oo#oooo#oooo#.", ".#oo######oooo#.", ".#oooooooooooo#.",
    ".##############.", "................", "................", "................"};
constexpr const char* kOpenRows[16] = {
    "................", "................", ".####...........", "#yyyy#..........",
    "#yyyyy########..", "#yyyyyyyyyyyyy#.", "#yyy##########.#", "#yy#yyyyyyyyyy#.",
    "#y#yyyyyyyyyy#..", "##yyyyyyyyyy#...", "#############...", "................",
    "................", "................", "................", "................"};
constexpr const char* kSaveRows[16] = {
    "................", ".#############..", ".#oo#oooooo#o##.", ".#oo#oooooo#oo#.",
    ".#oo#oooooo#oo#.", ".#oo########oo#.", ".#oooooooooooo#.", ".#o##########o#.",
    ".#o#oooooooo#o#.", ".#o#oooooooo#o#.", ".#o#oooooooo#o#.", ".##############.",
    "................", "................", "................", "................"};
constexpr const char* kWidthRows[16] = {
    "................", "................", "................", "................",
    "#..............#", "#...#......#...#", "#..##......##..#", "#.############.#",
    "#..##......##..#", "#...#......#...#", "#..............#", "................",
    "................", "................", "................", "................"};
constexpr const char* kHeightRows[16] = {
    "...##########...", ".......#........", "......###.......", ".....#####......",
    ".......#........", ".......#........", ".......#........", ".......#........",
    ".......#........", ".......#........", ".......#........", ".....#####......",
    "......###.......", ".......#........", "...##########...", "................"};
constexpr const char* kCopyRows[16] = {
    "................", ".########.......", ".#oooooo#.......", ".#o####o#.......",
    ".#oooooo#.......", ".#o####o########", ".#oooooo#oooooo#", ".#o####o#o####o#",
    ".########oooooo#", "........#o####o#", "........#oooooo#", "........#o####o#",
    "........#oooooo#", "........########", "................", "................"};
constexpr const char* kPictureRows[16] = {
    "................", "################", "#oooooooooooooo#", "#oooooooooyyooo#",
    "#ooooooooyyyyoo#", "#oooooooooyyooo#", "#oooo#ooooooooo#", "#ooo###oooooooo#",
    "#oo#####ooo#ooo#", "#o#######o###oo#", "#############o##", "################",
    "................", "................", "................", "................"};

void addIcons(ui::ResourceModule& module) {
    module.addIcon(148, ui::encodeBmp24(fromRows(kWindowRows)));
    module.addIcon(232, ui::encodeBmp24(fromRows(kOpenRows)));
    module.addIcon(233, ui::encodeBmp24(fromRows(kSaveRows)));
    module.addIcon(235, ui::encodeBmp24(fromRows(kWidthRows)));
    module.addIcon(236, ui::encodeBmp24(fromRows(kHeightRows)));
    module.addIcon(223, ui::encodeBmp24(fromRows(kCopyRows)));
    module.addIcon(231, ui::encodeBmp24(fromRows(kPictureRows)));
}

const kw::ResourceRegistrar registrar(addIcons);

} // namespace
