#pragma once
// CDlgKWPrintPreview: the print preview, a resizable window with the grid's page view
// (control 1038) and seven buttons. It ends with a result: 1 close, 2 print, 3 settings.

#include <array>

#include "core/CButtonST.h"
#include "kw/frame/DlgResizeLayout.h"
#include "platform/ui/Dialog.h"

namespace grid {
class GridControl;
class GridPageView;
} // namespace grid

class CDlgKWPrintPreview : public ui::Dialog {
public:
    static constexpr int kTemplateId = 180;
    static constexpr int kPageViewId = 1038;
    static constexpr int kNextId = 1075, kPreviousId = 1076, kZoomInId = 1077, kZoomOutId = 1078,
                         kSetupId = 1079, kPrintId = 1080;
    static constexpr int kResultClose = 1, kResultPrint = 2, kResultSetup = 3;
    static constexpr int kZoomStep = 50, kZoomMin = 50, kZoomMax = 200;

    CDlgKWPrintPreview(const grid::GridControl* spread, ui::Window* parent = nullptr);

    int m_zoom = 100;
    int m_result = kResultClose;

    grid::GridPageView* pageView() const;

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onSize(unsigned type, int cx, int cy) override;
    void onDestroy() override;

private:
    void refresh();

    const grid::GridControl* m_spread;
    std::array<CButtonST, 7> m_buttons;
    DlgResizeLayout m_layout;
    bool m_ready = false;
};
