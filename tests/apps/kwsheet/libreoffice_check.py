#!/usr/bin/env python3
"""Calculates the formula tables of tests/apps/kwsheet/data/ in LibreOffice Calc.

Not run by CI: it needs LibreOffice (apt-get install libreoffice-calc-nogui).

  tests/apps/kwsheet/libreoffice_check.py [--fill] [table.tsv ...]

For every table (all *.tsv beside this script's data/ folder by default) it builds
one sheet with the fixed cells the tables share (see the header of functions.tsv)
and each formula in column G of its own row, lets LibreOffice load it as CSV
(formulas evaluated, en-US), saves the raw values, and compares them with the
table's second column, our expected display. It prints every row where they
differ; a row whose second column is "?" is new: --fill writes LibreOffice's
result into it (converted to our display: TRUE/FALSE, exponents with two digits)
and LibreOffice's own text into the third column. Rows where we depart from
LibreOffice on purpose keep our value in column 2 and LibreOffice's in column 3.
"""

import csv
import datetime
import re
import xml.etree.ElementTree as ET
import math
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, "data")

FIXED = [
    ("A1", "1"), ("A2", "2"), ("A3", "3"), ("A4", "-4.5"), ("A5", "text"),
    ("A6", "=TRUE()"), ("A8", "0"), ("A9", '="5"'), ("B1", "10"), ("B2", "20"),
    ("B3", "30"), ("B4", "40"), ("B5", "50"), ("C1", "a"), ("C2", "b"), ("C3", "c"),
    ("C4", "d"), ("C5", "e"), ("A12", "1"), ("B12", "2"), ("C12", "3"), ("D12", "4"),
    ("E12", "5"), ("A13", "one"), ("B13", "two"), ("C13", "three"), ("D13", "four"),
    ("E13", "five"), ("D1", "Äpfel"), ("D2", "apfel"), ("D3", "Zebra"), ("D4", "über"),
    ("D5", "Ölfeld"), ("E1", "1"), ("E2", "2"), ("E3", "3"), ("E4", "4"), ("E5", "5"),
    ("F1", "a"), ("F2", "ä"), ("F3", "b"), ("F4", "z"),
]

BATCH = 40
FILTER = "9,34,76,1,,1033,false,false,false,false,false,-1"


def cell_pos(ref):
    col = 0
    i = 0
    while ref[i].isalpha():
        col = col * 26 + ord(ref[i].upper()) - 64
        i += 1
    return col - 1, int(ref[i:]) - 1


def read_table(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                rows.append((None, line))
                continue
            parts = line.split("\t")
            while len(parts) < 3:
                parts.append("")
            rows.append((parts, line))
    return rows


def calculate(formulas):
    """LibreOffice's result of each formula: (text, is_boolean)."""
    # LibreOffice gives a result its boolean format only in the rows it lays out
    # when loading a sheet (about the first 200), so the formulas go in batches of
    # 40, each in G1:G40 of a sheet of its own; the test places them the same way.
    values = []
    for i in range(0, len(formulas), BATCH):
        values += calculate_batch(formulas[i:i + BATCH])
    return values


def calculate_batch(formulas):
    height = max(len(formulas), 13)
    grid = [[""] * 7 for _ in range(height)]
    for ref, content in FIXED:
        c, r = cell_pos(ref)
        grid[r][c] = content
    for i, f in enumerate(formulas):
        grid[i][6] = "=" + f
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, "sheet.csv")
        with open(src, "w", encoding="utf-8", newline="") as f:
            w = csv.writer(f, delimiter="\t", quotechar='"', quoting=csv.QUOTE_MINIMAL,
                           lineterminator="\n")
            w.writerows(grid)
        # The CSV import gives every result the standard number format, so booleans
        # would come out as 1/0: save the sheet as flat ODF, drop the cached results
        # and let LibreOffice calculate it once more from its own formula text.
        first = soffice(tmp, src, os.path.join(tmp, "first"), ["--infilter=CSV:" + FILTER])
        with open(first, encoding="utf-8") as f:
            doc = re.sub(r"<table:table-cell[^>]*table:formula=[^>]*?(/>|>.*?</table:table-cell>)",
                         drop_result, f.read(), flags=re.S)
        again = os.path.join(tmp, "again.fods")
        with open(again, "w", encoding="utf-8") as f:
            f.write(doc)
        final = soffice(tmp, again, os.path.join(tmp, "final"), [])
        rows = read_fods(final)
    values = []
    for i in range(len(formulas)):
        row = rows[i] if i < len(rows) else []
        values.append(row[6] if len(row) > 6 else ("", False))
    return values


