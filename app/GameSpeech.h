#pragma once

#include "GameState.h"
#include "Move.h"

#include <QObject>
#include <functional>
#include <tuple>

class Announcer;
class Game;

// What a screen reader is told as the game is played, through the announcer: the dice of each
// roll once they have landed, a die set aside or put back, the row under the keyboard cursor with
// what the dice would score there, each entry with the player's new total and whose turn follows,
// the computer's steps, an Undo, a game begun and the final scores. The game's own changes it
// follows by itself; the window tells it of a roll landed, a person's die moved, the cursor and
// the computer's steps.
class GameSpeech : public QObject
{
    Q_OBJECT

public:
    // What the game calls player index p, as the window shows it.
    using Names = std::function<QString(int player)>;

    GameSpeech(const Game &game, Announcer &announcer, Names names, QObject *parent = nullptr);

    // The dice of the roll just shown: the player, the five faces in die order, the dice held,
    // and, for a person, the roll that comes next.
    void rollLanded();
    // Die 0..4 of the person to move has just been set aside or put back.
    void dieMoved(int die);
    // The keyboard cursor stands on a free row of the person to move.
    void cursorOn(Category category);
    // A computer's step that the game's own changes do not tell: the dice it keeps.
    void computerMoved(int player, const Move &move);
    // A computer waits for the advisor; said once a turn.
    void computerThinking(int player);
    // Any other line, as it is.
    void say(const QString &line);

    // How a sentence names a category: in full, as it is spoken ("Small Straight").
    static QString categoryName(Category category);

private:
    void scored(int player, Category category, int points);
    void turnStarted();
    void gameOver();
    void undone();
    void replaced();
    // "2, 2, 5, 5, 5." with the dice held and, for a person, what comes next.
    QString diceAndNext(bool person) const;
    QString turnOf(int player) const;

    const Game &m_game;
    Announcer &m_announcer;
    Names m_names;
    // The turn whose wait for the advisor has been told: game, player, round.
    std::tuple<quint64, int, int> m_thinkingTold{~quint64(0), -1, -1};
};
