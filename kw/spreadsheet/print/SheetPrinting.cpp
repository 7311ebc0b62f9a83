#include "kw/spreadsheet/print/SheetPrinting.h"

#include <algorithm>

#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/print/CDlgKWPrintPreview.h"
#include "kw/spreadsheet/print/CDlgKWPrintSetup.h"
#include "kw/spreadsheet/print/ColumnFit.h"
#include "kw/spreadsheet/print/PrintState.h"
#include "platform/ui/MessageBox.h"

namespace kw {

namespace {

constexpr const wchar_t* kMessageCaption = L"Afdrukken";

std::wstring bandWarning(const PrintBandFile& band) {
    const std::wstring file = L"\"" + band.path.str() + L"\"";
    switch (band.status) {
    case PrintBandFile::Status::FileMissing:
        return L"Het titelbestand " + file +
               L" bestaat niet.\nEr wordt zonder deze titel afgedrukt.";
    case PrintBandFile::Status::FileDamaged:
        return L"Het titelbestand " + file +
               L" is beschadigd of geen titelbestand.\nEr wordt zonder deze titel afgedrukt.";
    case PrintBandFile::Status::PictureMissing:
        return L"De afbeelding \"" + band.file.bmpSource.str() + L"\" van het titelbestand " +
               file +
               L" ontbreekt of kan niet gelezen worden.\nEr wordt zonder deze titel "
               L"afgedrukt.";
    default:
        return {};
    }
}

ui::PrintDialogRequest printRequest(ui::Window* owner, const ui::DeviceMode& mode) {
    ui::PrintDialogRequest r;
    r.owner = owner;
    r.kind = ui::PrintDialogKind::Print;
    r.deviceMode = mode;
    r.minPage = 1;
    r.maxPage = 999;
    r.hidePrintToFile = true;
    return r;
}

} // namespace

bool SheetPrinting::handles(int command) {
    return command == kCmdPrint || command == kCmdPreview || command == kCmdPrintSetup;
}

bool SheetPrinting::run(int command, ui::Window* owner, Tvl_Spread& grid, const Tvl_String& path) {
    m_warned.clear();
    if (command == kCmdPrintSetup)
        return settings(owner, grid);
    if (command == kCmdPrint || command == kCmdPreview)
        return printOrPreview(owner, grid, path, command == kCmdPreview);
    return false;
}

void SheetPrinting::ensureDeviceMode() {
    if (m_deviceMode)
        return;
    ui::PrintDialogRequest r;
    r.kind = ui::PrintDialogKind::ReturnDefault;
    r.hidePrintToFile = true;
    const auto result = ui::printDialog(r);
    m_deviceMode = result ? result->deviceMode : ui::DeviceMode{};
}

bool SheetPrinting::settings(ui::Window* owner, Tvl_Spread& grid) {
    ensureDeviceMode();
    CDlgKWPrintSetup dlg(owner);
    dlg.m_properties = Tvl_String(grid.tag(0, 0));
    dlg.m_deviceMode = *m_deviceMode;
    if (dlg.doModal() != ui::IDOK)
        return false;
    grid.setTag(0, 0, dlg.m_properties.str());
    m_deviceMode = dlg.m_deviceMode;
    return true;
}

void SheetPrinting::warnOnce(ui::Window* owner, const std::wstring& text) {
    if (text.empty() || !m_warned.insert(text).second)
        return;
    ui::messageBox(owner, text, kMessageCaption, ui::MB_OK | ui::MB_ICONWARNING);
}

void SheetPrinting::prepare(ui::Window* owner, Tvl_Spread& grid,
                            const ui::PrintDialogResult& dialog, bool preview) {
    PrintState& state = printState();
    state.begin(Tvl_String(grid.tag(0, 0)), preview);
    if (!preview)
        m_deviceMode = dialog.deviceMode;
    warnOnce(owner, bandWarning(state.header));
    warnOnce(owner, bandWarning(state.footer));

    // The printer: a PDF file has no unprintable edge; a preview has none either.
    grid::SpreadPrintOptions o;
    grid.SSGetPrintOptions(o);
    o.dc = grid::PrinterDC{};
    o.dc.outputPath = preview ? std::string() : dialog.outputPath;
    o.dc.paper = {static_cast<double>(std::max(1, dialog.deviceMode.paperWidthMm)),
                  static_cast<double>(std::max(1, dialog.deviceMode.paperHeightMm))};
    state.offsetXMm = preview ? 0 : o.dc.offsetXMm;
    state.offsetYMm = preview ? 0 : o.dc.offsetYMm;
    o.orientation = dialog.deviceMode.landscape ? 2 : 1;
    o.flags = grid::kPrintAlways;
    if (dialog.range == ui::PrintRange::Pages) {
        o.flags |= grid::kPrintPageRange;
        o.pageFrom = dialog.fromPage;
        o.pageTo = dialog.toPage;
    } else if (dialog.range == ui::PrintRange::Selection) {
        grid::CellRange block;
        if (grid.selection(block)) {
            o.flags |= grid::kPrintSelection;
            o.block = block;
        }
    }
    const DocumentProperties& p = state.props;
    o.marginLeft = printMarginInches(p.marginLeft, state.offsetXMm);
    o.marginRight = printMarginInches(p.marginRight, state.offsetXMm);
    o.marginTop = printMarginInches(p.marginTop, state.offsetYMm);
    o.marginBottom = printMarginInches(p.marginBottom, state.offsetYMm);
    o.smartPrint = p.smartPrint;
    o.colors = p.colors;
    o.colHeaders = p.colHeader;
    o.rowHeaders = p.rowHeader;
    o.gridLines = p.cellSeperators;
    o.border = p.border;
    grid.SSSetPrintOptions(o, printPageCallback);

    PageFit fit;
    const double paperW = o.orientation == 2 ? std::max(o.dc.paper.widthMm, o.dc.paper.heightMm)
                                             : std::min(o.dc.paper.widthMm, o.dc.paper.heightMm);
    fit.clipWidthInches = (paperW - 2 * state.offsetXMm) / 25.4;
    fit.marginLeftMm = p.marginLeft;
    fit.marginRightMm = p.marginRight;
    fit.offsetXMm = state.offsetXMm;
    fitColumnsToPage(grid, fit, true);
    // Counted after the fit, which can change how many pages the columns take.
    state.pageCount = grid.SSGetPrintPageCount();
}

void SheetPrinting::printNow(ui::Window* owner, Tvl_Spread& grid, const Tvl_String& path,
                             const ui::PrintDialogResult& dialog) {
    const grid::Pagination pages = grid.paginate(grid.printOptions().dc.pixelsPerInch);
    if (pages.printedCount() == 0) {
        warnOnce(owner, L"Het gekozen paginabereik bevat geen pagina's: het document heeft " +
                            std::to_wstring(pages.pageCount()) +
                            (pages.pageCount() == 1 ? L" pagina." : L" pagina's."));
        return;
    }
    const std::wstring job = kJobPrefix + path.str();
    const grid::PrintResult r = grid.print(job);
    if (r.ok && !ui::sendPrintJob(dialog, job))
        ui::messageBox(owner,
                       L"De printer \"" + dialog.deviceMode.printerName +
                           L"\" heeft de afdruk niet aangenomen.",
                       kMessageCaption, ui::MB_OK | ui::MB_ICONWARNING);
    if (!r.ok)
        ui::messageBox(owner,
                       L"Afdrukken is mislukt: het bestand \"" +
                           grid::widen(grid.printOptions().dc.outputPath) +
                           L"\" kan niet worden geschreven.",
                       kMessageCaption, ui::MB_OK | ui::MB_ICONWARNING);
}

bool SheetPrinting::printOrPreview(ui::Window* owner, Tvl_Spread& grid, const Tvl_String& path,
                                   bool preview) {
    ensureDeviceMode();
    auto dialog = ui::printDialog(printRequest(owner, *m_deviceMode));
    if (!dialog)
        return false;
    bool changed = false;
    for (;;) {
        // Printing fits the columns to the paper; the document keeps its own widths.
        ColumnWidthsKeeper keep(grid);
        prepare(owner, grid, *dialog, preview);
        if (!preview) {
            printNow(owner, grid, path, *dialog);
            return changed;
        }
        CDlgKWPrintPreview dlg(&grid, owner);
        dlg.doModal();
        if (dlg.m_result == CDlgKWPrintPreview::kResultPrint) {
            auto again = ui::printDialog(printRequest(owner, *m_deviceMode));
            if (again) {
                // The job is laid out for the printer, not as the preview was.
                prepare(owner, grid, *again, false);
                printNow(owner, grid, path, *again);
                dialog->deviceMode = again->deviceMode;
            }
        } else if (dlg.m_result == CDlgKWPrintPreview::kResultSetup) {
            if (settings(owner, grid))
                changed = true;
        } else {
            return changed;
        }
    }
}

} // namespace kw
