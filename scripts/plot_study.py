#!/usr/bin/python3
"""plot_study.py: a study's CSV file drawn as two panels against the side of the board.

Left: each method's mean optimized solution length divided by n^3, with the boards' mean lower
bound and mean Manhattan distance, also divided by n^3, as reference lines. Right: each
method's mean milliseconds per solve, on log-log axes. Only solved boards count for a method.

Usage: scripts/plot_study.py STUDY.csv -o FILE.svg
It runs with Debian's Python, /usr/bin/python3, whatever python3 comes first on the PATH.
Exits with 77 when matplotlib is missing (Debian: python3-matplotlib).
"""
import argparse
import csv
import itertools
import sys
from collections import defaultdict

MISSING_MATPLOTLIB = 77
DEBIAN_PYTHON = "/usr/bin/python3"


def read_study(path):
    """Per method and side the solved lengths and times; per side each board's bounds."""
    lengths = defaultdict(lambda: defaultdict(list))
    times = defaultdict(lambda: defaultdict(list))
    boards = defaultdict(dict)
    methods = []
    with open(path, newline="") as file:
        # The study's description comes first, on lines that start with '#'.
        rows = itertools.dropwhile(lambda line: line.startswith("#"), file)
        for row in csv.DictReader(rows):
            side = int(row["side"])
            board = (row["kind"], row["seed"], row["index"], row["file"])
            boards[side][board] = (int(row["manhattan"]), int(row["lower_bound"]))
            method = row["method"]
            if method not in methods:
                methods.append(method)
            if row["status"] == "solved":
                lengths[method][side].append(int(row["optimized"]))
                times[method][side].append(float(row["ms"]))
    return methods, lengths, times, boards


def mean(values):
    return sum(values) / len(values)


def main():
    parser = argparse.ArgumentParser(description="Draws a study's CSV file.")
    parser.add_argument("csv", help="CSV file written by npuzzle-study --csv")
    parser.add_argument("-o", "--output", required=True, help="picture to write, e.g. study.svg")
    args = parser.parse_args()
    try:
        import matplotlib

        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
    except ImportError:
        # Another Python (a virtual environment, pyenv) may run the script when called by name.
        if sys.executable != DEBIAN_PYTHON:
            print("plot_study.py: matplotlib is missing for " + sys.executable + "; run the "
                  "script as " + DEBIAN_PYTHON + " scripts/plot_study.py (Debian: "
                  "python3-matplotlib)", file=sys.stderr)
        else:
            print("plot_study.py: matplotlib is missing (Debian: python3-matplotlib)",
                  file=sys.stderr)
        return MISSING_MATPLOTLIB

    methods, lengths, times, boards = read_study(args.csv)
    if not boards:
        print("plot_study.py: no boards in " + args.csv, file=sys.stderr)
        return 1
    # The same study gives the same file, byte for byte.
    matplotlib.rcParams["svg.hashsalt"] = "npuzzle-study"
    figure, (left, right) = plt.subplots(1, 2, figsize=(11, 4.5))
    sides = sorted(boards)
    for label, which, style in (("lower bound", 1, "--"), ("Manhattan distance", 0, ":")):
        left.plot(sides, [mean([b[which] for b in boards[n].values()]) / n**3 for n in sides],
                  style, color="gray", label=label)
    for method in methods:
        solved = sorted(lengths[method])
        left.plot(solved, [mean(lengths[method][n]) / n**3 for n in solved], "o-", label=method)
        timed = [n for n in sorted(times[method]) if mean(times[method][n]) > 0]
        right.loglog(timed, [mean(times[method][n]) for n in timed], "o-", label=method)
    left.set(xlabel="side n", ylabel="moves / n³", title="Mean optimized solution length")
    left.set_ylim(bottom=0)
    right.set(xlabel="side n", ylabel="ms per solve", title="Mean time per solve")
    for panel in (left, right):
        panel.grid(True, which="both", alpha=0.3)
    # Below the methods' lengths and above the bounds there is room for the key.
    left.legend(loc="center right", bbox_to_anchor=(1, 0.42), fontsize="small")
    right.legend()
    figure.tight_layout()
    figure.savefig(args.output, metadata={"Date": None})
    return 0


if __name__ == "__main__":
    sys.exit(main())
