#pragma once

#include "GameState.h"

#include <QCoreApplication>
#include <QLabel>

class QWidget;

// The one line under Roll: whose turn it is and what comes next ("Ann — roll 2 of 3"). It also
// keeps what a screen reader is told of the turn: that a player's turn has begun, the dice of a
// roll once they have landed, and, as Roll's description, what Roll does now.
class StatusLine : public QLabel
{
    Q_DECLARE_TR_FUNCTIONS(StatusLine)

public:
    explicit StatusLine(QWidget *parent);

    // Follows the game (of that generation); mover is the name of the player to move as shown.
    // True when a new turn has begun since the last call.
    bool follow(const GameState &state, quint64 game, bool rolling, const QString &mover,
                QWidget *roll);

private:
    void announce(const QString &text);

    // The turn told of, and the rolls of it told so far.
    struct Seen
    {
        quint64 game = ~quint64(0);
        int player = -1;
        int round = -1;
        bool inProgress = false;
        bool operator==(const Seen &) const = default;
    } m_turn;
    int m_rollsTold = 0;
};
