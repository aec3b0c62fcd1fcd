#include "RecordStore.h"

#include "RecordsLock.h"

#include <QCoreApplication>
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

bool isBusy(const QSqlError &error)
{
    const int code = codeOf(error);
    return code == kBusy || code == kLocked;
}

bool failed(const QSqlError &error)
{
    return error.type() != QSqlError::NoError;
}

Status refusal(const QString &failure, bool busy = false)
{
    Status status;
    status.ok = false;
    status.failure = failure;
    status.busy = busy;
    return status;
}

QString quoted(const QString &path)
{
    //: A file's path in the quotation marks of the language.
    return QCoreApplication::translate("RecordStore", "“%1”")
        .arg(QDir::toNativeSeparators(path));
}

// A reason is a clause that follows a colon: "another program is using it".
QString cannotUse(const QString &path, const QString &reason)
{
    //: %1 is the file's path in quotation marks; %2 a reason, such as "another program is using
    //: it".
    return QCoreApplication::translate("RecordStore", "The records file %1 cannot be used: %2.")
        .arg(quoted(path), reason);
}

QString notAllowed()
{
    //: A reason, after a colon: "The records file … cannot be used: <reason>."
    return QCoreApplication::translate("RecordStore",
                                       "Kelbrune! is not allowed to write to it or to its folder");
}

QString heldByAnother()
{
    //: A reason, after a colon: "The records file … cannot be used: <reason>."
    return QCoreApplication::translate("RecordStore", "another program is using it");
}

QString reasonFor(const QSqlError &error)
{
    switch (codeOf(error)) {
    case kBusy:
    case kLocked:
        return heldByAnother();
    case kPerm:
    case kReadOnly:
    case kCantOpen:
        return notAllowed();
    case kFull:
        //: A reason, after a colon: "The records file … cannot be used: <reason>."
        return QCoreApplication::translate("RecordStore", "the disk is full");
    case kIoErr:
        //: A reason, after a colon: "The records file … cannot be used: <reason>."
        return QCoreApplication::translate("RecordStore",
                                           "the disk reported an error while reading or writing it");
    default:
        break;
    }
    const QString detail = error.databaseText().isEmpty() ? error.driverText()
                                                          : error.databaseText();
    //: A reason, after a colon; %1 is the database's own words, in English.
    return QCoreApplication::translate("RecordStore", "it could not be read or written (%1)")
        .arg(detail);
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

// One connection for the length of one call.
class Connection
{
public:
    Connection(const QString &path, int waitMs)
    {
        static std::atomic<int> counter{0};
        m_name = QStringLiteral("kelbrune-records-%1").arg(++counter);
        m_db = QSqlDatabase::addDatabase(kDriver, m_name);
        m_db.setDatabaseName(path);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(waitMs));
        if (!m_db.open())
            m_error = m_db.lastError();
    }
    ~Connection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    QSqlDatabase &db() { return m_db; }
    QSqlError error() const { return m_error; }

private:
    QString m_name;
    QSqlDatabase m_db;
    QSqlError m_error;
};

// The columns of the two tables in each version of the layout, index 0 for version 1. A file
// is checked against the columns of its own version before it is used or upgraded; a new
// version adds its columns here and its step to upgrade().
struct Columns
{
    QStringList games;
    QStringList seats;
};
const std::array<Columns, RecordStore::kSchemaVersion> kColumns = {{
    {{"id", "ended_at"},
     {"game_id", "seat", "name", "kind", "upper_total", "bonus", "lower_total", "grand_total",
      "aces", "twos", "threes", "fours", "fives", "sixes", "three_of_a_kind", "four_of_a_kind",
      "full_house", "small_straight", "large_straight", "kelbrune", "chance", "won"}},
    {{"id", "ended_at"},
     {"game_id", "seat", "name", "kind", "upper_total", "bonus", "lower_total", "grand_total",
      "aces", "twos", "threes", "fours", "fives", "sixes", "three_of_a_kind", "four_of_a_kind",
      "full_house", "small_straight", "large_straight", "kelbrune", "chance", "won",
      "points_lost"}},
}};

