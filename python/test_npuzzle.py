# test_npuzzle.py: the Python module against the console and the study tool on the same boards.
import concurrent.futures
import copy
import csv
import multiprocessing
import os
import pathlib
import pickle
import re
import runpy
import signal
import subprocess
import sys
import threading
import time

import pytest

import npuzzle

BUILD = os.environ.get("NPUZZLE_BUILD", "build")
CSV_COLUMNS = "side,kind,seed,index,file,method,status,length,optimized,manhattan,lower_bound,ms"


def test_every_solution_replayed_reaches_the_goal():
    for method in npuzzle.methods():
        for kind in ("random", "near", "partly-home"):
            board = npuzzle.board(6, kind, 3, 1)
            solution = npuzzle.solve(board, method)
            goal = npuzzle.goal(6)
            assert npuzzle.apply(board, solution.moves) == goal
            assert npuzzle.apply(board, solution.optimized) == goal
            assert len(solution.optimized) <= len(solution.moves)
            assert len(solution.optimized) >= npuzzle.lower_bound(board)
            assert solution.ms >= 0


@pytest.mark.parametrize("side, method, block", [
    (6, "solve", 3), (6, "solve2", 3), (9, "solve3", 4), (3, "solve3", 3), (2, "solve3", 2),
])
def test_a_solution_gives_the_side_it_finished_by_search(side, method, block):
    board = npuzzle.apply(npuzzle.goal(side), "U" if side > 3 else "L")
    assert npuzzle.solve(board, method).finish_side == block


def test_boards_and_records_are_the_study_tool_s(tmp_path):
    options = dict(methods=["solve", "solve3"], sides=[4, 7], boards=2, seed=9, kind="mixed")
    csv_file = tmp_path / "study.csv"
    subprocess.run([f"{BUILD}/npuzzle-study", "--methods", "solve,solve3", "--sides", "4,7",
                    "--boards", "2", "--seed", "9", "--kind", "mixed", "--quiet",
                    "--csv", str(csv_file)], check=True)
    with open(csv_file, newline="") as f:
        # The study's description comes first, on lines that begin with '#'.
        lines = [line for line in f if not line.startswith("#")]
    assert lines[0].strip() == CSV_COLUMNS
    rows = list(csv.DictReader(lines))
    records = npuzzle.study(**options, jobs=2)
    assert [list(r) for r in records] == [CSV_COLUMNS.split(",")] * len(rows)
    for row, record in zip(rows, records):
        ignored = ("ms",)
        assert {k: str(v) for k, v in record.items() if k not in ignored} == \
            {k: v for k, v in row.items() if k not in ignored}
        board = npuzzle.board(int(row["side"]), row["kind"], int(row["seed"]), int(row["index"]))
        assert npuzzle.manhattan(board) == int(row["manhattan"])
        assert npuzzle.lower_bound(board) == int(row["lower_bound"])
        assert len(npuzzle.solve(board, row["method"]).optimized) == int(row["optimized"])


def test_a_study_of_files_is_the_study_tool_s(tmp_path):
    files = [tmp_path / "a.txt", tmp_path / "b.xml", tmp_path / "swapped.txt"]
    files[0].write_text("1 2 3\n4 5 6\n7 0 8\n")
    npuzzle.save(npuzzle.board(6, "random", 3, 1), files[1])
    files[2].write_text("2 1 3\n4 5 6\n7 8 0\n")
    csv_file = tmp_path / "study.csv"
    subprocess.run([f"{BUILD}/npuzzle-study", "--methods", "solve2,solve3", "--quiet", "--csv",
                    str(csv_file), "--from"] + [str(f) for f in files], check=True)
    with open(csv_file, newline="") as f:
        rows = list(csv.DictReader(line for line in f if not line.startswith("#")))
    records = npuzzle.study(methods=["solve2", "solve3"], files=[str(f) for f in files])
    assert len(records) == len(rows) == 6
    for row, record in zip(rows, records):
        assert record["seed"] is None
        assert {k: "" if v is None else str(v) for k, v in record.items() if k != "ms"} == \
            {k: v for k, v in row.items() if k != "ms"}
    assert [r["status"] for r in records[4:]] == ["refused", "refused"]
    with pytest.raises(ValueError, match="a study of files takes no sides, boards, seed or kind"):
        npuzzle.study(files=[files[0]], boards=3)
    with pytest.raises(ValueError, match="missing.txt: "):
        npuzzle.study(files=[tmp_path / "missing.txt"])


