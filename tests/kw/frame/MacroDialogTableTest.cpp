#include "FrameTestSupport.h"

#include "core/model/SampleModel.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/MacroDialogTable.h"
#include "platform/host/AcEd.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/Input.h"

namespace {

// A stand-in macro dialog: the table only needs a dialog with the frame's fields.
class TestMacroDialog : public MacroDialogBase {
public:
    explicit TestMacroDialog(ui::Window* parent) : MacroDialogBase(parent, 0) {}
    static ui::DialogTemplate makeTemplate() {
        ui::DialogTemplate t;
        t.id = MacroDialogBase::kTemplateId;
        t.caption = L"Macro";
        t.rect = ui::dlu(0, 0, 120, 60);
        t.controls = {{ui::IDOK, L"Button", L"Close", ui::WS_TABSTOP, ui::dlu(35, 40, 50, 14)}};
        return t;
    }
};

class MacroDialogTableTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        m_resources.addDialog(TestMacroDialog::makeTemplate());
        ui::app().resources().registerModule(&m_resources);
        m_oldFactory = kw::MacroDialogTable::instance().setFactory(
            [](ui::Window* parent) -> MacroDialogBase* { return new TestMacroDialog(parent); });
    }
    void TearDown() override {
        DestroyAllMacroDlgs();
        kw::MacroDialogTable::instance().closePendingNow();
        EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
        kw::MacroDialogTable::instance().setFactory(m_oldFactory);
        ui::app().resources().unregisterModule(&m_resources);
        FrameTest::TearDown();
    }
    int open() {
        MacroData data;
        int index = -99;
        EXPECT_TRUE(StartDlgMacroModeless(false, data, index));
        return index;
    }
    kw::MacroDialogTable& table() { return kw::MacroDialogTable::instance(); }

    ui::ResourceModule m_resources{"macro-test"};
    kw::MacroDialogTable::Factory m_oldFactory;
};

TEST_F(MacroDialogTableTest, SlotsAreReusedAndTrailingFreeSlotsTrimmed) {
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 1);
    EXPECT_EQ(open(), 2);
    EXPECT_TRUE(table().at(1)->isWindowVisible());
    const int prompts = host::commandLine().promptCount();
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_EQ(host::commandLine().promptCount(), prompts + 1);
    EXPECT_EQ(table().length(), 3);
    EXPECT_EQ(open(), 1);
    EXPECT_TRUE(EndDlgMacroModeless(2));
    EXPECT_EQ(table().length(), 2);
    EXPECT_TRUE(EndDlgMacroModeless(1));
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_EQ(table().length(), 0);
    EXPECT_FALSE(EndDlgMacroModeless(0));
}

TEST_F(MacroDialogTableTest, HighestFreeSlotWinsAndFocusGoesBackToTheHost) {
    for (int i = 0; i < 4; ++i)
        open();
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_TRUE(EndDlgMacroModeless(2));
    EXPECT_EQ(table().length(), 4);
    EXPECT_EQ(open(), 2);
    EXPECT_EQ(ui::Window::getFocus(), adsw_acadMainWnd());
    MacroData data;
    int index = -1;
    ASSERT_TRUE(StartDlgMacroModeless(true, data, index));
    EXPECT_EQ(index, 0);
}

TEST_F(MacroDialogTableTest, GetDataChecksTheIndexAndLeavesTheRecordAlone) {
    MacroData data;
    data.setClosed(true);
    int index = -1;
    ASSERT_TRUE(StartDlgMacroModeless(false, data, index));
    MacroData out;
    EXPECT_TRUE(GetDlgMacroData(index, out));
    EXPECT_TRUE(out.closed());
    MacroData untouched;
    EXPECT_FALSE(GetDlgMacroData(-1, untouched));
    EXPECT_FALSE(GetDlgMacroData(table().length(), untouched));
    EXPECT_FALSE(untouched.closed());
}

