#include "platform/ui/Dialog.h"

#include "platform/ui/Application.h"
#include "platform/ui/Driver.h"
#include "platform/ui/Transcript.h"
#include "platform/ui/WindowClassRegistry.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"

#include <algorithm>
#include <cwctype>

namespace ui {

namespace {

std::wstring lower(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out)
        c = static_cast<wchar_t>(std::towlower(c));
    return out;
}

// Controls that rc-style templates make tab stops unless told otherwise.
bool takesTabStopByDefault(const ControlTemplate& ct) {
    std::wstring c = lower(ct.className);
    if (c == L"edit" || c == L"combobox" || c == L"listbox" || c == L"syslistview32" ||
        c == L"systabcontrol32" || c == L"richedit20w")
        return true;
    if (c == L"button") {
        unsigned kind = ct.style & BS_TYPEMASK;
        return kind != BS_GROUPBOX && kind != BS_RADIOBUTTON && kind != BS_AUTORADIOBUTTON;
    }
    return false;
}

std::string describe(const Dialog& d) {
    return "dialog " + std::to_string(d.templateId()) + " \"" + toUtf8(d.text()) + "\"";
}

} // namespace

Dialog::Dialog(int templateId, Window* parent) : m_parentArg(parent), m_templateId(templateId) {}

Dialog::Dialog(const DialogTemplate& tpl, Window* parent)
    : m_parentArg(parent), m_templateId(tpl.id), m_inlineTemplate(tpl) {}

Dialog::~Dialog() {
    if (m_loopResult)
        *m_loopResult = m_endRequested ? m_result : IDCANCEL;
    auto& stack = app().m_modal;
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    m_destroyFailAllowed = false;
    if (isWindow())
        destroyWindow();
}

const DialogTemplate* Dialog::dialogTemplate() const {
    if (m_inlineTemplate)
        return &*m_inlineTemplate;
    return app().resources().findDialog(m_templateId);
}

Rect Dialog::mapDialogRect(const Rect& dluRect) const {
    return ui::mapDialogRect(dluRect, font());
}

bool Dialog::buildFromTemplate(const DialogTemplate& tpl, Window* parent) {
    Application& a = app();
    unsigned style = tpl.style & ~WS_VISIBLE;
    setFont(tpl.font, false);
    Rect client = ui::mapDialogRect(tpl.rect, tpl.font);
    if (tpl.menuId)
        m_templateMenu = Menu::load(tpl.menuId);

    // Non-client size depends on the style (and menu); measure it on a bare window state.
    Window probe;
    probe.m_style = style;
    probe.m_exStyle = tpl.exStyle;
    probe.m_menu = m_templateMenu.get();
    Rect in = probe.nonClientInsets();
    int w = client.width() + in.left + in.right;
    int h = client.height() + in.top + in.bottom;
    Rect r;
    if (style & WS_CHILD) {
        r = Rect::fromSize(client.left, client.top, w, h);
    } else {
        Rect area = parent && parent->isWindow() && parent->isWindowVisible()
                        ? parent->getWindowRect()
                        : a.workArea();
        r = Rect::fromSize(area.left + (area.width() - w) / 2, area.top + (area.height() - h) / 2,
                           w, h);
    }
    m_menu = m_templateMenu.get();
    if (!Window::create(L"#32770", tpl.caption, style, r, parent,
                        (style & WS_CHILD) ? m_templateId : 0, tpl.exStyle))
        return false;
    for (const ControlTemplate& ct : tpl.controls) {
        unsigned cs = ct.style | WS_CHILD;
        if (!ct.hidden)
            cs |= WS_VISIBLE;
        if (!ct.noTabStop && takesTabStopByDefault(ct))
            cs |= WS_TABSTOP;
        Rect px = ui::mapDialogRect(ct.rect, tpl.font);
        std::wstring text = ct.text;
        Window* c = Window::createChild(ct.className, text, cs, ct.exStyle, px, this, ct.id);
        if (!c)
            continue;
        c->setFont(tpl.font, false);
        // "#129" on a picture static names a bitmap or icon resource.
        if (auto* s = dynamic_cast<Static*>(c); s && text.size() > 1 && text[0] == L'#') {
            int res = std::stoi(text.substr(1));
            unsigned kind = cs & SS_TYPEMASK;
            if (kind == SS_BITMAP)
                s->setBitmap(a.resources().loadBitmap(res));
            else if (kind == SS_ICON)
                s->setIconImage(a.resources().loadIcon(res));
            c->Window::setWindowText(L"");
        }
    }
    return true;
}

