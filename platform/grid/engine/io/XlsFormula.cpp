#include "platform/grid/engine/io/XlsFormula.h"

#include <cmath>
#include <vector>

#include "platform/grid/engine/Functions.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/SheetData.h"
#include "platform/grid/engine/Value.h"
#include "platform/grid/engine/io/ByteWriter.h"
#include "platform/grid/engine/io/Utf.h"
#include "platform/grid/engine/io/XlsFunctions.h"

namespace grid::xls {

namespace {

// Tokens without a class.
constexpr uint8_t kPtgIsect = 0x0F, kPtgRange = 0x11, kPtgUplus = 0x12, kPtgUminus = 0x13,
                  kPtgPercent = 0x14, kPtgParen = 0x15, kPtgMissArg = 0x16, kPtgStr = 0x17,
                  kPtgAttr = 0x19, kPtgErr = 0x1C, kPtgBool = 0x1D, kPtgInt = 0x1E, kPtgNum = 0x1F;
// Tokens with a class, to be or-ed with kClassRef / kClassValue / kClassArray.
constexpr uint8_t kPtgFunc = 0x01, kPtgFuncVar = 0x02, kPtgName = 0x03, kPtgRef = 0x04,
                  kPtgArea = 0x05, kPtgNameX = 0x19;
constexpr uint8_t kAttrVolatile = 0x01, kAttrIf = 0x02, kAttrSkip = 0x08;
constexpr uint16_t kColRelative = 0x4000, kRowRelative = 0x8000;
constexpr uint16_t kIfFunction = 1;
constexpr size_t kMaxLiteralChars = 255;

uint8_t classBits(char cls) {
    return cls == 'R' ? 0x20 : cls == 'A' ? 0x60 : 0x40;
}

int arity(const Token& t) {
    switch (t.op) {
    case Op::Number:
    case Op::String:
    case Op::Bool:
    case Op::Error:
    case Op::Ref:
    case Op::Range:
    case Op::Name:
    case Op::Missing:
        return 0;
    case Op::Neg:
    case Op::Plus:
    case Op::Percent:
    case Op::Paren:
        return 1;
    case Op::Func:
    case Op::Custom:
        return t.argc;
    default:
        return 2;
    }
}

uint8_t binaryPtg(Op op) {
    switch (op) {
    case Op::Add:
        return 0x03;
    case Op::Sub:
        return 0x04;
    case Op::Mul:
        return 0x05;
    case Op::Div:
        return 0x06;
    case Op::Pow:
        return 0x07;
    case Op::Concat:
        return 0x08;
    case Op::Lt:
        return 0x09;
    case Op::Le:
        return 0x0A;
    case Op::Eq:
        return 0x0B;
    case Op::Ge:
        return 0x0C;
    case Op::Gt:
        return 0x0D;
    case Op::Ne:
        return 0x0E;
    case Op::Intersect:
        return kPtgIsect;
    default:
        return kPtgRange;
    }
}

// Only #N/A: LibreOffice reads every other error constant of a .xls formula as
// a missing argument, so formulas holding one are written as their values.
bool errorByte(int32_t engineCode, uint8_t& out) {
    if (static_cast<grid::ErrorCode>(engineCode) != grid::ErrorCode::NA)
        return false;
    out = 0x2A;
    return true;
}

// The 1-based index `name` has or will have: its place in the book's table, or
// after the book's names among those this formula adds.
uint16_t nameIndex(const std::vector<std::string>& have, std::vector<std::string>& adding,
                   const std::string& name) {
    for (size_t i = 0; i < have.size(); ++i)
        if (have[i] == name)
            return static_cast<uint16_t>(i + 1);
    size_t i = 0;
    while (i < adding.size() && adding[i] != name)
        ++i;
    if (i == adding.size())
        adding.push_back(name);
    size_t index = have.size() + i + 1;
    return index > 0xFFFF ? 0 : static_cast<uint16_t>(index);
}

class Encoder {
public:
    Encoder(const FormulaCode& code, int32_t col, int32_t row, const Book& book)
        : m_code(code), m_col(col), m_row(row), m_book(book) {}

