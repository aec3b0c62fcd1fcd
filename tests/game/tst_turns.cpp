#include "SaveFile.h"
#include "ScoreCardLayout.h"
#include "Table.h"

#include <QTest>

using Prompt = ScriptedPlatform::Prompt;

namespace {
int redHeaders(const ScoreCard &top)
{
    int red = 0;
    for (int c = 0; c < top.cols(); ++c)
        red += top.cell(0, c).back == colours::kRed;
    return red;
}

// A game of the given totals on its very last turn (the last player's, round 13), loaded from a
// file, so one more entry ends it.
void loadLastTurn(Table &t, const QStringList &names, const QList<int> &totals)
{
    SavedGame saved;
    for (int p = 0; p < names.size(); ++p) {
        SavedPlayer player;
        player.name = names[p];
        player.lowerTotal = qint16(totals[p]);
        player.grandTotal = qint16(totals[p]);
        for (auto &cell : player.top)
            cell = {QString(), qint32(colours::kWhite)};
        for (auto &cell : player.bottom)
            cell = {QString(), qint32(colours::kWhite)};
        saved.players.push_back(player);
    }
    saved.currentPlayer = qint16(names.size());
    saved.roundCount = 12;
    saved.rollEnabled = true;
    t.load(saved);
    QVERIFY(t.state().GameInProgress);
}
}  // namespace

class TurnTest : public QObject
{
    Q_OBJECT

private slots:
    void turnsPassInOrder_data();
    void turnsPassInOrder();
    void onePlayerGameEndsOnTheThirteenthEntry();
    void winners_data();
    void winners();
    void scoreCardStaysAfterTheEnd();
    void newGameAfterTheEndRunsThirteenRounds();
};

void TurnTest::turnsPassInOrder_data()
{
    QTest::addColumn<int>("players");
    QTest::newRow("one player") << 1;
    QTest::newRow("two players") << 2;
    QTest::newRow("six players") << 6;
}

void TurnTest::turnsPassInOrder()
{
    QFETCH(int, players);
    Table t;
    QStringList names;
    for (int n = 1; n <= players; ++n)
        names << QStringLiteral("P%1").arg(n);
    t.newGame(names);

    // The start-of-game call gives player 1 the turn and counts no round.
    QCOMPARE(t.state().CurrentPlayer, qint16(1));
    QCOMPARE(t.state().RoundCount, qint16(0));
    QCOMPARE(t.top().cell(0, 1).back, colours::kRed);
    QCOMPARE(redHeaders(t.top()), 1);

    for (int entry = 1; entry <= 3 * players; ++entry) {
        const int mover = t.state().CurrentPlayer;
        t.turn("1 2 3 4 6", true, (entry - 1) / players + 1);
        const int expectedNext = mover % players + 1;
        QCOMPARE(int(t.state().CurrentPlayer), expectedNext);
        QCOMPARE(int(t.state().RoundCount), entry / players);
        QCOMPARE(t.state().RollCount, qint16(0));
        QVERIFY(t.game().rollEnabled());
        QCOMPARE(redHeaders(t.top()), 1);
        QCOMPARE(t.top().cell(0, expectedNext).back, colours::kRed);
        for (int d = 0; d < 5; ++d) {
            QCOMPARE(t.state().DiceValue[d], qint16(0));
            QCOMPARE(t.game().rolledFaces()[d], 0);
        }
    }
}

void TurnTest::onePlayerGameEndsOnTheThirteenthEntry()
{
    Table t;
    t.newGame({"Solo"});
    for (int row = 1; row <= 6; ++row) {
        t.turn("1 2 3 4 5", true, row);
        QVERIFY(t.state().GameInProgress);
    }
    for (int row = 1; row <= 6; ++row)
        t.turn("2 3 4 5 6", false, row);
    QVERIFY(t.state().GameInProgress);
    QCOMPARE(t.state().RoundCount, qint16(12));
    t.platform.clearRecords();

    t.turn("6 6 6 5 5", false, 7);  // Chance 28

    QCOMPARE(t.platform.events,
             (QStringList{"cue DieRoll", "cue GameOver", "ok Game Over!"}));
    const auto told = t.platform.promptsOf(Prompt::Ok);
    QCOMPARE(told[0].text,
             QStringLiteral("The game is over!\r\nCongratulations to Solo who won the game!"));
    const GameState &s = t.state();
    QVERIFY(!s.GameInProgress);
    QCOMPARE(s.RoundCount, qint16(13));
    QCOMPARE(s.CurrentPlayer, qint16(1));
    QCOMPARE(s.RollCount, qint16(0));
    QVERIFY(!t.game().rollEnabled());
    QVERIFY(!t.game().saveEnabled());
    QCOMPARE(redHeaders(t.top()), 0);

    // Nothing more can be rolled or entered.
    t.window.cmdRoll_Click();
    t.scoreTop(1);
    QCOMPARE(t.state().RollCount, qint16(0));
}

