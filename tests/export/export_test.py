#!/usr/bin/env python3
"""The calendar written out by talvoren-cal, read back by independent readers.

iCalendar: parsed by python3-icalendar; one event a day of 2026 and of the
leap year 2024, whose summary and description are the celebration and
readings of the TSV output as plain text, with the lunar date; a note with
the characters iCalendar escapes, and long Vietnamese lines folded between
UTF-8 sequences. HTML: well-formed for xmllint, without script, handlers or
outside files, in the folder's language.

usage: export_test.py TALVOREN_CAL
"""
import html
import html.parser
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

import icalendar

CAL = sys.argv.pop(1)
VIETNAM = os.path.join(os.path.dirname(CAL), "Vietnam")


def run(*args, data=VIETNAM):
    env = dict(os.environ, SOURCE_DATE_EPOCH="1767225600")
    return subprocess.run([CAL, "--data", data, *args], check=True, capture_output=True, env=env).stdout


def plain(text):
    """HTML of the data files as a calendar program should show it."""
    text = re.sub(r"(?i)<br\s*/?>|</?p\b[^>]*>", "\n", text)
    text = html.unescape(re.sub(r"<[^>]*>", "", text)).replace("\xa0", " ")
    lines = (" ".join(line.split()) for line in text.split("\n"))
    return "\n".join(line for line in lines if line)


def tsv_days(*args, data=VIETNAM):
    rows = run(*args, data=data).decode().splitlines()
    header = rows[0].split("\t")
    return {row.split("\t")[1]: dict(zip(header, row.split("\t"))) for row in rows[1:]}


def events(ics):
    return {str(e.decoded("DTSTART")): e for e in icalendar.Calendar.from_ical(ics).walk("VEVENT")}


class ICalendar(unittest.TestCase):
    def check_year(self, year, days):
        ics = run("--format", "ics", str(year))
        self.assertTrue(ics.endswith(b"END:VCALENDAR\r\n"))
        for line in ics.split(b"\r\n"):
            self.assertLessEqual(len(line), 75, line)
            line.decode("utf-8")   # a folded line never ends inside a character
        self.assertNotIn(b"\n", ics.replace(b"\r\n", b""))
        found = events(ics)
        self.assertEqual(len(found), days)
        uids = set()
        for date, day in tsv_days(str(year)).items():
            event = found[date]
            self.assertEqual(str(event["SUMMARY"]), plain(day["celebration"]), date)
            lunar_day, lunar_month = day["lunar"].split("/")[:2]
            description = str(event["DESCRIPTION"])
            readings = plain(day["readings"])
            head = readings + "\n" if readings else ""
            self.assertTrue(description.startswith(head + lunar_day + "-" + lunar_month.rstrip("L") + " "), date)
            self.assertTrue(description.endswith(" " + html.unescape(day["lunar_year_name"])), date)
            self.assertEqual(len(event["CATEGORIES"].cats), 2, date)
            uids.add(str(event["UID"]))
        self.assertEqual(len(uids), days)

    def test_every_day_of_a_year_and_of_a_leap_year(self):
        self.check_year(2026, 365)
        self.check_year(2024, 366)

    def test_escaped_text_and_folded_lines_read_back_as_written(self):
        note = "Ghi chú: a\\b, c; d – " + "Đức Mẹ Mân Côi " * 8
        with tempfile.TemporaryDirectory() as folder:
            data = shutil.copytree(VIETNAM, os.path.join(folder, "Vietnam"))
            with open(os.path.join(data, "uNote.txt"), "wb") as notes:
                notes.write(("5\t3\t" + note + "\r\n").encode("utf-16-le"))
            event = events(run("--format", "ics", "2026", "3", data=data))["2026-03-05"]
            self.assertIn("\n" + note.strip() + "\n", str(event["DESCRIPTION"]))
            self.assertIn("vietnam", str(event["UID"]))
            self.assertEqual(str(event.decoded("DTEND")), "2026-03-06")


class Checker(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.tags, self.problems = [], []

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        for name, value in attrs:
            if name.startswith("on") or "javascript:" in (value or "").lower():
                self.problems.append(f"{tag} {name}={value}")
            if name in ("src", "href") and not (value or "").startswith("#"):
                self.problems.append(f"{tag} {name}={value} leaves the page")


class Html(unittest.TestCase):
    def page(self, *args):
        text = run("--format", "html", "--page", *args)
        lint = subprocess.run(["xmllint", "--html", "--noout", "-"], input=text, capture_output=True)
        self.assertEqual((lint.returncode, lint.stderr), (0, b""), args)
        checker = Checker()
        checker.feed(text.decode())
        self.assertEqual(checker.problems, [], args)
        self.assertNotIn("script", checker.tags, args)
        self.assertIn("style", checker.tags, args)
        self.assertIn('<html lang="vi">', text.decode(), args)
        return text.decode()

    def test_pages_stand_alone_without_script(self):
        december = tsv_days("2026", "12")
        christmas = plain(december["2026-12-25"]["celebration"])
        for args in (("month", "2026", "12"), ("wall", "2026", "12"), ("day", "2026", "12", "25")):
            self.assertIn(html.escape(christmas, quote=False), self.page(*args), args)
        year = self.page("month", "2026")
        self.assertEqual(year.count('id="month-'), 12)
        self.assertIn('href="#month-2"', year)

    def test_a_date_that_does_not_exist_is_refused(self):
        result = subprocess.run([CAL, "--data", VIETNAM, "--format", "html", "--page", "day", "2026", "2", "30"],
                                capture_output=True)
        self.assertEqual((result.returncode, result.stdout), (1, b""))
        self.assertIn(b"30/2/2026 does not", result.stderr)


if __name__ == "__main__":
    unittest.main()
