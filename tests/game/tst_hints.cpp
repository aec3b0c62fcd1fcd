#include "Hint.h"
#include "Table.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {
const QString kExpected = QStringLiteral("\nExpected final score with best play: ");

// The move line of the panel, without the expected score.
QString moveLine(const QString &text) { return text.section(QLatin1Char('\n'), 0, 0); }
}  // namespace

class HintTest : public QObject
{
    Q_OBJECT

private slots:
    void offByDefaultAndToggled();
    void storedSettingShowsThePanelAtStartUp();
    void panelFollowsAScriptedTurn();
    void noHintWithoutAGame();
    void waitingForTheTable();
};

void HintTest::offByDefaultAndToggled()
{
    Table t;
    QVERIFY(t.window.hintFrame()->isHidden());
    QVERIFY(!t.window.mnuShowHints()->isChecked());
    QVERIFY(t.window.mnuShowHints()->isCheckable());
    t.settings.log.clear();

    t.window.mnuShowHints_Click();
    QVERIFY(!t.window.hintFrame()->isHidden());
    QVERIFY(t.window.mnuShowHints()->isChecked());
    t.window.mnuShowHints_Click();
    QVERIFY(t.window.hintFrame()->isHidden());
    QVERIFY(!t.window.mnuShowHints()->isChecked());
    QCOMPARE(t.settings.log, (QStringList{"save ShowHints=True", "save ShowHints=False"}));
}

void HintTest::storedSettingShowsThePanelAtStartUp()
{
    ScriptedPlatform platform;
    MemorySettings settings;
    settings.values.insert("ShowHints", "True");
    QTemporaryDir recordsDir;
    records::RecordStore records(recordsDir.filePath("records.sqlite"));
    frmMain window(platform, settings, Table::readyAdvisor(), records);
    QVERIFY(!window.hintFrame()->isHidden());
    QVERIFY(window.mnuShowHints()->isChecked());
    QCOMPARE(window.hintPanel()->text(), QString());  // no game yet
}

void HintTest::panelFollowsAScriptedTurn()
{
    Table t;
    t.window.mnuShowHints_Click();
    t.newGame({"Ann", ""});
    QCOMPARE(t.window.hintPanel()->text(),
             QStringLiteral("Ann: Roll the dice.") + kExpected + QStringLiteral("245.9"));

    // A large straight on the first roll, both straights free: take it.
    t.roll("2 3 4 5 6");
    QCOMPARE(moveLine(t.window.hintPanel()->text()),
             QStringLiteral("Ann: Score Lg Straight now for 40 points."));
    QVERIFY(t.window.hintPanel()->text().contains(kExpected));
    t.scoreBottom(5);

    // The next player has no name: the hint goes without one. Five alike: score fifty.
    QCOMPARE(moveLine(t.window.hintPanel()->text()), QStringLiteral("Roll the dice."));
    t.roll("3 3 3 3 3");
    QCOMPARE(moveLine(t.window.hintPanel()->text()),
             QStringLiteral("Score Kelbrune now for 50 points."));
    t.scoreBottom(6);

    // After the third roll the hint names a category with no "now"; holding changes nothing.
    t.roll("1 1 2 4 6");
    t.hold(0);
    t.roll("0 1 2 4 6");
    t.roll("0 1 2 4 6");
    const QString last = moveLine(t.window.hintPanel()->text());
    QVERIFY2(last.startsWith(QStringLiteral("Ann: Score ")), qPrintable(last));
    QVERIFY2(!last.contains(QStringLiteral(" now ")), qPrintable(last));
    QVERIFY2(last.endsWith(QStringLiteral(" points.")) || last.endsWith(QStringLiteral(" point.")),
             qPrintable(last));

    // With rolls left and nothing worth scoring yet, the hint keeps dice by face.
    Table k;
    k.window.mnuShowHints_Click();
    k.newGame({"Kim"});
    k.roll("6 6 6 6 1");
    QCOMPARE(moveLine(k.window.hintPanel()->text()), QStringLiteral("Kim: Keep 6 6 6 6, roll again."));
}

void HintTest::noHintWithoutAGame()
{
    Table t;
    t.window.mnuShowHints_Click();
    QCOMPARE(t.window.hintPanel()->text(), QString());
    t.platform.inputAnswers << "9";
    t.window.mnuNewGame_Click();
    QCOMPARE(t.window.hintPanel()->text(), QString());
}

void HintTest::waitingForTheTable()
{
    Table t;
    t.newGame({"Ann"});
    const OptimalPlay unsolved;
    QCOMPARE(hintText(t.game(), unsolved), QStringLiteral("Working out the best moves…"));
}

QTEST_MAIN(HintTest)
#include "tst_hints.moc"
