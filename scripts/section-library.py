#!/usr/bin/env python3
"""Writes the sample section library: values tables (prof/*.pr), the group and type library
(prof/sections.txt) and a picture per section shape (prof/pictures/*.bmp).

    scripts/section-library.py [library folder]   (default: resources/install/tvllib)

The dimensions are the nominal dimensions of the European standard tables (docs/section-
library.md names them); masses per metre are computed from the dimensions with a density
of 7850 kg/m3, as the published tables do. The table file format is docs/file-formats-core.md
(tab-separated fields, UTF-8, LF)."""

import math
import os
import struct
import sys

LANGS = ["EN", "NL", "DE", "FR"]

# ---- dimensions ------------------------------------------------------------------------------
# IPE (EN 10365): size, h, b, tw, tf, r
IPE = """80 80 46 3.8 5.2 5
100 100 55 4.1 5.7 7
120 120 64 4.4 6.3 7
140 140 73 4.7 6.9 7
160 160 82 5.0 7.4 9
180 180 91 5.3 8.0 9
200 200 100 5.6 8.5 12
220 220 110 5.9 9.2 12
240 240 120 6.2 9.8 15
270 270 135 6.6 10.2 15
300 300 150 7.1 10.7 15
330 330 160 7.5 11.5 18
360 360 170 8.0 12.7 18
400 400 180 8.6 13.5 21
450 450 190 9.4 14.6 21
500 500 200 10.2 16.0 21
550 550 210 11.1 17.2 24
600 600 220 12.0 19.0 24"""

# HE A / HE B / HE M (EN 10365, formerly Euronorm 53-62): size, h, b, tw, tf, r
HEA = """100 96 100 5 8 12
120 114 120 5 8 12
140 133 140 5.5 8.5 12
160 152 160 6 9 15
180 171 180 6 9.5 15
200 190 200 6.5 10 18
220 210 220 7 11 18
240 230 240 7.5 12 21
260 250 260 7.5 12.5 24
280 270 280 8 13 24
300 290 300 8.5 14 27
320 310 300 9 15.5 27
340 330 300 9.5 16.5 27
360 350 300 10 17.5 27
400 390 300 11 19 27
450 440 300 11.5 21 27
500 490 300 12 23 27
550 540 300 12.5 24 27
600 590 300 13 25 27
650 640 300 13.5 26 27
700 690 300 14.5 27 27
800 790 300 15 28 30
900 890 300 16 30 30
1000 990 300 16.5 31 30"""

HEB = """100 100 100 6 10 12
120 120 120 6.5 11 12
140 140 140 7 12 12
160 160 160 8 13 15
180 180 180 8.5 14 15
200 200 200 9 15 18
220 220 220 9.5 16 18
240 240 240 10 17 21
260 260 260 10 17.5 24
280 280 280 10.5 18 24
300 300 300 11 19 27
320 320 300 11.5 20.5 27
340 340 300 12 21.5 27
360 360 300 12.5 22.5 27
400 400 300 13.5 24 27
450 450 300 14 26 27
500 500 300 14.5 28 27
550 550 300 15 29 27
600 600 300 15.5 30 27
650 650 300 16 31 27
700 700 300 17 32 27
800 800 300 17.5 33 30
900 900 300 18.5 35 30
1000 1000 300 19 36 30"""

HEM = """100 120 106 12 20 12
120 140 126 12.5 21 12
140 160 146 13 22 12
160 180 166 14 23 15
180 200 186 14.5 24 15
200 220 206 15 25 18
220 240 226 15.5 26 18
240 270 248 18 32 21
260 290 268 18 32.5 24
280 310 288 18.5 33 24
300 340 310 21 39 27
320 359 309 21 40 27
340 377 309 21 40 27
360 395 308 21 40 27
400 432 307 21 40 27
450 478 307 21 40 27
500 524 306 21 40 27
550 572 306 21 40 27
600 620 305 21 40 27
650 668 305 21 40 27
700 716 304 21 40 27
800 814 303 21 40 30
900 910 302 21 40 30
1000 1008 302 21 40 30"""

