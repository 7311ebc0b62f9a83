#pragma once
// A batch of child moves applied together (BeginDeferWindowPos / DeferWindowPos /
// EndDeferWindowPos). Nothing moves until apply(); then every window gets its new
// rectangle first and the WM_SIZE notifications follow, so no handler sees a half-moved
// layout. Windows destroyed before apply() are skipped.

#include "platform/ui/Window.h"

#include <vector>

namespace ui {

class DeferWindowPos {
public:
    explicit DeferWindowPos(int expected = 0) { m_moves.reserve(static_cast<size_t>(expected)); }
    // Same flags as Window::setWindowPos.
    void defer(Window* window, Window* insertAfter, int x, int y, int cx, int cy, unsigned flags);
    bool apply();
    int size() const { return static_cast<int>(m_moves.size()); }

private:
    struct Move {
        WindowRef<Window> window;
        WindowRef<Window> insertAfter;
        Rect rect;
        unsigned flags;
    };
    std::vector<Move> m_moves;
};

} // namespace ui
