// The editor's file commands: open, save, save as, export, and the after-load step with
// the relocation of header and footer files.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "kw/frame/HostCalls.h"
#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/Tvl_SimplePropsList.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "kw/spreadsheet/editor/EditorClipboard.h"
#include "kw/spreadsheet/editor/SheetFileDialog.h"
#include "kw/spreadsheet/editor/XlsFileSummary.h"
#include "kw/spreadsheet/eval/EvaluatorEntry.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/grid/engine/io/HtmlExport.h"
#include "platform/grid/engine/io/SheetTransfer.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"
#include "platform/grid/engine/io/TextExport.h"
#include "platform/grid/engine/io/XlsExport.h"
#include "platform/grid/engine/io/XlsxExport.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messages.h"

namespace {

constexpr const wchar_t* kDocumentType = L"Trevlon Rekentabel (*.kws)";
constexpr const wchar_t* kExcelWorkbookType = L"Microsoft Excel werkmap (*.xlsx)";
constexpr const wchar_t* kOpenDocumentType = L"OpenDocument rekenblad (*.ods)";
constexpr const wchar_t* kPictureKey = L"BMPSource";

std::string nativeOf(const Tvl_String& path) {
    return base::toNative(path.str()).string();
}

// A file, not a folder (an empty path names nothing).
bool isFile(const Tvl_String& path) {
    if (path.isEmpty())
        return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(base::toNative(path.str()), ec);
}

// The document's folder followed by the file name part of `path`; empty when the
// document has no folder or the path no file name.
Tvl_String besideDocument(const Tvl_String& document, const Tvl_String& path) {
    const std::wstring& doc = document.str();
    const std::wstring& p = path.str();
    const size_t docSlash = doc.rfind(L'\\');
    const size_t slash = p.rfind(L'\\');
    const std::wstring name = slash == std::wstring::npos ? p : p.substr(slash + 1);
    if (docSlash == std::wstring::npos || name.empty())
        return Tvl_String();
    return Tvl_String(doc.substr(0, docSlash) + L"\\" + name);
}

std::wstring lowerTail(const std::wstring& s, size_t n) {
    std::wstring tail = s.size() >= n ? s.substr(s.size() - n) : s;
    for (wchar_t& c : tail)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    return tail;
}

} // namespace

// ---- Loading -------------------------------------------------------------------------------

bool CDlgSpreadSheet::openDocument() {
    if (!savePrompt())
        return false;
    Tvl_String chosen = m_path;
    if (!kw::sheetFileDialog(
            this, true,
            Tvl_StringArray{Tvl_String(L"kws"), Tvl_String(L"xlsx"), Tvl_String(L"ods")},
            Tvl_StringArray{Tvl_String(kDocumentType), Tvl_String(kExcelWorkbookType),
                            Tvl_String(kOpenDocumentType)},
            Tvl_String(L"SpreadSheet openen"), chosen))
        return false;
    return loadDocument(chosen);
}

// What reading another program's file left behind, on the command line.
static void reportImport(const Tvl_String& path, const grid::SpreadsheetImportReport& report) {
    if (report.sheets > 1)
        kw::hostPrint(L"Van " + path.str() + L" is alleen het eerste van " +
                      std::to_wstring(report.sheets) + L" werkbladen ingelezen (" +
                      grid::widen(report.sheetName) + L").\n");
    if (report.untranslated > 0)
        kw::hostPrint(std::to_wstring(report.untranslated) + L" van de " +
                      std::to_wstring(report.formulas) +
                      L" formules konden niet worden overgenomen; hun uitkomsten zijn als "
                      L"waarde ingelezen.\n");
}

bool CDlgSpreadSheet::loadDocument(const Tvl_String& path) {
    // The engine reads the whole file aside and takes it only when it is sound: a failure
    // leaves the grid, the path and the caption as they were.
    const std::string native = nativeOf(path);
    grid::SpreadsheetFormat format;
    const bool foreign = grid::spreadsheetFormatOf(native, format);
    grid::SpreadsheetImportReport report;
    const grid::IoStatus status =
        foreign ? grid::importSpreadsheetFile(m_grid.sheet(), native, format, &report)
                : grid::DocumentFile::load(m_grid.sheet(), native);
    if (!status.ok()) {
        message(L"Het document kan niet worden geopend:\n" + path.str() + L"\n" +
                    grid::widen(status.message()),
                ui::MB_ICONWARNING);
        return false;
    }
    // Another program's file becomes a new document: saving it asks for a name, so that
    // the workbook is never overwritten with a document of another kind.
    m_path = foreign ? Tvl_String() : path;
    m_grid.clearSelection();
    m_grid.clearActiveCell();
    m_grid.setTopLeft(1, 1);
    if (m_grid.maxCols() >= 1 && m_grid.maxRows() >= 1)
        m_grid.setActiveCell(1, 1);
    m_grid.setOption(grid::kOptionChanged, false);
    // The document that is gone can no longer give up cells cut from it; blocks taken
    // from it keep their cells, and its coordinates never apply to the new one.
    kw::EditorClipboard::instance().forget(m_document);
    m_document = kw::EditorClipboard::newDocumentNumber();
    setCaption();
    afterLoad(false);
    kw::registerFromTable(m_grid);
    if (m_grid.sheet().autoCalc())
        m_grid.sheet().recalcAll();
    // Taking the document in (its properties, tips, the recalculation) is no change by the
    // user: closing it at once asks nothing.
    m_grid.setOption(grid::kOptionChanged, false);
    m_grid.invalidate();
    if (m_ready) {
        updateCommandStates();
        refreshEditBar();
    }
    if (foreign)
        reportImport(path, report);
    return true;
}

