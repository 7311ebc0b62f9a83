#include "kw/spreadsheet/print/CDlgKWPrintPreview.h"

#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"
#include "platform/grid/control/GridPageView.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Messages.h"

namespace {

using D = CDlgKWPrintPreview;
constexpr const wchar_t* kPlacement = L"DLG_KW_PRINTPREVIEW";

struct ButtonSpec {
    int id;
    const wchar_t* text;
    int icon;
};
constexpr ButtonSpec kButtons[7] = {
    {ui::IDOK, L"Sluiten", 206},       {D::kNextId, L"Volgende", 199},
    {D::kPreviousId, L"Vorige", 201},  {D::kZoomInId, L"Zoom In", 193},
    {D::kZoomOutId, L"Zoom Uit", 194}, {D::kSetupId, L"Instellingen", 195},
    {D::kPrintId, L"Afdrukken", 197},
};

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    ui::DialogTemplate t;
    t.id = D::kTemplateId;
    t.caption = L"Print Preview";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME;
    t.rect = dlu(0, 0, 399, 425);
    for (int i = 0; i < 7; ++i)
        t.controls.push_back({kButtons[i].id, L"Button", kButtons[i].text, ui::WS_TABSTOP,
                              dlu(4 + i * 56, 4, 54, 16)});
    t.controls.push_back({D::kPageViewId, grid::kPageViewClassName, L"",
                          ui::WS_TABSTOP | ui::WS_BORDER, dlu(4, 24, 391, 397)});
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgKWPrintPreview::CDlgKWPrintPreview(const grid::GridControl* spread, ui::Window* parent)
    : ui::Dialog(kTemplateId, parent), m_spread(spread) {
    grid::registerPageViewClass();
}

grid::GridPageView* CDlgKWPrintPreview::pageView() const {
    return dynamic_cast<grid::GridPageView*>(getDlgItem(kPageViewId));
}

bool CDlgKWPrintPreview::onInitDialog() {
    // "Close" is the dialog's button 1.
    for (int i = 0; i < 7; ++i) {
        setupIconButton(this, m_buttons[i], kButtons[i].id, kButtons[i].icon, kButtons[i].text);
        setDlgItemText(kButtons[i].id, kButtons[i].text);
    }
    if (grid::GridPageView* view = pageView()) {
        view->setSpread(m_spread);
        view->setAllowUserZoom(false);
        view->setPageViewType(2);
        view->setPageViewPercentage(m_zoom);
    }
    restoreWindowPlacement(this, kPlacement);
    m_layout.attach(this);
    m_layout.setMode(kPageViewId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    for (const ButtonSpec& b : kButtons)
        m_layout.setMode(b.id, DlgResizeLayout::kStay, DlgResizeLayout::kStay);
    m_ready = true;
    refresh();
    return true;
}

void CDlgKWPrintPreview::refresh() {
    grid::GridPageView* view = pageView();
    if (!view)
        return;
    const int page = view->pageCurrent();
    const int count = view->pageCount();
    setWindowText(L"Afdrukvoorbeeld - Pagina " + std::to_wstring(page) + L" van " +
                  std::to_wstring(count));
    enableDlgItem(this, kNextId, page < count);
    enableDlgItem(this, kPreviousId, page > 1);
    enableDlgItem(this, kZoomInId, m_zoom < kZoomMax);
    enableDlgItem(this, kZoomOutId, m_zoom > kZoomMin);
}

bool CDlgKWPrintPreview::onCommand(int id, int code, ui::Window* from) {
    grid::GridPageView* view = pageView();
    if (id == kPageViewId && view && from == view) {
        if (code == grid::kPageViewZoomChanged)
            m_zoom = view->pageViewPercentage();
        if (code == grid::kPageViewPageChanged || code == grid::kPageViewZoomChanged)
            refresh();
        return true;
    }
    if (code != ui::BN_CLICKED || !view)
        return ui::Dialog::onCommand(id, code, from);
    switch (id) {
    case kNextId:
        view->setPageCurrent(view->pageCurrent() + 1);
        break;
    case kPreviousId:
        view->setPageCurrent(view->pageCurrent() - 1);
        break;
    case kZoomInId:
    case kZoomOutId:
        m_zoom =
            std::clamp(m_zoom + (id == kZoomInId ? kZoomStep : -kZoomStep), kZoomMin, kZoomMax);
        view->setPageViewType(2);
        view->setPageViewPercentage(m_zoom);
        break;
    case kSetupId:
    case kPrintId:
        m_result = id == kPrintId ? kResultPrint : kResultSetup;
        endDialog(ui::IDOK);
        return true;
    default:
        return ui::Dialog::onCommand(id, code, from);
    }
    refresh();
    return true;
}

void CDlgKWPrintPreview::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_ready)
        m_layout.relayout();
}

void CDlgKWPrintPreview::onDestroy() {
    if (m_ready)
        saveWindowPlacement(this, kPlacement);
    m_ready = false;
}
