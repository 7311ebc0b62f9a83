#include "core/CResizer.h"

#if TVL_UI_AVAILABLE

#include "platform/ui/Window.h"

#include <algorithm>
#include <cmath>

namespace {

bool horizontal(CResizer::Side s) {
    return s == CResizer::Side::Left || s == CResizer::Side::Right;
}

int edgeOf(const ui::Rect& r, CResizer::Side s) {
    switch (s) {
    case CResizer::Side::Left:
        return r.left;
    case CResizer::Side::Top:
        return r.top;
    case CResizer::Side::Right:
        return r.right;
    case CResizer::Side::Bottom:
        return r.bottom;
    }
    return 0;
}

int clientEdge(ui::Size client, CResizer::Side s) {
    switch (s) {
    case CResizer::Side::Left:
    case CResizer::Side::Top:
        return 0;
    case CResizer::Side::Right:
        return client.cx;
    case CResizer::Side::Bottom:
        return client.cy;
    }
    return 0;
}

CResizer::Side opposite(CResizer::Side s) {
    switch (s) {
    case CResizer::Side::Left:
        return CResizer::Side::Right;
    case CResizer::Side::Top:
        return CResizer::Side::Bottom;
    case CResizer::Side::Right:
        return CResizer::Side::Left;
    case CResizer::Side::Bottom:
        return CResizer::Side::Top;
    }
    return s;
}

} // namespace

bool CResizer::Init(ui::Window* dialog) {
    m_items.clear();
    m_dialog = ui::WindowRef<>();
    if (!dialog || !dialog->isWindow())
        return false;
    m_dialog = dialog;
    m_designClient = dialog->getClientRect().size();
    for (ui::Window* child : dialog->children()) {
        if (child->id() == 0 || find(child->id()))
            continue;
        Item item;
        item.id = child->id();
        item.design = child->rect();
        m_items.push_back(item);
    }
    return true;
}

CResizer::Item* CResizer::find(int id) {
    auto it =
        std::find_if(m_items.begin(), m_items.end(), [id](const Item& i) { return i.id == id; });
    return it == m_items.end() ? nullptr : &*it;
}

const CResizer::Item* CResizer::find(int id) const {
    return const_cast<CResizer*>(this)->find(id);
}

bool CResizer::SetRule(int id, Side side, Rule rule, int otherId, Side otherSide) {
    Item* item = find(id);
    if (!item)
        return false;
    if ((rule == Rule::Parent || rule == Rule::Control) &&
        horizontal(side) != horizontal(otherSide))
        return false;
    if (rule == Rule::Control && (otherId == id || !find(otherId)))
        return false;
    item->sides[static_cast<int>(side)] = SideRule{rule, otherId, otherSide, true};

    // Controls with rules are laid out in the order their first rule was given, before
    // controls without rules, so that a rule can follow a control placed earlier.
    auto ruled = [](const Item& i) {
        return std::any_of(std::begin(i.sides), std::end(i.sides),
                           [](const SideRule& r) { return r.set; });
    };
    auto firstUnruled = std::find_if_not(m_items.begin(), m_items.end(), ruled);
    auto self =
        std::find_if(m_items.begin(), m_items.end(), [id](const Item& i) { return i.id == id; });
    if (self > firstUnruled)
        std::rotate(firstUnruled, self, self + 1);
    return true;
}

bool CResizer::AnchorAll(int id) {
    bool ok = true;
    for (Side s : {Side::Left, Side::Top, Side::Right, Side::Bottom})
        ok = KeepToParent(id, s) && ok;
    return ok;
}

// The rule a side follows, with the defaults for sides without one.
CResizer::SideRule CResizer::effectiveRule(const Item& item, Side side) {
    SideRule r = item.sides[static_cast<int>(side)];
    if (!r.set) {
        r.rule = (side == Side::Left || side == Side::Top) ? Rule::Parent : Rule::KeepSize;
        r.otherSide = side;
    }
    return r;
}

int CResizer::coordinate(const Item& item, Side side, ui::Size client,
                         const std::map<int, ui::Rect>& placed) const {
    SideRule r = effectiveRule(item, side);
    const int design = edgeOf(item.design, side);
    switch (r.rule) {
    case Rule::Parent:
        return design - clientEdge(m_designClient, r.otherSide) + clientEdge(client, r.otherSide);
    case Rule::Control: {
        const Item* other = find(r.otherId);
        auto it = placed.find(r.otherId);
        ui::Rect now = it != placed.end() ? it->second : other->design;
        return design + edgeOf(now, r.otherSide) - edgeOf(other->design, r.otherSide);
    }
    case Rule::Proportional: {
        int designSpan = horizontal(side) ? m_designClient.cx : m_designClient.cy;
        int span = horizontal(side) ? client.cx : client.cy;
        if (designSpan <= 0)
            return design;
        return static_cast<int>(std::lround(static_cast<double>(design) * span / designSpan));
    }
    case Rule::KeepSize: {
        Side opp = opposite(side);
        int size = edgeOf(item.design, side) - edgeOf(item.design, opp);
        if (effectiveRule(item, opp).rule == Rule::KeepSize)
            return design; // both sides keep the size: the control stays where it was
        return coordinate(item, opp, client, placed) + size;
    }
    }
    return design;
}

std::map<int, ui::Rect> CResizer::layout(ui::Size client) const {
    std::map<int, ui::Rect> placed;
    for (const Item& item : m_items) {
        ui::Rect r;
        r.left = coordinate(item, Side::Left, client, placed);
        r.top = coordinate(item, Side::Top, client, placed);
        r.right = std::max(r.left, coordinate(item, Side::Right, client, placed));
        r.bottom = std::max(r.top, coordinate(item, Side::Bottom, client, placed));
        placed[item.id] = r;
    }
    return placed;
}

ui::Rect CResizer::placement(int id, ui::Size clientSize) const {
    auto placed = layout(clientSize);
    auto it = placed.find(id);
    return it == placed.end() ? ui::Rect() : it->second;
}

void CResizer::Move() {
    ui::Window* dialog = m_dialog.get();
    if (!dialog || !dialog->isWindow())
        return;
    auto placed = layout(dialog->getClientRect().size());
    for (const auto& [id, rect] : placed) {
        ui::Window* child = dialog->getDlgItem(id);
        if (child && child->rect() != rect)
            child->moveWindow(rect);
    }
}

#endif
