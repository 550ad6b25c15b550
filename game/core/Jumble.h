#pragma once

#include "Position.h"

class RandomSource;

constexpr int SliderJumbleSteps = 10000;

// A random arrangement of n x n tiles in mode, drawn from random without seeding it (the caller
// seeds). Tile swap deals a permutation, column by column, redrawing a tile already dealt.
// Slider makes SliderJumbleSteps random slides from the solved picture (a draw landing on the
// hole still counts as a step), then brings the hole back to the bottom-right corner, so every
// jumble can be solved. Neither depends on the arrangement before.
Position Jumble(int n, GameMode mode, RandomSource& random);
