// CHOOSE, INDEX, MATCH, VLOOKUP, HLOOKUP.

#include <cmath>

#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid::fn {

namespace {

bool num(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (ev.toNumber(v, out, err))
        return true;
    setError(r, err);
    return false;
}

bool hasWildcards(const std::string& s) {
    return s.find_first_of("*?~") != std::string::npos;
}

// Position (0-based) of `key` in the cells of a one-dimensional block; -1 when absent.
// mode 0 exact, 1 largest <= key (ascending data), -1 smallest >= key (descending data).
int64_t lookup(Evaluator& ev, const EvalValue& key, const CellRange& block, bool vertical,
               int mode) {
    int64_t count = vertical ? block.row2 - block.row1 + 1 : block.col2 - block.col1 + 1;
    int64_t found = -1;
    for (int64_t i = 0; i < count; ++i) {
        int32_t c = vertical ? block.col1 : block.col1 + static_cast<int32_t>(i);
        int32_t rr = vertical ? block.row1 + static_cast<int32_t>(i) : block.row1;
        if (vertical && static_cast<size_t>(c) < ev.data().cols.size() &&
            static_cast<size_t>(rr) >= ev.data().cols[c].slots.size())
            break; // nothing further down this column
        EvalValue v = ev.cellValue(c, rr);
        if (v.kind == EvalValue::Empty || v.kind == EvalValue::Error)
            continue;
        if (mode == 0) {
            if (key.kind == EvalValue::Text && v.kind == EvalValue::Text &&
                hasWildcards(key.text)) {
                if (text::wildcardMatch(key.text, v.text))
                    return i;
            } else if (compareValues(v, key, false) == 0 &&
                       (v.kind == EvalValue::Text) == (key.kind == EvalValue::Text)) {
                return i;
            }
            continue;
        }
        bool sameClass = (v.kind == EvalValue::Text) == (key.kind == EvalValue::Text);
        if (!sameClass)
            continue;
        int cmp = compareValues(v, key, false);
        if (mode > 0) {
            if (cmp <= 0)
                found = i;
            else
                break;
        } else {
            if (cmp >= 0)
                found = i;
            else
                break;
        }
    }
    return found;
}

} // namespace

void fnChoose(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double i;
    if (!num(ev, a[0], i, r))
        return;
    int64_t k = static_cast<int64_t>(std::trunc(i));
    if (k < 1 || k >= n)
        return setError(r, ErrorCode::Value);
    r = a[k].kind == EvalValue::Missing ? EvalValue::number(0) : std::move(a[k]);
}

void fnIndex(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double rowD = 0, colD = 0;
    if (n > 1 && a[1].kind != EvalValue::Missing && !num(ev, a[1], rowD, r))
        return;
    if (n > 2 && a[2].kind != EvalValue::Missing && !num(ev, a[2], colD, r))
        return;
    const bool transposed = a[0].kind == EvalValue::Transposed;
    if (a[0].kind != EvalValue::Ref && !transposed) {
        if (a[0].kind == EvalValue::Error)
            return setError(r, a[0].err);
        if (rowD > 1 || colD > 1 || rowD < 0 || colD < 0)
            return setError(r, ErrorCode::Ref);
        r = ev.scalar(a[0]);
        return;
    }
    int64_t row = static_cast<int64_t>(rowD), col = static_cast<int64_t>(colD);
    if (row < 0 || col < 0)
        return setError(r, ErrorCode::Value);
    const int64_t h = a[0].rows(), w = a[0].columns();
    // A single row takes one index as its column.
    if (n == 2 && h == 1 && w != 1) {
        col = row;
        row = 0;
    }
    if (row > h || col > w)
        return setError(r, ErrorCode::Ref);
    if (col == 0 && w == 1)
        col = 1;
    if (row == 0 && h == 1)
        row = 1;
    // A whole row or column of a transposed block is a transposed column or row of
    // the block; one cell is a plain reference.
    EvalValue ref = a[0];
    const CellRange& b = a[0].range;
    int32_t &row1 = transposed ? ref.range.col1 : ref.range.row1,
            &row2 = transposed ? ref.range.col2 : ref.range.row2,
            &col1 = transposed ? ref.range.row1 : ref.range.col1,
            &col2 = transposed ? ref.range.row2 : ref.range.col2;
    if (row > 0)
        row1 = row2 = (transposed ? b.col1 : b.row1) + static_cast<int32_t>(row) - 1;
    if (col > 0)
        col1 = col2 = (transposed ? b.row1 : b.col1) + static_cast<int32_t>(col) - 1;
    if (ref.range.col1 == ref.range.col2 && ref.range.row1 == ref.range.row2)
        ref.kind = EvalValue::Ref;
    r = std::move(ref);
}

