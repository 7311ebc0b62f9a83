#include "FrameTestSupport.h"

#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/ModuleIds.h"
#include "platform/host/AcEd.h"
#include "platform/host/CommandRegistry.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

namespace {

class ModuleEntryTest : public FrameTest {};

TEST_F(ModuleEntryTest, InitRegistersTestAndLoadsTheCheckBitmapsUnloadUndoesIt) {
    kw::initApplication(nullptr);
    const auto* command = host::commands().find(L"TEST");
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(host::commands().hasGroup(L"TREVLON_KW"));
    EXPECT_FALSE(kw::moduleState().checkedBitmap.empty());
    EXPECT_FALSE(kw::moduleState().uncheckedBitmap.empty());
    EXPECT_EQ(kw::moduleState().checkedBitmap.size(), (ui::Size{13, 13}));
    kw::unloadApplication();
    EXPECT_FALSE(host::commands().hasGroup(L"TREVLON_KW"));
    EXPECT_EQ(host::commands().find(L"TEST"), nullptr);
}

TEST_F(ModuleEntryTest, SwitchedEntriesLeaveTheDefaultResourceAsTheyFoundIt) {
    ui::ResourceModule* before = ui::app().resources().defaultModule();
    {
        // The spreadsheet editor (switched), closed at once with nothing changed.
        ui::ScriptedDriver driver;
        driver.onDialog(140, [](ui::Dialog& d) { ui::closeBox(d); });
        KWEditor();
    }
    {
        // An entry without the switch: the DSTV groups, closed at once.
        ui::ScriptedDriver driver;
        driver.onAnyDialog([](ui::Dialog& d) { ui::click(d, ui::IDCANCEL); });
        StartDSTVPointsDlg();
    }
    EXPECT_EQ(ui::app().resources().defaultModule(), before);
    EXPECT_EQ(kw::moduleState().resourceSwitch.depth(), 0);
    Tvl_Array<Tvl_StringArray> data;
    EXPECT_FALSE(startGridDialog(Tvl_StringArray(), Tvl_StringArray(), data, true, L"", L""));
}

// A stand-in editor that records how it was made.
class TestEditor : public ui::Dialog {
public:
    explicit TestEditor(ui::Window* parent) : ui::Dialog(0, parent) {}
};

class ConstraintsSlotTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        ui::DialogTemplate t;
        t.id = kw::ConstraintsEditorSlot::kTemplateId;
        t.caption = L"Editor";
        t.style = ui::WS_POPUP | ui::WS_CAPTION;
        t.rect = ui::dlu(0, 0, 100, 50);
        m_resources.addDialog(t);
        ui::app().resources().registerModule(&m_resources);
        m_old = kw::ConstraintsEditorSlot::instance().setFactory(
            [this](ui::Window* parent, EditConstrData&) -> ui::Dialog* {
                ++m_made;
                return new TestEditor(parent);
            });
    }
    void TearDown() override {
        EndDlgEditConstraints();
        kw::ConstraintsEditorSlot::instance().setFactory(m_old);
        ui::app().resources().unregisterModule(&m_resources);
        FrameTest::TearDown();
    }
    // The record's class belongs to the core's editor records; the stand-in editor never
    // reads it, so any storage does.
    EditConstrData& record() { return *reinterpret_cast<EditConstrData*>(m_storage); }
    alignas(16) unsigned char m_storage[64] = {};
    ui::ResourceModule m_resources{"editor-test"};
    kw::ConstraintsEditorSlot::Factory m_old;
    int m_made = 0;
};

TEST_F(ConstraintsSlotTest, SecondStartChangesNothingAndEndForgetsTheEditor) {
    EXPECT_TRUE(StartDlgEditConstraints(record()));
    ui::Dialog* editor = kw::ConstraintsEditorSlot::instance().editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isWindowVisible());
    EXPECT_EQ(ui::Window::getFocus(), adsw_acadMainWnd());
    EXPECT_TRUE(StartDlgEditConstraints(record()));
    EXPECT_EQ(m_made, 1);
    EXPECT_EQ(kw::ConstraintsEditorSlot::instance().editor(), editor);
    const int prompts = host::commandLine().promptCount();
    EndDlgEditConstraints();
    EXPECT_EQ(kw::ConstraintsEditorSlot::instance().editor(), nullptr);
    EXPECT_EQ(host::commandLine().promptCount(), prompts + 1);
}

TEST_F(ConstraintsSlotTest, FailedDestructionIsReportedAndTheEditorForgotten) {
    StartDlgEditConstraints(record());
    ui::app().setDestroyFailHook([](ui::Window& w) { return w.className() == L"#32770"; });
    EndDlgEditConstraints();
    ui::app().setDestroyFailHook({});
    EXPECT_NE(printed().find(L"Erase window failed\n"), std::wstring::npos);
    EXPECT_EQ(kw::ConstraintsEditorSlot::instance().editor(), nullptr);
}

} // namespace
