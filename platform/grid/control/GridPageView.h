#pragma once
// GridPageView: the grid's page-view window (class "fpSpreadPreview60"). Bound to a grid
// window, it shows one printed page at a time, laid out by the grid's current print
// options and page call-back, on a grey desk.
//
// View types: 0 the whole page fits the window, 1 the page at its real size (100 %),
// 2 at pageViewPercentage(). The user turns pages with Page Up / Page Down (Home, End)
// and, when user zoom is allowed, zooms with + and - (steps of 10 %, 10 to 400 %); the
// arrows scroll a page that is larger than the window. What the user changes is
// reported to the parent as WM_COMMAND with code kPageViewPageChanged or
// kPageViewZoomChanged; changes made by calls are not reported.

#include "platform/grid/control/GridPrint.h"
#include "platform/ui/Window.h"

namespace grid {

inline constexpr const wchar_t* kPageViewClassName = L"fpSpreadPreview60";
constexpr int kPageViewPageChanged = 1;
constexpr int kPageViewZoomChanged = 2;

// Registers the class with the windowing layer (idempotent).
void registerPageViewClass();

class GridPageView : public ui::Window {
public:
    static constexpr int kMinPercent = 10;
    static constexpr int kMaxPercent = 400;

    GridPageView();
    ~GridPageView() override;

    // Binds the view to a grid (null: shows nothing) and lays its pages out.
    void setSpread(const GridControl* grid);
    const GridControl* spread() const { return m_grid; }
    // Lays the pages out again (after the grid's options changed).
    void refresh();
    void setAllowUserZoom(bool on) { m_userZoom = on; }
    bool allowUserZoom() const { return m_userZoom; }
    // False for a type outside 0..2.
    bool setPageViewType(int type);
    int pageViewType() const { return m_type; }
    // Clamped to kMinPercent..kMaxPercent.
    void setPageViewPercentage(int percent);
    int pageViewPercentage() const { return m_percent; }
    // Clamped to 1..pageCount().
    void setPageCurrent(int page);
    int pageCurrent() const { return m_page; }
    int pageCount() const { return m_pagination.pageCount(); }
    const Pagination& pagination() const { return m_pagination; }
    // The zoom as drawn (view types 0 and 1 included), percent.
    int effectivePercent() const;
    // Where the page is drawn in the client area.
    ui::Rect pageRect() const;

protected:
    void onPaint(ui::Canvas& canvas) override;
    bool onEraseBkgnd(ui::Canvas& canvas) override;
    void onKeyDown(int vk, unsigned repeat) override;
    void onChar(wchar_t ch, unsigned repeat) override;
    void onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) override;
    unsigned getDlgCode() const override;

private:
    void userPage(int page);
    void userZoom(int percent);

    const GridControl* m_grid = nullptr;
    Pagination m_pagination;
    bool m_userZoom = true;
    int m_type = 0;
    int m_percent = 100;
    int m_page = 1;
    ui::Point m_scroll;
};

} // namespace grid
