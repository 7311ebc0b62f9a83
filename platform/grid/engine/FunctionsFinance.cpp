// Time value of money: PMT, IPMT, PPMT, PV, FV, NPER, RATE, NPV, IRR, plus EFFECT,
// NOMINAL, SLN and SYD. Payments at the end of each period unless `type` is 1.

#include <cmath>

#include "platform/grid/engine/FunctionSupport.h"

namespace grid::fn {

namespace {

// Future value of pv plus `nper` payments of pmt at `rate`.
double futureValue(double rate, double nper, double pmt, double pv, bool begin) {
    if (rate == 0)
        return -(pv + pmt * nper);
    double g = std::pow(1 + rate, nper);
    return -(pv * g + pmt * (1 + rate * (begin ? 1 : 0)) * (g - 1) / rate);
}

double payment(double rate, double nper, double pv, double fv, bool begin) {
    if (rate == 0)
        return -(pv + fv) / nper;
    double g = std::pow(1 + rate, nper);
    return -(pv * g + fv) * rate / ((1 + rate * (begin ? 1 : 0)) * (g - 1));
}

struct Annuity {
    double rate = 0, nper = 0, pmt = 0, pv = 0, fv = 0;
    bool begin = false;
};

bool typeArg(Evaluator& ev, EvalValue* a, int n, int i, bool& begin, EvalValue& r) {
    double t;
    if (!argNumberOr(ev, a, n, i, 0, t, r))
        return false;
    begin = t != 0;
    return true;
}

// Interest part of payment `per` (1-based).
double interestPart(double rate, double per, double nper, double pv, double fv, bool begin) {
    double pmt = payment(rate, nper, pv, fv, begin);
    if (begin && per == 1)
        return 0;
    double ip = futureValue(rate, per - 1, pmt, pv, begin) * rate;
    return begin ? ip / (1 + rate) : ip;
}

// Newton's method on f with numeric derivative; false when it does not settle.
template <class F> bool solve(F f, double guess, double& x) {
    x = guess;
    for (int i = 0; i < 200; ++i) {
        double y = f(x);
        if (!std::isfinite(y))
            return false;
        if (std::fabs(y) < 1e-10)
            return true;
        double h = std::max(1e-7, std::fabs(x) * 1e-7);
        double d = (f(x + h) - f(x - h)) / (2 * h);
        if (d == 0 || !std::isfinite(d))
            return false;
        double next = x - y / d;
        if (!std::isfinite(next) || next <= -1)
            next = (x - 1) / 2;
        if (std::fabs(next - x) < 1e-12 * std::max(1.0, std::fabs(x))) {
            x = next;
            return std::fabs(f(x)) < 1e-6;
        }
        x = next;
    }
    return false;
}

} // namespace

void fnPmt(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    Annuity v;
    if (!argNumber(ev, a[0], v.rate, r) || !argNumber(ev, a[1], v.nper, r) ||
        !argNumber(ev, a[2], v.pv, r) || !argNumberOr(ev, a, n, 3, 0, v.fv, r) ||
        !typeArg(ev, a, n, 4, v.begin, r))
        return;
    if (v.nper == 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, payment(v.rate, v.nper, v.pv, v.fv, v.begin));
}

void fnFv(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    Annuity v;
    if (!argNumber(ev, a[0], v.rate, r) || !argNumber(ev, a[1], v.nper, r) ||
        !argNumber(ev, a[2], v.pmt, r) || !argNumberOr(ev, a, n, 3, 0, v.pv, r) ||
        !typeArg(ev, a, n, 4, v.begin, r))
        return;
    setNumber(r, futureValue(v.rate, v.nper, v.pmt, v.pv, v.begin));
}

void fnPv(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    Annuity v;
    if (!argNumber(ev, a[0], v.rate, r) || !argNumber(ev, a[1], v.nper, r) ||
        !argNumber(ev, a[2], v.pmt, r) || !argNumberOr(ev, a, n, 3, 0, v.fv, r) ||
        !typeArg(ev, a, n, 4, v.begin, r))
        return;
    if (v.rate == 0)
        return setNumber(r, -(v.fv + v.pmt * v.nper));
    double g = std::pow(1 + v.rate, v.nper);
    setNumber(r, -(v.fv + v.pmt * (1 + v.rate * (v.begin ? 1 : 0)) * (g - 1) / v.rate) / g);
}

void fnNper(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    Annuity v;
    if (!argNumber(ev, a[0], v.rate, r) || !argNumber(ev, a[1], v.pmt, r) ||
        !argNumber(ev, a[2], v.pv, r) || !argNumberOr(ev, a, n, 3, 0, v.fv, r) ||
        !typeArg(ev, a, n, 4, v.begin, r))
        return;
    if (v.rate == 0) {
        if (v.pmt == 0)
            return setError(r, ErrorCode::Num);
        return setNumber(r, -(v.pv + v.fv) / v.pmt);
    }
    double k = v.pmt * (1 + v.rate * (v.begin ? 1 : 0)) / v.rate;
    double num = k - v.fv, den = k + v.pv;
    if (den == 0 || num / den <= 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, std::log(num / den) / std::log1p(v.rate));
}

void fnIpmt(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double rate, per, nper, pv, fv;
    bool begin;
    if (!argNumber(ev, a[0], rate, r) || !argNumber(ev, a[1], per, r) ||
        !argNumber(ev, a[2], nper, r) || !argNumber(ev, a[3], pv, r) ||
        !argNumberOr(ev, a, n, 4, 0, fv, r) || !typeArg(ev, a, n, 5, begin, r))
        return;
    if (per < 1 || per > nper || nper == 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, interestPart(rate, per, nper, pv, fv, begin));
}

void fnPpmt(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double rate, per, nper, pv, fv;
    bool begin;
    if (!argNumber(ev, a[0], rate, r) || !argNumber(ev, a[1], per, r) ||
        !argNumber(ev, a[2], nper, r) || !argNumber(ev, a[3], pv, r) ||
        !argNumberOr(ev, a, n, 4, 0, fv, r) || !typeArg(ev, a, n, 5, begin, r))
        return;
    if (per < 1 || per > nper || nper == 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, payment(rate, nper, pv, fv, begin) - interestPart(rate, per, nper, pv, fv, begin));
}

void fnRate(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    Annuity v;
    double guess;
    if (!argNumber(ev, a[0], v.nper, r) || !argNumber(ev, a[1], v.pmt, r) ||
        !argNumber(ev, a[2], v.pv, r) || !argNumberOr(ev, a, n, 3, 0, v.fv, r) ||
        !typeArg(ev, a, n, 4, v.begin, r) || !argNumberOr(ev, a, n, 5, 0.1, guess, r))
        return;
    if (v.nper <= 0)
        return setError(r, ErrorCode::Num);
    double x;
    auto f = [&](double rate) { return futureValue(rate, v.nper, v.pmt, v.pv, v.begin) + v.fv; };
    if (!solve(f, guess, x))
        return setError(r, ErrorCode::Num);
    setNumber(r, x);
}

void fnNpv(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    double rate;
    if (!argNumber(ev, a[0], rate, r))
        return;
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a + 1, n - 1, v, err))
        return setError(r, err);
    if (rate == -1)
        return setError(r, ErrorCode::Num);
    double sum = 0, f = 1;
    for (double x : v) {
        f *= 1 + rate;
        sum += x / f;
    }
    setNumber(r, sum);
}

