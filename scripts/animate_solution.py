#!/usr/bin/python3
"""animate_solution.py: a method's solve of a board, as an animated GIF or an MP4 video.

Usage:
  animate_solution.py --side 8 [--kind random] [--seed 1] [--index 0] --method solve3 -o solve.gif
  animate_solution.py --file BOARD --method solve2 -o solve.mp4 [--every K] [--max-frames M]

The board is the study's board of that side, kind, seed and index, or the board of a file (XML
puzzle file or plain board file). A GIF is written with Pillow; an MP4 with ffmpeg, which must be
installed; the name's ending, .gif or .mp4, says which. Each frame shows the tiles (numbers up to
side 40), the move count, the tile that has just moved, the lines already placed and the line
being placed.

The method does not tell which line it is placing; that is derived from how every method reduces
the board: the first row and the first column of what is left, in either order (solve and solve2
place the row first, solve3 either), until the last block, whose side the solution gives (3 x 3,
or 4 x 4 for solve3), is solved by search. The line shown is the one of the two not home yet, or
where neither is the one that comes home first (a first pass over the moves tells), never going
back to an earlier one.

Frames: the first shows the board, then one frame every K moves (--every, default 1) and one for
the last move, so a solution of L moves gives 1 + ceil(L / K) frames. K is raised, when needed,
so that there are at most --max-frames frames (default 300).

The module npuzzle is taken from PYTHONPATH, else from build/python beside this script.
"""
import argparse
import math
import os
import pathlib
import re
import shutil
import subprocess
import sys
from dataclasses import dataclass

# The shared file writing beside this script, also where the script is loaded by path.
sys.path.insert(0, os.path.dirname(os.path.realpath(__file__)))
from whole_file import write_whole  # noqa: E402

try:
    import npuzzle
except ImportError:
    sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1] / "build" / "python"))
    try:
        import npuzzle
    except ImportError:
        sys.exit(f"animate_solution.py: no module npuzzle for {sys.executable} in PYTHONPATH or "
                 "build/python (make builds it)")


# Where the blank goes for each letter: (rows, columns).
STEPS = {"U": (-1, 0), "D": (1, 0), "L": (0, -1), "R": (0, 1)}
# The module's ranges for a study's board (an index below the most boards a side), checked here
# too so that a number out of range is a usage error, found before anything is solved.
SIDES = (3, 100)
MOST_SEED = 2**64 - 1
MOST_INDEX = 999999
# A GIF counts each frame's time in hundredths of a second.
MOST_FPS = 100


@dataclass
class Frame:
    board: "npuzzle.Board"
    done: int          # moves made so far
    moved: int         # the tile the last move shifted, 0 for none
    line: str          # what is being done: the line being placed, the search, or solved
    rows: int          # rows 0 ... rows - 1 are home, or were
    cols: int          # and columns 0 ... cols - 1
    line_cells: list   # the cells of the line being placed


def step_for(length, every=1, max_frames=300):
    """The step: at least every, and small enough for at most max_frames frames."""
    if max_frames < 2:
        raise ValueError("--max-frames must be at least 2")
    return max(every, math.ceil(length / (max_frames - 1)), 1)


def reduction_progress(board, block):
    """The rows and columns of the reduction that are home, (r, c): rows 0 ... r - 1 and columns
    0 ... c - 1, row k and column k in either order once both of k - 1 are."""
    n, tiles = board.side, board.tiles
    rows = cols = 0
    for k in range(max(0, n - block)):
        row = all(tiles[k * n + c] == k * n + c + 1 for c in range(k, n))
        col = all(tiles[r * n + k] == r * n + k + 1 for r in range(k, n))
        rows, cols = rows + row, cols + col
        if not (row and col):
            break
    return rows, cols


def line_of(board, rows, cols, column_first, block):
    """The words and the cells of the line being placed once `rows` rows and `cols` columns are
    home; column k is placed before row k when k is in the set column_first."""
    n, k = board.side, min(rows, cols)
    if board == npuzzle.goal(n):
        return "solved", []
    if n - k <= block:
        cells = [r * n + c for r in range(k, n) for c in range(k, n)]
        return f"solving the last {n - k} x {n - k} by search", cells
    # The corner cell (k, k) is the line's that comes first.
    if rows < cols or rows == cols and k not in column_first:
        return f"placing row {k + 1}", [k * n + c for c in range(k + (cols > k), n)]
    return f"placing column {k + 1}", [r * n + k for r in range(k + (rows > k), n)]


def _boards(board, moves, step):
    """The board every `step` moves and at the end, with the moves done and the tile that the last
    of them shifted (0 for none)."""
    n, done, moved = board.side, 0, 0
    while True:
        yield board, done, moved
        if done == len(moves):
            return
        segment = moves[done:done + step]
        board = npuzzle.apply(board, segment)
        done += len(segment)
        # The tile that moved last now stands where the blank was before the last letter.
        rows, cols = STEPS[segment[-1]]
        moved = board.tiles[board.blank - rows * n - cols]


