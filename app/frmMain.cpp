#include "frmMain.h"

#include "ComputerDriver.h"
#include "DieBox.h"
#include "Fonts.h"
#include "ScoreCardLayout.h"
#include "ScoreGridView.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmHowToPlay.h"
#include "frmRecords.h"
#include "Hint.h"
#include "Recording.h"
#include "SettingsStore.h"

#include <QCloseEvent>
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
}  // namespace

frmMain::frmMain(Platform &platform, SettingsStore &settings, OptimalPlay &advisor,
                 records::RecordStore &records, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_settings(settings), m_records(records),
      m_recorder(records.path()), m_game(platform, settings), m_advisor(advisor)
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

    buildMenus();
    buildControls();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_computer = new ComputerDriver(m_game, platform, m_advisor, this);
    connect(m_computer, &ComputerDriver::narrationChanged, this, &frmMain::renderHint);
    connect(&m_game, &Game::changed, this, &frmMain::render);
    connect(&m_game, &Game::ended, this, &frmMain::recordGame);
    connect(&m_game, &Game::endAnnounced, this, &frmMain::afterGameOver);
    connect(&m_recorder, &records::Recorder::finished, this, &frmMain::recorded);
    m_game.Form_Load();
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
    m_scoreCardTop = new ScoreGridView(m_game.top(), topRowCategory, client);
    m_scoreCardTop->setGeometry(twips::rect(120, 120, 7335, 4095));
    m_scoreCardBottom = new ScoreGridView(m_game.bottom(), bottomRowCategory, client);
    m_scoreCardBottom->setGeometry(twips::rect(120, 4185, 7335, 4575));
    connect(m_scoreCardTop, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardTop);
    connect(m_scoreCardBottom, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardBottom);
    connect(m_scoreCardTop, &ScoreGridView::rowHovered, this, [this](int row) { hoverRow(true, row); });
    connect(m_scoreCardBottom, &ScoreGridView::rowHovered, this,
            [this](int row) { hoverRow(false, row); });
    m_scoreCardTop->setAccessibleName(QStringLiteral("Upper section of the score card"));
    m_scoreCardBottom->setAccessibleName(QStringLiteral("Lower section of the score card"));
    // A screen reader names each cell by its player.
    auto playerName = [this](int col) { return m_game.playerName(col); };
    m_scoreCardTop->cardModel()->setPlayerNames(playerName);
    m_scoreCardBottom->cardModel()->setPlayerNames(playerName);

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

void frmMain::renderHint()
{
    if (m_hintFrame->isHidden() == m_showHints)
        m_hintFrame->setVisible(m_showHints);
    m_mnuShowHints->setChecked(m_showHints);
    // While the dice are rolling the advice of the moment would flicker; it follows the roll.
    if (!m_showHints || m_game.rolling())
        return;
    // The computer's own moves are told, not advised; a person's advice follows what the
    // computer did last.
    const QString told = m_computer->narration();
    const QString advice = m_game.computerToMove() ? QString() : hintText(m_game, m_advisor);
    const QString text = told.isEmpty() || advice.isEmpty() ? told + advice
                                                            : told + QStringLiteral("\n\n") + advice;
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

void frmMain::render()
{
    const auto &rolled = m_game.rolledFaces();
    const auto &saved = m_game.savedFaces();
    // While the computer moves, the dice and Roll are its own, not the person's.
    const bool diceEnabled = m_game.diceEnabled() && !m_game.computerToMove();
    for (std::size_t i = 0; i < 5; ++i) {
        m_imgDiceRolled[i]->setFace(rolled[i], imgDice(rolled[i]));
        m_imgDiceSaved[i]->setFace(saved[i], imgDice(saved[i]));
        if (m_imgDiceRolled[i]->isEnabled() != diceEnabled)
            m_imgDiceRolled[i]->setEnabled(diceEnabled);
        if (m_imgDiceSaved[i]->isEnabled() != diceEnabled)
            m_imgDiceSaved[i]->setEnabled(diceEnabled);
    }
    // The focus stays in the window while Roll cannot hold it, and comes back to Roll with it.
    const bool rollEnabled = m_game.rollEnabled() && !m_game.computerToMove();
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
    m_mnuSaveGame->setEnabled(m_game.saveEnabled());
    m_mnuUndo->setEnabled(m_game.canUndo());
    m_mnuAnimateDice->setChecked(m_game.state().AnimateDice);
    m_scoreCardTop->refresh();
    m_scoreCardBottom->refresh();
    renderPlayAids();
    renderHint();
}

std::vector<Category> frmMain::freeCategories() const
{
    std::vector<Category> free;
    for (int c = 0; c < kCategoryCount; ++c)
        if (m_game.entry(m_game.state().CurrentPlayer, Category(c)).isEmpty())
            free.push_back(Category(c));
    return free;
}

std::optional<Category> frmMain::outlined() const
{
    if (!m_game.state().GameInProgress || m_game.computerToMove())
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
    const std::optional<Category> category = upper ? topRowCategory(row) : bottomRowCategory(row);
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
    const int player = s.CurrentPlayer;
    const QString name = m_game.playerName(player);

    // A new turn: the cursor starts hidden, and a screen reader hears whose turn it is; a roll
    // that has ended is told by its dice.
    const Turn turn{m_game.generation(), player, s.RoundCount, s.GameInProgress};
    if (turn != m_turn) {
        m_turn = turn;
        m_rollsTold = s.RollCount;
        m_cursor.reset();
        if (s.GameInProgress)
            announce(name + QStringLiteral("'s turn."));
    } else if (!m_game.rolling() && s.RollCount != m_rollsTold) {
        m_rollsTold = s.RollCount;
        QStringList faces;
        for (qint16 face : s.DiceValue)
            faces << faceWord(face);
        if (s.GameInProgress && s.RollCount > 0)
            announce(name + QStringLiteral(" rolled ") + faces.join(QStringLiteral(", "))
                     + QLatin1Char('.'));
    }

    // Where a click scores, and what each free row would score.
    const std::optional<Category> target = outlined();
    m_scoreCardTop->setOutline(target && isUpper(*target) ? categoryRow(*target) : -1, player);
    m_scoreCardBottom->setOutline(target && !isUpper(*target) ? categoryRow(*target) : -1,
                                  player);
    std::map<int, int> upperPoints;
    std::map<int, int> lowerPoints;
    if (m_showPossible && s.GameInProgress && s.RollCount > 0 && !m_game.rolling()) {
        for (Category c : freeCategories())
            (isUpper(c) ? upperPoints : lowerPoints)[categoryRow(c)] = categoryScore(c, m_game.dice());
    }
    m_scoreCardTop->cardModel()->setPossible(player, upperPoints);
    m_scoreCardBottom->cardModel()->setPossible(player, lowerPoints);

    // What a screen reader says of the dice, of Roll and of the turn.
    const auto &rolled = m_game.rolledFaces();
    const auto &saved = m_game.savedFaces();
    const bool pressable = m_game.diceEnabled() && !m_game.computerToMove();
    for (std::size_t i = 0; i < 5; ++i) {
        const QString die = QStringLiteral("Die %1: ").arg(i + 1);
        const QString key = QString::number(i + 1);
        auto describe = [&](DieBox *box, int face, const QString &place, const QString &press) {
            const QString spoken = face > 0 ? die + faceWord(face) + place : die + "empty";
            if (box->accessibleName() != spoken)
                box->setAccessibleName(spoken);
            const QString how = face > 0 && pressable ? QStringLiteral("Press ") + key + press : QString();
            if (box->accessibleDescription() != how)
                box->setAccessibleDescription(how);
        };
        describe(m_imgDiceRolled[i], rolled[i], QStringLiteral(", on the table"),
                 QStringLiteral(" to set it aside."));
        describe(m_imgDiceSaved[i], saved[i], QStringLiteral(", held"),
                 QStringLiteral(" to put it back."));
    }
    QString why;
    QString status;
    if (!s.GameInProgress) {
        why = s.RoundCount == 13 ? QStringLiteral("The game is over.")
                                 : QStringLiteral("No game in progress.");
    } else if (m_game.rolling()) {
        why = QStringLiteral("The dice are rolling.");
        status = name + QStringLiteral(" — rolling");
    } else if (s.RollCount >= 3) {
        why = QStringLiteral("No rolls left: choose a category.");
        status = name + QStringLiteral(" — choose a category");
    } else {
        const QString next = QStringLiteral("Roll %1 of 3").arg(s.RollCount + 1);
        why = m_game.computerToMove() ? name + QStringLiteral(" is playing.") : next;
        status = name + QStringLiteral(" — roll %1 of 3").arg(s.RollCount + 1);
    }
    if (m_cmdRoll->accessibleDescription() != why)
        m_cmdRoll->setAccessibleDescription(why);
    if (m_status->text() != status)
        m_status->setText(status);
}

void frmMain::keyDie(int die)
{
    const int i = die - 1;
    if (i < 0 || i > 4)
        return;
    if (m_game.rolledFaces()[std::size_t(i)] != 0)
        imgDiceRolled_Click(i);
    else if (m_game.savedFaces()[std::size_t(i)] != 0)
        imgDiceSaved_Click(i);
}

void frmMain::keyCursor(int step)
{
    if (!m_game.state().GameInProgress || m_game.computerToMove())
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
    const Category category = *target;
    const int player = m_game.state().CurrentPlayer;
    if (isUpper(category))
        clickScoreCardTop(categoryRow(category), player);
    else
        clickScoreCardBottom(categoryRow(category), player);
}

void frmMain::mnuUndo_Click()
{
    m_game.mnuUndo_Click();
}

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

// Each handler only routes: the game says when the window must be redrawn (Game::changed).
// While the computer is to move, the dice and the card are its own: a person's clicks do nothing.
void frmMain::cmdRoll_Click()
{
    if (!m_game.computerToMove())
        m_game.cmdRoll_Click();
}

void frmMain::imgDiceRolled_Click(int index)
{
    if (!m_game.computerToMove())
        m_game.imgDiceRolled_Click(index);
}

void frmMain::imgDiceSaved_Click(int index)
{
    if (!m_game.computerToMove())
        m_game.imgDiceSaved_Click(index);
}

void frmMain::ScoreCardTop_Click()
{
    if (!m_game.computerToMove())
        m_game.ScoreCardTop_Click();
}

void frmMain::ScoreCardBottom_Click()
{
    if (!m_game.computerToMove())
        m_game.ScoreCardBottom_Click();
}

void frmMain::clickScoreCardTop(int row, int col)
{
    if (selectCell(m_game.top(), row, col))
        ScoreCardTop_Click();
}

void frmMain::clickScoreCardBottom(int row, int col)
{
    if (selectCell(m_game.bottom(), row, col))
        ScoreCardBottom_Click();
}

bool frmMain::selectCell(ScoreCard &grid, int row, int col)
{
    // A disabled grid ignores clicks; an enabled one leaves the clicked cell current.
    if (!grid.enabled())
        return false;
    grid.setRow(row);
    grid.setCol(col);
    return true;
}

void frmMain::mnuNewGame_Click() { m_game.mnuNewGame_Click(); }
void frmMain::mnuNewAgainstComputer_Click() { m_game.mnuNewAgainstComputer_Click(); }
void frmMain::mnuSaveGame_Click() { m_game.mnuSaveGame_Click(); }
void frmMain::mnuLoadGame_Click() { m_game.mnuLoadGame_Click(); }
void frmMain::mnuExit_Click() { m_game.mnuExit_Click(); }
void frmMain::mnuAnimateDice_Click() { m_game.mnuAnimateDice_Click(); }

void frmMain::mnuAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

void frmMain::recordGame()
{
    m_recordTicket = m_recorder.record(recordOf(m_game));
    m_recordOutcome.reset();
    m_gameOverClosed = false;
}

void frmMain::afterGameOver()
{
    m_gameOverClosed = true;
    tellRecorded();
}

void frmMain::recorded(quint64 ticket, const records::Outcome &outcome)
{
    // What an earlier game's answer says is told with the next.
    if (!outcome.message.isEmpty())
        m_recordsNews << outcome.message;
    if (ticket == m_recordTicket)
        m_recordOutcome = outcome;
    tellRecorded();
}

void frmMain::tellRecorded()
{
    if (!m_gameOverClosed || !m_recordOutcome)
        return;
    const records::Outcome outcome = *std::exchange(m_recordOutcome, std::nullopt);
    m_gameOverClosed = false;
    const QStringList news = std::exchange(m_recordsNews, {});
    if (!news.isEmpty())
        m_platform.tell(QStringLiteral("Records"), news.join(QStringLiteral("\n\n")));
    else if (outcome.kind == records::Outcome::Kind::Recorded && outcome.recorded.topTen)
        showRecords(outcome.recorded.gameId);
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
    m_recordsWindow = new frmRecords(m_records, m_platform, markGame, this);
    m_recordsWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_recordsWindow->show();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_game.quitting() || m_game.confirmClose())
        event->accept();
    else
        event->ignore();
}
