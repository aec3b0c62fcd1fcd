#pragma once

#include "Scoring.h"

// The turn of the player to move: the five dice, which of them are set aside, and the rolls made.
struct Turn
{
    Dice faces{};                         // 1..6 once rolled this turn, 0 before the first roll
    std::array<bool, kDiceCount> held{};  // die i is set aside and will not be rolled
    int rollsMade = 0;                    // 0..kRollsPerTurn

    bool operator==(const Turn &) const = default;
};
