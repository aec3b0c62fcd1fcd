#include "SaveFile.h"
#include "ScoreCardLayout.h"
#include "Table.h"

#include <QTest>

using Prompt = ScriptedPlatform::Prompt;

class NewGameTest : public QObject
{
    Q_OBJECT

private slots:
    void promptsAndSettingsOfAFirstGame();
    void countAnswers_data();
    void countAnswers();
    void rejectedCountIsOfferedNextTime();
    void abandonedSetUpEndsTheRunningGame();
    void abandonedSetUpAfterAFinishedGame();
    void declinedConfirmationChangesNothing();
    void storedDefaultsAreOffered_data();
    void storedDefaultsAreOffered();
    void cancelledNameIsStoredEmpty();
    void namesAreTakenAsTyped();
    void secondGameClearsTheFirst();
};

void NewGameTest::promptsAndSettingsOfAFirstGame()
{
    Table t;
    t.settings.log.clear();
    t.newGame({"Ann", "Bob"});

    QCOMPARE(t.platform.promptsOf(Prompt::YesNo).size(), 0);
    const auto inputs = t.platform.promptsOf(Prompt::Input);
    QCOMPARE(inputs.size(), 3);
    QCOMPARE(inputs[0].title, QStringLiteral("Kelbrune!"));
    QCOMPARE(inputs[0].text, QStringLiteral("How Many Players? (1-6)"));
    QCOMPARE(inputs[0].defaultText, QStringLiteral("2"));
    QCOMPARE(inputs[1].title, QStringLiteral("Player Name"));
    QCOMPARE(inputs[1].text, QStringLiteral("Please enter a name for Player #1:"));
    QCOMPARE(inputs[1].defaultText, QStringLiteral("Player1"));
    QCOMPARE(inputs[2].text, QStringLiteral("Please enter a name for Player #2:"));
    QCOMPARE(inputs[2].defaultText, QStringLiteral("Player2"));

    QCOMPARE(t.settings.log, (QStringList{"get DefNumPlayers", "save DefNumPlayers=2",
                                          "get DefPlayer1", "save DefPlayer1=Ann",
                                          "get DefPlayer2", "save DefPlayer2=Bob"}));

    const GameState &s = t.state();
    QCOMPARE(s.NumPlayers, qint16(2));
    QCOMPARE(s.DefNumPlayers, qint16(2));
    QCOMPARE(s.PlayerNames[1], QStringLiteral("Ann"));
    QCOMPARE(s.PlayerNames[2], QStringLiteral("Bob"));
    QCOMPARE(s.PlayerNames[3], QString());
    QCOMPARE(s.CurrentPlayer, qint16(1));
    QCOMPARE(s.RoundCount, qint16(0));
    QCOMPARE(s.RollCount, qint16(0));
    QVERIFY(s.GameInProgress);
    QVERIFY(t.game().rollEnabled());
    QVERIFY(t.game().saveEnabled());
    QCOMPARE(t.top().textMatrix(0, 1), QStringLiteral("Ann"));
    QCOMPARE(t.top().textMatrix(0, 2), QStringLiteral("Bob"));
    QCOMPARE(t.top().cell(0, 1).back, colours::kRed);
    QCOMPARE(t.top().cell(0, 2).back, colours::kButtonFace);
    QCOMPARE(t.top().cell(0, 0).back, colours::kButtonFace);
    QCOMPARE(t.top().cell(3, 5).back, colours::kWhite);
    QCOMPARE(t.bottom().cell(0, 4).back, colours::kBlack);
    QCOMPARE(t.bottom().cell(10, 6).back, colours::kWhite);
    QCOMPARE(t.platform.unexpected, QStringList());
}