def console_lengths(commands):
    """The raw and optimized lengths the console reports, in order."""
    out = subprocess.run([f"{BUILD}/npuzzle"], input=commands + "\nexit\n", text=True,
                         capture_output=True, check=True, timeout=60).stdout
    return [(int(a), int(b)) for a, b in
            re.findall(r"length:\t(\d+)\n\nOptimized solution length:\t(\d+)", out)]


@pytest.mark.parametrize("fmt", ["xml", "plain"])
def test_lengths_are_the_console_s(tmp_path, fmt):
    board = npuzzle.board(5, "random", 4, 2)
    path = tmp_path / f"board.{fmt}"
    if fmt == "xml":
        npuzzle.save(board, str(path))
        read = "load"
    else:
        path.write_text("\n".join(" ".join(map(str, row)) for row in board.rows) + "\n")
        read = "dl"
    assert npuzzle.load(str(path)) == board
    methods = list(npuzzle.methods())
    expected = [(len(s.moves), len(s.optimized))
                for s in (npuzzle.solve(board, m) for m in methods)]
    assert console_lengths(f"{read} {path} " + " ".join(methods)) == expected


def test_solves_in_threads_give_the_serial_solutions():
    boards = [npuzzle.board(12, "random", 5, i) for i in range(4)]
    serial = [npuzzle.solve(b, "solve2").moves for b in boards]
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        threaded = list(pool.map(lambda b: npuzzle.solve(b, "solve2").moves, boards))
    assert threaded == serial


def solve3(board):
    return npuzzle.solve(board, "solve3")


def test_boards_and_solutions_go_to_other_processes_and_through_copies():
    boards = [npuzzle.board(9, "partly-home" if i else "near", 4, i) for i in range(3)] + [
        npuzzle.goal(2)]
    here = [solve3(b) for b in boards]
    context = multiprocessing.get_context("fork")
    with concurrent.futures.ProcessPoolExecutor(max_workers=2, mp_context=context) as pool:
        there = list(pool.map(solve3, boards))
    assert [(s.method, s.moves, s.optimized, s.finish_side) for s in there] == [
        (s.method, s.moves, s.optimized, s.finish_side) for s in here]
    for board, solution in zip(boards, here):
        assert pickle.loads(pickle.dumps(board)) == copy.deepcopy(board) == board
        copied = copy.deepcopy(solution)
        assert (copied.moves, copied.ms, copied.finish_side) == (
            solution.moves, solution.ms, solution.finish_side)
        # Every protocol, the oldest too.
        for protocol in range(pickle.HIGHEST_PROTOCOL + 1):
            assert pickle.loads(pickle.dumps(board, protocol)) == board
            unpickled = pickle.loads(pickle.dumps(solution, protocol))
            assert (unpickled.method, unpickled.moves, unpickled.optimized) == (
                solution.method, solution.moves, solution.optimized)


def test_an_instance_made_by_new_alone_is_refused():
    # __new__ without __init__ leaves no board or solution behind the object: every use raises
    # instead of reading memory that holds none.
    board = npuzzle.Board.__new__(npuzzle.Board)
    for use in (lambda: board.side, lambda: board.rows, lambda: str(board),
                lambda: npuzzle.manhattan(board), lambda: npuzzle.solve(board, "solve")):
        with pytest.raises(TypeError, match="npuzzle.Board made by __new__ alone"):
            use()
    solution = npuzzle.Solution.__new__(npuzzle.Solution)
    with pytest.raises(TypeError, match="npuzzle.Solution made by __new__ alone"):
        repr(solution)


