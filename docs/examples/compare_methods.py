#!/usr/bin/python3
"""compare_methods.py: the methods' solution lengths and times on a few sides, drawn.

Run from the top of the repository after `make`:
  PYTHONPATH=build/python /usr/bin/python3 docs/examples/compare_methods.py -o compare.png
"""
import argparse
import collections
import os
import statistics
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.backend_bases import FigureCanvasBase  # noqa: E402

import npuzzle  # noqa: E402

parser = argparse.ArgumentParser(description="Compares the methods on the study's boards.")
parser.add_argument("--sides", type=int, nargs="+", default=[5, 10, 20, 40])
parser.add_argument("--boards", type=int, default=5)
parser.add_argument("-o", "--output", default="compare.png")
args = parser.parse_args()
# Checked before the study: matplotlib would write a name without a known ending with .png added.
formats = sorted(FigureCanvasBase.get_supported_filetypes())
if os.path.splitext(args.output)[1][1:].lower() not in formats:
    parser.error(f"{args.output!r}: the picture's name must end in .{', .'.join(formats)}")
if not os.path.isdir(os.path.dirname(args.output) or "."):
    parser.error(f"{args.output!r}: its folder does not exist")
# In increasing order, each once, for the lines to run from left to right.
sides = sorted(set(args.sides))

# One record per board and method, as a row of npuzzle-study's CSV file.
try:
    records = npuzzle.study(sides=sides, boards=args.boards, kind="random")
except ValueError as error:  # a side or a number of boards out of range
    sys.exit(f"compare_methods.py: {error}")
lengths, times = collections.defaultdict(list), collections.defaultdict(list)
for r in records:
    if r["status"] == "solved":
        lengths[r["method"], r["side"]].append(r["optimized"] / r["side"] ** 3)
        times[r["method"], r["side"]].append(r["ms"])

figure, (left, right) = plt.subplots(1, 2, figsize=(10, 4))
for method in npuzzle.methods():
    left.plot(sides, [statistics.mean(lengths[method, n]) for n in sides], "o-", label=method)
    right.plot(sides, [statistics.mean(times[method, n]) for n in sides], "o-", label=method)
left.set(xlabel="side n", ylabel="mean optimized length / n³", title="Solution length")
right.set(xlabel="side n", ylabel="ms per solve", title="Time", xscale="log", yscale="log")
left.legend()
figure.tight_layout()
try:
    figure.savefig(args.output)
except OSError as error:
    sys.exit(f"compare_methods.py: cannot write {args.output}: {error.strerror or error}")
print(f"{args.output}: {len(records)} solves drawn")
