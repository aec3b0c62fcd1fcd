#include "RecordStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <algorithm>
#include <atomic>
#include <utility>

namespace records {

namespace {

const QString kDriver = QStringLiteral("QSQLITE");

// SQLite's primary result codes that tell us what went wrong.
enum SqliteCode {
    kPerm = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoErr = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADb = 26,
};

int codeOf(const QSqlError &error)
{
    // Extended codes carry the primary one in their low byte.
    return error.nativeErrorCode().toInt() & 0xFF;
}

bool isDamage(const QSqlError &error)
{
    const int code = codeOf(error);
    return code == kCorrupt || code == kNotADb;
}

QString quoted(const QString &path)
{
    return QStringLiteral("\u201C") + QDir::toNativeSeparators(path) + QStringLiteral("\u201D");
}

QString cannotUse(const QString &path, const QString &reason)
{
    return QStringLiteral("The records file %1 cannot be used: %2. The game goes on without "
                          "records.")
        .arg(quoted(path), reason);
}

QString cannotStartAnew(const QString &path, const QString &keptAs, const QString &reason)
{
    return QStringLiteral("The records file %1 could not be read, so it has been kept as %2, but "
                          "no new records file could be started: %3. The game goes on without "
                          "records.")
        .arg(quoted(path), quoted(keptAs), reason);
}

QString reasonFor(const QSqlError &error)
{
    switch (codeOf(error)) {
    case kBusy:
    case kLocked:
        return QStringLiteral("another program is using it");
    case kPerm:
    case kReadOnly:
    case kCantOpen:
        return QStringLiteral("Kelbrune! is not allowed to write to it or to its folder");
    case kFull:
        return QStringLiteral("the disk is full");
    case kIoErr:
        return QStringLiteral("the disk reported an error while reading or writing it");
    default:
        break;
    }
    const QString detail = error.databaseText().isEmpty() ? error.driverText()
                                                          : error.databaseText();
    return QStringLiteral("it could not be read or written (%1)").arg(detail);
}

// Runs one statement; the error (a valid QSqlError) when it fails.
QSqlError exec(QSqlQuery &query, const QString &sql)
{
    if (!query.exec(sql))
        return query.lastError();
    return {};
}

QSqlError exec(QSqlQuery &query)
{
    if (!query.exec())
        return query.lastError();
    return {};
}

bool failed(const QSqlError &error)
{
    return error.type() != QSqlError::NoError;
}

const char *const kCreate[] = {
    "CREATE TABLE games ("
    " id INTEGER PRIMARY KEY,"
    " ended_at INTEGER NOT NULL)",  // milliseconds since 1970-01-01 UTC
    "CREATE TABLE seats ("
    " game_id INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,"
    " seat INTEGER NOT NULL,"
    " name TEXT NOT NULL,"
    " kind TEXT NOT NULL,"
    " upper_total INTEGER NOT NULL,"
    " bonus INTEGER NOT NULL,"
    " lower_total INTEGER NOT NULL,"
    " grand_total INTEGER NOT NULL,"
    " aces INTEGER NOT NULL, twos INTEGER NOT NULL, threes INTEGER NOT NULL,"
    " fours INTEGER NOT NULL, fives INTEGER NOT NULL, sixes INTEGER NOT NULL,"
    " three_of_a_kind INTEGER NOT NULL, four_of_a_kind INTEGER NOT NULL,"
    " full_house INTEGER NOT NULL, small_straight INTEGER NOT NULL,"
    " large_straight INTEGER NOT NULL, kelbrune INTEGER NOT NULL, chance INTEGER NOT NULL,"
    // 1 when the seat had the highest total, shared or not, with another seat at the table.
    " won INTEGER NOT NULL,"
    " PRIMARY KEY (game_id, seat))",
    "CREATE INDEX seats_by_score ON seats (grand_total DESC, game_id, seat)",
    // Covers the player statistics, so they read the index alone.
    "CREATE INDEX seats_by_name ON seats (name, grand_total, bonus, kelbrune, won)",
};

const QString kInsertSeat = QStringLiteral(
    "INSERT INTO seats VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

QSqlError insertGame(QSqlDatabase &db, const GameRecord &game, qint64 *id)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO games (ended_at) VALUES (?)"));
    const QDateTime ended = game.endedAt.isValid() ? game.endedAt
                                                   : QDateTime::currentDateTime();
    query.addBindValue(ended.toMSecsSinceEpoch());
    if (QSqlError e = exec(query); failed(e))
        return e;
    const qint64 gameId = query.lastInsertId().toLongLong();
    if (!query.prepare(kInsertSeat))
        return query.lastError();
    int top = game.seats.front().grandTotal;
    for (const SeatRecord &s : game.seats)
        top = std::max(top, s.grandTotal);
    const bool contest = game.seats.size() > 1;
    int seat = 0;
    for (const SeatRecord &s : game.seats) {
        query.addBindValue(gameId);
        query.addBindValue(++seat);
        query.addBindValue(s.name);
        query.addBindValue(s.kind);
        query.addBindValue(s.upperTotal);
        query.addBindValue(s.bonus);
        query.addBindValue(s.lowerTotal);
        query.addBindValue(s.grandTotal);
        for (int entry : s.entries)
            query.addBindValue(entry);
        query.addBindValue(contest && s.grandTotal == top ? 1 : 0);
        if (QSqlError e = exec(query); failed(e))
            return e;
    }
    if (id)
        *id = gameId;
    return {};
}

// Runs body inside a transaction that is committed when body succeeds and rolled back when not.
template <typename Body>
QSqlError inTransaction(QSqlDatabase &db, Body &&body)
{
    if (!db.transaction())
        return db.lastError();
    QSqlError e = body();
    if (!failed(e) && !db.commit())
        e = db.lastError();
    if (failed(e))
        db.rollback();
    return e;
}

// Refuses a game without seats or with more than six (not ok, no message).
Status checkSeatCount(const GameRecord &game)
{
    if (!game.seats.empty() && game.seats.size() <= 6)
        return {};
    return {false,
            QStringLiteral("A game with %1 seats cannot be recorded.").arg(game.seats.size()),
            {}};
}

enum class FileState { Ready, Damaged, Newer };

// Checks the layout of an open file, creating it in a new one. The error when a statement fails.
QSqlError prepareFile(QSqlDatabase &db, FileState *state)
{
    QSqlQuery query(db);
    if (QSqlError e = exec(query, QStringLiteral("PRAGMA user_version")); failed(e))
        return e;
    const int version = query.next() ? query.value(0).toInt() : 0;
    if (QSqlError e = exec(query, QStringLiteral(
            "SELECT count(*), count(CASE WHEN name IN ('games', 'seats') THEN 1 END)"
            " FROM sqlite_schema WHERE type = 'table'"));
        failed(e))
        return e;
    const int tables = query.next() ? query.value(0).toInt() : 0;
    const int ours = query.value(1).toInt();
    query.finish();
    if (version > RecordStore::kSchemaVersion) {
        *state = FileState::Newer;
        return {};
    }
    if (version == RecordStore::kSchemaVersion && ours == 2)
        return {};
    if (version != 0 || tables != 0) {
        // Some other SQLite file, or ours with tables missing.
        *state = FileState::Damaged;
        return {};
    }
    // A write-ahead log commits with one sync instead of several, and a crash still leaves the
    // file at its last commit. The mode stays with the file.
    if (QSqlError e = exec(query, QStringLiteral("PRAGMA journal_mode = WAL")); failed(e))
        return e;
    query.finish();
    return inTransaction(db, [&] {
        for (const char *sql : kCreate)
            if (QSqlError e = exec(query, QString::fromLatin1(sql)); failed(e))
                return e;
        return exec(query,
                    QStringLiteral("PRAGMA user_version = %1").arg(RecordStore::kSchemaVersion));
    });
}

QSqlError fetchTopTen(QSqlDatabase &db, QList<TopEntry> &out)
{
    out.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (QSqlError e = exec(query, QStringLiteral(
            "SELECT s.game_id, s.seat, s.name, s.kind, s.grand_total, g.ended_at"
            " FROM seats s JOIN games g ON g.id = s.game_id"
            " ORDER BY s.grand_total DESC, s.game_id, s.seat LIMIT 10"));
        failed(e))
        return e;
    while (query.next()) {
        TopEntry entry;
        entry.gameId = query.value(0).toLongLong();
        entry.seat = query.value(1).toInt();
        entry.name = query.value(2).toString();
        entry.kind = query.value(3).toString();
        entry.score = query.value(4).toInt();
        entry.endedAt = QDateTime::fromMSecsSinceEpoch(query.value(5).toLongLong());
        const bool tied = !out.isEmpty() && out.last().score == entry.score;
        entry.rank = tied ? out.last().rank : int(out.size()) + 1;
        out.append(entry);
    }
    return query.lastError();
}

}  // namespace

RecordStore::RecordStore(const QString &path) : m_path(path)
{
    static std::atomic<int> counter{0};
    m_connection = QStringLiteral("kelbrune-records-%1").arg(++counter);
}

RecordStore::~RecordStore()
{
    close();
}

QString RecordStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/records.sqlite");
}

