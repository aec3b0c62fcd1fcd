#pragma once

#include "Scoring.h"

#include <vector>

// One decision of a turn: the advisor's advice and a computer player's choice alike.
struct Move
{
    enum class Kind {
        Roll,   // before the first roll of a turn: there is nothing to choose yet
        Keep,   // keep keepFaces, roll the other dice
        Score,  // enter the dice in category now, ending the turn
    };
    Kind kind = Kind::Roll;
    // Keep only: fewer than five of the dice's faces, ascending; empty means roll all five.
    std::vector<int> keepFaces;
    // Score only: a free category.
    Category category = Category::Chance;

    bool operator==(const Move &) const = default;
};

// The best move at a position, and what it is worth.
struct Advice : Move
{
    // Score only: what the dice score there.
    int points = 0;
    // The position's points so far plus the expected points still to come with best play from
    // here, the upper bonus included when it is still to be earned.
    double expectedFinal = 0.0;
};
