// The advanced bolt dialog: opened from the bolt tab's button and from a drawn bolt
// button, its slotted holes, three-state options, nuts and washers, and what OK refuses.

#include "tests/kw/macrobolt/MacroBoltTestSupport.h"

#include <fstream>

#include "kw/designer/Tvl_ControlType.h"
#include "kw/macro/BoltPicture.h"
#include "kw/macro/CDlgMacroBoltAdv.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/draw/Bmp.h"

namespace {

class BoltAdvanced : public MacroBoltTest {};

int check(ui::Dialog& d, int id) {
    return d.isDlgButtonChecked(id);
}

bool enabled(ui::Dialog& d, int id) {
    return d.getDlgItem(id)->isWindowEnabled();
}

TEST_F(BoltAdvanced, SlottedHoleAndOptionsTypedInTheDialogReachTheModel) {
    CDlgMacro* dlg = openBolts();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgBoltAdv, [](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(mb::kAssembly), L"Hex 8.8");
        EXPECT_EQ(d.getDlgItemText(mb::kDiameter), L"M20");
        EXPECT_EQ(d.getDlgItemText(mb::kCountText), L"A bolt count is set");
        EXPECT_EQ(static_cast<CDlgMacroBoltAdv&>(d).holeColumns().rowCount(), 3);
        // The list names each slotted hole and marks the active ones.
        auto* slots = dynamic_cast<ui::ComboBox*>(d.getDlgItem(mb::kSlotList));
        ASSERT_EQ(slots->getCount(), 2);
        EXPECT_EQ(slots->getLBText(1), L"Slotted hole nr: 2");
        EXPECT_TRUE(slots->getItemCheck(0));
        EXPECT_FALSE(slots->getItemCheck(1));
        EXPECT_EQ(d.getDlgItemText(mb::kRadius), L"11");
        EXPECT_TRUE(enabled(d, mb::kRadius));
        // The second, inactive one: its controls are off until it is made active.
        ui::selectItem(d, mb::kSlotList, 1);
        EXPECT_EQ(check(d, mb::kSlotActive), ui::BST_UNCHECKED);
        EXPECT_FALSE(enabled(d, mb::kRadius));
        ui::click(d, mb::kSlotActive);
        EXPECT_TRUE(enabled(d, mb::kRadius));
        EXPECT_TRUE(slots->getItemCheck(1));
        ui::typeText(d, mb::kRadius, L"9");
        ui::typeText(d, mb::kLength, L"25");
        // Back to the first: what was typed into the second is kept.
        ui::selectItem(d, mb::kSlotList, 0);
        ui::selectItem(d, mb::kSlotList, 1);
        EXPECT_EQ(d.getDlgItemText(mb::kRadius), L"9");
        ui::click(d, mb::kTapped);
        ui::selectItem(d, mb::kDiameter, L"M16");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ui::click(*general(dlg, kBoltTab), kw::macro::kBoltAdvanced));
    EXPECT_TRUE(driver.done());
    const MacroBoltData& bolt = modelTab()->m_bolt;
    EXPECT_EQ(bolt.m_tapped, 1);
    EXPECT_EQ(bolt.m_diameter, L"M16");
    ASSERT_EQ(bolt.m_slottedHoles.length(), 2);
    EXPECT_EQ(bolt.m_slottedHoles[1].m_active, 1);
    EXPECT_EQ(bolt.m_slottedHoles[1].m_radius, L"9");
    EXPECT_EQ(bolt.m_slottedHoles[1].m_length, L"25");
    // The hole diameter follows the smaller bolt.
    EXPECT_EQ(modelValue(L"EP1", L"Bolts", L"HoleDiameter"), L"18");
    EXPECT_NE(printed().find(L"EP1 Bolts.bolts changed"), std::wstring::npos);
}

TEST_F(BoltAdvanced, CancelLeavesTheBoltDataAsItWas) {
    CDlgMacro* dlg = openBolts();
    ASSERT_NE(dlg, nullptr);
    const MacroBoltData before = modelTab()->m_bolt;
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgBoltAdv, [](ui::Dialog& d) {
        ui::click(d, mb::kTapped);
        ui::typeText(d, mb::kAdded, L"5");
        ui::click(d, ui::IDCANCEL);
    });
    ASSERT_TRUE(ui::click(*general(dlg, kBoltTab), kw::macro::kBoltAdvanced));
    EXPECT_TRUE(driver.done());
    EXPECT_TRUE(modelTab()->m_bolt.sameValue(before));
    EXPECT_TRUE(dlg->tabData(kBoltTab)->m_bolt.sameValue(before));
}

