#pragma once

#include "GameState.h"
#include "Recorder.h"
#include "Review.h"
#include "Scoring.h"

#include <QObject>
#include <QString>
#include <QStringList>

class DecisionLog;
class Game;
class OptimalPlay;
class Prompts;
class SettingsStore;

// The player's commands that ask before they act: New, New Against Computer, Save, Load and Exit,
// the question before a zero is entered, and the end of a game. Each asks through the prompts,
// words every message, and only then calls the game's intention. A game replaced while a question
// is open (a Load that overtakes it) ends the command that asked.
class GameCommands : public QObject
{
    Q_OBJECT

public:
    // The advisor weighs each finished game's decisions for its review; it is worked out first
    // if it is not ready yet (a few tenths of a second).
    GameCommands(Game &game, Prompts &prompts, SettingsStore &settings,
                 records::RecordStore &records, OptimalPlay &advisor, QObject *parent = nullptr);
    ~GameCommands() override;

    // Game > New: "Game In Progress" while a game runs, then the player count and the names,
    // each offered as last answered.
    void newGame();
    // Game > New Against Computer: "Game In Progress", then the seats dialog.
    void newAgainstComputer();
    // Game > Save: the file, "File Exists." before replacing one, "Save Failed" with the reason.
    void save();
    // Game > Load: the file; a refused one says which line and why, and changes nothing.
    void load();
    // Whether the program may end: nothing in progress, or Yes to "Game in progress".
    bool confirmClose();
    // Game > Exit.
    void exit();
    bool quitting() const { return m_quitting; }
    // The dice entered in a category by the person to move, after "Zero Score?" when they
    // score nothing.
    void score(Category category);

    // The last game finished in this session, as it ended, and its review.
    struct Reviewed
    {
        GameState game;
        GameReview review;
    };
    const std::optional<Reviewed> &lastReview() const { return m_lastReview; }
    // What writes the finished games to the records, off the window's thread.
    records::Recorder &recorder() { return m_recorder; }

signals:
    // The finished game has a place among the ten best: the records window shows it.
    void topTen(qint64 game);
    // The game just finished has its review (before its "Game Over!" box shows).
    void reviewed();

private:
    // The game just finished is reviewed and goes to the records, its cue sounds and "Game Over!"
    // names the winners. The records answer later, from their own thread: once the box is closed
    // and the answer is in, in either order, a problem with the records is told, or a place in
    // the top ten shown.
    void gameOver();
    void recorded(quint64 ticket, const records::Outcome &outcome);
    void tellRecorded();
    bool ask(const QString &title, const QString &text);
    QString input(const QString &prompt, const QString &title, const QString &defaultText);
    bool replaced(quint64 generation) const;
    static QString saveFilter();
    bool newGameConfirmed();

    Game &m_game;
    Prompts &m_prompts;
    SettingsStore &m_settings;
    records::Recorder m_recorder;
    quint64 m_recordTicket = 0;  // the last game handed to the records
    std::optional<records::Outcome> m_recordOutcome;
    bool m_gameOverClosed = false;
    QStringList m_recordsNews;  // what the records said that the player has not been told yet
    OptimalPlay &m_advisor;
    DecisionLog *m_log;
    std::optional<Reviewed> m_lastReview;
    bool m_quitting = false;
};
