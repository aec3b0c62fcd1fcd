#pragma once

#include "RecordStore.h"

#include <QDialog>
#include <QList>
#include <array>
#include <optional>

class Prompts;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class ScoreHistogram;

// The records window: the ten best grand totals ever and, per player, the statistics and a chart
// of the final scores. Reads the store when made and after Clear, on the caller's thread (the
// store's reads wait briefly at most). A store that fails, a file that cannot be written and
// games waiting to be written are told inside the window. Long names and kinds are cut as the
// game cuts them. Escape or Close close it; the caller decides whether it is modal.
class frmRecords : public QDialog
{
    Q_OBJECT

public:
    // The statistics shown for the chosen player, in their order on the page.
    enum Statistic { Games, Wins, Average, Best, Bonus, Kelbrunes, PointsLost, StatisticCount };

    // markGame: the id of a game whose top-ten entries are highlighted (the game just finished).
    frmRecords(records::RecordStore &store, Prompts &prompts,
               std::optional<qint64> markGame = std::nullopt, QWidget *owner = nullptr);

    // Clear Records…: asks first, and only on Yes empties the store and forgets the games
    // waiting to be written.
    void cmdClear_Click();

    // The controls, for the window's tests.
    QTableWidget *topTen() const { return m_topTen; }
    QListWidget *players() const { return m_players; }
    QLabel *statistic(Statistic which) const { return m_values.at(std::size_t(which)); }
    QLabel *problem() const { return m_problem; }
    QPushButton *cmdClear() const { return m_cmdClear; }
    // "Review Last Game…", for the most recent game this session finished: shown when there is one.
    QPushButton *cmdReview() const { return m_cmdReview; }
    void offerReview(bool offered);

signals:
    void reviewRequested();

private:
    QWidget *buildTopTenPage();
    QWidget *buildPlayersPage();
    void reload();
    void showPlayer(int row);
    // Shows a failure or a notice of the store, or a text, each once a reload.
    void report(const records::Status &status);
    void say(const QString &text);

    records::RecordStore &m_store;
    Prompts &m_prompts;
    std::optional<qint64> m_markGame;
    QList<records::PlayerStats> m_stats;
    QStringList m_said;

    QLabel *m_topCaption = nullptr;
    QTableWidget *m_topTen = nullptr;
    QListWidget *m_players = nullptr;
    std::array<QLabel *, StatisticCount> m_values{};
    ScoreHistogram *m_histogram = nullptr;
    QLabel *m_problem = nullptr;
    QPushButton *m_cmdClear = nullptr;
    QPushButton *m_cmdReview = nullptr;
};
