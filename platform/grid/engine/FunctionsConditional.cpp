// Conditional aggregates (SUMIF, SUMIFS, COUNTIF, COUNTIFS, AVERAGEIF, AVERAGEIFS,
// MAXIFS, MINIFS),
// COUNTBLANK, SUMPRODUCT and SUMSQ, with LibreOffice's criteria rules.

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

#include "platform/grid/engine/ColumnIndex.h"
#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid::fn {

namespace {

// A criterion as COUNTIF and its relatives read it. A number (or TRUE/FALSE, or an
// empty cell: 0) asks for numeric cells equal to it. A text may start with =, <>, <,
// <=, > or >=; the rest, when it reads as a number or TRUE/FALSE, compares numeric
// cells (and, for = and <>, text cells equal to it as text); when empty, = and no
// operator ask for empty cells, <> for non-empty ones; any other text compares without
// regard to case: = and <> match whole cells with wildcards against texts and the
// display of numbers, the orderings compare texts only.
class Criterion {
public:
    enum class Op { Eq, Ne, Lt, Le, Gt, Ge };

    static std::optional<Criterion> from(const EvalValue& v, ErrorCode& err) {
        Criterion c;
        switch (v.kind) {
        case EvalValue::Error:
            err = v.err;
            return std::nullopt;
        case EvalValue::Empty:
        case EvalValue::Missing:
            c.m_numeric = true;
            return c;
        case EvalValue::Number:
        case EvalValue::Bool:
            c.m_numeric = true;
            c.m_num = v.num;
            return c;
        case EvalValue::Text:
            c.parse(v.text);
            return c;
        default:
            err = ErrorCode::Value;
            return std::nullopt;
        }
    }

    bool matches(const EvalValue& cell) const {
        bool eqOrNe = m_op == Op::Eq || m_op == Op::Ne;
        if (cell.kind == EvalValue::Error)
            return false;
        if (m_numeric) {
            if (cell.kind == EvalValue::Number || cell.kind == EvalValue::Bool)
                return holds(cell.num < m_num ? -1 : (cell.num > m_num ? 1 : 0));
            if (!eqOrNe)
                return false;
            bool same =
                m_textual && cell.kind == EvalValue::Text && text::equal(cell.text, m_text, false);
            return m_op == Op::Eq ? same : !same;
        }
        if (m_emptyOperand && eqOrNe) {
            bool empty = cell.kind == EvalValue::Empty ||
                         (cell.kind == EvalValue::Text && cell.text.empty());
            return m_op == Op::Eq ? empty : !empty;
        }
        if (eqOrNe) {
            bool same = false;
            if (cell.kind == EvalValue::Text)
                same = textMatch(cell.text);
            else if (cell.kind == EvalValue::Number)
                same = textMatch(formatNumber(cell.num));
            else if (cell.kind == EvalValue::Bool)
                same = textMatch(cell.num != 0 ? "TRUE" : "FALSE");
            return m_op == Op::Eq ? same : !same;
        }
        if (cell.kind != EvalValue::Text)
            return false;
        return holds(text::collate(cell.text, m_text, false));
    }

    // Whether an empty cell meets the criterion (for the cells past the data).
    bool matchesEmpty() const { return matches(EvalValue{}); }

    // matches() on a cell of the sheet, straight from its slot where it can: numbers
    // against a numeric criterion are the common case of long scans.
    bool matchesCell(Evaluator& ev, int32_t col, int32_t row) const {
        const Slot* s = ev.data().slot(col, row);
        return s ? matchesSlot(ev, *s, col, row) : m_emptyMatch;
    }
    bool matchesSlot(Evaluator& ev, const Slot& s, int32_t col, int32_t row) const {
        if (s.type == ValueType::Empty)
            return m_emptyMatch;
        if (m_numeric && (s.type == ValueType::Number || s.type == ValueType::Boolean))
            return holds(s.num < m_num ? -1 : (s.num > m_num ? 1 : 0));
        if (s.type == ValueType::Error)
            return false;
        return matches(ev.cellValue(col, row));
    }

    void prepare() { m_emptyMatch = matchesEmpty(); }

