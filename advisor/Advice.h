#pragma once

#include "Scoring.h"

#include <vector>

// The best move at a position, and what it is worth.
struct Advice
{
    enum class Kind {
        Roll,   // before the first roll of a turn: there is nothing to choose yet
        Keep,   // keep keepFaces, roll the other dice
        Score,  // enter the dice in category now, for points
    };
    Kind kind = Kind::Roll;
    // Keep only: the faces to keep, ascending; empty means roll all five.
    std::vector<int> keepFaces;
    // Score only.
    Category category = Category::Chance;
    int points = 0;
    // The position's points so far plus the expected points still to come with best play from
    // here, the upper bonus included when it is still to be earned.
    double expectedFinal = 0.0;
};
