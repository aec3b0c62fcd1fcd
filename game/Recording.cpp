#include "Recording.h"

#include "Game.h"
#include "ScoreCardLayout.h"

records::GameRecord recordOf(const Game &game)
{
    const GameState &s = game.state();
    records::GameRecord record;
    for (int p = 1; p <= s.NumPlayers; ++p) {
        const auto slot = std::size_t(p);
        records::SeatRecord seat;
        seat.name = s.PlayerNames[slot];
        seat.kind = seatKindName(game.seatKind(p));
        seat.upperTotal = s.UpperTotal[slot];
        seat.bonus = game.top().textMatrix(layout::kTopBonus, p).toInt();
        seat.lowerTotal = s.LowerTotal[slot];
        seat.grandTotal = s.GrandTotal[slot];
        for (int c = 0; c < kCategoryCount; ++c)
            seat.entries[std::size_t(c)] = game.entry(p, Category(c)).toInt();
        record.seats.push_back(seat);
    }
    return record;
}
