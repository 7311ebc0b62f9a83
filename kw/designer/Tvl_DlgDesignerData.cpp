#include "kw/designer/Tvl_DlgDesignerData.h"

#include "kw/designer/PictureCache.h"

#include "core/DialogHelpers.h"
#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "core/StringHelpers.h"
#include "core/Tvl_PropertiesList.h"
#include "core/Tvl_Settings.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Canvas.h"
#include "platform/ui/draw/Mask.h"
#include "platform/ui/draw/Theme.h"

#include <algorithm>
#include <cmath>

using kw::designer::WindowKind;

namespace {

constexpr int kCutEntries[] = {695, 1398, 1397, 1396, 1395};

// Whole pixels of a factor: rounded to the nearest whole number, then truncated.
int toPixel(double value) {
    const double r = ObjectExportRoundTo(value, 1.0);
    if (!std::isfinite(r))
        return 0;
    return static_cast<int>(std::clamp(r, -1.0e6, 1.0e6));
}

// A key that is present must hold the type the file format gives it.
bool hasTypeOrIsMissing(const Tvl_PropertiesList& list, const Tvl_String& key,
                        Tvl_PropertiesList::Type expected) {
    Tvl_PropertiesList::Type type{};
    return list.getType(key, type) != Acad::eOk || type == expected;
}

// Control `index` of a description; false when it is damaged: a key of the wrong type,
// a type number outside the known types, or an edge that is not a finite number.
bool readStoredControl(const Tvl_PropertiesList& list, int index, Tvl_DesignerControl& c) {
    using T = Tvl_PropertiesList::Type;
    const struct {
        const wchar_t* word;
        T type;
    } keys[] = {{L"type", T::Integer},      {L"topLeftX", T::Real},     {L"topLeftY", T::Real},
                {L"bottomRightX", T::Real}, {L"bottomRightY", T::Real}, {L"contents", T::Text},
                {L"comboList", T::Text}};
    for (const auto& k : keys)
        if (!hasTypeOrIsMissing(list, append(Tvl_String(k.word), index), k.type))
            return false;
    c.getFromPropList(list, index);
    return kw::designer::isValidType(c.type) && std::isfinite(c.topLeftX) &&
           std::isfinite(c.topLeftY) && std::isfinite(c.bottomRightX) &&
           std::isfinite(c.bottomRightY);
}

} // namespace

// ---- Root folder and design names -----------------------------------------------------

Tvl_String getDesignerRootFolder() {
    return gSettings.libDir() + L"Dialog Templates\\Dialog Design\\";
}

void getModuleImages(Tvl_StringArray& names) {
    names.clear();
    const Tvl_String root = getDesignerRootFolder();
    const base::NativePath nativeRoot = base::toNative(root.str());
    for (const base::NativePath& file : base::findFiles(nativeRoot, L"*.txt", base::Recurse::Yes)) {
        std::error_code ec;
        const auto rel = std::filesystem::relative(file, nativeRoot, ec);
        if (ec)
            continue;
        std::wstring name = rel.wstring();
        std::replace(name.begin(), name.end(), L'/', L'\\');
        names.append(removeExtension(Tvl_String(name)));
    }
}

bool Tvl_DlgDesignerData::getNameFromFile(const Tvl_String& path, Tvl_String& name) {
    Tvl_String p = path;
    p.replaceChar(L'/', L'\\');
    const Tvl_String root = getDesignerRootFolder();
    if (!p.startsWith(root, true) || p.length() <= root.length())
        return false;
    Tvl_String rel = removeExtension(p.getSubStringAt(root.length()));
    // A name must stay below the root: no parent-folder steps, no empty parts.
    Tvl_StringArray parts;
    strToArr(rel, L"\\", parts);
    for (const Tvl_String& part : parts)
        if (part.isEmpty() || part == L".." || part == L".")
            return false;
    name = rel;
    return true;
}

// ---- Life --------------------------------------------------------------------------------

Tvl_DlgDesignerData::Tvl_DlgDesignerData() = default;

Tvl_DlgDesignerData::Tvl_DlgDesignerData(const Tvl_DlgDesignerData&) {}

Tvl_DlgDesignerData& Tvl_DlgDesignerData::operator=(const Tvl_DlgDesignerData&) {
    return *this;
}

Tvl_DlgDesignerData::~Tvl_DlgDesignerData() {
    removeAllDrawnCtrls();
    delete m_tracker;
}

ui::Window* Tvl_DlgDesignerData::getDlgPtr() const {
    return m_initialized ? m_dialog.get() : nullptr;
}

bool Tvl_DlgDesignerData::initialize(ui::Window* dialog, const int& dynIdFirst,
                                     const int& dynIdLast, const int& typeComboId,
                                     const int& contentsLabelId, const int& contentsEditId,
                                     const int& listLabelId, const int& listEditId,
                                     const bool& designMode) {
    if (!dialog || !dialog->isWindow())
        return false;
    m_dialog = dialog;
    m_dynIdFirst = dynIdFirst;
    m_dynIdLast = dynIdLast;
    m_designMode = designMode;
    m_initialized = true;
    // A design read before it was bound got no ids (there was no range yet); hand them
    // out now, in array order, exactly as reading after binding would have.
    if (m_drawn.empty()) {
        for (Tvl_DesignerControl& c : m_controls)
            c.resourceId = 0;
        for (Tvl_DesignerControl& c : m_controls)
            c.resourceId = freeId();
    }
    if (!designMode)
        return true;
    if (!m_tracker)
        m_tracker = kw::designer::createControlTracker();
    m_tracker->bind(dialog);
    m_propertyPaneIds[0] = typeComboId;
    m_propertyPaneIds[1] = contentsLabelId;
    m_propertyPaneIds[2] = contentsEditId;
    m_propertyPaneIds[3] = listLabelId;
    m_propertyPaneIds[4] = listEditId;
    if (auto* combo = dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(typeComboId))) {
        combo->resetContent();
        for (int t = 0; t < kw::designer::kNrTypes; ++t)
            combo->addString(kw::designer::typeName(t).str());
    }
    updatePropsOfCurSel();
    return true;
}

