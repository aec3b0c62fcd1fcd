#pragma once

#include "GameState.h"

#include <QCoreApplication>
#include <QLabel>

class QWidget;

// The one line under Roll: whose turn it is and what comes next ("Ann — roll 2 of 3"). It also
// keeps Roll's description current for a screen reader: what Roll does now, or why it does not.
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
    // The turn shown.
    struct Seen
    {
        quint64 game = ~quint64(0);
        int player = -1;
        int round = -1;
        bool inProgress = false;
        bool operator==(const Seen &) const = default;
    } m_turn;
};
