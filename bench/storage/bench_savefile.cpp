// Prints how long a six-player game takes to save (encode + write to disk) and to load (read +
// decode), averaged over many runs. Target: under 1 ms each.

#include "SaveFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

SavedGame sixPlayerGame()
{
    SavedGame game;
    for (int p = 1; p <= 6; ++p) {
        SavedPlayer player;
        player.name = QStringLiteral("Zoë %1").arg(p);
        player.upperTotal = 98;
        player.lowerTotal = 187;
        player.grandTotal = 320;
        for (std::size_t r = 0; r < player.top.size(); ++r)
            player.top[r] = {QString::number(4 * (r + 1)), 16047375};
        for (std::size_t r = 0; r < player.bottom.size(); ++r)
            player.bottom[r] = {QString::number(10 * r), r == 2 ? 65280 : -2147483633};
        // Two rounds to go: Sixes and Chance are still free.
        player.top[5].text.clear();
        player.bottom[6].text.clear();
        game.players.push_back(player);
    }
    game.currentPlayer = 4;
    game.rollCount = 2;
    game.roundCount = 11;
    game.rollEnabled = true;
    game.diceValue = {6, 6, 1, 6, 2};
    game.diceSaved = {true, true, false, true, false};
    return game;
}

double microseconds(const QElapsedTimer &timer, int runs)
{
    return double(timer.nsecsElapsed()) / 1000.0 / runs;
}

// Mean and median of one step timed run by run, in microseconds; false when a run failed.
template<typename Step>
bool timeEach(int runs, Step step, double &mean, double &median)
{
    std::vector<qint64> times;
    times.reserve(std::size_t(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        if (!step())
            return false;
        times.push_back(timer.nsecsElapsed());
    }
    mean = std::accumulate(times.begin(), times.end(), 0.0) / 1000.0 / runs;
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    median = double(times[std::size_t(runs / 2)]) / 1000.0;
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 2000;
    if (runs < 1)
        return 2;

    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QString path = dir.filePath(QStringLiteral("six.sav"));
    const SavedGame game = sixPlayerGame();
    const QByteArray bytes = encodeSavedGame(game);

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        encodeSavedGame(game);
    const double encode = microseconds(timer, runs);

    timer.restart();
    for (int i = 0; i < runs; ++i) {
        if (const DecodeResult back = decodeSavedGame(bytes); !back.game) {
            std::fprintf(stderr, "the game does not load: line %d: %s\n", back.error.line,
                         qPrintable(back.error.reason));
            return 1;
        }
    }
    const double decode = microseconds(timer, runs);

    double save = 0, saveMedian = 0, load = 0, loadMedian = 0;
    if (!timeEach(runs, [&] { return !writeSavedGame(path, game); }, save, saveMedian))
        return 1;
    if (!timeEach(runs, [&] { return bool(readSavedGame(path).game); }, load, loadMedian))
        return 1;

    std::printf("six-player .sav file: %lld bytes, %d runs each\n", static_cast<long long>(bytes.size()), runs);
    std::printf("  encode only           %8.1f us\n", encode);
    std::printf("  decode only           %8.1f us\n", decode);
    // The save flushes the new file to disk before it replaces the old one; that flush is most
    // of its time and varies with the disk.
    std::printf("  save (encode + write) %8.1f us mean, %8.1f us median\n", save, saveMedian);
    std::printf("  load (read + decode)  %8.1f us mean, %8.1f us median\n", load, loadMedian);
    return 0;
}