def frames(board, moves, block, step):
    """The frames of the moves made on the board, one every `step` moves and one at the end; the
    last block x block cells are solved by search."""
    # A first pass finds which of row k and column k comes home first (solve3 places either
    # first; where both come within one step, the row); the second makes the frames.
    column_first, rows, cols = set(), 0, 0
    for after, _, _ in _boards(board, moves, step):
        now_rows, now_cols = reduction_progress(after, block)
        if now_cols > cols and now_rows <= now_cols - 1 == rows:
            column_first.add(rows)
        rows, cols = max(rows, now_rows), max(cols, now_cols)
    rows = cols = 0
    for after, done, moved in _boards(board, moves, step):
        now_rows, now_cols = reduction_progress(after, block)
        rows, cols = max(rows, now_rows), max(cols, now_cols)
        words, cells = line_of(after, rows, cols, column_first, block)
        yield Frame(after, done, moved, words, rows, cols, cells)


# Colours by role: the palette of every frame.
PALETTE = {
    "background": (255, 255, 255), "text": (30, 30, 30), "blank": (70, 70, 70),
    "tile": (214, 224, 236), "placed": (168, 214, 160), "line": (250, 226, 140),
    "moved": (240, 130, 60),
}
INDEX = {name: i for i, name in enumerate(PALETTE)}


def role_of(frame, index, line_cells):
    """How the frame draws the cell, the PALETTE's name: the blank, the tile that has just moved,
    a cell of the line being placed (line_cells, a set), a tile home in a line already placed, or
    any other tile."""
    n = frame.board.side
    tile = frame.board.tiles[index]
    r, c = divmod(index, n)
    if tile == 0:
        return "blank"
    if tile == frame.moved:
        return "moved"
    if frame.line == "solved":
        return "placed"
    if index in line_cells:
        return "line"
    # A line counts as placed once it was home, never going back; a tile that a later move took
    # from it is drawn as any other, so that no cell is shown home that is not.
    if (r < frame.rows and c >= r or c < frame.cols and r >= c) and tile == index + 1:
        return "placed"
    return "tile"


def _font(size):
    from PIL import ImageFont
    try:
        return ImageFont.truetype("DejaVuSans.ttf", size)
    except OSError:
        return ImageFont.load_default()