void RecordStore::close()
{
    if (QSqlDatabase::contains(m_connection)) {
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(m_connection);
    }
    m_open = false;
}

Status RecordStore::open(const QString &keptAs)
{
    if (m_open)
        return {};
    auto fail = [&](const QString &reason) {
        close();
        return Status{false,
                      keptAs.isEmpty() ? cannotUse(m_path, reason)
                                       : cannotStartAnew(m_path, keptAs, reason),
                      {}};
    };
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return fail(QStringLiteral("Qt's SQLite driver is not installed (Debian package "
                                   "libqt6sql6-sqlite)"));
    const QFileInfo file(m_path);
    if (file.isDir())
        return fail(QStringLiteral("a folder of that name is in the way"));
    if (!QDir().mkpath(file.absolutePath()))
        return fail(QStringLiteral("its folder %1 cannot be created").arg(
            quoted(file.absolutePath())));

    QSqlError error;
    FileState state = FileState::Ready;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, m_connection);
        db.setDatabaseName(m_path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        if (!db.open())
            error = db.lastError();
        else
            error = prepareFile(db, &state);
        if (isDamage(error))
            state = FileState::Damaged;
    }
    if (state == FileState::Newer)
        return fail(QStringLiteral("it was written by a newer version of Kelbrune! and is left "
                                   "as it is"));
    if (state == FileState::Damaged)
        return keptAs.isEmpty() ? setAside() : fail(QStringLiteral("it is damaged"));
    if (failed(error))
        return fail(reasonFor(error));
    m_open = true;
    return {};
}

