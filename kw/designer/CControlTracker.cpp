#include "kw/designer/CControlTracker.h"

#include "platform/ui/Application.h"
#include "platform/ui/Messages.h"
#include "platform/ui/draw/Canvas.h"

#include <algorithm>
#include <climits>

namespace {

ui::Rect normalisedBand(ui::Point a, ui::Point b) {
    return ui::Rect{a.x, a.y, b.x, b.y}.normalized();
}

bool inside(const ui::Rect& r, const ui::Rect& band) {
    const ui::Rect n = r.normalized();
    return n.left >= band.left && n.right <= band.right && n.top >= band.top &&
           n.bottom <= band.bottom;
}

ui::CursorKind cursorFor(ui::TrackerHit hit) {
    switch (hit) {
    case ui::TrackerHit::TopLeft:
    case ui::TrackerHit::BottomRight:
        return ui::CursorKind::SizeNWSE;
    case ui::TrackerHit::TopRight:
    case ui::TrackerHit::BottomLeft:
        return ui::CursorKind::SizeNESW;
    case ui::TrackerHit::Top:
    case ui::TrackerHit::Bottom:
        return ui::CursorKind::SizeNS;
    case ui::TrackerHit::Left:
    case ui::TrackerHit::Right:
        return ui::CursorKind::SizeWE;
    default:
        return ui::CursorKind::SizeAll;
    }
}

} // namespace

CControlTracker::~CControlTracker() {
    if (m_mode != Tracking::None && ui::app().capture() == m_dialog.get())
        ui::app().releaseCapture();
}

void CControlTracker::bind(ui::Window* dialog) {
    m_dialog = dialog;
}

void CControlTracker::add(ui::Window* control) {
    if (!control)
        return;
    m_all.push_back(std::make_unique<CControlRect>(control));
    control->showWindow(ui::SW_SHOW);
}

void CControlTracker::remove(int id) {
    clearSelection();
    if (m_mode != Tracking::None)
        endTracking();
    std::erase_if(m_all, [id](const std::unique_ptr<CControlRect>& r) {
        return r->id() == id || r->id() == 0;
    });
}

CControlRect* CControlTracker::find(int id) const {
    for (const auto& r : m_all)
        if (r->id() == id && id != 0)
            return r.get();
    return nullptr;
}

int CControlTracker::currentId() const {
    return m_selection.size() == 1 ? m_selection[0]->id() : -1;
}

void CControlTracker::select(int id, bool clearFirst) {
    if (clearFirst)
        clearSelection();
    if (CControlRect* r = find(id))
        addToSelection(r);
}

void CControlTracker::selectedIds(std::vector<int>& ids) const {
    ids.clear();
    for (const CControlRect* r : m_selection)
        ids.push_back(r->id());
}

int CControlTracker::clearSelection() {
    const int n = static_cast<int>(m_selection.size());
    for (const auto& r : m_all)
        r->selected = false;
    m_selection.clear();
    return n;
}

void CControlTracker::addToSelection(CControlRect* rect) {
    if (!rect || rect->selected)
        return;
    rect->selected = true;
    m_selection.push_back(rect);
}

void CControlTracker::toggle(CControlRect* rect) {
    if (!rect)
        return;
    if (rect->selected)
        deselect(rect);
    else
        addToSelection(rect);
}

void CControlTracker::deselect(CControlRect* rect) {
    if (!rect)
        return;
    rect->selected = false;
    std::erase(m_selection, rect);
}

void CControlTracker::paint(ui::Canvas& canvas) {
    for (const auto& r : m_all)
        if (r->selected) {
            // The frame just outside the control, so that the control does not cover it.
            canvas.frameRect(r->rect().normalized().inflate(1, 1), ui::Pen{});
            ui::paintTracker(canvas, r->rect(), CControlRect::style());
        }
    if (m_mode == Tracking::RubberBand)
        canvas.frameRect(m_band, ui::Pen{ui::Color{0, 0, 0}, 1, ui::PenStyle::Dot});
}

CControlRect* CControlTracker::hitRect(ui::Point p, ui::TrackerHit& hit) const {
    for (const auto& r : m_all) {
        hit = r->hitTest(p);
        if (hit != ui::TrackerHit::Nothing)
            return r.get();
    }
    hit = ui::TrackerHit::Nothing;
    return nullptr;
}

