// Games against the computer through the real window: set-up, a computer's turn step by step,
// commands in the middle of its turn, and its seats in a saved game.
#include "ComputerDriver.h"
#include "Hint.h"
#include "Table.h"
#include "frmSeats.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QPushButton>
#include <QTest>

#include <set>

using Prompt = ScriptedPlatform::Prompt;

namespace {
const std::vector<Seat> kAnnAndRobot{{QStringLiteral("Ann"), SeatKind::Human},
                                     {QStringLiteral("Robo"), SeatKind::Perfect}};

void newAgainst(Table &t, const std::vector<Seat> &seats)
{
    t.platform.seatAnswers << seats;
    t.window.mnuNewAgainstComputer_Click();
}

// Ann's turn: one roll, entered in the first free row of her column.
void annPlays(Table &t, const QString &faces)
{
    t.roll(faces);
    for (int row = 1; row <= 6; ++row)
        if (t.top().textMatrix(row, 1).isEmpty())
            return t.scoreTop(row);
    for (int row = 1; row <= 7; ++row)
        if (t.bottom().textMatrix(row, 1).isEmpty())
            return t.scoreBottom(row);
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
    void perfectPlaysTheAdvisorsMoves();
    void setUpOffersAndRemembers();
    void cancelLeavesTheGameAlone();
    void seatsDialogByKeyboard();
    void commandsDuringItsTurn_data();
    void commandsDuringItsTurn();
    void personsClicksDoNothingOnItsTurn();
    void blankDiceStillEndItsTurn();
};

void ComputerTest::perfectPlaysTheAdvisorsMoves()
{
    Table t;
    for (int zero = 0; zero < 13; ++zero)
        t.platform.yesNoAnswers << true;  // Ann's zeros
    newAgainst(t, kAnnAndRobot);
    QCOMPARE(t.state().NumPlayers, qint16(2));
    QCOMPARE(t.top().textMatrix(0, 2), QStringLiteral("Robo"));
    int robotEntries = 0;
    while (t.state().GameInProgress) {
        if (t.state().CurrentPlayer == 1) {
            annPlays(t, QStringLiteral("2 2 3 3 %1").arg(1 + t.state().RoundCount % 6));
            continue;
        }
        QVERIFY(t.game().computerToMove());
        QVERIFY(!t.window.cmdRoll()->isEnabled());
        const std::optional<Advice> advice = Table::readyAdvisor().advise(positionOf(t.game()));
        QVERIFY(advice);
        const GameState before = t.state();
        QCOMPARE(t.platform.runScheduled(1), 1);
        if (advice->kind == Advice::Kind::Keep) {
            QCOMPARE(heldFaces(t.state()),
                     std::multiset<int>(advice->keepFaces.begin(), advice->keepFaces.end()));
            QCOMPARE(t.platform.runScheduled(1), 1);  // the roll that follows
            QCOMPARE(t.state().RollCount, qint16(before.RollCount + 1));
        } else if (advice->kind == Advice::Kind::Score) {
            const int row = categoryRow(advice->category);
            const ScoreCard &grid = isUpper(advice->category) ? t.top() : t.bottom();
            QCOMPARE(grid.textMatrix(row, 2), QString::number(advice->points));
            ++robotEntries;
        } else {
            QCOMPARE(t.state().RollCount, qint16(1));
        }
    }
    QCOMPARE(robotEntries, 13);
    int annZeros = 0;
    for (int row = 1; row <= 7; ++row)
        annZeros += int(t.top().textMatrix(row, 1) == u"0" && row <= 6)
                    + int(t.bottom().textMatrix(row, 1) == u"0");
    QCOMPARE(t.platform.promptsOf(Prompt::YesNo).size(), annZeros);  // the computer asks nothing
    const int ann = t.state().GrandTotal[1];
    const int robo = t.state().GrandTotal[2];
    const QString winner = ann > robo ? "Ann" : ann < robo ? "Robo" : "Ann and Robo";
    QCOMPARE(t.platform.promptsOf(Prompt::Ok).last().text,
             "The game is over!\r\nCongratulations to " + winner + " who won the game!");
    QVERIFY(t.platform.unexpected.isEmpty());
}

void ComputerTest::setUpOffersAndRemembers()
{
    Table t;
    t.settings.values.insert("DefPlayer1", "Zed");
    t.platform.seatAnswers << std::vector<Seat>{{"Ann", SeatKind::Human},
                                                {"Bot", SeatKind::Casual},
                                                {"Cy", SeatKind::Human}};
    t.window.mnuNewAgainstComputer_Click();
    QCOMPARE(t.platform.seatOffers.first(),
             (std::vector<Seat>{{"Zed", SeatKind::Human}, {"Computer 1", SeatKind::Strong}}));
    QCOMPARE(t.state().PlayerNames[3], QStringLiteral("Cy"));
    QCOMPARE(t.game().seatKind(2), SeatKind::Casual);
    QVERIFY(!t.settings.values.contains("DefNumPlayers"));  // New's own defaults are New's

    t.platform.yesNoAnswers << true;
    t.platform.seatAnswers << std::nullopt;
    t.window.mnuNewAgainstComputer_Click();
    QCOMPARE(t.platform.seatOffers.last(),
             (std::vector<Seat>{{"Ann", SeatKind::Human}, {"Bot", SeatKind::Casual},
                                {"Cy", SeatKind::Human}}));
}

void ComputerTest::cancelLeavesTheGameAlone()
{
    Table t;
    t.newGame({"Ann", "Bob"});
    t.roll("1 2 3 4 5");
    t.hold(2);
    const SavedGame before = t.snapshot();
    t.platform.yesNoAnswers << false;
    t.window.mnuNewAgainstComputer_Click();  // No to "Game In Progress"
    t.platform.yesNoAnswers << true;
    t.platform.seatAnswers << std::nullopt;
    t.window.mnuNewAgainstComputer_Click();  // Yes, then Cancel
    QCOMPARE(t.platform.events.mid(t.platform.events.size() - 3),
             (QStringList{"yes/no Game In Progress", "yes/no Game In Progress", "seats"}));
    QCOMPARE(t.snapshot(), before);
    QVERIFY(t.state().GameInProgress);
}

void ComputerTest::seatsDialogByKeyboard()
{
    frmSeats dialog({{"Ann", SeatKind::Human}, {"Computer 1", SeatKind::Strong}});
    dialog.show();
    QCOMPARE(dialog.kind(2)->accessibleName(), QStringLiteral("Seat 2 played by"));
    QCOMPARE(dialog.name(2)->accessibleName(), QStringLiteral("Seat 2 name"));
    QCOMPARE(dialog.count()->accessibleName(), QStringLiteral("Number of players"));
    QVERIFY(!dialog.name(3)->isEnabled());
    QTest::keyClick(dialog.count(), Qt::Key_Up);
    QVERIFY(dialog.name(3)->isEnabled());
    QCOMPARE(dialog.name(3)->text(), QStringLiteral("Computer 2"));
    QTest::keyClick(dialog.kind(1), Qt::Key_End);   // Ann stays Ann; the computers renumber
    QTest::keyClick(dialog.kind(3), Qt::Key_Home);  // a given name follows its kind
    QCOMPARE(dialog.name(3)->text(), QStringLiteral("Player3"));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.seats(), (std::vector<Seat>{{"Ann", SeatKind::Perfect},
                                                {"Computer 2", SeatKind::Strong},
                                                {"Player3", SeatKind::Human}}));
}

