#pragma once
// CTabEditLibGroups: the groups page of the section library editor. A check-combo lists
// the groups (checked when enabled); below it the selected group's enabled flag,
// picture and names per language. The shown group is stored back into the record
// before another one is shown, before the types page is shown, and on OK.

#include "core/library/DlgEditLibData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CTabEditLibGroups : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8138;
    static constexpr int kGroupsId = 1194;
    static constexpr int kNewId = 1189;
    static constexpr int kDeleteId = 1190;
    static constexpr int kFrameId = 1108;
    static constexpr int kEnabledId = 1185;
    static constexpr int kPictureLabelId = 1186;
    static constexpr int kPictureId = 1195;
    static constexpr int kNamesFrameId = 1188;
    static constexpr int kNamesId = 1193;

    explicit CTabEditLibGroups(DlgEditLibData* data) : ui::Dialog(kTemplateId), m_data(data) {}

    void fill();
    void storeCurrent();
    int currentIndex() const { return m_index; }
    Tvl_Spread& namesGrid() { return m_names; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;

private:
    DlgEditLibData* m_data;
    int m_index = 0;
    Tvl_Spread m_names;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
