#pragma once

#include "DecisionLog.h"

#include <optional>
#include <vector>

class OptimalPlay;

// A decision weighed by the advisor's table.
struct JudgedDecision
{
    Decision decision;
    // The best choice at that point, and the expected points the one made gave away: the worth of
    // the best choice minus the worth of the choice made, both from the same table (0 for a best
    // choice). None where the table has no answer (dice an edited file left blank).
    std::optional<Move> best;
    double lost = 0.0;
};

// The review of a game: every decision weighed, each seat's points given away, and the costliest
// decisions.
struct GameReview
{
    std::vector<JudgedDecision> decisions;  // in the order they were made
    std::vector<double> lostBySeat;         // by player index
    std::vector<int> costliest;  // up to three decisions (indices) that gave away most, most first
    bool partWay = false;        // the game was followed from a load part-way through
};

// Weighs every decision with the advisor's table, which must be ready; players is the number of
// seats. A few milliseconds for a whole game of six.
GameReview reviewGame(const std::vector<Decision> &decisions, int players, bool partWay,
                      const OptimalPlay &advisor);
