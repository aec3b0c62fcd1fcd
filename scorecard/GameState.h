#pragma once

#include "ScoreSheet.h"
#include "Seat.h"
#include "Turn.h"

#include <vector>

// One player at the table: the seat and the column of the score card.
struct Player
{
    Seat seat;
    ScoreSheet sheet;
    bool operator==(const Player &) const = default;
};

// The whole game on the table, as a plain value: copied for Undo, compared by tests, read by the
// window, the advisor, the records and the save file alike.
struct GameState
{
    std::vector<Player> players;  // in seat order; none before the first game or after New is cut short
    int mover = 0;                // index into players of the player to move
    int round = 0;                // rounds completed, 0..kRounds; kRounds once the game is over
    Turn turn;                    // the mover's turn; empty while no game is in progress

    bool inProgress() const { return !players.empty() && round < kRounds; }
    bool over() const { return !players.empty() && round >= kRounds; }
    bool computerToMove() const
    {
        return inProgress() && players[std::size_t(mover)].seat.isComputer();
    }
    const Player &playerToMove() const { return players.at(std::size_t(mover)); }
    // The players with the highest grand total, in seat order: one, or all who share first place.
    std::vector<int> winners() const;

    bool operator==(const GameState &) const = default;
};
