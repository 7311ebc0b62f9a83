#!/usr/bin/env python3
"""Checks the .xls export's formulas against LibreOffice Calc.

Not run by CI: it needs LibreOffice (apt-get install libreoffice-calc-nogui) and
the tool xls_formula_sheet of a release build.

  tests/platform/grid/engine/io/xls_formula_check.py [--tool PATH] [--keep DIR] [-v]
      [table.tsv ...]

It takes the formulas of the kwsheet function tables (tests/apps/kwsheet/data/*.tsv
by default), in batches of 40 in G1:G40 beside the tables' fixed cells, as
libreoffice_check.py places them, and lets xls_formula_sheet calculate and export
each batch as an .xls file. LibreOffice then loads every file twice:
  - saved as .xlsx, which gives its reading of each formula in Excel's notation;
  - saved as flat ODF with the cached results removed and loaded once more, which
    gives its own results.
For every formula written as a formula it compares
  - the text: LibreOffice's formula against ours in A1 notation (spaces aside);
  - the value: LibreOffice's result against ours (numbers to 12 significant
    digits) and against the table's third column (LibreOffice's result for the
    formula typed in directly). A value equal to neither is an export fault; one
    equal only to the third column is a known difference of the engine from Calc.
When gnumeric's ssconvert is installed, it reads every file as well, and the
totals say how many of its formulas and results equal ours (gnumeric's own
functions differ from Calc's and ours in places; these are not counted as faults).
It prints the totals, each fault and each difference of text, and exits 1 when a
value is an export fault.
"""

import argparse
import html
import os
import csv
import gzip
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.normpath(os.path.join(HERE, "..", "..", "..", "..", ".."))
sys.path.insert(0, os.path.join(TOP, "tests", "apps", "kwsheet"))
import libreoffice_check as lc  # noqa: E402  (fixed cells, table reader, LibreOffice driver)

BATCH = 40


def batches(paths):
    """[(table, formula, LibreOffice's own result)] in batches of BATCH, each table
    on its own as libreoffice_check.py places them (ROW() and the like depend on it)."""
    out = []
    for path in paths:
        rows = [(os.path.basename(path), parts[0], parts[2])
                for parts, _ in lc.read_table(path) if parts]
        out += [rows[i:i + BATCH] for i in range(0, len(rows), BATCH)]
    return out


def export(tool, batch, path):
    """Runs the tool; returns {row: (how, our value, our text)} for column G."""
    lines = ["%s\t%s" % ref for ref in lc.FIXED]
    lines += ["G%d\t=%s" % (i + 1, row[1]) for i, row in enumerate(batch)]
    run = subprocess.run([tool, path], input="\n".join(lines) + "\n", capture_output=True,
                         text=True, check=True)
    ours = {}
    for line in run.stdout.splitlines():
        parts = line.split("\t")
        if parts[0].startswith("G"):
            ours[int(parts[0][1:])] = (parts[1], parts[2], parts[3] if len(parts) > 3 else "")
    return ours


def convert(profile, files, fmt, outdir):
    subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless",
                    "--convert-to", fmt, "--outdir", outdir] + files,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def xlsx_formulas(path):
    """{row: formula text} of column G of the first sheet."""
    with zipfile.ZipFile(path) as z:
        xml = z.read("xl/worksheets/sheet1.xml").decode("utf-8")
    out = {}
    for m in re.finditer(r'<c r="G(\d+)"[^>]*>(.*?)</c>', xml, re.S):
        f = re.search(r"<f[^>]*>(.*?)</f>", m.group(2), re.S)
        out[int(m.group(1))] = html.unescape(f.group(1)) if f else None
    return out


def recalculated(profile, fods_dir, outdir):
    """Strips the cached results of each .fods and lets LibreOffice calculate it."""
    again = os.path.join(fods_dir, "again")
    os.makedirs(again, exist_ok=True)
    names = sorted(n for n in os.listdir(fods_dir) if n.endswith(".fods"))
    for name in names:
        with open(os.path.join(fods_dir, name), encoding="utf-8") as f:
            doc = re.sub(r"<table:table-cell[^>]*table:formula=[^>]*?(/>|>.*?</table:table-cell>)",
                         lc.drop_result, f.read(), flags=re.S)
        with open(os.path.join(again, name), "w", encoding="utf-8") as f:
            f.write(doc)
    convert(profile, [os.path.join(again, n) for n in names], "fods", outdir)


NUMBER = re.compile(r'"[^"]*"|(?<![A-Z0-9_.$])(\d+\.?\d*(?:E[+-]?\d+)?)', re.I)


