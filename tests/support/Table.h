#pragma once

#include "MemorySettings.h"
#include "SaveFile.h"
#include "SavedGameConversion.h"
#include "ScriptedPlatform.h"
#include "frmMain.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// The real main window with a scripted platform and settings in memory, and short verbs for
// what a player does.
struct Table
{
    // One advisor for every table of a test program, its table worked out once.
    static OptimalPlay &readyAdvisor()
    {
        static OptimalPlay advisor;
        advisor.solve();
        return advisor;
    }

    explicit Table(OptimalPlay &advisor = readyAdvisor())
        : records(files.filePath(QStringLiteral("records.sqlite"))),
          window(platform, settings, advisor, records)
    {
    }

    QTemporaryDir files;  // saved games and the records the table writes for itself
    ScriptedPlatform platform;
    MemorySettings settings;
    records::RecordStore records;
    frmMain window;

    Game &game() { return window.game(); }
    // The game as Game > Save would write it.
    SavedGame snapshot()
    {
        return toSavedGame(game().state(), game().top(), game().bottom(), game().rollEnabled(), game().seats());
    }
    const GameState &state() { return window.game().state(); }
    const ScoreCard &top() { return window.game().top(); }
    const ScoreCard &bottom() { return window.game().bottom(); }

    // Game > New answered with the player count and the names; no game may be in progress.
    void newGame(const QStringList &names)
    {
        platform.inputAnswers << QString::number(names.size()) << names;
        window.mnuNewGame_Click();
    }
    // A roll whose last frame shows these faces on the dice that are not held.
    void roll(const QString &faces, int frames = 6)
    {
        platform.scriptRoll(faces, state().DiceSaved, frames);
        window.cmdRoll_Click();
    }
    void hold(int die) { window.imgDiceRolled_Click(die); }
    void release(int die) { window.imgDiceSaved_Click(die); }
    // A click on a category row; by default in the current player's column.
    void scoreTop(int row, int col = 0) { window.clickScoreCardTop(row, col > 0 ? col : state().CurrentPlayer); }
    void scoreBottom(int row, int col = 0) { window.clickScoreCardBottom(row, col > 0 ? col : state().CurrentPlayer); }
    void turn(const QString &faces, Category c) { turn(faces, isUpper(c), categoryRow(c)); }
    // One whole turn: roll these dice and enter them in a row of a grid (zeros confirmed).
    void turn(const QString &faces, bool upper, int row)
    {
        roll(faces);
        platform.yesNoAnswers << true;
        const int before = platform.yesNoAnswers.size();
        upper ? scoreTop(row) : scoreBottom(row);
        if (platform.yesNoAnswers.size() == before)
            platform.yesNoAnswers.removeLast();  // no zero question was asked
    }

    // Writes a game into the table's own folder; returns the file's path.
    QString writeGame(const SavedGame &saved, const QString &name = QStringLiteral("game.sav"))
    {
        const QString path = files.filePath(name);
        if (const std::optional<QString> failure = writeSavedGame(path, saved))
            QTest::qFail(qPrintable(*failure), __FILE__, __LINE__);
        return path;
    }
    // Game > Load of that game.
    void load(const SavedGame &saved)
    {
        platform.fileAnswers << writeGame(saved);
        window.mnuLoadGame_Click();
    }
};

// A one-player game in the middle of a turn: the rolls made and the dice, held or not.
inline SavedGame savedTurn(const QString &name, int rolls, const std::array<qint16, 5> &dice,
                           const std::array<bool, 5> &held = {})
{
    SavedGame saved;
    SavedPlayer player;
    player.name = name;
    saved.players.push_back(player);
    saved.currentPlayer = 1;
    saved.rollCount = qint16(rolls);
    saved.diceValue = dice;
    saved.diceSaved = held;
    return saved;
}
