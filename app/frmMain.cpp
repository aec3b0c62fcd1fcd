#include "frmMain.h"

#include "CardLayout.h"
#include "ComputerDriver.h"
#include "DieBox.h"
#include "Fonts.h"
#include "MoveWords.h"
#include "NumericValue.h"
#include "Platform.h"
#include "Prompts.h"
#include "SaveFile.h"
#include "SavedGameConversion.h"
#include "ScoreGridView.h"
#include "SettingsStore.h"
#include "ShownName.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmHowToPlay.h"
#include "frmRecords.h"
#include "frmSeats.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QAccessible>
#include <QScreen>
#include <QShortcut>

namespace {
// The client area: a black table for the score card, the dice and the Roll button.
class Backdrop : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter(this).fillRect(event->rect(), Qt::black);
    }
};

// A framed group with an etched edge and its caption set into the top edge: the desktop style
// would draw a frame that vanishes on black.
class DiceFrame : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int top = metrics.height() / 2;
        const QRect edge(0, top, width() - 2, height() - top - 2);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(edge);
        painter.setPen(Qt::white);
        painter.drawRect(edge.translated(1, 1));
        const QRect caption(7, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
    }
};
// The look of the texts on the window's black: light, a little larger than the card's.
void lightOnBlack(QLabel *label)
{
    QFont font = fonts::compactSans();
    font.setPointSizeF(10.5);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(230, 230, 230));
    label->setPalette(colours);
}

const char *const kFaceWords[] = {"", "one", "two", "three", "four", "five", "six"};

QString faceWord(int face)
{
    return QString::fromLatin1(face >= 1 && face <= 6 ? kFaceWords[face] : "");
}