void NewGameTest::countAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("players");  // 0: the set-up ends without a game
    QTest::addColumn<QString>("stored");

    QTest::newRow("one") << "1" << 1 << "1";
    QTest::newRow("six") << "6" << 6 << "6";
    QTest::newRow("2.5 rounds to even") << "2.5" << 2 << "2";
    QTest::newRow("3.5 rounds to even") << "3.5" << 4 << "4";
    QTest::newRow("0.6 rounds up") << "0.6" << 1 << "1";
    QTest::newRow("6.4 rounds down") << "6.4" << 6 << "6";
    QTest::newRow("number then words") << "3 players" << 3 << "3";
    QTest::newRow("blanks first") << "  5" << 5 << "5";
    QTest::newRow("seven") << "7" << 0 << "7";
    QTest::newRow("zero") << "0" << 0 << "0";
    QTest::newRow("negative") << "-1" << 0 << "-1";
    QTest::newRow("empty or cancelled") << "" << 0 << "0";
    QTest::newRow("words") << "many" << 0 << "0";
    QTest::newRow("beyond sixteen bits") << "99999" << 0 << "32767";
    QTest::newRow("far below sixteen bits") << "-99999" << 0 << "-32768";
}

void NewGameTest::countAnswers()
{
    QFETCH(QString, answer);
    QFETCH(int, players);
    QFETCH(QString, stored);

    Table t;
    t.platform.inputAnswers << answer;
    for (int n = 1; n <= players; ++n)
        t.platform.inputAnswers << QStringLiteral("P%1").arg(n);
    t.window.mnuNewGame_Click();

    QCOMPARE(t.settings.values.value("DefNumPlayers"), stored);
    QCOMPARE(t.platform.promptsOf(Prompt::Input).size(), 1 + players);
    QCOMPARE(t.platform.unexpected, QStringList());
    QCOMPARE(t.state().GameInProgress, players > 0);
    QCOMPARE(t.game().rollEnabled(), players > 0);
    QCOMPARE(t.game().saveEnabled(), players > 0);
    if (players > 0) {
        QCOMPARE(int(t.state().NumPlayers), players);
        QCOMPARE(t.state().CurrentPlayer, qint16(1));
    } else {
        QCOMPARE(t.state().CurrentPlayer, qint16(0));
        for (int n = 1; n <= 6; ++n)
            QVERIFY(!t.settings.values.contains(QStringLiteral("DefPlayer%1").arg(n)));
    }
}

void NewGameTest::rejectedCountIsOfferedNextTime()
{
    Table t;
    t.platform.inputAnswers << "9";
    t.window.mnuNewGame_Click();
    t.platform.clearRecords();
    t.platform.inputAnswers << "";
    t.window.mnuNewGame_Click();
    const auto inputs = t.platform.promptsOf(Prompt::Input);
    QCOMPARE(inputs.size(), 1);
    QCOMPARE(inputs[0].defaultText, QStringLiteral("9"));
    QCOMPARE(t.platform.promptsOf(Prompt::YesNo).size(), 0);
    QCOMPARE(t.state().DefNumPlayers, qint16(9));
}

void NewGameTest::abandonedSetUpEndsTheRunningGame()
{
    Table t;
    t.newGame({"Ann", "Bob"});
    t.turn("3 3 3 2 1", true, 3);  // Ann: Threes 9
    t.roll("6 6 6 6 5");
    t.hold(0);

    t.platform.yesNoAnswers << true;
    t.platform.inputAnswers << "0";
    t.window.mnuNewGame_Click();

    const GameState &s = t.state();
    QVERIFY(!s.GameInProgress);
    QVERIFY(!t.game().rollEnabled());
    QVERIFY(!t.game().saveEnabled());
    QCOMPARE(s.RollCount, qint16(0));
    // The counters of the ended game stay as they were.
    QCOMPARE(s.CurrentPlayer, qint16(2));
    QCOMPARE(s.RoundCount, qint16(0));
    for (int d = 0; d < 5; ++d) {
        QCOMPARE(s.DiceValue[d], qint16(0));
        QVERIFY(!s.DiceSaved[d]);
        QCOMPARE(t.game().rolledFaces()[d], 0);
        QCOMPARE(t.game().savedFaces()[d], 0);
    }
    for (int c = 1; c < layout::kCols; ++c) {
        QCOMPARE(t.top().cell(0, c).back, colours::kButtonFace);
        for (int r = 0; r < layout::kTopRows; ++r)
            QCOMPARE(t.top().textMatrix(r, c), QString());
        for (int r = 0; r < layout::kBottomRows; ++r)
            QCOMPARE(t.bottom().textMatrix(r, c), QString());
    }
    QCOMPARE(s.PlayerNames[1], QString());
    QCOMPARE(s.UpperTotal[1], qint16(0));

    // Nothing can be rolled or scored now, and the next New game asks no confirmation.
    t.window.cmdRoll_Click();
    QCOMPARE(t.state().RollCount, qint16(0));
    t.platform.clearRecords();
    t.newGame({"Cy"});
    QCOMPARE(t.platform.promptsOf(Prompt::YesNo).size(), 0);
    QVERIFY(t.state().GameInProgress);
}

