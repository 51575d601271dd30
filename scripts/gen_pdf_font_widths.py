#!/usr/bin/env python3
"""Generates pdf/PdfFontWidths.cpp: the advance widths of the four font families
that the PDF writer declares, for the Windows character set (code page 1252),
in thousandths of the font size.

The widths come from metric-compatible fonts:
  Times New Roman  <- Liberation Serif (regular, bold, italic, bold italic)
  Arial            <- Liberation Sans (regular and bold; italic shares regular,
                      bold italic shares bold)
  Courier New      <- Liberation Mono regular (every style is the same)
  Symbol           <- Standard Symbols PS (AFM), by glyph name through the
                      standard Symbol encoding

Run from the source root (Debian packages fonts-liberation2, fonts-urw-base35):
  python3 scripts/gen_pdf_font_widths.py > pdf/PdfFontWidths.cpp
Options: --liberation DIR, --symbol-afm FILE.
Only the standard library is used.
"""

import argparse
import struct
import sys

LIBERATION_DIR = "/usr/share/fonts/truetype/liberation2"
SYMBOL_AFM_CANDIDATES = [
    "/usr/share/fonts/type1/urw-base35/StandardSymbolsPS.afm",
    "/usr/share/fonts/X11/Type1/StandardSymbolsPS.afm",
]

# Code page 1252 above 0x7F where it differs from Latin-1; the five codes that
# the code page leaves undefined keep their own value (as Windows maps them).
CP1252_HIGH = [
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
]


def cp1252_to_unicode(code):
    if 0x80 <= code <= 0x9F:
        return CP1252_HIGH[code - 0x80]
    return code


# The standard Symbol encoding: code -> glyph name (codes without a name are
# not encoded).
SYMBOL_ENCODING = {
    32: "space", 33: "exclam", 34: "universal", 35: "numbersign",
    36: "existential", 37: "percent", 38: "ampersand", 39: "suchthat",
    40: "parenleft", 41: "parenright", 42: "asteriskmath", 43: "plus",
    44: "comma", 45: "minus", 46: "period", 47: "slash",
    48: "zero", 49: "one", 50: "two", 51: "three", 52: "four", 53: "five",
    54: "six", 55: "seven", 56: "eight", 57: "nine", 58: "colon",
    59: "semicolon", 60: "less", 61: "equal", 62: "greater", 63: "question",
    64: "congruent", 65: "Alpha", 66: "Beta", 67: "Chi", 68: "Delta",
    69: "Epsilon", 70: "Phi", 71: "Gamma", 72: "Eta", 73: "Iota",
    74: "theta1", 75: "Kappa", 76: "Lambda", 77: "Mu", 78: "Nu",
    79: "Omicron", 80: "Pi", 81: "Theta", 82: "Rho", 83: "Sigma", 84: "Tau",
    85: "Upsilon", 86: "sigma1", 87: "Omega", 88: "Xi", 89: "Psi",
    90: "Zeta", 91: "bracketleft", 92: "therefore", 93: "bracketright",
    94: "perpendicular", 95: "underscore", 96: "radicalex", 97: "alpha",
    98: "beta", 99: "chi", 100: "delta", 101: "epsilon", 102: "phi",
    103: "gamma", 104: "eta", 105: "iota", 106: "phi1", 107: "kappa",
    108: "lambda", 109: "mu", 110: "nu", 111: "omicron", 112: "pi",
    113: "theta", 114: "rho", 115: "sigma", 116: "tau", 117: "upsilon",
    118: "omega1", 119: "omega", 120: "xi", 121: "psi", 122: "zeta",
    123: "braceleft", 124: "bar", 125: "braceright", 126: "similar",
    160: "Euro", 161: "Upsilon1", 162: "minute", 163: "lessequal",
    164: "fraction", 165: "infinity", 166: "florin", 167: "club",
    168: "diamond", 169: "heart", 170: "spade", 171: "arrowboth",
    172: "arrowleft", 173: "arrowup", 174: "arrowright", 175: "arrowdown",
    176: "degree", 177: "plusminus", 178: "second", 179: "greaterequal",
    180: "multiply", 181: "proportional", 182: "partialdiff", 183: "bullet",
    184: "divide", 185: "notequal", 186: "equivalence", 187: "approxequal",
    188: "ellipsis", 189: "arrowvertex", 190: "arrowhorizex",
    191: "carriagereturn", 192: "aleph", 193: "Ifraktur", 194: "Rfraktur",
    195: "weierstrass", 196: "circlemultiply", 197: "circleplus",
    198: "emptyset", 199: "intersection", 200: "union",
    201: "propersuperset", 202: "reflexsuperset", 203: "notsubset",
    204: "propersubset", 205: "reflexsubset", 206: "element",
    207: "notelement", 208: "angle", 209: "gradient", 210: "registerserif",
    211: "copyrightserif", 212: "trademarkserif", 213: "product",
    214: "radical", 215: "dotmath", 216: "logicalnot", 217: "logicaland",
    218: "logicalor", 219: "arrowdblboth", 220: "arrowdblleft",
    221: "arrowdblup", 222: "arrowdblright", 223: "arrowdbldown",
    224: "lozenge", 225: "angleleft", 226: "registersans",
    227: "copyrightsans", 228: "trademarksans", 229: "summation",
    230: "parenlefttp", 231: "parenleftex", 232: "parenleftbt",
    233: "bracketlefttp", 234: "bracketleftex", 235: "bracketleftbt",
    236: "bracelefttp", 237: "braceleftmid", 238: "braceleftbt",
    239: "braceex", 240: "apple", 241: "angleright", 242: "integral",
    243: "integraltp", 244: "integralex", 245: "integralbt",
    246: "parenrighttp", 247: "parenrightex", 248: "parenrightbt",
    249: "bracketrighttp", 250: "bracketrightex", 251: "bracketrightbt",
    252: "bracerighttp", 253: "bracerightmid", 254: "bracerightbt",
}

