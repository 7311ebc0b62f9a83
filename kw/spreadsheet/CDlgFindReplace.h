#pragma once
// CDlgFindReplace: the modeless find/replace dialog a grid opens with F3 or F5. It keeps
// a weak reference to its grid (a grid that is gone makes every action do nothing) and
// remembers the grid's option 13 to put it back on closing.
//
// Find next searches from the active cell, that cell included. It starts after it when
// the cell is being edited (the rest of its text after the caret was searched first) or
// when it is the cell the previous find made active: else repeated finds would stop at
// the first hit.

#include <optional>
#include <utility>

#include "platform/ui/Dialog.h"

class Tvl_Spread;

class CDlgFindReplace : public ui::Dialog {
public:
    static constexpr int kTemplateId = 218;
    static constexpr int kFindLabelId = 1206;
    static constexpr int kFindId = 1207;
    static constexpr int kReplaceLabelId = 1208;
    static constexpr int kReplaceId = 1209;
    static constexpr int kReplaceButtonId = 1204;
    static constexpr int kReplaceAllButtonId = 1205;

    explicit CDlgFindReplace(Tvl_Spread* grid);

    int gridControlId() const { return m_gridId; }
    // Finds the next occurrence; without a hit and with `askWrap` it offers to go on
    // from the start. True when something was found.
    bool findNext(bool askWrap);
    void replace();
    // Number of cells changed.
    int replaceAll();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    bool preTranslateMessage(ui::Message& msg) override;
    void onCancel() override;

private:
    Tvl_Spread* grid() const;
    bool findFrom(int col, int row);

    ui::WindowRef<ui::Window> m_grid;
    int m_gridId = 0;
    bool m_savedOption13 = false;
    std::optional<std::pair<int, int>> m_lastHit; // the cell the last find made active
};
