// The dialog designer window, driven as a person would: clicks and drags on the design,
// the tool buttons, the property pane, the file choices and the save question.

#include "tests/kw/designer/DesignerTestSupport.h"

#include "kw/designer/CControlTracker.h"
#include "kw/designer/CDlgDesigner.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/draw/RecordingCanvas.h"

#include <functional>

namespace {

// The tour's sample design (400 x 180): static "t" 168,18-192,36; edit "t" 200,18-240,36;
// static "w" 248,22-272,40; edit "w" 280,22-320,40.
constexpr ui::Rect kEditT{200, 18, 240, 36};
constexpr ui::Rect kEditW{280, 22, 320, 40};

class DesignerWindow : public DesignerTest {
protected:
    using Steps = std::function<void(CDlgDesigner&)>;

    void SetUp() override {
        DesignerTest::SetUp();
        const std::filesystem::path sample =
            std::filesystem::path(TVL_SOURCE_DIR) /
            "resources/install/tvllib/Dialog Templates/Dialog Design";
        for (const char* f : {"tour.txt", "tour.bmp"})
            std::filesystem::copy_file(sample / f, native(m_root) / f);
        m_driver = std::make_unique<ui::ScriptedDriver>();
    }
    void TearDown() override {
        m_driver.reset();
        DesignerTest::TearDown();
    }

    // Runs the designer on `path` (root-relative name, or empty); `steps` act in it and
    // must end it. Returns the export's result.
    bool run(const Tvl_String& name, const Steps& steps) {
        m_driver->onDialog(CDlgDesigner::kTemplateId,
                           [&](ui::Dialog& d) { steps(dynamic_cast<CDlgDesigner&>(d)); });
        const bool ok = StartDlgDesigner(name.isEmpty() ? Tvl_String() : m_root + name + L".txt");
        EXPECT_TRUE(m_driver->done()) << "unused: " << m_driver->unconsumed().size();
        return ok;
    }

    static ui::Window& surface(CDlgDesigner& d) { return *d.getDlgItem(CDlgDesigner::kSurfaceId); }
    static void drag(CDlgDesigner& d, ui::Point from, ui::Point to, unsigned mods = 0) {
        ASSERT_TRUE(ui::drag(surface(d), from, to, mods));
    }
    static void clickAt(CDlgDesigner& d, ui::Point p, unsigned mods = 0) { drag(d, p, p, mods); }
    static ui::Rect rectOf(CDlgDesigner& d, int index) {
        return d.design().drawnWindow(index)->rect();
    }
    static std::vector<int> selected(CDlgDesigner& d) {
        std::vector<int> ids;
        d.tracker()->selectedIds(ids);
        return ids;
    }
    // Leaves with OK, answering the save question No.
    void okWithoutSaving(CDlgDesigner& d) {
        m_driver->answerMessageBox(ui::IDNO);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    }

    std::unique_ptr<ui::ScriptedDriver> m_driver; // after the application's reset
};

} // namespace

TEST_F(DesignerWindow, OpensTheDesignWithItsTitlePaneAndTools) {
    EXPECT_TRUE(run(L"tour", [&](CDlgDesigner& d) {
        EXPECT_EQ(d.getWindowText(), dialString(843).str() + L" - <tour>");
        EXPECT_EQ(d.design().getNrControls(), 4);
        EXPECT_EQ(rectOf(d, 1), kEditT);
        EXPECT_EQ(rectOf(d, 3), kEditW);
        EXPECT_FALSE(d.isModified());
        EXPECT_FALSE(d.getDlgItem(ui::IDCANCEL)->isWindowVisible());
        EXPECT_EQ(d.getDlgItemText(CDlgDesigner::kAlignId), L"_ _");
        EXPECT_EQ(d.getDlgItemText(CDlgDesigner::kStickId), L"| |");
        EXPECT_TRUE(d.getDlgItem(CDlgDesigner::kAddId)->isWindowEnabled());
        auto* types = dynamic_cast<ui::ComboBox*>(d.getDlgItem(CDlgDesigner::kTypeComboId));
        EXPECT_EQ(types->getCount(), 31);
        // Escape does nothing.
        ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
        EXPECT_TRUE(d.isWindowVisible());
        ASSERT_TRUE(ui::click(d, ui::IDOK)); // nothing changed: no question
    }));
    // No start design: an empty designer without a name; Add needs a picture.
    EXPECT_FALSE(run(L"", [&](CDlgDesigner& d) {
        EXPECT_EQ(d.getWindowText(), dialString(843).str());
        EXPECT_FALSE(d.getDlgItem(CDlgDesigner::kAddId)->isWindowEnabled());
        ASSERT_TRUE(ui::closeBox(d));
    }));
}

