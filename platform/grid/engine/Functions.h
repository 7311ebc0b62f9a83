#pragma once
// The built-in function table.

#include <cstdint>
#include <string_view>

namespace grid {

class Evaluator;
struct EvalValue;

using BuiltinFn = void (*)(Evaluator& ev, EvalValue* args, int argc, EvalValue& result);

// What a function does with a transposed block (TRANSPOSE of a range) as argument.
enum class TransposedArgs : uint8_t {
    Refused, // #VALUE! in its place
    AsRange, // the range itself: the function does not depend on the order of the cells
    Handled, // the function reads it by position
};

struct BuiltinFunction {
    std::string_view name; // upper case
    int minArgs;
    int maxArgs; // -1 = any number
    BuiltinFn fn;
    // Recalculated on every recalculation, whatever changed (RAND, NOW, OFFSET, ...).
    bool isVolatile = false;
    TransposedArgs transposed = TransposedArgs::Refused;
};

// Index of the function named `name` (any case), or -1.
int findBuiltin(std::string_view name);
const BuiltinFunction& builtin(int id);
int builtinCount();

} // namespace grid
