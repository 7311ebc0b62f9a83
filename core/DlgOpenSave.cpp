#include "core/DlgOpenSave.h"

#if TVL_UI_AVAILABLE

#include "core/FileHelpers.h"

#include "platform/ui/CommonDialogs.h"

bool DlgOpenSave(bool open, const Tvl_String& ext, const Tvl_String& filter,
                 const Tvl_String& title, Tvl_String& path) {
    ui::FileDialogRequest request;
    request.mode = open ? ui::FileDialogMode::Open : ui::FileDialogMode::Save;
    request.title = title.str();
    request.flags = open ? (ui::OFN_FILEMUSTEXIST | ui::OFN_PATHMUSTEXIST | ui::OFN_HIDEREADONLY)
                         : (ui::OFN_OVERWRITEPROMPT | ui::OFN_HIDEREADONLY);
    Tvl_String extension = ext.startsWith(L".") ? ext.getSubStringAt(1) : ext;
    request.defaultExtension = extension.str();

    Tvl_StringArray parts;
    strToArr(filter, L"|", parts);
    for (int i = 0; i + 1 < parts.length(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty())
            break; // the "||" that ends the list
        request.filters.emplace_back(parts[i].str(), parts[i + 1].str());
    }
    if (request.filters.empty()) {
        Tvl_String pattern = extension.isEmpty() ? Tvl_String(L"*.*") : L"*." + extension;
        request.filters.emplace_back(pattern.str(), pattern.str());
    }
    request.initialFolder = getPath(path).str();
    request.initialFile = getFileName(path).str();

    std::optional<std::wstring> chosen = ui::fileDialog(request);
    if (!chosen || chosen->empty()) {
        path.clear();
        return false;
    }
    path = Tvl_String(*chosen);
    if (!extension.isEmpty() && getExtension(path).isEmpty())
        path = changeExtension(path, extension);
    return true;
}

#endif
