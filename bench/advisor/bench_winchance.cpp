// Prints, at 20 fixed points of seeded games (early, middle and last round; two to six players;
// some in the middle of a turn), each player's chance to win as WinChance works it out beside the
// share of wins in simulated games under the same play (the advisor's, for every player, to the
// end), the largest difference, and how long the answer took, median and worst over the 20: from
// nothing but the table (as after loading a game), and in play (after the answer to the point of
// the game just before). Also how long the table takes to build and how much memory the engine
// holds.
// Usage: bench_winchance [simulated games per position, 1000000 by default]
#include "WinChance.h"

#include "DiceSets.h"
#include "RollTable.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kBonusAt = kUpperBonusAt;
constexpr int kRolls = DiceSets::kRollCount;
constexpr int kFirstRoll = DiceSets::kFirstRoll;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double processorSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// The most memory the process has held, in megabytes.
double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

// One seat's card as the game keeps it.
struct Card
{
    Position position;
    int upper = 0;

    void enter(Category category, const Dice &dice)
    {
        const int points = categoryScore(category, dice);
        position.usedMask |= usedBit(category);
        if (isUpper(category)) {
            if (upper < kBonusAt && upper + points >= kBonusAt)
                position.pointsSoFar += kUpperBonus;
            upper += points;
        }
        position.upperSum = upper;
        position.pointsSoFar += points;
    }
};

// A point of a seeded game: `round` (1..13) with seat `mover` to move after `rollsMade` rolls.
struct Spec
{
    const char *name;
    int players;
    int round;
    int mover;
    int rollsMade;
    std::uint32_t seed;
};

// Early, middle and last round; two and six players, and a few between.
const Spec kSpecs[] = {
    {"2p start", 2, 1, 0, 0, 11},
    {"2p round 1, 1st roll", 2, 1, 0, 1, 12},
    {"2p round 3", 2, 3, 1, 0, 13},
    {"2p round 5, 2nd roll", 2, 5, 0, 2, 14},
    {"2p round 7", 2, 7, 1, 0, 15},
    {"2p round 9, 1st roll", 2, 9, 1, 1, 16},
    {"2p round 12", 2, 12, 0, 0, 17},
    {"2p round 13, 2nd roll", 2, 13, 1, 2, 18},
    {"3p round 6, 1st roll", 3, 6, 2, 1, 19},
    {"4p round 10", 4, 10, 2, 0, 20},
    {"6p round 1, 1st roll", 6, 1, 3, 1, 21},
    {"6p round 2", 6, 2, 4, 0, 22},
    {"6p round 4, 2nd roll", 6, 4, 5, 2, 23},
    {"6p round 5, 1st roll", 6, 5, 5, 1, 24},
    {"6p round 6, 1st roll", 6, 6, 3, 1, 26},
    {"6p round 7, 1st roll", 6, 7, 0, 1, 25},
    {"6p round 8, 2nd roll", 6, 8, 1, 2, 27},
    {"6p round 10", 6, 10, 4, 0, 28},
    {"6p round 12, 1st roll", 6, 12, 2, 1, 29},
    {"6p round 13, 3rd roll", 6, 13, 5, 3, 30},
};

// The card as the advisor's table keys it: an upper sum that has reached the bonus, or can no
// longer reach it, plays no part in the play and is kept as 63.
int planKey(std::uint16_t mask, int upperSum)
{
    int still = 0;
    for (int c = 0; c < 6; ++c)
        if (!(mask & usedBit(Category(c))))
            still += 5 * (c + 1);
    const bool settled = upperSum >= kBonusAt || upperSum + still < kBonusAt;
    return int(mask) * 64 + (settled ? kBonusAt : upperSum);
}

// The advisor's plan of every card a simulation meets, packed: by roll, the keep after the first
// and the second roll as a place in the roll's list of smaller sets (31 to enter the dice) and
// the category, in sixteen bits.
class PlanCache
{
public:
    explicit PlanCache(const OptimalPlay &play) : m_play(play), m_slot(8192 * 64, -1) {}

