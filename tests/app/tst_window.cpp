// What the window paints and shows, play by keyboard and by screen reader (the keys, the focus and
// what the announcer says), and what the platform adds: the sound cues, the exit.
#include "Announcer.h"
#include "DieBox.h"
#include "GameStates.h"
#include "MoveWords.h"
#include "QtPlatform.h"
#include "ScoreGridView.h"
#include "Table.h"
#include "frmAbout.h"
#include "frmHowToPlay.h"
#include "frmRecords.h"
#include "frmReview.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSoundEffect>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTimer>
#include <cmath>

using Faces = std::array<int, 5>;

namespace {
QImage shot(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How many pixels of the area have a colour that matches.
int pixels(const QImage &image, const QRect &area, const std::function<bool(QColor)> &match)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += match(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

bool light(QColor c) { return c.lightness() > 200; }
bool dark(QColor c) { return c.lightness() < 100; }
bool red(QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }

QRect cell(ScoreGridView *grid, int row, int col)
{
    return {grid->columnViewportPosition(col), grid->rowViewportPosition(row), grid->columnWidth(col),
            grid->rowHeight(row)};
}

// The contrast ratio of two colours, from 1 to 21.
double contrast(QColor a, QColor b)
{
    auto luminance = [](QColor c) {
        auto linear = [](double v) {
            v /= 255;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}


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

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void paintsTheTable()
    {
        Table t;
        t.window.mnuShowHints()->trigger();
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        QVERIFY(t.window.windowIcon().availableSizes().contains(QSize(48, 48)));
        t.newGame({"Ann"});
        t.roll("1 6 3 4 5");
        QTest::mouseClick(t.window.imgDiceRolled(1), Qt::LeftButton);
        QTest::mouseClick(t.window.imgDiceRolled(1), Qt::LeftButton);  // now an empty box: nothing moves
        QTest::mouseClick(t.window.imgDiceRolled(2), Qt::RightButton);
        // A quick double click holds the die and puts it back: its second click counts too.
        QTest::mouseClick(t.window.imgDiceRolled(3), Qt::LeftButton);
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(9, 9), QPointF(9, 9), Qt::LeftButton,
                           Qt::LeftButton, {});
        QApplication::sendEvent(t.window.imgDiceSaved(3), &second);
        QTest::mouseRelease(t.window.imgDiceSaved(3), Qt::LeftButton, {}, QPoint(9, 9));
        QCOMPARE(t.turn().held, (std::array<bool, 5>{false, true, false, false, false}));

        // A die is a white face on black, a one too; an empty box is black.
        const QRect box(0, 0, 49, 49);
        QVERIFY(pixels(shot(t.window.imgDiceRolled(0)), box, light) > 1500);
        QVERIFY(pixels(shot(t.window.imgDiceSaved(1)), box, light) > 1500);
        QCOMPARE(pixels(shot(t.window.imgDiceRolled(1)), box, light), 0);
        // The dice frames: an etched edge, grey outside white, the red caption set into its top.
        const QImage frame = shot(t.window.Frame1(0));
        int top = 0;
        while (top < 20 && frame.pixelColor(3, top) == Qt::black)
            ++top;
        const QColor grey(128, 128, 128);
        QVERIFY(frame.pixelColor(6, top) == grey && frame.pixelColor(7, top) == Qt::black
                && frame.pixelColor(0, 50) == grey);
        QVERIFY(frame.pixelColor(3, top + 1) == Qt::white && frame.pixelColor(1, 50) == Qt::white);
        QList<int> captionRows;
        for (int y = 0; y < 2 * top + 4; ++y)
            if (pixels(frame, QRect(7, y, 60, 1), red) > 0)
                captionRows << y;
        QVERIFY(!captionRows.isEmpty() && std::abs(2 * top - captionRows.first() - captionRows.last()) <= 2);
        // The hint panel fills the space under Roll: its caption, two lines of text on black.
        const QRect panel = t.window.hintFrame()->geometry(), roll = t.window.cmdRoll()->geometry();
        QVERIFY(panel.left() == roll.left() && panel.width() == roll.width() && panel.top() > roll.bottom()
                && panel.bottom() == t.window.ScoreCardBottom()->geometry().bottom());
        // The saved dice above the rolled, both above Roll and as wide.
        const QRect saved = t.window.Frame1(0)->geometry(), rolledRow = t.window.Frame1(1)->geometry();
        QVERIFY(saved.left() == roll.left() && saved.width() == roll.width() && saved.bottom() < rolledRow.top()
                && rolledRow.left() == roll.left() && rolledRow.bottom() < roll.top());
        const QImage hints = shot(t.window.hintFrame());
        QVERIFY(pixels(hints, QRect(7, 0, 40, 14), red) > 20);
        QVERIFY(pixels(hints, QRect(16, 24, 300, 20), light) > 100);
        QVERIFY(pixels(hints, QRect(16, 44, 300, 20), light) > 100);
        QCOMPARE(pixels(hints, QRect(16, 80, 300, 190), [](QColor c) { return c != Qt::black; }), 0);

        // Held dice and the card look the same while the dice roll.
        const QImage held = shot(t.window.imgDiceSaved(1));
        const QImage card = shot(t.window.ScoreCardBottom());
        t.platform.scriptRoll("0 0 3 4 5", t.turn().held);
        t.window.cmdRoll_Click();
        QVERIFY(t.window.rolling());
        QCOMPARE(shot(t.window.imgDiceSaved(1)), held);
        QCOMPARE(shot(t.window.ScoreCardBottom()), card);
        t.land();

        // A click on a cell enters the dice there; the grid paints labels and entries, centred.
        ScoreGridView *grid = t.window.ScoreCardBottom();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell(grid, 7, 1).center());
        QCOMPARE(t.state().players[0].sheet.entry(Category::Chance), std::optional(19));
        const QImage paper = shot(grid->viewport());
        QVERIFY(pixels(paper, cell(grid, 0, 0), dark) > 20);
        QVERIFY(pixels(paper, cell(grid, 10, 1), dark) > 5);  // the grand total, painted anew
        const QRect chance = cell(grid, 7, 1);
        QCOMPARE(paper.pixelColor(chance.topLeft() + QPoint(2, 2)), QColor(15, 221, 244));
        QCOMPARE(paper.pixelColor(chance.topRight()), QColor(192, 192, 192));
        int left = chance.right(), right = chance.left();
        for (int y = chance.top(); y <= chance.bottom(); ++y)
            for (int x = chance.left(); x <= chance.right(); ++x)
                if (paper.pixelColor(x, y) == QColor(0, 128, 128))
                    left = std::min(left, x), right = std::max(right, x);
        QVERIFY2(right - left > 5 && std::abs(left + right - 2 * chance.center().x()) <= 3,
                 qPrintable(QStringLiteral("text from %1 to %2 in %3").arg(left).arg(right).arg(chance.width())));

        // Possible scores show faintly in the mover's free cells, the cursor outlines a row; neither
        // enters anything.
        t.window.mnuShowPossibleScores()->trigger();
        t.roll("2 2 3 3 3");
        t.window.keyCursor(+1);
        const GameState before = t.state();
        const QImage aids = shot(grid->viewport());
        auto faint = [](QColor c) { return c.red() == c.green() && c.green() == c.blue() && c.red() < 186; };
        QVERIFY(pixels(aids, cell(grid, 3, 1), faint) > 5 && pixels(aids, cell(grid, 7, 1), faint) == 0);
        auto outlined = [](ScoreGridView *g, int row) {
            return pixels(shot(g->viewport()), cell(g, row, 1), [](QColor c) { return c == QColor(0, 0, 170); }) > 20;
        };
        QVERIFY(outlined(t.window.ScoreCardTop(), 1) && !outlined(grid, 3));
        // The mouse outlines the row under it until it leaves; the other grid's late Leave is ignored.
        ScoreGridView *upper = t.window.ScoreCardTop();
        QTest::mouseMove(upper->viewport(), cell(upper, 2, 1).center());
        const QPointF at = cell(grid, 3, 1).center();
        QMouseEvent move(QEvent::MouseMove, at, grid->viewport()->mapToGlobal(at), Qt::NoButton, {}, {});
        QApplication::sendEvent(grid->viewport(), &move);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(upper, &leave);
        QVERIFY(outlined(grid, 3) && !outlined(upper, 1));
        QApplication::sendEvent(grid, &leave);
        QVERIFY(outlined(upper, 1) && !outlined(grid, 3));
        t.window.mnuShowPossibleScores()->trigger();
        QVERIFY(t.state() == before);
        QCOMPARE(pixels(shot(grid->viewport()), cell(grid, 3, 1), faint), 0);
        QCOMPARE(t.settings.values.value("ShowPossibleScores"), QStringLiteral("False"));
    }

    void highContrast_data()
    {
        QTest::addColumn<int>("row");  // of the upper grid, in Ann's column
        QTest::newRow("an entry above 0") << 1;
        QTest::newRow("an entry of 0") << 2;
        QTest::newRow("a would-be score") << 3;
    }

    // High Contrast darkens a cell's text to at least 4.5 to 1 against the cell, whose colour stays.
    void highContrast()
    {
        QFETCH(int, row);
        Table t;
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        t.window.mnuShowPossibleScores()->trigger();
        GameState game = gameOf({"Ann"}, 1, "3 3 3 4 5");
        enter(game, 0, {"Aces 3", "Twos 0"});
        game.round = 2;
        t.load(game);
        ScoreGridView *grid = t.window.ScoreCardTop();
        const QRect inside = cell(grid, row, 1).adjusted(2, 2, -3, -3);
        auto look = [&] {
            const QImage image = shot(grid->viewport());
            const QColor back = image.pixelColor(inside.topLeft());
            double most = 1;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    most = std::max(most, contrast(back, image.pixelColor(x, y)));
            return std::pair(back, most);
        };
        const auto [back, before] = look();
        t.window.mnuHighContrast()->trigger();
        const auto [backThen, after] = look();
        QVERIFY2(before < 4.5 && after >= 4.5, qPrintable(QStringLiteral("%1 then %2").arg(before).arg(after)));
        QCOMPARE(backThen, back);
        QCOMPARE(t.settings.values.value("HighContrast"), QStringLiteral("True"));
    }

    // About: red on cyan; a left click, Escape, Enter or Space close it, other keys and buttons not.
    void aboutWindow()
    {
        Table t;
        t.window.show();
        QTimer::singleShot(0, &t.window, [] { QApplication::activeModalWidget()->close(); });
        t.window.mnuAbout()->trigger();  // opens it modal, and returns once it closes
        for (const char *how : {"label", "window", "Escape", "Enter", "Space"}) {
            frmAbout about(&t.window);
            about.show();
            const QImage image = shot(&about);
            QCOMPARE(image.pixelColor(5, 5), QColor(0, 255, 255));
            for (int i = 0; i < 3; ++i)
                QVERIFY(pixels(image, about.Label1(i)->geometry(), red) > 40);
            QCOMPARE(about.Label1(0)->text() + about.Label1(1)->text() + about.Label1(2)->text(),
                     QStringLiteral("Kelbrune!byThe Kelbrune! Crew"));
            QTest::keyClick(&about, Qt::Key_A);
            QTest::mouseClick(&about, Qt::RightButton, {}, QPoint(5, 340));
            QTest::mouseClick(about.Label1(1), Qt::RightButton);
            QVERIFY(about.isVisible());
            const QByteArray way(how);
            if (way == "label")
                QTest::mouseClick(about.Label1(2), Qt::LeftButton);
            else if (way == "window")
                QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(5, 340));
            else
                QTest::keyClick(&about, way == "Escape" ? Qt::Key_Escape : way == "Enter" ? Qt::Key_Return : Qt::Key_Space);
            QVERIFY2(!about.isVisible(), how);
        }
    }

    // The panel names the mover's best move and the score to expect, nothing without a game.
    void hintPanelThroughATurn()
    {
        Table t;
        const QString expected = QStringLiteral("\nExpected final score with best play: ");
        auto move = [&] { return t.window.hintPanel()->text().section(QLatin1Char('\n'), 0, 0); };
        QVERIFY(t.window.hintFrame()->isHidden());
        t.window.mnuShowHints()->trigger();
        QVERIFY(!t.window.hintFrame()->isHidden() && t.window.mnuShowHints()->isChecked());
        QCOMPARE(t.window.hintPanel()->text(), QString());
        t.newGame({"Ann", ""});
        QCOMPARE(t.window.hintPanel()->text(), "Ann: Roll the dice." + expected + "245.9");
        t.roll("2 3 4 5 6");
        QCOMPARE(move(), QStringLiteral("Ann: Score Lg Straight now for 40 points."));
        t.scoreBottom(5);
        QCOMPARE(move(), QStringLiteral("Roll the dice."));
        t.roll("6 6 6 6 1");
        QCOMPARE(move(), QStringLiteral("Keep 6 6 6 6, roll again."));

        // Every row but Aces filled; one point more earns the bonus.
        GameState last = gameOf({"Ann"}, 3, "1 6 6 6 5");
        enter(last, 0, {"Twos 8", "Threes 9", "Fours 12", "Fives 15", "Sixes 18", "3K 0", "4K 0",
                        "FullHouse 0", "SmStraight 0", "LgStraight 0", "Kelbrune 0", "Chance 5"});
        last.round = 12;
        t.load(last);
        QCOMPARE(t.window.hintPanel()->text(), "Ann: Score Aces for 1 point." + expected + "103.0");

        t.window.mnuShowHints()->trigger();
        QVERIFY(t.window.hintFrame()->isHidden());
        QCOMPARE(t.settings.log.filter("ShowHints"), (QStringList{"get ShowHints", "save ShowHints=True",
                                                                   "save ShowHints=False"}));
        QCOMPARE(hintText(t.state(), OptimalPlay()), QStringLiteral("Working out the best moves…"));

        // Stored on, the panel and the possible scores show from the start.
        t.settings.values.insert("ShowHints", "True");
        t.settings.values.insert("ShowPossibleScores", "True");
        frmMain again(t.platform, t.prompts, t.settings, Table::readyAdvisor(), t.records);
        QVERIFY(!again.hintFrame()->isHidden() && again.mnuShowPossibleScores()->isChecked());
    }

    // The review of the last game: the costliest decisions in words, each seat's with the costliest
    // marked; a game loaded part-way says so.
    void reviewOfTheLastGame()
    {
        Table t;
        QVERIFY(!t.window.mnuReview()->isEnabled());
        t.window.mnuRecords()->trigger();
        QVERIFY(t.window.recordsWindow()->cmdReview()->isHidden());
        GameState last = gameOf({"Ann"});
        enter(last, 0, {"Aces 3", "Twos 6", "Threes 9", "Fours 12", "Fives 15", "Sixes 18", "3K 20",
                        "4K 20", "FullHouse 25", "SmStraight 30", "Kelbrune 50"});
        last.round = 11;
        t.load(last);
        t.turn("2 3 4 5 6", Category::Chance);  // a large straight thrown away
        t.turn("2 3 4 5 6", Category::LargeStraight);
        QVERIFY(t.window.mnuReview()->isEnabled());
        t.window.mnuRecords()->trigger();
        QVERIFY(!t.window.recordsWindow()->cmdReview()->isHidden());
        t.window.recordsWindow()->cmdReview()->click();
        auto *review = qobject_cast<frmReview *>(t.window.reviewWindow());
        QVERIFY(review && review->isVisible());
        const QStringList lines = review->summary()->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith("This game was loaded from a file part-way through"));
        QCOMPARE(lines[1], QStringLiteral("The costliest decisions of the game:"));
        QVERIFY2(lines[2].startsWith("1. Ann, round 12, roll 1: with 2 3 4 5 6 entered Chance for 20; "
                                     "entered Lg Straight for 40 was better ("),
                 qPrintable(lines[2]));
        QTableWidget *table = review->seatTable(0);
        QCOMPARE(table->rowCount(), 2);
        QVERIFY(table->item(0, 3)->font().bold() && !table->item(1, 3)->font().bold());
        QCOMPARE(table->item(1, 5)->text(), QStringLiteral("0.0"));
        QCOMPARE(review->seats()->tabText(0), QStringLiteral("Ann"));
        QVERIFY(table->parentWidget()->findChild<QLabel *>()->text().startsWith("Ann gave away "));
    }

