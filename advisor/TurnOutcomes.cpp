#include "TurnOutcomes.h"

#include "DiceSets.h"
#include "RollTable.h"

#include <algorithm>

TurnOutcomes::TurnOutcomes(const OptimalPlay::TurnPlan &plan, int rollsMade, const Dice &dice)
{
    constexpr int kRolls = DiceSets::kRollCount;
    constexpr int kFirstRoll = DiceSets::kFirstRoll;
    const DiceSets &sets = DiceSets::instance();
    const RollTable &table = RollTable::instance();
    auto enter = [&](int roll, double chanceOfRoll) {
        const int c = int(plan.category[std::size_t(roll)]);
        chance[std::size_t(c)][std::size_t(table.score[std::size_t(roll)][std::size_t(c)])] +=
            chanceOfRoll;
    };

    // The chance of each roll showing after roll `made`.
    std::array<double, kRolls> rolls{};
    int made = rollsMade;
    if (made == 0) {
        for (int r = 0; r < kRolls; ++r)
            rolls[std::size_t(r)] = sets.rollChance(r);
        made = 1;
    } else {
        rolls[std::size_t(sets.rollOf(dice))] = 1.0;
    }
    for (; made < 3; ++made) {
        // Each roll goes to the card or to the dice it keeps; the kept dice then gain the rest
        // one die at a time, smaller sets first, so that a set has all it receives before it
        // passes it on.
        std::array<double, DiceSets::kSetCount> kept{};
        for (int r = 0; r < kRolls; ++r) {
            const std::int16_t keep = plan.keep[std::size_t(made - 1)][std::size_t(r)];
            if (keep == OptimalPlay::TurnPlan::kScoreNow)
                enter(r, rolls[std::size_t(r)]);
            else
                kept[std::size_t(keep)] += rolls[std::size_t(r)];
        }
        for (int k = 0; k < kFirstRoll; ++k) {
            const double share = kept[std::size_t(k)] / 6.0;
            if (share == 0.0)
                continue;
            for (std::uint16_t more : sets.withOneMore(k))
                kept[more] += share;
        }
        std::copy(kept.begin() + kFirstRoll, kept.end(), rolls.begin());
    }
    for (int r = 0; r < kRolls; ++r)
        if (rolls[std::size_t(r)] > 0.0)
            enter(r, rolls[std::size_t(r)]);
}
