#include "SaveFile.h"
#include "Table.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
std::array<int, 5> faces(const char *text)
{
    std::array<int, 5> f{};
    const QStringList parts = QString::fromLatin1(text).split(QLatin1Char(' '));
    for (int i = 0; i < 5; ++i)
        f[std::size_t(i)] = parts.value(i).toInt();
    return f;
}

std::array<int, 5> values(const GameState &s)
{
    std::array<int, 5> v{};
    for (std::size_t i = 0; i < 5; ++i)
        v[i] = s.DiceValue[i];
    return v;
}
}  // namespace

class RollTest : public QObject
{
    Q_OBJECT

private slots:
    void drawsAndFrames_data();
    void drawsAndFrames();
    void controlsDuringAndAfterARoll();
    void rollButtonAfterEachRoll();
    void unanimatedRollShowsNothingUntilTheLastFrame();
    void animatedRollShowsEveryFrame();
    void holdAndReleaseKeepTheColumn();
    void clicksOnEmptyBoxesDoNothing();
    void toggleAnimation();
    void toggleInTheMiddleOfARoll();
    void saveInTheMiddleOfARoll();
    void newGameInTheMiddleOfARoll();
    void loadInTheMiddleOfARoll();
    void exitInTheMiddleOfARoll();
    void declinedExitLetsTheRollFinish();
    void commandsDuringAFrameWait_data();
    void commandsDuringAFrameWait();
};

void RollTest::drawsAndFrames_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("held");
    QTest::addColumn<bool>("animate");

    QTest::newRow("fewest frames, none held") << 6 << 0 << true;
    QTest::newRow("most frames, none held") << 20 << 0 << true;
    QTest::newRow("two held, not animated") << 11 << 2 << false;
    QTest::newRow("all five held") << 9 << 5 << true;
    QTest::newRow("all five held, not animated") << 7 << 5 << false;
}

void RollTest::drawsAndFrames()
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
    const auto before = values(t.state());
    t.platform.clearRecords();

    t.roll("1 2 3 4 5", frames);

    QCOMPARE(t.platform.draws, 1 + frames * (5 - held));
    QCOMPARE(t.platform.randoms.size(), 0);
    QCOMPARE(t.platform.pumps, frames);
    QCOMPARE(t.platform.waits, animate ? QList<int>(frames, 200) : QList<int>());
    QCOMPARE(t.platform.cues, QList<Platform::Cue>{Platform::Cue::DieRoll});
    QCOMPARE(t.state().RollCount, qint16(2));
    for (int i = 0; i < 5; ++i) {
        const int expected = i < held ? before[std::size_t(i)] : i + 1;
        QCOMPARE(int(t.state().DiceValue[std::size_t(i)]), expected);
        QCOMPARE(t.game().savedFaces()[std::size_t(i)], i < held ? expected : 0);
        QCOMPARE(t.game().rolledFaces()[std::size_t(i)], i < held ? 0 : expected);
    }
}

void RollTest::controlsDuringAndAfterARoll()
{
    Table t;
    t.newGame({"Ann"});
    bool rollEnabled = true, diceEnabled = true, topEnabled = true, bottomEnabled = true;
    t.platform.atPump(3, [&] {
        rollEnabled = t.game().rollEnabled();
        diceEnabled = t.game().diceEnabled();
        topEnabled = t.top().enabled();
        bottomEnabled = t.bottom().enabled();
        // A click on anything disabled is ignored.
        t.hold(0);
        t.scoreTop(1);
    });
    t.roll("1 1 1 1 1");
    QVERIFY(!rollEnabled);
    QVERIFY(!diceEnabled);
    QVERIFY(!topEnabled);
    QVERIFY(!bottomEnabled);
    QVERIFY(!t.state().DiceSaved[0]);
    QCOMPARE(t.top().textMatrix(1, 1), QString());
    QVERIFY(t.game().rollEnabled());
    QVERIFY(t.game().diceEnabled());
    QVERIFY(t.top().enabled());
    QVERIFY(t.bottom().enabled());
}

