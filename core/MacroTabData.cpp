#include "core/MacroTabData.h"

#include "core/model/BoltLibrary.h"

namespace {

template <class List, class Same>
void listDifferences(const List& now, const List& before, int code, Same same,
                     Tvl_StringArray& names, Tvl_Array<int>& codes, Tvl_Array<int>& indices) {
    for (int i = 0; i < now.length(); ++i) {
        const bool changed = i >= before.length() || !same(now[i], before[i]);
        if (changed) {
            names.append(now[i].m_name);
            codes.append(code);
            indices.append(i);
        }
    }
}

template <class List, class Name>
bool findByName(const List& list, const Tvl_String& name, int& index, Name nameOf) {
    for (int i = 0; i < list.length(); ++i) {
        if (nameOf(list[i]) == name) {
            index = i;
            return true;
        }
    }
    index = -1;
    return false;
}

} // namespace

bool MacroTabData::differences(const MacroTabData& before, Tvl_StringArray& names,
                               Tvl_Array<int>& codes, Tvl_Array<int>& indices) const {
    names.clear();
    codes.clear();
    indices.clear();
    listDifferences(
        m_cells, before.m_cells, kMacroItemCell,
        [](const MacroCell& a, const MacroCell& b) { return a.sameValue(b); }, names, codes,
        indices);
    listDifferences(
        m_patterns, before.m_patterns, kMacroItemPattern,
        [](const MacroPatternProps& a, const MacroPatternProps& b) { return a.sameValue(b); },
        names, codes, indices);
    if (!m_bolt.sameValue(before.m_bolt)) {
        names.append(L"bolts");
        codes.append(kMacroItemBolt);
        indices.append(0);
    }
    listDifferences(
        m_arrays, before.m_arrays, kMacroItemArray,
        [](const DynArrayData& a, const DynArrayData& b) { return a.sameValue(b); }, names, codes,
        indices);
    listDifferences(
        m_cuts, before.m_cuts, kMacroItemCut,
        [](const MacroCutData& a, const MacroCutData& b) {
            return a.m_name == b.m_name && a.m_value == b.m_value;
        },
        names, codes, indices);
    for (int i = 0; i < m_flexGroups.length(); ++i) {
        if (i >= before.m_flexGroups.length() || !(m_flexGroups[i] == before.m_flexGroups[i])) {
            names.append(m_flexGroups[i].m_group);
            codes.append(kMacroItemFlexFix);
            indices.append(i);
        }
    }
    for (int i = 0; i < m_profs.length(); ++i) {
        if (i >= before.m_profs.length() || !m_profs[i].sameValue(before.m_profs[i])) {
            names.append(m_profs[i].m_group);
            codes.append(kMacroItemProfGroup);
            indices.append(i);
        }
    }
    if (!(m_segmented == before.m_segmented)) {
        names.append(L"segmented");
        codes.append(kMacroItemSegmented);
        indices.append(0);
    }
    return names.length() > 0;
}

void MacroTabData::removeAllDlgReferences() {
    for (MacroCell& cell : m_cells)
        cell.m_reference = 0;
    for (MacroPatternProps& pattern : m_patterns) {
        pattern.m_refCount1 = 0;
        pattern.m_refCount2 = 0;
        pattern.m_refButton = 0;
    }
    m_bolt.clearReferences();
    for (DynArrayData& array : m_arrays)
        array.clearReferences();
    for (MacroCutData& cut : m_cuts)
        cut.m_reference = 0;
    for (MacroProfData& prof : m_profs)
        prof.clearReferences();
}

bool MacroTabData::findCellWithName(const Tvl_String& name, int& index) const {
    return findByName(m_cells, name, index, [](const MacroCell& c) { return c.m_name; });
}
bool MacroTabData::findPatternWithName(const Tvl_String& name, int& index) const {
    return findByName(m_patterns, name, index, [](const MacroPatternProps& p) { return p.m_name; });
}
bool MacroTabData::findArrayWithName(const Tvl_String& name, int& index) const {
    return findByName(m_arrays, name, index, [](const DynArrayData& a) { return a.m_name; });
}
bool MacroTabData::findCutWithName(const Tvl_String& name, int& index) const {
    return findByName(m_cuts, name, index, [](const MacroCutData& c) { return c.m_name; });
}
bool MacroTabData::findProfDataWithGroup(const Tvl_String& group, int& index) const {
    return findByName(m_profs, group, index, [](const MacroProfData& p) { return p.m_group; });
}

