#pragma once

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "platform/grid/engine/Sheet.h"

namespace grid::test {

// Everything observable about a sheet as text, so that two sheets compare in one
// EXPECT_EQ and a difference shows where it is.
inline std::string dumpSheet(const Sheet& s, bool withOptions = true) {
    std::ostringstream out;
    out << "size " << s.maxCols() << "x" << s.maxRows() << " style "
        << static_cast<int>(s.refStyle()) << " unit " << static_cast<int>(s.unitType()) << "\n";
    s.forEachCellByRow([&](int32_t col, int32_t row) {
        Value v = s.value(col, row);
        char num[40];
        std::snprintf(num, sizeof num, "%.17g", v.asNumber());
        out << "cell " << col << "," << row << " t" << static_cast<int>(v.type()) << " "
            << (v.isNumber() ? num : v.toString());
        if (s.hasFormula(col, row))
            out << " =" << s.formula(col, row, RefStyle::R1C1);
        out << "\n";
    });
    std::vector<std::string> attrs;
    s.forEachAttributed([&](int32_t col, int32_t row, const CellAttributes& a) {
        std::ostringstream l;
        l << "attr " << col << "," << row << " tag[" << a.tag << "] note[" << a.note << "]";
        if (a.type) {
            const CellType& t = *a.type;
            l << " type " << static_cast<int>(t.code) << " " << t.style << " " << t.maxLength << " "
              << t.decimals << " " << t.minValue << " " << t.maxValue << " [" << t.items << "]["
              << t.text << "][" << t.picture << "][" << t.pictureOn << "][" << t.pictureOff << "]";
        }
        const CellFormat& f = a.format;
        l << " fmt " << f.hasFont << " " << f.font.name << " " << f.font.height << " "
          << f.font.weight << f.font.italic << f.font.underline << f.font.strikeout << " " << f.back
          << " " << f.fore << " " << int(f.border.sides) << " " << f.border.lineStyle << " "
          << f.border.color << " " << int(f.hAlign) << int(f.vAlign) << int(f.locked);
        attrs.push_back(l.str());
    });
    std::sort(attrs.begin(), attrs.end());
    for (auto& a : attrs)
        out << a << "\n";
    std::vector<Span> spans = s.spans();
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    for (const Span& sp : spans)
        out << "span " << sp.col << "," << sp.row << " " << sp.cols << "x" << sp.rows << "\n";
    for (auto [c, px] : s.columnWidthsPx())
        out << "width " << c << " " << px << "\n";
    for (auto [r, px] : s.rowHeightsPx())
        out << "height " << r << " " << px << "\n";
    if (withOptions)
        for (auto [n, on] : s.options())
            if (n != kOptionChanged)
                out << "option " << n << " " << on << "\n";
    return out.str();
}

} // namespace grid::test
