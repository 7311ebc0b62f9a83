// Structural editing: sheet size, inserting and deleting rows and columns,
// copying, moving and clearing blocks. Formula references follow the cells they
// point at; references into deleted cells become #REF!.

#include <algorithm>
#include <functional>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/SheetData.h"

namespace grid {

namespace {

using CellMap = std::function<bool(int32_t& c, int32_t& r)>;
using RangeMap = std::function<bool(CellRange& r)>;

bool validCell(int32_t c, int32_t r) {
    return c >= 1 && r >= 1 && c <= Sheet::kLimitCols && r <= Sheet::kLimitRows;
}

Token refError() {
    Token t;
    t.op = Op::Error;
    t.a = static_cast<int32_t>(ErrorCode::Ref);
    return t;
}

// Rewrites a formula that moves from (oc,or) to (nc,nr) while the cells it
// references move as the maps say.
FormulaCode rewrite(const FormulaCode& code, int32_t oc, int32_t orow, int32_t nc, int32_t nr,
                    const CellMap& cells, const RangeMap& ranges) {
    FormulaCode out = code;
    for (Token& t : out.tokens) {
        if (t.op == Op::Ref) {
            bool ca = t.flags & kColAbs, ra = t.flags & kRowAbs;
            int32_t c = resolvePart(t.a, ca, oc), r = resolvePart(t.b, ra, orow);
            if (!validCell(c, r))
                continue;
            if (!cells(c, r)) {
                t = refError();
                continue;
            }
            t.a = ca ? c : c - nc;
            t.b = ra ? r : r - nr;
        } else if (t.op == Op::Range) {
            bool c1a = t.flags & kColAbs, r1a = t.flags & kRowAbs, c2a = t.flags & kCol2Abs,
                 r2a = t.flags & kRow2Abs;
            int32_t c1 = resolvePart(t.a, c1a, oc), r1 = resolvePart(t.b, r1a, orow);
            int32_t c2 = resolvePart(t.c, c2a, oc), r2 = resolvePart(t.d, r2a, orow);
            if (!validCell(c1, r1) || !validCell(c2, r2))
                continue;
            bool swapC = c1 > c2, swapR = r1 > r2;
            CellRange rg{std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2)};
            if (!ranges(rg)) {
                t = refError();
                continue;
            }
            c1 = swapC ? rg.col2 : rg.col1;
            c2 = swapC ? rg.col1 : rg.col2;
            r1 = swapR ? rg.row2 : rg.row1;
            r2 = swapR ? rg.row1 : rg.row2;
            t.a = c1a ? c1 : c1 - nc;
            t.b = r1a ? r1 : r1 - nr;
            t.c = c2a ? c2 : c2 - nc;
            t.d = r2a ? r2 : r2 - nr;
            // Whole columns stay whole columns whatever happens to the rows, and
            // whole rows whole rows.
            if (t.flags & kWholeCols) {
                t.b = 1;
                t.d = Sheet::kLimitRows;
            } else if (t.flags & kWholeRows) {
                t.a = 1;
                t.c = Sheet::kLimitCols;
            }
        }
    }
    return out;
}

// Index mapping of an insertion or deletion along one axis.
struct AxisEdit {
    int32_t at;
    int32_t count;
    bool insert;
    int32_t limit;
    // New index, or -1 when the index is deleted or pushed beyond the limit.
    int32_t map(int32_t i) const {
        if (i < at)
            return i;
        if (insert)
            return i + count > limit ? -1 : i + count;
        if (i < at + count)
            return -1;
        return i - count;
    }
    // New [lo, hi] of a block; false when nothing of it is left.
    bool mapSpan(int32_t& lo, int32_t& hi) const {
        if (insert) {
            if (lo >= at)
                lo += count;
            if (hi >= at)
                hi += count;
            if (lo > limit)
                return false;
            hi = std::min(hi, limit);
            return true;
        }
        int32_t end = at + count; // first index after the deleted ones
        int32_t nlo = lo < at ? lo : (lo >= end ? lo - count : at);
        int32_t nhi = hi < at ? hi : (hi >= end ? hi - count : at - 1);
        if (nlo > nhi)
            return false;
        lo = nlo;
        hi = nhi;
        return true;
    }
};

} // namespace