// The current layout, for a new file.
const char *const kCreate[] = {
    "CREATE TABLE IF NOT EXISTS games ("
    " id INTEGER PRIMARY KEY,"
    " ended_at INTEGER NOT NULL)",  // milliseconds since 1970-01-01 UTC
    "CREATE TABLE IF NOT EXISTS seats ("
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
    // The expected points the seat's decisions gave away; NULL when not known.
    " points_lost REAL,"
    " PRIMARY KEY (game_id, seat))",
};

// The indexes, which change nothing stored: a writer brings any file of the current version to
// these, whichever build made it.
const char *const kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS seats_by_score ON seats (grand_total DESC, game_id, seat)",
    // Covers the player statistics, so they read the index alone, in the order they group.
    "CREATE INDEX IF NOT EXISTS seats_by_player"
    " ON seats (name, kind, grand_total, bonus, kelbrune, won)",
    "DROP INDEX IF EXISTS seats_by_name",  // the statistics' index while players were names alone
};

// Brings a file of version `from` (0: new and empty) to kSchemaVersion, inside the caller's
// write transaction. A new file gets the current layout at once; an older one each version's
// step in turn.
QSqlError upgrade(QSqlDatabase &db, int from)
{
    QSqlQuery query(db);
    if (from == 0) {
        for (const char *sql : kCreate)
            if (QSqlError e = exec(query, QString::fromLatin1(sql)); failed(e))
                return e;
    }
    // Version 2 keeps the points each seat gave away; the games recorded before have none.
    if (from == 1) {
        if (QSqlError e = exec(query, QStringLiteral("ALTER TABLE seats ADD COLUMN points_lost REAL"));
            failed(e))
            return e;
    }
    return exec(query, QStringLiteral("PRAGMA user_version = %1").arg(RecordStore::kSchemaVersion));
}

QSqlError index(QSqlDatabase &db)
{
    QSqlQuery query(db);
    for (const char *sql : kIndexes)
        if (QSqlError e = exec(query, QString::fromLatin1(sql)); failed(e))
            return e;
    return {};
}

enum class Layout { Empty, Current, Older, Newer, Foreign };

// What the file holds, read in the caller's transaction so that another copy's changes are
// seen whole or not at all.
QSqlError readLayout(QSqlDatabase &db, Layout *layout, int *version)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (QSqlError e = exec(query, QStringLiteral("PRAGMA user_version")); failed(e))
        return e;
    *version = query.next() ? query.value(0).toInt() : 0;
    if (QSqlError e = exec(query, QStringLiteral(
            "SELECT count(*) FROM sqlite_schema WHERE type = 'table'"));
        failed(e))
        return e;
    const int tables = query.next() ? query.value(0).toInt() : 0;
    if (*version == 0 && tables == 0) {
        *layout = Layout::Empty;
        return {};
    }
    if (*version > RecordStore::kSchemaVersion) {
        *layout = Layout::Newer;
        return {};
    }
    if (*version < 1) {
        *layout = Layout::Foreign;
        return {};
    }
    const Columns &expected = kColumns[std::size_t(*version - 1)];
    for (const auto &[table, columns] : {std::pair{"games", &expected.games},
                                         std::pair{"seats", &expected.seats}}) {
        if (QSqlError e = exec(query, QStringLiteral("SELECT name FROM pragma_table_info('%1')")
                                          .arg(QLatin1String(table)));
            failed(e))
            return e;
        QStringList found;
        while (query.next())
            found << query.value(0).toString();
        if (found != *columns) {
            *layout = Layout::Foreign;
            return {};
        }
    }
    *layout = *version == RecordStore::kSchemaVersion ? Layout::Current : Layout::Older;
    return {};
}

// Seat rows whose figures are whole numbers; a hand-edited text or fraction is left out.
const QString kSound = QStringLiteral(
    "typeof(grand_total) = 'integer' AND typeof(bonus) = 'integer'"
    " AND typeof(kelbrune) = 'integer' AND typeof(won) = 'integer'");

const QString kInsertSeat = QStringLiteral(
    "INSERT INTO seats (game_id, seat, name, kind, upper_total, bonus, lower_total, grand_total,"
    " aces, twos, threes, fours, fives, sixes, three_of_a_kind, four_of_a_kind, full_house,"
    " small_straight, large_straight, kelbrune, chance, won, points_lost)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

QDateTime endOf(const GameRecord &game)
{
    return game.endedAt.isValid() ? game.endedAt : QDateTime::currentDateTime();
}

QSqlError insertGame(QSqlDatabase &db, const GameRecord &game, qint64 *id)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO games (ended_at) VALUES (?)"));
    query.addBindValue(endOf(game).toMSecsSinceEpoch());
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
        query.addBindValue(s.pointsLost ? QVariant(*s.pointsLost) : QVariant(QMetaType::fromType<double>()));
        if (QSqlError e = exec(query); failed(e))
            return e;
    }
    if (id)
        *id = gameId;
    return {};
}

