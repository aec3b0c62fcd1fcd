#pragma once

#include "GameState.h"
#include "Move.h"

#include <QString>

class OptimalPlay;

// How the window words the moves of a game: the advice of the hint panel and the computer's
// steps.

// The best move for the player to move in one short line and the expected final score with best
// play in a second; "Working out the best moves…" until the advisor is ready, and "" when no game
// is in progress.
QString hintText(const GameState &state, const OptimalPlay &advisor);

// A face as a word: "one" to "six"; "" for none.
QString faceWord(int face);

// What a computer seat just did ("Robo keeps 6 6 6 and rolls again."); name as shown.
QString narrationText(const QString &name, const Move &move, int points);
