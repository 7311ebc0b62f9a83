#include "core/model/Expression.h"

#include <cmath>
#include <cwctype>

namespace model {

struct Expression::Node {
    enum Kind { Number, Name, Call, Unary, Binary } kind = Number;
    double number = 0;
    std::wstring text; // name, function name or operator
    std::vector<std::shared_ptr<const Node>> args;
};

namespace {

using Node = Expression::Node;
using NodePtr = std::shared_ptr<const Node>;

// Nesting deeper than this is refused, so that a hostile text cannot exhaust the stack.
constexpr int kMaxDepth = 200;

class Parser {
public:
    explicit Parser(const std::wstring& text) : m_text(text) {}

    NodePtr parseAll(Tvl_String& error) {
        NodePtr root = parseOr(0);
        skipBlanks();
        if (root && m_pos < m_text.size())
            fail(L"unexpected \"" + std::wstring(1, m_text[m_pos]) + L"\"");
        if (!m_error.empty()) {
            error = Tvl_String::format(L"%s at position %d", m_error.c_str(),
                                       static_cast<int>(m_errorPos) + 1);
            return nullptr;
        }
        return root;
    }

private:
    void skipBlanks() {
        while (m_pos < m_text.size() && std::iswspace(m_text[m_pos]))
            ++m_pos;
    }
    bool accept(const wchar_t* op) {
        skipBlanks();
        const std::wstring_view o(op);
        if (m_text.compare(m_pos, o.size(), o) != 0)
            return false;
        m_pos += o.size();
        return true;
    }
    NodePtr fail(const std::wstring& message) {
        if (m_error.empty()) {
            m_error = message;
            m_errorPos = m_pos;
        }
        return nullptr;
    }
    static NodePtr make(Node::Kind kind, std::wstring text, std::vector<NodePtr> args) {
        auto node = std::make_shared<Node>();
        node->kind = kind;
        node->text = std::move(text);
        node->args = std::move(args);
        return node;
    }
    NodePtr binary(const std::wstring& op, NodePtr a, NodePtr b) {
        if (!a || !b)
            return nullptr;
        return make(Node::Binary, op, {a, b});
    }