bool CControlTracker::setCursor(ui::Window* window, int hitTest) {
    ui::Window* dialog = m_dialog.get();
    if (!dialog || !window || hitTest != ui::HTCLIENT)
        return false;
    const ui::Point p = dialog->screenToClient(ui::app().cursorPos());
    ui::TrackerHit hit = ui::TrackerHit::Nothing;
    if (m_mode == Tracking::Resize)
        hit = m_hit;
    else if (m_mode == Tracking::Move)
        hit = ui::TrackerHit::Middle;
    else if (!hitRect(p, hit))
        return false;
    ui::app().setCursor(cursorFor(hit));
    return true;
}

void CControlTracker::leftButtonDown(ui::Point point, unsigned flags, bool allowRubberBand) {
    if (m_mode != Tracking::None)
        endTracking();
    ui::TrackerHit hit = ui::TrackerHit::Nothing;
    CControlRect* r = hitRect(point, hit);
    const bool ctrl = (flags & ui::MK_CONTROL) != 0;
    const bool shift = (flags & ui::MK_SHIFT) != 0;
    if (!r) {
        if (shift || ctrl)
            return;
        clearSelection();
        if (allowRubberBand) {
            m_mode = Tracking::RubberBand;
            m_start = point;
            m_band = normalisedBand(point, point);
            startCapture();
        }
        repaint();
        return;
    }
    if (ctrl) {
        toggle(r);
        repaint();
        return;
    }
    if (shift) {
        addToSelection(r);
        repaint();
        return;
    }
    if (!r->selected)
        clearSelection();
    addToSelection(r);
    m_start = point;
    if (hit != ui::TrackerHit::Middle) {
        m_mode = Tracking::Resize;
        m_sized = r;
        m_hit = hit;
        m_sizedFrom = r->rect();
    } else {
        m_mode = Tracking::Move;
        m_moved.clear();
        int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
        for (CControlRect* s : m_selection) {
            const ui::Rect n = s->rect();
            left = std::min(left, n.left);
            top = std::min(top, n.top);
            right = std::max(right, n.right);
            bottom = std::max(bottom, n.bottom);
            m_moved.emplace_back(s, n);
        }
        m_rect = ui::Rect{left, top, right, bottom};
        m_rectFrom = m_rect;
    }
    startCapture();
    repaint();
}

void CControlTracker::mouseMove(ui::Point point) {
    const int dx = point.x - m_start.x, dy = point.y - m_start.y;
    switch (m_mode) {
    case Tracking::None:
        return;
    case Tracking::RubberBand:
        m_band = normalisedBand(m_start, point);
        break;
    case Tracking::Resize:
        m_sized->setTrackRect(ui::trackerResize(m_sizedFrom, m_hit, dx, dy));
        break;
    case Tracking::Move:
        m_rect = m_rectFrom.offset(dx, dy);
        for (auto& [rect, from] : m_moved)
            rect->setTrackRect(from.offset(dx, dy));
        break;
    }
    repaint();
    if (m_stepHook)
        m_stepHook();
}

bool CControlTracker::mouseUp(ui::Point point) {
    if (m_mode == Tracking::None)
        return false;
    mouseMove(point);
    bool changed = false;
    switch (m_mode) {
    case Tracking::RubberBand:
        for (const auto& r : m_all)
            if (inside(r->rect(), m_band))
                addToSelection(r.get());
        break;
    case Tracking::Resize:
        changed = !(m_sized->rect() == m_sizedFrom);
        m_sized->setRect(m_sized->rect());
        break;
    case Tracking::Move:
        changed = !(m_rect == m_rectFrom);
        for (auto& [rect, from] : m_moved)
            rect->setRect(rect->rect());
        break;
    case Tracking::None:
        break;
    }
    endTracking();
    repaint();
    return changed;
}

void CControlTracker::startCapture() {
    if (ui::Window* d = m_dialog.get())
        ui::app().setCapture(d);
}

void CControlTracker::endTracking() {
    m_mode = Tracking::None;
    m_sized = nullptr;
    m_moved.clear();
    m_band = {};
    if (ui::Window* d = m_dialog.get(); d && ui::app().capture() == d)
        ui::app().releaseCapture();
}

void CControlTracker::repaint() {
    if (ui::Window* d = m_dialog.get())
        d->invalidate();
}
