#include "frmMain.h"

#include "Announcer.h"
#include "Backdrop.h"
#include "CardLayout.h"
#include "ChanceToWin.h"
#include "ComputerDriver.h"
#include "DiceTray.h"
#include "Fonts.h"
#include "GameCommands.h"
#include "GameSpeech.h"
#include "HintPanel.h"
#include "MoveWords.h"
#include "OptimalPlay.h"
#include "Prompts.h"
#include "RecordStore.h"
#include "RollButton.h"
#include "RollShow.h"
#include "ScoreGridView.h"
#include "SettingsStore.h"
#include "ShownName.h"
#include "StatusLine.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmHowToPlay.h"
#include "frmRecords.h"
#include "frmReview.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

frmMain::frmMain(Platform &platform, Prompts &prompts, SettingsStore &settings,
                 OptimalPlay &advisor, records::RecordStore &records, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_prompts(prompts), m_settings(settings),
      m_records(records), m_game(platform), m_advisor(advisor)
{
    setWindowTitle(QStringLiteral("Kelbrune!"));
    // A fixed dialog frame: minimise and close, no maximise, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString file = QStringLiteral(":/icons/kelbrune-%1.png").arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
    }
    setWindowIcon(icon);

    // The window is drawn anew on every change of the game, before anyone hears of it further:
    // the "Game Over!" box, say, shows over the final card.
    connect(&m_game, &Game::replaced, this, &frmMain::gameReplaced);
    connect(&m_game, &Game::rolled, this, &frmMain::showRoll);
    for (auto signal : {&Game::diceMoved, &Game::turnStarted, &Game::undone, &Game::gameOver})
        connect(&m_game, signal, this, &frmMain::render);
    connect(&m_game, &Game::scored, this, [this](int, Category category, int points) {
        if (category == Category::Kelbrune && points == kKelbruneScore)
            m_prompts.playCue(Prompts::Cue::Kelbrune);
    });
    m_commands = new GameCommands(m_game, prompts, settings, records, advisor, this);
    connect(m_commands, &GameCommands::topTen, this, &frmMain::showRecords);
    connect(m_commands, &GameCommands::reviewed, this, &frmMain::render);
    m_show = new RollShow(platform, this);
    connect(m_show, &RollShow::frameShown, this, &frmMain::render);
    connect(m_show, &RollShow::landed, this, &frmMain::landed);

    buildMenus();
    buildControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_speech = new GameSpeech(m_game, *m_announcer, [this](int player) { return playerName(player); },
                              this);
    connect(m_announcer, &Announcer::said, this, [this](const QString &line) {
        if (!m_prompts.screenReaderOn() || !m_game.state().computerToMove())
            return;
        const quint64 said = ++m_lineSaid;
        m_lineHeard = false;
        paceComputer();
        m_platform.schedule(this, Announcer::speakingTime(line), [this, said] {
            if (said == m_lineSaid) {
                m_lineHeard = true;
                paceComputer();
            }
        });
    });

    m_chances = new ChanceToWin(m_advisor, this);
    connect(m_chances, &ChanceToWin::answered, this,
            [this](const GameState &state, const std::vector<double> &chances) {
                m_chancesOf = state;
                m_chanceValues = chances;
                renderHint();
            });
    m_computer = new ComputerDriver(m_game, platform, m_advisor, this);
    connect(m_computer, &ComputerDriver::moved, this, [this](int player, const Move &move) {
        const int points = move.kind == Move::Kind::Score
                               ? categoryScore(move.category, m_game.state().turn.faces)
                               : 0;
        m_hints->tell(narrationText(playerName(player), move, points), m_game.generation());
        m_speech->computerMoved(player, move);
        renderHint();
    });
    connect(m_computer, &ComputerDriver::thinking, this, [this](int player) {
        m_hints->tell(tr("%1 is thinking…").arg(playerName(player)), m_game.generation());
        m_speech->computerThinking(player);
        renderHint();
    });

    m_animate = m_settings.flag(settingkeys::kAnimateDice);
    m_show->setAnimated(m_animate);
    m_showHints = m_settings.flag(settingkeys::kShowHints);
    m_showPossible = m_settings.flag(settingkeys::kShowPossibleScores);
    m_highContrast = m_settings.flag(settingkeys::kHighContrast);
    if (m_showHints)
        startAdvisor();
    render();

    adjustSize();
    if (QScreen *screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

frmMain::~frmMain()
{
    // The views and the computer's driver read the game: they go first, before the game.
    delete takeCentralWidget();
    delete m_computer;
    // The program ends at once, not after the advisor's table.
    if (m_solver.joinable()) {
        m_advisor.cancel();
        m_solver.join();
    }
}

void frmMain::buildMenus()
{
    auto item = [this](QMenu *menu, const QString &text, QKeySequence key, auto slot) {
        QAction *action = menu->addAction(text);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto check = [&](QMenu *menu, const QString &text, auto slot) {
        QAction *action = item(menu, text, {}, slot);
        action->setCheckable(true);
        return action;
    };
    GameCommands *commands = m_commands;
    // The & marks each command's key in its menu: one letter a menu, none twice.
    QMenu *game = menuBar()->addMenu(tr("&Game"));
    m_mnuNewGame = item(game, tr("&New"), Qt::CTRL | Qt::Key_N, [commands] { commands->newGame(); });
    m_mnuNewAgainstComputer = item(game, tr("New Against &Computer…"), {},
                                   [commands] { commands->newAgainstComputer(); });
    m_mnuUndo = item(game, tr("&Undo"), Qt::CTRL | Qt::Key_Z, [this] { undo(); });
    m_mnuSaveGame = item(game, tr("&Save"), Qt::CTRL | Qt::Key_S, [commands] { commands->save(); });
    m_mnuLoadGame = item(game, tr("&Load"), Qt::CTRL | Qt::Key_O, [commands] { commands->load(); });
    //: Opens the window of the best scores and each player's figures.
    m_mnuRecords = item(game, tr("&Records…"), {}, [this] { showRecords(std::nullopt); });
    m_mnuReview = item(game, tr("Re&view Last Game…"), {}, [this] { showReview(); });
    game->addSeparator();
    m_mnuExit = item(game, tr("E&xit"), Qt::CTRL | Qt::Key_Q, [commands] { commands->exit(); });
    QMenu *settings = menuBar()->addMenu(tr("&Settings"));
    m_mnuAnimateDice = check(settings, tr("&Animate Die Rolls"), [this] { toggleAnimation(); });
    m_mnuShowHints = check(settings, tr("Show &Hints"), [this] { toggleHints(); });
    //: Shows, after each roll, what the dice would score in each free row.
    m_mnuShowPossibleScores = check(settings, tr("Show &Possible Scores"),
                                    [this] { togglePossibleScores(); });
    m_mnuHighContrast = check(settings, tr("High &Contrast"), [this] { toggleHighContrast(); });
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    m_mnuHowToPlay = item(help, tr("&How to Play"), Qt::Key_F1, [this] { showHowToPlay(); });
    m_mnuAbout = item(help, tr("&About"), {}, [this] { showAbout(); });

}

void frmMain::buildControls()
{
    auto *client = new Backdrop(this);
    client->setFixedSize(twips::px(12810), twips::px(8985));
    client->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(client);
    // Paints nothing: on the black it is not seen.
    m_announcer = new Announcer(client);
    m_announcer->move(0, 0);

    m_scoreCardTop = new ScoreGridView(card::Section::Upper, client);
    m_scoreCardTop->setGeometry(twips::rect(120, 120, 7335, 4095));
    m_scoreCardBottom = new ScoreGridView(card::Section::Lower, client);
    m_scoreCardBottom->setGeometry(twips::rect(120, 4185, 7335, 4575));
    connect(m_scoreCardTop, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardTop);
    connect(m_scoreCardBottom, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardBottom);
    connect(m_scoreCardTop, &ScoreGridView::rowHovered, this, [this](int row) { hoverRow(true, row); });
    connect(m_scoreCardBottom, &ScoreGridView::rowHovered, this,
            [this](int row) { hoverRow(false, row); });
    m_scoreCardTop->setAccessibleName(tr("Upper section of the score card"));
    m_scoreCardBottom->setAccessibleName(tr("Lower section of the score card"));

    m_dice = new DiceTray(client);
    connect(m_dice, &DiceTray::holdClicked, this, &frmMain::imgDiceRolled_Click);
    connect(m_dice, &DiceTray::releaseClicked, this, &frmMain::imgDiceSaved_Click);

    //: The big button that throws the dice; it must fit its 337 pixels in an 18-point face.
    m_cmdRoll = new RollButton(tr("Roll!"), client);
    m_cmdRoll->setGeometry(twips::rect(7560, 3360, 5055, 855));
    m_cmdRoll->setFont(fonts::comicBold(18));
    connect(m_cmdRoll, &QPushButton::clicked, this, [this] { cmdRoll_Click(); });
    client->setFramed(m_cmdRoll);
    // Roll holds the focus; Tab goes on to the upper grid, the lower, and back.
    for (QWidget *control : {static_cast<QWidget *>(m_cmdRoll), static_cast<QWidget *>(m_scoreCardTop),
                             static_cast<QWidget *>(m_scoreCardBottom)})
        control->installEventFilter(this);
    setTabOrder(m_cmdRoll, m_scoreCardTop);
    m_cmdRoll->setFocus();

    m_status = new StatusLine(client);
    m_status->setGeometry(twips::rect(7560, 4260, 5055, 330));

    // The hint panel fills the free black area under the status line.
    m_hints = new HintPanel(client);
    m_hints->setGeometry(twips::rect(7560, 4650, 5055, 4110));
    m_hints->setVisible(false);
}

void frmMain::startAdvisor()
{
    if (m_solver.joinable() || m_advisor.ready())
        return;
    m_solver = std::thread([this] {
        m_advisor.solve();
        QMetaObject::invokeMethod(this, [this] { renderHint(); }, Qt::QueuedConnection);
    });
}

QString frmMain::playerName(int player) const
{
    const GameState &s = m_game.state();
    if (player < 0 || player >= int(s.players.size()))
        return {};
    const QString &name = s.players[std::size_t(player)].seat.name;
    //: A player who gave no name, by seat number.
    return name.isEmpty() ? tr("Player %1").arg(player + 1) : shownName(name);
}

bool frmMain::rolling() const { return m_show->active(); }
records::Recorder &frmMain::recorder() const { return m_commands->recorder(); }
QString frmMain::narration() const { return m_hints->narration(); }
DieBox *frmMain::imgDiceRolled(int index) const { return m_dice->tableBox(index); }
DieBox *frmMain::imgDiceSaved(int index) const { return m_dice->savedBox(index); }
QGroupBox *frmMain::Frame1(int index) const { return m_dice->frame(index); }
QLabel *frmMain::status() const { return m_status; }
QGroupBox *frmMain::hintFrame() const { return m_hints; }
QLabel *frmMain::hintPanel() const { return m_hints->text(); }

// ---------------------------------------------------------------------------------------------
// Play

bool frmMain::playable() const
{
    return m_game.state().inProgress() && !m_game.state().computerToMove() && !m_show->active();
}

void frmMain::cmdRoll_Click()
{
    if (playable())
        m_game.roll();
}

void frmMain::imgDiceRolled_Click(int index)
{
    if (playable() && m_game.hold(index))
        m_speech->dieMoved(index);
}

void frmMain::imgDiceSaved_Click(int index)
{
    if (playable() && m_game.release(index))
        m_speech->dieMoved(index);
}

void frmMain::clickScoreCardTop(int row, int col)
{
    Q_UNUSED(col);
    if (const std::optional<Category> category = card::categoryAt(card::Section::Upper, row))
        score(*category);
}

void frmMain::clickScoreCardBottom(int row, int col)
{
    Q_UNUSED(col);
    if (const std::optional<Category> category = card::categoryAt(card::Section::Lower, row))
        score(*category);
}

void frmMain::score(Category category)
{
    if (!m_show->active())
        m_commands->score(category);
}

void frmMain::showRoll()
{
    m_prompts.playCue(Prompts::Cue::DieRoll);
    // A person's roll ends what the narration told of the computer.
    if (!m_game.state().computerToMove())
        m_hints->forget();
    m_show->start(m_game.state().turn);
    paceComputer();
}

void frmMain::landed()
{
    render();
    m_speech->rollLanded();
    paceComputer();
}

void frmMain::paceComputer()
{
    m_computer->setPaused(m_show->active() || !m_lineHeard);
}

void frmMain::undo()
{
    if (!m_game.canUndo())
        return;
    // The computer's roll in the air goes with the moves it takes back.
    if (m_show->active())
        m_show->stop();
    m_hints->forget();
    m_game.undo();
    paceComputer();
}

void frmMain::gameReplaced()
{
    m_setUp = true;
    // Worked out in the background while the game is young: its review will weigh it at the end.
    if (!m_game.state().players.empty())
        startAdvisor();
    // A roll of the old game is not shown any further; the new game's dice are as they stand.
    if (m_show->active()) {
        m_show->stop();
        paceComputer();
    }
    render();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_commands->quitting() || m_commands->confirmClose())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------------------------
// Keys

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && playKey(watched, *static_cast<QKeyEvent *>(event)))
        return true;
    if (watched == m_cmdRoll && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        centralWidget()->update(static_cast<Backdrop *>(centralWidget())->frame());
    return QMainWindow::eventFilter(watched, event);
}

bool frmMain::playKey(QObject *watched, const QKeyEvent &key)
{
    // As the menu's shortcuts: only while the window is the active one.
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !isActiveWindow())
        return false;
    auto *grid = watched == m_scoreCardTop      ? m_scoreCardTop
                 : watched == m_scoreCardBottom ? m_scoreCardBottom
                                                : nullptr;
    const int k = key.key();
    if (k == Qt::Key_Space || k == Qt::Key_R)
        keyRoll();
    else if (k >= Qt::Key_1 && k < Qt::Key_1 + kDiceCount)
        keyDie(k - Qt::Key_0);
    else if (grid && (k == Qt::Key_Return || k == Qt::Key_Enter)) {
        const QModelIndex cell = grid->currentIndex();
        if (cell.isValid())
            grid == m_scoreCardTop ? clickScoreCardTop(cell.row(), cell.column())
                                   : clickScoreCardBottom(cell.row(), cell.column());
    } else if (grid)
        return false;  // the grid's own keys walk its cells
    else if (k == Qt::Key_Up || k == Qt::Key_Down)
        keyCursor(k == Qt::Key_Up ? -1 : +1);
    else if (k == Qt::Key_Return || k == Qt::Key_Enter)
        keyEnter();
    else
        return false;
    return true;
}

void frmMain::refuse()
{
    if (!m_show->active())
        m_speech->say(m_cmdRoll->accessibleDescription());
}

void frmMain::keyRoll()
{
    if (playable() && m_game.canRoll())
        cmdRoll_Click();
    else
        refuse();
}

void frmMain::keyDie(int die)
{
    const int i = die - 1;
    if (!playable())
        refuse();
    else if (m_game.canHold(i))
        imgDiceRolled_Click(i);
    else if (m_game.canRelease(i))
        imgDiceSaved_Click(i);
    else
        refuse();
}

std::vector<Category> frmMain::freeCategories() const
{
    std::vector<Category> free;
    const GameState &s = m_game.state();
    if (!s.inProgress() || s.computerToMove())
        return free;
    for (int c = 0; c < kCategoryCount; ++c)
        if (s.playerToMove().sheet.isFree(Category(c)))
            free.push_back(Category(c));
    return free;
}

std::optional<Category> frmMain::outlined() const
{
    const std::vector<Category> free = freeCategories();
    auto isFree = [&](std::optional<Category> c) {
        return c && std::find(free.begin(), free.end(), *c) != free.end();
    };
    if (isFree(m_hovered))
        return m_hovered;
    return isFree(m_cursor) ? m_cursor : std::nullopt;
}

void frmMain::hoverRow(bool upper, int row)
{
    // The mouse leaving one grid must not undo its entering the other.
    if (row < 0 && m_hovered && isUpper(*m_hovered) != upper)
        return;
    m_hovered = card::categoryAt(upper ? card::Section::Upper : card::Section::Lower, row);
    renderPlayAids();
}

void frmMain::keyCursor(int step)
{
    const std::vector<Category> free = freeCategories();
    if (free.empty() || m_show->active()) {
        refuse();
        return;
    }
    auto at = m_cursor ? std::find(free.begin(), free.end(), *m_cursor) : free.end();
    if (at == free.end())
        m_cursor = free.front();
    else if (step < 0 && at != free.begin())
        m_cursor = *(at - 1);
    else if (step > 0 && at + 1 != free.end())
        m_cursor = *(at + 1);
    m_hovered.reset();
    renderPlayAids();
    m_speech->cursorOn(*m_cursor);
}

void frmMain::keyEnter()
{
    // Enter scores where the outline stands, which is where a click would score.
    const std::optional<Category> target = outlined();
    if (!target)
        keyCursor(0);
    else if (m_game.canScore(*target))
        score(*target);
    else
        refuse();
}

// ---------------------------------------------------------------------------------------------
// Drawing

void frmMain::render()
{
    const GameState &s = m_game.state();
    const bool rolling = m_show->active();
    // While the computer moves, the dice are its own, not the person's.
    m_dice->show(s.turn, rolling ? std::optional(m_show->faces()) : std::nullopt,
                 !rolling && !s.computerToMove());
    // Roll keeps the focus when it cannot roll: it only looks and reads so.
    m_cmdRoll->setAvailable(m_game.canRoll() && playable());
    if (m_computer->wantsTable())
        startAdvisor();
    // A roll in the air is no point to save at: the game is saved as played, once it lands.
    m_mnuSaveGame->setEnabled(s.inProgress() && !rolling);
    m_mnuUndo->setEnabled(m_game.canUndo());
    m_mnuReview->setEnabled(m_commands->lastReview().has_value());
    m_mnuAnimateDice->setChecked(m_animate);
    m_mnuShowPossibleScores->setChecked(m_showPossible);
    m_mnuHighContrast->setChecked(m_highContrast);
    for (ScoreGridView *grid : {m_scoreCardTop, m_scoreCardBottom}) {
        grid->cardModel()->show(s, m_setUp);
        grid->cardModel()->setHighContrast(m_highContrast);
        // The card ignores clicks while a roll is shown, and keeps its look and the focus.
        grid->setTakesMouse(!rolling);
    }
    renderPlayAids();
    renderHint();
}

void frmMain::renderHint()
{
    if (m_hints->isHidden() == m_showHints)
        m_hints->setVisible(m_showHints);
    m_mnuShowHints->setChecked(m_showHints);
    // While the dice are rolling the advice of the moment would flicker; it follows the roll.
    if (!m_showHints || m_show->active())
        return;
    askChances();
    const GameState &s = m_game.state();
    // Never a figure of an older point of the game: until the answer for this one comes, none.
    const bool known = m_chancesOf == s;
    m_hints->follow(s, m_game.generation(), m_advisor,
                    known ? m_chanceValues : std::vector<double>{},
                    s.players.size() == 1 ? m_best : std::nullopt);
}

std::optional<int> frmMain::bestRecorded()
{
    // Read once a game, not at every step of it.
    if (m_bestGame != m_game.generation()) {
        m_bestGame = m_game.generation();
        m_best.reset();
        const Seat &seat = m_game.state().players.front().seat;
        for (const records::PlayerStats &player : m_records.players().value)
            if (player.name == seat.name && player.kind == seatKindName(seat.kind))
                m_best = int(player.best);
    }
    return m_best;
}

void frmMain::askChances()
{
    const GameState &s = m_game.state();
    if (!s.inProgress() || s == m_chancesAsked)
        return;
    m_chancesAsked = s;
    if (s.players.size() > 1)
        m_chances->ask(s);
    else if (const std::optional<int> best = bestRecorded())
        m_chances->ask(s, *best);
}

void frmMain::renderPlayAids()
{
    const GameState &s = m_game.state();
    const bool rolling = m_show->active();
    // A new turn: the cursor starts hidden.
    if (m_status->follow(s, m_game.generation(), rolling, playerName(s.mover), m_cmdRoll))
        m_cursor.reset();

    // Where a click scores, and what each free row would score.
    const std::optional<Category> target = outlined();
    const int col = s.mover + 1;
    m_scoreCardTop->setOutline(target && isUpper(*target) ? card::rowOf(*target) : -1, col);
    m_scoreCardBottom->setOutline(target && !isUpper(*target) ? card::rowOf(*target) : -1, col);
    std::map<int, int> upperPoints;
    std::map<int, int> lowerPoints;
    if (m_showPossible && s.turn.rollsMade > 0 && !rolling) {
        for (Category c : freeCategories())
            (isUpper(c) ? upperPoints : lowerPoints)[card::rowOf(c)] =
                categoryScore(c, s.turn.faces);
    }
    m_scoreCardTop->cardModel()->setPossible(col, upperPoints);
    m_scoreCardBottom->cardModel()->setPossible(col, lowerPoints);
}

// ---------------------------------------------------------------------------------------------
// Settings and other windows

void frmMain::toggleAnimation()
{
    m_animate = !m_animate;
    m_settings.saveFlag(settingkeys::kAnimateDice, m_animate);
    render();
    m_show->setAnimated(m_animate);
}

void frmMain::toggleHints()
{
    m_showHints = !m_showHints;
    m_settings.saveFlag(settingkeys::kShowHints, m_showHints);
    if (m_showHints)
        startAdvisor();
    renderHint();
}

void frmMain::togglePossibleScores()
{
    m_showPossible = !m_showPossible;
    m_settings.saveFlag(settingkeys::kShowPossibleScores, m_showPossible);
    render();
}

void frmMain::toggleHighContrast()
{
    m_highContrast = !m_highContrast;
    m_settings.saveFlag(settingkeys::kHighContrast, m_highContrast);
    render();
}

void frmMain::showHowToPlay()
{
    if (!m_howToPlay) {
        m_howToPlay = new frmHowToPlay(this);
        m_howToPlay->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_howToPlay->show();
    m_howToPlay->raise();
    m_howToPlay->activateWindow();
}

void frmMain::showAbout()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::showReview()
{
    const auto &last = m_commands->lastReview();
    if (!last)
        return;
    // One window at a time, of the last game finished.
    if (m_reviewWindow)
        m_reviewWindow->close();
    m_reviewWindow = new frmReview(last->game, last->review, this);
    m_reviewWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_reviewWindow->show();
}

void frmMain::showRecords(std::optional<qint64> markGame)
{
    // One window at a time, made anew so it shows the records of this moment.
    if (m_recordsWindow)
        m_recordsWindow->close();
    m_recordsWindow = new frmRecords(m_records, m_prompts, markGame, this);
    m_recordsWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_recordsWindow->offerReview(m_commands->lastReview().has_value());
    connect(m_recordsWindow, &frmRecords::reviewRequested, this, &frmMain::showReview);
    m_recordsWindow->show();
}
