#!/usr/bin/env python3
"""Writes data/Hday.dat, the national holidays of Japan as rule lines, and
the list of holidays the law gives, day by day, for the tests.

The law (国民の祝日に関する法律 of 1948 and its amendments, and the special
laws for single days) is written down twice here:

  * RULES: the lines of Hday.dat that hold every year's holidays, each with
    the years it is in force. The equinox days are computed by the program
    and have no lines; neither has the Monday after a Sunday holiday.
  * holidays_by_law(): the law as it reads, day by day: the national
    holidays, the substitute holidays (from 1973-04-12 the day after a
    Sunday holiday; from 2007 the first following day that is no holiday)
    and the citizens' holidays (from 1985-12-27 a day between two national
    holidays; up to 2006 never a Sunday nor a substitute holiday).

Where the two differ in a way the rules cannot say (a citizens' holiday; a
substitute holiday that is not the Monday after the Sunday), the script adds
year-bound lines for that single day. Then it checks that the rules give
exactly the law's holidays for every day it writes the list for.

Usage: hday.py [--hday data/Hday.dat] [--expected FILE] [--last-year 2099]
"""
import argparse
import datetime
import math
import sys

FIRST_CHECKED = datetime.date(1973, 4, 12)  # substitute holidays begin
ONE_DAY = datetime.timedelta(days=1)
MONDAY, SUNDAY = 2, 1  # weekdays as the rules count them, 1 = Sunday
GAMES_YEARS = (2020, 2021)

# (from year, to year or None, month, day or None, weekday or None, week or None, name)
# in calendar order; every holiday with the years it had this form.
RULES = [
    (1949, None, 1, 1, None, None, "元日"),
    (1949, 1999, 1, 15, None, None, "成人の日"),
    (2000, None, 1, None, MONDAY, 2, "成人の日"),
    (1967, None, 2, 11, None, None, "建国記念の日"),
    (2020, None, 2, 23, None, None, "天皇誕生日"),
    (1949, 1988, 4, 29, None, None, "天皇誕生日"),
    (1989, 2006, 4, 29, None, None, "みどりの日"),
    (2007, None, 4, 29, None, None, "昭和の日"),
    (1949, None, 5, 3, None, None, "憲法記念日"),
    (2007, None, 5, 4, None, None, "みどりの日"),
    (1949, None, 5, 5, None, None, "こどもの日"),
    (1996, 2002, 7, 20, None, None, "海の日"),
    (2003, 2019, 7, None, MONDAY, 3, "海の日"),
    (2022, None, 7, None, MONDAY, 3, "海の日"),
    (2016, 2019, 8, 11, None, None, "山の日"),
    (2022, None, 8, 11, None, None, "山の日"),
    (1966, 2002, 9, 15, None, None, "敬老の日"),
    (2003, None, 9, None, MONDAY, 3, "敬老の日"),
    (1966, 1999, 10, 10, None, None, "体育の日"),
    (2000, 2019, 10, None, MONDAY, 2, "体育の日"),
    (2022, None, 10, None, MONDAY, 2, "スポーツの日"),
    (1948, None, 11, 3, None, None, "文化の日"),
    (1948, None, 11, 23, None, None, "勤労感謝の日"),
    (1989, 2018, 12, 23, None, None, "天皇誕生日"),
]

# Single days by special law, and the moves for the games of 2020 and 2021.
SINGLE_DAYS = [
    (datetime.date(1959, 4, 10), "皇太子明仁親王の結婚の儀"),
    (datetime.date(1989, 2, 24), "昭和天皇の大喪の礼"),
    (datetime.date(1990, 11, 12), "即位礼正殿の儀"),
    (datetime.date(1993, 6, 9), "皇太子徳仁親王の結婚の儀"),
    (datetime.date(2019, 5, 1), "天皇の即位の日"),
    (datetime.date(2019, 10, 22), "即位礼正殿の儀"),
]
GAMES_DAYS = [
    (datetime.date(2020, 7, 23), "海の日"),
    (datetime.date(2020, 7, 24), "スポーツの日"),
    (datetime.date(2020, 8, 10), "山の日"),
    (datetime.date(2021, 7, 22), "海の日"),
    (datetime.date(2021, 7, 23), "スポーツの日"),
    (datetime.date(2021, 8, 8), "山の日"),
]

CITIZENS_HOLIDAY = "国民の休日"
SUBSTITUTE_HOLIDAY = "振替休日"
VERNAL, AUTUMNAL = "春分の日", "秋分の日"

# ------------------------------------------------------------ the program --

def weekday(date):
    return (date.isoweekday() % 7) + 1  # 1 = Sunday