void NewGameTest::abandonedSetUpAfterAFinishedGame()
{
    Table t;
    t.newGame({"Solo"});
    for (int row = 1; row <= 6; ++row)
        t.turn("6 6 6 6 6", true, row);
    for (int row = 1; row <= 7; ++row)
        t.turn("6 6 6 6 6", false, row);
    QVERIFY(!t.state().GameInProgress);

    t.platform.clearRecords();
    t.platform.inputAnswers << "";
    t.window.mnuNewGame_Click();
    QVERIFY(t.platform.promptsOf(Prompt::YesNo).isEmpty());
    QVERIFY(!t.state().GameInProgress);
    QCOMPARE(t.state().RoundCount, qint16(13));
    QCOMPARE(t.state().CurrentPlayer, qint16(1));
    QCOMPARE(t.state().NumPlayers, qint16(0));
    QVERIFY(!t.game().rollEnabled());
    QVERIFY(!t.game().saveEnabled());
    QCOMPARE(t.bottom().textMatrix(10, 1), QString());
}

void NewGameTest::declinedConfirmationChangesNothing()
{
    Table t;
    t.newGame({"Ann", "Bob"});
    t.turn("5 5 5 2 1", true, 5);
    t.roll("4 4 1 2 3");
    t.hold(1);
    const GameState before = t.state();
    const SavedGame cardBefore = t.snapshot();
    const auto rolled = t.game().rolledFaces();
    const auto saved = t.game().savedFaces();
    t.settings.log.clear();

    t.platform.yesNoAnswers << false;
    t.window.mnuNewGame_Click();

    const auto asked = t.platform.promptsOf(Prompt::YesNo);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].title, QStringLiteral("Game In Progress"));
    QCOMPARE(asked[0].text,
             QStringLiteral("There is a game in progress.\r\nDo you still want a new game?"));
    QCOMPARE(t.settings.log, QStringList{"get DefNumPlayers"});
    QCOMPARE(t.state(), before);
    QVERIFY(t.snapshot() == cardBefore);
    QCOMPARE(t.game().rolledFaces(), rolled);
    QCOMPARE(t.game().savedFaces(), saved);
    QCOMPARE(t.top().cell(0, 2).back, colours::kRed);
}

void NewGameTest::storedDefaultsAreOffered_data()
{
    QTest::addColumn<QString>("storedCount");
    QTest::addColumn<QString>("offered");

    QTest::newRow("three and a half") << "3.5" << "4";
    QTest::newRow("two and a half") << "2.5" << "2";
    QTest::newRow("letters") << "abc" << "0";
    QTest::newRow("blanks first") << "   5" << "5";
    QTest::newRow("trailing text") << "3 of them" << "3";
    QTest::newRow("empty") << "" << "0";
}

