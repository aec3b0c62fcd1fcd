// Plays seeded games between computer players and prints each strength's mean score and
// standard deviation alone, its mistakes as the optimal-play table weighs them, how often each
// strength beats the next weaker one, how long one decision takes with the table ready, and how
// long the table takes to build. Every figure drawn from the games comes with its 95 % margin:
// the true value lies that close to the printed one 19 times in 20.
// Usage: bench_strengths [solo games per strength] [games per pair]
#include "ComputerPlayer.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

constexpr int kStrengthCount = 4;
const char *const kStrengthNames[kStrengthCount] = {"Beginner", "Casual", "Strong", "Perfect"};
// The computer's seat kinds, weakest first.
SeatKind strength(int s)
{
    return SeatKind(int(SeatKind::Beginner) + s);
}

// What the seat's decisions cost in time and, against the best move, in expected points.
struct Tally
{
    // Each decision's time: the least of a few timings of copies of the seat, so that a
    // neighbour's process taking the core mid-decision does not count.
    std::vector<float> seconds;
    // Set for the solo games only: each decision is then also timed and weighed by the table.
    const OptimalPlay *judge = nullptr;
    long long mistakes = 0;
    double loss = 0.0;
    double worstLoss = 0.0;

    void weigh(const Position &p, const Move &move)
    {
        if (!judge || p.rollsMade == 0)
            return;
        const OptimalPlay::Choices choices = judge->choices(p).value();
        double best = -1e9;
        double chosen = -1e9;
        for (int c = 0; c < kCategoryCount; ++c) {
            if (p.usedMask & usedBit(Category(c)))
                continue;
            best = std::max(best, choices.entry[std::size_t(c)]);
            if (move.kind == Move::Kind::Score && move.category == Category(c))
                chosen = choices.entry[std::size_t(c)];
        }
        for (const OptimalPlay::Choices::Keep &keep : choices.keeps) {
            best = std::max(best, keep.worth);
            if (move.kind == Move::Kind::Keep && move.keepFaces == keep.faces)
                chosen = keep.worth;
        }
        const double lost = best - chosen;
        if (lost > 0.01) {
            ++mistakes;
            loss += lost;
            worstLoss = std::max(worstLoss, lost);
        }
    }
};

// One player's card as the game keeps it.
struct Card
{
    Position position;
    int upper = 0;
    int lower = 0;

    void enter(Category category, const Dice &dice)
    {
        const int points = categoryScore(category, dice);
        position.usedMask |= usedBit(category);
        (isUpper(category) ? upper : lower) += points;
        position.upperSum = upper;
        position.pointsSoFar = upper + lower + (earnsUpperBonus(upper) ? kUpperBonus : 0);
    }
};

// Plays one turn of `player` on `card` with dice from `dice`; false on a move the game would
// refuse (none, a keep of dice not on the table, a used category, a fourth roll).
bool playTurn(ComputerPlayer &player, Card &card, std::mt19937 &dice, Tally &tally)
{
    std::uniform_int_distribution<int> die(1, 6);
    Position &p = card.position;
    std::vector<int> kept;
    for (p.rollsMade = 0;;) {
        if (tally.judge) {
            double seconds = 1e9;
            for (int timing = 0; timing < 3; ++timing) {
                ComputerPlayer copy = player;
                const auto start = Clock::now();
                const std::optional<Move> trial = copy.decide(p);
                seconds = std::min(seconds,
                                   std::chrono::duration<double>(Clock::now() - start).count());
            }
            tally.seconds.push_back(float(seconds));
        }
        const std::optional<Move> move = player.decide(p);
        if (!move)
            return false;
        tally.weigh(p, *move);
        if (move->kind == Move::Kind::Score) {
            if (p.rollsMade == 0 || (p.usedMask & usedBit(move->category)))
                return false;
            card.enter(move->category, p.dice);
            p.rollsMade = 0;
            return true;
        }
        if (move->kind == Move::Kind::Keep) {
            if (p.rollsMade == 0 || p.rollsMade == 3 || move->keepFaces.size() >= 5)
                return false;
            Dice left = p.dice;
            for (int face : move->keepFaces) {
                const auto at = std::find(left.begin(), left.end(), face);
                if (at == left.end())
                    return false;
                *at = 0;
            }
            kept = move->keepFaces;
        } else if (p.rollsMade != 0) {
            return false;
        }
        for (std::size_t i = 0; i < 5; ++i)
            p.dice[i] = i < kept.size() ? kept[i] : die(dice);
        ++p.rollsMade;
    }
}

// The mean of many draws strays less than this many standard errors from the true mean 19 times
// in 20.
constexpr double kZ95 = 1.96;

struct Summary
{
    double mean = 0.0;
    double deviation = 0.0;
    double margin = 0.0;  // of the mean
};

template <typename T>
Summary summarise(const std::vector<T> &values)
{
    Summary s;
    for (T v : values)
        s.mean += double(v);
    s.mean /= double(values.size());
    for (T v : values)
        s.deviation += (double(v) - s.mean) * (double(v) - s.mean);
    s.deviation = std::sqrt(s.deviation / double(values.size() - 1));
    s.margin = kZ95 * s.deviation / std::sqrt(double(values.size()));
    return s;
}

[[noreturn]] void refused(const char *who)
{
    std::fprintf(stderr, "%s made a move the game refuses\n", who);
    std::exit(1);
}
}  // namespace

