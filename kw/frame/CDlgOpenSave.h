#pragma once
// The named-set dialog: opens or saves a named set of settings. The caller fills the
// two name lists, folder and extension (a name N stands for folder + N + extension),
// chooses open or save mode, runs it modally and reads m_chosenName after OK.

#include "core/CButtonST.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "kw/frame/DlgResizeLayout.h"
#include "platform/ui/Dialog.h"

class CDlgOpenSave : public ui::Dialog {
public:
    static constexpr int kTemplateId = 231;
    static constexpr int kListId = 1317;
    static constexpr int kNameId = 1043;
    static constexpr int kDeleteId = 1087;
    static constexpr int kShowAllId = 1382;
    static constexpr int kDeleteIcon = 206;
    static constexpr int kMinWidth = 200;
    static constexpr int kMinHeight = 250;

    explicit CDlgOpenSave(ui::Window* parent = nullptr);

    Tvl_StringArray m_names;        // offered while the check box is clear
    Tvl_StringArray m_namesChecked; // offered while it is set
    Tvl_String m_folder;
    Tvl_String m_extension;
    Tvl_String m_chosenName;
    bool m_saveMode = false;

    // Fills the list from the array that matches the check box.
    void FillList();

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onGetMinMaxInfo(ui::MinMaxInfo& info) override;
    void onDestroy() override;

private:
    void deleteSelected();
    Tvl_String pathOf(const Tvl_String& name) const;

    CButtonST m_deleteButton;
    DlgResizeLayout m_layout;
    bool m_layoutReady = false;
};
