#!/usr/bin/env python3
"""Derive the 96-dpi character advances of the four named faces from the
label widths that the registry page layouts store.

Every static label of the company, land/building and valuation pages has
AutoSize on, so its stored width (0.1 mm, the table value) is its text's
measured width: pixels = MulDiv(sum of advances + 1, zoom, 100), and the
stored value is pixels x 254 / 96 x 100 / zoom rounded half up. This script
finds one whole-pixel advance per character, face and pixel height that
gives every such label its stored width, with
  - one advance for all kanji, and one for all full-width digits, of a
    proportional face at a height, and
  - one cell per fixed-pitch face at a height (full width twice the half),
choosing a solution close to the nominal widths: the em for kanji, the
stand-in face's own design advance (read from its font file) for the other
characters of a proportional face.

Usage: solve_face_advances.py [--check] [OUTPUT.cpp]
Writes the C++ table (default: platform/face_advance_table.cpp). With
--check it writes nothing and exits 1 when the file differs from what it
would write.
"""
import json
import os
import struct
import subprocess
import sys
import unicodedata
from fractions import Fraction

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LAYOUTS = ["company.json", "land_building.json", "valuation.json"]
DEFAULT_OUTPUT = os.path.join(ROOT, "platform", "face_advance_table.cpp")

MINCHO, PMINCHO, GOTHIC, PGOTHIC = "ＭＳ 明朝", "ＭＳ Ｐ明朝", "ＭＳ ゴシック", "ＭＳ Ｐゴシック"
FIXED_PITCH = {MINCHO, GOTHIC}
FACE_CONSTANT = {MINCHO: "kMincho", PMINCHO: "kPMincho", GOTHIC: "kGothic", PGOTHIC: "kPGothic"}


def is_kanji(ch):
    c = ord(ch)
    return 0x3400 <= c <= 0x4DBF or 0x4E00 <= c <= 0x9FFF or 0xF900 <= c <= 0xFAFF or 0x20000 <= c <= 0x2FFFF


def is_wide(ch):
    """A double-byte character of the faces' code page takes a full-width cell."""
    try:
        return len(ch.encode("cp932")) == 2
    except UnicodeEncodeError:
        return unicodedata.east_asian_width(ch) in ("W", "F", "A")


def round_half_up(x):
    return int(x + Fraction(1, 2)) if x >= 0 else -int(-x + Fraction(1, 2))