void Dialog::runInit() {
    WindowRef<Dialog> self(this);
    bool focusFirst = sendMessage(WM_INITDIALOG) != 0;
    if (!self || !isWindow() || m_endRequested)
        return;
    if (focusFirst) {
        if (Window* first = nextDlgTabItem(nullptr, false))
            gotoDlgCtrl(first);
    }
}

LRESULT Dialog::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    if (msg == WM_INITDIALOG) {
        LRESULT r = 0;
        if (onMessage(msg, w, l, r))
            return r;
        return onInitDialog() ? 1 : 0;
    }
    return Window::windowProc(msg, w, l);
}

int Dialog::doModal() {
    if (m_inModal)
        return -1;
    const DialogTemplate* tpl = dialogTemplate();
    if (!tpl) {
        app().reportFailure("dialog template " + std::to_string(m_templateId) + " not found");
        return -1;
    }
    Application& a = app();
    WindowRef<Dialog> self(this);
    int result = IDCANCEL;
    m_loopResult = &result;
    Window* owner =
        m_parentArg && m_parentArg->isWindow() ? m_parentArg->topLevel() : a.mainWindow();
    WindowRef<Window> ownerRef(owner);
    WindowRef<Window> previousFocus(a.focus());
    m_inModal = true;
    m_endRequested = false;
    m_result = IDCANCEL;
    m_shownOnce = false;
    if (!isWindow() && !buildFromTemplate(*tpl, owner)) {
        m_inModal = false;
        m_loopResult = nullptr;
        return -1;
    }
    bool ownerWasEnabled = owner && owner->isWindowEnabled();
    if (ownerWasEnabled)
        owner->enableWindow(false);
    a.m_modal.push_back(this);
    std::string name = describe(*this);
    a.transcript().add(name + " opened");

    runInit();
    if (self && isWindow() && !m_endRequested) {
        showWindow(SW_SHOW);
        m_shownOnce = true;
    }
    int steps = 0;
    while (self && isWindow() && !m_endRequested) {
        a.pumpMessages();
        if (!self || !isWindow() || m_endRequested)
            break;
        Driver* d = a.driver();
        if (++steps > a.maxModalSteps()) {
            a.reportFailure("unanswered modal " + describe(*this) + " (too many steps): cancelled");
            endDialog(IDCANCEL);
            break;
        }
        DriverStep step = d ? d->modalStep(*this) : DriverStep::Idle;
        if (!self || !isWindow() || m_endRequested)
            break;
        if (step == DriverStep::Idle) {
            std::string why = !d ? "no driver" : "nothing answers it";
            a.reportFailure("unanswered modal " + describe(*this) + " (" + why + "): cancelled");
            endDialog(IDCANCEL);
        }
    }

    auto& stack = a.m_modal;
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    if (ownerWasEnabled && ownerRef)
        ownerRef->enableWindow(true);
    // As when the owner is activated again: the control that had the focus gets it back.
    auto restoreFocus = [&] {
        Window* f = previousFocus.get();
        if (f && f->isWindow() && f->isWindowVisible() && f->isWindowEnabled() && !a.focus())
            a.setFocus(f);
    };
    if (!self) {
        restoreFocus();
        a.transcript().add(name + " deleted inside its modal loop");
        if (ownerRef)
            a.setForegroundWindow(ownerRef.get());
        return result;
    }
    result = m_endRequested ? m_result : IDCANCEL;
    m_loopResult = nullptr;
    m_inModal = false;
    if (isWindow())
        destroyWindow();
    if (ownerRef)
        a.setForegroundWindow(ownerRef.get());
    restoreFocus();
    a.transcript().add(name + " ended: " + std::to_string(result));
    return result;
}

void Dialog::endDialog(int result) {
    if (m_inModal) {
        if (m_endRequested)
            return; // the first result stands
        m_endRequested = true;
        m_result = result;
        if (isWindow() && isShown())
            showWindow(SW_HIDE);
        return;
    }
    m_result = result;
    if (isWindow())
        showWindow(SW_HIDE);
}

