#!/usr/bin/env python3
"""Writes src/core/text/CompositionTable.h: the Latin letters that one letter and
one combining mark compose to, so that ANSEL text (mark before letter) reads as
precomposed letters. Run again only to follow a newer Unicode."""
import pathlib
import unicodedata

ranges = list(range(0xC0, 0x250)) + list(range(0x1E00, 0x1F00))
rows = []
for code in ranges:
    decomposition = unicodedata.decomposition(chr(code))
    if not decomposition or decomposition.startswith("<"):
        continue
    parts = [int(x, 16) for x in decomposition.split()]
    if len(parts) != 2 or unicodedata.normalize("NFC", chr(parts[0]) + chr(parts[1])) != chr(code):
        continue
    rows.append((parts[0], parts[1], code))
rows.sort()

out = pathlib.Path(__file__).resolve().parent.parent / "src/core/text/CompositionTable.h"
with out.open("w") as f:
    f.write("#pragma once\n\n")
    f.write(f"// Made by scripts/make-composition-table.py from Unicode {unicodedata.unidata_version}.\n")
    f.write("// Letter, combining mark, the precomposed letter; sorted by letter, then mark.\n\n")
    f.write("struct CComposition {\n    char32_t m_base;\n    char32_t m_mark;\n    char32_t m_composed;\n};\n\n")
    f.write("inline constexpr CComposition theCompositions[] = {\n")
    for base, mark, composed in rows:
        f.write(f"    {{0x{base:04X}, 0x{mark:04X}, 0x{composed:04X}}},\n")
    f.write("};\n")
