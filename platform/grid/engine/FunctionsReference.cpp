// References and look-ups: ROW, ROWS, COLUMN, COLUMNS, OFFSET, INDIRECT, ADDRESS,
// LOOKUP, XLOOKUP, XMATCH. OFFSET and INDIRECT compute their references while the
// formula runs (Evaluator::computedReference) and are volatile.

#include <cmath>

#include "platform/grid/engine/FormulaParser.h"
#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid::fn {

namespace {

EvalValue reference(const CellRange& g) {
    EvalValue e;
    e.kind = EvalValue::Ref;
    e.range = g;
    return e;
}

bool refArg(const EvalValue& v, CellRange& g, EvalValue& r) {
    if (v.kind == EvalValue::Ref) {
        g = v.range;
        return true;
    }
    setError(r, v.kind == EvalValue::Error ? v.err : ErrorCode::Value);
    return false;
}

// The cells of a one-row or one-column block in order.
struct Line {
    CellRange g;
    bool vertical;
    int64_t size() const {
        return vertical ? int64_t{g.row2} - g.row1 + 1 : int64_t{g.col2} - g.col1 + 1;
    }
    int32_t col(int64_t i) const { return vertical ? g.col1 : g.col1 + static_cast<int32_t>(i); }
    int32_t row(int64_t i) const { return vertical ? g.row1 + static_cast<int32_t>(i) : g.row1; }
};

// Number of leading entries of the line that can hold data.
int64_t usedLength(Evaluator& ev, const Line& l) {
    if (!l.vertical)
        return std::min<int64_t>(
            l.size(), std::max<int64_t>(0, static_cast<int64_t>(ev.data().cols.size()) - l.g.col1));
    if (static_cast<size_t>(l.g.col1) >= ev.data().cols.size())
        return 0;
    return std::clamp<int64_t>(
        static_cast<int64_t>(ev.data().cols[l.g.col1].slots.size()) - l.g.row1, 0, l.size());
}

// XMATCH/XLOOKUP search: matchMode 0 exact, -1 exact or next smaller, 1 exact or
// next larger, 2 wildcards; searchMode 1 first to last, -1 last to first (the
// binary modes 2/-2 search the same way: on sorted data they find the same entry).
int64_t xsearch(Evaluator& ev, const EvalValue& key, const Line& l, int matchMode, int searchMode) {
    const int64_t used = usedLength(ev, l);
    int64_t best = -1;
    EvalValue bestValue;
    const bool backwards = searchMode == -1 || searchMode == -2;
    for (int64_t k = 0; k < used; ++k) {
        int64_t i = backwards ? used - 1 - k : k;
        EvalValue v = ev.cellValue(l.col(i), l.row(i));
        if (v.kind == EvalValue::Empty || v.kind == EvalValue::Error)
            continue;
        bool sameClass = (v.kind == EvalValue::Text) == (key.kind == EvalValue::Text);
        if (!sameClass)
            continue;
        if (matchMode == 2 && key.kind == EvalValue::Text) {
            if (text::wildcardMatch(key.text, v.text))
                return i;
            continue;
        }
        int cmp = compareValues(v, key, false);
        if (cmp == 0)
            return i;
        if (matchMode == -1 && cmp < 0 && (best < 0 || compareValues(v, bestValue, false) > 0)) {
            best = i;
            bestValue = v;
        } else if (matchMode == 1 && cmp > 0 &&
                   (best < 0 || compareValues(v, bestValue, false) < 0)) {
            best = i;
            bestValue = v;
        }
    }
    return best;
}

bool xmodes(Evaluator& ev, EvalValue* a, int n, int first, int& matchMode, int& searchMode,
            EvalValue& r) {
    double m, s;
    if (!argNumberOr(ev, a, n, first, 0, m, r) || !argNumberOr(ev, a, n, first + 1, 1, s, r))
        return false;
    matchMode = static_cast<int>(m);
    searchMode = static_cast<int>(s);
    if (matchMode < -1 || matchMode > 2 || m != matchMode ||
        !(searchMode == 1 || searchMode == -1 || searchMode == 2 || searchMode == -2))
        return setError(r, ErrorCode::Value), false;
    return true;
}

} // namespace

void fnRow(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    CellRange g;
    if (n == 0 || a[0].kind == EvalValue::Missing)
        return setNumber(r, ev.row());
    if (refArg(a[0], g, r))
        setNumber(r, g.row1);
}
void fnColumn(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    CellRange g;
    if (n == 0 || a[0].kind == EvalValue::Missing)
        return setNumber(r, ev.col());
    if (refArg(a[0], g, r))
        setNumber(r, g.col1);
}
void fnRows(Evaluator&, EvalValue* a, int, EvalValue& r) {
    CellRange g;
    if (a[0].kind == EvalValue::Transposed || refArg(a[0], g, r))
        setNumber(r, static_cast<double>(a[0].rows()));
}
void fnColumns(Evaluator&, EvalValue* a, int, EvalValue& r) {
    CellRange g;
    if (a[0].kind == EvalValue::Transposed || refArg(a[0], g, r))
        setNumber(r, static_cast<double>(a[0].columns()));
}