def mul_div(a, b, c):
    return (a * b + c // 2) // c


def pixel_height(points):
    """Point size at 96 dpi, rounded half to even as the engine does."""
    return round(Fraction(points * 96, 72))


def extent_range(stored, zoom):
    """Text extents (sum of advances) whose measured width stores as `stored`."""
    near = stored * 96 // 254  # the extent is about the stored width in 96-dpi pixels
    fits = [e for e in range(max(0, near - 6), near + 6)
            if round_half_up(Fraction(mul_div(e + 1, zoom, 100) * 254 * 100, 96 * zoom)) == stored]
    if not fits or fits[-1] - fits[0] + 1 != len(fits):
        raise SystemExit(f"no extent gives the stored width {stored} at zoom {zoom}")
    return fits[0], fits[-1]


class Label:
    def __init__(self, page, name, caption, face, height, zoom, stored):
        self.page, self.name, self.caption = page, name, caption
        self.face, self.height, self.zoom, self.stored = face, height, zoom, stored
        self.low, self.high = extent_range(stored, zoom)


def read_labels():
    labels = []
    for file in LAYOUTS:
        with open(os.path.join(ROOT, "forms", "layouts", file), encoding="utf-8") as f:
            page = json.load(f)
        page_font = page["font"]
        for e in page["elements"]:
            if e["kind"] != "label" or not e.get("caption") or not e.get("autoSize", True):
                continue
            font = e.get("font", page_font)
            face = page_font["name"] if font["name"] == "inherit" else font["name"]
            labels.append(Label(file, e["name"], e["caption"], face, pixel_height(font["size"]),
                                page["zoom"], e["size"][3]))
    return labels


def variable_of(face, height, ch):
    """The unknown an advance belongs to, and how many of it make the advance."""
    if face in FIXED_PITCH:
        return (face, height, "cell"), 2 if is_wide(ch) else 1
    if is_kanji(ch):
        return (face, height, "kanji"), 1
    if "０" <= ch <= "９":
        return (face, height, "digits"), 1
    return (face, height, ch), 1


class FontAdvances:
    """Design advances of a TrueType/OpenType file (its hmtx through the
    Unicode cmap), enough to say how wide the stand-in draws a character."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = data = f.read()
        tables = {}
        for k in range(struct.unpack(">H", data[4:6])[0]):
            tag, _, offset, _ = struct.unpack(">4sIII", data[12 + 16 * k:28 + 16 * k])
            tables[tag.decode("latin-1")] = offset
        self.units = struct.unpack(">H", data[tables["head"] + 18:tables["head"] + 20])[0]
        self.metrics = struct.unpack(">H", data[tables["hhea"] + 34:tables["hhea"] + 36])[0]
        self.hmtx = tables["hmtx"]
        self.glyphs = self.read_cmap(tables["cmap"])

    def read_cmap(self, cmap):
        data = self.data
        for k in range(struct.unpack(">H", data[cmap + 2:cmap + 4])[0]):
            platform, encoding, offset = struct.unpack(">HHI", data[cmap + 4 + 8 * k:cmap + 12 + 8 * k])
            sub = cmap + offset
            if (platform, encoding) == (3, 1) and struct.unpack(">H", data[sub:sub + 2])[0] == 4:
                return self.read_format4(sub)
        raise SystemExit("no Unicode character map in the font")

    def read_format4(self, sub):
        data = self.data
        segments = struct.unpack(">H", data[sub + 6:sub + 8])[0] // 2
        def array(n):
            start = sub + 14 + (n * 2 * segments) + (2 if n > 0 else 0)
            return struct.unpack(f">{segments}H", data[start:start + 2 * segments])
        ends, starts, deltas, ranges = array(0), array(1), array(2), array(3)
        range_base = sub + 16 + 6 * segments
        glyphs = {}
        for k in range(segments):
            for code in range(starts[k], ends[k] + 1):
                if ranges[k] == 0:
                    glyph = (code + deltas[k]) & 0xFFFF
                else:
                    at = range_base + 2 * k + ranges[k] + 2 * (code - starts[k])
                    glyph = struct.unpack(">H", data[at:at + 2])[0]
                    glyph = (glyph + deltas[k]) & 0xFFFF if glyph else 0
                glyphs[code] = glyph
        return glyphs

    def advance(self, ch, height):
        glyph = min(self.glyphs.get(ord(ch), 0), self.metrics - 1)
        units = struct.unpack(">H", self.data[self.hmtx + 4 * glyph:self.hmtx + 4 * glyph + 2])[0]
        return round(Fraction(units * height, self.units))


def stand_in(face):
    family = {PMINCHO: "IPAPMincho", PGOTHIC: "IPAPGothic"}[face]
    path = subprocess.run(["fc-match", "-f", "%{file}", family], capture_output=True, text=True, check=True).stdout
    return FontAdvances(path)


def nominal(var, fonts):
    """What the advance would be without the tables: the cell of a fixed-pitch
    face, the em for kanji, the stand-in's own advance otherwise."""
    face, height, what = var
    if what == "cell":
        return (height + 1) // 2
    if what == "kanji":
        return height
    if what == "digits":
        what = "０"
    if face not in fonts:
        fonts[face] = stand_in(face)
    return fonts[face].advance(what, height)


class Problem:
    def __init__(self, labels):
        self.vars = []
        index = {}
        self.constraints = []  # ([(var index, count)], low, high)
        for label in labels:
            terms = {}
            for ch in label.caption:
                var, count = variable_of(label.face, label.height, ch)
                if var not in index:
                    index[var] = len(self.vars)
                    self.vars.append(var)
                terms[index[var]] = terms.get(index[var], 0) + count
            self.constraints.append((sorted(terms.items()), label.low, label.high))
        fonts = {}
        self.nominal = [nominal(v, fonts) for v in self.vars]
        self.watch = [[] for _ in self.vars]
        for k, (terms, _, _) in enumerate(self.constraints):
            for i, _ in terms:
                self.watch[i].append(k)

    def propagate(self, lo, hi, changed):
        """Narrows the domains [lo, hi] until every constraint is bounds-consistent."""
        queue = list({k for i in changed for k in self.watch[i]})
        while queue:
            k = queue.pop()
            terms, low, high = self.constraints[k]
            min_sum = sum(c * lo[i] for i, c in terms)
            max_sum = sum(c * hi[i] for i, c in terms)
            if min_sum > high or max_sum < low:
                return False
            for i, c in terms:
                new_hi = min(hi[i], (high - (min_sum - c * lo[i])) // c)
                new_lo = max(lo[i], -((-(low - (max_sum - c * hi[i]))) // c))
                if new_lo > new_hi:
                    return False
                if (new_lo, new_hi) != (lo[i], hi[i]):
                    min_sum += c * (new_lo - lo[i])
                    max_sum += c * (new_hi - hi[i])
                    lo[i], hi[i] = new_lo, new_hi
                    queue.extend(w for w in self.watch[i] if w != k)
        return True

    def solve(self):
        """Starts from the least-squares fractional solution, rounded, and
        takes, while one exists, the one-pixel move of one advance, or the
        shift of a pixel from one advance to another, that most lowers
        (pixels by which labels miss their widths) x 10000 + (sum of squared
        distances from the nominal advances). Ties go to the first
        characters, so the result is always the same."""
        lo = [1] * len(self.vars)
        hi = [2 * height for _, height, _ in self.vars]
        if not self.propagate(lo, hi, range(len(self.vars))):
            raise SystemExit("the stored widths contradict each other")
        value = [min(max(n, lo[i]), hi[i]) for i, n in enumerate(self.nominal)]
        coefficient = [dict(terms) for terms, _, _ in self.constraints]
        totals = [sum(c * value[i] for i, c in terms) for terms, _, _ in self.constraints]

        def miss(k, t):
            _, low, high = self.constraints[k]
            return low - t if t < low else t - high if t > high else 0

        def change(moves, weight):
            """Change of the objective when each (variable, step) is applied."""
            delta = 0
            shifted = {}
            for i, step in moves:
                if not lo[i] <= value[i] + step <= hi[i]:
                    return None
                d = value[i] - self.nominal[i]
                delta += (d + step) ** 2 - d * d
                for k in self.watch[i]:
                    shifted[k] = shifted.get(k, 0) + coefficient[k][i] * step
            for k, by in shifted.items():
                delta += weight * (miss(k, totals[k] + by) - miss(k, totals[k]))
            return delta

        def apply(moves):
            for i, step in moves:
                value[i] += step
                for k in self.watch[i]:
                    totals[k] += coefficient[k][i] * step

        # Start from the nearest point (least squares) that meets every width
        # without whole pixels (Dykstra's alternating projections), rounded.
        x = [float(v) for v in value]
        sets = [[(i, 1)] for i in range(len(self.vars))] + [terms for terms, _, _ in self.constraints]
        limits = [(lo[i], hi[i]) for i in range(len(self.vars))] + [(low, high) for _, low, high in self.constraints]
        corrections = [[0.0] * len(terms) for terms in sets]
        for _ in range(3000):
            for terms, (low, high), correction in zip(sets, limits, corrections):
                y = [x[i] + correction[n] for n, (i, _) in enumerate(terms)]
                t = sum(c * v for (_, c), v in zip(terms, y))
                target = low if t < low else high if t > high else t
                shift = (target - t) / sum(c * c for _, c in terms)
                for n, (i, c) in enumerate(terms):
                    x[i] = y[n] + shift * c
                    correction[n] = y[n] - x[i]
        for i, v in enumerate(x):
            step = min(max(round(v), lo[i]), hi[i]) - value[i]
            if step:
                apply(((i, step),))
        pairs = sorted({(i, j) for terms, _, _ in self.constraints for i, _ in terms for j, _ in terms if i != j})
        # Then only moves that help, until none does.
        candidates = [((i, step),) for i in range(len(self.vars)) for step in (1, -1)]
        candidates += [((i, 1), (j, -1)) for i, j in pairs]
        while True:
            best, best_delta = None, 0
            for moves in candidates:
                delta = change(moves, 10000)
                if delta is not None and delta < best_delta:
                    best, best_delta = moves, delta
            if best is None:
                break
            apply(best)
        off = [k for k in range(len(self.constraints)) if miss(k, totals[k])]
        if off:
            raise SystemExit(f"no advances found that give labels {off} their stored widths")
        return dict(zip(self.vars, value))


def render(solution):
    lines = [
        "// Generated by tools/solve_face_advances.py from the registry page layouts;",
        "// run it again after changing a static label's caption, font or width.",
        '#include "platform/face_advance_table.h"',
        "",
        '#include "platform/fonts.h"',
        "",
        "namespace kopira::fonts {",
        "",
        "const std::vector<FaceAdvances>& faceAdvanceTable() {",
        "  static const std::vector<FaceAdvances> table = {",
    ]
    groups = sorted({(face, height) for face, height, _ in solution}, key=lambda g: (FACE_CONSTANT[g[0]], g[1]))
    shared = ("cell", "kanji", "digits")
    for face, height in groups:
        cell, kanji, digits = (solution.get((face, height, what), 0) for what in shared)
        chars = sorted((what, v) for (f, h, what), v in solution.items() if (f, h) == (face, height) and what not in shared)
        entries = ", ".join(f"{{U'{ch}', {v}}}" for ch, v in chars)
        lines.append(f"      {{{FACE_CONSTANT[face]}, {height}, {cell}, {kanji}, {digits}, {{{entries}}}}},")
    lines += ["  };", "  return table;", "}", "", "}  // namespace kopira::fonts", ""]
    return "\n".join(lines)


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    output = args[0] if args else DEFAULT_OUTPUT
    labels = read_labels()
    solution = Problem(labels).solve()
    text = render(solution)
    if check:
        try:
            with open(output, encoding="utf-8") as f:
                current = f.read()
        except OSError:
            current = None
        if current != text:
            print(f"{output} is not what the layouts give; run {os.path.basename(__file__)}", file=sys.stderr)
            return 1
        print(f"{len(labels)} labels, {len(solution)} advances: {output} is up to date")
        return 0
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)
    print(f"{len(labels)} labels, {len(solution)} advances written to {output}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