def gnumeric(path):
    """{row: (formula text, recalculated result)} of column G, as gnumeric reads the file."""
    base = path[:-4]
    for target, extra in ((base + ".gnumeric", []), (base + ".csv", ["--recalc"])):
        subprocess.run(["ssconvert"] + extra + [path, target], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with gzip.open(base + ".gnumeric", "rt", encoding="utf-8") as f:
        xml = f.read()
    texts = {int(m.group(1)) + 1: html.unescape(m.group(2))[1:]
             for m in re.finditer(r'<gnm:Cell Row="(\d+)" Col="6"[^>]*>(=[^<]*)<', xml)}
    with open(base + ".csv", encoding="utf-8", newline="") as f:
        values = {i + 1: (row[6] if len(row) > 6 else "") for i, row in enumerate(csv.reader(f))}
    return {r: (t, values.get(r, "")) for r, t in texts.items()}


WHOLE_COLUMNS = re.compile(r"(\$?[A-Z]+)\$1:(\$?[A-Z]+)\$65536")


def text_key(text):
    """A formula as text, without what only its spelling changes: blanks, case,
    the "_xlfn." prefix of newer functions, TRUE() for TRUE, how a number is written."""
    text = re.sub(r"\s+", "", text or "").upper().replace("_XLFN.", "")
    text = WHOLE_COLUMNS.sub(r"\1:\2", text)
    text = text.replace("TRUE()", "TRUE").replace("FALSE()", "FALSE")
    return NUMBER.sub(lambda m: repr(float(m.group(1))) if m.group(1) else m.group(0), text)


def same_value(ours, raw, is_bool):
    """Our result (as xls_formula_sheet prints it) against LibreOffice's."""
    kind, _, v = ours.partition(":")
    if kind == "n":
        try:
            lo = float(raw)
        except ValueError:
            return False
        a = float(v)
        return a == lo or abs(a - lo) <= 1e-12 * max(abs(a), abs(lo))
    if kind == "b":
        return raw == v or (not is_bool and raw == ("1" if v == "TRUE" else "0"))
    if kind == "empty":
        return raw == ""
    return raw == v


def main(argv):
    ap = argparse.ArgumentParser()
    ap.add_argument("--tool", default=os.path.join(TOP, "build", "release", "bin",
                                                   "xls_formula_sheet"))
    ap.add_argument("--keep", help="folder to keep the files in")
    ap.add_argument("-v", action="store_true", help="list every formula written as a value")
    ap.add_argument("tables", nargs="*")
    args = ap.parse_args(argv)
    paths = args.tables or sorted(os.path.join(lc.DATA, n) for n in os.listdir(lc.DATA)
                                  if n.endswith(".tsv"))
    work = args.keep or tempfile.mkdtemp(prefix="xlscheck")
    os.makedirs(work, exist_ok=True)
    profile = os.path.join(work, "profile")
    groups = batches(paths)
    files, ours = [], []
    for k, batch in enumerate(groups):
        path = os.path.join(work, "batch%03d.xls" % k)
        ours.append(export(args.tool, batch, path))
        files.append(path)
    for fmt, sub in (("xlsx", "xlsx"), ("fods", "fods")):
        os.makedirs(os.path.join(work, sub), exist_ok=True)
        convert(profile, files, fmt, os.path.join(work, sub))
    recalculated(profile, os.path.join(work, "fods"), os.path.join(work, "final"))
    gnm = [gnumeric(f) for f in files] if shutil.which("ssconvert") else None
    gnm_text = gnm_value = 0

    total = written = same_text = same_values = 0
    known = []
    as_values = {}
    faults, texts = [], []
    for k, batch in enumerate(groups):
        name = "batch%03d" % k
        lo_texts = xlsx_formulas(os.path.join(work, "xlsx", name + ".xlsx"))
        rows = lc.read_fods(os.path.join(work, "final", name + ".fods"))
        for i, (table, formula, lo_native) in enumerate(batch):
            total += 1
            how, our_value, our_text = ours[k].get(i + 1, ("unparsed", "", ""))
            if how != "formula":
                as_values.setdefault(how, []).append("%s: %s" % (table, formula))
                continue
            written += 1
            lo_text = lo_texts.get(i + 1)
            if text_key(lo_text) == text_key(our_text):
                same_text += 1
            else:
                texts.append("%s: ours %s, LibreOffice %s" % (table, our_text, lo_text))
            if gnm:
                g_text, g_value = gnm[k].get(i + 1, (None, ""))
                gnm_text += text_key(g_text) == text_key(our_text)
                gnm_value += same_value(our_value, g_value, False)
            row = rows[i] if i < len(rows) else []
            raw, is_bool = row[6] if len(row) > 6 else ("", False)
            if same_value(our_value, raw, is_bool):
                same_values += 1
            elif raw == lo_native or lc.normalise(raw, is_bool) == lo_native:
                known.append("%s: %s: ours %s, LibreOffice %s" % (table, formula, our_value, raw))
            else:
                faults.append("%s: %s: ours %s, LibreOffice from the .xls %s, typed in %s" %
                              (table, formula, our_value, raw, lo_native))
    print("%d formulas: %d written as formulas, %d as values" %
          (total, written, total - written))
    for how, items in sorted(as_values.items()):
        print("  %s: %d" % (how, len(items)))
        if args.v:
            for item in items:
                print("    " + item)
    print("LibreOffice's formula text equals ours: %d of %d" % (same_text, written))
    print("LibreOffice's result equals ours: %d of %d; equals only what it calculates for "
          "the formula typed in: %d; neither: %d" % (same_values, written, len(known), len(faults)))
    if gnm:
        print("gnumeric's formula text equals ours: %d of %d; its result: %d of %d" %
              (gnm_text, written, gnm_value, written))
    for line in known:
        print("KNOWN " + line)
    for line in faults:
        print("FAULT " + line)
    for line in texts:
        print("TEXT " + line)
    if not args.keep:
        subprocess.run(["rm", "-rf", work])
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
