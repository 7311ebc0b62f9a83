#include "platform/ui/controls/ListView.h"

#include "platform/ui/Application.h"

namespace ui {

int ListView::insertColumn(int index, std::wstring_view heading, int width) {
    if (index < 0 || index > getColumnCount())
        index = getColumnCount();
    m_columns.insert(m_columns.begin() + index, Column{std::wstring(heading), width});
    invalidate();
    return index;
}

bool ListView::deleteColumn(int index) {
    if (index < 0 || index >= getColumnCount())
        return false;
    m_columns.erase(m_columns.begin() + index);
    invalidate();
    return true;
}

int ListView::insertItem(int index, std::wstring_view text, int image) {
    if (index < 0 || index > getItemCount())
        index = getItemCount();
    Item it;
    it.texts.push_back(std::wstring(text));
    it.image = image;
    m_items.insert(m_items.begin() + index, std::move(it));
    invalidate();
    return index;
}

bool ListView::setItemText(int item, int subItem, std::wstring_view text) {
    if (item < 0 || item >= getItemCount() || subItem < 0)
        return false;
    auto& texts = m_items[static_cast<size_t>(item)].texts;
    if (static_cast<int>(texts.size()) <= subItem)
        texts.resize(static_cast<size_t>(subItem) + 1);
    texts[static_cast<size_t>(subItem)] = text;
    invalidate();
    return true;
}

std::wstring ListView::getItemText(int item, int subItem) const {
    if (item < 0 || item >= getItemCount() || subItem < 0)
        return {};
    const auto& texts = m_items[static_cast<size_t>(item)].texts;
    return subItem < static_cast<int>(texts.size()) ? texts[static_cast<size_t>(subItem)]
                                                    : std::wstring();
}

bool ListView::deleteItem(int index) {
    if (index < 0 || index >= getItemCount())
        return false;
    m_items.erase(m_items.begin() + index);
    invalidate();
    return true;
}

bool ListView::deleteAllItems() {
    m_items.clear();
    invalidate();
    return true;
}

void ListView::sendItemNotify(int code, int item, unsigned oldState, unsigned newState,
                              bool checkChanged) {
    NotifyListView nm;
    nm.hdr.code = code;
    nm.item = item;
    nm.oldState = oldState;
    nm.newState = newState;
    nm.checkChanged = checkChanged;
    notifyParentEx(nm.hdr);
}

void ListView::changeState(int item, unsigned newState, bool notify) {
    unsigned old = m_items[static_cast<size_t>(item)].state;
    if (old == newState)
        return;
    m_items[static_cast<size_t>(item)].state = newState;
    invalidate();
    if (notify)
        sendItemNotify(LVN_ITEMCHANGED, item, old, newState, false);
}

bool ListView::setItemState(int item, unsigned state, unsigned mask) {
    if (item == -1) {
        WindowRef<ListView> self(this);
        for (int i = 0; i < getItemCount() && self; ++i)
            changeState(i, (m_items[static_cast<size_t>(i)].state & ~mask) | (state & mask), true);
        return true;
    }
    if (item < 0 || item >= getItemCount())
        return false;
    if ((state & mask & LVIS_SELECTED) && (style() & LVS_SINGLESEL)) {
        WindowRef<ListView> self(this);
        for (int i = 0; i < getItemCount() && self; ++i)
            if (i != item && (m_items[static_cast<size_t>(i)].state & LVIS_SELECTED))
                changeState(i, m_items[static_cast<size_t>(i)].state & ~LVIS_SELECTED, true);
        if (!self)
            return true;
    }
    changeState(item, (m_items[static_cast<size_t>(item)].state & ~mask) | (state & mask), true);
    return true;
}

unsigned ListView::getItemState(int item, unsigned mask) const {
    return item >= 0 && item < getItemCount() ? m_items[static_cast<size_t>(item)].state & mask : 0;
}

int ListView::getNextItem(int start, unsigned flags) const {
    for (int i = start + 1; i < getItemCount(); ++i)
        if (!(flags & LVNI_SELECTED) || (m_items[static_cast<size_t>(i)].state & LVIS_SELECTED))
            return i;
    return -1;
}

int ListView::getSelectedCount() const {
    int n = 0;
    for (const auto& it : m_items)
        n += (it.state & LVIS_SELECTED) ? 1 : 0;
    return n;
}

int ListView::getSelectionMark() const {
    return getNextItem(-1, LVNI_SELECTED);
}

bool ListView::getCheck(int item) const {
    return item >= 0 && item < getItemCount() && m_items[static_cast<size_t>(item)].checked;
}

bool ListView::setCheck(int item, bool check) {
    if (item < 0 || item >= getItemCount())
        return false;
    if (m_items[static_cast<size_t>(item)].checked == check)
        return true;
    m_items[static_cast<size_t>(item)].checked = check;
    invalidate();
    unsigned st = m_items[static_cast<size_t>(item)].state;
    sendItemNotify(LVN_ITEMCHANGED, item, st, st, true);
    return true;
}

std::intptr_t ListView::getItemData(int item) const {
    return item >= 0 && item < getItemCount() ? m_items[static_cast<size_t>(item)].data : 0;
}

bool ListView::setItemData(int item, std::intptr_t data) {
    if (item < 0 || item >= getItemCount())
        return false;
    m_items[static_cast<size_t>(item)].data = data;
    return true;
}

int ListView::getItemImage(int item) const {
    return item >= 0 && item < getItemCount() ? m_items[static_cast<size_t>(item)].image : -1;
}

int ListView::addImage(const Image& image) {
    m_images.push_back(image);
    return static_cast<int>(m_images.size()) - 1;
}

const Image* ListView::image(int index) const {
    return index >= 0 && index < static_cast<int>(m_images.size())
               ? &m_images[static_cast<size_t>(index)]
               : nullptr;
}

void ListView::userSelect(int index, unsigned modifiers) {
    WindowRef<ListView> self(this);
    bool multi = !(style() & LVS_SINGLESEL);
    if (index < 0) {
        setItemState(-1, 0, LVIS_SELECTED);
    } else if (multi && (modifiers & kModCtrl)) {
        setItemState(index, getItemState(index, LVIS_SELECTED) ^ LVIS_SELECTED, LVIS_SELECTED);
    } else {
        for (int i = 0; i < getItemCount() && self; ++i)
            if (i != index &&
                (m_items[static_cast<size_t>(i)].state & (LVIS_SELECTED | LVIS_FOCUSED)))
                changeState(i,
                            m_items[static_cast<size_t>(i)].state & ~(LVIS_SELECTED | LVIS_FOCUSED),
                            true);
        if (self)
            setItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    if (!self)
        return;
    NotifyListView nm;
    nm.hdr.code = NM_CLICK;
    nm.item = index;
    notifyParentEx(nm.hdr);
}

void ListView::userDoubleClick(int index) {
    WindowRef<ListView> self(this);
    userSelect(index);
    if (!self)
        return;
    NotifyListView nm;
    nm.hdr.code = NM_DBLCLK;
    nm.item = index;
    notifyParentEx(nm.hdr);
}

void ListView::userToggleCheck(int index) {
    if ((m_exStyle & LVS_EX_CHECKBOXES) == 0 || index < 0 || index >= getItemCount())
        return;
    setCheck(index, !getCheck(index));
}

int ListView::itemAt(Point p) const {
    if (isReport()) {
        int row = (p.y - kRowHeight) / kRowHeight;
        return p.y >= kRowHeight && row < getItemCount() ? row : -1;
    }
    int w = getClientRect().width();
    int perRow = std::max(1, w / kIconCell);
    int i = (p.y / kIconCell) * perRow + p.x / kIconCell;
    return p.x / kIconCell < perRow && i < getItemCount() ? i : -1;
}

void ListView::onMouseDown(MouseButton b, unsigned flags, Point p) {
    WindowRef<ListView> self(this);
    setFocus();
    if (!self)
        return;
    if (isReport() && p.y < kRowHeight) {
        int x = 0;
        for (int c = 0; c < getColumnCount(); ++c) {
            x += m_columns[static_cast<size_t>(c)].width;
            if (p.x < x) {
                NotifyListView nm;
                nm.hdr.code = LVN_COLUMNCLICK;
                nm.subItem = c;
                notifyParentEx(nm.hdr);
                return;
            }
        }
        return;
    }
    int i = itemAt(p);
    if (b == MouseButton::Right) {
        NotifyListView nm;
        nm.hdr.code = NM_RCLICK;
        nm.item = i;
        notifyParentEx(nm.hdr);
        return;
    }
    if (i >= 0 && (m_exStyle & LVS_EX_CHECKBOXES) && isReport() && p.x < 16) {
        userToggleCheck(i);
        return;
    }
    userSelect(i, ((flags & MK_CONTROL) ? kModCtrl : 0) | ((flags & MK_SHIFT) ? kModShift : 0));
}

void ListView::onDoubleClick(MouseButton b, unsigned, Point p) {
    if (b != MouseButton::Left)
        return;
    NotifyListView nm;
    nm.hdr.code = NM_DBLCLK;
    nm.item = itemAt(p);
    notifyParentEx(nm.hdr);
}

void ListView::onKeyDown(int vk, unsigned) {
    int cur = getSelectionMark();
    if (vk == VK_DOWN && cur + 1 < getItemCount())
        userSelect(cur + 1);
    else if (vk == VK_UP && cur > 0)
        userSelect(cur - 1);
    else if (vk == VK_SPACE && cur >= 0)
        userToggleCheck(cur);
}

LRESULT ListView::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    LRESULT r = 0;
    if (onMessage(msg, w, l, r))
        return r;
    switch (msg) {
    case LVM_GETITEMCOUNT:
        return getItemCount();
    case LVM_DELETEALLITEMS:
        return deleteAllItems() ? 1 : 0;
    case LVM_GETNEXTITEM:
        return getNextItem(static_cast<int>(static_cast<std::intptr_t>(w)),
                           static_cast<unsigned>(l));
    default:
        return defWindowProc(msg, w, l);
    }
}

void ListView::adoptState(Window& from) {
    Window::adoptState(from);
    if (auto* v = dynamic_cast<ListView*>(&from)) {
        m_columns = v->m_columns;
        m_items = v->m_items;
        m_images = v->m_images;
        m_exStyle = v->m_exStyle;
    }
}

} // namespace ui
