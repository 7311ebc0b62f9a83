#!/usr/bin/env python3
"""Writes the sample library's dialog designs of the sample macros (description and
picture). The list files and block drawings they name are the core module's sample files.

    tests/kw/macro/make_sample_designs.py [tvllib folder]

The pictures are drawn here: a plain technical sketch of each connection, in 24-bit BMP.
The descriptions follow docs/file-formats-product.md (a core property file)."""

import os
import struct
import sys

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
LIB = sys.argv[1] if len(sys.argv) > 1 else os.path.join(TOP, "resources", "install", "tvllib")
ROOT = os.path.join(LIB, "Dialog Templates", "Dialog Design", "Connections")

WHITE = (255, 255, 255)
INK = (40, 40, 40)
STEEL = (170, 190, 215)
PLATE = (120, 150, 190)
DIM = (200, 40, 40)
BOLT = (60, 60, 60)


class Picture:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[WHITE] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def hline(self, x0, x1, y, c):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            self.set(x, y, c)

    def vline(self, x, y0, y1, c):
        for y in range(min(y0, y1), max(y0, y1) + 1):
            self.set(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def vdim(self, x, y0, y1):
        """A vertical dimension line with ticks."""
        self.vline(x, y0, y1, DIM)
        for y in (y0, y1):
            self.hline(x - 4, x + 4, y, DIM)

    def hdim(self, x0, x1, y):
        self.hline(x0, x1, y, DIM)
        for x in (x0, x1):
            self.vline(x, y - 4, y + 4, DIM)

    def bmp(self):
        row = (self.w * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.h - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.px[y]:
                line += bytes((b, g, r))
            line += b"\0" * (row - len(line))
            data += line
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.w, self.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        return header + info + bytes(data)


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n")


def real(v):
    return "%.17g" % v


def description(controls):
    """controls: (type, x0, y0, x1, y1, contents, stored list) in picture factors."""
    lines = ["TVLPROPERTIES 1", "i nrOfControls=%d" % len(controls)]
    for i, (t, x0, y0, x1, y1, contents, stored) in enumerate(controls):
        lines += [
            "i type%d=%d" % (i, t),
            "r topLeftX%d=%s" % (i, real(x0)),
            "r topLeftY%d=%s" % (i, real(y0)),
            "r bottomRightX%d=%s" % (i, real(x1)),
            "r bottomRightY%d=%s" % (i, real(y1)),
            "s contents%d=%s" % (i, escape(contents)),
            "s comboList%d=%s" % (i, escape(stored)),
        ]
    lines.append("END %d" % (1 + 7 * len(controls)))
    return "\n".join(lines) + "\n"


def place(w, h, items):
    """items in pixels -> factors."""
    out = []
    for (t, x, y, cw, ch, contents, stored) in items:
        out.append((t, x / w, y / h, (x + cw) / w, (y + ch) / h, contents, stored))
    return out


def write(name, picture, items):
    os.makedirs(ROOT, exist_ok=True)
    with open(os.path.join(ROOT, name + ".bmp"), "wb") as f:
        f.write(picture.bmp())
    with open(os.path.join(ROOT, name + ".txt"), "w", encoding="utf-8", newline="\n") as f:
        f.write(description(place(picture.w, picture.h, items)))


def end_plate():
    w, h = 460, 300
    p = Picture(w, h)
    # Column flange (left), end plate, beam (right) in side view.
    p.fill(40, 20, 60, 280, STEEL)
    p.frame(40, 20, 60, 280, INK)
    p.fill(61, 60, 75, 240, PLATE)
    p.frame(61, 60, 75, 240, INK)
    p.fill(76, 80, 220, 92, STEEL)      # top flange
    p.fill(76, 208, 220, 220, STEEL)    # bottom flange
    p.fill(76, 93, 220, 207, (225, 232, 242))
    p.frame(76, 80, 220, 220, INK)
    for y in (75, 110, 190, 225):
        p.disc(68, y, 4, BOLT)
    p.vdim(30, 60, 80)     # top extension
    p.vdim(30, 80, 220)    # beam height
    p.vdim(30, 220, 240)   # bottom extension
    p.vdim(240, 60, 240)   # plate height
    p.hdim(61, 75, 255)    # thickness
    items = [
        (1, 270, 8, 182, 126, "Plate", ""),
        (0, 280, 26, 80, 14, "&Thickness", ""),
        (2, 370, 24, 70, 18, "PlateThickness", ""),
        (0, 280, 48, 80, 14, "Width", ""),
        (2, 370, 46, 70, 18, "PlateWidth", ""),
        (0, 280, 70, 80, 14, "Grade", ""),
        (3, 370, 68, 70, 18, "Grade", "Dialog Templates\\Lists\\Grades.txt"),
        (29, 280, 94, 160, 16, "Stiffeners", "0"),
        (1, 270, 134, 182, 82, "Height", ""),
        (0, 280, 150, 80, 14, "Top", ""),
        (2, 340, 148, 50, 18, "TopExtension", ""),
        (30, 396, 148, 22, 18, "TopExtension", "Fix;;"),
        (0, 280, 172, 80, 14, "Bottom", ""),
        (2, 340, 170, 50, 18, "BottomExtension", ""),
        (30, 396, 170, 22, 18, "BottomExtension", "Fix;;"),
        (0, 280, 194, 60, 14, "Total", ""),
        (2, 340, 192, 50, 18, "PlateHeight", ""),
        (30, 396, 192, 22, 18, "PlateHeight", "Fix;;"),
        (25, 422, 148, 22, 40, "Height", "BeamHeight;TopExtension;BottomExtension;0.5;"),
        (26, 422, 192, 22, 18, "Top", "BeamHeight;TopExtension;BottomExtension;;"),
        (0, 280, 226, 80, 14, "Weld", ""),
        (2, 370, 224, 70, 18, "WeldSize", ""),
        (0, 280, 248, 80, 14, "Corners", ""),
        (28, 370, 246, 70, 18, "Corner", ""),
        (0, 280, 270, 80, 14, "Label", ""),
        (27, 370, 268, 70, 18, "Label", "Blocks"),
        (0, 96, 140, 100, 14, "Beam ~HEA 300~", ""),
    ]
    write("EndPlate", p, items)


def base_plate():
    w, h = 460, 280
    p = Picture(w, h)
    # Plan view: plate with the column and four anchors.
    p.fill(40, 40, 240, 190, PLATE)
    p.frame(40, 40, 240, 190, INK)
    p.fill(92, 70, 188, 80, STEEL)
    p.fill(92, 150, 188, 160, STEEL)
    p.fill(136, 81, 144, 149, STEEL)
    p.frame(92, 70, 188, 160, INK)
    for (x, y) in ((65, 65), (215, 65), (65, 165), (215, 165)):
        p.disc(x, y, 6, BOLT)
    p.hdim(40, 240, 215)   # length
    p.vdim(255, 40, 190)   # width
    p.hdim(40, 65, 30)     # edge distance
    items = [
        (1, 270, 8, 182, 264, "Plate", ""),
        (0, 280, 26, 80, 14, "Length", ""),
        (2, 370, 24, 70, 18, "PlateLength", ""),
        (0, 280, 48, 80, 14, "Width", ""),
        (2, 370, 46, 70, 18, "PlateWidth", ""),
        (0, 280, 70, 80, 14, "&Thickness", ""),
        (2, 370, 68, 70, 18, "Thickness", ""),
        (0, 280, 92, 80, 14, "Edge distance", ""),
        (2, 370, 90, 70, 18, "EdgeDist", ""),
        (0, 280, 114, 80, 14, "Offset", ""),
        (2, 370, 112, 70, 18, "Offset", ""),
        (0, 280, 136, 80, 14, "Overhang", ""),
        (2, 370, 134, 70, 18, "Overhang", ""),
        (0, 280, 158, 80, 14, "Area (cm2)", ""),
        (2, 370, 156, 70, 18, "PlateArea", ""),
        (0, 280, 180, 80, 14, "Grade", ""),
        (3, 370, 178, 70, 18, "Grade", "Dialog Templates\\Lists\\Grades.txt"),
        (29, 280, 204, 160, 16, "Stiffeners", "0"),
        (0, 280, 230, 80, 14, "Chamfer", ""),
        (28, 370, 228, 70, 18, "Chamfer1", ""),
        (0, 60, 240, 160, 14, "Column ~HEB 200~", ""),
    ]
    write("BasePlate", p, items)


if __name__ == "__main__":
    end_plate()
    base_plate()
