#include "kw/macro/CDlgSelectMacro.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "core/MacroCallBacks.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/macro/MacroCutsIds.h"
#include "platform/grid/control/GridMessages.h"

#include <ctime>

using namespace kw::macro::cuts;

namespace {

constexpr const wchar_t* kPlacement = L"DLG_SELECT_MACRO";
constexpr int kMinWidth = 200;
constexpr int kMinHeight = 300;
constexpr int kHintHeightDlu = 60;

bool pictureMissing(const Tvl_String& drawing) {
    std::time_t time = 0;
    return !ObjectExportGetFileTime(changeExtension(drawing, L".bmp"), time);
}

} // namespace

CDlgSelectMacro::CDlgSelectMacro(ui::Window* parent) : ui::Dialog(kDlgSelectMacro, parent) {}

bool CDlgSelectMacro::onInitDialog() {
    setWindowText((m_title.isEmpty() ? dialString(1116) : m_title).str());
    setDlgItemText(kGalleryLabel, dialString(1117).str());
    setDlgItemText(kShowProps, dialString(1118).str());
    setDlgItemText(kPick, dialString(1309).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    checkDlgButton(kShowProps, ui::BST_CHECKED);
    m_gallery.SubclassDlgItem(kGallery, this);
    m_propsMade = m_props.attach(this, kProps, true);

    ui::Window* hint = getDlgItem(kHint);
    const bool showHint = !m_pick && m_hint;
    if (!m_pick)
        enableDlgItem(this, kPick, false);
    if (hint != nullptr) {
        hint->showWindow(showHint ? ui::SW_SHOW : ui::SW_HIDE);
        if (showHint) {
            hint->setWindowText((dialString(1312) + L"\n" + dialString(1313)).str());
            // The hint takes its room from the bottom of the gallery.
            ui::Rect r = screenToClient(m_gallery.getWindowRect());
            r.bottom -= mapDialogRect(ui::dlu(0, 0, 0, kHintHeightDlu)).height();
            m_gallery.moveWindow(r);
        }
    }
    if (m_resizer.Init(this)) {
        using Side = CResizer::Side;
        using Rule = CResizer::Rule;
        m_resizer.KeepToParent(kGalleryLabel, Side::Right);
        m_resizer.KeepToParent(kGallery, Side::Right);
        m_resizer.KeepToParent(kGallery, Side::Bottom);
        for (int id : {kProps, kShowProps, kHint, kPick, static_cast<int>(ui::IDOK),
                       static_cast<int>(ui::IDCANCEL)}) {
            m_resizer.SetRule(id, Side::Top, Rule::Parent, 0, Side::Bottom);
            m_resizer.KeepSize(id, Side::Bottom);
        }
        m_resizer.KeepToParent(kProps, Side::Right);
        m_resizer.KeepToParent(kHint, Side::Right);
        m_resizerReady = true;
    }
    restoreWindowPlacement(this, kPlacement, false, kMinWidth, kMinHeight);

    Tvl_StringArray all;
    m_filter.getAllDwgFiles(all);
    Tvl_StringArray missing;
    for (const Tvl_String& drawing : all)
        if (pictureMissing(drawing))
            missing.append(drawing);
    if (missing.length() > 0)
        CreatePreviewBMPs(missing);
    fillGallery();
    fillProperties();
    return true;
}

void CDlgSelectMacro::onDestroy() {
    saveWindowPlacement(this, kPlacement);
    ui::Dialog::onDestroy();
}

void CDlgSelectMacro::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_resizerReady)
        m_resizer.Move();
}

void CDlgSelectMacro::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = {kMinWidth, kMinHeight};
}

void CDlgSelectMacro::fillGallery() {
    m_filter.getAllDwgFiles(m_drawings);
    Tvl_StringArray pictures, labels;
    for (const MacroDrawingInfo& info : m_filter.drawings())
        if (m_filter.passes(info)) {
            pictures.append(changeExtension(info.path, L".bmp"));
            labels.append(info.caption);
        }
    m_gallery.setPictures(pictures, labels);
}

void CDlgSelectMacro::fillProperties() {
    if (!m_propsMade)
        return;
    const auto& modules = m_filter.modules();
    const int pairs = 1 + m_filter.maxPropCount();
    m_props.setRowCount(static_cast<int>(modules.size()));
    m_props.setColCount(2 * pairs);
    Tvl_StringArray headers;
    for (int p = 0; p < pairs; ++p) {
        headers.append(L"");
        headers.append(dialString(p == 0 ? 87 : 63));
    }
    m_props.setColHeaderTexts(headers);
    for (int r = 0; r < static_cast<int>(modules.size()); ++r) {
        const Tvl_MacroPropsFilter::Module& module = modules[static_cast<size_t>(r)];
        const int row = r + 1;
        Tvl_StringArray texts;
        texts.append(module.on ? L"1" : L"0");
        texts.append(module.name);
        for (int p = 0; p + 1 < pairs; ++p) {
            const bool has = p < module.props.length();
            texts.append(has ? (module.propOn[static_cast<size_t>(p)] ? L"1" : L"0") : L"");
            texts.append(has ? module.props[p] : Tvl_String());
        }
        m_props.setRowTexts(row, texts);
        m_props.setCellCheckBox(1, row);
        for (int p = 0; p < module.props.length(); ++p)
            m_props.setCellCheckBox(2 * p + 3, row);
        m_props.sheet().setLocked(grid::CellRange{1, row, 2 * pairs, row}, false);
        for (int c = 2; c <= 2 * pairs; c += 2)
            m_props.sheet().setLocked(grid::CellRange{c, row, c, row}, true);
        for (int p = module.props.length(); p + 1 < pairs; ++p)
            m_props.sheet().setLocked(grid::CellRange{2 * p + 3, row, 2 * p + 3, row}, true);
    }
}

void CDlgSelectMacro::propertySwitched(bool on) {
    int col = 0, row = 0;
    if (!m_props.activeCell(col, row) || row < 1 ||
        row > static_cast<int>(m_filter.modules().size()) || col < 1)
        return;
    const Tvl_String module = m_filter.modules()[static_cast<size_t>(row - 1)].name;
    const int pair = (col - 1) / 2;
    if (pair == 0)
        m_filter.setModuleStatus(module, on);
    else
        m_filter.setModulePropStatus(module, Tvl_String(m_props.data(2 * pair + 2, row)), on);
    fillProperties();
    fillGallery();
}

bool CDlgSelectMacro::onCommand(int id, int code, ui::Window* from) {
    if (id == kProps && (code == grid::kCodeCheckOn || code == grid::kCodeCheckOffOrButton)) {
        propertySwitched(code == grid::kCodeCheckOn);
        return true;
    }
    if (id == kShowProps && code == ui::BN_CLICKED) {
        m_props.showWindow(isDlgButtonChecked(kShowProps) == ui::BST_CHECKED ? ui::SW_SHOW
                                                                             : ui::SW_HIDE);
        return true;
    }
    if (id == kPick && code == ui::BN_CLICKED) {
        m_pick = true;
        endDialog(ui::IDOK);
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

bool CDlgSelectMacro::onNotify(ui::NotifyHeader& header, ui::LRESULT& result) {
    if (header.idFrom == kGallery && header.code == ui::NM_DBLCLK) {
        onOK();
        return true;
    }
    return ui::Dialog::onNotify(header, result);
}

void CDlgSelectMacro::onOK() {
    const Tvl_String selected = m_gallery.selectedName();
    if (selected.isEmpty())
        return;
    m_chosen = changeExtension(selected, L".dwg");
    m_pick = false;
    ui::Dialog::onOK();
}
