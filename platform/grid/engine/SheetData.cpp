#include "platform/grid/engine/SheetData.h"
#include "platform/grid/engine/Evaluator.h"

#include <algorithm>
#include <cctype>
#include <climits>

namespace grid {

namespace {

std::string lower(std::string_view s) {
    std::string r(s);
    for (auto& c : r)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

} // namespace

uint64_t FormulaCode::hash() const {
    uint64_t h = 1469598103934665603ull;
    auto mix = [&](uint64_t v) {
        h ^= v;
        h *= 1099511628211ull;
    };
    for (const Token& t : tokens) {
        mix(static_cast<uint64_t>(t.op) | (static_cast<uint64_t>(t.flags) << 8) |
            (static_cast<uint64_t>(t.argc) << 16));
        mix(static_cast<uint32_t>(t.a) | (static_cast<uint64_t>(static_cast<uint32_t>(t.b)) << 32));
        mix(static_cast<uint32_t>(t.c) | (static_cast<uint64_t>(static_cast<uint32_t>(t.d)) << 32));
        uint64_t bits;
        static_assert(sizeof bits == sizeof t.num);
        std::memcpy(&bits, &t.num, sizeof bits);
        mix(bits);
    }
    for (const auto& s : strings)
        for (char c : s)
            mix(static_cast<unsigned char>(c));
    return h;
}

// --- values ---------------------------------------------------------------------

uint32_t SheetData::addText(std::string_view s) {
    if (!freeTexts.empty()) {
        uint32_t id = freeTexts.back();
        freeTexts.pop_back();
        texts[id].assign(s);
        return id;
    }
    texts.emplace_back(s);
    return static_cast<uint32_t>(texts.size() - 1);
}

void SheetData::freeText(uint32_t id) {
    texts[id].clear();
    texts[id].shrink_to_fit();
    freeTexts.push_back(id);
}

void SheetData::clearValue(Slot& s) {
    if (s.type == ValueType::Text)
        freeText(s.aux);
    s.type = ValueType::Empty;
    s.num = 0;
    s.aux = 0;
}

Value SheetData::slotValue(const Slot& s) const {
    switch (s.type) {
    case ValueType::Number:
        return Value::number(s.num);
    case ValueType::Text:
        return Value::text(texts[s.aux]);
    case ValueType::Boolean:
        return Value::boolean(s.num != 0);
    case ValueType::Error:
        return Value::error(static_cast<ErrorCode>(s.aux));
    default:
        return {};
    }
}

void SheetData::storeValue(Slot& s, const Value& v) {
    clearValue(s);
    s.type = v.type();
    switch (v.type()) {
    case ValueType::Number:
    case ValueType::Boolean:
        s.num = v.asNumber();
        break;
    case ValueType::Text:
        s.aux = addText(v.asText());
        break;
    case ValueType::Error:
        s.aux = static_cast<uint32_t>(v.asError());
        break;
    default:
        break;
    }
}

// --- formulas -------------------------------------------------------------------

uint32_t SheetData::internCode(const FormulaCode& code) {
    // Filled-down formulas repeat one of the last few codes (one per filled
    // column): try those before hashing.
    for (uint32_t id : recentCodes) {
        if (id < codes.size() && codes[id] && codeRefs[id] > 0 && *codes[id] == code) {
            ++codeRefs[id];
            return id;
        }
    }
    uint64_t h = code.hash();
    auto range = codeIndex.equal_range(h);
    for (auto it = range.first; it != range.second; ++it) {
        if (*codes[it->second] == code) {
            ++codeRefs[it->second];
            rememberCode(it->second);
            return it->second;
        }
    }
    uint32_t id;
    if (!freeCodes.empty()) {
        id = freeCodes.back();
        freeCodes.pop_back();
        codes[id] = std::make_unique<FormulaCode>(code);
        codeRefs[id] = 1;
    } else {
        id = static_cast<uint32_t>(codes.size());
        codes.push_back(std::make_unique<FormulaCode>(code));
        codeRefs.push_back(1);
    }
    codeIndex.emplace(h, id);
    rememberCode(id);
    return id;
}

void SheetData::rememberCode(uint32_t id) {
    recentCodes[nextRecent] = id;
    nextRecent = (nextRecent + 1) % recentCodes.size();
}

void SheetData::releaseCode(uint32_t id) {
    if (--codeRefs[id] != 0)
        return;
    // A code still being run stays alive until the calculation ends.
    if (calculating > 0) {
        ++codeRefs[id];
        pendingCodeReleases.push_back(id);
        return;
    }
    uint64_t h = codes[id]->hash();
    auto range = codeIndex.equal_range(h);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->second == id) {
            codeIndex.erase(it);
            break;
        }
    }
    codes[id].reset();
    freeCodes.push_back(id);
}

