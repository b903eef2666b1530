// solution_optimizer.h: removing the moves of a solution that undo the move before them.
#pragma once

#include "board/board.h"

/// The sequence with every adjacent pair of opposite letters removed, nested pairs included;
/// any other character is kept and separates the letters around it.
MoveSequence OptimizeSolution(const MoveSequence& sequence);
/// The length of OptimizeSolution of the length letters at letters; scratch is working storage
/// that the caller keeps, to save an allocation per call.
size_t OptimizedLength(const char* letters, size_t length, MoveSequence& scratch);
