#include "DieBox.h"
#include "ScoreCardLayout.h"
#include "ScoreGridView.h"
#include "Table.h"
#include "frmAbout.h"

#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <functional>

using Prompt = ScriptedPlatform::Prompt;

namespace {
const QString kExitTitle = QStringLiteral("Game in progress");
const QString kExitText = QStringLiteral("A game is in progress.\r\nDo you still want to quit?");

// Runs act on the About window once it is up, then returns when it has closed. A window that
// stays open is closed after a while so a failing test does not hang.
void whileAboutIsOpen(frmMain &window, const std::function<void(frmAbout *)> &act)
{
    QTimer poll;
    poll.setInterval(10);
    bool seen = false;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            act(about);
        }
    });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] {
        if (QWidget *open = QApplication::activeModalWidget())
            open->close();
    });
    poll.start();
    giveUp.start(5000);
    window.mnuAbout_Click();
    QVERIFY2(seen, "the About window never became the modal window");
    QVERIFY2(giveUp.isActive(), "the About window did not close by itself");
}

QImage picture(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QPoint cellCentre(ScoreGridView *grid, int row, int col)
{
    return {grid->columnViewportPosition(col) + grid->columnWidth(col) / 2,
            grid->rowViewportPosition(row) + grid->rowHeight(row) / 2};
}

// What a glance at the window shows, for "nothing changed" checks.
struct Sight
{
    GameState state;
    std::array<int, 5> rolled;
    std::array<int, 5> saved;
    quint64 topRevision;
    quint64 bottomRevision;
    bool rollEnabled;
    bool saveEnabled;

    explicit Sight(Table &t)
        : state(t.state()), rolled(t.game().rolledFaces()), saved(t.game().savedFaces()),
          topRevision(t.top().revision()), bottomRevision(t.bottom().revision()),
          rollEnabled(t.window.cmdRoll()->isEnabled()),
          saveEnabled(t.window.mnuSaveGame()->isEnabled())
    {
    }
    bool operator==(const Sight &) const = default;
};
}  // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startUpState_data();
    void startUpState();
    void menus();
    void menuCommandsReachTheirHandlers_data();
    void menuCommandsReachTheirHandlers();
    void windowFrame();
    void controlGeometry_data();
    void controlGeometry();
    void gridLabels_data();
    void gridLabels();
    void gridShape();
    void gridLinesAndNoClickTint();
    void rollKeepsTheLookOfDiceAndGrids();
    void diceClicks();
    void exitWithoutGame();
    void exitDuringGame_data();
    void exitDuringGame();
    void closeBox_data();
    void closeBox();
    void aboutWindowDesign();
    void aboutCloses_data();
    void aboutCloses();
    void aboutDuringGameChangesNothing();
};

void MainWindowTest::initTestCase()
{
    // A closed window must not end the test program's event loops.
    QApplication::setQuitOnLastWindowClosed(false);
}

void MainWindowTest::startUpState_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("animate");

    QTest::newRow("absent") << false << QString() << true;
    QTest::newRow("False") << true << "False" << false;
    QTest::newRow("false in lower case") << true << "false" << true;
    QTest::newRow("FALSE") << true << "FALSE" << true;
    QTest::newRow("True") << true << "True" << true;
    QTest::newRow("empty text") << true << "" << true;
}

void MainWindowTest::startUpState()
{
    QFETCH(bool, present);
    QFETCH(QString, stored);
    QFETCH(bool, animate);

    MemorySettings settings;
    if (present)
        settings.values.insert(settingkeys::kAnimateDice, stored);
    ScriptedPlatform platform;
    QTemporaryDir recordsDir;
    records::RecordStore records(recordsDir.filePath("records.sqlite"));
    frmMain window(platform, settings, Table::readyAdvisor(), records);

    GameState expected;
    expected.AnimateDice = animate;
    QVERIFY(window.game().state() == expected);
    QCOMPARE(window.mnuAnimateDice()->isChecked(), animate);
    QCOMPARE(settings.log, (QStringList{"get AnimateDice", "get ShowHints", "get ShowPossibleScores"}));
    QCOMPARE(platform.seeds, 1);
    QVERIFY(platform.prompts.isEmpty());
    QVERIFY(platform.cues.isEmpty());

    QVERIFY(!window.cmdRoll()->isEnabled());
    QVERIFY(!window.mnuSaveGame()->isEnabled());
    for (int i = 0; i < 5; ++i) {
        QVERIFY(window.imgDiceRolled(i)->isEnabled());
        QVERIFY(window.imgDiceSaved(i)->isEnabled());
        QCOMPARE(window.imgDiceRolled(i)->face(), 0);
        QCOMPARE(window.imgDiceSaved(i)->face(), 0);
    }
    QVERIFY(window.ScoreCardTop()->isEnabled());
    QVERIFY(window.ScoreCardBottom()->isEnabled());
    for (int face = 1; face <= 6; ++face)
        QCOMPARE(window.imgDice(face).size(), QSize(64, 64));
}

