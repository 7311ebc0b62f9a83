#include "launcher/SplashDialog.h"
#include "launcher/SplashPicture.h"
#include "launcher/SplashResources.h"

#include "FakeEnvironment.h"

#include "platform/ui/Application.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/Static.h"

#include <gtest/gtest.h>

using namespace launcher;
using launcher::test::FakeEnvironment;

namespace {

const std::wstring kFolder = L"c:\\Trevlon\\";

class SplashTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::app().resetForTests();
        m_windowsBefore = ui::app().liveWindowCount();
    }
    void TearDown() override {
        EXPECT_EQ(ui::app().liveWindowCount(), m_windowsBefore); // the splash left nothing behind
        EXPECT_TRUE(ui::app().failures().empty());
        ui::app().resetForTests();
    }

    static FakeEnvironment goodFolder(const std::string& language) {
        FakeEnvironment env;
        env.add(kFolder + L"TvlLoader.arx");
        env.add(kFolder + L"Setvora.exe");
        env.add(kFolder + L"tvlv6.cfg",
                "tvllib=c:\\lib\\\nacaddir=c:\\cad\\\nlanguage=" + language + "\n");
        env.add(L"c:\\cad\\acad.exe");
        return env;
    }

    int m_windowsBefore = 0;
};

} // namespace

TEST_F(SplashTest, InitialisationBuildsTheWindowAndStartsTheHost) {
    auto env = goodFolder("NL");
    ui::ScriptedDriver driver;
    bool checked = false;
    driver.onDialog(kSplashTemplateId, [&](ui::Dialog& d) {
        checked = true;
        EXPECT_NE(d.exStyle() & ui::WS_EX_TOOLWINDOW, 0u);
        EXPECT_EQ(d.getDlgItemText(kVersionControl), L"versie 1.1");
        EXPECT_EQ(d.getDlgItemText(kNoticeControl),
                  L"Copyright \u00A9 Brindmark. Alle rechten voorbehouden.");
        EXPECT_EQ(d.getDlgItemText(kWebControl), L"brindmark.example");
        EXPECT_EQ(d.getDlgItem(kVersionControl)->font(), (ui::FontSpec{15, L"Verdana", 700}));
        EXPECT_EQ(d.getDlgItem(kNoticeControl)->font(), (ui::FontSpec{9, L"Verdana", 400}));
        EXPECT_EQ(d.getDlgItem(kWebControl)->font(), (ui::FontSpec{9, L"Verdana", 400}));
        auto* picture = dynamic_cast<ui::Static*>(d.getDlgItem(kPictureControl));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->bitmap().size(), (ui::Size{kSplashPictureWidth, kSplashPictureHeight}));
        // Everything happened before the splash was first shown.
        ASSERT_EQ(env.started.size(), 1u);
        EXPECT_EQ(env.started[0].file, L"c:\\cad\\acad.exe");

        // Colours: transparent statics in dark blue on the grey dialog background.
        ui::CtlColor c;
        c.control = d.getDlgItem(kVersionControl);
        c.kind = ui::CTLCOLOR_STATIC;
        EXPECT_TRUE(dynamic_cast<SplashDialog&>(d).onCtlColor(c));
        EXPECT_TRUE(c.transparentText);
        EXPECT_EQ(c.textColor, ui::Color::fromRgb(0, 50, 127));
        EXPECT_EQ(c.brush, ui::BrushKind::Hollow);
        ui::Color bk, text;
        ASSERT_TRUE(ui::app().dialogColors(bk, text));
        EXPECT_EQ(bk, ui::Color::fromRgb(90, 90, 90));
        EXPECT_EQ(text, ui::Color::fromRgb(0, 0, 0));

        // Timer 1 closes the splash as if confirmed, after its period and not before.
        ui::app().advanceTime(9999);
        EXPECT_FALSE(d.endRequested());
        ui::app().advanceTime(1);
        EXPECT_TRUE(d.endRequested());
        EXPECT_EQ(d.modalResult(), ui::IDOK);
    });
    runSplash(env, kFolder, 10000);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(ui::app().pendingTimerCount(), 0);
}

TEST_F(SplashTest, MessagesAreOwnedByTheSplashAndTheTemplateTextStays) {
    FakeEnvironment env; // nothing there but the settings program
    env.add(kFolder + L"Setvora.exe");
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK, L"program files not found");
    driver.answerMessageBox(ui::IDOK, L"setting(s) are incorrect");
    driver.onDialog(kSplashTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(kVersionControl), L"version");
        EXPECT_EQ(d.getDlgItemText(kNoticeControl), L"");
        ASSERT_EQ(driver.messageBoxes().size(), 2u);
        for (const auto& box : driver.messageBoxes()) {
            EXPECT_EQ(box.owner, &d);
            EXPECT_EQ(box.buttons(), ui::MB_OK);
            EXPECT_EQ(box.icon(), ui::MB_ICONEXCLAMATION);
        }
        EXPECT_EQ(driver.messageBoxes()[0].caption, L"Brindmark Startup");
        EXPECT_EQ(driver.messageBoxes()[1].caption, L"Brindmark Settings");
        // The settings program starts after the report was answered.
        EXPECT_EQ(env.events.back(), L"start c:\\Trevlon\\Setvora.exe");
        ui::app().advanceTime(250);
    });
    runSplash(env, kFolder, 250);
    EXPECT_TRUE(driver.done());
}

TEST_F(SplashTest, ViewerModeShowsViewerAndNoNotice) {
    auto env = goodFolder("EN");
    env.add(kFolder + L"viewer.cfg");
    ui::ScriptedDriver driver;
    driver.onDialog(kSplashTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(kVersionControl), L"viewer");
        EXPECT_EQ(d.getDlgItemText(kNoticeControl), L"");
        ui::app().advanceTime(10000);
    });
    runSplash(env, kFolder, 10000);
    EXPECT_TRUE(driver.done());
}

TEST_F(SplashTest, TemplateGeometryInDialogUnits) {
    const auto t = splashTemplate();
    EXPECT_EQ(t.id, 102);
    EXPECT_EQ(t.rect, ui::dlu(0, 0, 360, 220));
    EXPECT_EQ(t.font, (ui::FontSpec{8, L"MS Sans Serif", 400}));
    EXPECT_NE(t.style & ui::WS_POPUP, 0u);
    EXPECT_EQ(t.style & ui::WS_CAPTION, 0u);
    ASSERT_EQ(t.controls.size(), 4u);
    EXPECT_EQ(t.controls[0].rect, (ui::Rect{4, 3, 356, 217}));
    EXPECT_EQ(t.controls[1].rect, ui::dlu(240, 80, 116, 16));
    EXPECT_EQ(t.controls[1].text, L"version");
    EXPECT_EQ(t.controls[2].rect, ui::dlu(33, 183, 303, 10));
    EXPECT_EQ(t.controls[3].rect, ui::dlu(135, 200, 81, 10));
}