Status RecordStore::setAside()
{
    close();
    const QFileInfo file(m_path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside;
    for (int n = 1;; ++n) {
        aside = file.absolutePath() + QLatin1Char('/') + file.completeBaseName()
                + QStringLiteral("-damaged-") + stamp
                + (n > 1 ? QStringLiteral("-%1").arg(n) : QString())
                + (file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix());
        if (!QFileInfo::exists(aside))
            break;
    }
    if (!QFile::rename(m_path, aside)) {
        return {false,
                QStringLiteral("The records file %1 could not be read, and it could not be kept "
                               "aside as %2, so it is left as it is. The game goes on without "
                               "records.")
                    .arg(quoted(m_path), quoted(aside)),
                {}};
    }
    // A journal or log left beside the old file belongs to it: the new file must not pick it up.
    for (const char *suffix : {"-journal", "-wal"})
        if (QFileInfo::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    QFile::remove(m_path + QStringLiteral("-shm"));

    const Status opened = open(aside);
    if (opened.ok)
        m_notice = QStringLiteral("The records file %1 could not be read, so it has been kept as "
                                  "%2 and a new, empty records file has been started.")
                       .arg(quoted(m_path), quoted(aside));
    return opened;
}

template <typename Work>
Status RecordStore::run(Work &&work)
{
    Status status = open();
    if (!status.ok)
        return finish(status);
    for (int attempt = 0;; ++attempt) {
        QSqlError error;
        {
            QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            error = work(db);
        }
        if (!failed(error))
            return finish({});
        if (isDamage(error) && attempt == 0) {
            status = setAside();
            if (status.ok)
                continue;
            return finish(status);
        }
        // Start afresh next time: the cause may be gone by then.
        close();
        return finish({false, cannotUse(m_path, reasonFor(error)), {}});
    }
}

Status RecordStore::finish(Status status)
{
    QStringList say;
    if (!m_notice.isEmpty())
        say << std::exchange(m_notice, QString());
    if (!status.ok && !m_told.contains(status.failure)) {
        m_told.insert(status.failure);
        say << status.failure;
    }
    status.message = say.join(QStringLiteral("\n\n"));
    return status;
}

Fetched<Recorded> RecordStore::record(const GameRecord &game)
{
    Fetched<Recorded> result;
    result.status = checkSeatCount(game);
    if (!result.status.ok)
        return result;
    result.status = run([&](QSqlDatabase &db) {
        qint64 id = 0;
        QSqlError e = inTransaction(db, [&] { return insertGame(db, game, &id); });
        if (failed(e))
            return e;
        result.value.gameId = id;
        QList<TopEntry> top;
        // The game is recorded whatever this says; a failure here only leaves topTen false.
        if (!failed(fetchTopTen(db, top)))
            for (const TopEntry &entry : top)
                result.value.topTen = result.value.topTen || entry.gameId == id;
        return QSqlError();
    });
    return result;
}

Status RecordStore::recordAll(const std::vector<GameRecord> &games)
{
    for (const GameRecord &game : games)
        if (Status refused = checkSeatCount(game); !refused.ok)
            return refused;
    return run([&](QSqlDatabase &db) {
        return inTransaction(db, [&] {
            for (const GameRecord &game : games)
                if (QSqlError e = insertGame(db, game, nullptr); failed(e))
                    return e;
            return QSqlError();
        });
    });
}

template <typename T, typename Fill>
Fetched<T> RecordStore::fetch(Fill &&fill)
{
    Fetched<T> result;
    result.status = run([&](QSqlDatabase &db) {
        result.value.clear();  // a retry on a new file starts from nothing
        return fill(db, result.value);
    });
    if (!result.status.ok)
        result.value.clear();
    return result;
}

Fetched<QList<TopEntry>> RecordStore::topTen()
{
    return fetch<QList<TopEntry>>(fetchTopTen);
}

Fetched<QList<PlayerStats>> RecordStore::players()
{
    return fetch<QList<PlayerStats>>([](QSqlDatabase &db, QList<PlayerStats> &out) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (QSqlError e = exec(query, QStringLiteral(
                "SELECT name, count(*), sum(won), avg(grand_total), max(grand_total),"
                " sum(bonus > 0), sum(kelbrune = %1)"
                " FROM seats GROUP BY name ORDER BY name COLLATE NOCASE, name")
                                                .arg(kKelbruneScore));
            failed(e))
            return e;
        while (query.next()) {
            PlayerStats stats;
            stats.name = query.value(0).toString();
            stats.games = query.value(1).toInt();
            stats.wins = query.value(2).toInt();
            stats.average = query.value(3).toDouble();
            stats.best = query.value(4).toInt();
            stats.bonuses = query.value(5).toInt();
            stats.kelbrunes = query.value(6).toInt();
            out.append(stats);
        }
        return query.lastError();
    });
}

Fetched<QList<int>> RecordStore::scoresOf(const QString &name)
{
    return fetch<QList<int>>([&](QSqlDatabase &db, QList<int> &out) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT grand_total FROM seats WHERE name = ?"
                                     " ORDER BY grand_total"));
        query.addBindValue(name);
        if (QSqlError e = exec(query); failed(e))
            return e;
        while (query.next())
            out.append(query.value(0).toInt());
        return query.lastError();
    });
}

Status RecordStore::clear()
{
    return run([&](QSqlDatabase &db) {
        return inTransaction(db, [&] {
            QSqlQuery query(db);
            if (QSqlError e = exec(query, QStringLiteral("DELETE FROM seats")); failed(e))
                return e;
            return exec(query, QStringLiteral("DELETE FROM games"));
        });
    });
}

}  // namespace records
