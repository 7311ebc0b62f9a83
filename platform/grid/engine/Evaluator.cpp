#include "platform/grid/engine/Evaluator.h"

#include <cctype>
#include <cmath>

#include "platform/grid/engine/Functions.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid {

namespace {

bool opIsArith(Op op) {
    return op >= Op::Add && op <= Op::Pow;
}

bool validCell(int32_t c, int32_t r) {
    return c >= 1 && r >= 1 && c <= Sheet::kLimitCols && r <= Sheet::kLimitRows;
}

// Booleans are numbers that show as TRUE/FALSE, so they order with numbers.
int typeRank(const EvalValue& v) {
    return v.kind == EvalValue::Text ? 1 : 0;
}

// Texts equal by the rules of `=` (or of exact look-ups) compare 0; others in the
// collation's order, ties in it broken by code point so that only equal texts are 0.
int compareText(const std::string& a, const std::string& b, bool caseSensitive) {
    if (text::equal(a, b, caseSensitive))
        return 0;
    int c = text::collate(a, b, caseSensitive);
    if (c != 0)
        return c;
    return a < b ? -1 : 1;
}

// a+b and a-b that give 0 where the operands cancel up to rounding noise
// (0.1+0.2-0.3 is 0, as a person computing in decimals expects).
bool approxEqual(double a, double b) {
    if (a == b)
        return true;
    if (a == 0 || b == 0)
        return false;
    const double e48 = 1.0 / (16777216.0 * 16777216.0);
    double d = std::fabs(a - b);
    return std::isfinite(d) && d < std::fabs(a) * e48 && d < std::fabs(b) * e48;
}

} // namespace

