#include "core/library/DlgEditLibData.h"

#include "core/FileHelpers.h"
#include "core/MacroLangs.h"
#include "core/Tvl_Settings.h"

namespace {

constexpr const wchar_t* kHeader = L"sections";

void listNames(const Tvl_String& folder, const Tvl_String& pattern, bool keepExtension,
               Tvl_StringArray& out) {
    out.clear();
    Tvl_StringArray files;
    if (!ObjectExportFindFiles(folder, pattern, files))
        return;
    for (const Tvl_String& f : files)
        out.append(keepExtension ? f : removeExtension(f));
}

bool readFlag(const Tvl_String& text, bool& flag) {
    if (text == L"1" || text == L"0") {
        flag = text == L"1";
        return true;
    }
    return false;
}

bool readLong(const Tvl_String& text, long& value) {
    int v = 0;
    if (!isNumber(text) || !text.toInt(v))
        return false;
    value = v;
    return true;
}

} // namespace

Tvl_String DlgEditLibData::pictureFolder() {
    return gSettings.libDir() + L"prof\\pictures\\";
}

Tvl_String DlgEditLibData::userSectionsFolder() {
    return gSettings.libDir() + L"User Sections\\";
}

Tvl_String DlgEditLibData::libraryFile() {
    return gSettings.libDir() + L"prof\\sections.txt";
}

void DlgEditLibData::GetAvailableFiles() {
    listNames(pictureFolder(), L"*.bmp", false, pictureNames);
    listNames(gSettings.libDir() + L"prof\\", L"*.pr", false, tableNames);
    listNames(userSectionsFolder(), L"*.dwg", true, userSectionNames);
}

bool DlgEditLibData::readLibrary(Tvl_String& problem) {
    groups.clear();
    types.clear();
    Tvl_String type;
    Tvl_Array<Tvl_StringArray> lines;
    if (!readFile(libraryFile(), type, lines)) {
        problem = L"the library file cannot be read";
        return false;
    }
    auto fail = [&](int line, const wchar_t* what) {
        groups.clear();
        types.clear();
        problem = Tvl_String::format(L"line %d: %ls", line + 1, what);
        return false;
    };
    if (lines.length() == 0 || lines[0].length() < 1 || !(lines[0][0] == kHeader))
        return fail(0, L"not a section library file");
    // The header names the languages of the name fields; they go to ours by code.
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    Tvl_Array<int> slot;
    for (int i = 1; i < lines[0].length(); ++i) {
        int index = -1;
        codes.find(lines[0][i], index);
        slot.append(index);
    }
    auto names = [&](const Tvl_StringArray& fields, int first) {
        Tvl_StringArray out;
        out.setLogicalLength(codes.length());
        for (int i = 0; i < slot.length() && first + i < fields.length(); ++i)
            if (slot[i] >= 0)
                out[slot[i]] = fields[first + i];
        return out;
    };
    for (int l = 1; l < lines.length(); ++l) {
        const Tvl_StringArray& f = lines[l];
        if (f.length() == 1 && f[0].isEmpty())
            continue; // blank line
        if (f.length() >= 5 && f[0] == L"G") {
            SectionGroup g;
            if (!readLong(f[1], g.id) || !readFlag(f[2], g.enabled))
                return fail(l, L"a group needs a number and a flag 0 or 1");
            if (groups.indexOfId(g.id) >= 0)
                return fail(l, L"two groups have the same number");
            g.name = f[3];
            g.picture = f[4];
            g.names = names(f, 5);
            groups.append(g);
        } else if (f.length() >= 5 && f[0] == L"T") {
            SectionType t;
            if (!readFlag(f[1], t.enabled) || !readLong(f[3], t.groupId))
                return fail(l, L"a type needs a flag 0 or 1 and a group number");
            t.picture = f[2];
            t.tableName = f[4];
            t.names = names(f, 5);
            types.append(t);
        } else {
            return fail(l, L"neither a group nor a type");
        }
    }
    problem.clear();
    return true;
}

bool DlgEditLibData::writeLibrary() const {
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    Tvl_Array<Tvl_StringArray> lines;
    Tvl_StringArray header;
    header.append(kHeader);
    header.append(codes);
    lines.append(header);
    auto appendNames = [&](Tvl_StringArray& line, const Tvl_StringArray& names) {
        for (int i = 0; i < codes.length(); ++i)
            line.append(i < names.length() ? names[i] : Tvl_String());
    };
    for (const SectionGroup& g : groups) {
        Tvl_StringArray line{L"G", Tvl_String(g.id), g.enabled ? L"1" : L"0", g.name, g.picture};
        appendNames(line, g.names);
        lines.append(line);
    }
    for (const SectionType& t : types) {
        Tvl_StringArray line{L"T", t.enabled ? L"1" : L"0", t.picture, Tvl_String(t.groupId),
                             t.tableName};
        appendNames(line, t.names);
        lines.append(line);
    }
    return writeFile(libraryFile(), lines);
}