    // The rows of an indexed column that meet the criterion, ascending, when a column
    // index answers it exactly: an equality not met by empty cells and without
    // wildcards, or a numeric ordering (met by numbers only) that picks few rows;
    // false when the column must be scanned.
    bool indexedRows(const ColumnIndex& index, std::vector<int32_t>& out) const {
        if (!indexable())
            return false;
        if (m_op != Op::Eq)
            return index.comparedRows(m_num, m_op == Op::Gt || m_op == Op::Ge,
                                      m_op == Op::Le || m_op == Op::Ge, out);
        // A number's display always reads back as a number, so a text that does not
        // (the non-numeric case) can only equal text cells.
        std::span<const int32_t> texts, numbers;
        if (m_textual)
            texts = index.textRows(text::foldKey(m_text));
        if (m_numeric)
            numbers = index.numberRows(m_num);
        out.clear();
        std::merge(numbers.begin(), numbers.end(), texts.begin(), texts.end(),
                   std::back_inserter(out));
        return true;
    }
    bool indexable() const {
        if (m_emptyMatch || m_op == Op::Ne)
            return false;
        return m_op == Op::Eq ? m_numeric || !m_wildcards : m_numeric;
    }

private:
    void parse(std::string_view s) {
        static constexpr std::pair<std::string_view, Op> kOps[] = {
            {"<=", Op::Le}, {">=", Op::Ge}, {"<>", Op::Ne},
            {"<", Op::Lt},  {">", Op::Gt},  {"=", Op::Eq},
        };
        for (const auto& [prefix, op] : kOps) {
            if (s.starts_with(prefix)) {
                m_op = op;
                s.remove_prefix(prefix.size());
                break;
            }
        }
        m_text = std::string(s);
        m_textual = true;
        double x;
        if (parseNumber(s, x)) {
            m_numeric = true;
            m_num = x;
        } else if (text::equal(trimmed(s), "TRUE", false) ||
                   text::equal(trimmed(s), "FALSE", false)) {
            m_numeric = true;
            m_num = text::equal(trimmed(s), "TRUE", false) ? 1 : 0;
        } else if (s.empty()) {
            m_emptyOperand = true;
        } else {
            m_wildcards = s.find_first_of("*?~") != std::string_view::npos;
        }
    }

    static std::string_view trimmed(std::string_view s) {
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        while (!s.empty() && s.back() == ' ')
            s.remove_suffix(1);
        return s;
    }

    bool textMatch(std::string_view cell) const {
        return m_wildcards ? text::wildcardMatch(m_text, cell) : text::equal(cell, m_text, false);
    }

    bool holds(int cmp) const {
        switch (m_op) {
        case Op::Eq:
            return cmp == 0;
        case Op::Ne:
            return cmp != 0;
        case Op::Lt:
            return cmp < 0;
        case Op::Le:
            return cmp <= 0;
        case Op::Gt:
            return cmp > 0;
        default:
            return cmp >= 0;
        }
    }