// Gives every surviving formula the code `codes[fid]` (already interned) and the
// new position taken from its slot; recalculation and dependencies start afresh.
static void finishRestructure(Sheet& sheet, SheetData& d,
                              const std::vector<std::pair<uint32_t, uint32_t>>& newCodes) {
    // Formulas whose cell vanished were freed while slots were dropped.
    for (const auto& [fid, code] : newCodes) {
        FormulaCell& f = d.formulas[fid];
        if (f.state == FState::Dead) {
            d.releaseCode(code);
            continue;
        }
        d.releaseCode(f.code);
        f.code = code;
    }
    for (size_t c = 0; c < d.cols.size(); ++c) {
        auto& slots = d.cols[c].slots;
        for (size_t r = 0; r < slots.size(); ++r) {
            if (!slots[r].formula)
                continue;
            FormulaCell& f = d.formulas[slots[r].formula - 1];
            f.col = static_cast<int32_t>(c);
            f.row = static_cast<int32_t>(r);
        }
    }
    d.tagIndexValid = false;
    d.rebuildAllDeps();
    d.setOption(kOptionChanged, true);
    d.dirty.clear();
    for (uint32_t fid = 0; fid < d.formulas.size(); ++fid) {
        if (d.formulas[fid].state == FState::Dead)
            continue;
        d.setDirty(d.formulas[fid]);
        d.dirty.push_back(fid);
    }
    if (d.option(kOptionAutoCalc))
        d.calculateDirty(sheet);
}

// Frees what a slot holds: its text and its formula.
static void dropSlot(SheetData& d, Slot& s) {
    if (s.type == ValueType::Text)
        d.freeText(s.aux);
    s.type = ValueType::Empty;
    if (s.formula) {
        uint32_t fid = s.formula - 1;
        s.formula = 0;
        d.formulas[fid].state = FState::Dead;
        d.releaseCode(d.formulas[fid].code);
        d.freeFormulas.push_back(fid);
    }
}

static bool restructure(Sheet& sheet, SheetData& d, bool rows, int32_t at, int32_t count,
                        bool insert) {
    int32_t limit = rows ? d.maxRows : d.maxCols;
    if (d.calculating > 0 || count < 1 || at < 1 || at > limit + (insert ? 1 : 0))
        return false;
    if (!insert && at + count - 1 > limit)
        count = limit - at + 1;
    AxisEdit ax{at, count, insert, limit};

    // 1. New codes for every formula, from its old position to its new one.
    CellMap cells = [&](int32_t& c, int32_t& r) {
        int32_t& i = rows ? r : c;
        int32_t n = ax.map(i);
        if (n < 0)
            return false;
        i = n;
        return true;
    };
    RangeMap ranges = [&](CellRange& g) {
        return rows ? ax.mapSpan(g.row1, g.row2) : ax.mapSpan(g.col1, g.col2);
    };
    std::vector<std::pair<uint32_t, uint32_t>> newCodes;
    for (uint32_t fid = 0; fid < d.formulas.size(); ++fid) {
        const FormulaCell f = d.formulas[fid];
        if (f.state == FState::Dead)
            continue;
        int32_t nc = f.col, nr = f.row;
        int32_t& i = rows ? nr : nc;
        int32_t n = ax.map(i);
        if (n >= 0)
            i = n;
        newCodes.emplace_back(
            fid, d.internCode(rewrite(*d.codes[f.code], f.col, f.row, nc, nr, cells, ranges)));
    }

    // 2. Move the cells.
    if (rows) {
        for (auto& col : d.cols) {
            auto& v = col.slots;
            if (static_cast<int32_t>(v.size()) <= at)
                continue;
            if (insert) {
                v.insert(v.begin() + at, count, Slot{});
                for (size_t r = static_cast<size_t>(limit) + 1; r < v.size(); ++r)
                    dropSlot(d, v[r]);
                if (v.size() > static_cast<size_t>(limit) + 1)
                    v.resize(limit + 1);
            } else {
                size_t end = std::min(v.size(), static_cast<size_t>(at + count));
                for (size_t r = at; r < end; ++r)
                    dropSlot(d, v[r]);
                v.erase(v.begin() + at, v.begin() + end);
            }
        }
    } else if (static_cast<int32_t>(d.cols.size()) > at) {
        auto& v = d.cols;
        if (insert) {
            v.insert(v.begin() + at, count, Column{});
            for (size_t c = static_cast<size_t>(limit) + 1; c < v.size(); ++c)
                for (auto& s : v[c].slots)
                    dropSlot(d, s);
            if (v.size() > static_cast<size_t>(limit) + 1)
                v.resize(limit + 1);
        } else {
            size_t end = std::min(v.size(), static_cast<size_t>(at + count));
            for (size_t c = at; c < end; ++c)
                for (auto& s : v[c].slots)
                    dropSlot(d, s);
            v.erase(v.begin() + at, v.begin() + end);
        }
    }

    d.slotsRewritten();

    // 3. Attributes, spans and sizes follow.
    std::unordered_map<uint64_t, CellAttributes> attrs;
    for (auto& [key, a] : d.attrs) {
        int32_t c = static_cast<int32_t>(key >> 32), r = static_cast<int32_t>(key & 0xFFFFFFFFu);
        int32_t& i = rows ? r : c;
        if (i > 0) {
            i = ax.map(i);
            if (i < 0)
                continue;
        }
        attrs.emplace(cellKey(c, r), std::move(a));
    }
    d.attrs.swap(attrs);
    std::vector<Span> spans;
    for (Span s : d.spans) {
        int32_t lo = rows ? s.row : s.col, hi = lo + (rows ? s.rows : s.cols) - 1;
        if (lo == 0 ? true : ax.mapSpan(lo, hi)) {
            if (rows) {
                s.row = lo;
                s.rows = hi - lo + 1;
            } else {
                s.col = lo;
                s.cols = hi - lo + 1;
            }
            spans.push_back(s);
        }
    }
    d.spans.swap(spans);
    auto& sizes = rows ? d.rowHeights : d.colWidths;
    std::map<int32_t, int32_t> moved;
    for (auto [i, px] : sizes) {
        int32_t n = i > 0 ? ax.map(i) : i;
        if (n >= 0)
            moved[n] = px;
    }
    sizes.swap(moved);

    finishRestructure(sheet, d, newCodes);
    return true;
}

