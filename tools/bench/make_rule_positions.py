#!/usr/bin/env python3
"""Plays pbrain-orvane against itself under every rule on 15 x 15 and keeps positions of the
games as the rule benchmark's positions: bench/rule_positions/RULE/GAME_PLY.txt, each the rule,
the board's size and its rows, "X" the stones of the side to move and "O" the other side's.

    tools/bench/make_rule_positions.py BRAIN [GAMES_PER_RULE]
"""
import pathlib
import subprocess
import sys

RULES = {"freestyle": 0, "exact-five": 1, "renju": 4, "caro": 8, "caro-exact-five": 9}
SIZE = 15
KEPT_PLIES = (10, 18, 26, 34)
ROOT = pathlib.Path(__file__).resolve().parents[2]


class Brain:
    def __init__(self, command, rule):
        self.process = subprocess.Popen([command], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True)
        for line in (f"INFO rule {rule}", "INFO timeout_turn 3000", "INFO timeout_match 0"):
            self.send(line)
        self.send(f"START {SIZE}")
        assert self.reply() == "OK"

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def reply(self):
        while True:
            line = self.process.stdout.readline().strip()
            if not line.startswith("MESSAGE"):
                return line

    def move(self, command):
        self.send(command)
        reply = self.reply()
        x, y = reply.split(",")
        return int(x), int(y)

    def close(self):
        self.send("END")
        self.process.wait()


def openings():
    for line in (ROOT / "tools/match/openings.txt").read_text().splitlines():
        numbers = [int(n) for n in line.replace(",", " ").split()]
        yield [(SIZE // 2 + numbers[i], SIZE // 2 + numbers[i + 1])
               for i in range(0, len(numbers), 2)]


def position_text(rule, moves):
    # The side to move owns the last move but one, and every other move before it.
    rows = [["."] * SIZE for _ in range(SIZE)]
    for index, (x, y) in enumerate(reversed(moves)):
        rows[y][x] = "O" if index % 2 == 0 else "X"
    return f"{rule}\n{SIZE} {SIZE}\n" + "\n".join("".join(row) for row in rows) + "\n"


def board_block(moves):
    # Field 1 marks the stones of the side to move: every other move back from the last but one.
    return "BOARD\n" + "".join(f"{x},{y},{1 if (len(moves) - i) % 2 == 0 else 2}\n"
                               for i, (x, y) in enumerate(moves)) + "DONE"


def has_five(moves):
    stones = {move: index % 2 for index, move in enumerate(moves)}
    for (x, y), side in stones.items():
        for dx, dy in ((1, 0), (0, 1), (1, 1), (1, -1)):
            if all(stones.get((x + k * dx, y + k * dy)) == side for k in range(5)):
                return True
    return False


def play(command, rule_name, game, opening):
    brains = [Brain(command, RULES[rule_name]), Brain(command, RULES[rule_name])]
    moves = list(opening)
    kept = []
    while len(moves) <= max(KEPT_PLIES) and not has_five(moves):
        if len(moves) in KEPT_PLIES:
            kept.append((len(moves), position_text(rule_name, moves)))
        moves.append(brains[len(moves) % 2].move(board_block(moves)))
    for brain in brains:
        brain.close()
    directory = ROOT / "bench/rule_positions" / rule_name
    directory.mkdir(parents=True, exist_ok=True)
    for ply, text in kept:
        (directory / f"g{game:02d}_p{ply:02d}.txt").write_text(text)


def main():
    command = sys.argv[1]
    games = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    for rule_name in RULES:
        for game, opening in zip(range(games), openings()):
            play(command, rule_name, game, opening)


if __name__ == "__main__":
    main()
