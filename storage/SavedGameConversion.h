#pragma once

#include "GameState.h"
#include "SaveFile.h"

// The one conversion between the game and the save file's layout, which holds each player's
// column as the grids show it: cell texts and background colours, the totals twice.

// The file's record of a game in progress: every text and colour as the card shows them.
SavedGame toSavedGame(const GameState &state);

// The game a checked record holds. The entries come from the category cells; the totals, the
// bonus and the colours follow from them, so the file's own copies of those are not read back.
// Names are kept as a typed name is (fittedName). Seats the record does not list are people's.
GameState fromSavedGame(const SavedGame &saved);