def render(frame, total, method, cell=None):
    """The frame as a palette image of even width and height."""
    from PIL import Image, ImageDraw
    n = frame.board.side
    cell = cell or max(6, min(48, 600 // max(n, 1)))
    header = 44
    small = _font(14)
    note = " (line derived from the reduction's order)"
    # Wide enough for the longest captions of this board, which all frames share: the digits are
    # as wide as each other, and no line's words are longer than the last search's of side n.
    widest = max(small.getlength(f"{method}   move {total} / {total}"),
                 small.getlength(f"solving the last {n} x {n} by search{note}"))
    width = max(n * cell, math.ceil(widest)) + 8
    height = n * cell + header + 4
    image = Image.new("P", (width + width % 2, height + height % 2), INDEX["background"])
    image.putpalette([v for rgb in PALETTE.values() for v in rgb])
    draw = ImageDraw.Draw(image)
    draw.text((4, 4), f"{method}   move {frame.done} / {total}", fill=INDEX["text"], font=small)
    draw.text((4, 23), frame.line + note, fill=INDEX["text"], font=small)
    line_cells = set(frame.line_cells)
    numbers = _font(max(6, int(cell * 0.42))) if cell >= 14 and n <= 40 else None
    for index, tile in enumerate(frame.board.tiles):
        r, c = divmod(index, n)
        role = role_of(frame, index, line_cells)
        x, y = 4 + c * cell, header + r * cell
        draw.rectangle([x, y, x + cell - 2, y + cell - 2], fill=INDEX[role])
        if numbers is not None and tile != 0:
            draw.text((x + cell / 2, y + cell / 2), str(tile), fill=INDEX["text"], font=numbers,
                      anchor="mm")
    return image


def write_gif(images, path, fps):
    images = list(images)
    durations = [round(1000 / fps)] * len(images)
    durations[-1] = 2000  # the goal stays a moment
    images[0].save(path, format="GIF", save_all=True, append_images=images[1:],
                   duration=durations, loop=0, optimize=False)


def write_mp4(images, path, fps):
    ffmpeg = shutil.which("ffmpeg")
    if ffmpeg is None:
        raise RuntimeError("an MP4 needs ffmpeg (Debian: apt-get install ffmpeg); write a .gif")
    process = None
    try:
        for image in images:
            if process is None:
                command = [ffmpeg, "-loglevel", "error", "-y", "-f", "rawvideo", "-pix_fmt",
                           "rgb24", "-s", f"{image.width}x{image.height}", "-r", str(fps), "-i",
                           "-", "-pix_fmt", "yuv420p", str(path)]
                process = subprocess.Popen(command, stdin=subprocess.PIPE)
            process.stdin.write(image.convert("RGB").tobytes())
        process.stdin.close()
    except BrokenPipeError:
        # ffmpeg stopped before it had all the frames, and has said why.
        process.wait()
        raise RuntimeError("ffmpeg failed") from None
    except BaseException:
        # Stopped before ffmpeg has all the frames: it must not go on to write them.
        if process is not None:
            process.kill()
            process.wait()
        raise
    if process.wait() != 0:
        raise RuntimeError("ffmpeg failed")


WRITERS = {".gif": write_gif, ".mp4": write_mp4}


def writer_for(path):
    """The writer for the name's ending; ValueError for an ending that has none."""
    writer = WRITERS.get(os.path.splitext(path)[1].lower())
    if writer is None:
        raise ValueError(f"cannot write {str(path)!r}: the name must end in .gif or .mp4")
    return writer


def animate(board, method, path, every=1, max_frames=300, fps=10, optimized=False):
    """Writes the animation of the method's solve of the board; returns the number of frames."""
    write = writer_for(path)
    solution = npuzzle.solve(board, method)
    moves = solution.optimized if optimized else solution.moves
    step = step_for(len(moves), every, max_frames)
    images = (render(f, len(moves), method)
              for f in frames(board, moves, solution.finish_side, step))
    count = 1 + math.ceil(len(moves) / step)
    write_whole(lambda name: write(images, name, fps), path)
    return count


def whole(low, high=None):
    """An argument's type: a whole number from low to high, or from low up."""
    def parse(text):
        # Digits only, as npuzzle-study takes them: int() alone would also take 3_0, a sign,
        # spaces and digits of other scripts; it refuses thousands of digits.
        try:
            if not re.fullmatch("[0-9]+", text):
                raise ValueError
            value = int(text)
        except ValueError:
            raise argparse.ArgumentTypeError(f"{text!r} is not a whole number") from None
        if value < low or high is not None and value > high:
            raise argparse.ArgumentTypeError(
                f"{value} is not from {low} to {high}" if high is not None else
                f"{value} is below {low}")
        return value
    return parse


def output_name(text):
    """An argument's type: a name that writer_for takes, in a folder that exists."""
    try:
        writer_for(text)
    except ValueError as error:
        raise argparse.ArgumentTypeError(str(error)) from None
    # Checked now rather than after all the frames are drawn.
    folder = os.path.dirname(text) or "."
    if not os.path.isdir(folder):
        raise argparse.ArgumentTypeError(f"the folder {folder} does not exist")
    return text


def main(argv=None):
    parser = argparse.ArgumentParser(prog="animate_solution.py",
                                     description=__doc__.split("\n")[0])
    source = parser.add_mutually_exclusive_group(required=True)
    source.add_argument("--file", help="an XML puzzle file or a plain board file")
    source.add_argument("--side", type=whole(*SIDES),
                        help=f"the side of a study's board ({SIDES[0]} ... {SIDES[1]})")
    parser.add_argument("--kind", default="random", help="random, near or partly-home")
    parser.add_argument("--seed", type=whole(0, MOST_SEED), default=1)
    parser.add_argument("--index", type=whole(0, MOST_INDEX), default=0)
    parser.add_argument("--method", default="solve3", choices=list(npuzzle.methods()))
    parser.add_argument("-o", "--output", required=True, type=output_name,
                        help="FILE.gif or FILE.mp4")
    parser.add_argument("--every", type=whole(1), default=1, help="moves per frame")
    parser.add_argument("--max-frames", type=whole(2), default=300)
    parser.add_argument("--fps", type=whole(1, MOST_FPS), default=10,
                        help=f"frames per second, 1 ... {MOST_FPS}")
    parser.add_argument("--optimized", action="store_true",
                        help="the optimized solution rather than the moves as found")
    args = parser.parse_args(argv)
    try:
        import PIL  # noqa: F401  (checked before the solve rather than at the first frame)
    except ImportError:
        sys.exit(f"animate_solution.py: Pillow is missing for {sys.executable} (Debian: "
                 "python3-pil)")
    try:
        # An empty name is a file's name too, which load refuses.
        board = (npuzzle.load(args.file) if args.file is not None else
                 npuzzle.board(args.side, args.kind, args.seed, args.index))
        count = animate(board, args.method, args.output, args.every, args.max_frames, args.fps,
                        args.optimized)
    except (ValueError, RuntimeError, OSError) as error:
        sys.exit(f"animate_solution.py: {error}")
    except KeyboardInterrupt:
        sys.exit("animate_solution.py: interrupted")
    print(f"{args.output}: {count} frames")


if __name__ == "__main__":
    main()
