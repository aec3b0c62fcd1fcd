// Games against the computer through the real window: set-up, a computer's first steps and
// commands in the middle of its turn, and its seats in a saved game.
#include "ComputerDriver.h"
#include "Table.h"
#include "frmSeats.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <set>

using Prompt = ScriptedPlatform::Prompt;

namespace {
void newAgainst(Table &t, const std::vector<Seat> &seats)
{
    t.platform.seatAnswers << seats;
    t.window.mnuNewAgainstComputer_Click();
}

std::multiset<int> heldFaces(const GameState &s)
{
    std::multiset<int> faces;
    for (std::size_t i = 0; i < 5; ++i)
        if (s.DiceSaved[i])
            faces.insert(s.DiceValue[i]);
    return faces;
}
}  // namespace

class ComputerTest : public QObject
{
    Q_OBJECT

private slots:
    // The first offer is player 1's stored name against a strong computer, later the last set-up;
    // New's own defaults are untouched. No, or Cancel, leave the game on the card as it was.
    void setUpOffersAndRemembers()
    {
        Table t;
        t.settings.values.insert("DefPlayer1", "Zed");
        const std::vector<Seat> seats{{"Ann", SeatKind::Human}, {"Bot", SeatKind::Casual},
                                      {"Cy", SeatKind::Human}};
        newAgainst(t, seats);
        QCOMPARE(t.platform.seatOffers.first(),
                 (std::vector<Seat>{{"Zed", SeatKind::Human}, {"Computer 1", SeatKind::Strong}}));
        QCOMPARE(t.state().PlayerNames[3] + seatKindName(t.game().seatKind(2)), QStringLiteral("CyCasual"));
        QVERIFY(!t.settings.values.contains("DefNumPlayers"));
        t.roll("1 2 3 4 5");
        t.hold(2);
        const SavedGame before = t.snapshot();
        t.platform.yesNoAnswers << false << true;
        t.platform.seatAnswers << std::nullopt;
        t.window.mnuNewAgainstComputer_Click();  // No to "Game In Progress"
        t.window.mnuNewAgainstComputer_Click();  // Yes, then Cancel
        QCOMPARE(t.platform.events.mid(t.platform.events.size() - 3),
                 (QStringList{"yes/no Game In Progress", "yes/no Game In Progress", "seats"}));
        QCOMPARE(t.platform.seatOffers.last(), seats);
        QCOMPARE(t.snapshot(), before);
    }

    void seatsDialogByKeyboard()
    {
        frmSeats dialog({{"Ann", SeatKind::Human}, {"Computer 1", SeatKind::Strong}});
        dialog.show();
        QCOMPARE(dialog.kind(2)->accessibleName() + '/' + dialog.name(2)->accessibleName() + '/'
                     + dialog.count()->accessibleName(),
                 QStringLiteral("Seat 2 played by/Seat 2 name/Number of players"));
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
        QTest::keyClick(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.seats(), (std::vector<Seat>{{"Ann", SeatKind::Perfect},
                                                    {"Computer 2", SeatKind::Strong},
                                                    {"Player3", SeatKind::Human}}));
    }

    void commandsDuringItsTurn_data()
    {
        QTest::addColumn<QString>("command");
        for (const char *command : {"New", "Load", "Save, then Load of that file", "a person's clicks",
                                    "blank dice from an edited file"})
            QTest::newRow(command) << command;
    }

    // The computer has rolled once and set dice aside; its roll is due next.
    void commandsDuringItsTurn()
    {
        QFETCH(QString, command);
        Table t;
        newAgainst(t, {{"Robo", SeatKind::Perfect}, {"Ann", SeatKind::Human}});
        t.platform.scriptRoll("6 6 6 2 3");
        QCOMPARE(t.platform.runScheduled(2), 2);  // the first roll, then it keeps the sixes
        QCOMPARE(heldFaces(t.state()), (std::multiset<int>{6, 6, 6}));
        QCOMPARE(t.window.computer().narration(), QStringLiteral("Robo keeps 6 6 6 and rolls again."));
        const SavedGame before = t.snapshot();
        t.platform.yesNoAnswers << true;
        if (command == "New") {
            t.newGame({"Cy"});
            t.platform.runScheduled();
            QVERIFY(t.state().RollCount == 0 && t.window.computer().narration().isEmpty());
        } else if (command == "Load") {
            t.load(savedTurn("Dee", 1, {1, 1, 2, 2, 3}));
            t.platform.runScheduled();
            QCOMPARE(t.state().DiceValue, (std::array<qint16, 5>{1, 1, 2, 2, 3}));
        } else if (command.startsWith("Save")) {
            t.platform.fileAnswers << t.files.filePath("robo.sav");
            t.window.mnuSaveGame_Click();
            QCOMPARE(before.seats, (std::vector<SeatKind>{SeatKind::Perfect, SeatKind::Human}));
            Table u;
            u.platform.fileAnswers << t.files.filePath("robo.sav");
            u.window.mnuLoadGame_Click();
            QCOMPARE(u.snapshot(), before);
            u.platform.scriptRoll("6 6 6 6 4", {true, true, true, false, false});
            QCOMPARE(u.platform.runScheduled(2), 2);  // goes on: keeps 6 6 6, then rolls
            QCOMPARE(u.state().RollCount * 10 + u.state().DiceValue[3], 26);
        } else if (command.endsWith("clicks")) {
            t.window.cmdRoll_Click();
            t.hold(0);
            t.scoreTop(5);
            t.window.cmdRoll()->click();
            QCOMPARE(t.snapshot(), before);
        } else {
            // The strengths have no move on blank dice; it still ends its turn, in the first free row.
            SavedGame blank = savedTurn("Robo", 3, {0, 0, 0, 0, 0});
            blank.seats = {SeatKind::Strong};
            t.load(blank);
            t.platform.runScheduled(1);
            QCOMPARE(t.top().textMatrix(1, 1) + QString::number(t.state().RoundCount), "01");
        }
        QVERIFY(t.platform.unexpected.isEmpty());
    }
};

QTEST_MAIN(ComputerTest)
#include "tst_computer.moc"