@pytest.mark.parametrize("kind, state, message", [
    ("Board", ([1, 1, 0, 3],), "1 comes twice"),
    ("Board", ([0, 1, 2],), "Error - board isn't n x n!"),
    ("Board", ([0, 1, 2, 3], 4), "not the state of a pickled board"),
    ("Board", (["a"],), "not the state of a pickled board"),
    ("Solution", ("solve", "UX", "", 0.0, 3), "no move 'X' (U+0058) at index 1"),
    ("Solution", ("solve", "U", "", 0.0, 101), "finish_side 101 is not from 0 to 100"),
    ("Solution", ("solve",), "not the state of a pickled solution"),
    ("Solution", ("solve", "U", "", "0.0", 3), "not the state of a pickled solution"),
])
def test_a_tampered_pickle_is_refused(kind, state, message):
    # What unpickling does with a pickle that holds the state.
    cls = getattr(npuzzle, kind)
    with pytest.raises(ValueError, match=re.escape(message)):
        cls.__new__(cls).__setstate__(state)


def test_board_basics():
    goal = npuzzle.goal(3)
    assert goal.rows == [[1, 2, 3], [4, 5, 6], [7, 8, 0]]
    assert npuzzle.Board(goal.rows) == npuzzle.Board(goal.tiles) == goal != goal.tiles
    assert "Manhattan distance: 0" in str(goal)
    moved = npuzzle.apply(goal, "UL")
    assert moved.tiles == [1, 2, 3, 4, 0, 5, 7, 8, 6] and moved.blank == 4
    assert npuzzle.manhattan(moved) == 2 and npuzzle.lower_bound(moved) == 2
    assert npuzzle.is_solvable(moved)
    assert not npuzzle.is_solvable(npuzzle.Board([2, 1, 3, 4, 5, 6, 7, 8, 0]))
    assert npuzzle.solve(goal, "solve").moves == ""


@pytest.mark.parametrize("side", [1, 2, 100])
def test_goal_boards_come_back_from_repr_and_files(tmp_path, side):
    goal = npuzzle.goal(side)
    assert eval(repr(goal), {"npuzzle": npuzzle}) == goal
    npuzzle.save(goal, str(tmp_path / "goal.xml"))
    assert npuzzle.load(str(tmp_path / "goal.xml")) == goal


