#include "platform/grid/engine/io/XlsFormulaRecords.h"

#include <algorithm>

#include "platform/grid/engine/io/Utf.h"

namespace grid::xls {

namespace {

constexpr uint16_t kFormula = 0x0006, kString = 0x0207, kSupBook = 0x01AE, kExternName = 0x0023,
                   kExternSheet = 0x0017, kName = 0x0018;

// An EXTERNNAME's name: length, option byte 0, the characters (function names are
// plain ASCII).
void name8(ByteWriter& b, const std::string& name) {
    std::string_view chars = std::string_view(name).substr(0, 255);
    b.u8(static_cast<uint8_t>(chars.size()));
    b.u8(0);
    b.bytes(chars);
}

uint16_t addName(std::vector<std::string>& names, const std::string& name) {
    auto it = std::find(names.begin(), names.end(), name);
    if (it == names.end())
        it = names.insert(names.end(), name);
    return static_cast<uint16_t>(it - names.begin() + 1);
}

// A formula's text result: length and option byte, then the characters; where
// they go on in a CONTINUE record, that record starts with the option byte again.
void stringRecord(BiffStream& s, const std::string& utf8) {
    std::u16string text = utf8ToUtf16(utf8);
    if (text.size() > 32767)
        text.resize(32767);
    bool wide = !fitsLatin1(text);
    size_t unit = wide ? 2 : 1;
    ByteWriter b;
    b.u16(static_cast<uint16_t>(text.size()));
    b.u8(wide ? 1 : 0);
    uint16_t type = kString;
    size_t next = 0;
    for (;;) {
        size_t room = (BiffStream::kMaxRecordData - b.size()) / unit;
        size_t n = std::min(room, text.size() - next);
        for (size_t i = next; i < next + n; ++i)
            wide ? b.u16(text[i]) : b.u8(static_cast<uint8_t>(text[i]));
        next += n;
        s.record(type, b);
        if (next == text.size())
            break;
        b = ByteWriter();
        b.u8(wide ? 1 : 0);
        type = BiffStream::kContinue;
    }
}

} // namespace

// The cached result goes in the record's 8 bytes: a number as it is, anything
// else behind the marker 0xFFFF in the last two bytes (0 text, 1 boolean, 2
// error, 3 empty text). A text result follows in a STRING record.
void writeFormulaCell(BiffStream& s, ByteWriter& b, const Cell& c) {
    auto special = [&](uint8_t type, uint8_t value) {
        b.u8(type);
        b.u8(0);
        b.u8(value);
        b.u8(0);
        b.u8(0);
        b.u8(0);
        b.u16(0xFFFF);
    };
    bool text = c.kind == Cell::Kind::Text && !c.text.empty();
    switch (c.kind) {
    case Cell::Kind::Number:
        b.f64(c.number);
        break;
    case Cell::Kind::Boolean:
        special(1, c.number != 0 ? 1 : 0);
        break;
    case Cell::Kind::Error:
        special(2, static_cast<uint8_t>(c.error));
        break;
    default:
        special(text ? 0 : 3, 0);
        break;
    }
    b.u16(c.alwaysCalc ? 0x0001 : 0x0000);
    b.u32(0);
    b.u16(static_cast<uint16_t>(c.formula.size()));
    b.bytes(c.formula);
    s.record(kFormula, b);
    if (text)
        stringRecord(s, c.text);
}

// What the formulas call by name. The add-in functions are EXTERNNAMEs of an
// add-in SUPBOOK, reached through EXTERNSHEET entry kAddInExternSheet; the newer
// functions are hidden NAME records marked as macro functions, defined as #NAME?.
void writeFunctionNames(BiffStream& s, const Book& book) {
    if (book.functionNames.empty() && book.addInNames.empty())
        return;
    {
        ByteWriter b;
        b.u16(static_cast<uint16_t>(book.sheets.size()));
        b.u16(0x0401); // this workbook
        s.record(kSupBook, b);
    }
    if (!book.addInNames.empty()) {
        ByteWriter b;
        b.u16(1);
        b.u16(0x3A01); // add-in functions
        s.record(kSupBook, b);
        for (const std::string& name : book.addInNames) {
            ByteWriter e;
            e.u16(0);
            e.u16(0);
            e.u16(0);
            name8(e, name);
            e.u16(2);
            e.u8(0x1C); // ptgErr #REF!
            e.u8(0x17);
            s.record(kExternName, e);
        }
        ByteWriter x;
        x.u16(1);
        x.u16(1); // the add-in SUPBOOK (the second one)
        x.u16(0xFFFE);
        x.u16(0xFFFE);
        s.record(kExternSheet, x);
    }
    for (const std::string& name : book.functionNames) {
        ByteWriter b;
        b.u16(0x000B); // hidden, function, macro
        b.u8(0);
        b.u8(static_cast<uint8_t>(std::min<size_t>(name.size(), 255)));
        b.u16(2); // definition: #NAME?
        b.u16(0);
        b.u16(0);
        b.u32(0);
        b.u8(0);
        b.bytes(std::string_view(name).substr(0, 255));
        b.u8(0x1C);
        b.u8(0x1D);
        s.record(kName, b);
    }
}

uint16_t Book::addFunctionName(const std::string& name) {
    return addName(functionNames, name);
}

uint16_t Book::addAddInName(const std::string& name) {
    return addName(addInNames, name);
}

} // namespace grid::xls
