"""plot_study_test.py: the study's figure: what it reads, what it states, where its key is."""
import io
import os
import sys

import pytest

matplotlib = pytest.importorskip("matplotlib")
sys.path.insert(0, os.path.dirname(__file__))
import plot_study  # noqa: E402

HEADER = "side,kind,seed,index,file,method,status,length,optimized,manhattan,lower_bound,ms\n"
ROW = "5,random,7,0,,solve,solved,100,100,50,50,1.000\n"


def rows(kind, side, method, optimized, bound, ms, index=0, status="solved"):
    return "%d,%s,7,%d,,%s,%s,%d,%d,%d,%d,%.3f\n" % (side, kind, index, method, status,
                                                    optimized, optimized, bound, bound, ms)


def study_lines():
    lines = ["# study: metadata the reader skips\n", HEADER]
    for index, (length, ms) in enumerate([(100, 1.0), (120, 2.0), (140, 3.0), (160, 4.0)]):
        lines.append(rows("random", 5, "solve", length, 50, ms, index))
        lines.append(rows("random", 5, "solve2", length - 10, 50, ms, index))
        lines.append(rows("near", 10, "solve", length * 2, 100, ms, index))
    # A refused or failed board counts for the boards, not for the method's lengths.
    lines.append(rows("near", 10, "solve2", 0, 100, 0.5, 0, status="failed"))
    return lines


def test_reads_groups_by_kind_and_skips_the_description():
    study = plot_study.read_study(study_lines())
    assert study.kinds() == ["near", "random"]
    assert study.methods == ["solve", "solve2"]
    assert [r[0] for r in study.solved["random"]["solve2"][5]] == [90, 110, 130, 150]
    assert "solve2" not in study.solved["near"] or not study.solved["near"]["solve2"][10]
    assert study.boards_per_side() == "4"


def test_only_the_description_before_the_header_is_skipped():
    # A quoted file name may hold a line break followed by '#'.
    text = ('# files: nl/a%0A#b.txt\n' + HEADER
            + '3,file,,0,"nl/a\n#b.txt",solve,solved,4,4,4,4,0.020\n')
    study = plot_study.read_study(io.StringIO(text, newline=""))
    assert list(study.boards["file"][3]) == [("", "0", "nl/a\n#b.txt")]
    assert study.solved["file"]["solve"][3] == [(4, 4, 0.02)]


def test_reads_a_file_that_begins_with_a_byte_order_mark(tmp_path):
    path = tmp_path / "bom.csv"
    path.write_bytes(("\ufeff" + HEADER + ROW).encode())
    assert plot_study.load_study(str(path)).kinds() == ["random"]


@pytest.mark.parametrize("content, message", [
    # The line counts the description and the line break in a file's name.
    ("# study\n" + HEADER + '5,file,,0,"a\n#b",solve,solved,4,4,4,4,0.020\n'
     + "5,random,7,1,,solve,solved,100,100,50\n", "line 5: 10 fields, where the header has 12"),
    (HEADER.replace(",ms", "") + ROW.replace(",1.000", ""), "line 1: the header has no column ms"),
    (HEADER + ROW.replace("5,", "0,", 1), "line 2: side is '0', not a whole number from 1"),
    (HEADER + ROW.replace(",100,", ",,", 1), "line 2: length is '', not a whole number"),
    (HEADER + ROW.replace(",50,", ",x,", 1), "line 2: manhattan is 'x', not a whole number"),
    (HEADER + ROW.replace("1.000", "inf"), "line 2: ms is 'inf', not a number"),
    (HEADER + ROW.replace(",7,0,", ",7,abc,"), "line 2: index is 'abc', not a whole number"),
    (HEADER + ROW.replace(",7,0,", ",-7,0,"), "line 2: seed is '-7', not a whole number"),
    (HEADER + ROW.replace("random", "sorted"),
     "line 2: kind is 'sorted', not one of random, near, partly-home, file"),
    (HEADER + ROW.replace("1.000", "1e309"), "line 2: ms is '1e309', not a number"),
    (HEADER + ROW.replace("1.000", "1" + "0" * 305), "line 2: ms is '1000"),
    (HEADER.encode() + b"\x89PNG\x00\xff\n", "line 2: not UTF-8 text"),
    ("", "no boards in"),
    (None, "cannot read"),
], ids=["short-row", "no-ms", "side-0", "empty", "word", "inf", "index", "seed", "kind", "1e309",
        "1e305", "binary", "no-rows", "no-file"])
