#pragma once
// CDlgMacroCuts: defines one cut of a macro: its kind (a picture list), its name, the
// macros it also acts on, the variables that drive it (a grid: description, variable,
// value), the clearance (a number or a macro variable), which object is cut, the finish
// and three options. It works on its own copy of the record; OK checks the name (not
// empty, not taken by another cut of the macro, in either mode), the clearance and
// distance (numbers) and the variable names before it ends.
//
// The escape flag tells whether the dialog was left with the Escape key (a key press;
// Cancel, the close box and other messages never set it).

#include "core/CResizer.h"
#include "core/macrocuts/CBitmapPickerCombo.h"
#include "core/macrocuts/DlgMacroCutsData.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/host/CAcUiTabMainDialog.h"

class CDlgMacroCuts : public CAcUiTabMainDialog {
public:
    explicit CDlgMacroCuts(ui::Window* parent = nullptr);

    DlgMacroCutsData m_data;
    bool escaped() const { return m_escape; }

    // The picture files of the kind picker, in kind order (tvlDir + "icons\").
    static Tvl_StringArray kindPictures();

    Tvl_Spread& grid() { return m_grid; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool preTranslateMessage(ui::Message& msg) override;
    void onDestroy() override;

private:
    void showRecord();
    void showVariables();
    void enableControls();
    // Reads the controls into m_data; false (with a message) when a number is refused.
    bool readControls();
    void readVariables();
    void kindChosen();
    void selectMacros();
    void refuse(const Tvl_String& text);

    CBitmapPickerCombo m_kind;
    Tvl_Spread m_grid;
    bool m_gridMade = false;
    bool m_escape = false;
    bool m_showing = false;
};
