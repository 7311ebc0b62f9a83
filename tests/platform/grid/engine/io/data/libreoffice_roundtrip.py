#!/usr/bin/env python3
"""Checks that LibreOffice Calc opens the .xlsx files kwsheet writes with the values
and formulas of the samples they were converted from.

Not run by CI: it needs LibreOffice (apt-get install libreoffice-calc-nogui) and a
built kwsheet.

  tests/platform/grid/engine/io/data/libreoffice_roundtrip.py [path/to/kwsheet]

For sample.xlsx and sample.ods beside this script it runs `kwsheet convert SAMPLE
ours.xlsx`, lets LibreOffice open the sample and ours.xlsx and save both as flat
OpenDocument, and compares the first sheet's cells: every value, and every formula
except those kwsheet reports it could not take over (they are values in ours.xlsx).
Prints each difference; exit status 1 when there is one.
"""

import datetime
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.abspath(os.path.join(HERE, "..", "..", "..", "..", "..", ".."))
NS = {
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}
# Formulas the engine cannot take over: another sheet's cell, an unknown function.
AS_VALUES = {"B17", "B21"}


def q(prefix, name):
    return "{%s}%s" % (NS[prefix], name)


def column_name(n):
    s = ""
    while n:
        n, r = divmod(n - 1, 26)
        s = chr(65 + r) + s
    return s


def cells_of(fods):
    """Cell -> (formula or None, value) of the first table."""
    root = ET.parse(fods).getroot()
    table = root.find(".//table:table", NS)
    out = {}
    row = 0
    for tr in table.iter(q("table", "table-row")):
        rrep = int(tr.get(q("table", "number-rows-repeated"), "1"))
        col = 0
        for tc in tr:
            crep = int(tc.get(q("table", "number-columns-repeated"), "1"))
            kind = tc.get(q("office", "value-type"))
            formula = tc.get(q("table", "formula"))
            text = "".join(p.text or "" for p in tc.findall("text:p", NS))
            if kind or formula:
                if kind in ("float", "percentage", "currency"):
                    value = float(tc.get(q("office", "value")))
                elif kind == "date":
                    # Formats are not written: a date is its serial number.
                    when = datetime.datetime.fromisoformat(tc.get(q("office", "date-value")))
                    value = (when - datetime.datetime(1899, 12, 30)).total_seconds() / 86400
                elif kind == "boolean":
                    value = 1.0 if tc.get(q("office", "boolean-value")) == "true" else 0.0
                elif kind == "string" and formula is not None:
                    value = tc.get(q("office", "string-value"), text)
                    if value == "" and text.startswith("#"):
                        value = text  # an error result
                else:
                    value = text
                # A boolean cell opens as the formula TRUE() or FALSE(): the value it is.
                if formula in ("of:=TRUE()", "of:=FALSE()"):
                    formula = None
                for c in range(crep):
                    out["%s%d" % (column_name(col + c + 1), row + 1)] = (formula, value)
            col += crep
        row += rrep
    return out


def to_fods(src, work):
    subprocess.run(["soffice", "--headless", "-env:UserInstallation=file://" + work + "/u",
                    "--convert-to", "fods", "--outdir", work, src], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return os.path.join(work, os.path.splitext(os.path.basename(src))[0] + ".fods")


def same_value(a, b):
    if isinstance(a, float) and isinstance(b, float):
        return a == b or abs(a - b) <= 1e-15 * max(abs(a), abs(b))
    return a == b


def main():
    kwsheet = sys.argv[1] if len(sys.argv) > 1 else os.path.join(TOP, "build/release/bin/kwsheet")
    differences = 0
    for sample in ("sample.xlsx", "sample.ods"):
        with tempfile.TemporaryDirectory() as work:
            ours = os.path.join(work, "ours.xlsx")
            subprocess.run([kwsheet, "convert", os.path.join(HERE, sample), ours], check=True,
                           stdout=subprocess.DEVNULL)
            expected = cells_of(to_fods(os.path.join(HERE, sample), work))
            got = cells_of(to_fods(ours, work))
            for ref, (formula, value) in sorted(expected.items()):
                have = got.get(ref)
                want_formula = None if ref in AS_VALUES else formula
                if have is None or have[0] != want_formula or not same_value(have[1], value):
                    print("%s %s: LibreOffice reads %r, the sample holds %r"
                          % (sample, ref, have, (want_formula, value)))
                    differences += 1
            for ref in sorted(set(got) - set(expected)):
                print("%s %s: %r is not in the sample" % (sample, ref, got[ref]))
                differences += 1
            print("%s: %d cells compared" % (sample, len(expected)))
    return 1 if differences else 0


if __name__ == "__main__":
    sys.exit(main())
