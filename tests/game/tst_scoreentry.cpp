#include "SaveFile.h"
#include "ScoreCardLayout.h"
#include "Table.h"

#include <QTest>

using Prompt = ScriptedPlatform::Prompt;

class ScoreEntryTest : public QObject
{
    Q_OBJECT

private slots:
    void entries_data();
    void entries();
    void zeroDeclinedChangesNothing();
    void clickInAnotherColumnScoresForTheMover();
    void nonCategoryRowsAreIgnored_data();
    void nonCategoryRowsAreIgnored();
    void noEntryBeforeTheFirstRoll();
    void usedCategoryIsIgnored();
    void fiveOfAKindCue();
    void firstEntryTotals_data();
    void firstEntryTotals();
    void bonusAtSixtyThree();
    void playersTotalsAreTheirOwn();
};

void ScoreEntryTest::entries_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("entered");  // "0" needs the confirmation
    QTest::addColumn<bool>("cue");

    QTest::newRow("aces") << "1 1 1 5 6" << true << 1 << "3" << false;
    QTest::newRow("fives") << "1 1 1 5 6" << true << 5 << "5" << false;
    QTest::newRow("sixes") << "1 1 1 5 6" << true << 6 << "6" << false;
    QTest::newRow("twos zero") << "1 1 1 5 6" << true << 2 << "0" << false;
    QTest::newRow("full house") << "2 2 3 3 3" << false << 3 << "25" << false;
    QTest::newRow("three of a kind") << "2 2 3 3 3" << false << 1 << "13" << false;
    QTest::newRow("four of a kind zero") << "2 2 3 3 3" << false << 2 << "0" << false;
    QTest::newRow("five alike, three of a kind") << "4 4 4 4 4" << false << 1 << "20" << false;
    QTest::newRow("five alike, four of a kind") << "4 4 4 4 4" << false << 2 << "20" << false;
    QTest::newRow("five alike, fifty") << "4 4 4 4 4" << false << 6 << "50" << true;
    QTest::newRow("five alike, full house zero") << "4 4 4 4 4" << false << 3 << "0" << false;
    QTest::newRow("small straight 1234") << "1 2 3 4 4" << false << 4 << "30" << false;
    QTest::newRow("small straight 3456 over a one") << "1 3 4 5 6" << false << 4 << "30" << false;
    QTest::newRow("small straight 3456 with a pair") << "3 4 5 6 6" << false << 4 << "30"
                                                     << false;
    QTest::newRow("no large straight") << "1 2 3 4 4" << false << 5 << "0" << false;
    QTest::newRow("large straight") << "2 3 4 5 6" << false << 5 << "40" << false;
    QTest::newRow("large as small") << "2 3 4 5 6" << false << 4 << "30" << false;
    QTest::newRow("gap, small zero") << "1 2 3 5 6" << false << 4 << "0" << false;
    QTest::newRow("gap, large zero") << "1 2 3 5 6" << false << 5 << "0" << false;
    QTest::newRow("no five alike") << "6 6 6 6 5" << false << 6 << "0" << false;
    QTest::newRow("chance") << "6 6 6 6 5" << false << 7 << "29" << false;
}

void ScoreEntryTest::entries()
{
    QFETCH(QString, dice);
    QFETCH(bool, upper);
    QFETCH(int, row);
    QFETCH(QString, entered);
    QFETCH(bool, cue);

    Table t;
    t.newGame({"Ann", "Bob"});
    t.roll(dice);
    t.platform.clearRecords();
    const bool zero = entered == QLatin1String("0");
    if (zero)
        t.platform.yesNoAnswers << true;
    upper ? t.scoreTop(row) : t.scoreBottom(row);

    const auto asked = t.platform.promptsOf(Prompt::YesNo);
    QCOMPARE(asked.size(), zero ? 1 : 0);
    if (zero) {
        QCOMPARE(asked[0].title, QStringLiteral("Zero Score?"));
        QCOMPARE(asked[0].text, QStringLiteral("Do you want to enter a zero in the selected row?"));
    }
    QCOMPARE(t.platform.cues.contains(Platform::Cue::Kelbrune), cue);

    const ScoreCard &grid = upper ? t.top() : t.bottom();
    QCOMPARE(grid.textMatrix(row, 1), entered);
    const ScoreCard::Cell &cell = grid.cell(row, 1);
    QCOMPARE(cell.back, zero ? rgb(0, 255, 0) : rgb(15, 221, 244));
    QCOMPARE(cell.fore, zero ? rgb(255, 255, 0) : rgb(0, 128, 128));
    QVERIFY(cell.bold);
    const auto &section = upper ? t.state().UpperTotal : t.state().LowerTotal;
    QCOMPARE(int(section[1]), entered.toInt());
    QCOMPARE(t.state().CurrentPlayer, qint16(2));
}

