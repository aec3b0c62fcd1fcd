#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace records {

// The thirteen categories in the order of SeatRecord::entries.
inline constexpr int kCategories = 13;
inline constexpr std::array<const char *, kCategories> kCategoryNames = {
    "Aces",      "Twos",        "Threes",      "Fours",       "Fives",
    "Sixes",     "3 of a kind", "4 of a kind", "Full House",  "Sm Straight",
    "Lg Straight", "Kelbrune",  "Chance"};
inline constexpr int kKelbruneEntry = 11;
// What a Kelbrune entry scores.
inline constexpr int kKelbruneScore = 50;

// One seat of a finished game, as its column of the score card ended.
struct SeatRecord
{
    QString name;
    // "Human", or the computer's strength: "Beginner", "Casual", "Strong", "Perfect".
    QString kind = QStringLiteral("Human");
    int upperTotal = 0;  // without the bonus
    int bonus = 0;       // 0 or 35
    int lowerTotal = 0;
    int grandTotal = 0;
    std::array<int, kCategories> entries{};
};

// One finished game: when it ended and its seats in seat order (1 to 6 of them).
struct GameRecord
{
    QDateTime endedAt;
    std::vector<SeatRecord> seats;
};

}  // namespace records
