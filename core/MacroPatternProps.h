#pragma once
// MacroPatternProps: a bolt pattern of a macro: its name, the bolt counts in its two
// directions and the settings of the pattern dialog.
//
// A count is text as the user typed it. getCount(2) is -1 for a pattern of one
// direction (second count empty) and for a count that is not a whole number >= 0, so a
// dialog knows not to offer it.
//
// References (window id of a drawn control > 0, -n grid row n, 0 none) are kept for the
// first count, the second count and the pattern's button.

#include "core/Tvl_StringArray.h"

// The settings of one direction of a pattern.
class MacroPatternDirection {
public:
    MacroPatternDirection() = default;
    virtual ~MacroPatternDirection() = default;
    bool operator==(const MacroPatternDirection&) const = default;

    int m_listSelection = 0; // distribution kind
    bool m_mode = false;
    int m_option = 0;
    Tvl_String m_distance;             // spacing between bolts (mm)
    Tvl_String m_edgeDistance;         // distance of the first bolt from the plate edge (mm)
    Tvl_Array<Tvl_StringArray> m_rows; // distance rows, four columns each
};

class MacroPatternProps {
public:
    MacroPatternProps() = default;
    MacroPatternProps(const Tvl_String& name, const Tvl_String& count1, const Tvl_String& count2);
    MacroPatternProps(const MacroPatternProps&) = default;
    MacroPatternProps& operator=(const MacroPatternProps&) = default;
    virtual ~MacroPatternProps() = default;

    // which = 1 or 2: the count as a whole number >= 0; -1 when it does not resolve
    // (empty, not a whole number, negative) and for any other `which`.
    int getCount(int which) const;
    const Tvl_String& countText(int which) const { return which == 2 ? m_count2 : m_count1; }
    void setCountText(int which, const Tvl_String& text);

    bool operator==(const MacroPatternProps& other) const;
    // Equal apart from the references.
    bool sameValue(const MacroPatternProps& other) const;

    Tvl_String m_name;
    Tvl_String m_count1;
    Tvl_String m_count2;
    int m_refCount1 = 0;
    int m_refCount2 = 0;
    int m_refButton = 0;
    bool m_dialogFlag = true; // the grid row carries a button cell to the pattern dialog
    MacroPatternDirection m_directions[2];
    int m_options[4] = {0, 0, 0, 0}; // three-state: 1 on, 0 off, -1 varies
};
