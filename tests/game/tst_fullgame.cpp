#include "Table.h"

#include <QTest>

using Prompt = ScriptedPlatform::Prompt;

namespace {
struct Entry
{
    const char *dice;
    bool upper;
    int row;
};

// Thirteen turns, one per category: upper 75 (bonus earned), lower 200, grand total 310.
const Entry kSchedule[13] = {
    {"1 1 1 5 6", true, 1},  {"2 2 2 2 6", true, 2},   {"3 3 3 1 1", true, 3},
    {"4 4 4 4 2", true, 4},  {"5 5 5 1 1", true, 5},   {"6 6 6 6 1", true, 6},
    {"6 6 6 2 1", false, 1}, {"2 2 2 2 5", false, 2},  {"3 3 5 5 5", false, 3},
    {"1 2 3 4 6", false, 4}, {"2 3 4 5 1", false, 5},  {"4 4 4 4 4", false, 6},
    {"6 5 4 3 3", false, 7},
};

QStringList column(const ScoreCard &grid, int col)
{
    QStringList texts;
    for (int r = 1; r < grid.rows(); ++r)
        texts << grid.textMatrix(r, col);
    return texts;
}

const QStringList kTopColumn{"3", "8", "9", "16", "15", "24", "75", "35", "110"};
const QStringList kBottomColumn{"21", "13", "25", "30", "40", "50", "21", "200", "110", "310"};
}  // namespace

class FullGameTest : public QObject
{
    Q_OBJECT

private slots:
    void onePlayerWithHoldsAndRerolls();
    void threePlayersWithATie();
};

void FullGameTest::onePlayerWithHoldsAndRerolls()
{
    Table t;
    t.newGame({"Solo"});

    // Turn 1: keep the two aces, roll twice more.
    t.roll("1 1 2 3 4");
    t.hold(0);
    t.hold(1);
    t.roll("0 0 2 2 6");
    t.release(1);
    t.hold(2);
    t.roll("0 1 0 5 6");
    QCOMPARE(t.state().DiceValue, (std::array<qint16, 5>{1, 1, 2, 5, 6}));
    QVERIFY(!t.game().rollEnabled());
    t.scoreTop(1);
    QCOMPARE(t.top().textMatrix(1, 1), QStringLiteral("2"));

    Table g;
    g.newGame({"Solo"});
    for (int turn = 0; turn < 13; ++turn) {
        const Entry &e = kSchedule[turn];
        if (turn == 10) {
            // The large straight is built over two rolls.
            g.roll("1 2 3 4 4");
            for (int d = 0; d < 4; ++d)
                g.hold(d);
            g.roll("0 0 0 0 5");
            g.scoreBottom(5);
            continue;
        }
        g.turn(QString::fromLatin1(e.dice), e.upper, e.row);
    }

    QCOMPARE(column(g.top(), 1), kTopColumn);
    QCOMPARE(column(g.bottom(), 1), kBottomColumn);
    const GameState &s = g.state();
    QCOMPARE(s.UpperTotal[1], qint16(75));
    QCOMPARE(s.LowerTotal[1], qint16(200));
    QCOMPARE(s.GrandTotal[1], qint16(310));
    QVERIFY(!s.GameInProgress);
    QCOMPARE(s.RoundCount, qint16(13));
    QVERIFY(g.platform.promptsOf(Prompt::YesNo).isEmpty());
    const auto told = g.platform.promptsOf(Prompt::Ok);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].text,
             QStringLiteral("The game is over!\r\nCongratulations to Solo who won the game!"));
    QCOMPARE(g.platform.cues.count(Platform::Cue::Kelbrune), 1);
    QCOMPARE(g.platform.cues.count(Platform::Cue::DieRoll), 14);
    QCOMPARE(g.platform.cues.last(), Platform::Cue::GameOver);
    QVERIFY(!g.game().rollEnabled());
    QVERIFY(!g.game().saveEnabled());
    QCOMPARE(g.platform.unexpected, QStringList());
}

void FullGameTest::threePlayersWithATie()
{
    Table t;
    t.newGame({"Ann", "Bob", "Cy"});
    for (int round = 0; round < 13; ++round) {
        const Entry &e = kSchedule[round];
        for (int player = 1; player <= 3; ++player) {
            QCOMPARE(int(t.state().CurrentPlayer), player);
            QCOMPARE(int(t.state().RoundCount), round);
            // Bob has no ace in the first round and enters a zero.
            const bool bobsZero = round == 0 && player == 2;
            t.turn(QString::fromLatin1(bobsZero ? "2 3 4 5 6" : e.dice), e.upper, e.row);
        }
    }

    QCOMPARE(column(t.top(), 1), kTopColumn);
    QCOMPARE(column(t.bottom(), 3), kBottomColumn);
    QCOMPARE(t.top().textMatrix(1, 2), QStringLiteral("0"));
    QCOMPARE(t.top().cell(1, 2).back, rgb(0, 255, 0));
    QCOMPARE(t.top().textMatrix(9, 2), QStringLiteral("107"));
    QCOMPARE(t.bottom().textMatrix(10, 2), QStringLiteral("307"));
    QCOMPARE(t.state().GrandTotal[1], qint16(310));
    QCOMPARE(t.state().GrandTotal[2], qint16(307));
    QCOMPARE(t.state().GrandTotal[3], qint16(310));

    const auto told = t.platform.promptsOf(Prompt::Ok);
    QCOMPARE(told.size(), 1);
    QCOMPARE(told[0].title, QStringLiteral("Game Over!"));
    QCOMPARE(told[0].text,
             QStringLiteral("The game is over!\r\nCongratulations to Ann and Cy who won the game!"));
    QVERIFY(!t.state().GameInProgress);
    QCOMPARE(t.state().CurrentPlayer, qint16(1));
    for (int c = 1; c <= 3; ++c)
        QCOMPARE(t.top().cell(0, c).back, colours::kButtonFace);
    QCOMPARE(t.platform.unexpected, QStringList());
}

QTEST_MAIN(FullGameTest)
#include "tst_fullgame.moc"