int main(int argc, char **argv)
{
    // Enough games that a win share is known to half a percent and a mean to a point.
    const int soloGames = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10000;
    const int pairGames = argc > 2 ? std::max(2, std::atoi(argv[2])) : 40000;
    const auto benchStart = Clock::now();

    OptimalPlay table;
    const auto solveStart = Clock::now();
    table.solve();
    std::printf("table built in %.3f s\n\n", std::chrono::duration<double>(Clock::now() - solveStart)
                                                 .count());

    std::printf("%d solo games per strength. Mistakes as the table weighs them: how many and the\n"
                "points they lose per game, and the biggest. Time of one decision with the table\n"
                "ready: mean, 99.9th percentile, worst.\n", soloGames);
    std::printf("  %-9s %7s %6s %6s %4s %4s %9s %7s %7s %9s %9s %9s\n", "strength", "mean", "+-95%",
                "sd", "min", "max", "mistakes", "loss", "biggest", "mean us", "p99.9 us",
                "worst us");
    for (int s = 0; s < kStrengthCount; ++s) {
        ComputerPlayer player(strength(s), table, 1000 + std::uint64_t(s));
        Tally tally;
        tally.judge = &table;
        std::vector<int> totals;
        for (int game = 0; game < soloGames; ++game) {
            std::mt19937 dice(std::uint32_t(7000000 + game));
            Card card;
            for (int turn = 0; turn < kCategoryCount; ++turn)
                if (!playTurn(player, card, dice, tally))
                    refused(kStrengthNames[s]);
            totals.push_back(card.position.pointsSoFar);
        }
        const Summary sum = summarise(totals);
        std::vector<float> times = tally.seconds;
        double timeSum = 0.0;
        for (float t : times)
            timeSum += t;
        const auto p999 = times.begin() + std::ptrdiff_t(double(times.size()) * 0.999);
        std::nth_element(times.begin(), p999, times.end());
        std::printf("  %-9s %7.2f %6.2f %6.2f %4d %4d %9.2f %7.2f %7.2f %9.2f %9.1f %9.1f\n",
                    kStrengthNames[s], sum.mean, sum.margin, sum.deviation,
                    *std::min_element(totals.begin(), totals.end()),
                    *std::max_element(totals.begin(), totals.end()),
                    double(tally.mistakes) / soloGames, tally.loss / soloGames, tally.worstLoss,
                    timeSum / double(times.size()) * 1e6, double(*p999) * 1e6,
                    double(*std::max_element(times.begin(), times.end())) * 1e6);
    }

    // The seats take turns at moving first, game by game; the two share one stream of dice.
    std::printf("\n%d two-player games per pair of neighbours: the stronger's wins, losses and ties,\n"
                "its share of the games with a tie counted half, and its mean lead in points.\n",
                pairGames);
    for (int weaker = 0; weaker + 1 < kStrengthCount; ++weaker) {
        const int stronger = weaker + 1;
        ComputerPlayer a(strength(stronger), table, 2000 + std::uint64_t(weaker));
        ComputerPlayer b(strength(weaker), table, 3000 + std::uint64_t(weaker));
        Tally tally;
        // Per game: 1 for a win of the stronger, 0.5 for a tie, 0 for a loss; and its lead.
        std::vector<double> outcomes;
        std::vector<int> leads;
        for (int game = 0; game < pairGames; ++game) {
            std::mt19937 dice(std::uint32_t(9000000 + game));
            std::array<Card, 2> cards;
            std::array<ComputerPlayer *, 2> seats{&a, &b};
            if (game % 2)
                std::swap(seats[0], seats[1]);
            const bool strongerFirst = seats[0] == &a;
            for (int turn = 0; turn < kCategoryCount; ++turn)
                for (int seat = 0; seat < 2; ++seat)
                    if (!playTurn(*seats[std::size_t(seat)], cards[std::size_t(seat)], dice,
                                  tally))
                        refused("a player");
            const int strongerTotal = cards[strongerFirst ? 0 : 1].position.pointsSoFar;
            const int weakerTotal = cards[strongerFirst ? 1 : 0].position.pointsSoFar;
            outcomes.push_back(strongerTotal > weakerTotal    ? 1.0
                               : strongerTotal == weakerTotal ? 0.5
                                                              : 0.0);
            leads.push_back(strongerTotal - weakerTotal);
        }
        const auto share = [&](double outcome) {
            const double p =
                double(std::count(outcomes.begin(), outcomes.end(), outcome)) / pairGames;
            return std::pair{100.0 * p, 100.0 * kZ95 * std::sqrt(p * (1.0 - p) / pairGames)};
        };
        const auto [wins, winsMargin] = share(1.0);
        const auto [losses, lossesMargin] = share(0.0);
        const auto [ties, tiesMargin] = share(0.5);
        const Summary counted = summarise(outcomes);
        const Summary lead = summarise(leads);
        std::printf("  %-8s beats %-8s %5.1f%% +-%.1f  loses %5.1f%% +-%.1f  ties %4.1f%% +-%.1f  "
                    "share %5.1f%% +-%.1f  lead %+6.2f +-%.2f\n",
                    kStrengthNames[stronger], kStrengthNames[weaker], wins, winsMargin, losses,
                    lossesMargin, ties, tiesMargin, 100.0 * counted.mean, 100.0 * counted.margin,
                    lead.mean, lead.margin);
    }

    std::printf("\nelapsed: %.1f s\n",
                std::chrono::duration<double>(Clock::now() - benchStart).count());
    return 0;
}
