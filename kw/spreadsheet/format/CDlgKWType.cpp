#include "kw/spreadsheet/format/CDlgKWType.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "kw/frame/DialogHelpers.h"
#include "kw/spreadsheet/editor/SheetFileDialog.h"
#include "kw/spreadsheet/format/FormatPreview.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using kw::CellTypeRecord;

constexpr uint32_t kHMask = grid::kStyleHLeft | grid::kStyleHCenter | grid::kStyleHRight;
constexpr uint32_t kVMask = grid::kStyleVTop | grid::kStyleVCenter | grid::kStyleVBottom;
// Combo positions, in the order of their texts.
constexpr uint32_t kHFlags[3] = {grid::kStyleHLeft, grid::kStyleHRight, grid::kStyleHCenter};
constexpr uint32_t kVFlags[3] = {grid::kStyleVTop, grid::kStyleVBottom, grid::kStyleVCenter};
constexpr uint32_t kRotations[6] = {0, 0x3000000, 0x4000000, 0x2000000, 0x1000000, 0x5000000};

// What the two check boxes stand for, per kind (0: no such box).
constexpr uint32_t kFirstFlag[3] = {grid::kStyleNegativeRed, grid::kStyleMultiLine,
                                    grid::kStylePictureStretch};
constexpr uint32_t kSecondFlag[3] = {0, 0, grid::kStylePictureKeepProportions};

uint32_t kindMask(int kind) {
    return kFirstFlag[kind] | kSecondFlag[kind];
}

ui::ComboBox* combo(ui::Window* dialog, int id) {
    return dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(id));
}

int positionOf(const uint32_t* values, int count, uint32_t value) {
    for (int i = 0; i < count; ++i)
        if (values[i] == value)
            return i;
    return -1;
}

// A whole number in the text (blanks around it allowed); false for anything else.
bool parseWhole(const std::wstring& text, long& value) {
    const wchar_t* begin = text.c_str();
    wchar_t* end = nullptr;
    value = std::wcstol(begin, &end, 10);
    if (end == begin)
        return false;
    while (*end != 0 && std::iswspace(*end))
        ++end;
    return *end == 0;
}

} // namespace

bool CDlgKWType::onInitDialog() {
    m_loading = true;
    if (auto* c = combo(this, kKindId))
        for (const wchar_t* t : {L"Getal", L"Tekst", L"Afbeelding"})
            c->addString(t);
    if (auto* c = combo(this, kHAlignId))
        for (const wchar_t* t : {L"Links", L"Rechts", L"Gecentreerd"})
            c->addString(t);
    if (auto* c = combo(this, kVAlignId))
        for (const wchar_t* t : {L"Boven", L"Onder", L"Gecentreerd"})
            c->addString(t);
    if (auto* c = combo(this, kRotationId))
        for (const wchar_t* t :
             {L"0\u00B0 (Normaal)", L"90\u00B0, van links naar rechts",
              L"180\u00B0 (Ondersteboven)", L"270\u00B0, van rechts naar links",
              L"Verticaal, van links naar rechts", L"Verticaal, van rechts naar links"})
            c->addString(t);

    m_kind = m_record.kind >= 0 && m_record.kind <= 2 ? m_record.kind : CellTypeRecord::kNumber;
    m_record.kind = m_kind;
    m_kindFlags[static_cast<size_t>(m_kind)] = m_record.style & kindMask(m_kind);
    if (auto* c = combo(this, kKindId))
        c->setCurSel(m_kind);
    // An alignment or rotation the lists do not hold leaves the list without a choice
    // (and the cell as it was).
    if (auto* c = combo(this, kHAlignId))
        c->setCurSel(positionOf(kHFlags, 3, m_record.style & kHMask));
    if (auto* c = combo(this, kVAlignId))
        c->setCurSel(positionOf(kVFlags, 3, m_record.style & kVMask));
    if (auto* c = combo(this, kRotationId))
        c->setCurSel(positionOf(kRotations, 6, m_record.rotation & grid::kStyleRotationMask));

    kw::setupPreview(m_preview, this, kPreviewId, {0, 3, 117, 3}, {0, 3, 50, 3});
    loadFields();
    m_loading = false;
    refreshPreview();
    return true;
}

void CDlgKWType::loadFields() {
    const bool wasLoading = m_loading;
    m_loading = true;
    static const wchar_t* const kLabels[3] = {
        L"Aantal cijfers achter komma:", L"Maximum aantal letters:", L"Bestand van afbeelding:"};
    static const wchar_t* const kFirst[3] = {L"Negatieve getallen automatisch rood kleuren",
                                             L"Lange teksten mogen op meerdere lijnen",
                                             L"Afbeelding rekken tot het past"};
    setDlgItemText(kFieldLabelId, kLabels[m_kind]);
    setDlgItemText(kFirstCheckId, kFirst[m_kind]);
    setDlgItemText(kSecondCheckId, L"Schaal proportioneel behouden");
    switch (m_kind) {
    case CellTypeRecord::kNumber:
        setDlgItemText(kFieldId, std::to_wstring(m_record.decimals));
        break;
    case CellTypeRecord::kText:
        setDlgItemText(kFieldId, std::to_wstring(m_record.maxLetters));
        break;
    default:
        setDlgItemText(kFieldId, m_record.pictureFile);
        break;
    }
    const uint32_t flags = m_kindFlags[static_cast<size_t>(m_kind)];
    const bool first = (flags & kFirstFlag[m_kind]) != 0;
    checkDlgButton(kFirstCheckId, first ? 1 : 0);
    checkDlgButton(kSecondCheckId, first && (flags & kSecondFlag[m_kind]) ? 1 : 0);
    const bool picture = m_kind == CellTypeRecord::kPicture;
    auto show = [&](int id, bool visible) {
        if (ui::Window* w = getDlgItem(id))
            w->showWindow(visible ? ui::SW_SHOW : ui::SW_HIDE);
    };
    show(kSecondCheckId, picture);
    show(kBrowseId, picture);
    show(kRotationLabelId, !picture);
    show(kRotationId, !picture);
    enableDlgItem(this, kSecondCheckId, picture && first);
    m_loading = wasLoading;
}

