#pragma once
// CDlgEditProfCuts: the cuts of a profile of the drawing. The selected cut is previewed in
// the drawing; cuts are deleted at once; another profile can be picked while the dialog
// is open (it hides meanwhile). Unless "keep previews" is checked, a cut's preview goes
// when another cut is selected, and all go when the dialog closes.

#include "core/CButtonST.h"
#include "core/library/DlgProfCutsData.h"
#include "platform/host/CAcUiDialog.h"

class CDlgEditProfCuts : public CAcUiDialog {
public:
    static constexpr int kTemplateId = 235;
    static constexpr int kCutsId = 1339;
    static constexpr int kPickId = 1341;
    static constexpr int kDeleteId = 1087;
    static constexpr int kKeepId = 1340;

    explicit CDlgEditProfCuts(DlgProfCutsData& data, ui::Window* parent = nullptr);

    int currentCut() const { return m_current; }
    bool removesPreviews() const { return m_removePreviews; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onDestroy() override;

private:
    void fill();
    void select(int index);

    DlgProfCutsData& m_data;
    int m_current = -1;
    bool m_removePreviews = true;
    CButtonST m_pick;
    CButtonST m_delete;
};