// TRANSPOSE(block): the block with rows and columns swapped, for the functions that
// take one (a single value stays itself; twice transposed is the block again).
void fnTranspose(Evaluator&, EvalValue* a, int, EvalValue& r) {
    r = a[0];
    if (r.kind == EvalValue::Ref && !r.isSingleCell())
        r.kind = EvalValue::Transposed;
    else if (r.kind == EvalValue::Transposed)
        r.kind = EvalValue::Ref;
    else if (r.kind == EvalValue::Missing)
        setError(r, ErrorCode::Value);
}

void fnOffset(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    CellRange g;
    double dr, dc, h, w;
    if (!refArg(a[0], g, r) || !argNumber(ev, a[1], dr, r) || !argNumber(ev, a[2], dc, r) ||
        !argNumberOr(ev, a, n, 3, g.row2 - g.row1 + 1, h, r) ||
        !argNumberOr(ev, a, n, 4, g.col2 - g.col1 + 1, w, r))
        return;
    dr = std::trunc(dr);
    dc = std::trunc(dc);
    h = std::trunc(h);
    w = std::trunc(w);
    if (h == 0 || w == 0)
        return setError(r, ErrorCode::Ref);
    if (h < 0 || w < 0)
        return setError(r, ErrorCode::Num);
    // Far outside the sheet stays in range of the arithmetic below.
    const double lim = 4.0 * Sheet::kLimitRows;
    if (std::fabs(dr) > lim || std::fabs(dc) > lim || std::fabs(h) > lim || std::fabs(w) > lim)
        return setError(r, ErrorCode::Ref);
    double r1 = g.row1 + dr, c1 = g.col1 + dc;
    double r2 = r1 + h + (h > 0 ? -1 : 1), c2 = c1 + w + (w > 0 ? -1 : 1);
    CellRange out{static_cast<int32_t>(std::min(c1, c2)), static_cast<int32_t>(std::min(r1, r2)),
                  static_cast<int32_t>(std::max(c1, c2)), static_cast<int32_t>(std::max(r1, r2))};
    if (std::min(c1, c2) < 1 || std::min(r1, r2) < 1 || std::max(c1, c2) > Sheet::kLimitCols ||
        std::max(r1, r2) > Sheet::kLimitRows || !ev.computedReference(out))
        return setError(r, ErrorCode::Ref);
    r = reference(out);
}

void fnIndirect(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::string ref;
    bool a1 = true;
    if (!argText(ev, a[0], ref, r))
        return;
    if (given(a, n, 1) && !argBool(ev, a[1], a1, r))
        return;
    if (ref.empty() || ref.size() > 64)
        return setError(r, ErrorCode::Ref);
    FormulaCode code;
    FormulaParser parser;
    if (!parser.parse(ref, a1 ? RefStyle::A1 : RefStyle::R1C1, ev.col(), ev.row(), code).ok ||
        code.tokens.size() != 1)
        return setError(r, ErrorCode::Ref);
    const Token& t = code.tokens[0];
    CellRange g;
    if (t.op == Op::Ref) {
        int32_t c = resolvePart(t.a, t.flags & kColAbs, ev.col()),
                rr = resolvePart(t.b, t.flags & kRowAbs, ev.row());
        g = {c, rr, c, rr};
    } else if (t.op == Op::Range) {
        int32_t c1 = resolvePart(t.a, t.flags & kColAbs, ev.col()),
                r1 = resolvePart(t.b, t.flags & kRowAbs, ev.row()),
                c2 = resolvePart(t.c, t.flags & kCol2Abs, ev.col()),
                r2 = resolvePart(t.d, t.flags & kRow2Abs, ev.row());
        g = {std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2)};
    } else if (t.op == Op::Name) {
        const CellRef* cell = ev.data().findTag(code.strings[t.a]);
        if (!cell)
            return setError(r, ErrorCode::Ref);
        g = {cell->col, cell->row, cell->col, cell->row};
    } else {
        return setError(r, ErrorCode::Ref);
    }
    if (!ev.computedReference(g))
        return setError(r, ErrorCode::Ref);
    r = reference(g);
}

void fnAddress(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double rowD, colD, absD;
    bool a1 = true;
    std::string sheet;
    if (!argNumber(ev, a[0], rowD, r) || !argNumber(ev, a[1], colD, r) ||
        !argNumberOr(ev, a, n, 2, 1, absD, r))
        return;
    if (given(a, n, 3) && !argBool(ev, a[3], a1, r))
        return;
    if (given(a, n, 4) && !argText(ev, a[4], sheet, r))
        return;
    int64_t row = static_cast<int64_t>(std::trunc(rowD)),
            col = static_cast<int64_t>(std::trunc(colD));
    int kind = static_cast<int>(std::trunc(absD));
    if (kind >= 5 && kind <= 8)
        kind -= 4; // the same four kinds once more
    if (kind < 1 || kind > 4 || std::fabs(rowD) > 1e9 || std::fabs(colD) > 1e9)
        return setError(r, ErrorCode::Value);
    bool rowAbs = kind == 1 || kind == 2, colAbs = kind == 1 || kind == 3;
    std::string out;
    if (a1) {
        if (row < 1 || col < 1 || row > Sheet::kLimitRows || col > Sheet::kLimitCols)
            return setError(r, ErrorCode::Value);
        out = (colAbs ? "$" : "") + columnLetters(static_cast<int32_t>(col)) + (rowAbs ? "$" : "") +
              std::to_string(row);
    } else {
        if ((rowAbs && row < 1) || (colAbs && col < 1))
            return setError(r, ErrorCode::Value);
        out = "R" + (rowAbs ? std::to_string(row) : "[" + std::to_string(row) + "]") + "C" +
              (colAbs ? std::to_string(col) : "[" + std::to_string(col) + "]");
    }
    if (!sheet.empty())
        out = sheet + "!" + out;
    setText(r, std::move(out));
}

