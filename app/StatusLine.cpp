#include "StatusLine.h"

#include "Fonts.h"

StatusLine::StatusLine(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fonts::lightOnBlack(this);
}

bool StatusLine::follow(const GameState &state, quint64 game, bool rolling, const QString &mover,
                        QWidget *roll)
{
    const Turn &turn = state.turn;
    const Seen seen{game, state.mover, state.round, state.inProgress()};
    const bool newTurn = seen != m_turn;
    m_turn = seen;

    QString why;
    QString status;
    if (!state.inProgress()) {
        why = state.over() ? tr("The game is over.") : tr("No game in progress.");
    } else if (rolling) {
        why = tr("The dice are rolling.");
        //: The status line under Roll, 337 pixels wide; %1 is the player's name.
        status = tr("%1 — rolling").arg(mover);
    } else if (turn.rollsMade >= kRollsPerTurn) {
        why = tr("No rolls left: choose a category.");
        //: The status line under Roll, 337 pixels wide; %1 is the player's name.
        status = tr("%1 — choose a category").arg(mover);
    } else {
        const QString next = QString::number(turn.rollsMade + 1);
        const QString rolls = QString::number(kRollsPerTurn);
        //: What Roll does now, told to a screen reader; %1 is the player's name.
        why = state.computerToMove() ? tr("%1 is playing.").arg(mover)
                                     //: What Roll does now, told to a screen reader.
                                     : tr("Roll %1 of %2").arg(next, rolls);
        //: The status line under Roll, 337 pixels wide; %1 is the player's name.
        status = tr("%1 — roll %2 of %3").arg(mover, next, rolls);
    }
    if (roll->accessibleDescription() != why)
        roll->setAccessibleDescription(why);
    if (text() != status)
        setText(status);
    return newTurn;
}
