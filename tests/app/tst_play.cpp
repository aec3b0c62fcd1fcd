// A game through the real window: what it asks and tells, remembers, shows, a roll in flight, and
// games against the computer.
#include "DieBox.h"
#include "GameStates.h"
#include "Golden.h"
#include "ScoreGridView.h"
#include "Table.h"
#include "frmSeats.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using Prompt = ScriptedPrompts::Prompt;

namespace {
// The texts of a column below the heading, as the grid shows them.
QString column(ScoreGridView *grid, int col)
{
    QStringList texts;
    ScoreCardModel *model = grid->cardModel();
    for (int r = 1; r < model->rowCount(); ++r)
        texts << model->look(r, col).text;
    return texts.join(QLatin1Char(' '));
}

QList<int> redHeadings(ScoreGridView *top)
{
    QList<int> red;
    for (int c = 0; c < ScoreCardModel::kColumns; ++c)
        if (top->cardModel()->look(0, c).back == colours::kRed)
            red << c;
    return red;
}

// Two players, Dan to move after one roll.
GameState otherGame()
{
    GameState game = gameOf({"Cleo", "Dan"}, 1, "2 2 4 5 6");
    game.mover = 1;
    return game;
}
}  // namespace

class PlayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void newGamePromptsAndSettings()
    {
        Table t;
        t.settings.values.insert("DefNumPlayers", "3.5");
        t.settings.log.clear();
        t.prompts.inputAnswers << "2" << "Ann" << "";
        t.window.mnuNewGame()->trigger();
        QCOMPARE(t.prompts.events, (QStringList{"input Kelbrune!", "input Player Name", "input Player Name"}));
        const QList<Prompt> &asked = t.prompts.prompts;
        QCOMPARE((QStringList{asked[0].text, asked[0].defaultText, asked[1].text, asked[1].defaultText,
                              asked[2].text, asked[2].defaultText}),
                 (QStringList{"How Many Players? (1-6)", "4", "Please enter a name for Player #1:", "Player1",
                              "Please enter a name for Player #2:", "Player2"}));
        QCOMPARE(t.settings.log, (QStringList{"get DefNumPlayers", "save DefNumPlayers=2", "get DefPlayer1",
                                              "save DefPlayer1=Ann", "get DefPlayer2", "save DefPlayer2="}));
        QCOMPARE(t.window.ScoreCardTop()->cardModel()->look(0, 1).text, QStringLiteral("Ann"));
        QCOMPARE(redHeadings(t.window.ScoreCardTop()), QList<int>{1});

        // While a game runs New asks first; No changes nothing.
        t.turn("5 5 5 2 1", Category::Fives);
        t.roll("4 4 1 2 3");
        t.hold(1);
        const GameState before = t.state();
        t.prompts.clearRecords();
        t.prompts.yesNoAnswers << false << true;
        t.window.mnuNewGame()->trigger();
        QCOMPARE(t.prompts.prompts[0].title, QStringLiteral("Game In Progress"));
        QCOMPARE(t.prompts.prompts[0].text,
                 QStringLiteral("There is a game in progress.\nDo you still want a new game?"));
        QVERIFY(t.state() == before);

        // Yes starts afresh on a clean card; the empty name is offered back, line breaks become blanks.
        t.prompts.inputAnswers << "1" << "Cy\r\nDee\nE";
        t.window.mnuNewGame()->trigger();
        QCOMPARE(t.prompts.prompts[3].defaultText, QStringLiteral("Ann"));
        QCOMPARE(t.settings.values.value("DefPlayer1"), QStringLiteral("Cy Dee E"));
        QVERIFY(t.state() == gameOf({"Cy Dee E"}));
        QCOMPARE(column(t.window.ScoreCardTop(), 1) + column(t.window.ScoreCardBottom(), 2), QString(17, ' '));
    }

    void playerCount_data()
    {
        QTest::addColumn<QString>("stored");  // the count New offers from the settings
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("players");  // 0: the set-up ends without a game
        QTest::addColumn<QString>("kept");

        QTest::newRow("one, the fewest") << "1" << "1" << "1" << 1 << "1";
        QTest::newRow("halfway, to the even below") << "6" << "6" << "2.5" << 2 << "2";
        QTest::newRow("past halfway, up") << "2" << "2" << "2.51" << 3 << "3";
        QTest::newRow("words after the number") << "2" << "2" << "3 players" << 3 << "3";
        QTest::newRow("blanks between digits") << "2" << "2" << " 1 2 " << 0 << "12";
        QTest::newRow("six, the most") << "2" << "2" << "6" << 6 << "6";
        QTest::newRow("cancelled") << "2" << "2" << "" << 0 << "0";
        QTest::newRow("beyond 16 bits") << "2" << "2" << "99999" << 0 << "32767";
        // A count no game can have is not offered again.
        QTest::newRow("seven kept, two offered") << "7" << "2" << "7" << 0 << "7";
        QTest::newRow("beyond 16 bits kept, two offered") << "9999999" << "2" << "4" << 4 << "4";
    }

    // A count outside 1..6 ends the set-up and the old game: the next New asks nothing first.
    void playerCount()
    {
        QFETCH(QString, stored);
        QFETCH(QString, offered);
        QFETCH(QString, answer);
        QFETCH(int, players);
        QFETCH(QString, kept);
        Table t;
        t.newGame({"Ann", "Bob"});
        t.turn("3 3 3 2 1", Category::Threes);
        t.roll("6 6 6 6 5");
        t.settings.values.insert("DefNumPlayers", stored);
        t.prompts.clearRecords();
        t.prompts.yesNoAnswers << true;
        t.prompts.inputAnswers << answer << "P1" << "P2" << "P3" << "P4" << "P5" << "P6";
        t.window.mnuNewGame()->trigger();
        QCOMPARE(t.prompts.prompts[1].defaultText, offered);
        QCOMPARE(t.settings.values.value("DefNumPlayers"), kept);
        QCOMPARE(t.prompts.prompts.size(), 2 + players);
        QCOMPARE(int(t.state().players.size()), players);
        QCOMPARE(t.window.cmdRoll()->isAvailable() + t.window.mnuSaveGame()->isEnabled(), 2 * (players > 0));
        QCOMPARE(t.window.ScoreCardTop()->cardModel()->look(0, std::max(players, 1)).text,
                 players ? QStringLiteral("P%1").arg(players) : "");
        QCOMPARE(column(t.window.ScoreCardTop(), 1) + column(t.window.ScoreCardBottom(), 2), QString(17, ' '));
        QCOMPARE(redHeadings(t.window.ScoreCardTop()), players ? QList<int>{1} : QList<int>());
        QVERIFY(t.turn() == Turn{});
        t.prompts.clearRecords();
        t.window.cmdRoll_Click();
        QCOMPARE(t.prompts.events.isEmpty(), players == 0);
        if (players == 0) {
            t.prompts.inputAnswers.clear();
            t.newGame({"Cy"});
            QCOMPARE(t.prompts.events, (QStringList{"input Kelbrune!", "input Player Name"}));
        }
    }

    // A zero asks first, a Kelbrune sounds its cue; a click on no category, a used one or before
    // the first roll asks and changes nothing.
    void whatAnEntryAsks()
    {
        Table t;
        t.newGame({"Ann"});
        t.scoreTop(3);  // before the first roll
        t.roll("1 1 1 5 6");
        t.prompts.clearRecords();
        t.prompts.yesNoAnswers << false << true;
        for (int row : {0, 7, 8, 9})
            t.scoreTop(row);
        t.scoreBottom(10);
        t.scoreTop(2);  // Twos: No
        QCOMPARE(t.prompts.events, QStringList{"yes/no Zero Score?"});
        QCOMPARE(t.prompts.prompts[0].text, QStringLiteral("Do you want to enter a zero in the selected row?"));
        QCOMPARE(t.state().players[0].sheet.freeCount(), 13);
        t.scoreTop(2, 5);  // Yes, from another column: the mover's column takes it
        QCOMPARE(t.state().players[0].sheet.entry(Category::Twos), std::optional(0));
        t.roll("4 4 4 4 4");
        t.prompts.clearRecords();
        t.scoreBottom(6);
        t.roll("4 4 4 4 4");
        t.scoreBottom(6);  // used
        QCOMPARE(t.prompts.events, (QStringList{"cue Kelbrune", "cue DieRoll"}));
    }

    void commandsDuringARoll_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"new", "new, then roll", "load", "save", "exit", "close", "stay", "still"})
            QTest::newRow(command) << command;
    }

    // A roll is made at once, then shown frame by frame with the controls waiting. New and Load cut
    // the show short; Exit and the close box ask first; No and the animation switch let it end.
    void commandsDuringARoll()
    {
        QFETCH(QString, command);
        Table t;
        const QString path = t.writeGame(gameOf({"Lou"}, 1, "2 2 2 2 2"));
        t.window.show();
        t.newGame({"Ann"});
        t.prompts.clearRecords();
        t.platform.pauses.clear();
        t.platform.scriptRoll("1 2 3 4 5");
        t.window.cmdRoll_Click();
        QCOMPARE(t.turn().faces, diceOf("1 2 3 4 5"));
        QVERIFY(t.window.rolling() && !t.window.cmdRoll()->isAvailable() && !t.window.mnuSaveGame()->isEnabled());
        QVERIFY(!t.window.ScoreCardTop()->takesMouse() && !t.window.imgDiceRolled(0)->isEnabled());
        t.platform.runScheduled(2);
        if (command.startsWith("new")) {
            t.prompts.yesNoAnswers << true;
            t.newGame({"Cy"});
            if (command.endsWith("roll"))
                t.roll("6 5 4 3 2");
        } else if (command == "load") {
            t.prompts.fileAnswers << path;
            t.window.mnuLoadGame()->trigger();
        } else if (command == "save") {
            t.window.mnuSaveGame()->trigger();  // the roll is in the air: nothing to save yet
            QVERIFY(!t.prompts.events.contains("save"));
        } else if (command == "still") {
            t.window.mnuAnimateDice()->trigger();
        } else {
            t.prompts.yesNoAnswers << (command != "stay");
            if (command == "exit")
                t.window.mnuExit()->trigger();
            else
                QCOMPARE(t.window.close(), command == "close");
            QCOMPARE(t.prompts.prompts.last().text,
                     QStringLiteral("A game is in progress.\nDo you still want to quit?"));
        }
        t.land();
        const bool quits = command == "exit" || command == "close";
        QCOMPARE(t.window.commands().quitting(), quits);
        QCOMPARE(t.prompts.events.contains("quit"), command == "exit");
        QCOMPARE(t.window.isVisible(), command != "close");
        if (quits)
            return;
        // Three frames were shown before the command; a show cut short shows no more.
        const bool shownToTheEnd = command == "stay" || command == "save";
        if (!command.endsWith("roll"))
            QCOMPARE(t.platform.pauses.size() > 3, shownToTheEnd);
        QVERIFY(!t.window.rolling() && t.window.cmdRoll()->isAvailable() && t.window.mnuSaveGame()->isEnabled());
        QVERIFY(t.window.ScoreCardTop()->takesMouse() && t.window.imgDiceRolled(0)->isEnabled());
        const Dice expected = command == "new" ? Dice{} : command.endsWith("roll") ? diceOf("6 5 4 3 2")
                              : command == "load" ? diceOf("2 2 2 2 2") : diceOf("1 2 3 4 5");
        QCOMPARE(t.turn().faces, expected);
        for (int d = 0; d < 5; ++d)
            QCOMPARE(t.window.imgDiceRolled(d)->face(), expected[std::size_t(d)]);
        if (shownToTheEnd) {
            t.prompts.fileAnswers << t.files.filePath("landed.sav");
            t.window.mnuSaveGame()->trigger();
            QCOMPARE(fromSavedGame(*readSavedGame(t.files.filePath("landed.sav")).game), t.state());
        }
    }

    // The end's cue and the tied winners in player order; the card stays; commands that overtake
    // the box find nothing to roll, save or take back, and Exit asks nothing.
    void gameOverWithATie()
    {
        Table t;
        t.newGame({"Ann", "Bob", "Cy"});
        const QString path = t.files.filePath("over.sav");
        t.prompts.duringPrompt("Game Over!", [&] {
            const GameState over = t.state();
            t.window.mnuUndo()->trigger();
            t.window.cmdRoll_Click();
            t.prompts.fileAnswers << path;
            t.window.mnuSaveGame()->trigger();
            QVERIFY(t.state() == over);
        });
        for (int round = 0; round < kRounds; ++round)
            for (int player = 0; player < 3; ++player)
                t.turn(player == 1 ? "1 1 1 1 2" : "6 6 6 6 6", Category(round));
        QCOMPARE(t.prompts.events.mid(t.prompts.events.size() - 3),
                 (QStringList{"cue DieRoll", "cue GameOver", "ok Game Over!"}));
        QCOMPARE(t.prompts.prompts.last().text,
                 QStringLiteral("The game is over!\nCongratulations to Ann and Cy who won the game!"));
        QVERIFY(!t.window.cmdRoll()->isAvailable() && !t.window.mnuSaveGame()->isEnabled());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(redHeadings(t.window.ScoreCardTop()), QList<int>());
        QCOMPARE(column(t.window.ScoreCardBottom(), 2), QStringLiteral("6 6 0 0 0 0 6 18 6 24"));
        t.prompts.clearRecords();
        t.window.mnuExit()->trigger();  // no game in progress: nothing to ask
        QCOMPARE(t.prompts.events, QStringList{"quit"});
    }

    // The golden game loaded over a game of four shows as saved. Save asks before replacing a file
    // and again after No; Cancel keeps the old file, Yes writes the game byte for byte, a failure
    // says why.
    void goldenLoadAndSave()
    {
        Table t;
        t.window.mnuSaveGame()->trigger();  // no game: nothing to save
        QVERIFY(t.prompts.prompts.isEmpty());
        t.newGame({"A", "B", "C", "D"});
        for (int p = 0; p < 3; ++p)
            t.turn("6 6 6 6 6", Category::Kelbrune);
        t.roll("1 1 1 1 1");
        t.prompts.clearRecords();
        t.prompts.fileAnswers << t.writeGame(*decodeSavedGame(joined(goldenLines())).game, "golden.sav");
        t.window.mnuLoadGame()->trigger();
        QCOMPARE(t.prompts.events, QStringList{"open"});
        QCOMPARE(redHeadings(t.window.ScoreCardTop()), QList<int>{1});
        QCOMPARE(column(t.window.ScoreCardTop(), 1), QStringLiteral("   20 25 30 75 35 110"));
        QCOMPARE(column(t.window.ScoreCardBottom(), 2), QStringLiteral("  25 30    55 0 55"));
        QCOMPARE(t.window.ScoreCardTop()->cardModel()->look(0, 3).text + column(t.window.ScoreCardBottom(), 3),
                 QString(9, ' '));
        QVERIFY(t.window.cmdRoll()->isAvailable());
        for (int d = 0; d < 5; ++d)
            QCOMPARE(t.window.imgDiceSaved(d)->face() * 10 + t.window.imgDiceRolled(d)->face(), d < 3 ? 30 : 5);

        const QString path = t.writeGame(otherGame(), "other.sav");
        const QString folder = t.files.filePath("folder");
        QVERIFY(QDir().mkdir(folder));
        t.prompts.clearRecords();
        t.prompts.fileAnswers << path << path << QString() << path << folder;
        t.prompts.yesNoAnswers << false << false << true;
        t.window.mnuSaveGame()->trigger();
        QCOMPARE(t.prompts.events, (QStringList{"save", "yes/no File Exists.", "save", "yes/no File Exists.", "save"}));
        QCOMPARE(t.prompts.prompts[0].text, QStringLiteral("Saved Games (*.sav)"));
        QCOMPARE(t.prompts.prompts[1].text, path + QStringLiteral(" already exists.\nOverwrite?"));
        QCOMPARE(readAll(path), encodeSavedGame(toSavedGame(otherGame())));
        t.window.mnuSaveGame()->trigger();
        QCOMPARE(readAll(path), joined(goldenLines()));
        t.window.mnuSaveGame()->trigger();
        QCOMPARE(t.prompts.events.last(), QStringLiteral("ok Save Failed"));
        QCOMPARE(t.prompts.prompts.last().text,
                 "The game could not be saved to " + folder + ".\nThis is a folder, not a file.");
    }

    void refusedLoadChangesNothing_data()
    {
        QTest::addColumn<QString>("file");  // "": the dialog cancelled
        QTest::addColumn<QString>("message");

        QTest::newRow("cancelled") << "" << "";
        QTest::newRow("no free category for the mover") << "full.sav"
            << "Line 86: Player 2 is to move but has no free category left on the score card.";
        QTest::newRow("missing") << "missing.sav" << "The file does not exist.";
    }

    void refusedLoadChangesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        Table t;
        SavedGame full = toSavedGame(otherGame());
        full.players[1].top.fill({QStringLiteral("0"), 0});
        full.players[1].bottom.fill({QStringLiteral("0"), 0});
        full.players[1].bottom[6].text = QStringLiteral("5");  // no roll makes a Chance of 0
        t.writeGame(full, "full.sav");
        t.newGame({"Keep", "Me"});
        t.turn("5 5 5 1 2", Category::Fives);
        t.roll("3 3 3 4 4");
        t.hold(4);
        const GameState before = t.state();
        t.prompts.clearRecords();
        const QString path = file.isEmpty() ? QString() : t.files.filePath(file);
        t.prompts.fileAnswers << path;
        t.window.mnuLoadGame()->trigger();
        QVERIFY(t.state() == before);
        QCOMPARE(t.prompts.events, (message.isEmpty() ? QStringList{"open"} : QStringList{"open", "ok Load Failed"}));
        if (!message.isEmpty())
            QCOMPARE(t.prompts.prompts[1].text, "The game in " + path + " could not be loaded.\n" + message);
    }

    void loadOvertakingAPrompt_data()
    {
        QTest::addColumn<QString>("prompt");
        for (const char *title : {"Zero Score?", "Game Over!", "Game In Progress", "Kelbrune!", "Player Name",
                                  "Game in progress", "File Exists.", "seats"})
            QTest::newRow(title) << title;
    }

    // A Load chosen while a box is open replaced the game: the answer must not touch it.
    void loadOvertakingAPrompt()
    {
        QFETCH(QString, prompt);
        Table t;
        const GameState loaded = otherGame();
        const QString loadPath = t.writeGame(loaded, "load.sav");
        const QString existing = t.writeGame(loaded, "existing.sav");
        t.newGame({"Ann"});
        t.prompts.duringPrompt(prompt, [&] {
            t.prompts.fileAnswers.prepend(loadPath);
            t.window.mnuLoadGame()->trigger();
        });
        t.prompts.yesNoAnswers << true;
        t.prompts.inputAnswers << "2" << "Eve" << "Fay";
        t.prompts.seatAnswers << std::vector<Seat>{{"Robo", SeatKind::Strong}};
        if (prompt == "Zero Score?") {
            t.roll("1 1 1 1 1");
            t.scoreTop(6);
        } else if (prompt == "Game Over!") {
            for (int turn = 0; turn < kRounds; ++turn)
                t.turn("6 6 6 6 6", Category(turn));
        } else if (prompt == "Game in progress") {
            t.window.mnuExit()->trigger();
        } else if (prompt == "File Exists.") {
            t.prompts.fileAnswers << existing;
            t.window.mnuSaveGame()->trigger();
        } else if (prompt == "seats") {
            t.window.mnuNewAgainstComputer()->trigger();
        } else {
            t.window.mnuNewGame()->trigger();
        }
        QCOMPARE(t.prompts.promptsOf(Prompt::OpenFile).size(), 1);
        QVERIFY(t.state() == loaded);
        QVERIFY(t.window.cmdRoll()->isAvailable() && t.window.mnuSaveGame()->isEnabled());
        QVERIFY(!t.prompts.events.contains("quit"));
        QCOMPARE(readAll(existing), encodeSavedGame(toSavedGame(loaded)));
    }

    // First offered: player 1's stored name against a strong computer, later the last set-up; New's
    // defaults stay. No, or Cancel, leave the game as it was.
    void setUpOffersAndRemembers()
    {
        Table t;
        t.settings.values.insert("DefPlayer1", "Zed");
        const std::vector<Seat> seats{{"Ann", SeatKind::Human}, {"Bot", SeatKind::Casual},
                                      {"Cy", SeatKind::Human}};
        t.prompts.seatAnswers << seats;
        t.window.mnuNewAgainstComputer()->trigger();
        QCOMPARE(t.prompts.seatOffers.first(),
                 (std::vector<Seat>{{"Zed", SeatKind::Human}, {"Computer 1", SeatKind::Strong}}));
        QCOMPARE(t.state().players[2].seat.name + seatKindName(t.state().players[1].seat.kind),
                 QStringLiteral("CyCasual"));
        QVERIFY(!t.settings.values.contains("DefNumPlayers"));
        t.roll("1 2 3 4 5");
        t.hold(2);
        const GameState before = t.state();
        t.prompts.yesNoAnswers << false << true;
        t.prompts.seatAnswers << std::nullopt;
        t.window.mnuNewAgainstComputer()->trigger();  // No to "Game In Progress"
        t.window.mnuNewAgainstComputer()->trigger();  // Yes, then Cancel
        QCOMPARE(t.prompts.events.mid(t.prompts.events.size() - 3),
                 (QStringList{"yes/no Game In Progress", "yes/no Game In Progress", "seats"}));
        QCOMPARE(t.prompts.seatOffers.last(), seats);
        QVERIFY(t.state() == before);
    }

    void seatsDialogByKeyboard()
    {
        frmSeats dialog({{"Ann", SeatKind::Human}, {"Computer 1", SeatKind::Strong}});
        dialog.show();
        // A box is read by its label and its choice, the others by their names.
        QAccessibleInterface *kind = QAccessible::queryAccessibleInterface(dialog.kind(2));
        const auto labels = kind->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name) + '/' + kind->text(QAccessible::Description)
                     + '/' + dialog.name(2)->accessibleName() + '/' + dialog.count()->accessibleName(),
                 QStringLiteral("Seat 2 played by/Computer: Strong/Seat 2 name/Number of players"));
        QVERIFY(!dialog.name(3)->isEnabled());
        QTest::keyClick(dialog.count(), Qt::Key_Up);
        QVERIFY(dialog.name(3)->isEnabled());
        QCOMPARE(dialog.name(3)->text(), QStringLiteral("Computer 2"));
        QTest::keyClick(dialog.kind(1), Qt::Key_End);   // Ann stays Ann; the computers renumber
        QTest::keyClick(dialog.kind(3), Qt::Key_Home);  // a given name follows its kind
        QCOMPARE(dialog.kind(1)->accessibleDescription(), QStringLiteral("Computer: Perfect"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.seats(), (std::vector<Seat>{{"Ann", SeatKind::Perfect},
                                                    {"Computer 2", SeatKind::Strong},
                                                    {"Player3", SeatKind::Human}}));
    }

    // The window tells of the computer's every step; a person's clicks meanwhile do nothing; a game
    // can be saved meanwhile.
    void whileTheComputerPlays()
    {
        Table t;
        t.window.mnuShowHints()->trigger();
        t.window.mnuAnimateDice()->trigger();  // each roll lands at once: one step, one call
        t.prompts.seatAnswers << std::vector<Seat>{{"Robo", SeatKind::Perfect}, {"Ann", SeatKind::Human}};
        t.window.mnuNewAgainstComputer()->trigger();
        t.platform.scriptRoll("6 6 6 2 3");
        QCOMPARE(t.platform.runScheduled(2), 2);  // the first roll, then it keeps the sixes
        QCOMPARE(t.turn().held, (std::array<bool, 5>{true, true, true, false, false}));
        QCOMPARE(t.window.narration(), QStringLiteral("Robo keeps 6 6 6 and rolls again."));
        QCOMPARE(t.window.hintPanel()->text(), t.window.narration());
        QVERIFY(!t.window.cmdRoll()->isAvailable() && !t.window.imgDiceSaved(0)->isEnabled());
        const GameState before = t.state();
        t.window.cmdRoll_Click();
        t.hold(3);
        t.release(0);
        t.scoreTop(5);
        t.window.cmdRoll()->click();
        QVERIFY(t.state() == before);

        const QString path = t.files.filePath("robo.sav");
        t.prompts.fileAnswers << path;
        t.window.mnuSaveGame()->trigger();
        QVERIFY(fromSavedGame(readSavedGame(path).game.value()) == before);
        t.platform.scriptRoll("0 0 0 6 6", t.turn().held);
        t.platform.runScheduled();  // rolls and enters five sixes
        QCOMPARE(t.state().players[0].sheet.entry(Category::Kelbrune), std::optional(50));
        QCOMPARE(t.window.narration(), QStringLiteral("Robo scores Kelbrune for 50."));
        QVERIFY(t.prompts.unexpected.isEmpty());
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