    FormulaFit run(std::string& out) {
        // Every token takes at least one byte, so a longer list cannot fit; this
        // also bounds the depth of the tree below.
        if (m_code.tokens.size() > kMaxFormulaBytes)
            return FormulaFit::TooLong;
        if (!buildTree())
            return FormulaFit::Malformed;
        FormulaFit fit = emit(m_root, 'V');
        if (fit != FormulaFit::Written)
            return fit;
        std::string body = m_out.take();
        if (m_volatile) {
            ByteWriter lead;
            lead.u8(kPtgAttr);
            lead.u8(kAttrVolatile);
            lead.u16(0);
            body.insert(0, lead.data());
        }
        if (body.size() > kMaxFormulaBytes)
            return FormulaFit::TooLong;
        out = std::move(body);
        return FormulaFit::Written;
    }

    bool isVolatile() const { return m_volatile; }
    const std::vector<std::string>& newFunctionNames() const { return m_newFunctions; }
    const std::vector<std::string>& newAddInNames() const { return m_newAddIns; }

private:
    struct Node {
        const Token* token;
        std::vector<int> kids;
    };

    bool buildTree() {
        std::vector<int> stack;
        for (const Token& t : m_code.tokens) {
            // Indexes into the code's texts and the function table are checked
            // here, once, so that a damaged code cannot reach beyond them.
            if ((t.op == Op::String &&
                 (t.a < 0 || static_cast<size_t>(t.a) >= m_code.strings.size())) ||
                (t.op == Op::Func && (t.a < 0 || t.a >= builtinCount())))
                return false;
            int n = arity(t);
            if (static_cast<int>(stack.size()) < n)
                return false;
            Node node{&t, {}};
            node.kids.assign(stack.end() - n, stack.end());
            stack.resize(stack.size() - n);
            m_nodes.push_back(std::move(node));
            stack.push_back(static_cast<int>(m_nodes.size() - 1));
        }
        if (stack.size() != 1)
            return false;
        m_root = stack.front();
        return true;
    }

    // One corner of a reference: false when it lies outside the format's sheet.
    bool corner(int32_t c, bool cAbs, int32_t r, bool rAbs, uint16_t& row, uint16_t& col) const {
        int32_t cc = resolvePart(c, cAbs, m_col);
        int32_t rr = resolvePart(r, rAbs, m_row);
        if (cc < 1 || cc > kMaxCols || rr < 1 || rr > kMaxRows)
            return false;
        row = static_cast<uint16_t>(rr - 1);
        col =
            static_cast<uint16_t>((cc - 1) | (cAbs ? 0 : kColRelative) | (rAbs ? 0 : kRowRelative));
        return true;
    }

    FormulaFit reference(const Token& t, char cls) {
        uint16_t r1, c1;
        if (!corner(t.a, t.flags & kColAbs, t.b, t.flags & kRowAbs, r1, c1))
            return FormulaFit::Reference;
        m_out.u8(kPtgRef | classBits(cls));
        m_out.u16(r1);
        m_out.u16(c1);
        return FormulaFit::Written;
    }

    FormulaFit area(const Token& t, char cls) {
        int32_t a = t.a, b = t.b, c = t.c, d = t.d;
        // Whole columns and rows end where the format's sheet ends.
        if (t.flags & kWholeCols) {
            b = 1;
            d = kMaxRows;
        } else if (t.flags & kWholeRows) {
            a = 1;
            c = kMaxCols;
        }
        uint16_t r1, c1, r2, c2;
        if (!corner(a, t.flags & kColAbs, b, t.flags & kRowAbs, r1, c1) ||
            !corner(c, t.flags & kCol2Abs, d, t.flags & kRow2Abs, r2, c2))
            return FormulaFit::Reference;
        m_out.u8(kPtgArea | classBits(cls));
        m_out.u16(r1);
        m_out.u16(r2);
        m_out.u16(c1);
        m_out.u16(c2);
        return FormulaFit::Written;
    }

