#pragma once
// Shared fixture of the windowing-layer tests: a fresh application state and a scripted
// driver per test; afterwards no window may be left open, no modal loop running, nothing
// scripted left unused and no failure recorded (tests that expect failures take them).

#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace uitest {

class UiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::app().resetForTests();
        m_windowsBefore = ui::app().liveWindowCount();
        driver = std::make_unique<ui::ScriptedDriver>();
    }
    void TearDown() override {
        for (const auto& f : ui::app().failures())
            ADD_FAILURE() << "unexpected windowing failure: " << f;
        for (const auto& u : driver->unconsumed())
            ADD_FAILURE() << "scripted but unused: " << u;
        EXPECT_EQ(ui::app().modalDepth(), 0);
        EXPECT_EQ(ui::app().liveWindowCount(), m_windowsBefore) << "a window was left open";
        driver.reset();
        ui::app().resetForTests();
    }
    // Takes the failures recorded so far (for tests that provoke them).
    std::vector<std::string> takeFailures() { return ui::app().takeFailures(); }

    std::unique_ptr<ui::ScriptedDriver> driver;

private:
    int m_windowsBefore = 0;
};

// A small dialog: an edit 100, a check box 101, OK and Cancel.
inline ui::DialogTemplate smallTemplate(int id = 9001) {
    using namespace ui;
    DialogTemplate t;
    t.id = id;
    t.caption = L"Small";
    t.rect = dlu(0, 0, 160, 80);
    t.controls = {
        {100, L"EDIT", L"", ES_AUTOHSCROLL, dlu(8, 8, 100, 12), WS_EX_CLIENTEDGE},
        {101, L"Button", L"Check", BS_AUTOCHECKBOX, dlu(8, 26, 100, 10)},
        {IDOK, L"Button", L"OK", BS_DEFPUSHBUTTON, dlu(40, 60, 50, 14)},
        {IDCANCEL, L"Button", L"Cancel", BS_PUSHBUTTON, dlu(100, 60, 50, 14)},
    };
    return t;
}

} // namespace uitest
