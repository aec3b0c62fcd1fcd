#include "Game.h"

#include "NumericValue.h"
#include "SaveFile.h"
#include "SavedGameConversion.h"
#include "ScoreCardLayout.h"
#include "Scoring.h"
#include "SettingsStore.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {
const QString kSaveFilter = QStringLiteral("Saved Games (*.sav)|*.sav");
constexpr int kFramePause = 200;  // ms per animated frame

// A draw of the one random sequence scaled to 0..n-1; a source that strays to 1.0 stays in range.
int scaled(double r, int n)
{
    return std::clamp(int(std::floor(n * r)), 0, n - 1);
}

qint16 clamp16(int value)
{
    return qint16(std::clamp(value, -32768, 32767));
}
}  // namespace

QString shownName(const QString &name)
{
    if (name.size() <= kShownName)
        return name;
    return name.left(kShownName - 1) + QChar(0x2026);
}

Game::Game(Platform &platform, SettingsStore &settings, QObject *parent)
    : QObject(parent), m_platform(platform), m_settings(settings),
      m_top(layout::makeTop()), m_bottom(layout::makeBottom())
{
}

bool Game::ask(const QString &title, const QString &text)
{
    emit changed();
    return m_platform.askYesNo(title, text);
}

void Game::tell(const QString &title, const QString &text)
{
    emit changed();
    m_platform.tell(title, text);
}

QString Game::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    emit changed();
    return singleLine(m_platform.inputBox(prompt, title, defaultText));
}

void Game::Form_Load()
{
    m_state.AnimateDice = m_settings.flag(settingkeys::kAnimateDice);
    m_platform.seedRandom();
    m_rollEnabled = false;
    layout::setUpScoreCards(m_top, m_bottom);
    emit changed();
}

// ---------------------------------------------------------------------------------------------
// Dice

void Game::cmdRoll_Click()
{
    // A roll under way pumps events: no second roll of the same game may start inside it. A
    // roll of a game that has since been replaced only unwinds, so the new game may roll.
    if (!m_rollEnabled || !m_state.GameInProgress || (m_rolling && m_rollingGeneration == m_generation))
        return;
    m_rolling = true;
    m_rollingGeneration = m_generation;

    m_diceEnabled = false;
    m_rollEnabled = false;
    m_top.setEnabled(false);
    m_bottom.setEnabled(false);
    ++m_state.RollCount;
    m_platform.playCue(Platform::Cue::DieRoll);
    m_rolledFaces.fill(0);

    const quint64 generation = m_generation;
    const int frames = scaled(m_platform.random(), 15) + 1 + 5;
    for (int frame = 1; frame <= frames; ++frame) {
        for (std::size_t i = 0; i < 5; ++i) {
            if (m_state.DiceSaved[i])
                continue;
            const int face = scaled(m_platform.random(), 6) + 1;
            if (frame == frames || m_state.AnimateDice)
                m_rolledFaces[i] = face;
            m_state.DiceValue[i] = qint16(face);
        }
        emit changed();
        m_platform.pumpEvents();
        if (m_quitting) {
            m_rolling = false;
            return;
        }
        // A new or loaded game replaced this one between frames: draw nothing onto it.
        if (generation != m_generation)
            break;
        if (m_state.AnimateDice) {
            m_platform.waitFrame(kFramePause);
            if (m_quitting) {
                m_rolling = false;
                return;
            }
            if (generation != m_generation)
                break;
        }
    }

    m_rolling = false;
    m_rollEnabled = m_state.GameInProgress && m_state.RollCount < 3;
    m_top.setEnabled(true);
    m_bottom.setEnabled(true);
    m_diceEnabled = true;
    emit changed();
}

void Game::imgDiceRolled_Click(int index) { moveDie(index, true); }
void Game::imgDiceSaved_Click(int index) { moveDie(index, false); }

void Game::moveDie(int index, bool hold)
{
    if (!m_diceEnabled || index < 0 || index > 4)
        return;
    const auto i = std::size_t(index);
    auto &from = hold ? m_rolledFaces : m_savedFaces;
    auto &to = hold ? m_savedFaces : m_rolledFaces;
    // A box that shows no die has nothing to move: a die is only ever held with a face.
    if (from[i] == 0)
        return;
    to[i] = from[i];
    from[i] = 0;
    m_state.DiceSaved[i] = hold;
    emit changed();
}