void NewGameTest::storedDefaultsAreOffered()
{
    QFETCH(QString, storedCount);
    QFETCH(QString, offered);

    Table t;
    t.settings.values.insert("DefNumPlayers", storedCount);
    t.settings.values.insert("DefPlayer1", "Zoë");
    t.platform.inputAnswers << "2" << "Zoë" << "Max";
    t.window.mnuNewGame_Click();
    const auto inputs = t.platform.promptsOf(Prompt::Input);
    QCOMPARE(inputs[0].defaultText, offered);
    QCOMPARE(inputs[1].defaultText, QStringLiteral("Zoë"));
    QCOMPARE(inputs[2].defaultText, QStringLiteral("Player2"));
}

void NewGameTest::cancelledNameIsStoredEmpty()
{
    Table t;
    t.platform.inputAnswers << "2" << "Ann" << "";
    t.window.mnuNewGame_Click();
    QVERIFY(t.state().GameInProgress);
    QCOMPARE(t.state().PlayerNames[2], QString());
    QVERIFY(t.settings.values.contains("DefPlayer2"));
    QCOMPARE(t.settings.values.value("DefPlayer2"), QString());

    // The next game offers the empty name, not "Player2"; players 3.. keep their keys untouched.
    t.platform.clearRecords();
    t.platform.yesNoAnswers << true;
    t.platform.inputAnswers << "2" << "Ann" << "Bo";
    t.window.mnuNewGame_Click();
    QCOMPARE(t.platform.promptsOf(Prompt::Input)[2].defaultText, QString());
    QVERIFY(!t.settings.values.contains("DefPlayer3"));
}

void NewGameTest::namesAreTakenAsTyped()
{
    Table t;
    t.newGame({"  Ann, \"the\" Bold", "Ann, \"the\" Bold", ""});
    QCOMPARE(t.state().PlayerNames[1], QStringLiteral("  Ann, \"the\" Bold"));
    QCOMPARE(t.state().PlayerNames[2], QStringLiteral("Ann, \"the\" Bold"));
    QCOMPARE(t.top().textMatrix(0, 1), QStringLiteral("  Ann, \"the\" Bold"));
    QCOMPARE(t.top().textMatrix(0, 3), QString());

    // A line break can never reach a name, whatever the input box hands back.
    Table u;
    u.newGame({"Ann\r\nBob"});
    QVERIFY(!u.state().PlayerNames[1].contains(QLatin1Char('\n')));
    QVERIFY(!u.state().PlayerNames[1].contains(QLatin1Char('\r')));
}

void NewGameTest::secondGameClearsTheFirst()
{
    Table t;
    t.newGame({"A", "B", "C", "D"});
    t.turn("6 6 6 6 6", false, 6);
    QCOMPARE(t.bottom().textMatrix(6, 1), QStringLiteral("50"));

    t.platform.yesNoAnswers << true;
    t.newGame({"E", "F"});
    const GameState &s = t.state();
    QCOMPARE(s.NumPlayers, qint16(2));
    for (int n = 3; n <= 6; ++n) {
        QCOMPARE(s.PlayerNames[std::size_t(n)], QString());
        QCOMPARE(s.GrandTotal[std::size_t(n)], qint16(0));
        QCOMPARE(t.top().textMatrix(0, n), QString());
    }
    QCOMPARE(s.LowerTotal[1], qint16(0));
    QCOMPARE(t.bottom().textMatrix(6, 1), QString());
    QCOMPARE(t.bottom().cell(6, 1).back, colours::kWhite);
    QCOMPARE(t.bottom().textMatrix(10, 1), QString());
    QCOMPARE(s.RoundCount, qint16(0));
    QCOMPARE(s.CurrentPlayer, qint16(1));
    // The labels are untouched.
    QCOMPARE(t.top().textMatrix(0, 0), QStringLiteral("Upper Section"));
    QCOMPARE(t.bottom().textMatrix(1, 0), QStringLiteral("3 of  A Kind"));
}

QTEST_MAIN(NewGameTest)
#include "tst_newgame.moc"