void fnMatch(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    EvalValue key = ev.scalar(a[0]);
    if (key.kind == EvalValue::Error)
        return setError(r, key.err);
    double modeD = 1;
    if (n > 2 && a[2].kind != EvalValue::Missing && !num(ev, a[2], modeD, r))
        return;
    int mode = modeD > 0 ? 1 : (modeD < 0 ? -1 : 0);
    if (a[1].kind != EvalValue::Ref) {
        if (a[1].kind == EvalValue::Error)
            return setError(r, a[1].err);
        return setError(r, ErrorCode::NA);
    }
    const CellRange& b = a[1].range;
    if (b.col1 != b.col2 && b.row1 != b.row2)
        return setError(r, ErrorCode::NA);
    if (key.kind == EvalValue::Empty)
        return setError(r, ErrorCode::NA);
    int64_t i = lookup(ev, key, b, b.col1 == b.col2, mode);
    if (i < 0)
        return setError(r, ErrorCode::NA);
    setNumber(r, static_cast<double>(i + 1));
}

static void tableLookup(Evaluator& ev, EvalValue* a, int n, EvalValue& r, bool vertical) {
    EvalValue key = ev.scalar(a[0]);
    if (key.kind == EvalValue::Error)
        return setError(r, key.err);
    double idxD;
    if (!num(ev, a[2], idxD, r))
        return;
    bool approx = true;
    if (n > 3 && a[3].kind != EvalValue::Missing) {
        ErrorCode err = ErrorCode::None;
        if (!ev.toBool(a[3], approx, err))
            return setError(r, err);
    }
    if (a[1].kind != EvalValue::Ref) {
        if (a[1].kind == EvalValue::Error)
            return setError(r, a[1].err);
        return setError(r, ErrorCode::NA);
    }
    const CellRange& b = a[1].range;
    int64_t idx = static_cast<int64_t>(std::trunc(idxD));
    if (idx < 1)
        return setError(r, ErrorCode::Value);
    int64_t extent = vertical ? b.col2 - b.col1 + 1 : b.row2 - b.row1 + 1;
    if (idx > extent)
        return setError(r, ErrorCode::Ref);
    if (key.kind == EvalValue::Empty)
        return setError(r, ErrorCode::NA);
    CellRange first = b;
    if (vertical)
        first.col2 = b.col1;
    else
        first.row2 = b.row1;
    int64_t i = lookup(ev, key, first, vertical, approx ? 1 : 0);
    if (i < 0)
        return setError(r, ErrorCode::NA);
    int32_t c =
        vertical ? b.col1 + static_cast<int32_t>(idx) - 1 : b.col1 + static_cast<int32_t>(i);
    int32_t rr =
        vertical ? b.row1 + static_cast<int32_t>(i) : b.row1 + static_cast<int32_t>(idx) - 1;
    r = ev.cellValue(c, rr);
    if (r.kind == EvalValue::Empty)
        r = EvalValue::number(0);
}

// A transposed table is looked up across where the block itself is looked up down.
void fnVlookup(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    const bool across = a[1].kind == EvalValue::Transposed;
    a[1].kind = across ? EvalValue::Ref : a[1].kind;
    tableLookup(ev, a, n, r, !across);
}
void fnHlookup(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    const bool down = a[1].kind == EvalValue::Transposed;
    a[1].kind = down ? EvalValue::Ref : a[1].kind;
    tableLookup(ev, a, n, r, down);
}

} // namespace grid::fn
