# test_animate_solution.py: the animation's frames follow the solution to the goal.
import importlib.util
import math
import os
import pathlib
import shutil
import subprocess
import sys

import pytest

import npuzzle

SCRIPT = pathlib.Path(__file__).resolve().parents[1] / "scripts" / "animate_solution.py"
script = importlib.util.spec_from_file_location("animate_solution", SCRIPT)
animate_solution = importlib.util.module_from_spec(script)
script.loader.exec_module(animate_solution)


@pytest.mark.parametrize("side, kind, method, every, max_frames", [
    (5, "random", "solve", 1, 1000),
    (6, "near", "solve2", 7, 1000),
    (8, "partly-home", "solve3", 1, 40),
])
def test_frames_follow_the_solution_to_the_goal(side, kind, method, every, max_frames):
    board = npuzzle.board(side, kind, 2, 0)
    solution = npuzzle.solve(board, method)
    moves = solution.moves
    step = animate_solution.step_for(len(moves), every, max_frames)
    frames = list(animate_solution.frames(board, moves, solution.finish_side, step))
    assert len(frames) == 1 + math.ceil(len(moves) / step) <= max_frames
    assert step >= every
    assert [f.done for f in frames[:-1]] == list(range(0, len(moves), step))
    assert frames[-1].done == len(moves)
    assert frames[0].board == board
    assert frames[-1].board == npuzzle.goal(side) and frames[-1].line == "solved"
    for before, after in zip(frames, frames[1:]):
        assert after.board == npuzzle.apply(before.board, moves[before.done:after.done])
        # The highlighted tile stands where the blank was before the last letter.
        last = npuzzle.apply(before.board, moves[before.done:after.done - 1])
        assert after.board.tiles[last.blank] == after.moved != 0
        assert after.rows >= before.rows and after.cols >= before.cols


def test_no_cell_is_drawn_home_that_is_not():
    # solve2 takes tiles away from lines that were home from the start, before their turn.
    board = npuzzle.board(8, "near", 1, 0)
    solution = npuzzle.solve(board, "solve2")
    for frame in animate_solution.frames(board, solution.moves, solution.finish_side, 1):
        cells = set(frame.line_cells)
        for index, tile in enumerate(frame.board.tiles):
            if animate_solution.role_of(frame, index, cells) == "placed":
                assert tile == index + 1, (frame.done, index)


@pytest.mark.parametrize("method, seed, lines", [
    ("solve", 1, "row 1, column 1, row 2, column 2, row 3, column 3, the last 3 x 3 by search"),
    # solve3 places some columns before their rows.
    ("solve3", 2, "row 1, column 1, column 2, row 2, the last 4 x 4 by search"),
])
def test_lines_come_in_the_reduction_s_order_each_home_before_the_next(method, seed, lines):
    board = npuzzle.board(6, "random", seed, 0)
    solution = npuzzle.solve(board, method)
    shown = []
    for frame in animate_solution.frames(board, solution.moves, solution.finish_side, 1):
        if not shown or shown[-1].line != frame.line:
            if shown and shown[-1].line.startswith("placing"):
                assert all(frame.board.tiles[i] == i + 1 for i in shown[-1].line_cells)
            shown.append(frame)
    words = [f.line.replace("placing ", "").replace("solving ", "") for f in shown]
    assert ", ".join(words) == lines + ", solved"


@pytest.mark.parametrize("side, method", [(3, "solve3"), (8, "solve3"), (10, "solve")])
def test_captions_fit_in_every_frame(side, method):
    pytest.importorskip("PIL")
    board = npuzzle.board(side, "random", 1, 0)
    solution = npuzzle.solve(board, method)
    images = [animate_solution.render(f, len(solution.moves), method) for f in
              animate_solution.frames(board, solution.moves, solution.finish_side, 25)]
    assert len({image.size for image in images}) == 1
    for image in images:
        # Nothing but background at the right edge of the captions: no text cut off there.
        edge = image.crop((image.width - 3, 0, image.width, 44))
        assert set(edge.getdata()) == {animate_solution.INDEX["background"]}


def frames_in(path):
    """The frames of a GIF (Pillow) or of a video (ffprobe)."""
    if path.suffix == ".gif":
        from PIL import Image
        with Image.open(path) as gif:
            return gif.n_frames
    return int(subprocess.run(
        ["ffprobe", "-v", "error", "-count_frames", "-select_streams", "v:0", "-show_entries",
         "stream=nb_read_frames", "-of", "csv=p=0", str(path)],
        capture_output=True, text=True, check=True).stdout)


