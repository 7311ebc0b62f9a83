#include "platform/grid/engine/io/XlsWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <unordered_map>

#include "platform/grid/engine/io/BiffStream.h"
#include "platform/grid/engine/io/CompoundFileWriter.h"
#include "platform/grid/engine/io/Utf.h"
#include "platform/grid/engine/io/XlsFormula.h"
#include "platform/grid/engine/io/XlsFormulaRecords.h"

namespace grid::xls {

namespace {

// Record types.
constexpr uint16_t kBof = 0x0809, kEof = 0x000A, kCodePage = 0x0042, kWindow1 = 0x003D,
                   kDateMode = 0x0022, kFont = 0x0031, kFormat = 0x041E, kXf = 0x00E0,
                   kStyle = 0x0293, kPalette = 0x0092, kBoundSheet = 0x0085, kDefColWidth = 0x0055,
                   kColInfo = 0x007D, kDimensions = 0x0200, kRow = 0x0208, kNumber = 0x0203,
                   kRk = 0x027E, kLabelSst = 0x00FD, kBoolErr = 0x0205, kBlank = 0x0201,
                   kWindow2 = 0x023E, kMergedCells = 0x00E5;

constexpr uint16_t kDefaultCellXf = 15;
constexpr uint16_t kFirstUserXf = 16;
constexpr uint16_t kFirstCustomFormat = 164;
constexpr uint16_t kAutoFontColor = 0x7FFF;
constexpr uint16_t kPaletteFirst = 8;
constexpr size_t kPaletteSize = 56;

void bof(BiffStream& s, uint16_t kind) {
    ByteWriter b;
    b.u16(0x0600);
    b.u16(kind);
    b.u16(0x0DBB);
    b.u16(0x07CC);
    b.u32(0);
    b.u32(0x00000006);
    s.record(kBof, b);
}

void shortString(ByteWriter& b, const std::string& utf8, size_t maxChars) {
    std::u16string s = utf8ToUtf16(utf8);
    if (s.size() > maxChars)
        s.resize(maxChars);
    bool wide = !fitsLatin1(s);
    b.u8(static_cast<uint8_t>(s.size()));
    b.u8(wide ? 1 : 0);
    for (char16_t c : s)
        wide ? b.u16(c) : b.u8(static_cast<uint8_t>(c));
}

void longString(ByteWriter& b, const std::string& utf8) {
    std::u16string s = utf8ToUtf16(utf8);
    if (s.size() > 255)
        s.resize(255);
    bool wide = !fitsLatin1(s);
    b.u16(static_cast<uint16_t>(s.size()));
    b.u8(wide ? 1 : 0);
    for (char16_t c : s)
        wide ? b.u16(c) : b.u8(static_cast<uint8_t>(c));
}

// Maps the book's colours to the 56 palette slots; beyond 56 distinct colours the
// nearest slot is used.
class Palette {
public:
    explicit Palette(const Book& book) {
        auto use = [&](uint32_t c) {
            if (c == kAutoColor)
                return;
            c &= 0xFFFFFF;
            if (m_slots.size() < kPaletteSize &&
                std::find(m_slots.begin(), m_slots.end(), c) == m_slots.end())
                m_slots.push_back(c);
        };
        for (const Font& f : book.fonts)
            use(f.color);
        for (const CellFormat& f : book.formats) {
            if (f.fill)
                use(*f.fill);
            for (const BorderLine* l : {&f.left, &f.right, &f.top, &f.bottom})
                if (l->style)
                    use(l->color);
        }
        static const uint32_t kFiller[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00,
                                           0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00};
        for (size_t i = 0; m_slots.size() < kPaletteSize; ++i)
            m_slots.push_back(kFiller[i % 8]);
    }

