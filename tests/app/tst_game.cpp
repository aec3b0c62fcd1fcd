// The whole game through the real window, with scripted answers and dice.
#include "DieBox.h"
#include "Golden.h"
#include "ScoreGridView.h"
#include "Table.h"

#include <QLabel>
#include <QPushButton>

using Prompt = ScriptedPlatform::Prompt;
using Faces = std::array<int, 5>;
using Values = std::array<qint16, 5>;

namespace {
// What a player can see of the game, for "nothing changed".
struct Look
{
    GameState state;
    SavedGame card;
    Faces rolled, saved;
    bool roll, save;
    bool operator==(const Look &) const = default;
};

Look look(Table &t)
{
    return {t.state(), t.snapshot(), t.game().rolledFaces(), t.game().savedFaces(),
            t.window.cmdRoll()->isEnabled(), t.window.mnuSaveGame()->isEnabled()};
}

// The texts of a player's column below the heading, run together.
QString column(const ScoreCard &grid, int col)
{
    QStringList texts;
    for (int r = 1; r < grid.rows(); ++r)
        texts << grid.textMatrix(r, col);
    return texts.join(QLatin1Char(' '));
}

QList<int> redHeadings(const ScoreCard &top)
{
    QList<int> red;
    for (int c = 0; c < top.cols(); ++c)
        if (top.cell(0, c).back == colours::kRed)
            red << c;
    return red;
}

// Two players, Dan to move after one roll.
SavedGame otherGame()
{
    SavedGame saved = savedTurn(QStringLiteral("Cleo"), 1, {2, 2, 4, 5, 6});
    saved.players.push_back(saved.players.front());
    saved.players.back().name = QStringLiteral("Dan");
    saved.currentPlayer = 2;
    saved.rollEnabled = true;
    return saved;
}
}  // namespace

class GameTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void newGamePromptsAndSettings()
    {
        Table t;
        t.settings.values.insert("DefNumPlayers", "3.5");
        t.settings.log.clear();
        t.platform.inputAnswers << "2" << "Ann" << "";
        t.window.mnuNewGame_Click();
        QCOMPARE(t.platform.events, (QStringList{"input Kelbrune!", "input Player Name", "input Player Name"}));
        const QList<Prompt> &asked = t.platform.prompts;
        QCOMPARE((QStringList{asked[0].text, asked[0].defaultText, asked[1].text, asked[1].defaultText,
                              asked[2].text, asked[2].defaultText}),
                 (QStringList{"How Many Players? (1-6)", "4", "Please enter a name for Player #1:", "Player1",
                              "Please enter a name for Player #2:", "Player2"}));
        QCOMPARE(t.settings.log, (QStringList{"get DefNumPlayers", "save DefNumPlayers=2", "get DefPlayer1",
                                              "save DefPlayer1=Ann", "get DefPlayer2", "save DefPlayer2="}));
        QCOMPARE(t.top().textMatrix(0, 1), QStringLiteral("Ann"));
        QCOMPARE(redHeadings(t.top()), QList<int>{1});

        // While a game runs New asks first; No changes nothing.
        t.turn("5 5 5 2 1", true, 5);
        t.roll("4 4 1 2 3");
        t.hold(1);
        Look before = look(t);
        before.state.DefNumPlayers = 2;  // New reads the count the first game stored
        t.platform.clearRecords();
        t.platform.yesNoAnswers << false << true;
        t.window.mnuNewGame_Click();
        QCOMPARE(t.platform.prompts[0].title, QStringLiteral("Game In Progress"));
        QCOMPARE(t.platform.prompts[0].text,
                 QStringLiteral("There is a game in progress.\r\nDo you still want a new game?"));
        QVERIFY(look(t) == before);

        // Yes starts afresh on a clean card; the empty name is offered as kept, and line breaks
        // typed into a name become blanks.
        t.platform.inputAnswers << "1" << "Cy\r\nDee\nE";
        t.window.mnuNewGame_Click();
        QCOMPARE(t.platform.prompts[3].defaultText, QStringLiteral("Ann"));
        QCOMPARE(t.settings.values.value("DefPlayer1"), QStringLiteral("Cy Dee E"));
        SavedGame fresh = savedTurn(QStringLiteral("Cy Dee E"), 0, {});
        fresh.players[0].top.fill({QString(), qint32(colours::kWhite)});
        fresh.players[0].bottom.fill({QString(), qint32(colours::kWhite)});
        fresh.rollEnabled = true;
        QCOMPARE(t.snapshot(), fresh);
        QCOMPARE(t.top().textMatrix(0, 2) + t.state().PlayerNames[2], QString());
    }

    void playerCount_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("players");  // 0: the set-up ends without a game
        QTest::addColumn<QString>("stored");

        QTest::newRow("one, the fewest") << "1" << 1 << "1";
        QTest::newRow("halfway, to the even below") << "2.5" << 2 << "2";
        QTest::newRow("words after the number") << "3 players" << 3 << "3";
        QTest::newRow("blanks between digits") << " 1 2 " << 0 << "12";
        QTest::newRow("six, the most") << "6" << 6 << "6";
        QTest::newRow("none") << "0" << 0 << "0";
        QTest::newRow("seven") << "7" << 0 << "7";
        QTest::newRow("cancelled") << "" << 0 << "0";
        QTest::newRow("beyond 16 bits") << "99999" << 0 << "32767";
    }

    // A count outside 1..6 ends the set-up, and the game that ran with it: nothing can be rolled,
    // entered or hinted any more, and the next New asks nothing first.
    void playerCount()
    {
        QFETCH(QString, answer);
        QFETCH(int, players);
        QFETCH(QString, stored);
        Table t;
        t.window.mnuShowHints_Click();
        t.newGame({"Ann", "Bob", "Cy", "Dee", "Eve", "Fay"});
        for (int p = 1; p <= 6; ++p)
            t.turn("3 3 3 2 1", true, 3);
        t.roll("6 6 6 6 5");
        t.hold(0);
        t.platform.clearRecords();
        t.platform.yesNoAnswers << true;
        t.platform.inputAnswers << answer << "P1" << "P2" << "P3" << "P4" << "P5" << "P6";
        t.window.mnuNewGame_Click();
        QCOMPARE(t.settings.values.value("DefNumPlayers"), stored);
        QCOMPARE(t.platform.prompts.size(), 2 + players);
        QCOMPARE(t.state().GameInProgress, players > 0);
        QCOMPARE(t.window.cmdRoll()->isEnabled() + t.window.mnuSaveGame()->isEnabled(), 2 * (players > 0));
        QCOMPARE(t.window.hintPanel()->text().isEmpty(), players == 0);
        QCOMPARE(t.top().textMatrix(0, std::max(players, 1)), players ? QStringLiteral("P%1").arg(players) : "");
        QCOMPARE(t.state().PlayerNames[6], players == 6 ? "P6" : "");
        QCOMPARE(column(t.top(), 1) + column(t.bottom(), 2), QString(17, ' '));
        QCOMPARE(redHeadings(t.top()), players ? QList<int>{1} : QList<int>());
        QVERIFY(t.state().DiceValue == Values{} && t.game().savedFaces() == Faces{} && t.state().RollCount == 0);
        t.platform.clearRecords();
        t.window.cmdRoll_Click();
        QCOMPARE(t.platform.events.isEmpty(), players == 0);
        if (players == 0) {
            t.platform.inputAnswers.clear();
            t.newGame({"Cy"});
            QCOMPARE(t.platform.events, (QStringList{"input Kelbrune!", "input Player Name"}));
        }
    }

    void rollsAndDice_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("animate");

        QTest::newRow("fewest frames, animated") << 6 << 0 << true;
        QTest::newRow("most frames, two held, still") << 20 << 2 << false;
        QTest::newRow("all five held") << 9 << 5 << true;
    }

    // A roll draws its frame count, then a face per free die and frame; an animated roll shows every
    // frame and waits after each, a still one shows only the last. Nothing else moves meanwhile.
    void rollsAndDice()
    {
        QFETCH(int, frames);
        QFETCH(int, held);
        QFETCH(bool, animate);
        Table t;
        if (!animate)
            t.window.mnuAnimateDice_Click();
        t.newGame({"Ann"});
        t.roll("5 4 3 2 1");
        for (int i = 0; i < held; ++i)
            t.hold(i);
        t.platform.clearRecords();
        QList<Faces> shown;
        std::function<void()> frame = [&] {
            shown << t.game().rolledFaces();
            QVERIFY(!t.window.cmdRoll()->isEnabled() && !t.window.ScoreCardTop()->isEnabled()
                    && !t.window.imgDiceSaved(0)->isEnabled());
            t.release(0);
            t.hold(4);
            t.scoreBottom(7);
            t.window.cmdRoll_Click();
            t.platform.atPump(1, frame);
        };
        t.platform.atPump(1, frame);
        t.roll("1 2 3 4 5", frames);

        QCOMPARE(t.platform.draws, 1 + frames * (5 - held));
        QCOMPARE(t.platform.waits, animate ? QList<int>(frames, 200) : QList<int>());
        QCOMPARE(t.platform.events, QStringList{"cue DieRoll"});
        QCOMPARE(t.state().RollCount, qint16(2));
        QCOMPARE(t.bottom().textMatrix(7, 1), QString());
        Faces rolled{}, saved{};
        for (int i = 0; i < 5; ++i)
            (i < held ? saved : rolled)[std::size_t(i)] = i < held ? 5 - i : i + 1;
        QCOMPARE(t.game().rolledFaces(), rolled);
        QCOMPARE(t.game().savedFaces(), saved);
        QCOMPARE(shown.size(), frames);
        QCOMPARE(shown.last(), rolled);
        for (int f = 0; f + 1 < frames; ++f)
            for (int i = held; i < 5; ++i)
                QCOMPARE(shown[f][std::size_t(i)] != 0, animate);
    }

    void commandsDuringARoll_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("inWait");  // while frame 2 is waited out, else between frames
        for (const char *command : {"new", "new, then roll", "load", "exit", "close", "stay", "still"}) {
            QTest::addRow("%s, between frames", command) << command << false;
            QTest::addRow("%s, in a wait", command) << command << true;
        }
    }

    // New and Load end the roll at once and draw nothing onto the new game, whose own first roll is
    // taken; Exit and the close box ask first, Yes ends it, No and the animation switch let it end.
    void commandsDuringARoll()
    {
        QFETCH(QString, command);
        QFETCH(bool, inWait);
        Table t;
        const QString path = t.writeGame(savedTurn("Lou", 1, {2, 2, 2, 2, 2}));
        t.window.show();
        t.newGame({"Ann"});
        auto act = [&] {
            if (command.startsWith("new")) {
                t.platform.yesNoAnswers << true;
                t.newGame({"Cy"});
                t.platform.randoms.clear();  // the old roll's frames that will never be drawn
                if (command.endsWith("roll"))
                    t.roll("6 5 4 3 2");
            } else if (command == "load") {
                t.platform.fileAnswers << path;
                t.window.mnuLoadGame_Click();
            } else if (command == "still") {
                t.window.mnuAnimateDice_Click();
            } else {
                t.platform.yesNoAnswers << (command != "stay");
                if (command == "exit")
                    t.window.mnuExit_Click();
                else
                    QCOMPARE(t.window.close(), command == "close");
                QCOMPARE(t.platform.prompts.last().text,
                         QStringLiteral("A game is in progress.\r\nDo you still want to quit?"));
            }
        };
        inWait ? t.platform.atWait(2, act) : t.platform.atPump(2, act);
        t.roll("1 2 3 4 5", 10);

        const bool ends = command != "stay" && command != "still";
        const int again = command.endsWith("roll") ? 6 : 0;
        QCOMPARE(t.platform.pumps, (ends ? 2 : 10) + again);
        QCOMPARE(t.platform.waits.size(), (ends || command == "still" ? 1 + inWait : 10) + again);
        QCOMPARE(t.platform.waitCancels, command.startsWith("new") || command == "load");
        QCOMPARE(t.game().quitting(), command == "exit" || command == "close");
        QCOMPARE(t.platform.events.contains("quit"), command == "exit");
        QCOMPARE(t.window.isVisible(), command != "close");
        if (t.game().quitting())
            return;
        QVERIFY(!t.game().rolling() && t.window.cmdRoll()->isEnabled());
        QVERIFY(t.window.ScoreCardTop()->isEnabled() && t.window.imgDiceRolled(0)->isEnabled());
        const Values expected = command == "new" ? Values{} : again ? Values{6, 5, 4, 3, 2}
                                : command == "load" ? Values{2, 2, 2, 2, 2} : Values{1, 2, 3, 4, 5};
        QCOMPARE(t.state().DiceValue, expected);
        QCOMPARE(t.state().RollCount, qint16(command == "new" ? 0 : 1));
    }

    void scoreClick_data()
    {
        QTest::addColumn<QString>("dice");  // "": no roll yet this turn
        QTest::addColumn<bool>("upper");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("entered");  // "": nothing changes
        QTest::addColumn<QStringList>("events");

        const QStringList zero{"yes/no Zero Score?"};
        QTest::newRow("upper zero") << "1 1 1 5 6" << true << 2 << "0" << zero;
        QTest::newRow("lower entry") << "2 2 3 3 3" << false << 3 << "25" << QStringList();
        QTest::newRow("five alike, with its cue") << "4 4 4 4 4" << false << 6 << "50" << QStringList{"cue Kelbrune"};
        QTest::newRow("fifty elsewhere, no cue") << "4 4 4 4 4" << false << 2 << "20" << QStringList();
        QTest::newRow("Chance, the last row") << "6 6 6 6 5" << false << 7 << "29" << QStringList();
        QTest::newRow("zero declined") << "1 1 1 5 6" << false << 3 << "" << zero;
        QTest::newRow("category already used") << "1 1 1 5 6" << true << 1 << "" << QStringList();
        QTest::newRow("before the first roll") << "" << true << 3 << "" << QStringList();
        QTest::newRow("heading") << "1 1 1 5 6" << true << 0 << "" << QStringList();
        QTest::newRow("bonus") << "1 1 1 5 6" << true << 8 << "" << QStringList();
        QTest::newRow("grand total") << "1 1 1 5 6" << false << 10 << "" << QStringList();
    }

    // An entry goes into the mover's column wherever the click lands, in the look of an entry, and
    // passes the turn; a click that cannot enter anything changes nothing.
    void scoreClick()
    {
        QFETCH(QString, dice);
        QFETCH(bool, upper);
        QFETCH(int, row);
        QFETCH(QString, entered);
        QFETCH(QStringList, events);
        Table t;
        t.window.clickScoreCardTop(1, 1);  // before any game
        t.newGame({"Ann", "Bob"});
        t.turn("1 1 2 3 4", true, 1);
        t.turn("1 1 2 3 4", true, 1);
        if (!dice.isEmpty())
            t.roll(dice);
        const Look before = look(t);
        t.platform.clearRecords();
        t.platform.yesNoAnswers << !entered.isEmpty();
        upper ? t.scoreTop(row, 4) : t.scoreBottom(row, 4);
        QCOMPARE(t.platform.events, events);
        if (events == QStringList{"yes/no Zero Score?"})
            QCOMPARE(t.platform.prompts[0].text, QStringLiteral("Do you want to enter a zero in the selected row?"));
        if (entered.isEmpty()) {
            QVERIFY(look(t) == before);
            return;
        }
        const ScoreCard &grid = upper ? t.top() : t.bottom();
        QCOMPARE(grid.textMatrix(row, 1) + "|" + grid.textMatrix(row, 4), entered + "|");
        const bool zero = entered == "0";
        QCOMPARE(grid.cell(row, 1).back, zero ? colours::kZeroBack : colours::kScoredBack);
        QCOMPARE(grid.cell(row, 1).fore, zero ? colours::kZeroText : colours::kScoredText);
        QVERIFY(grid.cell(row, 1).bold && t.state().RollCount == 0);
        QCOMPARE(redHeadings(t.top()), QList<int>{2});
    }

    // Four players take their turns in order, the mover's name in red, with holds and rerolls; the
    // bonus comes with an upper sum of 63, not 62, and the totals show in both grids. The last
    // entry ends the game with its cue and names the tied winners in player order; the card stays
    // as it stands, nothing more can be rolled or entered, and Exit asks nothing.
    void wholeGameOfFourWithATie()
    {
        // Thirteen turns, one per category: upper 75 with the bonus, lower 200, grand total 310.
        const char *const dice[13] = {"1 1 1 5 6", "2 2 2 2 6", "3 3 3 1 1", "4 4 4 4 2", "5 5 5 1 1",
                                      "6 6 6 6 1", "6 6 6 2 1", "2 2 2 2 5", "3 3 5 5 5", "1 2 3 4 6",
                                      "2 3 4 5 1", "4 4 4 4 4", "6 5 4 3 3"};
        Table t;
        t.newGame({"Ann", "Bob", "Cy", "Dan"});
        const QString path = t.files.filePath("over.sav");
        t.platform.duringPrompt("Game Over!", [&] {  // keys that overtake the box find the game over
            const SavedGame over = t.snapshot();
            t.window.mnuUndo_Click();
            t.window.cmdRoll_Click();
            t.platform.fileAnswers << path;
            t.window.mnuSaveGame_Click();
            QCOMPARE(t.snapshot(), over);
        });
        for (int round = 0; round < 13; ++round) {
            for (int player = 1; player <= 4; ++player) {
                QCOMPARE(t.state().CurrentPlayer * 100 + t.state().RoundCount, player * 100 + round);
                QCOMPARE(redHeadings(t.top()), QList<int>{player});
                if (round == 12 && player == 4)
                    t.platform.clearRecords();
                if (round == 10 && player == 2) {  // the large straight over three rolls
                    t.roll("1 2 3 4 4");
                    for (int d = 0; d < 4; ++d)
                        t.hold(d);
                    t.release(3);
                    t.roll("0 0 0 4 4");
                    t.roll("0 0 0 4 5");
                    t.scoreBottom(5);
                } else {
                    // Ann and Cy miss an ace and enter zeros; with one five Ann's upper sum is 62,
                    // a point short of the bonus, and with no threes Cy's is 63.
                    QString faces = dice[round];
                    if (round == 0 && player % 2)
                        faces = "2 3 4 5 6";
                    else if (round == 4 && player == 1)
                        faces = "5 1 1 2 3";
                    else if (round == 2 && player == 3)
                        faces = "1 1 2 2 4";
                    t.turn(faces, Category(round));
                }
            }
        }
        const QString bob = "3 8 9 16 15 24 75 35 110 | 21 13 25 30 40 50 21 200 110 310";
        QCOMPARE(column(t.top(), 2) + " | " + column(t.bottom(), 2), bob);
        QCOMPARE(column(t.top(), 4) + " | " + column(t.bottom(), 4), bob);
        QCOMPARE(column(t.top(), 1) + " | " + column(t.bottom(), 1),
                 "0 8 9 16 5 24 62  62 | 21 13 25 30 40 50 21 200 62 262");
        QCOMPARE(column(t.top(), 3) + " | " + column(t.bottom(), 3),
                 "0 8 0 16 15 24 63 35 98 | 21 13 25 30 40 50 21 200 98 298");
        QCOMPARE(t.platform.events, (QStringList{"cue DieRoll", "cue GameOver", "ok Game Over!"}));
        QCOMPARE(t.platform.prompts[0].text,
                 QStringLiteral("The game is over!\r\nCongratulations to Bob and Dan who won the game!"));
        QCOMPARE(t.game().WinnerNames(), QStringLiteral("Bob and Dan"));
        QVERIFY(!t.state().GameInProgress && !t.window.cmdRoll()->isEnabled() && !t.window.mnuSaveGame()->isEnabled());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(t.state().RoundCount * 10 + t.state().CurrentPlayer, 131);
        QCOMPARE(redHeadings(t.top()), QList<int>());
        t.window.cmdRoll_Click();
        t.scoreTop(1);
        QCOMPARE(column(t.top(), 2) + " | " + column(t.bottom(), 2), bob);
        t.window.mnuExit_Click();  // no game in progress: nothing to ask
        QCOMPARE(t.platform.events.mid(3), QStringList{"quit"});
    }

    // Two players, mid-turn, as the golden file holds them; loaded over a game of four, the game
    // stands as it was saved, and goes on from there.
    void goldenSaveAndLoad()
    {
        Table t;
        t.window.mnuSaveGame_Click();  // no game: nothing to save
        QVERIFY(t.platform.prompts.isEmpty());
        t.newGame({"Ann", "Bob"});
        const char *const turns[][2] = {{"6 6 6 6 6", "T6"}, {"2 3 4 5 6", "T1"}, {"5 5 5 5 5", "T5"},
                                        {"2 2 3 3 3", "B3"}, {"4 4 4 4 4", "T4"}, {"1 2 3 4 6", "B4"}};
        for (const auto &turn : turns)
            t.turn(turn[0], turn[1][0] == 'T', turn[1][1] - '0');
        t.roll("3 3 1 2 6");
        t.hold(0);
        t.hold(1);
        t.roll("0 0 3 5 5");
        t.hold(2);
        // Save asks before replacing a file and again after No; Cancel keeps the old file, Yes
        // replaces it, and a save that fails says why.
        const QString path = t.writeGame(otherGame(), "golden.sav");
        const QString folder = t.files.filePath("folder");
        QVERIFY(QDir().mkdir(folder));
        t.platform.clearRecords();
        t.platform.fileAnswers << path << path << QString() << path << folder;
        t.platform.yesNoAnswers << false << false << true;
        t.window.mnuSaveGame_Click();
        QCOMPARE(t.platform.events, (QStringList{"save", "yes/no File Exists.", "save", "yes/no File Exists.", "save"}));
        QCOMPARE(t.platform.prompts[0].text, QStringLiteral("Saved Games (*.sav)|*.sav"));
        QCOMPARE(t.platform.prompts[1].text, path + QStringLiteral(" already exists.\r\nOverwrite?"));
        QCOMPARE(readAll(path), encodeSavedGame(otherGame()));
        t.window.mnuSaveGame_Click();
        QCOMPARE(readAll(path), joined(goldenLines()));
        t.window.mnuSaveGame_Click();
        QCOMPARE(t.platform.events.last(), QStringLiteral("ok Save Failed"));
        QCOMPARE(t.platform.prompts.last().text,
                 "The game could not be saved to " + folder + ".\r\nThis is a folder, not a file.");

        Table u;
        u.newGame({"A", "B", "C", "D"});
        for (int p = 0; p < 3; ++p)
            u.turn("6 6 6 6 6", false, 6);
        u.roll("1 1 1 1 1");
        u.platform.clearRecords();
        u.platform.fileAnswers << path;
        u.window.mnuLoadGame_Click();
        QCOMPARE(u.platform.events, QStringList{"open"});
        QVERIFY(look(u) == look(t));
        QCOMPARE(redHeadings(u.top()), QList<int>{1});
        QCOMPARE(u.top().textMatrix(0, 3) + column(u.bottom(), 3), QString(9, ' '));
        // Entries look as entries do, free cells plain, whatever the cells showed before.
        QCOMPARE((QList<Colour>{u.top().cell(4, 1).fore, u.top().cell(1, 2).fore, u.bottom().cell(6, 1).fore}),
                 (QList<Colour>{colours::kScoredText, colours::kZeroText, colours::kWindowText}));
        QVERIFY(u.top().cell(4, 1).bold && u.top().cell(1, 2).bold && !u.bottom().cell(6, 1).bold);
        u.roll("0 0 0 2 2");
        QCOMPARE(u.state().DiceValue, (Values{3, 3, 3, 2, 2}));
        u.scoreBottom(3);
        QCOMPARE(u.bottom().textMatrix(3, 1), QStringLiteral("25"));
    }

    void refusedLoadChangesNothing_data()
    {
        QTest::addColumn<QString>("file");  // "": the dialog cancelled
        QTest::addColumn<QString>("message");

        QTest::newRow("cancelled") << "" << "";
        QTest::newRow("no free category for the mover") << "full.sav"
            << "Line 86: Player 2 is to move but has no free category left on the score card.";
        QTest::newRow("a column that fills up early") << "early.sav"
            << "Line 88: Player 1 has 11 free categories left on the score card but 12 turns still "
               "to play.";
    }

    void refusedLoadChangesNothing()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        Table t;
        SavedGame full = otherGame();
        full.players[1].top.fill({QStringLiteral("0"), 0});
        full.players[1].bottom.fill({QStringLiteral("0"), 0});
        t.writeGame(full, "full.sav");
        SavedGame early = otherGame();
        early.players[0].top[0].text = early.players[0].top[1].text = QStringLiteral("1");
        t.writeGame(early, "early.sav");
        t.newGame({"Keep", "Me"});
        t.turn("5 5 5 1 2", true, 5);
        t.roll("3 3 3 4 4");
        t.hold(4);
        const Look before = look(t);
        t.platform.clearRecords();
        const QString path = file.isEmpty() ? QString() : t.files.filePath(file);
        t.platform.fileAnswers << path;
        t.window.mnuLoadGame_Click();
        QVERIFY(look(t) == before);
        QCOMPARE(t.platform.events, (message.isEmpty() ? QStringList{"open"} : QStringList{"open", "ok Load Failed"}));
        if (!message.isEmpty())
            QCOMPARE(t.platform.prompts[1].text, "The game in " + path + " could not be loaded.\r\n" + message);
    }

    void loadOvertakingAPrompt_data()
    {
        QTest::addColumn<QString>("prompt");
        for (const char *title : {"Zero Score?", "Game Over!", "Game In Progress", "Kelbrune!", "Player Name",
                                  "Game in progress", "File Exists."})
            QTest::newRow(title) << title;
    }

    // The player answers Yes, OK or a name, but a Load chosen meanwhile has already replaced the
    // game: the loaded game must stand exactly as it was loaded.
    void loadOvertakingAPrompt()
    {
        QFETCH(QString, prompt);
        Table t;
        const SavedGame loaded = otherGame();
        const QString loadPath = t.writeGame(loaded, "load.sav");
        const QString existing = t.writeGame(loaded, "existing.sav");
        t.newGame({"Ann"});
        t.platform.duringPrompt(prompt, [&] {
            t.platform.fileAnswers.prepend(loadPath);
            t.window.mnuLoadGame_Click();
        });
        t.platform.yesNoAnswers << true;
        t.platform.inputAnswers << "2" << "Eve" << "Fay";
        if (prompt == "Zero Score?") {
            t.roll("1 1 1 1 1");
            t.scoreTop(6);
        } else if (prompt == "Game Over!") {
            for (int turn = 0; turn < 13; ++turn)
                t.turn("6 6 6 6 6", Category(turn));
        } else if (prompt == "Game in progress") {
            t.window.mnuExit_Click();
        } else if (prompt == "File Exists.") {
            t.platform.fileAnswers << existing;
            t.window.mnuSaveGame_Click();
        } else {
            t.window.mnuNewGame_Click();
        }
        QCOMPARE(t.platform.promptsOf(Prompt::OpenFile).size(), 1);
        QCOMPARE(t.snapshot(), loaded);
        QVERIFY(t.state().GameInProgress && t.window.cmdRoll()->isEnabled() && t.window.mnuSaveGame()->isEnabled());
        QVERIFY(!t.platform.events.contains("quit"));
        QCOMPARE(readAll(existing), encodeSavedGame(loaded));
    }

    // Sums read from an edited file may sit at the 16-bit limit: they stop there, never wrap, and
    // the card shows what the game holds. A long name is cut short in messages, kept whole.
    void totalsStopAtTheLimits()
    {
        for (const int limit : {32767, -32768}) {
            Table t;
            const QString name(10000, QLatin1Char('x'));
            SavedGame saved = savedTurn(name, 0, {});
            saved.players[0].upperTotal = saved.players[0].lowerTotal = saved.players[0].grandTotal = qint16(limit);
            saved.roundCount = 12;
            t.load(saved);
            t.platform.yesNoAnswers << true;
            t.roll("1 1 1 1 1");
            t.scoreTop(limit > 0 ? 1 : 2);
            QCOMPARE(t.state().GrandTotal[1], qint16(limit));
            QCOMPARE(column(t.top(), 1).section(' ', 6) + ' ' + column(t.bottom(), 1).section(' ', 7),
                     QStringLiteral("%1 %2 %1 %1 %1 %1").arg(limit).arg(limit > 0 ? "35" : ""));
            QCOMPARE(t.state().PlayerNames[1], name);
            QCOMPARE(t.platform.prompts.last().text, "The game is over!\r\nCongratulations to "
                         + QString(kShownName - 1, QLatin1Char('x')) + QChar(0x2026) + " who won the game!");
        }
    }
};

QTEST_MAIN(GameTest)
#include "tst_game.moc"
