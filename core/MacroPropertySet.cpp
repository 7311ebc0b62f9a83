// Property sets of macros: the values of a macro's modules saved under a name and loaded
// into another macro of its kind (docs/sample-model.md gives the file).

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/MacroData.h"
#include "core/Tvl_PropertiesList.h"
#include "core/Tvl_Settings.h"
#include "core/detail/Files.h"
#include "core/model/BoltLibrary.h"

namespace {

const wchar_t* const kBoltFields[MacroBoltData::kFieldCount] = {
    L"assembly", L"diameter", L"addedLength", L"penetrationLength", L"holeTolerance"};

const wchar_t* const kExtension = L".mpr";

Tvl_String propertySetFolder() {
    return gSettings.libDir() + L"Macro Properties\\";
}

// True when `text` is a value that `cell` takes.
bool cellTakes(const MacroCell& cell, const Tvl_String& text) {
    switch (cell.m_kind) {
    case MacroCell::kNumber: {
        double value = 0;
        return text.toDouble(value);
    }
    case MacroCell::kList:
        return cell.m_list.contains(text);
    case MacroCell::kCheck:
        return text == L"0" || text == L"1";
    default:
        return true;
    }
}

// Applies one entry to the tab; false when the tab has no such item or the item does
// not take the value.
bool applyEntry(MacroTabData& tab, const Tvl_String& item, const Tvl_PropertiesList& list,
                const Tvl_String& key) {
    Tvl_String text;
    const bool isText = list.getProperty(key, text) == Acad::eOk;
    const int dot = item.find(L'.');
    if (dot < 0) {
        MacroCell* cell = tab.cellWithName(item);
        if (!cell || cell->m_readOnly || !isText || !cellTakes(*cell, text))
            return false;
        cell->m_value = text;
        return true;
    }
    const Tvl_String kind = item.left(dot);
    const Tvl_String rest = item.mid(dot + 1);
    if (kind == L"pattern") {
        const int last = rest.findLast(L'.');
        MacroPatternProps* pattern = last > 0 ? tab.patternWithName(rest.left(last)) : nullptr;
        const Tvl_String which = rest.mid(last + 1);
        int count = 0;
        if (!pattern || !isText || (which != L"1" && which != L"2") || !text.toInt(count) ||
            count < 0)
            return false;
        if (which == L"2" && pattern->getCount(2) < 0)
            return false; // a pattern of one direction
        pattern->setCountText(which == L"1" ? 1 : 2, text.trimmed());
        return true;
    }
    if (kind == L"bolt") {
        for (int i = 0; i < MacroBoltData::kFieldCount; ++i) {
            if (rest != kBoltFields[i] || !isText)
                continue;
            Tvl_StringArray diameters;
            if (i == MacroBoltData::kAssembly &&
                !model::BoltLibrary::instance().diameters(text, diameters))
                return false;
            tab.m_bolt.setField(i, text);
            return true;
        }
        return false;
    }
    if (kind == L"array") {
        const int last = rest.findLast(L'.');
        DynArrayData* array = last > 0 ? tab.arrayWithName(rest.left(last)) : nullptr;
        const Tvl_String field = rest.mid(last + 1);
        int count = 0;
        if (!array || !isText)
            return false;
        if (field == L"count" && text.toInt(count) && count >= 0) {
            array->m_count = text.trimmed();
            return true;
        }
        if (field == L"entries") {
            array->setEntriesText(text);
            return true;
        }
        return false;
    }
    if (kind == L"cut") {
        MacroCutData* cut = tab.cutWithName(rest);
        int value = 0;
        if (!cut || list.getProperty(key, value) != Acad::eOk || value < 0 ||
            value >= MacroCutData::kKindCount)
            return false;
        cut->m_value = value;
        return true;
    }
    if (kind == L"flex") {
        for (int g = 0; g < tab.m_flexGroups.length(); ++g) {
            if (tab.m_flexGroups[g].m_group != rest)
                continue;
            const int status = tab.getFlexFixStatus(rest, text);
            if (!isText || status < 0)
                return false;
            if (status == 0)
                tab.flexFixBtnClicked(rest, text, false);
            return true;
        }
        return false;
    }
    return false;
}

Tvl_String statusText(Acad::ErrorStatus status) {
    if (status == CoreStatus::eFileNotFound)
        return L"does not exist";
    if (status == CoreStatus::eFileAccessErr)
        return L"cannot be read";
    if (status == CoreStatus::eFileTooLarge)
        return L"is too large";
    return L"is damaged";
}

} // namespace

