#pragma once
// CResizer: keeps a dialog's controls in place while the dialog changes size.
//
// Init() records the dialog's client size and every child's rectangle as the design
// layout. Each control side then follows one rule, relative to that design layout:
//   Parent        keeps its distance to an edge of the client area (by default the
//                 same edge: a left side keeps its distance to the left edge);
//   Control       keeps its distance to an edge of another control, as that control
//                 is placed now (so add the other control's rules first);
//   Proportional  stays at the same fraction of the client width or height;
//   KeepSize      lies at the design width (height) from the opposite side.
// Sides without a rule: left and top keep their distance to the left and top edges,
// right and bottom keep the size. Move() applies the rules to the current client size;
// call it from the dialog's size handler. A control never gets a negative size: a
// right (bottom) side that would pass its left (top) side stops there.

#include "platform/ui/Window.h"

#include <map>
#include <vector>

class CResizer {
public:
    enum class Side { Left, Top, Right, Bottom };
    enum class Rule { Parent, Control, Proportional, KeepSize };

    CResizer() = default;
    virtual ~CResizer() = default;

    // Records the design layout of `dialog`. False for a dialog without a window.
    bool Init(ui::Window* dialog);
    bool isInitialised() const { return static_cast<bool>(m_dialog); }

    // Sets the rule of one side of control `id`. For Parent, `otherSide` is the client
    // edge to follow; for Control, `otherId` and `otherSide` name the edge to follow.
    // False when a control is unknown, or a vertical side would follow a horizontal
    // edge (or the reverse).
    bool SetRule(int id, Side side, Rule rule, int otherId = 0, Side otherSide = Side::Left);
    // Shorthands.
    bool KeepToParent(int id, Side side) { return SetRule(id, side, Rule::Parent, 0, side); }
    bool KeepSize(int id, Side side) { return SetRule(id, side, Rule::KeepSize); }
    bool Proportional(int id, Side side) { return SetRule(id, side, Rule::Proportional); }
    bool KeepToControl(int id, Side side, int otherId, Side otherSide) {
        return SetRule(id, side, Rule::Control, otherId, otherSide);
    }
    // All four sides keep their distance to the matching client edges (the control grows).
    bool AnchorAll(int id);

    // Places every control for the dialog's current client size.
    void Move();
    // The rectangle Move() gives control `id` for a client area of `clientSize`.
    ui::Rect placement(int id, ui::Size clientSize) const;

private:
    struct SideRule {
        Rule rule = Rule::Parent;
        int otherId = 0;
        Side otherSide = Side::Left;
        bool set = false;
    };
    struct Item {
        int id = 0;
        ui::Rect design;
        SideRule sides[4];
    };

    static SideRule effectiveRule(const Item& item, Side side);
    Item* find(int id);
    const Item* find(int id) const;
    int coordinate(const Item& item, Side side, ui::Size client,
                   const std::map<int, ui::Rect>& placed) const;
    std::map<int, ui::Rect> layout(ui::Size client) const;

    ui::WindowRef<> m_dialog; // turns null when the dialog object is deleted
    ui::Size m_designClient;
    std::vector<Item> m_items; // in rule order: first ruled first, then the rest
};