# UPN (EN 10365, formerly DIN 1026-1): size, h, b, tw, tf, r1 (root); the toe radius r2 is
# half of r1 rounded up to 0.5 mm.
UPN = """80 80 45 6 8 8
100 100 50 6 8.5 8.5
120 120 55 7 9 9
140 140 60 7 10 10
160 160 65 7.5 10.5 10.5
180 180 70 8 11 11
200 200 75 8.5 11.5 11.5
220 220 80 9 12.5 12.5
240 240 85 9.5 13 13
260 260 90 10 14 14
280 280 95 10 15 15
300 300 100 10 16 16
320 320 100 14 17.5 17.5
350 350 100 14 16 16
380 380 102 13.5 16 16
400 400 110 14 18 18"""

# Equal angles (EN 10056-1): leg a, thickness t, root radius r1; toe radius r2 = r1 / 2
# rounded up to 0.5 mm.
ANGLES = """20 3 3.5
25 3 3.5
30 3 5
35 4 5
40 4 6
45 4.5 7
50 5 7
50 6 7
60 6 8
60 8 8
70 7 9
80 8 10
80 10 10
90 9 11
100 10 12
100 12 12
120 10 13
120 12 13
150 12 16
150 15 16
200 20 18
200 24 18"""

# Hot-finished and cold-formed hollow sections (EN 10210-2 / EN 10219-2): outside sizes with
# their wall thicknesses. Outside corner radius: 2 t up to 6 mm, 2.5 t up to 10 mm, 3 t above.
RHS = {(40, 20): [2, 2.5, 3], (50, 30): [2.5, 3, 4], (60, 40): [3, 4, 5], (80, 40): [3, 4, 5],
       (100, 50): [3, 4, 5, 6], (120, 60): [4, 5, 6], (120, 80): [4, 5, 6, 8],
       (150, 100): [5, 6, 8, 10], (200, 100): [5, 6, 8, 10], (250, 150): [6, 8, 10, 12.5],
       (300, 200): [8, 10, 12.5]}
SHS = {40: [2, 3, 4], 50: [3, 4, 5], 60: [3, 4, 5], 80: [4, 5, 6], 100: [4, 5, 6, 8],
       120: [5, 6, 8, 10], 150: [5, 6, 8, 10], 200: [6, 8, 10, 12.5], 250: [8, 10, 12.5],
       300: [10, 12.5]}
CHS = {33.7: [2.6, 3.2], 42.4: [2.6, 3.2, 4], 48.3: [2.6, 3.2, 4, 5], 60.3: [3, 4, 5],
       76.1: [3, 4, 5], 88.9: [3, 4, 5, 6.3], 114.3: [3.6, 4, 5, 6.3], 139.7: [4, 5, 6.3, 8],
       168.3: [5, 6.3, 8, 10], 219.1: [6.3, 8, 10, 12.5], 273: [6.3, 8, 10, 12.5],
       323.9: [8, 10, 12.5]}

# Crane rails of form A (DIN 536-1): size, height h, foot width b, head width k. Their shape
# is a user section drawing, so the table's shape code is a drawing name.
RAILS = """45 55 125 45
55 65 150 55
65 75 175 65
75 85 200 75
100 95 200 100
120 105 220 120
150 150 220 150"""

DENSITY = 7850e-6  # kg per mm2 per metre


def num(v):
    text = ("%.3f" % v).rstrip("0").rstrip(".")
    return text


def toe_radius(r1):
    # Half the root radius, rounded up to half a millimetre as the tables list it.
    return math.ceil(r1 - 1e-9) / 2


def mass_i(h, b, tw, tf, r):
    area = 2 * b * tf + (h - 2 * tf) * tw + (4 - math.pi) * r * r
    return area * DENSITY


def corner_radius(t):
    return 2 * t if t <= 6 else (2.5 * t if t <= 10 else 3 * t)


def mass_rhs(h, b, t):
    ro = corner_radius(t)
    ri = max(ro - t, 0)
    area = 2 * t * (h + b - 2 * t) - (4 - math.pi) * (ro * ro - ri * ri)
    return area * DENSITY


def mass_chs(d, t):
    return math.pi * t * (d - t) * DENSITY


def rows_of(text):
    return [[float(x) for x in line.split()] for line in text.strip().splitlines()]