void CDlgSpreadSheet::afterLoad(bool isNew) {
    for (int option : {12, 25, grid::kOptionAutoCalc, 21})
        m_grid.setOption(option, true);
    if (isNew) {
        m_grid.setMaxCols(6);
        m_grid.setMaxRows(11);
        m_grid.sheet().setCellType(grid::CellRange{1, 1, 6, 11}, grid::CellType::edit(100, 4));
        // Formulas of a new document read as spreadsheet users write them: A1 shifts when
        // copied, $A$1 stays.
        m_grid.sheet().setRefStyle(grid::RefStyle::A1);
        kw::DocumentProperties props;
        props.marginLeft = 9;
        props.marginRight = 5;
        props.marginTop = 5;
        props.marginBottom = 5;
        props.smartPrint = false;
        props.colors = props.colHeader = props.rowHeader = props.cellSeperators = props.border =
            true;
        m_grid.setTag(0, 0, kw::rewriteCornerTag(Tvl_String(), props).str());
        m_grid.setActiveCell(1, 1);
        m_grid.setOption(grid::kOptionChanged, false);
    }
    relocatePrintFile(kw::docprops::kHeaderFile);
    relocatePrintFile(kw::docprops::kFooterFile);
    int mode = 0, delay = 0;
    grid::Font font;
    m_grid.SSGetTextTip(mode, delay, font);
    m_grid.SSSetTextTip(2, 10, font);
    m_grid.SSSetCellNoteIndicator(false);
}

void CDlgSpreadSheet::relocatePrintFile(const wchar_t* key) {
    const Tvl_String tag(m_grid.tag(0, 0));
    bool equalLength = true;
    kw::DocumentProperties props = kw::readDocumentProperties(tag, equalLength);
    const bool header = std::wstring(key) == kw::docprops::kHeaderFile;
    Tvl_String& file = header ? props.headerFile : props.footerFile;
    // An empty entry names no file; a folder is not a header file.
    if (file.isEmpty())
        return;
    if (!isFile(file)) {
        const Tvl_String moved = besideDocument(m_path, file);
        if (!isFile(moved))
            return;
        file = moved;
        m_grid.setTag(0, 0, kw::rewriteCornerTag(tag, props).str());
    }
    // The header's picture may have moved with it.
    Tvl_SimplePropsList list;
    Tvl_String picture;
    if (!list.readFromFile(file) || !list.getText(kPictureKey, picture) || picture.isEmpty() ||
        isFile(picture))
        return;
    const Tvl_String movedPicture = besideDocument(m_path, picture);
    if (!isFile(movedPicture))
        return;
    list.remove(kPictureKey);
    list.setText(kPictureKey, movedPicture);
    list.writeToFile(file);
}

// ---- Saving --------------------------------------------------------------------------------

bool CDlgSpreadSheet::save() {
    if (m_path.isEmpty())
        return saveAs();
    const grid::IoStatus status = grid::DocumentFile::save(m_grid.sheet(), nativeOf(m_path));
    if (!status.ok()) {
        message(L"Het document kan niet worden bewaard:\n" + m_path.str() + L"\n" +
                    grid::widen(status.message()),
                ui::MB_ICONWARNING);
        setCaption();
        return false;
    }
    m_grid.setOption(grid::kOptionChanged, false);
    setCaption();
    return true;
}

bool CDlgSpreadSheet::saveAs() {
    Tvl_String chosen = m_path;
    if (!kw::sheetFileDialog(this, false, Tvl_StringArray{Tvl_String(L"kws")},
                             Tvl_StringArray{Tvl_String(kDocumentType)},
                             Tvl_String(L"SpreadSheet bewaren"), chosen))
        return false;
    // The document takes the new name only once it has been written under it.
    const Tvl_String before = m_path;
    m_path = chosen;
    if (save())
        return true;
    m_path = before;
    setCaption();
    return false;
}

// ---- Export --------------------------------------------------------------------------------

