#!/usr/bin/env python3
"""Checks that the strong brain keeps the wins the classic brain reports: positions of freestyle
games in which the classic brain (`pbrain-orvane`, at one second a turn) reports `root verdict
won` for the side to move are played out, the strong brain on that side and the classic brain
on the other, until a five. Prints how many such positions the strong brain won, and the ones it
did not, as BOARD lines to replay.

Usage: classic_wins.py STRONG CLASSIC COUNT GAMES.sgf... [--nodes N]
  STRONG   pbrain-orvane-strong (held to N nodes a move with --nodes, else 1 s a turn)
  CLASSIC  pbrain-orvane
  COUNT    how many won positions to play out
Positions are taken from the tenth stone on, every third, in the order of the files.
"""
import re
import subprocess
import sys


class Brain:
    def __init__(self, command, settings):
        self.process = subprocess.Popen([command], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)
        self.settings = settings

    def ask(self, size, stones, to_move):
        """The brain's move and its MESSAGE lines for the side `to_move` (0 black, 1 white)."""
        # The board follows only once the brain has taken START: a brain busy setting up its
        # tables may misread lines that come meanwhile, and answer START itself with ERROR.
        self.process.stdin.write(f"START {size}\n")
        while (reply := self.read_line()) != "OK":
            if reply.startswith("ERROR"):
                self.process.stdin.write(f"START {size}\n")
        lines = self.settings + ["BOARD"]
        lines += [f"{x},{y},{1 if i % 2 == to_move else 2}" for i, (x, y) in enumerate(stones)]
        lines.append("DONE")
        self.process.stdin.write("\n".join(lines) + "\n")
        messages = []
        while True:
            line = self.read_line()
            if line.startswith("MESSAGE"):
                messages.append(line)
                continue
            x, y = map(int, line.split(","))
            return (x, y), messages

    def read_line(self):
        line = self.process.stdout.readline()
        if not line:
            raise RuntimeError("the brain ended")
        return line.strip()


def five(stones, size, colour):
    own = {stones[i] for i in range(colour, len(stones), 2)}
    x, y = stones[-1]
    for dx, dy in ((1, 0), (0, 1), (1, 1), (1, -1)):
        run = 1
        for sign in (1, -1):
            step = 1
            while (x + sign * step * dx, y + sign * step * dy) in own:
                run += 1
                step += 1
        if run >= 5:
            return True
    return False


def games(paths):
    for path in paths:
        text = open(path).read()
        for record in re.findall(r"\(;(.*?)\)", text, re.S):
            if re.search(r"RU\[(\d+)\]", record).group(1) != "0":
                continue
            size = int(re.search(r"SZ\[(\d+)\]", record).group(1))
            moves = [(ord(m[0]) - 97, ord(m[1]) - 97) for m in re.findall(r";[BW]\[([a-z]{2})\]", record)]
            yield size, moves


def main():
    args = sys.argv[1:]
    nodes = None
    if "--nodes" in args:
        at = args.index("--nodes")
        nodes = int(args[at + 1])
        del args[at:at + 2]
    strong_command, classic_command, count, paths = args[0], args[1], int(args[2]), args[3:]
    strong_settings = [f"INFO max_node {nodes}", "INFO timeout_turn 60000"] if nodes else \
        ["INFO timeout_turn 1000"]
    strong = Brain(strong_command, strong_settings + ["INFO timeout_match 0"])
    classic = Brain(classic_command, ["INFO timeout_turn 1000", "INFO timeout_match 0"])
    played = won = 0
    for size, moves in games(paths):
        for ply in range(10, len(moves) - 1, 3):
            if played == count:
                break
            stones = moves[:ply]
            to_move = ply % 2
            _, messages = classic.ask(size, stones, to_move)
            if not any("root verdict won" in m for m in messages):
                continue
            played += 1
            position = list(stones)
            winner = None
            while winner is None and len(position) < size * size and len(position) < ply + 60:
                side = len(position) % 2
                brain = strong if side == to_move else classic
                move, _ = brain.ask(size, position, side)
                if move in position:
                    winner = 1 - side
                    break
                position.append(move)
                if five(position, size, side):
                    winner = side
            if winner == to_move:
                won += 1
            else:
                board = " ".join(f"{x},{y},{1 if i % 2 == to_move else 2}"
                                 for i, (x, y) in enumerate(stones))
                print(f"not won ({size} x {size}): {board}", flush=True)
        if played == count:
            break
    print(f"{won} of {played} positions the classic brain reports won were won by the strong brain")
    return 0 if won == played else 1


if __name__ == "__main__":
    sys.exit(main())
