"""Pictures for the live tests: X window dumps (xwd) and PNG files as RGB rows, PNG
writing, and comparison. Only the forms our tools write are read: xwd's ZPixmap at 24
or 32 bits per pixel, PNG of 8-bit RGB or RGBA without interlacing (cairo's)."""

import struct
import zlib


class Picture:
    def __init__(self, width, height, rows):
        self.width = width
        self.height = height
        self.rows = rows  # list of bytes, 3 per pixel (R, G, B)

    def pixel(self, x, y):
        r = self.rows[y]
        return tuple(r[3 * x:3 * x + 3])


def read_xwd(path):
    data = open(path, 'rb').read()
    if len(data) < 100:
        raise ValueError('%s: too short for an xwd file' % path)
    h = struct.unpack('>25I', data[:100])
    (header_size, version, pixmap_format, depth, width, height, _xoff, byte_order,
     _unit, _bit_order, _pad, bpp, bytes_per_line, _vclass, red_mask, green_mask,
     blue_mask, _bits_rgb, _cmap_entries, ncolors) = h[:20]
    if version != 7 or pixmap_format != 2 or bpp not in (24, 32):
        raise ValueError('%s: unsupported xwd (version %d, format %d, %d bpp)'
                         % (path, version, pixmap_format, bpp))
    start = header_size + 12 * ncolors
    step = bpp // 8

    def shift(mask):
        s = 0
        while mask and not mask & 1:
            mask >>= 1
            s += 1
        return s

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)
    order = 'little' if byte_order == 0 else 'big'
    rows = []
    for y in range(height):
        line = data[start + y * bytes_per_line:start + y * bytes_per_line + width * step]
        out = bytearray(3 * width)
        for x in range(width):
            v = int.from_bytes(line[x * step:x * step + step], order)
            out[3 * x] = (v & red_mask) >> rs
            out[3 * x + 1] = (v & green_mask) >> gs
            out[3 * x + 2] = (v & blue_mask) >> bs
        rows.append(bytes(out))
    return Picture(width, height, rows)


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    data = open(path, 'rb').read()
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('%s: not a PNG file' % path)
    pos = 8
    idat = b''
    width = height = 0
    color_type = 0
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b'IHDR':
            width, height, bit_depth, color_type, _c, _f, interlace = struct.unpack('>IIBBBBB', body)
            if bit_depth != 8 or color_type not in (2, 6) or interlace:
                raise ValueError('%s: unsupported PNG form' % path)
        elif kind == b'IDAT':
            idat += body
        elif kind == b'IEND':
            break
    raw = zlib.decompress(idat)
    step = 3 if color_type == 2 else 4
    stride = width * step
    rows = []
    prev = bytearray(stride)
    for y in range(height):
        f = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b = prev[i]
            c = prev[i - step] if i >= step else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 255
            elif f == 4:
                line[i] = (line[i] + _paeth(a, b, c)) & 255
        prev = line
        if step == 4:
            rgb = bytearray(3 * width)
            for x in range(width):
                rgb[3 * x:3 * x + 3] = line[4 * x:4 * x + 3]
            rows.append(bytes(rgb))
        else:
            rows.append(bytes(line))
    return Picture(width, height, rows)


def write_png(picture, path):
    raw = b''.join(b'\x00' + r for r in picture.rows)

    def chunk(kind, body):
        return (struct.pack('>I', len(body)) + kind + body +
                struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff))

    ihdr = struct.pack('>IIBBBBB', picture.width, picture.height, 8, 2, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) +
                chunk(b'IDAT', zlib.compress(raw, 6)) + chunk(b'IEND', b''))


def differences(a, b):
    """How many pixels differ (a size mismatch counts every pixel of the larger)."""
    if (a.width, a.height) != (b.width, b.height):
        return max(a.width * a.height, b.width * b.height)
    n = 0
    for ra, rb in zip(a.rows, b.rows):
        if ra != rb:
            for x in range(a.width):
                if ra[3 * x:3 * x + 3] != rb[3 * x:3 * x + 3]:
                    n += 1
    return n
