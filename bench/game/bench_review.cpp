// The time a game's review takes: games of six players, every decision made at random (keeps and
// entries alike, so most of them give points away), each reviewed whole with the advisor's table.
#include "DecisionLog.h"
#include "Game.h"
#include "OptimalPlay.h"
#include "Review.h"
#include "ScriptedPlatform.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <random>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    OptimalPlay advisor;
    QElapsedTimer solve;
    solve.start();
    advisor.solve();
    std::printf("advisor's table:        %lld ms\n", static_cast<long long>(solve.elapsed()));

    std::mt19937 random(7);
    ScriptedPlatform platform;
    const int games = 20;
    std::vector<double> ms;
    std::size_t decisions = 0;
    for (int g = 0; g < games; ++g) {
        Game game(platform);
        DecisionLog log(game);
        game.start(std::vector<Seat>(kMaxPlayers, Seat{QStringLiteral("P"), SeatKind::Human}));
        while (game.state().inProgress()) {
            game.roll();
            while (game.canRoll() && random() % 3 != 0) {
                for (int d = 0; d < kDiceCount; ++d)
                    (random() % 2 ? game.hold(d) : game.release(d));
                game.roll();
            }
            std::vector<Category> free;
            for (int c = 0; c < kCategoryCount; ++c)
                if (game.canScore(Category(c)))
                    free.push_back(Category(c));
            game.score(free[random() % free.size()]);
        }
        QElapsedTimer timer;
        timer.start();
        const GameReview review = reviewGame(log.decisions(), kMaxPlayers, false, advisor);
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
        decisions += review.decisions.size();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("games reviewed:         %d (six players each, %zu decisions a game on average)\n",
                games, decisions / games);
    std::printf("review of a game:       median %.1f ms, worst %.1f ms (target: under 50)\n",
                ms[ms.size() / 2], ms.back());
    return 0;
}
