#pragma once
// MacroCell: one named variable of a macro as a dialog shows it.
//
// Kinds: 1 number, 2 text, 3 list (choose one entry), 4 editable list (an entry or any
// text), 5 check box ("1" checked, "0" not). The value is text in every kind; a number is
// kept as it was typed (the model writes back its own form after an update), so a cell
// that nobody touched compares equal to its before-copy.
//
// The entries of a list cell are kept apart from its value, so storing the chosen text
// back into the value never loses the list. listText() joins them with "\n" for callers
// that want the list as one text.
//
// The reference says where a dialog shows the cell: the window id of a drawn control
// (> 0), -n for row n of the page's grid, 0 when not shown.

#include "core/Tvl_StringArray.h"

class MacroCell {
public:
    enum Kind { kNumber = 1, kText = 2, kList = 3, kEditableList = 4, kCheck = 5 };

    MacroCell() = default;
    MacroCell(int kind, const Tvl_String& name, const Tvl_String& value, bool readOnly = false);
    MacroCell(const MacroCell&) = default;
    MacroCell& operator=(const MacroCell&) = default;
    virtual ~MacroCell() = default;

    // True and the number when the value is a number (blanks around it allowed).
    bool numericValue(double& value) const;
    bool isChecked() const { return m_value.trimmed() == L"1"; }
    bool isList() const { return m_kind == kList || m_kind == kEditableList; }
    Tvl_String listText() const;

    // Equal in every field, the reference included.
    bool operator==(const MacroCell& other) const;
    // Equal in what the model keeps: kind, name, value, read-only flag and list.
    bool sameValue(const MacroCell& other) const;

    int m_kind = kNumber;
    Tvl_String m_name;
    bool m_readOnly = false;
    Tvl_String m_value;
    Tvl_StringArray m_list; // kinds 3 and 4
    int m_reference = 0;
};
