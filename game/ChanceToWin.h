#pragma once

#include "GameState.h"

#include <QObject>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class OptimalPlay;
class WinChance;

// Works out, away from the window's thread, each player's chance to win the game as it stands
// when everyone plays for the highest expected score from there (a shared first place is a win
// for each), or, in a solo game, the chance to beat a score. Only the latest question is ever
// answered: a newer one stops the work on an older one, whose answer never comes. The first
// answer early in a game waits for a table built once (a few seconds); the others come in well
// under a second.
class ChanceToWin : public QObject
{
    Q_OBJECT

public:
    explicit ChanceToWin(OptimalPlay &advisor, QObject *parent = nullptr);
    // Stops the work under way and waits for the worker.
    ~ChanceToWin() override;

    // The chances for a game in progress of two or more players, or for a solo game with a score
    // to beat (none: nothing to ask).
    void ask(const GameState &state, std::optional<int> toBeat = std::nullopt);

signals:
    // The answer to the latest question: the game asked about, and the chance of each player in
    // seat order (one for a solo game: of beating the score), 0..1.
    void answered(const GameState &state, const std::vector<double> &chances);

private:
    struct Question
    {
        GameState state;
        std::optional<int> toBeat;
    };
    void work();
    std::optional<std::vector<double>> answer(const Question &question, std::stop_token stop);

    std::unique_ptr<WinChance> m_engine;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Question> m_question;  // waiting to be taken up
    std::stop_source m_current;          // the work on the question taken up last
    bool m_closing = false;
    std::thread m_worker;
};
