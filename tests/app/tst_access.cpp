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
        t.prompts.inputAnswers << "2" << "Ann" << "Bob";
        QTest::keySequence(&t.window, QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(t.state().players.size(), std::size_t(2));

        t.window.mnuAnimateDice()->trigger();  // the dice land at once
        t.platform.scriptRoll("2 2 5 3 3");
        QTest::keySequence(&t.window, Qt::Key_Space);
        QCOMPARE(t.turn().rollsMade, 1);
        QCOMPARE(t.window.focusWidget(), t.window.cmdRoll());
        QTest::keySequence(&t.window, Qt::Key_1);
        QTest::keySequence(&t.window, Qt::Key_2);
        QTest::keySequence(&t.window, Qt::Key_3);
        QTest::keySequence(&t.window, Qt::Key_3);  // and back again
        QCOMPARE(t.turn().held, (std::array<bool, 5>{true, true, false, false, false}));
        t.platform.scriptRoll("0 0 3 3 3", t.turn().held);
        QTest::keySequence(&t.window, Qt::Key_R);
        QCOMPARE(t.turn().rollsMade, 2);

        QTest::keySequence(&t.window, Qt::Key_Return);  // shows the cursor on the first free row
        QCOMPARE(t.window.cursor(), std::optional(Category::Aces));
        QCOMPARE(t.state().mover, 0);
        for (int down = 0; down < 20; ++down)  // stops at Chance, the last row
            QTest::keySequence(&t.window, Qt::Key_Down);
        for (int up = 0; up < 4; ++up)
            QTest::keySequence(&t.window, Qt::Key_Up);
        QCOMPARE(t.window.cursor(), std::optional(Category::FullHouse));
        QTest::keySequence(&t.window, Qt::Key_Enter);
        QCOMPARE(t.state().players[0].sheet.entry(Category::FullHouse), std::optional(25));
        QCOMPARE(t.state().mover, 1);
        QVERIFY(!t.window.cursor());

        // A row that scores nothing asks, as a click does.
        t.platform.scriptRoll("1 1 1 1 1");
        QTest::keySequence(&t.window, Qt::Key_Space);
        QTest::keySequence(&t.window, Qt::Key_Down);
        QTest::keySequence(&t.window, Qt::Key_Down);
        t.prompts.yesNoAnswers << false;
        QTest::keySequence(&t.window, Qt::Key_Return);
        QCOMPARE(t.prompts.prompts.last().title, QStringLiteral("Zero Score?"));
        QVERIFY(t.state().players[1].sheet.isFree(Category::Twos));
        QVERIFY(t.prompts.unexpected.isEmpty());

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
        t.platform.scriptRoll("2 0 4 3 3", t.turn().held);
        t.window.cmdRoll_Click();
        hear();  // the dice still rolling: nothing new to tell
        t.land();
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
        QVERIFY(t.turn().held[2]);
    }

    // Game > Undo is offered while the game can take the entry back, and takes it back.
    void undoFromTheMenu()
    {
        Table t;
        t.newGame({"Ann", "Bob"});
        t.roll("2 2 5 5 5");
        t.hold(4);
        const GameState before = t.state();
        QVERIFY(!t.window.mnuUndo()->isEnabled());
        t.score(Category::FullHouse);
        QVERIFY(t.window.mnuUndo()->isEnabled());
        t.window.mnuUndo()->trigger();
        QVERIFY(t.state() == before && !t.window.mnuUndo()->isEnabled());
        QCOMPARE(t.window.imgDiceSaved(4)->face(), 5);
    }
};

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
