// move_macros.h: the constant move sequences with which the solvers move tiles.
#pragma once

// Tile steps: with the blank on the named side of a tile (BR right, BL left, BA above, BB
// below), each moves the tile one step and leaves the blank on the same side of its new cell.
// LOW and HIGH name the row the blank passes through (below or above the tile); LEFT_BR passes
// below.
inline constexpr char UP_BR[] = "ULDRU";
inline constexpr char UP_BL[] = "URDLU";
inline constexpr char LEFT_BR[] = "DLLUR";
inline constexpr char LEFT_BR_HIGH[] = "ULLDR";
inline constexpr char LEFT_BL_LOW[] = "RDLLU";
inline constexpr char LEFT_BL_HIGH[] = "RULLD";
inline constexpr char RIGHT_BR_LOW[] = "LDRRU";
inline constexpr char RIGHT_BR_HIGH[] = "LURRD";
inline constexpr char RIGHT_BL_LOW[] = "DRRUL";
inline constexpr char RIGHT_BL_HIGH[] = "URRDL";
inline constexpr char DOWN_BL[] = "DRULD";
inline constexpr char DOWN_BR[] = "DLURD";
inline constexpr char UPRIGHT_BR[] = "LURDRU";
inline constexpr char UPRIGHT_BL[] = "URDRUL";
inline constexpr char UPLEFT_BR[] = "ULDLUR";
inline constexpr char UPLEFT_BL[] = "RULDLU";
inline constexpr char DOWNLEFT_BL[] = "RDLULD";
inline constexpr char DOWNLEFT_BR[] = "DLULDR";
inline constexpr char DOWNRIGHT_BR[] = "LDRURD";
inline constexpr char DOWNRIGHT_BL[] = "DRURDL";
inline constexpr char UP_BB_LEFT[] = "LUURD";

// Row and column tails: they finish the last two tiles of the first row or column.
inline constexpr char ROW_TAIL_CORNER[] = "ULDLURRDLULD";
inline constexpr char ROW_TAIL_SWAP[] = "LULDDRRULLURRD";
inline constexpr char ROW_TAIL_TURN[] = "URD";
/// Written in the first column's own frame (LineView::FirstColumn), where it does for the column
/// what ROW_TAIL_CORNER does for the row; on the board it reads "RDLLDRURDLLUR".
inline constexpr char COL_TAIL_CORNER[] = "DLUULDRDLUURD";

// Cycles: the blank walks around a 2 x 2 block beside it and returns, rotating its three tiles.
inline constexpr char CYCLE_UL_CW[] = "LURD";
inline constexpr char CYCLE_DR_CCW[] = "DRUL";
inline constexpr char CYCLE_UL_CCW[] = "ULDR";
