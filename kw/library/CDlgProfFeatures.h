#pragma once
// CDlgProfFeatures: the general profile form: a profile and up to four values and an
// option, each row shown only when the caller gave it a caption. Row 3 switches to its
// alternative caption and value while the option is checked; its field is the list combo
// or the edit, as the record says, and the toggle switches whichever one it is.

#include "core/library/DlgProfFeaturesData.h"
#include "platform/ui/Dialog.h"

class CDlgProfFeatures : public ui::Dialog {
public:
    static constexpr int kTemplateId = 241;
    static constexpr int kProfileLabelId = 1188;
    static constexpr int kProfileId = 1250;
    static constexpr int kChooseId = 1251;
    static constexpr int kLabel1Id = 1299;
    static constexpr int kValue1Id = 1252;
    static constexpr int kLabel2Id = 1301;
    static constexpr int kValue2Id = 1302;
    static constexpr int kLabel3Id = 1303;
    static constexpr int kValue3Id = 1304;
    static constexpr int kValue3ListId = 1253;
    static constexpr int kLabel4Id = 1305;
    static constexpr int kValue4Id = 1306;
    static constexpr int kOptionId = 1018;

    explicit CDlgProfFeatures(ui::Window* parent = nullptr) : ui::Dialog(kTemplateId, parent) {}

    DlgProfFeaturesData m_data;

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    int row3Field() const { return m_data.row3FromList ? kValue3ListId : kValue3Id; }
    Tvl_String fieldText(int id) const;
    void setFieldText(int id, const Tvl_String& text);
    void applyOption();
    void chooseProfile();

    Tvl_StringArray m_profiles; // the full name behind each entry of 1250
    bool m_optionShown = false; // the state row 3 shows
    Tvl_String m_value3;        // row 3's values while they are edited
    Tvl_String m_altValue3;
};