bool Tvl_DlgDesignerData::attachBitmap(const Tvl_String& path) {
    DesignPicture decoded;
    if (!loadDesignPicture(base::toNative(path.str()), decoded))
        return false;
    m_picture = std::move(decoded.picture);
    m_pictureWidth = m_picture.width;
    m_pictureHeight = m_picture.height;
    m_pictureMask = std::move(decoded.mask);
    m_pictureOr = std::move(decoded.ored);
    return true;
}

int Tvl_DlgDesignerData::OnEraseBkgnd(ui::Canvas& canvas) {
    ui::Window* dialog = getDlgPtr();
    if (!dialog)
        return 0;
    if (m_designMode)
        canvas.fillRect(dialog->getClientRect(), ui::theme::kFace);
    if (!m_picture.empty()) {
        // Only the part that can show: inside the client area and the area being painted.
        const ui::Rect part = ui::Rect{0, 0, m_pictureWidth, m_pictureHeight}
                                  .intersect(dialog->getClientRect())
                                  .intersect(canvas.clipBox());
        if (!part.isEmpty()) {
            canvas.drawBitmap(m_pictureMask, part, part, ui::BlitMode::And);
            canvas.drawBitmap(m_pictureOr, part, part, ui::BlitMode::Or);
        }
    }
    return 0;
}

void Tvl_DlgDesignerData::OnPaint(ui::Canvas& canvas) {
    if (m_tracker)
        m_tracker->paint(canvas);
}

int Tvl_DlgDesignerData::OnSetCursor(const int& hitTest, const unsigned&) {
    return m_tracker && m_tracker->setCursor(getDlgPtr(), hitTest) ? 1 : 0;
}

void Tvl_DlgDesignerData::OnLButtonDown(const unsigned& flags, const ui::Point& point) {
    if (m_initialized && m_tracker)
        m_tracker->leftButtonDown(point, flags, true);
}

// ---- Drawing -----------------------------------------------------------------------------

ui::Rect Tvl_DlgDesignerData::pixelRect(const Tvl_DesignerControl& c) const {
    return ui::Rect{toPixel(c.topLeftX * m_pictureWidth), toPixel(c.topLeftY * m_pictureHeight),
                    toPixel(c.bottomRightX * m_pictureWidth),
                    toPixel(c.bottomRightY * m_pictureHeight)};
}

bool Tvl_DlgDesignerData::drawControl(Tvl_DesignerControl& control) {
    ui::Window* dialog = getDlgPtr();
    if (!dialog)
        return false;
    const WindowKind kind = kw::designer::windowKind(control.type);
    ui::Rect r = pixelRect(control);
    if (!m_designMode && kind == WindowKind::ComboBox && r.height() < 200)
        r.bottom = r.top + 200; // room for the drop-down list
    unsigned style = ui::WS_CHILD | ui::WS_VISIBLE | kw::designer::windowStyle(control.type);
    if (control.inactive || (m_designMode && kind != WindowKind::Static))
        style |= ui::WS_DISABLED;
    else if (kind != WindowKind::Static && control.type != tvlCtrlGroupBox)
        style |= ui::WS_TABSTOP;
    ui::Window* w = ui::Window::createChild(
        kw::designer::windowClassName(kind), control.contents.str(), style,
        kw::designer::windowExStyle(control.type), r, dialog, control.resourceId);
    if (!w)
        return false;
    w->setFont(dialog->font(), false);
    m_drawn.emplace_back(w);
    if (m_tracker)
        m_tracker->add(w);
    if (kind == WindowKind::ComboBox)
        FillDesCombo(dialog, control);
    if (control.type == tvlCtrlCut)
        setComboValue(w, control.contents);
    else if (control.type == tvlCtrlCheck)
        setCheckValue(w, control.comboList);
    else if (control.type == tvlCtrlFlexButton)
        setBtnIcon(control, kFlexButtonIcon);
    return true;
}

void Tvl_DlgDesignerData::redrawAllControls() {
    if (!getDlgPtr())
        return;
    if (!m_designMode)
        sortAllControls();
    else if (m_tracker)
        m_tracker->clearSelection();
    removeAllDrawnCtrls();
    for (Tvl_DesignerControl& c : m_controls)
        drawControl(c);
}

void Tvl_DlgDesignerData::removeAllDrawnCtrls() {
    for (auto& ref : m_drawn) {
        if (ui::Window* w = ref.get()) {
            if (m_tracker)
                m_tracker->remove(w->id());
            w->destroyWindow();
        }
    }
    m_drawn.clear();
}

void Tvl_DlgDesignerData::removeDrawnCtrlOnly(const int& id) {
    for (size_t i = 0; i < m_drawn.size(); ++i) {
        ui::Window* w = m_drawn[i].get();
        if (w && w->id() == id) {
            if (m_tracker)
                m_tracker->remove(id);
            w->destroyWindow();
            m_drawn.erase(m_drawn.begin() + static_cast<long>(i));
            return;
        }
    }
}

