#pragma once
// Helpers shared by the built-in function implementations.

#include <cmath>
#include <string>
#include <vector>

#include "platform/grid/engine/Evaluator.h"

namespace grid::fn {

// Calls f(value) for every cell of the reference's block that holds a value
// (empty cells skipped), column by column.
template <class F> void forEachValue(Evaluator& ev, const CellRange& r, F&& f) {
    const SheetData& d = ev.data();
    for (int32_t c = r.col1; c <= r.col2; ++c) {
        if (c < 0 || static_cast<size_t>(c) >= d.cols.size())
            continue;
        const auto& slots = d.cols[c].slots;
        int32_t last = std::min<int64_t>(r.row2, static_cast<int64_t>(slots.size()) - 1);
        for (int32_t row = r.row1; row <= last; ++row) {
            const Slot& s = slots[row];
            if (s.type == ValueType::Empty)
                continue;
            if (!f(s))
                return;
        }
    }
}

// Numbers of the arguments as the aggregate functions see them: numbers in
// references (text, booleans and empty cells there are skipped), direct
// arguments converted (booleans 1/0, numeric text). Errors propagate.
bool collectNumbers(Evaluator& ev, EvalValue* args, int argc, std::vector<double>& out,
                    ErrorCode& err);

inline void setError(EvalValue& r, ErrorCode e) {
    r = EvalValue::error(e);
}
inline void setNumber(EvalValue& r, double v) {
    if (!std::isfinite(v))
        r = EvalValue::error(ErrorCode::Num);
    else
        r = EvalValue::number(v);
}

// Sum with a compensation term (long columns of decimals add up as a person expects).
double sumCompensated(const std::vector<double>& v);

// A text result, or #VALUE! when it is longer than a formula may build.
void setText(EvalValue& r, std::string s);

// Rounds x to `digits` decimals, half away from zero, treating values within
// a few units in the last place of a half as halves (2.675 -> 2.68).
double roundHalfAway(double x, int digits);
double roundUp(double x, int digits);
double roundDown(double x, int digits);

// Declarations of every built-in implementation.
#define GRID_FN(name) void name(Evaluator& ev, EvalValue* a, int n, EvalValue& r)
GRID_FN(fnSum);
GRID_FN(fnProduct);
GRID_FN(fnAverage);
GRID_FN(fnMin);
GRID_FN(fnMax);
GRID_FN(fnCount);
GRID_FN(fnCountA);
GRID_FN(fnMedian);
GRID_FN(fnStdev);
GRID_FN(fnVar);
GRID_FN(fnAbs);
GRID_FN(fnSign);
GRID_FN(fnInt);
GRID_FN(fnMod);
GRID_FN(fnRound);
GRID_FN(fnRoundUp);
GRID_FN(fnRoundDown);
GRID_FN(fnCeiling);
GRID_FN(fnFloor);
GRID_FN(fnSqrt);
GRID_FN(fnPower);
GRID_FN(fnExp);
GRID_FN(fnLn);
GRID_FN(fnLog);
GRID_FN(fnLog10);
GRID_FN(fnPi);
GRID_FN(fnSin);
GRID_FN(fnCos);
GRID_FN(fnTan);
GRID_FN(fnAsin);
GRID_FN(fnAcos);
GRID_FN(fnAtan);
GRID_FN(fnAtan2);
GRID_FN(fnDegrees);
GRID_FN(fnRadians);
GRID_FN(fnIf);
GRID_FN(fnAnd);
GRID_FN(fnOr);
GRID_FN(fnNot);
GRID_FN(fnTrue);
GRID_FN(fnFalse);
GRID_FN(fnIsBlank);
GRID_FN(fnIsNumber);
GRID_FN(fnIsText);
GRID_FN(fnIsError);
GRID_FN(fnLen);
GRID_FN(fnLeft);
GRID_FN(fnRight);
GRID_FN(fnMid);
GRID_FN(fnUpper);
GRID_FN(fnLower);
GRID_FN(fnTrim);
GRID_FN(fnConcatenate);
GRID_FN(fnValue);
GRID_FN(fnFind);
GRID_FN(fnSubstitute);
GRID_FN(fnRept);
GRID_FN(fnChoose);
GRID_FN(fnIndex);
GRID_FN(fnMatch);
GRID_FN(fnVlookup);
GRID_FN(fnHlookup);
GRID_FN(fnSumIf);
GRID_FN(fnSumIfs);
GRID_FN(fnCountIf);
GRID_FN(fnCountIfs);
GRID_FN(fnAverageIf);
GRID_FN(fnAverageIfs);
GRID_FN(fnCountBlank);
GRID_FN(fnSumProduct);
GRID_FN(fnSumSq);
GRID_FN(fnXor);
GRID_FN(fnIfError);
GRID_FN(fnIfNa);
GRID_FN(fnIfs);
GRID_FN(fnSwitch);
GRID_FN(fnIsNa);
GRID_FN(fnIsErr);
GRID_FN(fnIsLogical);
GRID_FN(fnIsNonText);
GRID_FN(fnIsEven);
GRID_FN(fnIsOdd);
GRID_FN(fnIsRef);
GRID_FN(fnIsFormula);
GRID_FN(fnNa);
GRID_FN(fnType);
GRID_FN(fnErrorType);
GRID_FN(fnN);
GRID_FN(fnT);
#undef GRID_FN

} // namespace grid::fn