bool Sheet::insertRows(int32_t at, int32_t count) {
    return restructure(*this, *m_d, true, at, count, true);
}
bool Sheet::deleteRows(int32_t at, int32_t count) {
    return restructure(*this, *m_d, true, at, count, false);
}
bool Sheet::insertCols(int32_t at, int32_t count) {
    return restructure(*this, *m_d, false, at, count, true);
}
bool Sheet::deleteCols(int32_t at, int32_t count) {
    return restructure(*this, *m_d, false, at, count, false);
}

bool Sheet::setMaxCols(int32_t n) {
    if (n < 0 || n > kLimitCols || m_d->calculating > 0)
        return false;
    if (n < m_d->maxCols)
        clear({n + 1, 0, m_d->maxCols, m_d->maxRows}, kClearAll);
    if (n < m_d->maxCols) {
        std::erase_if(m_d->spans, [&](const Span& s) { return s.col + s.cols - 1 > n; });
        std::erase_if(m_d->colWidths, [&](const auto& p) { return p.first > n; });
        if (m_d->cols.size() > static_cast<size_t>(n) + 1)
            m_d->cols.resize(n + 1);
        m_d->slotsRewritten();
    }
    m_d->maxCols = n;
    return true;
}

bool Sheet::setMaxRows(int32_t n) {
    if (n < 0 || n > kLimitRows || m_d->calculating > 0)
        return false;
    if (n < m_d->maxRows) {
        clear({0, n + 1, m_d->maxCols, m_d->maxRows}, kClearAll);
        std::erase_if(m_d->spans, [&](const Span& s) { return s.row + s.rows - 1 > n; });
        std::erase_if(m_d->rowHeights, [&](const auto& p) { return p.first > n; });
        for (auto& c : m_d->cols)
            if (c.slots.size() > static_cast<size_t>(n) + 1)
                c.slots.resize(n + 1);
        m_d->slotsRewritten();
    }
    m_d->maxRows = n;
    return true;
}

namespace {

struct CellCopy {
    int32_t dc, dr; // offset inside the block
    Value value;
    uint32_t code = 0; // formula code + 1
    bool hasAttrs = false;
    CellAttributes attrs;
};

// Everything in the block, in memory, so that overlapping targets are safe.
std::vector<CellCopy> gather(SheetData& d, const CellRange& b) {
    std::vector<CellCopy> out;
    for (int32_t c = b.col1; c <= b.col2; ++c) {
        for (int32_t r = b.row1; r <= b.row2; ++r) {
            const Slot* s = d.slot(c, r);
            auto it = d.attrs.find(cellKey(c, r));
            bool any = (s && (s->type != ValueType::Empty || s->formula)) || it != d.attrs.end();
            if (!any)
                continue;
            CellCopy cc{c - b.col1, r - b.row1, {}, 0, false, {}};
            if (s) {
                cc.value = d.slotValue(*s);
                if (s->formula) {
                    uint32_t code = d.formulas[s->formula - 1].code;
                    ++d.codeRefs[code];
                    cc.code = code + 1;
                }
            }
            if (it != d.attrs.end()) {
                cc.hasAttrs = true;
                cc.attrs = it->second;
            }
            out.push_back(std::move(cc));
        }
    }
    return out;
}

bool blockInSheet(const SheetData& d, const CellRange& b) {
    return b.col1 >= 0 && b.row1 >= 0 && b.col1 <= b.col2 && b.row1 <= b.row2 &&
           b.col2 <= d.maxCols && b.row2 <= d.maxRows;
}

} // namespace