TEST_F(DesignerWindow, ClicksSelectCtrlTogglesShiftAddsAndTheBandSelectsWhatLiesInside) {
    run(L"tour", [&](CDlgDesigner& d) {
        const int t = d.design().getControl(1)->resourceId,
                  w = d.design().getControl(3)->resourceId;
        clickAt(d, {220, 27});
        EXPECT_EQ(selected(d), std::vector<int>{t});
        EXPECT_EQ(d.getDlgItemText(CDlgDesigner::kContentsEditId), L"t");
        clickAt(d, {300, 30}, ui::kModShift);
        EXPECT_EQ(selected(d), (std::vector<int>{t, w}));
        // Shift on empty space keeps the selection; Ctrl on a selected control drops it.
        clickAt(d, {20, 100}, ui::kModShift);
        EXPECT_EQ(selected(d).size(), 2u);
        clickAt(d, {220, 27}, ui::kModCtrl);
        EXPECT_EQ(selected(d), std::vector<int>{w});
        // A plain click on empty space clears.
        clickAt(d, {20, 100});
        EXPECT_TRUE(selected(d).empty());
        EXPECT_FALSE(d.getDlgItem(CDlgDesigner::kContentsEditId)->isWindowEnabled());

        // A band selects what lies wholly inside, whichever way it is drawn; edges count.
        drag(d, {199, 17}, {321, 41});
        EXPECT_EQ(selected(d).size(), 3u); // edit t, static w, edit w
        clickAt(d, {20, 150});             // (else the band would start on a handle of edit w)
        drag(d, {321, 41}, {200, 17});
        EXPECT_EQ(selected(d).size(), 3u);
        EXPECT_EQ(rectOf(d, 3), kEditW);
        drag(d, {201, 17}, {321, 41}); // edit t sticks out by one pixel
        EXPECT_EQ(selected(d).size(), 2u);
        okWithoutSaving(d); // clicks count as changes
    });
}

