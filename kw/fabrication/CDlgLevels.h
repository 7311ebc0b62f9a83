#pragma once
// CDlgLevels: edits the building levels. Works on its own copy m_data; the caller reads
// it back after OK. A level's reference can be chosen only right after it was added.

#include "core/CButtonST.h"
#include "core/fabrication/BmLevelsDlgData.h"
#include "platform/ui/Dialog.h"

class CDlgLevels : public ui::Dialog {
public:
    static constexpr int kTemplateId = 243;
    static constexpr int kLevelsId = 1381;
    static constexpr int kAddId = 1088;
    static constexpr int kDeleteId = 1089;
    static constexpr int kNameId = 1000;
    static constexpr int kReferenceId = 1382;
    static constexpr int kHeightId = 1001;
    static constexpr int kAbsoluteId = 1002;
    // A name is asked for at most this many times in a row; then the add is given up.
    static constexpr int kMaxNameRefusals = 20;

    explicit CDlgLevels(ui::Window* parent = nullptr);

    BmLevelsDlgData m_data;

    int shownIndex() const { return m_shown; }

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void fillLevels();
    bool showLevel(int index);
    void clearShown();
    void storeShown();
    void onAdd();
    void onDelete();

    CButtonST m_addButton;
    CButtonST m_deleteButton;
    int m_shown = -1;
    bool m_added = false;
};