bool Tvl_DlgDesignerData::drawnInStep() const {
    return static_cast<int>(m_drawn.size()) == m_controls.length();
}

ui::Window* Tvl_DlgDesignerData::drawnWindow(int index) const {
    if (!drawnInStep() || index < 0 || index >= m_controls.length())
        return nullptr;
    return m_drawn[static_cast<size_t>(index)].get();
}

bool Tvl_DlgDesignerData::FillDesCombo(ui::Window* dialog, Tvl_DesignerControl& control) {
    auto* combo =
        dialog ? dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(control.resourceId)) : nullptr;
    if (!combo || control.resourceId == 0)
        return false;
    Tvl_StringArray entries;
    if (control.type == tvlCtrlCut) {
        for (int n : kCutEntries)
            entries.append(dialString(n));
    } else {
        entries = control.comboItems;
        if (entries.length() == 0 && !control.comboList.isEmpty())
            control.getComboItemsFromFile(entries);
    }
    if (entries.length() == 0)
        return false;
    combo->resetContent();
    int selected = -1;
    for (int i = 0; i < entries.length(); ++i) {
        combo->addString(entries[i].str());
        if (selected < 0 && entries[i] == control.contents)
            selected = i;
    }
    if (selected >= 0)
        combo->setCurSel(selected);
    else
        combo->setWindowText(control.contents.str());
    return true;
}

void Tvl_DlgDesignerData::setBtnIcon(Tvl_DesignerControl& control, int) {
    auto* button = control.getButtonPtr(getDlgPtr());
    if (!button)
        return;
    if (m_flexIcon.empty())
        m_flexIcon = kw::resourceModule().findIcon(kFlexButtonIcon);
    button->setImage(m_flexIcon);
}

// ---- File --------------------------------------------------------------------------------

bool Tvl_DlgDesignerData::readFromFile(const Tvl_String& path, const bool& withPicture) {
    Tvl_String name;
    if (!getNameFromFile(path, name) || !base::pathExists(base::toNative(path.str())))
        return false;
    removeAllDrawnCtrls();
    m_name = name;
    m_controls.clear();
    Tvl_PropertiesList list;
    if (list.readFromFile(path) != Acad::eOk)
        return false;
    int n = 0;
    if (!hasTypeOrIsMissing(list, L"nrOfControls", Tvl_PropertiesList::Type::Integer))
        return false;
    list.getProperty(L"nrOfControls", n);
    // Each control is seven entries; a count the file cannot hold is damage.
    if (n < 0 || n > list.length())
        return false;
    Tvl_Array<Tvl_DesignerControl> read;
    for (int i = 0; i < n; ++i) {
        Tvl_DesignerControl control;
        if (!readStoredControl(list, i, control))
            return false;
        read.append(control);
    }
    for (Tvl_DesignerControl& control : read)
        append(control);
    if (withPicture) {
        // The design's own picture or none; never the one of the design read before.
        m_picture = ui::Bitmap();
        m_pictureMask = ui::Bitmap();
        m_pictureOr = ui::Bitmap();
        m_pictureWidth = 0;
        m_pictureHeight = 0;
        attachBitmap(changeExtension(path, L"bmp"));
    }
    return true;
}

bool Tvl_DlgDesignerData::writeToFile(const Tvl_String& path) {
    Tvl_String newName;
    if (!getNameFromFile(path, newName))
        return false;
    const Tvl_String root = getDesignerRootFolder();
    const Tvl_String target = changeExtension(path, L"bmp");
    if (!m_name.isEmpty()) {
        const base::NativePath from = base::toNative((root + m_name + L".bmp").str());
        const base::NativePath to = base::toNative(target.str());
        std::error_code ec;
        if (!std::filesystem::equivalent(from, to, ec))
            base::copyFile(from, to); // no picture yet: nothing to copy
    }
    m_name = newName;
    getSizeFromAllControls();
    Tvl_PropertiesList list;
    list.setProperty(L"nrOfControls", m_controls.length());
    for (int i = 0; i < m_controls.length(); ++i)
        m_controls[i].setToPropList(list, i);
    return list.writeToFile(path) == Acad::eOk;
}

// ---- Controls ----------------------------------------------------------------------------

bool Tvl_DlgDesignerData::addNewControl(const int& type) {
    if (!m_initialized || !kw::designer::isValidType(type))
        return false;
    Tvl_DesignerControl c;
    c.type = type;
    c.contents = dialString(171);
    c.topLeftX = 0.2;
    c.topLeftY = 0.2;
    c.bottomRightX = c.topLeftX + pixelsToFactor(true, 30);
    c.bottomRightY = c.topLeftY + pixelsToFactor(false, 18);
    append(c);
    return drawControl(m_controls.last());
}

int Tvl_DlgDesignerData::freeId() const {
    if (m_dynIdFirst < 1 || m_dynIdLast < m_dynIdFirst)
        return 0;
    std::vector<bool> used(static_cast<size_t>(m_dynIdLast - m_dynIdFirst) + 1, false);
    for (const Tvl_DesignerControl& c : m_controls)
        if (c.resourceId >= m_dynIdFirst && c.resourceId <= m_dynIdLast)
            used[static_cast<size_t>(c.resourceId - m_dynIdFirst)] = true;
    for (size_t k = 0; k < used.size(); ++k)
        if (!used[k])
            return m_dynIdFirst + static_cast<int>(k);
    return 0;
}

int Tvl_DlgDesignerData::append(Tvl_DesignerControl& control) {
    control.resourceId = freeId();
    m_controls.append(control);
    return control.resourceId;
}

