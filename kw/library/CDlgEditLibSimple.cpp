#include "kw/library/CDlgEditLibSimple.h"

#include <vector>

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "core/MacroLangs.h"
#include "core/StringHelpers.h"
#include "core/detail/Files.h"
#include "core/library/DlgEditLibData.h"
#include "core/library/SectionShapes.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"
#include "platform/ui/Image.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/Static.h"

namespace {

using T = CDlgEditLibSimple;

constexpr const wchar_t* kPlacement = L"DLG_EDITLIBSIMPLE";
constexpr int kMaxPatternRows = 9999;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = T::kTemplateId;
    t.caption = L"Nieuw profiel";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::DS_MODALFRAME;
    t.rect = ui::dlu(0, 0, 262, 196);
    t.controls = {
        {T::kFrameId, L"Button", L"Systeemnaam", ui::BS_GROUPBOX, ui::dlu(6, 4, 250, 50)},
        {T::kAutoId, L"Button", L"Automatisch", ui::BS_AUTORADIOBUTTON | ui::WS_GROUP,
         ui::dlu(12, 15, 110, 10)},
        {T::kOwnId, L"Button", L"Eigen naam", ui::BS_AUTORADIOBUTTON, ui::dlu(130, 15, 110, 10)},
        {T::kNameLabelId, L"Static", L"Systeemnaam:", 0, ui::dlu(12, 34, 60, 8)},
        {T::kNameId, L"Edit", L"", ui::WS_BORDER | ui::ES_AUTOHSCROLL | ui::WS_GROUP,
         ui::dlu(76, 32, 170, 12)},
        {T::kPictureId, L"Static", L"", ui::SS_BITMAP | ui::SS_CENTERIMAGE,
         ui::dlu(150, 60, 106, 108)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, ui::dlu(150, 176, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, ui::dlu(206, 176, 50, 14)},
    };
    for (int k = 0; k < T::kPairs; ++k) {
        const int y = 62 + 16 * k;
        t.controls.push_back(
            {T::kFirstPairId + 2 * k, L"Static", L"", 0, ui::dlu(12, y + 2, 50, 8)});
        t.controls.push_back({T::kFirstPairId + 2 * k + 1, L"Edit", L"",
                              ui::WS_BORDER | ui::ES_AUTOHSCROLL, ui::dlu(66, y, 76, 12)});
    }
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

Tvl_String fieldOf(const Tvl_StringArray& row, int index) {
    return index >= 0 && index < row.length() ? row[index] : Tvl_String();
}

Tvl_String beforeFirstDigit(const Tvl_String& text) {
    int pos = -1;
    return findFirstNumbers(text, pos) ? text.getSubStringAt(0, pos) : text;
}

// Splits a name into runs of a number ("48.3") and of other text.
std::vector<std::pair<bool, Tvl_String>> tokens(const Tvl_String& name) {
    std::vector<std::pair<bool, Tvl_String>> out;
    int i = 0;
    while (i < name.length()) {
        const bool digit = name[i] >= L'0' && name[i] <= L'9';
        int j = i + 1;
        while (j < name.length()) {
            const wchar_t c = name[j];
            const bool d = c >= L'0' && c <= L'9';
            const bool point = digit && c == L'.' && j + 1 < name.length() && name[j + 1] >= L'0' &&
                               name[j + 1] <= L'9';
            if (digit ? !(d || point) : d)
                break;
            ++j;
        }
        out.emplace_back(digit, name.getSubStringAt(i, j - i));
        i = j;
    }
    return out;
}

} // namespace

int CDlgEditLibSimple::compareNames(const Tvl_String& a, const Tvl_String& b) {
    const auto ta = tokens(a);
    const auto tb = tokens(b);
    for (size_t i = 0; i < ta.size() && i < tb.size(); ++i) {
        int c = 0;
        if (ta[i].first && tb[i].first) {
            const double x = ta[i].second.toDouble(), y = tb[i].second.toDouble();
            c = x < y ? -1 : (x > y ? 1 : 0);
        } else if (ta[i].first != tb[i].first) {
            c = ta[i].first ? -1 : 1; // numbers before text
        } else {
            c = ta[i].second.compare(tb[i].second, true);
        }
        if (c != 0)
            return c < 0 ? -1 : 1;
    }
    return ta.size() < tb.size() ? -1 : (ta.size() > tb.size() ? 1 : 0);
}

int CDlgEditLibSimple::sortedPosition(const Tvl_StringArray& names, const Tvl_String& name) {
    for (int i = 0; i < names.length(); ++i)
        if (compareNames(names[i], name) > 0)
            return i;
    return names.length();
}

CDlgEditLibSimple::CDlgEditLibSimple(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool CDlgEditLibSimple::readPattern(const Tvl_ProfValuesTable& table, int row,
                                    const Tvl_Array<int>& valueColumns, Tvl_Array<int>& pattern) {
    pattern.clear();
    Tvl_StringArray fields;
    if (!table.getRow(fields, row) || fields.length() == 0 || fields[0].isEmpty())
        return false;
    Tvl_StringArray parts;
    strToArr(fields[0], L"x", parts);
    std::vector<bool> used(static_cast<size_t>(valueColumns.length()), false);
    for (const Tvl_String& part : parts) {
        int found = -1;
        for (int v = 0; v < valueColumns.length() && found < 0; ++v) {
            if (used[static_cast<size_t>(v)])
                continue;
            const Tvl_String field = fieldOf(fields, valueColumns[v]);
            const bool match = isNumber(part)
                                   ? isNumber(field) && field.toDouble() == part.toDouble()
                                   : !part.isEmpty() && field.contains(part);
            if (match)
                found = v;
        }
        if (found < 0) {
            pattern.clear();
            return false;
        }
        used[static_cast<size_t>(found)] = true;
        pattern.append(valueColumns[found]);
    }
    return pattern.length() > 0;
}

void CDlgEditLibSimple::learnPattern() {
    m_pattern.clear();
    m_prefixes.clear();
    for (int i = 0; i < m_languageColumns.length(); ++i)
        m_prefixes.append(Tvl_String());
    if (m_model < 0)
        return;
    const int last = std::min(m_table.rows.length(), m_model + kMaxPatternRows);
    for (int r = m_model; r < last; ++r) {
        if (!readPattern(m_table, r, m_valueColumns, m_pattern))
            continue;
        for (int i = 0; i < m_languageColumns.length(); ++i)
            m_prefixes[i] = beforeFirstDigit(fieldOf(m_table.rows[r], m_languageColumns[i]));
        return;
    }
}

bool CDlgEditLibSimple::onInitDialog() {
    setWindowText(dialString(796).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    setDlgItemText(kFrameId, dialString(797).str());
    setDlgItemText(kAutoId, dialString(1377).str());
    setDlgItemText(kOwnId, dialString(1378).str());
    setDlgItemText(kNameLabelId, (dialString(797) + L":").str());
    restoreWindowPlacement(this, kPlacement);

    // Language columns by name; every other column behind the flag holds a value.
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    m_languageColumns.clear();
    for (const Tvl_String& code : codes)
        m_languageColumns.append(m_table.getColumnIdx(code));
    m_valueColumns.clear();
    for (int c = 2; c < m_table.columnNames.length(); ++c)
        if (m_languageColumns.find(c) < 0)
            m_valueColumns.append(c);

    // The model row: the named entry, else the first one (none in an empty table).
    m_model = -1;
    if (!m_table.findSysName(m_sysName, m_model))
        m_model = m_table.rows.length() > 0 ? 0 : -1;
    learnPattern();

    Tvl_StringArray model;
    m_table.getRow(model, m_model);
    setDlgItemText(kNameId, fieldOf(model, 0).str());
    for (int k = 0; k < kPairs; ++k) {
        const bool shown = m_model >= 0 && k < m_valueColumns.length();
        const int label = kFirstPairId + 2 * k;
        if (shown) {
            setDlgItemText(label, (m_table.columnNames[m_valueColumns[k]] + L":").str());
            setDlgItemText(label + 1, fieldOf(model, m_valueColumns[k]).str());
        }
        for (int id : {label, label + 1})
            if (ui::Window* w = getDlgItem(id))
                w->showWindow(shown ? ui::SW_SHOW : ui::SW_HIDE);
    }

    // The picture of the table's shape; a missing picture leaves the frame empty.
    Tvl_String picture =
        sectionshapes::pictureName(sectionshapes::shapeNumber(m_table.sectionType));
    if (sectionshapes::isDrawingName(m_table.sectionType))
        picture = removeExtension(getFileName(m_table.sectionType));
    if (auto* frame = dynamic_cast<ui::Static*>(getDlgItem(kPictureId));
        frame && !picture.isEmpty())
        frame->setBitmap(ui::loadImageFile(
            core_detail::nativePath(DlgEditLibData::pictureFolder() + picture + L".bmp").string()));

    checkDlgButton(kAutoId, ui::BST_CHECKED);
    checkDlgButton(kOwnId, ui::BST_UNCHECKED);
    if (ui::Window* w = getDlgItem(kNameId))
        w->enableWindow(false);
    m_ready = true;
    showComposed();
    return true;
}

Tvl_String CDlgEditLibSimple::valueText(int column) const {
    const int k = m_valueColumns.find(column);
    if (k >= 0 && k < kPairs)
        return Tvl_String(getDlgItemText(kFirstPairId + 2 * k + 1));
    // Values beyond the eight edits keep the model row's text.
    Tvl_StringArray model;
    m_table.getRow(model, m_model);
    return fieldOf(model, column);
}

Tvl_String CDlgEditLibSimple::composedName() const {
    Tvl_String name;
    for (int i = 0; i < m_pattern.length(); ++i) {
        if (i > 0)
            name += L"x";
        name += valueText(m_pattern[i]).trimmed();
    }
    return name;
}

Tvl_String CDlgEditLibSimple::prefixOf(int languageIndex) const {
    return languageIndex >= 0 && languageIndex < m_prefixes.length() ? m_prefixes[languageIndex]
                                                                     : Tvl_String();
}

void CDlgEditLibSimple::showComposed() {
    if (!m_ready || isDlgButtonChecked(kAutoId) != ui::BST_CHECKED)
        return;
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    int current = -1;
    codes.find(gMacroLangs.GetCurLanguage(), current);
    setDlgItemText(kNameId, (prefixOf(current) + composedName()).str());
}

bool CDlgEditLibSimple::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED && (id == kAutoId || id == kOwnId)) {
        const bool automatic = isDlgButtonChecked(kAutoId) == ui::BST_CHECKED;
        if (ui::Window* w = getDlgItem(kNameId))
            w->enableWindow(!automatic);
        showComposed();
        return true;
    }
    if (from != nullptr && code == ui::EN_CHANGE && id >= kFirstPairId &&
        id < kFirstPairId + 2 * kPairs && (id - kFirstPairId) % 2 == 1) {
        showComposed();
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

bool CDlgEditLibSimple::checkRow(const Tvl_StringArray& row) {
    // A rectangular tube's wall must be thinner than its corner radius.
    const Tvl_String shape = m_table.sectionType.trimmed();
    if (sectionshapes::isDrawingName(shape) || !isNumber(shape) ||
        shape.toDouble() != sectionshapes::kRectTube || row.length() < 10)
        return true;
    const double a = row[8].toDouble();
    const double b = row[9].toDouble();
    if (b == 0 || a < b)
        return true;
    ui::messageBox(
        this,
        (dialString(1457) + L"\n" + dialString(1458) + L"\n\n" + dialString(888) + L".").str(),
        dialString(1098).str(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return false;
}

void CDlgEditLibSimple::onOK() {
    auto refuse = [&](const Tvl_String& text, int caption) {
        ui::messageBox(this, text.str(), dialString(caption).str(),
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
    };
    if (m_model < 0) {
        refuse(dialString(888) + L".", 1098); // an empty table has no model to copy
        return;
    }
    const bool automatic = isDlgButtonChecked(kAutoId) == ui::BST_CHECKED;
    const Tvl_String sysName =
        automatic ? composedName() : Tvl_String(getDlgItemText(kNameId)).trimmed();
    int existing = -1;
    if (sysName.isEmpty()) {
        refuse(dialString(888) + L".", 1098);
        return;
    }
    if (m_table.findSysName(sysName, existing)) {
        refuse(dialString(857) + L".\n" + dialString(858) + L".", 856);
        return;
    }
    Tvl_StringArray row;
    m_table.getRow(row, m_model);
    if (row.length() < m_table.columnNames.length())
        row.setLogicalLength(m_table.columnNames.length());
    if (row.length() < 2)
        row.setLogicalLength(2);
    row[0] = sysName;
    row[1] = L"1";
    for (int i = 0; i < m_languageColumns.length(); ++i) {
        const int c = m_languageColumns[i];
        if (c >= 0 && c < row.length())
            row[c] = automatic ? prefixOf(i) + sysName : sysName;
    }
    for (int k = 0; k < kPairs && k < m_valueColumns.length(); ++k)
        if (m_valueColumns[k] < row.length())
            row[m_valueColumns[k]] = Tvl_String(getDlgItemText(kFirstPairId + 2 * k + 1));
    if (!checkRow(row))
        return;
    Tvl_StringArray names;
    m_table.getColumn(names, 0);
    const int at = sortedPosition(names, sysName);
    m_table.rows.insertAt(at, row);
    m_resultIndex = m_table.getfilteredIdx(at);
    endDialog(ui::IDOK);
}

void CDlgEditLibSimple::onDestroy() {
    saveWindowPlacement(this, kPlacement);
}
