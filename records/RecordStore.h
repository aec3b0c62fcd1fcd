#pragma once

#include "GameRecord.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <optional>
#include <vector>

namespace records {

// How a call went. Failures never throw, and a call waits no longer than the store's wait for a
// file that another program holds.
struct Status
{
    bool ok = true;
    // When !ok: why, in sentences a player understands, naming the file.
    QString failure;
    // When !ok: it failed only because another program held the file all the time the store
    // waited, so the same call may well succeed a moment later.
    bool busy = false;
    // That a damaged file was set aside and a new one started, once, whatever the call's outcome.
    QString notice;
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

// A seat among the ten best grand totals ever. Figures are read as 64-bit, whatever a
// hand-edited file holds.
struct TopEntry
{
    int rank = 0;  // 1..10; equal scores share a rank (1, 2, 2, 4)
    qint64 gameId = 0;
    int seat = 0;  // 1..6
    QString name;
    QString kind;
    qint64 score = 0;
    QDateTime endedAt;  // local time
};

// Everything recorded under one player: a person's name, or a computer seat's name at one
// strength (the same name at another strength is another player).
struct PlayerStats
{
    QString name;
    QString kind;  // kHumanKind or the computer's strength
    qint64 games = 0;
    // Games with at least one other seat in which this seat had the highest grand total, shared
    // or not.
    qint64 wins = 0;
    double average = 0;
    qint64 best = 0;
    qint64 bonuses = 0;    // games in which the upper bonus was earned
    qint64 kelbrunes = 0;  // Kelbrune entries of 50
    // The average of the expected points given away a game, over the games that know it.
    std::optional<double> pointsLost;
};

struct Recorded
{
    qint64 gameId = 0;  // > 0 once recorded
    // One of the game's seats is now among the ten best grand totals.
    bool topTen = false;
};

// The records of finished games in one SQLite file, shared safely with other copies of the game
// and other programs. Each call opens the file, works in one transaction and closes it again, so
// a file deleted or replaced meanwhile is found anew (or started anew) by the next call. A new
// file is created, and an older layout upgraded, in the same transaction that checks it, under
// the file's write lock. A file that is damaged, or is not a records file, is renamed aside
// (never overwritten) and a new one is started. Seat rows whose figures are not whole numbers
// are skipped by every reader. Use a store from one thread at a time.
class RecordStore
{
public:
    // The version of the file's layout that this build writes (SQLite's user_version).
    static constexpr int kSchemaVersion = 2;
    // How long a call waits by default for a file that another program is writing. Short, as the
    // records window reads on the window's thread: readers of the file's write-ahead log are not
    // held up by a writer, so only a file left in another journal mode or a log being recovered
    // after a crash makes a reader wait at all. A writer off that thread waits longer.
    static constexpr int kReadWaitMs = 100;

    explicit RecordStore(const QString &path, int waitMs = kReadWaitMs);
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    // records.sqlite in the user's application data folder; needs the application's name set.
    static QString defaultPath();

    QString path() const { return m_path; }

    // Adds the kept games (from an earlier attempt: those already in the file, as another copy
    // of the game may have added them, are skipped) and then the game, all in one transaction:
    // afterwards the file holds all of them or none. A game without seats or with more than six
    // is refused (not ok, no message); such kept games are left out.
    Fetched<Recorded> record(const GameRecord &game, const std::vector<GameRecord> &kept = {});
    // Adds kept games alone, as record() does; the value is how many were not in the file yet.
    Fetched<int> recordKept(const std::vector<GameRecord> &kept);
    // Adds many games in a single transaction (filling a store for a test or a measurement).
    Status recordAll(const std::vector<GameRecord> &games);

    // The ten best grand totals, best first; equal scores in the order they were recorded.
    Fetched<QList<TopEntry>> topTen();
    // One entry per player (names that differ in case are different players), sorted by name
    // regardless of case, then by kind.
    Fetched<QList<PlayerStats>> players();
    // The final grand totals recorded for one player, lowest first.
    Fetched<QList<qint64>> scoresOf(const QString &name, const QString &kind);
    // Whether a game could be written now. Takes the file's write lock and lets it go at once,
    // changing nothing and never waiting: a file another program is writing just now counts as
    // writable. A file not there yet counts as writable when its folder can hold it.
    Status checkWritable();
    // Removes every record.
    Status clear();

private:
    // ReadAsIs: a reader of an older layout that could not be upgraded.
    enum class Access { Read, ReadAsIs, Write, Probe };
    struct Attempt;

    // One transaction on the file, work (QSqlError(QSqlDatabase &)) inside it.
    template <typename Work>
    Attempt attempt(Access access, int waitMs, Work &&work);
    // Runs work through attempt(), setting a damaged file aside and trying once more on a new one.
    template <typename Work>
    Status run(Access access, Work &&work);
    // Reads through run() with fill (QSqlError(QSqlDatabase &, T &)). The value is emptied
    // before each attempt and stays empty when the call fails.
    template <typename T, typename Fill>
    Fetched<T> fetch(Fill &&fill);
    // A folder where the file belongs, or a folder that cannot be made.
    Status checkPlace(Access access) const;
    // Renames a damaged file aside and starts a new one; keptAs names where it went.
    Status setAside(QString *keptAs);
    Status failure(const Attempt &attempt, const QString &keptAs) const;
    // Fills in what the player is to be told now.
    Status finish(Status status);

    QString m_path;
    int m_waitMs;
    QString m_notice;
    QSet<QString> m_told;
};

}  // namespace records