void RollTest::rollButtonAfterEachRoll()
{
    Table t;
    t.newGame({"Ann"});
    t.roll("1 2 3 4 5");
    QVERIFY(t.game().rollEnabled());
    t.roll("1 2 3 4 5");
    QVERIFY(t.game().rollEnabled());
    t.roll("6 6 6 4 5");
    QVERIFY(!t.game().rollEnabled());
    QCOMPARE(t.state().RollCount, qint16(3));

    // A fourth click does nothing; dice can still be held and released.
    t.platform.clearRecords();
    t.window.cmdRoll_Click();
    QCOMPARE(t.platform.draws, 0);
    QCOMPARE(t.state().RollCount, qint16(3));
    t.hold(2);
    QVERIFY(t.state().DiceSaved[2]);
    t.release(2);
    QVERIFY(!t.state().DiceSaved[2]);
}

void RollTest::unanimatedRollShowsNothingUntilTheLastFrame()
{
    Table t;
    t.window.mnuAnimateDice_Click();
    t.newGame({"Ann"});
    t.roll("2 2 2 2 2");
    t.hold(4);
    QList<std::array<int, 5>> shown;
    int frame = 0;
    std::function<void()> record = [&] {
        shown.append(t.game().rolledFaces());
        if (++frame < 8)
            t.platform.atPump(1, record);
    };
    t.platform.atPump(1, record);
    t.roll("3 4 5 6 0", 8);
    QCOMPARE(shown.size(), 8);
    for (int f = 0; f < 7; ++f)
        QCOMPARE(shown[f], (std::array<int, 5>{0, 0, 0, 0, 0}));
    QCOMPARE(shown[7], faces("3 4 5 6 0"));
    QCOMPARE(t.game().savedFaces()[4], 2);
}

void RollTest::animatedRollShowsEveryFrame()
{
    Table t;
    t.newGame({"Ann"});
    QList<std::array<int, 5>> shown;
    int frame = 0;
    std::function<void()> record = [&] {
        shown.append(t.game().rolledFaces());
        if (++frame < 6)
            t.platform.atPump(1, record);
    };
    t.platform.atPump(1, record);
    t.roll("1 2 3 4 5");
    QCOMPARE(shown.size(), 6);
    for (const auto &f : shown)
        for (int face : f)
            QVERIFY(face >= 1 && face <= 6);
    QCOMPARE(shown.last(), faces("1 2 3 4 5"));
    QVERIFY(shown.first() != shown.last());
}

void RollTest::holdAndReleaseKeepTheColumn()
{
    Table t;
    t.newGame({"Ann"});
    t.roll("6 5 4 3 2");
    t.hold(2);
    QVERIFY(t.state().DiceSaved[2]);
    QCOMPARE(t.game().savedFaces()[2], 4);
    QCOMPARE(t.game().rolledFaces()[2], 0);
    QCOMPARE(t.state().DiceValue[2], qint16(4));
    t.release(2);
    QVERIFY(!t.state().DiceSaved[2]);
    QCOMPARE(t.game().rolledFaces()[2], 4);
    QCOMPARE(t.game().savedFaces()[2], 0);
    QCOMPARE(t.state().DiceValue[2], qint16(4));
}

void RollTest::clicksOnEmptyBoxesDoNothing()
{
    Table t;
    t.newGame({"Ann"});
    // Before the first roll of the turn every box is empty.
    for (int i = 0; i < 5; ++i) {
        t.hold(i);
        t.release(i);
        QVERIFY(!t.state().DiceSaved[std::size_t(i)]);
    }
    t.roll("1 2 3 4 5");
    t.hold(1);
    t.hold(1);     // the table box of a held die is empty
    t.release(3);  // the saved box of a die on the table is empty
    QVERIFY(t.state().DiceSaved[1]);
    QVERIFY(!t.state().DiceSaved[3]);
    QCOMPARE(t.game().savedFaces()[1], 2);
    QCOMPARE(t.game().rolledFaces()[3], 4);
    // Out-of-range indexes are ignored too.
    t.hold(-1);
    t.hold(5);
    t.release(7);
    QCOMPARE(t.game().rolledFaces(), faces("1 0 3 4 5"));
}

