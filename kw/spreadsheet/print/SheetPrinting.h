#pragma once
// SheetPrinting: the spreadsheet editor's printing. It keeps the printer settings (the
// device mode, filled with the default printer's on first use) for as long as the editor
// lives and runs the three commands: print, print preview and print settings.
// docs/printing.md describes the run.

#include <optional>
#include <set>
#include <string>

#include "core/Tvl_String.h"
#include "platform/ui/CommonDialogs.h"

namespace ui {
class Window;
}
class Tvl_Spread;

namespace kw {

class SheetPrinting {
public:
    static constexpr int kCmdPrintSetup = 32830, kCmdPrint = 32831, kCmdPreview = 32832;
    static constexpr const wchar_t* kJobPrefix = L"Trevlon rekentabel - ";

    // True for the three commands above.
    static bool handles(int command);
    // Runs one of them for the document `path` shown in `grid`; true when the document's
    // print settings were changed (its changed flag is then for the editor to set).
    bool run(int command, ui::Window* owner, Tvl_Spread& grid, const Tvl_String& path);

    bool printOrPreview(ui::Window* owner, Tvl_Spread& grid, const Tvl_String& path, bool preview);
    // The settings dialog; true on OK (the corner tag rewritten).
    bool settings(ui::Window* owner, Tvl_Spread& grid);

    const std::optional<ui::DeviceMode>& deviceMode() const { return m_deviceMode; }

private:
    void ensureDeviceMode();
    // Steps 3 to 9 of a run: the print state, the options, the column fit, the page count.
    void prepare(ui::Window* owner, Tvl_Spread& grid, const ui::PrintDialogResult& dialog,
                 bool preview);
    void printNow(ui::Window* owner, Tvl_Spread& grid, const Tvl_String& path,
                  const ui::PrintDialogResult& dialog);
    void warnOnce(ui::Window* owner, const std::wstring& text);

    std::optional<ui::DeviceMode> m_deviceMode;
    std::set<std::wstring> m_warned; // what this run already told the user
};

} // namespace kw