# Codes of the Symbol set that have no glyph take the width the set gives its
# control codes 30 and 31.
SYMBOL_UNENCODED_WIDTH = 600


class TrueTypeFont:
    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = f.read()
        num_tables = struct.unpack_from(">H", self.data, 4)[0]
        self.tables = {}
        for i in range(num_tables):
            tag, _checksum, offset, length = struct.unpack_from(">4sIII", self.data, 12 + 16 * i)
            self.tables[tag.decode("latin-1")] = (offset, length)
        self.units_per_em = struct.unpack_from(">H", self.data, self.tables["head"][0] + 18)[0]
        num_hmetrics = struct.unpack_from(">H", self.data, self.tables["hhea"][0] + 34)[0]
        hmtx = self.tables["hmtx"][0]
        self.advances = [struct.unpack_from(">H", self.data, hmtx + 4 * i)[0] for i in range(num_hmetrics)]
        self.cmap = self._read_unicode_cmap()

    def _read_unicode_cmap(self):
        base = self.tables["cmap"][0]
        count = struct.unpack_from(">H", self.data, base + 2)[0]
        for i in range(count):
            platform, encoding, offset = struct.unpack_from(">HHI", self.data, base + 4 + 8 * i)
            if platform == 3 and encoding == 1:
                sub = base + offset
                if struct.unpack_from(">H", self.data, sub)[0] == 4:
                    return self._read_format4(sub)
        raise SystemExit("no Windows Unicode cmap (format 4) found")

    def _read_format4(self, sub):
        seg_x2 = struct.unpack_from(">H", self.data, sub + 6)[0]
        segs = seg_x2 // 2
        ends_at = sub + 14
        starts_at = ends_at + seg_x2 + 2
        deltas_at = starts_at + seg_x2
        ranges_at = deltas_at + seg_x2
        mapping = {}
        for s in range(segs):
            end = struct.unpack_from(">H", self.data, ends_at + 2 * s)[0]
            start = struct.unpack_from(">H", self.data, starts_at + 2 * s)[0]
            delta = struct.unpack_from(">h", self.data, deltas_at + 2 * s)[0]
            range_offset = struct.unpack_from(">H", self.data, ranges_at + 2 * s)[0]
            for c in range(start, min(end, 0xFFFE) + 1):
                if c > 0xFF and c not in CP1252_HIGH:
                    continue  # only the characters of the Windows character set are needed
                if range_offset == 0:
                    glyph = (c + delta) & 0xFFFF
                else:
                    at = ranges_at + 2 * s + range_offset + 2 * (c - start)
                    glyph = struct.unpack_from(">H", self.data, at)[0]
                    if glyph:
                        glyph = (glyph + delta) & 0xFFFF
                mapping[c] = glyph
        return mapping

    def advance(self, glyph):
        return self.advances[min(glyph, len(self.advances) - 1)]

    def width_of_code(self, code):
        # A character without a glyph is drawn with glyph 0 (.notdef).
        glyph = self.cmap.get(cp1252_to_unicode(code), 0)
        units = self.advance(glyph)
        # Thousandths of the em, rounded half up.
        return (units * 2000 + self.units_per_em) // (2 * self.units_per_em)


