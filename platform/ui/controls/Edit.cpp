#include "platform/ui/controls/Edit.h"

#include "platform/ui/Application.h"

#include <algorithm>
#include <cwctype>

namespace ui {

namespace {
int len(const std::wstring& s) {
    return static_cast<int>(s.size());
}
} // namespace

unsigned Edit::getDlgCode() const {
    unsigned code = DLGC_HASSETSEL | DLGC_WANTCHARS | DLGC_WANTARROWS;
    if (isMultiLine() && (style() & ES_WANTRETURN))
        code |= DLGC_WANTALLKEYS;
    return code;
}

void Edit::setWindowText(std::wstring_view text) {
    std::wstring t(text);
    if (len(t) > m_limit && m_limit > 0)
        t.resize(static_cast<size_t>(m_limit));
    Window::setWindowText(t);
    m_selStart = m_selEnd = m_anchor = 0;
    changed();
}

void Edit::setSel(int start, int end) {
    int n = getWindowTextLength();
    if (start == -1) {
        m_selStart = m_selEnd = m_anchor = std::min(m_selEnd, n);
        invalidate();
        return;
    }
    if (end < 0 || end > n)
        end = n;
    start = std::clamp(start, 0, n);
    m_anchor = start;
    m_selStart = std::min(start, end);
    m_selEnd = std::max(start, end);
    invalidate();
}

void Edit::replaceSel(std::wstring_view text) {
    std::wstring t = getWindowText();
    std::wstring ins(text);
    int room = m_limit - (len(t) - (m_selEnd - m_selStart));
    if (room < len(ins)) {
        ins.resize(static_cast<size_t>(std::max(0, room)));
        if (ins.empty() && !text.empty()) {
            notifyParent(EN_MAXTEXT);
            return;
        }
    }
    t.replace(static_cast<size_t>(m_selStart), static_cast<size_t>(m_selEnd - m_selStart), ins);
    Window::setWindowText(t);
    m_selStart = m_selEnd = m_anchor = m_selStart + len(ins);
    changed();
}

void Edit::setReadOnly(bool readOnly) {
    modifyStyle(ES_READONLY, readOnly ? ES_READONLY : 0);
}

int Edit::getLineCount() const {
    std::wstring t = getWindowText();
    return 1 + static_cast<int>(std::count(t.begin(), t.end(), L'\n'));
}

std::wstring Edit::getLine(int line) const {
    std::wstring t = getWindowText();
    size_t pos = 0;
    for (int i = 0; i < line; ++i) {
        pos = t.find(L'\n', pos);
        if (pos == std::wstring::npos)
            return {};
        ++pos;
    }
    size_t end = t.find(L'\n', pos);
    std::wstring out = t.substr(pos, end == std::wstring::npos ? std::wstring::npos : end - pos);
    if (!out.empty() && out.back() == L'\r')
        out.pop_back();
    return out;
}

void Edit::changed() {
    invalidate();
    notifyParent(EN_CHANGE);
}

LRESULT Edit::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    LRESULT r = 0;
    if (onMessage(msg, w, l, r))
        return r;
    switch (msg) {
    case EM_GETSEL:
        if (w)
            *reinterpret_cast<int*>(w) = m_selStart;
        if (l)
            *reinterpret_cast<int*>(l) = m_selEnd;
        return static_cast<LRESULT>(makeLParam(m_selStart, m_selEnd)) & 0xffffffff;
    case EM_SETSEL:
        setSel(static_cast<int>(static_cast<std::intptr_t>(w)), static_cast<int>(l));
        return 0;
    case EM_REPLACESEL:
        replaceSel(l ? reinterpret_cast<const wchar_t*>(l) : L"");
        return 0;
    case EM_LIMITTEXT:
        setLimitText(static_cast<int>(w));
        return 0;
    case EM_GETLIMITTEXT:
        return m_limit;
    case EM_SETREADONLY:
        setReadOnly(w != 0);
        return 1;
    case EM_GETLINECOUNT:
        return getLineCount();
    case EM_GETLINE:
        if (l)
            *reinterpret_cast<std::wstring*>(l) = getLine(static_cast<int>(w));
        return static_cast<LRESULT>(getLine(static_cast<int>(w)).size());
    case EM_LINELENGTH:
        return static_cast<LRESULT>(getLine(static_cast<int>(w)).size());
    default:
        return defWindowProc(msg, w, l);
    }
}

void Edit::adoptState(Window& from) {
    Window::adoptState(from);
    if (auto* e = dynamic_cast<Edit*>(&from)) {
        m_selStart = e->m_selStart;
        m_selEnd = e->m_selEnd;
        m_anchor = e->m_anchor;
        m_limit = e->m_limit;
    }
}

void Edit::onChar(wchar_t ch, unsigned) {
    if (isReadOnly())
        return;
    if (ch == 8) {
        if (m_selStart == m_selEnd && m_selStart > 0) {
            --m_selStart;
            std::wstring t = getWindowText();
            if (m_selStart > 0 && t[static_cast<size_t>(m_selStart)] == L'\n' &&
                t[static_cast<size_t>(m_selStart - 1)] == L'\r')
                --m_selStart;
        }
        if (m_selStart != m_selEnd)
            replaceSel(L"");
        return;
    }
    if (ch == L'\r') {
        if (isMultiLine())
            replaceSel(L"\r\n");
        return;
    }
    if (ch < 32)
        return;
    if ((style() & ES_NUMBER) && !(ch >= L'0' && ch <= L'9'))
        return;
    if (style() & ES_UPPERCASE)
        ch = static_cast<wchar_t>(std::towupper(ch));
    else if (style() & ES_LOWERCASE)
        ch = static_cast<wchar_t>(std::towlower(ch));
    replaceSel(std::wstring(1, ch));
}

void Edit::onKeyDown(int vk, unsigned) {
    int n = getWindowTextLength();
    bool shift = app().keyState(VK_SHIFT) < 0;
    int caret = m_selStart == m_anchor ? m_selEnd : m_selStart;
    int target = caret;
    switch (vk) {
    case VK_LEFT:
        target = std::max(0, caret - 1);
        break;
    case VK_RIGHT:
        target = std::min(n, caret + 1);
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = n;
        break;
    case VK_DELETE:
        if (isReadOnly())
            return;
        if (m_selStart == m_selEnd && m_selEnd < n)
            ++m_selEnd;
        if (m_selStart != m_selEnd)
            replaceSel(L"");
        return;
    default:
        return;
    }
    if (shift) {
        m_selStart = std::min(m_anchor, target);
        m_selEnd = std::max(m_anchor, target);
    } else {
        m_selStart = m_selEnd = m_anchor = target;
    }
    invalidate();
}

void Edit::onSetFocus(Window*) {
    invalidate();
    notifyParent(EN_SETFOCUS);
}

void Edit::onKillFocus(Window*) {
    invalidate();
    notifyParent(EN_KILLFOCUS);
}

void Edit::onMouseDown(MouseButton, unsigned, Point) {
    if (!hasFocus()) {
        int n = getWindowTextLength();
        m_selStart = m_selEnd = m_anchor = n;
        setFocus();
    }
}

} // namespace ui