    FormulaFit literal(const Token& t) {
        switch (t.op) {
        case Op::Number:
            if (t.num >= 0 && t.num <= 65535 && t.num == std::floor(t.num)) {
                m_out.u8(kPtgInt);
                m_out.u16(static_cast<uint16_t>(t.num));
            } else {
                m_out.u8(kPtgNum);
                m_out.f64(t.num);
            }
            return FormulaFit::Written;
        case Op::String: {
            std::u16string s = utf8ToUtf16(m_code.strings[t.a]);
            if (s.size() > kMaxLiteralChars)
                return FormulaFit::Literal;
            bool wide = !fitsLatin1(s);
            m_out.u8(kPtgStr);
            m_out.u8(static_cast<uint8_t>(s.size()));
            m_out.u8(wide ? 1 : 0);
            for (char16_t ch : s)
                wide ? m_out.u16(ch) : m_out.u8(static_cast<uint8_t>(ch));
            return FormulaFit::Written;
        }
        case Op::Bool:
            m_out.u8(kPtgBool);
            m_out.u8(t.num != 0 ? 1 : 0);
            return FormulaFit::Written;
        case Op::Error: {
            uint8_t e;
            if (!errorByte(t.a, e))
                return FormulaFit::Literal;
            m_out.u8(kPtgErr);
            m_out.u8(e);
            return FormulaFit::Written;
        }
        default:
            m_out.u8(kPtgMissArg);
            return FormulaFit::Written;
        }
    }

    size_t placeholder() {
        size_t at = m_out.size();
        m_out.u8(kPtgAttr);
        m_out.u8(0);
        m_out.u16(0);
        return at;
    }

    void patchAttr(size_t at, uint8_t kind, size_t offset) {
        m_out.patchU16(at, static_cast<uint16_t>(kPtgAttr | (kind << 8)));
        m_out.patchU16(at + 2, static_cast<uint16_t>(offset));
    }

    // IF(c, a[, b]): c, tAttrIf (to b), a, tAttrSkip (past the call), b,
    // tAttrSkip (past the call), the call. A skip's offset is the distance to
    // the end of the call less one.
    FormulaFit ifCall(const Node& node, const BiffFunction& f) {
        constexpr size_t kAttrSize = 4, kCallSize = 4;
        FormulaFit fit = emit(node.kids[0], f.paramClass(0));
        if (fit != FormulaFit::Written)
            return fit;
        size_t ifAt = placeholder();
        if ((fit = emit(node.kids[1], f.paramClass(1))) != FormulaFit::Written)
            return fit;
        size_t skipAt = placeholder();
        patchAttr(ifAt, kAttrIf, skipAt + kAttrSize - (ifAt + kAttrSize));
        if (node.kids.size() == 3) {
            if ((fit = emit(node.kids[2], f.paramClass(2))) != FormulaFit::Written)
                return fit;
            size_t lastAt = placeholder();
            patchAttr(skipAt, kAttrSkip, lastAt + kAttrSize + kCallSize - (skipAt + kAttrSize) - 1);
            patchAttr(lastAt, kAttrSkip, kCallSize - 1);
        } else {
            patchAttr(skipAt, kAttrSkip, kCallSize - 1);
        }
        return FormulaFit::Written;
    }

