#include "Golden.h"
#include "PendingGames.h"
#include "RecordStore.h"
#include "Recorder.h"
#include "ScoreHistogram.h"
#include "GameStates.h"
#include "ScriptedPrompts.h"
#include "Table.h"
#include "frmRecords.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace records;

namespace {
SeatRecord seat(const QString &name, int grand, int bonus = 0, int kelbrune = 0,
                const QString &kind = kHumanKind)
{
    SeatRecord s{name, kind, grand - bonus, bonus, 0, grand, {}, {}};
    s.entries[std::size_t(Category::Kelbrune)] = kelbrune;
    return s;
}
// Games end a minute apart, so each is a game of its own.
GameRecord game(std::vector<SeatRecord> seats, int minute = 0)
{
    return {QDateTime(QDate(2026, 3, 1), QTime(20, 0)).addSecs(60 * minute), seats};
}
QString quoted(const QString &path) { return QStringLiteral("\u201C%1\u201D").arg(path); }

// The names of the top ten, as a store opened afresh reads them.
QStringList namesIn(const QString &path)
{
    QStringList names;
    for (const TopEntry &entry : RecordStore(path).topTen().value)
        names << entry.name;
    return names;
}

// Another program's connection to the records file: runs its statements (the first may begin a
// transaction that holds a lock) and commits when it goes.
class Other
{
public:
    Other(const QString &path, const QStringList &statements)
        : m_name(QStringLiteral("other-%1").arg(++s_count))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            QTest::qFail("another program cannot open the file", __FILE__, __LINE__);
        for (const QString &sql : statements) {
            QSqlQuery query(db);
            if (!query.exec(sql))
                QTest::qFail(qPrintable(sql + ": " + query.lastError().text()), __FILE__, __LINE__);
        }
    }
    ~Other()
    {
        QSqlQuery(QSqlDatabase::database(m_name, false)).exec(QStringLiteral("COMMIT"));
        QSqlDatabase::removeDatabase(m_name);
    }

private:
    static inline int s_count = 0;
    QString m_name;
};

// What a recorder answers for a game handed to it now.
Outcome recorded(Recorder &recorder, const GameRecord &game)
{
    QSignalSpy answered(&recorder, &Recorder::finished);
    recorder.record(game);
    if (!answered.wait(20000))
        return {Outcome::Kind::Refused, {}, QStringLiteral("no answer")};
    return answered.takeFirst().at(1).value<Outcome>();
}

// Two games of Ann's in a file of the layout's first version, before the points given away.
void writeVersionOne(const QString &path)
{
    RecordStore(path).recordAll({game({seat("Ann", 200)}, 1), game({seat("Ann", 100)}, 2)});
    Other(path, {"ALTER TABLE seats DROP COLUMN points_lost", "PRAGMA user_version = 1"});
}

// One player's whole game, 375 points: every upper row five alike, then the best lower rows.
void playPerfectCard(Table &t)
{
    for (int face = 1; face <= 6; ++face)
        t.turn(QStringLiteral("%1 %1 %1 %1 %1").arg(face), Category(face - 1));
    const QStringList lower{"6 6 6 6 6", "6 6 6 6 6", "2 2 3 3 3", "1 2 3 4 6", "2 3 4 5 6",
                            "6 6 6 6 6", "6 6 6 6 6"};
    for (int row = 0; row < 7; ++row)
        t.turn(lower[row], Category(int(Category::ThreeOfAKind) + row));
}

}  // namespace

class tst_Records : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_files = 0;
    QString freshPath()
    {
        const QString folder = m_dir.filePath(QString::number(++m_files));
        QDir().mkpath(folder);
        return folder + QStringLiteral("/records.sqlite");
    }

