// Play by keyboard and by screen reader: the keys, the focus, and what the announcer says.
#include "Announcer.h"
#include "ComputerDriver.h"
#include "DieBox.h"
#include "GameStates.h"
#include "ScoreGridView.h"
#include "Table.h"
#include "frmHowToPlay.h"

#include <QAccessible>
#include <QTextBrowser>
#include <QTest>

namespace {
// What the announcer says: each line as a screen reader is sent it.
struct Listener
{
    QStringList lines;

    explicit Listener(Announcer *announcer)
    {
        QObject::connect(announcer, &Announcer::said, [this](const QString &line) { lines << line; });
    }
    // The lines said since the last call, once the pass of the event loop that adds them is over.
    QStringList heard()
    {
        QCoreApplication::sendPostedEvents();
        return std::exchange(lines, {});
    }
};

void key(int k)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(k));
}

bool unavailable(QWidget *button)
{
    return QAccessible::queryAccessibleInterface(button)->state().disabled;
}
}  // namespace

class AccessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // The keys of play work from any control; Roll keeps the focus, framed, and reads as unavailable
    // when it cannot roll; Tab walks Roll and the grids, where arrows walk cells and Enter scores.
    void wholeTurnByKeyboard()
    {
        Table t;
        t.window.show();
        QApplication::setActiveWindow(&t.window);
        QVERIFY(QTest::qWaitForWindowActive(&t.window));
        t.prompts.inputAnswers << "2" << "Ann" << "Bob";
        QTest::keySequence(&t.window, QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(t.state().players.size(), std::size_t(2));

        t.window.mnuAnimateDice()->trigger();  // the dice land at once
        t.platform.scriptRoll("2 2 5 3 3");
        key(Qt::Key_Space);
        QCOMPARE(t.turn().rollsMade, 1);
        key(Qt::Key_1);
        key(Qt::Key_2);
        key(Qt::Key_3);
        key(Qt::Key_3);  // and back again
        QCOMPARE(t.turn().held, (std::array<bool, 5>{true, true, false, false, false}));
        t.platform.scriptRoll("0 0 3 3 3", t.turn().held);
        key(Qt::Key_R);
        t.platform.scriptRoll("0 0 3 3 3", t.turn().held);
        key(Qt::Key_R);
        QCOMPARE(t.turn().rollsMade, 3);
        QVERIFY(t.window.focusWidget() == t.window.cmdRoll() && unavailable(t.window.cmdRoll()));
        // The frame around Roll shows the focus, on the black of the window.
        const QPoint beside = t.window.cmdRoll()->geometry().topLeft() + QPoint(-2, 20);
        auto pixel = [&] { return t.window.centralWidget()->grab().toImage().pixelColor(beside); };
        QCOMPARE(pixel(), QColor(255, 200, 0));

        key(Qt::Key_Return);  // shows the cursor on the first free row
        QCOMPARE(t.window.cursor(), std::optional(Category::Aces));
        for (int down = 0; down < 20; ++down)  // stops at Chance, the last row
            key(Qt::Key_Down);
        for (int up = 0; up < 4; ++up)
            key(Qt::Key_Up);
        QCOMPARE(t.window.cursor(), std::optional(Category::FullHouse));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(t.state().players[0].sheet.entry(Category::FullHouse), std::optional(25));
        QVERIFY(t.state().mover == 1 && !t.window.cursor() && !unavailable(t.window.cmdRoll()));

        // The lower grid keeps the focus through a roll; Down walks its cells, not the cursor.
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        ScoreGridView *lower = t.window.ScoreCardBottom();
        t.window.mnuAnimateDice()->trigger();
        t.platform.scriptRoll("6 6 6 6 2");
        key(Qt::Key_Space);
        QVERIFY(t.window.rolling());
        t.land();
        QCOMPARE(QApplication::focusWidget(), lower);
        QCOMPARE(pixel(), QColor(Qt::black));
        key(Qt::Key_Down);
        QCOMPARE(lower->currentIndex(), lower->model()->index(2, 2));
        QVERIFY(!t.window.cursor());
        key(Qt::Key_Return);
        QCOMPARE(t.state().players[1].sheet.entry(Category::FourOfAKind), std::optional(26));
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), t.window.cmdRoll());

        // F1 opens one How to Play window, not modal, its text readable.
        QTest::keySequence(&t.window, Qt::Key_F1);
        QTest::keySequence(&t.window, Qt::Key_F1);
        const auto help = t.window.findChildren<frmHowToPlay *>();
        QVERIFY(help.size() == 1 && help[0]->isVisible() && !help[0]->isModal());
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(help[0]->text())->textInterface();
        QVERIFY(text && text->text(0, text->characterCount()).contains("Ctrl+Z"));
        // As tall as its text, which a first small layout would make several screens tall.
        QVERIFY(help[0]->text()->height() < 500 && help[0]->text()->height() > 300);
        QVERIFY(t.prompts.unexpected.isEmpty());
    }

    // Roll is drawn exactly as a disabled button while it cannot roll, though it keeps the focus.
    void unavailableRollLooksDisabled()
    {
        Table t;
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        RollButton *roll = t.window.cmdRoll();
        QPushButton disabled(roll->text(), roll->parentWidget());
        disabled.setGeometry(roll->geometry());
        disabled.setFont(roll->font());
        disabled.setEnabled(false);
        QVERIFY(!roll->isAvailable() && roll->isEnabled());
        QCOMPARE(QAccessible::queryAccessibleInterface(roll)->text(QAccessible::Name), QStringLiteral("Roll!"));
        QCOMPARE(roll->grab().toImage(), disabled.grab().toImage());
        t.newGame({"Ann"});
        QVERIFY(roll->isAvailable() && roll->grab().toImage() != disabled.grab().toImage());
    }

    // Each moment of a turn is said once, the dice only once landed; a key that can do nothing
    // says why.
    void aTurnAsHeard()
    {
        Table t;
        Listener reader(t.window.announcer());
        t.newGame({"Ann", ""});
        QCOMPARE(reader.heard(), QStringList{"Players: Ann, Player 2. Ann's turn."});
        // A line is the name of a notification in a status bar.
        QAccessibleInterface *note = QAccessible::queryAccessibleInterface(t.window.announcer()->note(0));
        QCOMPARE(note->text(QAccessible::Name), QStringLiteral("Players: Ann, Player 2. Ann's turn."));
        QVERIFY(note->role() == QAccessible::Notification
                && note->parent()->role() == QAccessible::StatusBar);
        t.window.keyDie(2);
        QCOMPARE(reader.heard(), QStringList{"Roll 1 of 3"});
        // The next line goes on the other note, so both are spoken.
        QCOMPARE(t.window.announcer()->note(1)->accessibleName(), QStringLiteral("Roll 1 of 3"));
        t.window.keyEnter();
        t.window.keyEnter();
        QCOMPARE(reader.heard(), QStringList{"Aces: no dice rolled yet. Roll 1 of 3"});
        t.roll("2 5 3 3 3");
        QCOMPARE(reader.heard(), QStringList{"Ann rolled 2, 5, 3, 3, 3. Roll 2 of 3 next."});
        t.hold(1);
        t.hold(0);
        QCOMPARE(reader.heard(), QStringList{"Die 2: five, held. Die 1: two, held."});
        t.release(0);
        QCOMPARE(reader.heard(), QStringList{"Die 1: two, back on the table."});

        t.platform.scriptRoll("1 0 4 3 3", t.turn().held);
        t.window.cmdRoll_Click();
        QCOMPARE(t.platform.runScheduled(3), 3);  // frames of an animated roll
        QCOMPARE(reader.heard(), QStringList());
        QCOMPARE(t.window.imgDiceRolled(0)->accessibleName() + '/' + t.window.imgDiceSaved(1)->accessibleName(),
                 QStringLiteral("Die 1: rolling/Die 2: five, held"));
        t.land();
        QCOMPARE(reader.heard(), QStringList{"Ann rolled 1, 5, 4, 3, 3. Die 2 is held. Roll 3 of 3 next."});

        t.hold(0);
        reader.heard();
        t.roll("0 0 1 1 1");
        QCOMPARE(reader.heard(),
                 QStringList{"Ann rolled 1, 5, 1, 1, 1. Dice 1, 2 are held. No rolls left: choose a category."});
        t.window.keyRoll();
        QCOMPARE(reader.heard(), QStringList{"No rolls left: choose a category."});
        t.window.keyCursor(+1);  // from Aces, where Enter put it before the roll
        t.window.keyCursor(+1);
        QCOMPARE(reader.heard(), QStringList{"Twos, 0 points. Threes, 0 points."});
        t.window.keyCursor(-1);
        t.window.keyCursor(-1);
        t.window.keyCursor(-1);
        t.window.keyEnter();
        QCOMPARE(reader.heard(),
                 QStringList{"Twos, 0 points. Aces, 4 points. Aces, 4 points. "
                             "Ann scored 4 in Aces. Total 4. Player 2's turn."});
        t.window.mnuUndo()->trigger();
        QCOMPARE(reader.heard(),
                 QStringList{"Entry taken back. Ann's turn again. The dice show 1, 5, 1, 1, 1. "
                             "Dice 1, 2 are held. No rolls left: choose a category."});

        // A game loaded in the middle of a turn; its last entry earns the bonus and ends it.
        GameState last = gameOf({"Zoë"}, 1, "6 6 6 1 1");
        last.round = kRounds - 1;
        enter(last, 0, {"Aces 3", "Twos 6", "Threes 9", "Fours 12", "Fives 15", "3K 20", "4K 0",
                        "FullHouse 25", "SmStraight 30", "LgStraight 40", "Kelbrune 0", "Chance 5"});
        t.load(last);
        QCOMPARE(reader.heard(),
                 QStringList{"Players: Zoë. Zoë's turn. The dice show 6, 6, 6, 1, 1. Roll 2 of 3 next."});
        t.score(Category::Sixes);
        QCOMPARE(reader.heard(),
                 QStringList{"Zoë scored 18 in Sixes. Upper bonus of 35 earned. Total 218. "
                             "Game over. Final scores: Zoë 218."});
    }

    // The computer's every step is heard, and it waits for each line to be spoken before the next.
    void theComputerAsHeard()
    {
        Table t;
        Listener reader(t.window.announcer());
        t.prompts.screenReader = true;
        t.window.mnuAnimateDice()->trigger();
        t.prompts.seatAnswers << std::vector<Seat>{{"Ann", SeatKind::Human}, {"Robo", SeatKind::Perfect}};
        t.window.mnuNewAgainstComputer()->trigger();
        t.roll("1 1 1 2 3");
        reader.heard();
        t.score(Category::Aces);
        t.platform.scriptRoll("6 6 6 2 3");
        QStringList heard = reader.heard();
        t.platform.pauses.clear();
        bool kept = false;
        while (t.state().computerToMove() && t.platform.runScheduled(1) == 1) {
            heard << reader.heard();
            if (!kept && t.turn().held[0]) {
                t.platform.scriptRoll("0 0 0 6 6", t.turn().held);
                kept = true;
            }
        }
        QCOMPARE(heard, (QStringList{"Ann scored 3 in Aces. Total 3. Robo's turn.",
                                     "Robo rolled 6, 6, 6, 2, 3.",
                                     "Robo keeps 6 6 6 and rolls again.",
                                     "Robo rolled 6, 6, 6, 6, 6. Dice 1, 2, 3 are held.",
                                     "Robo scored 50 in Kelbrune. Total 50. Ann's turn."}));
        QVERIFY(t.platform.pauses.contains(Announcer::speakingTime(heard[1])));
    }

    // An Undo during the computer's shown roll ends the show and gives the person back the turn.
    void undoWhileTheComputerRolls()
    {
        Table t;
        t.prompts.seatAnswers << std::vector<Seat>{{"Ann", SeatKind::Human}, {"Robo", SeatKind::Perfect}};
        t.window.mnuNewAgainstComputer()->trigger();
        t.roll("2 2 2 5 6");
        const GameState before = t.state();
        t.score(Category::Twos);
        QCOMPARE(t.platform.runScheduled(2), 2);  // its first roll, and a frame of it
        QVERIFY(t.window.rolling() && t.window.mnuUndo()->isEnabled());
        t.window.mnuUndo()->trigger();
        QVERIFY(t.state() == before && !t.window.rolling() && t.window.cmdRoll()->isAvailable());
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
