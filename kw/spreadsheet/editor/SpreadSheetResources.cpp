// The spreadsheet editor's resources: dialog 140, the menu bar 139 (captions as the
// template has them; the editor relabels them in Dutch), the cell menu 138 and the
// toolbar strip 128 (ten 16 x 15 pictures, drawn here).

#include "kw/frame/ModuleResources.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

using D = CDlgSpreadSheet;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = D::kTemplateId;
    t.caption = L"Spreadsheet Editor";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 342, 193);
    t.menuId = D::kMenuId;
    t.controls = {
        {D::kGridId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(0, 0, 337, 149)},
        {D::kStatusId, L"Static", L"", 0, ui::dlu(2, 164, 335, 10)},
        {D::kEqualsId, L"Button", L"=", ui::WS_TABSTOP, ui::dlu(0, 179, 10, 12)},
        {D::kCellTextId, L"Edit", L"", ui::ES_AUTOHSCROLL | ui::WS_BORDER,
         ui::dlu(12, 179, 108, 12)},
        {D::kFormulaLabelId, L"Static", L"Formule:", 0, ui::dlu(122, 181, 31, 10)},
        {D::kFormulaId, L"Edit", L"", ui::ES_AUTOHSCROLL | ui::WS_BORDER,
         ui::dlu(154, 179, 84, 12)},
        {D::kVariableLabelId, L"Static", L"Variabele:", 0, ui::dlu(242, 181, 34, 10)},
        {D::kVariableId, L"Edit", L"", ui::ES_AUTOHSCROLL | ui::WS_BORDER,
         ui::dlu(278, 179, 60, 12)},
    };
    module.addDialog(std::move(t));
}

ui::MenuTemplateItem item(int id, const wchar_t* text) {
    return {text, id, 0, {}};
}
ui::MenuTemplateItem separator() {
    return {L"", 0, ui::MF_SEPARATOR, {}};
}

void addMenus(ui::ResourceModule& module) {
    ui::MenuTemplate bar;
    bar.id = D::kMenuId;
    bar.items = {
        {L"&File",
         0,
         ui::MF_POPUP,
         {item(D::kCmdNew, L"&New"), item(D::kCmdOpen, L"&Open..."), item(D::kCmdSave, L"&Save"),
          item(D::kCmdSaveAs, L"Save &As..."), item(D::kCmdExport, L"&Export..."), separator(),
          item(D::kCmdPrint, L"&Print"), item(D::kCmdPreview, L"Print Pre&view"),
          item(D::kCmdPrintSetup, L"P&rint Setup")}},
        {L"&Edit",
         0,
         ui::MF_POPUP,
         {item(D::kCmdCut, L"Cu&t"), item(D::kCmdCopy, L"&Copy"), item(D::kCmdPaste, L"&Paste"),
          separator(), item(D::kCmdInsertRow, L"Insert row"), item(D::kCmdDeleteRow, L"Delete row"),
          item(D::kCmdInsertCol, L"Insert column"), item(D::kCmdDeleteCol, L"Delete column")}},
        {L"&Cell",
         0,
         ui::MF_POPUP,
         {item(D::kCmdNote, L"&Note..."), item(D::kCmdFont, L"&Font and colours..."),
          item(D::kCmdBorders, L"&Borders..."), item(D::kCmdCellType, L"Cell &type..."),
          separator(), item(D::kCmdRecalc, L"&Recalculate")}},
        {L"&Settings",
         0,
         ui::MF_POPUP,
         {item(D::kCmdTableOptions, L"&Table settings"),
          item(D::kCmdAutoCalc, L"&Automatic calculation"),
          item(D::kCmdRefStyleA1, L"A1 &references")}},
    };
    module.addMenu(std::move(bar));

    ui::MenuTemplate cell;
    cell.id = D::kPopupMenuId;
    cell.items = {
        {L"Cell",
         0,
         ui::MF_POPUP,
         {item(D::kCmdNote, L"Nota wijzigen"), item(D::kCmdFont, L"Lettertype en kleuren"),
          item(D::kCmdBorders, L"Kaderlijnen ..."),
          item(D::kCmdCellType, L"Celltype wijzigen ...")}}};
    module.addMenu(std::move(cell));
}

// The toolbar pictures, left to right: new, open, save, cut, copy, paste, export,
// preview, print, print setup.
constexpr std::uint32_t kKey = 0xFFC0C0C0u;
constexpr std::uint32_t kInk = 0xFF203060u;
constexpr std::uint32_t kPaper = 0xFFFFFFFFu;
constexpr std::uint32_t kYellow = 0xFFE0C040u;
constexpr std::uint32_t kBlue = 0xFF3060C0u;

void box(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t fill, std::uint32_t line) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            b.set(x, y, (x == x0 || x == x1 || y == y0 || y == y1) ? line : fill);
}

void page(ui::Bitmap& b, int ox) {
    box(b, ox + 3, 1, ox + 12, 13, kPaper, kInk);
}

ui::Bitmap toolbarStrip() {
    ui::Bitmap b(160, 15, kKey);
    // new
    page(b, 0);
    // open: a folder
    box(b, 16 + 1, 4, 16 + 14, 12, kYellow, kInk);
    box(b, 16 + 1, 2, 16 + 6, 4, kYellow, kInk);
    // save: a disk
    box(b, 32 + 1, 1, 32 + 14, 13, kBlue, kInk);
    box(b, 32 + 4, 1, 32 + 11, 6, kPaper, kInk);
    // cut: two blades
    for (int i = 0; i < 8; ++i) {
        b.set(48 + 4 + i, 1 + i, kInk);
        b.set(48 + 11 - i, 1 + i, kInk);
    }
    box(b, 48 + 2, 9, 48 + 6, 13, kPaper, kInk);
    box(b, 48 + 9, 9, 48 + 13, 13, kPaper, kInk);
    // copy: two pages
    box(b, 64 + 1, 1, 64 + 9, 10, kPaper, kInk);
    box(b, 64 + 5, 4, 64 + 14, 13, kPaper, kInk);
    // paste: a board with a page
    box(b, 80 + 1, 2, 80 + 11, 13, kYellow, kInk);
    box(b, 80 + 6, 5, 80 + 14, 13, kPaper, kInk);
    // export: a page with an arrow
    page(b, 96);
    for (int x = 96 + 5; x <= 96 + 14; ++x)
        b.set(x, 7, kBlue);
    b.set(96 + 13, 6, kBlue);
    b.set(96 + 13, 8, kBlue);
    // preview: a page with a lens
    page(b, 112);
    box(b, 112 + 6, 5, 112 + 10, 9, kBlue, kInk);
    // print: a printer
    box(b, 128 + 4, 1, 128 + 11, 6, kPaper, kInk);
    box(b, 128 + 1, 6, 128 + 14, 12, 0xFF909090u, kInk);
    // print setup: a printer with a gear mark
    box(b, 144 + 1, 6, 144 + 14, 12, 0xFF909090u, kInk);
    box(b, 144 + 6, 1, 144 + 9, 4, kYellow, kInk);
    return b;
}

void addResources(ui::ResourceModule& module) {
    addTemplate(module);
    addMenus(module);
    module.addBitmap(D::kToolbarBitmapId, ui::encodeBmp24(toolbarStrip()));
}

const kw::ResourceRegistrar registrar(addResources);

} // namespace