    Op m_op = Op::Eq;
    bool m_emptyMatch = false;
    bool m_numeric = false, m_textual = false, m_emptyOperand = false, m_wildcards = false;
    double m_num = 0;
    std::string m_text;
};

// Number of leading rows of `r` (relative) that can hold data; rows below are empty in
// every column, so the scans below stop there and count the rest at once.
int64_t usedHeight(Evaluator& ev, const CellRange& r) {
    const SheetData& d = ev.data();
    int64_t used = 0;
    for (int32_t c = r.col1; c <= r.col2 && static_cast<size_t>(c) < d.cols.size(); ++c) {
        if (c < 0)
            continue;
        int64_t last = std::min<int64_t>(r.row2, static_cast<int64_t>(d.cols[c].slots.size()) - 1);
        used = std::max(used, last - r.row1 + 1);
    }
    return used;
}

// Number of leading columns of `r` (relative) that can hold data.
int64_t usedWidth(Evaluator& ev, const CellRange& r) {
    const int64_t cols = static_cast<int64_t>(ev.data().cols.size());
    return std::clamp<int64_t>(cols - r.col1, 0, int64_t{r.col2} - r.col1 + 1);
}

struct Block {
    CellRange range;
    int64_t width() const { return int64_t{range.col2} - range.col1 + 1; }
    int64_t height() const { return int64_t{range.row2} - range.row1 + 1; }
};

struct Pair {
    Block block;
    Criterion criterion;
};

// Reads "range, criterion" pairs from a[first...]; all ranges of the same size as
// `shape` (when given). False with the error set in r.
bool readPairs(Evaluator& ev, EvalValue* a, int n, int first, std::vector<Pair>& out,
               std::optional<Block> shape, EvalValue& r) {
    if ((n - first) % 2 != 0)
        return setError(r, ErrorCode::Value), false;
    for (int i = first; i + 1 < n; i += 2) {
        if (a[i].kind != EvalValue::Ref)
            return setError(r, a[i].kind == EvalValue::Error ? a[i].err : ErrorCode::Value), false;
        Block b{a[i].range};
        if (!shape)
            shape = b;
        if (b.width() != shape->width() || b.height() != shape->height())
            return setError(r, ErrorCode::Value), false;
        ErrorCode err = ErrorCode::None;
        std::optional<Criterion> c = Criterion::from(ev.scalar(a[i + 1]), err);
        if (!c)
            return setError(r, err), false;
        c->prepare();
        out.push_back({b, std::move(*c)});
    }
    return true;
}

// One-column criteria one of which an index answers: visits only the rows of the
// first such criterion's matches (in order, as a scan would), with take(0, dy, i)
// checking the others. False when there is no such criterion or no index yet.
template <class Take>
bool indexedTally(Evaluator& ev, const std::vector<Pair>& pairs, int64_t used, Take& take) {
    for (size_t i = 0; i < pairs.size(); ++i) {
        const Criterion& c = pairs[i].criterion;
        if (!c.indexable())
            continue;
        const CellRange& g = pairs[i].block.range;
        const ColumnIndex* index = ev.data().columnIndexes.find(ev.data(), g.col1);
        std::vector<int32_t> rows;
        if (!index || !c.indexedRows(*index, rows))
            continue;
        // Rows past `used` are empty in every block: none of them matches.
        auto first = std::lower_bound(rows.begin(), rows.end(), g.row1);
        auto last = std::lower_bound(first, rows.end(), g.row1 + used);
        for (auto it = first; it != last; ++it)
            if (!take(0, *it - g.row1, i))
                return true;
        return true;
    }
    return false;
}

struct Tally {
    double count = 0;
    std::vector<double> numbers;
    ErrorCode err = ErrorCode::None;
};

// Visits every position of the pairs' common shape where all criteria hold: counts it
// and, with a value block, takes that block's number there (text and empty skipped).
Tally tally(Evaluator& ev, const std::vector<Pair>& pairs, const Block* values) {
    Tally t;
    const int64_t w = pairs.front().block.width(), h = pairs.front().block.height();
    int64_t used = 0, usedW = 0;
    for (const Pair& p : pairs) {
        used = std::max(used, usedHeight(ev, p.block.range));
        usedW = std::max(usedW, usedWidth(ev, p.block.range));
    }
    if (values) {
        used = std::max(used, usedHeight(ev, values->range));
        usedW = std::max(usedW, usedWidth(ev, values->range));
    }
    used = std::min(used, h);
    usedW = std::min(usedW, w);
    // The position (dx, dy) meets criterion `known`: count it and take its value when
    // it meets the others too.
    auto take = [&](int64_t dx, int64_t dy, size_t known) {
        for (size_t i = 0; i < pairs.size(); ++i) {
            const Pair& p = pairs[i];
            if (i == known)
                continue;
            if (!p.criterion.matchesCell(ev, p.block.range.col1 + static_cast<int32_t>(dx),
                                         p.block.range.row1 + static_cast<int32_t>(dy)))
                return true;
        }
        t.count += 1;
        if (!values)
            return true;
        const Slot* v = ev.data().slot(values->range.col1 + static_cast<int32_t>(dx),
                                       values->range.row1 + static_cast<int32_t>(dy));
        if (!v)
            return true;
        if (v->type == ValueType::Error) {
            t.err = static_cast<ErrorCode>(v->aux);
            return false;
        }
        if (v->type == ValueType::Number || v->type == ValueType::Boolean)
            t.numbers.push_back(v->num);
        return true;
    };
    if (w == 1 && indexedTally(ev, pairs, used, take))
        return t;
    if (usedW == 1) {
        // One column: the first criterion straight over its slots, the rest only
        // where it holds.
        const Pair& first = pairs.front();
        const SheetData& d = ev.data();
        const int32_t c = first.block.range.col1, r0 = first.block.range.row1;
        const std::vector<Slot>* slots =
            c >= 0 && static_cast<size_t>(c) < d.cols.size() ? &d.cols[c].slots : nullptr;
        const int64_t stored = slots ? static_cast<int64_t>(slots->size()) : 0;
        for (int64_t dy = 0; dy < used; ++dy) {
            int64_t row = r0 + dy;
            bool ok = row < stored ? first.criterion.matchesSlot(ev, (*slots)[row], c,
                                                                 static_cast<int32_t>(row))
                                   : first.criterion.matchesEmpty();
            if (ok && !take(0, dy, 0))
                return t;
        }
    } else {
        for (int64_t dy = 0; dy < used; ++dy)
            for (int64_t dx = 0; dx < usedW; ++dx)
                if (!take(dx, dy, pairs.size()))
                    return t;
    }
    bool emptyMatches = true;
    for (const Pair& p : pairs)
        emptyMatches = emptyMatches && p.criterion.matchesEmpty();
    if (emptyMatches)
        t.count += static_cast<double>(h * w - used * usedW);
    return t;
}

enum class Aggregate { Sum, Count, Average, Max, Min };

void finish(const Tally& t, Aggregate kind, EvalValue& r) {
    if (t.err != ErrorCode::None)
        return setError(r, t.err);
    switch (kind) {
    case Aggregate::Count:
        return setNumber(r, t.count);
    case Aggregate::Sum:
        return setNumber(r, sumCompensated(t.numbers));
    case Aggregate::Average:
        if (t.numbers.empty())
            return setError(r, ErrorCode::Div0);
        return setNumber(r, sumCompensated(t.numbers) / static_cast<double>(t.numbers.size()));
    case Aggregate::Max:
        return setNumber(
            r, t.numbers.empty() ? 0 : *std::max_element(t.numbers.begin(), t.numbers.end()));
    case Aggregate::Min:
        return setNumber(
            r, t.numbers.empty() ? 0 : *std::min_element(t.numbers.begin(), t.numbers.end()));
    }
}

// SUMIF(range; criterion; [sum range]) and AVERAGEIF: the sum range takes the size of
// the range from its own top left cell.
void singleCriterion(Evaluator& ev, EvalValue* a, int n, EvalValue& r, Aggregate kind) {
    std::vector<Pair> pairs;
    if (!readPairs(ev, a, 2, 0, pairs, std::nullopt, r))
        return;
    Block values = pairs.front().block;
    if (n > 2 && a[2].kind != EvalValue::Missing) {
        if (a[2].kind != EvalValue::Ref)
            return setError(r, a[2].kind == EvalValue::Error ? a[2].err : ErrorCode::Value);
        CellRange v = a[2].range;
        v.col2 =
            static_cast<int32_t>(std::min<int64_t>(v.col1 + values.width() - 1, Sheet::kLimitCols));
        v.row2 = static_cast<int32_t>(
            std::min<int64_t>(v.row1 + values.height() - 1, Sheet::kLimitRows));
        values.range = v;
    }
    finish(tally(ev, pairs, &values), kind, r);
}

// SUMIFS(sum range; range1; criterion1; ...), AVERAGEIFS, COUNTIFS(range1; criterion1; ...).
void manyCriteria(Evaluator& ev, EvalValue* a, int n, EvalValue& r, Aggregate kind) {
    std::vector<Pair> pairs;
    if (kind == Aggregate::Count) {
        if (!readPairs(ev, a, n, 0, pairs, std::nullopt, r))
            return;
        return finish(tally(ev, pairs, nullptr), kind, r);
    }
    if (a[0].kind != EvalValue::Ref)
        return setError(r, a[0].kind == EvalValue::Error ? a[0].err : ErrorCode::Value);
    Block values{a[0].range};
    if (!readPairs(ev, a, n, 1, pairs, values, r))
        return;
    finish(tally(ev, pairs, &values), kind, r);
}

} // namespace