bool Tvl_DlgDesignerData::removeControl(const int& index) {
    if (index < 0 || index >= m_controls.length())
        return false;
    if (drawnInStep()) {
        if (ui::Window* w = m_drawn[static_cast<size_t>(index)].get()) {
            if (m_tracker)
                m_tracker->remove(w->id());
            w->destroyWindow();
        }
        m_drawn.erase(m_drawn.begin() + index);
    }
    return m_controls.removeAt(index);
}

bool Tvl_DlgDesignerData::removeCurControls() {
    if (!m_initialized || !m_tracker)
        return false;
    std::vector<int> ids;
    m_tracker->selectedIds(ids);
    m_tracker->clearSelection();
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index))
            removeControl(index);
    }
    return !ids.empty();
}

const Tvl_DesignerControl* Tvl_DlgDesignerData::getControl(const int& index) const {
    return index >= 0 && index < m_controls.length() ? &m_controls[index] : nullptr;
}

Tvl_DesignerControl* Tvl_DlgDesignerData::getControlWrite(const int& index) {
    return index >= 0 && index < m_controls.length() ? &m_controls[index] : nullptr;
}

const Tvl_DesignerControl* Tvl_DlgDesignerData::getControlFromRes(const int& id) const {
    int index = -1;
    return findCtrlFromResource(id, index) ? &m_controls[index] : nullptr;
}

bool Tvl_DlgDesignerData::findCtrlFromResource(const int& id, int& index) const {
    index = -1;
    if (id < 1)
        return false;
    for (int i = 0; i < m_controls.length(); ++i)
        if (m_controls[i].resourceId == id) {
            index = i;
            return true;
        }
    return false;
}

bool Tvl_DlgDesignerData::findDrawnCtrlFromResource(const int& id, int& index,
                                                    ui::Rect& rect) const {
    if (id < 1)
        return false;
    for (size_t i = 0; i < m_drawn.size(); ++i)
        if (ui::Window* w = m_drawn[i].get(); w && w->id() == id) {
            index = static_cast<int>(i);
            rect = w->rect();
            return true;
        }
    return false;
}

bool Tvl_DlgDesignerData::isADynControl(const int& id) const {
    int index = -1;
    ui::Rect r;
    return findDrawnCtrlFromResource(id, index, r);
}

bool Tvl_DlgDesignerData::getDynControlType(const int& id, int& type) const {
    const Tvl_DesignerControl* c = getControlFromRes(id);
    if (!c)
        return false;
    type = c->type;
    return true;
}

bool Tvl_DlgDesignerData::isTypeBoltCount(const int& id) const {
    const Tvl_DesignerControl* c = getControlFromRes(id);
    return c && (c->type == tvlCtrlBoltCount1 || c->type == tvlCtrlBoltCount2);
}

bool Tvl_DlgDesignerData::findEditCtrlWithContents(const Tvl_String& name, int& index) const {
    for (int i = 0; i < m_controls.length(); ++i) {
        const Tvl_DesignerControl& c = m_controls[i];
        if ((c.type == tvlCtrlEdit || c.type == tvlCtrlCombo) && c.contents == name) {
            index = i;
            return true;
        }
    }
    return false;
}

void Tvl_DlgDesignerData::getAllCtrlNames(Tvl_StringArray& names) const {
    names.clear();
    for (const Tvl_DesignerControl& c : m_controls)
        if (c.type == tvlCtrlEdit)
            names.append(c.contents);
}

int Tvl_DlgDesignerData::getCurSel() const {
    if (!m_tracker)
        return -1;
    int index = -1;
    return findCtrlFromResource(m_tracker->currentId(), index) ? index : -1;
}

bool Tvl_DlgDesignerData::getCtrlPtr(const int& index, ui::Window*& window) const {
    const Tvl_DesignerControl* c = getControl(index);
    window = nullptr;
    return c && c->getCtrlPtr(getDlgPtr(), window);
}

void Tvl_DlgDesignerData::selectCtrls(const std::vector<int>& ids) {
    if (!m_tracker)
        return;
    m_tracker->clearSelection();
    for (int id : ids)
        m_tracker->select(id, false);
    if (ui::Window* d = getDlgPtr())
        d->invalidate();
}

// ---- Geometry ----------------------------------------------------------------------------

double Tvl_DlgDesignerData::factorToPixels(const bool& horizontal, const double& factor) const {
    return factor * (horizontal ? m_pictureWidth : m_pictureHeight);
}

double Tvl_DlgDesignerData::pixelsToFactor(const bool& horizontal, const double& pixels) const {
    const int size = horizontal ? m_pictureWidth : m_pictureHeight;
    // Without a picture there is no scale; 0 keeps the stored factors finite.
    return size > 0 ? pixels / size : 0.0;
}

void Tvl_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = m_initialized ? m_pictureWidth : 0;
    height = m_initialized ? m_pictureHeight : 0;
}

#define TVL_GEOMETRY_GETTER(Name, field, horizontal)                                               \
    bool Tvl_DlgDesignerData::Name(const int& index, double& px) const {                           \
        const Tvl_DesignerControl* c = getControl(index);                                          \
        if (!c)                                                                                    \
            return false;                                                                          \
        px = factorToPixels(horizontal, c->field);                                                 \
        return true;                                                                               \
    }
#define TVL_GEOMETRY_SETTER(Name, field, horizontal)                                               \
    bool Tvl_DlgDesignerData::Name(const int& index, const double& px) {                           \
        Tvl_DesignerControl* c = getControlWrite(index);                                           \
        if (!c)                                                                                    \
            return false;                                                                          \
        c->field = pixelsToFactor(horizontal, px);                                                 \
        return true;                                                                               \
    }
