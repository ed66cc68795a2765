#!/usr/bin/env python3
"""Writes the five lectionary sources (uLectionaryA/B/C/1/2.txt) from the
reference tables of the Roman lectionary (one TSV per file, by position, with
OSIS book ids).

    tools/make_lectionary.py [--english] TABLES_FOLDER [OUTPUT_FOLDER]

TABLES_FOLDER holds sunday-A.tsv, sunday-B.tsv, sunday-C.tsv, weekday-1.tsv
and weekday-2.tsv (header "position<TAB>day<TAB>readings"). OUTPUT_FOLDER
defaults to resources/lang/Vietnam of this repository (resources/lang/English
with --english). The Vietnamese files cite with the abbreviations of the
Vietnamese Catholic Bible and carry Vietnamese labels; the English ones cite
with English abbreviations (Gn, Ex, 1 Cor ...) and carry the tables' day
names. Both join alternative readings with their language's "or".

Each written line is "label @ entry": the label names the position for the
person who edits the file; the entry is the day's citations in the short form
that the scripture page reads ("Is 7:10-14; Tv 24:1-6; Rm 1:1-7; Mt 1:18-24").
A position that no day reads keeps its place with a label and an empty entry.

The program picks the Sunday file by the letter of the civil year, also for
Advent and for 26-31 December, which already belong to the next liturgical
year. So Sunday positions 0-3 (Advent) and 6 (Holy Family) of file X are
filled from the table of the letter that follows X (A takes B, B takes C,
C takes A); every other position from X's own table.

The script stops with a message when a table does not have the expected
positions, when a day name does not fit its position, or when a reference
cannot be written in the short form.
"""

import os
import re
import sys

# OSIS id -> (book number 1..73, Vietnamese abbreviation of the scripture page).
BOOKS = {
    'Gen': (1, 'St'), 'Exod': (2, 'Xh'), 'Lev': (3, 'Lv'), 'Num': (4, 'Ds'), 'Deut': (5, 'Đnl'),
    'Josh': (6, 'Gs'), 'Judg': (7, 'Tl'), 'Ruth': (8, 'R'), '1Sam': (9, '1 Sm'), '2Sam': (10, '2 Sm'),
    '1Kgs': (11, '1 V'), '2Kgs': (12, '2 V'), '1Chr': (13, '1 Sb'), '2Chr': (14, '2 Sb'),
    'Ezra': (15, 'Er'), 'Neh': (16, 'Nkm'), 'Tob': (17, 'Tb'), 'Jdt': (18, 'Gđt'), 'Esth': (19, 'Es'),
    '1Macc': (20, '1 Mcb'), '2Macc': (21, '2 Mcb'), 'Job': (22, 'G'), 'Ps': (23, 'Tv'),
    'Prov': (24, 'Cn'), 'Eccl': (25, 'Gv'), 'Song': (26, 'Dc'), 'Wis': (27, 'Kn'), 'Sir': (28, 'Hc'),
    'Isa': (29, 'Is'), 'Jer': (30, 'Gr'), 'Lam': (31, 'Ac'), 'Bar': (32, 'Br'), 'Ezek': (33, 'Ed'),
    'Dan': (34, 'Đn'), 'Hos': (35, 'Hs'), 'Joel': (36, 'Ge'), 'Amos': (37, 'Am'), 'Obad': (38, 'Ov'),
    'Jonah': (39, 'Gn'), 'Mic': (40, 'Mkh'), 'Nah': (41, 'Nk'), 'Hab': (42, 'Kb'), 'Zeph': (43, 'Xp'),
    'Hag': (44, 'Kg'), 'Zech': (45, 'Dcr'), 'Mal': (46, 'Mlk'), 'Matt': (47, 'Mt'), 'Mark': (48, 'Mc'),
    'Luke': (49, 'Lc'), 'John': (50, 'Ga'), 'Acts': (51, 'Cv'), 'Rom': (52, 'Rm'), '1Cor': (53, '1 Cr'),
    '2Cor': (54, '2 Cr'), 'Gal': (55, 'Gl'), 'Eph': (56, 'Ep'), 'Phil': (57, 'Pl'), 'Col': (58, 'Cl'),
    '1Thess': (59, '1 Tx'), '2Thess': (60, '2 Tx'), '1Tim': (61, '1 Tm'), '2Tim': (62, '2 Tm'),
    'Titus': (63, 'Tt'), 'Phlm': (64, 'Plm'), 'Heb': (65, 'Dt'), 'Jas': (66, 'Gc'), '1Pet': (67, '1 Pr'),
    '2Pet': (68, '2 Pr'), '1John': (69, '1 Ga'), '2John': (70, '2 Ga'), '3John': (71, '3 Ga'),
    'Jude': (72, 'Gđ'), 'Rev': (73, 'Kh'),
}

