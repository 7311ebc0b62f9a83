// Writes the sample library's spreadsheet documents (resources/install/tvllib/
// Spreadsheets/): run `kw_eval_samples <folder>` after changing what they hold. The
// documents are the grid's own files, made through the same engine and property code
// the editor and the evaluator use.

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/Tvl_StringArray.h"
#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/Tvl_SimplePropsList.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/eval/FromTableDocuments.h"
#include "kw/spreadsheet/eval/TemplateReport.h"
#include "kw/spreadsheet/eval/Tvl_ReportData.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace fs = std::filesystem;

namespace {

bool save(const grid::Sheet& s, const fs::path& path) {
    const grid::IoStatus st = grid::DocumentFile::save(s, path.string());
    if (!st.ok())
        std::fprintf(stderr, "%s: %s\n", path.c_str(), st.message().c_str());
    return st.ok();
}

void header(grid::Sheet& s, std::initializer_list<const char*> names) {
    int c = 1;
    for (const char* n : names)
        s.setText(c++, 0, n);
}

void properties(grid::Sheet& s, const kw::DocumentProperties& p) {
    s.setTag(0, 0, kw::rewriteCornerTag(Tvl_String(), p).toUtf8());
}

// Sections with their weight per metre (kg/m), height and width (mm).
struct Section {
    const char* name;
    double weight;
    int h, b;
};
constexpr Section kSections[] = {
    {"HEA100", 16.7, 96, 100},  {"HEA120", 19.9, 114, 120}, {"HEA140", 24.7, 133, 140},
    {"HEA160", 30.4, 152, 160}, {"HEA200", 42.3, 190, 200}, {"HEA240", 60.3, 230, 240},
    {"HEB200", 61.3, 200, 200}, {"IPE200", 22.4, 200, 100}, {"IPE300", 42.2, 300, 150},
    {"UNP200", 25.3, 200, 75},
};

bool profiles(const fs::path& dir) {
    grid::Sheet s;
    const int rows = static_cast<int>(std::size(kSections));
    s.setMaxCols(4);
    s.setMaxRows(rows);
    header(s, {"Name", "Weight", "h", "b"});
    grid::CellType whole;
    whole.code = grid::CellTypeCode::Integer;
    s.setCellType(grid::CellRange{2, 1, 2, rows}, grid::CellType::numberType(1, 0, 10000));
    s.setCellType(grid::CellRange{3, 1, 4, rows}, whole);
    for (int r = 1; r <= rows; ++r) {
        const Section& x = kSections[r - 1];
        s.setText(1, r, x.name);
        s.setNumber(2, r, x.weight);
        s.setNumber(3, r, x.h);
        s.setNumber(4, r, x.b);
    }
    return save(s, dir / "profiles.kws");
}

bool lookup(const fs::path& dir) {
    grid::Sheet s;
    kw::registerFromTableOn(s);
    s.setAutoCalc(false);
    s.setMaxCols(4);
    s.setMaxRows(4);
    header(s, {"Weight", "Section", "Height", "Copied"});
    // The key form: the weight of the section named in B1.
    s.setFormula(1, 1, "FROMTABLE(\"profiles.kws\",\"Name\",\"Weight\",B1)");
    s.setText(2, 1, "HEA200");
    s.setFormula(3, 1, "FROMTABLE(\"profiles.kws\",\"Name\",\"h\",B1)");
    // The cell form: cell B9 (the weight of IPE300) of the other document.
    s.setFormula(1, 2, "FROMTABLE(\"profiles.kws\",B9)");
    s.setText(2, 2, "IPE300 by cell");
    // The copying form: the name of row 5 is written into D3.
    s.setFormula(1, 3, "FROMTABLE(\"profiles.kws\",A5,D3)");
    s.setText(2, 3, "copied into D3");
    // A key the document does not hold gives nothing.
    s.setFormula(1, 4, "FROMTABLE(\"profiles.kws\",\"Name\",\"Weight\",\"HEA999\")");
    s.setText(2, 4, "not there");
    s.setAutoCalc(true);
    return save(s, dir / "lookup.kws");
}

bool billOfMaterials(const fs::path& dir) {
    grid::Sheet s;
    const int items = 5;
    s.setMaxCols(6);
    s.setMaxRows(items + 3);
    header(s, {"Pos", "Section", "Length (m)", "Count", "kg/m", "Weight (kg)"});
    struct Item {
        const char* section;
        double length;
        int count;
        double kgm;
    } list[items] = {{"HEA200", 6.0, 4, 42.3},
                     {"HEA160", 4.5, 6, 30.4},
                     {"IPE300", 8.0, 3, 42.2},
                     {"UNP200", 3.2, 8, 25.3},
                     {"HEB200", 5.0, 2, 61.3}};
    s.setCellType(grid::CellRange{3, 1, 3, items}, grid::CellType::numberType(2, 0, 100));
    s.setCellType(grid::CellRange{5, 1, 6, items + 1}, grid::CellType::numberType(1, 0, 1e9));
    for (int r = 1; r <= items; ++r) {
        const Item& it = list[r - 1];
        s.setNumber(1, r, r);
        s.setText(2, r, it.section);
        s.setNumber(3, r, it.length);
        s.setNumber(4, r, it.count);
        s.setNumber(5, r, it.kgm);
        s.setFormula(6, r, "C#*D#*E#");
    }
    const int total = items + 1;
    s.setText(5, total, "Total");
    s.setFormula(6, total, "sum(#1:#" + std::to_string(items) + ")");
    s.setTag(6, total, "totalWeight");
    s.setNote(6, total, "Sum of every position's weight.");
    s.setText(5, total + 1, "Price/kg");
    s.setNumber(6, total + 1, 1.85);
    s.setTag(6, total + 1, "pricePerKg");
    s.setText(5, total + 2, "Cost");
    s.setFormula(6, total + 2, "totalWeight*pricePerKg");
    s.setTag(6, total + 2, "cost");
    s.setCellType(grid::CellRange{6, total + 1, 6, total + 2},
                  grid::CellType::numberType(2, 0, 1e12));
    grid::Font bold;
    bold.weight = 700;
    s.setFont(grid::CellRange{5, total, 6, total + 2}, bold);
    kw::DocumentProperties p;
    p.headerFile = L"header.kwh";
    p.marginLeft = 15;
    p.marginRight = 10;
    p.marginTop = 10;
    p.marginBottom = 10;
    p.colors = true;
    p.colHeader = true;
    p.cellSeperators = true;
    p.varNames.append(L"project");
    p.varNames.append(L"client");
    p.varValues.append(L"Hall 3, east wing");
    p.varValues.append(L"Example Steel Works");
    properties(s, p);
    s.setAutoCalc(true);
    s.recalcAll();
    return save(s, dir / "bill-of-materials.kws");
}

bool reportTemplate(const fs::path& dir) {
    grid::Sheet s;
    s.setMaxCols(5);
    s.setMaxRows(6);
    const char* markers[] = {"Title", "Regular", "Merged", "Total", "Column Names"};
    for (int r = 1; r <= 5; ++r)
        s.setText(0, r, markers[r - 1]);
    const char* names[] = {"Pos", "Section", "Count", "Weight"};
    grid::Font bold;
    bold.weight = 700;
    for (int c = 1; c <= 4; ++c) {
        s.setText(c, 5, names[c - 1]);
        s.setText(c, 1, "title");
        s.setText(c, 2, "regular");
        s.setText(c, 3, "merged");
        s.setText(c, 4, "total");
    }
    s.setFont(grid::CellRange{1, 1, 4, 1}, bold);
    s.setColors(grid::CellRange{1, 1, 4, 1}, 0x7F3F00, 0xFFFFFF); // dark blue, white text
    s.setColors(grid::CellRange{1, 2, 4, 2}, 0xF5F0E6, grid::kNoColor);
    s.setColors(grid::CellRange{1, 3, 4, 3}, 0xCCE5FF, grid::kNoColor);
    s.setFont(grid::CellRange{1, 4, 4, 4}, bold);
    s.setBorder(grid::CellRange{1, 4, 4, 4}, grid::Border{grid::kBorderTop, 1, 0});
    // Row 6 is the spare last row, never examined.
    return save(s, dir / "Template.kws");
}

bool report(const fs::path& dir) {
    Tvl_ReportData p;
    for (const wchar_t* n : {L"Pos", L"Section", L"Count", L"Weight"})
        p.columnNames.append(n);
    p.columnDecimals = {0, -1, 0, 1};
    p.columnWidths = {10, 30, 12, 20};
    const wchar_t* sections[] = {L"HEA200", L"HEA160", L"IPE300", L"UNP200"};
    const wchar_t* weights[] = {L"1015.2", L"820.8", L"1012.8", L"647.7"};
    for (int r = 0; r < 4; ++r) {
        Tvl_StringArray row;
        row.append(Tvl_String(r + 1).str());
        row.append(sections[r]);
        row.append(L"4");
        row.append(weights[r]);
        p.rows.append(row);
    }
    Tvl_StringArray total;
    for (const wchar_t* t : {L"", L"Total", L"", L""})
        total.append(t);
    p.rows.append(total);
    p.totalColumns = {3};
    p.totalFirstRows = {0};
    p.totalLastRows = {3};
    p.totalResultRows = {4};
    p.mergeFirstColumns = {0};
    p.mergeLastColumns = {1};
    p.mergeFirstRows = {4};
    p.mergeLastRows = {4};
    p.headerFile = L"header.kwh";
    p.varNames.append(L"project");
    p.varValues.append(L"Hall 3, east wing");
    p.pageWidthMm = 183;
    p.stretchToPageWidth = true;
    p.templatePath = base::toProduct(dir / "Template.kws");
    p.outputPath = base::toProduct(dir / "report.kws");
    // The report is laid out in a grid window as the evaluator does it.
    Tvl_Spread g;
    grid::Sheet templ;
    const kw::ReportOutcome out = kw::makeTemplateReport(p, g, templ);
    if (!out.ok())
        std::fprintf(stderr, "report: %ls", out.message.c_str());
    return out.ok();
}

// The header's picture: a pale band with a dark rule along its foot and a block at
// its left end, 600 x 60 pixels.
bool headerPicture(const fs::path& file) {
    ui::Bitmap b(600, 60, 0xFFE8F0F8u);
    for (int x = 0; x < 600; ++x)
        for (int y = 55; y < 58; ++y)
            b.set(x, y, 0xFF203060u);
    for (int x = 4; x < 40; ++x)
        for (int y = 6; y < 50; ++y)
            b.set(x, y, 0xFF4070A0u);
    const auto bytes = ui::encodeBmp24(b);
    std::FILE* f = std::fopen(file.string().c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool headerFile(const fs::path& dir) {
    if (!headerPicture(dir / "header.bmp"))
        return false;
    Tvl_SimplePropsList h;
    h.setText(L"standardFont", L"/C/B");
    // Beside the header file: the editor finds it there when the folder has moved.
    h.setText(L"BMPSource", L"header.bmp");
    h.setInt(L"origBmpWidth", 600);
    h.setInt(L"origBmpHeight", 60);
    h.setReal(L"zoomFactor", 1.0);
    const struct {
        double x1, y1, x2, y2;
        const wchar_t* text;
    } labels[] = {{0.02, 0.1, 0.6, 0.5, L"/TH\"14\"%project%"},
                  {0.65, 0.1, 0.98, 0.5, L"Page %currentPage% of %totalPages%"}};
    for (int n = 0; n < 2; ++n) {
        const Tvl_String base = L"LabelArr" + Tvl_String(n);
        h.setReal(base + L"x1", labels[n].x1);
        h.setReal(base + L"y1", labels[n].y1);
        h.setReal(base + L"x2", labels[n].x2);
        h.setReal(base + L"y2", labels[n].y2);
        h.setText(base + L"text", labels[n].text);
    }
    return h.writeToFile(base::toProduct(dir / "header.kwh"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kw_eval_samples FOLDER\n");
        return 2;
    }
    const fs::path dir = fs::absolute(argv[1]);
    fs::create_directories(dir);
    base::setDriveRoot("/");
    const bool ok = profiles(dir) && lookup(dir) && billOfMaterials(dir) && reportTemplate(dir) &&
                    report(dir) && headerFile(dir);
    return ok ? 0 : 1;
}
