#pragma once
// Expression: the sample model's equation language (docs/sample-model.md).
//
//   expr    = or ;
//   or      = and { "||" and } ;          and = compare { "&&" compare } ;
//   compare = sum [ ("<" | "<=" | ">" | ">=" | "==" | "!=") sum ] ;
//   sum     = product { ("+" | "-") product } ;
//   product = unary { ("*" | "/" | "%") unary } ;
//   unary   = [ "-" | "+" | "!" ] power ;    power = primary [ "^" unary ] ;
//   primary = number | name | name "(" [ expr { "," expr } ] ")" | "(" expr ")" ;
//   name    = letter { letter | digit | "_" | "." } ;   (* "Module.Cell" or "Cell" *)
//
// Functions: min, max (1 or more arguments), abs, sqrt, round (1 or 2 arguments: the
// number of decimals), floor, ceil, if(condition, then, else). Comparisons and logic give
// 1 or 0; a condition is true when it is not 0. Evaluation fails (with a message) for an
// unknown name or function, a division by zero, the root of a negative number and any
// result that is not finite.

#include "core/Tvl_String.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace model {

class Expression {
public:
    // Looks a name up: true and its value, false when unknown.
    using Lookup = std::function<bool(const std::wstring& name, double& value)>;

    Expression();
    Expression(const Expression& other);
    Expression& operator=(const Expression& other);
    ~Expression();

    // Parses `text`; false and `error` (with the position) on a syntax error.
    bool parse(const Tvl_String& text, Tvl_String& error);
    bool isEmpty() const;
    const Tvl_String& text() const { return m_text; }

    // The names the expression reads, each once, in order of appearance.
    std::vector<std::wstring> names() const;

    bool evaluate(const Lookup& lookup, double& value, Tvl_String& error) const;

    struct Node; // the parsed tree (Expression.cpp)

private:
    Tvl_String m_text;
    std::shared_ptr<const Node> m_root; // immutable once parsed, so copies may share it
};

} // namespace model