void Game::mnuAnimateDice_Click()
{
    m_state.AnimateDice = !m_state.AnimateDice;
    m_settings.saveFlag(settingkeys::kAnimateDice, m_state.AnimateDice);
    emit changed();
}

// ---------------------------------------------------------------------------------------------
// Score card

void Game::ScoreCardTop_Click() { scoreClick(m_top, true); }
void Game::ScoreCardBottom_Click() { scoreClick(m_bottom, false); }

void Game::scoreClick(ScoreCard &grid, bool upper)
{
    if (!grid.enabled() || !m_state.GameInProgress || m_state.RollCount == 0)
        return;
    const int player = m_state.CurrentPlayer;
    if (player < 1 || player > m_state.NumPlayers)
        return;
    const int row = grid.row();
    const std::optional<Category> category = upper ? topRowCategory(row) : bottomRowCategory(row);
    if (!category || !grid.textMatrix(row, player).isEmpty())
        return;

    const int score = categoryScore(*category, dice());

    if (*category == Category::Kelbrune && score == kKelbruneScore)
        m_platform.playCue(Platform::Cue::Kelbrune);
    const quint64 generation = m_generation;
    // The computer never answers a box: its choice of a zero stands.
    if (score == 0 && seatKind(player) == SeatKind::Human
        && (!ask(QStringLiteral("Zero Score?"),
                 QStringLiteral("Do you want to enter a zero in the selected row?"))
            || replaced(generation)))
        return;

    m_undo.reset();
    if (seatKind(player) == SeatKind::Human)
        m_undo = UndoPoint{m_state,       m_top,        m_bottom, m_rolledFaces,
                           m_savedFaces, m_rollEnabled, m_generation};
    grid.setTextMatrix(row, player, QString::number(score));
    grid.setRow(row);
    grid.setCol(player);
    grid.setCellBackColor(score > 0 ? colours::kScoredBack : colours::kZeroBack);
    grid.setCellForeColor(score > 0 ? colours::kScoredText : colours::kZeroText);
    grid.setCellFontBold(true);

    // A total read from an edited file may sit near the 16-bit limit: stop there, never wrap.
    auto &sectionTotal = upper ? m_state.UpperTotal : m_state.LowerTotal;
    sectionTotal[std::size_t(player)] = clamp16(sectionTotal[std::size_t(player)] + score);

    UpdateTotals();
    AdvanceTurn();
    emit changed();
}

bool Game::canUndo() const
{
    return m_undo && m_undo->generation == m_generation && m_state.GameInProgress
           && m_state.RollCount == 0 && !m_rolling;
}

void Game::mnuUndo_Click()
{
    if (!canUndo())
        return;
    const UndoPoint point = *std::exchange(m_undo, std::nullopt);
    // The settings of the moment stay as they are.
    const bool animate = m_state.AnimateDice;
    const qint16 defaultCount = m_state.DefNumPlayers;
    m_state = point.state;
    m_state.AnimateDice = animate;
    m_state.DefNumPlayers = defaultCount;
    m_top.assign(point.top);
    m_bottom.assign(point.bottom);
    m_rolledFaces = point.rolledFaces;
    m_savedFaces = point.savedFaces;
    m_rollEnabled = point.rollEnabled;
    emit changed();
}

void Game::UpdateTotals()
{
    const auto p = std::size_t(m_state.CurrentPlayer);
    const int col = m_state.CurrentPlayer;
    const int upperSum = m_state.UpperTotal[p];
    const int lowerSum = m_state.LowerTotal[p];
    const int bonus = earnsUpperBonus(upperSum) ? kUpperBonus : 0;
    // Sums read from an edited file may sit at the 16-bit limit: the cells show what the state
    // holds, so the card and the winner never disagree.
    const qint16 upperWithBonus = clamp16(upperSum + bonus);
    m_state.GrandTotal[p] = clamp16(upperSum + lowerSum + bonus);

    m_top.setTextMatrix(layout::kTopTotal, col, QString::number(upperSum));
    m_bottom.setTextMatrix(layout::kBottomLowerTotal, col, QString::number(lowerSum));
    if (bonus > 0)
        m_top.setTextMatrix(layout::kTopBonus, col, QString::number(kUpperBonus));
    m_top.setTextMatrix(layout::kTopUpperTotal, col, QString::number(upperWithBonus));
    m_bottom.setTextMatrix(layout::kBottomUpperTotal, col,
                           m_top.textMatrix(layout::kTopUpperTotal, col));
    m_bottom.setTextMatrix(layout::kBottomGrandTotal, col, QString::number(m_state.GrandTotal[p]));
}