# OSIS id -> English abbreviation (the Lectionary for Mass, USCCB).
ENGLISH = {
    'Gen': 'Gn', 'Exod': 'Ex', 'Lev': 'Lv', 'Num': 'Nm', 'Deut': 'Dt', 'Josh': 'Jos',
    'Judg': 'Jgs', 'Ruth': 'Ru', '1Sam': '1 Sm', '2Sam': '2 Sm', '1Kgs': '1 Kgs', '2Kgs': '2 Kgs',
    '1Chr': '1 Chr', '2Chr': '2 Chr', 'Ezra': 'Ezr', 'Neh': 'Neh', 'Tob': 'Tb', 'Jdt': 'Jdt',
    'Esth': 'Est', '1Macc': '1 Mc', '2Macc': '2 Mc', 'Job': 'Jb', 'Ps': 'Ps', 'Prov': 'Prv',
    'Eccl': 'Eccl', 'Song': 'Sg', 'Wis': 'Wis', 'Sir': 'Sir', 'Isa': 'Is', 'Jer': 'Jer',
    'Lam': 'Lam', 'Bar': 'Bar', 'Ezek': 'Ez', 'Dan': 'Dn', 'Hos': 'Hos', 'Joel': 'Jl',
    'Amos': 'Am', 'Obad': 'Ob', 'Jonah': 'Jon', 'Mic': 'Mi', 'Nah': 'Na', 'Hab': 'Hb',
    'Zeph': 'Zep', 'Hag': 'Hg', 'Zech': 'Zec', 'Mal': 'Mal', 'Matt': 'Mt', 'Mark': 'Mk',
    'Luke': 'Lk', 'John': 'Jn', 'Acts': 'Acts', 'Rom': 'Rom', '1Cor': '1 Cor', '2Cor': '2 Cor',
    'Gal': 'Gal', 'Eph': 'Eph', 'Phil': 'Phil', 'Col': 'Col', '1Thess': '1 Thes', '2Thess': '2 Thes',
    '1Tim': '1 Tm', '2Tim': '2 Tm', 'Titus': 'Ti', 'Phlm': 'Phlm', 'Heb': 'Heb', 'Jas': 'Jas',
    '1Pet': '1 Pt', '2Pet': '2 Pt', '1John': '1 Jn', '2John': '2 Jn', '3John': '3 Jn', 'Jude': 'Jude',
    'Rev': 'Rv',
}

SUNDAY_SIZE = 76     # positions 0..75
WEEKDAY_SIZE = 338   # positions 0..337 of the tables; the files add 338
NEXT_LETTER = {'A': 'B', 'B': 'C', 'C': 'A'}
YEAR_MOD_3 = {'A': 1, 'B': 2, 'C': 0}   # letter 'A' + (year + 2) mod 3
ADVENT_AND_HOLY_FAMILY = (0, 1, 2, 3, 6)

WEEKDAYS_EN = ['Sunday', 'Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday', 'Saturday']
WEEKDAYS_VI = ['Chúa Nhật', 'Thứ Hai', 'Thứ Ba', 'Thứ Tư', 'Thứ Năm', 'Thứ Sáu', 'Thứ Bảy']
UNUSED = '(không dùng)'
UNUSED_EN = '(not used)'
# The word that joins alternative readings, by language.
OR_WORD = {'vi': ' hoặc ', 'en': ' or '}

