#include "core/macrobolt/ArrayKinds.h"

Tvl_StringArray getArrayKindNames() {
    return Tvl_StringArray{L"Along one edge", L"Fixed spacing", L"Along two edges"};
}

namespace {

void compare(Tvl_StringArray& lines, const Tvl_String& field, const Tvl_String& was,
             const Tvl_String& now) {
    if (was != now)
        lines.append(field + L": " + (was.isEmpty() ? Tvl_String(L"(none)") : was) + L" -> " +
                     (now.isEmpty() ? Tvl_String(L"(none)") : now));
}

Tvl_String columnsText(const DynArrayData& array) {
    Tvl_String text;
    for (int i = 0; i < array.m_entryColumns.length(); ++i) {
        const DynArrayEntryColumn& c = array.m_entryColumns[i];
        if (i > 0)
            text += L"; ";
        text += c.m_name + L" (" + Tvl_String(c.m_kind) + (c.m_flag ? L", on)" : L")");
    }
    return text;
}

} // namespace

Tvl_StringArray describeArrayChanges(const DynArrayData& before, const DynArrayData& after) {
    Tvl_StringArray lines;
    compare(lines, L"kind", Tvl_String(before.m_kind), Tvl_String(after.m_kind));
    static const wchar_t* const kDims[4] = {L"first dimension", L"second dimension",
                                            L"third dimension", L"fourth dimension"};
    for (int i = 0; i < 4; ++i)
        compare(lines, kDims[i], before.m_dimNames[i], after.m_dimNames[i]);
    compare(lines, L"fixed spacing", before.m_kind1Value, after.m_kind1Value);
    static const wchar_t* const kValues[3] = {L"first value", L"second value", L"third value"};
    for (int i = 0; i < 3; ++i)
        compare(lines, kValues[i], before.m_values[i], after.m_values[i]);
    compare(lines, L"from", before.m_valuePair[0], after.m_valuePair[0]);
    compare(lines, L"to", before.m_valuePair[1], after.m_valuePair[1]);
    compare(lines, L"keep the total length", before.m_option ? L"on" : L"off",
            after.m_option ? L"on" : L"off");
    compare(lines, L"count", before.m_count, after.m_count);
    compare(lines, L"entries", before.entriesText(), after.entriesText());
    compare(lines, L"entry columns", columnsText(before), columnsText(after));
    return lines;
}
