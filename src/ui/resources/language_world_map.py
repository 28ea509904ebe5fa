#!/ usr / bin / env python3
"""Draws the Language Selector's world map (language_world_map.png, 550 x 271).

Source: the Micro World Data Bank II coastlines (public domain, by Fred Pospeschil and Antonio
Rivera), as Debian's marble-qt-data package ships them in /usr/share/marble/data/mwdbii/.
Records of three little-endian int16: a code (above 5: a new ring starts), latitude and
longitude in arc-minutes.  Every ring is closed.

An equirectangular map with the Pacific in the middle (centre meridian 170 E), land filled,
lakes left as water, a light graticule every 30 degrees.  Standard library only.

    python3 language_world_map.py /usr/share/marble/data/mwdbii language_world_map.png
"""

import struct
import sys
import zlib

WIDTH, HEIGHT = 550, 271
SS = 4  # subsamples per pixel and axis
CENTRE = 170.0
OCEAN = (214, 232, 245)
LAND = (226, 236, 204)
COAST = (104, 132, 96)
GRID = (190, 210, 228)


def read_rings(path):
    data = open(path, "rb").read()
    n = len(data) // 6
    values = struct.unpack("<%dh" % (3 * n), data[: 6 * n])
    rings, ring = [], None
    for i in range(n):
        code, lat, lon = values[3 * i : 3 * i + 3]
        if code > 5 or ring is None:
            ring = []
            rings.append(ring)
        ring.append((lat / 60.0, lon / 60.0))
    return rings


def to_map_x(lon):
    """Longitude east of the left edge, in subsample units (not wrapped)."""
    return (lon - (CENTRE - 180.0)) * WIDTH * SS / 360.0


def to_map_y(lat):
    return (90.0 - lat) * HEIGHT * SS / 180.0


def unwrapped(ring):
    """The ring with longitudes made continuous; a ring around the pole is closed along it."""
    points = []
    prev = None
    for lat, lon in ring:
        if prev is not None:
            while lon - prev > 180:
                lon -= 360
            while lon - prev < -180:
                lon += 360
        points.append((lat, lon))
        prev = lon
    drift = points[-1][1] - points[0][1]
    if abs(drift) > 180:  # encircles a pole: close it along that pole
        pole = -90.0 if sum(p[0] for p in points) < 0 else 90.0
        points += [(pole, points[-1][1]), (pole, points[0][1])]
    return points


def fill(mask, ring, value):
    """Even-odd scanline fill of one ring (drawn three times, shifted by a full turn)."""
    w, h = WIDTH * SS, HEIGHT * SS
    pts = unwrapped(ring)
    base = min(p[1] for p in pts)
#Bring the ring into the map's longitude window, then draw its neighbours too.
    shift0 = 0.0
    left = CENTRE - 180.0
    while base + shift0 < left:
        shift0 += 360.0
    while base + shift0 >= left + 360.0:
        shift0 -= 360.0
    for shift in (shift0 - 360.0, shift0, shift0 + 360.0):
        xy = [(to_map_x(lon + shift), to_map_y(lat)) for lat, lon in pts]
        xs = [p[0] for p in xy]
        if max(xs) < 0 or min(xs) >= w:
            continue
        crossings = {}
        for i in range(len(xy)):
            x0, y0 = xy[i - 1]
            x1, y1 = xy[i]
            if y0 == y1:
                continue
            if y0 > y1:
                x0, y0, x1, y1 = x1, y1, x0, y0
            row = max(0, int(y0 + 0.5 - 1e-9))
            while row < h and row + 0.5 < y1:
                if row + 0.5 >= y0:
                    x = x0 + (row + 0.5 - y0) * (x1 - x0) / (y1 - y0)
                    crossings.setdefault(row, []).append(x)
                row += 1
        for row, xs_row in crossings.items():
            xs_row.sort()
            line = mask[row]
            for a, b in zip(xs_row[0::2], xs_row[1::2]):
                start = max(0, int(a + 0.5))
                end = min(w, int(b + 0.5))
                for x in range(start, end):
                    line[x] = value


def png(path, pixels):
    raw = b"".join(b"\x00" + bytes(row) for row in pixels)

    def chunk(kind, body):
        c = struct.pack(">I", len(body)) + kind + body
        return c + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    folder, target = sys.argv[1], sys.argv[2]
    w, h = WIDTH * SS, HEIGHT * SS
    mask = [bytearray(w) for _ in range(h)]
    for name in ("PCOAST.PNT", "PISLAND.PNT"):
        for ring in read_rings(folder + "/" + name):
            fill(mask, ring, 1)
    for ring in read_rings(folder + "/PLAKE.PNT"):
        fill(mask, ring, 0)

    pixels = []
    for py in range(HEIGHT):
        rows = mask[py * SS : (py + 1) * SS]
        above = mask[max(0, py * SS - 1)]
        below = mask[min(h - 1, (py + 1) * SS)]
        out = bytearray()
        lat = 90.0 - (py + 0.5) * 180.0 / HEIGHT
        for px in range(WIDTH):
            land = edge = 0
            x0 = px * SS
            for sy in range(SS):
                r = rows[sy]
                up = rows[sy - 1] if sy > 0 else above
                down = rows[sy + 1] if sy + 1 < SS else below
                for sx in range(x0, x0 + SS):
                    v = r[sx]
                    land += v
                    if v and (
                        (sx > 0 and not r[sx - 1])
                        or (sx + 1 < w and not r[sx + 1])
                        or not up[sx]
                        or not down[sx]
                    ):
                        edge += 1
            n = SS * SS
            lon = CENTRE - 180.0 + (px + 0.5) * 360.0 / WIDTH
            on_grid = (
                abs(((lon + 180.0) % 30.0) - 15.0) > 15.0 - 180.0 / WIDTH
                or abs(((lat + 90.0) % 30.0) - 15.0) > 15.0 - 90.0 / HEIGHT
            )
            sea = GRID if on_grid else OCEAN
            a = land / n
            e = min(1.0, 2.0 * edge / n)
            color = [sea[i] * (1 - a) + LAND[i] * a for i in range(3)]
            color = [color[i] * (1 - e) + COAST[i] * e for i in range(3)]
            out += bytes(int(c + 0.5) for c in color)
        pixels.append(out)
    png(target, pixels)


if __name__ == "__main__":
    main()
