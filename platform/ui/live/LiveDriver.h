#pragma once
// LiveDriver: the front driver while the live backend runs (docs/live.md). Scripted
// (a script or the start-up tour) it shows the windows and passes every request to the
// inner driver; once a person drives (the host reads its prompt), modal loops run GTK's
// main loop, message boxes are model dialogs and the common dialogs are GTK's own.

#include "platform/ui/Driver.h"

namespace ui::live {

class LiveDriver : public Driver {
public:
    DriverStep modalStep(Dialog& dialog) override;
    void windowShown(Window& window) override;
    std::optional<int> answerMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::optional<std::wstring>>
    answerFileDialog(const FileDialogRequest& request) override;
    std::optional<std::optional<Color>> answerColorDialog(const ColorDialogRequest&) override;
    std::optional<std::optional<FontDialogResult>>
    answerFontDialog(const FontDialogRequest&) override;
    std::optional<std::optional<PrintDialogResult>>
    answerPrintDialog(const PrintDialogRequest&) override;
    bool sendToPrinter(const PrintDialogResult& printed, const std::wstring& jobName) override;
    std::optional<int> choosePopupMenuItem(const PopupMenuRequest&) override;
};

} // namespace ui::live
