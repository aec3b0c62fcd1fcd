#include "DecisionLog.h"

#include "Game.h"

#include <algorithm>
#include <tuple>

namespace {
Decision decisionAt(const GameState &state, Move choice)
{
    return {state.mover, state.round, state.playerToMove().sheet, state.turn, std::move(choice)};
}
}  // namespace

DecisionLog::DecisionLog(Game &game, QObject *parent) : QObject(parent), m_game(game)
{
    connect(&game, &Game::replaced, this, &DecisionLog::replaced);
    connect(&game, &Game::rolled, this, &DecisionLog::rolled);
    connect(&game, &Game::scored, this,
            [this](int player, Category category) { scored(player, category); });
    connect(&game, &Game::undone, this, &DecisionLog::undone);
    // Holding and releasing decide nothing yet: the roll that follows does.
    connect(&game, &Game::diceMoved, this, [this] { m_before = m_game.state(); });
    replaced();
}

void DecisionLog::replaced()
{
    m_before = m_game.state();
    m_decisions.clear();
    // A game started afresh begins with no entry at all; a loaded one may be anywhere.
    bool fresh = m_before.round == 0 && m_before.turn.rollsMade == 0;
    for (const Player &player : m_before.players)
        fresh = fresh && player.sheet.isEmpty();
    m_partWay = !fresh;
}

void DecisionLog::rolled()
{
    if (m_before.inProgress() && m_before.turn.rollsMade > 0) {
        Move keep;
        keep.kind = Move::Kind::Keep;
        for (std::size_t d = 0; d < m_before.turn.faces.size(); ++d)
            if (m_before.turn.held[d])
                keep.keepFaces.push_back(m_before.turn.faces[d]);
        std::sort(keep.keepFaces.begin(), keep.keepFaces.end());
        m_decisions.push_back(decisionAt(m_before, keep));
    }
    m_before = m_game.state();
}

void DecisionLog::scored(int, Category category)
{
    Move entry;
    entry.kind = Move::Kind::Score;
    entry.category = category;
    m_decisions.push_back(decisionAt(m_before, entry));
    m_before = m_game.state();
}

void DecisionLog::undone()
{
    // What the Undo took back: every decision from the restored point of the game on.
    const GameState &now = m_game.state();
    const auto from = std::make_tuple(now.round, now.mover, now.turn.rollsMade);
    std::erase_if(m_decisions, [&](const Decision &d) {
        return std::make_tuple(d.round, d.player, d.turn.rollsMade) >= from;
    });
    m_before = now;
}
