#pragma once
// CMacroTabProf: the page of a profile tab. Like every general page it shows the tab's
// design with its drawn controls and the grid of the items no drawn control shows; below
// them a fixed panel picks one of the tab's profile groups and edits its placement
// (section, offset type, rotation, base plane). The advanced profile dialog edits every
// property of the group and the segmented profile dialog the tab's segmented profiles.
// Each change is stored into the tab data and applied to the model at once through the
// macro dialog.
//
// The preview object (given by the frame with the preview flag) is erased once, after
// the first run of the advanced dialog; the page then forgets it.

#include "core/MacroProfData.h"
#include "core/Tvl_StringArray.h"
#include "core/macroprof/BmMACallBackData.h"
#include "kw/macro/CMacroTabGeneral.h"
#include "platform/host/AcDbObjectId.h"

class CMacroTabProf : public CMacroTabGeneral {
public:
    CMacroTabProf();
    ~CMacroTabProf() override;

    void refresh() override;
    void store() override;
    void pageSize(int& width, int& height) const override;

    void setPreview(bool preview, AcDbObjectId object) {
        m_preview = preview;
        m_previewObject = object;
    }
    bool preview() const { return m_preview; }

    // Runs the advanced profile dialog on group `group` (empty: the group the panel shows).
    // A drawn advanced button always runs it with the dialog option set.
    void runAdvanced(const Tvl_String& group = Tvl_String(), bool fromDrawnButton = false);
    // The advanced dialog's call-back while it runs for a profile page.
    static bool pageCallBack(BmMACallBackType type, const BmMACallBackData& data,
                             MacroProfData& props);

    // State for tests and the snapshot tool.
    Tvl_String shownGroup() const;
    bool panelShown() const;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    int reservedBottom() const override;
    void onOtherDrawnClicked(int id, int type) override;

private:
    void fillLists();
    void showGroup();
    // The group the panel shows, with its merged properties; false when there is none.
    bool panelRecord(MacroProfData& props);
    void applyPanel();
    void writeRecord(const MacroProfData& props);
    void chooseSection();
    void pickPlane();
    void rotationTyped();
    void runSegmented();

    Tvl_StringArray m_sectionNames;
    AcArray<AcDbObjectId> m_profileIds;
    bool m_preview = false;
    AcDbObjectId m_previewObject;
    bool m_showing = false;
};
