#pragma once

#include "GameState.h"
#include "Move.h"

#include <QObject>
#include <vector>

class Game;

// One decision a player made after a roll: what the dice showed and which were free to choose,
// and what the player chose — the dice kept for the next roll, or the category entered.
struct Decision
{
    int player = 0;     // index into the game's players
    int round = 0;      // 0-based
    ScoreSheet sheet;   // the player's card before the decision
    Turn turn;          // the roll decided on: rolls made, the dice
    Move choice;        // Keep (faces kept, ascending; all five means a roll thrown away) or Score
    bool operator==(const Decision &) const = default;
};

// Every decision of the game on the table, in the order they were made, for its review. It
// follows the game through its signals: a roll after a roll is the keep decided on before it, an
// entry is the last decision of a turn. An Undo takes back the decisions it undoes; a new game
// starts the log afresh, and so does a loaded one, noting when earlier decisions are not in it.
class DecisionLog : public QObject
{
    Q_OBJECT

public:
    explicit DecisionLog(Game &game, QObject *parent = nullptr);

    const std::vector<Decision> &decisions() const { return m_decisions; }
    // The log starts part-way through the game: a game loaded from a file after its first
    // decision, whose earlier decisions no one saw.
    bool partWay() const { return m_partWay; }

private:
    void replaced();
    void rolled();
    void scored(int player, Category category);
    void undone();

    Game &m_game;
    GameState m_before;  // the game as it stood after the last change seen
    std::vector<Decision> m_decisions;
    bool m_partWay = false;
};
