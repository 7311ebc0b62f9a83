#include "kw/macro/CDlgMacroBoltAdv.h"

#include "core/LanguageTexts.h"
#include "core/MacroCallBacks.h"
#include "core/Tvl_Settings.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/macro/BoltPicture.h"
#include "kw/macro/MacroBoltIds.h"
#include "kw/macro/ThreeStateBox.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro;
using namespace kw::macro::bolt;

namespace {

constexpr const wchar_t* kPlacement = L"DLG_MACRO_BOLTADVANCED";
constexpr const wchar_t* kInvalidCaption = L"Ongeldige waarde";
constexpr int kVaries = 2;
constexpr int kColFlag = 1;
constexpr int kColName = 2;

// The controls that 1120 enables.
constexpr int kSlotControls[] = {kRadiusLabel,   kRadius,  kLengthLabel,  kLength,
                                 kAngleLabel,    kAngle,   kFurtherLabel, kFurther,
                                 kSlotKindLabel, kSlotKind};
constexpr int kOptions[] = {kTapped, kReversed, kCountersunk, kWorkshop};
constexpr int kNutsAndWashers[] = {kNut1, kNut2, kWasher1, kWasher2, kWashers};

int* optionField(MacroBoltData& b, int id) {
    switch (id) {
    case kTapped:
        return &b.m_tapped;
    case kReversed:
        return &b.m_reversed;
    case kCountersunk:
        return &b.m_countersunk;
    case kWorkshop:
        return &b.m_workshop;
    case kNut1:
        return &b.m_nut1;
    case kNut2:
        return &b.m_nut2;
    case kWasher1:
        return &b.m_washer1;
    case kWasher2:
        return &b.m_washer2;
    case kWashers:
        return &b.m_washers;
    default:
        return nullptr;
    }
}

template <size_t N> bool isOneOf(const int (&ids)[N], int id) {
    for (int i : ids)
        if (i == id)
            return true;
    return false;
}

Tvl_String slotListText(int index) {
    return dialString(999) + L" nr: " + Tvl_String(index + 1);
}

bool positive(const Tvl_String& text) {
    double v = 0;
    return text.toDouble(v) && v > 0;
}

} // namespace

CDlgMacroBoltAdv::CDlgMacroBoltAdv(ui::Window* parent) : ui::Dialog(kDlgBoltAdv, parent) {}

Tvl_String CDlgMacroBoltAdv::itemText(int id) const {
    const ui::Window* w = getDlgItem(id);
    return w ? Tvl_String(w->getWindowText()) : Tvl_String();
}

