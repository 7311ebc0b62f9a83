// The focus registry with a user-designed dialog: a bolt-count edit keeps its selection.

#include "tests/kw/designer/DesignerTestSupport.h"

#include "kw/frame/DialogHelpers.h"
#include "kw/frame/Tvl_RestoreFocus.h"
#include "platform/ui/controls/Edit.h"

namespace {

class RestoreFocusDesign : public DesignerTest {};

TEST_F(RestoreFocusDesign, BoltCountEditKeepsItsSelectionOtherEditsTheirId) {
    writePicture(L"focus");
    DesignHost& host = makeHost(false);
    Tvl_DlgDesignerData design;
    ASSERT_TRUE(design.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false));
    ASSERT_TRUE(design.attachBitmap(m_root + L"focus.bmp"));
    Tvl_DesignerControl bolts = control(tvlCtrlBoltCount1, 0.1, 0.1, 0.3, 0.2, L"12345");
    Tvl_DesignerControl plain = control(tvlCtrlEdit, 0.1, 0.5, 0.3, 0.6, L"depth");
    design.append(bolts);
    design.append(plain);
    design.redrawAllControls();
    const int boltsId = design.getControl(0)->resourceId;
    const int plainId = design.getControl(1)->resourceId;
    auto* boltsEdit = design.getControl(0)->getEditPtr(&host);
    ASSERT_NE(boltsEdit, nullptr);

    Tvl_RestoreFocus registry;
    boltsEdit->setFocus();
    boltsEdit->setSel(1, 3);
    registry.save(L"Bolts", &host, ui::Window::getFocus(), &design);
    EXPECT_EQ(registry.find(L"Bolts")->kind, kFocusDesignedEdit);
    focusControl(&host, plainId);
    registry.save(L"Plain", &host, ui::Window::getFocus(), &design);
    EXPECT_EQ(registry.find(L"Plain")->kind, kFocusControl);

    boltsEdit->setSel(0, 0);
    registry.restore(L"Bolts", &host, nullptr, &design);
    EXPECT_EQ(focusedControlId(), boltsId);
    int start = -1, end = -1;
    boltsEdit->getSel(start, end);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
}

} // namespace
