#pragma once
// The focus registry: remembers per tab which control had the keyboard focus, so the
// focus can be given back after the tab was rebuilt.

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"

namespace ui {
class Window;
}
class Tvl_DlgDesignerData;
class Tvl_Spread;

enum FocusKind : int {
    kFocusNothing = 0,
    kFocusDesignedEdit = 1, // an edit of the user-designed dialog, with its selection
    kFocusGridCell = 2,
    kFocusControl = 3,
};

struct Tvl_RestoreFocusTab {
    Tvl_String tabName;
    int kind = kFocusNothing;
    int controlId = 0;
    int gridColumn = 0;
    int gridRow = 0;
    int selStart = 0;
    int selEnd = 0;
};

class Tvl_RestoreFocus {
public:
    // Stores where `focus` is, under the tab's name (a record is made when the tab has
    // none): nothing without a parent; a grid's active cell; a designed bolt-count edit
    // with its selection; any other control by id (nothing when the id is 0).
    void save(const Tvl_String& tabName, ui::Window* parent, ui::Window* focus,
              const Tvl_DlgDesignerData* designer);
    // Gives the focus back as stored; nothing without a record, a parent or a kind.
    void restore(const Tvl_String& tabName, ui::Window* parent, Tvl_Spread* grid,
                 const Tvl_DlgDesignerData* designer);

    // The record of a tab, null when it has none.
    const Tvl_RestoreFocusTab* find(const Tvl_String& tabName) const;

private:
    Tvl_RestoreFocusTab* findWrite(const Tvl_String& tabName);

    Tvl_Array<Tvl_RestoreFocusTab> m_tabs;
};
