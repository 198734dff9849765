#!/usr/bin/env python3
"""Writes the hand-made seeds of the settings, input-report and protocol fuzz programs.

Each program's seeds live in corpus/<program>/; scripts/run-fuzzers.sh starts from them.
Inputs that once broke a program are kept beside them under names starting with "crash-".
Run again after changing this file: python3 tests/fuzz/corpus/make_seeds.py
"""
import os
import struct

here = os.path.dirname(os.path.abspath(__file__))
factory = os.path.join(here, '..', '..', '..', 'resources', 'support', 'draftbayfactory.xml')


def write(program, name, data):
    folder = os.path.join(here, program)
    os.makedirs(folder, exist_ok=True)
    if isinstance(data, str):
        data = data.encode('utf-8')
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


# Settings files: the factory file and variations on what the reader looks up.
with open(factory, 'rb') as f:
    write('fuzz_settings_reader', 'factory.xml', f.read())
S = 'fuzz_settings_reader'
write(S, 'landscape-letter.xml', '<s><page_properties><page size="Letter" orientation="Landscape"/>'
      '</page_properties></s>')
write(S, 'two-groups.xml', '<s><PAGE_properties><page size="A5"/></PAGE_properties>'
      '<page_properties><page size="A7" Orientation="Landscape" orientation="x"/></page_properties>'
      '<visuality_properties><default_pen RGBA_Color="1 2 3 300" width=""/></visuality_properties></s>')
write(S, 'entities.xml', '<?xml version="1.0"?><!DOCTYPE s [<!ENTITY a "A4">]>'
      '<s><page_properties><page size="&a;" orientation="Portr&#97;it"/></page_properties>'
      '<!-- c --><x><![CDATA[<y/>]]></x></s>')
write(S, 'utf16.xml', '<?xml version="1.0" encoding="UTF-16"?><s><page_properties>'
      '<page size="A6" orientation="Portrait"/></page_properties></s>'.encode('utf-16'))
write(S, 'no-root-items.xml', '<s/>')
write(S, 'namespaces.xml', '<a:s xmlns:a="u"><a:page_properties><page a:size="A4" size="Legal"'
      ' orientation="&#10;Landscape&#9;"/></a:page_properties></a:s>')


# Input reports: report id 4, x and y in 24 bits, byte 7 unused, pressure, two tilts.
def live(x, y, pressure, xtilt, ytilt, pad=0):
    return (bytes([4]) + x.to_bytes(3, 'big') + y.to_bytes(3, 'big') + bytes([pad])
            + struct.pack('<H', pressure) + bytes([xtilt, ytilt]))


R = 'fuzz_input_report'
write(R, 'live.bin', live(12345, 67890, 800, 10, 250))
write(R, 'live-extremes.bin', live(0xFFFFFF, 0, 0xFFFF, 255, 0, 0xAA))
write(R, 'other-id.bin', bytes([3]) + live(1, 2, 3, 4, 5)[1:])
write(R, 'long.bin', live(1, 2, 3, 4, 5) + bytes(52))
write(R, 'short.bin', live(1, 2, 3, 4, 5)[:11])


# Feature-report answers: byte 0 marks failing writes (none here), then one 33-byte answer
# per query in the order the program asks: firmware, mode, event, battery, threshold, link.
def answer(parameter, value):
    report = bytes([0x80, 1, parameter, 1]) + bytes(value)
    return report + bytes(33 - len(report))


P = 'fuzz_protocol_replies'
receiver = (answer(0x01, [0x07, 0x50, 0x34, 0x02, 0x01]) + answer(0x03, [2]) + answer(0x0B, [3])
            + answer(0x0E, [1]) + answer(0x13, [0x20, 0x03]) + answer(0x02, [1]))
write(P, 'receiver.bin', bytes([0]) + receiver)
write(P, 'writes-fail.bin', bytes([0x25]) + receiver)
write(P, 'cut-short.bin', bytes([0]) + receiver[:100])
write(P, 'foreign-headers.bin', bytes([0]) + bytes([0x81, 9, 0x55, 9, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF]
                                                   + [0xEE] * 24) * 6)
