#!/usr/bin/env python3
"""Prints one line of the gauntlet's table from a match runner's output: the games, Orvane's
wins, losses and draws, its score and the Elo difference with a 95 % interval, and how the games
that did not end on the board ended. Exits 1 if any game ended by a time forfeit, an illegal or
forbidden move, a crash or anything else than five in a row or a full board.

Usage: elo.py OPPONENT RULE RUNNER_OUTPUT
"""
import math
import re
import sys

GOOD_ENDINGS = ("win by five connection", "Draw by fullfilled board")


def elo(score):
    score = min(max(score, 1e-6), 1 - 1e-6)
    return -400 * math.log10(1 / score - 1)


def main():
    opponent, rule, path = sys.argv[1:4]
    wins = losses = draws = 0
    bad = []
    for line in open(path, encoding="utf-8", errors="replace"):
        match = re.search(r"Finished game \d+ \((\S+) vs (\S+)\): (\S+) \{(.*)\}", line)
        if not match:
            continue
        black, _, result, how = match.groups()
        if not any(ending in how for ending in GOOD_ENDINGS):
            bad.append(how)
        if result == "1/2-1/2":
            draws += 1
        elif (result == "1-0") == (black == "orvane"):
            wins += 1
        else:
            losses += 1
    games = wins + losses + draws
    if games == 0:
        print(f"{opponent:16} {rule:14} no game finished")
        return 1
    score = (wins + draws / 2) / games
    # The standard error of the mean score of a game, from the games' own spread.
    spread = (wins * (1 - score) ** 2 + losses * score ** 2 + draws * (0.5 - score) ** 2) / games
    margin = 1.96 * math.sqrt(spread / games)
    low, high = elo(score - margin), elo(score + margin)
    print(f"{opponent:16} {rule:14} {games:6} {f'{wins}-{losses}-{draws}':>12} "
          f"{100 * score:6.1f}% {round(elo(score)):+7d} ({round(low):+d} to {round(high):+d})")
    for how in sorted(set(bad)):
        print(f"  {bad.count(how)} game(s) ended: {how}")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