// Whether the file holds this game already: the same end, to the millisecond, and the same
// first seat.
QSqlError holds(QSqlDatabase &db, const GameRecord &game, bool *found)
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT 1 FROM games g JOIN seats s ON s.game_id = g.id AND s.seat = 1"
        " WHERE g.ended_at = ? AND s.name = ? AND s.kind = ? AND s.grand_total = ? LIMIT 1"));
    query.addBindValue(endOf(game).toMSecsSinceEpoch());
    query.addBindValue(game.seats.front().name);
    query.addBindValue(game.seats.front().kind);
    query.addBindValue(game.seats.front().grandTotal);
    if (QSqlError e = exec(query); failed(e))
        return e;
    *found = query.next();
    return query.lastError();
}

QSqlError insertKept(QSqlDatabase &db, const std::vector<GameRecord> &kept, int *added)
{
    *added = 0;
    for (const GameRecord &game : kept) {
        if (!game.seatCountFits())
            continue;
        bool found = false;
        if (QSqlError e = holds(db, game, &found); failed(e))
            return e;
        if (found)
            continue;
        if (QSqlError e = insertGame(db, game, nullptr); failed(e))
            return e;
        ++*added;
    }
    return {};
}

// Refuses a game without seats or with more than six (not ok, no message).
Status checkSeatCount(const GameRecord &game)
{
    if (game.seatCountFits())
        return {};
    //: Never said with one seat: only none or more than six are refused.
    return refusal(QCoreApplication::translate("RecordStore", "A game with %1 seats cannot be recorded.")
                       .arg(game.seats.size()));
}

QSqlError fetchTopTen(QSqlDatabase &db, QList<TopEntry> &out)
{
    out.clear();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (QSqlError e = exec(query, QStringLiteral(
            "SELECT s.game_id, s.seat, s.name, s.kind, s.grand_total, g.ended_at"
            " FROM seats s JOIN games g ON g.id = s.game_id WHERE %1"
            " ORDER BY s.grand_total DESC, s.game_id, s.seat LIMIT 10").arg(kSound));
        failed(e))
        return e;
    while (query.next()) {
        TopEntry entry;
        entry.gameId = query.value(0).toLongLong();
        entry.seat = query.value(1).toInt();
        entry.name = query.value(2).toString();
        entry.kind = query.value(3).toString();
        entry.score = query.value(4).toLongLong();
        entry.endedAt = QDateTime::fromMSecsSinceEpoch(query.value(5).toLongLong());
        const bool tied = !out.isEmpty() && out.last().score == entry.score;
        entry.rank = tied ? out.last().rank : int(out.size()) + 1;
        out.append(entry);
    }
    return query.lastError();
}

QSqlError nothing(QSqlDatabase &)
{
    return {};
}

}  // namespace

struct RecordStore::Attempt
{
    // Older: a reader found an older layout, which only a writer may upgrade.
    enum Result { Done, Damaged, Newer, Older, Failed } result = Done;
    QSqlError error;
};

RecordStore::RecordStore(const QString &path, int waitMs) : m_path(path), m_waitMs(waitMs) {}

QString RecordStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + QStringLiteral("/records.sqlite");
}

