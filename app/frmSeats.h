#pragma once

#include "Scoring.h"
#include "Seat.h"

#include <QDialog>
#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QSpinBox;
class SettingsStore;

// The name a computer seat is given until a player names it: "Computer 1" for the first.
QString computerSeatName(int number);

// The seats of a game against the computer: how many players, and for each seat a name and who
// plays it, a person or the computer at one of four strengths. Seats beyond the count stay in
// view, disabled. Seats whose names are still the ones the dialog gave them are renamed to fit
// whenever a kind changes ("Computer 2", "Player3"). Keyboard: Tab through the fields, Enter for OK,
// Escape for Cancel.
class frmSeats : public QDialog
{
    Q_OBJECT

public:

    // Shows 1 to 6 offered seats; the others are filled in as computers.
    frmSeats(const std::vector<Seat> &offered, QWidget *owner = nullptr);

    // The seats to offer: those last accepted, or until a first game against the computer the
    // first player's name against a strong computer.
    static std::vector<Seat> offered(SettingsStore &settings);
    // Keeps accepted seats for the next time.
    static void remember(SettingsStore &settings, const std::vector<Seat> &seats);

    // The seats as they stand: the first count() of them.
    std::vector<Seat> seats() const;

    QSpinBox *count() const { return m_count; }
    QLineEdit *name(int seat) const { return m_names.at(std::size_t(seat - 1)); }
    QComboBox *kind(int seat) const { return m_kinds.at(std::size_t(seat - 1)); }

private:
    void countChanged();
    void kindChanged();
    // The name the dialog gives seat n for its present kind.
    QString defaultName(int seat) const;

    QSpinBox *m_count = nullptr;
    std::array<QLineEdit *, kMaxPlayers> m_names{};
    std::array<QComboBox *, kMaxPlayers> m_kinds{};
    std::array<QString, kMaxPlayers> m_given;  // the name the dialog last gave each seat
};
