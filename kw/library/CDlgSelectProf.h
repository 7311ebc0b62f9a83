#pragma once
// CDlgSelectProf: chooses a profile from the section library: a values table, then one of
// its active sizes. m_data.profileName is the start and, after OK, the choice
// ("HEA-200", without the library folder).

#include "core/library/DlgSelectProfData.h"
#include "platform/ui/Dialog.h"

class CDlgSelectProf : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8731;
    static constexpr int kTablesId = 1401;
    static constexpr int kSizesId = 1402;

    explicit CDlgSelectProf(ui::Window* parent = nullptr) : ui::Dialog(kTemplateId, parent) {}

    DlgSelectProfData m_data;

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void fillSizes(const Tvl_String& selected);
    Tvl_StringArray m_tables;
    Tvl_StringArray m_fullNames;
};