    // The hints add each chance to win once known for the game as it stands; alone, the chance to
    // beat one's best recorded score.
    void chanceToWinInTheHints()
    {
        Table t;
        t.window.mnuShowHints()->trigger();
        // The last round: Ann, 303 points with Chance to go, cannot be caught by Bob's 50.
        GameState late = gameOf({"Ann", "Bob"});
        enter(late, 0, {"Aces 3", "Twos 6", "Threes 9", "Fours 12", "Fives 15", "Sixes 18", "3K 30",
                        "4K 30", "FullHouse 25", "SmStraight 30", "LgStraight 40", "Kelbrune 50"});
        enter(late, 1, {"Aces 0", "Twos 0", "Threes 0", "Fours 0", "Fives 0", "Sixes 0", "3K 0",
                        "4K 0", "FullHouse 25", "SmStraight 0", "LgStraight 0", "Kelbrune 0"});
        late.round = 12;
        t.load(late);
        const QString decided = QStringLiteral("Chance to win: Ann 100 %, Bob 0 %");
        QTRY_VERIFY_WITH_TIMEOUT(t.window.hintPanel()->text().endsWith(decided), 20000);
        t.roll("1 1 1 1 1");
        QVERIFY(!t.window.hintPanel()->text().contains("Chance"));  // no figure of the point before
        QTRY_VERIFY_WITH_TIMEOUT(t.window.hintPanel()->text().endsWith(decided), 20000);

        records::GameRecord best = records::recordOf(late);
        best.seats.resize(1);
        QVERIFY(t.records.record(best).status.ok);
        GameState solo = late;
        solo.players.resize(1);
        t.load(solo);
        QTRY_VERIFY_WITH_TIMEOUT(t.window.hintPanel()->text().endsWith("Chance to beat your best of 303: 100 %"),
                                 20000);
    }

