#!/usr/bin/env python3
"""Draws balanced openings for the gauntlet: positions of 3 to 5 stones near the centre that the
sparring engine, searching a fixed count of nodes, calls neither won nor lost.

Usage: make_openings.py ENGINE RULE SIZE COUNT OUT_FILE [NODES] [MAX_EVAL] [SEED]

Each candidate is drawn at random: the first stone at the centre's offset (0, 0) or next to it,
every later stone within two cells of one already placed. The engine is asked for its move on the
position with `INFO max_node NODES`; its `MESSAGE ... Eval E` line gives its evaluation for the
side to move. A candidate is kept when |E| <= MAX_EVAL. The file is in the match runner's offset
format ("x,y, x,y, ..." from the centre), one opening a line, black's stone first.
"""
import random
import subprocess
import sys


def ask_eval(engine, rule, size, stones, nodes):
    # The side to move is the engine's own (field 1); stones alternate from black.
    to_move = len(stones) % 2
    centre = size // 2
    lines = [f"START {size}", f"INFO rule {rule}", "INFO max_memory 67108864",
             f"INFO max_node {nodes}", "INFO timeout_turn 60000", "BOARD"]
    for i, (x, y) in enumerate(stones):
        field = 1 if i % 2 == to_move else 2
        lines.append(f"{x + centre},{y + centre},{field}")
    lines += ["DONE", "END"]
    out = subprocess.run([engine], input="\n".join(lines) + "\n", capture_output=True, text=True,
                         timeout=120).stdout
    evals = [line.split("Eval")[1].split("|")[0].strip() for line in out.splitlines()
             if "Eval" in line]
    if not evals:
        return None
    text = evals[-1]
    if not text.lstrip("-").isdigit():
        return 100000  # a proven win or loss ("+M9", "-M12")
    return int(text)


def candidate(rng):
    count = rng.randint(3, 5)
    stones = [(rng.randint(-1, 1), rng.randint(-1, 1))]
    while len(stones) < count:
        bx, by = rng.choice(stones)
        cell = (bx + rng.randint(-2, 2), by + rng.randint(-2, 2))
        if cell not in stones and max(abs(cell[0]), abs(cell[1])) <= 3:
            stones.append(cell)
    return stones


def main():
    engine, rule, size, count, out_file = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), \
        int(sys.argv[4]), sys.argv[5]
    nodes = int(sys.argv[6]) if len(sys.argv) > 6 else 400000
    max_eval = int(sys.argv[7]) if len(sys.argv) > 7 else 60
    rng = random.Random(int(sys.argv[8]) if len(sys.argv) > 8 else 1)
    kept, seen, tried = [], set(), 0
    while len(kept) < count:
        stones = candidate(rng)
        key = tuple(stones)
        if key in seen:
            continue
        seen.add(key)
        tried += 1
        value = ask_eval(engine, rule, size, stones, nodes)
        if value is not None and abs(value) <= max_eval:
            kept.append(", ".join(f"{x},{y}" for x, y in stones))
            print(f"{len(kept)}/{count} kept of {tried}: eval {value}", file=sys.stderr)
    with open(out_file, "w") as out:
        out.write("\n".join(kept) + "\n")


if __name__ == "__main__":
    main()
