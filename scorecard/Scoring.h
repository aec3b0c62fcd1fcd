#pragma once

#include <array>

// The game's numbers, named once.
constexpr int kDiceCount = 5;
constexpr int kFaces = 6;  // a die shows 1..kFaces
constexpr int kRollsPerTurn = 3;
constexpr int kMaxPlayers = 6;

// The thirteen categories of the score card and their scoring rules. The one definition of the
// rules: the game, the advisor and the computer players all score through these functions.
enum class Category {
    Aces, Twos, Threes, Fours, Fives, Sixes,
    ThreeOfAKind, FourOfAKind, FullHouse, SmallStraight, LargeStraight, Kelbrune, Chance
};
constexpr int kCategoryCount = 13;
// A game lasts as many rounds as a card has categories: each turn fills one.
constexpr int kRounds = kCategoryCount;

// Five faces, each 1..6 after a roll (0 before the first roll of a turn).
using Dice = std::array<int, kDiceCount>;

constexpr bool isUpper(Category c) { return int(c) < 6; }

// The upper bonus: kUpperBonus points once the upper section's sum reaches kUpperBonusAt.
constexpr int kUpperBonusAt = 63;
constexpr int kUpperBonus = 35;
constexpr bool earnsUpperBonus(int upperSum) { return upperSum >= kUpperBonusAt; }
// What five of a kind scores in its own category.
constexpr int kKelbruneScore = 50;

// Length of the run of consecutive faces found by sorting the dice and scanning from the lowest
// face and from the second lowest; 0 when no run of four can exist. At least 4 exactly when four
// consecutive faces are present, 5 for a large straight.
int StraightLength(const Dice &dice);

// The points the dice score in a category (0..50).
int categoryScore(Category category, const Dice &dice);

// Whether some roll of five dice scores exactly these points in the category.
bool isPossibleScore(Category category, int points);
