#include "Golden.h"
#include "RecordStore.h"
#include "ScoreHistogram.h"
#include "GameStates.h"
#include "ScriptedPrompts.h"
#include "Table.h"
#include "frmRecords.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace records;

namespace {
SeatRecord seat(const QString &name, int grand, int bonus = 0, int kelbrune = 0)
{
    SeatRecord s{name, QStringLiteral("Human"), grand - bonus, bonus, 0, grand, {}};
    s.entries[std::size_t(Category::Kelbrune)] = kelbrune;
    return s;
}
GameRecord game(std::vector<SeatRecord> seats)
{
    return {QDateTime(QDate(2026, 3, 1), QTime(20, 0)), seats};
}
QString quoted(const QString &path) { return QStringLiteral("\u201C%1\u201D").arg(path); }

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
        store.record(game({seat("Ann", 250, 35, 50), seat("Bob", 200)}));
        store.record(game({seat("Ann", 180), seat("Bob", 180, 35)}));  // a tie: both win
        store.record(game({seat("Ann", 300, 35, 50)}));                // alone: no win
        store.record(game({seat("Bob", 150), seat("cy", 220), seat("Ann", 100)}));
        QStringList rows;
        for (const PlayerStats &p : store.players().value)
            rows << QStringLiteral("%1 %2 %3 %4 %5 %6 %7").arg(p.name).arg(p.games).arg(p.wins)
                        .arg(p.average, 0, 'f', 2).arg(p.best).arg(p.bonuses).arg(p.kelbrunes);
        QCOMPARE(rows, QStringList({"Ann 4 2 207.50 300 2 2", "Bob 3 1 176.67 200 1 0",
                                    "cy 1 1 220.00 220 0 0"}));
        ScriptedPrompts platform;
        frmRecords window(store, platform);
        QCOMPARE(window.statistic(frmRecords::Bonus)->text(), QString("2 of 4 games (50%)"));
        QCOMPARE(window.players()->item(0)->data(Qt::AccessibleDescriptionRole).toString(),
                 QString("4 games, 2 wins, average 207.5, best 300, bonus in 2 games, 2 Kelbrunes"));
    }

    void topTenOrderAndMarking()
    {
        RecordStore store(freshPath());
        for (int score : {150, 300, 200, 300, 120, 250, 180, 260, 90, 210, 230})
            store.record(game({seat(QStringLiteral("P%1").arg(score), score)}));
        const Fetched<Recorded> mine = store.record(game({seat("Zed", 240), seat("Yan", 80)}));
        QVERIFY(mine.value.topTen);
        // Equal to the tenth: the earlier game keeps its place.
        QVERIFY(!store.record(game({seat("Low", 150)})).value.topTen);

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

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        const QString started = "The records file %1 could not be read, so it has been kept as %2 and a new, "
                                "empty records file has been started.";
        QTest::newRow("not a database") << "junk" << started;
        QTest::newRow("another program's database") << "foreign" << started;
        QTest::newRow("no new file can start")
            << "blocked"
            << "The records file %1 could not be read, so it has been kept as %2, but no new "
               "records file could be started: Kelbrune! is not allowed to write to it or to "
               "its folder. The game goes on without records.";
    }
    void damagedFileIsKeptAside()
    {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        const QStringList connections = QSqlDatabase::connectionNames();
        const QString path = freshPath();
        if (kind == "foreign") {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kind);
            db.setDatabaseName(path);
            QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral("CREATE TABLE notes (text)")));
            db.close();
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(3000, 'k')) == 3000);
        }
        QSqlDatabase::removeDatabase(kind);
        const QByteArray before = readAll(path);
        // A folder where the new file's shared index belongs: SQLite then will not write to it.
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
                QVERIFY(store.record(game({seat("Bob", 100)})).status.ok && store.topTen().value.size() == 2);
        }
        QCOMPARE(QSqlDatabase::connectionNames(), connections);  // a closed store closes its connection
    }

    // No keeps everything; Yes empties the store.
    void clearAsksFirst()
    {
        for (const bool yes : {false, true}) {
            RecordStore store(freshPath());
            store.record(game({seat("Ann", 200), seat("Bob", 150)}));
            ScriptedPrompts platform;
            platform.yesNoAnswers << yes;
            frmRecords window(store, platform);
            window.cmdClear()->click();
            QCOMPARE(platform.events, QStringList{"yes/no Clear Records"});
            QCOMPARE(platform.prompts.first().text,
                     QString("Remove the records of every finished game? This cannot be undone."));
            QCOMPARE(store.topTen().value.size(), yes ? 0 : 2);
            QCOMPARE(window.topTen()->rowCount() + window.players()->count(), yes ? 0 : 4);
        }
    }

    void finishedGamesOnlyAreRecorded()
    {
        Table t;
        t.newGame({"Ann", "Bob"});
        t.turn("1 1 1 1 1", Category::Aces);
        t.prompts.yesNoAnswers << true;
        t.newGame({"Ann"});  // the game of two is replaced, not finished
        playPerfectCard(t);
        QCOMPARE(t.prompts.promptsOf(ScriptedPrompts::Prompt::Ok).size(), 1);  // Game Over only
        const QList<TopEntry> top = t.records.topTen().value;
        QCOMPARE(top.size(), 1);
        QCOMPARE(top[0].name + ' ' + top[0].kind + ' ' + QString::number(top[0].score),
                 QStringLiteral("Ann Human 375"));
        const PlayerStats ann = t.records.players().value.value(0);
        QCOMPARE(QList<int>({ann.games, ann.bonuses, ann.kelbrunes}), QList<int>({1, 1, 1}));
        QVERIFY(t.window.recordsWindow() && t.window.recordsWindow()->isVisible());

        t.newGame({"Cy"});
        t.turn("6 6 6 6 6", Category::Kelbrune);
        t.load(gameOf({"Dee"}));
        t.prompts.yesNoAnswers << true;
        t.window.mnuExit()->trigger();
        QCOMPARE(t.records.players().value.size(), 1);
    }

    void unusableRecordsAreToldOnce()
    {
        Table t;
        QVERIFY(QDir().mkpath(t.records.path()));  // a folder where the file should be
        for (int game = 0; game < 2; ++game) {
            t.newGame({"Ann"});
            playPerfectCard(t);
        }
        QStringList told;
        for (const ScriptedPrompts::Prompt &p : t.prompts.promptsOf(ScriptedPrompts::Prompt::Ok))
            told << p.title;
        QCOMPARE(told, QStringList({"Game Over!", "Records", "Game Over!"}));
        const QString expected = QString("The records file %1 cannot be used: a folder of that "
                                         "name is in the way. The game goes on without records.")
                                     .arg(quoted(t.records.path()));
        QCOMPARE(t.prompts.promptsOf(ScriptedPrompts::Prompt::Ok)[1].text, expected);
        QVERIFY(!t.window.recordsWindow());
        t.window.mnuRecords()->trigger();
        QCOMPARE(t.window.recordsWindow()->problem()->text(), expected);
    }

    void histogramPaintsAndDescribes()
    {
        ScoreHistogram chart;
        chart.resize(360, 170);
        chart.setScores("Ann", {110, 120, 260, 375});
        QCOMPARE(chart.accessibleName(), QString("Final scores of Ann"));
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

        // The axis reads the tallest bar's count, "2 games", or "1 game" when no bar holds more
        // than one, each then as tall as the axis.
        chart.setScores("Cy", {110, 260});
        const QImage one = chart.grab().toImage();
        QCOMPARE(one.pixelColor(chart.xOf(262), chart.plotArea().top() + 1), ScoreHistogram::kBarColour);
        auto plural = [&](const QImage &shot, const QString &caption) {  // any ink where an "s" would end it
            const QFontMetrics metrics(chart.font());
            const QRect s(chart.plotArea().left() + 4 + metrics.horizontalAdvance(caption), 0,
                          metrics.horizontalAdvance(QLatin1Char('s')), metrics.height() + 2);
            int ink = 0;
            for (int y = s.top(); y <= s.bottom(); ++y)
                for (int x = s.left(); x <= s.right(); ++x)
                    ink += shot.pixelColor(x, y) != chart.palette().color(QPalette::Base);
            return ink > 0;
        };
        QVERIFY(plural(image, "2 game") && !plural(one, "1 game"));
    }
};

QTEST_MAIN(tst_Records)
#include "tst_records.moc"
