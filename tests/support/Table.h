#pragma once

#include "CardLayout.h"
#include "DieBox.h"
#include "GameCommands.h"
#include "MemorySettings.h"
#include "SaveFile.h"
#include "SavedGameConversion.h"
#include "ScriptedPlatform.h"
#include "ScriptedPrompts.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "RollButton.h"
#include "frmMain.h"

#include <QAction>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// The real main window with a scripted platform, scripted prompts and settings in memory, and
// short verbs for what a player does.
struct Table
{
    // One advisor for every table of a test program, solved once.
    static OptimalPlay &readyAdvisor()
    {
        static OptimalPlay advisor;
        advisor.solve();
        return advisor;
    }

    explicit Table(OptimalPlay &advisor = readyAdvisor())
        : records(files.filePath(QStringLiteral("records.sqlite"))),
          window(platform, prompts, settings, advisor, records)
    {
    }

    QTemporaryDir files;  // its saved games and records
    ScriptedPlatform platform;
    ScriptedPrompts prompts;
    MemorySettings settings;
    records::RecordStore records;
    frmMain window;

    Game &game() { return window.game(); }
    const GameState &state() { return window.game().state(); }
    const Turn &turn() { return state().turn; }

    // Game > New answered with the player count and the names; no game may be in progress.
    void newGame(const QStringList &names)
    {
        prompts.inputAnswers << QString::number(names.size()) << names;
        window.mnuNewGame()->trigger();
    }
    // A roll that shows these faces on the dice that are not held, shown to its end.
    void roll(const QString &faces)
    {
        platform.scriptRoll(faces, turn().held);
        QTest::mouseClick(window.cmdRoll(), Qt::LeftButton);
        land();
    }
    // Runs the frames of the roll being shown until the dice land.
    void land()
    {
        while (window.rolling() && platform.runScheduled(1) == 1) {
        }
    }
    void hold(int die) { window.imgDiceRolled_Click(die); }
    void release(int die) { window.imgDiceSaved_Click(die); }
    // A click on a row of a grid, by default in column 1.
    void scoreTop(int row, int col = 1) { window.clickScoreCardTop(row, col); }
    void scoreBottom(int row, int col = 1) { window.clickScoreCardBottom(row, col); }
    void score(Category c)
    {
        isUpper(c) ? scoreTop(card::rowOf(c)) : scoreBottom(card::rowOf(c));
    }
    // One whole turn: roll these dice and enter them in a category (a zero confirmed).
    void turn(const QString &faces, Category c)
    {
        roll(faces);
        if (categoryScore(c, state().turn.faces) == 0)
            prompts.yesNoAnswers << true;
        score(c);
    }

    // Writes a game into the table's own folder; returns the file's path.
    QString writeGame(const SavedGame &saved, const QString &name = QStringLiteral("game.sav"))
    {
        const QString path = files.filePath(name);
        if (const std::optional<QString> failure = writeSavedGame(path, saved))
            QTest::qFail(qPrintable(*failure), __FILE__, __LINE__);
        return path;
    }
    QString writeGame(const GameState &state, const QString &name = QStringLiteral("game.sav"))
    {
        return writeGame(toSavedGame(state), name);
    }
    // Game > Load of that game.
    void load(const GameState &state)
    {
        prompts.fileAnswers << writeGame(state);
        window.mnuLoadGame()->trigger();
    }
};