uint32_t SheetData::addFormula(int32_t col, int32_t row, uint32_t codeId) {
    uint32_t fid;
    if (!freeFormulas.empty()) {
        fid = freeFormulas.back();
        freeFormulas.pop_back();
    } else {
        fid = static_cast<uint32_t>(formulas.size());
        formulas.emplace_back();
    }
    formulas[fid] = {col, row, codeId, FState::Dirty};
    slotRef(col, row).formula = fid + 1;
    setDirty(formulas[fid]);
    registerDeps(fid);
    dirty.push_back(fid);
    return fid;
}

void SheetData::removeFormula(int32_t col, int32_t row) {
    Slot* s = const_cast<Slot*>(slot(col, row));
    if (!s || !s->formula)
        return;
    uint32_t fid = s->formula - 1;
    s->formula = 0;
    unregisterDeps(fid);
    releaseCode(formulas[fid].code);
    formulas[fid].state = FState::Dead;
    if (calculating > 0)
        deadFormulas.push_back(fid);
    else
        freeFormulas.push_back(fid);
}

void SheetData::finishCalculation() {
    if (calculating > 0)
        return;
    for (uint32_t fid : deadFormulas)
        freeFormulas.push_back(fid);
    deadFormulas.clear();
    std::vector<uint32_t> releases;
    releases.swap(pendingCodeReleases);
    for (uint32_t id : releases)
        releaseCode(id);
}

// --- dependencies ---------------------------------------------------------------

void SheetData::addEdge(int32_t col, int32_t row, uint32_t fid) {
    uint32_t e;
    if (!freeEdges.empty()) {
        e = freeEdges.back();
        freeEdges.pop_back();
    } else {
        e = static_cast<uint32_t>(edges.size());
        edges.emplace_back();
    }
    Slot& s = slotRef(col, row);
    edges[e] = {fid, s.depHead};
    s.depHead = e + 1;
}

void SheetData::removeEdge(int32_t col, int32_t row, uint32_t fid) {
    Slot* s = const_cast<Slot*>(slot(col, row));
    if (!s)
        return;
    uint32_t* link = &s->depHead;
    while (*link) {
        DepEdge& e = edges[*link - 1];
        if (e.formula == fid) {
            uint32_t dead = *link - 1;
            *link = e.next;
            freeEdges.push_back(dead);
            return;
        }
        link = &e.next;
    }
}

static bool validRef(int32_t c, int32_t r) {
    return c >= 1 && r >= 1 && c <= Sheet::kLimitCols && r <= Sheet::kLimitRows;
}

void SheetData::registerDeps(uint32_t fid) {
    const FormulaCell f = formulas[fid];
    const FormulaCode& code = *codes[f.code];
    if (code.volatileCode)
        volatiles.insert(fid);
    for (const Token& t : code.tokens) {
        if (t.op == Op::Ref) {
            int32_t c = resolvePart(t.a, t.flags & kColAbs, f.col),
                    r = resolvePart(t.b, t.flags & kRowAbs, f.row);
            if (validRef(c, r))
                addEdge(c, r, fid);
        } else if (t.op == Op::Range) {
            int32_t c1 = resolvePart(t.a, t.flags & kColAbs, f.col),
                    r1 = resolvePart(t.b, t.flags & kRowAbs, f.row);
            int32_t c2 = resolvePart(t.c, t.flags & kCol2Abs, f.col),
                    r2 = resolvePart(t.d, t.flags & kRow2Abs, f.row);
            if (!validRef(c1, r1) || !validRef(c2, r2))
                continue;
            RangeDep rd{{std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2)},
                        fid};
            uint32_t id;
            if (!freeRangeDeps.empty()) {
                id = freeRangeDeps.back();
                freeRangeDeps.pop_back();
                rangeDeps[id] = rd;
            } else {
                id = static_cast<uint32_t>(rangeDeps.size());
                rangeDeps.push_back(rd);
            }
            if (rangesByCol.size() <= static_cast<size_t>(rd.range.col2))
                rangesByCol.resize(rd.range.col2 + 1);
            for (int32_t c = rd.range.col1; c <= rd.range.col2; ++c)
                rangesByCol[c].push_back(id);
            rangeDepsOf[fid].push_back(id);
        } else if (t.op == Op::Name) {
            const CellRef* cell = findTag(code.strings[t.a]);
            if (cell) {
                addEdge(cell->col, cell->row, fid);
                nameDepsOf[fid].push_back(*cell);
            } else {
                nameDepsOf[fid]; // remembered, so a later tag can bring it in
            }
        }
    }
}