void MainWindowTest::menus()
{
    Table t;
    const QList<QAction *> bar = t.window.menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QStringList titles;
    for (QAction *a : bar)
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&Game", "&Settings", "&Help"}));

    QStringList items;
    QList<QAction *> all;
    for (QAction *a : bar) {
        for (QAction *item : a->menu()->actions()) {
            items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            all << item;
        }
    }
    QCOMPARE(items, (QStringList{"&New", "New Against &Computer…", "&Undo", "&Save", "&Load",
                                 "&Records…", "-", "E&xit", "&Animate Die Rolls", "Show &Hints",
                                 "Show &Possible Scores", "&How to Play", "&About"}));
    all.removeAt(2);   // Undo
    all.removeAt(9);   // Show Possible Scores
    all.removeAt(9);   // How to Play

    QCOMPARE(all[0], t.window.mnuNewGame());
    QCOMPARE(all[2], t.window.mnuSaveGame());
    QCOMPARE(all[3], t.window.mnuLoadGame());
    QCOMPARE(all[6], t.window.mnuExit());
    QCOMPARE(all[7], t.window.mnuAnimateDice());
    QCOMPARE(all[8], t.window.mnuShowHints());
    QCOMPARE(all[9], t.window.mnuAbout());
    QVERIFY(t.window.mnuNewGame()->isEnabled());
    QVERIFY(!t.window.mnuSaveGame()->isEnabled());
    QVERIFY(t.window.mnuLoadGame()->isEnabled());
    QVERIFY(t.window.mnuExit()->isEnabled());
    QVERIFY(t.window.mnuAnimateDice()->isCheckable());
    QVERIFY(!t.window.mnuNewGame()->isCheckable());
}

void MainWindowTest::menuCommandsReachTheirHandlers_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("New asks for the players") << "New" << QStringList{"input Kelbrune!"};
    QTest::newRow("disabled Save does nothing") << "Save" << QStringList{};
    QTest::newRow("Load asks for a file") << "Load" << QStringList{"open"};
    QTest::newRow("Exit with no game quits") << "Exit" << QStringList{"quit"};
    QTest::newRow("Animate stores the toggle") << "Animate" << QStringList{};
}

void MainWindowTest::menuCommandsReachTheirHandlers()
{
    QFETCH(QString, command);
    QFETCH(QStringList, events);

    Table t;
    t.settings.log.clear();
    t.platform.inputAnswers << "0";  // New: no game after all
    t.platform.fileAnswers << "";    // Load: cancelled
    const QMap<QString, QAction *> actions{{"New", t.window.mnuNewGame()},
                                           {"Save", t.window.mnuSaveGame()},
                                           {"Load", t.window.mnuLoadGame()},
                                           {"Exit", t.window.mnuExit()},
                                           {"Animate", t.window.mnuAnimateDice()}};
    actions.value(command)->trigger();

    QCOMPARE(t.platform.events, events);
    if (command == "Animate") {
        QCOMPARE(t.settings.log, QStringList{"save AnimateDice=False"});
        QVERIFY(!t.state().AnimateDice);
        QVERIFY(!t.window.mnuAnimateDice()->isChecked());
        t.window.mnuAnimateDice()->trigger();
        QVERIFY(t.state().AnimateDice);
        QVERIFY(t.window.mnuAnimateDice()->isChecked());
    }
}

