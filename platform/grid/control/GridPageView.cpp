#include "platform/grid/control/GridPageView.h"

#include <algorithm>
#include <cmath>

#include "platform/grid/control/GridControl.h"
#include "platform/ui/Messages.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/draw/Canvas.h"

namespace grid {

namespace {

const ui::Color kDesk{128, 128, 128};
const ui::Color kShadow{64, 64, 64};
constexpr int kGap = 10; // desk round the page, pixels

struct PageViewClassUnregistrar {
    ~PageViewClassUnregistrar() { ui::unregisterWindowClass(kPageViewClassName); }
};

} // namespace

void registerPageViewClass() {
    static bool done = false;
    if (done)
        return;
    done = true;
    ui::registerWindowClass(kPageViewClassName, [] { return std::make_unique<GridPageView>(); });
    static PageViewClassUnregistrar unregistrar;
}

GridPageView::GridPageView() {
    registerPageViewClass();
}

GridPageView::~GridPageView() = default;

void GridPageView::setSpread(const GridControl* grid) {
    m_grid = grid;
    m_page = 1;
    refresh();
}

void GridPageView::refresh() {
    m_pagination = m_grid ? m_grid->paginate(96) : Pagination();
    m_page = std::clamp(m_page, 1, std::max(1, pageCount()));
    m_scroll = {};
    invalidate();
}

bool GridPageView::setPageViewType(int type) {
    if (type < 0 || type > 2)
        return false;
    m_type = type;
    m_scroll = {};
    invalidate();
    return true;
}

void GridPageView::setPageViewPercentage(int percent) {
    m_percent = std::clamp(percent, kMinPercent, kMaxPercent);
    m_scroll = {};
    invalidate();
}

void GridPageView::setPageCurrent(int page) {
    m_page = std::clamp(page, 1, std::max(1, pageCount()));
    m_scroll = {};
    invalidate();
}

int GridPageView::effectivePercent() const {
    if (m_type == 1)
        return 100;
    if (m_type == 2)
        return m_percent;
    const ui::Rect client = getClientRect();
    const double w = m_pagination.pageWidth() * 96 / 72;
    const double h = m_pagination.pageHeight() * 96 / 72;
    if (w <= 0 || h <= 0)
        return 100;
    const double fit = std::min((client.width() - 2 * kGap) / w, (client.height() - 2 * kGap) / h);
    return std::clamp(static_cast<int>(fit * 100), kMinPercent, kMaxPercent);
}

ui::Rect GridPageView::pageRect() const {
    const ui::Rect client = getClientRect();
    const double zoom = effectivePercent() / 100.0;
    const int w = static_cast<int>(std::lround(m_pagination.pageWidth() * 96 / 72 * zoom));
    const int h = static_cast<int>(std::lround(m_pagination.pageHeight() * 96 / 72 * zoom));
    const int x = w + 2 * kGap <= client.width() ? (client.width() - w) / 2 : kGap - m_scroll.x;
    const int y = h + 2 * kGap <= client.height() ? (client.height() - h) / 2 : kGap - m_scroll.y;
    return ui::Rect::fromSize(x, y, w, h);
}

bool GridPageView::onEraseBkgnd(ui::Canvas& canvas) {
    canvas.fillRect(getClientRect(), kDesk);
    return true;
}

void GridPageView::onPaint(ui::Canvas& canvas) {
    const ui::Rect client = getClientRect();
    canvas.fillRect(client, kDesk);
    if (!m_grid || pageCount() == 0)
        return;
    const ui::Rect page = pageRect();
    canvas.fillRect(page.offset(3, 3), kShadow);
    canvas.fillRect(page, ui::Color{255, 255, 255});
    const int ppi = std::max(1, 96 * effectivePercent() / 100);
    ui::ClipScope clip(canvas, page);
    ui::OriginScope origin(canvas, {page.left, page.top});
    // The pagination is made at 96 pixels per inch; drawing at another zoom asks the
    // call-back again only for drawing, the band heights stay those of the layout.
    paintPrintPage(*m_grid, m_pagination, m_page, canvas, ppi, m_grid->pageCallback());
}

unsigned GridPageView::getDlgCode() const {
    return ui::DLGC_WANTARROWS | ui::DLGC_WANTCHARS;
}

void GridPageView::userPage(int page) {
    const int before = m_page;
    setPageCurrent(page);
    if (m_page != before)
        notifyParent(kPageViewPageChanged);
}

void GridPageView::userZoom(int percent) {
    if (!m_userZoom)
        return;
    const int before = effectivePercent();
    m_type = 2;
    setPageViewPercentage(percent);
    if (m_percent != before)
        notifyParent(kPageViewZoomChanged);
}

void GridPageView::onKeyDown(int vk, unsigned) {
    const int step = 40;
    switch (vk) {
    case ui::VK_NEXT:
        userPage(m_page + 1);
        break;
    case ui::VK_PRIOR:
        userPage(m_page - 1);
        break;
    case ui::VK_HOME:
        userPage(1);
        break;
    case ui::VK_END:
        userPage(pageCount());
        break;
    case ui::VK_LEFT:
    case ui::VK_RIGHT:
    case ui::VK_UP:
    case ui::VK_DOWN: {
        const ui::Rect client = getClientRect();
        const ui::Rect page = pageRect();
        const int maxX = std::max(0, page.width() + 2 * kGap - client.width());
        const int maxY = std::max(0, page.height() + 2 * kGap - client.height());
        if (vk == ui::VK_LEFT)
            m_scroll.x = std::max(0, m_scroll.x - step);
        else if (vk == ui::VK_RIGHT)
            m_scroll.x = std::min(maxX, m_scroll.x + step);
        else if (vk == ui::VK_UP)
            m_scroll.y = std::max(0, m_scroll.y - step);
        else
            m_scroll.y = std::min(maxY, m_scroll.y + step);
        invalidate();
        break;
    }
    default:
        break;
    }
}

void GridPageView::onChar(wchar_t ch, unsigned) {
    if (ch == L'+')
        userZoom(effectivePercent() + 10);
    else if (ch == L'-')
        userZoom(effectivePercent() - 10);
}

void GridPageView::onMouseDown(ui::MouseButton, unsigned, ui::Point) {
    setFocus();
}

} // namespace grid