const QString kSaveFilter = QStringLiteral("Saved Games (*.sav)");
constexpr int kFramePause = 200;  // ms each frame of an animated roll stays in view
}  // namespace

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

    for (int k = 0; k < 6; ++k)
        m_imgDice[std::size_t(k)] = QPixmap(QStringLiteral(":/dice/die%1.bmp").arg(k + 1));
    // The frames of a roll's animation are for the eye only: their own sequence, never the dice's.
    m_show.random.seed(std::uint32_t(platform.randomSeed()));

    buildMenus();
    buildControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_computer = new ComputerDriver(m_game, platform, m_advisor, this);
    connect(m_computer, &ComputerDriver::moved, this, [this](int player, const Move &move) {
        const int points = move.kind == Move::Kind::Score
                               ? categoryScore(move.category, m_game.state().turn.faces)
                               : 0;
        m_narration = narrationText(playerName(player), move, points);
        m_narrationGame = m_game.generation();
        renderHint();
    });
    connect(m_computer, &ComputerDriver::thinking, this, [this](int player) {
        m_narration = playerName(player) + QStringLiteral(" is thinking…");
        m_narrationGame = m_game.generation();
        renderHint();
    });
    connect(&m_game, &Game::replaced, this, &frmMain::gameReplaced);
    connect(&m_game, &Game::rolled, this, &frmMain::showRoll);
    connect(&m_game, &Game::scored, this, [this](int, Category category, int points) {
        if (category == Category::Kelbrune && points == kKelbruneScore)
            m_prompts.playCue(Prompts::Cue::Kelbrune);
    });
    for (auto signal : {&Game::diceMoved, &Game::turnStarted, &Game::undone})
        connect(&m_game, signal, this, &frmMain::render);
    connect(&m_game, &Game::gameOver, this, &frmMain::gameOver);

    m_animate = m_settings.flag(settingkeys::kAnimateDice);
    m_showHints = m_settings.flag(settingkeys::kShowHints);
    m_showPossible = m_settings.flag(settingkeys::kShowPossibleScores);
    m_mnuShowPossibleScores->setChecked(m_showPossible);
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
    QMenu *game = menuBar()->addMenu(QStringLiteral("&Game"));
    m_mnuNewGame = game->addAction(QStringLiteral("&New"));
    m_mnuNewAgainstComputer = game->addAction(QStringLiteral("New Against &Computer…"));
    m_mnuUndo = game->addAction(QStringLiteral("&Undo"));
    m_mnuSaveGame = game->addAction(QStringLiteral("&Save"));
    m_mnuLoadGame = game->addAction(QStringLiteral("&Load"));
    m_mnuRecords = game->addAction(QStringLiteral("&Records…"));
    game->addSeparator();
    m_mnuExit = game->addAction(QStringLiteral("E&xit"));
    m_mnuNewGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_mnuSaveGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_mnuLoadGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    m_mnuUndo->setEnabled(false);
    QMenu *settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    m_mnuAnimateDice = settings->addAction(QStringLiteral("&Animate Die Rolls"));
    m_mnuAnimateDice->setCheckable(true);
    m_mnuShowHints = settings->addAction(QStringLiteral("Show &Hints"));
    m_mnuShowHints->setCheckable(true);
    m_mnuShowPossibleScores = settings->addAction(QStringLiteral("Show &Possible Scores"));
    m_mnuShowPossibleScores->setCheckable(true);
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    m_mnuHowToPlay = help->addAction(QStringLiteral("&How to Play"));
    m_mnuHowToPlay->setShortcut(QKeySequence(Qt::Key_F1));
    m_mnuAbout = help->addAction(QStringLiteral("&About"));
    m_mnuSaveGame->setEnabled(false);

    connect(m_mnuNewGame, &QAction::triggered, this, [this] { mnuNewGame_Click(); });
    connect(m_mnuNewAgainstComputer, &QAction::triggered, this,
            [this] { mnuNewAgainstComputer_Click(); });
    connect(m_mnuSaveGame, &QAction::triggered, this, [this] { mnuSaveGame_Click(); });
    connect(m_mnuLoadGame, &QAction::triggered, this, [this] { mnuLoadGame_Click(); });
    connect(m_mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    connect(m_mnuAnimateDice, &QAction::triggered, this, [this] { mnuAnimateDice_Click(); });
    connect(m_mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
    connect(m_mnuRecords, &QAction::triggered, this, [this] { mnuRecords_Click(); });
    connect(m_mnuShowHints, &QAction::triggered, this, [this] { mnuShowHints_Click(); });
    connect(m_mnuUndo, &QAction::triggered, this, [this] { mnuUndo_Click(); });
    connect(m_mnuShowPossibleScores, &QAction::triggered, this,
            [this] { mnuShowPossibleScores_Click(); });
    connect(m_mnuHowToPlay, &QAction::triggered, this, [this] { mnuHowToPlay_Click(); });

    // The keys of play, wherever the focus is in the window.
    auto key = [this](QKeySequence sequence, auto action) {
        connect(new QShortcut(sequence, this), &QShortcut::activated, this, action);
    };
    key(Qt::Key_Space, [this] { cmdRoll_Click(); });
    key(Qt::Key_R, [this] { cmdRoll_Click(); });
    for (int die = 1; die <= 5; ++die) {
        key(QKeySequence(Qt::Key_0 + die), [this, die] { keyDie(die); });
        key(QKeySequence(Qt::KeypadModifier | Qt::Key(Qt::Key_0 + die)), [this, die] { keyDie(die); });
    }
    key(Qt::Key_Up, [this] { keyCursor(-1); });
    key(Qt::Key_Down, [this] { keyCursor(+1); });
    key(Qt::Key_Return, [this] { keyEnter(); });
    key(Qt::Key_Enter, [this] { keyEnter(); });
    key(QKeySequence(Qt::KeypadModifier | Qt::Key_Enter), [this] { keyEnter(); });
}

void frmMain::buildControls()
{
    auto *client = new Backdrop(this);
    client->setFixedSize(twips::px(12810), twips::px(8985));
    // Holds the focus while Roll cannot, so the keys of play go on working during a roll.
    client->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(client);

    // Created in tab order; only the Roll button takes the focus.
    m_scoreCardTop = new ScoreGridView(card::Section::Upper, client);
    m_scoreCardTop->setGeometry(twips::rect(120, 120, 7335, 4095));
    m_scoreCardBottom = new ScoreGridView(card::Section::Lower, client);
    m_scoreCardBottom->setGeometry(twips::rect(120, 4185, 7335, 4575));
    connect(m_scoreCardTop, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardTop);
    connect(m_scoreCardBottom, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardBottom);
    connect(m_scoreCardTop, &ScoreGridView::rowHovered, this, [this](int row) { hoverRow(true, row); });
    connect(m_scoreCardBottom, &ScoreGridView::rowHovered, this,
            [this](int row) { hoverRow(false, row); });
    m_scoreCardTop->setAccessibleName(QStringLiteral("Upper section of the score card"));
    m_scoreCardBottom->setAccessibleName(QStringLiteral("Lower section of the score card"));

    const std::array<const char *, 2> captions{"Saved Dice", "Rolled Dice"};
    const std::array<int, 2> frameTops{240, 1800};
    for (std::size_t f = 0; f < 2; ++f) {
        auto *frame = new DiceFrame(QString::fromLatin1(captions[f]), client);
        frame->setGeometry(twips::rect(7560, frameTops[f], 5055, 1335));
        frame->setFont(fonts::compactSans());
        frame->setFocusPolicy(Qt::NoFocus);
        QPalette colours = frame->palette();
        colours.setColor(QPalette::Window, Qt::black);
        colours.setColor(QPalette::WindowText, QColor(255, 0, 0));
        frame->setPalette(colours);
        frame->setAutoFillBackground(true);
        m_frame1[f] = frame;

        auto &row = f == 0 ? m_imgDiceSaved : m_imgDiceRolled;
        for (int i = 0; i < 5; ++i) {
            auto *box = new DieBox(i, frame);
            box->setGeometry(twips::rect(240 + 960 * i, 360, 735, 735));
            row[std::size_t(i)] = box;
            if (f == 0)
                connect(box, &DieBox::clicked, this, &frmMain::imgDiceSaved_Click);
            else
                connect(box, &DieBox::clicked, this, &frmMain::imgDiceRolled_Click);
        }
    }

    m_cmdRoll = new QPushButton(QStringLiteral("Roll!"), client);
    m_cmdRoll->setGeometry(twips::rect(7560, 3360, 5055, 855));
    m_cmdRoll->setFont(fonts::comicBold(18));
    m_cmdRoll->setAutoDefault(false);
    connect(m_cmdRoll, &QPushButton::clicked, this, [this] { cmdRoll_Click(); });

    m_status = new QLabel(client);
    m_status->setGeometry(twips::rect(7560, 4260, 5055, 330));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lightOnBlack(m_status);
    // Its name is its text; what is announced goes into its description, with an alert.

    // The hint panel fills the free black area under the status line.
    m_hintFrame = new DiceFrame(QStringLiteral("Hints"), client);
    m_hintFrame->setGeometry(twips::rect(7560, 4650, 5055, 4110));
    m_hintFrame->setFont(fonts::compactSans());
    m_hintFrame->setPalette(m_frame1[0]->palette());
    m_hintFrame->setAutoFillBackground(true);
    m_hintText = new QLabel(m_hintFrame);
    // Unnamed, so a screen reader reads the hint itself and hears each new one.
    m_hintText->setGeometry(twips::rect(240, 360, 4575, 3630));
    m_hintText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hintText->setWordWrap(true);
    m_hintText->setTextFormat(Qt::PlainText);
    lightOnBlack(m_hintText);
    m_hintFrame->setVisible(false);
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
    return name.isEmpty() ? QStringLiteral("Player %1").arg(player + 1) : shownName(name);
}

// ---------------------------------------------------------------------------------------------
// Asking

bool frmMain::ask(const QString &title, const QString &text)
{
    render();
    return m_prompts.askYesNo(title, text);
}

void frmMain::tell(const QString &title, const QString &text)
{
    render();
    m_prompts.tell(title, text);
}

QString frmMain::input(const QString &prompt, const QString &title, const QString &defaultText)
{
    render();
    return fittedName(m_prompts.inputBox(prompt, title, defaultText));
}

// ---------------------------------------------------------------------------------------------
// Dice

void frmMain::cmdRoll_Click()
{
    if (!m_game.state().computerToMove() && !m_show.active)
        m_game.roll();
}

void frmMain::imgDiceRolled_Click(int index)
{
    if (!m_game.state().computerToMove() && !m_show.active)
        m_game.hold(index);
}

void frmMain::imgDiceSaved_Click(int index)
{
    if (!m_game.state().computerToMove() && !m_show.active)
        m_game.release(index);
}

void frmMain::showRoll()
{
    m_prompts.playCue(Prompts::Cue::DieRoll);
    // A person's roll ends what the narration told of the computer.
    if (!m_game.state().computerToMove())
        m_narration.clear();
    m_show.active = true;
    m_show.frame = 0;
    m_show.frames = 6 + int(m_show.random() % 15);
    m_show.faces = {};
    m_computer->setPaused(true);
    nextFrame(++m_show.id);
}

void frmMain::nextFrame(quint64 show)
{
    if (show != m_show.id || !m_show.active)
        return;
    // Without the animation the thrown dice show nothing until they land, at once.
    if (!m_animate || m_show.frame == m_show.frames) {
        endShow();
        return;
    }
    ++m_show.frame;
    const Turn &turn = m_game.state().turn;
    for (std::size_t d = 0; d < m_show.faces.size(); ++d)
        m_show.faces[d] = m_show.frame == m_show.frames ? turn.faces[d]
                                                        : int(m_show.random() % 6) + 1;
    render();
    m_platform.schedule(this, kFramePause, [this, show] { nextFrame(show); });
}

void frmMain::endShow()
{
    m_show.active = false;
    render();
    m_computer->setPaused(false);
}

void frmMain::mnuAnimateDice_Click()
{
    m_animate = !m_animate;
    m_settings.saveFlag(settingkeys::kAnimateDice, m_animate);
    render();
    // Switched off during a roll: the dice land at once.
    if (!m_animate && m_show.active)
        endShow();
}

// ---------------------------------------------------------------------------------------------
// Score card

void frmMain::clickScoreCardTop(int row, int col)
{
    Q_UNUSED(col);
    if (const std::optional<Category> category = card::categoryAt(card::Section::Upper, row))
        scoreCategory(*category);
}

void frmMain::clickScoreCardBottom(int row, int col)
{
    Q_UNUSED(col);
    if (const std::optional<Category> category = card::categoryAt(card::Section::Lower, row))
        scoreCategory(*category);
}

void frmMain::scoreCategory(Category category)
{
    if (m_game.state().computerToMove() || m_show.active || !m_game.canScore(category))
        return;
    const quint64 generation = m_game.generation();
    if (categoryScore(category, m_game.state().turn.faces) == 0
        && (!ask(QStringLiteral("Zero Score?"),
                 QStringLiteral("Do you want to enter a zero in the selected row?"))
            || replaced(generation)))
        return;
    m_game.score(category);
}

void frmMain::mnuUndo_Click()
{
    if (!m_show.active)
        m_game.undo();
}

QString frmMain::winnerNames() const
{
    QStringList names;
    for (int player : m_game.state().winners())
        names << shownName(m_game.state().players[std::size_t(player)].seat.name);
    return names.join(QStringLiteral(" and "));
}

void frmMain::gameOver()
{
    render();
    m_lastRecord = m_records.record(records::recordOf(m_game.state()));
    m_prompts.playCue(Prompts::Cue::GameOver);
    const quint64 generation = m_game.generation();
    tell(QStringLiteral("Game Over!"), QStringLiteral("The game is over!\nCongratulations to ")
                                           + winnerNames() + QStringLiteral(" who won the game!"));
    if (!replaced(generation))
        afterGameOver();
}

void frmMain::afterGameOver()
{
    const records::Fetched<records::Recorded> recorded = std::exchange(m_lastRecord, {});
    if (!recorded.status.message.isEmpty())
        m_prompts.tell(QStringLiteral("Records"), recorded.status.message);
    else if (recorded.status.ok && recorded.value.topTen)
        showRecords(recorded.value.gameId);
}

// ---------------------------------------------------------------------------------------------
// New game

bool frmMain::newGameConfirmed()
{
    const quint64 generation = m_game.generation();
    return !m_game.state().inProgress()
           || (ask(QStringLiteral("Game In Progress"),
                   QStringLiteral("There is a game in progress.\nDo you still want a new game?"))
               && !replaced(generation));
}

void frmMain::mnuNewGame_Click()
{
    // A stored count outside the game's limits is no answer to offer.
    int offered = numericValue(m_settings.value(settingkeys::kDefNumPlayers));
    if (offered < 1 || offered > kMaxPlayers)
        offered = numericValue(settingkeys::defaultFor(settingkeys::kDefNumPlayers));
    if (!newGameConfirmed())
        return;

    // From here the old game is gone, whatever the answers.
    m_game.clear();
    const quint64 generation = m_game.generation();
    const QString count = input(QStringLiteral("How Many Players? (1-6)"),
                                QStringLiteral("Kelbrune!"), QString::number(offered));
    if (replaced(generation))
        return;
    const int players = numericValue(count);
    m_settings.save(settingkeys::kDefNumPlayers, QString::number(players));
    if (players < 1 || players > kMaxPlayers)
        return;

    std::vector<Seat> seats;
    for (int n = 1; n <= players; ++n) {
        const QString key = settingkeys::defPlayer(n);
        const QString name = input(QStringLiteral("Please enter a name for Player #%1:").arg(n),
                                   QStringLiteral("Player Name"), m_settings.value(key));
        if (replaced(generation))
            return;
        seats.push_back({name, SeatKind::Human});
        m_settings.save(key, name);
    }
    m_game.start(seats);
}

std::vector<Seat> frmMain::offeredSeats()
{
    // Until a first game against the computer: the first player's name against a strong computer.
    const int count = numericValue(m_settings.value(settingkeys::kSeatCount));
    if (count < 1 || count > kMaxPlayers)
        return {{m_settings.value(settingkeys::defPlayer(1)), SeatKind::Human},
                {computerSeatName(1), SeatKind::Strong}};
    std::vector<Seat> seats;
    for (int n = 1; n <= count; ++n) {
        const auto kind = seatKindFromName(m_settings.value(settingkeys::seatKind(n)));
        seats.push_back({m_settings.value(settingkeys::seatName(n)), kind.value_or(SeatKind::Human)});
    }
    return seats;
}

void frmMain::storeSeats(const std::vector<Seat> &seats)
{
    m_settings.save(settingkeys::kSeatCount, QString::number(seats.size()));
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const int n = int(i) + 1;
        m_settings.save(settingkeys::seatKind(n), seatKindName(seats[i].kind));
        m_settings.save(settingkeys::seatName(n), seats[i].name);
    }
}