def table(shape, values, rows):
    """rows: (sysName, {lang: name}, [values], active)"""
    lines = [[shape], ["SysName", "I/O"] + LANGS + values]
    for sys_name, names, vals, active in rows:
        lines.append([sys_name, "1" if active else "0"] + [names[l] for l in LANGS] +
                     [num(v) if isinstance(v, float) or isinstance(v, int) else v for v in vals])
    return lines


def same_names(prefix, sys_name):
    return {l: prefix + sys_name for l in LANGS}


def names_by_lang(prefixes, sys_name):
    return {l: prefixes[l] + sys_name for l in LANGS}


def i_table(prefix, text, inactive=()):
    rows = []
    for size, h, b, tw, tf, r in rows_of(text):
        sys_name = num(size)
        rows.append((sys_name, same_names(prefix, sys_name),
                     [h, b, tw, tf, r, round(mass_i(h, b, tw, tf, r), 1)], sys_name not in inactive))
    return table("1", ["h", "b", "tw", "tf", "r", "G"], rows)


def upn_table():
    rows = []
    for size, h, b, tw, tf, r1 in rows_of(UPN):
        sys_name = num(size)
        rows.append((sys_name, same_names("UPN ", sys_name), [h, b, tw, tf, r1, toe_radius(r1)], True))
    return table("4", ["h", "b", "tw", "tf", "r1", "r2"], rows)


def angle_table():
    rows = []
    for a, t, r1 in rows_of(ANGLES):
        sys_name = "%sx%s" % (num(a), num(t))
        prefixes = {"EN": "L ", "NL": "L ", "DE": "L ", "FR": "L "}
        rows.append((sys_name, names_by_lang(prefixes, sys_name), [a, a, t, r1, toe_radius(r1)], True))
    return table("3", ["h", "b", "t", "r1", "r2"], rows)


def rhs_table(sizes, prefixes):
    rows = []
    for key, thicknesses in sizes.items():
        h, b = key if isinstance(key, tuple) else (key, key)
        for t in thicknesses:
            sys_name = "%sx%sx%s" % (num(h), num(b), num(t))
            rows.append((sys_name, names_by_lang(prefixes, sys_name),
                         [h, b, t, corner_radius(t), round(mass_rhs(h, b, t), 2)], True))
    return table("10", ["h", "b", "t", "r", "G"], rows)


def chs_table():
    rows = []
    prefixes = {"EN": "CHS ", "NL": "Buis ", "DE": "Rohr ", "FR": "Tube "}
    for d, thicknesses in CHS.items():
        for t in thicknesses:
            sys_name = "%sx%s" % (num(d), num(t))
            rows.append((sys_name, names_by_lang(prefixes, sys_name),
                         [d, t, round(mass_chs(d, t), 2)], True))
    return table("11", ["d", "t", "G"], rows)


def rail_table():
    rows = []
    for size, h, b, k in rows_of(RAILS):
        sys_name = num(size)
        prefixes = {"EN": "Crane rail A", "NL": "Kraanrail A", "DE": "Kranschiene A",
                    "FR": "Rail de pont A"}
        rows.append((sys_name, names_by_lang(prefixes, sys_name), [h, b, k], True))
    return table("RailA.dwg", ["h", "b", "k"], rows)


TABLES = {
    "IPE": lambda: i_table("IPE ", IPE),
    "HEA": lambda: i_table("HEA ", HEA, inactive={"1000"}),
    "HEB": lambda: i_table("HEB ", HEB),
    "HEM": lambda: i_table("HEM ", HEM),
    "UPN": upn_table,
    "L": angle_table,
    "RHS": lambda: rhs_table(RHS, {"EN": "RHS ", "NL": "Koker ", "DE": "RR ", "FR": "TR "}),
    "SHS": lambda: rhs_table(SHS, {"EN": "SHS ", "NL": "Koker ", "DE": "QR ", "FR": "TC "}),
    "CHS": chs_table,
    "Rail-A": rail_table,
}

GROUPS = [
    # id, key, picture, EN, NL, DE, FR
    (1, "IH", "ProfSectionI", "I and H sections", "I- en H-profielen", "I- und H-Profile",
     "Profilés I et H"),
    (2, "U", "ProfSectionCU", "Channels", "U-profielen", "U-Profile", "Profilés U"),
    (3, "L", "ProfSectionHL", "Angles", "Hoekstalen", "Winkelprofile", "Cornières"),
    (4, "Hollow", "ProfSectionRectTube", "Hollow sections", "Buisprofielen", "Hohlprofile",
     "Profilés creux"),
    (5, "Rails", "RailA", "Rails", "Rails", "Schienen", "Rails"),
]

