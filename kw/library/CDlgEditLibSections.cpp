#include "kw/library/CDlgEditLibSections.h"

#include "core/LanguageTexts.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/library/CTabEditLibGroups.h"
#include "kw/library/CTabEditLibTypes.h"
#include "kw/library/CTabEditLibValues.h"
#include "platform/ui/controls/TabControl.h"

namespace {

constexpr const wchar_t* kPlacement = L"DLG_EDIT_SECTIONLIB";

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = CDlgEditLibSections::kTemplateId;
    t.caption = L"Profielbibliotheek";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 330, 248);
    t.controls = {
        {CDlgEditLibSections::kTabId, L"SysTabControl32", L"", 0, ui::dlu(4, 4, 322, 220)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, ui::dlu(4, 230, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, ui::dlu(58, 230, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgEditLibSections::CDlgEditLibSections(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

CDlgEditLibSections::~CDlgEditLibSections() = default;

bool CDlgEditLibSections::onInitDialog() {
    setWindowText(dialString(754).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    m_data.GetAvailableFiles();
    auto* tab = dynamic_cast<ui::TabControl*>(getDlgItem(kTabId));
    if (tab) {
        tab->insertItem(0, dialString(755).str());
        tab->insertItem(1, dialString(756).str());
        tab->insertItem(2, dialString(757).str());
    }
    m_groups = std::make_unique<CTabEditLibGroups>(&m_data);
    m_types = std::make_unique<CTabEditLibTypes>(&m_data);
    m_values = std::make_unique<CTabEditLibValues>(&m_data, m_name);
    ui::Window* pageParent = tab ? static_cast<ui::Window*>(tab) : this;
    m_groups->create(CTabEditLibGroups::kTemplateId, pageParent);
    m_types->create(CTabEditLibTypes::kTemplateId, pageParent);
    m_values->create(CTabEditLibValues::kTemplateId, pageParent);
    placePages();
    showPage(m_name.isEmpty() ? 0 : 2);

    m_layout.attach(this);
    m_layout.setMode(kTabId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(ui::IDOK, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    m_layout.setMode(ui::IDCANCEL, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    m_layoutReady = true;
    restoreWindowPlacement(this, kPlacement);
    return true;
}

void CDlgEditLibSections::placePages() {
    auto* tab = dynamic_cast<ui::TabControl*>(getDlgItem(kTabId));
    if (!tab)
        return;
    ui::Rect area = tab->getClientRect();
    tab->adjustRect(false, area);
    for (ui::Dialog* page :
         {static_cast<ui::Dialog*>(m_groups.get()), static_cast<ui::Dialog*>(m_types.get()),
          static_cast<ui::Dialog*>(m_values.get())})
        if (page && page->isWindow())
            page->moveWindow(area);
}

void CDlgEditLibSections::showPage(int index) {
    auto* tab = dynamic_cast<ui::TabControl*>(getDlgItem(kTabId));
    if (tab && tab->getCurSel() != index)
        tab->setCurSel(index);
    m_groups->showWindow(ui::SW_HIDE);
    m_types->showWindow(ui::SW_HIDE);
    m_values->showWindow(ui::SW_HIDE);
    switch (index) {
    case 0:
        m_groups->showWindow(ui::SW_SHOW);
        break;
    case 1:
        m_groups->storeCurrent();
        m_types->refresh(m_values->tableNames());
        m_types->showWindow(ui::SW_SHOW);
        break;
    default:
        m_values->showWindow(ui::SW_SHOW);
        break;
    }
}

bool CDlgEditLibSections::onNotify(ui::NotifyHeader& header, ui::LRESULT& result) {
    if (header.idFrom == kTabId && header.code == ui::TCN_SELCHANGE) {
        auto* tab = dynamic_cast<ui::TabControl*>(getDlgItem(kTabId));
        showPage(tab ? tab->getCurSel() : 0);
        result = 0;
        return true;
    }
    return ui::Dialog::onNotify(header, result);
}

void CDlgEditLibSections::onOK() {
    if (!m_values->leaveTable())
        return;
    m_groups->storeCurrent();
    m_types->storeCurrent();
    endDialog(ui::IDOK);
}

void CDlgEditLibSections::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady) {
        m_layout.relayout();
        placePages();
    }
}

void CDlgEditLibSections::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = {kMinWidth, kMinHeight};
}

void CDlgEditLibSections::onDestroy() {
    saveWindowPlacement(this, kPlacement);
    m_layoutReady = false;
}
