#include "core/macrocuts/MacroDrawingInfo.h"

#include "core/FileHelpers.h"
#include "core/StringHelpers.h"
#include "core/Tvl_PropertiesList.h"

bool readMacroDrawing(const Tvl_String& path, MacroDrawingInfo& info) {
    info = MacroDrawingInfo{};
    info.path = path;
    info.name = removeExtension(getFileName(path));
    info.caption = info.name;
    Tvl_PropertiesList list;
    if (list.readFromFile(path) != Acad::eOk)
        return false;
    Tvl_String caption, modules;
    if (list.getProperty(L"caption", caption) == Acad::eOk && !caption.trimmed().isEmpty())
        info.caption = caption.trimmed();
    list.getProperty(L"modules", modules);
    Tvl_StringArray moduleNames;
    strToArr(modules, L";", moduleNames);
    for (const Tvl_String& module : moduleNames) {
        const Tvl_String name = module.trimmed();
        if (name.isEmpty() || info.modules.contains(name))
            continue;
        Tvl_String props;
        list.getProperty(L"props." + name, props);
        Tvl_StringArray all, clean;
        strToArr(props, L";", all);
        for (const Tvl_String& prop : all)
            if (!prop.trimmed().isEmpty() && !clean.contains(prop.trimmed()))
                clean.append(prop.trimmed());
        info.modules.append(name);
        info.props.push_back(clean);
    }
    info.readable = true;
    return true;
}