void ComputerTest::commandsDuringItsTurn_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("New") << "New";
    QTest::newRow("Load") << "Load";
    QTest::newRow("Exit") << "Exit";
    QTest::newRow("Save, then Load of that file") << "Save";
}

// The computer has rolled once and set dice aside; its roll is due next.
void ComputerTest::commandsDuringItsTurn()
{
    QFETCH(QString, command);
    Table t;
    t.platform.yesNoAnswers << true;
    newAgainst(t, {{"Robo", SeatKind::Perfect}, {"Ann", SeatKind::Human}});
    t.platform.scriptRoll("6 6 6 2 3");
    QCOMPARE(t.platform.runScheduled(1), 1);  // the first roll
    QCOMPARE(t.platform.runScheduled(1), 1);  // keeps the sixes
    QCOMPARE(heldFaces(t.state()), (std::multiset<int>{6, 6, 6}));
    QCOMPARE(t.window.computer().narration(), QStringLiteral("Robo keeps 6 6 6 and rolls again."));

    if (command == u"New") {
        t.platform.yesNoAnswers << true;
        t.newGame({"Cy"});
        t.platform.runScheduled();
        QCOMPARE(t.state().RollCount, qint16(0));
        QVERIFY(t.window.computer().narration().isEmpty());
    } else if (command == u"Load") {
        t.load(savedTurn("Dee", 1, {1, 1, 2, 2, 3}));
        t.platform.runScheduled();
        QCOMPARE(t.state().RollCount, qint16(1));
        QCOMPARE(t.state().DiceValue[0], qint16(1));
    } else if (command == u"Exit") {
        t.platform.yesNoAnswers << true;
        t.window.mnuExit_Click();
        QVERIFY(t.platform.quitCalled);
    } else {
        const QString path = t.files.filePath("robo.sav");
        t.platform.fileAnswers << path;
        t.window.mnuSaveGame_Click();
        const SavedGame saved = t.snapshot();
        QCOMPARE(saved.seats, (std::vector<SeatKind>{SeatKind::Perfect, SeatKind::Human}));
        Table u;
        u.platform.fileAnswers << path;
        u.window.mnuLoadGame_Click();
        QCOMPARE(u.snapshot(), saved);
        u.platform.scriptRoll("6 6 6 6 4", {true, true, true, false, false});
        QCOMPARE(u.platform.runScheduled(2), 2);  // goes on: keeps 6 6 6, then rolls
        QCOMPARE(u.state().RollCount, qint16(2));
        QCOMPARE(u.state().DiceValue[3], qint16(6));
    }
    QVERIFY(t.platform.unexpected.isEmpty());
}

void ComputerTest::personsClicksDoNothingOnItsTurn()
{
    Table t;
    newAgainst(t, {{"Robo", SeatKind::Beginner}, {"Ann", SeatKind::Human}});
    t.platform.scriptRoll("5 5 1 2 3");
    QCOMPARE(t.platform.runScheduled(1), 1);
    const SavedGame before = t.snapshot();
    t.window.cmdRoll_Click();
    t.hold(0);
    t.scoreTop(5);
    t.window.cmdRoll()->click();
    QCOMPARE(t.snapshot(), before);
}

// An edited file may leave a computer to move with blank dice after a roll.
void ComputerTest::blankDiceStillEndItsTurn()
{
    Table t;
    SavedGame saved = savedTurn("Robo", 3, {0, 0, 0, 0, 0});
    saved.seats = {SeatKind::Strong};
    t.load(saved);
    t.platform.runScheduled(1);
    QCOMPARE(t.top().textMatrix(1, 1), QStringLiteral("0"));  // the first free row
    QCOMPARE(t.state().RoundCount, qint16(1));
}

QTEST_MAIN(ComputerTest)
#include "tst_computer.moc"
