// Binding of the general page: each drawn control of the tab's design to the item its
// contents name, and the grid rows of every item left over.

#include "kw/macro/CMacroTabGeneral.h"

#include <algorithm>
#include <filesystem>

#include "core/LanguageTexts.h"
#include "core/MacroLangs.h"
#include "core/MacroTabData.h"
#include "core/Tvl_Settings.h"
#include "kw/macro/MacroIds.h"
#include "platform/base/Paths.h"

using namespace kw::macro;

namespace {

// Cell kinds' grid cell types.
constexpr int kMaxEditLength = 1000;

bool isAbsolute(const Tvl_String& path) {
    return path.startsWith(L"\\") || (path.length() >= 2 && path[1] == L':');
}

// The drawing names (without ".dwg") of a folder, sorted; none when it cannot be read.
Tvl_StringArray drawingsIn(const Tvl_String& folder) {
    Tvl_StringArray names;
    if (folder.isEmpty())
        return names;
    std::error_code ec;
    const std::filesystem::path dir = base::toNative(folder.str());
    std::vector<std::wstring> found;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const auto& p = it->path();
        std::wstring ext = p.extension().wstring();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::towlower);
        if (ext == L".dwg" && it->is_regular_file(ec))
            found.push_back(p.stem().wstring());
    }
    std::sort(found.begin(), found.end());
    for (const auto& n : found)
        names.append(Tvl_String(n));
    return names;
}

} // namespace

Tvl_String CMacroTabGeneral::resolveListFile(const Tvl_String& file) const {
    // List files named relative to the library folder are found there.
    if (file.isEmpty() || isAbsolute(file))
        return file;
    return gSettings.libDir() + file;
}

Tvl_String CMacroTabGeneral::designPath(const Tvl_String& designFile) {
    if (designFile.isEmpty())
        return designFile;
    Tvl_String file = designFile;
    if (!isAbsolute(file))
        file = getDesignerRootFolder() + file;
    if (!file.endsWith(L".txt", true))
        file += L".txt";
    return file;
}

Tvl_String CMacroTabGeneral::fitCaption(const Tvl_DesignerControl& control,
                                        const Tvl_String& caption) const {
    const double width = (control.bottomRightX - control.topLeftX) * m_pictureWidth;
    return caption.length() * 3 > width ? Tvl_String(L"...") : caption;
}

void CMacroTabGeneral::bind() {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    t->removeAllDlgReferences();
    m_drawnGroups.clear();
    m_designBoltControls = false;
    m_pictureWidth = 0;
    m_pictureHeight = 0;
    if (!t->m_designFile.isEmpty() &&
        m_design.initialize(this, kFirstDrawnId, kLastDrawnId, 0, 0, 0, 0, 0, false)) {
        const Tvl_String file = designPath(t->m_designFile);
        // A missing or damaged design leaves no controls: every item goes to the grid.
        if (m_design.readFromFile(file, true)) {
            m_design.getImageSize(m_pictureWidth, m_pictureHeight);
            // Without its picture a design has no size: its controls would all lie at
            // one point, out of the user's reach. Its items are shown in the grid.
            if (m_pictureWidth <= 0 || m_pictureHeight <= 0) {
                m_pictureWidth = 0;
                m_pictureHeight = 0;
                while (m_design.getNrControls() > 0)
                    m_design.removeControl(m_design.getNrControls() - 1);
            }
            for (int i = 0; i < m_design.getNrControls();) {
                if (bindControl(*t, *m_design.getControlWrite(i)))
                    ++i;
                else
                    m_design.removeControl(i);
            }
        }
        m_design.redrawAllControls();
        // Read-only cells are read-only in their drawn controls.
        for (int i = 0; i < t->m_cells.length(); ++i) {
            const MacroCell& cell = t->m_cells[i];
            if (cell.m_reference > 0)
                m_design.setCtrlReadOnly(cell.m_reference, cell.m_readOnly);
        }
    }
    buildGrid(*t);
}

