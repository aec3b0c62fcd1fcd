#include "ComputerDriver.h"

#include "Game.h"
#include "Hint.h"
#include "OptimalPlay.h"
#include "Platform.h"
#include "ScoreCardLayout.h"

#include <QStringList>

namespace {
std::optional<Strength> strengthOf(SeatKind kind)
{
    switch (kind) {
    case SeatKind::Beginner: return Strength::Beginner;
    case SeatKind::Casual: return Strength::Casual;
    case SeatKind::Strong: return Strength::Strong;
    case SeatKind::Perfect: return Strength::Perfect;
    case SeatKind::Human: break;
    }
    return std::nullopt;
}

// A move for a position the strengths do not play (dice an edited file left blank after a
// roll), so the turn always ends: a roll while one is left, else the first free row.
ComputerMove fallbackMove(const Position &position)
{
    ComputerMove move;
    if (position.rollsMade < 3)
        return move;  // roll all five
    move.kind = ComputerMove::Kind::Score;
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
    connect(&m_game, &Game::changed, this, &ComputerDriver::wake);
}

ComputerDriver::~ComputerDriver() = default;

bool ComputerDriver::wantsTable() const
{
    const GameState &s = m_game.state();
    if (!s.GameInProgress)
        return false;
    for (int seat = 1; seat <= s.NumPlayers; ++seat) {
        const std::optional<Strength> strength = strengthOf(m_game.seatKind(seat));
        if (strength && needsTable(*strength))
            return true;
    }
    return false;
}

void ComputerDriver::wake()
{
    const GameState &s = m_game.state();
    // A person's roll, or a game replaced, ends what the narration told of.
    if (!m_narration.isEmpty()
        && (m_playersGame != m_game.generation()
            || (!m_game.computerToMove() && s.RollCount > 0)))
        narrate({});
    // A step under way schedules what follows it once it is done.
    if (m_game.computerToMove() && !m_scheduled && !m_stepping && !m_game.rolling())
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

void ComputerDriver::narrate(const QString &text)
{
    if (text == m_narration)
        return;
    m_narration = text;
    emit narrationChanged();
}

ComputerPlayer &ComputerDriver::playerFor(int seat)
{
    if (m_playersGame != m_game.generation()) {
        for (auto &player : m_players)
            player.reset();
        m_playersGame = m_game.generation();
    }
    auto &player = m_players[std::size_t(seat)];
    const Strength strength = *strengthOf(m_game.seatKind(seat));
    if (!player || player->strength() != strength)
        player = std::make_unique<ComputerPlayer>(strength, m_advisor, m_platform.randomSeed());
    return *player;
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
    if (!m_game.computerToMove() || m_game.rolling() || m_game.quitting())
        return;
    if (m_platform.modalOpen()) {
        schedule(kRetryPause);
        return;
    }
    const GameState &s = m_game.state();
    const int seat = s.CurrentPlayer;
    const QString name = m_game.playerName(seat);

    // The dice were set aside a step ago: now they roll.
    if (m_rollPlanned.game == m_game.generation() && m_rollPlanned.player == seat
        && m_rollPlanned.rolls == s.RollCount) {
        m_rollPlanned = {};
        m_game.cmdRoll_Click();
        return;
    }

    ComputerPlayer &player = playerFor(seat);
    const Position position = positionOf(m_game);
    const std::optional<ComputerMove> move = player.decide(position);
    if (!move && needsTable(player.strength()) && !m_advisor.ready()) {
        narrate(name + QStringLiteral(" is thinking…"));
        schedule(kRetryPause);
        return;
    }
    const ComputerMove chosen = move ? *move : fallbackMove(position);

    switch (chosen.kind) {
    case ComputerMove::Kind::Roll:
        narrate(name + QStringLiteral(" rolls the dice."));
        m_game.cmdRoll_Click();
        break;
    case ComputerMove::Kind::Keep: {
        keep(chosen.keepFaces);
        QStringList faces;
        for (int face : chosen.keepFaces)
            faces << QString::number(face);
        narrate(faces.isEmpty() ? name + QStringLiteral(" rolls all five again.")
                                : name + QStringLiteral(" keeps ") + faces.join(QLatin1Char(' '))
                                      + QStringLiteral(" and rolls again."));
        m_rollPlanned = {m_game.generation(), seat, s.RollCount};
        schedule(kStepPause);
        break;
    }
    case ComputerMove::Kind::Score: {
        narrate(name + QStringLiteral(" scores ") + layout::categoryLabel(chosen.category)
                + QStringLiteral(" for ") + QString::number(categoryScore(chosen.category, position.dice))
                + QLatin1Char('.'));
        const bool upper = isUpper(chosen.category);
        ScoreCard &grid = upper ? m_game.top() : m_game.bottom();
        grid.setRow(categoryRow(chosen.category));
        grid.setCol(seat);
        upper ? m_game.ScoreCardTop_Click() : m_game.ScoreCardBottom_Click();
        break;
    }
    }
}

void ComputerDriver::keep(const std::vector<int> &faces)
{
    const GameState &s = m_game.state();
    std::array<int, 7> wanted{};
    for (int face : faces)
        ++wanted[std::size_t(face)];
    std::array<bool, 5> hold{};
    // Dice already set aside stay there when they are wanted, then the table's dice in order.
    for (bool held : {true, false}) {
        for (std::size_t i = 0; i < 5; ++i) {
            const auto face = std::size_t(s.DiceValue[i]);
            if (s.DiceSaved[i] == held && face <= 6 && wanted[face] > 0) {
                --wanted[face];
                hold[i] = true;
            }
        }
    }
    for (std::size_t i = 0; i < 5; ++i) {
        if (hold[i] && !s.DiceSaved[i])
            m_game.imgDiceRolled_Click(int(i));
        else if (!hold[i] && s.DiceSaved[i])
            m_game.imgDiceSaved_Click(int(i));
    }
}
