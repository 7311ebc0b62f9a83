#!/usr/bin/env python3
"""Writes the .xlsx and .ods samples beside this script with LibreOffice Calc.

Not run by CI: it needs LibreOffice (apt-get install libreoffice-calc-nogui).

  tests/platform/grid/engine/io/data/make_spreadsheets.py

The sheet is written as flat OpenDocument (sample.fods, not kept) with formulas in
OpenFormula and no results; LibreOffice loads it, calculates, and saves sample.xlsx
and sample.ods, which the tests read (SpreadsheetImportTest.cpp). The expected cells
are listed there; keep the two in step.

excel-features.xlsx is sample.xlsx with what Excel writes and LibreOffice does not,
added to the worksheet's XML: a shared formula over C1:C3, a plain error cell D1 and
an array formula in D2.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
from xml.sax.saxutils import escape, quoteattr

HERE = os.path.dirname(os.path.abspath(__file__))

# (cell, kind, content): kind n number, s text, b boolean, d date and time, f OpenFormula.
CELLS = [
    ("A1", "n", "1"), ("A2", "n", "2.5"), ("A3", "n", "-3"), ("A4", "s", "Plate"),
    ("A5", "b", "true"), ("A6", "s", 'say "hi"'), ("A7", "s", "Ölfeld ü €"),
    ("A8", "b", "false"), ("A9", "n", "1e+20"), ("A10", "d", "2024-02-29T06:00:00"),
    ("B1", "f", "[.A1]+[.A2]"),
    ("B2", "f", "[.$A$1]*2"),
    ("B3", "f", "SUM([.A1:.A3])"),
    ("B4", "f", "SUM([.A:.A])"),
    ("B5", "f", 'IF([.A5];"yes";"no")'),
    ("B6", "f", '[.A6]&"!"'),
    ("B7", "f", "LEN([.A7])"),
    ("B8", "f", "1/0"),
    ("B9", "f", "NA()"),
    ("B10", "f", 'COM.MICROSOFT.CONCAT("a";"b")'),
    ("B11", "f", "AND([.A5];NOT([.A8]))"),
    ("B12", "f", '"He said ""x"""'),
    ("B13", "f", "ROUND([.A2]*3;0)"),
    ("B14", "f", "[.A$1]+[.$A2]"),
    ("B15", "f", "-[.A1]^2+50%"),
    ("B16", "f", "[.A1]<>[.A2]"),
    ("B17", "f", "[$Other.A1]*2"),
    ("B18", "f", 'IFERROR([.B8];"none")'),
    ("B19", "f", "COUNTIF([.A1:.A9];\">0\")"),
    ("B20", "f", "SUM([.A1:.A3]![.A2:.A4])"),
    ("B21", "f", "BASE(10;2)"),
]


def cell_pos(ref):
    col = 0
    i = 0
    while ref[i].isalpha():
        col = col * 26 + ord(ref[i]) - 64
        i += 1
    return col - 1, int(ref[i:]) - 1


def cell_xml(kind, content):
    if kind == "n":
        return '<table:table-cell office:value-type="float" office:value="%s"/>' % content
    if kind == "b":
        return ('<table:table-cell table:style-name="bool" office:value-type="boolean"'
                ' office:boolean-value="%s"/>' % content)
    if kind == "d":
        return ('<table:table-cell table:style-name="date" office:value-type="date"'
                ' office:date-value="%s"/>' % content)
    if kind == "s":
        return ('<table:table-cell office:value-type="string"><text:p>%s</text:p>'
                '</table:table-cell>' % escape(content))
    return '<table:table-cell table:formula=%s/>' % quoteattr("of:=" + content)


def table_xml(name, cells):
    grid = {}
    for ref, kind, content in cells:
        grid[cell_pos(ref)] = (kind, content)
    rows = max(r for _, r in grid) + 1
    cols = max(c for c, _ in grid) + 1
    out = ['<table:table table:name=%s>' % quoteattr(name)]
    for r in range(rows):
        out.append("<table:table-row>")
        for c in range(cols):
            if (c, r) in grid:
                out.append(cell_xml(*grid[(c, r)]))
            else:
                out.append("<table:table-cell/>")
        out.append("</table:table-row>")
    out.append("</table:table>")
    return "".join(out)