    uint16_t index(uint32_t color) const {
        color &= 0xFFFFFF;
        size_t best = 0;
        long bestDist = -1;
        for (size_t i = 0; i < m_slots.size(); ++i) {
            if (m_slots[i] == color)
                return static_cast<uint16_t>(kPaletteFirst + i);
            long d = 0;
            for (int shift : {0, 8, 16}) {
                long a = (color >> shift) & 0xFF, b = (m_slots[i] >> shift) & 0xFF;
                d += (a - b) * (a - b);
            }
            if (bestDist < 0 || d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        return static_cast<uint16_t>(kPaletteFirst + best);
    }

    void write(BiffStream& s) const {
        ByteWriter b;
        b.u16(static_cast<uint16_t>(m_slots.size()));
        for (uint32_t c : m_slots) {
            b.u8(c & 0xFF); // COLORREF is 0x00BBGGRR; the record wants R, G, B, 0
            b.u8((c >> 8) & 0xFF);
            b.u8((c >> 16) & 0xFF);
            b.u8(0);
        }
        s.record(kPalette, b);
    }

private:
    std::vector<uint32_t> m_slots;
};

void font(BiffStream& s, const Font& f, const Palette& palette) {
    ByteWriter b;
    b.u16(f.heightTwips);
    b.u16(static_cast<uint16_t>((f.italic ? 0x02 : 0) | (f.strikeout ? 0x08 : 0)));
    b.u16(f.color == kAutoColor ? kAutoFontColor : palette.index(f.color));
    b.u16(f.weight);
    b.u16(0);
    b.u8(f.underline ? 1 : 0);
    b.u8(0);
    b.u8(0);
    b.u8(0);
    shortString(b, f.name, 255);
    s.record(kFont, b);
}

// BIFF font indexes skip 4.
uint16_t fontIndex(int i) {
    return static_cast<uint16_t>(i < 4 ? i : i + 1);
}

void styleXf(BiffStream& s, bool first) {
    ByteWriter b;
    b.u16(0);
    b.u16(0);
    b.u16(0xFFF5); // locked, style XF, no parent
    b.u8(0x20);    // bottom aligned
    b.u8(0);
    b.u8(0);
    b.u8(first ? 0 : 0xF4);
    b.u32(0);
    b.u32(0);
    b.u16(0x20C0); // pattern colours: automatic
    s.record(kXf, b);
}

void cellXf(BiffStream& s, const CellFormat& f, uint16_t font, uint16_t numFmt,
            const Palette& palette) {
    ByteWriter b;
    b.u16(font);
    b.u16(numFmt);
    b.u16(f.locked ? 0x0001 : 0x0000); // parent: the Normal style XF 0
    b.u8(static_cast<uint8_t>(static_cast<uint8_t>(f.hAlign) | (f.wrap ? 0x08 : 0) |
                              (static_cast<uint8_t>(f.vAlign) << 4)));
    b.u8(f.rotation);
    b.u8(0);
    b.u8(0xF8); // this XF sets number format, font, alignment, border, fill, protection
    auto icv = [&](const BorderLine& l) -> uint32_t {
        return l.style ? palette.index(l.color) : 0;
    };
    uint32_t lines = (f.left.style & 0xF) | ((f.right.style & 0xF) << 4) |
                     ((f.top.style & 0xF) << 8) | ((f.bottom.style & 0xF) << 12) |
                     (icv(f.left) << 16) | (icv(f.right) << 23);
    b.u32(lines);
    uint32_t more = icv(f.top) | (icv(f.bottom) << 7) | (f.fill ? (1u << 26) : 0);
    b.u32(more);
    uint16_t fore = f.fill ? palette.index(*f.fill) : 0x40;
    b.u16(static_cast<uint16_t>(fore | (0x41 << 7)));
    s.record(kXf, b);
}

// RK: a compact number form when the value survives it exactly.
bool toRk(double v, uint32_t& rk) {
    if (std::isfinite(v) && v == std::floor(v) && v >= -536870912.0 && v < 536870912.0) {
        rk = (static_cast<uint32_t>(static_cast<int32_t>(v)) << 2) | 2;
        return true;
    }
    double h = v * 100;
    if (std::isfinite(h) && h == std::floor(h) && h >= -536870912.0 && h < 536870912.0 &&
        static_cast<double>(static_cast<int32_t>(h)) / 100 == v) {
        rk = (static_cast<uint32_t>(static_cast<int32_t>(h)) << 2) | 3;
        return true;
    }
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) == 0) {
        rk = static_cast<uint32_t>(bits >> 32);
        return true;
    }
    return false;
}

void cellHeader(ByteWriter& b, const Cell& c, uint16_t xf) {
    b.u16(static_cast<uint16_t>(c.row));
    b.u16(static_cast<uint16_t>(c.col));
    b.u16(xf);
}

std::string sheetName(const std::string& name, size_t index) {
    std::string out;
    for (char c : name)
        out.push_back(std::strchr("[]:*?/\\", c) ? '_' : c);
    if (out.empty())
        out = "Sheet" + std::to_string(index + 1);
    return out;
}

IoStatus checkLimits(const Sheet& sheet) {
    auto inside = [](int row, int col) {
        return row >= 0 && row < kMaxRows && col >= 0 && col < kMaxCols;
    };
    for (const Cell& c : sheet.cells) {
        if (!inside(c.row, c.col))
            return {IoResult::TooLarge,
                    "the sheet is larger than an .xls worksheet (65536 rows, 256 columns)"};
        if (c.formula.size() > kMaxFormulaBytes)
            return {IoResult::BadArgument, "a formula is longer than an .xls file holds"};
    }
    for (const Merge& m : sheet.merges)
        if (!inside(m.firstRow, m.firstCol) || !inside(m.lastRow, m.lastCol))
            return {IoResult::TooLarge,
                    "a merged block lies outside an .xls worksheet (65536 rows, 256 columns)"};
    return {};
}

void writeSheet(BiffStream& s, const Sheet& sheet, const std::vector<uint32_t>& sstIndex) {
    bof(s, 0x0010);
    {
        ByteWriter b;
        b.u16(sheet.defaultColWidthChars);
        s.record(kDefColWidth, b);
    }
    for (auto [col, width] : sheet.colWidths) {
        ByteWriter b;
        b.u16(static_cast<uint16_t>(col));
        b.u16(static_cast<uint16_t>(col));
        b.u16(width);
        b.u16(kDefaultCellXf);
        b.u16(0);
        b.u16(0);
        s.record(kColInfo, b);
    }

    // Cells in row-major order, with their indexes into the string table.
    std::vector<size_t> order(sheet.cells.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const Cell& x = sheet.cells[a];
        const Cell& y = sheet.cells[b];
        return x.row != y.row ? x.row < y.row : x.col < y.col;
    });

