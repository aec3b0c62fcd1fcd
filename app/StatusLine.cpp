#include "StatusLine.h"

#include "Fonts.h"
#include "MoveWords.h"

#include <QAccessible>
#include <QStringList>

StatusLine::StatusLine(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fonts::lightOnBlack(this);
    // Its name is its text; what is announced goes into its description, with an alert.
}

void StatusLine::announce(const QString &text)
{
    setAccessibleDescription(text);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool StatusLine::follow(const GameState &state, quint64 game, bool rolling, const QString &mover,
                        QWidget *roll)
{
    const Turn &turn = state.turn;
    const Seen seen{game, state.mover, state.round, state.inProgress()};
    const bool newTurn = seen != m_turn;
    if (newTurn) {
        m_turn = seen;
        m_rollsTold = turn.rollsMade;
        if (state.inProgress())
            announce(mover + QStringLiteral("'s turn."));
    } else if (!rolling && turn.rollsMade != m_rollsTold) {
        m_rollsTold = turn.rollsMade;
        QStringList faces;
        for (int face : turn.faces)
            faces << faceWord(face);
        if (state.inProgress() && turn.rollsMade > 0)
            announce(mover + QStringLiteral(" rolled ") + faces.join(QStringLiteral(", "))
                     + QLatin1Char('.'));
    }

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