void MainWindowTest::windowFrame()
{
    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));

    QCOMPARE(t.window.windowTitle(), QStringLiteral("Kelbrune!"));
    QCOMPARE(t.window.centralWidget()->size(), QSize(854, 599));
    QCOMPARE(t.window.centralWidget()->y(), t.window.menuBar()->height());
    QCOMPARE(t.window.minimumSize(), t.window.maximumSize());
    QCOMPARE(t.window.size(), QSize(854, 599 + t.window.menuBar()->height()));
    const Qt::WindowFlags flags = t.window.windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    const QList<QSize> iconSizes = t.window.windowIcon().availableSizes();
    QVERIFY(iconSizes.contains(QSize(32, 32)));
    QVERIFY(iconSizes.contains(QSize(48, 48)));

    const QImage client = picture(t.window.centralWidget());
    QCOMPARE(client.pixelColor(850, 595), QColor(Qt::black));
    QCOMPARE(client.pixelColor(500, 10), QColor(Qt::black));
}

void MainWindowTest::controlGeometry_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("upper grid") << "ScoreCardTop" << QRect(8, 8, 489, 273);
    QTest::newRow("lower grid") << "ScoreCardBottom" << QRect(8, 279, 489, 305);
    QTest::newRow("saved frame") << "Frame1(0)" << QRect(504, 16, 337, 89);
    QTest::newRow("rolled frame") << "Frame1(1)" << QRect(504, 120, 337, 89);
    QTest::newRow("roll button") << "cmdRoll" << QRect(504, 224, 337, 57);
    QTest::newRow("first saved die") << "imgDiceSaved(0)" << QRect(16, 24, 49, 49);
    QTest::newRow("last saved die") << "imgDiceSaved(4)" << QRect(272, 24, 49, 49);
    QTest::newRow("first rolled die") << "imgDiceRolled(0)" << QRect(16, 24, 49, 49);
    QTest::newRow("middle rolled die") << "imgDiceRolled(2)" << QRect(144, 24, 49, 49);
}

void MainWindowTest::controlGeometry()
{
    QFETCH(QString, control);
    QFETCH(QRect, pixels);

    Table t;
    frmMain &w = t.window;
    const QMap<QString, QWidget *> controls{
        {"ScoreCardTop", w.ScoreCardTop()},         {"ScoreCardBottom", w.ScoreCardBottom()},
        {"Frame1(0)", w.Frame1(0)},                 {"Frame1(1)", w.Frame1(1)},
        {"cmdRoll", w.cmdRoll()},                   {"imgDiceSaved(0)", w.imgDiceSaved(0)},
        {"imgDiceSaved(4)", w.imgDiceSaved(4)},     {"imgDiceRolled(0)", w.imgDiceRolled(0)},
        {"imgDiceRolled(2)", w.imgDiceRolled(2)}};
    QWidget *widget = controls.value(control);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), pixels);

    // Each row of dice stands in its own frame.
    if (control.startsWith("imgDiceSaved"))
        QCOMPARE(widget->parentWidget(), w.Frame1(0));
    if (control.startsWith("imgDiceRolled"))
        QCOMPARE(widget->parentWidget(), w.Frame1(1));
}

void MainWindowTest::gridLabels_data()
{
    QTest::addColumn<bool>("upper");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    const QList<bool> topBold{true, false, false, false, false, false, false, true, true, true};
    for (int r = 0; r < layout::kTopRows; ++r)
        QTest::addRow("top %s", qPrintable(layout::topLabels()[r]))
            << true << r << layout::topLabels()[r] << topBold[r] << false;
    const QList<bool> bottomBold{true,  false, false, false, false, false,
                                 false, false, true,  true,  true};
    for (int r = 0; r < layout::kBottomRows; ++r)
        QTest::addRow("bottom %s", qPrintable(layout::bottomLabels()[r]))
            << false << r << layout::bottomLabels()[r] << bottomBold[r] << (r == 10);
}

