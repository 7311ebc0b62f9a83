#pragma once
// "ToolbarWindow32": a row of buttons cut from one bitmap strip (resource), with
// separators. Clicking an enabled button sends WM_COMMAND(id, BN_CLICKED) to the
// toolbar's parent (its owner window). The toolbar sits at the top of its parent's
// client area with a fixed height: buttonSize + 8.

#include "platform/ui/Window.h"

#include <vector>

namespace ui {

class Toolbar : public Window {
public:
    struct ButtonInfo {
        int command = 0; // 0 = separator
        int image = -1;  // index into the strip
        bool enabled = true;
        bool checked = false;
        std::wstring tooltip;
    };
    static constexpr int kSeparatorWidth = 8;

    // Loads the strip (bitmap resource) cut into `buttonSize` pieces; false when missing.
    bool loadBitmapStrip(int resourceId, Size buttonSize);
    void setStrip(const Image& strip, Size buttonSize) {
        m_strip = strip;
        m_buttonSize = buttonSize;
    }
    // Commands in order; 0 = separator; images are numbered along the non-separators.
    void setButtons(const std::vector<int>& commands);
    int buttonCount() const { return static_cast<int>(m_buttons.size()); }
    const ButtonInfo* button(int index) const;
    bool enableButton(int command, bool enable);
    bool checkButton(int command, bool check);
    bool setTooltip(int command, std::wstring_view text);
    Rect buttonRect(int index) const;
    int preferredHeight() const { return m_buttonSize.cy + 8; }
    const Image& strip() const { return m_strip; }
    Size buttonSize() const { return m_buttonSize; }

    // A user clicks the button of `command`; false when missing or disabled.
    bool clickCommand(int command);

protected:
    void onPaint(Canvas& canvas) override;
    void onMouseUp(MouseButton b, unsigned flags, Point p) override;

private:
    std::vector<ButtonInfo> m_buttons;
    Image m_strip;
    Size m_buttonSize{16, 15};
};

} // namespace ui