TVL_GEOMETRY_GETTER(getTopLeftX, topLeftX, true)
TVL_GEOMETRY_GETTER(getTopLeftY, topLeftY, false)
TVL_GEOMETRY_GETTER(getBottomRightX, bottomRightX, true)
TVL_GEOMETRY_GETTER(getBottomRightY, bottomRightY, false)
TVL_GEOMETRY_SETTER(setTopLeftX, topLeftX, true)
TVL_GEOMETRY_SETTER(setTopLeftY, topLeftY, false)
TVL_GEOMETRY_SETTER(setBottomRightX, bottomRightX, true)
TVL_GEOMETRY_SETTER(setBottomRightY, bottomRightY, false)
#undef TVL_GEOMETRY_GETTER
#undef TVL_GEOMETRY_SETTER

bool Tvl_DlgDesignerData::getWidth(const int& index, double& px) const {
    const Tvl_DesignerControl* c = getControl(index);
    if (!c)
        return false;
    px = factorToPixels(true, c->bottomRightX - c->topLeftX);
    return true;
}

bool Tvl_DlgDesignerData::getHeight(const int& index, double& px) const {
    const Tvl_DesignerControl* c = getControl(index);
    if (!c)
        return false;
    px = factorToPixels(false, c->bottomRightY - c->topLeftY);
    return true;
}

bool Tvl_DlgDesignerData::setWidth(const int& index, const double& px) {
    double left = 0;
    return getTopLeftX(index, left) && setBottomRightX(index, left + px);
}

bool Tvl_DlgDesignerData::setHeight(const int& index, const double& px) {
    double bottom = 0;
    return getBottomRightY(index, bottom) && setTopLeftY(index, bottom - px);
}

bool Tvl_DlgDesignerData::getSizeFromControl(const int& index) {
    ui::Window* w = drawnWindow(index);
    // Without a picture the windows have no scale: the factors read stay as they are.
    if (!w || m_pictureWidth <= 0 || m_pictureHeight <= 0)
        return false;
    const ui::Rect r = w->rect();
    Tvl_DesignerControl& c = m_controls[index];
    c.topLeftX = pixelsToFactor(true, r.left);
    c.topLeftY = pixelsToFactor(false, r.top);
    c.bottomRightX = pixelsToFactor(true, r.right);
    c.bottomRightY = pixelsToFactor(false, r.bottom);
    return true;
}

void Tvl_DlgDesignerData::getSizeFromAllControls() {
    // At run time combo boxes are drawn taller (their list); their windows are not the design.
    if (!m_designMode || !drawnInStep())
        return;
    for (int i = 0; i < m_controls.length(); ++i)
        getSizeFromControl(i);
}

// ---- Designer edit operations --------------------------------------------------------------

bool Tvl_DlgDesignerData::changeCtrlSize(const int& index, const bool& horizontal,
                                         const double& pixels) {
    double start = 0;
    if (horizontal)
        return getTopLeftX(index, start) && setBottomRightX(index, start + pixels);
    return getTopLeftY(index, start) && setBottomRightY(index, start + pixels);
}

