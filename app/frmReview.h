#pragma once

#include "GameState.h"
#include "Review.h"

#include <QDialog>

class QLabel;
class QTabWidget;
class QTableWidget;

// The review of a finished game: for each seat, turn by turn, every decision after a roll — the
// dice, what was kept or entered, the best play by the advisor's table and the expected points
// given away — and the seat's total given away; above, the game's three costliest decisions with
// the dice, the choice and the better one. A game followed from a load part-way says so. Not
// modal; Escape or Close close it.
class frmReview : public QDialog
{
    Q_OBJECT

public:
    // game: the game as it ended (names, and the seats the review's player indexes refer to).
    frmReview(const GameState &game, const GameReview &review, QWidget *owner = nullptr);

    // For the window's tests.
    QLabel *summary() const { return m_summary; }
    QTabWidget *seats() const { return m_seats; }
    QTableWidget *seatTable(int player) const;

    // How a move reads in the review: "kept 6 6 6", "rolled all five again", "entered Chance for
    // 24".
    static QString choiceText(const Move &move, const Dice &dice);

private:
    QWidget *seatPage(const GameState &game, const GameReview &review, int player);

    QLabel *m_summary = nullptr;
    QTabWidget *m_seats = nullptr;
};