bool Dialog::create(int templateId, Window* parent) {
    if (isWindow())
        return false;
    if (templateId != m_templateId) {
        m_templateId = templateId;
        m_inlineTemplate.reset();
    }
    m_parentArg = parent;
    const DialogTemplate* tpl = dialogTemplate();
    if (!tpl) {
        app().reportFailure("dialog template " + std::to_string(templateId) + " not found");
        return false;
    }
    if (!buildFromTemplate(*tpl, parent))
        return false;
    WindowRef<Dialog> self(this);
    if (!(style() & WS_CHILD))
        app().transcript().add(describe(*this) + " created (modeless)");
    runInit();
    if (self && isWindow() && (tpl->style & WS_VISIBLE))
        showWindow(SW_SHOW);
    return self && isWindow();
}

// ---- Commands ----------------------------------------------------------------------------

void Dialog::onOK() {
    if (isChildWindow()) {
        if (Window* p = parent())
            if (Dialog* d = p->owningDialog())
                d->sendMessage(WM_COMMAND, makeWParam(IDOK, BN_CLICKED), 0);
        return;
    }
    endDialog(IDOK);
}

void Dialog::onCancel() {
    if (isChildWindow()) {
        if (Window* p = parent())
            if (Dialog* d = p->owningDialog())
                d->sendMessage(WM_COMMAND, makeWParam(IDCANCEL, BN_CLICKED), 0);
        return;
    }
    endDialog(IDCANCEL);
}

bool Dialog::onCommand(int id, int code, Window*) {
    if (code != BN_CLICKED)
        return false;
    if (id == IDOK) {
        onOK();
        return true;
    }
    if (id == IDCANCEL) {
        onCancel();
        return true;
    }
    return false;
}

void Dialog::onClose() {
    Window* cancel = findDescendant(IDCANCEL);
    sendMessage(WM_COMMAND, makeWParam(IDCANCEL, BN_CLICKED),
                cancel ? static_cast<LPARAM>(cancel->handle().value) : 0);
}

// ---- Dialog manager --------------------------------------------------------------------------

namespace {

bool isTabCandidate(Window* w) {
    return w->isShown() && w->isWindowEnabled() && (w->style() & WS_TABSTOP);
}

bool isControlParent(Window* w) {
    return dynamic_cast<Dialog*>(w) != nullptr || (w->exStyle() & WS_EX_CONTROLPARENT) != 0;
}

void collectTabItems(Window* root, std::vector<Window*>& out) {
    for (Window* c : root->children()) {
        if (!c->isShown() || !c->isWindowEnabled())
            continue;
        if (isControlParent(c)) {
            collectTabItems(c, out);
            continue;
        }
        if (isTabCandidate(c))
            out.push_back(c);
        // Controls with focusable children (tab control pages created as its children).
        if (!c->children().empty() && c->className() != L"ComboBox")
            collectTabItems(c, out);
    }
}

// The window that is (or contains) `w` among the direct-or-deeper items of the list.
Window* controlFor(Window* w, const std::vector<Window*>& items) {
    for (Window* p = w; p; p = p->parent())
        if (std::find(items.begin(), items.end(), p) != items.end())
            return p;
    return nullptr;
}

} // namespace

Window* Dialog::nextDlgTabItem(Window* from, bool previous) {
    std::vector<Window*> items;
    collectTabItems(this, items);
    if (items.empty())
        return nullptr;
    Window* cur = from ? controlFor(from, items) : nullptr;
    if (!cur)
        return previous ? items.back() : items.front();
    auto it = std::find(items.begin(), items.end(), cur);
    size_t i = static_cast<size_t>(it - items.begin());
    size_t n = items.size();
    return items[previous ? (i + n - 1) % n : (i + 1) % n];
}

