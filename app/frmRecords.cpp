#include "frmRecords.h"

#include "MarkedRow.h"
#include "PendingGames.h"
#include "Prompts.h"
#include "ShownName.h"
#include "ScoreHistogram.h"

#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace records;

namespace {
enum Column { RankCol, NameCol, KindCol, ScoreCol, DateCol, ColumnCount };

// The figures' names, each followed by a colon on the page.
const std::array<const char *, frmRecords::StatisticCount> kStatisticNames = {
    QT_TRANSLATE_NOOP("frmRecords", "Games"),
    QT_TRANSLATE_NOOP("frmRecords", "Wins"),
    //: The average final score.
    QT_TRANSLATE_NOOP("frmRecords", "Average"),
    //: The best final score.
    QT_TRANSLATE_NOOP("frmRecords", "Best"),
    //: In how many games the upper section's bonus was earned.
    QT_TRANSLATE_NOOP("frmRecords", "Bonus earned"),
    //: How many times five alike were entered as a Kelbrune.
    QT_TRANSLATE_NOOP("frmRecords", "Kelbrunes"),
    //: The expected points lost to decisions short of the best, by the advisor's reckoning.
    QT_TRANSLATE_NOOP("frmRecords", "Points given away")};

QString percentOf(qint64 part, qint64 whole)
{
    const int percent = whole == 0 ? 0 : qRound(100.0 * part / whole);
    //: A share in per cent, written as the language writes it (a blank before the sign, say).
    return frmRecords::tr("%1%").arg(QLocale().toString(percent));
}

QString statisticText(frmRecords::Statistic which, const PlayerStats &p)
{
    const QLocale locale;
    switch (which) {
    case frmRecords::Games:
        return locale.toString(p.games);
    case frmRecords::Wins:
        return locale.toString(p.wins);
    case frmRecords::Average:
        return locale.toString(p.average, 'f', 1);
    case frmRecords::Best:
        return locale.toString(p.best);
    case frmRecords::Bonus:
        //: In how many of a player's games the bonus was earned; %1 the games with the bonus,
        //: %2 their share in per cent: "2 of 4 games (50%)".
        return frmRecords::tr("%1 of %Ln games (%2)", nullptr, int(p.games))
            .arg(locale.toString(p.bonuses), percentOf(p.bonuses, p.games));
    case frmRecords::Kelbrunes:
        return locale.toString(p.kelbrunes);
    case frmRecords::PointsLost:
        // An average a game; games recorded before it was kept, or loaded part-way, know none.
        //: The average of the points given away, a game.
        return p.pointsLost ? frmRecords::tr("%1 a game").arg(locale.toString(p.pointsLost.value(), 'f', 1))
                            : frmRecords::tr("not known");
    case frmRecords::StatisticCount:
        break;
    }
    return {};
}

// A player as the Players tab lists them: a computer seat with its strength.
// A seat's kind as the records keep it, in the player's language; a word no version of the game
// writes (a hand-edited file) as it stands.
QString kindLabel(const QString &kind)
{
    const std::optional<SeatKind> known = seatKindFromName(kind);
    return known ? seatKindLabel(*known) : shownName(kind);
}

QString playerLabel(const QString &name, const QString &kind)
{
    if (kind == kHumanKind)
        return shownName(name);
    //: A computer seat in the records: %1 its name, %2 its strength, as in "Computer 1 (Strong)".
    return frmRecords::tr("%1 (%2)").arg(shownName(name), kindLabel(kind));
}

// What a screen reader says for a player in the list, so arrowing through it reads the figures.
QString spoken(const PlayerStats &p)
{
    const QLocale locale;
    //: The figures of a player as a screen reader reads them, one after the other.
    return QStringList{frmRecords::tr("%Ln games", nullptr, int(p.games)),
                       frmRecords::tr("%Ln wins", nullptr, int(p.wins)),
                       //: %1 is the average final score.
                       frmRecords::tr("average %1").arg(locale.toString(p.average, 'f', 1)),
                       //: %1 is the best final score.
                       frmRecords::tr("best %1").arg(locale.toString(p.best)),
                       //: In how many games the upper section's bonus was earned.
                       frmRecords::tr("bonus in %Ln games", nullptr, int(p.bonuses)),
                       //: How many times five alike were entered as a Kelbrune.
                       frmRecords::tr("%Ln Kelbrunes", nullptr, int(p.kelbrunes))}
        .join(QStringLiteral(", "));
}
}  // namespace