TEST_F(DesignerWindow, DraggingMovesTheSelectionAndAHandleSizesOneControl) {
    run(L"tour", [&](CDlgDesigner& d) {
        clickAt(d, {220, 27});
        clickAt(d, {300, 30}, ui::kModShift);
        drag(d, {220, 27}, {230, 47}); // by the middle of one of them: both go
        EXPECT_EQ(rectOf(d, 1), kEditT.offset(10, 20));
        EXPECT_EQ(rectOf(d, 3), kEditW.offset(10, 20));
        EXPECT_EQ(rectOf(d, 0), (ui::Rect{168, 18, 192, 36})); // not selected, not moved
        EXPECT_EQ(selected(d).size(), 2u);

        // A plain click on a selected control keeps the selection; on edit t alone, then
        // its bottom-right handle (just outside the corner).
        clickAt(d, {215, 40});
        EXPECT_EQ(selected(d).size(), 2u);
        clickAt(d, {20, 150});
        clickAt(d, {215, 40});
        EXPECT_EQ(selected(d).size(), 1u);
        const ui::Rect t = rectOf(d, 1);
        drag(d, {t.right + 2, t.bottom + 2}, {t.right + 22, t.bottom + 12});
        EXPECT_EQ(rectOf(d, 1), (ui::Rect{t.left, t.top, t.right + 20, t.bottom + 10}));
        EXPECT_EQ(rectOf(d, 3), kEditW.offset(10, 20));
        // The left handle past the right edge turns the control over, never negative.
        const ui::Rect t2 = rectOf(d, 1);
        drag(d, {t2.left - 3, (t2.top + t2.bottom) / 2 - 2}, {t2.right + 10, t2.top + 5});
        EXPECT_EQ(rectOf(d, 1), (ui::Rect{t2.right, t2.top, t2.right + 13, t2.bottom}));
        EXPECT_TRUE(d.isModified());

        // Saved factors are what the screen shows.
        m_driver->answerMessageBox(ui::IDYES);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    Tvl_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(m_root + L"tour.txt", false));
    EXPECT_DOUBLE_EQ(back.getControl(3)->topLeftX, 290.0 / 400.0);
    EXPECT_DOUBLE_EQ(back.getControl(3)->bottomRightY, 60.0 / 180.0);
}

TEST_F(DesignerWindow, TheCursorShowsWhatADragWouldDo) {
    run(L"tour", [&](CDlgDesigner& d) {
        clickAt(d, {220, 27});
        ASSERT_TRUE(ui::mouseMove(surface(d), {kEditT.right + 2, kEditT.bottom + 2}));
        EXPECT_EQ(ui::app().cursor(), ui::CursorKind::SizeNWSE);
        ASSERT_TRUE(ui::mouseMove(surface(d), {kEditT.right + 2, kEditT.top - 3}));
        EXPECT_EQ(ui::app().cursor(), ui::CursorKind::SizeNESW);
        ASSERT_TRUE(ui::mouseMove(surface(d), {kEditT.left - 3, 25}));
        EXPECT_EQ(ui::app().cursor(), ui::CursorKind::SizeWE);
        ASSERT_TRUE(ui::mouseMove(surface(d), {220, 27}));
        EXPECT_EQ(ui::app().cursor(), ui::CursorKind::SizeAll);
        // An unselected control has no handles: just outside it is the bare picture.
        ASSERT_TRUE(ui::mouseMove(surface(d), {kEditW.right + 2, kEditW.bottom + 2}));
        EXPECT_EQ(ui::app().cursor(), ui::CursorKind::Arrow);
        okWithoutSaving(d);
    });
}

TEST_F(DesignerWindow, TheSelectionIsDrawnWithFrameAndEightHandles) {
    run(L"tour", [&](CDlgDesigner& d) {
        auto handles = [&] {
            ui::RecordingCanvas canvas;
            d.paintTree(canvas);
            int n = 0;
            for (const ui::DrawItem& item : canvas.items())
                if (item.kind == ui::DrawKind::FillRect && item.rect.width() == 5 &&
                    item.rect.height() == 5)
                    ++n;
            return n;
        };
        EXPECT_EQ(handles(), 0);
        clickAt(d, {220, 27});
        EXPECT_EQ(handles(), 8);
        clickAt(d, {300, 30}, ui::kModShift);
        EXPECT_EQ(handles(), 16);
        okWithoutSaving(d);
    });
}

TEST_F(DesignerWindow, ToolsAddAlignStickCopyAndDeleteAndEveryEditCounts) {
    run(L"tour", [&](CDlgDesigner& d) {
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kAddId));
        ASSERT_EQ(d.design().getNrControls(), 5);
        EXPECT_EQ(rectOf(d, 4), (ui::Rect{80, 36, 110, 54}));
        m_driver->answerMessageBox(ui::IDYES);
        m_driver->answerFile(std::nullopt);
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kOpenId)); // Yes saves, then the file choice
        EXPECT_FALSE(d.isModified());

        // Align bottoms: the leftmost is the reference.
        clickAt(d, {300, 30});
        clickAt(d, {220, 27}, ui::kModShift);
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kAlignId));
        EXPECT_EQ(rectOf(d, 3), (ui::Rect{280, 18, 320, 36}));
        EXPECT_EQ(rectOf(d, 1), kEditT);
        // Stick right needs exactly two.
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kStickId));
        EXPECT_EQ(rectOf(d, 3), (ui::Rect{240, 18, 280, 36}));
        clickAt(d, {100, 45}, ui::kModShift); // a third
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kStickId));
        EXPECT_EQ(rectOf(d, 3), (ui::Rect{240, 18, 280, 36}));
        // Copy: 20 pixels right and down, the copies selected.
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kCopyId));
        EXPECT_EQ(d.design().getNrControls(), 8);
        EXPECT_EQ(rectOf(d, 5), (ui::Rect{260, 38, 300, 56})); // in selection order: w first
        EXPECT_EQ(rectOf(d, 6), kEditT.offset(20, 20));
        EXPECT_EQ(selected(d).size(), 3u);
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kDeleteId));
        EXPECT_EQ(d.design().getNrControls(), 5);
        EXPECT_TRUE(selected(d).empty());
        okWithoutSaving(d);
    });
}