bool CDlgMacroBoltAdv::onInitDialog() {
    m_original = m_bolt;
    const auto text = [this](int id, int number) { setDlgItemText(id, dialString(number).str()); };
    setWindowText(dialString(275).str());
    text(kAssemblyLabel, 275);
    text(kDiameterLabel, 328);
    text(kPenetrationLabel, 277);
    text(kAddedLabel, 278);
    text(kToleranceLabel, 242);
    text(kTapped, 674);
    text(kReversed, 985);
    text(kCountersunk, 234);
    text(kWorkshop, 276);
    text(kCountOption, 984);
    text(kCountText, m_bolt.m_count > 0 ? 997 : 998);
    text(kOptionsFrame, 1477);
    text(kSlotFrame, 986);
    text(kSlotActive, 761);
    text(kRadiusLabel, 328);
    text(kLengthLabel, 987);
    text(kAngleLabel, 988);
    text(kFurtherLabel, 989);
    text(kSlotKindLabel, 990);
    text(kNut1Label, 991);
    text(kNut2Label, 991);
    text(kWasher1Label, 992);
    text(kWasher2Label, 992);
    text(kWashersLabel, 993);
    text(ui::IDOK, 1);
    text(ui::IDCANCEL, 2);

    // The picture sits on a disabled flat button: it shows, but takes no clicks.
    if (m_picture.SubclassDlgItem(kPicture, this)) {
        m_picture.SetFlat(true);
        m_picture.DrawBorder(false);
        const ui::Color key{0xC0, 0xC0, 0xC0};
        m_picture.SetBitmaps(gSettings.tvlDir() + L"icons\\" + kBoltPictureName, key);
        m_picture.enableWindow(false);
    }

    Tvl_StringArray assemblies;
    GetAssemblies(assemblies);
    fillCombo(kAssembly, assemblies, m_bolt.m_assembly);
    fillCombo(kDiameter, m_diameters, m_bolt.m_diameter);
    setDlgItemText(kPenetration, m_bolt.m_penetrationLength.str());
    setDlgItemText(kAdded, m_bolt.m_addedLength.str());
    setDlgItemText(kTolerance, m_bolt.m_holeTolerance.str());
    for (int id : kOptions)
        showThreeState(*this, id, *optionField(m_bolt, id), kVaries);
    checkDlgButton(kCountOption, m_bolt.m_countOption ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    enableDlgItem(this, kCountOption, m_bolt.m_count > 0);

    m_gridMade = m_grid.attach(this, kHoleColumns, true);
    if (m_gridMade) {
        m_grid.setColCount(2);
        Tvl_StringArray headers;
        headers.append(dialString(761));
        headers.append(dialString(87));
        m_grid.setColHeaderTexts(headers);
        Tvl_Array<int> flags;
        Tvl_StringArray names;
        m_bolt.getHoleColumns(flags, names);
        m_grid.setRowCount(names.length());
        m_grid.setColumnCheckBox(kColFlag);
        m_grid.setColumnTexts(kColFlag, flags);
        m_grid.setColumnTexts(kColName, names);
    }

    if (m_slots.SubclassDlgItem(kSlotList, this)) {
        for (int i = 0; i < m_bolt.m_slottedHoles.length(); ++i) {
            m_slots.AddString(slotListText(i));
            m_slots.SetCheck(i, m_bolt.m_slottedHoles[i].m_active == 1);
        }
    }
    if (auto* kinds = dynamic_cast<ui::ComboBox*>(getDlgItem(kSlotKind)))
        for (int number : {994, 995, 996})
            kinds->addString(dialString(number).str());
    const bool anySlot = m_bolt.m_slottedHoles.length() > 0;
    enableDlgItem(this, kSlotList, anySlot);
    enableDlgItem(this, kSlotActive, anySlot);
    if (anySlot)
        showSlot(0);
    else
        enableSlotControls();

    for (int id : kNutsAndWashers) {
        const int value = *optionField(m_bolt, id);
        enableDlgItem(this, id, value >= 0);
        showThreeState(*this, id, value < 0 ? 0 : value, kVaries);
    }
    restoreWindowPlacement(this, kPlacement, true);
    return true;
}

void CDlgMacroBoltAdv::fillCombo(int id, const Tvl_StringArray& items, const Tvl_String& text) {
    auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(id));
    if (combo == nullptr)
        return;
    combo->resetContent();
    for (const Tvl_String& item : items)
        combo->addString(item.str());
    if (!text.isEmpty() && combo->findStringExact(-1, text.str()) < 0)
        combo->addString(text.str());
    combo->setCurSel(combo->findStringExact(-1, text.str()));
    combo->setWindowText(text.str());
}

// ---- Slotted holes -----------------------------------------------------------------------

void CDlgMacroBoltAdv::showSlot(int index) {
    if (index < 0 || index >= m_bolt.m_slottedHoles.length())
        return;
    m_shown = index;
    const MacroSlottedHole& slot = m_bolt.m_slottedHoles[index];
    m_slots.setCurSel(index);
    showThreeState(*this, kSlotActive, slot.m_active, kVaries);
    setDlgItemText(kRadius, slot.m_radius.str());
    setDlgItemText(kLength, slot.m_length.str());
    setDlgItemText(kAngle, slot.m_angle.str());
    setDlgItemText(kFurther, slot.m_furtherValue.str());
    if (auto* kinds = dynamic_cast<ui::ComboBox*>(getDlgItem(kSlotKind)))
        kinds->setCurSel(slot.m_kindSelection < 0 ? kinds->getCount() - 1 : slot.m_kindSelection);
    enableSlotControls();
}

void CDlgMacroBoltAdv::storeSlot() {
    if (m_shown < 0 || m_shown >= m_bolt.m_slottedHoles.length())
        return;
    MacroSlottedHole& slot = m_bolt.m_slottedHoles[m_shown];
    slot.m_active = readThreeState(*this, kSlotActive, kVaries);
    slot.m_radius = itemText(kRadius);
    slot.m_length = itemText(kLength);
    slot.m_angle = itemText(kAngle);
    slot.m_furtherValue = itemText(kFurther);
    if (auto* kinds = dynamic_cast<ui::ComboBox*>(getDlgItem(kSlotKind)))
        if (kinds->getCurSel() >= 0)
            slot.m_kindSelection = kinds->getCurSel();
}