void frmMain::mnuNewAgainstComputer_Click()
{
    const quint64 generation = m_game.generation();
    if (!newGameConfirmed())
        return;
    render();
    const std::optional<std::vector<Seat>> seats = m_prompts.askSeats(offeredSeats());
    if (!seats || seats->empty() || seats->size() > std::size_t(kMaxPlayers)
        || replaced(generation))
        return;
    storeSeats(*seats);
    m_game.start(*seats);
}

void frmMain::gameReplaced()
{
    m_setUp = true;
    // A roll of the old game is not shown any further; the new game's dice are as they stand.
    if (m_show.active) {
        m_show.active = false;
        m_computer->setPaused(false);
    }
    render();
}

// ---------------------------------------------------------------------------------------------
// Save and load

void frmMain::mnuSaveGame_Click()
{
    // A roll in the air is no point to save at: the game is saved as played, once it lands.
    if (!m_game.state().inProgress() || m_show.active) {
        render();
        return;
    }
    const quint64 generation = m_game.generation();
    QString path;
    for (;;) {
        render();
        path = m_prompts.saveFileName(kSaveFilter);
        if (path.isEmpty() || replaced(generation))
            return;
        if (!QFileInfo(path).isFile())
            break;
        const bool overwrite =
            ask(QStringLiteral("File Exists."), path + QStringLiteral(" already exists.\nOverwrite?"));
        if (replaced(generation))
            return;
        if (overwrite)
            break;
    }
    if (const auto failure = writeSavedGame(path, toSavedGame(m_game.state())))
        tell(QStringLiteral("Save Failed"), QStringLiteral("The game could not be saved to ") + path
                                                + QStringLiteral(".\n") + *failure);
}

