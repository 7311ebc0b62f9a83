// Property sets from the macro dialog: saved through the named-set dialog and loaded
// again, the load report, damaged sets, names that would leave the folder, failed saves.

#include "tests/kw/macro/MacroTestSupport.h"

#include "kw/frame/CDlgOpenSave.h"
#include "platform/host/CommandLine.h"

#include <fstream>

using namespace kw::macro;

namespace {

class PropertySet : public MacroTest {
protected:
    std::filesystem::path folder() const { return m_lib / "Macro Properties"; }
    // The named-set dialog answered as a person would: a name typed, or a set chosen.
    void answerSave(ui::ScriptedDriver& driver, const wchar_t* name) {
        driver.onDialog(CDlgOpenSave::kTemplateId, [name](ui::Dialog& d) {
            ui::typeText(d, CDlgOpenSave::kNameId, name);
            ui::click(d, ui::IDOK);
        });
    }
    void answerOpen(ui::ScriptedDriver& driver, const wchar_t* name) {
        driver.onDialog(CDlgOpenSave::kTemplateId, [name](ui::Dialog& d) {
            ui::selectItem(d, CDlgOpenSave::kListId, name);
            ui::click(d, ui::IDOK);
        });
    }
    void typeAndLeave(CDlgMacro* dlg, const wchar_t* cell, const wchar_t* text) {
        ui::Window* edit = drawnCell(dlg, 0, cell);
        ASSERT_NE(edit, nullptr);
        ASSERT_TRUE(ui::typeText(*edit->parent(), edit->id(), text));
        ASSERT_TRUE(ui::click(*drawnCell(dlg, 0, L"PlateWidth")));
    }
    void writeSet(const char* name, const std::string& text) {
        std::filesystem::create_directories(folder());
        std::ofstream(folder() / name, std::ios::binary) << text;
    }
};

} // namespace

TEST_F(PropertySet, SavedSetLoadsBackIntoTheDialogAndTheModel) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(dlg->getDlgItem(kLoadProps)->isWindowEnabled());
    typeAndLeave(dlg, L"PlateThickness", L"25");
    {
        ui::ScriptedDriver driver;
        answerSave(driver, L"Thick");
        ASSERT_TRUE(ui::click(*dlg, kSaveProps));
        EXPECT_TRUE(driver.done());
    }
    EXPECT_TRUE(std::filesystem::exists(folder() / "Thick.mpr"));
    typeAndLeave(dlg, L"PlateThickness", L"12");
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateThickness"), L"12");
    {
        ui::ScriptedDriver driver; // every entry is read: no report
        answerOpen(driver, L"Thick");
        ASSERT_TRUE(ui::click(*dlg, kLoadProps));
        EXPECT_TRUE(driver.done());
    }
    EXPECT_EQ(drawnCell(dlg, 0, L"PlateThickness")->text(), L"25");
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateThickness"), L"25");
    EXPECT_EQ(drawnCell(dlg, 0, L"WeldSize")->text(), L"12.5");
}

TEST_F(PropertySet, SaveSendsEveryPageFirst) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    // Typed into the grid, not yet confirmed: the save takes it along.
    CMacroTabGeneral* page = general(dlg, 0);
    const int remark = -dlg->tabData(0)->cellWithName(L"Remark")->m_reference;
    page->grid().setFocus();
    page->grid().setActiveCell(CMacroTabGeneral::kColValue, remark);
    ASSERT_TRUE(ui::typeText(L"site weld"));
    ASSERT_TRUE(page->grid().isEditing());
    ui::ScriptedDriver driver;
    answerSave(driver, L"Remarked");
    ASSERT_TRUE(ui::click(*dlg, kSaveProps));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"Remark"), L"site weld");
    std::ifstream in(folder() / "Remarked.mpr");
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(text.find("site weld"), std::string::npos);
}

TEST_F(PropertySet, UnreadEntriesAreReportedAndTheRestIsLoaded) {
    writeSet("Partial.mpr", "TVLPROPERTIES 1\ns macro=EndPlate\ns EndPlate.PlateWidth=180\n"
                            "s EndPlate.NoSuchCell=1\ns Nowhere.Thing=2\nEND 4\n");
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    answerOpen(driver, L"Partial");
    driver.answerMessageBox(ui::IDOK, L"Values not found: 2 in total.");
    ASSERT_TRUE(ui::click(*dlg, kLoadProps));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(drawnCell(dlg, 0, L"PlateWidth")->text(), L"180");
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateWidth"), L"180");
}

TEST_F(PropertySet, DamagedSetChangesNothingAndSaysSo) {
    writeSet("Broken.mpr", "TVLPROPERTIES 1\ns macro=EndPlate\ns EndPlate.PlateWidth=180\n");
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const MacroData before = dlg->macroData();
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgOpenSave::kTemplateId, [](ui::Dialog& d) {
        // A damaged set is not one of this macro's: it shows among all sets only.
        ui::click(d, CDlgOpenSave::kShowAllId);
        ui::selectItem(d, CDlgOpenSave::kListId, L"Broken");
        ui::click(d, ui::IDOK);
    });
    driver.answerMessageBox(ui::IDOK, L"Not all values could be loaded");
    ASSERT_TRUE(ui::click(*dlg, kLoadProps));
    EXPECT_TRUE(driver.done());
    EXPECT_TRUE(dlg->macroData() == before);
    EXPECT_EQ(drawnCell(dlg, 0, L"PlateWidth")->text(), L"160");
}

TEST_F(PropertySet, NamesThatLeaveTheFolderAreRefused) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    for (const wchar_t* name : {L"..\\escaped", L"sub\\set", L"../escaped"}) {
        ui::ScriptedDriver driver;
        answerSave(driver, name);
        driver.answerMessageBox(ui::IDOK, name);
        ASSERT_TRUE(ui::click(*dlg, kSaveProps));
        EXPECT_TRUE(driver.done()) << Tvl_String(name).toUtf8();
    }
    EXPECT_FALSE(std::filesystem::exists(m_lib / "escaped.mpr"));
    EXPECT_FALSE(std::filesystem::exists(folder() / "sub"));
}

TEST_F(PropertySet, AFailedSaveIsReported) {
    // A folder where the set's file would go: the write cannot replace it.
    std::filesystem::create_directories(folder() / "Blocked.mpr");
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgOpenSave::kTemplateId, [](ui::Dialog& d) {
        ui::typeText(d, CDlgOpenSave::kNameId, L"Blocked");
        ui::click(d, ui::IDOK);
    });
    driver.answerMessageBox(ui::IDYES); // "overwrite?"
    driver.answerMessageBox(ui::IDOK, L"could not be saved");
    ASSERT_TRUE(ui::click(*dlg, kSaveProps));
    EXPECT_TRUE(driver.done());
    EXPECT_TRUE(std::filesystem::is_directory(folder() / "Blocked.mpr"));
}

TEST_F(PropertySet, ButtonsAreDisabledWhenTheRecordAllowsNoSets) {
    MacroData data = record();
    data.m_macroKind.clear();
    CDlgMacro* dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    EXPECT_FALSE(dlg->getDlgItem(kLoadProps)->isWindowEnabled());
    EXPECT_FALSE(dlg->getDlgItem(kSaveProps)->isWindowEnabled());
}
