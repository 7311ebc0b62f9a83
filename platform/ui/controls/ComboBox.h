#pragma once
// "ComboBox": CBS_DROPDOWNLIST (choose only) or CBS_DROPDOWN / CBS_SIMPLE (editable, with
// an inner "Edit" child of id 1001 that holds the text and takes the focus: the focus
// window of an editable combo is that edit, whose parent is the combo). Items have text
// and data; CBS_SORT inserts sorted. Selecting an item as a user does sends
// CBN_SELCHANGE, then (editable) copies the item text into the edit, then CBN_SELENDOK
// and CBN_CLOSEUP; as on the platform, the edit still shows the old text while
// CBN_SELCHANGE is handled (getLBText(getCurSel()) has the new one). setCurSel by program sends
// nothing. Typing into the edit sends CBN_EDITCHANGE. findStringExact is case-insensitive, as on
// the platform. Per-item check marks are kept for check-combos (owner-drawn helpers of the core).

#include "platform/ui/Window.h"
#include "platform/ui/controls/ItemList.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class Edit;

class ComboBox : public Window {
public:
    static constexpr int kEditId = 1001;
    static constexpr int kClosedHeight = 21; // the box without its list

    int addString(std::wstring_view text);
    int insertString(int index, std::wstring_view text);
    int deleteString(int index);
    void resetContent();
    int getCount() const { return m_list.count(); }
    int getCurSel() const { return m_list.cur; }
    int setCurSel(int index); // CB_ERR when out of range (selection cleared)
    std::wstring getLBText(int index) const;
    int getLBTextLen(int index) const;
    int findString(int startAfter, std::wstring_view prefix) const;
    int findStringExact(int startAfter, std::wstring_view text) const;
    int selectString(int startAfter, std::wstring_view prefix);
    std::intptr_t getItemData(int index) const;
    int setItemData(int index, std::intptr_t data);
    bool getItemCheck(int index) const;
    bool setItemCheck(int index, bool check);
    void setDroppedHeight(int px) { m_dropHeight = px; }
    int droppedHeight() const { return m_dropHeight; }
    bool isEditable() const { return (style() & CBS_TYPEMASK) != CBS_DROPDOWNLIST; }
    Edit* edit() const; // inner edit (editable combos), else null

    std::wstring getWindowText() const override;
    void setWindowText(std::wstring_view text) override;

    // A user picks item `index` from the list (notifications as described above).
    void userSelect(int index);

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;
    void onCreate() override;
    void onPaint(Canvas& canvas) override;
    void adoptState(Window& from) override;
    void onSize(unsigned type, int cx, int cy) override;
    bool onCommand(int id, int code, Window* from) override;
    void onKeyDown(int vk, unsigned repeat) override;
    void onSetFocus(Window* old) override;

private:
    ItemList m_list;
    int m_dropHeight = 0;
    bool m_internalEdit = false; // the combo itself is changing its edit's text
};

} // namespace ui