// An option that differs between the macros shows indeterminate and is stored as 2
// unless clicked; the first click makes it an ordinary box. Boxes the bolt does not
// offer stay disabled and -1.
TEST_F(BoltAdvanced, IndeterminateOptionsAndMissingNutsKeepTheirCodes) {
    CDlgMacroBoltAdv dlg;
    dlg.m_bolt = record().tabOfModule(L"Bolts")->m_bolt;
    dlg.m_bolt.m_countersunk = 2;
    dlg.m_bolt.m_workshop = 2;
    dlg.m_bolt.m_washer2 = 2;
    dlg.m_bolt.m_count = 0;
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgBoltAdv, [](ui::Dialog& d) {
        EXPECT_EQ(check(d, mb::kCountersunk), ui::BST_INDETERMINATE);
        EXPECT_EQ(check(d, mb::kWasher2), ui::BST_INDETERMINATE);
        EXPECT_FALSE(enabled(d, mb::kNut2)); // -1 in the sample
        EXPECT_FALSE(enabled(d, mb::kCountOption));
        EXPECT_EQ(d.getDlgItemText(mb::kCountText), L"No bolt count is set");
        // One click: indeterminate becomes unchecked and the box two-state.
        ui::click(d, mb::kWorkshop);
        EXPECT_EQ(check(d, mb::kWorkshop), ui::BST_UNCHECKED);
        ui::click(d, mb::kWorkshop);
        ui::click(d, mb::kWorkshop);
        EXPECT_EQ(check(d, mb::kWorkshop), ui::BST_UNCHECKED);
        ui::click(d, ui::IDOK);
    });
    ASSERT_EQ(dlg.doModal(), ui::IDOK);
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(dlg.m_bolt.m_countersunk, 2);
    EXPECT_EQ(dlg.m_bolt.m_washer2, 2);
    EXPECT_EQ(dlg.m_bolt.m_workshop, 0);
    EXPECT_EQ(dlg.m_bolt.m_nut2, -1);
    EXPECT_EQ(dlg.m_bolt.m_nut1, 1);
}

TEST_F(BoltAdvanced, OkIsRefusedForAnActiveSlotWithoutRadiusOrForTextThatIsNoNumber) {
    CDlgMacroBoltAdv dlg;
    dlg.m_bolt = record().tabOfModule(L"Bolts")->m_bolt;
    // The second slotted hole (radius 0) is active in some of the macros edited: an
    // indeterminate "active" is checked too.
    dlg.m_bolt.m_slottedHoles[1].m_active = 2;
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK,
                            L"Slotted hole 1 needs a radius and a length greater than 0.");
    driver.answerMessageBox(ui::IDOK, L"This is not a number: \"12,5\"");
    driver.answerMessageBox(ui::IDOK, L"Slotted hole 2 needs");
    driver.onDialog(mb::kDlgBoltAdv, [](ui::Dialog& d) {
        auto& self = static_cast<CDlgMacroBoltAdv&>(d);
        ui::typeText(d, mb::kRadius, L"0");
        ui::click(d, ui::IDOK); // refused: the dialog stays
        ui::typeText(d, mb::kRadius, L"11");
        ui::typeText(d, mb::kAdded, L"12,5");
        ui::click(d, ui::IDOK); // refused
        ui::typeText(d, mb::kAdded, L"12.5");
        ui::click(d, ui::IDOK); // refused, and the failing slotted hole is shown
        EXPECT_EQ(self.shownSlot(), 1);
        EXPECT_EQ(check(d, mb::kSlotActive), ui::BST_INDETERMINATE);
        ui::click(d, mb::kSlotActive); // indeterminate -> inactive: no obstacle now
        ui::click(d, ui::IDOK);
    });
    ASSERT_EQ(dlg.doModal(), ui::IDOK);
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(dlg.m_bolt.m_addedLength, L"12.5");
    EXPECT_EQ(dlg.m_bolt.m_slottedHoles[0].m_radius, L"11");
    EXPECT_EQ(dlg.m_bolt.m_slottedHoles[1].m_active, 0);
}

