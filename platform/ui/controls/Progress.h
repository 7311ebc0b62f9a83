#pragma once
// "msctls_progress32": a bar between a range's bounds.

#include "platform/ui/Window.h"

namespace ui {

class Progress : public Window {
public:
    void setRange(int low, int high) {
        m_low = low;
        m_high = high > low ? high : low + 1;
        invalidate();
    }
    int setPos(int pos);
    int getPos() const { return m_pos; }

protected:
    void onPaint(Canvas& canvas) override;

private:
    int m_low = 0;
    int m_high = 100;
    int m_pos = 0;
};

} // namespace ui
