#pragma once

#include <array>
#include <optional>

// The thirteen categories of the score card and their scoring rules. The one definition of the
// rules: the window's score entry and the advisor both score through these functions.
enum class Category {
    Aces, Twos, Threes, Fours, Fives, Sixes,
    ThreeOfAKind, FourOfAKind, FullHouse, SmallStraight, LargeStraight, Kelbrune, Chance
};
constexpr int kCategoryCount = 13;

// Five faces, each 1..6 after a roll (0 before the first roll of a turn).
using Dice = std::array<int, 5>;

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

// The category of a row of the upper grid (1..6) or of the lower grid (1..7); none for headings
// and totals.
std::optional<Category> topRowCategory(int row);
std::optional<Category> bottomRowCategory(int row);
// The row of a category: 1..6 in the upper grid, 1..7 in the lower.
constexpr int categoryRow(Category c) { return isUpper(c) ? int(c) + 1 : int(c) - 5; }
