#pragma once

#include "ScoreSheet.h"
#include "Scoring.h"
#include "Turn.h"

#include <cstdint>

// The bit of a category in Position::usedMask.
constexpr std::uint16_t usedBit(Category category)
{
    return std::uint16_t(1u << int(category));
}
constexpr std::uint16_t kAllCategoriesUsed = (1u << kCategoryCount) - 1;

// One player's point of a game, as the advisor needs it.
struct Position
{
    // The categories already entered on the card, one usedBit() each.
    std::uint16_t usedMask = 0;
    // The sum of the entries in the six upper categories, bonus not included; not capped.
    int upperSum = 0;
    // The card's grand total so far: every entry, plus the 35 once the upper sum has reached 63.
    int pointsSoFar = 0;
    // Rolls made in the current turn, 0..3.
    int rollsMade = 0;
    // The five faces (1..6) once rollsMade > 0; ignored before the first roll. Which dice are held
    // plays no part: the advice chooses among every set of dice that could be kept.
    Dice dice{};
};

// Whether the advisor and the computer players take a position: bits within the thirteen
// categories and not all of them, rollsMade 0..3, faces 1..6 after a roll, an upper sum of 0 or
// more.
inline bool withinLimits(const Position &p)
{
    if ((p.usedMask & ~kAllCategoriesUsed) != 0 || p.usedMask == kAllCategoriesUsed)
        return false;
    if (p.rollsMade < 0 || p.rollsMade > 3 || p.upperSum < 0)
        return false;
    if (p.rollsMade > 0)
        for (int face : p.dice)
            if (face < 1 || face > 6)
                return false;
    return true;
}

// A player's point of the game: the card of the sheet, and the turn's rolls and dice (for a player
// who is not to move, an empty turn: the start of the next one).
Position positionOf(const ScoreSheet &sheet, const Turn &turn = {});