@pytest.mark.parametrize("call, message", [
    (lambda: npuzzle.Board([1, 2, 0]), "Error - board isn't n x n!"),
    (lambda: npuzzle.Board([]), "Error - board isn't n x n!"),
    (lambda: npuzzle.Board([[1, 2], [3]]), "Error - board isn't n x n!"),
    (lambda: npuzzle.Board([1, 1, 2, 0]), "1 comes twice"),
    (lambda: npuzzle.Board([1, 2, 3, 9]), "9 is not one of them"),
    (lambda: npuzzle.Board([0] * 101 * 101), "Error - n must be <= 100"),
    (lambda: npuzzle.Board([2**31, 2, 3, 0]), "2147483648 is not one of them"),
    (lambda: npuzzle.Board([[1, 2], [3, -2**64]]), "-18446744073709551616 is not one of them"),
    (lambda: npuzzle.goal(101), "side 101 is not from 1 to 100"),
    (lambda: npuzzle.goal(0), "side 0 is not from 1 to 100"),
    (lambda: npuzzle.goal(-1), "side -1 is not from 1 to 100"),
    (lambda: npuzzle.goal(2**63), "side 9223372036854775808 is not from 1 to 100"),
    (lambda: npuzzle.board(5, seed=-1), "seed -1 is not from 0 to 18446744073709551615"),
    (lambda: npuzzle.board(5, seed=2**64), "seed 18446744073709551616 is not from 0 to"),
    (lambda: npuzzle.board(5, index=-1), "index -1 is not from 0 to 999999"),
    (lambda: npuzzle.board(5, index=10**6), "index 1000000 is not from 0 to 999999"),
    (lambda: npuzzle.board(2), "side 2 is not from 3 to 100"),
    (lambda: npuzzle.board(101), "side 101 is not from 3 to 100"),
    (lambda: npuzzle.board(5, "file"), "no kind 'file'"),
    (lambda: npuzzle.board(5, "mixed"), "no kind 'mixed' (random, near, partly-home)"),
    (lambda: npuzzle.study(kind="sorted"), "no kind 'sorted' (random, near, partly-home, mixed)"),
    (lambda: npuzzle.board(5, "random\x00junk"), "no kind 'random\\x00junk'"),
    (lambda: npuzzle.solve(npuzzle.goal(3), "nope"), "no method 'nope'"),
    (lambda: npuzzle.solve(npuzzle.goal(3), "solve\x00x"), "no method 'solve\\x00x'"),
    (lambda: npuzzle.solve(npuzzle.Board([2, 1, 3, 4, 5, 6, 7, 8, 0]), "solve3"),
     "Can't solve this puzzle..."),
    (lambda: npuzzle.solve(npuzzle.goal(2), "solve"), "Can't solve this puzzle..."),
    (lambda: npuzzle.apply(npuzzle.goal(3), "D"), "Warning: can't use this move - D"),
    (lambda: npuzzle.load("/nonexistent/board.txt"), "cannot be opened"),
    (lambda: npuzzle.load("/"), "is not a regular file"),
    (lambda: npuzzle.load(b"/nonexistent/\xff"), "/nonexistent/\\xff: cannot be opened"),
    (lambda: npuzzle.load("/nonexistent/\udcff"), "/nonexistent/\\xff: cannot be opened"),
    (lambda: npuzzle.study(methods=["nope"]), "no method 'nope'"),
    (lambda: npuzzle.study(methods=["solve", "solve\n"]), "no method 'solve\\n'"),
    (lambda: npuzzle.study(sides=[3, 200]), "side 200 is not from 3 to 100"),
    (lambda: npuzzle.study(sides=[2**63]), "side 9223372036854775808 is not from 3 to 100"),
    (lambda: npuzzle.study(boards=-1), "boards -1 is not from 1 to 1000000"),
    (lambda: npuzzle.study(boards=2**32 - 1), "boards 4294967295 is not from 1 to 1000000"),
    (lambda: npuzzle.study(jobs=-1), "jobs -1 is not from 0 to 1024"),
    (lambda: npuzzle.study(kind="sorted"), "no kind 'sorted'"),
    (lambda: npuzzle.study(kind="mixed\x00"), "no kind 'mixed\\x00'"),
    (lambda: npuzzle.study(sides=[]), "a study needs boards"),
    (lambda: npuzzle.study(boards=0), "boards 0 is not from 1 to 1000000"),
    (lambda: npuzzle.study(sides=[3], jobs=5000), "jobs 5000 is not from 0 to 1024"),
])
def test_bad_input_raises_value_error(call, message):
    with pytest.raises(ValueError) as error:
        call()
    assert message in str(error.value)


@pytest.mark.parametrize("call", [
    lambda: npuzzle.manhattan(None),
    lambda: npuzzle.is_solvable(None),
    lambda: npuzzle.lower_bound(None),
    lambda: npuzzle.apply(None, "U"),
    lambda: npuzzle.solve(None, "solve"),
])
def test_none_for_a_board_raises_type_error(call):
    with pytest.raises(TypeError):
        call()


class Index:
    """An int argument whose __index__ raises."""

    def __init__(self, error):
        self.error = error

    def __index__(self):
        raise self.error


def test_boards_from_numpy_arrays():
    numpy = pytest.importorskip("numpy")
    goal = npuzzle.goal(3)
    for tiles in (numpy.array(goal.tiles), numpy.array(goal.rows),
                  [numpy.array(row) for row in goal.rows], numpy.array(goal.rows, dtype=numpy.uint8)):
        assert npuzzle.Board(tiles) == goal
    with pytest.raises(ValueError, match="Error - board isn't n x n!"):
        npuzzle.Board(numpy.array([[1, 2, 3], [4, 5, 0]]))


@pytest.mark.parametrize("error", [KeyboardInterrupt(), ZeroDivisionError("in __index__")],
                         ids=repr)
