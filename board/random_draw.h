// random_draw.h: the one pseudo-random generator that random moves and random boards share.
#pragma once

/// Highest value that DrawRandom returns.
constexpr int RANDOM_DRAW_MAX = 32767;

/// Seeds the generator; the program does this once, from the calendar time.
void SeedRandom(unsigned seed);
/// Next draw, uniform over 0 ... RANDOM_DRAW_MAX whatever the C library's RAND_MAX.
int DrawRandom();
