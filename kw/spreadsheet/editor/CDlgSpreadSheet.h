#pragma once
// CDlgSpreadSheet: the spreadsheet editor, a resizable modal dialog with one grid, a menu
// bar, a toolbar and an edit bar (cell text, formula, variable name) under the grid.
// Reached through KWEditor (command TEST) and TVLSHEET. docs/spreadsheet-editor.md
// describes the edit bar, the internal clipboard and the file commands.

#include <memory>

#include "core/Tvl_String.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/editor/EditorClipboard.h"
#include "kw/spreadsheet/print/SheetPrinting.h" // printing
#include "platform/ui/Dialog.h"

namespace ui {
class Toolbar;
class Menu;
} // namespace ui

class CDlgSpreadSheet : public ui::Dialog {
public:
    static constexpr int kTemplateId = 140;
    static constexpr int kMenuId = 139;
    static constexpr int kPopupMenuId = 138;
    static constexpr int kToolbarBitmapId = 128;
    static constexpr int kToolbarId = 0xE800;

    // Controls.
    static constexpr int kGridId = 1001;
    static constexpr int kEqualsId = 1028;
    static constexpr int kCellTextId = 1030;
    static constexpr int kVariableId = 1031;
    static constexpr int kFormulaLabelId = 1032;
    static constexpr int kFormulaId = 1033;
    static constexpr int kVariableLabelId = 1029;
    static constexpr int kStatusId = 1034; // why the formula typed last was not taken

    // Commands.
    static constexpr int kCmdNew = 32811, kCmdOpen = 32812, kCmdSave = 32816, kCmdSaveAs = 32817,
                         kCmdExport = 32818, kCmdPrint = 32831, kCmdPreview = 32832,
                         kCmdPrintSetup = 32830, kCmdCut = 32842, kCmdCopy = 32843,
                         kCmdPaste = 32844, kCmdNote = 32806, kCmdFont = 32815, kCmdBorders = 32813,
                         kCmdCellType = 32807, kCmdTableOptions = 32845;
    // Commands of this editor beyond the fixed ones.
    static constexpr int kCmdInsertRow = 32850, kCmdDeleteRow = 32851, kCmdInsertCol = 32852,
                         kCmdDeleteCol = 32853, kCmdRecalc = 32854, kCmdAutoCalc = 32855,
                         kCmdRefStyleA1 = 32856;

    explicit CDlgSpreadSheet(ui::Window* parent = nullptr);
    ~CDlgSpreadSheet() override;

    // The document to open at start (product path); empty for a new document.
    Tvl_String m_path;

    Tvl_Spread& grid() { return m_grid; }
    ui::Toolbar* toolbar() const { return m_toolbar; }
    const Tvl_String& path() const { return m_path; }
    bool changed() const { return m_grid.option(grid::kOptionChanged); }

    // The commands, as the menu runs them.
    bool openDocument();
    // Loads `path` into the grid; on failure a message and the document stays as it was.
    bool loadDocument(const Tvl_String& path);
    bool save();
    bool saveAs();
    // Asks whether to save a changed document; false when the action must not go on.
    bool savePrompt();
    void exportDocument();
    void copy();
    void cut();
    void paste();
    void editNote();
    // Shows the selection's cell text, formula and variable name; `except` (a field id)
    // keeps what it shows, as the user is typing into it.
    void refreshEditBar(int except = 0);
    // Whether the print commands can be chosen: the one place that switches them on.
    bool printCommandsAvailable() const;

protected:
    bool onInitDialog() override;
    void onCancel() override;
    void onClose() override;
    void onDestroy() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;
    bool preTranslateMessage(ui::Message& msg) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;

private:
    void rememberBlock(bool cut);
    void setReferenceStyleA1(bool on);
    // The status line's word on a variable name that another cell already has.
    void checkVariableName(const std::wstring& name, const grid::CellRange& block);
    void relabelMenu();
    void createToolbar();
    void setCaption();
    void afterLoad(bool isNew);
    void relocatePrintFile(const wchar_t* key);
    // Reads an exported file back and says on the command line what it holds.
    void reportExport(const Tvl_String& file, bool workbook);
    void applyField(int id);
    void setField(int id, const std::wstring& text);
    // The selected block with unset edges widened to the whole sheet, else the active
    // cell; false when there is neither.
    bool targetBlock(grid::CellRange& block) const;
    void markChanged();
    void showContextMenu();
    void insertOrDelete(int command);
    void updateCommandStates();
    void message(const std::wstring& text, unsigned icon);

    Tvl_Spread m_grid;
    DlgResizeLayout m_layout;
    const std::wstring m_mixedText = L"*VARIEERT*";
    bool m_wroteCellText = false;
    bool m_wroteFormula = false;
    bool m_wroteVariable = false;
    bool m_selectionMoved = true;
    ui::Toolbar* m_toolbar = nullptr;
    std::unique_ptr<ui::Menu> m_popup;
    long long m_document = 0; // this document's number for the internal clipboard
    bool m_ready = false;
    kw::SheetPrinting m_printing; // printing: the printer settings and the print commands
};
