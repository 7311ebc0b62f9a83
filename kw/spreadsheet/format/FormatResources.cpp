// The format dialogs' resources: templates 175 (cell type), 143 (borders), 174 (font and
// colours) and 176 (table options), the line-style pictures of the borders picker and
// the icons of its four side buttons, drawn here.

#include "kw/frame/IconDrawing.h"
#include "kw/frame/ModuleResources.h"
#include "kw/spreadsheet/format/BorderStyles.h"
#include "kw/spreadsheet/format/CDlgKWAppear.h"
#include "kw/spreadsheet/format/CDlgKWBorders.h"
#include "kw/spreadsheet/format/CDlgKWOptions.h"
#include "kw/spreadsheet/format/CDlgKWType.h"
#include "platform/grid/control/GridCellLook.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

constexpr unsigned kModal = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::DS_MODALFRAME;
constexpr unsigned kTab = ui::WS_TABSTOP;
constexpr unsigned kList = ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL | ui::WS_TABSTOP;
constexpr unsigned kNumberEdit = ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;

ui::ControlTemplate ok(int x, int y) {
    return {ui::IDOK, L"Button", L"OK", kTab | ui::BS_DEFPUSHBUTTON, ui::dlu(x, y, 50, 14)};
}
ui::ControlTemplate cancel(int x, int y) {
    return {ui::IDCANCEL, L"Button", L"Annuleren", kTab, ui::dlu(x, y, 50, 14)};
}

void addTypeTemplate(ui::ResourceModule& module) {
    using T = CDlgKWType;
    ui::DialogTemplate t;
    t.id = T::kTemplateId;
    t.caption = L"Cell-type wijzigen";
    t.style = kModal;
    t.rect = ui::dlu(0, 0, 250, 162);
    t.controls = {
        {T::kKindLabelId, L"Static", L"Selecteer eerst het type:", 0, ui::dlu(7, 8, 90, 8)},
        {T::kKindId, L"ComboBox", L"", kList, ui::dlu(100, 6, 100, 80)},
        {T::kHAlignLabelId, L"Static", L"Uitlijning horizontaal:", 0, ui::dlu(7, 25, 90, 8)},
        {T::kHAlignId, L"ComboBox", L"", kList, ui::dlu(100, 23, 100, 80)},
        {T::kVAlignLabelId, L"Static", L"Uitlijning verticaal:", 0, ui::dlu(7, 41, 90, 8)},
        {T::kVAlignId, L"ComboBox", L"", kList, ui::dlu(100, 39, 100, 80)},
        {T::kRotationLabelId, L"Static", L"Rotatie:", 0, ui::dlu(7, 57, 90, 8)},
        {T::kRotationId, L"ComboBox", L"", kList, ui::dlu(100, 55, 140, 100)},
        {T::kFieldLabelId, L"Static", L"", 0, ui::dlu(7, 75, 90, 8)},
        {T::kFieldId, L"Edit", L"", kNumberEdit, ui::dlu(100, 73, 120, 12)},
        {T::kBrowseId, L"Button", L"...", kTab, ui::dlu(224, 73, 16, 12)},
        {T::kFirstCheckId, L"Button", L"", kTab | ui::BS_AUTOCHECKBOX, ui::dlu(7, 91, 236, 10)},
        {T::kSecondCheckId, L"Button", L"", kTab | ui::BS_AUTOCHECKBOX, ui::dlu(7, 104, 236, 10)},
        {T::kPreviewId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(7, 120, 84, 36)},
        ok(190, 122),
        cancel(190, 140),
    };
    module.addDialog(std::move(t));
}

void addBordersTemplate(ui::ResourceModule& module) {
    using B = CDlgKWBorders;
    constexpr unsigned kToggle = kTab | ui::BS_PUSHLIKE;
    ui::DialogTemplate t;
    t.id = B::kTemplateId;
    t.caption = L"Randlijnen instellen";
    t.style = kModal;
    t.rect = ui::dlu(0, 0, 186, 96);
    t.controls = {
        {B::kTopId, L"Button", L"", kToggle, ui::dlu(7, 7, 20, 18)},
        {B::kLeftId, L"Button", L"", kToggle, ui::dlu(30, 7, 20, 18)},
        {B::kRightId, L"Button", L"", kToggle, ui::dlu(53, 7, 20, 18)},
        {B::kBottomId, L"Button", L"", kToggle, ui::dlu(76, 7, 20, 18)},
        {B::kStyleId, L"ComboBox", L"", kList, ui::dlu(7, 31, 89, 120)},
        {B::kColorId, L"Button", L"Kleur wijzigen...", kTab, ui::dlu(7, 50, 89, 14)},
        {B::kPreviewId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(110, 7, 60, 32)},
        ok(7, 75),
        cancel(62, 75),
    };
    module.addDialog(std::move(t));
}

void addAppearTemplate(ui::ResourceModule& module) {
    using A = CDlgKWAppear;
    ui::DialogTemplate t;
    t.id = A::kTemplateId;
    t.caption = L"Lettertype en kleuren";
    t.style = kModal;
    t.rect = ui::dlu(0, 0, 180, 96);
    t.controls = {
        {A::kGroupId, L"Button", L"Voorstelling aanpassen", ui::BS_GROUPBOX,
         ui::dlu(7, 5, 166, 62)},
        {A::kFontId, L"Button", L"Lettertype", kTab, ui::dlu(14, 17, 66, 13)},
        {A::kTextId, L"Button", L"Tekstkleur", kTab, ui::dlu(14, 33, 66, 13)},
        {A::kBackId, L"Button", L"Achtergrondkleur", kTab, ui::dlu(14, 49, 66, 13)},
        {A::kPreviewId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(95, 20, 60, 32)},
        ok(37, 75),
        cancel(93, 75),
    };
    module.addDialog(std::move(t));
}

