#include "frmRecords.h"

#include "Prompts.h"
#include "ScoreHistogram.h"

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

const std::array<const char *, frmRecords::StatisticCount> kStatisticNames = {
    "Games", "Wins", "Average", "Best", "Bonus earned", "Kelbrunes"};

const QColor kMarkedBack(255, 236, 150);
const QColor kMarkedText(0, 0, 0);

QString percentOf(int part, int whole)
{
    return whole == 0 ? QStringLiteral("0%")
                      : QStringLiteral("%1%").arg(qRound(100.0 * part / whole));
}

QString statisticText(frmRecords::Statistic which, const PlayerStats &p)
{
    switch (which) {
    case frmRecords::Games:
        return QString::number(p.games);
    case frmRecords::Wins:
        return QString::number(p.wins);
    case frmRecords::Average:
        return QString::number(p.average, 'f', 1);
    case frmRecords::Best:
        return QString::number(p.best);
    case frmRecords::Bonus:
        return QStringLiteral("%1 of %2 games (%3)")
            .arg(p.bonuses)
            .arg(p.games)
            .arg(percentOf(p.bonuses, p.games));
    case frmRecords::Kelbrunes:
        return QString::number(p.kelbrunes);
    case frmRecords::StatisticCount:
        break;
    }
    return {};
}

// What a screen reader says for a player in the list, so arrowing through it reads the figures.
QString spoken(const PlayerStats &p)
{
    return QStringLiteral("%1 games, %2 wins, average %3, best %4, bonus in %5 games, %6 Kelbrunes")
        .arg(p.games)
        .arg(p.wins)
        .arg(QString::number(p.average, 'f', 1))
        .arg(p.best)
        .arg(p.bonuses)
        .arg(p.kelbrunes);
}
}  // namespace

frmRecords::frmRecords(RecordStore &store, Prompts &prompts, std::optional<qint64> markGame,
                       QWidget *owner)
    : QDialog(owner), m_store(store), m_prompts(prompts), m_markGame(markGame)
{
    setWindowTitle(QStringLiteral("Records"));

    auto *tabs = new QTabWidget(this);
    tabs->setAccessibleName(QStringLiteral("Records"));
    tabs->addTab(buildTopTenPage(), QStringLiteral("&Top Ten"));
    tabs->addTab(buildPlayersPage(), QStringLiteral("&Players"));

    m_problem = new QLabel(this);
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->hide();

    m_cmdClear = new QPushButton(QStringLiteral("Clea&r Records\u2026"), this);
    m_cmdClear->setAccessibleName(QStringLiteral("Clear Records"));
    m_cmdClear->setAutoDefault(false);
    auto *closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setAccessibleName(QStringLiteral("Close"));
    closeButton->setDefault(true);
    connect(m_cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
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
    setTabOrder(m_histogram, m_cmdClear);
    setTabOrder(m_cmdClear, closeButton);

    reload();
    resize(620, 460);
}

QWidget *frmRecords::buildTopTenPage()
{
    auto *page = new QWidget;
    m_topCaption = new QLabel(page);
    m_topCaption->setWordWrap(true);

    m_topTen = new QTableWidget(0, ColumnCount, page);
    m_topTen->setAccessibleName(QStringLiteral("Ten best grand totals"));
    m_topTen->setHorizontalHeaderLabels(
        {QStringLiteral("Rank"), QStringLiteral("Name"), QStringLiteral("Kind"),
         QStringLiteral("Score"), QStringLiteral("Date")});
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
    m_players->setAccessibleName(QStringLiteral("Players"));
    m_players->setTabKeyNavigation(false);
    m_players->setMaximumWidth(190);
    connect(m_players, &QListWidget::currentRowChanged, this, &frmRecords::showPlayer);

    auto *figures = new QFormLayout;
    for (int i = 0; i < StatisticCount; ++i) {
        const QString name = QString::fromLatin1(kStatisticNames[std::size_t(i)]);
        // Unnamed: a screen reader reads a label's text only when it has no name of its own.
        auto *value = new QLabel(page);
        value->setTextFormat(Qt::PlainText);
        figures->addRow(name + QLatin1Char(':'), value);
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
    QString text = status.ok ? status.message : status.failure;
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
    QString markedName;
    const QLocale locale;
    for (int row = 0; row < int(top.value.size()); ++row) {
        const TopEntry &e = top.value[row];
        const bool marked = m_markGame && *m_markGame == e.gameId;
        const std::array<QString, ColumnCount> texts = {
            QString::number(e.rank), e.name, e.kind, QString::number(e.score),
            locale.toString(e.endedAt.date(), QLocale::ShortFormat)};
        for (int col = 0; col < ColumnCount; ++col) {
            auto *item = new QTableWidgetItem(texts[std::size_t(col)]);
            if (col == RankCol || col == ScoreCol)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (marked) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
                item->setBackground(kMarkedBack);
                item->setForeground(kMarkedText);
                item->setData(Qt::AccessibleDescriptionRole,
                              QStringLiteral("The game just finished"));
            }
            m_topTen->setItem(row, col, item);
        }
        if (marked && markedName.isEmpty()) {
            markedName = e.name;
            // Current without being selected, so its highlight is not hidden under the selection.
            m_topTen->selectionModel()->setCurrentIndex(m_topTen->model()->index(row, NameCol),
                                                        QItemSelectionModel::NoUpdate);
        }
    }
    QString caption = !top.status.ok      ? QStringLiteral("The records cannot be shown.")
                      : top.value.isEmpty() ? QStringLiteral("No games have been recorded yet.")
                                            : QStringLiteral("The ten best grand totals ever.");
    if (!markedName.isEmpty())
        caption += QStringLiteral(" The game just finished is highlighted.");
    m_topCaption->setText(caption);

    const Fetched<QList<PlayerStats>> players = m_store.players();
    report(players.status);
    m_stats = players.value;
    {
        const QSignalBlocker quiet(m_players);
        m_players->clear();
        for (const PlayerStats &p : m_stats) {
            auto *item = new QListWidgetItem(p.name, m_players);
            item->setData(Qt::AccessibleDescriptionRole, spoken(p));
        }
    }
    int chosen = 0;
    for (int i = 0; i < int(m_stats.size()); ++i)
        if (m_stats[i].name == markedName)
            chosen = i;
    if (m_stats.isEmpty())
        showPlayer(-1);
    else
        m_players->setCurrentRow(chosen);
    m_cmdClear->setEnabled(!top.value.isEmpty());
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
    const Fetched<QList<int>> scores = m_store.scoresOf(p.name);
    report(scores.status);
    m_histogram->setScores(p.name, scores.value);
}

void frmRecords::cmdClear_Click()
{
    if (!m_prompts.askYesNo(QStringLiteral("Clear Records"),
                             QStringLiteral("Remove the records of every finished game? This "
                                            "cannot be undone.")))
        return;
    const Status cleared = m_store.clear();
    m_markGame.reset();
    reload();
    report(cleared);
}
