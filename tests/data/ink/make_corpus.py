#!/usr/bin/env python3
"""Writes the corpus of tricky files that both readers must survive, and its manifest.

Each line of corpus/EXPECTED names a file, whether the pen-file reader and the document
reader load it completely, and how many points each then holds ("-" when not complete).
"""
import os
import random
import struct

here = os.path.dirname(os.path.abspath(__file__))
corpus = os.path.join(here, 'corpus')
os.makedirs(corpus, exist_ok=True)
expected = []

DESC = bytes([0x01, 0x06, 0x00, 0x02, 0x00, 0x00])


def coord(x, y):
    return bytes([0x61, 0x06]) + struct.pack('>hh', x, y)


def put(name, data, pen, doc):
    with open(os.path.join(corpus, name), 'wb') as f:
        f.write(data if isinstance(data, bytes) else data.encode('utf-8'))
    expected.append(f'{name}\t{pen}\t{doc}')


INCOMPLETE = '-'
ANY = '*'  # random bytes: either outcome, as long as nothing breaks
put('empty.qpe', b'', INCOMPLETE, INCOMPLETE)
put('descriptor-only.qpe', DESC, 0, INCOMPLETE)
put('tag-at-end.qpe', DESC + coord(1, 1) + b'\x61', 1, INCOMPLETE)
put('unknown-tag-at-end.qpe', DESC + coord(1, 1) + b'\xfe', 1, INCOMPLETE)
put('skip-far-past-end.qpe', DESC + coord(1, 1) + b'\xf9\xff', 1, INCOMPLETE)
put('length-one-backstep.qpe', DESC + b'\x99\x01\x00\x00', INCOMPLETE, INCOMPLETE)
put('cut-coordinate.qpe', DESC + coord(1, 1) + b'\x61\x06\x00', 1, INCOMPLETE)
put('zero-length-known.qpe', DESC + b'\x61\x00\x00\x00\x00\x00', INCOMPLETE, INCOMPLETE)
put('negative-pressure.qpe', DESC + bytes([0x64, 0x06, 0x06, 0x00, 0x80, 0x00]) + coord(3, 3), 1, INCOMPLETE)
put('bad-pressure-type.qpe', DESC + bytes([0x64, 0x06, 0x07, 0x00, 0x00, 0x00]), INCOMPLETE, INCOMPLETE)
put('all-above-sheet.qpe', DESC + b''.join(coord(i, -3 - i) for i in range(200)), 0, INCOMPLETE)
put('statuses-only.qpe', DESC + bytes([0xF1, 0x03, 0x81] * 100), 0, INCOMPLETE)
put('extremes.qpe', DESC + coord(-32768, 32767) + coord(32767, 0)
    + bytes([0x65, 0x06, 0x80, 0x7f, 0, 0, 0xC2, 0x06, 0x11, 0xff, 0xff, 0xff]), 2, INCOMPLETE)
many = DESC + b''.join(coord(i % 3000, i % 5000) + (b'\xf1\x03\x01' if i % 7 == 0 else b'\xf1\x03\x00')
                       for i in range(3000))
put('many-strokes.qpe', many, 3000, INCOMPLETE)
rng = random.Random(5)
put('junk-after-descriptor.qpe', DESC + bytes(rng.randrange(256) for _ in range(4096)), ANY, INCOMPLETE)
put('junk.bin', bytes(rng.randrange(256) for _ in range(4096)), ANY, INCOMPLETE)

HEAD = '<?xml version="1.0" ?>\n'
put('plain.vmr', HEAD + '<ink><tracegroup id="layer0"><trace contextRef="#c">1 2 0 3 4 5 6,7 8</trace></tracegroup></ink>',
    INCOMPLETE, 2)
put('truncated.vmr', HEAD + '<ink><tracegroup id="layer0"><trace contextRef="#c">1 2', INCOMPLETE, INCOMPLETE)
put('no-ink.vmr', HEAD + '<inkml><tracegroup id="layer0"/></inkml>', INCOMPLETE, INCOMPLETE)
put('deep.vmr', HEAD + '<ink>' + '<a>' * 20000 + '</a>' * 20000 + '</ink>', INCOMPLETE, 0)
put('entities.vmr', HEAD + '<!DOCTYPE ink [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;">]>'
    '<ink><annotation type="tag">&b;&b;&b;</annotation></ink>', INCOMPLETE, 0)
put('odd-numbers.vmr', HEAD + '<ink><tracegroup id="layer1"><trace contextRef="#c">'
    'nan inf 1e999 -1e-999 99999999999999999999 -0 0x1p3,1e308 -1e308 .5 +.5e1 4 5 6</trace></tracegroup></ink>',
    INCOMPLETE, 2)
put('commas.vmr', HEAD + '<ink><tracegroup id="layer"><trace contextRef="#c">' + ',' * 5000 + '1 1' + ',' * 5000
    + '</trace></tracegroup></ink>', INCOMPLETE, 1)
put('utf16.vmr', ('\ufeff<?xml version="1.0" encoding="UTF-16"?><ink><tracegroup id="layer0"><trace contextRef="#c">'
                  '1 1,2 2</trace></tracegroup><annotation type="tag">Zoë</annotation></ink>').encode('utf-16-le'),
    INCOMPLETE, 2)
put('bad-definitions.vmr', HEAD + '<ink><definitions><context brushRef="nohash"/><brush/><traceFormat/>'
    '<channel/></definitions><tracegroup id="layer0"><trace contextRef="#c">1 1</trace></tracegroup></ink>',
    INCOMPLETE, 1)
put('invalid-utf8.vmr', HEAD.encode() + b'<ink><annotation type="t\xff">\xc3\x28 bad</annotation></ink>',
    INCOMPLETE, 0)

with open(os.path.join(corpus, 'EXPECTED'), 'w') as f:
    f.write('# file\tpen-file reader points\tdocument reader points ("-": not complete, "*": either)\n')
    f.write('\n'.join(expected) + '\n')
