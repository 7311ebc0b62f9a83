#include "kw/spreadsheet/editor/SheetFileDialog.h"

#include "platform/ui/CommonDialogs.h"

namespace kw {

bool sheetFileDialog(ui::Window* owner, bool open, const Tvl_StringArray& extensions,
                     const Tvl_StringArray& descriptions, const Tvl_String& caption,
                     Tvl_String& path) {
    if (extensions.length() == 0 || descriptions.length() != extensions.length())
        return false;
    ui::FileDialogRequest request;
    for (int i = 0; i < extensions.length(); ++i) {
        if (extensions[i].length() != 3 && extensions[i].length() != 4)
            return false;
        request.filters.emplace_back(descriptions[i].str(), L"*." + extensions[i].str());
    }
    request.owner = owner;
    request.mode = open ? ui::FileDialogMode::Open : ui::FileDialogMode::Save;
    request.title = caption.str();
    request.defaultExtension = extensions[0].str();
    std::wstring start = path.str();
    if (start.size() >= static_cast<size_t>(kFileDialogBuffer))
        start.resize(kFileDialogBuffer - 1); // the buffer keeps room for its terminator
    request.initialFile = start;
    request.flags = ui::OFN_HIDEREADONLY | ui::OFN_OVERWRITEPROMPT;
    if (open)
        request.flags |= ui::OFN_FILEMUSTEXIST;
    const std::optional<std::wstring> chosen = ui::fileDialog(request);
    if (!chosen)
        return false;
    // As the system's dialog does with its default extension: a name typed without any
    // gets the first type's.
    std::wstring file = *chosen;
    // A bare name is one in the folder the dialog started in.
    const bool rooted = !file.empty() && (file[0] == L'\\' || file[0] == L'/' ||
                                          (file.size() >= 2 && file[1] == L':'));
    const size_t startSlash = start.find_last_of(L"\\/");
    if (!file.empty() && !rooted && startSlash != std::wstring::npos)
        file = start.substr(0, startSlash + 1) + file;
    const size_t slash = file.find_last_of(L"\\/");
    const size_t dot = file.rfind(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash))
        file += L"." + request.defaultExtension;
    path = Tvl_String(file);
    return true;
}

} // namespace kw