private slots:
    void playerStatistics()
    {
        RecordStore store(freshPath());
        store.record(game({seat("Ann", 250, 35, 50), seat("Bob", 200)}, 1));
        store.record(game({seat("Ann", 180), seat("Bob", 180, 35)}, 2));  // a tie: both win
        store.record(game({seat("Ann", 300, 35, 50)}, 3));                // alone: no win
        store.record(game({seat("Bob", 150), seat("cy", 220), seat("Ann", 100)}, 4));
        // One computer's name at two strengths: two players, each with its own figures.
        store.record(game({seat("Computer 1", 180, 0, 0, "Casual"),
                           seat("Computer 1", 230, 35, 0, "Strong")}, 5));
        QStringList rows;
        for (const PlayerStats &p : store.players().value)
            rows << QStringLiteral("%1/%2 %3 %4 %5 %6 %7 %8").arg(p.name, p.kind).arg(p.games)
                        .arg(p.wins).arg(p.average, 0, 'f', 2).arg(p.best).arg(p.bonuses)
                        .arg(p.kelbrunes);
        QCOMPARE(rows, QStringList({"Ann/Human 4 2 207.50 300 2 2", "Bob/Human 3 1 176.67 200 1 0",
                                    "Computer 1/Casual 1 0 180.00 180 0 0",
                                    "Computer 1/Strong 1 1 230.00 230 1 0",
                                    "cy/Human 1 1 220.00 220 0 0"}));
        ScriptedPrompts platform;
        frmRecords window(store, platform);
        QVERIFY(window.problem()->isHidden());
        QCOMPARE(window.statistic(frmRecords::Bonus)->text(), QString("2 of 4 games (50%)"));
        QCOMPARE(window.players()->item(0)->data(Qt::AccessibleDescriptionRole).toString(),
                 QString("4 games, 2 wins, average 207.5, best 300, bonus in 2 games, 2 Kelbrunes"));
        QCOMPARE(window.players()->item(2)->text(), QString("Computer 1 (Casual)"));
        window.players()->setCurrentRow(3);
        QCOMPARE(window.statistic(frmRecords::Average)->text(), QString("230.0"));
        const auto *chart = window.findChild<ScoreHistogram *>();
        QCOMPARE(chart->accessibleName(), QString("Final scores of Computer 1 (Strong)"));
        QVERIFY(chart->accessibleDescription().startsWith("1 final score: 1 from 225 to 249."));
    }

    void topTenOrderAndMarking()
    {
        RecordStore store(freshPath());
        int minute = 0;
        for (int score : {150, 300, 200, 300, 120, 250, 180, 260, 90, 210, 230})
            store.record(game({seat(QStringLiteral("P%1").arg(score), score)}, ++minute));
        const Fetched<Recorded> mine = store.record(game({seat("Zed", 240), seat("Yan", 80)}, ++minute));
        QVERIFY(mine.value.topTen);
        // Equal to the tenth: the earlier game keeps its place.
        QVERIFY(!store.record(game({seat("Low", 150)}, ++minute)).value.topTen);

        ScriptedPrompts platform;
        frmRecords window(store, platform, mine.value.gameId);
        QStringList shown;
        for (int row = 0; row < window.topTen()->rowCount(); ++row) {
            auto cell = [&](int col) { return window.topTen()->item(row, col); };
            const bool bold = cell(1)->font().bold();
            shown << cell(0)->text() + ' ' + cell(3)->text() + (bold ? "*" : "");
        }
        QCOMPARE(shown.join(", "), QString("1 300, 1 300, 3 260, 4 250, 5 240*, 6 230, 7 210, "
                                           "8 200, 9 180, 10 150"));
        QCOMPARE(window.players()->currentItem()->text(), QStringLiteral("Zed"));
        QCOMPARE(window.topTen()->item(0, 3)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
        QVERIFY(!window.topTen()->tabKeyNavigation());
    }

    // Hand-edited figures and texts: a huge score is read whole, one that is no number left out,
    // long texts cut so the table's columns stay in view.
    void handEditedRows()
    {
        const QString path = freshPath();
        RecordStore store(path);
        store.record(game({seat("Ann", 200), seat("Bob", 150)}, 1));
        store.record(game({seat("Cy", 100)}, 2));
        Other(path, {"UPDATE seats SET grand_total = 1000000000000000 WHERE name = 'Ann'",
                     "UPDATE seats SET grand_total = 'lots' WHERE name = 'Bob'",
                     "UPDATE seats SET kind = '" + QString(1 << 20, 'k') + "', name = '"
                         + QString(300, 'n') + "' WHERE name = 'Cy'"});
        QStringList rows;
        for (const TopEntry &e : store.topTen().value)
            rows << QStringLiteral("%1 %2 %3").arg(e.rank).arg(e.name.left(2)).arg(e.score);
        QCOMPARE(rows, QStringList({"1 An 1000000000000000", "2 nn 100"}));
        QCOMPARE(store.players().value.size(), 2);  // Bob's only row is no number

        ScriptedPrompts platform;
        frmRecords window(store, platform);
        const QString kind = QString(39, 'k') + QChar(0x2026);
        const QString name = QString(39, 'n') + QChar(0x2026);
        QCOMPARE(window.topTen()->item(0, 3)->text(), QString("1000000000000000"));
        QCOMPARE(window.topTen()->item(1, 1)->text() + '/' + window.topTen()->item(1, 2)->text(), name + '/' + kind);
        QCOMPARE(window.players()->item(1)->text(), name + " (" + kind + ")");
    }

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        const QString started = "The records file %1 could not be read, so it has been kept as %2 and a new, "
                                "empty records file has been started.";
        QTest::newRow("not a database") << "junk" << started;
        QTest::newRow("another program's database") << "foreign" << started;
        QTest::newRow("our version and tables, other columns") << "columns" << started;
        QTest::newRow("no new file can start")
            << "blocked"
            << "The records file %1 could not be read, so it has been kept as %2, but no new "
               "records file could be started: Kelbrune! is not allowed to write to it or to "
               "its folder.";
    }
    void damagedFileIsKeptAside()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        const QStringList connections = QSqlDatabase::connectionNames();
        const QString path = freshPath();
        if (kind == "foreign") {
            Other(path, {"CREATE TABLE notes (text)"});
        } else if (kind == "columns") {
            Other(path, {"CREATE TABLE games (id INTEGER PRIMARY KEY, ended_at INTEGER)",
                         "CREATE TABLE seats (game_id, seat, name, score)",
                         "PRAGMA user_version = 1"});
        } else {
            QVERIFY(writeBytes(path, QByteArray(3000, 'k')));
        }
        const QByteArray before = readAll(path);
        // A folder where the new file's shared index belongs stops SQLite writing it.
        if (kind == "blocked")
            QVERIFY(QDir().mkpath(path + "-shm"));

        {
            RecordStore store(path);
            const Status first = store.record(game({seat("Ann", 200)})).status;
            QCOMPARE(first.ok, kind != "blocked");
            const QStringList kept = QFileInfo(path).dir().entryList({"*-damaged-*"}, QDir::Files);
            QCOMPARE(kept.size(), 1);
            const QString aside = QFileInfo(path).dir().filePath(kept.first());
            QCOMPARE(first.message, told.arg(quoted(path), quoted(aside)));
            QCOMPARE(readAll(aside), before);
            if (first.ok)
                QVERIFY(store.record(game({seat("Bob", 100)}, 1)).status.ok && store.topTen().value.size() == 2);
        }
        QCOMPARE(QSqlDatabase::connectionNames(), connections);  // every call closes its connection
    }

    // Two copies finish their first games at once on a folder with no records file yet.
    void twoCopiesFinishTogether()
    {
        for (int round = 0; round < 8; ++round) {
            const QString path = freshPath();
            const QString at = QString::number(QDateTime::currentMSecsSinceEpoch() + 300);
            QProcess copies[2];
            for (int i = 0; i < 2; ++i)
                copies[i].start(QStringLiteral(RECORD_COPY), {path, QStringLiteral("Copy %1").arg(i + 1), at});
            for (QProcess &copy : copies) {
                QVERIFY(copy.waitForFinished(30000));
                QCOMPARE(copy.readAllStandardOutput().trimmed(), QByteArray("Recorded"));
            }
            QStringList names = namesIn(path);
            names.sort();
            QCOMPARE(names, QStringList({"Copy 1", "Copy 2"}));
            QCOMPARE(QFileInfo(path).dir().entryList({"*damaged*", "*.pending"}, QDir::Files), QStringList());
        }
    }

    // Another program holds the write lock for several of the recorder's attempts: the game waits.
    void gameWaitsForAHeldFile()
    {
        const QString path = freshPath();
        RecordStore(path).record(game({seat("Ann", 200)}));
        auto holder = std::make_unique<Other>(path, QStringList{"BEGIN IMMEDIATE"});
        Recorder recorder(path, {20, 5000});
        QTimer::singleShot(200, &recorder, [&] { holder.reset(); });
        const Outcome outcome = recorded(recorder, game({seat("Bob", 150)}, 1));
        QVERIFY(outcome.kind == Outcome::Kind::Recorded && outcome.message.isEmpty());
        QCOMPARE(namesIn(path), QStringList({"Ann", "Bob"}));
    }

    // Held for longer than the recorder waits: games are kept pending (told once) and written with
    // the next game that can be; what waits at an exit is written at the next start.
    void heldTooLongKeepsGamesPending()
    {
        const QString path = freshPath();
        const QString pendingPath = PendingGames(path).path();
        RecordStore(path).record(game({seat("Ann", 200)}));
        auto holder = std::make_unique<Other>(path, QStringList{"BEGIN IMMEDIATE"});
        {
            Recorder recorder(path, {20, 60});
            const Outcome first = recorded(recorder, game({seat("Bob", 150)}, 1));
            const Outcome second = recorded(recorder, game({seat("Cy", 120)}, 2));
            QCOMPARE(first.kind, Outcome::Kind::Pending);
            QCOMPARE(second.kind, Outcome::Kind::Pending);
            QCOMPARE(first.message,
                     QString("The records file %1 cannot be used: another program is using it. "
                             "This game is kept in %2 and will be added to the records the next "
                             "time they can be written.").arg(quoted(path), quoted(pendingPath)));
            QCOMPARE(second.message, QString());
            QCOMPARE(PendingGames(path).count(), 2);
            holder.reset();
            const Outcome third = recorded(recorder, game({seat("Dee", 110)}, 3));
            QCOMPARE(third.kind, Outcome::Kind::Recorded);
            QCOMPARE(namesIn(path), QStringList({"Ann", "Bob", "Cy", "Dee"}));
            QVERIFY(!QFile::exists(pendingPath));
        }

        // At an exit the game in hand and the one queued behind it are kept pending.
        holder = std::make_unique<Other>(path, QStringList{"BEGIN IMMEDIATE"});
        {
            Recorder recorder(path);
            recorder.record(game({seat("Eve", 100)}, 4));
            recorder.record(game({seat("Fay", 90)}, 5));
        }
        QCOMPARE(PendingGames(path).count(), 2);
        holder.reset();
        Recorder next(path);
        QVERIFY(QTest::qWaitFor([&] { return namesIn(path).size() == 6; }, 20000));
        QVERIFY(QTest::qWaitFor([&] { return !QFile::exists(pendingPath); }, 20000));
    }

    // A kept game that another copy wrote before it could say so is not written again.
    void keptGamesAreWrittenOnce()
    {
        const QString path = freshPath();
        RecordStore store(path);
        const GameRecord ann = game({seat("Ann", 200)}, 1);
        store.record(ann);
        QCOMPARE(store.recordKept({ann, game({seat("Bob", 150)}, 2)}).value, 1);
        QCOMPARE(namesIn(path), QStringList({"Ann", "Bob"}));
    }

    // The file deleted or replaced while the game runs: later games go to the file now there.
    void fileDeletedOrReplacedMeanwhile()
    {
        const QString path = freshPath();
        RecordStore store(path);
        QVERIFY(store.record(game({seat("Ann", 200)})).status.ok);
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + suffix);
        QVERIFY(store.record(game({seat("Bob", 150)}, 1)).status.ok);
        QCOMPARE(namesIn(path), QStringList({"Bob"}));

        const QString other = freshPath();
        QVERIFY(RecordStore(other).record(game({seat("Cy", 120)}, 2)).status.ok);
        QVERIFY(QFile::rename(path, path + ".old") && QFile::rename(other, path));
        QVERIFY(store.record(game({seat("Dee", 110)}, 3)).status.ok);
        QCOMPARE(namesIn(path), QStringList({"Cy", "Dee"}));
    }

    // A reader of a file in the older journal mode stops the commit: busy, so the game may retry.
    void failedCommitSaysWhy()
    {
        const QString path = freshPath();
        RecordStore(path).record(game({seat("Ann", 200)}));
        Other(path, {"PRAGMA journal_mode = DELETE"});
        Other reader(path, {"BEGIN", "SELECT count(*) FROM games"});
        const Status status = RecordStore(path).record(game({seat("Bob", 150)}, 1)).status;
        QVERIFY(status.busy);
        QCOMPARE(status.failure, QString("The records file %1 cannot be used: another "
                                         "program is using it.").arg(quoted(path)));
    }

    // A game is lost only when the disk refuses the pending file too, and then the player hears.
    void lostGameIsTold()
    {
        const QString path = freshPath();
        QVERIFY(QDir().mkpath(path));
        QVERIFY(QFile::link("/dev/full", PendingGames(path).path()));
        Recorder recorder(path);
        const Outcome lost = recorded(recorder, game({seat("Cy", 120)}));
        QCOMPARE(lost.kind, Outcome::Kind::Refused);
        QCOMPARE(lost.message,
                 QString("The records file %1 cannot be used: a folder of that name is in the "
                         "way. This game could not be kept in %2 either, so it is lost: No space "
                         "left on device.").arg(quoted(path), quoted(PendingGames(path).path())));
    }

    // A file of the first version takes the points given away; its older games know none.
    void versionOneFileIsUpgraded()
    {
        const QString path = freshPath();
        writeVersionOne(path);
        RecordStore store(path);
        SeatRecord ann = seat("Ann", 300);
        ann.pointsLost = 4.0;
        QVERIFY(store.record(game({ann}, 3)).status.ok);
        const QList<PlayerStats> players = store.players().value;
        QVERIFY(players.size() == 1 && players[0].games == 3 && players[0].pointsLost == 4.0);
        QFile file(path);  // the version in the file's header
        QVERIFY(file.open(QIODevice::ReadOnly) && file.seek(60));
        QCOMPARE(file.read(4), QByteArray("\0\0\0\x02", 4));
    }

    // Read but not written: the file stays as it was, and the window says so and what waits.
    void unwritableFileIsToldInTheWindow()
    {
        const QString path = freshPath();
        writeVersionOne(path);
        {
            // A layout written for a later SQLite: it reads the file but will not write to it.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(18) && file.write("\x03", 1) == 1);
        }
        const QByteArray before = readAll(path);
        {
            Recorder recorder(path, {20, 60});
            QCOMPARE(recorded(recorder, game({seat("Bob", 150)}, 3)).kind, Outcome::Kind::Pending);
        }
        QCOMPARE(readAll(path), before);
        ScriptedPrompts platform;
        RecordStore store(path);
        const QList<PlayerStats> players = store.players().value;
        QVERIFY(players.size() == 1 && players[0].games == 2 && !players[0].pointsLost);
        frmRecords window(store, platform);
        QCOMPARE(window.topTen()->rowCount(), 2);
        QCOMPARE(window.problem()->text(),
                 QString("The records file %1 can be read but not written: Kelbrune! is not "
                         "allowed to write to it or to its folder.\n1 finished game is kept in %2 "
                         "until the records can be written.")
                     .arg(quoted(path), quoted(PendingGames(path).path())));
        QVERIFY(!window.problem()->isHidden());
    }

    // A line that is not a sound game is left out; one cut short does not swallow the next.
    void pendingFile_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("sound");
        const QString entries = "[0,0,0,0,0,0,0,0,0,0,0,0,%1]";
        const QString seatText = "{\"bonus\":0,\"entries\":%2,\"grand\":%1,\"kind\":\"Human\","
                                 "\"lower\":%1,\"name\":\"Ann\",\"upper\":0}";
        auto line = [&](const QString &seats) {
            return "{\"ended\":1772391600000,\"seats\":[" + seats + "]}";
        };
        const QString one = seatText.arg("20", entries.arg(20));
        QTest::newRow("sound") << line(one) << true;
        QTest::newRow("six seats") << line(QStringList(6, one).join(',')) << true;
        QTest::newRow("seven seats") << line(QStringList(7, one).join(',')) << false;
        QTest::newRow("no seats") << line("") << false;
        QTest::newRow("twelve entries") << line(seatText.arg("20", "[0,0,0,0,0,0,0,0,0,0,0,20]")) << false;
        QTest::newRow("a fraction") << line(seatText.arg("20.5", entries.arg(20))) << false;
        QTest::newRow("a text total") << line(seatText.arg("\"20\"", entries.arg(20))) << false;
        QTest::newRow("a text entry") << line(seatText.arg("20", entries.arg("\"20\""))) << false;
        QTest::newRow("no name") << line(QString(one).remove("\"name\":\"Ann\",")) << false;
        QTest::newRow("cut short") << line(one).left(40) << false;
    }
    void pendingFile()
    {
        QFETCH(QString, line);
        QFETCH(bool, sound);
        const std::optional<GameRecord> read = PendingGames::gameOf(line);
        QCOMPARE(read.has_value(), sound);
        if (sound)
            QCOMPARE(PendingGames::lineOf(*read), line);

        const QString path = freshPath();
        PendingGames pending(path);
        QVERIFY(writeBytes(pending.path(), line.toUtf8()));
        const GameRecord next = game({seat("Bob", 150)}, 1);
        QVERIFY(!pending.add(next));
        const PendingGames::Kept kept = pending.read();
        QCOMPARE(int(kept.games.size()), sound ? 2 : 1);
        QCOMPARE(kept.lines.last(), PendingGames::lineOf(next));
        // Removing what was written keeps a game added meanwhile.
        const GameRecord later = game({seat("Cy", 120)}, 2);
        QVERIFY(!pending.add(later));
        pending.remove(kept.lines);
        QCOMPARE(pending.read().lines, QStringList{PendingGames::lineOf(later)});
    }

    // No keeps everything; Yes empties the store and the games waiting for it.
    void clearAsksFirst()
    {
        for (const bool yes : {false, true}) {
            const QString path = freshPath();
            RecordStore store(path);
            store.record(game({seat("Ann", 200), seat("Bob", 150)}));
            QVERIFY(!PendingGames(path).add(game({seat("Cy", 100)}, 1)));
            ScriptedPrompts platform;
            platform.yesNoAnswers << yes;
            frmRecords window(store, platform);
            window.cmdClear()->click();
            QCOMPARE(platform.events, QStringList{"yes/no Clear Records"});
            QCOMPARE(platform.prompts.first().text,
                     QString("Remove the records of every finished game? This cannot be undone."));
            QCOMPARE(store.topTen().value.size(), yes ? 0 : 2);
            QCOMPARE(PendingGames(path).count(), yes ? 0 : 1);
            QCOMPARE(window.topTen()->rowCount() + window.players()->count(), yes ? 0 : 4);
            QCOMPARE(window.findChild<ScoreHistogram *>()->accessibleDescription().startsWith("No games"), yes);
        }
    }

    // The top ten shows once the answer has come and "Game Over!" has closed, in either order.
    void finishedGamesOnlyAreRecorded()
    {
        Table t;
        t.newGame({"Ann", "Bob"});
        t.turn("1 1 1 1 1", Category::Aces);
        t.prompts.yesNoAnswers << true;
        t.newGame({"Ann"});  // the game of two is replaced, not finished
        playPerfectCard(t);
        QVERIFY(!t.window.recordsWindow());  // the box has closed, the answer is yet to come
        QTRY_VERIFY_WITH_TIMEOUT(t.window.recordsWindow() && t.window.recordsWindow()->isVisible(), 20000);
        QCOMPARE(t.prompts.promptsOf(ScriptedPrompts::Prompt::Ok).size(), 1);  // Game Over only
        const QList<TopEntry> top = t.records.topTen().value;
        QCOMPARE(top.size(), 1);
        QCOMPARE(top[0].name + ' ' + top[0].kind + ' ' + QString::number(top[0].score),
                 QStringLiteral("Ann Human 375"));
        const PlayerStats ann = t.records.players().value.value(0);
        QCOMPARE(QList<qint64>({ann.games, ann.bonuses, ann.kelbrunes}), QList<qint64>({1, 1, 1}));

        t.window.recordsWindow()->close();
        QTest::qWait(0);
        QSignalSpy answered(&t.window.recorder(), &Recorder::finished);
        t.prompts.duringPrompt("Game Over!", [&] { QVERIFY(answered.wait(20000)); });
        t.newGame({"Bo"});
        playPerfectCard(t);
        QVERIFY(t.window.recordsWindow() && t.window.recordsWindow()->isVisible());

        t.newGame({"Cy"});
        t.turn("6 6 6 6 6", Category::Kelbrune);
        t.load(gameOf({"Dee"}));
        t.prompts.yesNoAnswers << true;
        t.window.mnuExit()->trigger();
        QCOMPARE(t.records.players().value.size(), 2);
    }

    void unusableRecordsAreToldOnce()
    {
        Table t;
        QVERIFY(QDir().mkpath(t.records.path()));  // a folder where the file should be
        QSignalSpy answered(&t.window.recorder(), &Recorder::finished);
        for (int game = 0; game < 2; ++game) {
            t.newGame({"Ann"});
            playPerfectCard(t);
            QVERIFY(answered.wait(20000));
        }
        QStringList told;
        for (const ScriptedPrompts::Prompt &p : t.prompts.promptsOf(ScriptedPrompts::Prompt::Ok))
            told << p.title;
        QCOMPARE(told, QStringList({"Game Over!", "Records", "Game Over!"}));
        const QString problem = QString("The records file %1 cannot be used: a folder of that "
                                        "name is in the way.").arg(quoted(t.records.path()));
        const QString pendingPath = quoted(PendingGames(t.records.path()).path());
        QCOMPARE(t.prompts.promptsOf(ScriptedPrompts::Prompt::Ok)[1].text,
                 problem + QString(" This game is kept in %1 and will be added to the records the "
                                   "next time they can be written.").arg(pendingPath));
        QVERIFY(!t.window.recordsWindow());
        t.window.mnuRecords()->trigger();
        QCOMPARE(t.window.recordsWindow()->problem()->text(),
                 problem + QString("\n2 finished games are kept in %1 until the records can be "
                                   "written.").arg(pendingPath));
    }

    void histogramPaintsAndDescribes()
    {
        ScoreHistogram chart;
        chart.resize(360, 170);
        chart.setScores("Ann", {110, 120, 260, 375});
        QCOMPARE(chart.accessibleDescription(),
                 QString("4 final scores: 2 from 100 to 124, 1 from 250 to 274, 1 from 350 to "
                         "375. The line marks the Perfect computer's average, 245.87. 2 of them "
                         "above it."));
        const QImage image = chart.grab().toImage();
        chart.setScores("Bo", {});
        QCOMPARE(chart.accessibleDescription(),
                 QString("No games recorded. The line marks the Perfect computer's average, 245.87."));
        const int y = chart.plotArea().bottom() - 3;
        QCOMPARE(image.pixelColor(chart.xOf(112), y), ScoreHistogram::kBarColour);
        QCOMPARE(image.pixelColor(chart.xOf(362), y), ScoreHistogram::kBarColour);
        QCOMPARE(image.pixelColor(chart.xOf(200), y), chart.palette().color(QPalette::Base));
        const int yardstick = chart.xOf(ScoreHistogram::kYardstick);
        QCOMPARE(image.pixelColor(yardstick, chart.plotArea().top() + 2),
                 ScoreHistogram::kYardstickColour);

        // One game a bar: every bar full height.
        chart.setScores("Cy", {110, 260});
        QCOMPARE(chart.grab().toImage().pixelColor(chart.xOf(262), chart.plotArea().top() + 1),
                 ScoreHistogram::kBarColour);
    }
};

QTEST_MAIN(tst_Records)
#include "tst_records.moc"
