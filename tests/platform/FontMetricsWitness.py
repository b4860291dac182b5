#!/usr/bin/env python3
"""Independent witness for the drawing layer's text metrics: reads a TrueType
file's head, hhea, OS/2, hmtx and cmap tables and prints what GDI reports for
a font whose character height is EM pixels, and the width of TEXT (each
advance rounded to whole pixels, no kerning).

usage: FontMetricsWitness.py FONTFILE EM TEXT
prints: height ascent descent internal_leading external_leading average_width extent
"""
import math
import struct
import sys


def rounded(value):
    return int(math.floor(value + 0.5)) if value >= 0 else -int(math.floor(-value + 0.5))


def main():
    path, em, text = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    data = open(path, 'rb').read()
    tables = {}
    for i in range(struct.unpack('>H', data[4:6])[0]):
        tag, _, offset, length = struct.unpack('>4sIII', data[12 + 16 * i:28 + 16 * i])
        tables[tag.decode('latin-1')] = data[offset:offset + length]
    units = struct.unpack('>H', tables['head'][18:20])[0]
    hhea = tables['hhea']
    ascender, descender, line_gap = struct.unpack('>hhh', hhea[4:10])
    metric_count = struct.unpack('>H', hhea[34:36])[0]
    os2 = tables['OS/2']
    average = struct.unpack('>h', os2[2:4])[0]
    win_ascent, win_descent = struct.unpack('>HH', os2[74:78])
    advances = [struct.unpack('>H', tables['hmtx'][4 * i:4 * i + 2])[0] for i in range(metric_count)]

    cmap = tables['cmap']
    segments = None
    for i in range(struct.unpack('>H', cmap[2:4])[0]):
        platform, encoding, offset = struct.unpack('>HHI', cmap[4 + 8 * i:12 + 8 * i])
        if platform == 3 and encoding == 1:
            segments = cmap[offset:]
    count = struct.unpack('>H', segments[6:8])[0] // 2
    ends = struct.unpack('>%dH' % count, segments[14:14 + 2 * count])
    starts = struct.unpack('>%dH' % count, segments[16 + 2 * count:16 + 4 * count])
    deltas = struct.unpack('>%dh' % count, segments[16 + 4 * count:16 + 6 * count])
    range_base = 16 + 6 * count
    range_offsets = struct.unpack('>%dH' % count, segments[range_base:range_base + 2 * count])

    def glyph(code):
        for i in range(count):
            if starts[i] <= code <= ends[i]:
                if range_offsets[i] == 0:
                    return (code + deltas[i]) & 0xFFFF
                at = range_base + 2 * i + range_offsets[i] + 2 * (code - starts[i])
                index = struct.unpack('>H', segments[at:at + 2])[0]
                return (index + deltas[i]) & 0xFFFF if index else 0
        return 0

    scale = em / units
    ascent = rounded(win_ascent * scale)
    descent = rounded(win_descent * scale)
    external = rounded(max(0, line_gap - ((win_ascent + win_descent) - (ascender - descender))) * scale)
    extent = sum(rounded(advances[min(glyph(ord(c)), metric_count - 1)] * scale) for c in text)
    print(ascent + descent, ascent, descent, ascent + descent - em, external, rounded(average * scale), extent)


main()
