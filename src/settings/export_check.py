#!/usr/bin/env python3
"""Reads the export files the settings tests wrote with libraries other
programs use, and compares what they read with what the tests expected.

  export_check.py FOLDER

FOLDER holds, for each sample NAME:
  NAME.ics + NAME.ics.expect   one line per event: UID, DTSTART, DTEND, SUMMARY (tab-separated)
  NAME.csv + NAME.csv.expect   one line per row: the fields, tab-separated
The .ics files are parsed with python3-icalendar, the .csv files (Shift-JIS)
with the csv module. Exits non-zero with a list of what differs.
"""
import csv
import datetime
import pathlib
import re
import sys

import icalendar

# An RFC 5545 TEXT value: every "\", ";" and "," escaped.
TEXT_VALUE = re.compile(r'(?:\\[\\;,nN]|[^\\;,])*\Z', re.S)


def expected_rows(path):
    text = path.read_text(encoding='utf-8')
    return [line.split('\t') for line in text.split('\n') if line]


def raw_line_problems(raw):
    problems = []
    if raw.replace(b'\r\n', b'').find(b'\r') >= 0 or raw.replace(b'\r\n', b'').find(b'\n') >= 0:
        problems.append('a line ends without CR LF')
    if not raw.endswith(b'\r\n'):
        problems.append('the last line has no CR LF')
    for number, line in enumerate(raw.split(b'\r\n')[:-1], 1):
        if len(line) > 75:
            problems.append(f'line {number} has {len(line)} octets')
        try:
            line.decode('utf-8')
        except UnicodeDecodeError:
            problems.append(f'line {number} splits a UTF-8 character')
    return problems


def unfolded_values(raw, name):
    text = raw.decode('utf-8', errors='replace').replace('\r\n ', '').replace('\r\n\t', '')
    return [line.split(':', 1)[1] for line in text.split('\r\n') if line.startswith(name + ':')]


def check_ics(path, expect):
    raw = path.read_bytes()
    problems = raw_line_problems(raw)
    for value in unfolded_values(raw, 'SUMMARY'):
        if not TEXT_VALUE.match(value):
            problems.append(f'SUMMARY not escaped: {value!r}')
    calendar = icalendar.Calendar.from_ical(raw)
    for component in calendar.walk():
        if component.errors:
            problems.append(f'{component.name}: {component.errors}')
    if str(calendar.get('VERSION')) != '2.0' or not calendar.get('PRODID'):
        problems.append('VERSION or PRODID missing')
    for zone in calendar.walk('VTIMEZONE'):
        zone.to_tz()  # raises for a block the library cannot use
    got = []
    uids = set()
    for event in calendar.walk('VEVENT'):
        missing = [p for p in ('UID', 'DTSTAMP', 'DTSTART', 'DTEND', 'SUMMARY') if p not in event]
        if missing:
            problems.append(f'{event.get("UID")}: {", ".join(missing)} missing')
            continue
        stamp = event.decoded('DTSTAMP')
        if not isinstance(stamp, datetime.datetime) or stamp.utcoffset() != datetime.timedelta(0):
            problems.append(f'{event.get("UID")}: DTSTAMP is not a UTC date-time')
        start, end = event.decoded('DTSTART'), event.decoded('DTEND')
        if not end > start:
            problems.append(f'{event.get("UID")}: DTEND is not after DTSTART')
        uid = str(event['UID'])
        if uid in uids:
            problems.append(f'UID {uid} twice')
        uids.add(uid)
        got.append([uid, start.isoformat(), end.isoformat(), str(event['SUMMARY'])])
    if got != expect:
        problems.append(f'events differ:\n  got      {got}\n  expected {expect}')
    return problems


def check_csv(path, expect):
    with path.open(encoding='cp932', newline='') as f:
        got = [row for row in csv.reader(f)]
    if got != expect:
        return [f'rows differ:\n  got      {got}\n  expected {expect}']
    return []


def main():
    folder = pathlib.Path(sys.argv[1])
    checked, failures = 0, []
    for expect in sorted(folder.glob('*.expect')):
        data = expect.with_suffix('')
        check = check_ics if data.suffix == '.ics' else check_csv
        try:
            problems = check(data, expected_rows(expect))
        except Exception as error:  # a file the library cannot read at all
            problems = [f'unreadable: {error!r}']
        failures += [f'{data.name}: {p}' for p in problems]
        checked += 1
    if checked == 0:
        failures.append(f'no samples in {folder}')
    for failure in failures:
        print(failure)
    print(f'{checked} files checked, {len(failures)} problems')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