void fnLookup(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    EvalValue key = ev.scalar(a[0]);
    if (key.kind == EvalValue::Error)
        return setError(r, key.err);
    CellRange g;
    if (!refArg(a[1], g, r))
        return;
    if (key.kind == EvalValue::Empty)
        return setError(r, ErrorCode::NA);
    // Without a result vector a block is searched along its longer side and the
    // result comes from its last row or column.
    int64_t h = int64_t{g.row2} - g.row1 + 1, w = int64_t{g.col2} - g.col1 + 1;
    bool vertical = h >= w;
    Line search{g, vertical};
    if (vertical)
        search.g.col2 = g.col1;
    else
        search.g.row2 = g.row1;
    // The largest entry not above the key, the data taken as sorted ascending.
    const int64_t used = usedLength(ev, search);
    int64_t found = -1;
    for (int64_t i = 0; i < used; ++i) {
        EvalValue v = ev.cellValue(search.col(i), search.row(i));
        if (v.kind == EvalValue::Empty || v.kind == EvalValue::Error)
            continue;
        if ((v.kind == EvalValue::Text) != (key.kind == EvalValue::Text))
            continue;
        if (compareValues(v, key, false) <= 0)
            found = i;
        else
            break;
    }
    if (found < 0)
        return setError(r, ErrorCode::NA);
    if (given(a, n, 2)) {
        CellRange res;
        if (!refArg(a[2], res, r))
            return;
        bool resVertical = res.row2 - res.row1 >= res.col2 - res.col1;
        int32_t c = resVertical ? res.col1 : res.col1 + static_cast<int32_t>(found);
        int32_t rr = resVertical ? res.row1 + static_cast<int32_t>(found) : res.row1;
        if (c > Sheet::kLimitCols || rr > Sheet::kLimitRows)
            return setError(r, ErrorCode::NA);
        r = reference({c, rr, c, rr});
        return;
    }
    int32_t c = vertical ? g.col2 : g.col1 + static_cast<int32_t>(found);
    int32_t rr = vertical ? g.row1 + static_cast<int32_t>(found) : g.row2;
    r = reference({c, rr, c, rr});
}

void fnXmatch(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    EvalValue key = ev.scalar(a[0]);
    if (key.kind == EvalValue::Error)
        return setError(r, key.err);
    CellRange g;
    int matchMode, searchMode;
    if (!refArg(a[1], g, r) || !xmodes(ev, a, n, 2, matchMode, searchMode, r))
        return;
    if (g.col1 != g.col2 && g.row1 != g.row2)
        return setError(r, ErrorCode::Value);
    int64_t i = xsearch(ev, key, Line{g, g.col1 == g.col2}, matchMode, searchMode);
    if (i < 0)
        return setError(r, ErrorCode::NA);
    setNumber(r, static_cast<double>(i + 1));
}

void fnXlookup(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    EvalValue key = ev.scalar(a[0]);
    if (key.kind == EvalValue::Error)
        return setError(r, key.err);
    CellRange look, ret;
    int matchMode, searchMode;
    if (!refArg(a[1], look, r) || !refArg(a[2], ret, r) ||
        !xmodes(ev, a, n, 4, matchMode, searchMode, r))
        return;
    if (look.col1 != look.col2 && look.row1 != look.row2)
        return setError(r, ErrorCode::Value);
    bool vertical = look.col1 == look.col2 && look.row1 != look.row2;
    if (look.col1 == look.col2 && look.row1 == look.row2)
        vertical = ret.row1 == ret.row2 ? false : true;
    Line line{look, vertical};
    int64_t along = vertical ? int64_t{ret.row2} - ret.row1 + 1 : int64_t{ret.col2} - ret.col1 + 1;
    if (along != line.size())
        return setError(r, ErrorCode::Value);
    int64_t i = xsearch(ev, key, line, matchMode, searchMode);
    if (i < 0) {
        if (given(a, n, 3)) {
            r = std::move(a[3]);
            return;
        }
        return setError(r, ErrorCode::NA);
    }
    // The matching row (or column) of the result block, as a reference.
    CellRange out = ret;
    if (vertical)
        out.row1 = out.row2 = ret.row1 + static_cast<int32_t>(i);
    else
        out.col1 = out.col2 = ret.col1 + static_cast<int32_t>(i);
    r = reference(out);
}

} // namespace grid::fn