bool Sheet::clear(const CellRange& block, uint32_t what) {
    if (!blockInSheet(*m_d, block) || m_d->calculating > 0)
        return false;
    bool tags = false;
    if (what & kClearData)
        m_d->slotsRewritten();
    for (int32_t c = block.col1; c <= block.col2; ++c) {
        if (what & kClearData) {
            if (static_cast<size_t>(c) < m_d->cols.size()) {
                int32_t last = std::min<int64_t>(
                    block.row2, static_cast<int64_t>(m_d->cols[c].slots.size()) - 1);
                for (int32_t r = block.row1; r <= last; ++r) {
                    Slot& s = m_d->cols[c].slots[r];
                    if (s.type == ValueType::Empty && !s.formula)
                        continue;
                    m_d->removeFormula(c, r);
                    m_d->clearValue(m_d->cols[c].slots[r]);
                    m_d->markDependentsDirty(c, r);
                }
            }
        }
    }
    if (!m_d->attrs.empty()) {
        for (auto it = m_d->attrs.begin(); it != m_d->attrs.end();) {
            int32_t c = static_cast<int32_t>(it->first >> 32),
                    r = static_cast<int32_t>(it->first & 0xFFFFFFFFu);
            if (!block.contains(c, r)) {
                ++it;
                continue;
            }
            CellAttributes& a = it->second;
            if ((what & kClearAll) == kClearAll) {
                tags = tags || !a.tag.empty();
                a = CellAttributes{};
            } else if (what & kClearFormats) {
                a.type.reset();
                a.format = CellFormat{};
            }
            if (a.isDefault())
                it = m_d->attrs.erase(it);
            else
                ++it;
        }
    }
    if (tags)
        m_d->tagsChanged();
    m_d->setOption(kOptionChanged, true);
    if (m_d->option(kOptionAutoCalc))
        m_d->calculateDirty(*this);
    return true;
}

static void placeCells(Sheet& sheet, SheetData& d, std::vector<CellCopy>& cells, int32_t destCol,
                       int32_t destRow, uint32_t what) {
    bool tags = false;
    for (CellCopy& cc : cells) {
        int32_t c = destCol + cc.dc, r = destRow + cc.dr;
        if (what & kClearData) {
            d.removeFormula(c, r);
            if (cc.code) {
                d.clearValue(d.slotRef(c, r));
                d.addFormula(c, r, cc.code - 1);
                cc.code = 0;
            } else {
                d.storeValue(d.slotRef(c, r), cc.value);
            }
            d.markDependentsDirty(c, r);
        }
        if (cc.hasAttrs) {
            CellAttributes& target = d.attrs[cellKey(c, r)];
            if (what & kClearData) {
                tags = tags || target.tag != cc.attrs.tag;
                target.tag = cc.attrs.tag;
                target.note = cc.attrs.note;
            }
            if (what & kClearFormats) {
                target.type = cc.attrs.type;
                target.format = cc.attrs.format;
            }
            if (target.isDefault())
                d.attrs.erase(cellKey(c, r));
        }
    }
    for (CellCopy& cc : cells)
        if (cc.code)
            d.releaseCode(cc.code - 1);
    if (tags)
        d.tagsChanged();
    d.setOption(kOptionChanged, true);
    (void)sheet;
}

bool Sheet::copyBlock(const CellRange& source, int32_t destCol, int32_t destRow, uint32_t what) {
    CellRange dest{destCol, destRow, destCol + source.col2 - source.col1,
                   destRow + source.row2 - source.row1};
    if (!blockInSheet(*m_d, source) || !blockInSheet(*m_d, dest) || m_d->calculating > 0)
        return false;
    std::vector<CellCopy> cells = gather(*m_d, source);
    // Target cells that the source leaves empty are cleared too.
    if (what & kClearData) {
        for (int32_t c = dest.col1; c <= dest.col2; ++c)
            for (int32_t r = dest.row1; r <= dest.row2; ++r)
                if (m_d->slot(c, r)) {
                    m_d->removeFormula(c, r);
                    m_d->clearValue(m_d->slotRef(c, r));
                    m_d->markDependentsDirty(c, r);
                }
    }
    placeCells(*this, *m_d, cells, destCol, destRow, what);
    if (m_d->option(kOptionAutoCalc))
        m_d->calculateDirty(*this);
    return true;
}