void CDlgKWType::storeFields() {
    const std::wstring field = getDlgItemText(kFieldId);
    long n = 0;
    switch (m_kind) {
    case CellTypeRecord::kNumber:
        if (parseWhole(field, n))
            m_record.decimals = static_cast<int>(
                std::clamp<long>(n, CellTypeRecord::kMinDecimals, CellTypeRecord::kMaxDecimals));
        break;
    case CellTypeRecord::kText:
        if (parseWhole(field, n))
            m_record.maxLetters = static_cast<int>(
                std::clamp<long>(n, CellTypeRecord::kMinLetters, CellTypeRecord::kMaxLetters));
        break;
    default:
        m_record.pictureFile = field;
        break;
    }
    uint32_t flags = 0;
    if (isDlgButtonChecked(kFirstCheckId) == 1) {
        flags |= kFirstFlag[m_kind];
        if (isDlgButtonChecked(kSecondCheckId) == 1)
            flags |= kSecondFlag[m_kind];
    }
    m_kindFlags[static_cast<size_t>(m_kind)] = flags;
}

uint32_t CDlgKWType::alignmentAndRotation(uint32_t& rotation) {
    uint32_t style = 0;
    if (auto* c = combo(this, kHAlignId); c && c->getCurSel() >= 0)
        style |= kHFlags[c->getCurSel()];
    if (auto* c = combo(this, kVAlignId); c && c->getCurSel() >= 0)
        style |= kVFlags[c->getCurSel()];
    rotation = m_record.rotation;
    if (auto* c = combo(this, kRotationId); c && c->getCurSel() >= 0)
        rotation = kRotations[c->getCurSel()];
    return style;
}

CellTypeRecord CDlgKWType::recordFromControls() {
    storeFields();
    CellTypeRecord r = m_record;
    r.kind = m_kind;
    // Bits this dialog does not show are kept as they came; those it shows for the old
    // or the new kind come from the controls.
    const uint32_t shown = kHMask | kVMask | kindMask(m_record.kind) | kindMask(m_kind);
    r.style = (m_record.style & ~shown & ~grid::kStyleRotationMask) |
              alignmentAndRotation(r.rotation) | m_kindFlags[static_cast<size_t>(m_kind)];
    return r;
}

void CDlgKWType::refreshPreview() {
    if (m_loading || !m_preview.isAttached())
        return;
    const CellTypeRecord r = recordFromControls();
    grid::Sheet& s = m_preview.sheet();
    kw::applyCellType(s, {kw::kPreviewCol, kw::kPreviewRow, kw::kPreviewCol, kw::kPreviewRow}, r);
    if (r.kind == CellTypeRecord::kNumber)
        s.setNumber(kw::kPreviewCol, kw::kPreviewRow, 123.456789);
    else if (r.kind == CellTypeRecord::kText)
        s.setText(kw::kPreviewCol, kw::kPreviewRow, "Kieke zonder kop");
    else
        s.clearContents(kw::kPreviewCol, kw::kPreviewRow);
    s.setChanged(false);
    m_preview.invalidate();
}

void CDlgKWType::browse() {
    Tvl_String path(getDlgItemText(kFieldId));
    if (kw::sheetFileDialog(this, true, Tvl_StringArray{L"bmp"},
                            Tvl_StringArray{L"Bitmap bestand (*.bmp)"}, L"Afbeelding inladen",
                            path))
        setDlgItemText(kFieldId, path.str());
}

bool CDlgKWType::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr || m_loading)
        return ui::Dialog::onCommand(id, code, from);
    switch (id) {
    case kKindId:
        if (code == ui::CBN_SELCHANGE) {
            const int kind = combo(this, kKindId)->getCurSel();
            if (kind >= 0 && kind <= 2 && kind != m_kind) {
                storeFields();
                m_kind = kind;
                loadFields();
                refreshPreview();
            }
            return true;
        }
        break;
    case kHAlignId:
    case kVAlignId:
    case kRotationId:
        if (code == ui::CBN_SELCHANGE) {
            refreshPreview();
            return true;
        }
        break;
    case kFieldId:
        if (code == ui::EN_CHANGE) {
            refreshPreview();
            return true;
        }
        break;
    case kFirstCheckId:
        if (code == ui::BN_CLICKED) {
            const bool on = isDlgButtonChecked(kFirstCheckId) == 1;
            // "Keep proportions" only means something while the picture is stretched.
            if (!on)
                checkDlgButton(kSecondCheckId, 0);
            enableDlgItem(this, kSecondCheckId, on && m_kind == CellTypeRecord::kPicture);
            refreshPreview();
            return true;
        }
        break;
    case kSecondCheckId:
        if (code == ui::BN_CLICKED) {
            refreshPreview();
            return true;
        }
        break;
    case kBrowseId:
        if (code == ui::BN_CLICKED) {
            browse();
            return true;
        }
        break;
    default:
        break;
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgKWType::onOK() {
    m_record = recordFromControls();
    endDialog(ui::IDOK);
}