@pytest.mark.parametrize("call", [
    lambda value: npuzzle.goal(value),
    lambda value: npuzzle.board(5, seed=value),
    lambda value: npuzzle.Board([1, 2, 3, value]),
    lambda value: npuzzle.study(sides=[value]),
], ids=["goal", "board", "Board", "study"])
def test_what_index_raises_reaches_the_caller(call, error):
    with pytest.raises(type(error)) as raised:
        call(Index(error))
    assert raised.value is error
    with pytest.raises(TypeError, match="incompatible (function|constructor) arguments"):
        call(3.0)


@pytest.mark.parametrize("moves, message", [
    ("x", "no move 'x' (U+0078) at index 0"),
    ("Ué", "no move 'é' (U+00E9) at index 1"),
    ("U\N{GRINNING FACE}", "no move '\N{GRINNING FACE}' (U+1F600) at index 1"),
    ("UL\n", "no move '\\n' (U+000A) at index 2"),
    ("U\x00x", "no move '\\x00' (U+0000) at index 1"),
    ("\ud800", "no move '\\ud800' (U+D800) at index 0"),
    ("UD" * 600 + "é", "no move 'é' (U+00E9) at index 1200"),
    (b"U\xc3\xa9", "no move b'\\xc3' at index 1"),
    (bytearray(b"Ux"), "no move b'x' at index 1"),
])
def test_letters_other_than_moves_are_named(moves, message):
    with pytest.raises(ValueError) as error:
        npuzzle.apply(npuzzle.goal(3), moves)
    assert str(error.value) == message + ": the moves are U, D, L and R"


def test_malformed_files_raise(tmp_path):
    cases = {"not-square.txt": "1 2 3", "empty.txt": "", "broken.xml": "<SBPuzzle Width=",
             "deep.xml": "<a>" * 100}
    for name, text in cases.items():
        (tmp_path / name).write_text(text)
        with pytest.raises(ValueError, match=name):
            npuzzle.load(str(tmp_path / name))


@pytest.mark.parametrize("name", ["no-folder/board.xml", "no/such\nfolder/x.xml",
                                  "no-folder/x.xml\n"])
def test_a_file_that_cannot_be_saved_is_named_whole(tmp_path, name):
    path = f"{tmp_path}/{name}"
    with pytest.raises(OSError) as error:
        npuzzle.save(npuzzle.goal(3), path)
    assert str(error.value) == "Failed to save file: " + path


@pytest.mark.parametrize("name, text, message", [
    ("twice.txt", "1 1 2 0", "as a 2 x 2 board, the values must be each of 0 ... 3 once: "
                             "1 comes twice"),
    ("no-blank.txt", "1 2 3 4", "4 is not one of them"),
    ("zeros.txt", "0 0 0 0", "0 comes twice"),
    ("commas.txt", "1,2,3,0", "as a 1 x 1 board, the values must be each of 0 ... 0 once: "
                              "1 is not one of them"),
    ("no-pieces.xml", '<SBPuzzle Width="2" Height="2"></SBPuzzle>', "0 comes twice"),
])
def test_files_of_no_permutation_raise(tmp_path, name, text, message):
    (tmp_path / name).write_text(text)
    with pytest.raises(ValueError) as error:
        npuzzle.load(str(tmp_path / name))
    assert str(error.value).startswith(f"{tmp_path / name}: ") and message in str(error.value)


def test_file_names_holding_nul_are_refused(tmp_path):
    board = npuzzle.goal(3)
    npuzzle.save(board, str(tmp_path / "ok.xml"))
    for call in (lambda: npuzzle.save(board, str(tmp_path / "x\x00y.xml")),
                 lambda: npuzzle.save(board, tmp_path / "x\x00y.xml"),
                 lambda: npuzzle.load(str(tmp_path / "ok.xml") + "\x00junk")):
        with pytest.raises(ValueError, match="embedded null byte"):
            call()
    assert [path.name for path in tmp_path.iterdir()] == ["ok.xml"]