// As for .xls: what the command line says of a written workbook is read back from the
// file itself. False, with the reader's reason, when it does not read.
static bool reportWorkbook(const Tvl_String& file, const grid::XlsxExportReport& written,
                           std::wstring& why) {
    grid::Sheet back;
    grid::SpreadsheetImportReport read;
    const grid::IoStatus status =
        grid::importSpreadsheetFile(back, nativeOf(file), grid::SpreadsheetFormat::Xlsx, &read);
    if (!status.ok()) {
        why = grid::widen(status.message());
        return false;
    }
    const grid::UsedExtent used = grid::usedExtent(back);
    kw::hostPrint(L"Ge\u00EBxporteerd naar " + file.str() + L": Excel-werkmap, blad " +
                  grid::widen(read.sheetName) + L", " + std::to_wstring(used.rows) + L" rijen, " +
                  std::to_wstring(used.cols) + L" kolommen, " + std::to_wstring(read.formulas) +
                  L" formules.\n");
    if (written.asValues > 0)
        kw::hostPrint(std::to_wstring(written.asValues) +
                      L" formules hebben geen Excel-vorm en zijn als waarde geschreven.\n");
    return true;
}

void CDlgSpreadSheet::exportDocument() {
    const std::wstring& doc = m_path.str();
    Tvl_String chosen(doc.size() >= 3 ? doc.substr(0, doc.size() - 3) : std::wstring());
    Tvl_StringArray extensions{Tvl_String(L"xls"), Tvl_String(L"htm"), Tvl_String(L"txt"),
                               Tvl_String(L"xlsx")};
    Tvl_StringArray descriptions{
        Tvl_String(L"Microsoft Excel 97/2000/2002 (*.xls)"), Tvl_String(L"HTML pagina (*.htm)"),
        Tvl_String(L"ASCII tekst bestand (*.txt)"), Tvl_String(kExcelWorkbookType)};
    if (!kw::sheetFileDialog(this, false, extensions, descriptions,
                             Tvl_String(L"Rekentabel exporteren"), chosen))
        return;
    const std::wstring type =
        lowerTail(chosen.str(), 5) == L".xlsx" ? L"xlsx" : lowerTail(chosen.str(), 3);
    const std::string file = nativeOf(chosen);
    const grid::Sheet& sheet = m_grid.sheet();
    grid::IoStatus status;
    grid::XlsxExportReport workbook;
    if (type == L"xlsx") {
        status = grid::exportXlsxFile(sheet, file, grid::XlsxExportOptions{}, &workbook);
    } else if (type == L"xls") {
        grid::XlsExportOptions options;
        options.sheetName = "Sheet1";
        status = grid::exportXlsFile(sheet, file, options);
    } else if (type == L"htm") {
        grid::HtmlExportOptions options;
        options.append = false;
        status = grid::exportHtmlFile(sheet, file, options);
    } else if (type == L"txt") {
        grid::TextExportOptions options;
        options.columnDelimiter = "|";
        options.flags = 0x19;
        status = grid::exportTextFile(sheet, grid::CellRange{-1, -1, -1, -1}, file, options);
    } else {
        message(L"Exporteren kan alleen naar .xls, .xlsx, .htm of .txt:\n" + chosen.str(),
                ui::MB_ICONWARNING);
        return;
    }
    // The writers replace the file atomically: a failed export leaves no part of a file.
    if (!status.ok()) {
        message(L"Het bestand kan niet worden geschreven:\n" + chosen.str() + L"\n" +
                    grid::widen(status.message()),
                ui::MB_ICONWARNING);
        return;
    }
    std::wstring why;
    if (type != L"xlsx")
        reportExport(chosen, type == L"xls");
    else if (!reportWorkbook(chosen, workbook, why))
        message(L"Het geschreven bestand is geen leesbare Excel-werkmap:\n" + chosen.str() + L"\n" +
                    why,
                ui::MB_ICONWARNING);
}

void CDlgSpreadSheet::reportExport(const Tvl_String& file, bool workbook) {
    // What the command line says is read back from the file itself.
    std::ifstream in(base::toNative(file.str()), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const std::string content = bytes.str();
    if (!workbook) {
        kw::hostPrint(L"Ge\u00EBxporteerd naar " + file.str() + L" (" +
                      std::to_wstring(content.size()) + L" bytes).\n");
        return;
    }
    kw::XlsSummary summary;
    std::string why;
    if (!kw::summariseXls(content, summary, why)) {
        message(L"Het geschreven bestand is geen leesbare Excel-werkmap:\n" + file.str() + L"\n" +
                    grid::widen(why),
                ui::MB_ICONWARNING);
        return;
    }
    kw::hostPrint(L"Ge\u00EBxporteerd naar " + file.str() + L": Excel-werkmap, blad " +
                  grid::widen(summary.sheets.front()) + L", " + std::to_wstring(summary.rows) +
                  L" rijen, " + std::to_wstring(summary.cols) + L" kolommen.\n");
}
