#include "RollTable.h"

RollTable::RollTable()
{
    const DiceSets &sets = DiceSets::instance();
    for (int r = 0; r < DiceSets::kRollCount; ++r) {
        const Dice dice = sets.rollDice(r);
        for (int c = 0; c < kCategoryCount; ++c)
            score[std::size_t(r)][std::size_t(c)] = categoryScore(Category(c), dice);
        for (int f = 1; f <= 6; ++f)
            faceCount[std::size_t(r)][std::size_t(f)] =
                std::uint8_t(sets.count(DiceSets::kFirstRoll + r, f));
    }
}

const RollTable &RollTable::instance()
{
    static const RollTable table;
    return table;
}