    // Makes sure every card the seats can reach has its plan; on all cores.
    void cover(const std::vector<Position> &seats)
    {
        std::vector<std::vector<int>> layers(14);
        std::vector<char> listed(8192 * 64, 0);
        auto add = [&](std::uint16_t mask, int upper) {
            const int key = planKey(mask, upper);
            if (mask != kAllCategoriesUsed && !listed[std::size_t(key)]) {
                listed[std::size_t(key)] = 1;
                layers[std::size_t(std::popcount(unsigned(mask)))].push_back(key);
            }
        };
        for (const Position &seat : seats)
            add(seat.usedMask, seat.upperSum);
        for (std::size_t used = 0; used < 13; ++used) {
            for (std::size_t i = 0; i < layers[used].size(); ++i) {
                const int key = layers[used][i];
                const auto mask = std::uint16_t(key / 64);
                for (int c = 0; c < kCategoryCount; ++c) {
                    if (mask & usedBit(Category(c)))
                        continue;
                    const auto after = std::uint16_t(mask | usedBit(Category(c)));
                    for (int n = 0; n <= (isUpper(Category(c)) ? 5 : 0); ++n)
                        add(after, key % 64 + n * (c + 1));
                }
            }
        }
        std::vector<int> missing;
        for (const std::vector<int> &layer : layers)
            for (int key : layer)
                if (m_slot[std::size_t(key)] < 0)
                    missing.push_back(key);
        std::sort(missing.begin(), missing.end());
        const std::size_t first = m_plans.size() / kRolls;
        m_plans.resize(m_plans.size() + missing.size() * kRolls);
        for (std::size_t i = 0; i < missing.size(); ++i)
            m_slot[std::size_t(missing[i])] = std::int32_t(first + i);
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            std::vector<OptimalPlay::TurnPlan> plans(64);
            std::vector<int> uppers;
            for (std::size_t i = next.fetch_add(64); i < missing.size(); i = next.fetch_add(64)) {
                const std::size_t end = std::min(missing.size(), i + 64);
                for (std::size_t j = i; j < end;) {
                    const int mask = missing[j] / 64;
                    uppers.clear();
                    std::size_t k = j;
                    for (; k < end && missing[k] / 64 == mask; ++k)
                        uppers.push_back(missing[k] % 64);
                    m_play.turnPlans(std::uint16_t(mask), uppers, plans);
                    for (std::size_t u = 0; u < uppers.size(); ++u)
                        pack(plans[u], &m_plans[(first + j + u) * kRolls]);
                    j = k;
                }
            }
        };
        std::vector<std::thread> helpers;
        for (unsigned w = 1; w < std::max(1u, std::thread::hardware_concurrency()); ++w)
            helpers.emplace_back(work);
        work();
        for (std::thread &helper : helpers)
            helper.join();
    }

    const std::uint16_t *plan(std::uint16_t mask, int upperSum) const
    {
        return &m_plans[std::size_t(m_slot[std::size_t(planKey(mask, upperSum))]) * kRolls];
    }
    // After roll `rollsMade` (1 or 2): the set kept, or -1 to enter the dice.
    int keep(const std::uint16_t *plan, int roll, int rollsMade) const
    {
        const int place = plan[roll] >> (rollsMade == 1 ? 11 : 6) & 31;
        return place == 31 ? -1 : DiceSets::instance().keepsOf(roll)[std::size_t(place)];
    }
    static Category category(const std::uint16_t *plan, int roll)
    {
        return Category(plan[roll] & 15);
    }
    std::size_t bytes() const { return m_plans.size() * 2 + m_slot.size() * 4; }

private:
    void pack(const OptimalPlay::TurnPlan &plan, std::uint16_t *to) const
    {
        for (int r = 0; r < kRolls; ++r) {
            auto place = [&](int after) {
                const std::int16_t set = plan.keep[std::size_t(after)][std::size_t(r)];
                if (set == OptimalPlay::TurnPlan::kScoreNow)
                    return 31;
                const std::span<const std::int16_t> keeps = DiceSets::instance().keepsOf(r);
                return int(std::find(keeps.begin(), keeps.end(), set) - keeps.begin());
            };
            to[r] = std::uint16_t(place(0) << 11 | place(1) << 6
                                  | int(plan.category[std::size_t(r)]));
        }
    }

    const OptimalPlay &m_play;
    std::vector<std::int32_t> m_slot;
    std::vector<std::uint16_t> m_plans;
};

// Dice from a 64-bit generator, two faces a draw: each from 32 bits times six, the top bits.
class Dice6
{
public:
    explicit Dice6(std::uint64_t seed) : m_random(seed) {}
    int face()
    {
        if (m_spare) {
            m_spare = false;
            return int((m_bits >> 32) * 6 >> 32);
        }
        m_bits = m_random();
        m_spare = true;
        return int((m_bits & 0xffffffffu) * 6 >> 32);
    }

private:
    std::mt19937_64 m_random;
    std::uint64_t m_bits = 0;
    bool m_spare = false;
};