void SheetData::unregisterDeps(uint32_t fid) {
    const FormulaCell f = formulas[fid];
    const FormulaCode& code = *codes[f.code];
    volatiles.erase(fid);
    for (const Token& t : code.tokens) {
        if (t.op == Op::Ref) {
            int32_t c = resolvePart(t.a, t.flags & kColAbs, f.col),
                    r = resolvePart(t.b, t.flags & kRowAbs, f.row);
            if (validRef(c, r))
                removeEdge(c, r, fid);
        }
    }
    if (auto it = rangeDepsOf.find(fid); it != rangeDepsOf.end()) {
        for (uint32_t id : it->second) {
            const CellRange& rg = rangeDeps[id].range;
            for (int32_t c = rg.col1; c <= rg.col2; ++c) {
                auto& v = rangesByCol[c];
                if (auto p = std::find(v.begin(), v.end(), id); p != v.end()) {
                    *p = v.back();
                    v.pop_back();
                }
            }
            freeRangeDeps.push_back(id);
        }
        rangeDepsOf.erase(it);
    }
    if (auto it = nameDepsOf.find(fid); it != nameDepsOf.end()) {
        for (const CellRef& c : it->second)
            removeEdge(c.col, c.row, fid);
        nameDepsOf.erase(it);
    }
}

void SheetData::rebuildAllDeps() {
    edges.clear();
    freeEdges.clear();
    rangeDeps.clear();
    freeRangeDeps.clear();
    rangesByCol.clear();
    rangeDepsOf.clear();
    nameDepsOf.clear();
    volatiles.clear();
    for (auto& col : cols)
        for (auto& s : col.slots)
            s.depHead = 0;
    for (uint32_t fid = 0; fid < formulas.size(); ++fid)
        if (formulas[fid].state != FState::Dead)
            registerDeps(fid);
}

void SheetData::markDirty(uint32_t fid) {
    FormulaCell& f = formulas[fid];
    if (f.state == FState::Clean) {
        setDirty(f);
        dirty.push_back(fid);
    }
}

void SheetData::markDependentsDirty(int32_t col, int32_t row) {
    std::vector<CellRef> work{{col, row}};
    auto visit = [&](uint32_t fid) {
        FormulaCell& f = formulas[fid];
        if (f.state != FState::Clean)
            return;
        setDirty(f);
        dirty.push_back(fid);
        work.push_back({f.col, f.row});
    };
    while (!work.empty()) {
        CellRef c = work.back();
        work.pop_back();
        if (const Slot* s = slot(c.col, c.row)) {
            for (uint32_t e = s->depHead; e; e = edges[e - 1].next)
                visit(edges[e - 1].formula);
        }
        if (static_cast<size_t>(c.col) < rangesByCol.size()) {
            for (uint32_t id : rangesByCol[c.col])
                if (rangeDeps[id].range.contains(c.col, c.row))
                    visit(rangeDeps[id].formula);
        }
    }
}

// --- calculation ----------------------------------------------------------------

using Frame = CalcFrame;