    int rowMin = 0, rowMax = 0, colMin = 0, colMax = 0;
    if (!order.empty()) {
        rowMin = sheet.cells[order.front()].row;
        rowMax = sheet.cells[order.back()].row + 1;
        colMin = kMaxCols;
        for (const Cell& c : sheet.cells) {
            colMin = std::min(colMin, c.col);
            colMax = std::max(colMax, c.col + 1);
        }
    }
    {
        ByteWriter b;
        b.u32(static_cast<uint32_t>(rowMin));
        b.u32(static_cast<uint32_t>(rowMax));
        b.u16(static_cast<uint16_t>(colMin));
        b.u16(static_cast<uint16_t>(colMax));
        b.u16(0);
        s.record(kDimensions, b);
    }

    // Rows that need a ROW record: those with cells or a height of their own.
    std::map<int, std::pair<int, int>> rows; // row -> first col, last col + 1
    for (const Cell& c : sheet.cells) {
        auto [it, fresh] = rows.try_emplace(c.row, c.col, c.col + 1);
        if (!fresh) {
            it->second.first = std::min(it->second.first, c.col);
            it->second.second = std::max(it->second.second, c.col + 1);
        }
    }
    for (auto [row, height] : sheet.rowHeights)
        if (row >= 0 && row < kMaxRows)
            rows.try_emplace(row, 0, 0);

