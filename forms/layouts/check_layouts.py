#!/usr/bin/env python3
"""Check the page layout files against docs/layout-format.md.

Usage: check_layouts.py [FILE.json ...]   (default: every *.json beside this script)

Refuses unknown keys, missing required keys, values of the wrong kind and
names used twice on a page; warns about boxes that leave the paper. Prints
the element count of each page. Exit status 1 when any file has an error.
"""
import json
import os
import re
import sys

PAPER_SIZES = {
    "Default", "Letter", "LetterSmall", "Tabloid", "Ledger", "Legal", "Statement",
    "Executive", "A3", "A4", "A4Small", "A5", "B4", "B5", "Folio", "Quarto",
    "qr10X14", "qr11X17", "Note", "Env9", "Env10", "Env11", "Env12", "Env14",
    "CSheet", "DSheet", "ESheet", "Custom",
}
BAND_TYPES = {"rbTitle", "rbPageHeader", "rbDetail", "rbPageFooter", "rbSummary",
              "rbGroupHeader", "rbGroupFooter"}
SHAPES = {"rectangle", "circle", "vertLine", "horLine", "topAndBottom", "rightAndLeft"}
COLOUR = re.compile(r"^#[0-9a-f]{6}$")


class Checker:
    def __init__(self, path):
        self.path = path
        self.errors = []
        self.warnings = []

    def error(self, where, text):
        self.errors.append(f"{where}: {text}")

    # --- value kinds -------------------------------------------------------

    def number(self, where, v):
        if isinstance(v, bool) or not isinstance(v, (int, float)):
            self.error(where, f"number expected, got {v!r}")
            return False
        return True

    def integer(self, where, v):
        if isinstance(v, bool) or not isinstance(v, int):
            self.error(where, f"integer expected, got {v!r}")
            return False
        return True

    def boolean(self, where, v):
        if not isinstance(v, bool):
            self.error(where, f"true or false expected, got {v!r}")

    def string(self, where, v):
        if not isinstance(v, str):
            self.error(where, f"string expected, got {v!r}")
            return False
        return True

    def colour(self, where, v):
        if not isinstance(v, str) or not COLOUR.match(v):
            self.error(where, f'colour "#rrggbb" expected, got {v!r}')

    def choice(self, where, v, allowed):
        if v not in allowed:
            self.error(where, f"one of {sorted(allowed)} expected, got {v!r}")

    def numbers(self, where, v, count):
        if not isinstance(v, list) or len(v) != count:
            self.error(where, f"list of {count} numbers expected, got {v!r}")
            return False
        return all(self.number(f"{where}[{i}]", x) for i, x in enumerate(v))

    def obj(self, where, v, keys, required=()):
        """keys: key -> checking function(where, value)."""
        if not isinstance(v, dict):
            self.error(where, f"object expected, got {v!r}")
            return False
        for key in v:
            if key not in keys:
                self.error(f"{where}.{key}", "unknown key")
        for key in required:
            if key not in v:
                self.error(f"{where}.{key}", "missing")
        for key, check in keys.items():
            if key in v:
                check(f"{where}.{key}", v[key])
        return True

    # --- parts of a page ---------------------------------------------------

    def frame(self, where, v):
        self.obj(where, v, {
            "color": self.colour, "top": self.boolean, "bottom": self.boolean,
            "left": self.boolean, "right": self.boolean,
            "width": self.number, "style": self.string,
        })

    def font(self, where, v):
        def inheritable(check):
            return lambda w, x: None if x == "inherit" else check(w, x)

        def style(w, x):
            if not isinstance(x, list):
                self.error(w, f"list expected, got {x!r}")
                return
            for s in x:
                self.choice(w, s, {"bold", "italic", "underline", "strikeout"})

        self.obj(where, v, {
            "name": self.string, "size": self.integer, "height": self.integer,
            "charset": inheritable(self.integer), "color": inheritable(self.colour),
            "style": style,
        }, required=("name", "size"))
        if isinstance(v, dict) and isinstance(v.get("size"), int) and v["size"] <= 0:
            self.error(f"{where}.size", "must be above 0")

    def page(self, where, v):
        self.obj(where, v, {
            "paperSize": lambda w, x: self.choice(w, x, PAPER_SIZES),
            "orientation": lambda w, x: self.choice(w, x, {"portrait", "landscape"}),
            "values": lambda w, x: self.numbers(w, x, 7),
            "columns": self.integer,
        }, required=("paperSize", "values"))

    def element(self, where, v):
        common = {
            "name": self.string, "kind": self.string,
            "size": lambda w, x: self.numbers(w, x, 4),
            "frame": self.frame, "enabled": self.boolean, "color": self.colour,
            "transparent": self.boolean, "alignToBand": self.boolean,
            "alignment": lambda w, x: self.choice(w, x, {"left", "right", "center"}),
        }
        text = {"font": self.font, "autoSize": self.boolean,
                "autoStretch": self.boolean, "wordWrap": self.boolean}
        kind = v.get("kind") if isinstance(v, dict) else None
        if kind == "label":
            keys = {**common, **text, "caption": self.string}
            required = ("name", "kind", "size", "caption", "font")
        elif kind == "memo":
            keys = {**common, **text, "lines": self.lines}
            required = ("name", "kind", "size", "font")
        elif kind == "shape":
            pen = lambda w, x: self.obj(w, x, {"color": self.colour, "width": self.number,
                                               "style": self.string})
            brush = lambda w, x: self.obj(w, x, {"color": self.colour, "style": self.string})
            keys = {**common, "shape": lambda w, x: self.choice(w, x, SHAPES),
                    "pen": pen, "brush": brush}
            required = ("name", "kind", "size")
        else:
            self.error(f"{where}.kind", f'"label", "memo" or "shape" expected, got {kind!r}')
            return
        self.obj(where, v, keys, required)

    def lines(self, where, v):
        if not isinstance(v, list) or not all(isinstance(s, str) for s in v):
            self.error(where, f"list of strings expected, got {v!r}")

    def band(self, where, v):
        self.obj(where, v, {
            "name": self.string,
            "type": lambda w, x: self.choice(w, x, BAND_TYPES),
            "height": self.number, "width": self.number, "color": self.colour,
            "frame": self.frame, "enabled": self.boolean, "alignToBottom": self.boolean,
            "forceNewPage": self.boolean, "forceNewColumn": self.boolean,
            "elements": lambda w, x: self.elements(w, x),
        }, required=("name", "type", "height", "width"))

    def elements(self, where, v):
        if not isinstance(v, list):
            self.error(where, "list expected")
            return
        for e in v:
            name = e.get("name") if isinstance(e, dict) else None
            self.element(name if isinstance(name, str) else where, e)

    # --- the whole page ----------------------------------------------------

    def run(self, doc):
        def zoom(w, x):
            if self.integer(w, x) and not 1 <= x <= 300:
                self.error(w, "must be 1 to 300")

        def options(w, x):
            if not isinstance(x, list):
                self.error(w, f"list expected, got {x!r}")
                return
            for o in x:
                self.choice(w, o, {"FirstPageHeader", "LastPageFooter", "Compression"})

        def printer(w, x):
            self.obj(w, x, {"copies": self.integer, "duplex": self.boolean,
                            "firstPage": self.integer, "lastPage": self.integer,
                            "outputBin": self.string})

        def functions(w, x):
            if not isinstance(x, dict):
                self.error(w, "object expected")
                return
            for k, val in x.items():
                self.string(f"{w}.{k}", val)

        def bands(w, x):
            if not isinstance(x, list):
                self.error(w, "list expected")
                return
            for b in x:
                name = b.get("name") if isinstance(b, dict) else None
                self.band(name if isinstance(name, str) else w, b)

        def fmt(w, x):
            if x != 1:
                self.error(w, f"1 expected, got {x!r}")

        self.obj("page file", doc, {
            "format": fmt, "name": self.string, "page": self.page,
            "units": lambda w, x: self.choice(w, x, {"MM", "Inches", "Pixels", "Characters", "Native"}),
            "zoom": zoom, "frame": self.frame, "options": options,
            "printIfEmpty": self.boolean, "snapToGrid": self.boolean,
            "reportTitle": self.string, "formName": self.string, "printerSettings": printer,
            "functions": functions, "font": self.font, "bands": bands,
            "elements": self.elements,
        }, required=("format", "name", "page"))
        if self.errors:
            return
        self.unique_names(doc)
        self.inside_paper(doc)

    def unique_names(self, doc):
        seen = {doc["name"]}
        owned = list(doc.get("bands", []))
        for b in doc.get("bands", []):
            owned += b.get("elements", [])
        owned += doc.get("elements", [])
        for item in owned:
            if item["name"] in seen:
                self.error(item["name"], "name used twice on the page")
            seen.add(item["name"])

    def inside_paper(self, doc):
        values = doc["page"]["values"]
        length, width = values[1], values[3]
        for e in doc.get("elements", []):
            h, left, top, w = e["size"]
            if min(h, w) <= 0 or left < 0 or top < 0 or left + w > width or top + h > length:
                self.warnings.append(f"{e['name']}: box {e['size']} leaves the paper")