    // Exit closes every window and ends the program with success.
    void quitEndsWell()
    {
        QWidget window;
        window.show();
        QtPlatform platform;
        QTimer::singleShot(0, &window, [&] { platform.quit(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!window.isVisible());
    }

    // The cues are the sound files beside the program, ready before their first use.
    void soundCuesLoadAndPlay()
    {
        QtPlatform platform;
        platform.preloadCues();
        for (Prompts::Cue cue : {Prompts::Cue::DieRoll, Prompts::Cue::Kelbrune, Prompts::Cue::GameOver}) {
            const QSoundEffect *effect = platform.cueEffect(cue);
            QVERIFY(effect);
            QCOMPARE(effect->source().toLocalFile(),
                     QFileInfo(QtPlatform::cuePath(effect->source().fileName())).absoluteFilePath());
            QTRY_COMPARE(effect->status(), QSoundEffect::Ready);
            platform.playCue(cue);
            QVERIFY(effect->isPlaying());
        }
    }


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
        for (int k : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_3})  // the third and back again
            key(k);
        QCOMPARE(t.turn().held, (std::array<bool, 5>{true, true, false, false, false}));
        t.platform.scriptRoll("0 0 3 3 3", t.turn().held);
        key(Qt::Key_R);
        t.platform.scriptRoll("0 0 3 3 3", t.turn().held);
        key(Qt::Key_R);
        QCOMPARE(t.turn().rollsMade, 3);
        QVERIFY(t.window.focusWidget() == t.window.cmdRoll() && unavailable(t.window.cmdRoll()));
        // ...and is drawn exactly as a disabled button, though it keeps the focus.
        QPushButton disabled(t.window.cmdRoll()->text(), t.window.cmdRoll()->parentWidget());
        disabled.setGeometry(t.window.cmdRoll()->geometry());
        disabled.setFont(t.window.cmdRoll()->font());
        disabled.setEnabled(false);
        QCOMPARE(t.window.cmdRoll()->grab().toImage(), disabled.grab().toImage());
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
        for (int up = 0; up < 3; ++up)
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

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
