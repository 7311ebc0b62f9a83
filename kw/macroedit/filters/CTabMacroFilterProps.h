#pragma once
// CTabMacroFilterProps: per property of the macro, its list of values and the dialog
// design shown for it. Unlike the other settings pages it works on copies of the three
// lists it is given; the dialog takes them back with takeLists() on OK.

#include "core/CButtonST.h"
#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CTabMacroFilterProps : public ui::Dialog {
public:
    CTabMacroFilterProps();

    // The lists to edit (before the page is created).
    void setLists(const Tvl_StringArray& names, const Tvl_Array<Tvl_StringArray>& values,
                  const Tvl_StringArray& designs);
    // Stores the shown property and hands the three lists back.
    void takeLists(Tvl_StringArray& names, Tvl_Array<Tvl_StringArray>& values,
                   Tvl_StringArray& designs);

    bool createPage(ui::Window* tabControl);
    Tvl_Spread& grid() { return m_grid; }
    int current() const { return m_current; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void show(int index);
    void store();

    Tvl_StringArray m_names;
    Tvl_Array<Tvl_StringArray> m_values;
    Tvl_StringArray m_designs;
    Tvl_Spread m_grid;
    CButtonST m_add;
    CButtonST m_delete;
    int m_current = -1;
};