Window* Dialog::nextDlgGroupItem(Window* from, bool previous) {
    if (!from || !from->parent())
        return nullptr;
    const auto& sib = from->parent()->children();
    auto it = std::find(sib.begin(), sib.end(), from);
    if (it == sib.end())
        return nullptr;
    size_t i = static_cast<size_t>(it - sib.begin());
    size_t start = i;
    while (start > 0 && !(sib[start]->style() & WS_GROUP))
        --start;
    size_t end = i + 1;
    while (end < sib.size() && !(sib[end]->style() & WS_GROUP))
        ++end;
    std::vector<Window*> group;
    for (size_t k = start; k < end; ++k)
        if (sib[k] == from || (sib[k]->isShown() && sib[k]->isWindowEnabled()))
            group.push_back(sib[k]);
    if (group.size() < 2)
        return nullptr;
    auto pos = std::find(group.begin(), group.end(), from);
    size_t j = static_cast<size_t>(pos - group.begin());
    size_t n = group.size();
    return group[previous ? (j + n - 1) % n : (j + 1) % n];
}

void Dialog::gotoDlgCtrl(Window* control) {
    if (!control)
        return;
    WindowRef<Window> c(control);
    control->setFocus();
    if (c && c->hasFocus())
        if (auto* e = dynamic_cast<Edit*>(c.get()))
            e->setSel(0, -1);
}

int Dialog::getDefID() const {
    if (m_defId)
        return m_defId;
    for (Window* c : children())
        if (auto* b = dynamic_cast<Button*>(c); b && b->buttonType() == BS_DEFPUSHBUTTON)
            return b->id();
    return IDOK;
}

void Dialog::setDefID(int id) {
    m_defId = id;
}

void Dialog::pressButton(int id) {
    Window* b = findDescendant(id);
    sendMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(id), BN_CLICKED),
                b ? static_cast<LPARAM>(b->handle().value) : 0);
}

bool Dialog::preTranslateMessage(Message& msg) {
    return isDialogMessage(msg);
}

bool Dialog::isDialogMessage(Message& msg) {
    Window* t = msg.target;
    if (!t || (t != this && !isChild(t)))
        return false;
    unsigned code = static_cast<unsigned>(t->sendMessage(WM_GETDLGCODE, msg.wParam));
    if (msg.message == WM_CHAR) {
        wchar_t ch = static_cast<wchar_t>(msg.wParam);
        if (ch == L'\t')
            return !(code & (DLGC_WANTTAB | DLGC_WANTALLKEYS));
        if (ch == L'\r' || ch == 27)
            return !(code & DLGC_WANTALLKEYS);
        return false;
    }
    if (msg.message != WM_KEYDOWN)
        return false;
    int vk = static_cast<int>(msg.wParam);
    switch (vk) {
    case VK_TAB: {
        if (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS))
            return false;
        // Navigation spans the whole dialog, pages included.
        Dialog* root = this;
        while (root->isChildWindow() && root->parent())
            if (Dialog* up = root->parent()->owningDialog())
                root = up;
            else
                break;
        bool shift = app().keyState(VK_SHIFT) < 0;
        if (Window* next = root->nextDlgTabItem(app().focus(), shift))
            root->gotoDlgCtrl(next);
        return true;
    }
    case VK_RETURN: {
        if (code & DLGC_WANTALLKEYS)
            return false;
        Window* f = app().focus();
        if (auto* b = dynamic_cast<Button*>(f); b && isChild(b) && b->isPushKind()) {
            pressButton(b->id());
            return true;
        }
        int id = getDefID();
        Window* def = findDescendant(id);
        if (def && (!def->isWindowEnabled() || !def->isWindowVisible()))
            return true;
        pressButton(id);
        return true;
    }
    case VK_ESCAPE: {
        if (code & DLGC_WANTALLKEYS)
            return false;
        Window* cancel = findDescendant(IDCANCEL);
        if (cancel && !cancel->isWindowEnabled())
            return true;
        pressButton(IDCANCEL);
        return true;
    }
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: {
        if (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS))
            return false;
        Window* f = app().focus();
        Window* next = nextDlgGroupItem(f, vk == VK_LEFT || vk == VK_UP);
        if (!next)
            return true;
        WindowRef<Window> n(next);
        gotoDlgCtrl(next);
        if (auto* b = dynamic_cast<Button*>(n.get()); b && b->buttonType() == BS_AUTORADIOBUTTON)
            b->click();
        return true;
    }
    default:
        return false;
    }
}

bool Dialog::onEraseBkgnd(Canvas& canvas) {
    return Window::onEraseBkgnd(canvas);
}

} // namespace ui
