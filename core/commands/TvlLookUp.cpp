// TVLLOOKUP: the look-up dialog on the sample model's members. OK looks the members up
// by the criteria and prints what it found; "Show all" prints every member in scope.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/fabrication/SampleLayout.h"
#include "kw/fabrication/BmLookUpDlgData.h"

namespace {

void addUnique(Tvl_StringArray& list, const Tvl_String& text) {
    if (!list.contains(text, true))
        list.append(text);
}

Tvl_String property(const sample::Member& m, const Tvl_String& name) {
    if (name.equal(L"Length", true))
        return Tvl_String(m.length, 0);
    if (name.equal(L"Section", true))
        return m.section;
    if (name.equal(L"Material", true))
        return m.material;
    return m.name;
}

bool compare(const Tvl_String& actual, int comparison, const Tvl_String& wanted) {
    double a = 0, w = 0;
    const bool numbers = actual.toDouble(a) && wanted.toDouble(w);
    const bool equal = numbers ? a == w : actual.trimmed().equal(wanted.trimmed(), true);
    switch (comparison) {
    case 0:
        return equal;
    case 1:
        return !equal;
    default:
        return actual.contains(wanted.trimmed(), true);
    }
}

bool matches(const sample::Member& m, const BmLookUpDlgData& q) {
    auto criterion = [](const Tvl_String& wanted, const Tvl_String& actual) {
        return wanted.trimmed().isEmpty() || actual.equal(wanted.trimmed(), true);
    };
    if (!criterion(q.m_name, m.name) || !criterion(q.m_second, m.section) ||
        !criterion(q.m_third, m.material))
        return false;
    if (q.m_fourth.trimmed().isEmpty())
        return true;
    return compare(property(m, q.m_fourth), q.m_comparison, q.m_value);
}

BmLookUpDlgData& lastQuery() {
    static BmLookUpDlgData query;
    return query;
}

void runLookUp() {
    auto* start = dialogsExport<bool(BmLookUpDlgData&)>("_Z14StartDlgLookUpR15BmLookUpDlgData");
    if (!start)
        return;
    BmLookUpDlgData data = lastQuery();
    data.m_names.clear();
    data.m_secondValues.clear();
    data.m_thirdValues.clear();
    data.m_fourthValues = Tvl_StringArray{Tvl_String(L"Name"), Tvl_String(L"Section"),
                                          Tvl_String(L"Material"), Tvl_String(L"Length")};
    data.m_values.clear();
    for (const sample::Member& m : sample::members()) {
        addUnique(data.m_names, m.name);
        addUnique(data.m_secondValues, m.section);
        addUnique(data.m_thirdValues, m.material);
    }
    if (!start(data)) {
        corePrint(L"Nothing was looked up.\n");
        return;
    }
    lastQuery() = data;
    // The sample drawing has no current selection and shows every member.
    const bool inScope = data.m_scope != 1;
    const bool all = data.m_endMode == BmLookUpDlgData::kEndShowAll;
    Tvl_String found;
    int count = 0;
    for (const sample::Member& m : sample::members())
        if (inScope && (all || matches(m, data))) {
            found += (count++ ? L", " : L" ") + m.name;
        }
    corePrint((all ? L"Show all: " : L"Look-up: ") + Tvl_String(count) + L" of " +
              Tvl_String(static_cast<int>(sample::members().size())) + L" members" +
              (count ? L":" + found : Tvl_String()) + L".\n");
    if (data.m_option && count > 0)
        corePrint(L"Selected:" + found + L".\n");
}

const UserCommand kLookUp{L"TVLLOOKUP", &runLookUp};

} // namespace