void fnSumIf(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    singleCriterion(ev, a, n, r, Aggregate::Sum);
}
void fnAverageIf(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    singleCriterion(ev, a, n, r, Aggregate::Average);
}
void fnCountIf(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<Pair> pairs;
    if (readPairs(ev, a, n, 0, pairs, std::nullopt, r))
        finish(tally(ev, pairs, nullptr), Aggregate::Count, r);
}
void fnSumIfs(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    manyCriteria(ev, a, n, r, Aggregate::Sum);
}
void fnAverageIfs(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    manyCriteria(ev, a, n, r, Aggregate::Average);
}
void fnCountIfs(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    manyCriteria(ev, a, n, r, Aggregate::Count);
}
void fnMaxIfs(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    manyCriteria(ev, a, n, r, Aggregate::Max);
}
void fnMinIfs(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    manyCriteria(ev, a, n, r, Aggregate::Min);
}

void fnCountBlank(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    if (a[0].kind != EvalValue::Ref)
        return setError(r, a[0].kind == EvalValue::Error ? a[0].err : ErrorCode::Value);
    ErrorCode err = ErrorCode::None;
    Criterion blank = *Criterion::from(EvalValue::textValue(""), err);
    blank.prepare();
    std::vector<Pair> pairs{{Block{a[0].range}, std::move(blank)}};
    finish(tally(ev, pairs, nullptr), Aggregate::Count, r);
}

