#!/usr/bin/env python3
"""Writes the seed corpus of archive_fuzz: small, valid stored forms built by hand."""
import os
import struct

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "archive_fuzz")


def string(text):
    units = text.encode("utf-16-le")
    n = len(units) // 2
    if n < 255:
        length = struct.pack("<B", n)
    elif n < 0xFFFE:
        length = b"\xff" + struct.pack("<H", n)
    else:
        length = b"\xff\xff\xff" + struct.pack("<I", n)
    return b"\xff\xfe\xff" + length + units


def value(code, payload=b"", a=0, b=0):
    return struct.pack("<BHH", code, a, b) + payload


def bytemem(data):
    return value(4, struct.pack("<II", len(data), 1) + data)


def evars(*values):
    return value(5, struct.pack("<I", len(values)) + b"".join(values))


def var_set(*entries):
    return struct.pack("<I", len(entries)) + b"".join(string(n) + v for n, v in entries)


seeds = {
    "two_entries": var_set(("a", value(3, struct.pack("<q", 7))), ("b", value(6, string("x")))),
    "every_type": var_set(
        ("none", value(0, a=1, b=2)),
        ("double", value(1, struct.pack("<d", 3.5))),
        ("bool", value(2, struct.pack("<i", 5))),
        ("int64", value(3, struct.pack("<q", -42))),
        ("bytemem", bytemem(b"{\\rtf1 Hi}")),
        ("evars", evars(value(6, string("a")), evars(value(1, struct.pack("<d", 1e300))))),
        ("First name", value(6, string("\u0141ucja"))),
    ),
    "long_string": var_set(("dv_relations", value(6, string("1,{GUID},title,,,," * 20)))),
    "single_byte_name": struct.pack("<I", 1) + b"\x04name" + value(6, b"\x03\xa3\xf3x"),
    "primitives": bytes([0]) + b"\x34\x12" + bytes([5]) + string("abc") + bytes([6])
    + struct.pack("<Id", 0, 45000.5) + bytes([7]) + b"\x02\x00" + string("p") + string("q"),
}


def date_time(days, status=0):
    return struct.pack("<Id", status, days)


def string_array(*texts):
    return struct.pack("<H", len(texts)) + b"".join(string(t) for t in texts)


item = (
    struct.pack("<i", 2)
    + string("Call the dentist") + string("{6B29FC40-CA47-1067-B31D-00DD010662DA}")
    + string_array("health") + date_time(45000.5) + date_time(45001.25)
    + var_set(("dv_relations", value(6, string("1,{0A},Invoice&#44; May,,,,|2,scan.pdf,scan,,,,"))))
    + string_array("\\", "\\Home")
    + struct.pack("<II", 5, 1) + b"{\\rtf"
    + struct.pack("<IB", 0x400, 40) + date_time(45002.0) + date_time(0, 2)
    + string("") * 3 + struct.pack("<III", 0, 0, 0) + bytes([90, 0, 0])
)
seeds["item"] = item
seeds["row_table"] = "a,b&#44;c|d&amp;#124;,,".encode("utf-16-le")

os.makedirs(here, exist_ok=True)
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