    NodePtr parseOr(int depth) {
        if (depth > kMaxDepth)
            return fail(L"expression nested too deeply");
        NodePtr left = parseAnd(depth);
        while (left && accept(L"||"))
            left = binary(L"||", left, parseAnd(depth));
        return left;
    }
    NodePtr parseAnd(int depth) {
        NodePtr left = parseCompare(depth);
        while (left && accept(L"&&"))
            left = binary(L"&&", left, parseCompare(depth));
        return left;
    }
    NodePtr parseCompare(int depth) {
        NodePtr left = parseSum(depth);
        if (!left)
            return nullptr;
        for (const wchar_t* op : {L"<=", L">=", L"==", L"!=", L"<", L">"}) {
            if (accept(op))
                return binary(op, left, parseSum(depth));
        }
        return left;
    }
    NodePtr parseSum(int depth) {
        NodePtr left = parseProduct(depth);
        while (left) {
            if (accept(L"+"))
                left = binary(L"+", left, parseProduct(depth));
            else if (accept(L"-"))
                left = binary(L"-", left, parseProduct(depth));
            else
                break;
        }
        return left;
    }
    NodePtr parseProduct(int depth) {
        NodePtr left = parseUnary(depth);
        while (left) {
            if (accept(L"*"))
                left = binary(L"*", left, parseUnary(depth));
            else if (accept(L"/"))
                left = binary(L"/", left, parseUnary(depth));
            else if (accept(L"%"))
                left = binary(L"%", left, parseUnary(depth));
            else
                break;
        }
        return left;
    }
    NodePtr parseUnary(int depth) {
        if (depth > kMaxDepth)
            return fail(L"expression nested too deeply");
        skipBlanks();
        if (m_pos < m_text.size() && m_text.compare(m_pos, 2, L"!=") != 0) {
            for (const wchar_t* op : {L"-", L"+", L"!"}) {
                if (accept(op)) {
                    NodePtr operand = parseUnary(depth + 1);
                    return operand ? make(Node::Unary, op, {operand}) : nullptr;
                }
            }
        }
        NodePtr base = parsePrimary(depth);
        if (base && accept(L"^"))
            return binary(L"^", base, parseUnary(depth + 1));
        return base;
    }
    NodePtr parsePrimary(int depth) {
        skipBlanks();
        if (m_pos >= m_text.size())
            return fail(L"value expected");
        const wchar_t c = m_text[m_pos];
        if (accept(L"(")) {
            NodePtr inner = parseOr(depth + 1);
            if (inner && !accept(L")"))
                return fail(L"\")\" expected");
            return inner;
        }
        if (std::iswdigit(c) || c == L'.') {
            const wchar_t* start = m_text.c_str() + m_pos;
            wchar_t* end = nullptr;
            const double value = std::wcstod(start, &end);
            if (end == start)
                return fail(L"number expected");
            m_pos += static_cast<size_t>(end - start);
            auto node = std::make_shared<Node>();
            node->kind = Node::Number;
            node->number = value;
            return node;
        }
        if (std::iswalpha(c) || c == L'_') {
            const size_t start = m_pos;
            while (m_pos < m_text.size() &&
                   (std::iswalnum(m_text[m_pos]) || m_text[m_pos] == L'_' || m_text[m_pos] == L'.'))
                ++m_pos;
            std::wstring name = m_text.substr(start, m_pos - start);
            if (!accept(L"("))
                return make(Node::Name, name, {});
            std::vector<NodePtr> args;
            if (!accept(L")")) {
                do {
                    NodePtr arg = parseOr(depth + 1);
                    if (!arg)
                        return nullptr;
                    args.push_back(arg);
                } while (accept(L","));
                if (!accept(L")"))
                    return fail(L"\")\" expected");
            }
            return make(Node::Call, name, std::move(args));
        }
        return fail(L"unexpected \"" + std::wstring(1, c) + L"\"");
    }

    const std::wstring& m_text;
    size_t m_pos = 0;
    std::wstring m_error;
    size_t m_errorPos = 0;
};

class Evaluator {
public:
    Evaluator(const Expression::Lookup& lookup, Tvl_String& error)
        : m_lookup(lookup), m_error(error) {}

