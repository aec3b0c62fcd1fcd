// Play by keyboard and by screen reader, where a click scores, and taking back a slip.
#include "DieBox.h"
#include "ScoreGridView.h"
#include "Table.h"
#include "frmHowToPlay.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
QString spoken(QAccessibleInterface *face, QAccessible::Text what = QAccessible::Name)
{
    return face ? face->text(what) : QStringLiteral("<none>");
}

QString spoken(QObject *object, QAccessible::Text what = QAccessible::Name)
{
    return spoken(QAccessible::queryAccessibleInterface(object), what);
}

QAccessibleTableInterface *table(ScoreGridView *grid)
{
    return QAccessible::queryAccessibleInterface(grid)->tableInterface();
}
}  // namespace

class AccessTest : public QObject
{
    Q_OBJECT

private slots:
    void wholeTurnByKeyboard()
    {
        Table t;
        t.window.show();
        QApplication::setActiveWindow(&t.window);
        QVERIFY(QTest::qWaitForWindowActive(&t.window));
        t.platform.inputAnswers << "2" << "Ann" << "Bob";
        QTest::keySequence(&t.window, QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(t.state().NumPlayers, qint16(2));

        t.platform.scriptRoll("2 2 5 3 3");
        QTest::keySequence(&t.window, Qt::Key_Space);
        QCOMPARE(t.state().RollCount, qint16(1));
        QCOMPARE(t.window.focusWidget(), t.window.cmdRoll());
        QTest::keySequence(&t.window, Qt::Key_1);
        QTest::keySequence(&t.window, Qt::Key_2);
        QTest::keySequence(&t.window, Qt::Key_3);
        QTest::keySequence(&t.window, Qt::Key_3);  // and back again
        QCOMPARE(t.state().DiceSaved, (std::array<bool, 5>{true, true, false, false, false}));
        t.platform.scriptRoll("0 0 3 3 3", t.state().DiceSaved);
        QTest::keySequence(&t.window, Qt::Key_R);
        QCOMPARE(t.state().RollCount, qint16(2));

        QTest::keySequence(&t.window, Qt::Key_Return);  // shows the cursor on the first free row
        QCOMPARE(t.window.cursor(), std::optional(Category::Aces));
        QCOMPARE(t.state().CurrentPlayer, qint16(1));
        for (int down = 0; down < 20; ++down)  // stops at Chance, the last row
            QTest::keySequence(&t.window, Qt::Key_Down);
        for (int up = 0; up < 4; ++up)
            QTest::keySequence(&t.window, Qt::Key_Up);
        QCOMPARE(t.window.cursor(), std::optional(Category::FullHouse));
        QTest::keySequence(&t.window, Qt::Key_Enter);
        QCOMPARE(t.bottom().textMatrix(3, 1), QStringLiteral("25"));
        QCOMPARE(t.state().CurrentPlayer, qint16(2));
        QVERIFY(!t.window.cursor());

        // A row that scores nothing asks, as a click does.
        t.platform.scriptRoll("1 1 1 1 1");
        QTest::keySequence(&t.window, Qt::Key_Space);
        QTest::keySequence(&t.window, Qt::Key_Down);
        QTest::keySequence(&t.window, Qt::Key_Down);
        t.platform.yesNoAnswers << false;
        QTest::keySequence(&t.window, Qt::Key_Return);
        QCOMPARE(t.platform.prompts.last().title, QStringLiteral("Zero Score?"));
        QCOMPARE(t.top().textMatrix(2, 2), QString());
        QVERIFY(t.platform.unexpected.isEmpty());

        // F1 opens the one How to Play window, beside the game.
        QTest::keySequence(&t.window, Qt::Key_F1);
        QTest::keySequence(&t.window, Qt::Key_F1);
        const auto help = t.window.findChildren<frmHowToPlay *>();
        QVERIFY(help.size() == 1 && help[0]->isVisible() && !help[0]->isModal());
    }

    void whatAScreenReaderIsTold()
    {
        Table t;
        QStringList heard;  // what the status line announces, as a screen reader reads it
        auto hear = [&] { heard << spoken(t.window.status(), QAccessible::Description); };
        t.newGame({"Ann", ""});
        hear();
        QCOMPARE(spoken(t.window.imgDiceRolled(3)), QStringLiteral("Die 4: empty"));
        QCOMPARE(spoken(t.window.cmdRoll(), QAccessible::Description), QStringLiteral("Roll 1 of 3"));
        QCOMPARE(spoken(table(t.window.ScoreCardTop())->cellAt(6, 2)), "Player 2, Sixes, free");
        QCOMPARE(t.window.status()->text(), QStringLiteral("Ann — roll 1 of 3"));
        QCOMPARE(table(t.window.ScoreCardTop())->columnDescription(1), QStringLiteral("Ann"));
        QCOMPARE(table(t.window.ScoreCardTop())->rowDescription(8), QStringLiteral("Bonus"));

        t.roll("2 5 3 3 3");
        hear();
        t.hold(1);
        t.platform.atPump(1, hear);  // the dice still rolling: nothing new to tell
        t.roll("2 0 4 3 3");
        hear();
        t.roll("2 0 3 3 3");
        QCOMPARE(spoken(t.window.imgDiceSaved(1)), QStringLiteral("Die 2: five, held"));
        QCOMPARE(spoken(t.window.imgDiceRolled(1)), QStringLiteral("Die 2: empty"));
        QCOMPARE(spoken(t.window.imgDiceRolled(0)), QStringLiteral("Die 1: two, on the table"));
        QCOMPARE(spoken(t.window.cmdRoll(), QAccessible::Description),
                 QStringLiteral("No rolls left: choose a category."));
        QCOMPARE(t.window.status()->text(), QStringLiteral("Ann — choose a category"));
        t.scoreBottom(7);
        hear();
        QCOMPARE(spoken(table(t.window.ScoreCardBottom())->cellAt(7, 1)), "Ann, Chance, 16");
        QCOMPARE(heard, (QStringList{"Ann's turn.", "Ann rolled two, five, three, three, three.",
                                     "Ann rolled two, five, three, three, three.",
                                     "Ann rolled two, five, four, three, three.", "Player 2's turn."}));
        // A screen reader can press a die as a click would.
        t.roll("1 4 4 4 4");
        QCOMPARE(spoken(t.window.imgDiceRolled(0)), QStringLiteral("Die 1: one, on the table"));
        QAccessibleInterface *die = QAccessible::queryAccessibleInterface(t.window.imgDiceRolled(2));
        die->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(t.state().DiceSaved[2]);
    }

    void undo_data()
    {
        QTest::addColumn<QString>("after");  // "": Undo takes back Bob's entry; else it is refused
        for (const char *after : {"", "the next player rolled", "the game ended", "a Load",
                                  "a computer's entry"})
            QTest::newRow(*after ? after : "taken back") << after;
    }

    // Undo puts back the card, the totals, the dice, the rolls and the player of the moment just
    // before a person's entry, once; nothing else can be undone.
    void undo()
    {
        QFETCH(QString, after);
        Table t;
        if (after.startsWith("a computer")) {
            t.platform.seatAnswers << std::vector<Seat>{{"Robo", SeatKind::Perfect}};
            t.window.mnuNewAgainstComputer_Click();
            while (t.state().RoundCount == 0)
                QVERIFY(t.platform.runScheduled(1) == 1);
        } else {
            t.newGame({"Ann", "Bob"});
            for (int turn = 0; turn < (after.endsWith("ended") ? 26 : 1); ++turn)
                t.turn("6 6 6 6 6", Category(turn / 2));
        }
        t.roll("1 2 3 4 5");
        t.hold(4);
        t.roll("2 2 5 5 0");
        const SavedGame before = t.snapshot();
        const GameState state = t.state();
        if (after.isEmpty())
            t.scoreBottom(3);
        else if (after.endsWith("rolled"))
            t.turn("1 1 1 1 1", false, 3), t.roll("1 1 1 1 1");
        else if (after == "a Load")
            t.scoreBottom(3), t.load(savedTurn("Cy", 0, {}));
        const SavedGame now = t.snapshot();
        QCOMPARE(t.window.mnuUndo()->isEnabled(), after.isEmpty());
        t.window.mnuUndo()->trigger();
        QCOMPARE(t.snapshot(), after.isEmpty() ? before : now);
        t.window.mnuUndo_Click();  // a second one, or one the menu does not offer, changes nothing
        QCOMPARE(t.snapshot(), after.isEmpty() ? before : now);
        if (after.isEmpty()) {
            QCOMPARE(t.state(), state);
            QCOMPARE(t.game().savedFaces()[4], 5);
            QVERIFY(!t.window.mnuUndo()->isEnabled());  // one level only
        }
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