    FormulaFit call(const Node& node, char cls) {
        const BuiltinFunction& engine = builtin(node.token->a);
        const BiffFunction* f = findBiffFunction(engine.name);
        int argc = static_cast<int>(node.kids.size());
        bool zeroLast = f && f->lastDefaultsToZero && argc + 1 == f->minArgs;
        if (!f || (argc < f->minArgs && !zeroLast) || argc > f->maxArgs)
            return FormulaFit::Function;
        if (f->needsPositiveStep) {
            const Token& step = *m_nodes[node.kids[1]].token;
            if (step.op != Op::Number || !(step.num > 0))
                return FormulaFit::Function;
        }
        if (engine.isVolatile)
            m_volatile = true;
        bool byName = f->call == FunctionCall::Future || f->call == FunctionCall::AddIn;
        if (byName && argc + 1 > kMaxFunctionArgs)
            return FormulaFit::Function;
        if (f->call == FunctionCall::Future) {
            uint16_t index =
                nameIndex(m_book.functionNames, m_newFunctions, "_xlfn." + std::string(f->name));
            if (!index)
                return FormulaFit::Name;
            m_out.u8(kPtgName | classBits('R'));
            m_out.u16(index);
            m_out.u16(0);
        } else if (f->call == FunctionCall::AddIn) {
            uint16_t index = nameIndex(m_book.addInNames, m_newAddIns, std::string(f->name));
            if (!index)
                return FormulaFit::Name;
            m_out.u8(kPtgNameX | classBits('R'));
            m_out.u16(kAddInExternSheet);
            m_out.u16(index);
            m_out.u16(0);
        }
        FormulaFit fit = FormulaFit::Written;
        if (f->call == FunctionCall::Var && f->index == kIfFunction && argc >= 2) {
            fit = ifCall(node, *f);
        } else {
            for (int i = 0; i < argc && fit == FormulaFit::Written; ++i)
                fit = emit(node.kids[i], f->paramClass(i));
        }
        if (fit != FormulaFit::Written)
            return fit;
        if (zeroLast) {
            m_out.u8(kPtgInt);
            m_out.u16(0);
            ++argc;
        }
        uint8_t tokenClass = classBits(cls == 'A'                            ? 'A'
                                       : cls == 'R' && f->returnClass == 'R' ? 'R'
                                                                             : 'V');
        if (f->call == FunctionCall::Fixed) {
            m_out.u8(kPtgFunc | tokenClass);
            m_out.u16(f->index);
        } else {
            m_out.u8(kPtgFuncVar | tokenClass);
            m_out.u8(static_cast<uint8_t>(byName ? argc + 1 : argc));
            m_out.u16(byName ? kExternalFunction : f->index);
        }
        return FormulaFit::Written;
    }

    // Writes the node's tokens; `cls` is the class its place asks for.
    FormulaFit emit(int index, char cls) {
        const Node& node = m_nodes[index];
        const Token& t = *node.token;
        char operand = cls == 'A' ? 'A' : 'V';
        switch (t.op) {
        case Op::Number:
        case Op::String:
        case Op::Bool:
        case Op::Error:
        case Op::Missing:
            return literal(t);
        case Op::Ref:
            return reference(t, cls);
        case Op::Range:
            return area(t, cls);
        case Op::Name:
        case Op::Custom:
            return FormulaFit::Name;
        case Op::Func:
            return call(node, cls);
        case Op::Neg:
        case Op::Plus:
        case Op::Percent:
        case Op::Paren: {
            FormulaFit fit = emit(node.kids[0], t.op == Op::Paren ? cls : operand);
            if (fit != FormulaFit::Written)
                return fit;
            m_out.u8(t.op == Op::Neg       ? kPtgUminus
                     : t.op == Op::Plus    ? kPtgUplus
                     : t.op == Op::Percent ? kPtgPercent
                                           : kPtgParen);
            return FormulaFit::Written;
        }
        default: {
            // Range and intersection work on references, the others on values.
            bool refs = t.op == Op::RangeJoin || t.op == Op::Intersect;
            for (int kid : node.kids) {
                FormulaFit fit = emit(kid, refs ? 'R' : operand);
                if (fit != FormulaFit::Written)
                    return fit;
            }
            m_out.u8(binaryPtg(t.op));
            return FormulaFit::Written;
        }
        }
    }

    const FormulaCode& m_code;
    int32_t m_col, m_row;
    const Book& m_book;
    std::vector<Node> m_nodes;
    int m_root = 0;
    ByteWriter m_out;
    bool m_volatile = false;
    std::vector<std::string> m_newFunctions, m_newAddIns;
};

} // namespace

FormulaFit encodeFormula(const FormulaCode& code, int32_t col, int32_t row, Book& book,
                         std::string& out) {
    Encoder encoder(code, col, row, book);
    std::string tokens;
    FormulaFit fit = encoder.run(tokens);
    if (fit != FormulaFit::Written)
        return fit;
    for (const std::string& name : encoder.newFunctionNames())
        book.addFunctionName(name);
    for (const std::string& name : encoder.newAddInNames())
        book.addAddInName(name);
    out = std::move(tokens);
    return FormulaFit::Written;
}

const FormulaCode* cellFormula(const grid::Sheet& sheet, int32_t col, int32_t row) {
    const SheetData& d = sheet.data();
    const Slot* s = d.slot(col, row);
    if (!s || !s->formula)
        return nullptr;
    return d.codes[d.formulas[s->formula - 1].code].get();
}

} // namespace grid::xls
