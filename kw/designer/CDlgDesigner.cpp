#include "kw/designer/CDlgDesigner.h"

#include "core/DialogHelpers.h"
#include "core/DlgOpenSave.h"
#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "kw/designer/CControlTracker.h"
#include "kw/designer/CDesignSurface.h"
#include "kw/designer/DesignNames.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messages.h"
#include "platform/ui/draw/Bmp.h"

namespace {

constexpr const wchar_t* kPlacement = L"DLG_DLGDESIGNER";
constexpr int kMinWidth = 350;
constexpr int kMinHeight = 250;

struct ToolButton {
    int id;
    int icon; // 0: a text caption
};
constexpr ToolButton kTools[8] = {
    {CDlgDesigner::kOpenId, 232},   {CDlgDesigner::kSaveId, 233},    {CDlgDesigner::kAddId, 212},
    {CDlgDesigner::kDeleteId, 206}, {CDlgDesigner::kWidthId, 235},   {CDlgDesigner::kHeightId, 236},
    {CDlgDesigner::kCopyId, 223},   {CDlgDesigner::kPictureId, 231},
};

void addTemplate(ui::ResourceModule& module) {
    using D = CDlgDesigner;
    ui::DialogTemplate t;
    t.id = D::kTemplateId;
    t.caption = L"Dialoogontwerper";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 296, 164);
    const unsigned push = ui::WS_TABSTOP;
    t.controls = {
        // First, so that it lies under everything else.
        {D::kSurfaceId, CDesignSurface::kClassName, L"", 0, ui::dlu(0, 0, 296, 164), 0, false,
         true},
        {ui::IDOK, L"Button", L"Sluiten", push | ui::BS_DEFPUSHBUTTON, ui::dlu(243, 147, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", push, ui::dlu(243, 164, 50, 14), 0, true},
        {D::kTypeGroupId, L"Button", L"Type", ui::BS_GROUPBOX, ui::dlu(3, 116, 122, 25)},
        {D::kTypeComboId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(9, 126, 110, 100)},
        {D::kContentsLabelId, L"Button", L"Inhoud", ui::BS_GROUPBOX, ui::dlu(130, 116, 58, 25)},
        {D::kContentsEditId, L"Edit", L"", ui::ES_AUTOHSCROLL, ui::dlu(135, 126, 48, 12)},
        {D::kListLabelId, L"Button", L"Lijst", ui::BS_GROUPBOX, ui::dlu(193, 116, 100, 25)},
        {D::kListEditId, L"Edit", L"", ui::ES_AUTOHSCROLL, ui::dlu(198, 126, 90, 12)},
        {D::kOpenId, L"Button", L"", push, ui::dlu(3, 147, 15, 14)},
        {D::kSaveId, L"Button", L"", push, ui::dlu(23, 147, 15, 14)},
        {D::kAddId, L"Button", L"", push, ui::dlu(51, 147, 15, 14)},
        {D::kDeleteId, L"Button", L"", push, ui::dlu(71, 147, 15, 14)},
        {D::kWidthId, L"Button", L"", push, ui::dlu(92, 147, 15, 14)},
        {D::kHeightId, L"Button", L"", push, ui::dlu(111, 147, 15, 14)},
        {D::kAlignId, L"Button", L"_ _", push, ui::dlu(131, 147, 15, 14)},
        {D::kStickId, L"Button", L"| |", push, ui::dlu(152, 147, 15, 14)},
        {D::kCopyId, L"Button", L"", push, ui::dlu(174, 147, 15, 14)},
        {D::kPictureId, L"Button", L"", push, ui::dlu(201, 147, 15, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

kw::designer::ControlTracker* makeTracker() {
    return new CControlTracker;
}

} // namespace

CDlgDesigner::CDlgDesigner(ui::Window* parent)
    : ui::Dialog(kTemplateId, parent), m_design(std::make_unique<Tvl_DlgDesignerData>()) {
    CDesignSurface::registerClass();
    kw::designer::setControlTrackerFactory(&makeTracker);
}

CControlTracker* CDlgDesigner::tracker() const {
    return dynamic_cast<CControlTracker*>(m_design->tracker());
}

// ---- Set-up --------------------------------------------------------------------------------

void CDlgDesigner::bind(Tvl_DlgDesignerData& design) {
    design.initialize(this, kDynIdFirst, kDynIdLast, kTypeComboId, kContentsLabelId,
                      kContentsEditId, kListLabelId, kListEditId, true);
}

bool CDlgDesigner::onInitDialog() {
    bind(*m_design);
    setIcon(kw::resourceModule().findIcon(kIconId));
    for (int i = 0; i < 8; ++i)
        setupIconButton(this, m_buttons[i], kTools[i].id, kTools[i].icon, Tvl_String());
    setDlgItemText(kTypeGroupId, dialString(836).str());
    setDlgItemText(ui::IDOK, dialString(285).str());
    // Cancel would leave without the save question: the close box and OK stay.
    ShowOrHideCtrl(this, ui::IDCANCEL, false);

    m_resizer.Init(this);
    using S = CResizer::Side;
    for (int id : {kTypeGroupId, kTypeComboId, kContentsLabelId, kContentsEditId, kListLabelId,
                   kListEditId, kOpenId, kSaveId, kAddId, kDeleteId, kWidthId, kHeightId, kAlignId,
                   kStickId, kCopyId, kPictureId, static_cast<int>(ui::IDOK)}) {
        m_resizer.KeepToParent(id, S::Bottom);
        m_resizer.KeepSize(id, S::Top);
    }
    m_resizer.KeepToParent(ui::IDOK, S::Right);
    m_resizer.KeepSize(ui::IDOK, S::Left);
    for (int id : {kListLabelId, kListEditId})
        m_resizer.KeepToParent(id, S::Right);
    for (int id : {kContentsLabelId, kContentsEditId}) {
        m_resizer.Proportional(id, S::Left);
        m_resizer.Proportional(id, S::Right);
    }
    m_resizer.AnchorAll(kSurfaceId);
    m_ready = true;
    restoreWindowPlacement(this, kPlacement);
    m_modified = false;
    setTitle();
    if (!m_startPath.isEmpty() && base::pathExists(base::toNative(m_startPath.str())))
        openDesign(m_startPath);
    updateToolStates();
    return true;
}

void CDlgDesigner::setTitle() {
    Tvl_String title = dialString(843);
    if (!m_design->getName().isEmpty())
        title += Tvl_String(L" - <") + m_design->getName() + L">";
    setWindowText(title.str());
}

void CDlgDesigner::updateToolStates() {
    // Without a picture there is no scale: a new control or a copy would have no size.
    int w = 0, h = 0;
    m_design->getImageSize(w, h);
    enableDlgItem(this, kAddId, w > 0 && h > 0);
    enableDlgItem(this, kCopyId, w > 0 && h > 0);
}

void CDlgDesigner::message(const Tvl_String& text) {
    ui::messageBox(this, text.str(), dialString(843).str(), ui::MB_OK | ui::MB_ICONWARNING);
}

// ---- Leaving -------------------------------------------------------------------------------

bool CDlgDesigner::saveQuestion() {
    if (!m_modified)
        return true;
    const Tvl_String text = dialString(838) + L"\n<" + m_design->getName() + L">";
    const int answer = ui::messageBox(this, text.str(), dialString(837).str(),
                                      ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
    if (answer == ui::IDCANCEL)
        return false;
    if (answer == ui::IDNO)
        return true;
    // A design that was never named is saved under a name the user chooses.
    if (m_design->getName().isEmpty())
        return saveUnderName();
    return writeTo(getDesignerRootFolder() + m_design->getName() + L".txt");
}

void CDlgDesigner::onOK() {
    if (saveQuestion())
        endDialog(ui::IDOK);
}

void CDlgDesigner::onCancel() {
    if (saveQuestion())
        endDialog(ui::IDCANCEL);
}

void CDlgDesigner::onClose() {
    onCancel();
}

bool CDlgDesigner::preTranslateMessage(ui::Message& msg) {
    // Escape never closes the designer.
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == static_cast<ui::WPARAM>(ui::VK_ESCAPE))
        return true;
    return ui::Dialog::preTranslateMessage(msg);
}

void CDlgDesigner::onDestroy() {
    saveWindowPlacement(this, kPlacement);
    m_ready = false;
}

// ---- Files ---------------------------------------------------------------------------------

Tvl_String CDlgDesigner::startFolder() const {
    const Tvl_String root = getDesignerRootFolder();
    const Tvl_String name = m_design->getName();
    const int slash = name.findLast(L'\\');
    return slash < 0 ? root : root + name.left(slash + 1);
}

bool CDlgDesigner::openDesign(const Tvl_String& path) {
    // Read it aside first: a file that is not a design leaves the current one alone.
    Tvl_String name;
    if (!Tvl_DlgDesignerData::getNameFromFile(path, name)) {
        message(Tvl_String(L"Dialog designs are kept in ") + getDesignerRootFolder() +
                L"; this file lies elsewhere:\n" + path);
        return false;
    }
    auto next = std::make_unique<Tvl_DlgDesignerData>();
    bind(*next);
    if (!next->readFromFile(path, true)) {
        next.reset();
        m_design->updatePropsOfCurSel(); // binding the new one emptied the pane
        message(Tvl_String(L"This file is not a dialog design:\n") + path);
        return false;
    }
    m_design->removeAllDrawnCtrls();
    m_design = std::move(next);
    const Tvl_String picture = changeExtension(path, L"bmp");
    int w = 0, h = 0;
    m_design->getImageSize(w, h);
    m_design->redrawAllControls();
    m_design->updatePropsOfCurSel();
    invalidate();
    m_modified = false;
    setTitle();
    updateToolStates();
    if (w == 0 && base::pathExists(base::toNative(picture.str())))
        message(Tvl_String(L"The picture of this design could not be read:\n") + picture);
    return true;
}

bool CDlgDesigner::writeTo(const Tvl_String& path) {
    Tvl_String name;
    if (!Tvl_DlgDesignerData::getNameFromFile(path, name)) {
        message(Tvl_String(L"Dialog designs are saved in ") + getDesignerRootFolder() +
                L" or its folders; nothing was saved.");
        return false;
    }
    if (!kw::designer::isValidDesignName(name, true)) {
        message(Tvl_String(L"\"") + name +
                L"\" cannot be the name of a design (characters not allowed in file names).");
        return false;
    }
    if (!m_design->writeToFile(path)) {
        message(Tvl_String(L"The design could not be saved:\n") + path);
        return false;
    }
    m_modified = false;
    setTitle();
    return true;
}

namespace {

// A name typed without a folder is a file in the folder the choice started in.
Tvl_String inFolder(const Tvl_String& chosen, const Tvl_String& folder) {
    return chosen.findOneOf(L"\\/") < 0 ? folder + chosen : chosen;
}

} // namespace

bool CDlgDesigner::saveUnderName() {
    const Tvl_String folder = startFolder();
    Tvl_String path = folder;
    if (!DlgOpenSave(false, L"txt", dialString(840) + L" (*.txt)|*.txt", dialString(842), path) ||
        path.isEmpty())
        return false;
    return writeTo(inFolder(path, folder));
}

void CDlgDesigner::onPicture() {
    if (m_design->getName().isEmpty() && !saveUnderName())
        return;
    const Tvl_String root = getDesignerRootFolder();
    Tvl_String path = root;
    if (!DlgOpenSave(true, L"bmp", dialString(839) + L" (*.bmp)|*.bmp", dialString(841), path) ||
        path.isEmpty())
        return;
    path = inFolder(path, root);
    // Refused before anything is copied: the old picture stays when this one is damaged.
    ui::Bitmap check;
    if (ui::readBmpFile(base::toNative(path.str()).string(), check) != ui::BmpStatus::Ok) {
        message(Tvl_String(L"This picture cannot be used (not a bitmap, damaged or too large):\n") +
                path);
        return;
    }
    const Tvl_String target = getDesignerRootFolder() + m_design->getName() + L".bmp";
    const base::NativePath from = base::toNative(path.str()), to = base::toNative(target.str());
    std::error_code ec;
    if (!std::filesystem::equivalent(from, to, ec) && !base::copyFile(from, to)) {
        message(Tvl_String(L"The picture could not be copied to ") + target);
        return;
    }
    m_design->getSizeFromAllControls();
    m_design->attachBitmap(target);
    m_design->redrawAllControls();
    invalidate();
    m_modified = true;
    updateToolStates();
}

// ---- Commands ------------------------------------------------------------------------------

void CDlgDesigner::paneChanged() {
    const int index = m_design->getCurSel();
    const Tvl_DesignerControl* c = m_design->getControl(index);
    if (!c || m_design->isUpdatingProps())
        return;
    const Tvl_DesignerControl before = *c;
    m_design->propsOfCurSelUpdated();
    const Tvl_DesignerControl* now = m_design->getControl(index);
    if (now && !(now->type == before.type && now->contents == before.contents &&
                 now->getMergedExtComboList() == before.getMergedExtComboList()))
        m_modified = true;
}

bool CDlgDesigner::onCommand(int id, int code, ui::Window* from) {
    if ((id == kTypeComboId && code == ui::CBN_SELCHANGE) ||
        ((id == kContentsEditId || id == kListEditId) && code == ui::EN_CHANGE)) {
        paneChanged();
        return true;
    }
    if (!from || code != ui::BN_CLICKED)
        return ui::Dialog::onCommand(id, code, from);
    switch (id) {
    case kOpenId: {
        if (!saveQuestion())
            return true;
        const Tvl_String folder = startFolder();
        Tvl_String path = folder;
        if (DlgOpenSave(true, L"txt", dialString(840) + L" (*.txt)|*.txt", dialString(841), path) &&
            !path.isEmpty())
            openDesign(inFolder(path, folder));
        return true;
    }
    case kSaveId:
        saveUnderName();
        return true;
    case kAddId:
        if (m_design->addNewControl(tvlCtrlEdit))
            m_modified = true;
        return true;
    case kDeleteId:
        if (m_design->removeCurControls())
            m_modified = true;
        m_design->updatePropsOfCurSel();
        invalidate();
        return true;
    case kWidthId:
    case kHeightId:
        if (m_design->changeCtrlSize(id == kWidthId))
            m_modified = true;
        return true;
    case kCopyId:
        if (m_design->copyCurCtrls())
            m_modified = true;
        return true;
    case kAlignId:
        if (m_design->outlineCurCtrls())
            m_modified = true;
        return true;
    case kStickId:
        if (m_design->stickRightCurCtrls())
            m_modified = true;
        return true;
    case kPictureId:
        onPicture();
        return true;
    default:
        return ui::Dialog::onCommand(id, code, from);
    }
}

// ---- Mouse and painting ----------------------------------------------------------------------

void CDlgDesigner::onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) {
    if (button != ui::MouseButton::Left)
        return;
    m_design->OnLButtonDown(flags, client);
    m_design->updatePropsOfCurSel();
    m_modified = true; // as any click in the design
}

void CDlgDesigner::onMouseMove(unsigned, ui::Point client) {
    if (CControlTracker* t = tracker(); t && t->tracking() != CControlTracker::Tracking::None)
        t->mouseMove(client);
}

void CDlgDesigner::onMouseUp(ui::MouseButton button, unsigned, ui::Point client) {
    CControlTracker* t = tracker();
    if (button != ui::MouseButton::Left || !t || t->tracking() == CControlTracker::Tracking::None)
        return;
    t->mouseUp(client);
    m_design->updatePropsOfCurSel();
}

bool CDlgDesigner::onSetCursor(ui::Window* window, int hitTest, unsigned mouseMsg) {
    if (m_design->OnSetCursor(hitTest, mouseMsg))
        return true;
    if (window == this || (window && window->id() == kSurfaceId)) {
        ui::app().setCursor(ui::CursorKind::Arrow);
        return true;
    }
    return ui::Dialog::onSetCursor(window, hitTest, mouseMsg);
}

bool CDlgDesigner::onEraseBkgnd(ui::Canvas& canvas) {
    m_design->OnEraseBkgnd(canvas);
    return true;
}

void CDlgDesigner::onPaint(ui::Canvas& canvas) {
    m_design->OnPaint(canvas);
}

bool CDlgDesigner::onCtlColor(ui::CtlColor& color) {
    // The design's texts show over the picture.
    if (color.kind == ui::CTLCOLOR_STATIC && color.control &&
        m_design->isADynControl(color.control->id())) {
        color.transparentText = true;
        color.brush = ui::BrushKind::Hollow;
        return true;
    }
    return ui::Dialog::onCtlColor(color);
}

void CDlgDesigner::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (!m_ready)
        return;
    m_resizer.Move();
    invalidate();
}

void CDlgDesigner::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = {kMinWidth, kMinHeight};
}