def rule_matches(rule, date):
    first, last, month, day, wday, week, _ = rule
    if date.year < first or (last is not None and date.year > last) or date.month != month:
        return False
    if day is not None and date.day != day:
        return False
    if wday is not None and (weekday(date) != wday or (date.day - 1) // 7 + 1 != week):
        return False
    return True


def _sin(degrees):
    return math.sin(degrees / 180 * math.pi)


def equinox_days(year):
    """The program's equinox formulas (the ones of the calendar engine)."""
    b = year - 2000
    t = (0.002 * (_sin(321 - 30.37 * b) + _sin(249 + 0.19 * b) + _sin(202 - 132.57 * b)
                  + _sin(84 - 90.37 * b)) - 0.00004871850323926 * b
         + 0.001 * _sin(132 - 134.81 * b) + 0.005 * _sin(239 - 19.34 * b))
    vernal = math.trunc(365.24229 * b + 2451624.683 + (0.0000001 * b * b - t))
    t = (0.002 * (_sin(485 - 30.37 * b) + _sin(249 + 0.19 * b) + _sin(268.2 - 132.57 * b)
                  + _sin(309.2 - 90.37 * b)) + 0.00004871850323926 * b
         + 0.001 * _sin(244.6 - 134.81 * b) + 0.005 * _sin(248.6 - 19.34 * b))
    autumnal = math.trunc(365.24206 * b + 2451811.096 + (0.0000001 * b * b - t))
    return [datetime.date.fromordinal(j - 1721425) for j in (vernal, autumnal)]


def names_by_program(date, lines):
    """Names the program gives a date from rule lines (the engine's order)."""
    names = [line[6] for line in lines if rule_matches(line, date)]
    vernal, autumnal = equinox_days(date.year)
    if date == vernal:
        names.append(VERNAL)
    elif date == autumnal:
        names.append(AUTUMNAL)
    if not names and weekday(date) == MONDAY and holiday_by_program(date - ONE_DAY, lines):
        names.append(SUBSTITUTE_HOLIDAY)
    return names


def holiday_by_program(date, lines):
    return any(rule_matches(line, date) for line in lines) or date in equinox_days(date.year)

# ---------------------------------------------------------------- the law --

def national_holidays(year):
    """The national holidays (国民の祝日) of a year, and the single days the
    special laws gave the same standing."""
    days = {}
    date = datetime.date(year, 1, 1)
    while date.year == year:
        for rule in RULES:
            if rule_matches(rule, date) and not (year in GAMES_YEARS and rule[6] in
                                                 ("海の日", "山の日", "スポーツの日")):
                days[date] = rule[6]
        date += ONE_DAY
    if year >= 1948:
        vernal, autumnal = equinox_days(year)
        if year >= 1949:
            days[vernal] = VERNAL
        days[autumnal] = AUTUMNAL
    for date, name in SINGLE_DAYS + GAMES_DAYS:
        if date.year == year:
            days[date] = name
    return {d: n for d, n in days.items() if d >= datetime.date(1948, 7, 20)}


def holidays_by_law(year):
    """Every holiday of the year by the law: date -> name."""
    national = {}
    for y in (year - 1, year, year + 1):
        national.update(national_holidays(y))
    days = dict(national)
    for date in sorted(national):
        if weekday(date) != SUNDAY or date < FIRST_CHECKED:
            continue
        substitute = date + ONE_DAY
        if date.year >= 2007:
            while substitute in national:
                substitute += ONE_DAY
        if substitute not in national:
            days[substitute] = SUBSTITUTE_HOLIDAY
    for date in sorted(national):
        between = date + ONE_DAY
        if between < datetime.date(1985, 12, 27) or between in days:
            continue
        if between + ONE_DAY in national and (between.year >= 2007 or weekday(between) != SUNDAY):
            days[between] = CITIZENS_HOLIDAY
    return {d: n for d, n in days.items() if d.year == year}

# --------------------------------------------------------------- the file --

def single_day_lines(last_year):
    """Lines for the days the yearly rules and the Monday rule miss."""
    lines = []
    for date, name in SINGLE_DAYS + GAMES_DAYS:
        lines.append((date.year, date.year, date.month, date.day, None, None, name))
    base = RULES + lines
    extra = []
    for year in range(1948, last_year + 1):
        for date, name in sorted(holidays_by_law(year).items()):
            if name in (CITIZENS_HOLIDAY, SUBSTITUTE_HOLIDAY) and \
                    name not in names_by_program(date, base):
                extra.append((date.year, date.year, date.month, date.day, None, None, name))
    citizens = [l for l in extra if l[6] == CITIZENS_HOLIDAY]
    substitutes = [l for l in extra if l[6] == SUBSTITUTE_HOLIDAY]
    return lines + citizens + substitutes


def games_exceptions(lines):
    """The yearly rules of the three moved holidays must skip 2020 and 2021."""
    for rule in RULES:
        if rule[6] in ("海の日", "山の日", "スポーツの日", "体育の日"):
            last = rule[1] if rule[1] is not None else 9999
            assert not (rule[0] <= 2021 and last >= 2020), rule
    return lines


def format_line(line):
    cells = ["" if v is None else str(v) for v in line]
    return ",".join(cells)


def check(lines, last_year):
    """The rules give exactly the law's names for every checked day."""
    problems = []
    date = FIRST_CHECKED
    end = datetime.date(last_year, 12, 31)
    year_cache = {}
    while date <= end:
        if date.year not in year_cache:
            year_cache = {date.year: holidays_by_law(date.year)}
        law = year_cache[date.year].get(date)
        program = names_by_program(date, lines)
        if program != ([law] if law else []):
            problems.append("%s: law %s, rules %s" % (date, law, program))
        date += ONE_DAY
    return problems


def expected_list(lines, last_year):
    out = []
    date = FIRST_CHECKED
    while date <= datetime.date(last_year, 12, 31):
        names = names_by_program(date, lines)
        if names:
            out.append("%s\t%s" % (date.isoformat(), ",".join(names)))
        date += ONE_DAY
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--hday", help="Hday.dat to write (Shift-JIS, CR LF)")
    parser.add_argument("--expected", help="list of holidays to write (UTF-8, LF)")
    parser.add_argument("--last-year", type=int, default=2099)
    args = parser.parse_args()
    lines = games_exceptions(RULES + single_day_lines(args.last_year))
    problems = check(lines, args.last_year)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        return 1
    if args.hday:
        text = "".join(format_line(line) + "\r\n" for line in lines)
        with open(args.hday, "wb") as out:
            out.write(text.encode("cp932"))
    if args.expected:
        with open(args.expected, "w", encoding="utf-8", newline="\n") as out:
            out.write("".join(l + "\n" for l in expected_list(lines, args.last_year)))
    print("%d lines; checked %s..%d-12-31" % (len(lines), FIRST_CHECKED, args.last_year),
          file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