class Named:
    """An os.PathLike that is no pathlib.Path."""

    def __init__(self, name):
        self.name = name

    def __fspath__(self):
        return self.name


# The second name is how os.listdir gives the bytes b"b\xff.xml", which are not UTF-8.
@pytest.mark.parametrize("name", ["board.xml", "b\udcff.xml"])
@pytest.mark.parametrize("given", [str, os.fsencode, pathlib.Path, Named,
                                   lambda path: Named(os.fsencode(path))],
                         ids=["str", "bytes", "Path", "PathLike", "PathLike-bytes"])
def test_file_names_are_taken_as_open_takes_them(tmp_path, name, given):
    board = npuzzle.board(4, "random", 1, 0)
    path = given(f"{tmp_path}/{name}")
    npuzzle.save(board, path)
    assert os.listdir(tmp_path) == [name]
    assert npuzzle.load(path) == board


@pytest.mark.parametrize("path", [None, 5, bytearray(b"board.xml")])
def test_what_open_refuses_for_a_name_is_refused(path):
    for call in (lambda: npuzzle.load(path), lambda: npuzzle.save(npuzzle.goal(3), path)):
        with pytest.raises(TypeError, match="expected str, bytes or os.PathLike object"):
            call()


def test_ctrl_c_stops_a_study():
    # Solved through, these boards take half a minute or more; Ctrl-C stops the study at the
    # caller's next board.
    threading.Timer(0.3, lambda: os.kill(os.getpid(), signal.SIGINT)).start()
    start = time.monotonic()
    with pytest.raises(KeyboardInterrupt):
        npuzzle.study(sides=[10], boards=300000, methods=["solve"], jobs=2)
    assert time.monotonic() - start < 10


def test_study_as_frame():
    try:
        import pandas  # noqa: F401
    except ImportError:
        with pytest.raises(ImportError, match="pandas"):
            npuzzle.study(sides=[3], boards=1, as_frame=True)
        return
    frame = npuzzle.study(sides=[3], boards=1, as_frame=True)
    assert list(frame.columns) == CSV_COLUMNS.split(",")
    assert len(frame) == len(npuzzle.methods())


EXAMPLE = pathlib.Path(__file__).resolve().parents[1] / "docs" / "examples" / "compare_methods.py"


def test_example_draws_a_figure(tmp_path):
    pytest.importorskip("matplotlib")
    figure = tmp_path / "compare.png"
    subprocess.run([sys.executable, str(EXAMPLE), "--sides", "3", "4", "--boards", "1",
                    "-o", str(figure)], check=True, timeout=120)
    assert figure.stat().st_size > 0


def test_example_draws_its_lines_from_left_to_right(tmp_path, monkeypatch):
    pytest.importorskip("matplotlib")
    monkeypatch.setattr(sys, "argv", ["compare_methods.py", "--sides", "5", "3", "4", "3",
                                      "--boards", "1", "-o", str(tmp_path / "compare.png")])
    figure = runpy.run_path(str(EXAMPLE), run_name="__main__")["figure"]
    for axes in figure.axes:
        lines = [list(line.get_xdata()) for line in axes.lines]
        assert lines == [[3, 4, 5]] * len(npuzzle.methods())


@pytest.mark.parametrize("arguments, code, message", [
    (["-o", "compare"], 2, "'compare': the picture's name must end in .eps, "),
    (["-o", "missing/compare.png"], 2, "'missing/compare.png': its folder does not exist"),
    (["--sides", "2", "-o", "compare.png"], 1, "compare_methods.py: side 2 is not from 3 to 100"),
])
def test_example_refuses_what_it_cannot_draw_in_one_line(tmp_path, arguments, code, message):
    pytest.importorskip("matplotlib")
    run = subprocess.run([sys.executable, str(EXAMPLE), "--boards", "1"] + arguments,
                         cwd=tmp_path, capture_output=True, text=True, timeout=120)
    assert run.returncode == code
    assert message in run.stderr and "Traceback" not in run.stderr
    assert os.listdir(tmp_path) == []
