#pragma once
// Tvl_Spread: every table of the dialogs module is one of these, placed over a dialog
// placeholder by attach(). It adds to the grid: standard looks, fit modes, typed
// whole-column and whole-row transfer, check-box, combo and button columns, row and
// column insertion with copying, check pairs, a right-button menu, find/replace and the
// keyboard and Tab handling of the dialogs.
//
// Columns and rows count from 1; the header row and column are addressed by kHeader.
// Until attach() succeeds every operation does nothing (false, empty, or -1 for counts).

#include <memory>
#include <vector>

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/spreadsheet/TSpread.h"

class dynMenu;
class CDlgFindReplace;

class Tvl_Spread : public TSpread {
public:
    static constexpr int kHeader = -32767;

    // Tab handling results (tabExit).
    static constexpr int kTabStay = 0;
    static constexpr int kTabLeaveForward = 2;
    static constexpr int kTabLeaveBackward = 3;

    // Right-button menu item kinds.
    enum MenuKind : int {
        kMenuSeparator = 1,
        kMenuCopy = 2,
        kMenuPaste = 3,
        kMenuInsertRow = 4,
        kMenuDeleteRow = 5,
        kMenuInsertCol = 6,
        kMenuDeleteCol = 7,
        kMenuCheckAll = 8,
        kMenuUncheckAll = 9,
    };

    // Check-box picture keys the grid draws (module bitmaps 8134 and 8136).
    static constexpr const char* kPictureChecked = "kw:8134";
    static constexpr const char* kPictureUnchecked = "kw:8136";

    Tvl_Spread();
    ~Tvl_Spread() override;

    bool attach(ui::Window* dialog, int controlId, bool exactRect = false);
    bool isAttached() const { return m_attached; }
    int controlId() const { return m_controlId; }

    void setStandardLook(int variant);
    // Modes 1 equal, 2 contents, 3 share (count, percentage), 4 one fixed (column, width).
    void setFitMode(int mode, int param1 = 0, int param2 = 0);
    // Mode 5: several fixed columns with their widths.
    void setFitMode(const Tvl_Array<int>& columns, const Tvl_Array<int>& widths);
    int fitMode() const { return m_fitMode; }
    void applyFitMode();

    int rowCount() const;
    int colCount() const;
    void setRowCount(int n);
    void setColCount(int n, bool copyFormat = true);

    void setBlockFont(int col1, int row1, int col2, int row2, bool bold, bool textTips = false);
    void setRowFont(int row, bool header = false);
    void setColFont(int col, bool header = false);

    bool fitColumn(int col);
    bool fitRow(int row);
    void fitAll();

    bool setColumnTexts(int col, const Tvl_StringArray& texts, bool asValues = false);
    // The same for a plain array of texts.
    bool setColumnTexts(int col, const Tvl_Array<Tvl_String>& texts, bool asValues = false);
    bool setColumnTexts(int col, const Tvl_Array<double>& values);
    bool setColumnTexts(int col, const std::vector<bool>& values);
    bool setColumnTexts(int col, const Tvl_Array<int>& values);
    bool getColumnTexts(int col, Tvl_StringArray& texts, bool displayTexts = false) const;
    bool getColumnTexts(int col, Tvl_Array<int>& values) const;
    bool getColumnTexts(int col, Tvl_Array<double>& values) const;
    bool getColumnTexts(int col, std::vector<bool>& values) const;
    bool setRowTexts(int row, const Tvl_StringArray& texts, bool asValues = false);
    bool getRowTexts(int row, Tvl_StringArray& texts, bool displayTexts = false) const;
    bool getAllRows(Tvl_Array<Tvl_StringArray>& rows) const;
    bool setRowHeaderTexts(const Tvl_StringArray& texts);
    bool setColHeaderTexts(const Tvl_StringArray& texts);
    bool getColHeaderTexts(Tvl_StringArray& texts) const;

    // kind 0 display text, 1 formula, 2 tag, 3 value.
    bool getCellText(int col, int row, int kind, Tvl_String& text) const;
    bool setCellReal(int col, int row, double value);
    bool getCellReal(int col, int row, double& value) const;

    bool setColumnComboBox(int col, const Tvl_StringArray& items, bool editable);
    bool setColumnCheckBox(int col, bool rightLine = false, bool headerSpan = false);
    bool setCellCheckBox(int col, int row, bool rightLine = false);
    bool setCellButton(int col, int row, const Tvl_String& text);
    bool setCheckPair(int sourceCol, int targetCol);

    bool findInRow(const Tvl_String& text, int row, int startCol, int& foundCol) const;
    // From (col,row) onwards (that cell included), row by row, left to right; gives the
    // cell found.
    bool findNext(const Tvl_String& text, int& col, int& row) const;
    bool replaceInCell(int col, int row, const Tvl_String& oldText, const Tvl_String& newText);

    bool insertRowAt(int row, bool askTitle, bool copy);
    bool insertColAt(int col, bool askTitle, bool copy);
    bool deleteRowAt(int row);
    bool deleteColAt(int col);
    bool moveRow(bool up);
    void setAllChecks(bool on);

    void setMenuItems(const Tvl_Array<int>& kinds);
    void findKey();
    void replaceKey();
    CDlgFindReplace* findReplaceDialog() const { return m_findReplace.get(); }
    // The find/replace dialog asks to be deleted when it closes.
    void deleteFindReplace();

    int tabExit(int key);
    bool focusEdgeCell(bool last);
    bool firstEditableCell(int& col, int& row) const;
    bool lastEditableCell(int& col, int& row) const;

    bool m_f8ToggleAllowed = true;
    Tvl_String m_headerFace = L"Tahoma";
    int m_headerHeight = 15;

protected:
    bool preTranslateMessage(ui::Message& msg) override;
    bool onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;
    void onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;
    void commandToParent(int code) override;

private:
    int mapIndex(int index) const { return index == kHeader ? 0 : index; }
    grid::Font makeFont(bool bold) const;
    void applyCheckPair();
    void runMenuCommand(int kind);
    bool askTitle(bool row, Tvl_String& title);

    int m_controlId = 0;
    bool m_attached = false;
    int m_fitMode = 0;
    int m_fitParam1 = 0;
    int m_fitParam2 = 0;
    Tvl_Array<int> m_fitColumns;
    Tvl_Array<int> m_fitWidths;
    std::unique_ptr<dynMenu> m_menu;
    Tvl_Array<int> m_menuKinds;
    std::unique_ptr<CDlgFindReplace> m_findReplace;
    int m_pairSource = -1;
    int m_pairTarget = -1;
};
