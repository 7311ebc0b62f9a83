#include "kw/spreadsheet/eval/TemplateReport.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/eval/Tvl_ReportData.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/ui/Image.h"

namespace kw {

namespace {

constexpr double kNumberLimit = 99999999999999.0;
constexpr int kTextMaxLength = 9999;
constexpr uint32_t kPictureStyle = 38;
constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerPixel = 15.0;

bool isFile(const Tvl_String& productPath) {
    if (productPath.isEmpty())
        return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(base::toNative(productPath.str()), ec);
}

template <class A> bool sameLength(const A&) {
    return true;
}
template <class A, class B, class... R> bool sameLength(const A& a, const B& b, const R&... r) {
    return a.length() == b.length() && sameLength(b, r...);
}

// Font, colours and border of a template cell, given to a report cell.
void copyFormat(const grid::Sheet& from, int fromCol, int fromRow, grid::Sheet& to, int col,
                int row) {
    const grid::CellFormat src = from.format(fromCol, fromRow);
    grid::CellFormat dst = to.format(col, row);
    dst.hasFont = src.hasFont;
    dst.font = src.font;
    dst.back = src.back;
    dst.fore = src.fore;
    dst.border = src.border;
    to.setFormat(col, row, dst);
}

struct TemplateRows {
    int title = -1, regular = -1, merged = -1, total = -1, columnNames = -1;
};

void applyTemplate(const Tvl_ReportData& p, grid::Sheet& g, const grid::Sheet& t, bool totalsUsable,
                   bool mergesUsable) {
    const int tRows = t.maxRows(), tCols = t.maxCols();
    TemplateRows rows;
    // The last row is not examined (the product's templates end with a spare row).
    for (int r = 1; r <= tRows - 1; ++r) {
        const Tvl_String h = Tvl_String::fromUtf8(t.displayText(0, r));
        if (h.equal(L"Title", true))
            rows.title = r;
        else if (h.equal(L"Regular", true))
            rows.regular = r;
        else if (h.equal(L"Merged", true))
            rows.merged = r;
        else if (h.equal(L"Total", true))
            rows.total = r;
        else if (h.equal(L"Column Names", true))
            rows.columnNames = r;
    }
    const int reportRows = g.maxRows();
    for (int c = 0; c < p.columnNames.length(); ++c) {
        const Tvl_String& name = p.columnNames[c];
        int tc = -1;
        for (int col = 1; col <= tCols - 1 && tc < 0; ++col) {
            if (Tvl_String::fromUtf8(t.displayText(col, 0)).equal(name, true)) {
                tc = col;
                break;
            }
            if (rows.columnNames < 1)
                continue;
            for (int r = rows.columnNames; r <= tRows - 1; ++r)
                if (Tvl_String::fromUtf8(t.displayText(col, r)).equal(name, true)) {
                    tc = col;
                    break;
                }
        }
        if (tc < 0)
            continue;
        if (rows.title >= 1)
            copyFormat(t, tc, rows.title, g, c + 1, 0);
        if (rows.regular >= 1)
            for (int r = 1; r <= reportRows; ++r)
                copyFormat(t, tc, rows.regular, g, c + 1, r);
        if (rows.merged >= 1 && mergesUsable)
            for (int k = 0; k < p.mergeFirstColumns.length(); ++k)
                if (p.mergeFirstColumns[k] == c)
                    copyFormat(t, tc, rows.merged, g, c + 1, p.mergeFirstRows[k] + 1);
        if (rows.total >= 1 && totalsUsable)
            for (int k = 0; k < p.totalColumns.length(); ++k)
                if (p.totalColumns[k] == c)
                    copyFormat(t, tc, rows.total, g, c + 1, p.totalResultRows[k] + 1);
    }
}

} // namespace

double reportWidthUnit(const Tvl_Spread& report) {
    const int px = grid::textWidthPx(report.cellFont(1, 1), L"WygP");
    return px * kTwipsPerPixel / 3.0;
}

ReportOutcome makeTemplateReport(const Tvl_ReportData& p, Tvl_Spread& report, grid::Sheet& templ) {
    ReportOutcome out;
    const int cols = p.columnNames.length();
    bool rowsAgree = true;
    for (const Tvl_StringArray& row : p.rows)
        rowsAgree = rowsAgree && row.length() == cols;
    if (p.columnDecimals.length() != cols || !rowsAgree) {
        out.result = ReportResult::ListsDisagree;
        out.message = L"*Error* The report's column decimals or row texts do not match its " +
                      Tvl_String(cols) + L" column names; no report was made.\n";
        return out;
    }
    grid::Sheet& g = report.sheet();
    const int rows = p.rows.length();

    // Columns, rows and the names in the header row.
    g.setMaxCols(cols);
    g.setMaxRows(rows);
    for (int c = 0; c < cols; ++c)
        g.setText(c + 1, 0, p.columnNames[c].toUtf8());

    // Cell types per column.
    for (int c = 0; c < cols && rows > 0; ++c) {
        const int d = p.columnDecimals[c];
        const grid::CellRange block{c + 1, 1, c + 1, rows};
        if (d >= 0)
            g.setCellType(block,
                          grid::CellType::numberType(std::min(d, 15), -kNumberLimit, kNumberLimit));
        else
            g.setCellType(block,
                          grid::CellType::edit(kTextMaxLength,
                                               p.wrapText ? uint32_t(grid::kStyleMultiLine) : 0u));
    }

    // Column widths: the unit is a third of "WygP"; the whole is scaled to the page when
    // wider than the page (or narrower, with stretching asked for).
    if (!p.columnWidths.isEmpty() && p.columnWidths.length() == cols) {
        const grid::UnitType oldUnit = g.unitType();
        g.setUnitType(grid::UnitType::Twips);
        const double pageWidth = p.pageWidthMm / 25.4 * kTwipsPerInch;
        const double unit = reportWidthUnit(report);
        double sum = 0;
        for (int w : p.columnWidths)
            sum += std::max(w, 0) * unit;
        double f = 1;
        if (sum > 0 && pageWidth > 0 && (pageWidth < sum || p.stretchToPageWidth))
            f = pageWidth / sum;
        for (int c = 0; c < cols && sum > 0; ++c)
            g.setColumnWidth(c + 1, std::max(p.columnWidths[c], 0) * unit * f);
        g.setUnitType(oldUnit);
    }

    // Cells.
    for (int r = 0; r < rows; ++r) {
        const Tvl_StringArray& row = p.rows[r];
        for (int c = 0; c < cols; ++c) {
            const Tvl_String& text = row[c];
            if (text.isEmpty())
                continue;
            if (p.columnDecimals[c] >= 0)
                g.setNumber(c + 1, r + 1, text.toDouble());
            else
                g.setText(c + 1, r + 1, text.toUtf8());
        }
    }

    // Totals.
    const bool totalsUsable =
        sameLength(p.totalColumns, p.totalFirstRows, p.totalLastRows, p.totalResultRows);
    out.totalsSkipped = !totalsUsable;
    for (int k = 0; totalsUsable && k < p.totalColumns.length(); ++k) {
        const int col = p.totalColumns[k] + 1, row = p.totalResultRows[k] + 1;
        const std::string formula = "sum(#" + std::to_string(p.totalFirstRows[k] + 1) + ":#" +
                                    std::to_string(p.totalLastRows[k] + 1) + ")";
        if (g.setFormula(col, row, formula, grid::RefStyle::Default).ok)
            g.recalcCell(col, row);
    }

    // Pictures: a cell spanning as many columns as the picture is wide, its row as high.
    const bool picturesUsable = sameLength(p.pictureFiles, p.pictureColumns, p.pictureRows);
    out.picturesSkipped = !picturesUsable;
    for (int k = 0; picturesUsable && k < p.pictureFiles.length(); ++k) {
        const Tvl_String& file = p.pictureFiles[k];
        const int col = p.pictureColumns[k] + 1, row = p.pictureRows[k] + 1;
        if (!isFile(file) || col < 1 || col > cols || row < 1 || row > rows)
            continue;
        const ui::Size size = ui::loadImageFile(base::toNative(file.str()).string()).size();
        if (size.cx <= 0 || size.cy <= 0)
            continue;
        int last = col, width = report.colWidthPx(col);
        while (width < size.cx && last < cols)
            width += report.colWidthPx(++last);
        if (last > col)
            g.addSpan(grid::Span{col, row, last - col + 1, 1});
        g.setRowHeightPx(row, size.cy);
        g.setCellType(col, row, grid::CellType::pictureType(file.toUtf8(), kPictureStyle));
    }

    // Formats from the template.
    const bool mergesUsable =
        sameLength(p.mergeFirstColumns, p.mergeLastColumns, p.mergeFirstRows, p.mergeLastRows);
    out.mergesSkipped = !mergesUsable;
    if (isFile(p.templatePath)) {
        templ.setOption(12, true);
        templ.setAutoCalc(false);
        if (grid::DocumentFile::load(templ, base::toNative(p.templatePath.str()).string()).ok())
            applyTemplate(p, g, templ, totalsUsable, mergesUsable);
    }

    // Merges.
    for (int k = 0; mergesUsable && k < p.mergeFirstColumns.length(); ++k) {
        const int c1 = p.mergeFirstColumns[k], c2 = p.mergeLastColumns[k];
        const int r1 = p.mergeFirstRows[k], r2 = p.mergeLastRows[k];
        if (c2 >= c1 && r2 >= r1)
            g.addSpan(grid::Span{c1 + 1, r1 + 1, c2 - c1 + 1, r2 - r1 + 1});
    }

    // The document's properties in the corner cell.
    DocumentProperties props;
    props.headerFile = p.headerFile;
    props.footerFile = p.footerFile;
    props.marginLeft = 9;
    props.marginRight = 5;
    props.marginTop = 5;
    props.marginBottom = 5;
    props.smartPrint = false;
    props.colors = true;
    props.colHeader = true;
    props.rowHeader = false;
    props.cellSeperators = true;
    props.border = true;
    props.varNames = p.varNames;
    props.varValues = p.varValues;
    g.setTag(0, 0, rewriteCornerTag(Tvl_String::fromUtf8(g.tag(0, 0)), props).toUtf8());

    if (p.outputPath.isEmpty()) {
        out.result = ReportResult::NoOutputPath;
        out.message = Tvl_String(L"*Error* The report has no output path; it was not saved.\n");
        return out;
    }
    const grid::IoStatus saved =
        grid::DocumentFile::save(g, base::toNative(p.outputPath.str()).string());
    if (!saved.ok()) {
        out.result = ReportResult::SaveFailed;
        out.message = L"*Error* The report could not be saved to " + p.outputPath + L": " +
                      Tvl_String::fromUtf8(saved.message()) + L"\n";
    }
    return out;
}

} // namespace kw