template <typename Work>
RecordStore::Attempt RecordStore::attempt(Access access, int waitMs, Work &&work)
{
    const QFileInfo file(m_path);
    // A reader has nothing to read in a file that is not there, and leaves it so.
    if (access != Access::Write && !file.exists())
        return {};
    const bool empty = file.size() == 0;
    Connection connection(m_path, waitMs);
    if (failed(connection.error()))
        return {isDamage(connection.error()) ? Attempt::Damaged : Attempt::Failed,
                connection.error()};
    QSqlDatabase &db = connection.db();
    QSqlQuery query(db);
    if (access == Access::Write && empty) {
        // A write-ahead log commits with one sync instead of several, lets readers read while a
        // game is written, and a crash still leaves the file at its last commit. The mode stays
        // with the file, so it is set before anything is in it: a file that cannot be written
        // that way is found out by the transaction that creates it. An empty file is nobody's
        // database, and another copy creating it at once wants the same mode.
        query.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    }
    auto stop = [&](Attempt::Result result, const QSqlError &error) {
        query.exec(QStringLiteral("ROLLBACK"));
        return Attempt{isDamage(error) ? Attempt::Damaged : result, error};
    };
    // A writer takes the write lock before it reads anything, so what it judges and creates
    // cannot change under it; two copies creating one file take turns.
    const bool reads = access == Access::Read || access == Access::ReadAsIs;
    if (QSqlError e = exec(query, reads ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"));
        failed(e))
        return stop(Attempt::Failed, e);
    if (access == Access::Probe) {
        // Writes page 1 as it is, and takes it back: the journal or log must be writable too.
        if (QSqlError e = exec(query, QStringLiteral("PRAGMA user_version")); failed(e))
            return stop(Attempt::Failed, e);
        const int version = query.next() ? query.value(0).toInt() : 0;
        if (QSqlError e = exec(query, QStringLiteral("PRAGMA user_version = %1").arg(version));
            failed(e))
            return stop(Attempt::Failed, e);
        return stop(Attempt::Done, {});
    }
    Layout layout = Layout::Empty;
    int version = 0;
    if (QSqlError e = readLayout(db, &layout, &version); failed(e))
        return stop(Attempt::Failed, e);
    switch (layout) {
    case Layout::Foreign:
        return stop(Attempt::Damaged, {});
    case Layout::Newer:
        return stop(Attempt::Newer, {});
    case Layout::Empty:
        if (access == Access::Read)
            return stop(Attempt::Done, {});
        [[fallthrough]];
    case Layout::Older:
        if (access == Access::Read)
            return stop(Attempt::Older, {});
        if (access == Access::ReadAsIs)
            break;
        if (QSqlError e = upgrade(db, version); failed(e))
            return stop(Attempt::Failed, e);
        break;
    case Layout::Current:
        break;
    }
    if (access == Access::Write)
        if (QSqlError e = index(db); failed(e))
            return stop(Attempt::Failed, e);
    if (QSqlError e = work(db); failed(e))
        return stop(Attempt::Failed, e);
    // An SQL COMMIT, as its error carries SQLite's code (a full disk shows only here).
    if (QSqlError e = exec(query, QStringLiteral("COMMIT")); failed(e))
        return stop(Attempt::Failed, e);
    return {};
}

Status RecordStore::checkPlace(Access access) const
{
    const QFileInfo file(m_path);
    if (file.isDir())
        //: A reason, after a colon: "The records file … cannot be used: <reason>."
        return refusal(cannotUse(m_path, QCoreApplication::translate(
                                             "RecordStore", "a folder of that name is in the way")));
    if (access == Access::Write && !QDir().mkpath(file.absolutePath()))
        //: A reason, after a colon; %1 is the folder's path in quotation marks.
        return refusal(cannotUse(m_path, QCoreApplication::translate(
                                             "RecordStore", "its folder %1 cannot be created")
                                             .arg(quoted(file.absolutePath()))));
    return {};
}

Status RecordStore::failure(const Attempt &attempt, const QString &keptAs) const
{
    QString reason;
    if (attempt.result == Attempt::Newer)
        //: A reason, after a colon: "The records file … cannot be used: <reason>."
        reason = QCoreApplication::translate(
            "RecordStore", "it was written by a newer version of Kelbrune! and is left as it is");
    else if (attempt.result == Attempt::Damaged)
        //: A reason, after a colon: "The records file … cannot be used: <reason>."
        reason = QCoreApplication::translate("RecordStore", "it is damaged");
    else
        reason = reasonFor(attempt.error);
    const bool busy = attempt.result == Attempt::Failed && isBusy(attempt.error);
    if (keptAs.isEmpty())
        return refusal(cannotUse(m_path, reason), busy);
    //: %1 and %2 are paths in quotation marks; %3 a reason, such as "the disk is full".
    return refusal(QCoreApplication::translate(
                       "RecordStore", "The records file %1 could not be read, so it has been kept "
                                      "as %2, but no new records file could be started: %3.")
                       .arg(quoted(m_path), quoted(keptAs), reason),
                   busy);
}

template <typename Work>
Status RecordStore::run(Access access, Work &&work)
{
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        //: A reason, after a colon: "The records file … cannot be used: <reason>."
        return finish(refusal(cannotUse(
            m_path, QCoreApplication::translate("RecordStore",
                                                "Qt's SQLite driver is not installed (Debian "
                                                "package libqt6sql6-sqlite)"))));
    if (Status misplaced = checkPlace(access); !misplaced.ok)
        return finish(misplaced);
    QString keptAs;
    // At most: the file, then a file another copy started meanwhile, then one of our own.
    for (int tries = 0; tries < 3; ++tries) {
        Attempt a = attempt(access, m_waitMs, work);
        if (a.result == Attempt::Older) {
            // Upgraded in a writer's transaction, then read; a file that cannot be written is
            // read as it is.
            a = attempt(Access::Write, m_waitMs, work);
            if (a.result == Attempt::Failed)
                a = attempt(Access::ReadAsIs, m_waitMs, work);
        }
        if (a.result == Attempt::Done)
            return finish({});
        if (a.result != Attempt::Damaged || !keptAs.isEmpty())
            return finish(failure(a, keptAs));
        if (Status aside = setAside(&keptAs); !aside.ok)
            return finish(aside);
    }
    return finish(failure({Attempt::Damaged, {}}, keptAs));
}

Status RecordStore::setAside(QString *keptAs)
{
    // Another copy may have found the same damage and be setting the file aside too. Under the
    // lock each judges the file again: one sets it aside and starts a new one, and the others
    // then find that new file sound and use it.
    const RecordsLock lock(m_path);
    if (!lock.held())
        return refusal(cannotUse(m_path, heldByAnother()), true);
    const Attempt again = attempt(Access::Write, m_waitMs, nothing);
    if (again.result == Attempt::Done)
        return {};
    if (again.result != Attempt::Damaged)
        return failure(again, {});

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
        //: %1 and %2 are paths in quotation marks.
        return refusal(QCoreApplication::translate(
                           "RecordStore", "The records file %1 could not be read, and it could not "
                                          "be kept aside as %2, so it is left as it is.")
                           .arg(quoted(m_path), quoted(aside)));
    }
    // A journal or log left beside the old file belongs to it: the new file must not pick it up.
    for (const char *suffix : {"-journal", "-wal"})
        if (QFileInfo::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), aside + QLatin1String(suffix));
    QFile::remove(m_path + QStringLiteral("-shm"));
    *keptAs = aside;

    const Attempt fresh = attempt(Access::Write, m_waitMs, nothing);
    if (fresh.result != Attempt::Done)
        return failure(fresh, aside);
    //: %1 and %2 are paths in quotation marks.
    m_notice = QCoreApplication::translate(
                   "RecordStore", "The records file %1 could not be read, so it has been kept as %2 "
                                  "and a new, empty records file has been started.")
                   .arg(quoted(m_path), quoted(aside));
    return {};
}

