#pragma once

#include "FramedGroup.h"
#include "GameState.h"

#include <QCoreApplication>

class OptimalPlay;
class QLabel;

// The hint panel under the status line: for the person to move, the best move and the final score
// to expect with best play; before it, what the computer did last. It follows the game only while
// shown, and holds still while the dice roll, so the advice never flickers through a roll.
class HintPanel : public FramedGroup
{
    Q_DECLARE_TR_FUNCTIONS(HintPanel)

public:
    explicit HintPanel(QWidget *parent);

    // What the computer did last in the game of that generation; told until a person rolls or
    // another game takes the table.
    void tell(const QString &narration, quint64 game);
    void forget() { m_narration.clear(); }
    QString narration() const { return m_narration; }

    // Brings the panel's text in line with the game.
    void follow(const GameState &state, quint64 game, const OptimalPlay &advisor);
    QLabel *text() const { return m_text; }

private:
    QLabel *m_text;
    QString m_narration;
    quint64 m_narrationGame = 0;
};
