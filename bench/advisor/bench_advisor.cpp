// Prints how long the optimal-play table takes to build, the worth of an empty card, and how long
// one piece of advice takes at random points of random games.
#include "OptimalPlay.h"

#include <chrono>
#include <ctime>
#include <cstdio>
#include <random>
#include <thread>

int main()
{
    using Clock = std::chrono::steady_clock;
    OptimalPlay play;
    // Processor time too: on a shared machine the wall time says as much about the neighbours.
    const std::clock_t cpuStart = std::clock();
    const auto start = Clock::now();
    play.solve();
    const double solveSeconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("solve: %.3f s wall, %.3f s processor time over %u threads\n", solveSeconds,
                cpuSeconds, std::thread::hardware_concurrency());
    std::printf("expected final score from an empty card: %.6f\n",
                play.expectedFinalScore(Position{}).value_or(0.0));

    // Random cards with consistent upper sums, at every stage of a turn.
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> die(1, 6);
    constexpr int kPositions = 20000;
    std::vector<Position> positions;
    positions.reserve(kPositions);
    while (positions.size() < kPositions) {
        Position p;
        for (int c = 0; c < kCategoryCount; ++c) {
            if (random() % 2 == 0)
                continue;
            p.usedMask |= usedBit(Category(c));
            if (isUpper(Category(c)))
                p.upperSum += (c + 1) * int(random() % 6);
        }
        if (p.usedMask == kAllCategoriesUsed)
            continue;
        p.rollsMade = int(random() % 4);
        for (int &face : p.dice)
            face = die(random);
        positions.push_back(p);
    }
    // Timed by stage of the turn: after the first roll the advice works out two rolls ahead.
    double checksum = 0.0;
    double seconds[4] = {};
    int count[4] = {};
    for (const Position &p : positions) {
        const auto one = Clock::now();
        checksum += play.advise(p)->expectedFinal;
        seconds[p.rollsMade] += std::chrono::duration<double>(Clock::now() - one).count();
        ++count[p.rollsMade];
    }
    std::printf("advice: %.1f us mean over %d positions (checksum %.1f)\n",
                (seconds[0] + seconds[1] + seconds[2] + seconds[3]) / kPositions * 1e6, kPositions,
                checksum);
    for (int rolls = 0; rolls <= 3; ++rolls)
        std::printf("  after %d rolls: %.1f us mean\n", rolls, seconds[rolls] / count[rolls] * 1e6);
    return 0;
}