void ScoreEntryTest::zeroDeclinedChangesNothing()
{
    Table t;
    t.newGame({"Ann", "Bob"});
    t.roll("1 1 1 5 6");
    const GameState before = t.state();
    const SavedGame card = t.snapshot();
    t.platform.yesNoAnswers << false;
    t.scoreTop(2);
    QCOMPARE(t.state(), before);
    QVERIFY(t.snapshot() == card);
    QCOMPARE(t.top().cell(2, 1).back, colours::kWhite);
    // The same player may roll again and choose another row.
    QVERIFY(t.game().rollEnabled());
    t.scoreTop(1);
    QCOMPARE(t.top().textMatrix(1, 1), QStringLiteral("3"));
}

void ScoreEntryTest::clickInAnotherColumnScoresForTheMover()
{
    Table t;
    t.newGame({"Ann", "Bob", "Cy"});
    t.turn("1 1 1 1 2", true, 1);
    t.roll("5 5 5 2 2");
    t.scoreBottom(3, 1);  // Bob's turn; the click lands in Ann's column
    QCOMPARE(t.bottom().textMatrix(3, 1), QString());
    QCOMPARE(t.bottom().textMatrix(3, 2), QStringLiteral("25"));
    t.roll("3 3 3 3 1");
    t.scoreTop(3, 6);  // Cy's turn; the click lands in the unused column 6
    QCOMPARE(t.top().textMatrix(3, 3), QStringLiteral("12"));
    QCOMPARE(t.top().textMatrix(3, 6), QString());
}

void ScoreEntryTest::nonCategoryRowsAreIgnored_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("row");
    QTest::newRow("Upper Section") << true << 0;
    QTest::newRow("Total") << true << 7;
    QTest::newRow("Bonus") << true << 8;
    QTest::newRow("Upper Total, top") << true << 9;
    QTest::newRow("Lower Section") << false << 0;
    QTest::newRow("Lower Total") << false << 8;
    QTest::newRow("Upper Total, bottom") << false << 9;
    QTest::newRow("Grand Total") << false << 10;
}

void ScoreEntryTest::nonCategoryRowsAreIgnored()
{
    QFETCH(bool, upper);
    QFETCH(int, row);
    Table t;
    t.newGame({"Ann"});
    t.roll("1 2 3 4 6");
    const GameState before = t.state();
    const SavedGame card = t.snapshot();
    t.platform.clearRecords();
    for (int col : {0, 1, 3})
        upper ? t.window.clickScoreCardTop(row, col) : t.window.clickScoreCardBottom(row, col);
    QCOMPARE(t.state(), before);
    QVERIFY(t.snapshot() == card);
    QVERIFY(t.platform.prompts.isEmpty());
}

void ScoreEntryTest::noEntryBeforeTheFirstRoll()
{
    Table t;
    // Before any game, and at the start of a turn, clicks on either grid do nothing.
    t.window.clickScoreCardTop(1, 1);
    t.window.clickScoreCardBottom(7, 1);
    QCOMPARE(t.top().textMatrix(1, 1), QString());
    t.newGame({"Ann"});
    t.scoreTop(1);
    t.scoreBottom(7);
    QCOMPARE(t.top().textMatrix(1, 1), QString());
    QCOMPARE(t.bottom().textMatrix(7, 1), QString());
    QVERIFY(t.platform.promptsOf(Prompt::YesNo).isEmpty());
    QCOMPARE(t.state().CurrentPlayer, qint16(1));
}

void ScoreEntryTest::usedCategoryIsIgnored()
{
    Table t;
    t.newGame({"Ann"});
    t.turn("6 6 6 6 6", false, 6);
    QCOMPARE(t.bottom().textMatrix(6, 1), QStringLiteral("50"));
    // A second five of a kind can only go elsewhere.
    t.roll("6 6 6 6 6");
    t.platform.clearRecords();
    t.scoreBottom(6);
    QCOMPARE(t.bottom().textMatrix(6, 1), QStringLiteral("50"));
    QCOMPARE(t.state().LowerTotal[1], qint16(50));
    QVERIFY(t.platform.cues.isEmpty());
    QCOMPARE(t.state().RollCount, qint16(1));
    t.scoreTop(6);
    QCOMPARE(t.top().textMatrix(6, 1), QStringLiteral("30"));
}

void ScoreEntryTest::fiveOfAKindCue()
{
    Table t;
    t.newGame({"Ann"});
    t.roll("2 2 2 2 2");
    t.platform.clearRecords();
    t.scoreBottom(6);
    QCOMPARE(t.platform.events, QStringList{"cue Kelbrune"});

    // Fifty in another category plays nothing; a zero in the row plays nothing.
    t.roll("5 5 5 5 5");
    t.platform.clearRecords();
    t.scoreBottom(7);
    QVERIFY(t.platform.cues.isEmpty());
}

