#pragma once

#include "GameState.h"
#include "SaveFile.h"
#include "ScoreCard.h"

// The game as a saved-game record and back: the state record and the player columns of both
// score card grids, rows 1 and below, texts and background colours.

// The record of the game as it stands. rollEnabled is the Roll button's state of the moment;
// seats are by player number (slot 0 unused), and only a game with a computer seat lists them.
SavedGame toSavedGame(const GameState &state, const ScoreCard &top, const ScoreCard &bottom,
                      bool rollEnabled, const std::array<SeatKind, 7> &seats);

// Fills the state and the grids from a record; the grids' player columns must have been cleared.
// Player names go into the top grid's heading row; loaded cells get the look of an entry when
// their colour is that of an entry, else a plain look. The flags, the turn marker and the dice
// boxes are the caller's. Seats the record does not list are people's.
void fromSavedGame(const SavedGame &saved, GameState &state, ScoreCard &top, ScoreCard &bottom,
                   std::array<SeatKind, 7> &seats);
