#pragma once
// "SysListView32": report view (columns with sub-item texts) or icon view (items with an
// image from the image list). Item state LVIS_SELECTED / LVIS_FOCUSED, check boxes with
// LVS_EX_CHECKBOXES, item data. Notifications through WM_NOTIFY: LVN_ITEMCHANGED
// (NotifyListView with old and new state) for every state change a user makes, NM_CLICK,
// NM_DBLCLK, NM_RCLICK, LVN_COLUMNCLICK. Changes by program notify LVN_ITEMCHANGED too,
// as on the platform.

#include "platform/ui/Window.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

class ListView : public Window {
public:
    static constexpr int kRowHeight = 17;
    static constexpr int kIconCell = 90;

    int insertColumn(int index, std::wstring_view heading, int width);
    int getColumnCount() const { return static_cast<int>(m_columns.size()); }
    bool deleteColumn(int index);
    int insertItem(int index, std::wstring_view text, int image = -1);
    bool setItemText(int item, int subItem, std::wstring_view text);
    std::wstring getItemText(int item, int subItem) const;
    bool deleteItem(int index);
    bool deleteAllItems();
    int getItemCount() const { return static_cast<int>(m_items.size()); }
    bool setItemState(int item, unsigned state, unsigned mask); // -1 = all items
    unsigned getItemState(int item, unsigned mask) const;
    int getNextItem(int start, unsigned flags) const; // LVNI_SELECTED
    int getSelectedCount() const;
    int getSelectionMark() const; // first selected or -1
    bool getCheck(int item) const;
    bool setCheck(int item, bool check);
    std::intptr_t getItemData(int item) const;
    bool setItemData(int item, std::intptr_t data);
    int getItemImage(int item) const;
    void setExtendedStyle(unsigned ex) { m_exStyle = ex; }
    unsigned getExtendedStyle() const { return m_exStyle; }
    // Image list: pictures by index (icon view previews).
    int addImage(const Image& image);
    void clearImages() { m_images.clear(); }
    const Image* image(int index) const;

    // A user clicks item `index` (selects it, with Ctrl/Shift when multi-selection).
    void userSelect(int index, unsigned modifiers = 0);
    void userDoubleClick(int index);
    void userToggleCheck(int index);

    unsigned getDlgCode() const override { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

protected:
    LRESULT windowProc(unsigned msg, WPARAM w, LPARAM l) override;
    void onPaint(Canvas& canvas) override;
    void adoptState(Window& from) override;
    void onMouseDown(MouseButton b, unsigned flags, Point p) override;
    void onDoubleClick(MouseButton b, unsigned flags, Point p) override;
    void onKeyDown(int vk, unsigned repeat) override;

private:
    struct Column {
        std::wstring heading;
        int width = 80;
    };
    struct Item {
        std::vector<std::wstring> texts;
        int image = -1;
        unsigned state = 0;
        bool checked = false;
        std::intptr_t data = 0;
    };
    void changeState(int item, unsigned newState, bool notify);
    void sendItemNotify(int code, int item, unsigned oldState, unsigned newState,
                        bool checkChanged);
    int itemAt(Point p) const;
    bool isReport() const { return (style() & LVS_TYPEMASK) == LVS_REPORT; }
    std::vector<Column> m_columns;
    std::vector<Item> m_items;
    std::vector<Image> m_images;
    unsigned m_exStyle = 0;
};

} // namespace ui