@pytest.mark.parametrize("suffix, needs", [(".gif", "PIL"), (".mp4", "ffmpeg")])
def test_file_has_a_frame_per_step(tmp_path, suffix, needs):
    pytest.importorskip("PIL")
    if needs == "ffmpeg" and not (shutil.which("ffmpeg") and shutil.which("ffprobe")):
        pytest.skip("no ffmpeg")
    board = npuzzle.board(4, "random", 3, 0)
    path = tmp_path / f"solve{suffix}"
    count = animate_solution.animate(board, "solve2", path, every=3, max_frames=50)
    assert count == 1 + math.ceil(len(npuzzle.solve(board, "solve2").moves) / 3)
    assert frames_in(path) == count


@pytest.mark.parametrize("arguments, message", [
    (["--fps", "0"], "argument --fps: 0 is not from 1 to 100"),
    (["--seed", "1.5"], "argument --seed: '1.5' is not a whole number"),
    (["--seed", "-1"], "argument --seed: '-1' is not a whole number"),
    (["--side", "3_0"], "argument --side: '3_0' is not a whole number"),
    (["--side", "\uff13\uff10"], "argument --side: '\uff13\uff10' is not a whole number"),
    (["--side", " 5"], "argument --side: ' 5' is not a whole number"),
    (["--index", "99999999999"], "argument --index: 99999999999 is not from 0 to 999999"),
    (["--every", "0"], "argument --every: 0 is below 1"),
    (["-o", "a.png"], "argument -o/--output: cannot write 'a.png': the name must end in .gif or "
                      ".mp4"),
    (["-o", ""], "argument -o/--output: cannot write '': the name must end in .gif or .mp4"),
    (["-o", "missing/a.gif"], "argument -o/--output: the folder missing does not exist"),
])
def test_arguments_out_of_range_are_usage_errors(tmp_path, monkeypatch, capsys, arguments,
                                                 message):
    monkeypatch.chdir(tmp_path)
    with pytest.raises(SystemExit) as stop:
        animate_solution.main(["--side", "4", "-o", "a.gif"] + arguments)
    assert stop.value.code == 2
    assert capsys.readouterr().err.endswith("animate_solution.py: error: " + message + "\n")
    assert os.listdir() == []


def test_a_file_that_holds_no_board_ends_in_one_line(tmp_path, monkeypatch):
    monkeypatch.chdir(tmp_path)
    pathlib.Path("odd.txt").write_text("1 2 3")
    for name, message in [("", ": cannot be opened"),
                          ("odd.txt", "odd.txt: Error - board isn't n x n!")]:
        with pytest.raises(SystemExit) as stop:
            animate_solution.main(["--file", name, "-o", "a.gif"])
        assert stop.value.code == "animate_solution.py: " + message
        assert os.listdir() == ["odd.txt"]


# A stand-in for ffmpeg that writes part of its file and fails, as it does on a full disk.
FAILING_FFMPEG = """#!/bin/sh
for last; do :; done
printf partial > "$last"
cat > /dev/null
exit 1
"""


@pytest.mark.parametrize("suffix", [".gif", ".mp4"])
def test_failed_write_leaves_the_older_file_whole(tmp_path, suffix):
    pytest.importorskip("PIL")
    import resource
    tools = tmp_path / "tools"
    tools.mkdir()
    (tools / "ffmpeg").write_text(FAILING_FFMPEG)
    (tools / "ffmpeg").chmod(0o755)
    env = dict(os.environ, PYTHONPATH=os.path.dirname(npuzzle.__file__),
               PATH=f"{tools}{os.pathsep}{os.environ['PATH']}")
    out = tmp_path / "out"
    out.mkdir()
    (out / f"solve{suffix}").write_text("older")

    def small_disk():  # the GIF runs out of room after 4 kB
        resource.setrlimit(resource.RLIMIT_FSIZE, (4096, 4096))
    run = subprocess.run([sys.executable, str(SCRIPT), "--side", "4", "--max-frames", "20", "-o",
                          f"solve{suffix}"],
                         cwd=out, env=env, capture_output=True, text=True,
                         preexec_fn=small_disk if suffix == ".gif" else None)
    assert run.returncode == 1
    assert run.stderr.endswith(("File too large\n", "ffmpeg failed\n"))
    assert os.listdir(out) == [f"solve{suffix}"]
    assert (out / f"solve{suffix}").read_bytes() == b"older"
