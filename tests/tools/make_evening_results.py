#!/usr/bin/env python3
"""Writes a Results.txt of two evenings to standard output: an earlier one of
8 matches, then MATCHES matches of PLAYERS players from 20:00 on, 8 to
17 minutes apart, so that 40 matches run past midnight. Teams of
up to four against four, the winners and the civilisations drawn from a
fixed sequence; one name holds <, & and quotes, one is Cyrillic. The last
match has no result yet and one is not rated."""
import sys

matches = int(sys.argv[1]) if len(sys.argv) > 1 else 40
player_count = int(sys.argv[2]) if len(sys.argv) > 2 else 12
names = ["Kestrel", "Влад", "Mo", "Ana <3", "Bo & Cy", 'Dee "Ace"', "Eli", "Fay", "Gus", "Hal",
         "Ivo", "Jun", "Kai", "Lea", "Mads", "Nia", "Oto", "Pia", "Quin", "Rue"][:player_count]
civs = ["Vintari", "Keshwyn", "Orlath", "Solveni", "Caskara", "Dravosi", "Lumenar"]
state = 2026


def draw(limit):
    global state
    state = (state * 214013 + 2531011) % 2**32
    return (state >> 16) % limit


def line(day, minutes, seed, result, teams, with_civs=True):
    hour, minute = divmod(minutes, 60)
    day += hour // 24
    hour %= 24
    fields = [f"2026-03-{day:02d} {hour:02d}:{minute:02d}", str(seed), result]
    for team, players in enumerate(teams, start=1):
        for p in players:
            civ = f" {civs[draw(len(civs))]}" if with_civs else ""
            fields += [names[p], f"{team}{civ}", str(1300 + 50 * (p % 9))]
    return "\t".join(fields) + "\r\n"


def split():
    order = list(range(len(names)))
    for k in range(len(order) - 1, 0, -1):
        j = draw(k + 1)
        order[k], order[j] = order[j], order[k]
    size = min(8, len(order)) // 2
    return [order[:size], order[size:2 * size]]


out = "# An earlier evening, written before civilisations were recorded\r\n"
for m in range(8):
    out += line(7, 20 * 60 + 25 * m, 100 + m, str(1 + draw(2)), split(), with_civs=False)
minutes = 20 * 60
for m in range(matches):
    result = "-" if m == matches - 1 else "0" if m == 3 else str(1 + draw(2))
    out += line(14, minutes, 1000 + m, result, split())
    minutes += 8 + draw(10)
sys.stdout.buffer.write(out.encode("utf-8"))
