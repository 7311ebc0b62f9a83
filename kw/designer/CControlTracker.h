#pragma once
// CControlTracker: the designer window's control tracker. It keeps a tracker rectangle
// (CControlRect) for every drawn control in drawing order and the selection in
// selection order, draws the frames and handles of the selection and the rubber band
// through the canvas, sets the mouse cursor over handles, and moves and sizes controls
// with the mouse. Mouse tracking runs on the dialog's capture: leftButtonDown starts
// it, mouseMove follows the mouse and mouseUp finishes it (docs/designer.md).

#include "kw/designer/CControlRect.h"
#include "kw/designer/ControlTracker.h"

#include <functional>
#include <memory>
#include <vector>

class CControlTracker : public kw::designer::ControlTracker {
public:
    CControlTracker() = default;
    ~CControlTracker() override;

    // ---- kw::designer::ControlTracker ---------------------------------------------------
    void bind(ui::Window* dialog) override;
    void add(ui::Window* control) override;
    void remove(int id) override;
    int currentId() const override;
    void select(int id, bool clearFirst) override;
    void selectedIds(std::vector<int>& ids) const override;
    int clearSelection() override;
    void paint(ui::Canvas& canvas) override;
    bool setCursor(ui::Window* window, int hitTest) override;
    void leftButtonDown(ui::Point point, unsigned flags, bool allowRubberBand) override;

    // ---- Selection --------------------------------------------------------------------
    void addToSelection(CControlRect* rect);
    void toggle(CControlRect* rect);
    void deselect(CControlRect* rect);

    // ---- Mouse tracking (dialog client coordinates) -------------------------------------
    enum class Tracking { None, RubberBand, Resize, Move };
    Tracking tracking() const { return m_mode; }
    void mouseMove(ui::Point point);
    // Ends the tracking; true when a control was moved or sized.
    bool mouseUp(ui::Point point);
    // The rubber band while it is tracked (normalised).
    const ui::Rect& rubberBand() const { return m_band; }
    // Called after each tracked mouse move (the benchmarks paint there).
    void setTrackStepHook(std::function<void()> hook) { m_stepHook = std::move(hook); }

    const std::vector<std::unique_ptr<CControlRect>>& all() const { return m_all; }
    CControlRect* find(int id) const;
    // The first rectangle hit in drawing order (handles of selected ones included).
    CControlRect* hitRect(ui::Point p, ui::TrackerHit& hit) const;

private:
    void startCapture();
    void endTracking();
    void repaint();

    ui::WindowRef<> m_dialog;
    std::vector<std::unique_ptr<CControlRect>> m_all;
    std::vector<CControlRect*> m_selection;
    ui::Rect m_rect; // the group's bounding box while it is moved

    Tracking m_mode = Tracking::None;
    ui::Point m_start;
    ui::Rect m_band;
    CControlRect* m_sized = nullptr;
    ui::TrackerHit m_hit = ui::TrackerHit::Nothing;
    ui::Rect m_sizedFrom;
    std::vector<std::pair<CControlRect*, ui::Rect>> m_moved; // each with its rectangle before
    ui::Rect m_rectFrom;
    std::function<void()> m_stepHook;
};