def load(path):
    def no_duplicates(pairs):
        d = {}
        for k, v in pairs:
            if k in d:
                raise ValueError(f"key {k!r} given twice")
            d[k] = v
        return d

    with open(path, encoding="utf-8") as f:
        return json.load(f, object_pairs_hook=no_duplicates)


def count(doc):
    kinds = {}
    for e in doc.get("elements", []):
        kinds[e["kind"]] = kinds.get(e["kind"], 0) + 1
    parts = ", ".join(f"{kinds[k]} {k}" + ("s" if kinds[k] != 1 else "")
                      for k in ("label", "memo", "shape") if k in kinds)
    bands = len(doc.get("bands", []))
    return f"{len(doc.get('elements', []))} elements ({parts}), {bands} band(s)"


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    paths = argv or sorted(os.path.join(here, n) for n in os.listdir(here) if n.endswith(".json"))
    failed = False
    for path in paths:
        name = os.path.basename(path)
        try:
            doc = load(path)
        except (OSError, ValueError) as e:
            print(f"{name}: cannot read: {e}")
            failed = True
            continue
        checker = Checker(path)
        checker.run(doc)
        for w in checker.warnings:
            print(f"{name}: warning: {w}")
        if checker.errors:
            failed = True
            for e in checker.errors:
                print(f"{name}: {e}")
        else:
            print(f"{name}: {count(doc)}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
