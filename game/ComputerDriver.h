#pragma once

#include "ComputerPlayer.h"

#include <QObject>
#include <QString>
#include <array>
#include <memory>

class Game;
class OptimalPlay;
class Platform;

// Plays the computer's seats. Whenever a computer is to move it takes one step at a time — a
// roll, the dice it keeps moved to the saved row, an entry on the card — through the same
// handlers a person's clicks reach, and waits kStepPause between steps in the event loop so a
// person can follow. Each step looks at the game afresh, so a New game, a Load or a Save between
// steps needs nothing of it: it goes on from whatever position it then finds. It takes no step
// while a roll is under way or a modal window is open, and none for a strength whose table is not
// ready yet (it looks again a little later).
class ComputerDriver : public QObject
{
    Q_OBJECT

public:
    static constexpr int kStepPause = 500;  // ms each step stays in view
    static constexpr int kRetryPause = 100; // ms before looking again when it may not move yet

    ComputerDriver(Game &game, Platform &platform, const OptimalPlay &advisor,
                   QObject *parent = nullptr);
    ~ComputerDriver() override;

    // What the computer did last ("Computer 1 keeps 5 5 5 and rolls again."), for the hint
    // panel; "" once a person has rolled since, or the game was replaced.
    QString narration() const { return m_narration; }
    // Whether a seat of the game in progress plays from the advisor's table, which is then best
    // worked out before its first turn.
    bool wantsTable() const;

signals:
    void narrationChanged();

private:
    // Game::changed lands here: a step is scheduled when a computer is to move.
    void wake();
    void schedule(int ms);
    void step();
    void takeStep();
    void narrate(const QString &text);
    ComputerPlayer &playerFor(int seat);
    // Holds exactly the dice that show the faces to keep, moving as few dice as it can.
    void keep(const std::vector<int> &faces);

    Game &m_game;
    Platform &m_platform;
    const OptimalPlay &m_advisor;
    std::array<std::unique_ptr<ComputerPlayer>, 7> m_players;  // by seat, for the present game
    quint64 m_playersGame = 0;
    bool m_scheduled = false;
    bool m_stepping = false;
    // Dice kept and a roll to follow: the turn, by game, player and rolls made, it was for.
    struct Plan
    {
        quint64 game = 0;
        int player = 0;
        int rolls = -1;
    } m_rollPlanned;
    QString m_narration;
};