Status RecordStore::finish(Status status)
{
    QStringList say;
    status.notice = std::exchange(m_notice, QString());
    if (!status.notice.isEmpty())
        say << status.notice;
    if (!status.ok && !m_told.contains(status.failure)) {
        m_told.insert(status.failure);
        say << status.failure;
    }
    status.message = say.join(QStringLiteral("\n\n"));
    return status;
}

Fetched<Recorded> RecordStore::record(const GameRecord &game, const std::vector<GameRecord> &kept)
{
    Fetched<Recorded> result;
    result.status = checkSeatCount(game);
    if (!result.status.ok)
        return result;
    result.status = run(Access::Write, [&](QSqlDatabase &db) {
        result.value = {};
        int added = 0;
        if (QSqlError e = insertKept(db, kept, &added); failed(e))
            return e;
        qint64 id = 0;
        if (QSqlError e = insertGame(db, game, &id); failed(e))
            return e;
        result.value.gameId = id;
        QList<TopEntry> top;
        // The game is recorded whatever this says; a failure here only leaves topTen false.
        if (!failed(fetchTopTen(db, top)))
            for (const TopEntry &entry : top)
                result.value.topTen = result.value.topTen || entry.gameId == id;
        return QSqlError();
    });
    if (!result.status.ok)
        result.value = {};
    return result;
}

