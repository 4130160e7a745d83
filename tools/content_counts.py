#!/usr/bin/env python3
"""Prints the figures of the shipped texts: characters per horoscope page, the shortest and
longest phrase, and the name-day counts.

    python3 tools/content_counts.py [CONTENT_FOLDER]        (default: content)
    cmake --build build --target content_counts

It takes whatever exists: a missing source is reported and skipped. The phrase file may be in
the numbered form the program reads ("k", then "k phrase") or one phrase per line.
"""
import collections
import os
import statistics
import sys

SIGNS = ["Oven", "Telets", "Twins", "Rak", "Lev", "Deva", "Vesi", "Scorpion", "Strelets", "Kozerog",
         "Vodoley", "Ribi"]
# The horoscope's pages and the sign-file lines they show.
PAGES = [("Общая информация", range(2, 14)), ("Знак", [14]), ("Характеристика личности", [15]),
         ("Психосексуальная", [16]), ("Несексуальные маневры", [17]), ("Здоровье", [18]),
         ("Как удволетворить", [19]), ("Черты", [20, 21]), ("Экономика любви", [22]), ("Партнеры", [23]),
         ("Как соблазнить...", [24]), ("Оценка верности", [25]), ("Астрологи шутят", [26]),
         ("Подарки", [27]), ("Под этим знаком", [28]), ("Вопросы", [29])]


def read_lines(path):
    with open(path, encoding="utf-8-sig") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return [line.rstrip("\r") for line in lines]


def value(line):
    return line.split("\t", 1)[1] if "\t" in line else line


def signs(folder):
    print("Characters per horoscope page (the value after the tab; a page of two fields counts both)")
    present = [s for s in SIGNS if os.path.exists(os.path.join(folder, "signs", s + ".txt"))]
    missing = [s for s in SIGNS if s not in present]
    if missing:
        print("  missing: " + ", ".join(f"signs/{s}.txt" for s in missing))
    if not present:
        return
    table = {}
    for sign in present:
        lines = read_lines(os.path.join(folder, "signs", sign + ".txt"))
        values = {n: value(line) for n, line in enumerate(lines, 1)}
        table[sign] = [sum(len(values.get(n, "")) for n in lines_of) for _, lines_of in PAGES]
        facts = [len(values.get(n, "")) for n in range(2, 14)]
        table[sign].append(max(facts))
    width = max(len(p) for p, _ in PAGES)
    print("  " + "page".ljust(width) + "".join(s[:8].rjust(9) for s in present) + "      min      max")
    rows = [name for name, _ in PAGES] + ["  longest fact line"]
    for i, name in enumerate(rows):
        counts = [table[s][i] for s in present]
        print("  " + name.ljust(width) + "".join(str(c).rjust(9) for c in counts)
              + str(min(counts)).rjust(9) + str(max(counts)).rjust(9))


def phrases(folder):
    path = os.path.join(folder, "phrases.txt")
    print("Phrases")
    if not os.path.exists(path):
        print("  missing: phrases.txt")
        return
    lines = read_lines(path)
    numbered = len(lines) >= 2 and lines[0].strip().isdigit()
    if numbered:
        texts = [(int(lines[i].strip()), lines[i + 1][len(lines[i].strip()) + 1:])
                 for i in range(0, len(lines) - 1, 2)]
    else:
        texts = list(enumerate(lines, 1))
    lengths = [len(t) for _, t in texts]
    shortest = min(texts, key=lambda t: len(t[1]))
    longest = max(texts, key=lambda t: len(t[1]))
    print(f"  {len(texts)} phrases, mean {statistics.mean(lengths):.0f} characters")
    print(f"  shortest: {len(shortest[1])} characters, number {shortest[0]}: {shortest[1]}")
    print(f"  longest: {len(longest[1])} characters, number {longest[0]}: {longest[1]}")


def names(folder):
    path = os.path.join(folder, "names.txt")
    print("Name days")
    if not os.path.exists(path):
        print("  missing: names.txt")
        return
    per_date, dates_of, parts = [], collections.Counter(), []
    for line in read_lines(path):
        names_part = line.split("\t", 1)[1] if "\t" in line else ""
        day = [n for n in names_part.split(", ") if n]
        per_date.append(len(day))
        parts.append(names_part)
        dates_of.update(set(day))
    busiest = max(dates_of.values())
    print(f"  {len(per_date)} dates, {len(dates_of)} names")
    print(f"  names per date: mean {statistics.mean(per_date):.1f}, max {max(per_date)}, "
          f"dates without names {per_date.count(0)}")
    print(f"  dates per name: max {busiest} ("
          + ", ".join(sorted(n for n, c in dates_of.items() if c == busiest)[:6]) + " ...)")
    # The library finds the dates of a name by searching each line's names for it as part of
    # the text, so a short name also collects the dates of longer names that contain it.
    found = {n: sum(1 for p in parts if n in p) for n in dates_of}
    over = sorted((c, n) for n, c in found.items() if c > 29)
    print(f"  dates a search by name finds (part-of-text search): max {max(found.values())}, "
          f"{len(over)} names over 29"
          + (": " + ", ".join(f"{n} {c}" for c, n in reversed(over[-8:])) if over else ""))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "content"
    signs(folder)
    print()
    phrases(folder)
    print()
    names(folder)


if __name__ == "__main__":
    main()
