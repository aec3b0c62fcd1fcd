#pragma once

#include "FramedGroup.h"
#include "GameState.h"

#include <optional>
#include <vector>

class OptimalPlay;
class QLabel;

// The hint panel under the status line: for the person to move, the best move and the final score
// to expect with best play; before it, what the computer did last. It follows the game only while
// shown, and holds still while the dice roll, so the advice never flickers through a roll.
class HintPanel : public FramedGroup
{
    Q_OBJECT

public:
    explicit HintPanel(QWidget *parent);

    // What the computer did last in the game of that generation; told until a person rolls or
    // another game takes the table.
    void tell(const QString &narration, quint64 game);
    void forget() { m_narration.clear(); }
    QString narration() const { return m_narration; }

    // Brings the panel's text in line with the game. chances: each player's chance to win in
    // seat order, or for a solo game the chance to beat toBeat, when known for this very state.
    void follow(const GameState &state, quint64 game, const OptimalPlay &advisor,
                const std::vector<double> &chances = {}, std::optional<int> toBeat = {});
    // "Chance to win: Ann 22 %, Bea 78 %", or for a solo game "Chance to beat your best of 312:
    // 8 %"; "" without chances.
    static QString chanceLine(const GameState &state, const std::vector<double> &chances,
                              std::optional<int> toBeat);
    QLabel *text() const { return m_text; }

private:
    QLabel *m_text;
    QString m_narration;
    quint64 m_narrationGame = 0;
};
