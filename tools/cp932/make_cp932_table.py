#!/usr/bin/env python3
"""Generates src/support/cp932_table.cpp, the tables of our CP932 codec.

Source: glibc's charmap WINDOWS-31J (package `locales`,
/usr/share/i18n/charmaps/WINDOWS-31J.gz). It lists every assigned single-
and double-byte code, the user-defined area F040-F9FC (in order onto
U+E000-U+E757) included. Where several codes decode to one character (NEC
row 13 against JIS row 2, the NEC-selected IBM extensions ED/EE against the
IBM extensions FA-FC) it marks all but one "%IRREVERSIBLE%": the one left is
the byte form Windows' WideCharToMultiByte chooses, and our encoder's.
Windows adds the single bytes 80, A0, FD, FE, FF, which it maps to U+0080
and U+F8F0-U+F8F3 both ways; the charmap lacks them.

Every entry is cross-checked against Python's own cp932 codec and the script
stops on any disagreement. Python prefers the NEC-selected copies ED/EE to
the IBM extensions FA-FC where Windows does the opposite, so for duplicates
it only checks that Python's choice is one of the candidates (the Windows
build's tests compare with WideCharToMultiByte itself).

Usage: make_cp932_table.py [charmap.gz] > src/support/cp932_table.cpp
"""
import gzip
import re
import sys

CHARMAP = "/usr/share/i18n/charmaps/WINDOWS-31J.gz"
LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = list(range(0x40, 0x7F)) + list(range(0x80, 0xFD))
WINDOWS_SINGLE_EXTRAS = {0x80: 0x0080, 0xA0: 0xF8F0, 0xFD: 0xF8F1, 0xFE: 0xF8F2, 0xFF: 0xF8F3}
LINE = re.compile(r"^(%IRREVERSIBLE%)?<U([0-9A-F]{4,6})>\s+((?:/x[0-9a-f]{2})+)\s")


def read_charmap(path):
    """Yields (code, unicode, reversible); code is the byte value (1 or 2 bytes)."""
    with gzip.open(path, "rt", encoding="ascii", errors="replace") as f:
        for line in f:
            m = LINE.match(line)
            if m:
                raw = bytes(int(h, 16) for h in m.group(3).split("/x")[1:])
                yield int.from_bytes(raw, "big"), int(m.group(2), 16), not m.group(1)


def all_entries(path):
    entries = list(read_charmap(path))
    listed = {code for code, _, _ in entries}
    entries += [(b, u, True) for b, u in WINDOWS_SINGLE_EXTRAS.items() if b not in listed]
    return entries


def code_bytes(code):
    return bytes([code]) if code < 0x100 else code.to_bytes(2, "big")


def check_user_area(decode):
    uni = 0xE000
    for lead in range(0xF0, 0xFA):
        for trail in TRAILS:
            if decode.get((lead << 8) | trail) != uni:
                sys.exit("user-defined area broken at %02X%02X" % (lead, trail))
            uni += 1


def cross_check(decode, encode, candidates):
    for code, uni in decode.items():
        got = code_bytes(code).decode("cp932")
        if got != chr(uni):
            sys.exit("decode %X: charmap U+%04X, python %r" % (code, uni, got))
    for uni, code in encode.items():
        theirs = chr(uni).encode("cp932")
        if theirs not in [code_bytes(c) for c in candidates[uni]]:
            sys.exit("encode U+%04X: ours %X, python %r" % (uni, code, theirs))
        if len(candidates[uni]) == 1 and theirs != code_bytes(code):
            sys.exit("encode U+%04X: ours %X, python %r" % (uni, code, theirs))
    for lead in LEADS:
        for trail in TRAILS:
            try:
                bytes([lead, trail]).decode("cp932")
                known = True
            except UnicodeDecodeError:
                known = False
            if known != (((lead << 8) | trail) in decode):
                sys.exit("python and charmap disagree on %02X%02X" % (lead, trail))


def build(path):
    decode, encode, candidates = {}, {}, {}
    for code, uni, reversible in all_entries(path):
        if code < 0x80:
            assert code == uni and reversible, hex(code)
            continue
        assert code not in decode, "code %X listed twice" % code
        assert uni <= 0xFFFF, hex(uni)
        decode[code] = uni
        candidates.setdefault(uni, []).append(code)
        if reversible:
            assert uni not in encode, "U+%04X has two reversible codes" % uni
            encode[uni] = code
    missing = set(candidates) - set(encode)
    assert not missing, "no reversible code for %s" % sorted(missing)
    check_user_area(decode)
    cross_check(decode, encode, candidates)
    return decode, encode


def rows(values, per_line=12, indent="    "):
    for i in range(0, len(values), per_line):
        yield indent + " ".join("0x%04X," % v for v in values[i:i + per_line])


def emit_decode(decode):
    out = ["const char16_t kSingle[128] = {"]
    out += rows([decode.get(b, 0) for b in range(0x80, 0x100)], 8)
    out += ["};", "", "const char16_t kDouble[kLeadCount * kTrailCount] = {"]
    for lead in LEADS:
        out.append("    // lead %02X" % lead)
        out += rows([decode.get((lead << 8) | t, 0) for t in TRAILS])
    return out + ["};", ""]


def emit_encode(encode):
    pages = sorted({u >> 8 for u in encode})
    index = [0] * 256
    for n, page in enumerate(pages, start=1):
        index[page] = n
    out = ["const std::uint8_t kPageOf[256] = {"]
    out += ["    " + " ".join("%d," % v for v in index[i:i + 16]) for i in range(0, 256, 16)]
    out += ["};", "", "const std::uint16_t kEncode[kPageCount][256] = {",
            "    {},  // pages without a mapped character"]
    for page in pages:
        out.append("    {  // U+%02X00" % page)
        out += rows([encode.get((page << 8) | lo, 0) for lo in range(256)], 12, "        ")
        out.append("    },")
    return out + ["};", ""], len(pages) + 1


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else CHARMAP
    decode, encode = build(path)
    encode_lines, page_count = emit_encode(encode)
    out = ["// Generated by tools/cp932/make_cp932_table.py from glibc's WINDOWS-31J",
           "// charmap and the Windows single-byte additions. Do not edit by hand.",
           '#include "support/cp932_table.h"', "",
           "namespace support::cp932_table {", "",
           "static_assert(kPageCount == %d, \"regenerate cp932_table.h and .cpp together\");" % page_count,
           ""]
    out += emit_decode(decode) + encode_lines
    out.append("}  // namespace support::cp932_table")
    sys.stdout.write("\n".join(out) + "\n")
    sys.stderr.write("%d codes, %d characters, %d encode pages\n" % (len(decode), len(encode), page_count))


if __name__ == "__main__":
    main()