bool MacroData::propListAllowed() const {
    return !m_macroKind.isEmpty() && tabCount() > 0;
}

bool MacroData::getPropFiles(Tvl_StringArray& names, Tvl_StringArray& namesChecked,
                             Tvl_String& folder, Tvl_String& ext) const {
    names.clear();
    namesChecked.clear();
    folder = propertySetFolder();
    ext = kExtension;
    if (!propListAllowed())
        return false;
    Tvl_StringArray files;
    ObjectExportFindFiles(folder, Tvl_String(L"*") + kExtension, files);
    for (const Tvl_String& file : files) {
        const Tvl_String name = removeExtension(file);
        namesChecked.append(name);
        Tvl_PropertiesList list;
        Tvl_String kind;
        if (list.readFromFile(folder + file) == Acad::eOk &&
            list.getProperty(L"macro", kind) == Acad::eOk && kind == m_macroKind)
            names.append(name);
    }
    return true;
}

bool MacroData::readFromText(const std::string& bytes, int& count, Tvl_String& error) {
    count = 0;
    error.clear();
    Tvl_PropertiesList list;
    const Acad::ErrorStatus status = list.readFromText(bytes);
    if (status != Acad::eOk) {
        error = statusText(status);
        return false;
    }
    MacroData loaded(*this);
    for (const Tvl_String& key : list.names()) {
        if (key == L"macro")
            continue;
        const int dot = key.find(L'.');
        MacroTabData* tab = dot > 0 ? loaded.tabOfModule(key.left(dot)) : nullptr;
        if (!tab || !applyEntry(*tab, key.mid(dot + 1), list, key))
            ++count;
    }
    *this = loaded;
    return true;
}

bool MacroData::readFromFile(const Tvl_String& file, int& count) {
    count = 0;
    std::string bytes;
    Tvl_String error;
    const Acad::ErrorStatus status =
        core_detail::readWholeFile(file, Tvl_PropertiesList::kMaxFileBytes, bytes);
    if (status == Acad::eOk && readFromText(bytes, count, error)) {
        m_propertySet = removeExtension(getFileName(file));
        return true;
    }
    if (status != Acad::eOk)
        error = statusText(status);
    corePrint(L"*Error* The property set " + file + L" " + error + L"; nothing was loaded.\n");
    return false;
}

std::string MacroData::writeToText() const {
    Tvl_PropertiesList list;
    list.setProperty(L"macro", m_macroKind);
    for (int t = 0; t < tabCount(); ++t) {
        const MacroTabData& tab = *this->tab(t);
        const Tvl_String prefix = tab.m_module + L".";
        for (const MacroCell& cell : tab.m_cells)
            if (!cell.m_readOnly)
                list.setProperty(prefix + cell.m_name, cell.m_value);
        for (const MacroPatternProps& pattern : tab.m_patterns) {
            list.setProperty(prefix + L"pattern." + pattern.m_name + L".1", pattern.m_count1);
            if (pattern.getCount(2) >= 0)
                list.setProperty(prefix + L"pattern." + pattern.m_name + L".2", pattern.m_count2);
        }
        if (tab.isBoltTab())
            for (int i = 0; i < MacroBoltData::kFieldCount; ++i)
                list.setProperty(prefix + L"bolt." + kBoltFields[i], tab.m_bolt.field(i));
        for (const DynArrayData& array : tab.m_arrays) {
            list.setProperty(prefix + L"array." + array.m_name + L".count", array.m_count);
            list.setProperty(prefix + L"array." + array.m_name + L".entries", array.entriesText());
        }
        for (const MacroCutData& cut : tab.m_cuts)
            list.setProperty(prefix + L"cut." + cut.m_name, cut.m_value);
        for (const MacroFlexFixGroup& group : tab.m_flexGroups) {
            const int flexible = group.flexibleIndex();
            if (flexible >= 0 && flexible < group.m_names.length())
                list.setProperty(prefix + L"flex." + group.m_group, group.m_names[flexible]);
        }
    }
    return list.writeToText();
}

bool MacroData::writeToFile(const Tvl_String& file) const {
    Tvl_PropertiesList list;
    if (list.readFromText(writeToText()) == Acad::eOk &&
        (getPath(file).isEmpty() || ObjectExportCreateDirectory(getPath(file))) &&
        list.writeToFile(file) == Acad::eOk)
        return true;
    corePrint(L"*Error* Could not save the property set " + file + L".\n");
    return false;
}