VERSES = r'\d+(?:-\d+)?(?:,\d+(?:-\d+)?)*'
PIECE = re.compile(rf'^(?:(\w+) )?(\d+):({VERSES})$')


class ConversionError(Exception):
    pass


def sunday_day(pos):
    """(English day name prefix of the table, Vietnamese label) of Sunday position pos."""
    fixed = {
        6: ('Holy Family', 'Lễ Thánh Gia'),
        7: ('Second Sunday after Christmas', 'Chúa Nhật 2 sau Giáng Sinh'),
        9: ('Epiphany', 'Lễ Chúa Hiển Linh'),
        10: ('Baptism of the Lord', 'Lễ Chúa Giêsu chịu phép rửa'),
        17: ('Palm Sunday', 'Chúa Nhật Lễ Lá'),
        18: ('Holy Week Monday', 'Thứ Hai Tuần Thánh'),
        19: ('Holy Week Tuesday', 'Thứ Ba Tuần Thánh'),
        20: ('Holy Week Wednesday', 'Thứ Tư Tuần Thánh'),
        21: ('Holy Thursday', 'Thứ Năm Tuần Thánh, lễ Tiệc Ly'),
        22: ('Good Friday', 'Thứ Sáu Tuần Thánh'),
        23: ('Easter Vigil', 'Canh thức Vượt Qua'),
        24: ('Easter Sunday', 'Chúa Nhật Phục Sinh'),
        31: ('Ascension', 'Lễ Chúa Thăng Thiên'),
        32: ('Pentecost', 'Lễ Chúa Thánh Thần Hiện Xuống'),
        72: ('Christ the King', 'Lễ Chúa Kitô Vua'),
        73: ('Most Holy Trinity', 'Lễ Chúa Ba Ngôi'),
        74: ('Most Holy Body and Blood', 'Lễ Mình Máu Thánh Chúa'),
        75: ('Most Sacred Heart', 'Lễ Thánh Tâm Chúa Giêsu'),
    }
    if pos in fixed:
        return fixed[pos]
    if 0 <= pos <= 3:
        return f'Advent {pos + 1} Sunday', f'Chúa Nhật {pos + 1} Mùa Vọng'
    if 12 <= pos <= 16:
        return f'Lent {pos - 11} Sunday', f'Chúa Nhật {pos - 11} Mùa Chay'
    if 25 <= pos <= 30:
        return f'Easter {pos - 23} Sunday', f'Chúa Nhật {pos - 23} Phục Sinh'
    if 40 <= pos <= 71:
        return f'Ordinary Time {pos - 38} Sunday', f'Chúa Nhật {pos - 38} Thường Niên'
    return None, UNUSED


# The readings of 18 December (the weekday of Advent read on that date).
# The engine reads the weekdays of 17 to 24 December by date: 17 December at
# position 17, 18 December at 24, 19 to 24 December at 18 to 23.
DECEMBER_18 = 'Jer 23:5-8; Ps 72:1-2,12-13,18-19; Matt 1:18-25'

# Appended after the positions of the tables: the memorial of the Blessed
# Virgin Mary, Mother of the Church, on the Monday after Pentecost (decree of
# the Congregation for Divine Worship of 11 February 2018, Prot. 10/18).
# Its readings are proper (notification of 24 March 2018, Prot. 138/18); the
# first reading has an alternative, so the entry is written in the short
# form here.
MARY_MOTHER_OF_THE_CHURCH = {
    'vi': 'Đức Maria, Mẹ Hội Thánh (thứ Hai sau lễ Hiện Xuống)',
    'en': 'The Blessed Virgin Mary, Mother of the Church (Monday after Pentecost)',
}
MARY_MOTHER_OF_THE_CHURCH_READINGS = 'Gen 3:9-15,20 or Acts 1:12-14; Ps 87:1-3,5-7; John 19:25-34'


