#include "kw/library/Tvl_ProfValuesTable.h"

#include "core/FileHelpers.h"
#include "core/MacroLangs.h"
#include "core/StringHelpers.h"
#include "core/Tvl_Settings.h"
#include "platform/base/Paths.h"

#include <fstream>

Tvl_String Tvl_ProfValuesTable::profileFolder() {
    return gSettings.libDir() + L"prof\\";
}

namespace {

// True when the file's last byte is a line feed (the writer ends every row with one).
bool endsWithLineFeed(const Tvl_String& path) {
    std::ifstream in(base::toNative(path.str()), std::ios::binary);
    if (!in || !in.seekg(-1, std::ios::end))
        return false;
    return in.get() == '\n';
}

} // namespace

bool Tvl_ProfValuesTable::readFromFile(const Tvl_String& name) {
    Tvl_String readType;
    Tvl_Array<Tvl_StringArray> lines;
    const Tvl_String path = profileFolder() + name;
    if (name.isEmpty() || !readFile(path, readType, lines))
        return false;
    // A last data row shorter than the header and without its line feed was cut off
    // (a copy or a save that did not finish): the file is damaged, not a short row.
    if (lines.length() > 2 && lines[lines.length() - 1].length() < lines[1].length() &&
        !endsWithLineFeed(path))
        return false;
    typeName = readType;
    rows = lines;
    if (rows.length() > 1) {
        if (rows[0].length() > 0)
            sectionType = rows[0][0];
        columnNames = rows[1];
        rows.removeAt(0);
        rows.removeAt(0);
    }
    return true;
}

bool Tvl_ProfValuesTable::writeToFile(const Tvl_String& name) const {
    if (name.isEmpty())
        return false;
    Tvl_Array<Tvl_StringArray> lines;
    Tvl_StringArray first;
    first.append(sectionType);
    lines.append(first);
    lines.append(columnNames);
    lines.append(rows);
    return writeFile(profileFolder() + name, lines);
}

bool Tvl_ProfValuesTable::getColumn(Tvl_StringArray& out, const int& index) const {
    if (rows.length() == 0 || index < 0 || index >= rows[0].length())
        return false;
    out.clear();
    for (const Tvl_StringArray& row : rows)
        out.append(index < row.length() ? row[index] : Tvl_String());
    return true;
}

bool Tvl_ProfValuesTable::getColumn(Tvl_StringArray& out, const Tvl_String& name) const {
    const int index = getColumnIdx(name);
    return index >= 0 && getColumn(out, index);
}

int Tvl_ProfValuesTable::getColumnIdx(const Tvl_String& name) const {
    int index = -1;
    return columnNames.find(name, index, false) ? index : -1;
}

bool Tvl_ProfValuesTable::getRow(Tvl_StringArray& out, const int& index) const {
    if (index < 0 || index >= rows.length())
        return false;
    out = rows[index];
    return true;
}

bool Tvl_ProfValuesTable::insertRow(const int& index) {
    const int lang = getColumnIdx(gMacroLangs.GetCurLanguage());
    Tvl_StringArray row;
    row.setLogicalLength(columnNames.length());
    if (index >= 0 && index < rows.length())
        row = rows[index];

    Tvl_String base = typeName;
    Tvl_String proposal = L"1";
    if (lang >= 0 && lang < row.length()) {
        Tvl_String text = row[lang];
        int pos = -1;
        if (findFirstNumbers(text, pos))
            text = text.getSubStringAt(0, pos);
        if (!text.isEmpty())
            base = text;
    }
    if (row.length() > 0 && !row[0].isEmpty())
        proposal = row[0];

    const Tvl_String sysName = findUnusedSysName(proposal);
    // A table without columns still gets its key field.
    if (row.length() == 0)
        row.append(Tvl_String());
    row[0] = sysName;
    if (lang >= 0 && lang < row.length())
        row[lang] = base + sysName;
    rows.insertAt(index + 1, row); // an invalid position is reported by the array
    return true;
}

bool Tvl_ProfValuesTable::deleteRow(const int& index) {
    if (index < 0 || index >= rows.length())
        return false;
    return rows.removeAt(index);
}

void Tvl_ProfValuesTable::removeInactiveEntries() {
    Tvl_Array<Tvl_StringArray> kept;
    for (const Tvl_StringArray& row : rows)
        if (!(row.length() >= 2 && row[1] == L"0"))
            kept.append(row);
    rows = std::move(kept);
}

void Tvl_ProfValuesTable::getSysNames(Tvl_StringArray& out, bool filtered) const {
    out.clear();
    Tvl_StringArray names, flags;
    if (!getColumn(names, 0) || !getColumn(flags, 1))
        return;
    for (int i = 0; i < names.length(); ++i) {
        if (filtered && !(flags[i] == L"1"))
            continue;
        out.append(typeName + L"-" + names[i]);
    }
}

void Tvl_ProfValuesTable::getSysNames(Tvl_StringArray& out) const {
    getSysNames(out, false);
}

void Tvl_ProfValuesTable::getFilteredSysNames(Tvl_StringArray& out) const {
    getSysNames(out, true);
}

bool Tvl_ProfValuesTable::findSysName(const Tvl_String& name, int& index) const {
    Tvl_StringArray names;
    if (!getColumn(names, 0))
        return false;
    return names.find(name, index, false);
}

Tvl_String Tvl_ProfValuesTable::findUnusedSysName(const Tvl_String& proposal) const {
    Tvl_StringArray names;
    getColumn(names, 0); // no rows: an empty list
    return findNonExistingString(names, proposal);
}

int Tvl_ProfValuesTable::getfilteredIdx(const int& index) const {
    if (index < 0 || index >= rows.length())
        return -1;
    Tvl_StringArray flags;
    getColumn(flags, 1);
    // The position in the filtered list (getFilteredSysNames): only the inactive rows
    // in front of the row count. A row that is not active itself has no position.
    auto active = [&](int i) { return i < flags.length() && flags[i] == L"1"; };
    if (!active(index))
        return -1;
    int inactiveBefore = 0;
    for (int i = 0; i < index; ++i)
        if (!active(i))
            ++inactiveBefore;
    return index - inactiveBefore;
}
