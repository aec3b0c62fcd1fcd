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
        why = state.over() ? QStringLiteral("The game is over.")
                           : QStringLiteral("No game in progress.");
    } else if (rolling) {
        why = QStringLiteral("The dice are rolling.");
        status = mover + QStringLiteral(" — rolling");
    } else if (turn.rollsMade >= kRollsPerTurn) {
        why = QStringLiteral("No rolls left: choose a category.");
        status = mover + QStringLiteral(" — choose a category");
    } else {
        why = state.computerToMove() ? mover + QStringLiteral(" is playing.")
                                     : QStringLiteral("Roll %1 of %2").arg(turn.rollsMade + 1).arg(kRollsPerTurn);
        status = mover + QStringLiteral(" — roll %1 of %2").arg(turn.rollsMade + 1).arg(kRollsPerTurn);
    }
    if (roll->accessibleDescription() != why)
        roll->setAccessibleDescription(why);
    if (text() != status)
        setText(status);
    return newTurn;
}