void MainWindowTest::gridLabels()
{
    QFETCH(bool, upper);
    QFETCH(int, row);
    QFETCH(QString, label);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    Table t;
    ScoreGridView *grid = upper ? t.window.ScoreCardTop() : t.window.ScoreCardBottom();
    const QPalette palette = grid->palette();
    const QModelIndex cell = grid->model()->index(row, 0);
    QCOMPARE(cell.data(Qt::DisplayRole).toString(), label);
    const QFont font = cell.data(Qt::FontRole).value<QFont>();
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);
    QCOMPARE(font.pointSizeF(), 8.25);
    QCOMPARE(cell.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QCOMPARE(cell.data(Qt::BackgroundRole).value<QColor>(), palette.color(QPalette::Button));
    QCOMPARE(cell.data(Qt::ForegroundRole).value<QColor>(), palette.color(QPalette::ButtonText));

    // The player cells of the row: centred, on the window colours unless a heading.
    for (int col = 1; col < layout::kCols; ++col) {
        const QModelIndex player = grid->model()->index(row, col);
        QCOMPARE(player.data(Qt::DisplayRole).toString(), QString());
        QCOMPARE(player.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        const bool heading = upper && row == 0;
        QCOMPARE(player.data(Qt::FontRole).value<QFont>().bold(), heading);
        QCOMPARE(player.data(Qt::BackgroundRole).value<QColor>(),
                 palette.color(heading ? QPalette::Button : QPalette::Base));
    }
}

void MainWindowTest::gridShape()
{
    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));

    for (ScoreGridView *grid : {t.window.ScoreCardTop(), t.window.ScoreCardBottom()}) {
        QCOMPARE((grid == t.window.ScoreCardTop() ? t.top() : t.bottom()).colWidth(0), 1340);
        QCOMPARE(grid->columnWidth(0), 89);
        int widths = grid->columnWidth(0);
        for (int c = 1; c < layout::kCols; ++c) {
            QCOMPARE((grid == t.window.ScoreCardTop() ? t.top() : t.bottom()).colWidth(c), 990);
            QCOMPARE(grid->columnWidth(c), 66);
            widths += grid->columnWidth(c);
        }
        QVERIFY(widths <= grid->viewport()->width());

        // The rows share the height, at most a pixel apart, and fill it.
        int heights = 0;
        for (int r = 0; r < grid->model()->rowCount(); ++r) {
            QVERIFY(qAbs(grid->rowHeight(r) - grid->rowHeight(0)) <= 1);
            heights += grid->rowHeight(r);
        }
        QCOMPARE(heights, grid->viewport()->height());

        QVERIFY(grid->horizontalHeader()->isHidden());
        QVERIFY(grid->verticalHeader()->isHidden());
        QVERIFY(!grid->horizontalScrollBar()->isVisible());
        QVERIFY(!grid->verticalScrollBar()->isVisible());
        QCOMPARE(grid->focusPolicy(), Qt::NoFocus);
        QCOMPARE(grid->selectionMode(), QAbstractItemView::NoSelection);
    }
    QCOMPARE(t.window.cmdRoll()->text(), QStringLiteral("Roll!"));
    QCOMPARE(QFontInfo(t.window.cmdRoll()->font()).family(), QStringLiteral("Comic Neue"));
    QVERIFY(t.window.cmdRoll()->font().bold());
    QCOMPARE(t.window.cmdRoll()->font().pointSizeF(), 18.0);
    QCOMPARE(t.window.Frame1(0)->title(), QStringLiteral("Saved Dice"));
    QCOMPARE(t.window.Frame1(1)->title(), QStringLiteral("Rolled Dice"));
    QCOMPARE(t.window.Frame1(0)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void MainWindowTest::gridLinesAndNoClickTint()
{
    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    ScoreGridView *grid = t.window.ScoreCardBottom();

    const QImage before = picture(grid->viewport());
    const QPoint between(grid->columnViewportPosition(1) - 1, cellCentre(grid, 3, 1).y());
    QCOMPARE(before.pixelColor(between), QColor(192, 192, 192));
    const QPoint below(cellCentre(grid, 3, 2).x(), grid->rowViewportPosition(4) - 1);
    QCOMPARE(before.pixelColor(below), QColor(192, 192, 192));

    // Before any game a click only moves the grid's current cell; nothing shows it.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 3, 2));
    QCOMPARE(t.bottom().row(), 3);
    QCOMPARE(t.bottom().col(), 2);
    QCOMPARE(picture(grid->viewport()), before);
    QVERIFY(t.platform.events.isEmpty());
}

void MainWindowTest::rollKeepsTheLookOfDiceAndGrids()
{
    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.newGame({"Ann"});
    t.roll("6 2 3 4 5");
    t.hold(0);
    QCOMPARE(t.window.imgDiceSaved(0)->face(), 6);

    const QImage heldDie = picture(t.window.imgDiceSaved(0));
    const QImage upperGrid = picture(t.window.ScoreCardTop());
    // The die is a white face on black, not an empty box.
    QCOMPARE(heldDie.pixelColor(24, 24), QColor(Qt::white));
    QCOMPARE(heldDie.pixelColor(0, 0), QColor(Qt::black));

    bool checked = false;
    t.platform.atPump(1, [&] {
        checked = true;
        QVERIFY(!t.window.imgDiceSaved(0)->isEnabled());
        QVERIFY(!t.window.ScoreCardTop()->isEnabled());
        QVERIFY(!t.window.cmdRoll()->isEnabled());
        QCOMPARE(picture(t.window.imgDiceSaved(0)), heldDie);
        QCOMPARE(picture(t.window.ScoreCardTop()), upperGrid);
        // Clicks on the disabled controls go nowhere.
        QTest::mouseClick(t.window.imgDiceSaved(0), Qt::LeftButton);
        QTest::mouseClick(t.window.ScoreCardTop()->viewport(), Qt::LeftButton, {},
                          cellCentre(t.window.ScoreCardTop(), 5, 1));
        QVERIFY(t.state().DiceSaved[0]);
        QVERIFY(t.top().row() != 5);
    });
    t.roll("- 1 1 1 1");
    QVERIFY(checked);
    QVERIFY(t.window.imgDiceSaved(0)->isEnabled());
    QCOMPARE(picture(t.window.imgDiceSaved(0)), heldDie);
    QCOMPARE(t.platform.unexpected, QStringList());
}

void MainWindowTest::diceClicks()
{
    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.newGame({"Ann"});
    QTest::mouseClick(t.window.cmdRoll(), Qt::LeftButton);  // a seeded roll
    QCOMPARE(t.state().RollCount, qint16(1));

    const int face = t.state().DiceValue[3];
    QCOMPARE(t.window.imgDiceRolled(3)->face(), face);
    QTest::mouseClick(t.window.imgDiceRolled(3), Qt::LeftButton);
    QVERIFY(t.state().DiceSaved[3]);
    QCOMPARE(t.window.imgDiceRolled(3)->face(), 0);
    QCOMPARE(t.window.imgDiceSaved(3)->face(), face);

    QTest::mouseClick(t.window.imgDiceSaved(3), Qt::RightButton);
    QVERIFY(t.state().DiceSaved[3]);
    QTest::mouseClick(t.window.imgDiceSaved(3), Qt::LeftButton);
    QVERIFY(!t.state().DiceSaved[3]);
    QCOMPARE(t.window.imgDiceRolled(3)->face(), face);
    QCOMPARE(t.window.imgDiceSaved(3)->face(), 0);
}

void MainWindowTest::exitWithoutGame()
{
    Table t;
    t.settings.log.clear();
    t.window.mnuExit_Click();
    QVERIFY(t.platform.prompts.isEmpty());
    QVERIFY(t.platform.quitCalled);
    QVERIFY(t.game().quitting());
    QVERIFY(t.settings.log.isEmpty());
}

void MainWindowTest::exitDuringGame_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes quits") << true;
    QTest::newRow("No keeps the game") << false;
}

