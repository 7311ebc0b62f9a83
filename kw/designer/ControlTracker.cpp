#include "kw/designer/ControlTracker.h"

#include "platform/ui/Messages.h"
#include "platform/ui/draw/Canvas.h"

#include <algorithm>

namespace kw::designer {

namespace {

// Selection without mouse tracking: clicks select (Ctrl toggles, Shift adds), a click on
// empty space clears. Used until the designer window installs its own tracker.
class SelectionTracker : public ControlTracker {
public:
    void bind(ui::Window* dialog) override { m_dialog = dialog; }
    void add(ui::Window* control) override { m_all.emplace_back(control); }
    void remove(int id) override {
        clearSelection();
        std::erase_if(m_all, [id](const ui::WindowRef<>& w) { return !w || w->id() == id; });
    }
    int currentId() const override { return m_selection.size() == 1 ? m_selection[0] : -1; }
    void select(int id, bool clearFirst) override {
        if (clearFirst)
            clearSelection();
        if (!find(id) || std::ranges::find(m_selection, id) != m_selection.end())
            return;
        m_selection.push_back(id);
    }
    void selectedIds(std::vector<int>& ids) const override { ids = m_selection; }
    int clearSelection() override {
        const int n = static_cast<int>(m_selection.size());
        m_selection.clear();
        return n;
    }
    void paint(ui::Canvas& canvas) override {
        for (const auto& w : m_all)
            if (w && std::ranges::find(m_selection, w->id()) != m_selection.end())
                canvas.frameRect(w->rect().inflate(2, 2), ui::Pen{});
    }
    bool setCursor(ui::Window*, int) override { return false; }
    void leftButtonDown(ui::Point point, unsigned flags, bool) override {
        ui::Window* hit = nullptr;
        for (const auto& w : m_all)
            if (w && w->rect().contains(point)) {
                hit = w.get();
                break;
            }
        if (!hit) {
            if (!(flags & (ui::MK_SHIFT | ui::MK_CONTROL)))
                clearSelection();
            return;
        }
        const int id = hit->id();
        const auto it = std::ranges::find(m_selection, id);
        if (flags & ui::MK_CONTROL) {
            if (it != m_selection.end())
                m_selection.erase(it);
            else
                m_selection.push_back(id);
        } else if (flags & ui::MK_SHIFT) {
            if (it == m_selection.end())
                m_selection.push_back(id);
        } else if (it == m_selection.end()) {
            clearSelection();
            m_selection.push_back(id);
        }
    }

private:
    ui::Window* find(int id) const {
        for (const auto& w : m_all)
            if (w && w->id() == id)
                return w.get();
        return nullptr;
    }
    ui::Window* m_dialog = nullptr;
    std::vector<ui::WindowRef<>> m_all;
    std::vector<int> m_selection;
};

ControlTrackerFactory g_factory = nullptr;

} // namespace

void setControlTrackerFactory(ControlTrackerFactory factory) {
    g_factory = factory;
}

ControlTracker* createControlTracker() {
    if (g_factory)
        if (ControlTracker* t = g_factory())
            return t;
    return new SelectionTracker;
}

} // namespace kw::designer