def weekday_day(pos):
    """(English day name prefix of the table, Vietnamese label) of weekday position pos."""
    def week_day(first, season_en, season_vi):
        week, w = divmod(pos - first, 6)
        return (f'{season_en} {week + 1} {WEEKDAYS_EN[w + 1]}',
                f'{WEEKDAYS_VI[w + 1]} tuần {week + 1} {season_vi}')

    if 0 <= pos <= 23:
        en, vi = week_day(0, 'Advent', 'Mùa Vọng')
        if pos >= 17:   # read by date in the week before Christmas
            vi += f' (ngày {pos + (0 if pos == 17 else 1)}/12)'
        return en, vi
    if pos == 24:
        return None, 'Ngày 18/12'
    if 25 <= pos <= 30:
        saints = {25: ', Thánh Stêphanô', 26: ', Thánh Gioan Tông Đồ', 27: ', Các Thánh Anh Hài'}
        return f'December {pos + 1}', f'Ngày {pos + 1}/12' + saints.get(pos, '')
    if 31 <= pos <= 42:
        return f'January {pos - 30}', f'Ngày {pos - 30}/1' + (', Đức Maria Mẹ Thiên Chúa' if pos == 31 else '')
    if pos == 47:
        return 'Ash Wednesday', 'Thứ Tư Lễ Tro'
    if 48 <= pos <= 50:
        return f'{WEEKDAYS_EN[pos - 44]} after Ash Wednesday', f'{WEEKDAYS_VI[pos - 44]} sau Lễ Tro'
    if 51 <= pos <= 80:
        return week_day(51, 'Lent', 'Mùa Chay')
    if 87 <= pos <= 92:
        return (f'Easter Octave {WEEKDAYS_EN[pos - 86]}',
                f'{WEEKDAYS_VI[pos - 86]} Tuần Bát Nhật Phục Sinh')
    if 93 <= pos <= 128:
        day = pos - 85               # days after Easter, 8..43
        week, w = divmod(day, 7)
        if w == 0:                   # the Sundays of Easter read the Sunday file
            return None, UNUSED
        return f'Easter {week + 1} {WEEKDAYS_EN[w]}', f'{WEEKDAYS_VI[w]} tuần {week + 1} Phục Sinh'
    if 129 <= pos <= 332:
        return week_day(129, 'Ordinary Time', 'Thường Niên')
    if 333 <= pos <= 337:
        return f'Easter 7 {WEEKDAYS_EN[pos - 331]}', f'{WEEKDAYS_VI[pos - 331]} tuần 7 Phục Sinh'
    return None, UNUSED


def load_table(path, size):
    """Rows [(day, readings)] of a table, indexed by position."""
    with open(path, encoding='utf-8') as f:
        lines = f.read().split('\n')
    if lines[0] != 'position\tday\treadings':
        raise ConversionError(f'{path}: unexpected header {lines[0]!r}')
    rows = [line.split('\t') for line in lines[1:] if line]
    if [r[0] for r in rows] != [str(p) for p in range(size)] or any(len(r) != 3 for r in rows):
        raise ConversionError(f'{path}: positions are not 0..{size - 1}, three fields each')
    return [(day, readings) for _, day, readings in rows]


def short_form(readings, where, lang='vi'):
    """The OSIS readings of a table row in the short form of the scripture
    page; alternatives within a reading are joined by " or "."""
    if not readings:
        return ''
    out = []
    have_book = False
    for reading in readings.split('; '):
        alternatives = []
        for piece in reading.split(' or '):
            m = PIECE.match(piece)
            if not m:
                raise ConversionError(f'{where}: cannot read {piece!r}')
            book, chapter, verses = m.groups()
            if book is None:
                # Same reading, next chapter: the book is not repeated.
                if not have_book:
                    raise ConversionError(f'{where}: {piece!r} continues no reading')
                alternatives.append(f'{chapter}:{verses}')
            else:
                if book not in BOOKS:
                    raise ConversionError(f'{where}: unknown book {book!r}')
                name = BOOKS[book][1] if lang == 'vi' else ENGLISH[book]
                alternatives.append(f'{name} {chapter}:{verses}')
                have_book = True
        out.append(OR_WORD[lang].join(alternatives))
    return '; '.join(out)