void MainWindowTest::exitDuringGame()
{
    QFETCH(bool, yes);

    Table t;
    t.newGame({"Ann", "Bob"});
    t.roll("1 2 3 4 5");
    t.hold(2);
    const Sight before(t);
    t.platform.clearRecords();
    t.settings.log.clear();

    t.platform.yesNoAnswers << yes;
    t.window.mnuExit_Click();

    QCOMPARE(t.platform.prompts.size(), 1);
    QCOMPARE(t.platform.prompts[0].kind, Prompt::YesNo);
    QCOMPARE(t.platform.prompts[0].title, kExitTitle);
    QCOMPARE(t.platform.prompts[0].text, kExitText);
    QCOMPARE(t.platform.quitCalled, yes);
    QCOMPARE(t.game().quitting(), yes);
    QVERIFY(t.settings.log.isEmpty());
    QVERIFY(Sight(t) == before);
}

void MainWindowTest::closeBox_data()
{
    QTest::addColumn<bool>("game");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<bool>("closes");

    QTest::newRow("no game closes at once") << false << QList<bool>{} << true;
    QTest::newRow("game, Yes closes") << true << QList<bool>{true} << true;
    QTest::newRow("game, No keeps the window") << true << QList<bool>{false} << false;
}

void MainWindowTest::closeBox()
{
    QFETCH(bool, game);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, closes);

    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    if (game) {
        t.newGame({"Ann"});
        t.roll("3 3 3 2 2");
    }
    const Sight before(t);
    t.platform.clearRecords();
    t.platform.yesNoAnswers = answers;

    QCOMPARE(t.window.close(), closes);

    QCOMPARE(t.window.isVisible(), !closes);
    QCOMPARE(t.platform.prompts.size(), answers.size());
    if (game) {
        QCOMPARE(t.platform.prompts[0].title, kExitTitle);
        QCOMPARE(t.platform.prompts[0].text, kExitText);
    }
    QCOMPARE(t.game().quitting(), closes);
    QVERIFY(Sight(t) == before);
    QCOMPARE(t.platform.unexpected, QStringList());
}