frmRecords::frmRecords(RecordStore &store, Prompts &prompts, std::optional<qint64> markGame,
                       QWidget *owner)
    : QDialog(owner), m_store(store), m_prompts(prompts), m_markGame(markGame)
{
    //: The window of the best scores and each player's figures.
    setWindowTitle(tr("Records"));

    auto *tabs = new QTabWidget(this);
    tabs->setAccessibleName(tr("Records"));
    tabs->addTab(buildTopTenPage(), tr("&Top Ten"));
    tabs->addTab(buildPlayersPage(), tr("&Players"));

    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();

    m_cmdClear = new QPushButton(tr("Clea&r Records…"), this);
    m_cmdClear->setAccessibleName(tr("Clear Records"));
    m_cmdClear->setAutoDefault(false);
    auto *closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setDefault(true);
    connect(m_cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // Shown only while this session has a finished game to review.
    m_cmdReview = new QPushButton(tr("Re&view Last Game…"), this);
    m_cmdReview->setAutoDefault(false);
    m_cmdReview->hide();
    connect(m_cmdReview, &QPushButton::clicked, this, &frmRecords::reviewRequested);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_cmdReview);
    buttons->addStretch();
    buttons->addWidget(m_cmdClear);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addWidget(m_problem);
    layout->addLayout(buttons);

    setTabOrder(tabs, m_topTen);
    setTabOrder(m_topTen, m_players);
    setTabOrder(m_players, m_histogram);
    setTabOrder(m_histogram, m_cmdReview);
    setTabOrder(m_cmdReview, m_cmdClear);
    setTabOrder(m_cmdClear, closeButton);

    reload();
    resize(620, 460);
}

void frmRecords::offerReview(bool offered)
{
    m_cmdReview->setVisible(offered);
}

QWidget *frmRecords::buildTopTenPage()
{
    auto *page = new QWidget;
    m_topCaption = new QLabel(page);
    m_topCaption->setWordWrap(true);

    m_topTen = new QTableWidget(0, ColumnCount, page);
    m_topTen->setAccessibleName(tr("Ten best grand totals"));
    m_topTen->setHorizontalHeaderLabels(
        //: "Kind" heads the column of who played the seat: a person, or the computer's strength.
        {tr("Rank"), tr("Name"), tr("Kind"), tr("Score"), tr("Date")});
    m_topTen->verticalHeader()->hide();
    m_topTen->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_topTen->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_topTen->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table for the next control instead of walking its cells.
    m_topTen->setTabKeyNavigation(false);
    m_topTen->setWordWrap(false);
    QHeaderView *header = m_topTen->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(NameCol, QHeaderView::Stretch);
    header->setHighlightSections(false);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_topCaption);
    layout->addWidget(m_topTen, 1);
    return page;
}

QWidget *frmRecords::buildPlayersPage()
{
    auto *page = new QWidget;
    m_players = new QListWidget(page);
    m_players->setAccessibleName(tr("Players"));
    m_players->setTabKeyNavigation(false);
    m_players->setMaximumWidth(190);
    connect(m_players, &QListWidget::currentRowChanged, this, &frmRecords::showPlayer);

    auto *figures = new QFormLayout;
    for (int i = 0; i < StatisticCount; ++i) {
        const QString name = tr(kStatisticNames[std::size_t(i)]);
        // Unnamed: a screen reader reads a label's text only when it has no name of its own.
        auto *value = new QLabel(page);
        value->setTextFormat(Qt::PlainText);
        //: A figure's name on the Players page, followed by its value: "Games:".
        figures->addRow(tr("%1:").arg(name), value);
        m_values[std::size_t(i)] = value;
    }
    m_histogram = new ScoreHistogram(page);

    auto *right = new QVBoxLayout;
    right->addLayout(figures);
    right->addWidget(m_histogram, 1);
    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_players);
    layout->addLayout(right, 1);
    return page;
}

void frmRecords::report(const Status &status)
{
    say(status.ok ? status.message : status.failure);
}