def soffice(tmp, src, outdir, extra):
    subprocess.run(["soffice", "-env:UserInstallation=file://" + tmp + "/profile", "--headless"]
                   + extra + ["--convert-to", "fods", "--outdir", outdir, src],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return os.path.join(outdir, [n for n in os.listdir(outdir) if n.endswith(".fods")][0])


def drop_result(m):
    head = re.match(r"<table:table-cell[^>]*>", m.group(0)).group(0)
    head = re.sub(r'\s(office|calcext):(value-type|value|boolean-value|string-value|date-value|'
                  r'time-value)="[^"]*"', "", head)
    return head if head.endswith("/>") else head + "</table:table-cell>"


NS = {
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}


def q(prefix, name):
    return "{%s}%s" % (NS[prefix], name)


def serial_of_date(text):
    day = datetime.datetime.fromisoformat(text)
    delta = day - datetime.datetime(1899, 12, 30)
    return repr(delta.days + delta.seconds / 86400 + delta.microseconds / 86400e6)


def serial_of_duration(text):
    m = re.match(r"(-)?PT(\d+)H(\d+)M([\d.]+)S", text)
    v = (int(m.group(2)) * 3600 + int(m.group(3)) * 60 + float(m.group(4))) / 86400
    return repr(-v if m.group(1) else v)


def cell_result(cell):
    kind = cell.get(q("office", "value-type"))
    para = "".join("".join(p.itertext()) for p in cell.findall(q("text", "p")))
    if kind == "boolean":
        return ("TRUE" if cell.get(q("office", "boolean-value")) == "true" else "FALSE", True)
    if kind == "string" or kind is None:
        v = cell.get(q("office", "string-value"))
        return (Text(v if v else para), False)
    if kind in ("float", "percentage", "currency"):
        return (cell.get(q("office", "value")), False)
    if kind == "date":
        return (serial_of_date(cell.get(q("office", "date-value"))), False)
    if kind == "time":
        return (serial_of_duration(cell.get(q("office", "time-value"))), False)
    if kind == "string":
        v = cell.get(q("office", "string-value"))
        return (v if v else para, False)
    return (para, False)


def read_fods(path):
    root = ET.parse(path).getroot()
    table = root.find(".//" + q("table", "table"))
    rows = []
    for row in table.iter(q("table", "table-row")):
        cells = []
        for cell in row:
            if cell.tag not in (q("table", "table-cell"), q("table", "covered-table-cell")):
                continue
            n = int(cell.get(q("table", "number-columns-repeated"), "1"))
            cells.extend([cell_result(cell)] * min(n, 16))
        n = int(row.get(q("table", "number-rows-repeated"), "1"))
        rows.extend([cells] * min(n, 100000))
        if len(rows) >= 100000:
            break
    return rows


def our_number(text):
    """LibreOffice's raw number as our display writes it (15 significant digits)."""
    try:
        v = float(text)
    except ValueError:
        return None
    if math.isnan(v) or math.isinf(v):
        return None
    if v == 0:
        return "0"
    a = abs(v)
    if 1e-5 <= a < 1e15:
        s = "%.15g" % v
        if "e" in s:
            s = ("%.20f" % float(s)).rstrip("0").rstrip(".")
        return s
    mant, exp = ("%.14e" % v).split("e")
    if "." in mant:
        mant = mant.rstrip("0").rstrip(".")
    sign = exp[0]
    digits = exp[1:].lstrip("0") or "0"
    if len(digits) < 2:
        digits = "0" + digits
    return mant + "E" + sign + digits


class Text(str):
    """A text result: compared as it is, never read as a number."""


def normalise(value, is_bool):
    if is_bool or isinstance(value, Text):
        return value
    n = our_number(value)
    return n if n is not None else value


def main(argv):
    fill = "--fill" in argv
    paths = [a for a in argv if not a.startswith("--")]
    if not paths:
        paths = sorted(os.path.join(DATA, n) for n in os.listdir(DATA) if n.endswith(".tsv"))
    differ = 0
    for path in paths:
        rows = read_table(path)
        formulas = [p[0] for p, _ in rows if p]
        values = iter(calculate(formulas))
        lines = []
        for parts, line in rows:
            if not parts:
                lines.append(line)
                continue
            raw, is_bool = next(values)
            lo = normalise(raw, is_bool)
            lo_text = raw
            if parts[1] == "?" and fill:
                parts[1] = lo if not lo.startswith("Err:") else "?"
                parts[2] = lo_text
            elif parts[1] != lo and parts[2] != lo_text:
                differ += 1
                print("%s: %s: ours %s, LibreOffice %s" %
                      (os.path.basename(path), parts[0], parts[1], lo_text))
            if parts[1] == "?":
                print("%s: %s: still open (LibreOffice %s)" %
                      (os.path.basename(path), parts[0], lo_text))
            lines.append("\t".join(parts))
        if fill:
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")
    print("%d row(s) differ from LibreOffice" % differ)
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
