#include "platform/ui/controls/ComboBox.h"

#include "platform/ui/Application.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/draw/Theme.h"

namespace ui {

Edit* ComboBox::edit() const {
    return dynamic_cast<Edit*>(getDlgItem(kEditId));
}

void ComboBox::onCreate() {
    if (!isEditable() || edit())
        return;
    Rect c = getClientRect();
    Window::createChild(L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                        comboEditRect(Rect{0, 0, c.width(), std::min(c.height(), kClosedHeight)}),
                        this, kEditId);
}

void ComboBox::onSize(unsigned, int cx, int cy) {
    if (Edit* e = edit())
        e->moveWindow(comboEditRect(Rect{0, 0, cx, std::min(cy, kClosedHeight)}), false);
}

int ComboBox::addString(std::wstring_view text) {
    const int index = m_list.add(text, (style() & CBS_SORT) != 0);
    invalidate();
    return index;
}

int ComboBox::insertString(int index, std::wstring_view text) {
    index = m_list.insert(index, text);
    invalidate();
    return index;
}

int ComboBox::deleteString(int index) {
    const int remaining = m_list.erase(index);
    if (remaining < 0)
        return CB_ERR;
    invalidate();
    return remaining;
}

void ComboBox::resetContent() {
    m_list.clear();
    if (Edit* e = edit()) {
        m_internalEdit = true;
        e->setWindowText(L"");
        m_internalEdit = false;
    }
    invalidate();
}

int ComboBox::setCurSel(int index) {
    if (index < 0 || index >= getCount()) {
        m_list.cur = -1;
        invalidate();
        return CB_ERR;
    }
    m_list.cur = index;
    if (Edit* e = edit()) {
        m_internalEdit = true;
        e->setWindowText(m_list.items[static_cast<size_t>(index)].text);
        m_internalEdit = false;
    }
    invalidate();
    return index;
}

std::wstring ComboBox::getLBText(int index) const {
    return index >= 0 && index < getCount() ? m_list.items[static_cast<size_t>(index)].text
                                            : std::wstring();
}

int ComboBox::getLBTextLen(int index) const {
    return index >= 0 && index < getCount()
               ? static_cast<int>(m_list.items[static_cast<size_t>(index)].text.size())
               : CB_ERR;
}

int ComboBox::findString(int startAfter, std::wstring_view prefix) const {
    return m_list.findPrefix(startAfter, prefix);
}

int ComboBox::findStringExact(int startAfter, std::wstring_view text) const {
    return m_list.findExact(startAfter, text);
}

int ComboBox::selectString(int startAfter, std::wstring_view prefix) {
    int i = findString(startAfter, prefix);
    return i == CB_ERR ? CB_ERR : setCurSel(i);
}

std::intptr_t ComboBox::getItemData(int index) const {
    return index >= 0 && index < getCount() ? m_list.items[static_cast<size_t>(index)].data
                                            : CB_ERR;
}

int ComboBox::setItemData(int index, std::intptr_t data) {
    if (index < 0 || index >= getCount())
        return CB_ERR;
    m_list.items[static_cast<size_t>(index)].data = data;
    return 0;
}

bool ComboBox::getItemCheck(int index) const {
    return index >= 0 && index < getCount() && m_list.items[static_cast<size_t>(index)].checked;
}

bool ComboBox::setItemCheck(int index, bool check) {
    if (index < 0 || index >= getCount())
        return false;
    m_list.items[static_cast<size_t>(index)].checked = check;
    invalidate();
    return true;
}

std::wstring ComboBox::getWindowText() const {
    if (Edit* e = edit())
        return e->getWindowText();
    return getLBText(m_list.cur);
}

void ComboBox::setWindowText(std::wstring_view text) {
    if (Edit* e = edit()) {
        m_internalEdit = true;
        e->setWindowText(text);
        m_internalEdit = false;
        return;
    }
    int i = findStringExact(-1, text);
    if (i != CB_ERR)
        setCurSel(i);
}

void ComboBox::userSelect(int index) {
    if (index < -1 || index >= getCount())
        return;
    WindowRef<ComboBox> self(this);
    bool changed = index != m_list.cur;
    m_list.cur = index;
    invalidate();
    notifyParent(CBN_DROPDOWN);
    if (self && changed)
        notifyParent(CBN_SELCHANGE);
    if (!self)
        return;
    if (Edit* e = edit(); e && index >= 0) {
        m_internalEdit = true;
        e->setWindowText(m_list.items[static_cast<size_t>(index)].text);
        e->setSel(0, -1);
        m_internalEdit = false;
    }
    notifyParent(CBN_SELENDOK);
    if (self)
        notifyParent(CBN_CLOSEUP);
}

bool ComboBox::onCommand(int id, int code, Window* from) {
    if (id != kEditId || from != edit())
        return false;
    WindowRef<ComboBox> self(this);
    if (code == EN_CHANGE && !m_internalEdit) {
        // Typing makes the list selection follow an exact match, as a user sees it.
        m_list.cur = findStringExact(-1, edit()->getWindowText());
        notifyParent(CBN_EDITUPDATE);
        if (self)
            notifyParent(CBN_EDITCHANGE);
    } else if (code == EN_SETFOCUS) {
        notifyParent(CBN_SETFOCUS);
    } else if (code == EN_KILLFOCUS) {
        notifyParent(CBN_KILLFOCUS);
    }
    return true;
}

void ComboBox::onSetFocus(Window*) {
    if (Edit* e = edit()) {
        e->setFocus();
        return;
    }
    notifyParent(CBN_SETFOCUS);
}

void ComboBox::onKeyDown(int vk, unsigned) {
    int next = m_list.cur;
    if (vk == VK_DOWN)
        next = std::min(getCount() - 1, m_list.cur + 1);
    else if (vk == VK_UP)
        next = std::max(0, m_list.cur - 1);
    if (next != m_list.cur && next >= 0) {
        m_list.cur = next;
        invalidate();
        notifyParent(CBN_SELCHANGE);
    }
}

LRESULT ComboBox::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    LRESULT r = 0;
    if (onMessage(msg, w, l, r))
        return r;
    auto str = [l]() {
        return l ? std::wstring_view(reinterpret_cast<const wchar_t*>(l)) : std::wstring_view();
    };
    int iw = static_cast<int>(static_cast<std::intptr_t>(w));
    switch (msg) {
    case CB_ADDSTRING:
        return addString(str());
    case CB_INSERTSTRING:
        return insertString(iw, str());
    case CB_DELETESTRING:
        return deleteString(iw);
    case CB_RESETCONTENT:
        resetContent();
        return 0;
    case CB_GETCOUNT:
        return getCount();
    case CB_GETCURSEL:
        return getCurSel();
    case CB_SETCURSEL:
        return setCurSel(iw);
    case CB_GETLBTEXT:
        if (l)
            *reinterpret_cast<std::wstring*>(l) = getLBText(iw);
        return getLBTextLen(iw);
    case CB_GETLBTEXTLEN:
        return getLBTextLen(iw);
    case CB_FINDSTRING:
        return findString(iw, str());
    case CB_FINDSTRINGEXACT:
        return findStringExact(iw, str());
    case CB_SELECTSTRING:
        return selectString(iw, str());
    case CB_GETITEMDATA:
        return getItemData(iw);
    case CB_SETITEMDATA:
        return setItemData(iw, l);
    case CB_GETDROPPEDSTATE:
        return 0;
    case CB_SHOWDROPDOWN:
        return 1;
    case CB_LIMITTEXT:
        if (Edit* e = edit())
            e->setLimitText(iw);
        return 1;
    case CB_GETEDITSEL:
        if (Edit* e = edit())
            return e->sendMessage(EM_GETSEL, w, l);
        return CB_ERR;
    case CB_SETEDITSEL:
        if (Edit* e = edit()) {
            e->setSel(xFromLParam(l), yFromLParam(l));
            return 1;
        }
        return CB_ERR;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    default:
        return defWindowProc(msg, w, l);
    }
}

void ComboBox::adoptState(Window& from) {
    Window::adoptState(from);
    if (auto* c = dynamic_cast<ComboBox*>(&from)) {
        m_list.items = c->m_list.items;
        m_list.cur = c->m_list.cur;
        m_dropHeight = c->m_dropHeight;
    }
}

} // namespace ui
