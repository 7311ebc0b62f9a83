#pragma once
// What the editor tests share: running the editor with a person's steps, clicking cells,
// reading files back.

#include "../frame/FrameTestSupport.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "kw/frame/KWExports.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "kw/spreadsheet/editor/EditorClipboard.h"
#include "kw/spreadsheet/editor/EditorEntry.h"
#include "platform/base/Paths.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/Toolbar.h"

namespace editortest {

using D = CDlgSpreadSheet;

// Runs the editor on `path` (empty: a new document, as TEST opens it) with `steps`; the
// close box ends it afterwards, answering No when the document is still changed.
inline void runEditor(ui::ScriptedDriver& driver, const Tvl_String& path,
                      const std::function<void(D&)>& steps) {
    driver.onDialog(D::kTemplateId, [&driver, steps](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        steps(e);
        if (!e.isWindow())
            return;
        if (e.changed())
            driver.answerMessageBox(ui::IDNO);
        EXPECT_TRUE(ui::closeBox(e));
    });
    if (path.isEmpty())
        KWEditor();
    else
        KWEditorOpen(path);
}

// A click on a cell, as the mouse does it (shift extends the selection).
inline void clickCell(D& e, int col, int row, unsigned modifiers = 0) {
    const ui::Rect r = e.grid().cellRect(col, row);
    ASSERT_FALSE(r.isEmpty()) << "cell " << col << "," << row << " is not in view";
    const ui::Point p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ASSERT_TRUE(ui::mouseDown(e.grid(), p, modifiers));
    ASSERT_TRUE(ui::mouseUp(e.grid(), p, modifiers));
}

// Clicks the cell and types into an edit-bar field.
inline void typeInto(D& e, int col, int row, int field, const std::wstring& text) {
    clickCell(e, col, row);
    ASSERT_TRUE(ui::typeText(e, field, text));
}

inline std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline Tvl_String product(const std::filesystem::path& file) {
    return Tvl_String(base::toProduct(file));
}

// A fresh clipboard for every test: blocks of an earlier test name documents gone.
class EditorTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        kw::EditorClipboard::instance().clear();
        ui::setClipboardText(L"");
    }
};

} // namespace editortest
