#pragma once
// The spreadsheet editor run as a person runs it, for the format dialogs' tests: a step
// function gets the open editor; afterwards the editor is closed without saving.

#include "../frame/FrameTestSupport.h"

#include <functional>
#include <memory>

#include "kw/frame/KWExports.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "kw/spreadsheet/editor/EditorEntry.h"
#include "platform/base/Paths.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/draw/RecordingCanvas.h"

namespace cellformat {

using Editor = CDlgSpreadSheet;

class CellFormatTest : public FrameTest {
protected:
    // Runs the editor (on `path` when given) with `steps`, then closes it, declining to save.
    void inEditor(const std::function<void(Editor&)>& steps, const std::wstring& path = {}) {
        drv().onDialog(Editor::kTemplateId, [&](ui::Dialog& d) {
            auto& e = dynamic_cast<Editor&>(d);
            e.grid().setFocus();
            steps(e);
            if (e.changed())
                drv().answerMessageBox(ui::IDNO);
            ui::closeBox(e);
        });
        if (path.empty())
            KWEditor();
        else
            KWEditorOpen(Tvl_String(path));
        EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
    }
    // Saves the editor's document under `file` through "Bewaren als...".
    std::wstring saveAs(Editor& e, const std::string& file) {
        const std::wstring product = base::toProduct(m_tmp / file);
        drv().answerFile(product);
        EXPECT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdSaveAs));
        EXPECT_FALSE(e.changed());
        return product;
    }
    static ui::RecordingCanvas paint(Tvl_Spread& g) {
        ui::RecordingCanvas canvas(ui::Size{800, 600});
        g.paintTree(canvas);
        return canvas;
    }

    void SetUp() override {
        FrameTest::SetUp();
        m_driver = std::make_unique<ui::ScriptedDriver>(); // after the application's reset
    }
    void TearDown() override {
        FrameTest::TearDown();
        m_driver.reset();
    }
    ui::ScriptedDriver& drv() { return *m_driver; }

    std::unique_ptr<ui::ScriptedDriver> m_driver;
};

} // namespace cellformat
