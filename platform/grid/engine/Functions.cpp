#include "platform/grid/engine/Functions.h"

#include <cctype>
#include <unordered_map>

#include "platform/grid/engine/FunctionSupport.h"

namespace grid {

namespace {

using namespace fn;

const BuiltinFunction kBuiltins[] = {
    {"SUM", 1, -1, fnSum},
    {"PRODUCT", 1, -1, fnProduct},
    {"AVERAGE", 1, -1, fnAverage},
    {"MIN", 1, -1, fnMin},
    {"MAX", 1, -1, fnMax},
    {"COUNT", 1, -1, fnCount},
    {"COUNTA", 1, -1, fnCountA},
    {"MEDIAN", 1, -1, fnMedian},
    {"STDEV", 1, -1, fnStdev},
    {"VAR", 1, -1, fnVar},
    {"ABS", 1, 1, fnAbs},
    {"SIGN", 1, 1, fnSign},
    {"INT", 1, 1, fnInt},
    {"MOD", 2, 2, fnMod},
    {"ROUND", 1, 2, fnRound},
    {"ROUNDUP", 1, 2, fnRoundUp},
    {"ROUNDDOWN", 1, 2, fnRoundDown},
    {"CEILING", 1, 2, fnCeiling},
    {"FLOOR", 1, 2, fnFloor},
    {"SQRT", 1, 1, fnSqrt},
    {"POWER", 2, 2, fnPower},
    {"EXP", 1, 1, fnExp},
    {"LN", 1, 1, fnLn},
    {"LOG", 1, 2, fnLog},
    {"LOG10", 1, 1, fnLog10},
    {"PI", 0, 0, fnPi},
    {"SIN", 1, 1, fnSin},
    {"COS", 1, 1, fnCos},
    {"TAN", 1, 1, fnTan},
    {"ASIN", 1, 1, fnAsin},
    {"ACOS", 1, 1, fnAcos},
    {"ATAN", 1, 1, fnAtan},
    {"ATAN2", 2, 2, fnAtan2},
    {"DEGREES", 1, 1, fnDegrees},
    {"RADIANS", 1, 1, fnRadians},
    {"IF", 1, 3, fnIf},
    {"AND", 1, -1, fnAnd},
    {"OR", 1, -1, fnOr},
    {"NOT", 1, 1, fnNot},
    {"TRUE", 0, 0, fnTrue},
    {"FALSE", 0, 0, fnFalse},
    {"ISBLANK", 1, 1, fnIsBlank},
    {"ISNUMBER", 1, 1, fnIsNumber},
    {"ISTEXT", 1, 1, fnIsText},
    {"ISERROR", 1, 1, fnIsError},
    {"LEN", 1, 1, fnLen},
    {"LEFT", 1, 2, fnLeft},
    {"RIGHT", 1, 2, fnRight},
    {"MID", 3, 3, fnMid},
    {"UPPER", 1, 1, fnUpper},
    {"LOWER", 1, 1, fnLower},
    {"TRIM", 1, 1, fnTrim},
    {"CONCATENATE", 1, -1, fnConcatenate},
    {"VALUE", 1, 1, fnValue},
    {"FIND", 2, 3, fnFind},
    {"SUBSTITUTE", 3, 4, fnSubstitute},
    {"REPT", 2, 2, fnRept},
    {"CHOOSE", 2, -1, fnChoose},
    {"INDEX", 2, 3, fnIndex},
    {"MATCH", 2, 3, fnMatch},
    {"VLOOKUP", 3, 4, fnVlookup},
    {"HLOOKUP", 3, 4, fnHlookup},
    {"SUMIF", 2, 3, fnSumIf},
    {"SUMIFS", 3, -1, fnSumIfs},
    {"COUNTIF", 2, 2, fnCountIf},
    {"COUNTIFS", 2, -1, fnCountIfs},
    {"AVERAGEIF", 2, 3, fnAverageIf},
    {"AVERAGEIFS", 3, -1, fnAverageIfs},
    {"COUNTBLANK", 1, 1, fnCountBlank},
    {"SUMPRODUCT", 1, -1, fnSumProduct},
    {"SUMSQ", 1, -1, fnSumSq},
    {"XOR", 1, -1, fnXor},
    {"IFERROR", 2, 2, fnIfError},
    {"IFNA", 2, 2, fnIfNa},
    {"IFS", 2, -1, fnIfs},
    {"SWITCH", 3, -1, fnSwitch},
    {"ISNA", 1, 1, fnIsNa},
    {"ISERR", 1, 1, fnIsErr},
    {"ISLOGICAL", 1, 1, fnIsLogical},
    {"ISNONTEXT", 1, 1, fnIsNonText},
    {"ISEVEN", 1, 1, fnIsEven},
    {"ISODD", 1, 1, fnIsOdd},
    {"ISREF", 1, 1, fnIsRef},
    {"ISFORMULA", 1, 1, fnIsFormula},
    {"NA", 0, 0, fnNa},
    {"TYPE", 1, 1, fnType},
    {"ERROR.TYPE", 1, 1, fnErrorType},
    {"N", 1, 1, fnN},
    {"T", 1, 1, fnT},
};

const std::unordered_map<std::string, int>& index() {
    static const std::unordered_map<std::string, int> map = [] {
        std::unordered_map<std::string, int> m;
        for (int i = 0; i < static_cast<int>(std::size(kBuiltins)); ++i)
            m.emplace(std::string(kBuiltins[i].name), i);
        return m;
    }();
    return map;
}

} // namespace

int findBuiltin(std::string_view name) {
    if (name.size() > 32)
        return -1;
    std::string upper(name);
    for (auto& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto it = index().find(upper);
    return it == index().end() ? -1 : it->second;
}

const BuiltinFunction& builtin(int id) {
    return kBuiltins[id];
}
int builtinCount() {
    return static_cast<int>(std::size(kBuiltins));
}

} // namespace grid
