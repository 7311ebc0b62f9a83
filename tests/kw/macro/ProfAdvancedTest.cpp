// The advanced profile dialog through its export on the base plate's profile tab, and
// the call-back record's ownership of its macro copy.

#include "tests/kw/macro/MacroTestSupport.h"

#include "core/macroprof/BmMACallBackData.h"
#include "core/macroprof/ProfileCallBacks.h"
#include "kw/macro/MacroProfIds.h"

using namespace kw::macro::prof;

namespace {

class ProfAdvanced : public MacroTest {};

} // namespace

TEST_F(ProfAdvanced, CallBackRecordCopiesItsMacroDeeply) {
    BmMACallBackData a;
    a.initDataClass(record(L"BP1"));
    BmMACallBackData b = a;
    ASSERT_NE(a.macro(), nullptr);
    ASSERT_NE(b.macro(), nullptr);
    EXPECT_NE(a.macro(), b.macro());
    EXPECT_TRUE(*a.macro() == *b.macro());
    BmMACallBackData c;
    c = a;
    c = c;
    EXPECT_NE(c.macro(), a.macro());
}

TEST_F(ProfAdvanced, OffsetTypedThroughTheExportReachesTheModelAndThePreviewIsErased) {
    MacroData data = record(L"BP1");
    data.m_preview = true;
    const AcDbObjectId preview = createPreviewProfile(L"HEA-200");
    data.m_firstObjects.append(preview);
    ui::ScriptedDriver driver;
    driver.onDialog(kDlgProfAdv, [](ui::Dialog& dlg) {
        EXPECT_EQ(dlg.getDlgItemText(kAdvSection), L"L-60x6");
        ui::selectItem(dlg, kAdvOffsetType, 1); // the first offset type enables the offsets
        ui::typeText(dlg, kAdvOffsetX, L"25");
        ui::click(dlg, ui::IDOK);
    });
    StartDlgMacroProfAdv(data, L"Profiles", L"Braces", true);
    const MacroTabData* tab = model::sampleModel().instanceByName(L"BP1")->module(L"Profiles");
    ASSERT_NE(tab, nullptr);
    MacroProfData braces;
    ASSERT_TRUE(tab->getMergedPropsOfGroup(L"Braces", braces));
    EXPECT_EQ(braces.m_offsetType, 0);
    EXPECT_EQ(braces.m_offsetX.toUtf8(), "25");
    EXPECT_TRUE(isErased(preview));
    EXPECT_EQ(erasedCount(), 1);
    EXPECT_TRUE(driver.done());
}