// A design with its own bolt controls hides button 1114; its drawn bolt button (type 12)
// opens the dialog instead, and the design's assembly list (type 7) keeps the assembly.
TEST_F(BoltAdvanced, DrawnBoltButtonOpensTheDialogWhenTheFixedButtonIsHidden) {
    const std::filesystem::path folder =
        m_lib / "Dialog Templates" / "Dialog Design" / "Connections";
    std::filesystem::copy_file(folder / "EndPlate.bmp", folder / "BoltsDrawn.bmp");
    {
        std::ofstream out(folder / "BoltsDrawn.txt");
        out << "TVLPROPERTIES 1\ni nrOfControls=2\n";
        const int types[2] = {tvlCtrlBoltAssembly, tvlCtrlBoltButton};
        for (int i = 0; i < 2; ++i)
            out << "i type" << i << "=" << types[i] << "\nr topLeftX" << i << "=0.1\nr topLeftY"
                << i << "=" << 0.1 + 0.2 * i << "\nr bottomRightX" << i << "=0.5\nr bottomRightY"
                << i << "=" << 0.2 + 0.2 * i << "\ns contents" << i << "=bolts\ns comboList" << i
                << "=\n";
        out << "END 15\n";
    }
    MacroData data = record();
    data.tabOfModule(L"Bolts")->m_designFile = L"Connections\\BoltsDrawn";
    CDlgMacro* dlg = openBolts(data);
    ASSERT_NE(dlg, nullptr);
    CMacroTabGeneral* page = general(dlg, kBoltTab);
    ASSERT_TRUE(page->designHasBoltControls());
    EXPECT_FALSE(page->getDlgItem(kw::macro::kBoltAdvanced)->isWindowVisible());
    int button = 0;
    for (int id = 33000; id < 33100 && button == 0; ++id) {
        int type = -1;
        if (page->design().getDynControlType(id, type) && type == tvlCtrlBoltButton)
            button = id;
    }
    ASSERT_NE(button, 0);
    // The drawn assembly list offers the assemblies and shows the bolts' own.
    const int assembly = dlg->tabData(kBoltTab)->m_bolt.reference(MacroBoltData::kAssembly);
    ASSERT_GT(assembly, 0);
    EXPECT_EQ(page->getDlgItem(assembly)->getWindowText(), L"Hex 8.8");
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgBoltAdv, [](ui::Dialog& d) {
        ui::click(d, mb::kCountersunk);
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ui::click(*page, button));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(modelTab()->m_bolt.m_countersunk, 1) << printed();
}

// The dialog's picture is the installation's DrawBolt2.bmp, which is this module's
// drawing (TVL_WRITE_ICONS=1 writes it into the source tree instead). Without the file
// the dialog still works, without a picture.
TEST_F(BoltAdvanced, PictureIsTheInstalledDrawingAndMayBeMissing) {
    const std::filesystem::path icons = TVL_SOURCE_DIR "/resources/install/icons";
    const std::vector<std::uint8_t> bytes = ui::encodeBmp24(kw::macro::boltPicture());
    const std::filesystem::path path = icons / kw::macro::kBoltPictureName;
    if (std::getenv("TVL_WRITE_ICONS") != nullptr)
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> stored((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
    EXPECT_EQ(stored, bytes);

    for (const bool present : {true, false}) {
        const std::filesystem::path dir = m_tmp / (present ? "with" : "without");
        std::filesystem::create_directories(dir / "icons");
        if (present)
            std::filesystem::copy_file(path, dir / "icons" / kw::macro::kBoltPictureName);
        setenv("TVL_DIR", (dir.string() + "/").c_str(), 1);
        gSettings.reload();
        CDlgMacroBoltAdv dlg;
        ui::ScriptedDriver driver;
        driver.onDialog(mb::kDlgBoltAdv, [&](ui::Dialog& d) {
            auto& self = static_cast<CDlgMacroBoltAdv&>(d);
            EXPECT_EQ(self.picture().HasPicture(), present);
            EXPECT_FALSE(self.picture().isWindowEnabled());
            ui::click(d, ui::IDOK);
        });
        EXPECT_EQ(dlg.doModal(), ui::IDOK);
        EXPECT_TRUE(driver.done());
    }
    unsetenv("TVL_DIR");
    gSettings.reload();
}

} // namespace