void RollTest::toggleAnimation()
{
    Table t;
    QVERIFY(t.state().AnimateDice);
    t.window.mnuAnimateDice_Click();
    QVERIFY(!t.state().AnimateDice);
    QVERIFY(!t.state().AnimateDice);
    QCOMPARE(t.settings.values.value("AnimateDice"), QStringLiteral("False"));
    t.window.mnuAnimateDice_Click();
    QVERIFY(t.state().AnimateDice);
    QVERIFY(t.state().AnimateDice);
    QCOMPARE(t.settings.log.mid(t.settings.log.size() - 2),
             (QStringList{"save AnimateDice=False", "save AnimateDice=True"}));
}

void RollTest::toggleInTheMiddleOfARoll()
{
    Table t;
    t.newGame({"Ann"});
    t.platform.atPump(2, [&] { t.window.mnuAnimateDice_Click(); });
    t.roll("1 2 3 4 5", 10);
    // Frame 1 waited; from frame 2 on the roll is no longer animated.
    QCOMPARE(t.platform.waits, QList<int>{200});
    QCOMPARE(t.state().DiceValue, (std::array<qint16, 5>{1, 2, 3, 4, 5}));
}

void RollTest::saveInTheMiddleOfARoll()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("midroll.sav");
    Table t;
    t.newGame({"Ann"});
    t.roll("6 6 1 1 1");
    t.hold(0);
    t.platform.fileAnswers << path;
    t.platform.atPump(3, [&] { t.window.mnuSaveGame_Click(); });
    t.roll("0 6 2 2 2", 6);

    const DecodeResult read = readSavedGame(path);
    QVERIFY(read.game.has_value());
    QCOMPARE(read.game->rollCount, qint16(2));
    QVERIFY(!read.game->rollEnabled);
    QVERIFY(read.game->diceSaved[0]);
    QCOMPARE(read.game->diceValue[0], qint16(6));
    // The other dice carry the faces of frame 3.
    for (int d = 1; d < 5; ++d) {
        QVERIFY(read.game->diceValue[std::size_t(d)] >= 1);
        QVERIFY(read.game->diceValue[std::size_t(d)] <= 6);
    }
}

void RollTest::newGameInTheMiddleOfARoll()
{
    Table t;
    t.newGame({"Ann", "Bob"});
    t.platform.atPump(2, [&] {
        t.platform.yesNoAnswers << true;
        t.platform.inputAnswers << "1" << "Cy";
        t.window.mnuNewGame_Click();
    });
    t.roll("1 2 3 4 5", 12);

    // The new game's dice are never drawn on: its turn starts with no roll.
    const GameState &s = t.state();
    QCOMPARE(s.NumPlayers, qint16(1));
    QCOMPARE(s.PlayerNames[1], QStringLiteral("Cy"));
    QCOMPARE(s.RollCount, qint16(0));
    QCOMPARE(s.DiceValue, (std::array<qint16, 5>{}));
    QCOMPARE(t.game().rolledFaces(), (std::array<int, 5>{}));
    QCOMPARE(t.platform.pumps, 2);
    QVERIFY(t.game().rollEnabled());
    QVERIFY(t.game().diceEnabled());
    QVERIFY(t.top().enabled());
    QVERIFY(t.bottom().enabled());
    QVERIFY(!t.game().rolling());
}

void RollTest::loadInTheMiddleOfARoll()
{
    Table t;
    const QString path =
        t.writeGame(savedTurn("Lou", 3, {4, 4, 4, 2, 1}, {true, true, true, false, false}));
    t.newGame({"Ann"});
    t.platform.fileAnswers << path;
    t.platform.atPump(1, [&] { t.window.mnuLoadGame_Click(); });
    t.roll("6 6 6 6 6", 15);

    QCOMPARE(t.state().PlayerNames[1], QStringLiteral("Lou"));
    QCOMPARE(t.state().DiceValue, (std::array<qint16, 5>{4, 4, 4, 2, 1}));
    QCOMPARE(t.game().savedFaces(), faces("4 4 4 0 0"));
    QCOMPARE(t.game().rolledFaces(), faces("0 0 0 2 1"));
    QCOMPARE(t.state().RollCount, qint16(3));
    QVERIFY(!t.game().rollEnabled());  // three rolls were made in the loaded turn
    QVERIFY(t.game().diceEnabled());
    QVERIFY(t.top().enabled());
}