def test_a_file_that_is_not_a_study_s_gets_one_line_that_says_where(tmp_path, capsys, content,
                                                                      message):
    path = tmp_path / "bad.csv"
    if content is not None:
        path.write_bytes(content if isinstance(content, bytes) else content.encode())
    assert plot_study.main([str(path), "-o", str(tmp_path / "study.svg")]) == 1
    error = capsys.readouterr().err
    assert error.startswith("plot_study.py: ") and message in error and str(path) in error
    assert error.count("\n") == 1
    assert not (tmp_path / "study.svg").exists()


def test_series_give_mean_and_percentile_band():
    study = plot_study.read_study(study_lines())
    sides, means, lows, highs = plot_study.series(study.solved["random"]["solve"],
                                                  plot_study.length_per_bound)
    assert sides == [5]
    assert means[0] == pytest.approx(130 / 50)
    assert lows[0] < means[0] < highs[0]
    assert lows[0] == pytest.approx((100 + 0.15 * 20) / 50)


def test_figure_states_the_study_and_keeps_its_key_off_the_data(tmp_path):
    study = plot_study.read_study(study_lines())
    figure, legend = plot_study.draw(study, str(tmp_path / "study.svg"))
    caption = figure._suptitle.get_text()
    for words in ("kind: near, random", "boards per side and kind: 4", "seed 7",
                  "5th to 95th percentile", "CPU time of one thread"):
        assert words in caption
    # One row of three panels per kind.
    assert len(figure.axes) == 6
    renderer = figure.canvas.get_renderer()
    key = legend.get_window_extent(renderer)
    for axes in figure.axes:
        assert not key.overlaps(axes.get_window_extent(renderer))
    labels = [text.get_text() for text in legend.get_texts()]
    # solve2 solved no board of the first kind, near, and is in the key all the same.
    assert labels[:4] == ["boards' mean lower bound", "boards' mean Manhattan distance", "solve",
                          "solve2"]
    assert (tmp_path / "study.svg").stat().st_size > 0


def test_a_method_that_solved_no_board_is_in_the_key_and_says_so(tmp_path):
    lines = [HEADER, ROW, ROW.replace("solve,solved", "solve2,refused")]
    _, legend = plot_study.draw(plot_study.read_study(lines), str(tmp_path / "study.svg"))
    labels = [text.get_text() for text in legend.get_texts()]
    assert labels[2:4] == ["solve", "solve2 (solved none)"]


@pytest.mark.parametrize("output, message", [
    ("results", "cannot tell a picture's format from the name 'results': it must end in .eps"),
    ("", "cannot tell a picture's format from the name ''"),
    ("study.pgf", "cannot tell a picture's format"),
    ("results.svg", "results.svg is a folder"),
    ("missing/study.svg", "the folder missing does not exist"),
])
def test_a_picture_that_cannot_be_written_as_named_is_refused_before_drawing(
        tmp_path, capsys, monkeypatch, output, message):
    monkeypatch.chdir(tmp_path)
    os.mkdir("results")
    os.mkdir("results.svg")
    with open("study.csv", "w") as file:
        file.writelines(study_lines())
    monkeypatch.setattr(plot_study, "draw", lambda *args: pytest.fail("it drew"))
    assert plot_study.main(["study.csv", "-o", output]) == 1
    error = capsys.readouterr().err
    assert error.startswith("plot_study.py: " + message) and error.count("\n") == 1
    assert sorted(os.listdir()) == ["results", "results.svg", "study.csv"]


def test_writes_the_format_that_the_name_ends_in(tmp_path):
    study = tmp_path / "study.csv"
    study.write_text("".join(study_lines()))
    assert plot_study.main([str(study), "-o", str(tmp_path / "study.JPG")]) == 0
    assert (tmp_path / "study.JPG").read_bytes()[:2] == b"\xff\xd8"


# Also under a name of the longest length, which leaves little room for a temporary name.
@pytest.mark.parametrize("older, picture", [(b"older picture", "study.svg"), (None, "study.svg"),
                                            (b"older picture", "s" * 251 + ".svg")])
def test_a_failed_write_leaves_no_part_and_the_older_picture_whole(tmp_path, capsys, monkeypatch,
                                                                   older, picture):
    monkeypatch.chdir(tmp_path)
    with open("study.csv", "w") as file:
        file.writelines(study_lines())
    if older is not None:
        with open(picture, "wb") as file:
            file.write(older)

    def full_disk(figure, name, **options):  # writes a part, then runs out of room
        with open(name, "w") as file:
            file.write("<svg")
        raise OSError(28, "No space left on device")
    monkeypatch.setattr(matplotlib.figure.Figure, "savefig", full_disk)
    assert plot_study.main(["study.csv", "-o", picture]) == 1
    assert capsys.readouterr().err == (
        "plot_study.py: cannot write %s: No space left on device\n" % picture)
    assert sorted(os.listdir()) == sorted(["study.csv"] + ([picture] if older else []))
    if older:
        with open(picture, "rb") as file:
            assert file.read() == older
