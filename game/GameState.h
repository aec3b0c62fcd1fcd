#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The whole mutable state of a game. Integers are 16-bit as the save file holds them. The
// per-player arrays have a slot 0 that is never used, so they are indexed by player number
// 1..6 as everywhere else in the game; the dice arrays are indexed by die position 0..4.
struct GameState
{
    std::array<bool, 5> DiceSaved{};      // die i is held in the saved row
    std::array<qint16, 5> DiceValue{};    // 1..6 once rolled this turn, 0 before the first roll
    qint16 NumPlayers = 0;                // 1..6 during a game
    std::array<QString, 7> PlayerNames{}; // slots above NumPlayers hold ""
    qint16 CurrentPlayer = 0;             // 1..NumPlayers during a game; also its grid column
    qint16 RollCount = 0;                 // rolls made in this turn, 0..3
    std::array<qint16, 7> UpperTotal{};   // sum of the upper entries, bonus not included
    std::array<qint16, 7> LowerTotal{};   // sum of the lower entries
    std::array<qint16, 7> GrandTotal{};   // upper + lower (+35 from an upper sum of 63)
    qint16 RoundCount = 0;                // completed rounds, 0..13
    bool GameInProgress = false;
    bool AnimateDice = false;             // mirrors Settings > Animate Die Rolls
    qint16 DefNumPlayers = 0;             // default answer of the player-count prompt

    bool operator==(const GameState &) const = default;
};