void RollTest::exitInTheMiddleOfARoll()
{
    Table t;
    t.newGame({"Ann"});
    t.platform.atPump(2, [&] {
        t.platform.yesNoAnswers << true;
        t.window.mnuExit_Click();
    });
    t.roll("1 2 3 4 5", 10);
    QVERIFY(t.platform.quitCalled);
    QCOMPARE(t.platform.pumps, 2);
    QCOMPARE(t.platform.draws, 1 + 2 * 5);
}

void RollTest::declinedExitLetsTheRollFinish()
{
    Table t;
    t.newGame({"Ann"});
    t.platform.atPump(2, [&] {
        t.platform.yesNoAnswers << false;
        t.window.mnuExit_Click();
    });
    t.roll("1 2 3 4 5", 10);
    QVERIFY(!t.platform.quitCalled);
    QCOMPARE(t.platform.pumps, 10);
    QCOMPARE(t.state().DiceValue, (std::array<qint16, 5>{1, 2, 3, 4, 5}));
    QVERIFY(t.game().rollEnabled());
}

void RollTest::commandsDuringAFrameWait_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("new game") << "new";
    QTest::newRow("load") << "load";
    QTest::newRow("exit") << "exit";
    QTest::newRow("close box, yes") << "close yes";
    QTest::newRow("close box, no") << "close no";
}

void RollTest::commandsDuringAFrameWait()
{
    QFETCH(QString, command);
    Table t;
    const QString path = t.writeGame(savedTurn("Lou", 1, {2, 2, 2, 2, 2}));
    t.newGame({"Ann"});
    t.platform.atWait(2, [&] {
        if (command == "new") {
            t.platform.yesNoAnswers << true;
            t.platform.inputAnswers << "1" << "Cy";
            t.window.mnuNewGame_Click();
        } else if (command == "load") {
            t.platform.fileAnswers << path;
            t.window.mnuLoadGame_Click();
        } else if (command == "exit") {
            t.platform.yesNoAnswers << true;
            t.window.mnuExit_Click();
        } else {
            t.platform.yesNoAnswers << (command == "close yes");
            t.window.close();
        }
    });
    t.roll("1 2 3 4 5", 10);

    const GameState &s = t.state();
    if (command == "close no") {
        QVERIFY(!t.game().quitting());
        QCOMPARE(t.platform.pumps, 10);
        QCOMPARE(s.DiceValue, (std::array<qint16, 5>{1, 2, 3, 4, 5}));
        QVERIFY(t.game().rollEnabled());
        return;
    }
    // Every other command ends the roll at the wait it came in: no more frames, no more draws.
    QCOMPARE(t.platform.pumps, 2);
    QCOMPARE(t.platform.draws, 1 + 2 * 5);
    if (command == "exit" || command == "close yes") {
        QVERIFY(t.game().quitting());
        QCOMPARE(t.platform.quitCalled, command == "exit");
        return;
    }
    QVERIFY(!t.game().rolling());
    QVERIFY(t.game().diceEnabled());
    QVERIFY(t.top().enabled());
    QVERIFY(t.bottom().enabled());
    if (command == "new") {
        QCOMPARE(s.PlayerNames[1], QStringLiteral("Cy"));
        QCOMPARE(s.RollCount, qint16(0));
        QCOMPARE(s.DiceValue, (std::array<qint16, 5>{}));
        QVERIFY(t.game().rollEnabled());
    } else {
        QCOMPARE(s.PlayerNames[1], QStringLiteral("Lou"));
        QCOMPARE(s.RollCount, qint16(1));
        QCOMPARE(s.DiceValue, (std::array<qint16, 5>{2, 2, 2, 2, 2}));
        QCOMPARE(t.game().rolledFaces(), faces("2 2 2 2 2"));
        QVERIFY(t.game().rollEnabled());
    }
}

QTEST_MAIN(RollTest)
#include "tst_roll.moc"