bool Tvl_DlgDesignerData::changeCtrlSize(const bool& horizontal) {
    const std::vector<int> ids = selectedControlIds();
    if (ids.empty())
        return false;
    getSizeFromAllControls();
    Tvl_DlgPromptString prompt(getDlgPtr());
    prompt.m_caption = dialString(horizontal ? 90 : 744);
    prompt.m_prompt = dialString(horizontal ? 825 : 826);
    prompt.m_value = horizontal ? L"30" : L"18";
    prompt.m_okLabel = dialString(1);
    prompt.m_cancelLabel = dialString(2);
    if (prompt.doModal() != ui::IDOK)
        return false;
    const double pixels = prompt.m_value.toDouble();
    for (int id : ids) {
        int index = -1;
        if (findCtrlFromResource(id, index))
            changeCtrlSize(index, horizontal, pixels);
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

bool Tvl_DlgDesignerData::copyCurCtrls() {
    const std::vector<int> ids = selectedControlIds();
    if (ids.empty())
        return false;
    getSizeFromAllControls();
    std::vector<int> copies;
    for (int id : ids) {
        int index = -1;
        if (!findCtrlFromResource(id, index))
            continue;
        Tvl_DesignerControl copy = m_controls[index];
        const double dx = pixelsToFactor(true, 20), dy = pixelsToFactor(false, 20);
        copy.topLeftX += dx;
        copy.bottomRightX += dx;
        copy.topLeftY += dy;
        copy.bottomRightY += dy;
        if (append(copy) != 0)
            copies.push_back(m_controls.last().resourceId);
    }
    redrawAllControls();
    selectCtrls(copies);
    return true;
}

bool Tvl_DlgDesignerData::findMostLeftCtrl(const std::vector<int>& ids, int& index) const {
    double best = 100000.0;
    index = -1;
    for (int id : ids) {
        int i = -1;
        double left = 0;
        if (findCtrlFromResource(id, i) && getTopLeftX(i, left) && (index < 0 || left < best)) {
            best = left;
            index = i;
        }
    }
    return index >= 0;
}

bool Tvl_DlgDesignerData::outlineCurCtrls() {
    const std::vector<int> ids = selectedControlIds();
    if (ids.empty())
        return false;
    getSizeFromAllControls();
    int ref = -1;
    if (!findMostLeftCtrl(ids, ref))
        return false;
    double bottom = 0;
    getBottomRightY(ref, bottom);
    for (int id : ids) {
        int i = -1;
        if (!findCtrlFromResource(id, i) || i == ref)
            continue;
        double height = 0;
        getHeight(i, height);
        setBottomRightY(i, bottom);
        setTopLeftY(i, bottom - height);
    }
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

bool Tvl_DlgDesignerData::stickRightCurCtrls() {
    const std::vector<int> ids = selectedControlIds();
    if (ids.size() != 2)
        return false;
    getSizeFromAllControls();
    int a = -1, b = -1;
    if (!findCtrlFromResource(ids[0], a) || !findCtrlFromResource(ids[1], b))
        return false;
    if (m_controls[b].topLeftX < m_controls[a].topLeftX)
        std::swap(a, b);
    Tvl_DesignerControl& left = m_controls[a];
    Tvl_DesignerControl& other = m_controls[b];
    const double width = other.bottomRightX - other.topLeftX;
    other.topLeftX = left.bottomRightX;
    other.bottomRightX = other.topLeftX + width;
    other.topLeftY = left.topLeftY;
    other.bottomRightY = left.bottomRightY;
    redrawAllControls();
    selectCtrls(ids);
    return true;
}

// ---- Tab order -----------------------------------------------------------------------------

void Tvl_DlgDesignerData::sortAllControls() {
    Tvl_Array<int> candidates;
    for (int i = 0; i < m_controls.length(); ++i) {
        const Tvl_DesignerControl& c = m_controls[i];
        if (!c.inactive && c.type != tvlCtrlStatic && c.type != tvlCtrlGroupBox)
            candidates.append(i);
        else
            m_controls[i].tabOrder = 0; // a stale position would catch Tab on a disabled control
    }
    int counter = 1;
    while (candidates.length() > 0)
        if (!sortNextRow(candidates, counter))
            break;
}

bool Tvl_DlgDesignerData::sortNextRow(Tvl_Array<int>& candidates, int& counter) {
    if (candidates.length() == 0)
        return false;
    // The leader is the first candidate with the smallest top edge. Starting from the
    // first candidate (not from a fixed bound) keeps controls with odd factors in the order.
    int leader = 0;
    for (int k = 1; k < candidates.length(); ++k)
        if (m_controls[candidates[k]].topLeftY < m_controls[candidates[leader]].topLeftY)
            leader = k;
    const double rowBottom = m_controls[candidates[leader]].bottomRightY;
    Tvl_Array<double> keys;
    Tvl_Array<int> row;
    Tvl_Array<int> rest;
    for (int k = 0; k < candidates.length(); ++k) {
        const Tvl_DesignerControl& c = m_controls[candidates[k]];
        if (k == leader || c.topLeftY <= rowBottom) {
            keys.append(c.topLeftX);
            row.append(candidates[k]);
        } else {
            rest.append(candidates[k]);
        }
    }
    ObjectExportSort(keys, row);
    for (int index : row)
        m_controls[index].tabOrder = counter++;
    candidates = rest;
    return true;
}

// ---- Property pane -------------------------------------------------------------------------

void Tvl_DlgDesignerData::updateProps(const int& index) {
    ui::Window* dialog = getDlgPtr();
    if (!dialog || !m_designMode)
        return;
    auto* typeCombo = dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(m_propertyPaneIds[0]));
    const Tvl_DesignerControl* c = getControl(index);
    if (!c) {
        if (typeCombo)
            typeCombo->setCurSel(-1);
        for (int k = 0; k < 5; ++k) {
            if (k > 0)
                dialog->setDlgItemText(m_propertyPaneIds[k], L"");
            EnDisCtrl(dialog, m_propertyPaneIds[k], false);
        }
        return;
    }
    for (int k = 0; k < 3; ++k)
        EnDisCtrl(dialog, m_propertyPaneIds[k], true);
    if (typeCombo)
        typeCombo->setCurSel(c->type);
    dialog->setDlgItemText(m_propertyPaneIds[1], kw::designer::contentsLabel(c->type).str());
    dialog->setDlgItemText(m_propertyPaneIds[2], c->contents.str());
    const bool list = kw::designer::typeHasList(c->type);
    dialog->setDlgItemText(m_propertyPaneIds[3],
                           list ? kw::designer::listLabel(c->type).str() : L"");
    dialog->setDlgItemText(m_propertyPaneIds[4], list ? c->getMergedExtComboList().str() : L"");
    EnDisCtrl(dialog, m_propertyPaneIds[3], list);
    EnDisCtrl(dialog, m_propertyPaneIds[4], list);
}

void Tvl_DlgDesignerData::updatePropsOfCurSel() {
    if (!m_designMode || !getDlgPtr())
        return;
    m_updatingProps = true;
    const int index = getCurSel();
    updateProps(index);
    if (index >= 0 && m_tracker)
        m_tracker->select(m_controls[index].resourceId, true);
    m_updatingProps = false;
}

void Tvl_DlgDesignerData::readProps(const int& index) {
    ui::Window* dialog = getDlgPtr();
    Tvl_DesignerControl* c = getControlWrite(index);
    if (!dialog || !c)
        return;
    if (auto* typeCombo = dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(m_propertyPaneIds[0])))
        if (kw::designer::isValidType(typeCombo->getCurSel()))
            c->type = typeCombo->getCurSel();
    c->contents = dialog->getDlgItemText(m_propertyPaneIds[2]);
    c->setSplitExtComboList(dialog->getDlgItemText(m_propertyPaneIds[4]));
}

void Tvl_DlgDesignerData::propsOfCurSelUpdated() {
    if (m_updatingProps || !m_designMode || !getDlgPtr())
        return;
    const int index = getCurSel();
    if (index < 0)
        return;
    const Tvl_DesignerControl before = m_controls[index];
    readProps(index);
    const Tvl_DesignerControl& now = m_controls[index];
    if (!(now.contents == before.contents))
        if (ui::Window* w = drawnWindow(index)) {
            w->setWindowText(now.contents.str());
            w->invalidate();
        }
    if (now.type != before.type) {
        const int id = now.resourceId;
        getSizeFromAllControls();
        redrawAllControls();
        if (m_tracker)
            m_tracker->select(id, true);
    }
}

// ---- Values at run time ------------------------------------------------------------------

bool Tvl_DlgDesignerData::getSetCheckValue(bool set, ui::Window* window, Tvl_String& value) {
    auto* button = dynamic_cast<ui::Button*>(window);
    if (!button)
        return false;
    const Tvl_String varies = dialString(695);
    if (!set) {
        const int check = button->getCheck();
        value = check == ui::BST_INDETERMINATE ? varies
                                               : Tvl_String(check == ui::BST_CHECKED ? L"1" : L"0");
        return true;
    }
    if (value == varies) {
        button->setButtonStyle(ui::BS_AUTO3STATE);
        button->setCheck(ui::BST_INDETERMINATE);
    } else {
        button->setButtonStyle(ui::BS_AUTOCHECKBOX);
        button->setCheck(value.toDouble() > 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    }
    return true;
}

bool Tvl_DlgDesignerData::getCheckValue(ui::Window* window, Tvl_String& value) const {
    return const_cast<Tvl_DlgDesignerData*>(this)->getSetCheckValue(false, window, value);
}

bool Tvl_DlgDesignerData::setCheckValue(ui::Window* window, const Tvl_String& value) {
    Tvl_String v = value;
    return getSetCheckValue(true, window, v);
}

bool Tvl_DlgDesignerData::getSetComboValue(bool set, ui::Window* window, Tvl_String& value) {
    auto* combo = dynamic_cast<ui::ComboBox*>(window);
    if (!combo)
        return false;
    if (!set) {
        value = Tvl_String(combo->getCurSel());
        return true;
    }
    combo->setCurSel(value.toInt());
    return true;
}

bool Tvl_DlgDesignerData::getComboValue(ui::Window* window, Tvl_String& value) const {
    return const_cast<Tvl_DlgDesignerData*>(this)->getSetComboValue(false, window, value);
}

bool Tvl_DlgDesignerData::setComboValue(ui::Window* window, const Tvl_String& value) {
    Tvl_String v = value;
    return getSetComboValue(true, window, v);
}

bool Tvl_DlgDesignerData::getCtrlValue(const int& id, Tvl_String& value) {
    int index = -1;
    ui::Rect r;
    if (!findDrawnCtrlFromResource(id, index, r) || !findCtrlFromResource(id, index))
        return false;
    ui::Window* w = getDlgPtr()->getDlgItem(id);
    if (!w)
        return false;
    switch (m_controls[index].type) {
    case tvlCtrlCheck:
        return getCheckValue(w, value);
    case tvlCtrlCut:
        return getComboValue(w, value);
    default:
        value = w->getWindowText();
        return true;
    }
}

bool Tvl_DlgDesignerData::setCtrlValue(const int& id, const Tvl_String& value) {
    int index = -1;
    ui::Rect r;
    if (!findDrawnCtrlFromResource(id, index, r) || !findCtrlFromResource(id, index))
        return false;
    ui::Window* w = getDlgPtr()->getDlgItem(id);
    if (!w)
        return false;
    switch (m_controls[index].type) {
    case tvlCtrlFlexDim:
    case tvlCtrlFlexDim2:
        return true;
    case tvlCtrlCheck:
        return setCheckValue(w, value);
    case tvlCtrlCut:
        return setComboValue(w, value);
    default:
        w->setWindowText(value.str());
        return true;
    }
}

bool Tvl_DlgDesignerData::setCtrlReadOnly(const int& id, const bool& readOnly) {
    const Tvl_DesignerControl* c = getControlFromRes(id);
    if (!c || (c->type != tvlCtrlEdit && c->type != tvlCtrlCombo))
        return false;
    ui::Window* w = nullptr;
    if (!c->getCtrlPtr(getDlgPtr(), w))
        return false;
    if (w->isWindowEnabled() == readOnly)
        w->enableWindow(!readOnly);
    return true;
}

// ---- Flexible buttons ----------------------------------------------------------------------

void Tvl_DlgDesignerData::getFlexBtnsGroups(Tvl_StringArray& groups) const {
    groups.clear();
    for (const Tvl_DesignerControl& c : m_controls)
        if (c.type == tvlCtrlFlexButton && !groups.contains(c.flexGroup))
            groups.append(c.flexGroup);
}

bool Tvl_DlgDesignerData::getFlexBtnsInGroup(const Tvl_String& group, Tvl_Array<int>& all,
                                             Tvl_Array<int>& withField3) const {
    all.clear();
    withField3.clear();
    if (group.isEmpty())
        return true;
    for (int i = 0; i < m_controls.length(); ++i) {
        const Tvl_DesignerControl& c = m_controls[i];
        if (c.type != tvlCtrlFlexButton || !(c.flexGroup == group))
            continue;
        all.append(i);
        if (!c.flexField3.isEmpty())
            withField3.append(i);
    }
    return true;
}

bool Tvl_DlgDesignerData::getAllFlexVarsOfGroup(const Tvl_String& group,
                                                Tvl_StringArray& names) const {
    names.clear();
    Tvl_Array<int> all, withField3;
    getFlexBtnsInGroup(group, all, withField3);
    for (int i : all)
        names.append(m_controls[i].contents);
    return names.length() > 0;
}

bool Tvl_DlgDesignerData::findFlexButton(const Tvl_String& group, const Tvl_String& name,
                                         int& index) const {
    Tvl_Array<int> all, withField3;
    getFlexBtnsInGroup(group, all, withField3);
    for (int i : all)
        if (m_controls[i].contents == name) {
            index = i;
            return true;
        }
    return false;
}

bool Tvl_DlgDesignerData::getFlexBtnGroupName(const int& id, Tvl_String& group,
                                              Tvl_String& name) const {
    const Tvl_DesignerControl* c = getControlFromRes(id);
    if (!c || c->type != tvlCtrlFlexButton)
        return false;
    group = c->flexGroup;
    name = c->contents;
    return true;
}

bool Tvl_DlgDesignerData::getSetFlexBtnStatus(bool set, const int& index, int& status) {
    const Tvl_DesignerControl* c = getControl(index);
    ui::Button* button = c && c->type == tvlCtrlFlexButton ? c->getButtonPtr(getDlgPtr()) : nullptr;
    if (!button)
        return false;
    if (set)
        button->setCheck(status == 1 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    else
        status = button->getCheck() == ui::BST_CHECKED ? 1 : 0;
    return true;
}

bool Tvl_DlgDesignerData::getFlexBtnStatus(const int& index, int& status) {
    return getSetFlexBtnStatus(false, index, status);
}

bool Tvl_DlgDesignerData::setFlexBtnStatus(const Tvl_String& group, const Tvl_String& name,
                                           const int& status) {
    int index = -1;
    if (!findFlexButton(group, name, index))
        return false;
    int s = status;
    return getSetFlexBtnStatus(true, index, s);
}

bool Tvl_DlgDesignerData::hideAllFlexBtns(const Tvl_String& group) {
    Tvl_Array<int> all, withField3;
    getFlexBtnsInGroup(group, all, withField3);
    for (int i : all)
        ShowOrHideCtrl(getDlgPtr(), m_controls[i].resourceId, false);
    return all.length() > 0;
}

// ---- Focus -----------------------------------------------------------------------------------

bool Tvl_DlgDesignerData::containsEditableCtrls() const {
    for (const Tvl_DesignerControl& c : m_controls)
        if (!c.inactive)
            return true;
    return false;
}

bool Tvl_DlgDesignerData::findCtrlWithTabOrder(const int& order, int& index) const {
    for (int i = 0; i < m_controls.length(); ++i)
        if (m_controls[i].tabOrder == order) {
            index = i;
            return true;
        }
    return false;
}

bool Tvl_DlgDesignerData::getFocusedDynControl(int& id) const {
    id = 0;
    ui::Window* dialog = getDlgPtr();
    ui::Window* focus = ui::Window::getFocus();
    if (!dialog || !focus)
        return false;
    // The focus of an editable combo box is its inner edit.
    for (ui::Window* w = focus; w && w != dialog; w = w->parent()) {
        if (w->parent() == dialog && isADynControl(w->id())) {
            id = w->id();
            return true;
        }
    }
    return false;
}

bool Tvl_DlgDesignerData::setFocusToCtrl(const int& index) {
    ui::Window* w = nullptr;
    if (!getCtrlPtr(index, w))
        return false;
    w->setFocus();
    if (auto* edit = dynamic_cast<ui::Edit*>(w))
        edit->setSel(0, -1);
    else if (auto* combo = dynamic_cast<ui::ComboBox*>(w); combo && combo->edit())
        combo->edit()->setSel(0, -1);
    return true;
}

bool Tvl_DlgDesignerData::setFocusToCtrl(const bool& first) {
    if (!m_initialized || !containsEditableCtrls())
        return false;
    int index = -1;
    if (first) {
        if (!findCtrlWithTabOrder(1, index))
            return false;
    } else {
        int highest = 0;
        for (int i = 0; i < m_controls.length(); ++i)
            if (m_controls[i].tabOrder > highest) {
                highest = m_controls[i].tabOrder;
                index = i;
            }
        if (index < 0)
            return false;
    }
    setFocusToCtrl(index);
    return true;
}

bool Tvl_DlgDesignerData::handleTabKey(const unsigned& key, Tvl_TabMsgHandle& result) {
    result = tvlTabNotHandled;
    if (key != static_cast<unsigned>(ui::VK_TAB) || !m_initialized || !containsEditableCtrls())
        return false;
    int id = 0;
    int index = -1;
    if (!getFocusedDynControl(id) || id == 0 || !findCtrlFromResource(id, index))
        return false;
    const int order = m_controls[index].tabOrder;
    const bool shift = ui::getKeyState(ui::VK_SHIFT) < 0;
    int target = -1;
    if (shift) {
        if (order < 2 || !findCtrlWithTabOrder(order - 1, target)) {
            result = tvlTabBeforeFirst;
            return true;
        }
    } else if (!findCtrlWithTabOrder(order + 1, target)) {
        result = tvlTabAfterLast;
        return true;
    }
    setFocusToCtrl(target);
    result = tvlTabHandled;
    return true;
}

std::vector<int> Tvl_DlgDesignerData::selectedControlIds() const {
    std::vector<int> ids;
    if (m_initialized && m_tracker)
        m_tracker->selectedIds(ids);
    return ids;
}
