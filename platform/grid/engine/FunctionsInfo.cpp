// Logical and information functions beyond IF/AND/OR/NOT and the ISBLANK family:
// IFERROR, IFNA, IFS, SWITCH, ISNA, ISERR, ISLOGICAL, ISNONTEXT, ISEVEN, ISODD, ISREF,
// ISFORMULA, NA, TYPE, ERROR.TYPE, N, T (XOR sits with AND and OR).

#include <cmath>

#include "platform/grid/engine/FunctionSupport.h"
#include "platform/grid/engine/UnicodeText.h"

namespace grid::fn {

namespace {

// A value an argument stands for; a missing argument and an empty cell give 0.
EvalValue plain(Evaluator& ev, const EvalValue& v) {
    EvalValue s = ev.scalar(v);
    if (s.kind == EvalValue::Empty || s.kind == EvalValue::Missing)
        return EvalValue::number(0);
    return s;
}

// ISEVEN/ISODD: the integer part of a number; text and empty cells are refused.
bool integerPart(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r) {
    EvalValue s = ev.scalar(v);
    if (s.kind == EvalValue::Error)
        return setError(r, s.err), false;
    if (s.kind != EvalValue::Number && s.kind != EvalValue::Bool)
        return setError(r, ErrorCode::Value), false;
    out = std::trunc(s.num);
    return true;
}

bool isOdd(double x) {
    return std::fmod(std::fabs(x), 2.0) == 1.0;
}

} // namespace

void fnIfError(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = plain(ev, a[0]);
    r = v.kind == EvalValue::Error ? plain(ev, a[1]) : std::move(v);
}

void fnIfNa(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = plain(ev, a[0]);
    r = v.kind == EvalValue::Error && v.err == ErrorCode::NA ? plain(ev, a[1]) : std::move(v);
}

// IFS(condition1; value1; ...): the value of the first true condition, #N/A when none is.
void fnIfs(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    if (n % 2 != 0)
        return setError(r, ErrorCode::Value);
    for (int i = 0; i + 1 < n; i += 2) {
        bool c;
        ErrorCode err = ErrorCode::None;
        if (!ev.toBool(a[i], c, err))
            return setError(r, err);
        if (c) {
            r = plain(ev, a[i + 1]);
            return;
        }
    }
    setError(r, ErrorCode::NA);
}

// SWITCH(expression; value1; result1; ...; [default]): numbers equal, texts equal
// without regard to case; an empty cell equals nothing.
void fnSwitch(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    EvalValue x = ev.scalar(a[0]);
    if (x.kind == EvalValue::Error)
        return setError(r, x.err);
    int i = 1;
    for (; i + 1 < n; i += 2) {
        EvalValue v = ev.scalar(a[i]);
        if (v.kind == EvalValue::Error)
            return setError(r, v.err);
        bool numbers = (x.kind == EvalValue::Number || x.kind == EvalValue::Bool) &&
                       (v.kind == EvalValue::Number || v.kind == EvalValue::Bool);
        bool texts = x.kind == EvalValue::Text && v.kind == EvalValue::Text;
        if ((numbers && x.num == v.num) || (texts && text::equal(x.text, v.text, false))) {
            r = plain(ev, a[i + 1]);
            return;
        }
    }
    if (i < n) {
        r = plain(ev, a[i]); // the default
        return;
    }
    setError(r, ErrorCode::NA);
}

void fnIsNa(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    r = EvalValue::boolean(v.kind == EvalValue::Error && v.err == ErrorCode::NA);
}
void fnIsErr(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    r = EvalValue::boolean(v.kind == EvalValue::Error && v.err != ErrorCode::NA);
}
void fnIsLogical(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    r = EvalValue::boolean(ev.scalar(a[0]).kind == EvalValue::Bool);
}
void fnIsNonText(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    r = EvalValue::boolean(ev.scalar(a[0]).kind != EvalValue::Text);
}
void fnIsEven(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (integerPart(ev, a[0], x, r))
        r = EvalValue::boolean(!isOdd(x));
}
void fnIsOdd(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    if (integerPart(ev, a[0], x, r))
        r = EvalValue::boolean(isOdd(x));
}
void fnIsRef(Evaluator&, EvalValue* a, int, EvalValue& r) {
    r = EvalValue::boolean(a[0].kind == EvalValue::Ref);
}
void fnIsFormula(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    if (a[0].kind != EvalValue::Ref)
        return setError(r, a[0].kind == EvalValue::Error ? a[0].err : ErrorCode::Value);
    const Slot* s = ev.data().slot(a[0].range.col1, a[0].range.row1);
    r = EvalValue::boolean(s && s->formula != 0);
}
void fnNa(Evaluator&, EvalValue*, int, EvalValue& r) {
    setError(r, ErrorCode::NA);
}

// TYPE: 1 number (booleans are numbers), 2 text, 16 error; a reference to a formula
// cell is 8, as in LibreOffice.
void fnType(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    if (a[0].isSingleCell()) {
        const Slot* s = ev.data().slot(a[0].range.col1, a[0].range.row1);
        if (s && s->formula != 0)
            return setNumber(r, 8);
    }
    EvalValue v = ev.scalar(a[0]);
    switch (v.kind) {
    case EvalValue::Text:
        return setNumber(r, 2);
    case EvalValue::Error:
        return setNumber(r, 16);
    default:
        return setNumber(r, 1);
    }
}

// ERROR.TYPE: #NULL! 1, #DIV/0! 2, #VALUE! 3, #REF! 4, #NAME? 5, #NUM! 6, #N/A 7; #N/A
// for anything else.
void fnErrorType(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    if (v.kind != EvalValue::Error || v.err == ErrorCode::Circular)
        return setError(r, ErrorCode::NA);
    setNumber(r, static_cast<double>(static_cast<int>(v.err)));
}

void fnN(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    if (v.kind == EvalValue::Error)
        return setError(r, v.err);
    setNumber(r, v.kind == EvalValue::Number || v.kind == EvalValue::Bool ? v.num : 0);
}

void fnT(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    EvalValue v = ev.scalar(a[0]);
    if (v.kind == EvalValue::Error)
        return setError(r, v.err);
    r = EvalValue::textValue(v.kind == EvalValue::Text ? std::move(v.text) : std::string());
}

} // namespace grid::fn