bool CMacroTabGeneral::bindControl(MacroTabData& t, Tvl_DesignerControl& control) {
    const int id = control.resourceId;
    if (id == 0)
        return false;
    const Tvl_String name = control.contents;
    switch (control.type) {
    case tvlCtrlEdit:
    case tvlCtrlCombo: {
        MacroCell* cell = t.cellWithName(name);
        if (cell == nullptr)
            return false;
        if (control.type == tvlCtrlCombo) {
            // The design's list file, else (missing or empty) the cell's own entries.
            Tvl_DesignerControl lookup = control;
            lookup.comboList = resolveListFile(control.comboList);
            Tvl_StringArray items;
            if (!lookup.getComboItemsFromFile(items) || items.length() == 0)
                items = cell->m_list;
            control.comboItems = items;
        }
        control.contents = cell->m_value;
        cell->m_reference = id;
        return true;
    }
    case tvlCtrlBoltCount1:
    case tvlCtrlBoltCount2: {
        MacroPatternProps* pattern = t.patternWithName(name);
        if (pattern == nullptr)
            return false;
        const int which = control.type == tvlCtrlBoltCount1 ? 1 : 2;
        if (which == 2 && pattern->getCount(2) == -1)
            return false;
        control.contents = pattern->countText(which);
        (which == 1 ? pattern->m_refCount1 : pattern->m_refCount2) = id;
        return true;
    }
    case tvlCtrlPatternButton: {
        MacroPatternProps* pattern = t.patternWithName(name);
        if (pattern == nullptr)
            return false;
        control.contents = L"...";
        pattern->m_refButton = id;
        return true;
    }
    case tvlCtrlBoltAssembly:
    case tvlCtrlBoltValue1:
    case tvlCtrlBoltValue1 + 1:
    case tvlCtrlBoltValue1 + 2:
    case tvlCtrlBoltValue4: {
        const int field = control.type - tvlCtrlBoltAssembly;
        control.contents = t.m_bolt.field(field);
        t.m_bolt.setReference(field, id);
        return true;
    }
    case tvlCtrlBoltButton:
        control.contents = fitCaption(control, dialString(kTextAdvanced));
        m_designBoltControls = true;
        return true;
    case tvlCtrlProfGroup:
    case tvlCtrlProfButton:
    case tvlCtrlProfCombo1:
    case tvlCtrlProfCombo2:
    case tvlCtrlProfButton2: {
        int index = -1;
        if (!t.findProfDataWithGroup(name, index))
            return false;
        m_drawnGroups[id] = name;
        if (control.type == tvlCtrlProfButton)
            control.contents = dialString(kTextDots);
        else if (control.type == tvlCtrlProfButton2)
            control.contents = fitCaption(control, dialString(kTextAdvanced));
        return true;
    }
    case tvlCtrlArrayValue1:
    case tvlCtrlArrayValue1 + 1:
    case tvlCtrlArrayValue1 + 2:
    case tvlCtrlArrayValue1 + 3:
    case tvlCtrlArrayValue5:
    case tvlCtrlArrayEntries:
    case tvlCtrlArrayButton: {
        DynArrayData* array = t.arrayWithName(name);
        if (array == nullptr)
            return false;
        if (control.type == tvlCtrlArrayValue1) {
            control.contents = array->m_count;
            array->m_reference = id;
        } else if (control.type <= tvlCtrlArrayValue5) {
            const int k = control.type - tvlCtrlArrayValue1 - 1;
            control.contents = array->m_furtherValues[k];
            array->m_valueRefs[k] = id;
        } else if (control.type == tvlCtrlArrayEntries) {
            control.contents = array->entriesText();
            array->m_entriesRef = id;
        } else {
            control.contents = fitCaption(control, dialString(kTextAdvanced));
            array->m_buttonRef = id;
        }
        return true;
    }
    case tvlCtrlFlexDim:
    case tvlCtrlFlexDim2:
        // The cells are looked up when the button is pressed.
        return true;
    case tvlCtrlBlock:
        control.comboItems = drawingsIn(resolveListFile(control.comboList));
        return true;
    case tvlCtrlCut: {
        MacroCutData* cut = t.cutWithName(name);
        if (cut == nullptr)
            return false;
        control.contents = Tvl_String(cut->m_value);
        cut->m_reference = id;
        return true;
    }
    case tvlCtrlCheck: {
        MacroCell* cell = t.cellWithName(name);
        if (cell == nullptr)
            return false;
        control.contents = gMacroLangs.GetStringChopSymbols(name);
        control.comboList = cell->m_value;
        cell->m_reference = id;
        return true;
    }
    case tvlCtrlFlexButton:
        return true;
    default:
        control.contents = gMacroLangs.GetStringChopSymbols(name);
        return true;
    }
}