Fetched<int> RecordStore::recordKept(const std::vector<GameRecord> &kept)
{
    Fetched<int> result;
    result.status = run(Access::Write, [&](QSqlDatabase &db) {
        return insertKept(db, kept, &result.value);
    });
    if (!result.status.ok)
        result.value = 0;
    return result;
}

Status RecordStore::recordAll(const std::vector<GameRecord> &games)
{
    for (const GameRecord &game : games)
        if (Status refused = checkSeatCount(game); !refused.ok)
            return refused;
    return run(Access::Write, [&](QSqlDatabase &db) {
        for (const GameRecord &game : games)
            if (QSqlError e = insertGame(db, game, nullptr); failed(e))
                return e;
        return QSqlError();
    });
}

template <typename T, typename Fill>
Fetched<T> RecordStore::fetch(Fill &&fill)
{
    Fetched<T> result;
    result.status = run(Access::Read, [&](QSqlDatabase &db) {
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
        // A first-version file read as it is knows no points given away.
        if (QSqlError e = exec(query, QStringLiteral("SELECT count(*) FROM pragma_table_info('seats')"
                                                     " WHERE name = 'points_lost'"));
            failed(e))
            return e;
        const bool lostKept = query.next() && query.value(0).toInt() > 0;
        if (QSqlError e = exec(query, QStringLiteral(
                "SELECT name, kind, count(*), sum(won), avg(grand_total), max(grand_total),"
                " sum(bonus > 0), sum(kelbrune = %1), %3"
                " FROM seats WHERE %2 GROUP BY name, kind"
                " ORDER BY name COLLATE NOCASE, name, kind")
                                                .arg(kKelbruneScore)
                                                .arg(kSound)
                                                .arg(lostKept ? QStringLiteral(
                                                         "avg(CASE WHEN typeof(points_lost) IN"
                                                         " ('real', 'integer') THEN points_lost END)")
                                                              : QStringLiteral("NULL")));
            failed(e))
            return e;
        while (query.next()) {
            PlayerStats stats;
            stats.name = query.value(0).toString();
            stats.kind = query.value(1).toString();
            stats.games = query.value(2).toLongLong();
            stats.wins = query.value(3).toLongLong();
            stats.average = query.value(4).toDouble();
            stats.best = query.value(5).toLongLong();
            stats.bonuses = query.value(6).toLongLong();
            stats.kelbrunes = query.value(7).toLongLong();
            if (!query.value(8).isNull())
                stats.pointsLost = query.value(8).toDouble();
            out.append(stats);
        }
        return query.lastError();
    });
}

Fetched<QList<qint64>> RecordStore::scoresOf(const QString &name, const QString &kind)
{
    return fetch<QList<qint64>>([&](QSqlDatabase &db, QList<qint64> &out) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT grand_total FROM seats WHERE name = ? AND kind = ?"
                                     " AND %1 ORDER BY grand_total").arg(kSound));
        query.addBindValue(name);
        query.addBindValue(kind);
        if (QSqlError e = exec(query); failed(e))
            return e;
        while (query.next())
            out.append(query.value(0).toLongLong());
        return query.lastError();
    });
}

Status RecordStore::checkWritable()
{
    if (Status misplaced = checkPlace(Access::Probe); !misplaced.ok)
        return misplaced;
    if (!QFileInfo::exists(m_path)) {
        const QFileInfo folder(QFileInfo(m_path).absolutePath());
        if (folder.exists() && !folder.isWritable())
            return refusal(cannotUse(m_path, notAllowed()));
        return {};
    }
    const Attempt probe = attempt(Access::Probe, 0, nothing);
    if (probe.result == Attempt::Done || isBusy(probe.error))
        return {};
    //: %1 is the file's path in quotation marks; %2 a reason, such as "the disk is full".
    return refusal(QCoreApplication::translate("RecordStore",
                                               "The records file %1 can be read but not written: %2.")
                       .arg(quoted(m_path), reasonFor(probe.error)));
}

Status RecordStore::clear()
{
    return run(Access::Write, [&](QSqlDatabase &db) {
        QSqlQuery query(db);
        if (QSqlError e = exec(query, QStringLiteral("DELETE FROM seats")); failed(e))
            return e;
        return exec(query, QStringLiteral("DELETE FROM games"));
    });
}

}  // namespace records