// Plays a seat out to the end of its card as the plans say; its final score. A seat in the middle
// of a turn goes on from the dice it has.
int playOut(const PlanCache &plans, Position p, Dice6 &dice)
{
    const DiceSets &sets = DiceSets::instance();
    const RollTable &table = RollTable::instance();
    int upper = p.upperSum;
    int total = p.pointsSoFar;
    int set = p.rollsMade > 0 ? sets.rollOf(p.dice) + kFirstRoll : 0;
    int made = p.rollsMade;
    while (p.usedMask != kAllCategoriesUsed) {
        const std::uint16_t *plan = plans.plan(p.usedMask, upper);
        for (;;) {
            if (made == 0 || set < kFirstRoll) {
                // Roll the dice not kept.
                int held = 0;
                for (int f = 1; f <= 6; ++f)
                    held += sets.count(set, f);
                for (; held < 5; ++held)
                    set = sets.withOneMore(set)[std::size_t(dice.face())];
                ++made;
            }
            const int roll = set - kFirstRoll;
            const int keep = made < 3 ? plans.keep(plan, roll, made) : -1;
            if (keep >= 0) {
                set = keep;
                continue;
            }
            const Category category = PlanCache::category(plan, roll);
            const int points = int(table.score[std::size_t(roll)][std::size_t(category)]);
            p.usedMask |= usedBit(category);
            total += points;
            if (isUpper(category)) {
                if (upper < kBonusAt && upper + points >= kBonusAt)
                    total += kUpperBonus;
                upper += points;
            }
            break;
        }
        set = 0;
        made = 0;
    }
    return total;
}

// The share of simulated games each seat wins (a shared first place is a win for each).
std::vector<double> simulate(const PlanCache &plans, const std::vector<Position> &seats,
                             std::size_t mover, long games)
{
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::vector<long>> wins(workers, std::vector<long>(seats.size(), 0));
    auto work = [&](unsigned worker) {
        Dice6 dice(0x5eed0000u + worker);
        std::vector<int> finals(seats.size());
        for (long game = worker; game < games; game += workers) {
            for (std::size_t s = 0; s < seats.size(); ++s) {
                Position seat = seats[s];
                if (s != mover)
                    seat.rollsMade = 0;
                finals[s] = playOut(plans, seat, dice);
            }
            const int best = *std::max_element(finals.begin(), finals.end());
            for (std::size_t s = 0; s < seats.size(); ++s)
                wins[worker][s] += finals[s] == best;
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned w = 1; w < workers; ++w)
        helpers.emplace_back(work, w);
    work(0);
    for (std::thread &helper : helpers)
        helper.join();
    std::vector<double> shares(seats.size(), 0.0);
    for (const std::vector<long> &w : wins)
        for (std::size_t s = 0; s < seats.size(); ++s)
            shares[s] += double(w[s]) / double(games);
    return shares;
}

// The seats at a point of a seeded game. Everyone plays the advisor's keeps, but one entry in four
// goes to a free category drawn at random, as a person's might: the cards differ more, and from
// the advisor's own.
std::vector<Position> positionOf(const Spec &spec, const OptimalPlay &play)
{
    std::mt19937 random(spec.seed);
    auto face = [&random] { return int(random() % 6) + 1; };
    std::vector<Card> cards(std::size_t(spec.players));
    for (int round = 1; round <= spec.round; ++round) {
        for (int seat = 0; seat < spec.players; ++seat) {
            Position &p = cards[std::size_t(seat)].position;
            const bool last = round == spec.round && seat == spec.mover;
            std::vector<int> kept;
            for (p.rollsMade = 0;;) {
                if (last && p.rollsMade == spec.rollsMade)
                    break;
                for (std::size_t i = 0; i < 5; ++i)
                    p.dice[i] = i < kept.size() ? kept[i] : face();
                ++p.rollsMade;
                const Advice advice = play.advise(p).value();
                if (advice.kind == Advice::Kind::Keep && !(last && p.rollsMade == spec.rollsMade)) {
                    kept = advice.keepFaces;
                    continue;
                }
                if (last)
                    break;
                Category category = advice.category;
                if (random() % 4 == 0) {
                    std::vector<Category> free;
                    for (int c = 0; c < kCategoryCount; ++c)
                        if (!(p.usedMask & usedBit(Category(c))))
                            free.push_back(Category(c));
                    category = free[random() % free.size()];
                }
                cards[std::size_t(seat)].enter(category, p.dice);
                p.rollsMade = 0;
                p.dice = {};
                break;
            }
            if (last)
                break;
        }
    }
    std::vector<Position> seats;
    for (const Card &card : cards)
        seats.push_back(card.position);
    return seats;
}
}  // namespace