TYPES = [
    # picture, group, table, EN, NL, DE, FR
    ("ProfSectionI", 1, "IPE", "IPE", "IPE", "IPE", "IPE"),
    ("ProfSectionI", 1, "HEA", "HEA", "HEA", "HEA", "HEA"),
    ("ProfSectionI", 1, "HEB", "HEB", "HEB", "HEB", "HEB"),
    ("ProfSectionI", 1, "HEM", "HEM", "HEM", "HEM", "HEM"),
    ("ProfSectionCU", 2, "UPN", "UPN", "UNP", "U", "UPN"),
    ("ProfSectionHL", 3, "L", "Equal angle", "Gelijkzijdig hoekstaal", "Gleichschenkliger Winkel",
     "Cornière à ailes égales"),
    ("ProfSectionRectTube", 4, "RHS", "Rectangular hollow section", "Rechthoekige koker",
     "Rechteckrohr", "Tube rectangulaire"),
    ("ProfSectionRectTube", 4, "SHS", "Square hollow section", "Vierkante koker", "Quadratrohr",
     "Tube carré"),
    ("ProfSectionRoundTube", 4, "CHS", "Circular hollow section", "Ronde buis", "Rundrohr",
     "Tube rond"),
    ("RailA", 5, "Rail-A", "Crane rail A", "Kraanrail A", "Kranschiene A", "Rail de pont A"),
]


def escape(field):
    out = []
    for c in field:
        if c == "\\":
            out.append("\\\\")
        elif c == "\t":
            out.append("\\t")
        elif c == "\n":
            out.append("\\n")
        elif c == "\r":
            out.append("\\r")
        elif ord(c) < 32:
            out.append("\\u{%x}" % ord(c))
        else:
            out.append(c)
    return "".join(out)


def write_table(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        for line in lines:
            f.write("\t".join(escape(x) for x in line) + "\n")


# ---- pictures ----------------------------------------------------------------------------------
SIZE = 120


def arc(cx, cy, r, a0, a1, n=10):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / n))) for i in range(n + 1)]


def circle(cx, cy, r):
    return arc(cx, cy, r, 0, 360, 48)[:-1]


