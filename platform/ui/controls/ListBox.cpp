#include "platform/ui/controls/ListBox.h"

#include "platform/ui/Application.h"
#include "platform/ui/PaintHelpers.h"
#include "platform/ui/draw/Theme.h"

namespace ui {

int ListBox::addString(std::wstring_view text) {
    const int index = m_list.add(text, (style() & LBS_SORT) != 0);
    invalidate();
    return index;
}

int ListBox::insertString(int index, std::wstring_view text) {
    index = m_list.insert(index, text);
    invalidate();
    return index;
}

int ListBox::deleteString(int index) {
    const int remaining = m_list.erase(index);
    if (remaining < 0)
        return LB_ERR;
    invalidate();
    return remaining;
}

void ListBox::resetContent() {
    m_list.clear();
    m_top = 0;
    invalidate();
}

int ListBox::getCurSel() const {
    if (isMultiSel())
        return m_list.cur;
    return m_list.cur >= 0 && m_list.cur < getCount() &&
                   m_list.items[static_cast<size_t>(m_list.cur)].selected
               ? m_list.cur
               : LB_ERR;
}

int ListBox::setCurSel(int index) {
    for (auto& it : m_list.items)
        it.selected = false;
    if (index < 0 || index >= getCount()) {
        m_list.cur = -1;
        invalidate();
        return LB_ERR;
    }
    m_list.cur = index;
    m_list.items[static_cast<size_t>(index)].selected = true;
    invalidate();
    return index;
}

bool ListBox::getSel(int index) const {
    return index >= 0 && index < getCount() && m_list.items[static_cast<size_t>(index)].selected;
}

int ListBox::setSel(int index, bool select) {
    if (!isMultiSel())
        return LB_ERR;
    if (index == -1) {
        for (auto& it : m_list.items)
            it.selected = select;
    } else if (index >= 0 && index < getCount()) {
        m_list.items[static_cast<size_t>(index)].selected = select;
    } else {
        return LB_ERR;
    }
    invalidate();
    return 0;
}

int ListBox::getSelCount() const {
    int n = 0;
    for (const auto& it : m_list.items)
        n += it.selected ? 1 : 0;
    return n;
}

std::vector<int> ListBox::getSelItems() const {
    std::vector<int> out;
    for (int i = 0; i < getCount(); ++i)
        if (m_list.items[static_cast<size_t>(i)].selected)
            out.push_back(i);
    return out;
}

std::wstring ListBox::getText(int index) const {
    return index >= 0 && index < getCount() ? m_list.items[static_cast<size_t>(index)].text
                                            : std::wstring();
}

int ListBox::getTextLen(int index) const {
    return index >= 0 && index < getCount()
               ? static_cast<int>(m_list.items[static_cast<size_t>(index)].text.size())
               : LB_ERR;
}

int ListBox::findString(int startAfter, std::wstring_view prefix) const {
    return m_list.findPrefix(startAfter, prefix);
}

int ListBox::findStringExact(int startAfter, std::wstring_view text) const {
    return m_list.findExact(startAfter, text);
}

std::intptr_t ListBox::getItemData(int index) const {
    return index >= 0 && index < getCount() ? m_list.items[static_cast<size_t>(index)].data
                                            : LB_ERR;
}

int ListBox::setItemData(int index, std::intptr_t data) {
    if (index < 0 || index >= getCount())
        return LB_ERR;
    m_list.items[static_cast<size_t>(index)].data = data;
    return 0;
}

void ListBox::userSelect(int index, unsigned modifiers) {
    if (index < -1 || index >= getCount())
        return;
    if (isMultiSel() && index >= 0) {
        bool ctrl = (modifiers & kModCtrl) || (style() & LBS_MULTIPLESEL);
        if (ctrl) {
            m_list.items[static_cast<size_t>(index)].selected =
                !m_list.items[static_cast<size_t>(index)].selected;
        } else if ((modifiers & kModShift) && m_list.cur >= 0) {
            for (auto& it : m_list.items)
                it.selected = false;
            for (int i = std::min(m_list.cur, index); i <= std::max(m_list.cur, index); ++i)
                m_list.items[static_cast<size_t>(i)].selected = true;
        } else {
            for (auto& it : m_list.items)
                it.selected = false;
            m_list.items[static_cast<size_t>(index)].selected = true;
        }
        m_list.cur = index;
        invalidate();
        notifyParent(LBN_SELCHANGE);
        return;
    }
    if (index == getCurSel())
        return;
    setCurSel(index);
    notifyParent(LBN_SELCHANGE);
}

int ListBox::itemAt(Point p) const {
    int h = listItemHeight(ListBoxState{}, paint::toFont(font()));
    int i = m_top + p.y / std::max(1, h);
    return i >= 0 && i < getCount() ? i : -1;
}

void ListBox::onMouseDown(MouseButton b, unsigned flags, Point p) {
    WindowRef<ListBox> self(this);
    setFocus();
    if (!self || b != MouseButton::Left)
        return;
    int i = itemAt(p);
    if (i >= 0)
        userSelect(i, ((flags & MK_CONTROL) ? kModCtrl : 0) | ((flags & MK_SHIFT) ? kModShift : 0));
}

void ListBox::onDoubleClick(MouseButton b, unsigned, Point p) {
    if (b == MouseButton::Left && itemAt(p) >= 0)
        notifyParent(LBN_DBLCLK);
}

void ListBox::onKeyDown(int vk, unsigned) {
    int next = m_list.cur;
    if (vk == VK_DOWN)
        next = std::min(getCount() - 1, m_list.cur + 1);
    else if (vk == VK_UP)
        next = std::max(0, m_list.cur - 1);
    else if (vk == VK_HOME)
        next = getCount() > 0 ? 0 : -1;
    else if (vk == VK_END)
        next = getCount() - 1;
    if (next != m_list.cur && next >= 0)
        userSelect(next);
}

LRESULT ListBox::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    LRESULT r = 0;
    if (onMessage(msg, w, l, r))
        return r;
    auto str = [l]() {
        return l ? std::wstring_view(reinterpret_cast<const wchar_t*>(l)) : std::wstring_view();
    };
    int iw = static_cast<int>(static_cast<std::intptr_t>(w));
    switch (msg) {
    case LB_ADDSTRING:
        return addString(str());
    case LB_INSERTSTRING:
        return insertString(iw, str());
    case LB_DELETESTRING:
        return deleteString(iw);
    case LB_RESETCONTENT:
        resetContent();
        return 0;
    case LB_GETCOUNT:
        return getCount();
    case LB_GETCURSEL:
        return getCurSel();
    case LB_SETCURSEL:
        return setCurSel(iw);
    case LB_GETSEL:
        return getSel(iw) ? 1 : 0;
    case LB_SETSEL:
        return setSel(static_cast<int>(l), w != 0);
    case LB_GETSELCOUNT:
        return isMultiSel() ? getSelCount() : LB_ERR;
    case LB_GETTEXT:
        if (l)
            *reinterpret_cast<std::wstring*>(l) = getText(iw);
        return getTextLen(iw);
    case LB_GETTEXTLEN:
        return getTextLen(iw);
    case LB_FINDSTRING:
        return findString(iw, str());
    case LB_FINDSTRINGEXACT:
        return findStringExact(iw, str());
    case LB_SELECTSTRING: {
        int i = findString(iw, str());
        return i == LB_ERR ? LB_ERR : setCurSel(i);
    }
    case LB_GETITEMDATA:
        return getItemData(iw);
    case LB_SETITEMDATA:
        return setItemData(iw, l);
    default:
        return defWindowProc(msg, w, l);
    }
}

void ListBox::adoptState(Window& from) {
    Window::adoptState(from);
    if (auto* b = dynamic_cast<ListBox*>(&from)) {
        m_list.items = b->m_list.items;
        m_list.cur = b->m_list.cur;
        m_top = b->m_top;
    }
}

} // namespace ui