// SUMPRODUCT(array1; ...): blocks of one size, multiplied position by position; text
// and empty cells count 0, booleans in cells 1/0, a single value is a 1x1 block.
void fnSumProduct(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    int64_t w = 1, h = 1;
    auto block = [](const EvalValue& v) {
        return v.kind == EvalValue::Ref || v.kind == EvalValue::Transposed;
    };
    for (int i = 0; i < n; ++i) {
        if (a[i].kind == EvalValue::Error)
            return setError(r, a[i].err);
        int64_t aw = block(a[i]) ? a[i].columns() : 1;
        int64_t ah = block(a[i]) ? a[i].rows() : 1;
        if (i == 0) {
            w = aw;
            h = ah;
        } else if (aw != w || ah != h) {
            return setError(r, ErrorCode::Value);
        }
    }
    // Positions past the data of every block multiply to 0: skipped.
    int64_t used = h, usedW = w;
    bool anyRef = false;
    for (int i = 0; i < n; ++i) {
        if (!block(a[i]))
            continue;
        int64_t uh = usedHeight(ev, a[i].range), uw = usedWidth(ev, a[i].range);
        if (a[i].kind == EvalValue::Transposed)
            std::swap(uh, uw);
        used = anyRef ? std::max(used, uh) : uh;
        usedW = anyRef ? std::max(usedW, uw) : uw;
        anyRef = true;
    }
    std::vector<double> terms;
    for (int64_t dy = 0; dy < used; ++dy) {
        for (int64_t dx = 0; dx < usedW; ++dx) {
            double p = 1;
            for (int i = 0; i < n; ++i) {
                EvalValue v = a[i];
                if (block(a[i])) {
                    CellRef c = a[i].at(dx, dy);
                    v = ev.cellValue(c.col, c.row);
                }
                if (v.kind == EvalValue::Error)
                    return setError(r, v.err);
                if (v.kind == EvalValue::Number || v.kind == EvalValue::Bool) {
                    p *= v.num;
                } else if (v.kind == EvalValue::Text && !block(a[i])) {
                    double x;
                    p *= parseNumber(v.text, x) ? x : 0;
                } else {
                    p = 0;
                }
            }
            terms.push_back(p);
        }
    }
    setNumber(r, sumCompensated(terms));
}

void fnSumSq(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, n, v, err))
        return setError(r, err);
    for (double& x : v)
        x *= x;
    setNumber(r, sumCompensated(v));
}

} // namespace grid::fn