void CDlgMacroBoltAdv::enableSlotControls() {
    const bool on = m_shown >= 0 && readThreeState(*this, kSlotActive, kVaries) != 0;
    for (int id : kSlotControls)
        enableDlgItem(this, id, on);
}

// ---- Commands ----------------------------------------------------------------------------

bool CDlgMacroBoltAdv::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr)
        return ui::Dialog::onCommand(id, code, from);
    if (id == kSlotList && code == ui::CBN_SELCHANGE) {
        const int chosen = m_slots.getCurSel();
        storeSlot();
        showSlot(chosen);
        return true;
    }
    if (id == kSlotActive && code == ui::BN_CLICKED) {
        makeTwoState(*this, id);
        enableSlotControls();
        if (m_shown >= 0)
            m_slots.SetCheck(m_shown, isDlgButtonChecked(kSlotActive) == ui::BST_CHECKED);
        return true;
    }
    if ((isOneOf(kOptions, id) || isOneOf(kNutsAndWashers, id)) && code == ui::BN_CLICKED) {
        makeTwoState(*this, id);
        return true;
    }
    if (id == kAssembly && code == ui::CBN_SELCHANGE) {
        // Another assembly offers its own diameters; the typed diameter stays.
        auto* assembly = dynamic_cast<ui::ComboBox*>(getDlgItem(kAssembly));
        if (assembly != nullptr && assembly->getCurSel() >= 0) {
            Tvl_StringArray diameters;
            GetDiameters(Tvl_String(assembly->getLBText(assembly->getCurSel())), diameters);
            fillCombo(kDiameter, diameters, itemText(kDiameter));
        }
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

// ---- Store and OK ------------------------------------------------------------------------

void CDlgMacroBoltAdv::store() {
    m_bolt.m_assembly = itemText(kAssembly).trimmed();
    m_bolt.m_diameter = itemText(kDiameter).trimmed();
    m_bolt.m_penetrationLength = itemText(kPenetration).trimmed();
    m_bolt.m_addedLength = itemText(kAdded).trimmed();
    m_bolt.m_holeTolerance = itemText(kTolerance).trimmed();
    m_bolt.m_countOption = isDlgButtonChecked(kCountOption) == ui::BST_CHECKED;
    for (int id : kOptions)
        *optionField(m_bolt, id) = readThreeState(*this, id, kVaries);
    if (m_gridMade) {
        if (m_grid.isEditing())
            m_grid.endEdit(true);
        Tvl_Array<int> flags;
        Tvl_StringArray names;
        m_grid.getColumnTexts(kColFlag, flags);
        m_grid.getColumnTexts(kColName, names);
        m_bolt.setHoleColumns(flags, names);
    }
    for (int id : kNutsAndWashers) {
        const ui::Window* box = getDlgItem(id);
        *optionField(m_bolt, id) =
            box == nullptr || !box->isWindowEnabled() ? -1 : readThreeState(*this, id, kVaries);
    }
    storeSlot();
}

void CDlgMacroBoltAdv::refuse(const Tvl_String& text) {
    messageBox(text.str(), kInvalidCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool CDlgMacroBoltAdv::validate() {
    const Tvl_String correct = L"\n\n" + dialString(888) + L".";
    // Lengths and slot values may be empty (no value); anything else must be a number.
    const auto number = [&](const Tvl_String& value) {
        double v = 0;
        if (value.trimmed().isEmpty() || value.toDouble(v))
            return true;
        refuse(dialString(1560) + L" \"" + value + L"\"" + correct);
        return false;
    };
    for (const Tvl_String* value :
         {&m_bolt.m_penetrationLength, &m_bolt.m_addedLength, &m_bolt.m_holeTolerance})
        if (!number(*value))
            return false;
    for (int i = 0; i < m_bolt.m_slottedHoles.length(); ++i) {
        const MacroSlottedHole& slot = m_bolt.m_slottedHoles[i];
        // A slotted hole active in some of the macros (indeterminate) is checked too.
        if (slot.m_active != 0 && (!positive(slot.m_radius) || !positive(slot.m_length))) {
            if (i != m_shown) {
                storeSlot();
                showSlot(i);
            }
            refuse(dialString(1000) + L" " + Tvl_String(i + 1) + L" " + dialString(1001) + correct);
            return false;
        }
        if (slot.m_active != 0 && (!number(slot.m_angle) || !number(slot.m_furtherValue)))
            return false;
    }
    return true;
}

void CDlgMacroBoltAdv::onOK() {
    store();
    if (!validate())
        return;
    saveWindowPlacement(this, kPlacement);
    ui::Dialog::onOK();
}
