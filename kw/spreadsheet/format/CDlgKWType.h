#pragma once
// CDlgKWType: the cell-type dialog ("Cell-type wijzigen"). It edits m_record: the kind
// (number, text, picture), the alignment and rotation, and per kind its decimals, its
// maximum number of letters or its picture file with the kind's own check boxes. Each
// kind keeps its own settings while the user switches between them; OK writes only
// those of the kind chosen. A sample cell shows the effect.

#include <array>

#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/format/CellTypeRecord.h"
#include "platform/ui/Dialog.h"

class CDlgKWType : public ui::Dialog {
public:
    static constexpr int kTemplateId = 175;
    static constexpr int kPreviewId = 1001;
    static constexpr int kKindId = 1005;
    static constexpr int kHAlignId = 1009;
    static constexpr int kVAlignId = 1010;
    static constexpr int kRotationId = 1011;
    static constexpr int kHAlignLabelId = 1012;
    static constexpr int kVAlignLabelId = 1013;
    static constexpr int kRotationLabelId = 1014;
    static constexpr int kKindLabelId = 1015;
    static constexpr int kFieldLabelId = 1016;
    static constexpr int kFieldId = 1017;
    static constexpr int kFirstCheckId = 1018;
    static constexpr int kSecondCheckId = 1019;
    static constexpr int kBrowseId = 1024;

    explicit CDlgKWType(ui::Window* parent = nullptr) : ui::Dialog(kTemplateId, parent) {}

    kw::CellTypeRecord m_record;

    Tvl_Spread& preview() { return m_preview; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onOK() override;

private:
    // The kind's fields from the controls into m_kinds, and back.
    void storeFields();
    void loadFields();
    uint32_t alignmentAndRotation(uint32_t& rotation);
    kw::CellTypeRecord recordFromControls();
    void refreshPreview();
    void browse();

    // What each kind remembers while another one is shown: its check-box flags.
    std::array<uint32_t, 3> m_kindFlags{};
    int m_kind = 0;
    bool m_loading = false; // the dialog itself is writing into the fields
    Tvl_Spread m_preview;
};
