#include "ComputerDriver.h"

#include "Game.h"
#include "OptimalPlay.h"
#include "Platform.h"

namespace {
// A move for a position the strengths do not play (dice an edited file left blank after a
// roll), so the turn always ends: a roll while one is left, else the first free row.
Move fallbackMove(const Position &position)
{
    Move move;
    if (position.rollsMade < kRollsPerTurn)
        return move;  // roll all five
    move.kind = Move::Kind::Score;
    for (int c = 0; c < kCategoryCount; ++c) {
        if (!(position.usedMask & usedBit(Category(c)))) {
            move.category = Category(c);
            break;
        }
    }
    return move;
}
}  // namespace

ComputerDriver::ComputerDriver(Game &game, Platform &platform, const OptimalPlay &advisor,
                               QObject *parent)
    : QObject(parent), m_game(game), m_platform(platform), m_advisor(advisor)
{
    for (auto signal : {&Game::replaced, &Game::rolled, &Game::diceMoved, &Game::turnStarted,
                        &Game::undone})
        connect(&m_game, signal, this, &ComputerDriver::wake);
}

ComputerDriver::~ComputerDriver() = default;

void ComputerDriver::setPaused(bool paused)
{
    m_paused = paused;
    wake();
}

bool ComputerDriver::wantsTable() const
{
    const GameState &s = m_game.state();
    if (!s.inProgress())
        return false;
    for (const Player &player : s.players)
        if (player.seat.isComputer() && needsTable(player.seat.kind))
            return true;
    return false;
}

void ComputerDriver::wake()
{
    // A step under way schedules what follows it once it is done.
    if (m_game.state().computerToMove() && !m_paused && !m_scheduled && !m_stepping)
        schedule(kStepPause);
}

void ComputerDriver::schedule(int ms)
{
    // At most one step is ever pending: only wake() and a step schedule, and neither does while
    // one is.
    m_scheduled = true;
    m_platform.schedule(this, ms, [this] {
        m_scheduled = false;
        step();
    });
}

ComputerPlayer &ComputerDriver::playerFor(int player)
{
    if (m_playersGame != m_game.generation()) {
        for (auto &one : m_players)
            one.reset();
        m_playersGame = m_game.generation();
    }
    auto &one = m_players[std::size_t(player)];
    const SeatKind strength = m_game.state().players[std::size_t(player)].seat.kind;
    if (!one || one->strength() != strength)
        one = std::make_unique<ComputerPlayer>(strength, m_advisor, m_platform.randomSeed());
    return *one;
}

void ComputerDriver::step()
{
    m_stepping = true;
    takeStep();
    m_stepping = false;
    wake();
}

void ComputerDriver::takeStep()
{
    const GameState &s = m_game.state();
    if (!s.computerToMove() || m_paused)
        return;
    if (m_platform.modalOpen()) {
        schedule(kRetryPause);
        return;
    }
    const int seat = s.mover;

    // The dice were set aside a step ago: now they roll.
    if (std::exchange(m_rollPlanned, std::nullopt) == s) {
        m_game.roll();
        return;
    }

    ComputerPlayer &player = playerFor(seat);
    const Position position = positionOf(s.playerToMove().sheet, s.turn);
    const std::optional<Move> move = player.decide(position);
    if (!move && needsTable(player.strength()) && !m_advisor.ready()) {
        emit thinking(seat);
        schedule(kRetryPause);
        return;
    }
    const Move chosen = move ? *move : fallbackMove(position);
    switch (chosen.kind) {
    case Move::Kind::Roll:
        emit moved(seat, chosen);
        m_game.roll();
        break;
    case Move::Kind::Keep:
        keep(chosen.keepFaces);
        emit moved(seat, chosen);
        m_rollPlanned = m_game.state();
        schedule(kStepPause);
        break;
    case Move::Kind::Score:
        emit moved(seat, chosen);
        m_game.score(chosen.category);
        break;
    }
}

void ComputerDriver::keep(const std::vector<int> &faces)
{
    const Turn turn = m_game.state().turn;
    std::array<int, kFaces + 1> wanted{};
    for (int face : faces)
        ++wanted[std::size_t(face)];
    std::array<bool, kDiceCount> hold{};
    // Dice already set aside stay there when they are wanted, then the table's dice in order.
    for (bool held : {true, false}) {
        for (std::size_t i = 0; i < hold.size(); ++i) {
            const auto face = std::size_t(turn.faces[i]);
            if (turn.held[i] == held && face <= kFaces && wanted[face] > 0) {
                --wanted[face];
                hold[i] = true;
            }
        }
    }
    for (std::size_t i = 0; i < hold.size(); ++i) {
        if (hold[i] && !turn.held[i])
            m_game.hold(int(i));
        else if (!hold[i] && turn.held[i])
            m_game.release(int(i));
    }
}
