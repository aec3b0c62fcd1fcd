#pragma once

#include "GameRecord.h"

class Game;

// The finished game on the card as its record: each seat's name, kind, totals, bonus and the
// thirteen entries. The time is left for the store to stamp.
records::GameRecord recordOf(const Game &game);
