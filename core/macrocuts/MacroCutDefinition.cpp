#include "core/macrocuts/MacroCutDefinition.h"

std::vector<MacroCutDefinition> sampleCutDefinitions(const Tvl_String& kind) {
    std::vector<MacroCutDefinition> cuts;
    cuts.reserve(4); // the pointers handed out below stay valid
    const auto cut = [&](const wchar_t* name, int k, std::initializer_list<const wchar_t*> vars) {
        MacroCutDefinition c;
        c.m_name = name;
        c.m_kind = k;
        for (auto it = vars.begin(); it != vars.end(); it += 2) {
            c.m_varNames.append(it[0]);
            c.m_varValues.append(it[1]);
            c.m_varFlags.append(MacroCutDefinition::kValueNumber);
        }
        cuts.push_back(c);
        return &cuts.back();
    };
    if (kind == L"EndPlate") {
        cut(L"Corner", MacroCutDefinition::kChamfer, {L"Offset1", L"15", L"Offset2", L"15"});
        MacroCutDefinition* beam = cut(L"BeamEnd", MacroCutDefinition::kProfVsPlate,
                                       {L"Offset", L"0", L"LengthOffset", L"2"});
        beam->m_clearance = L"2";
    } else if (kind == L"BasePlate") {
        cut(L"Chamfer1", MacroCutDefinition::kChamfer, {L"Offset1", L"20", L"Offset2", L"20"});
        MacroCutDefinition* round =
            cut(L"Rounding", MacroCutDefinition::kFillet, {L"Radius", L"25", L"gen_a", L"5"});
        round->m_varFlags[1] = MacroCutDefinition::kValueNumber;
    }
    return cuts;
}

Tvl_String MacroCutDefinition::summary() const {
    static const wchar_t* const kKindNames[kKindCount] = {
        L"profile against plate",
        L"profile against profile",
        L"profile in profile",
        L"profile against profile in three segments",
        L"chamfer",
        L"fillet"};
    Tvl_String text = m_kind >= 0 && m_kind < kKindCount ? Tvl_String(kKindNames[m_kind])
                                                         : L"kind " + Tvl_String(m_kind);
    for (int i = 0; i < m_varNames.length(); ++i)
        text += L", " + m_varNames[i] + L" = " +
                (i < m_varValues.length() ? m_varValues[i] : Tvl_String());
    return text;
}