void frmRecords::say(const QString &text)
{
    if (text.isEmpty() || m_said.contains(text))
        return;
    m_said << text;
    m_problem->setText(m_said.join(QStringLiteral("\n")));
    m_problem->show();
}

void frmRecords::reload()
{
    m_said.clear();
    m_problem->clear();
    m_problem->hide();

    const Fetched<QList<TopEntry>> top = m_store.topTen();
    report(top.status);
    m_topTen->setRowCount(int(top.value.size()));
    std::optional<std::pair<QString, QString>> markedPlayer;
    const QLocale locale;
    for (int row = 0; row < int(top.value.size()); ++row) {
        const TopEntry &e = top.value[row];
        const bool marked = m_markGame && *m_markGame == e.gameId;
        const std::array<QString, ColumnCount> texts = {
            locale.toString(e.rank), shownName(e.name), kindLabel(e.kind), locale.toString(e.score),
            locale.toString(e.endedAt.date(), QLocale::ShortFormat)};
        for (int col = 0; col < ColumnCount; ++col) {
            auto *item = new QTableWidgetItem(texts[std::size_t(col)]);
            if (col == RankCol || col == ScoreCol)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (marked)
                markItem(item, tr("The game just finished"));
            m_topTen->setItem(row, col, item);
        }
        if (marked && !markedPlayer) {
            markedPlayer = {e.name, e.kind};
            // Current without being selected, so its highlight is not hidden under the selection.
            m_topTen->selectionModel()->setCurrentIndex(m_topTen->model()->index(row, NameCol),
                                                        QItemSelectionModel::NoUpdate);
        }
    }
    QString caption = !top.status.ok      ? tr("The records cannot be shown.")
                      : top.value.isEmpty() ? tr("No games have been recorded yet.")
                                            : tr("The ten best grand totals ever.");
    if (markedPlayer)
        caption += QLatin1Char(' ') + tr("The game just finished is highlighted.");
    m_topCaption->setText(caption);

    const Fetched<QList<PlayerStats>> players = m_store.players();
    report(players.status);
    m_stats = players.value;
    {
        const QSignalBlocker quiet(m_players);
        m_players->clear();
        for (const PlayerStats &p : m_stats) {
            auto *item = new QListWidgetItem(playerLabel(p.name, p.kind), m_players);
            item->setData(Qt::AccessibleDescriptionRole, spoken(p));
        }
    }
    int chosen = 0;
    for (int i = 0; i < int(m_stats.size()); ++i)
        if (markedPlayer && std::pair(m_stats[i].name, m_stats[i].kind) == *markedPlayer)
            chosen = i;
    if (m_stats.isEmpty())
        showPlayer(-1);
    else
        m_players->setCurrentRow(chosen);
    m_cmdClear->setEnabled(!top.value.isEmpty());

    // Games that wait to be written, and why the file cannot be written now, though it reads.
    report(m_store.checkWritable());
    const int waiting = PendingGames(m_store.path()).count();
    if (waiting > 0) {
        //: A file's path in the quotation marks of the language.
        const QString where = tr("“%1”").arg(
            QDir::toNativeSeparators(PendingGames(m_store.path()).path()));
        //: %1 is a file's path in quotation marks.
        say(tr("%Ln finished games are kept in %1 until the records can be written.", nullptr,
               waiting)
                .arg(where));
    }
}

void frmRecords::showPlayer(int row)
{
    if (row < 0 || row >= int(m_stats.size())) {
        for (QLabel *value : m_values)
            value->clear();
        m_histogram->setScores({}, {});
        return;
    }
    const PlayerStats &p = m_stats[row];
    for (int i = 0; i < StatisticCount; ++i)
        m_values[std::size_t(i)]->setText(statisticText(Statistic(i), p));
    const Fetched<QList<qint64>> scores = m_store.scoresOf(p.name, p.kind);
    report(scores.status);
    m_histogram->setScores(playerLabel(p.name, p.kind), scores.value);
}

void frmRecords::cmdClear_Click()
{
    if (!m_prompts.askYesNo(tr("Clear Records"),
                            tr("Remove the records of every finished game? This cannot be "
                               "undone.")))
        return;
    const Status cleared = m_store.clear();
    if (cleared.ok)
        PendingGames(m_store.path()).clear();
    m_markGame.reset();
    reload();
    report(cleared);
}