TEST_F(MacroDialogTableTest, BusyDialogIsClosedAtTheFirstTickAfterTheFlagClears) {
    const int index = open();
    table().at(index)->m_macroData.setBusy(true);
    EXPECT_TRUE(EndDlgMacroModeless(index));
    EXPECT_NE(table().at(index), nullptr);
    ui::advanceTime(49);
    EXPECT_EQ(printed().find(L"Delayed timer called."), std::wstring::npos);
    ui::advanceTime(101); // two ticks while still busy
    EXPECT_NE(table().at(index), nullptr);
    table().at(index)->m_macroData.setBusy(false);
    ui::advanceTime(50);
    EXPECT_EQ(table().length(), 0);
    EXPECT_EQ(table().pendingCount(), 0);
    std::wstring out = printed();
    int ticks = 0;
    for (size_t p = out.find(L"Delayed timer called.\n"); p != std::wstring::npos;
         p = out.find(L"Delayed timer called.\n", p + 1))
        ++ticks;
    EXPECT_EQ(ticks, 4);
    EXPECT_EQ(ui::app().pendingTimerCount(), 0);
}

TEST_F(MacroDialogTableTest, FailedDestructionKeepsTheEntry) {
    const int index = open();
    ui::app().setDestroyFailHook([](ui::Window& w) { return w.className() == L"#32770"; });
    EXPECT_FALSE(EndDlgMacroModeless(index));
    EXPECT_NE(table().at(index), nullptr);
    ui::app().setDestroyFailHook({});
    EXPECT_TRUE(EndDlgMacroModeless(index));
}

TEST_F(MacroDialogTableTest, UnloadClosesDialogsWaitingForTheirMacro) {
    const int index = open();
    table().at(index)->m_macroData.setBusy(true);
    kw::initApplication(nullptr);
    kw::unloadApplication();
    EXPECT_EQ(table().length(), 0);
    EXPECT_EQ(table().pendingCount(), 0);
    EXPECT_EQ(ui::app().pendingTimerCount(), 0);
    ui::advanceTime(500);
    EXPECT_EQ(printed().find(L"Delayed timer called."), std::wstring::npos);
}

TEST_F(MacroDialogTableTest, WhenNoDialogCanBeMadeTheSlotStaysFree) {
    auto testFactory = table().setFactory([](ui::Window*) -> MacroDialogBase* { return nullptr; });
    MacroData data;
    int index = 5;
    EXPECT_FALSE(StartDlgMacroModeless(false, data, index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(table().at(0), nullptr);
    table().setFactory(testFactory);
    EXPECT_EQ(open(), 0);
    EXPECT_TRUE(EndDlgMacroModeless(0));
    EXPECT_EQ(table().length(), 0);
}

} // namespace

// ---- The sample model's record across the module boundary ------------------------------

TEST_F(MacroDialogTableTest, SampleRecordCrossesIntoTheDialogAndBackUnchanged) {
    model::sampleModel().reset();
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId::fromOldId(201));
    ids.append(AcDbObjectId::fromOldId(202));
    MacroData original;
    ASSERT_TRUE(model::sampleModel().fillRecord(ids, original));
    original.tab(0)->m_cells[2].m_reference = 33002;
    original.setBusy(true);
    int index = -1;
    ASSERT_TRUE(StartDlgMacroModeless(false, original, index));
    MacroData back;
    ASSERT_TRUE(GetDlgMacroData(index, back));
    EXPECT_EQ(back, original);

    // The dialog's copy owns its tabs: editing it leaves the caller's record alone, and
    // the edit is what comes back.
    MacroData& inDialog = table().at(index)->m_macroData;
    ASSERT_NE(inDialog.tab(0), original.tab(0));
    inDialog.tab(0)->m_cells[2].m_value = L"30";
    EXPECT_EQ(original.tab(0)->m_cells[2].m_value, L"15");
    ASSERT_TRUE(GetDlgMacroData(index, back));
    EXPECT_EQ(back.tab(0)->m_cells[2].m_value, L"30");
    inDialog.setBusy(false);
}