// ---------------------------------------------------------------------------------------------
// Turns

void Game::clearDice()
{
    for (std::size_t i = 0; i < 5; ++i) {
        m_state.DiceValue[i] = 0;
        m_state.DiceSaved[i] = false;
        m_savedFaces[i] = 0;
        m_rolledFaces[i] = 0;
    }
}

void Game::AdvanceTurn()
{
    clearDice();
    m_top.setRow(0);
    m_top.setCol(m_state.CurrentPlayer);
    m_top.setCellBackColor(colours::kButtonFace);
    m_state.RollCount = 0;
    m_rollEnabled = true;
    ++m_state.CurrentPlayer;
    if (m_state.CurrentPlayer > m_state.NumPlayers) {
        m_state.CurrentPlayer = 1;
        ++m_state.RoundCount;
        if (m_state.RoundCount == 13) {
            const QString winners = WinnerNames();
            const quint64 generation = m_generation;
            // Over before its box shows: keys and menus that overtake the box find nothing to
            // roll, save or take back.
            m_rollEnabled = false;
            m_state.GameInProgress = false;
            m_saveEnabled = false;
            emit changed();
            emit ended();
            m_platform.playCue(Platform::Cue::GameOver);
            tell(QStringLiteral("Game Over!"),
                 QStringLiteral("The game is over!\r\nCongratulations to ") + winners
                     + QStringLiteral(" who won the game!"));
            if (!replaced(generation))
                emit endAnnounced();
            return;
        }
    }
    m_top.setRow(0);
    m_top.setCol(m_state.CurrentPlayer);
    m_top.setCellBackColor(colours::kRed);
}

QString Game::WinnerNames() const
{
    std::vector<int> ranked;
    for (int p = 1; p <= m_state.NumPlayers && p <= layout::kMaxPlayers; ++p)
        ranked.push_back(p);
    auto total = [this](int p) { return m_state.GrandTotal[std::size_t(p)]; };
    // Exchange sort on strictly smaller totals: players with equal totals keep their order.
    for (std::size_t j = 0; j < ranked.size(); ++j)
        for (std::size_t k = j + 1; k < ranked.size(); ++k)
            if (total(ranked[j]) < total(ranked[k]))
                std::swap(ranked[j], ranked[k]);
    QStringList names;
    for (int p : ranked)
        if (total(p) == total(ranked.front()))
            names << shownName(m_state.PlayerNames[std::size_t(p)]);
    return names.join(QStringLiteral(" and "));
}

// ---------------------------------------------------------------------------------------------
// New game

void Game::clearScoreCard()
{
    for (ScoreCard *grid : {&m_top, &m_bottom}) {
        const Colour headingBack = grid == &m_top ? colours::kButtonFace : colours::kBlack;
        const int rows = grid->rows();
        for (int r = 0; r < rows; ++r) {
            grid->setRow(r);
            const int cols = grid->cols();
            for (int c = 1; c < cols; ++c) {
                grid->setCol(c);
                grid->setTextMatrix(r, c, QString());
                grid->setCellBackColor(r == 0 ? headingBack : colours::kWhite);
            }
        }
    }
    m_seats.fill(SeatKind::Human);
    for (std::size_t n = 1; n <= std::size_t(layout::kMaxPlayers); ++n) {
        m_state.PlayerNames[n].clear();
        m_state.LowerTotal[n] = 0;
        m_state.UpperTotal[n] = 0;
        m_state.GrandTotal[n] = 0;
    }
}

void Game::endAbandonedGame()
{
    // The old card is already erased; leaving its game running would let play go on with a
    // player count outside 1..6.
    m_state.GameInProgress = false;
    m_state.RollCount = 0;
    clearDice();
    m_rollEnabled = false;
    m_saveEnabled = false;
}