void frmMain::mnuLoadGame_Click()
{
    render();
    const QString path = m_prompts.openFileName(kSaveFilter);
    if (path.isEmpty())
        return;
    const DecodeResult result = readSavedGame(path);
    if (!result.game) {
        const QString where = result.error.line > 0
                                  ? QStringLiteral("Line %1: ").arg(result.error.line)
                                  : QString();
        tell(QStringLiteral("Load Failed"), QStringLiteral("The game in ") + path
                                                + QStringLiteral(" could not be loaded.\n") + where
                                                + result.error.reason);
        return;
    }
    m_game.load(fromSavedGame(*result.game));
}

// ---------------------------------------------------------------------------------------------
// Exit

bool frmMain::confirmClose()
{
    const quint64 generation = m_game.generation();
    if (m_game.state().inProgress()
        && (!ask(QStringLiteral("Game in progress"),
                 QStringLiteral("A game is in progress.\nDo you still want to quit?"))
            || replaced(generation)))
        return false;
    m_quitting = true;
    return true;
}

void frmMain::mnuExit_Click()
{
    if (confirmClose())
        m_prompts.quit();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_quitting || confirmClose())
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------------------------
// Drawing

void frmMain::renderHint()
{
    if (m_hintFrame->isHidden() == m_showHints)
        m_hintFrame->setVisible(m_showHints);
    m_mnuShowHints->setChecked(m_showHints);
    // While the dice are rolling the advice of the moment would flicker; it follows the roll.
    if (!m_showHints || m_show.active)
        return;
    // The computer's own moves are told, not advised; a person's advice follows what the
    // computer did last.
    const GameState &s = m_game.state();
    if (m_narrationGame != m_game.generation())
        m_narration.clear();
    const QString advice = s.computerToMove() ? QString() : hintText(s, m_advisor);
    const QString text = m_narration.isEmpty() || advice.isEmpty()
                             ? m_narration + advice
                             : m_narration + QStringLiteral("\n\n") + advice;
    if (m_hintText->text() != text)
        m_hintText->setText(text);
}