def fods():
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        '<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"'
        ' xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"'
        ' xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"'
        ' xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2"'
        ' xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"'
        ' xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0"'
        ' office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">'
        "<office:automatic-styles>"
        '<number:boolean-style style:name="B0"><number:boolean/></number:boolean-style>'
        '<style:style style:name="bool" style:family="table-cell" style:data-style-name="B0"/>'
        '<number:date-style style:name="D0"><number:year number:style="long"/><number:text>-'
        '</number:text><number:month number:style="long"/><number:text>-</number:text>'
        '<number:day number:style="long"/></number:date-style>'
        '<style:style style:name="date" style:family="table-cell" style:data-style-name="D0"/>'
        "</office:automatic-styles>"
        "<office:body><office:spreadsheet>"
        + table_xml("Data", CELLS)
        + table_xml("Other", [("A1", "n", "21")])
        + "</office:spreadsheet></office:body></office:document>\n")


EXTRA_CELLS = {
    1: '<c r="C1"><f t="shared" ref="C1:C3" si="0">A1*2</f><v>2</v></c>'
       '<c r="D1" t="e"><v>#REF!</v></c>',
    2: '<c r="C2"><f t="shared" si="0"/><v>5</v></c>'
       '<c r="D2"><f t="array" ref="D2">SUM(A1:A3*2)</f><v>1</v></c>',
    3: '<c r="C3"><f t="shared" si="0"/><v>-6</v></c>',
}


def excel_features(src, dst):
    with zipfile.ZipFile(src) as zin, zipfile.ZipFile(dst, "w", zipfile.ZIP_DEFLATED) as zout:
        for item in zin.infolist():
            data = zin.read(item.filename)
            if item.filename == "xl/worksheets/sheet1.xml":
                text = data.decode("utf-8")
                for row, cells in EXTRA_CELLS.items():
                    text = re.sub(r'(<row r="%d"[^>]*>.*?)(</row>)' % row,
                                  lambda m: m.group(1) + cells + m.group(2), text, count=1)
                data = text.encode("utf-8")
            zout.writestr(item, data)


# The parts the readers need, stored uncompressed, as seeds of the fuzz targets: the
# fuzzer's changes then land in the XML, not in the compressed stream.
SEED_PARTS = {
    "xlsx": ("[Content_Types].xml", "_rels/.rels", "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
             "xl/sharedStrings.xml", "xl/worksheets/sheet1.xml"),
    "ods": ("mimetype", "content.xml"),
}


def stored_seed(src, dst, parts):
    with zipfile.ZipFile(src) as zin, zipfile.ZipFile(dst, "w", zipfile.ZIP_STORED) as zout:
        for name in parts:
            data = zin.read(name)
            if name.endswith(".xml"):
                # Views, styles and settings are not read: leave them out.
                data = re.sub(rb"<(sheetViews|sheetFormatPr|cols|pageMargins|pageSetup|"
                              rb"headerFooter|office:automatic-styles|office:font-face-decls|"
                              rb"office:scripts)\b.*?</\1>|<(pageMargins|pageSetup|"
                              rb"sheetFormatPr|dimension)\b[^>]*/>", b"", data, flags=re.S)
            zout.writestr(name, data)


def main():
    work = tempfile.mkdtemp()
    try:
        src = os.path.join(work, "sample.fods")
        with open(src, "w", encoding="utf-8") as f:
            f.write(fods())
        for fmt in ("xlsx:Calc MS Excel 2007 XML", "ods"):
            subprocess.run(["soffice", "--headless", "-env:UserInstallation=file://" + work + "/u",
                            "--convert-to", fmt, "--outdir", work, src], check=True,
                           stdout=subprocess.DEVNULL)
        for ext in ("xlsx", "ods"):
            shutil.copy(os.path.join(work, "sample." + ext), os.path.join(HERE, "sample." + ext))
        excel_features(os.path.join(HERE, "sample.xlsx"), os.path.join(HERE, "excel-features.xlsx"))
        corpus = os.path.join(HERE, "..", "..", "..", "..", "..", "fuzz", "corpus")
        for name, ext in (("sample", "xlsx"), ("excel-features", "xlsx"), ("sample", "ods")):
            stored_seed(os.path.join(HERE, name + "." + ext),
                        os.path.join(corpus, ext, name + "-stored." + ext), SEED_PARTS[ext])
    finally:
        shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
