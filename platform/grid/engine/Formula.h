#pragma once
// Compiled formulas: a postfix (RPN) token list. References store relative parts
// as offsets from the formula's own cell, so formulas that differ only by their
// position (B1 =A1*2, B2 =A2*2, ...) compile to identical code and share it.

#include <cstdint>
#include <string>
#include <vector>

namespace grid {

enum class Op : uint8_t {
    Number,
    String,
    Bool,
    Error,
    Ref,
    Range,
    Name,
    Missing,
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    Concat,
    Eq,
    Ne,
    Lt,
    Le,
    Gt,
    Ge,
    Neg,
    Plus,
    Percent,
    Paren,
    Func,
    Custom,
    RangeJoin, // a:b between references that are not plain addresses (A1:INDEX(...))
    Intersect, // "a b": the cells two references share
};

// Ref flags: which parts are absolute. Range uses all four. A whole column range
// (A:C) holds rows 1..Sheet::kLimitRows, a whole row range (3:5) columns
// 1..Sheet::kLimitCols, both absolute; the flag tells the writer to leave them out.
enum RefFlags : uint8_t {
    kColAbs = 1,
    kRowAbs = 2,
    kCol2Abs = 4,
    kRow2Abs = 8,
    kWholeCols = 16,
    kWholeRows = 32,
};

struct Token {
    Op op = Op::Number;
    uint8_t flags = 0;
    uint16_t argc = 0;
    // Ref: a=col, b=row. Range: a,b = first corner, c,d = second corner.
    // Relative parts are offsets from the formula cell. String/Name/Custom: a = index
    // into FormulaCode::strings. Error: a = ErrorCode. Func: a = function id.
    int32_t a = 0, b = 0, c = 0, d = 0;
    double num = 0;
    bool operator==(const Token& o) const {
        return op == o.op && flags == o.flags && argc == o.argc && a == o.a && b == o.b &&
               c == o.c && d == o.d && (num == o.num || (num != num && o.num != o.num));
    }
};

struct FormulaCode {
    std::vector<Token> tokens;
    std::vector<std::string> strings;
    bool hasNames = false;
    bool hasCustom = false;
    bool volatileCode = false;
    bool operator==(const FormulaCode& o) const {
        return tokens == o.tokens && strings == o.strings;
    }
    uint64_t hash() const;
};

// Resolving a reference part: absolute parts are taken as they are, relative ones
// added to the anchor.
inline int32_t resolvePart(int32_t v, bool abs, int32_t anchor) {
    return abs ? v : anchor + v;
}

} // namespace grid
