#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace grid::xls {

// How a BIFF8 formula calls a function.
enum class FunctionCall : uint8_t {
    Fixed,  // ptgFunc: a fixed number of arguments
    Var,    // ptgFuncVar: the argument count travels with the call
    Future, // newer than the format: ptgName to a hidden NAME "_xlfn.NAME", then
            // ptgFuncVar 255 with the name as an extra first argument
    AddIn,  // an Analysis add-in function: ptgNameX to an EXTERNNAME of the add-in
            // SUPBOOK, then ptgFuncVar 255 as for Future
};

constexpr uint16_t kExternalFunction = 255;
// Arguments a call may hold in an Excel 97-2003 formula (the name of a Future
// or AddIn function counts as one).
constexpr int kMaxFunctionArgs = 30;

struct BiffFunction {
    std::string_view name; // the engine's name, upper case
    FunctionCall call;
    uint16_t index; // function number for Fixed and Var
    uint8_t minArgs;
    uint8_t maxArgs;  // Fixed: minArgs == maxArgs
    char returnClass; // 'V' value or 'R' reference
    // The token class each argument is written in ('V', 'R', 'A'), the last one
    // repeating; empty for no arguments.
    std::string_view params;
    // The engine rounds negative numbers in its own way (as Calc's CEILING and
    // FLOOR do); Excel's function of that number agrees only for a positive step
    // given as a number, so other calls are not written as formulas.
    bool needsPositiveStep = false;
    // The engine lets the last argument out and takes it as 0 (ROUND(x)); the
    // format's function needs it, so it is written as 0.
    bool lastDefaultsToZero = false;

    char paramClass(int i) const {
        if (params.empty())
            return 'V';
        return params[static_cast<size_t>(i) < params.size() ? i : params.size() - 1];
    }
};

// The BIFF8 form of the engine's function `name`; null when the format has none.
const BiffFunction* findBiffFunction(std::string_view name);
// The whole table.
std::span<const BiffFunction> biffFunctions();

} // namespace grid::xls
