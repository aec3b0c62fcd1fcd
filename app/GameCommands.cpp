#include "GameCommands.h"

#include "DecisionLog.h"
#include "Game.h"
#include "OptimalPlay.h"
#include "NumericValue.h"
#include "Prompts.h"
#include "RecordStore.h"
#include "GameRecord.h"
#include "SaveFile.h"
#include "SavedGameConversion.h"
#include "SettingsStore.h"
#include "ShownName.h"
#include "frmSeats.h"

#include <QFileInfo>
#include <QStringList>

GameCommands::GameCommands(Game &game, Prompts &prompts, SettingsStore &settings,
                           records::RecordStore &records, OptimalPlay &advisor, QObject *parent)
    : QObject(parent), m_game(game), m_prompts(prompts), m_settings(settings),
      m_recorder(records.path()), m_advisor(advisor), m_log(new DecisionLog(game, this))
{
    connect(&m_game, &Game::gameOver, this, &GameCommands::gameOver);
    connect(&m_recorder, &records::Recorder::finished, this, &GameCommands::recorded);
}

GameCommands::~GameCommands() = default;

bool GameCommands::ask(const QString &title, const QString &text)
{
    return m_prompts.askYesNo(title, text);
}

QString GameCommands::input(const QString &prompt, const QString &title,
                            const QString &defaultText)
{
    return fittedName(m_prompts.inputBox(prompt, title, defaultText));
}

QString GameCommands::saveFilter()
{
    //: The kind of file the Save and Load dialogs offer; keep "(*.sav)" as it is.
    return tr("Saved Games (*.sav)");
}

bool GameCommands::replaced(quint64 generation) const
{
    return generation != m_game.generation();
}

void GameCommands::score(Category category)
{
    if (m_game.state().computerToMove() || !m_game.canScore(category))
        return;
    const quint64 generation = m_game.generation();
    if (categoryScore(category, m_game.state().turn.faces) == 0
        && (!ask(tr("Zero Score?"), tr("Do you want to enter a zero in the selected row?"))
            || replaced(generation)))
        return;
    m_game.score(category);
}

void GameCommands::gameOver()
{
    const GameState &state = m_game.state();
    m_advisor.solve();
    m_lastReview = Reviewed{state, reviewGame(m_log->decisions(), int(state.players.size()),
                                              m_log->partWay(), m_advisor)};
    emit reviewed();
    records::GameRecord record = records::recordOf(state);
    if (!m_lastReview->review.partWay)
        for (std::size_t seat = 0; seat < record.seats.size(); ++seat)
            record.seats[seat].pointsLost = m_lastReview->review.lostBySeat[seat];
    m_recordTicket = m_recorder.record(record);
    m_recordOutcome.reset();
    m_gameOverClosed = false;
    m_prompts.playCue(Prompts::Cue::GameOver);
    // The winners named in turn: "Ann", "Ann and Bob", "Ann and Bob and Cy".
    QString winners;
    const std::vector<int> won = state.winners();
    for (int player : won) {
        const QString name = shownName(state.players[std::size_t(player)].seat.name);
        //: Joins the names of the winners of a tied game: "Ann and Bob", "Ann and Bob and Cy".
        winners = winners.isEmpty() ? name : tr("%1 and %2").arg(winners, name);
    }
    const quint64 generation = m_game.generation();
    //: %1 names the winners; the number of them chooses the form.
    m_prompts.tell(tr("Game Over!"),
                   tr("The game is over!\nCongratulations to %1 who won the game!", nullptr,
                      int(won.size()))
                       .arg(winners));
    if (replaced(generation))
        return;
    m_gameOverClosed = true;
    tellRecorded();
}

void GameCommands::recorded(quint64 ticket, const records::Outcome &outcome)
{
    // What an earlier game's answer says is told with the next.
    if (!outcome.message.isEmpty())
        m_recordsNews << outcome.message;
    if (ticket == m_recordTicket)
        m_recordOutcome = outcome;
    tellRecorded();
}

void GameCommands::tellRecorded()
{
    if (!m_gameOverClosed || !m_recordOutcome)
        return;
    const records::Outcome outcome = *std::exchange(m_recordOutcome, std::nullopt);
    m_gameOverClosed = false;
    const QStringList news = std::exchange(m_recordsNews, {});
    if (!news.isEmpty())
        //: The title of a message about the records of finished games.
        m_prompts.tell(tr("Records"), news.join(QStringLiteral("\n\n")));
    else if (outcome.kind == records::Outcome::Kind::Recorded && outcome.recorded.topTen)
        emit topTen(outcome.recorded.gameId);
}

