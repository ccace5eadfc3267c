#!/usr/bin/env python3
"""Finds where a brain's lost games turned, by the sparring partner's judgement: in every game
of GAMES.sgf that NAME lost, the partner (held to NODES nodes a move) values each position in
which NAME is to move, from the end of the opening until it sees a forced loss. Prints how many
lost games held a forced win for NAME that it did not take (the first such position of each as a
BOARD line), where the games turned (the first move of NAME's after which the value fell from
above -150 to -300 or below, and how many of those fell straight into a forced loss; each
position after such a move as a BOARD line, the other side to move), and how long the forced
losses were when the partner first saw them.

Usage: turning_points.py PARTNER NODES NAME GAMES.sgf...
  PARTNER  the partner's program (build/tools/pbrain-rapfi)
  NAME     the brain's player name in the records (orvane in the gauntlet's games)
The partner's values are its own: a number for the side to move, or +M<n> and -M<n> for a win or
a loss it has proven.
"""
import collections
import re
import sys

from classic_wins import Brain

# A value that falls from above Even to Lost or below has turned the game.
EVEN = -150
LOST = -300


def records(paths):
    """Each game: the rule, the size, the stones, how many came from the opening, the players."""
    for path in paths:
        text = open(path).read()
        for record in re.findall(r"\(;(.*?)\)", text, re.S):
            moves = re.findall(r";[BW]\[([a-z]{2})\](?:C\[([^\]]*)\])?", record)
            yield {
                "rule": int(re.search(r"RU\[(\d+)\]", record).group(1)),
                "size": int(re.search(r"SZ\[(\d+)\]", record).group(1)),
                "stones": [(ord(m[0]) - 97, ord(m[1]) - 97) for m, _ in moves],
                "opening": sum(1 for _, comment in moves if comment == "opening move"),
                "black": re.search(r"PB\[([^\]]*)\]", record).group(1),
                "result": re.search(r"RE\[([^\]]*)\]", record).group(1),
            }


def value_of(messages):
    """The partner's last value in its messages: (number, forced) with forced +1 or -1 for a
    win or a loss it sees, 0 otherwise; None when it gave none."""
    for message in reversed(messages):
        found = re.search(r"Eval ([+-]?)(M?)(\d+)", message)
        if found:
            sign, mate, number = found.groups()
            if mate:
                return (0, -1 if sign == "-" else 1)
            return (-int(number) if sign == "-" else int(number), 0)
    return None


def lost_by(game, name):
    black_won = game["result"].startswith("B")
    white_won = game["result"].startswith("W")
    return black_won if game["black"] != name else white_won


def board_line(stones):
    to_move = len(stones) % 2
    return " ".join(f"{x},{y},{1 if i % 2 == to_move else 2}" for i, (x, y) in enumerate(stones))


def main():
    if len(sys.argv) < 5:
        print(__doc__, file=sys.stderr)
        return 2
    partner_command, nodes, name, paths = sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4:]
    partners = {}
    lost = skipped = 0
    missed_wins = []
    turns = []
    first_losses = collections.Counter()
    for game in records(paths):
        if not lost_by(game, name):
            continue
        lost += 1
        rule = game["rule"]
        if rule not in partners:
            partners[rule] = Brain(partner_command, [
                f"INFO rule {rule}", f"INFO max_node {nodes}", "INFO timeout_turn 600000",
                "INFO timeout_match 0", "INFO max_memory 268435456"])
        own_colour = 0 if game["black"] == name else 1
        values = []
        try:
            for ply in range(game["opening"], len(game["stones"])):
                if ply % 2 != own_colour:
                    continue
                stones = game["stones"][:ply]
                _, messages = partners[rule].ask(game["size"], stones, own_colour)
                value = value_of(messages)
                if value is None:
                    continue
                values.append((ply, value))
                if value[1] < 0:
                    break
        except (RuntimeError, ValueError):
            skipped += 1
            partners.pop(rule).process.kill()
            continue
        wins = [ply for ply, (_, forced) in values if forced > 0]
        if wins:
            missed_wins.append(board_line(game["stones"][:wins[0]]))
        for (_, before), (ply, after) in zip(values, values[1:]):
            fell = after[1] < 0 or after[0] <= LOST
            if before[1] == 0 and before[0] > EVEN and fell:
                turns.append((ply, after[1] < 0, board_line(game["stones"][:ply - 1])))
                break
        losses = [ply for ply, (_, forced) in values if forced < 0]
        if losses:
            first_losses[len(game["stones"]) - losses[0]] += 1
    print(f"{lost} games lost by {name}, {skipped} of them not valued (the partner failed)")
    print(f"{len(missed_wins)} held a forced win for {name} that it did not take; the first of each:")
    for line in missed_wins:
        print(f"  {line}")
    by_stones = collections.Counter(10 * (ply // 10) for ply, _, _ in turns)
    print(f"{len(turns)} turned from above {EVEN} to {LOST} or below in one move, "
          f"{sum(1 for _, forced, _ in turns if forced)} of them straight into a forced loss; "
          "by stones on the board: " +
          ", ".join(f"{s}-{s + 9}: {n}" for s, n in sorted(by_stones.items())))
    for _, forced, line in turns:
        print(f"  {'forced loss' if forced else 'lost'}: {line}")
    print("stones from the first forced loss seen to the game's end: " +
          ", ".join(f"{n}: {c}" for n, c in sorted(first_losses.items())))
    return 0


if __name__ == "__main__":
    sys.exit(main())
