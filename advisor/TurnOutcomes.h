#pragma once

#include "OptimalPlay.h"

#include <array>

// How a turn played by a plan ends: the chance of each category being entered with each number of
// points. The chances add up to 1; a category the plan never enters has none.
struct TurnOutcomes
{
    // No category scores more.
    static constexpr int kMostPoints = kKelbruneScore;

    // From the start of a turn (rollsMade 0, `dice` not read) or after roll rollsMade (1..3)
    // showing `dice` (faces 1..6, in any order).
    TurnOutcomes(const OptimalPlay::TurnPlan &plan, int rollsMade = 0, const Dice &dice = {});

    // By category, then points (0..kMostPoints).
    std::array<std::array<double, kMostPoints + 1>, kCategoryCount> chance{};
};
