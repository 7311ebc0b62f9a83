#pragma once
// CTabEditVars: the variables page of the macro editor: the current module's variables
// (name, value, type), its dimensions (shown only) and its equations, one per line.

#include "core/CButtonST.h"
#include "core/macroedit/EditConstrData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CDlgEditMacro;

class CTabEditVars : public ui::Dialog {
public:
    static constexpr int kTypeCount = 8;

    CTabEditVars(CDlgEditMacro& owner, EditConstrData* data);

    bool createPage(ui::Window* tabControl);
    void load();
    // Rebuilds the record's variables and equations from the page and sends them to the
    // core; false when the core refused them (the page keeps what the user typed).
    bool store();
    void refresh();
    Tvl_Spread& variables() { return m_vars; }
    Tvl_Spread& dimensions() { return m_dims; }

    // Text of a value as the grid keeps it: every digit a double needs to read back.
    static Tvl_String exactNumber(double value);

protected:
    bool onInitDialog() override;
    void onOK() override {}
    void onCancel() override {}
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;

private:
    void giveRowCells(int row, double value, int type);
    void onAdd();
    void onDelete();
    void fitColumns();

    CDlgEditMacro& m_owner;
    EditConstrData* m_data;
    Tvl_Spread m_vars;
    Tvl_Spread m_dims;
    CButtonST m_add;
    CButtonST m_delete;
    bool m_initialized = false;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