bool Sheet::moveBlock(const CellRange& source, int32_t destCol, int32_t destRow) {
    const int32_t dx = destCol - source.col1, dy = destRow - source.row1;
    CellRange dest{destCol, destRow, source.col2 + dx, source.row2 + dy};
    if (!blockInSheet(*m_d, source) || !blockInSheet(*m_d, dest) || m_d->calculating > 0)
        return false;
    if (dx == 0 && dy == 0)
        return true;
    SheetData& d = *m_d;

    // References to moved cells follow them; moved formulas keep pointing at
    // the cells they pointed at.
    CellMap cells = [&](int32_t& c, int32_t& r) {
        if (source.contains(c, r)) {
            c += dx;
            r += dy;
        }
        return true;
    };
    RangeMap ranges = [&](CellRange& g) {
        if (source.contains(g.col1, g.row1) && source.contains(g.col2, g.row2)) {
            g.col1 += dx;
            g.col2 += dx;
            g.row1 += dy;
            g.row2 += dy;
        }
        return true;
    };
    std::vector<std::pair<uint32_t, uint32_t>> newCodes;
    for (uint32_t fid = 0; fid < d.formulas.size(); ++fid) {
        const FormulaCell f = d.formulas[fid];
        if (f.state == FState::Dead)
            continue;
        int32_t nc = f.col, nr = f.row;
        if (source.contains(nc, nr)) {
            nc += dx;
            nr += dy;
        } else if (dest.contains(nc, nr))
            continue; // overwritten by the move
        newCodes.emplace_back(
            fid, d.internCode(rewrite(*d.codes[f.code], f.col, f.row, nc, nr, cells, ranges)));
    }

    // Lift the block out, clear source and target, put it down.
    std::vector<CellCopy> moved = gather(d, source);
    std::vector<uint32_t> movedFids; // formula ids keep their identity through the move
    for (CellCopy& cc : moved) {
        if (cc.code) {
            d.releaseCode(cc.code - 1);
            cc.code = 0;
        }
        const Slot* s = d.slot(source.col1 + cc.dc, source.row1 + cc.dr);
        movedFids.push_back(s && s->formula ? s->formula : 0);
    }
    auto wipe = [&](const CellRange& b, bool keepFormulas) {
        for (int32_t c = b.col1; c <= b.col2; ++c)
            for (int32_t r = b.row1; r <= b.row2; ++r) {
                if (static_cast<size_t>(c) < d.cols.size() &&
                    static_cast<size_t>(r) < d.cols[c].slots.size()) {
                    Slot& s = d.cols[c].slots[r];
                    if (keepFormulas) {
                        if (s.type == ValueType::Text)
                            d.freeText(s.aux);
                        s.type = ValueType::Empty;
                        s.formula = 0;
                    } else {
                        dropSlot(d, s);
                    }
                }
                d.attrs.erase(cellKey(c, r));
            }
    };
    d.slotsRewritten();
    wipe(source, true);
    wipe(dest, false);
    for (size_t i = 0; i < moved.size(); ++i) {
        const CellCopy& cc = moved[i];
        int32_t c = destCol + cc.dc, r = destRow + cc.dr;
        Slot& s = d.slotRef(c, r);
        d.storeValue(s, cc.value);
        s.formula = movedFids[i];
        if (cc.hasAttrs)
            d.attrs[cellKey(c, r)] = cc.attrs;
    }
    std::vector<Span> spans;
    for (Span sp : d.spans) {
        if (source.contains(sp.col, sp.row)) {
            sp.col += dx;
            sp.row += dy;
        } else if (dest.contains(sp.col, sp.row))
            continue;
        spans.push_back(sp);
    }
    d.spans.swap(spans);
    finishRestructure(*this, d, newCodes);
    return true;
}

void Sheet::reset() {
    if (m_d->calculating > 0)
        return;
    auto fresh = std::make_unique<SheetData>();
    fresh->customFunctions = std::move(m_d->customFunctions);
    fresh->setOption(kOptionAutoCalc, true);
    m_d = std::move(fresh);
}

} // namespace grid
