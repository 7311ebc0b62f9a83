#pragma once
// CTabEditLibTypes: the types page of the section library editor, the same pattern as the
// groups page over the section types, with a type's group (kept by the group's
// identifier) and its values table.

#include "core/library/DlgEditLibData.h"
#include "kw/frame/DlgResizeLayout.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CTabEditLibTypes : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8139;
    static constexpr int kTypesId = 1199;
    static constexpr int kNewId = 1189;
    static constexpr int kDeleteId = 1190;
    static constexpr int kFrameId = 1081;
    static constexpr int kEnabledId = 1185;
    static constexpr int kPictureLabelId = 1186;
    static constexpr int kPictureId = 1195;
    static constexpr int kGroupLabelId = 1187;
    static constexpr int kGroupId = 1196;
    static constexpr int kTableLabelId = 1192;
    static constexpr int kTableId = 1198;
    static constexpr int kNamesFrameId = 1188;
    static constexpr int kNamesId = 1193;

    explicit CTabEditLibTypes(DlgEditLibData* data) : ui::Dialog(kTemplateId), m_data(data) {}

    void fill();
    void storeCurrent();
    // Before the page is shown: the group list again (the shown type keeps its group)
    // and the table names of the values page (the typed text stays).
    void refresh(const Tvl_StringArray& tableNames);
    int currentIndex() const { return m_index; }
    Tvl_Spread& namesGrid() { return m_names; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;

private:
    void fillGroups(long selectedId);
    void fillTables(const Tvl_StringArray& tableNames);
    long selectedGroupId() const;

    DlgEditLibData* m_data;
    int m_index = 0;
    Tvl_Spread m_names;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
