#!/usr/bin/python3
"""plot_study.py: a study's CSV file drawn as three panels against the side of the board.

Per method, against the side n: the optimized solution length divided by n^3, with the boards'
lower bound and Manhattan distance (also divided by n^3) for reference; the length divided by
each board's lower bound; and the milliseconds of CPU time per solve, on log-log axes. Each line
is the mean over the boards the method solved, and the band around it spans the 5th to the 95th
percentile of those boards. A study of several kinds of board gets one row of panels per kind.

Usage: scripts/plot_study.py STUDY.csv -o FILE.svg (or .png, .pdf, ...: the ending is the format)
The lines before the header that begin with '#' (the study's description) are skipped. It runs
with Debian's Python, /usr/bin/python3, whatever python3 comes first on the PATH; run by a Python
without matplotlib, it says which one to use and exits with 77 (Debian: python3-matplotlib).
"""
import argparse
import csv
import io
import itertools
import math
import os
import re
import sys
from collections import defaultdict

# The shared file writing beside this script, also where the script is loaded by path.
sys.path.insert(0, os.path.dirname(os.path.realpath(__file__)))
from whole_file import write_whole  # noqa: E402

MISSING_MATPLOTLIB = 77
DEBIAN_PYTHON = "/usr/bin/python3"
# The spread that the bands show, in percent.
LOW_PERCENTILE, HIGH_PERCENTILE = 5, 95
# The columns of a study's CSV file; the figure draws all but length.
COLUMNS = ("side", "kind", "seed", "index", "file", "method", "status", "length", "optimized",
           "manhattan", "lower_bound", "ms")
# The least value of each column of whole numbers (a side of 0 would divide by 0); the study
# writes them as 64-bit unsigned numbers. The seed too, but a user's board has none.
LEAST = {"side": 1, "index": 0, "length": 0, "optimized": 0, "manhattan": 0, "lower_bound": 0,
         "seed": 0}
MOST = 2**64 - 1
MOST_MS = 2**32
# The kinds of board a study writes; each gets a row of panels.
KINDS = ("random", "near", "partly-home", "file")
# pgf needs LaTeX, which Debian's matplotlib does not bring.
UNWRITTEN_FORMATS = {"pgf"}
# The formats that stamp the time they were written, and the key that leaves it out, so that the
# same study gives the same file, byte for byte.
DATE_KEYS = {"svg": "Date", "pdf": "CreationDate"}


class Unusable(Exception):
    """A file or a name that the script cannot use; the message says which and why."""


def shown(text):
    """The text quoted, shortened to fit in a line."""
    return repr(text if len(text) <= 24 else text[:20] + "...")


def whole(row, column):
    text = row[column]
    # int() refuses thousands of digits; 20 hold MOST.
    if re.fullmatch("[0-9]{1,20}", text) and LEAST[column] <= int(text) <= MOST:
        return int(text)
    raise ValueError("%s is %s, not a whole number from %d to %d"
                     % (column, shown(text), LEAST[column], MOST))


def milliseconds_of(row):
    text = row["ms"]
    # float() also takes inf, nan and 1e309, which no axis can show; no study writes a time above
    # MOST_MS, which a merge refuses too.
    if re.fullmatch(r"[0-9]+(\.[0-9]+)?", text) and float(text) <= MOST_MS:
        return float(text)
    raise ValueError("ms is %s, not a number of milliseconds such as 1.250" % shown(text))


class Study:
    """The rows of one study, grouped by kind, method and side."""

    def __init__(self):
        self.methods = []
        # kind -> side -> board -> (manhattan, lower bound)
        self.boards = defaultdict(lambda: defaultdict(dict))
        # kind -> method -> side -> list of (optimized length, lower bound, ms) of solved boards
        self.solved = defaultdict(lambda: defaultdict(lambda: defaultdict(list)))
        self.seeds = set()

    def add(self, row):
        """Adds the row, a dict by column; ValueError names a field that no study writes."""
        number = {column: whole(row, column) for column in LEAST
                  if column != "seed" or row["seed"]}
        kind, side, method = row["kind"], number["side"], row["method"]
        if kind not in KINDS:
            raise ValueError("kind is %s, not one of %s" % (shown(kind), ", ".join(KINDS)))
        board = (row["seed"], row["index"], row["file"])
        bound, ms = number["lower_bound"], milliseconds_of(row)
        self.boards[kind][side][board] = (number["manhattan"], bound)
        if row["seed"]:
            self.seeds.add(row["seed"])
        if method not in self.methods:
            self.methods.append(method)
        if row["status"] == "solved":
            self.solved[kind][method][side].append((number["optimized"], bound, ms))

    def kinds(self):
        return sorted(self.boards)

    def boards_per_side(self):
        counts = {len(boards) for sides in self.boards.values() for boards in sides.values()}
        low, high = min(counts), max(counts)
        return str(low) if low == high else "%d to %d" % (low, high)

    def caption(self):
        """The study's parameters, as the figure states them."""
        seeds = ", ".join(sorted(self.seeds, key=lambda s: (len(s), s))) or "none"
        return ("kind: %s; boards per side and kind: %s; seed %s; lines are means over the solved boards, "
                "bands span their %dth to %dth percentile; times are CPU time of one thread"
                % (", ".join(self.kinds()), self.boards_per_side(), seeds, LOW_PERCENTILE,
                   HIGH_PERCENTILE))


