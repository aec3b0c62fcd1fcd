// Recording a finished game and opening the records window, with 10,000 games stored in a
// temporary file. Prints the median and the worst of a few runs of each. As in the game, the main
// window is up first, with its settings in a temporary folder. The windows are built offscreen
// unless QT_QPA_PLATFORM says otherwise. Argument: the number of runs (default 9).
// Every call of the store opens the file and closes it again, so each figure includes that.

#include "QtPlatform.h"
#include "QtSettingsStore.h"
#include "RecordStore.h"
#include "Recorder.h"
#include "Scoring.h"
#include "Seat.h"
#include "OptimalPlay.h"
#include "RecordStore.h"
#include "frmMain.h"
#include "frmRecords.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

using namespace records;

namespace {
constexpr int kStoredGames = 10000;

struct Player
{
    const char *name;
    SeatKind kind;
};
constexpr Player kPlayers[] = {
    {"Ann", SeatKind::Human},  {"Bob", SeatKind::Human},  {"Cleo", SeatKind::Human},
    {"Dev", SeatKind::Human},  {"Eli", SeatKind::Human},  {"Fay", SeatKind::Human},
    {"Gus", SeatKind::Human},  {"Hal", SeatKind::Human},  {"Ivy", SeatKind::Human},
    {"Jo", SeatKind::Human},   {"Beginner", SeatKind::Beginner},
    {"Casual", SeatKind::Casual}, {"Strong", SeatKind::Strong}, {"Perfect", SeatKind::Perfect}};

// A final score card as real games end: most rows filled with typical values, some zeros.
SeatRecord plausibleSeat(std::mt19937 &random, const Player &player)
{
    auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    std::discrete_distribution<int> count({8, 15, 27, 30, 15, 5});
    SeatRecord s;
    s.name = QString::fromLatin1(player.name);
    s.kind = seatKindName(player.kind);
    for (int face = 1; face <= 6; ++face)
        s.entries[std::size_t(face - 1)] = face * count(random);
    s.entries[6] = chance(0.7) ? between(12, 28) : 0;
    s.entries[7] = chance(0.45) ? between(10, 28) : 0;
    s.entries[8] = chance(0.65) ? 25 : 0;
    s.entries[9] = chance(0.75) ? 30 : 0;
    s.entries[10] = chance(0.45) ? 40 : 0;
    s.entries[11] = chance(0.3) ? kKelbruneScore : 0;
    s.entries[12] = between(16, 28);
    for (int i = 0; i < kCategoryCount; ++i)
        (isUpper(Category(i)) ? s.upperTotal : s.lowerTotal) += s.entries[std::size_t(i)];
    s.bonus = earnsUpperBonus(s.upperTotal) ? kUpperBonus : 0;
    s.grandTotal = s.upperTotal + s.bonus + s.lowerTotal;
    return s;
}

GameRecord plausibleGame(std::mt19937 &random, int index)
{
    GameRecord game;
    game.endedAt = QDateTime(QDate(2024, 1, 1), QTime(12, 0)).addSecs(qint64(index) * 1800);
    std::vector<int> order(std::size(kPlayers));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::shuffle(order.begin(), order.end(), random);
    const int seats = std::uniform_int_distribution(1, 6)(random);
    for (int s = 0; s < seats; ++s)
        game.seats.push_back(plausibleSeat(random, kPlayers[order[std::size_t(s)]]));
    return game;
}

struct Spread
{
    double median;
    double worst;
};
Spread spread(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.last()};
}
double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}
}  // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;  // the player's own settings and records stay untouched
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelbrune!"));
    QApplication::setOrganizationName(QStringLiteral("Kelbrune!"));
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 9;

    const QString path = folder.filePath(QStringLiteral("records.sqlite"));
    std::mt19937 random(20261207u);
    std::vector<GameRecord> history;
    for (int i = 0; i < kStoredGames; ++i)
        history.push_back(plausibleGame(random, i));

    RecordStore store(path);
    QElapsedTimer timer;
    timer.start();
    const Status filled = store.recordAll(history);
    if (!filled.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(filled.failure));
        return 1;
    }
    std::printf("Records with %d games stored, %d runs, platform %s\n", kStoredGames, runs,
                qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  filling the file in one transaction: %.0f ms\n", msSince(timer));

    QtSettingsStore settings;
    QtPlatform platform;
    OptimalPlay advisor;
    frmMain mainWindow(platform, platform, settings, advisor, store);
    platform.setWindow(&mainWindow);
    mainWindow.show();
    QApplication::processEvents();

    Recorder recorder(path);
    QList<double> recordStore, recordRecorder, window;
    qint64 last = 0;
    for (int run = 0; run < runs; ++run) {
        const GameRecord game = plausibleGame(random, kStoredGames + run);
        timer.start();
        const Fetched<Recorded> done = store.record(game);
        recordStore << msSince(timer);
        if (!done.status.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(done.status.failure));
            return 1;
        }
        last = done.value.gameId;

        // As the main window records: handed over at once, answered on the window's thread.
        QEventLoop answered;
        Outcome outcome;
        const QMetaObject::Connection connection = QObject::connect(
            &recorder, &Recorder::finished, &answered, [&](quint64, const Outcome &o) {
                outcome = o;
                answered.quit();
            });
        timer.start();
        recorder.record(plausibleGame(random, kStoredGames + runs + run));
        answered.exec();
        recordRecorder << msSince(timer);
        QObject::disconnect(connection);
        if (outcome.kind != Outcome::Kind::Recorded) {
            std::fprintf(stderr, "%s\n", qPrintable(outcome.message));
            return 1;
        }

        // From nothing to a painted window.
        timer.start();
        frmRecords records(store, platform, last, &mainWindow);
        records.show();
        QApplication::processEvents();
        window << msSince(timer);
        if (records.topTen()->rowCount() != 10) {
            std::fprintf(stderr, "the window shows %d top entries\n", records.topTen()->rowCount());
            return 1;
        }
    }
    const auto report = [](const char *what, const QList<double> &ms) {
        const Spread s = spread(ms);
        std::printf("  %-52s median %6.1f  worst %6.1f ms (target < 50)\n", what, s.median,
                    s.worst);
    };
    report("record a game (the store, on this thread)", recordStore);
    report("record a game (the recorder: hand-over to answer)", recordRecorder);
    report("open the records window (reads, paints)", window);
    std::printf("  %-52s        %6.1f ms\n", "the first records window of the session",
                window.first());
    return 0;
}
