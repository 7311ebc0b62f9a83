#pragma once
// Common dialogs (file open/save, colour, font, print). Each is a modal request answered
// by the Driver; no answer = cancelled, recorded as a failure and in the transcript.

#include "platform/ui/Geometry.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ui {

class Window;

// ---- File open / save -------------------------------------------------------------
enum class FileDialogMode { Open, Save };
constexpr unsigned OFN_READONLY = 0x1;
constexpr unsigned OFN_OVERWRITEPROMPT = 0x2;
constexpr unsigned OFN_HIDEREADONLY = 0x4;
constexpr unsigned OFN_PATHMUSTEXIST = 0x800;
constexpr unsigned OFN_FILEMUSTEXIST = 0x1000;

struct FileDialogRequest {
    Window* owner = nullptr;
    FileDialogMode mode = FileDialogMode::Open;
    std::wstring title;
    // (description, pattern) pairs, e.g. {L"Spreadsheet (*.kws)", L"*.kws"}.
    std::vector<std::pair<std::wstring, std::wstring>> filters;
    std::wstring defaultExtension; // without dot
    std::wstring initialFolder;
    std::wstring initialFile; // preset file name or path
    unsigned flags = 0;       // OFN_*
};
// The chosen path (product form as the driver gives it), or nullopt when cancelled.
std::optional<std::wstring> fileDialog(const FileDialogRequest& request);

// ---- Colour -----------------------------------------------------------------------
struct ColorDialogRequest {
    Window* owner = nullptr;
    Color initial;
    bool fullOpen = false;
};
std::optional<Color> colorDialog(const ColorDialogRequest& request);

// ---- Font -------------------------------------------------------------------------
// LOGFONT as the product stores it. height < 0: character height in logical units.
struct LogFont {
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    int charSet = 1; // DEFAULT_CHARSET
    std::wstring faceName;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};
struct FontDialogRequest {
    Window* owner = nullptr;
    LogFont initial;
    Color initialColor;
    bool effects = true;
};
struct FontDialogResult {
    LogFont font;
    Color color;
};
std::optional<FontDialogResult> fontDialog(const FontDialogRequest& request);

// ---- Print --------------------------------------------------------------------------
// The device-mode blob the caller keeps between calls.
struct DeviceMode {
    std::wstring printerName = L"PDF";
    bool landscape = false;
    int copies = 1;
    int paperWidthMm = 210;
    int paperHeightMm = 297;
    friend bool operator==(const DeviceMode&, const DeviceMode&) = default;
};
enum class PrintRange { All, Pages, Selection };
enum class PrintDialogKind {
    ReturnDefault, // default printer's device mode, no UI, never fails
    Print,         // the print dialog: range, copies, returns a "device context"
    Setup          // print setup: replaced device mode on OK
};
struct PrintDialogRequest {
    Window* owner = nullptr;
    PrintDialogKind kind = PrintDialogKind::Print;
    DeviceMode deviceMode; // current device mode
    int minPage = 1;
    int maxPage = 999;
    int fromPage = 1;
    int toPage = 1;
    bool hidePrintToFile = true;
};
struct PrintDialogResult {
    DeviceMode deviceMode;
    PrintRange range = PrintRange::All;
    int fromPage = 1;
    int toPage = 1;
    // Where the "printer device context" writes: a PDF file path (native). Empty for
    // ReturnDefault and Setup. The caller creates the PDF canvas on it and releases it.
    std::string outputPath;
};
std::optional<PrintDialogResult> printDialog(const PrintDialogRequest& request);
// After the job wrote `printed.outputPath` completely: hands the PDF to the printer the
// dialog chose (nothing to do for the PDF printer, or headless). False when the printer
// did not take it.
bool sendPrintJob(const PrintDialogResult& printed, const std::wstring& jobName);

} // namespace ui
