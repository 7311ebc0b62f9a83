#include "core/macrocuts/Tvl_MacroPropsFilter.h"

#include "core/FileHelpers.h"
#include "core/Tvl_Settings.h"

void Tvl_MacroPropsFilter::init(const Tvl_StringArray& folders, const AcArray<bool>& flags,
                                int minModules, int maxModules) {
    *this = Tvl_MacroPropsFilter{};
    m_folders = folders;
    for (bool flag : flags) // by value: the array's element access cannot hand out a bool&
        m_flags.push_back(flag);
    m_minModules = minModules < 0 ? 0 : minModules;
    m_maxModules = maxModules < 0 ? 0 : maxModules;
}

Tvl_String Tvl_MacroPropsFilter::folderPath(const Tvl_String& name) {
    Tvl_String path = name.trimmed();
    const bool absolute = path.startsWith(L"\\") || (path.length() > 1 && path.at(1) == L':');
    if (!absolute)
        path = gSettings.libDir() + L"Macros\\" + path;
    if (!path.endsWith(L"\\"))
        path += L"\\";
    return path;
}

bool Tvl_MacroPropsFilter::scan() {
    if (m_scanned)
        return m_anyFolder;
    m_scanned = true;
    for (int f = 0; f < m_folders.length(); ++f) {
        if (f < static_cast<int>(m_flags.size()) && !m_flags[static_cast<size_t>(f)])
            continue;
        const Tvl_String folder = folderPath(m_folders[f]);
        Tvl_StringArray names;
        if (!ObjectExportFindFiles(folder, L"*.dwg", names))
            continue;
        m_anyFolder = true;
        for (const Tvl_String& name : names) {
            MacroDrawingInfo info;
            readMacroDrawing(folder + name, info);
            for (int m = 0; m < info.modules.length(); ++m) {
                Module* entry = nullptr;
                for (Module& known : m_modules)
                    if (known.name == info.modules[m])
                        entry = &known;
                if (entry == nullptr) {
                    m_modules.emplace_back();
                    entry = &m_modules.back();
                    entry->name = info.modules[m];
                }
                for (const Tvl_String& prop : info.props[static_cast<size_t>(m)])
                    if (!entry->props.contains(prop)) {
                        entry->props.append(prop);
                        entry->propOn.push_back(true);
                    }
            }
            m_drawings.push_back(std::move(info));
        }
    }
    return m_anyFolder;
}

bool Tvl_MacroPropsFilter::getAllDwgFiles(Tvl_StringArray& list) {
    list.clear();
    if (!scan())
        return false;
    for (const MacroDrawingInfo& info : m_drawings)
        if (passes(info))
            list.append(info.path);
    return true;
}

const Tvl_MacroPropsFilter::Module* Tvl_MacroPropsFilter::module(const Tvl_String& name) const {
    for (const Module& m : m_modules)
        if (m.name == name)
            return &m;
    return nullptr;
}

bool Tvl_MacroPropsFilter::passes(const MacroDrawingInfo& info) const {
    const int count = info.modules.length();
    if (count < m_minModules || (m_maxModules > 0 && count > m_maxModules))
        return false;
    for (int m = 0; m < count; ++m) {
        const Module* entry = module(info.modules[m]);
        if (entry == nullptr)
            continue;
        if (!entry->on)
            return false;
        for (const Tvl_String& prop : info.props[static_cast<size_t>(m)]) {
            int index = -1;
            if (entry->props.find(prop, index) && !entry->propOn[static_cast<size_t>(index)])
                return false;
        }
    }
    return true;
}

int Tvl_MacroPropsFilter::maxPropCount() const {
    int most = 0;
    for (const Module& m : m_modules)
        most = std::max(most, m.props.length());
    return most;
}

bool Tvl_MacroPropsFilter::setModuleStatus(const Tvl_String& name, bool on) {
    for (Module& m : m_modules)
        if (m.name == name) {
            m.on = on;
            return true;
        }
    return false;
}

bool Tvl_MacroPropsFilter::setModulePropStatus(const Tvl_String& name, const Tvl_String& prop,
                                               bool on) {
    for (Module& m : m_modules) {
        int index = -1;
        if (m.name == name && m.props.find(prop, index)) {
            m.propOn[static_cast<size_t>(index)] = on;
            return true;
        }
    }
    return false;
}

const MacroDrawingInfo* Tvl_MacroPropsFilter::drawing(const Tvl_String& path) const {
    for (const MacroDrawingInfo& info : m_drawings)
        if (info.path.equal(path, true))
            return &info;
    return nullptr;
}
