#include "Game.h"

#include <algorithm>
#include <cmath>

namespace {
bool isDie(int die) { return die >= 0 && die < kDiceCount; }

// A draw of the one random sequence as a face; a source that strays to 1.0 stays in range.
int face(double r)
{
    return std::clamp(int(std::floor(kFaces * r)), 0, kFaces - 1) + 1;
}
}  // namespace

Game::Game(Platform &platform, QObject *parent) : QObject(parent), m_platform(platform) {}

bool Game::canRoll() const
{
    return m_state.inProgress() && m_state.turn.rollsMade < kRollsPerTurn;
}

bool Game::canHold(int die) const
{
    const Turn &turn = m_state.turn;
    return m_state.inProgress() && isDie(die) && !turn.held[std::size_t(die)]
           && turn.faces[std::size_t(die)] != 0;
}

bool Game::canRelease(int die) const
{
    return m_state.inProgress() && isDie(die) && m_state.turn.held[std::size_t(die)];
}

bool Game::canScore(Category category) const
{
    return m_state.inProgress() && m_state.turn.rollsMade > 0
           && m_state.playerToMove().sheet.isFree(category);
}

bool Game::canUndo() const
{
    if (!m_undo || m_undo->generation != m_generation || !m_state.inProgress())
        return false;
    // Only computers can have moved since a person's entry that still stands: a person's entry
    // replaces it. The entrant's own turn come round again ends it, unless the entrant plays alone.
    if (m_state.computerToMove())
        return true;
    return m_state.turn.rollsMade == 0
           && (m_state.mover != m_undo->player || m_state.players.size() == 1);
}

void Game::replace(GameState state)
{
    ++m_generation;
    m_state = std::move(state);
    emit replaced();
}

void Game::clear()
{
    replace({});
}

bool Game::start(const std::vector<Seat> &seats)
{
    if (seats.empty() || seats.size() > std::size_t(kMaxPlayers))
        return false;
    GameState state;
    for (const Seat &seat : seats)
        state.players.push_back({{fittedName(seat.name), seat.kind}, {}});
    replace(std::move(state));
    return true;
}

bool Game::load(const GameState &state)
{
    const int players = int(state.players.size());
    const Turn &turn = state.turn;
    bool valid = players >= 1 && players <= kMaxPlayers && state.mover >= 0
                 && state.mover < players && state.round >= 0 && state.round < kRounds
                 && turn.rollsMade >= 0 && turn.rollsMade <= kRollsPerTurn
                 && state.playerToMove().sheet.freeCount() > 0;
    for (std::size_t d = 0; valid && d < turn.faces.size(); ++d)
        valid = turn.faces[d] >= (turn.held[d] ? 1 : 0) && turn.faces[d] <= kFaces;
    if (!valid)
        return false;
    replace(state);
    return true;
}

bool Game::roll()
{
    if (!canRoll())
        return false;
    Turn &turn = m_state.turn;
    ++turn.rollsMade;
    for (std::size_t d = 0; d < turn.faces.size(); ++d)
        if (!turn.held[d])
            turn.faces[d] = face(m_platform.random());
    emit rolled();
    return true;
}

bool Game::setHeld(int die, bool held)
{
    if (held ? !canHold(die) : !canRelease(die))
        return false;
    m_state.turn.held[std::size_t(die)] = held;
    emit diceMoved();
    return true;
}

bool Game::hold(int die) { return setHeld(die, true); }
bool Game::release(int die) { return setHeld(die, false); }

bool Game::score(Category category)
{
    if (!canScore(category))
        return false;
    const int player = m_state.mover;
    Player &mover = m_state.players[std::size_t(player)];
    if (!mover.seat.isComputer())
        m_undo = UndoPoint{m_state, m_generation, player};
    const int points = categoryScore(category, m_state.turn.faces);
    mover.sheet.enter(category, points);

    m_state.turn = Turn{};
    if (++m_state.mover == int(m_state.players.size())) {
        m_state.mover = 0;
        ++m_state.round;
    }
    // The state is final before anyone hears of it: a box shown in answer may let a Load replace
    // the game, and nothing here looks at the state after that.
    const bool over = m_state.over();
    emit scored(player, category, points);
    if (over)
        emit gameOver();
    else
        emit turnStarted();
    return true;
}

bool Game::undo()
{
    if (!canUndo())
        return false;
    m_state = m_undo->state;
    m_undo.reset();
    emit undone();
    return true;
}
