#include "core/MacroLangs.h"
#include "core/library/SectionGroupArray.h"
#include "core/library/SectionType.h"

namespace {

Tvl_String currentName(const Tvl_StringArray& names) {
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    int index = -1;
    if (codes.find(gMacroLangs.GetCurLanguage(), index) && index < names.length())
        return names[index];
    return Tvl_String();
}

} // namespace

Tvl_String SectionGroup::displayName() const {
    Tvl_String shown = currentName(names);
    return shown.isEmpty() ? name : shown;
}

Tvl_String SectionType::getName() const {
    Tvl_String shown = currentName(names);
    return shown.isEmpty() ? tableName : shown;
}

void SectionGroupArray::namesOfAllGroups(Tvl_StringArray& out) const {
    out.clear();
    for (const SectionGroup& g : *this)
        out.append(g.displayName());
}

long SectionGroupArray::freshId() const {
    long largest = 0;
    for (const SectionGroup& g : *this)
        largest = std::max(largest, g.id);
    return largest + 1;
}

int SectionGroupArray::appendNewGrp() {
    SectionGroup g;
    g.id = freshId();
    g.name = Tvl_String(L"Group") + Tvl_String(g.id);
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    for (int i = 0; i < codes.length(); ++i)
        g.names.append(g.name);
    return append(g);
}

int SectionGroupArray::indexOfId(long id) const {
    for (int i = 0; i < length(); ++i)
        if ((*this)[i].id == id)
            return i;
    return -1;
}