def check_day(where, expected, day, readings):
    if expected is None:
        if day or readings:
            raise ConversionError(f'{where}: a position that no day reads holds {day!r}')
        return
    if not day.startswith(expected) or not readings:
        raise ConversionError(f'{where}: expected {expected!r}, the table has {day!r}')


def write_file(path, header, lines):
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        for line in header:
            f.write(f'# {line}\n' if line else '#\n')
        for label, entry in lines:
            if '#' in label + entry or '@' in label + entry:
                raise ConversionError(f'{path}: "#" or "@" in {label!r}')
            f.write(f'{label} @ {entry}\n' if entry else f'{label} @\n')


def convert(tables, output, lang='vi'):
    sunday = {c: load_table(os.path.join(tables, f'sunday-{c}.tsv'), SUNDAY_SIZE) for c in 'ABC'}
    weekday = {y: load_table(os.path.join(tables, f'weekday-{y}.tsv'), WEEKDAY_SIZE) for y in '12'}

    for letter in 'ABC':
        lines = []
        for pos in range(SUNDAY_SIZE):
            source = NEXT_LETTER[letter] if pos in ADVENT_AND_HOLY_FAMILY else letter
            day, readings = sunday[source][pos]
            where = f'sunday-{source}.tsv position {pos}'
            expected, label = sunday_day(pos)
            check_day(where, expected, day, readings)
            if lang == 'en':
                label = day or UNUSED_EN
            if source != letter:
                label += f' (năm {source})' if lang == 'vi' else f' (Year {source})'
            lines.append((f'{letter}{pos:02d} {label}', short_form(readings, where, lang)))
        write_file(os.path.join(output, f'uLectionary{letter}.txt'), [
            f'Sunday lectionary {letter}, read in the civil years whose remainder by 3 is {YEAR_MOD_3[letter]}.',
            'One line per position, in order: label @ readings. A line without readings keeps the place',
            'of a position that no day reads. Positions 0-3 (Advent) and 6 (Holy Family) hold the readings',
            f'of year {NEXT_LETTER[letter]}: those days already begin the next liturgical year.',
            'Written by tools/make_lectionary.py; see resources/lang/LECTIONARY.md.',
        ], lines)

    for year in '12':
        lines = []
        for pos in range(WEEKDAY_SIZE):
            day, readings = weekday[year][pos]
            where = f'weekday-{year}.tsv position {pos}'
            expected, label = weekday_day(pos)
            check_day(where, expected, day, readings)
            if lang == 'en':
                label = day or UNUSED_EN
            if pos == 24:   # 18 December, read by date; the tables leave the position empty
                readings = DECEMBER_18
                if lang == 'en':
                    label = 'December 18'
            lines.append((f'{year}-{pos:03d} {label}', short_form(readings, where, lang)))
        lines.append((f'{year}-{WEEKDAY_SIZE:03d} {MARY_MOTHER_OF_THE_CHURCH[lang]}',
                      short_form(MARY_MOTHER_OF_THE_CHURCH_READINGS, 'Mary, Mother of the Church', lang)))
        write_file(os.path.join(output, f'uLectionary{year}.txt'), [
            f'Weekday lectionary, Year {"I" if year == "1" else "II"}, read in {"odd" if year == "1" else "even"} civil years.',
            'One line per position, in order: label @ readings. A line without readings keeps the place',
            'of a position that no day reads.',
            'Written by tools/make_lectionary.py; see resources/lang/LECTIONARY.md.',
        ], lines)


def main(argv):
    lang = 'vi'
    if len(argv) > 1 and argv[1] == '--english':
        lang = 'en'
        argv = argv[:1] + argv[2:]
    if len(argv) not in (2, 3):
        sys.stderr.write(__doc__)
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    folder = 'Vietnam' if lang == 'vi' else 'English'
    output = argv[2] if len(argv) == 3 else os.path.join(here, '..', 'resources', 'lang', folder)
    try:
        convert(argv[1], output, lang)
    except (ConversionError, OSError) as error:
        sys.stderr.write(f'make_lectionary: {error}\n')
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