std::string toUpperAscii(std::string s) {
    for (auto& c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

double approxAdd(double a, double b) {
    if (((a < 0 && b > 0) || (b < 0 && a > 0)) && approxEqual(a, -b))
        return 0;
    return a + b;
}

double approxSub(double a, double b) {
    if (((a < 0 && b < 0) || (a > 0 && b > 0)) && approxEqual(a, b))
        return 0;
    return a - b;
}

double power(double x, double y, ErrorCode& err) {
    err = ErrorCode::None;
    if (x == 0 && y == 0)
        return 1;
    if (x == 0 && y < 0) {
        err = ErrorCode::Num;
        return 0;
    }
    if (x < 0 && y != std::floor(y)) {
        // An odd root of a negative number is real: (-8)^(1/3) = -2.
        double inv = 1 / y;
        if (std::fabs(inv - std::round(inv)) < 1e-10 && std::fmod(std::round(inv), 2) != 0)
            return -std::pow(-x, y);
        err = ErrorCode::Num;
        return 0;
    }
    double r = std::pow(x, y);
    if (!std::isfinite(r))
        err = ErrorCode::Num;
    return r;
}

int compareValues(const EvalValue& a0, const EvalValue& b0, bool caseSensitive) {
    EvalValue a = a0, b = b0;
    // Empty takes the other side's kind: 0, "" or FALSE.
    if (a.kind == EvalValue::Empty && b.kind == EvalValue::Empty)
        return 0;
    if (a.kind == EvalValue::Empty) {
        if (b.kind == EvalValue::Text)
            a = EvalValue::textValue("");
        else if (b.kind == EvalValue::Bool)
            a = EvalValue::boolean(false);
        else
            a = EvalValue::number(0);
    }
    if (b.kind == EvalValue::Empty) {
        if (a.kind == EvalValue::Text)
            b = EvalValue::textValue("");
        else if (a.kind == EvalValue::Bool)
            b = EvalValue::boolean(false);
        else
            b = EvalValue::number(0);
    }
    int ra = typeRank(a), rb = typeRank(b);
    if (ra != rb)
        return ra < rb ? -1 : 1;
    if (a.kind == EvalValue::Text)
        return compareText(a.text, b.text, caseSensitive);
    if (a.num == b.num)
        return 0;
    return a.num < b.num ? -1 : 1;
}

EvalValue Evaluator::cellValue(int32_t col, int32_t row) const {
    const Slot* s = m_d.slot(col, row);
    if (!s)
        return {};
    switch (s->type) {
    case ValueType::Number:
        return EvalValue::number(s->num);
    case ValueType::Boolean:
        return EvalValue::boolean(s->num != 0);
    case ValueType::Text:
        return EvalValue::textValue(m_d.texts[s->aux]);
    case ValueType::Error:
        return EvalValue::error(static_cast<ErrorCode>(s->aux));
    default:
        return {};
    }
}

EvalValue Evaluator::scalar(const EvalValue& v) const {
    if (v.kind == EvalValue::Ref) {
        if (v.isSingleCell())
            return cellValue(v.range.col1, v.range.row1);
        // A range in a single-value place: the cell in the formula's own row or
        // column (implicit intersection), else #VALUE!.
        if (v.range.col1 == v.range.col2 && m_row >= v.range.row1 && m_row <= v.range.row2)
            return cellValue(v.range.col1, m_row);
        if (v.range.row1 == v.range.row2 && m_col >= v.range.col1 && m_col <= v.range.col2)
            return cellValue(m_col, v.range.row1);
        return EvalValue::error(ErrorCode::Value);
    }
    // A transposed block in a single-value place: its first cell, as LibreOffice
    // gives the top left element of an array in a formula that is no array formula.
    if (v.kind == EvalValue::Transposed)
        return cellValue(v.range.col1, v.range.row1);
    if (v.kind == EvalValue::Missing)
        return {};
    return v;
}

bool Evaluator::toNumber(const EvalValue& v0, double& out, ErrorCode& err) const {
    const EvalValue v = scalar(v0);
    switch (v.kind) {
    case EvalValue::Number:
    case EvalValue::Bool:
        out = v.num;
        return true;
    case EvalValue::Empty:
    case EvalValue::Missing:
        out = 0;
        return true;
    case EvalValue::Text:
        if (parseNumber(v.text, out))
            return true;
        err = ErrorCode::Value;
        return false;
    case EvalValue::Error:
        err = v.err;
        return false;
    default:
        err = ErrorCode::Value;
        return false;
    }
}

bool Evaluator::toText(const EvalValue& v0, std::string& out, ErrorCode& err) const {
    const EvalValue v = scalar(v0);
    switch (v.kind) {
    case EvalValue::Number:
        out = formatNumber(v.num);
        return true;
    case EvalValue::Bool:
        out.assign(1, v.num != 0 ? '1' : '0');
        return true;
    case EvalValue::Empty:
    case EvalValue::Missing:
        out.clear();
        return true;
    case EvalValue::Text:
        out = v.text;
        return true;
    case EvalValue::Error:
        err = v.err;
        return false;
    default:
        err = ErrorCode::Value;
        return false;
    }
}

bool Evaluator::toBool(const EvalValue& v0, bool& out, ErrorCode& err) const {
    const EvalValue v = scalar(v0);
    switch (v.kind) {
    case EvalValue::Number:
    case EvalValue::Bool:
        out = v.num != 0;
        return true;
    case EvalValue::Empty:
    case EvalValue::Missing:
        out = false;
        return true;
    case EvalValue::Text: {
        std::string u = toUpperAscii(v.text);
        if (u == "TRUE") {
            out = true;
            return true;
        }
        if (u == "FALSE") {
            out = false;
            return true;
        }
        err = ErrorCode::Value;
        return false;
    }
    case EvalValue::Error:
        err = v.err;
        return false;
    default:
        err = ErrorCode::Value;
        return false;
    }
}

void Evaluator::binary(Op op) {
    EvalValue b = std::move(m_stack.back());
    m_stack.pop_back();
    EvalValue& a = m_stack.back();
    if (op >= Op::Eq && op <= Op::Ge) {
        EvalValue x = scalar(a), y = scalar(b);
        if (x.kind == EvalValue::Error) {
            a = x;
            return;
        }
        if (y.kind == EvalValue::Error) {
            a = y;
            return;
        }
        int c = compareValues(x, y, true);
        bool r = false;
        switch (op) {
        case Op::Eq:
            r = c == 0;
            break;
        case Op::Ne:
            r = c != 0;
            break;
        case Op::Lt:
            r = c < 0;
            break;
        case Op::Le:
            r = c <= 0;
            break;
        case Op::Gt:
            r = c > 0;
            break;
        default:
            r = c >= 0;
            break;
        }
        a = EvalValue::boolean(r);
        return;
    }
    ErrorCode err = ErrorCode::None;
    if (op == Op::Concat) {
        std::string x, y;
        if (!toText(a, x, err) || !toText(b, y, err)) {
            a = EvalValue::error(err);
            return;
        }
        x += y;
        a = text::fitsTextLimit(x) ? EvalValue::textValue(std::move(x))
                                   : EvalValue::error(ErrorCode::Value);
        return;
    }
    double x, y;
    // Fast path: both plain numbers.
    if (a.kind == EvalValue::Number && b.kind == EvalValue::Number) {
        x = a.num;
        y = b.num;
    } else if (!toNumber(a, x, err) || !toNumber(b, y, err)) {
        a = EvalValue::error(err);
        return;
    }
    double r = 0;
    switch (op) {
    case Op::Add:
        r = approxAdd(x, y);
        break;
    case Op::Sub:
        r = approxSub(x, y);
        break;
    case Op::Mul:
        r = x * y;
        break;
    case Op::Div:
        if (y == 0) {
            a = EvalValue::error(ErrorCode::Div0);
            return;
        }
        r = x / y;
        break;
    case Op::Pow:
        r = power(x, y, err);
        if (err != ErrorCode::None) {
            a = EvalValue::error(err);
            return;
        }
        break;
    default:
        break;
    }
    if (!std::isfinite(r)) {
        a = EvalValue::error(ErrorCode::Num);
        return;
    }
    a.kind = EvalValue::Number;
    a.num = r;
    a.text.clear();
}

void Evaluator::callCustom(const FormulaCode& code, const Token& t) {
    const size_t base = m_stack.size() - t.argc;
    const CustomFunction* fn = m_sheet.customFunction(code.strings[t.a]);
    EvalValue result;
    if (!fn || t.argc < fn->minArgs || t.argc > fn->maxArgs || !fn->handler) {
        result = EvalValue::error(ErrorCode::Name);
        if (fn)
            result = EvalValue::error(ErrorCode::Value);
    } else {
        std::vector<ValueRecord> args(t.argc);
        bool ok = true;
        for (int i = 0; i < t.argc && ok; ++i) {
            const EvalValue& v = m_stack[base + i];
            ValueRecord& rec = args[i];
            rec.status = RecordStatus::Ok;
            switch (v.kind) {
            case EvalValue::Transposed:
                result = EvalValue::error(ErrorCode::Value);
                ok = false;
                break;
            case EvalValue::Ref:
                if (v.isSingleCell()) {
                    rec.type = RecordType::CellReference;
                    rec.cell = {v.range.col1, v.range.row1};
                } else {
                    rec.type = RecordType::Range;
                    rec.range = v.range;
                }
                break;
            case EvalValue::Text:
                rec.type = RecordType::Text;
                rec.text = v.text;
                break;
            case EvalValue::Number:
                if (v.num == std::floor(v.num) && std::fabs(v.num) < 9.2e18) {
                    rec.type = RecordType::Long;
                    rec.longValue = static_cast<int64_t>(v.num);
                } else {
                    rec.type = RecordType::Double;
                    rec.doubleValue = v.num;
                }
                break;
            case EvalValue::Bool:
                rec.type = RecordType::Long;
                rec.longValue = v.num != 0;
                break;
            case EvalValue::Error:
                result = v;
                ok = false;
                break;
            default:
                rec.type = RecordType::Text;
                break;
            }
        }
        if (ok) {
            ValueRecord res;
            res.status = RecordStatus::NoResult;
            // Copy the handler: it may replace or remove the function while running.
            CustomFunctionHandler handler = fn->handler;
            bool done = handler(m_sheet, res, args.data(), t.argc);
            if (!done)
                result = EvalValue::error(ErrorCode::Value);
            else if (res.status == RecordStatus::CannotRead)
                result = EvalValue::error(ErrorCode::NA);
            else if (res.status != RecordStatus::Ok)
                result = res.error != ErrorCode::None ? EvalValue::error(res.error) : EvalValue{};
            else {
                switch (res.type) {
                case RecordType::Long:
                    result = EvalValue::number(static_cast<double>(res.longValue));
                    break;
                case RecordType::Double:
                    result = EvalValue::number(res.doubleValue);
                    break;
                case RecordType::Text:
                    result = EvalValue::textValue(res.text);
                    break;
                case RecordType::CellReference:
                    result = cellValue(res.cell.col, res.cell.row);
                    break;
                default:
                    result = EvalValue::error(ErrorCode::Value);
                    break;
                }
            }
        }
    }
    m_stack.resize(base);
    m_stack.push_back(std::move(result));
}

bool Evaluator::computedReference(const CellRange& g) {
    if (g.col1 < 1 || g.row1 < 1 || g.col1 > g.col2 || g.row1 > g.row2 ||
        g.col2 > Sheet::kLimitCols || g.row2 > Sheet::kLimitRows)
        return false;
    if (m_pending != kNoFormula)
        return true;
    for (int32_t c = g.col1; c <= g.col2 && static_cast<size_t>(c) < m_d.cols.size(); ++c) {
        const auto& slots = m_d.cols[c].slots;
        int64_t last = std::min<int64_t>(g.row2, static_cast<int64_t>(slots.size()) - 1);
        for (int64_t r = g.row1; r <= last; ++r) {
            uint32_t f = slots[r].formula;
            if (f && m_d.formulas[f - 1].state != FState::Clean) {
                m_pending = f - 1;
                return true;
            }
        }
    }
    return true;
}

Value Evaluator::run(const FormulaCode& code, int32_t col, int32_t row) {
    m_col = col;
    m_row = row;
    m_pending = kNoFormula;
    m_stack.clear();
    for (const Token& t : code.tokens) {
        switch (t.op) {
        case Op::Number:
            m_stack.push_back(EvalValue::number(t.num));
            break;
        case Op::String:
            m_stack.push_back(EvalValue::textValue(code.strings[t.a]));
            break;
        case Op::Bool:
            m_stack.push_back(EvalValue::boolean(t.num != 0));
            break;
        case Op::Error:
            m_stack.push_back(EvalValue::error(static_cast<ErrorCode>(t.a)));
            break;
        case Op::Missing: {
            EvalValue e;
            e.kind = EvalValue::Missing;
            m_stack.push_back(e);
            break;
        }
        case Op::Ref: {
            int32_t c = resolvePart(t.a, t.flags & kColAbs, col),
                    r = resolvePart(t.b, t.flags & kRowAbs, row);
            if (!validCell(c, r)) {
                m_stack.push_back(EvalValue::error(ErrorCode::Ref));
                break;
            }
            EvalValue e;
            e.kind = EvalValue::Ref;
            e.range = {c, r, c, r};
            m_stack.push_back(std::move(e));
            break;
        }
        case Op::Range: {
            int32_t c1 = resolvePart(t.a, t.flags & kColAbs, col),
                    r1 = resolvePart(t.b, t.flags & kRowAbs, row);
            int32_t c2 = resolvePart(t.c, t.flags & kCol2Abs, col),
                    r2 = resolvePart(t.d, t.flags & kRow2Abs, row);
            if (!validCell(c1, r1) || !validCell(c2, r2)) {
                m_stack.push_back(EvalValue::error(ErrorCode::Ref));
                break;
            }
            EvalValue e;
            e.kind = EvalValue::Ref;
            e.range = {std::min(c1, c2), std::min(r1, r2), std::max(c1, c2), std::max(r1, r2)};
            m_stack.push_back(std::move(e));
            break;
        }
        case Op::Name: {
            const CellRef* cell = m_d.findTag(code.strings[t.a]);
            if (!cell) {
                m_stack.push_back(EvalValue::error(ErrorCode::Name));
                break;
            }
            EvalValue e;
            e.kind = EvalValue::Ref;
            e.range = {cell->col, cell->row, cell->col, cell->row};
            m_stack.push_back(std::move(e));
            break;
        }
        case Op::Add:
        case Op::Sub:
        case Op::Mul:
        case Op::Div:
        case Op::Pow:
        case Op::Concat:
        case Op::Eq:
        case Op::Ne:
        case Op::Lt:
        case Op::Le:
        case Op::Gt:
        case Op::Ge:
            if (m_stack.size() < 2)
                return Value::error(ErrorCode::Value);
            // Fast path for references to number cells.
            for (size_t k = m_stack.size() - 2; k < m_stack.size(); ++k) {
                EvalValue& v = m_stack[k];
                if (v.kind == EvalValue::Ref && v.isSingleCell()) {
                    const Slot* s = m_d.slot(v.range.col1, v.range.row1);
                    if (!s || s->type == ValueType::Empty) {
                        if (opIsArith(t.op)) {
                            v.kind = EvalValue::Number;
                            v.num = 0;
                        }
                    } else if (s->type == ValueType::Number) {
                        v.kind = EvalValue::Number;
                        v.num = s->num;
                    }
                }
            }
            binary(t.op);
            break;
        case Op::Neg:
        case Op::Plus:
        case Op::Percent: {
            if (m_stack.empty())
                return Value::error(ErrorCode::Value);
            EvalValue& v = m_stack.back();
            if (t.op == Op::Plus) {
                v = scalar(v);
                break;
            }
            double x;
            ErrorCode err = ErrorCode::None;
            if (!toNumber(v, x, err)) {
                v = EvalValue::error(err);
                break;
            }
            v = EvalValue::number(t.op == Op::Neg ? -x : x / 100);
            break;
        }
        case Op::Paren:
            break;
        case Op::RangeJoin:
        case Op::Intersect: {
            if (m_stack.size() < 2)
                return Value::error(ErrorCode::Value);
            EvalValue b = std::move(m_stack.back());
            m_stack.pop_back();
            EvalValue& a = m_stack.back();
            if (a.kind == EvalValue::Error)
                break;
            if (b.kind == EvalValue::Error) {
                a = b;
                break;
            }
            if (a.kind != EvalValue::Ref || b.kind != EvalValue::Ref) {
                a = EvalValue::error(ErrorCode::Value);
                break;
            }
            CellRange g;
            if (t.op == Op::RangeJoin) {
                g = {std::min(a.range.col1, b.range.col1), std::min(a.range.row1, b.range.row1),
                     std::max(a.range.col2, b.range.col2), std::max(a.range.row2, b.range.row2)};
                if (!computedReference(g)) {
                    a = EvalValue::error(ErrorCode::Ref);
                    break;
                }
            } else {
                g = {std::max(a.range.col1, b.range.col1), std::max(a.range.row1, b.range.row1),
                     std::min(a.range.col2, b.range.col2), std::min(a.range.row2, b.range.row2)};
                if (g.col1 > g.col2 || g.row1 > g.row2) {
                    a = EvalValue::error(ErrorCode::Null);
                    break;
                }
            }
            a.range = g;
            break;
        }
        case Op::Func: {
            if (m_stack.size() < t.argc)
                return Value::error(ErrorCode::Value);
            const size_t base = m_stack.size() - t.argc;
            const BuiltinFunction& f = builtin(t.a);
            for (size_t k = base; k < m_stack.size(); ++k) {
                EvalValue& v = m_stack[k];
                if (v.kind != EvalValue::Transposed || f.transposed == TransposedArgs::Handled)
                    continue;
                if (f.transposed == TransposedArgs::AsRange)
                    v.kind = EvalValue::Ref;
                else
                    v = EvalValue::error(ErrorCode::Value);
            }
            EvalValue result;
            f.fn(*this, m_stack.data() + base, t.argc, result);
            m_stack.resize(base);
            m_stack.push_back(std::move(result));
            break;
        }
        case Op::Custom:
            if (m_stack.size() < t.argc)
                return Value::error(ErrorCode::Value);
            callCustom(code, t);
            break;
        }
    }
    if (m_stack.size() != 1)
        return Value::error(ErrorCode::Value);
    EvalValue v = scalar(m_stack.back());
    switch (v.kind) {
    case EvalValue::Number:
        if (!std::isfinite(v.num))
            return Value::error(ErrorCode::Num);
        return Value::number(v.num == 0 ? 0.0 : v.num);
    case EvalValue::Text:
        return Value::text(std::move(v.text));
    case EvalValue::Bool:
        return Value::boolean(v.num != 0);
    case EvalValue::Error:
        return Value::error(v.err);
    case EvalValue::Empty:
        // A reference to an empty cell shows 0; a custom function without result stays empty.
        if (m_stack.back().kind == EvalValue::Ref)
            return Value::number(0);
        return Value{};
    default:
        return Value::number(0);
    }
}

} // namespace grid

namespace grid {
Value runFormula(Evaluator& ev, const FormulaCode& code, int32_t col, int32_t row) {
    return ev.run(code, col, row);
}
} // namespace grid