void frmMain::mnuShowHints_Click()
{
    m_showHints = !m_showHints;
    m_settings.saveFlag(settingkeys::kShowHints, m_showHints);
    if (m_showHints)
        startAdvisor();
    renderHint();
}

const QPixmap &frmMain::imgDice(int face) const
{
    static const QPixmap none;
    return face >= 1 && face <= 6 ? m_imgDice[std::size_t(face - 1)] : none;
}

void frmMain::renderDice()
{
    const Turn &turn = m_game.state().turn;
    // While the computer moves, the dice are its own, not the person's.
    const bool enabled = !m_show.active && !m_game.state().computerToMove();
    for (std::size_t i = 0; i < m_imgDiceRolled.size(); ++i) {
        const int rolled = turn.held[i] ? 0 : m_show.active ? m_show.faces[i] : turn.faces[i];
        const int saved = turn.held[i] ? turn.faces[i] : 0;
        m_imgDiceRolled[i]->setFace(rolled, imgDice(rolled));
        m_imgDiceSaved[i]->setFace(saved, imgDice(saved));
        for (DieBox *box : {m_imgDiceRolled[i], m_imgDiceSaved[i]})
            if (box->isEnabled() != enabled)
                box->setEnabled(enabled);
    }
}

void frmMain::render()
{
    renderDice();
    const GameState &s = m_game.state();
    // The focus stays in the window while Roll cannot hold it, and comes back to Roll with it.
    const bool rollEnabled = m_game.canRoll() && !s.computerToMove() && !m_show.active;
    if (m_cmdRoll->isEnabled() != rollEnabled) {
        const bool focused = m_cmdRoll->hasFocus() || focusWidget() == centralWidget()
                             || !focusWidget();
        if (!rollEnabled && m_cmdRoll->hasFocus())
            centralWidget()->setFocus();
        m_cmdRoll->setEnabled(rollEnabled);
        if (rollEnabled && focused)
            m_cmdRoll->setFocus();
    }
    if (m_computer->wantsTable())
        startAdvisor();
    m_mnuSaveGame->setEnabled(s.inProgress() && !m_show.active);
    m_mnuUndo->setEnabled(m_game.canUndo() && !m_show.active);
    m_mnuAnimateDice->setChecked(m_animate);
    for (ScoreGridView *grid : {m_scoreCardTop, m_scoreCardBottom}) {
        grid->cardModel()->show(s, m_setUp);
        // The card ignores clicks while a roll is shown, and keeps its look.
        if (grid->isEnabled() == m_show.active)
            grid->setEnabled(!m_show.active);
    }
    renderPlayAids();
    renderHint();
}

