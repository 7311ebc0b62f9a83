#pragma once
// CDlgMacroPattern: one bolt pattern in its two directions (distribution, fixed
// distances, staggering, bolt count and distance, the fixed distances in a grid) and its
// four options. Unlike the other sub-dialogs it hands every change back at once: its
// owner page applies the changed pattern to the model while the dialog is still open
// (CMacroTabGeneral::patternChanged) and shows again what the model kept of it, so a
// refused count goes back to the model's. Cancel hands nothing further back; what was
// handed back stays applied.
//
// A count that is not a whole number of 0 or more, or a distance that is not a number,
// is not handed back while it is being typed; OK refuses it with a message. The second
// panel is disabled for a pattern of one direction (its second count is empty).

#include "core/MacroPatternProps.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CMacroTabGeneral;

class CDlgMacroPattern : public ui::Dialog {
public:
    // Grid columns: distance number (locked), distance, staggered offset, active check.
    static constexpr int kColNumber = 1;
    static constexpr int kColDistance = 2;
    static constexpr int kColOffset = 3;
    static constexpr int kColActive = 4;

    // `owner` may be null (nothing is handed back) and may go while the dialog runs.
    CDlgMacroPattern(CMacroTabGeneral* owner, int index, const MacroPatternProps& pattern,
                     ui::Window* parent = nullptr);

    MacroPatternProps m_pattern;
    int m_options[4] = {0, 0, 0, 0};

    // State for tests and the snapshot tool.
    Tvl_Spread& grid(int direction) { return m_grids[direction == 0 ? 0 : 1]; }
    int handBacks() const { return m_handBacks; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;

private:
    void setUpDirection(int d);
    void showDirection(int d);
    void storeDirection(int d);
    void store();
    void enableControls();
    void fitRowsToCount(int d);
    bool twoDirections() const;
    // The first text that is refused, empty when all are fine.
    bool findRefused(Tvl_String& text) const;
    void changed();
    Tvl_String itemText(int id) const;

    ui::WindowRef<CMacroTabGeneral> m_owner;
    int m_index = -1;
    Tvl_Spread m_grids[2];
    bool m_gridMade[2] = {false, false};
    bool m_initialised = false;
    bool m_showing = false; // writing the model's values back: no hand-back
    int m_handBacks = 0;
};
