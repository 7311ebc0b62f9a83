#pragma once
// "ListBox": single selection, or LBS_MULTIPLESEL / LBS_EXTENDEDSEL. Items with text and
// data; LBS_SORT inserts sorted. A user's selection sends LBN_SELCHANGE (LBS_NOTIFY is
// not required here: the product's lists always want it); double click LBN_DBLCLK.

#include "platform/ui/Window.h"
#include "platform/ui/controls/ItemList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class ListBox : public Window {
public:
    int addString(std::wstring_view text);
    int insertString(int index, std::wstring_view text);
    int deleteString(int index);
    void resetContent();
    int getCount() const { return m_list.count(); }
    int getCurSel() const; // single: selection; multi: caret item
    int setCurSel(int index);
    bool getSel(int index) const;
    int setSel(int index, bool select); // multi-selection lists; -1 = all
    int getSelCount() const;
    std::vector<int> getSelItems() const;
    std::wstring getText(int index) const;
    int getTextLen(int index) const;
    int findString(int startAfter, std::wstring_view prefix) const;
    int findStringExact(int startAfter, std::wstring_view text) const;
    std::intptr_t getItemData(int index) const;
    int setItemData(int index, std::intptr_t data);
    bool isMultiSel() const { return (style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
    int topIndex() const { return m_top; }

    // A user clicks item `index` (with modifiers for multi-selection lists).
    void userSelect(int index, unsigned modifiers = 0);

    unsigned getDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;
    void onPaint(Canvas& canvas) override;
    void adoptState(Window& from) override;
    void onKeyDown(int vk, unsigned repeat) override;
    void onMouseDown(MouseButton b, unsigned flags, Point p) override;
    void onDoubleClick(MouseButton b, unsigned flags, Point p) override;

private:
    int itemAt(Point p) const;
    ItemList m_list;
    int m_top = 0;
};

} // namespace ui