def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def shape_polygons(name):
    """Outlines in a 0..100 box (y down); several polygons fill even-odd (holes)."""
    if name in ("ProfSectionI", "ProfSectionCuttedI"):
        top = 10 if name == "ProfSectionI" else 40
        return [[(15, top), (85, top), (85, top + 12), (55, top + 12), (55, 78), (85, 78), (85, 90),
                 (15, 90), (15, 78), (45, 78), (45, top + 12), (15, top + 12)]]
    if name == "ProfSectionT":
        return [[(10, 15), (90, 15), (90, 28), (56, 28), (56, 88), (44, 88), (44, 28), (10, 28)]]
    if name in ("ProfSectionHL", "ProfSectionCL"):
        t = 13 if name == "ProfSectionHL" else 6
        return [[(20, 10), (20 + t, 10), (20 + t, 90 - t), (90, 90 - t), (90, 90), (20, 90)]]
    if name == "ProfSectionCU":
        return [[(25, 10), (80, 10), (80, 22), (38, 22), (38, 78), (80, 78), (80, 90), (25, 90)]]
    if name == "ProfSectionC":
        return [[(25, 10), (80, 10), (80, 28), (74, 28), (74, 16), (31, 16), (31, 84), (74, 84),
                 (74, 72), (80, 72), (80, 90), (25, 90)]]
    if name == "ProfSectionZ":
        return [[(20, 10), (56, 10), (56, 84), (85, 84), (85, 90), (44, 90), (44, 16), (20, 16)]]
    if name == "ProfSectionOI":
        return [[(5, 80), (25, 80), (25, 20), (75, 20), (75, 80), (95, 80), (95, 86), (69, 86),
                 (69, 26), (31, 26), (31, 86), (5, 86)]]
    if name == "ProfSectionOU":
        return [[(5, 20), (31, 20), (31, 74), (69, 74), (69, 20), (95, 20), (95, 26), (75, 26),
                 (75, 80), (25, 80), (25, 26), (5, 26)]]
    if name == "ProfSectionV":
        return [[(10, 15), (18, 15), (50, 78), (82, 15), (90, 15), (54, 88), (46, 88)]]
    if name == "ProfSectionRect":
        return [rect(10, 40, 90, 60)]
    if name == "ProfSectionQ":
        return [rect(20, 20, 80, 80)]
    if name == "ProfSectionRound":
        return [circle(50, 50, 38)]
    if name == "ProfSectionRoundTube":
        return [circle(50, 50, 40), circle(50, 50, 32)]
    if name == "ProfSectionRectTube":
        outer = arc(78, 22, 8, -90, 0) + arc(78, 78, 8, 0, 90) + arc(22, 78, 8, 90, 180) + \
            arc(22, 22, 8, 180, 270)
        inner = arc(78, 22, 3, -90, 0) + arc(78, 78, 3, 0, 90) + arc(22, 78, 3, 90, 180) + \
            arc(22, 22, 3, 180, 270)
        inner = [(50 + (x - 50) * 0.84, 50 + (y - 50) * 0.84) for x, y in inner]
        return [[(x, y) for x, y in outer], inner]
    if name == "ProfSectionO":
        outer = [(50 + 42 * math.cos(a), 50 + 28 * math.sin(a))
                 for a in [i * math.pi / 24 for i in range(48)]]
        inner = [(50 + 35 * math.cos(a), 50 + 21 * math.sin(a))
                 for a in [i * math.pi / 24 for i in range(48)]]
        return [outer, inner]
    if name == "RailA":
        return [[(35, 8), (65, 8), (65, 30), (56, 36), (56, 72), (90, 82), (90, 92), (10, 92),
                 (10, 82), (44, 72), (44, 36), (35, 30)]]
    raise ValueError(name)


def inside(polys, x, y):
    crossings = 0
    for poly in polys:
        n = len(poly)
        for i in range(n):
            x0, y0 = poly[i]
            x1, y1 = poly[(i + 1) % n]
            if (y0 > y) != (y1 > y):
                xc = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                if xc > x:
                    crossings += 1
    return crossings % 2 == 1


def draw(name):
    polys = [[(10 + x, 10 + y) for x, y in p] for p in shape_polygons(name)]
    fill = [[inside(polys, x + 0.5, y + 0.5) for x in range(SIZE)] for y in range(SIZE)]
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            if fill[y][x]:
                edge = any(not fill[yy][xx] for yy in (y - 1, y, y + 1) for xx in (x - 1, x, x + 1)
                           if 0 <= yy < SIZE and 0 <= xx < SIZE)
                row.append((0, 0, 0) if edge else (150, 160, 175))
            else:
                row.append((255, 255, 255))
        pixels.append(row)
    return pixels


def write_bmp(path, pixels):
    h = len(pixels)
    w = len(pixels[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


PICTURES = ["ProfSectionI", "ProfSectionCL", "ProfSectionHL", "ProfSectionCU", "ProfSectionT",
            "ProfSectionOI", "ProfSectionOU", "ProfSectionRect", "ProfSectionRound",
            "ProfSectionRectTube", "ProfSectionRoundTube", "ProfSectionC", "ProfSectionZ",
            "ProfSectionV", "ProfSectionO", "ProfSectionQ", "ProfSectionCuttedI", "RailA"]


def main():
    top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    lib = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, "resources", "install", "tvllib")
    prof = os.path.join(lib, "prof")
    pictures = os.path.join(prof, "pictures")
    os.makedirs(pictures, exist_ok=True)
    for name, build in TABLES.items():
        write_table(os.path.join(prof, name + ".pr"), build())
    library = [["sections"] + LANGS]
    for gid, key, picture, *names in GROUPS:
        library.append(["G", str(gid), "1", key, picture] + names)
    for picture, gid, tbl, *names in TYPES:
        library.append(["T", "1", picture, str(gid), tbl] + names)
    write_table(os.path.join(prof, "sections.txt"), library)
    for p in PICTURES:
        write_bmp(os.path.join(pictures, p + ".bmp"), draw(p))


if __name__ == "__main__":
    main()
