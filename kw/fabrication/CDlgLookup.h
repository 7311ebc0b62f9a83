#pragma once
// CDlgLookup: asks for the criteria of a look-up of model objects. OK and "Show All"
// both end the dialog with OK; the record's end mode tells them apart (0 or 2).

#include "kw/fabrication/BmLookUpDlgData.h"
#include "platform/ui/Dialog.h"

class CDlgLookup : public ui::Dialog {
public:
    static constexpr int kTemplateId = 244;
    static constexpr int kNameId = 1384;
    static constexpr int kSecondId = 1386;
    static constexpr int kThirdId = 1387;
    static constexpr int kFourthId = 1389;
    static constexpr int kComparisonId = 1398;
    static constexpr int kValueId = 1391;
    static constexpr int kScopeId = 1393;
    static constexpr int kOptionId = 1394;
    static constexpr int kShowAllId = 3;

    explicit CDlgLookup(ui::Window* parent = nullptr);

    BmLookUpDlgData m_data;

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onCommand(int id, int code, ui::Window* from) override;

private:
    void finish(int endMode);
};
