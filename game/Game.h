#pragma once

#include "GameState.h"
#include "Platform.h"

#include <QObject>
#include <optional>

// The flow of a game, by intention: clear the table, start a game with its seats, load one, roll,
// hold or release a die, score a category, undo. It asks nothing, words nothing and draws nothing:
// the window asks the player first and then calls the intention. An intention that is not allowed
// now (see the can…() functions) returns false and changes nothing.
class Game : public QObject
{
    Q_OBJECT

public:
    explicit Game(Platform &platform, QObject *parent = nullptr);

    const GameState &state() const { return m_state; }
    // Raised each time a game takes the place of the one on the table (clear, start, load), so
    // that whoever asked the player something meanwhile can tell the game is no longer the same.
    quint64 generation() const { return m_generation; }

    // A game in progress with a roll left this turn.
    bool canRoll() const;
    // Die 0..4 shows a face on the table / is set aside, in a game in progress.
    bool canHold(int die) const;
    bool canRelease(int die) const;
    // The mover has rolled this turn and the category is free.
    bool canScore(Category category) const;
    // Undo can take back the last entry a person made, with whatever the computers have played
    // since, while the game it was made in goes on and no person has rolled since: in a game with
    // other seats, that person's own next turn ends it as well.
    bool canUndo() const;

    // The table is cleared for a game being set up: no players, nothing in progress.
    void clear();
    // A new game of 1..kMaxPlayers seats, player 1 to move in round 1. Names are kept as
    // fittedName() keeps them.
    bool start(const std::vector<Seat> &seats);
    // A game read from a file takes the place of the one on the table, at exactly that point; one
    // outside the limits of a game in progress is refused.
    bool load(const GameState &state);

    // Rolls the dice that are not set aside; the outcome is at once in state().turn.
    bool roll();
    bool hold(int die);
    bool release(int die);
    // Enters what the dice score in a free category of the mover's column. The next player's
    // turn begins, or, after the last turn of the last round, the game is over.
    bool score(Category category);
    // Puts the game back as it was just before the last entry a person made; once only.
    bool undo();

signals:
    // A different game is on the table: cleared, started or loaded.
    void replaced();
    void rolled();
    void diceMoved();
    // An entry has been made; by the time this fires the next turn has begun (or the game is over).
    void scored(int player, Category category, int points);
    // After scored(): the game goes on with state().mover to move, or it is over.
    void turnStarted();
    void gameOver();
    void undone();

private:
    void replace(GameState state);
    bool setHeld(int die, bool held);

    Platform &m_platform;
    GameState m_state;
    quint64 m_generation = 0;
    struct UndoPoint
    {
        GameState state;
        quint64 generation;
        int player;  // who made the entry
    };
    std::optional<UndoPoint> m_undo;  // the game just before a person's last entry
};
