#include "ChanceToWin.h"

#include "OptimalPlay.h"
#include "WinChance.h"

#include <QMetaObject>

ChanceToWin::ChanceToWin(OptimalPlay &advisor, QObject *parent)
    : QObject(parent), m_engine(std::make_unique<WinChance>(advisor)),
      m_worker([this] { work(); })
{
}

ChanceToWin::~ChanceToWin()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closing = true;
        m_current.request_stop();
    }
    m_engine->cancel();
    m_wake.notify_all();
    m_worker.join();
}

void ChanceToWin::ask(const GameState &state, std::optional<int> toBeat)
{
    if (!state.inProgress() || (state.players.size() < 2 && !toBeat))
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_question = Question{state, toBeat};
        m_current.request_stop();
    }
    m_wake.notify_all();
}

void ChanceToWin::work()
{
    for (;;) {
        Question question;
        std::stop_token stop;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_closing || m_question; });
            if (m_closing)
                return;
            question = std::move(*m_question);
            m_question.reset();
            m_current = std::stop_source();
            stop = m_current.get_token();
        }
        std::optional<std::vector<double>> chances = answer(question, stop);
        // Early cards need the table, built once; late ones do without it.
        if (!chances && !m_engine->ready() && !stop.stop_requested()) {
            m_engine->prepare();
            chances = answer(question, stop);
        }
        if (!chances || stop.stop_requested())
            continue;
        QMetaObject::invokeMethod(
            this, [this, state = question.state, chances = *chances] { emit answered(state, chances); },
            Qt::QueuedConnection);
    }
}

std::optional<std::vector<double>> ChanceToWin::answer(const Question &question,
                                                       std::stop_token stop)
{
    const GameState &state = question.state;
    if (question.toBeat) {
        const std::optional<double> chance = m_engine->chanceToBeat(
            positionOf(state.playerToMove().sheet, state.turn), *question.toBeat, stop);
        return chance ? std::optional(std::vector<double>{*chance}) : std::nullopt;
    }
    std::vector<Position> seats;
    for (std::size_t p = 0; p < state.players.size(); ++p)
        seats.push_back(int(p) == state.mover ? positionOf(state.players[p].sheet, state.turn)
                                              : positionOf(state.players[p].sheet));
    return m_engine->winChances(seats, std::size_t(state.mover), stop);
}
