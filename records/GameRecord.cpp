#include "GameRecord.h"

namespace records {

GameRecord recordOf(const GameState &state)
{
    GameRecord record;
    for (const Player &player : state.players) {
        SeatRecord seat;
        seat.name = player.seat.name;
        seat.kind = seatKindName(player.seat.kind);
        seat.upperTotal = player.sheet.upperSum();
        seat.bonus = player.sheet.bonus();
        seat.lowerTotal = player.sheet.lowerTotal();
        seat.grandTotal = player.sheet.grandTotal();
        for (int c = 0; c < kCategoryCount; ++c)
            seat.entries[std::size_t(c)] = player.sheet.entry(Category(c)).value_or(0);
        record.seats.push_back(seat);
    }
    return record;
}

}  // namespace records
