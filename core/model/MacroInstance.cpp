#include "core/model/MacroInstance.h"

#include "core/model/BoltLibrary.h"

namespace model {

MacroTabData* MacroInstance::module(const Tvl_String& name) {
    for (MacroTabData& tab : m_modules)
        if (tab.m_module == name)
            return &tab;
    return nullptr;
}

const MacroTabData* MacroInstance::module(const Tvl_String& name) const {
    for (const MacroTabData& tab : m_modules)
        if (tab.m_module == name)
            return &tab;
    return nullptr;
}

namespace {

bool cellNumber(const MacroCell& cell, double& value) {
    if (cell.m_kind == MacroCell::kCheck) {
        value = cell.isChecked() ? 1 : 0;
        return true;
    }
    return cell.numericValue(value);
}

bool tabLookup(const MacroTabData& tab, const std::wstring& name, double& value) {
    if (const MacroCell* cell = tab.cellWithName(Tvl_String(name)))
        return cellNumber(*cell, value);
    if (name == L"bolt_d")
        return BoltLibrary::nominalDiameter(tab.m_bolt.m_diameter, value);
    const auto suffix = [&](const wchar_t* end) {
        const std::wstring e(end);
        return name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0
                   ? name.substr(0, name.size() - e.size())
                   : std::wstring();
    };
    for (int which = 1; which <= 2; ++which) {
        const std::wstring base = suffix(which == 1 ? L"_n1" : L"_n2");
        int index = -1;
        if (!base.empty() && tab.findPatternWithName(Tvl_String(base), index)) {
            const int count = tab.m_patterns[index].getCount(which);
            value = count < 0 ? 0 : count;
            return true;
        }
    }
    const std::wstring base = suffix(L"_n");
    int index = -1;
    if (!base.empty() && tab.findArrayWithName(Tvl_String(base), index)) {
        const int count = tab.m_arrays[index].getCount();
        value = count < 0 ? 0 : count;
        return true;
    }
    return false;
}

} // namespace

bool MacroInstance::lookup(const Tvl_String& moduleName, const std::wstring& name,
                           double& value) const {
    const size_t dot = name.find(L'.');
    if (dot != std::wstring::npos) {
        const MacroTabData* tab = module(Tvl_String(name.substr(0, dot)));
        return tab && tabLookup(*tab, name.substr(dot + 1), value);
    }
    if (const MacroTabData* own = module(moduleName); own && tabLookup(*own, name, value))
        return true;
    // An unqualified name that is not in its own module: the first module that has it.
    for (const MacroTabData& tab : m_modules)
        if (tab.m_module != moduleName && tabLookup(tab, name, value))
            return true;
    return false;
}

double MacroInstance::number(const Tvl_String& moduleName, const wchar_t* cell,
                             double fallback) const {
    double value = 0;
    return lookup(moduleName, cell, value) ? value : fallback;
}

Tvl_String MacroInstance::title() const {
    return (m_definition ? m_definition->m_caption + L" " : Tvl_String()) + m_name;
}

} // namespace model