void TurnTest::winners_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("totals");
    QTest::addColumn<QString>("winners");

    // The last player scores 5 in Chance with 1 1 1 1 1 on the final turn.
    QTest::newRow("single winner") << QStringList{"Ann", "Bob"} << QList<int>{100, 90}
                                   << "Ann";
    QTest::newRow("final entry decides") << QStringList{"Ann", "Bob"} << QList<int>{100, 99}
                                         << "Bob";
    QTest::newRow("players 2 and 4 tie")
        << QStringList{"A", "B", "C", "D"} << QList<int>{80, 120, 95, 115} << "B and D";
    QTest::newRow("three tie in player order")
        << QStringList{"Ann", "Bob", "Cy"} << QList<int>{150, 150, 145} << "Ann and Bob and Cy";
    QTest::newRow("lower totals never named")
        << QStringList{"A", "B", "C"} << QList<int>{10, 200, 30} << "B";
    QTest::newRow("empty winner name") << QStringList{"", "Bob"} << QList<int>{300, 90} << "";
    QTest::newRow("empty names tie") << QStringList{"", "Bob", ""} << QList<int>{90, 90, 85}
                                     << " and Bob and ";
}

void TurnTest::winners()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, totals);
    QFETCH(QString, winners);

    Table t;
    loadLastTurn(t, names, totals);
    t.roll("1 1 1 1 1");
    t.platform.clearRecords();
    t.scoreBottom(7);

    QCOMPARE(t.game().WinnerNames(), winners);
    const auto told = t.platform.promptsOf(Prompt::Ok);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].title, QStringLiteral("Game Over!"));
    QCOMPARE(told[0].text, QStringLiteral("The game is over!\r\nCongratulations to ") + winners
                               + QStringLiteral(" who won the game!"));
}

void TurnTest::scoreCardStaysAfterTheEnd()
{
    Table t;
    loadLastTurn(t, {"Ann", "Bob"}, {100, 90});
    t.roll("3 3 3 3 3");
    t.scoreBottom(6);
    QVERIFY(!t.state().GameInProgress);
    QCOMPARE(t.bottom().textMatrix(6, 2), QStringLiteral("50"));
    QCOMPARE(t.bottom().textMatrix(10, 2), QStringLiteral("140"));
    QCOMPARE(t.state().GrandTotal[2], qint16(140));
    QCOMPARE(t.top().textMatrix(0, 1), QStringLiteral("Ann"));
    QVERIFY(t.top().enabled());
    QVERIFY(t.bottom().enabled());
    QVERIFY(t.game().diceEnabled());
}

void TurnTest::newGameAfterTheEndRunsThirteenRounds()
{
    Table t;
    loadLastTurn(t, {"Ann"}, {100});
    t.turn("2 2 2 2 2", true, 2);
    QVERIFY(!t.state().GameInProgress);

    t.platform.clearRecords();
    t.newGame({"Ann"});
    QCOMPARE(t.platform.promptsOf(Prompt::YesNo).size(), 0);  // no game was in progress
    QCOMPARE(t.state().RoundCount, qint16(0));
    for (int entry = 1; entry <= 12; ++entry) {
        t.turn("1 1 2 3 5", entry <= 6, entry <= 6 ? entry : entry - 6);
        QVERIFY(t.state().GameInProgress);
    }
    t.turn("1 1 2 3 5", false, 7);
    QVERIFY(!t.state().GameInProgress);
}

QTEST_MAIN(TurnTest)
#include "tst_turns.moc"