void ScoreEntryTest::firstEntryTotals_data()
{
    QTest::addColumn<QString>("dice");
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("totals");  // Total, Bonus, Upper Total x2, Lower Total, Grand

    QTest::newRow("aces three") << "1 1 1 5 6" << true << 1
                                << QStringList{"3", "", "3", "3", "0", "3"};
    QTest::newRow("chance seventeen") << "1 2 3 5 6" << false << 7
                                      << QStringList{"0", "", "0", "0", "17", "17"};
    QTest::newRow("zero entry") << "1 2 3 5 6" << true << 4
                                << QStringList{"0", "", "0", "0", "0", "0"};
}

void ScoreEntryTest::firstEntryTotals()
{
    QFETCH(QString, dice);
    QFETCH(bool, upper);
    QFETCH(int, row);
    QFETCH(QStringList, totals);

    Table t;
    t.newGame({"Ann", "Bob"});
    t.turn(dice, upper, row);
    const QStringList shown{t.top().textMatrix(7, 1),    t.top().textMatrix(8, 1),
                            t.top().textMatrix(9, 1),    t.bottom().textMatrix(9, 1),
                            t.bottom().textMatrix(8, 1), t.bottom().textMatrix(10, 1)};
    QCOMPARE(shown, totals);
    QCOMPARE(QString::number(t.state().GrandTotal[1]), totals.last());
    // Bob's totals are still empty.
    for (int r = 7; r <= 9; ++r)
        QCOMPARE(t.top().textMatrix(r, 2), QString());
}

void ScoreEntryTest::bonusAtSixtyThree()
{
    Table t;
    t.newGame({"Ann"});
    // 3 + 6 + 12 + 16 + 25 = 62: one short of the bonus.
    t.turn("1 1 1 2 3", true, 1);
    t.turn("2 2 2 1 3", true, 2);
    t.turn("3 3 3 3 1", true, 3);
    t.turn("4 4 4 4 1", true, 4);
    t.turn("5 5 5 5 5", true, 5);
    QCOMPARE(t.state().UpperTotal[1], qint16(62));
    QCOMPARE(t.top().textMatrix(8, 1), QString());
    QCOMPARE(t.top().textMatrix(9, 1), QStringLiteral("62"));
    QCOMPARE(t.bottom().textMatrix(10, 1), QStringLiteral("62"));

    Table u;
    u.newGame({"Ann"});
    u.turn("1 1 1 2 3", true, 1);   // 3
    u.turn("2 2 2 1 3", true, 2);   // 6 -> 9
    u.turn("3 3 3 3 1", true, 3);   // 12 -> 21
    u.turn("4 4 4 4 1", true, 4);   // 16 -> 37
    u.turn("5 5 5 5 1", true, 5);   // 20 -> 57
    u.turn("6 2 2 3 1", false, 7);  // Chance 14
    QCOMPARE(u.top().textMatrix(8, 1), QString());
    QCOMPARE(u.top().textMatrix(9, 1), QStringLiteral("57"));
    u.turn("6 1 2 2 1", true, 6);   // 6 -> 63
    QCOMPARE(u.state().UpperTotal[1], qint16(63));
    QCOMPARE(u.top().textMatrix(7, 1), QStringLiteral("63"));
    QCOMPARE(u.top().textMatrix(8, 1), QStringLiteral("35"));
    QCOMPARE(u.top().textMatrix(9, 1), QStringLiteral("98"));
    QCOMPARE(u.bottom().textMatrix(9, 1), QStringLiteral("98"));
    QCOMPARE(u.bottom().textMatrix(10, 1), QStringLiteral("112"));
    QCOMPARE(u.state().GrandTotal[1], qint16(112));

    // A later zero rewrites the same totals and the bonus again.
    u.turn("1 2 3 5 6", false, 6);
    QCOMPARE(u.top().textMatrix(8, 1), QStringLiteral("35"));
    QCOMPARE(u.top().textMatrix(9, 1), QStringLiteral("98"));
    QCOMPARE(u.bottom().textMatrix(10, 1), QStringLiteral("112"));
}

void ScoreEntryTest::playersTotalsAreTheirOwn()
{
    Table t;
    t.newGame({"Ann", "Bob"});
    t.turn("6 6 6 1 2", true, 6);   // Ann 18
    t.turn("5 5 5 5 5", false, 6);  // Bob 50
    t.turn("1 1 2 3 4", false, 7);  // Ann 11
    t.turn("1 1 2 3 4", false, 4);  // Bob 30
    QCOMPARE(t.top().textMatrix(7, 1), QStringLiteral("18"));
    QCOMPARE(t.bottom().textMatrix(8, 1), QStringLiteral("11"));
    QCOMPARE(t.bottom().textMatrix(10, 1), QStringLiteral("29"));
    QCOMPARE(t.top().textMatrix(7, 2), QStringLiteral("0"));
    QCOMPARE(t.bottom().textMatrix(8, 2), QStringLiteral("80"));
    QCOMPARE(t.bottom().textMatrix(10, 2), QStringLiteral("80"));
    QCOMPARE(t.state().GrandTotal[1], qint16(29));
    QCOMPARE(t.state().GrandTotal[2], qint16(80));
}

QTEST_MAIN(ScoreEntryTest)
#include "tst_scoreentry.moc"
