#pragma once

#include "GameRecord.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <vector>

namespace records {

// How a call went. Failures never throw and never block for long: a file another program holds
// is given up on after a short wait.
struct Status
{
    bool ok = true;
    // When !ok: why, in words a player understands, naming the file.
    QString failure;
    // What the player should be told now, shown as it is: a failure this store has not told
    // before, or that a damaged file was set aside and a new one started. Empty when there is
    // nothing new to say, so showing every non-empty message says each thing once.
    QString message;
};

// What a call read or wrote, and how it went; value stays empty when the call failed.
template <typename T>
struct Fetched
{
    T value{};
    Status status;
};

// A seat among the ten best grand totals ever.
struct TopEntry
{
    int rank = 0;  // 1..10; equal scores share a rank (1, 2, 2, 4)
    qint64 gameId = 0;
    int seat = 0;  // 1..6
    QString name;
    QString kind;
    int score = 0;
    QDateTime endedAt;  // local time
};

// Everything recorded under one player name.
struct PlayerStats
{
    QString name;
    int games = 0;
    // Games with at least one other seat in which this seat had the highest grand total, shared
    // or not.
    int wins = 0;
    double average = 0;
    int best = 0;
    int bonuses = 0;    // games in which the upper bonus was earned
    int kelbrunes = 0;  // Kelbrune entries of 50
};

struct Recorded
{
    qint64 gameId = 0;  // > 0 once recorded
    // One of the game's seats is now among the ten best grand totals.
    bool topTen = false;
};

// The records of finished games in one SQLite file. The file is opened at the first call, and
// every call after a failure tries again, so records resume once the cause is gone. A file that
// is damaged, or is not a records file, is renamed aside (never overwritten) and a new one is
// started. Use a store from one thread only.
class RecordStore
{
public:
    // The version of the file's layout that this build writes (SQLite's user_version).
    static constexpr int kSchemaVersion = 1;
    // How long a call waits for a file that another program holds before it gives up.
    static constexpr int kBusyTimeoutMs = 250;

    explicit RecordStore(const QString &path);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // records.sqlite in the user's application data folder; needs the application's name set.
    static QString defaultPath();

    QString path() const { return m_path; }

    // Adds one finished game in a single transaction: afterwards the file holds all of it or
    // none of it. A game without seats or with more than six is refused (not ok, no message).
    Fetched<Recorded> record(const GameRecord &game);
    // Adds many games in a single transaction (filling a store for a test or a measurement).
    Status recordAll(const std::vector<GameRecord> &games);

    // The ten best grand totals, best first; equal scores in the order they were recorded.
    Fetched<QList<TopEntry>> topTen();
    // One entry per player name (names that differ in case are different players), sorted by
    // name regardless of case.
    Fetched<QList<PlayerStats>> players();
    // The final grand totals recorded under one name, lowest first.
    Fetched<QList<int>> scoresOf(const QString &name);
    // Removes every record.
    Status clear();

private:
    // Opens the file and checks its layout, creating it when new. A damaged file is set aside
    // and a new one opened. keptAs names where a damaged file has just been set aside: the new
    // file then gets this one chance, and a failure tells the player where the old one is.
    Status open(const QString &keptAs = {});
    void close();
    Status setAside();
    // Runs work (QSqlError(QSqlDatabase &)) on the open file. A damaged file is set aside and
    // work runs once more on the new one.
    template <typename Work>
    Status run(Work &&work);
    // Reads through run() with fill (QSqlError(QSqlDatabase &, T &)). The value is emptied
    // before each attempt and stays empty when the call fails.
    template <typename T, typename Fill>
    Fetched<T> fetch(Fill &&fill);
    // Fills in what the player is to be told now.
    Status finish(Status status);

    QString m_path;
    QString m_connection;
    bool m_open = false;
    QString m_notice;
    QSet<QString> m_told;
};

}  // namespace records
