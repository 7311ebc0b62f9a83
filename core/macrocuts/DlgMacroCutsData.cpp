#include "core/macrocuts/DlgMacroCutsData.h"

#include "core/CorePrint.h"
#include "core/LanguageTexts.h"
#include "core/StringHelpers.h"
#include "core/model/SampleModel.h"

namespace {

constexpr const wchar_t* kUserPrefix = L"gen_";

// The cut variables the model knows, with the language text each is shown with (0: the
// text is built apart).
struct KnownVariable {
    const wchar_t* name;
    int text;
};
constexpr KnownVariable kKnown[] = {
    {L"Offset", 1099},       {L"PolyOffset", 1099},   {L"LengthOffset", 1100},
    {L"CenterOffset", 1101}, {L"InsideOffset", 1102}, {L"OutsideOffset", 1103},
    {L"Offset1", 0},         {L"Offset2", 0},         {L"Radius", 740},
};

bool known(const Tvl_String& name) {
    for (const KnownVariable& v : kKnown)
        if (name == v.name)
            return true;
    return false;
}

bool validUserName(const Tvl_String& name) {
    if (!name.startsWith(kUserPrefix) || name.length() <= 4)
        return false;
    for (wchar_t c : name.str())
        if (!((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9') ||
              c == L'_'))
            return false;
    return true;
}

const MacroCutDefinition* findCut(const model::MacroInstance& instance, const Tvl_String& name) {
    for (const MacroCutDefinition& cut : instance.m_cutDefinitions)
        if (cut.m_name.equal(name, true))
            return &cut;
    return nullptr;
}

} // namespace

Tvl_String cutVariableDisplayName(const Tvl_String& name) {
    if (name == L"Offset1")
        return append(dialString(1104), 1);
    if (name == L"Offset2")
        return append(dialString(1104), 2);
    for (const KnownVariable& v : kKnown)
        if (name == v.name && v.text != 0)
            return dialString(v.text);
    return name;
}

bool DlgMacroCutsData::GetDefaultValues(int kind, Tvl_StringArray& names, Tvl_StringArray& values,
                                        Tvl_Array<int>& flags) {
    names.clear();
    values.clear();
    flags.clear();
    const auto add = [&](const wchar_t* name, const wchar_t* value) {
        names.append(name);
        values.append(value);
        flags.append(MacroCutDefinition::kValueNumber);
    };
    switch (kind) {
    case MacroCutDefinition::kProfVsPlate:
        add(L"Offset", L"0");
        add(L"LengthOffset", L"0");
        return true;
    case MacroCutDefinition::kProfVsProf:
        add(L"Offset", L"0");
        add(L"CenterOffset", L"0");
        return true;
    case MacroCutDefinition::kProfInProf:
        add(L"InsideOffset", L"0");
        add(L"OutsideOffset", L"0");
        return true;
    case MacroCutDefinition::kProfVsProf3Segments:
        add(L"Offset1", L"0");
        add(L"Offset2", L"0");
        add(L"PolyOffset", L"0");
        return true;
    case MacroCutDefinition::kChamfer:
        add(L"Offset1", L"10");
        add(L"Offset2", L"10");
        return true;
    case MacroCutDefinition::kFillet:
        add(L"Radius", L"10");
        return true;
    default:
        return false;
    }
}

bool DlgMacroCutsData::CutNameInUse(AcDbObjectId object, const Tvl_String& name,
                                    const Tvl_String& former, bool& inUse) {
    inUse = false;
    const model::MacroInstance* instance = model::sampleModel().instance(object);
    if (instance == nullptr)
        return false;
    const Tvl_String wanted = name.trimmed();
    if (!former.isEmpty() && wanted.equal(former.trimmed(), true))
        return true; // its own name
    inUse = findCut(*instance, wanted) != nullptr;
    return true;
}

bool DlgMacroCutsData::AreVarNamesValid() const {
    for (int i = 0; i < m_cut.m_varNames.length(); ++i) {
        const Tvl_String& name = m_cut.m_varNames[i];
        if (!known(name) && !validUserName(name))
            return false;
        for (int j = 0; j < i; ++j)
            if (m_cut.m_varNames[j].equal(name, true))
                return false;
    }
    return true;
}

Tvl_StringArray DlgMacroCutsData::cutNames(AcDbObjectId object) {
    Tvl_StringArray names;
    if (const model::MacroInstance* instance = model::sampleModel().instance(object))
        for (const MacroCutDefinition& cut : instance->m_cutDefinitions)
            names.append(cut.m_name);
    return names;
}

bool DlgMacroCutsData::fillFromModel(AcDbObjectId object, const Tvl_String& cut) {
    const model::MacroInstance* instance = model::sampleModel().instance(object);
    if (instance == nullptr) {
        corePrint(L"*Error* There is no macro to cut.\n");
        return false;
    }
    DlgMacroCutsData next;
    next.m_object = object;
    if (cut.isEmpty()) {
        next.m_mode = kModeNew;
        next.m_edit = false;
        next.m_cut.m_name = findNonExistingString(cutNames(object), L"Cut1");
        GetDefaultValues(next.m_cut.m_kind, next.m_cut.m_varNames, next.m_cut.m_varValues,
                         next.m_cut.m_varFlags);
    } else {
        const MacroCutDefinition* found = findCut(*instance, cut);
        if (found == nullptr) {
            corePrint(L"*Error* " + instance->title() + L" has no cut " + cut + L".\n");
            return false;
        }
        next.m_mode = kModeEdit;
        next.m_edit = true;
        next.m_cut = *found;
        next.m_formerName = found->m_name;
    }
    *this = next;
    return true;
}

bool DlgMacroCutsData::applyToModel() const {
    model::MacroInstance* instance = model::sampleModel().instance(m_object);
    if (instance == nullptr) {
        corePrint(L"*Error* There is no macro to cut.\n");
        return false;
    }
    const Tvl_String name = m_cut.m_name.trimmed();
    bool inUse = false;
    const Tvl_String former = m_mode == kModeEdit ? m_formerName : Tvl_String();
    if (name.isEmpty() || !CutNameInUse(m_object, name, former, inUse) || inUse ||
        !AreVarNamesValid() || m_cut.m_kind < 0 || m_cut.m_kind >= MacroCutDefinition::kKindCount ||
        m_cut.m_varNames.length() != m_cut.m_varValues.length() ||
        m_cut.m_varNames.length() != m_cut.m_varFlags.length()) {
        corePrint(L"Refused: the cut " + name + L" of " + instance->title() +
                  L" is not complete or its name is taken.\n");
        return false;
    }
    MacroCutDefinition stored = m_cut;
    stored.m_name = name;
    auto& cuts = instance->m_cutDefinitions;
    if (m_mode == kModeEdit) {
        for (MacroCutDefinition& cut : cuts)
            if (cut.m_name.equal(m_formerName, true)) {
                const Tvl_String was = cut.m_name;
                const bool same = cut == stored;
                cut = stored;
                corePrint(same ? L"Cut " + name + L" of " + instance->title() + L" unchanged.\n"
                               : L"Cut " + (was == name ? name : was + L" -> " + name) + L" of " +
                                     instance->title() + L": " + stored.summary() + L".\n");
                return true;
            }
        corePrint(L"*Error* " + instance->title() + L" has no cut " + m_formerName + L".\n");
        return false;
    }
    cuts.push_back(stored);
    corePrint(L"New cut " + name + L" of " + instance->title() + L": " + stored.summary() + L".\n");
    return true;
}
