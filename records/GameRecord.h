#pragma once

#include "Scoring.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace records {

// SeatRecord::entries holds the thirteen categories in the order of Category.
inline constexpr int kCategories = kCategoryCount;
inline constexpr int kKelbruneEntry = int(Category::Kelbrune);

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
