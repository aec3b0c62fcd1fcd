// Games against the computer through the window: set-up, its turn, and its seats in a saved game.
#include "ComputerDriver.h"
#include "Table.h"
#include "frmSeats.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

class ComputerTest : public QObject
{
    Q_OBJECT

private slots:
    // First offered: player 1's stored name against a strong computer, later the last set-up; New's
    // defaults stay. No, or Cancel, leave the game as it was.
    void setUpOffersAndRemembers()
    {
        Table t;
        t.settings.values.insert("DefPlayer1", "Zed");
        const std::vector<Seat> seats{{"Ann", SeatKind::Human}, {"Bot", SeatKind::Casual},
                                      {"Cy", SeatKind::Human}};
        t.prompts.seatAnswers << seats;
        t.window.mnuNewAgainstComputer()->trigger();
        QCOMPARE(t.prompts.seatOffers.first(),
                 (std::vector<Seat>{{"Zed", SeatKind::Human}, {"Computer 1", SeatKind::Strong}}));
        QCOMPARE(t.state().players[2].seat.name + seatKindName(t.state().players[1].seat.kind),
                 QStringLiteral("CyCasual"));
        QVERIFY(!t.settings.values.contains("DefNumPlayers"));
        t.roll("1 2 3 4 5");
        t.hold(2);
        const GameState before = t.state();
        t.prompts.yesNoAnswers << false << true;
        t.prompts.seatAnswers << std::nullopt;
        t.window.mnuNewAgainstComputer()->trigger();  // No to "Game In Progress"
        t.window.mnuNewAgainstComputer()->trigger();  // Yes, then Cancel
        QCOMPARE(t.prompts.events.mid(t.prompts.events.size() - 3),
                 (QStringList{"yes/no Game In Progress", "yes/no Game In Progress", "seats"}));
        QCOMPARE(t.prompts.seatOffers.last(), seats);
        QVERIFY(t.state() == before);
    }

    void seatsDialogByKeyboard()
    {
        frmSeats dialog({{"Ann", SeatKind::Human}, {"Computer 1", SeatKind::Strong}});
        dialog.show();
        // A box is read by its label and its choice, the others by their names.
        QAccessibleInterface *kind = QAccessible::queryAccessibleInterface(dialog.kind(2));
        const auto labels = kind->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels[0].first->text(QAccessible::Name) + '/' + kind->text(QAccessible::Description)
                     + '/' + dialog.name(2)->accessibleName() + '/' + dialog.count()->accessibleName(),
                 QStringLiteral("Seat 2 played by/Computer: Strong/Seat 2 name/Number of players"));
        QVERIFY(!dialog.name(3)->isEnabled());
        // Each column's heading stands right above the first seat's field.
        for (QLabel *heading : dialog.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly))
            if (QWidget *field = heading->text() == "Name" ? static_cast<QWidget *>(dialog.name(1))
                                 : heading->text() == "Played by" ? dialog.kind(1) : nullptr)
                QVERIFY(heading->x() == field->x() && heading->geometry().bottom() < field->y());
        QTest::keyClick(dialog.count(), Qt::Key_Up);
        QVERIFY(dialog.name(3)->isEnabled());
        QCOMPARE(dialog.name(3)->text(), QStringLiteral("Computer 2"));
        QTest::keyClick(dialog.kind(1), Qt::Key_End);   // Ann stays Ann; the computers renumber
        QTest::keyClick(dialog.kind(3), Qt::Key_Home);  // a given name follows its kind
        QCOMPARE(dialog.kind(1)->accessibleDescription(), QStringLiteral("Computer: Perfect"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.seats(), (std::vector<Seat>{{"Ann", SeatKind::Perfect},
                                                    {"Computer 2", SeatKind::Strong},
                                                    {"Player3", SeatKind::Human}}));
    }

    // The window tells of the computer's keep; a person's clicks meanwhile do nothing; a game saved
    // now goes on from there when loaded.
    void whileTheComputerPlays()
    {
        Table t;
        t.window.mnuShowHints()->trigger();
        t.window.mnuAnimateDice()->trigger();  // each roll lands at once: one step, one call
        t.prompts.seatAnswers << std::vector<Seat>{{"Robo", SeatKind::Perfect}, {"Ann", SeatKind::Human}};
        t.window.mnuNewAgainstComputer()->trigger();
        t.platform.scriptRoll("6 6 6 2 3");
        QCOMPARE(t.platform.runScheduled(2), 2);  // the first roll, then it keeps the sixes
        QCOMPARE(t.turn().held, (std::array<bool, 5>{true, true, true, false, false}));
        QCOMPARE(t.window.narration(), QStringLiteral("Robo keeps 6 6 6 and rolls again."));
        QCOMPARE(t.window.hintPanel()->text(), t.window.narration());
        QVERIFY(!t.window.cmdRoll()->isAvailable() && !t.window.imgDiceSaved(0)->isEnabled());
        const GameState before = t.state();
        t.window.cmdRoll_Click();
        t.hold(3);
        t.release(0);
        t.scoreTop(5);
        t.window.cmdRoll()->click();
        QVERIFY(t.state() == before);

        t.prompts.fileAnswers << t.files.filePath("robo.sav");
        t.window.mnuSaveGame()->trigger();
        Table u;
        u.window.mnuAnimateDice()->trigger();
        u.prompts.fileAnswers << t.files.filePath("robo.sav");
        u.window.mnuLoadGame()->trigger();
        QVERIFY(u.state() == before);
        u.platform.scriptRoll("6 6 6 6 4", {true, true, true, false, false});
        QCOMPARE(u.platform.runScheduled(2), 2);  // goes on: keeps 6 6 6 as they are, then rolls
        QCOMPARE(u.turn().rollsMade * 10 + u.turn().faces[3], 26);
        u.platform.scriptRoll("0 0 0 0 6", {true, true, true, true, false});
        u.platform.runScheduled();  // keeps 6 6 6 6, rolls and enters five sixes
        QCOMPARE(u.state().players[0].sheet.entry(Category::Kelbrune), std::optional(50));
        QCOMPARE(u.window.narration(), QStringLiteral("Robo scores Kelbrune for 50."));
        QVERIFY(u.prompts.unexpected.isEmpty() && t.prompts.unexpected.isEmpty());
    }
};

QTEST_MAIN(ComputerTest)
#include "tst_computer.moc"