// Looks for the next precedent of the frame's formula that still needs
// calculating. Returns 1 with `child` set, 2 on a circular reference (child =
// the formula on the stack that closes the circle), 0 when all are done.
static int nextPrecedent(SheetData& d, Frame& fr, uint32_t& child) {
    const FormulaCell f = d.formulas[fr.fid];
    const FormulaCode& code = *d.codes[f.code];
    // The slot's formula (id + 1, 0 = none): 1 when dirty, 2 when busy (child set).
    auto pending = [&](uint32_t formula) -> int {
        if (!formula)
            return 0;
        FState st = d.formulas[formula - 1].state;
        if (st != FState::Dirty && st != FState::Busy)
            return 0;
        child = formula - 1;
        return st == FState::Dirty ? 1 : 2;
    };
    auto check = [&](int32_t c, int32_t r) -> int {
        const Slot* s = d.slot(c, r);
        return s ? pending(s->formula) : 0;
    };
    for (; fr.tok < code.tokens.size(); ++fr.tok, fr.c = INT_MIN) {
        const Token& t = code.tokens[fr.tok];
        if (t.op == Op::Ref) {
            int32_t c = resolvePart(t.a, t.flags & kColAbs, f.col),
                    r = resolvePart(t.b, t.flags & kRowAbs, f.row);
            if (int k = check(c, r))
                return k;
        } else if (t.op == Op::Name) {
            if (const CellRef* cell = d.findTag(code.strings[t.a]))
                if (int k = check(cell->col, cell->row))
                    return k;
        } else if (t.op == Op::Range) {
            int32_t c1 = resolvePart(t.a, t.flags & kColAbs, f.col),
                    r1 = resolvePart(t.b, t.flags & kRowAbs, f.row);
            int32_t c2 = resolvePart(t.c, t.flags & kCol2Abs, f.col),
                    r2 = resolvePart(t.d, t.flags & kRow2Abs, f.row);
            if (c1 > c2)
                std::swap(c1, c2);
            if (r1 > r2)
                std::swap(r1, r2);
            c1 = std::max(c1, 0);
            r1 = std::max(r1, 0);
            if (fr.c == INT_MIN) {
                fr.c = c1;
                fr.r = r1;
            }
            for (; fr.c <= c2; ++fr.c, fr.r = r1) {
                if (static_cast<size_t>(fr.c) >= d.cols.size())
                    break;
                Column& col = d.cols[fr.c];
                const auto& slots = col.slots;
                int32_t last = static_cast<int32_t>(
                    std::min<int64_t>(r2, static_cast<int64_t>(slots.size()) - 1));
                // Many formulas over one long range (SUMIFS over whole columns) look
                // at the same rows: the rows found clean are remembered.
                const bool known = col.cleanMark == col.dirtyMark;
                const int32_t from = fr.r;
                while (fr.r <= last) {
                    if (known && fr.r >= col.cleanFrom && fr.r <= col.cleanTo) {
                        fr.r = col.cleanTo + 1;
                        continue;
                    }
                    if (int k = pending(slots[fr.r].formula))
                        return k;
                    ++fr.r;
                }
                if (from <= last) {
                    // Rows from..last are clean now; joined with what was known when
                    // the two touch.
                    if (known && from <= col.cleanTo + 1 && last + 1 >= col.cleanFrom) {
                        col.cleanFrom = std::min(col.cleanFrom, from);
                        col.cleanTo = std::max(col.cleanTo, last);
                    } else {
                        col.cleanFrom = from;
                        col.cleanTo = last;
                    }
                    col.cleanMark = col.dirtyMark;
                }
            }
        }
    }
    return 0;
}

bool SheetData::evaluate(Sheet& sheet, Evaluator& ev, uint32_t fid) {
    const FormulaCell f = formulas[fid];
    Value v = runFormula(ev, *codes[f.code], f.col, f.row);
    ++evaluations;
    // The formula may have been replaced by a custom function meanwhile.
    if (formulas[fid].state != FState::Busy)
        return true;
    if (ev.pending() != Evaluator::kNoFormula)
        return false;
    storeValue(slotRef(f.col, f.row), v);
    formulas[fid].state = FState::Clean;
    (void)sheet;
    return true;
}

void SheetData::markVolatilesDirty() {
    std::vector<uint32_t> list(volatiles.begin(), volatiles.end());
    for (uint32_t fid : list) {
        FormulaCell& f = formulas[fid];
        if (f.state != FState::Clean)
            continue;
        markDirty(fid);
        markDependentsDirty(f.col, f.row);
    }
}

void SheetData::calculate(Sheet& sheet, uint32_t root) {
    Evaluator ev(sheet);
    std::vector<Frame> stack;
    calculate(sheet, root, ev, stack);
}

