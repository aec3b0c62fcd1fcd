#pragma once

#include "GameState.h"
#include "Scoring.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace records {

// The kind of a seat that a person plays.
inline const QString kHumanKind = seatKindName(SeatKind::Human);

// One seat of a finished game, as its column of the score card ended.
struct SeatRecord
{
    QString name;
    // kHumanKind, or the computer's strength: "Beginner", "Casual", "Strong", "Perfect".
    QString kind = kHumanKind;
    int upperTotal = 0;  // without the bonus
    int bonus = 0;       // 0 or 35
    int lowerTotal = 0;
    int grandTotal = 0;
    std::array<int, kCategoryCount> entries{};  // in the order of Category
    // The expected points the seat's decisions gave away, by the advisor's table; none when not
    // every decision was seen (a game loaded part-way) or for games recorded before it was kept.
    std::optional<double> pointsLost;
};

constexpr std::size_t kMaxSeats = std::size_t(kMaxPlayers);

// One finished game: when it ended and its seats in seat order (1 to kMaxSeats of them).
struct GameRecord
{
    QDateTime endedAt;
    std::vector<SeatRecord> seats;

    bool seatCountFits() const { return !seats.empty() && seats.size() <= kMaxSeats; }
};

// A finished game on the table as its record: each seat's name, kind, totals, bonus and the
// thirteen entries. The time and the points given away are left for the caller.
GameRecord recordOf(const GameState &state);

}  // namespace records
