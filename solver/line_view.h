// line_view.h: a line of the board seen in its own frame, so that one text fills rows and columns.
#pragma once

#include <initializer_list>

#include "solver/solver.h"

/// The solver's board seen so that the line being filled is the view's row 0, from column 0,
/// the rest below it; rows, columns and letters given to a view are the view's own.
class LineView {
 public:
  /// The first row of the board, as it lies.
  static LineView FirstRow(Solver& solver);
  /// Column 0 below row 0, turned a quarter: view row r is board column r and view column c is
  /// board row n-1-c, so the line is filled from the bottom up and row 0 lies beyond its end.
  static LineView FirstColumn(Solver& solver);

  /// The number of cells of the line.
  int Width() const { return width; }
  /// The board's row and column of a view cell.
  void ToBoard(int row, int col, int& boardRow, int& boardCol) const {
    boardRow = originRow + row * rowDown + col * rowRight;
    boardCol = originCol + row * colDown + col * colRight;
  }
  /// The view's row and column of a board cell.
  void FromBoard(int boardRow, int boardCol, int& row, int& col) const {
    // The frame's steps are unit steps at right angles: each coordinate is a projection.
    const int rows = boardRow - originRow, cols = boardCol - originCol;
    row = rows * rowDown + cols * colDown;
    col = rows * rowRight + cols * colRight;
  }
  /// The tile at a view cell; -1 off the board.
  int TileAt(int row, int col) const {
    int boardRow, boardCol;
    ToBoard(row, col, boardRow, boardCol);
    return solver->Current().TileAt(boardRow, boardCol);
  }
  /// The tile whose home is the view cell.
  int HomeTile(int row, int col) const {
    int boardRow, boardCol;
    ToBoard(row, col, boardRow, boardCol);
    return boardRow * static_cast<int>(solver->Current().Side()) + boardCol + 1;
  }
  /// The view cell of tile t.
  void FindTile(int t, int& row, int& col) const;
  /// The view cell of the blank.
  void FindBlank(int& row, int& col) const;

  /// Applies a text written in the view's directions.
  void DoMoves(std::initializer_list<MovePiece> text) const { solver->DoMoves(text, *view); }

  // Routing the blank and a tile, in the view
  /// Whether MoveBlankStraight runs along the view's row first: it runs along the board's column
  /// first, whatever the frame.
  bool AcrossFirst() const { return RowStep(view->right) != 0; }
  /// Moves the blank to the view cell in two straight runs, the first as AcrossFirst says.
  void MoveBlankStraight(int row, int col) const;
  /// Leaves the blank directly right ('R') or left ('L') of the tile; a blank arriving from the
  /// other side pushes it a cell towards that side.
  void BringBlankBeside(char side, int blankCol, int blankRow, int& tileRow, int& tileCol) const;
  /// BringBlankBeside on the right.
  void BringBlankRight(int blankCol, int blankRow, int& tileRow, int& tileCol) const {
    BringBlankBeside('R', blankCol, blankRow, tileRow, tileCol);
  }

 private:
  LineView(Solver& solver, const Orientation& view, int originRow, int originCol, int width)
      : solver(&solver),
        view(&view),
        originRow(originRow),
        originCol(originCol),
        width(width),
        rowDown(RowStep(view.down)),
        rowRight(RowStep(view.right)),
        colDown(ColStep(view.down)),
        colRight(ColStep(view.right)) {}

  Solver* solver;
  const Orientation* view;
  /// The board cell of the view's (0, 0).
  int originRow;
  int originCol;
  int width;
  /// The board's row and column steps of the view's steps down and right, looked up once.
  int rowDown, rowRight, colDown, colRight;
};