void MainWindowTest::aboutWindowDesign()
{
    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    QPointer<frmAbout> opened;

    whileAboutIsOpen(t.window, [&](frmAbout *about) {
        opened = about;
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QCOMPARE(about->parentWidget(), &t.window);
        QVERIFY(about->isModal());
        QCOMPARE(about->size(), QSize(740, 358));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QCOMPARE(about->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(!(about->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(picture(about).pixelColor(5, 5), QColor(0, 255, 255));

        const QStringList texts{"Kelbrune!", "by", "The Kelbrune! Crew"};
        const QList<QRect> places{{32, 32, 641, 113}, {32, 152, 641, 57}, {32, 208, 641, 105}};
        const QList<qreal> points{72, 26.25, 48};
        for (int i = 0; i < 3; ++i) {
            QLabel *label = about->Label1(i);
            QCOMPARE(label->text(), texts[i]);
            QCOMPARE(label->geometry(), places[i]);
            QCOMPARE(label->font().pointSizeF(), points[i]);
            QVERIFY(label->font().bold());
            QVERIFY(!label->font().italic());
            QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Comic Neue"));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
            QVERIFY(label->alignment() & Qt::AlignHCenter);
            QVERIFY(!label->autoFillBackground());
        }
        about->close();
    });
    // Each opening makes a new window and the closed one is gone.
    QVERIFY(opened.isNull());
}

void MainWindowTest::aboutCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click on the label by") << "label 1";
    QTest::newRow("click on the title label") << "label 0";
    QTest::newRow("click on the background") << "background";
    QTest::newRow("a letter means nothing, Space closes") << "keys";
}

void MainWindowTest::aboutCloses()
{
    QFETCH(QString, how);

    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    whileAboutIsOpen(t.window, [&](frmAbout *about) {
        if (how == "label 1")
            QTest::mouseClick(about->Label1(1), Qt::LeftButton);
        else if (how == "label 0")
            QTest::mouseClick(about->Label1(0), Qt::LeftButton, {}, QPoint(10, 100));
        else if (how == "background")
            QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(5, 340));
        else {
            QTest::keyClick(about, Qt::Key_A);
            QVERIFY(about->isVisible());
            QTest::keyClick(about, Qt::Key_Space);
        }
    });
    QVERIFY(t.platform.events.isEmpty());
}

void MainWindowTest::aboutDuringGameChangesNothing()
{
    Table t;
    t.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.window));
    t.newGame({"Ann", "Bob"});
    t.roll("4 4 4 1 2");
    t.hold(0);
    t.hold(1);
    const Sight before(t);
    t.platform.clearRecords();
    t.settings.log.clear();

    whileAboutIsOpen(t.window, [](frmAbout *about) {
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(700, 20));
    });

    QVERIFY(Sight(t) == before);
    QVERIFY(t.platform.events.isEmpty());
    QVERIFY(t.settings.log.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
