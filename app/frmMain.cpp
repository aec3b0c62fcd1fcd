#include "frmMain.h"

#include "ComputerDriver.h"
#include "DieBox.h"
#include "Fonts.h"
#include "ScoreGridView.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmRecords.h"
#include "Hint.h"
#include "SettingsStore.h"

#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

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
}  // namespace

frmMain::frmMain(Platform &platform, SettingsStore &settings, OptimalPlay &advisor,
                 records::RecordStore &records, QWidget *parent)
    : QMainWindow(parent), m_platform(platform), m_settings(settings), m_records(records),
      m_game(platform, settings), m_advisor(advisor)
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
    m_game.Form_Load();
    m_showHints = m_settings.flag(settingkeys::kShowHints);
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
    // The views read the game's score cards: they go first, before the game they show.
    delete takeCentralWidget();
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
    m_mnuSaveGame = game->addAction(QStringLiteral("&Save"));
    m_mnuLoadGame = game->addAction(QStringLiteral("&Load"));
    m_mnuRecords = game->addAction(QStringLiteral("&Records…"));
    game->addSeparator();
    m_mnuExit = game->addAction(QStringLiteral("E&xit"));
    QMenu *settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    m_mnuAnimateDice = settings->addAction(QStringLiteral("&Animate Die Rolls"));
    m_mnuAnimateDice->setCheckable(true);
    m_mnuShowHints = settings->addAction(QStringLiteral("Show &Hints"));
    m_mnuShowHints->setCheckable(true);
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
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
}

void frmMain::buildControls()
{
    auto *client = new Backdrop(this);
    client->setFixedSize(twips::px(12810), twips::px(8985));
    setCentralWidget(client);

    // Created in tab order; only the Roll button takes the focus.
    m_scoreCardTop = new ScoreGridView(m_game.top(), client);
    m_scoreCardTop->setGeometry(twips::rect(120, 120, 7335, 4095));
    m_scoreCardBottom = new ScoreGridView(m_game.bottom(), client);
    m_scoreCardBottom->setGeometry(twips::rect(120, 4185, 7335, 4575));
    connect(m_scoreCardTop, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardTop);
    connect(m_scoreCardBottom, &ScoreGridView::cellClicked, this, &frmMain::clickScoreCardBottom);

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

    // The hint panel fills the free black area under the Roll button.
    m_hintFrame = new DiceFrame(QStringLiteral("Hints"), client);
    m_hintFrame->setGeometry(twips::rect(7560, 4440, 5055, 4320));
    m_hintFrame->setFont(fonts::compactSans());
    m_hintFrame->setPalette(m_frame1[0]->palette());
    m_hintFrame->setAutoFillBackground(true);
    m_hintText = new QLabel(m_hintFrame);
    m_hintText->setGeometry(twips::rect(240, 360, 4575, 3840));
    m_hintText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_hintText->setWordWrap(true);
    m_hintText->setTextFormat(Qt::PlainText);
    QFont hintFont = fonts::compactSans();
    hintFont.setPointSizeF(10.5);
    m_hintText->setFont(hintFont);
    QPalette hintColours = m_hintText->palette();
    hintColours.setColor(QPalette::WindowText, QColor(230, 230, 230));
    m_hintText->setPalette(hintColours);
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
    const bool diceEnabled = m_game.diceEnabled();
    for (std::size_t i = 0; i < 5; ++i) {
        m_imgDiceRolled[i]->setFace(rolled[i], imgDice(rolled[i]));
        m_imgDiceSaved[i]->setFace(saved[i], imgDice(saved[i]));
        if (m_imgDiceRolled[i]->isEnabled() != diceEnabled)
            m_imgDiceRolled[i]->setEnabled(diceEnabled);
        if (m_imgDiceSaved[i]->isEnabled() != diceEnabled)
            m_imgDiceSaved[i]->setEnabled(diceEnabled);
    }
    // While the computer moves, Roll is its own, not the person's.
    const bool rollEnabled = m_game.rollEnabled() && !m_game.computerToMove();
    if (m_cmdRoll->isEnabled() != rollEnabled)
        m_cmdRoll->setEnabled(rollEnabled);
    // A strong or perfect computer plays from the advisor's table: work it out from the start.
    if (m_game.state().GameInProgress) {
        for (int p = 1; p <= m_game.state().NumPlayers; ++p) {
            const SeatKind kind = m_game.seatKind(p);
            if (kind == SeatKind::Strong || kind == SeatKind::Perfect)
                startAdvisor();
        }
    }
    m_mnuSaveGame->setEnabled(m_game.saveEnabled());
    m_mnuAnimateDice->setChecked(m_game.state().AnimateDice);
    m_scoreCardTop->refresh();
    m_scoreCardBottom->refresh();
    renderHint();
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
    if (!m_game.computerToMove() && selectCell(m_game.top(), row, col))
        ScoreCardTop_Click();
}

void frmMain::clickScoreCardBottom(int row, int col)
{
    if (!m_game.computerToMove() && selectCell(m_game.bottom(), row, col))
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
    const GameState &s = m_game.state();
    records::GameRecord record;
    record.endedAt = QDateTime::currentDateTime();
    for (int p = 1; p <= s.NumPlayers; ++p) {
        const auto slot = std::size_t(p);
        records::SeatRecord seat;
        seat.name = s.PlayerNames[slot];
        seat.kind = seatKindName(m_game.seatKind(p));
        seat.upperTotal = s.UpperTotal[slot];
        seat.bonus = earnsUpperBonus(seat.upperTotal) ? kUpperBonus : 0;
        seat.lowerTotal = s.LowerTotal[slot];
        seat.grandTotal = s.GrandTotal[slot];
        for (int c = 0; c < kCategoryCount; ++c) {
            const Category category = Category(c);
            const ScoreCard &grid = isUpper(category) ? m_game.top() : m_game.bottom();
            seat.entries[std::size_t(c)] = grid.textMatrix(categoryRow(category), p).toInt();
        }
        record.seats.push_back(seat);
    }
    m_lastRecord = m_records.record(record);
}

void frmMain::afterGameOver()
{
    const records::Fetched<records::Recorded> recorded = std::exchange(m_lastRecord, {});
    if (!recorded.status.message.isEmpty())
        m_platform.tell(QStringLiteral("Records"), recorded.status.message);
    else if (recorded.status.ok && recorded.value.topTen)
        showRecords(recorded.value.gameId);
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
