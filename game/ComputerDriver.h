#pragma once

#include "ComputerPlayer.h"
#include "GameState.h"

#include <QObject>
#include <array>
#include <memory>
#include <optional>

class Game;
class OptimalPlay;
class Platform;

// Plays the computer's seats. Whenever a computer is to move it takes one step at a time — a
// roll, the dice it keeps set aside, an entry on the card — through the same intentions a
// person's keys and clicks reach, and waits kStepPause between steps in the event loop so a person
// can follow. Each step looks at the game afresh, so a New game, a Load, a Save or an Undo between
// steps needs nothing of it. It takes no step while paused (the window shows a roll) or while a
// modal window is open, and none for a strength whose table is not ready yet (it looks again a
// little later).
class ComputerDriver : public QObject
{
    Q_OBJECT

public:
    static constexpr int kStepPause = 500;  // ms each step stays in view
    static constexpr int kRetryPause = 100; // ms before looking again when it may not move yet

    ComputerDriver(Game &game, Platform &platform, const OptimalPlay &advisor,
                   QObject *parent = nullptr);
    ~ComputerDriver() override;

    // While paused no step is taken; resuming schedules the next one kStepPause later.
    void setPaused(bool paused);
    // Whether a seat of the game in progress plays from the advisor's table, which is then best
    // worked out before its first turn.
    bool wantsTable() const;

signals:
    // The step a computer seat (player index) takes, just before it changes the game; a Keep is
    // made at once and its roll follows as a step of its own.
    void moved(int player, const Move &move);
    // A computer is to move but waits for the advisor's table.
    void thinking(int player);

private:
    // Any change of the game lands here: a step is scheduled when a computer is to move.
    void wake();
    void schedule(int ms);
    void step();
    void takeStep();
    ComputerPlayer &playerFor(int player);
    // Holds exactly the dice that show the faces to keep, moving as few dice as it can.
    void keep(const std::vector<int> &faces);

    Game &m_game;
    Platform &m_platform;
    const OptimalPlay &m_advisor;
    std::array<std::unique_ptr<ComputerPlayer>, kMaxPlayers> m_players;  // for the present game
    quint64 m_playersGame = 0;
    bool m_scheduled = false;
    bool m_stepping = false;
    bool m_paused = false;
    // The game as a Keep left it: while it stands so, the roll is due.
    std::optional<GameState> m_rollPlanned;
};