std::vector<Category> frmMain::freeCategories() const
{
    std::vector<Category> free;
    const GameState &s = m_game.state();
    if (!s.inProgress())
        return free;
    for (int c = 0; c < kCategoryCount; ++c)
        if (s.playerToMove().sheet.isFree(Category(c)))
            free.push_back(Category(c));
    return free;
}

std::optional<Category> frmMain::outlined() const
{
    if (!m_game.state().inProgress() || m_game.state().computerToMove())
        return std::nullopt;
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
    const std::optional<Category> category =
        card::categoryAt(upper ? card::Section::Upper : card::Section::Lower, row);
    // The mouse leaving one grid must not undo its entering the other.
    if (row < 0 && m_hovered && isUpper(*m_hovered) != upper)
        return;
    m_hovered = category;
    renderPlayAids();
}

void frmMain::announce(const QString &text)
{
    m_status->setAccessibleDescription(text);
    QAccessibleEvent alert(m_status, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void frmMain::renderPlayAids()
{
    const GameState &s = m_game.state();
    const int player = s.mover;
    const QString name = playerName(player);
    const Turn &turn = s.turn;

    // A new turn: the cursor starts hidden, and a screen reader hears whose turn it is; a roll
    // that has ended is told by its dice.
    const TurnSeen seen{m_game.generation(), player, s.round, s.inProgress()};
    if (seen != m_turn) {
        m_turn = seen;
        m_rollsTold = turn.rollsMade;
        m_cursor.reset();
        if (s.inProgress())
            announce(name + QStringLiteral("'s turn."));
    } else if (!m_show.active && turn.rollsMade != m_rollsTold) {
        m_rollsTold = turn.rollsMade;
        QStringList faces;
        for (int face : turn.faces)
            faces << faceWord(face);
        if (s.inProgress() && turn.rollsMade > 0)
            announce(name + QStringLiteral(" rolled ") + faces.join(QStringLiteral(", "))
                     + QLatin1Char('.'));
    }

    // Where a click scores, and what each free row would score.
    const std::optional<Category> target = outlined();
    const int col = player + 1;
    m_scoreCardTop->setOutline(target && isUpper(*target) ? card::rowOf(*target) : -1, col);
    m_scoreCardBottom->setOutline(target && !isUpper(*target) ? card::rowOf(*target) : -1, col);
    std::map<int, int> upperPoints;
    std::map<int, int> lowerPoints;
    if (m_showPossible && s.inProgress() && turn.rollsMade > 0 && !m_show.active) {
        for (Category c : freeCategories())
            (isUpper(c) ? upperPoints : lowerPoints)[card::rowOf(c)] = categoryScore(c, turn.faces);
    }
    m_scoreCardTop->cardModel()->setPossible(col, upperPoints);
    m_scoreCardBottom->cardModel()->setPossible(col, lowerPoints);

    // What a screen reader says of the dice, of Roll and of the turn.
    const bool pressable = !m_show.active && !s.computerToMove();
    for (std::size_t i = 0; i < m_imgDiceRolled.size(); ++i) {
        const QString die = QStringLiteral("Die %1: ").arg(i + 1);
        const QString key = QString::number(i + 1);
        auto describe = [&](DieBox *box, const QString &place, const QString &press) {
            const int face = box->face();
            const QString spoken = face > 0 ? die + faceWord(face) + place : die + "empty";
            if (box->accessibleName() != spoken)
                box->setAccessibleName(spoken);
            const QString how = face > 0 && pressable ? QStringLiteral("Press ") + key + press : QString();
            if (box->accessibleDescription() != how)
                box->setAccessibleDescription(how);
        };
        describe(m_imgDiceRolled[i], QStringLiteral(", on the table"),
                 QStringLiteral(" to set it aside."));
        describe(m_imgDiceSaved[i], QStringLiteral(", held"), QStringLiteral(" to put it back."));
    }
    QString why;
    QString status;
    if (!s.inProgress()) {
        why = s.over() ? QStringLiteral("The game is over.") : QStringLiteral("No game in progress.");
    } else if (m_show.active) {
        why = QStringLiteral("The dice are rolling.");
        status = name + QStringLiteral(" — rolling");
    } else if (turn.rollsMade >= kRollsPerTurn) {
        why = QStringLiteral("No rolls left: choose a category.");
        status = name + QStringLiteral(" — choose a category");
    } else {
        const QString next = QStringLiteral("Roll %1 of 3").arg(turn.rollsMade + 1);
        why = s.computerToMove() ? name + QStringLiteral(" is playing.") : next;
        status = name + QStringLiteral(" — roll %1 of 3").arg(turn.rollsMade + 1);
    }
    if (m_cmdRoll->accessibleDescription() != why)
        m_cmdRoll->setAccessibleDescription(why);
    if (m_status->text() != status)
        m_status->setText(status);
}

// ---------------------------------------------------------------------------------------------
// Keys

void frmMain::keyDie(int die)
{
    const int i = die - 1;
    if (m_game.canHold(i))
        imgDiceRolled_Click(i);
    else if (m_game.canRelease(i))
        imgDiceSaved_Click(i);
}

void frmMain::keyCursor(int step)
{
    if (!m_game.state().inProgress() || m_game.state().computerToMove())
        return;
    const std::vector<Category> free = freeCategories();
    if (free.empty())
        return;
    auto at = m_cursor ? std::find(free.begin(), free.end(), *m_cursor) : free.end();
    if (at == free.end())
        m_cursor = free.front();
    else if (step < 0 && at != free.begin())
        m_cursor = *(at - 1);
    else if (step > 0 && at + 1 != free.end())
        m_cursor = *(at + 1);
    m_hovered.reset();
    renderPlayAids();
}

void frmMain::keyEnter()
{
    // Enter scores where the outline stands, which is where a click would score.
    const std::optional<Category> target = outlined();
    if (!target)
        return keyCursor(0);
    scoreCategory(*target);
}

// ---------------------------------------------------------------------------------------------
// Other windows

void frmMain::mnuShowPossibleScores_Click()
{
    m_showPossible = !m_showPossible;
    m_settings.saveFlag(settingkeys::kShowPossibleScores, m_showPossible);
    m_mnuShowPossibleScores->setChecked(m_showPossible);
    renderPlayAids();
}

void frmMain::mnuHowToPlay_Click()
{
    if (!m_howToPlay) {
        m_howToPlay = new frmHowToPlay(this);
        m_howToPlay->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_howToPlay->show();
    m_howToPlay->raise();
    m_howToPlay->activateWindow();
}

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::mnuRecords_Click()
{
    showRecords(std::nullopt);
}

void frmMain::showRecords(std::optional<qint64> markGame)
{
    // One window at a time, made anew so it shows the records of this moment.
    if (m_recordsWindow)
        m_recordsWindow->close();
    m_recordsWindow = new frmRecords(m_records, m_prompts, markGame, this);
    m_recordsWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_recordsWindow->show();
}
