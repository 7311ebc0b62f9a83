#pragma once
// CDlgArray: one dynamic array of a macro: its kind, four dimension names (for kind 1 the
// fourth is a value typed instead), three values and a pair of values, an option, and the
// entry list (one row per entry: flag, action, mark, name).
//
// It works on its own copy (m_data); the caller takes it back on OK. At OK the values
// must be numbers (or empty), else a message names the first that is not and the dialog
// stays open. The list holds 0 to kMaxEntries entries (the model's range of an array's
// count): New is disabled at the top, Remove and Mark with no entries. At OK the entries
// become the array's entries and its count.
//
// Changing the kind keeps what was typed: the controls are stored under the kind they
// were shown for, then the dialog is filled for the new kind.

#include "core/DynArrayData.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgArray : public ui::Dialog {
public:
    static constexpr int kMaxEntries = 100;
    // Entry grid columns.
    static constexpr int kColNumber = 1;
    static constexpr int kColFlag = 2;
    static constexpr int kColAction = 3;
    static constexpr int kColMark = 4;
    static constexpr int kColName = 5;

    explicit CDlgArray(ui::Window* parent = nullptr);

    DynArrayData m_data;
    AcArray<AcDbObjectId> m_objects;
    Tvl_String m_module;

    // State for tests and the snapshot tool.
    Tvl_Spread& entries() { return m_grid; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void fillForKind();
    void showValues();
    // Reads the controls back, the fourth dimension as shown for `kind`.
    void storeValues(int kind);
    void storeEntries();
    void showEntries();
    void setEntryRow(int row, const DynArrayEntryColumn& column, int action);
    void formatEntryRows();
    void addEntry();
    void removeEntry();
    void markEntry();
    void enableEntryButtons();
    bool findRefused(Tvl_String& text) const;
    Tvl_String itemText(int id) const;

    Tvl_Spread m_grid;
    bool m_gridMade = false;
    int m_shownKind = 0;
    Tvl_StringArray m_actions;
};
