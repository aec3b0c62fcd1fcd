#pragma once

#include "Position.h"

#include <QString>

class Game;
class OptimalPlay;

// The point of the game of the player to move, as the advisor sees it: the categories used in
// that player's column, the upper sum, the grand total so far, the rolls made and the dice.
Position positionOf(const Game &game);

// What the hint panel says: the best move for the player to move in one short line and the
// expected final score with best play in a second; "Working out the best moves…" until the
// advisor is ready, and "" when no game is in progress or there is no move left.
QString hintText(const Game &game, const OptimalPlay &advisor);