def read_study(lines, name="the CSV file"):
    """The study in the CSV lines, skipping the description lines before the header. Only those:
    a quoted file name may hold a line break followed by '#'. Lines that are not a study's raise
    Unusable, which names the file and the line where the row begins."""
    lines = iter(lines)
    study = Study()
    skipped = 0
    for header in lines:
        if not header.startswith("#"):
            break
        skipped += 1
    else:
        return study
    reader = csv.reader(itertools.chain([header], lines))
    line = skipped + 1
    try:
        columns = next(reader)
        missing = [column for column in COLUMNS if column not in columns]
        if missing:
            raise ValueError("the header has no column " + ", ".join(missing))
        # Each row begins on the line after the one where the row before it ends.
        line = skipped + reader.line_num + 1
        for fields in reader:
            # csv.reader gives an empty line as no fields.
            if fields:
                if len(fields) != len(columns):
                    raise ValueError("%d fields, where the header has %d"
                                     % (len(fields), len(columns)))
                study.add(dict(zip(columns, fields)))
            line = skipped + reader.line_num + 1
    except (ValueError, csv.Error) as error:
        raise Unusable("%s line %d: %s" % (name, line, error)) from None
    return study


def load_study(path):
    """The study in the CSV file at path; Unusable when it cannot be read or is not a study's."""
    try:
        with open(path, "rb") as file:
            data = file.read()
    except OSError as error:
        raise Unusable("cannot read %s: %s" % (path, error.strerror or error)) from None
    try:
        # Some editors begin a file with a byte order mark, which is not part of the first column.
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        line = data.count(b"\n", 0, error.start) + 1
        raise Unusable("%s line %d: not UTF-8 text" % (path, line)) from None
    return read_study(io.StringIO(text, newline=""), path)


def picture_format(output):
    """The format that the name's ending asks for."""
    return os.path.splitext(output)[1][1:].lower()


def check_output(output):
    """Unusable for a picture's name that cannot be written as given: checked before the drawing,
    as matplotlib would add .png to a name without a known ending."""
    from matplotlib.backend_bases import FigureCanvasBase

    formats = sorted(set(FigureCanvasBase.get_supported_filetypes()) - UNWRITTEN_FORMATS)
    if picture_format(output) not in formats:
        raise Unusable("cannot tell a picture's format from the name %r: it must end in %s or .%s"
                       % (output, ", ".join("." + f for f in formats[:-1]), formats[-1]))
    folder = os.path.dirname(output) or "."
    if os.path.isdir(output):
        raise Unusable("%s is a folder" % output)
    if not os.path.isdir(folder):
        raise Unusable("the folder %s does not exist" % folder)
    if not os.access(folder, os.W_OK) or os.path.exists(output) and not os.access(output, os.W_OK):
        raise Unusable("cannot write %s" % output)


def spread(values):
    """Mean, low and high percentile of the values."""
    import numpy

    return (float(numpy.mean(values)), float(numpy.percentile(values, LOW_PERCENTILE)),
            float(numpy.percentile(values, HIGH_PERCENTILE)))


def series(by_side, value):
    """Sides, means, lows and highs of value(record) over each side's records; sides where no
    record has a value are left out."""
    sides, means, lows, highs = [], [], [], []
    for side in sorted(by_side):
        values = [v for v in (value(side, record) for record in by_side[side]) if v is not None]
        if values:
            mean, low, high = spread(values)
            sides.append(side)
            means.append(mean)
            lows.append(low)
            highs.append(high)
    return sides, means, lows, highs


def length_per_cube(side, record):
    return record[0] / side**3


def length_per_bound(side, record):
    # A board that was already solved has bound 0 and says nothing about the ratio.
    return record[0] / record[1] if record[1] > 0 else None


def milliseconds(side, record):
    # A time of 0 cannot stand on a log axis.
    return record[2] if record[2] > 0 else None


