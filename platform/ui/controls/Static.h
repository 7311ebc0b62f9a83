#pragma once
// "Static": text (multi-line with '\n'), picture (SS_BITMAP, centred at real size with
// SS_CENTERIMAGE), icon (SS_ICON) and frames. Transparent to the mouse unless SS_NOTIFY
// (then STN_CLICKED / STN_DBLCLK). Asks its parent for colours (WM_CTLCOLORSTATIC).

#include "platform/ui/Window.h"

namespace ui {

class Static : public Window {
public:
    void setBitmap(const Image& image) {
        m_image = image;
        invalidate();
    }
    const Image& bitmap() const { return m_image; }
    void setIconImage(const Image& image) {
        m_image = image;
        invalidate();
    }
    bool hitTransparent() const override { return !(style() & SS_NOTIFY); }

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;
    void onPaint(Canvas& canvas) override;
    void adoptState(Window& from) override;

private:
    Image m_image;
};

} // namespace ui