    bool eval(const Expression::Node& node, double& out) {
        switch (node.kind) {
        case Expression::Node::Number:
            out = node.number;
            return true;
        case Expression::Node::Name:
            if (!m_lookup || !m_lookup(node.text, out))
                return fail(L"unknown name \"" + node.text + L"\"");
            return true;
        case Expression::Node::Unary: {
            double a = 0;
            if (!eval(*node.args[0], a))
                return false;
            out = node.text == L"-" ? -a : node.text == L"!" ? (a == 0 ? 1 : 0) : a;
            return true;
        }
        case Expression::Node::Binary:
            return evalBinary(node, out);
        case Expression::Node::Call:
            return evalCall(node, out);
        }
        return false;
    }

private:
    bool fail(const std::wstring& message) {
        if (m_error.isEmpty())
            m_error = Tvl_String(message);
        return false;
    }
    bool finite(double value, double& out) {
        if (!std::isfinite(value))
            return fail(L"the result is not a finite number");
        out = value;
        return true;
    }
    bool evalBinary(const Expression::Node& node, double& out) {
        double a = 0, b = 0;
        const std::wstring& op = node.text;
        if (!eval(*node.args[0], a))
            return false;
        // Logic evaluates its right side only when it matters, so "x != 0 && 1 / x > 2" works.
        if (op == L"&&" && a == 0)
            return (out = 0, true);
        if (op == L"||" && a != 0)
            return (out = 1, true);
        if (!eval(*node.args[1], b))
            return false;
        if (op == L"+")
            return finite(a + b, out);
        if (op == L"-")
            return finite(a - b, out);
        if (op == L"*")
            return finite(a * b, out);
        if (op == L"/")
            return b == 0 ? fail(L"division by zero") : finite(a / b, out);
        if (op == L"%")
            return b == 0 ? fail(L"division by zero") : finite(std::fmod(a, b), out);
        if (op == L"^")
            return finite(std::pow(a, b), out);
        if (op == L"<")
            out = a < b;
        else if (op == L"<=")
            out = a <= b;
        else if (op == L">")
            out = a > b;
        else if (op == L">=")
            out = a >= b;
        else if (op == L"==")
            out = a == b;
        else if (op == L"!=")
            out = a != b;
        else if (op == L"&&" || op == L"||")
            out = b != 0;
        return true;
    }
    bool evalCall(const Expression::Node& node, double& out) {
        const std::wstring& name = node.text;
        const size_t n = node.args.size();
        if (name == L"if") {
            if (n != 3)
                return fail(L"if takes 3 arguments");
            double condition = 0;
            if (!eval(*node.args[0], condition))
                return false;
            return eval(*node.args[condition != 0 ? 1 : 2], out);
        }
        std::vector<double> values(n);
        for (size_t i = 0; i < n; ++i)
            if (!eval(*node.args[i], values[i]))
                return false;
        if (name == L"min" || name == L"max") {
            if (n == 0)
                return fail(name + L" takes at least 1 argument");
            double result = values[0];
            for (double v : values)
                result = name == L"min" ? std::min(result, v) : std::max(result, v);
            out = result;
            return true;
        }
        if (name == L"round") {
            if (n != 1 && n != 2)
                return fail(L"round takes 1 or 2 arguments");
            const double scale = n == 2 ? std::pow(10.0, std::round(values[1])) : 1.0;
            return finite(std::round(values[0] * scale) / scale, out);
        }
        if (n != 1)
            return fail(L"unknown function \"" + name + L"\" with " + std::to_wstring(n) +
                        L" arguments");
        const double v = values[0];
        if (name == L"abs")
            return finite(std::fabs(v), out);
        if (name == L"sqrt")
            return v < 0 ? fail(L"root of a negative number") : finite(std::sqrt(v), out);
        if (name == L"floor")
            return finite(std::floor(v), out);
        if (name == L"ceil")
            return finite(std::ceil(v), out);
        return fail(L"unknown function \"" + name + L"\"");
    }

    const Expression::Lookup& m_lookup;
    Tvl_String& m_error;
};

void collectNames(const Expression::Node& node, std::vector<std::wstring>& names) {
    if (node.kind == Expression::Node::Name) {
        for (const std::wstring& known : names)
            if (known == node.text)
                return;
        names.push_back(node.text);
    }
    for (const NodePtr& arg : node.args)
        collectNames(*arg, names);
}

} // namespace

Expression::Expression() = default;
Expression::Expression(const Expression& other) = default;
Expression& Expression::operator=(const Expression& other) = default;
Expression::~Expression() = default;

bool Expression::parse(const Tvl_String& text, Tvl_String& error) {
    error.clear();
    Parser parser(text.str());
    NodePtr root = parser.parseAll(error);
    if (!root)
        return false;
    m_text = text;
    m_root = root;
    return true;
}

bool Expression::isEmpty() const {
    return !m_root;
}

std::vector<std::wstring> Expression::names() const {
    std::vector<std::wstring> names;
    if (m_root)
        collectNames(*m_root, names);
    return names;
}

bool Expression::evaluate(const Lookup& lookup, double& value, Tvl_String& error) const {
    error.clear();
    if (!m_root) {
        error = L"empty expression";
        return false;
    }
    Evaluator evaluator(lookup, error);
    return evaluator.eval(*m_root, value);
}

} // namespace model