void fnIrr(Evaluator& ev, EvalValue* a, int n, EvalValue& r) {
    std::vector<double> v;
    ErrorCode err = ErrorCode::None;
    if (!collectNumbers(ev, a, 1, v, err))
        return setError(r, err);
    double guess;
    if (!argNumberOr(ev, a, n, 1, 0.1, guess, r))
        return;
    bool pos = false, neg = false;
    for (double x : v) {
        pos = pos || x > 0;
        neg = neg || x < 0;
    }
    if (!pos || !neg)
        return setError(r, ErrorCode::Num);
    auto npv = [&](double rate) {
        double sum = 0, f = 1;
        for (double x : v) {
            sum += x / f;
            f *= 1 + rate;
        }
        return sum;
    };
    double x;
    if (!solve(npv, guess, x))
        return setError(r, ErrorCode::Num);
    setNumber(r, x);
}

void fnEffect(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double rate, periods;
    if (!argNumber(ev, a[0], rate, r) || !argNumber(ev, a[1], periods, r))
        return;
    periods = std::trunc(periods);
    if (rate < 0 || periods < 1)
        return setError(r, ErrorCode::Num);
    setNumber(r, std::pow(1 + rate / periods, periods) - 1);
}

void fnNominal(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double rate, periods;
    if (!argNumber(ev, a[0], rate, r) || !argNumber(ev, a[1], periods, r))
        return;
    periods = std::trunc(periods);
    if (rate <= 0 || periods < 1)
        return setError(r, ErrorCode::Num);
    setNumber(r, (std::pow(1 + rate, 1 / periods) - 1) * periods);
}

void fnSln(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double cost, salvage, life;
    if (!argNumber(ev, a[0], cost, r) || !argNumber(ev, a[1], salvage, r) ||
        !argNumber(ev, a[2], life, r))
        return;
    if (life == 0)
        return setError(r, ErrorCode::Div0);
    setNumber(r, (cost - salvage) / life);
}

void fnSyd(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double cost, salvage, life, per;
    if (!argNumber(ev, a[0], cost, r) || !argNumber(ev, a[1], salvage, r) ||
        !argNumber(ev, a[2], life, r) || !argNumber(ev, a[3], per, r))
        return;
    if (life <= 0 || per <= 0)
        return setError(r, ErrorCode::Num);
    setNumber(r, (cost - salvage) * (life - per + 1) * 2 / (life * (life + 1)));
}

} // namespace grid::fn
