#pragma once
// "Button": push button (BS_PUSHBUTTON / BS_DEFPUSHBUTTON), check box (2- and 3-state,
// auto or not), radio button (auto radios group by WS_GROUP), group box, push-like check
// (BS_PUSHLIKE), owner-drawn. A click (mouse up over the button, BM_CLICK, Space) toggles
// auto buttons and sends BN_CLICKED to the parent. An auto 3-state box cycles
// unchecked -> checked -> indeterminate -> unchecked.
// Images: setIcon/setImage (BM_SETIMAGE) with BS_ICON / BS_BITMAP.

#include "platform/ui/Window.h"

namespace ui {

class Button : public Window {
public:
    int getCheck() const { return m_check; }
    void setCheck(int check); // BST_UNCHECKED / CHECKED / INDETERMINATE
    unsigned buttonType() const { return style() & BS_TYPEMASK; }
    // BM_SETSTYLE: changes the kind (e.g. BS_AUTO3STATE -> BS_AUTOCHECKBOX).
    void setButtonStyle(unsigned kind, bool redraw = true);
    void setImage(const Image& image) {
        m_image = image;
        invalidate();
    }
    const Image& image() const { return m_image; }
    bool isPushed() const { return m_pushed; }
    bool isCheckKind() const;
    bool isRadioKind() const;
    bool isPushKind() const;
    // A person's click: the same path as mouse down + up.
    void click();

    unsigned getDlgCode() const override;
    bool hitTransparent() const override { return buttonType() == BS_GROUPBOX; }

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;
    void onPaint(Canvas& canvas) override;
    void adoptState(Window& from) override;
    void onMouseDown(MouseButton b, unsigned flags, Point p) override;
    void onMouseUp(MouseButton b, unsigned flags, Point p) override;
    void onKeyUp(int vk, unsigned repeat) override;
    void onKeyDown(int vk, unsigned repeat) override;

private:
    void clicked();
    int m_check = BST_UNCHECKED;
    bool m_pushed = false;
    Image m_image;
};

} // namespace ui
