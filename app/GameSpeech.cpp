#include "GameSpeech.h"

#include "Announcer.h"
#include "Game.h"
#include "MoveWords.h"

#include <QStringList>
#include <utility>

namespace {
// The faces in die order: "2, 2, 5, 5, 5".
QString facesText(const Dice &faces)
{
    QStringList words;
    for (int face : faces)
        words << QString::number(face);
    return words.join(QStringLiteral(", "));
}
}  // namespace

GameSpeech::GameSpeech(const Game &game, Announcer &announcer, Names names, QObject *parent)
    : QObject(parent), m_game(game), m_announcer(announcer), m_names(std::move(names))
{
    connect(&game, &Game::scored, this, &GameSpeech::scored);
    connect(&game, &Game::turnStarted, this, &GameSpeech::turnStarted);
    connect(&game, &Game::gameOver, this, &GameSpeech::gameOver);
    connect(&game, &Game::undone, this, &GameSpeech::undone);
    connect(&game, &Game::replaced, this, &GameSpeech::replaced);
}

QString GameSpeech::categoryName(Category category)
{
    // Spoken in full, where the card prints its short labels.
    static const char *const names[kCategoryCount] = {
        QT_TR_NOOP("Aces"),           QT_TR_NOOP("Twos"),           QT_TR_NOOP("Threes"),
        QT_TR_NOOP("Fours"),          QT_TR_NOOP("Fives"),          QT_TR_NOOP("Sixes"),
        QT_TR_NOOP("Three of a Kind"), QT_TR_NOOP("Four of a Kind"), QT_TR_NOOP("Full House"),
        QT_TR_NOOP("Small Straight"), QT_TR_NOOP("Large Straight"), QT_TR_NOOP("Kelbrune"),
        QT_TR_NOOP("Chance")};
    return tr(names[int(category)]);
}

void GameSpeech::say(const QString &line)
{
    m_announcer.say(line);
}

QString GameSpeech::turnOf(int player) const
{
    return tr("%1's turn.").arg(m_names(player));
}

QString GameSpeech::diceAndNext(bool person) const
{
    const Turn &turn = m_game.state().turn;
    QStringList held;
    for (int d = 0; d < kDiceCount; ++d)
        if (turn.held[std::size_t(d)])
            held << QString::number(d + 1);
    QStringList sentences;
    if (held.size() == 1)
        sentences << tr("Die %1 is held.").arg(held.first());
    else if (!held.isEmpty())
        //: %1 the held dice's numbers: "1, 3".
        sentences << tr("Dice %1 are held.").arg(held.join(QStringLiteral(", ")));
    if (person) {
        sentences << (turn.rollsMade < kRollsPerTurn
                          ? tr("Roll %1 of %2 next.").arg(turn.rollsMade + 1).arg(kRollsPerTurn)
                          : tr("No rolls left: choose a category."));
    }
    return sentences.join(QLatin1Char(' '));
}

void GameSpeech::rollLanded()
{
    const GameState &s = m_game.state();
    if (!s.inProgress() || s.turn.rollsMade == 0)
        return;
    //: %1 the player, %2 the five faces as figures: "2, 2, 5, 5, 5".
    say(tr("%1 rolled %2.").arg(m_names(s.mover), facesText(s.turn.faces)));
    say(diceAndNext(!s.computerToMove()));
}

void GameSpeech::dieMoved(int die)
{
    const Turn &turn = m_game.state().turn;
    const QString face = faceWord(turn.faces[std::size_t(die)]);
    say(turn.held[std::size_t(die)] ? tr("Die %1: %2, held.").arg(die + 1).arg(face)
                                    : tr("Die %1: %2, back on the table.").arg(die + 1).arg(face));
}

void GameSpeech::cursorOn(Category category)
{
    const Turn &turn = m_game.state().turn;
    const QString row = categoryName(category);
    if (turn.rollsMade == 0) {
        say(tr("%1: no dice rolled yet.").arg(row));
        return;
    }
    const int points = categoryScore(category, turn.faces);
    //: Told as the cursor reaches a row: %1 the row, %n what the dice would score there.
    say(tr("%1, %n point(s).", nullptr, points).arg(row));
}

void GameSpeech::computerMoved(int player, const Move &move)
{
    // Its rolls are told as they land and its entry as the game makes it.
    if (move.kind == Move::Kind::Keep)
        say(narrationText(m_names(player), move, 0));
}

void GameSpeech::computerThinking(int player)
{
    const std::tuple<quint64, int, int> turn{m_game.generation(), player, m_game.state().round};
    if (std::exchange(m_thinkingTold, turn) != turn)
        say(tr("%1 is thinking.").arg(m_names(player)));
}

void GameSpeech::scored(int player, Category category, int points)
{
    const ScoreSheet &sheet = m_game.state().players[std::size_t(player)].sheet;
    //: %1 the player, %2 the points, %3 the row.
    say(tr("%1 scored %2 in %3.").arg(m_names(player)).arg(points).arg(categoryName(category)));
    if (isUpper(category) && earnsUpperBonus(sheet.upperSum())
        && !earnsUpperBonus(sheet.upperSum() - points))
        say(tr("Upper bonus of %1 earned.").arg(kUpperBonus));
    //: The player's grand total after an entry.
    say(tr("Total %1.").arg(sheet.grandTotal()));
}

void GameSpeech::turnStarted()
{
    say(turnOf(m_game.state().mover));
}

void GameSpeech::gameOver()
{
    const GameState &s = m_game.state();
    QStringList scores;
    for (int p = 0; p < int(s.players.size()); ++p)
        //: One player's final score in the list said at the game's end: name, then points.
        scores << tr("%1 %2").arg(m_names(p)).arg(s.players[std::size_t(p)].sheet.grandTotal());
    say(tr("Game over. Final scores: %1.").arg(scores.join(QStringLiteral(", "))));
}

void GameSpeech::undone()
{
    const GameState &s = m_game.state();
    // The game is back before a person's entry: that person to move, the dice rolled.
    say(tr("Entry taken back. %1's turn again.").arg(m_names(s.mover)));
    say(tr("The dice show %1.").arg(facesText(s.turn.faces)));
    say(diceAndNext(true));
}

void GameSpeech::replaced()
{
    const GameState &s = m_game.state();
    if (!s.inProgress())
        return;
    QStringList names;
    for (int p = 0; p < int(s.players.size()); ++p)
        names << m_names(p);
    say(tr("Players: %1.").arg(names.join(QStringLiteral(", "))));
    say(turnOf(s.mover));
    if (s.turn.rollsMade > 0) {
        say(tr("The dice show %1.").arg(facesText(s.turn.faces)));
        say(diceAndNext(!s.computerToMove()));
    }
}
