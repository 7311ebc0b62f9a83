#pragma once
// "SysTabControl32": a row of tabs with captions. A user's click on a tab sends
// TCN_SELCHANGING then (unless answered true) TCN_SELCHANGE through WM_NOTIFY;
// setCurSel by program does not notify. Tabs are laid out left to right, each as wide as
// its text plus padding, kTabHeight pixels high; the display area is the client below.

#include "platform/ui/Window.h"

#include <string>
#include <vector>

namespace ui {

class TabControl : public Window {
public:
    static constexpr int kTabHeight = 21;

    int insertItem(int index, std::wstring_view caption);
    bool deleteItem(int index);
    bool deleteAllItems();
    int getItemCount() const { return static_cast<int>(m_items.size()); }
    int getCurSel() const { return m_cur; }
    int setCurSel(int index); // returns the previous selection, -1 on error
    std::wstring getItemText(int index) const;
    bool setItemText(int index, std::wstring_view caption);
    bool getItemRect(int index, Rect& r) const; // client coordinates
    // Display rectangle (larger = false) from a window rect, or the reverse.
    void adjustRect(bool larger, Rect& r) const;

    void userSelect(int index);
    unsigned getDlgCode() const override { return DLGC_WANTARROWS; }

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;
    void onPaint(Canvas& canvas) override;
    void adoptState(Window& from) override;
    void onMouseDown(MouseButton b, unsigned flags, Point p) override;
    void onKeyDown(int vk, unsigned repeat) override;

private:
    std::vector<std::wstring> m_items;
    int m_cur = -1;
};

} // namespace ui