void Game::replaceGame()
{
    ++m_generation;
    // A roll of the old game is waiting out a frame: it must unwind now, not hold up the new
    // game's first roll.
    if (m_rolling)
        m_platform.cancelWait();
}

void Game::mnuNewGame_Click()
{
    m_state.DefNumPlayers = numericValue(m_settings.value(settingkeys::kDefNumPlayers));
    if (!newGameConfirmed())
        return;

    clearScoreCard();
    replaceGame();
    const quint64 generation = m_generation;

    const QString count = input(QStringLiteral("How Many Players? (1-6)"), QStringLiteral("Kelbrune!"),
                                QString::number(m_state.DefNumPlayers));
    if (replaced(generation))
        return;
    m_state.NumPlayers = numericValue(count);
    m_settings.save(settingkeys::kDefNumPlayers, QString::number(m_state.NumPlayers));
    if (m_state.NumPlayers < 1 || m_state.NumPlayers > layout::kMaxPlayers) {
        endAbandonedGame();
        emit changed();
        return;
    }

    for (int n = 1; n <= m_state.NumPlayers; ++n) {
        const QString key = settingkeys::defPlayer(n);
        const QString name = input(QStringLiteral("Please enter a name for Player #")
                                       + QString::number(n) + QLatin1Char(':'),
                                   QStringLiteral("Player Name"), m_settings.value(key));
        if (replaced(generation))
            return;
        m_state.PlayerNames[std::size_t(n)] = name;
        m_settings.save(key, name);
    }
    startGame();
}

void Game::startGame()
{
    for (int n = 1; n <= m_state.NumPlayers; ++n)
        m_top.setTextMatrix(0, n, m_state.PlayerNames[std::size_t(n)]);

    m_state.GameInProgress = true;
    m_saveEnabled = true;
    m_rollEnabled = true;
    m_state.CurrentPlayer = 0;
    m_state.RoundCount = 0;
    AdvanceTurn();
    emit changed();
}

Dice Game::dice() const
{
    Dice dice;
    for (std::size_t i = 0; i < 5; ++i)
        dice[i] = m_state.DiceValue[i];
    return dice;
}

QString Game::entry(int player, Category category) const
{
    return (isUpper(category) ? m_top : m_bottom).textMatrix(categoryRow(category), player);
}

QString Game::playerName(int player) const
{
    if (player < 1 || player > m_state.NumPlayers || player > layout::kMaxPlayers)
        return {};
    const QString &name = m_state.PlayerNames[std::size_t(player)];
    return name.isEmpty() ? QStringLiteral("Player %1").arg(player) : shownName(name);
}

SeatKind Game::seatKind(int player) const
{
    return player >= 1 && player <= layout::kMaxPlayers ? m_seats[std::size_t(player)]
                                                        : SeatKind::Human;
}

bool Game::computerToMove() const
{
    return m_state.GameInProgress && seatKind(m_state.CurrentPlayer) != SeatKind::Human;
}

std::vector<Seat> Game::offeredSeats()
{
    // Until a first game against the computer: the first player's name against a strong computer.
    const int count = numericValue(m_settings.value(settingkeys::kSeatCount));
    if (count < 1 || count > layout::kMaxPlayers)
        return {{m_settings.value(settingkeys::defPlayer(1)), SeatKind::Human},
                {computerSeatName(1), SeatKind::Strong}};
    std::vector<Seat> seats;
    for (int n = 1; n <= count; ++n) {
        const auto kind = seatKindFromName(m_settings.value(settingkeys::seatKind(n)));
        seats.push_back({m_settings.value(settingkeys::seatName(n)), kind.value_or(SeatKind::Human)});
    }
    return seats;
}

void Game::storeSeats(const std::vector<Seat> &seats)
{
    m_settings.save(settingkeys::kSeatCount, QString::number(seats.size()));
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int n = int(i) + 1;
        m_settings.save(settingkeys::seatKind(n), seatKindName(seats[i].kind));
        m_settings.save(settingkeys::seatName(n), seats[i].name);
    }
}

