// masked_text.h: program output with its measured times replaced, for exact comparisons.
#pragma once

#include <string>

/// The text with the two times of every solve's time line replaced by T:
/// "\nSolved in T seconds ( T of it solving 3x3 puzzle)".
std::string MaskTimes(const std::string& text);
