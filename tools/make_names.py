#!/usr/bin/env python3
"""Makes content/names.txt, the name-day calendar, from a table of name-day facts.

    python3 tools/make_names.py REFERENCE.tsv content/names.txt

REFERENCE.tsv has a line per date: the day, a tab, the month in the genitive, a tab and the
names joined by ", " (lines starting with "#" are comments). The output is the plain
name-day file the library reads: «1 января», a tab, the names joined by ", ", in calendar
order, 29 February included.

The corrections below are applied first. Then the library's limits are kept: a list the
library returns holds at most 999 names or 29 dates of a name, so a name on more than 29
dates loses its least notable dates (those where it stands among the most names, which are
the big feasts of many martyrs) and, past 999 names, the names with the fewest dates go.
Everything changed or dropped is printed.
"""
import collections
import sys

MONTHS = ["января", "февраля", "марта", "апреля", "мая", "июня",
          "июля", "августа", "сентября", "октября", "ноября", "декабря"]
DAYS_IN_MONTH = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
MAX_NAMES = 999
MAX_DATES = 29

# The table claims the Orthodox calendar, but these names come from the Western one (Henry of
# Uppsala on 19 January, the feast of the Theophany, which has no name day of its own; Rosalia
# on 4 September; Caspar on 2 January and so on). They are taken out wherever they stand.
NOT_IN_THE_CALENDAR = [
    "Аделина", "Альберт", "Альфред", "Бенедикта", "Берта", "Вилли", "Виола", "Виргиния",
    "Гаспар", "Гвидон", "Генриетта", "Генрих", "Гертруда", "Ида", "Изабелла", "Инесса",
    "Камилла", "Карл", "Клементина", "Констанция", "Лаура", "Леонард", "Луиза", "Моника",
    "Наполеон", "Регина", "Ренат", "Рената", "Роберт", "Роза", "Розалия", "Сабина",
    "Сильвия", "Стелла", "Тереза", "Урсула", "Фелиция", "Элеонора", "Эмма", "Ядвига",
]

# Saints the table leaves out although their companions of the same day are in it (Alla and
# Larissa among the Gothic martyrs of 8 April, Lydia with Philetus and her sons on 5 April,
# Gervasius beside Protasius, Laurus beside Florus ...). Dates of the civil calendar.
MISSING = {
    "Августин": ["28 июня"], "Агапия": ["29 апреля"], "Агафоник": ["4 сентября"],
    "Аггей": ["29 декабря"], "Агриппина": ["6 июля"], "Алла": ["8 апреля"],
    "Амос": ["28 июня"], "Анисия": ["12 января"], "Антипа": ["24 апреля"],
    "Вероника": ["25 июля"], "Вонифатий": ["1 января"], "Вукол": ["19 февраля"],
    "Гервасий": ["27 октября"], "Далмат": ["16 августа"], "Евграф": ["23 декабря"],
    "Евлампия": ["23 октября"], "Евсигний": ["18 августа"], "Елевсипп": ["29 января"],
    "Ермиона": ["17 сентября"], "Ермолай": ["8 августа"], "Злата": ["26 октября"],
    "Иезекииль": ["3 августа"], "Иероним": ["28 июня"], "Исидора": ["14 мая"],
    "Иоиль": ["1 ноября"], "Ия": ["24 сентября"], "Кира": ["13 марта"],
    "Клеопатра": ["1 ноября"], "Лавр": ["31 августа"], "Лариса": ["8 апреля"],
    "Леонилла": ["29 января"], "Лидия": ["5 апреля"], "Макрина": ["1 августа"],
    "Малахия": ["16 января"], "Марана": ["13 марта"], "Мелевсипп": ["29 января"],
    "Минодора": ["23 сентября"], "Мисаил": ["30 декабря"], "Митродора": ["23 сентября"],
    "Зиновия": ["12 ноября"],
}


def read_reference(path):
    days = collections.OrderedDict()
    for month, length in enumerate(DAYS_IN_MONTH):
        for day in range(1, length + 1):
            days[f"{day} {MONTHS[month]}"] = []
    seen = set()
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            day, month, names = line.split("\t")
            date = f"{int(day)} {month}"
            if date not in days or date in seen:
                sys.exit(f"{path}:{number}: bad or repeated date {date!r}")
            seen.add(date)
            days[date] = [n.strip() for n in names.split(",") if n.strip()]
    missing = [d for d in days if d not in seen]
    if missing:
        sys.exit(f"{path}: no line for {', '.join(missing)}")
    return days


def correct(days):
    removed = collections.defaultdict(list)
    for date, names in days.items():
        for name in names:
            if name in NOT_IN_THE_CALENDAR:
                removed[name].append(date)
        names[:] = [n for n in names if n not in NOT_IN_THE_CALENDAR]
    added = []
    for name, dates in MISSING.items():
        for date in dates:
            if name not in days[date]:
                days[date].append(name)
                added.append(f"{name} ({date})")
    return removed, added


def keep_limits(days):
    dropped_dates = []
    dates_of = collections.defaultdict(list)
    for date, names in days.items():
        for name in names:
            dates_of[name].append(date)
    for name, dates in dates_of.items():
        if len(dates) > MAX_DATES:
            order = list(days)
            crowded_first = sorted(dates, key=lambda d: (-len(days[d]), -order.index(d)))
            for date in crowded_first[:len(dates) - MAX_DATES]:
                days[date].remove(name)
                dropped_dates.append(f"{name} ({date})")
            dates_of[name] = [d for d in dates if name in days[d]]
    dropped_names = []
    if len(dates_of) > MAX_NAMES:
        rarest_first = sorted(dates_of, key=lambda n: (len(dates_of[n]), n))
        for name in rarest_first[:len(dates_of) - MAX_NAMES]:
            for date in dates_of.pop(name):
                days[date].remove(name)
            dropped_names.append(name)
    return dropped_dates, dropped_names, dates_of


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_names.py REFERENCE.tsv content/names.txt")
    days = read_reference(sys.argv[1])
    removed, added = correct(days)
    dropped_dates, dropped_names, dates_of = keep_limits(days)

    with open(sys.argv[2], "w", encoding="utf-8", newline="\n") as out:
        for date, names in days.items():
            out.write(f"{date}\t{', '.join(sorted(names))}\n")

    print(f"taken out ({len(removed)}): " + "; ".join(f"{n} {', '.join(d)}" for n, d in sorted(removed.items())))
    print(f"added ({len(added)}): " + ", ".join(added))
    print(f"dropped dates over {MAX_DATES}: " + (", ".join(dropped_dates) or "none"))
    print(f"dropped names over {MAX_NAMES}: " + (", ".join(dropped_names) or "none"))
    empty = [d for d, n in days.items() if not n]
    print(f"{len(days)} dates ({len(empty)} without names: {', '.join(empty) or '-'}), {len(dates_of)} names, "
          f"at most {max(len(d) for d in dates_of.values())} dates a name")


if __name__ == "__main__":
    main()
