// The designer window's icons, drawn here: the window's own (148) and the tool buttons'
// open (232), save (233), width (235), height (236), copy (223) and picture (231).

#include "kw/frame/ModuleResources.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

constexpr std::uint32_t kKey = 0xFFC0C0C0u; // transparent key colour of button icons
constexpr std::uint32_t kInk = 0xFF203060u;
constexpr std::uint32_t kPaper = 0xFFFFFFFFu;
constexpr std::uint32_t kYellow = 0xFFE0C040u;

// 16 rows of 16 characters: '#' ink, 'o' paper, 'y' yellow, anything else transparent.
ui::Bitmap fromRows(const char* const (&rows)[16]) {
    ui::Bitmap b(16, 16, kKey);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 && rows[y][x]; ++x) {
            const char c = rows[y][x];
            if (c == '#')
                b.set(x, y, kInk);
            else if (c == 'o')
                b.set(x, y, kPaper);
            else if (c == 'y')
                b.set(x, y, kYellow);
        }
    return b;
}

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