TEST_F(DesignerWindow, ToolEditsAfterASaveStillAskBeforeLeaving) {
    // Width from the prompt, a pane edit: each marks the design changed.
    m_driver->onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog&) {
        ASSERT_TRUE(ui::typeText(L"64"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    });
    run(L"tour", [&](CDlgDesigner& d) {
        clickAt(d, {220, 27});
        m_driver->answerFile(m_root.str() + L"tour.txt");
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kSaveId));
        EXPECT_FALSE(d.isModified());
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kWidthId));
        EXPECT_EQ(rectOf(d, 1).width(), 64);
        EXPECT_TRUE(d.isModified());

        m_driver->answerFile(L"tour.txt"); // a bare name is in the folder shown
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kSaveId));
        EXPECT_FALSE(d.isModified());
        ASSERT_TRUE(ui::typeText(d, CDlgDesigner::kContentsEditId, L"thick"));
        EXPECT_TRUE(d.isModified());
        EXPECT_EQ(d.design().getControl(1)->contents, L"thick");
        EXPECT_EQ(d.design().drawnWindow(1)->getWindowText(), L"thick");
        ASSERT_TRUE(ui::selectItem(d, CDlgDesigner::kTypeComboId, tvlCtrlCombo));
        EXPECT_EQ(d.design().getControl(1)->type, tvlCtrlCombo);
        EXPECT_EQ(selected(d).size(), 1u);

        // Closing asks; Cancel keeps the designer open, Yes saves under the name.
        m_driver->answerMessageBox(ui::IDCANCEL);
        ASSERT_TRUE(ui::closeBox(d));
        EXPECT_TRUE(d.isWindowVisible());
        m_driver->answerMessageBox(ui::IDYES);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    Tvl_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(m_root + L"tour.txt", false));
    EXPECT_EQ(back.getControl(1)->contents, L"thick");
    EXPECT_EQ(back.getControl(1)->type, tvlCtrlCombo);
    EXPECT_DOUBLE_EQ(back.getControl(1)->bottomRightX, 264.0 / 400.0);
}

TEST_F(DesignerWindow, YesOnANeverNamedDesignAsksForANameAndAFailedSaveKeepsItOpen) {
    EXPECT_FALSE(run(L"", [&](CDlgDesigner& d) {
        clickAt(d, {50, 50}); // a click is a change
        ASSERT_TRUE(d.isModified());
        // Yes, then the name is cancelled: nothing written, the designer stays.
        m_driver->answerMessageBox(ui::IDYES);
        m_driver->answerFile(std::nullopt);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
        EXPECT_TRUE(d.isWindowVisible());
        // Outside the root: a message, still changed, still open.
        m_driver->answerMessageBox(ui::IDYES);
        m_driver->answerFile(Tvl_String(base::toProduct(m_tmp / "elsewhere.txt")).str());
        m_driver->answerMessageBox(ui::IDOK, L"nothing was saved");
        ASSERT_TRUE(ui::click(d, ui::IDOK));
        EXPECT_TRUE(d.isModified());
        EXPECT_FALSE(std::filesystem::exists(m_tmp / "elsewhere.txt"));
        // A name with characters that file names cannot hold.
        m_driver->answerFile(m_root.str() + L"bad|name.txt");
        m_driver->answerMessageBox(ui::IDOK, L"cannot be the name");
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kSaveId));
        EXPECT_TRUE(d.isModified());
        m_driver->answerMessageBox(ui::IDNO);
        ASSERT_TRUE(ui::closeBox(d));
    }));
    for (const auto& e : std::filesystem::recursive_directory_iterator(native(m_root)))
        EXPECT_NE(e.path().filename().string(), ".txt");
    EXPECT_FALSE(std::filesystem::exists(native(m_root + L"bad|name.txt")));
}