bool Game::newGameConfirmed()
{
    const quint64 generation = m_generation;
    return !m_state.GameInProgress
           || (ask(QStringLiteral("Game In Progress"),
                   QStringLiteral("There is a game in progress.\r\nDo you still want a new game?"))
               && !replaced(generation));
}

void Game::mnuNewAgainstComputer_Click()
{
    const quint64 generation = m_generation;
    if (!newGameConfirmed())
        return;
    emit changed();
    const std::optional<std::vector<Seat>> seats = m_platform.askSeats(offeredSeats());
    if (!seats || seats->empty() || seats->size() > std::size_t(layout::kMaxPlayers)
        || replaced(generation))
        return;
    storeSeats(*seats);

    clearScoreCard();
    replaceGame();
    m_state.NumPlayers = qint16(seats->size());
    for (int n = 1; n <= m_state.NumPlayers; ++n) {
        const Seat &seat = (*seats)[std::size_t(n - 1)];
        m_state.PlayerNames[std::size_t(n)] = singleLine(seat.name.left(Platform::kMaxAnswer));
        m_seats[std::size_t(n)] = seat.kind;
    }
    startGame();
}

// ---------------------------------------------------------------------------------------------
// Save and load

void Game::mnuSaveGame_Click()
{
    if (!m_state.GameInProgress) {
        m_saveEnabled = false;
        emit changed();
        return;
    }
    const quint64 generation = m_generation;
    QString path;
    for (;;) {
        emit changed();
        path = m_platform.saveFileName(kSaveFilter);
        if (path.isEmpty() || replaced(generation))
            return;
        if (!QFileInfo(path).isFile())
            break;
        const bool overwrite = ask(QStringLiteral("File Exists."),
                                   path + QStringLiteral(" already exists.\r\nOverwrite?"));
        if (replaced(generation))
            return;
        if (overwrite)
            break;
    }
    if (const auto failure = writeSavedGame(path, toSavedGame(m_state, m_top, m_bottom,
                                                              m_rollEnabled, m_seats)))
        tell(QStringLiteral("Save Failed"),
             QStringLiteral("The game could not be saved to ") + path + QStringLiteral(".\r\n")
                 + *failure);
}

void Game::mnuLoadGame_Click()
{
    emit changed();
    const QString path = m_platform.openFileName(kSaveFilter);
    if (path.isEmpty())
        return;
    const DecodeResult result = readSavedGame(path);
    if (!result.game) {
        QString where = result.error.line > 0
                            ? QStringLiteral("Line ") + QString::number(result.error.line)
                                  + QStringLiteral(": ")
                            : QString();
        tell(QStringLiteral("Load Failed"),
             QStringLiteral("The game in ") + path + QStringLiteral(" could not be loaded.\r\n")
                 + where + result.error.reason);
        return;
    }
    apply(*result.game);
    emit changed();
}

void Game::apply(const SavedGame &saved)
{
    replaceGame();
    m_state.NumPlayers = qint16(saved.players.size());
    clearScoreCard();
    fromSavedGame(saved, m_state, m_top, m_bottom, m_seats);
    for (std::size_t d = 0; d < 5; ++d) {
        const int face = m_state.DiceValue[d];
        m_savedFaces[d] = m_state.DiceSaved[d] ? face : 0;
        m_rolledFaces[d] = m_state.DiceSaved[d] ? 0 : face;
    }
    m_rollEnabled = m_state.RollCount < 3;
    markCurrentPlayer();
    m_saveEnabled = true;
    m_state.GameInProgress = true;
}

void Game::markCurrentPlayer()
{
    m_top.setRow(0);
    for (int p = 1; p <= m_state.NumPlayers; ++p) {
        m_top.setCol(p);
        m_top.setCellBackColor(p == m_state.CurrentPlayer ? colours::kRed : colours::kButtonFace);
    }
}

// ---------------------------------------------------------------------------------------------
// Exit

bool Game::confirmClose()
{
    const quint64 generation = m_generation;
    if (m_state.GameInProgress
        && (!ask(QStringLiteral("Game in progress"),
                 QStringLiteral("A game is in progress.\r\nDo you still want to quit?"))
            || replaced(generation)))
        return false;
    m_quitting = true;
    return true;
}

void Game::mnuExit_Click()
{
    if (!confirmClose())
        return;
    m_platform.quit();
}