bool GameCommands::newGameConfirmed()
{
    const quint64 generation = m_game.generation();
    return !m_game.state().inProgress()
           || (ask(tr("Game In Progress"),
                   tr("There is a game in progress.\nDo you still want a new game?"))
               && !replaced(generation));
}

void GameCommands::newGame()
{
    // A stored count outside the game's limits is no answer to offer.
    int offered = numericValue(m_settings.value(settingkeys::kDefNumPlayers));
    if (offered < 1 || offered > kMaxPlayers)
        offered = numericValue(settingkeys::defaultFor(settingkeys::kDefNumPlayers));
    if (!newGameConfirmed())
        return;

    // From here the old game is gone, whatever the answers.
    m_game.clear();
    const quint64 generation = m_game.generation();
    const QString count = input(tr("How Many Players? (1-6)"), QStringLiteral("Kelbrune!"),
                                QString::number(offered));
    if (replaced(generation))
        return;
    const int players = numericValue(count);
    m_settings.save(settingkeys::kDefNumPlayers, QString::number(players));
    if (players < 1 || players > kMaxPlayers)
        return;

    std::vector<Seat> seats;
    for (int n = 1; n <= players; ++n) {
        const QString key = settingkeys::defPlayer(n);
        const QString name = input(tr("Please enter a name for Player #%1:").arg(n),
                                   tr("Player Name"), m_settings.value(key));
        if (replaced(generation))
            return;
        seats.push_back({name, SeatKind::Human});
        m_settings.save(key, name);
    }
    m_game.start(seats);
}

void GameCommands::newAgainstComputer()
{
    const quint64 generation = m_game.generation();
    if (!newGameConfirmed())
        return;
    const std::optional<std::vector<Seat>> seats =
        m_prompts.askSeats(frmSeats::offered(m_settings));
    if (!seats || seats->empty() || seats->size() > std::size_t(kMaxPlayers)
        || replaced(generation))
        return;
    frmSeats::remember(m_settings, *seats);
    m_game.start(*seats);
}

void GameCommands::save()
{
    if (!m_game.state().inProgress())
        return;
    const quint64 generation = m_game.generation();
    QString path;
    for (;;) {
        path = m_prompts.saveFileName(saveFilter());
        if (path.isEmpty() || replaced(generation))
            return;
        if (!QFileInfo(path).isFile())
            break;
        const bool overwrite = ask(tr("File Exists."), tr("%1 already exists.\nOverwrite?").arg(path));
        if (replaced(generation))
            return;
        if (overwrite)
            break;
    }
    if (const auto failure = writeSavedGame(path, toSavedGame(m_game.state())))
        //: %1 is the file's path, %2 the reason in a sentence.
        m_prompts.tell(tr("Save Failed"),
                       tr("The game could not be saved to %1.\n%2").arg(path, *failure));
}

void GameCommands::load()
{
    const QString path = m_prompts.openFileName(saveFilter());
    if (path.isEmpty())
        return;
    const DecodeResult result = readSavedGame(path);
    if (!result.game) {
        //: %1 is the file's path, %2 the line of the file at fault, %3 the reason in a sentence.
        const QString text =
            result.error.line > 0
                ? tr("The game in %1 could not be loaded.\nLine %2: %3")
                      .arg(path, QString::number(result.error.line), result.error.reason)
                //: %1 is the file's path, %2 the reason in a sentence.
                : tr("The game in %1 could not be loaded.\n%2").arg(path, result.error.reason);
        m_prompts.tell(tr("Load Failed"), text);
        return;
    }
    m_game.load(fromSavedGame(*result.game));
}

bool GameCommands::confirmClose()
{
    const quint64 generation = m_game.generation();
    if (m_game.state().inProgress()
        && (!ask(tr("Game in progress"), tr("A game is in progress.\nDo you still want to quit?"))
            || replaced(generation)))
        return false;
    m_quitting = true;
    return true;
}

void GameCommands::exit()
{
    if (confirmClose())
        m_prompts.quit();
}
