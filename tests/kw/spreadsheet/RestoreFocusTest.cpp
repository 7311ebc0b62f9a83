#include "SpreadTestSupport.h"

#include "kw/frame/DialogHelpers.h"
#include "kw/frame/Tvl_RestoreFocus.h"
#include "platform/ui/controls/Edit.h"

namespace spreadtest {
namespace {

class RestoreFocusTest : public SpreadTest {};

TEST_F(RestoreFocusTest, GridCellAndPlainControlComeBackPerTab) {
    fill(3, 4);
    Tvl_RestoreFocus registry;
    activate(2, 3);
    registry.save(L"Values", dlg.get(), ui::Window::getFocus(), nullptr);
    focusControl(dlg.get(), kEditId);
    registry.save(L"Names", dlg.get(), ui::Window::getFocus(), nullptr);
    ASSERT_NE(registry.find(L"Values"), nullptr);
    EXPECT_EQ(registry.find(L"Values")->kind, kFocusGridCell);
    EXPECT_EQ(registry.find(L"Names")->kind, kFocusControl);
    EXPECT_EQ(registry.find(L"Names")->controlId, kEditId);

    // The grid's page was rebuilt: the active cell moved away and the edit has the focus.
    g().setActiveCell(1, 1);
    registry.restore(L"Values", dlg.get(), &g(), nullptr);
    int col = 0, row = 0;
    ASSERT_TRUE(g().activeCell(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    EXPECT_EQ(ui::Window::getFocus(), &g());
    registry.restore(L"Names", dlg.get(), &g(), nullptr);
    EXPECT_EQ(focusedControlId(), kEditId);
}

TEST_F(RestoreFocusTest, NothingIsStoredOrRestoredWithoutParentRecordOrKind) {
    Tvl_RestoreFocus registry;
    focusControl(dlg.get(), kEditId);
    registry.save(L"Empty", nullptr, ui::Window::getFocus(), nullptr);
    ASSERT_NE(registry.find(L"Empty"), nullptr);
    EXPECT_EQ(registry.find(L"Empty")->kind, kFocusNothing);
    g().setFocus();
    registry.restore(L"Empty", dlg.get(), &g(), nullptr);
    registry.restore(L"Unknown", dlg.get(), &g(), nullptr);
    EXPECT_EQ(ui::Window::getFocus(), &g());
    // One record per tab name: saving again updates it.
    focusControl(dlg.get(), kEditId);
    registry.save(L"Empty", dlg.get(), ui::Window::getFocus(), nullptr);
    registry.save(L"Empty", dlg.get(), ui::Window::getFocus(), nullptr);
    EXPECT_EQ(registry.find(L"Empty")->kind, kFocusControl);
    g().setFocus();
    registry.restore(L"Empty", nullptr, &g(), nullptr);
    EXPECT_EQ(ui::Window::getFocus(), &g()) << "without a parent nothing happens";
}

} // namespace
} // namespace spreadtest