void CMacroTabGeneral::setUpGridRow(int row, const MacroCell& cell) {
    m_grid.setData(kColName, row, cell.m_name.str());
    m_grid.sheet().setLocked(grid::CellRange{kColName, row, kColName, row}, true);
    switch (cell.m_kind) {
    case MacroCell::kList:
    case MacroCell::kEditableList: {
        std::string joined;
        for (int i = 0; i < cell.m_list.length(); ++i) {
            if (i > 0)
                joined += '\t';
            joined += cell.m_list[i].toUtf8();
        }
        m_grid.sheet().setCellType(kColValue, row,
                                   grid::CellType::comboBox(joined, cell.m_kind == MacroCell::kList
                                                                        ? 0x100000
                                                                        : 0x100002));
        break;
    }
    case MacroCell::kCheck:
        m_grid.setCellCheckBox(kColValue, row);
        break;
    default:
        m_grid.sheet().setCellType(kColValue, row, grid::CellType::edit(kMaxEditLength));
        break;
    }
    m_grid.sheet().setLocked(grid::CellRange{kColValue, row, kColValue, row}, cell.m_readOnly);
}

void CMacroTabGeneral::buildGrid(MacroTabData& t) {
    // Rows in order: cells not drawn, patterns not wholly drawn (bolt tabs), arrays not
    // drawn. Each takes -row as its reference.
    struct Row {
        int kind; // 0 cell, 1 pattern, 2 array
        int index;
    };
    std::vector<Row> rows;
    for (int i = 0; i < t.m_cells.length(); ++i) {
        if (t.m_cells[i].m_reference < 1)
            rows.push_back({0, i});
    }
    if (t.isBoltTab()) {
        for (int i = 0; i < t.m_patterns.length(); ++i) {
            const MacroPatternProps& p = t.m_patterns[i];
            const bool wholeDrawn = p.m_refCount1 > 0 && p.m_refButton > 0 &&
                                    (p.m_refCount2 > 0 || p.getCount(2) == -1);
            if (!wholeDrawn)
                rows.push_back({1, i});
        }
    }
    for (int i = 0; i < t.m_arrays.length(); ++i) {
        if (t.m_arrays[i].m_reference < 1)
            rows.push_back({2, i});
    }
    m_gridRows = static_cast<int>(rows.size());
    if (!m_gridMade)
        return;
    m_grid.setRowCount(m_gridRows);
    for (int r = 1; r <= m_gridRows; ++r) {
        const Row& row = rows[static_cast<size_t>(r - 1)];
        if (row.kind == 0) {
            MacroCell& cell = t.m_cells[row.index];
            cell.m_reference = -r;
            setUpGridRow(r, cell);
        } else if (row.kind == 1) {
            MacroPatternProps& p = t.m_patterns[row.index];
            if (p.m_refCount1 < 1)
                p.m_refCount1 = -r;
            if (p.m_refCount2 < 1)
                p.m_refCount2 = -r;
            p.m_refButton = -r;
            m_grid.setData(kColName, r, p.m_name.str());
            m_grid.sheet().setLocked(grid::CellRange{kColName, r, kColName, r}, true);
            if (p.m_dialogFlag)
                m_grid.setCellButton(kColButton, r, dialString(kTextEditButton));
            if (p.getCount(2) == -1)
                m_grid.sheet().setLocked(grid::CellRange{kColSecond, r, kColSecond, r}, true);
        } else {
            DynArrayData& a = t.m_arrays[row.index];
            a.m_reference = -r;
            m_grid.setData(kColName, r, a.m_name.str());
            m_grid.sheet().setLocked(grid::CellRange{kColName, r, kColName, r}, true);
            m_grid.setCellButton(kColButton, r, dialString(kTextEditButton));
        }
    }
    refresh();
    m_grid.fitColumn(kColName);
    m_grid.sheet().setChanged(false);
}