def truetype_widths(path):
    font = TrueTypeFont(path)
    return [font.width_of_code(c) for c in range(32, 256)]


def symbol_widths(afm_path):
    by_name = {}
    with open(afm_path, encoding="latin-1") as f:
        for line in f:
            if not line.startswith("C "):
                continue
            fields = {}
            for part in line.split(";"):
                words = part.split()
                if len(words) >= 2:
                    fields[words[0]] = words[1]
            if "N" in fields and "WX" in fields:
                by_name[fields["N"]] = int(round(float(fields["WX"])))
    widths = []
    for code in range(30, 256):
        name = SYMBOL_ENCODING.get(code)
        widths.append(by_name[name] if name in by_name else SYMBOL_UNENCODED_WIDTH)
    return widths


def emit_table(out, name, rows, first):
    out.write(f"const std::int16_t {name}[{len(rows)}][{len(rows[0])}] = {{\n")
    for row in rows:
        out.write("    {\n")
        for i in range(0, len(row), 16):
            chunk = ", ".join(f"{w:4d}" for w in row[i:i + 16])
            out.write(f"        {chunk}, // {first + i}\n")
        out.write("    },\n")
    out.write("};\n\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--liberation", default=LIBERATION_DIR)
    parser.add_argument("--symbol-afm", default=None)
    args = parser.parse_args()
    afm = args.symbol_afm
    if afm is None:
        import os
        afm = next((p for p in SYMBOL_AFM_CANDIDATES if os.path.exists(p)), SYMBOL_AFM_CANDIDATES[0])

    lib = args.liberation.rstrip("/")
    times = [truetype_widths(f"{lib}/LiberationSerif-{s}.ttf") for s in ("Regular", "Bold", "Italic", "BoldItalic")]
    arial = [truetype_widths(f"{lib}/LiberationSans-{s}.ttf") for s in ("Regular", "Bold")]
    courier = [truetype_widths(f"{lib}/LiberationMono-Regular.ttf")]
    symbol = [symbol_widths(afm)]

    out = sys.stdout
    out.write("// Generated by scripts/gen_pdf_font_widths.py; do not edit by hand.\n")
    out.write("// Advance widths in thousandths of the font size for the Windows character set.\n")
    out.write('#include "pdf/PdfFontWidths.h"\n\n')
    out.write("namespace PdfFontWidths {\n\n")
    out.write("// Styles regular, bold, italic, bold italic; codes 32 to 255.\n")
    emit_table(out, "kTimesNewRoman", times, 32)
    out.write("// Regular (also italic) and bold (also bold italic); codes 32 to 255.\n")
    emit_table(out, "kArial", arial, 32)
    out.write("// Every style; codes 32 to 255.\n")
    emit_table(out, "kCourierNew", courier, 32)
    out.write("// Every style; codes 30 to 255.\n")
    emit_table(out, "kSymbol", symbol, 30)
    out.write("} // namespace PdfFontWidths\n")


if __name__ == "__main__":
    main()