MacroCell* MacroTabData::cellWithName(const Tvl_String& name) {
    int index = -1;
    return findCellWithName(name, index) ? &m_cells[index] : nullptr;
}
const MacroCell* MacroTabData::cellWithName(const Tvl_String& name) const {
    int index = -1;
    return findCellWithName(name, index) ? &m_cells[index] : nullptr;
}
MacroPatternProps* MacroTabData::patternWithName(const Tvl_String& name) {
    int index = -1;
    return findPatternWithName(name, index) ? &m_patterns[index] : nullptr;
}
DynArrayData* MacroTabData::arrayWithName(const Tvl_String& name) {
    int index = -1;
    return findArrayWithName(name, index) ? &m_arrays[index] : nullptr;
}
MacroCutData* MacroTabData::cutWithName(const Tvl_String& name) {
    int index = -1;
    return findCutWithName(name, index) ? &m_cuts[index] : nullptr;
}

void MacroTabData::getProfGroups(Tvl_StringArray& names) const {
    names.clear();
    for (const MacroProfData& prof : m_profs)
        names.append(prof.m_group);
}

bool MacroTabData::getProfIdsOfGroup(const Tvl_String& group, AcArray<AcDbObjectId>& ids) const {
    int index = -1;
    if (!findProfDataWithGroup(group, index))
        return false;
    ids = m_profs[index].m_profileIds;
    return true;
}

bool MacroTabData::getMergedPropsOfGroup(const Tvl_String& group, MacroProfData& props) const {
    int index = -1;
    if (!findProfDataWithGroup(group, index))
        return false;
    props = m_profs[index];
    return true;
}

bool MacroTabData::setMergedPropsOfGroup(const Tvl_String& group, const MacroProfData& props) {
    int index = -1;
    if (!findProfDataWithGroup(group, index))
        return false;
    const MacroProfData old = m_profs[index];
    m_profs[index] = props;
    // The group and its profiles are the model's, not the dialog's.
    m_profs[index].m_group = old.m_group;
    m_profs[index].m_profileIds = old.m_profileIds;
    for (int i = 0; i < 5; ++i)
        m_profs[index].m_references[i] = old.m_references[i];
    return true;
}

bool MacroTabData::flexFixBtnClicked(const Tvl_String& group, const Tvl_String& name, bool status) {
    for (MacroFlexFixGroup& flex : m_flexGroups) {
        if (flex.m_group != group)
            continue;
        int member = -1;
        if (!flex.m_names.find(name, member) || member >= flex.m_status.length())
            return false;
        if (status || flex.m_status[member] == 1)
            return false;
        for (int i = 0; i < flex.m_status.length(); ++i) {
            flex.m_status[i] = i == member ? 1 : 0;
            if (MacroCell* cell = cellWithName(flex.m_names[i]))
                cell->m_readOnly = i == member;
        }
        return true;
    }
    return false;
}

int MacroTabData::getFlexFixStatus(const Tvl_String& group, const Tvl_String& name) const {
    for (const MacroFlexFixGroup& flex : m_flexGroups)
        if (flex.m_group == group)
            return flex.status(name);
    return -1;
}

void MacroTabData::GetMergedDiameters(Tvl_StringArray& diameters) const {
    model::BoltLibrary::instance().diameters(m_bolt.m_assembly, diameters);
}

bool MacroTabData::operator==(const MacroTabData& o) const {
    return m_kind == o.m_kind && m_module == o.m_module && m_caption == o.m_caption &&
           m_designFile == o.m_designFile && m_cells == o.m_cells && m_patterns == o.m_patterns &&
           m_bolt == o.m_bolt && m_arrays == o.m_arrays && m_flexGroups == o.m_flexGroups &&
           m_cuts == o.m_cuts && m_profs == o.m_profs &&
           m_advBtnForEveryGroup == o.m_advBtnForEveryGroup &&
           m_hasSegmentedProfs == o.m_hasSegmentedProfs && m_segmented == o.m_segmented;
}