void addOptionsTemplate(ui::ResourceModule& module) {
    using O = CDlgKWOptions;
    ui::DialogTemplate t;
    t.id = O::kTemplateId;
    t.caption = L"Tabel";
    t.style = kModal;
    t.rect = ui::dlu(0, 0, 250, 194);
    t.controls = {
        {O::kExplanationId, L"Static", L"", 0, ui::dlu(7, 5, 236, 26)},
        {O::kColCountLabelId, L"Static", L"", 0, ui::dlu(7, 38, 80, 8)},
        {O::kColCountId, L"Edit", L"", kNumberEdit, ui::dlu(88, 36, 36, 12)},
        {O::kRowCountLabelId, L"Static", L"", 0, ui::dlu(130, 38, 74, 8)},
        {O::kRowCountId, L"Edit", L"", kNumberEdit, ui::dlu(207, 36, 36, 12)},
        {O::kRowHeightLabelId, L"Static", L"", 0, ui::dlu(7, 54, 80, 8)},
        {O::kRowHeightId, L"Edit", L"", kNumberEdit, ui::dlu(88, 52, 36, 12)},
        {O::kColWidthLabelId, L"Static", L"", 0, ui::dlu(130, 54, 74, 8)},
        {O::kColWidthId, L"Edit", L"", kNumberEdit, ui::dlu(207, 52, 36, 12)},
        {O::kHeadersLabelId, L"Static", L"", 0, ui::dlu(7, 70, 236, 8)},
        {O::kColHeadersId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(7, 80, 236, 24)},
        {O::kRowHeadersId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(7, 108, 90, 80)},
        ok(193, 156),
        cancel(193, 174),
    };
    module.addDialog(std::move(t));
}

// ---- pictures ---------------------------------------------------------------------

constexpr std::uint32_t kPaper = 0xFFFFFFFFu;
constexpr std::uint32_t kInk = 0xFF000000u;
constexpr std::uint32_t kFaint = 0xFFB0B0B0u;

// A sample of line style `style` across a white strip.
ui::Bitmap lineSample(int style) {
    constexpr int kWidth = 72, kHeight = 12, kMargin = 4;
    ui::Bitmap b(kWidth, kHeight, kPaper);
    const grid::LineLook look = grid::lineLook(style);
    if (look.kind == grid::LineKind::None)
        return b;
    auto band = [&](int y0, int thickness, const std::vector<int>& pattern) {
        size_t k = 0;
        for (int x = kMargin; x < kWidth - kMargin;) {
            const int len = pattern.empty() ? kWidth : pattern[k];
            if (k % 2 == 0)
                kw::icon::fill(b, x, y0, std::min(x + len, kWidth - kMargin) - 1,
                               y0 + thickness - 1, kInk);
            x += len;
            if (!pattern.empty())
                k = (k + 1) % pattern.size();
        }
    };
    const int mid = kHeight / 2 - 1;
    if (look.kind == grid::LineKind::Double) {
        band(mid - 1, 1, {});
        band(mid + 1, 1, {});
    } else {
        band(mid - look.widthPx / 2, look.widthPx, grid::dashPattern(look.kind, look.widthPx));
    }
    return b;
}

// A square of faint dots with one side drawn strongly.
ui::Bitmap sideIcon(int side) {
    ui::Bitmap b(16, 16, 0xFFC0C0C0u);
    kw::icon::fill(b, 2, 2, 13, 13, kPaper);
    for (int i = 2; i <= 13; i += 2) {
        b.set(i, 2, kFaint);
        b.set(i, 13, kFaint);
        b.set(2, i, kFaint);
        b.set(13, i, kFaint);
    }
    switch (side) {
    case grid::kBorderTop:
        kw::icon::fill(b, 2, 2, 13, 3, kInk);
        break;
    case grid::kBorderLeft:
        kw::icon::fill(b, 2, 2, 3, 13, kInk);
        break;
    case grid::kBorderRight:
        kw::icon::fill(b, 12, 2, 13, 13, kInk);
        break;
    default:
        kw::icon::fill(b, 2, 12, 13, 13, kInk);
        break;
    }
    return b;
}

void addResources(ui::ResourceModule& module) {
    addTypeTemplate(module);
    addBordersTemplate(module);
    addAppearTemplate(module);
    addOptionsTemplate(module);
    for (int position = 0; position < kw::kBorderPickerPositions; ++position)
        module.addBitmap(kw::borderPickerBitmap(position),
                         ui::encodeBmp24(lineSample(kw::borderLineStyle(position, 0))));
    using B = CDlgKWBorders;
    module.addIcon(B::kIconTop, ui::encodeBmp24(sideIcon(grid::kBorderTop)));
    module.addIcon(B::kIconLeft, ui::encodeBmp24(sideIcon(grid::kBorderLeft)));
    module.addIcon(B::kIconRight, ui::encodeBmp24(sideIcon(grid::kBorderRight)));
    module.addIcon(B::kIconBottom, ui::encodeBmp24(sideIcon(grid::kBorderBottom)));
}

const kw::ResourceRegistrar registrar(addResources);

} // namespace
