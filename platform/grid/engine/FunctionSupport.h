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

// Whether argument i was given (and not left out as in "f(1,,3)").
inline bool given(const EvalValue* a, int n, int i) {
    return i < n && a[i].kind != EvalValue::Missing;
}
// Scalar conversions of an argument; on failure r holds the error.
inline bool argNumber(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (ev.toNumber(v, out, err))
        return true;
    r = EvalValue::error(err);
    return false;
}
inline bool argText(Evaluator& ev, const EvalValue& v, std::string& out, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (ev.toText(v, out, err))
        return true;
    r = EvalValue::error(err);
    return false;
}
inline bool argBool(Evaluator& ev, const EvalValue& v, bool& out, EvalValue& r) {
    ErrorCode err = ErrorCode::None;
    if (ev.toBool(v, out, err))
        return true;
    r = EvalValue::error(err);
    return false;
}
// An optional numeric argument: `fallback` when left out.
inline bool argNumberOr(Evaluator& ev, const EvalValue* a, int n, int i, double fallback,
                        double& out, EvalValue& r) {
    if (!given(a, n, i)) {
        out = fallback;
        return true;
    }
    return argNumber(ev, a[i], out, r);
}
// A number argument that may also be a date or time text in ISO form ("2024-03-15",
// "2024-03-15 13:45", "13:45"), as date functions accept them.
bool argDate(Evaluator& ev, const EvalValue& v, double& out, EvalValue& r);
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
GRID_FN(fnDate);
GRID_FN(fnTime);
GRID_FN(fnToday);
GRID_FN(fnNow);
GRID_FN(fnYear);
GRID_FN(fnMonth);
GRID_FN(fnDay);
GRID_FN(fnHour);
GRID_FN(fnMinute);
GRID_FN(fnSecond);
GRID_FN(fnWeekday);
GRID_FN(fnWeekNum);
GRID_FN(fnIsoWeekNum);
GRID_FN(fnDateValue);
GRID_FN(fnTimeValue);
GRID_FN(fnEdate);
GRID_FN(fnEomonth);
GRID_FN(fnDays);
GRID_FN(fnDays360);
GRID_FN(fnNetworkDays);
GRID_FN(fnWorkday);
GRID_FN(fnYearFrac);
GRID_FN(fnDateDif);
GRID_FN(fnLarge);
GRID_FN(fnSmall);
GRID_FN(fnRank);
GRID_FN(fnRankAvg);
GRID_FN(fnPercentile);
GRID_FN(fnPercentileExc);
GRID_FN(fnQuartile);
GRID_FN(fnQuartileExc);
GRID_FN(fnMode);
GRID_FN(fnStdevP);
GRID_FN(fnVarP);
GRID_FN(fnStdevA);
GRID_FN(fnStdevPA);
GRID_FN(fnVarA);
GRID_FN(fnVarPA);
GRID_FN(fnAverageA);
GRID_FN(fnMaxA);
GRID_FN(fnMinA);
GRID_FN(fnGeoMean);
GRID_FN(fnHarMean);
GRID_FN(fnAveDev);
GRID_FN(fnDevSq);
GRID_FN(fnSkew);
GRID_FN(fnKurt);
GRID_FN(fnStandardize);
GRID_FN(fnCorrel);
GRID_FN(fnRsq);
GRID_FN(fnCovar);
GRID_FN(fnCovarS);
GRID_FN(fnSlope);
GRID_FN(fnIntercept);
GRID_FN(fnSteyx);
GRID_FN(fnForecast);
GRID_FN(fnMaxIfs);
GRID_FN(fnMinIfs);
GRID_FN(fnTrunc);
GRID_FN(fnQuotient);
GRID_FN(fnGcd);
GRID_FN(fnLcm);
GRID_FN(fnFact);
GRID_FN(fnFactDouble);
GRID_FN(fnCombin);
GRID_FN(fnCombinA);
GRID_FN(fnPermut);
GRID_FN(fnEven);
GRID_FN(fnOdd);
GRID_FN(fnMround);
GRID_FN(fnRand);
GRID_FN(fnRandBetween);
GRID_FN(fnSinh);
GRID_FN(fnCosh);
GRID_FN(fnTanh);
GRID_FN(fnAsinh);
GRID_FN(fnAcosh);
GRID_FN(fnAtanh);
GRID_FN(fnCot);
GRID_FN(fnCoth);
GRID_FN(fnSec);
GRID_FN(fnSech);
GRID_FN(fnCsc);
GRID_FN(fnCsch);
GRID_FN(fnAcot);
GRID_FN(fnSqrtPi);
GRID_FN(fnSubtotal);
GRID_FN(fnAggregate);
GRID_FN(fnSearch);
GRID_FN(fnReplace);
GRID_FN(fnProper);
GRID_FN(fnExact);
GRID_FN(fnText);
GRID_FN(fnFixed);
GRID_FN(fnChar);
GRID_FN(fnCode);
GRID_FN(fnUnichar);
GRID_FN(fnUnicode);
GRID_FN(fnClean);
GRID_FN(fnTextJoin);
GRID_FN(fnConcat);
GRID_FN(fnRow);
GRID_FN(fnColumn);
GRID_FN(fnRows);
GRID_FN(fnTranspose);
GRID_FN(fnColumns);
GRID_FN(fnOffset);
GRID_FN(fnIndirect);
GRID_FN(fnAddress);
GRID_FN(fnLookup);
GRID_FN(fnXlookup);
GRID_FN(fnXmatch);
GRID_FN(fnConvert);
GRID_FN(fnPmt);
GRID_FN(fnIpmt);
GRID_FN(fnPpmt);
GRID_FN(fnPv);
GRID_FN(fnFv);
GRID_FN(fnNper);
GRID_FN(fnRate);
GRID_FN(fnNpv);
GRID_FN(fnIrr);
GRID_FN(fnEffect);
GRID_FN(fnNominal);
GRID_FN(fnSln);
GRID_FN(fnSyd);
#undef GRID_FN

} // namespace grid::fn