    size_t next = 0;
    auto rowIt = rows.begin();
    while (rowIt != rows.end()) {
        // Excel's layout: blocks of up to 32 rows, ROW records first, then their cells.
        int blockEnd = (rowIt->first / 32 + 1) * 32;
        auto blockIt = rowIt;
        for (; blockIt != rows.end() && blockIt->first < blockEnd; ++blockIt) {
            ByteWriter b;
            b.u16(static_cast<uint16_t>(blockIt->first));
            b.u16(static_cast<uint16_t>(blockIt->second.first));
            b.u16(static_cast<uint16_t>(blockIt->second.second));
            auto h = sheet.rowHeights.find(blockIt->first);
            bool custom = h != sheet.rowHeights.end();
            b.u16(custom ? std::min<uint16_t>(h->second, 8191) : 0x00FF);
            b.u16(0);
            b.u16(0);
            b.u32(0x0100u | (custom ? 0x40u : 0u) | (static_cast<uint32_t>(kDefaultCellXf) << 16));
            s.record(kRow, b);
        }
        while (next < order.size() && sheet.cells[order[next]].row < blockEnd) {
            size_t idx = order[next++];
            const Cell& c = sheet.cells[idx];
            uint16_t xf =
                c.format < 0 ? kDefaultCellXf : static_cast<uint16_t>(kFirstUserXf + c.format);
            ByteWriter b;
            cellHeader(b, c, xf);
            if (!c.formula.empty()) {
                writeFormulaCell(s, b, c);
                continue;
            }
            switch (c.kind) {
            case Cell::Kind::Blank:
                s.record(kBlank, b);
                break;
            case Cell::Kind::Number: {
                uint32_t rk;
                if (toRk(c.number, rk)) {
                    b.u32(rk);
                    s.record(kRk, b);
                } else {
                    b.f64(c.number);
                    s.record(kNumber, b);
                }
                break;
            }
            case Cell::Kind::Text:
                b.u32(sstIndex[idx]);
                s.record(kLabelSst, b);
                break;
            case Cell::Kind::Boolean:
                b.u8(c.number != 0 ? 1 : 0);
                b.u8(0);
                s.record(kBoolErr, b);
                break;
            case Cell::Kind::Error:
                b.u8(static_cast<uint8_t>(c.error));
                b.u8(1);
                s.record(kBoolErr, b);
                break;
            }
        }
        rowIt = blockIt;
    }

    {
        ByteWriter b;
        b.u16(0x06B6); // gridlines, headers, zeros, outline symbols, default grid colour, selected,
                       // active
        b.u16(0);
        b.u16(0);
        b.u16(0x40);
        b.u16(0);
        b.u16(0);
        b.u16(0);
        b.u32(0);
        s.record(kWindow2, b);
    }
    // At most 1026 merged blocks per record.
    for (size_t i = 0; i < sheet.merges.size(); i += 1026) {
        size_t n = std::min<size_t>(1026, sheet.merges.size() - i);
        ByteWriter b;
        b.u16(static_cast<uint16_t>(n));
        for (size_t k = i; k < i + n; ++k) {
            const Merge& m = sheet.merges[k];
            b.u16(static_cast<uint16_t>(m.firstRow));
            b.u16(static_cast<uint16_t>(m.lastRow));
            b.u16(static_cast<uint16_t>(m.firstCol));
            b.u16(static_cast<uint16_t>(m.lastCol));
        }
        s.record(kMergedCells, b);
    }
    s.record(kEof, std::string());
}

} // namespace

int Book::addFont(const Font& font) {
    for (size_t i = 0; i < fonts.size(); ++i)
        if (fonts[i] == font)
            return static_cast<int>(i);
    fonts.push_back(font);
    return static_cast<int>(fonts.size() - 1);
}

int Book::addFormat(const CellFormat& format) {
    for (size_t i = 0; i < formats.size(); ++i)
        if (formats[i] == format)
            return static_cast<int>(i);
    formats.push_back(format);
    return static_cast<int>(formats.size() - 1);
}

