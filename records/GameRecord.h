#pragma once

#include "GameState.h"
#include "Scoring.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

namespace records {

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
    std::array<int, kCategoryCount> entries{};  // in the order of Category
};

// One finished game: when it ended and its seats in seat order (1 to 6 of them).
struct GameRecord
{
    QDateTime endedAt;
    std::vector<SeatRecord> seats;
};

// A finished game on the table as its record: each seat's name, kind, totals, bonus and the
// thirteen entries. The time is left for the store to stamp.
GameRecord recordOf(const GameState &state);

}  // namespace records
