#pragma once
// CTabEditLibValues: the values page of the section library editor. One values table at a
// time is shown in the grid; the page makes, deletes and renames table files, changes a
// table's section shape (which sets its value columns) and offers the grid's commands.
// A table is written only when the user agrees on leaving it or renames it. A table
// whose file cannot be read is shown empty and is never written over.

#include <memory>

#include "core/CButtonST.h"
#include "core/library/DlgEditLibData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/library/Tvl_ProfValuesTable.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CTabEditLibValues : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8716;
    static constexpr int kTablesId = 1248;
    static constexpr int kNewId = 1189;
    static constexpr int kDeleteId = 1190;
    static constexpr int kOptionsId = 1200;
    static constexpr int kRenameId = 1201;
    static constexpr int kCopyId = 1199;
    static constexpr int kPasteId = 1198;
    static constexpr int kInsertRowId = 1204;
    static constexpr int kDeleteRowId = 1205;
    static constexpr int kRowUpId = 1206;
    static constexpr int kRowDownId = 1207;
    static constexpr int kFindId = 1208;
    static constexpr int kShapeFrameId = 1203;
    static constexpr int kShapeId = 1202;
    static constexpr int kGridId = 1196;

    CTabEditLibValues(DlgEditLibData* data, const Tvl_String& name)
        : ui::Dialog(kTemplateId), m_data(data), m_name(name) {}
    ~CTabEditLibValues() override;

    // Asks about unsaved changes; false when the user chose Cancel (or storing failed).
    bool leaveTable();
    const Tvl_StringArray& tableNames() const { return m_data->tableNames; }
    int currentTable() const { return m_tableIndex; }
    Tvl_String currentTableName() const;
    Tvl_Spread& grid() { return m_grid; }
    const Tvl_ProfValuesTable& table() const { return m_table; }
    bool currentDamaged() const { return m_damaged; }

    // The table a name such as "HEA-200" starts the page on: the longest table name that
    // equals it or is followed by "-" in it (case ignored); 0 when none fits.
    static int initialTable(const Tvl_StringArray& tables, const Tvl_String& name);
    // Whether a typed table name may become a file name in the profile folder.
    static bool isValidTableName(const Tvl_String& name);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;

private:
    void fillTables();
    void loadTable(int index);
    bool storeTable(const Tvl_String& name);
    void showShape(const Tvl_String& code);
    void applyShape(bool fromUser);
    void newTable();
    void deleteTable();
    void renameTable();
    void selectTable(int index);
    void gridCommand(int id);
    void gridOptions();
    void dropUnsavedNew();

    DlgEditLibData* m_data;
    Tvl_String m_name;
    int m_tableIndex = -1;
    Tvl_ProfValuesTable m_table;
    bool m_damaged = false;   // the file could not be read: never written
    bool m_unwritten = false; // a new table that has no file yet
    Tvl_Spread m_grid;
    CButtonST m_buttons[7];
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