IoStatus XlsWriter::workbookStream(const Book& book, std::string& out) {
    if (book.sheets.empty())
        return {IoResult::BadArgument, "a workbook needs at least one sheet"};
    for (const Sheet& sheet : book.sheets) {
        IoStatus st = checkLimits(sheet);
        if (!st.ok())
            return st;
    }
    if (book.functionNames.size() > 0xFFFF || book.addInNames.size() > 0xFFFF)
        return {IoResult::TooLarge, "too many functions called by name for an .xls file"};
    if (book.formats.size() + kFirstUserXf > 4050)
        return {IoResult::TooLarge, "too many distinct cell formats for an .xls file"};

    Palette palette(book);
    BiffStream s;
    bof(s, 0x0005);
    {
        ByteWriter b;
        b.u16(1200); // UTF-16
        s.record(kCodePage, b);
    }
    {
        ByteWriter b;
        b.u16(0);
        b.u16(0);
        b.u16(0x4000);
        b.u16(0x2000);
        b.u16(0x0038);
        b.u16(0);
        b.u16(0);
        b.u16(1);
        b.u16(0x0258);
        s.record(kWindow1, b);
    }
    {
        ByteWriter b;
        b.u16(0);
        s.record(kDateMode, b);
    }
    // Fonts: the first four slots are the default font; the book's own fonts follow.
    std::vector<Font> fonts = book.fonts;
    if (fonts.empty())
        fonts.push_back(Font{});
    for (int i = 0; i < 4; ++i)
        font(s, fonts[0], palette);
    for (size_t i = 1; i < fonts.size(); ++i)
        font(s, fonts[i], palette);
    auto bookFont = [](int i) { return i <= 0 ? uint16_t(0) : fontIndex(i + 3); };

    std::map<std::string, uint16_t> numFmts;
    for (const CellFormat& f : book.formats)
        if (!f.numberFormat.empty() && f.numberFormat != "General")
            numFmts.try_emplace(f.numberFormat, 0);
    uint16_t nextFmt = kFirstCustomFormat;
    for (auto& [code, index] : numFmts) {
        index = nextFmt++;
        ByteWriter b;
        b.u16(index);
        longString(b, code);
        s.record(kFormat, b);
    }
    for (int i = 0; i < 15; ++i)
        styleXf(s, i == 0);
    {
        CellFormat def;
        cellXf(s, def, 0, 0, palette);
    }
    for (const CellFormat& f : book.formats) {
        uint16_t fmt = 0;
        if (!f.numberFormat.empty() && f.numberFormat != "General")
            fmt = numFmts[f.numberFormat];
        int fi = f.font >= 0 && static_cast<size_t>(f.font) < fonts.size() ? f.font : 0;
        cellXf(s, f, bookFont(fi), fmt, palette);
    }
    {
        ByteWriter b;
        b.u16(0x8000); // built-in style "Normal" on XF 0
        b.u8(0);
        b.u8(0xFF);
        s.record(kStyle, b);
    }
    palette.write(s);

    std::vector<size_t> sheetOffsetPatch;
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        ByteWriter b;
        b.u32(0); // patched once the sheet's position is known
        b.u8(0);
        b.u8(0);
        shortString(b, sheetName(book.sheets[i].name, i), 31);
        sheetOffsetPatch.push_back(s.position() + 4);
        s.record(kBoundSheet, b);
    }

    writeFunctionNames(s, book);

    SstWriter sst;
    std::vector<std::vector<uint32_t>> sstIndex(book.sheets.size());
    for (size_t i = 0; i < book.sheets.size(); ++i) {
        const auto& cells = book.sheets[i].cells;
        sstIndex[i].resize(cells.size());
        for (size_t k = 0; k < cells.size(); ++k)
            if (cells[k].kind == Cell::Kind::Text && cells[k].formula.empty())
                sstIndex[i][k] = sst.add(cells[k].text);
    }
    sst.write(s);
    s.record(kEof, std::string());

    for (size_t i = 0; i < book.sheets.size(); ++i) {
        s.raw().patchU32(sheetOffsetPatch[i], static_cast<uint32_t>(s.position()));
        writeSheet(s, book.sheets[i], sstIndex[i]);
    }
    out = s.take();
    return {};
}

IoStatus XlsWriter::fileBytes(const Book& book, std::string& out) {
    std::string stream;
    IoStatus st = workbookStream(book, stream);
    if (!st.ok())
        return st;
    CompoundFileWriter cfb;
    cfb.addStream("Workbook", std::move(stream));
    out = cfb.build();
    return {};
}

} // namespace grid::xls
