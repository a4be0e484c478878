#!/usr/bin/env python3
"""Counts how often fair_teams puts former teammates together again.

    measure_teammate_repeats.py PREVIEW [PREVIEW...] [--player-data FILE]
                                [--matches N] [--words WORD...]

For each preview build given (sortilane_preview of a build), plays an evening
of N consecutive matches (default 10), ten minutes apart, in a fresh copy of
dist/, with the players of FILE (default: the eight players of EIGHT_PLAYERS,
no friend groups) and the words (default: rating fair_teams): each match is
drawn by the preview with its own seed, then saved as the randomiser saves it
at Ctrl+1 (the report lines to data.txt, the match's line to Results.txt with
a result drawn at random), so a build that steers by either file sees what it
would see. Counted over the evening: the teammate pairs that were also
teammates in each of the three matches before (a pair counts once per such
match), the matches whose spread of the team scores is within the margin (25)
of the best spread, and the most matches any one pair of players shared a
team in. The results are drawn from a fixed seed, so every build gets the
same ones.
"""
import argparse
import itertools
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
DIST = os.path.join(HERE, "..", "dist")
ROW = re.compile(r"^\| (.+?) *\| \| [^|]* \| \| [^|]* \| \| (\d) *\|$")
MARGIN = 25
# Eight players close enough in rating that several splits are fair.
EIGHT_PLAYERS = ("player_num {8} team_num {2} player_name { 'Alder' 'Brisk' 'Corra' 'Dunmore' 'Ember' 'Fallow' "
                 "'Gale' 'Hollin' } player_rating { 1650 1480 1720 1390 1555 1610 1500 1580 } "
                 "player_fmt_group { 0 0 0 0 0 0 0 0 }")


def file_ratings(player_data):
    """The names and ratings of PlayerData.txt, in player order."""
    text = open(player_data, encoding="utf-8").read()
    names = re.search(r"player_name \{([^}]*)\}", text).group(1)
    ratings = re.search(r"player_rating \{([^}]*)\}", text).group(1).split()
    return dict(zip(re.findall(r"'([^']*)'", names), (int(r) for r in ratings)))


def play_evening(preview, player_data, matches, words):
    folder = tempfile.mkdtemp(prefix="brenlow-evening-")
    try:
        shutil.copytree(DIST, folder, dirs_exist_ok=True)
        for leftover in ("data.txt", "Results.txt", "debug.txt"):
            if os.path.exists(os.path.join(folder, leftover)):
                os.remove(os.path.join(folder, leftover))
        shutil.copy(player_data, os.path.join(folder, "PlayerData.txt"))
        ratings = file_ratings(player_data)
        results = random.Random(2026)
        lineups = []  # each match: the sets of players of its teams
        repeats = 0
        within = 0
        shared = {}  # each pair of teammates: in how many matches
        for match in range(matches):
            seed = 1765100000 + 600 * match
            out = subprocess.run([preview, "--dir", folder, "--seed", str(seed), "--balance", "--"] + words,
                                 capture_output=True, text=True, check=True).stdout.splitlines()
            report = out[:out.index(next(line for line in out if line.startswith("Map: ")))]
            players = [ROW.match(line).groups() for line in report if ROW.match(line) and "NAME" not in line]
            teams = {}
            for name, team in players:
                teams.setdefault(team, set()).add(name)
            lineup = list(teams.values())
            for before in lineups[-3:]:
                for team in lineup:
                    for a, b in itertools.combinations(sorted(team), 2):
                        repeats += any(a in then and b in then for then in before)
            for team in lineup:
                for pair in itertools.combinations(sorted(team), 2):
                    shared[pair] = shared.get(pair, 0) + 1
            lineups.append(lineup)
            spread = int(next(line for line in out if line.startswith("Spread: ")).split()[1])
            best = int(next(line for line in out if line.startswith("Best spread possible: ")).split()[3])
            within += spread <= best + MARGIN
            with open(os.path.join(folder, "data.txt"), "w", encoding="utf-8", newline="") as data:
                data.write("".join(line + "\r\n" for line in report))
            fields = ["2026-03-14 %02d:%02d" % (19 + match // 6, match % 6 * 10), str(seed - 2**32 if seed >= 2**31
                                                                                   else seed),
                      str(results.randint(1, len(teams)))]
            for name, team in players:
                fields += [name, team, str(ratings[name])]
            with open(os.path.join(folder, "Results.txt"), "a", encoding="utf-8", newline="") as log:
                log.write("\t".join(fields) + "\r\n")
        most = max(shared.values(), default=0)
        return repeats, within, most, [pair for pair in sorted(shared) if shared[pair] == most]
    finally:
        shutil.rmtree(folder)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("previews", nargs="+")
    parser.add_argument("--player-data")
    parser.add_argument("--matches", type=int, default=10)
    parser.add_argument("--words", nargs="+", default=["rating", "fair_teams"])
    args = parser.parse_args()
    with tempfile.NamedTemporaryFile("w", encoding="utf-8", suffix=".txt", delete=False) as eight:
        eight.write(EIGHT_PLAYERS)
    try:
        for preview in args.previews:
            repeats, within, most, pairs = play_evening(preview, args.player_data or eight.name, args.matches,
                                                        args.words)
            print("%s: %d teammate pairs repeated from the three matches before; %d of %d matches within %d of the "
                  "best spread; the most often one pair shared a team: %d of %d matches (%s)"
                  % (preview, repeats, within, args.matches, MARGIN, most, args.matches,
                     ", ".join(" and ".join(pair) for pair in pairs)))
    finally:
        os.remove(eight.name)
    return 0


if __name__ == "__main__":
    sys.exit(main())
