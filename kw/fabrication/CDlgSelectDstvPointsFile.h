#pragma once
// CDlgSelectDstvPointsFile: the DSTV point groups. Lists the groups with the standard
// group checked; creates, deletes, makes standard and edits groups (through
// CDlgEditDstvPoints). Group files change at once; nothing is handed back.

#include "core/fabrication/DlgDstvPoints.h"
#include "platform/ui/Dialog.h"

class CDlgSelectDstvPointsFile : public ui::Dialog {
public:
    static constexpr int kTemplateId = 234;
    static constexpr int kGroupsId = 1336;
    static constexpr int kNewId = 1337;
    static constexpr int kDeleteId = 1338;
    static constexpr int kStandardId = 1335;
    static constexpr int kEditId = 1334;

    explicit CDlgSelectDstvPointsFile(ui::Window* parent = nullptr);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void fill(int index);
    // The selected group's name; false when none is selected.
    bool selectedName(Tvl_String& name, int& index) const;
    void onNew();
    void onDelete();
    void onStandard();
    void onEdit();
    void warn(const Tvl_String& text, int captionText);

    DlgDstvPoints m_points;
};