def draw(study, output):
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    # The same study gives the same SVG or PDF file, byte for byte.
    matplotlib.rcParams["svg.hashsalt"] = "npuzzle-study"
    kinds = study.kinds()
    figure, grid = plt.subplots(len(kinds), 3, figsize=(15, 1.2 + 3.8 * len(kinds)),
                                squeeze=False)
    colours = {method: "C%d" % i for i, method in enumerate(study.methods)}
    for kind, (per_cube, per_bound, times) in zip(kinds, grid):
        boards = study.boards[kind]
        sides = sorted(boards)
        # On random boards the two nearly meet: the distance's crosses tell it from the bound.
        for label, which, style in (("lower bound", 1, "--"), ("Manhattan distance", 0, "x:")):
            per_cube.plot(sides, [sum(b[which] for b in boards[n].values()) / len(boards[n]) / n**3
                                  for n in sides], style, color="black", linewidth=1.2,
                          markersize=5, label="boards' mean " + label)
        per_bound.axhline(1, linestyle="--", color="black", linewidth=1.2)
        for method in study.methods:
            solved = study.solved[kind][method]
            for panel, value, log in ((per_cube, length_per_cube, False),
                                      (per_bound, length_per_bound, False),
                                      (times, milliseconds, True)):
                x, mean, low, high = series(solved, value)
                if not x:
                    continue
                panel.fill_between(x, low, high, color=colours[method], alpha=0.18, linewidth=0)
                panel.plot(x, mean, "o-", color=colours[method], markersize=3.5, label=method)
                if log:
                    panel.set_xscale("log")
                    panel.set_yscale("log")
        suffix = " (%s boards)" % kind if len(kinds) > 1 else ""
        per_cube.set(xlabel="side n", ylabel="moves / n³", title="Optimized length / n³" + suffix)
        per_cube.set_ylim(bottom=0)
        per_bound.set(xlabel="side n", ylabel="length / lower bound",
                      title="Optimized length / lower bound" + suffix)
        per_bound.set_ylim(bottom=0)
        times.set(xlabel="side n", ylabel="ms per solve (CPU, one thread)",
                  title="Time per solve" + suffix)
        for panel in (per_cube, per_bound, times):
            panel.grid(True, which="both", alpha=0.3)
    # One key for all panels, below them, where it covers no data; a method that the first
    # panels do not show, having solved no board of their kind, is in it all the same.
    found = {}
    for panel in grid.flat:
        for handle, label in zip(*panel.get_legend_handles_labels()):
            found.setdefault(label, handle)
    plotted = set(found)
    # A method that solved no board at all has no line: its key says so.
    for method in study.methods:
        if method not in found:
            found[method] = matplotlib.lines.Line2D([], [], color=colours[method], marker="o",
                                                    markersize=3.5)
    labels = [label for label in found if label not in study.methods] + study.methods
    handles = [found[label] for label in labels]
    labels = [label if label not in study.methods or label in plotted else label + " (solved none)"
              for label in labels]
    band = matplotlib.patches.Patch(color="gray", alpha=0.3,
                                    label="band: %dth to %dth percentile of the boards"
                                    % (LOW_PERCENTILE, HIGH_PERCENTILE))
    legend = figure.legend(handles + [band], labels + [band.get_label()], loc="lower center",
                           ncol=min(len(labels) + 1, 6), fontsize="small", frameon=False)
    figure.suptitle(study.caption(), fontsize="small")
    figure.tight_layout(rect=(0, 0.07 if len(kinds) == 1 else 0.04, 1, 0.97))
    form = picture_format(output)
    # The other formats refuse a metadata argument.
    dated = {"metadata": {DATE_KEYS[form]: None}} if form in DATE_KEYS else {}
    # Through a temporary file, so that a failed write leaves an older picture as it was.
    write_whole(lambda name: figure.savefig(name, format=form, **dated), output)
    return figure, legend


def main(argv=None):
    parser = argparse.ArgumentParser(description="Draws a study's CSV file.")
    parser.add_argument("csv", help="CSV file written by npuzzle-study --csv")
    parser.add_argument("-o", "--output", required=True,
                        help="picture to write, e.g. study.svg; its ending is its format")
    args = parser.parse_args(argv)
    try:
        import matplotlib  # noqa: F401
        import numpy  # noqa: F401
    except ImportError:
        # Another Python (a virtual environment, pyenv) may run the script when called by name.
        print("plot_study.py: matplotlib is missing for %s; run the script as %s "
              "scripts/plot_study.py (Debian: python3-matplotlib)" % (sys.executable, DEBIAN_PYTHON),
              file=sys.stderr)
        return MISSING_MATPLOTLIB
    try:
        check_output(args.output)
        study = load_study(args.csv)
        if not study.boards:
            raise Unusable("no boards in " + args.csv)
        try:
            draw(study, args.output)
        except OSError as error:
            # What the check cannot foresee, such as a full disk.
            raise Unusable("cannot write %s: %s" % (args.output, error.strerror or error)) from None
    except Unusable as error:
        print("plot_study.py: %s" % error, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