TEST_F(DesignerWindow, OpeningWhatIsNoDesignKeepsTheCurrentOneAndItsFile) {
    std::ofstream(native(m_root + L"sub\\lengths.txt")) << "100\n200\n";
    std::ofstream(native(m_root + L"sub\\badpic.txt")) << "";
    Tvl_DlgDesignerData two;
    Tvl_DesignerControl c = control(tvlCtrlEdit, 0.1, 0.1, 0.2, 0.2, L"a");
    two.append(c);
    ASSERT_TRUE(two.writeToFile(m_root + L"sub\\badpic.txt"));
    std::ofstream(native(m_root + L"sub\\badpic.bmp"), std::ios::binary) << "BM\x10garbage";
    run(L"tour", [&](CDlgDesigner& d) {
        clickAt(d, {220, 27});
        drag(d, {220, 27}, {221, 28});
        m_driver->answerMessageBox(ui::IDNO);
        m_driver->answerFile(m_root.str() + L"sub\\lengths.txt");
        m_driver->answerMessageBox(ui::IDOK, L"not a dialog design");
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kOpenId));
        EXPECT_EQ(d.design().getName(), L"tour");
        EXPECT_EQ(d.design().getNrControls(), 4);
        EXPECT_EQ(d.getWindowText(), dialString(843).str() + L" - <tour>");
        // A design whose picture is damaged opens, says so, and stays usable.
        m_driver->answerMessageBox(ui::IDNO); // still changed: asked again
        m_driver->answerFile(m_root.str() + L"sub\\badpic.txt");
        m_driver->answerMessageBox(ui::IDOK, L"could not be read");
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kOpenId));
        EXPECT_EQ(d.design().getName(), L"sub\\badpic");
        EXPECT_FALSE(d.getDlgItem(CDlgDesigner::kAddId)->isWindowEnabled());
        int w = 1, h = 1;
        d.design().getImageSize(w, h);
        EXPECT_EQ(w, 0); // not the picture of the design before
        clickAt(d, {1, 1});
        m_driver->answerMessageBox(ui::IDYES);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    std::ifstream in(native(m_root + L"sub\\lengths.txt"));
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "100");
    Tvl_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(m_root + L"sub\\badpic.txt", false));
    EXPECT_EQ(back.getControl(0)->bottomRightX, 0.2); // kept, not zeroed
}

TEST_F(DesignerWindow, APictureIsCheckedBeforeItReplacesTheDesignsOwn) {
    writePicture(L"..\\wide", 800, 360); // outside the root, as pictures may be
    std::ofstream(native(m_root + L"..\\huge.bmp"), std::ios::binary) << std::string(
        "BM\x36\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x40\x9c\0\0\x40\x9c\0\0\x01\0\x18\0", 30);
    run(L"tour", [&](CDlgDesigner& d) {
        const Tvl_String outside = m_root + L"..\\";
        m_driver->answerFile((outside + L"huge.bmp").str());
        m_driver->answerMessageBox(ui::IDOK, L"cannot be used");
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kPictureId));
        EXPECT_EQ(rectOf(d, 1), kEditT);
        m_driver->answerFile((outside + L"wide.bmp").str());
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kPictureId));
        EXPECT_EQ(rectOf(d, 1), (ui::Rect{400, 36, 480, 72})); // the factors, on the new size
        EXPECT_TRUE(d.isModified());
        m_driver->answerMessageBox(ui::IDNO);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ui::Bitmap bmp;
    ASSERT_EQ(ui::readBmpFile(native(m_root + L"tour.bmp").string(), bmp), ui::BmpStatus::Ok);
    EXPECT_EQ(bmp.width, 800);
}

TEST_F(DesignerWindow, ADamagedStartDesignOpensAnEmptyUsableDesigner) {
    std::ofstream(native(m_root + L"broken.txt"), std::ios::binary) << "TVLPROPERTIES 1\ni nr";
    m_driver->answerMessageBox(ui::IDOK, L"not a dialog design");
    run(L"broken", [&](CDlgDesigner& d) {
        EXPECT_EQ(d.design().getNrControls(), 0);
        EXPECT_EQ(d.getWindowText(), dialString(843).str());
        m_driver->answerFile(m_root.str() + L"tour.txt");
        ASSERT_TRUE(ui::click(d, CDlgDesigner::kOpenId));
        EXPECT_EQ(d.design().getNrControls(), 4);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
}