int main(int argc, char **argv)
{
    const long games = argc > 1 ? std::max(1L, std::atol(argv[1])) : 1000000L;
    const auto benchStart = Clock::now();

    OptimalPlay play;
    auto start = Clock::now();
    play.solve();
    std::printf("optimal-play table: %.2f s\n", secondsSince(start));

    WinChance chances(play);
    start = Clock::now();
    double cpu = processorSeconds();
    chances.prepare();
    std::printf("win-chance table: %.2f s wall, %.2f s processor time over %u threads; "
                "%.1f MB kept; %.1f MB at most while it was built\n",
                secondsSince(start), processorSeconds() - cpu,
                std::thread::hardware_concurrency(), double(chances.tableBytes()) / 1048576.0,
                peakMegabytes());

    // The engine first, so that the memory it needs is measured before the simulation's.
    struct Row
    {
        std::vector<Position> seats;
        std::vector<double> engine;
        double seconds = 1e9;
        double processor = 0.0;
        double inPlay = 1e9;
    };
    std::vector<Row> rows;
    for (const Spec &spec : kSpecs) {
        Row row;
        row.seats = positionOf(spec, play);
        // The least of three timings: on a shared machine a neighbour may take a core midway.
        for (int timing = 0; timing < 3; ++timing) {
            chances.forget();
            cpu = processorSeconds();
            start = Clock::now();
            row.engine = chances.winChances(row.seats, std::size_t(spec.mover)).value();
            const double seconds = secondsSince(start);
            if (seconds < row.seconds) {
                row.seconds = seconds;
                row.processor = processorSeconds() - cpu;
            }
        }
        // In play: the point before is the roll before, or the first roll of the seat before.
        Spec before = spec;
        if (spec.rollsMade > 0) {
            --before.rollsMade;
        } else if (spec.round > 1 || spec.mover > 0) {
            before.mover = (spec.mover + spec.players - 1) % spec.players;
            before.round -= spec.mover == 0 ? 1 : 0;
            before.rollsMade = 1;
        }
        for (int timing = 0; timing < 3; ++timing) {
            chances.forget();
            chances.winChances(positionOf(before, play), std::size_t(before.mover)).value();
            start = Clock::now();
            chances.winChances(row.seats, std::size_t(spec.mover)).value();
            row.inPlay = std::min(row.inPlay, secondsSince(start));
        }
        rows.push_back(std::move(row));
    }
    std::printf("memory at most, table and answers included: %.1f MB\n\n", peakMegabytes());

    std::printf("Chance to win in %%: the engine, then %ld simulated games under the same play.\n",
                games);
    PlanCache plans(play);
    double simulation = 0.0;
    double largest = 0.0;
    std::vector<double> times;
    std::vector<double> inPlay;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Spec &spec = kSpecs[i];
        const Row &row = rows[i];
        start = Clock::now();
        plans.cover(row.seats);
        const std::vector<double> reference =
            simulate(plans, row.seats, std::size_t(spec.mover), games);
        simulation += secondsSince(start);
        double difference = 0.0;
        std::string engine;
        std::string simulated;
        for (std::size_t s = 0; s < row.seats.size(); ++s) {
            char text[32];
            std::snprintf(text, sizeof text, " %5.1f", 100.0 * row.engine[s]);
            engine += text;
            std::snprintf(text, sizeof text, " %5.1f", 100.0 * reference[s]);
            simulated += text;
            difference = std::max(difference, 100.0 * std::abs(row.engine[s] - reference[s]));
        }
        largest = std::max(largest, difference);
        times.push_back(row.seconds);
        inPlay.push_back(row.inPlay);
        std::printf("%-22s %6.1f ms (%5.1f ms processor), in play %5.1f ms; largest difference "
                    "%4.2f\n    engine   %s\n    simulated%s\n",
                    spec.name, row.seconds * 1e3, row.processor * 1e3, row.inPlay * 1e3,
                    difference, engine.c_str(), simulated.c_str());
    }
    std::sort(times.begin(), times.end());
    std::sort(inPlay.begin(), inPlay.end());
    std::printf("\nlargest difference over all positions: %.2f percentage points\n", largest);
    std::printf("time per position from the table alone: median %.1f ms, worst %.1f ms\n",
                (times[9] + times[10]) / 2 * 1e3, times.back() * 1e3);
    std::printf("time per position in play: median %.1f ms, worst %.1f ms\n",
                (inPlay[9] + inPlay[10]) / 2 * 1e3, inPlay.back() * 1e3);
    std::printf("simulation: %.1f s for %zu positions; its plans %.0f MB\n", simulation,
                rows.size(), double(plans.bytes()) / 1048576.0);
    std::printf("elapsed: %.1f s\n", secondsSince(benchStart));
    return 0;
}