void SheetData::calculate(Sheet& sheet, uint32_t root, Evaluator& ev,
                          std::vector<CalcFrame>& stack) {
    if (formulas[root].state != FState::Dirty)
        return;
    ++calculating;
    stack.clear();
    formulas[root].state = FState::Busy;
    stack.push_back({root, 0, INT_MIN, 0});
    while (!stack.empty()) {
        Frame& fr = stack.back();
        if (formulas[fr.fid].state != FState::Busy) {
            stack.pop_back();
            continue;
        }
        uint32_t child = 0;
        int k = nextPrecedent(*this, fr, child);
        if (k == 1) {
            formulas[child].state = FState::Busy;
            stack.push_back({child, 0, INT_MIN, 0});
            continue;
        }
        auto circle = [&](uint32_t from) {
            // Every formula on the stack from `from` up forms the circle.
            size_t i = stack.size();
            while (i > 0 && stack[i - 1].fid != from)
                --i;
            for (size_t j = (i > 0 ? i - 1 : 0); j < stack.size(); ++j) {
                const FormulaCell& f = formulas[stack[j].fid];
                storeValue(slotRef(f.col, f.row), Value::error(ErrorCode::Circular));
                formulas[stack[j].fid].state = FState::Clean;
            }
        };
        if (k == 2) {
            circle(child);
            continue;
        }
        uint32_t fid = fr.fid;
        if (!evaluate(sheet, ev, fid)) {
            // A computed reference (OFFSET, INDIRECT) reaches a formula that is not
            // calculated yet: calculate it, then run this formula again.
            uint32_t g = ev.pending();
            if (formulas[g].state == FState::Dirty) {
                formulas[g].state = FState::Busy;
                stack.push_back({g, 0, INT_MIN, 0});
            } else {
                circle(g);
            }
            continue;
        }
        if (formulas[fid].state == FState::Busy)
            formulas[fid].state = FState::Clean;
        // `fr` may dangle if the stack grew; find the frame by position instead.
        if (!stack.empty() && stack.back().fid == fid)
            stack.pop_back();
    }
    --calculating;
    finishCalculation();
}

void SheetData::calculateDirty(Sheet& sheet) {
    // Volatile formulas make every change a recalculation of theirs.
    if (calculating > 0 || (dirty.empty() && volatiles.empty()))
        return;
    // One evaluator and one stack for the whole run: nested runs on this sheet
    // are refused while it calculates, so nothing else uses them meanwhile.
    Evaluator ev(sheet);
    std::vector<Frame> stack;
    markVolatilesDirty();
    while (!dirty.empty()) {
        std::vector<uint32_t> list;
        list.swap(dirty);
        for (uint32_t fid : list)
            if (fid < formulas.size() && formulas[fid].state == FState::Dirty)
                calculate(sheet, fid, ev, stack);
    }
}

// --- tags -----------------------------------------------------------------------

const CellRef* SheetData::findTag(std::string_view name) {
    if (!tagIndexValid) {
        tagIndex.clear();
        for (const auto& [key, a] : attrs) {
            if (a.tag.empty())
                continue;
            CellRef c{static_cast<int32_t>(key >> 32), static_cast<int32_t>(key & 0xFFFFFFFFu)};
            if (c.col < 1 || c.row < 1)
                continue; // header and corner tags are no names
            auto [it, fresh] = tagIndex.emplace(lower(a.tag), c);
            if (!fresh &&
                (c.row < it->second.row || (c.row == it->second.row && c.col < it->second.col)))
                it->second = c;
        }
        tagIndexValid = true;
    }
    auto it = tagIndex.find(lower(name));
    return it == tagIndex.end() ? nullptr : &it->second;
}

void SheetData::tagsChanged() {
    tagIndexValid = false;
    std::vector<uint32_t> users;
    for (const auto& [fid, cells] : nameDepsOf)
        users.push_back(fid);
    for (uint32_t fid : users) {
        unregisterDeps(fid);
        registerDeps(fid);
        const FormulaCell& f = formulas[fid];
        if (f.state == FState::Clean) {
            markDirty(fid);
            markDependentsDirty(f.col, f.row);
        }
    }
}

// --- options --------------------------------------------------------------------

bool SheetData::option(int n) const {
    if (n >= 0 && n < static_cast<int>(smallOptions.size()))
        return smallOptions[n] > 0;
    auto it = bigOptions.find(n);
    return it != bigOptions.end() && it->second;
}

void SheetData::setOption(int n, bool on) {
    if (n >= 0 && n < static_cast<int>(smallOptions.size()))
        smallOptions[n] = on ? 1 : -1;
    else
        bigOptions[n] = on;
}

} // namespace grid
