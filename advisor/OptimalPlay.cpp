#include "OptimalPlay.h"

#include "DiceSets.h"
#include "RollTable.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <system_error>
#include <thread>

namespace {
constexpr int kBonusAt = kUpperBonusAt;
constexpr int kBonus = kUpperBonus;
constexpr int kUpperCount = 6;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
// Choices within this of each other are equal: scoring now beats keeping, keeping more beats
// keeping fewer.
constexpr double kTie = 1e-9;

constexpr int kRolls = DiceSets::kRollCount;
constexpr int kSets = DiceSets::kSetCount;
constexpr int kFirstRoll = DiceSets::kFirstRoll;

// The turn programme works on a few upper sums of one card at once, in lanes: the sets of dice
// and their indices are the same for all of them, so each index is read once for every lane and
// the lanes' arithmetic runs side by side in vector instructions.
constexpr std::size_t kLanes = 4;
template<std::size_t L>
using Lanes = std::array<double, L>;
template<std::size_t L>
using SetValues = std::array<Lanes<L>, kSets>;

template<std::size_t L>
void addTo(Lanes<L> &sum, const Lanes<L> &add)
{
    for (std::size_t l = 0; l < L; ++l)
        sum[l] += add[l];
}

template<std::size_t L>
void maxTo(Lanes<L> &most, const Lanes<L> &other)
{
    for (std::size_t l = 0; l < L; ++l)
        most[l] = std::max(most[l], other[l]);
}

// What entering the last roll of a turn leads to: for each free category, its points plus the
// points still to come afterwards. A lower category adds a constant to its score; an upper one is
// worth an amount fixed by how many dice show its face (the bonus may change with it).
template<std::size_t L>
struct Entries
{
    int lowerCount = 0;
    std::array<int, 7> lower{};
    std::array<Lanes<L>, 7> lowerAfter{};
    int upperCount = 0;
    std::array<int, kUpperCount> upper{};
    // By upper category, dice showing its face, lane.
    std::array<std::array<Lanes<L>, 6>, kUpperCount> upperWorth{};

    template<typename Future>
    Entries(std::uint16_t usedMask, const std::array<int, L> &upperSums, Future future)
    {
        for (int c = 0; c < kCategoryCount; ++c) {
            const auto bit = usedBit(Category(c));
            if (usedMask & bit)
                continue;
            const auto after = std::uint16_t(usedMask | bit);
            if (isUpper(Category(c))) {
                const int face = c + 1;
                auto &worth = upperWorth[std::size_t(upperCount)];
                for (int n = 0; n <= 5; ++n) {
                    for (std::size_t l = 0; l < L; ++l) {
                        const int before = upperSums[l];
                        const int points = face * n;
                        const int reached = std::min(kBonusAt, before + points);
                        const int bonus = before < kBonusAt && reached == kBonusAt ? kBonus : 0;
                        worth[std::size_t(n)][l] = points + bonus + future(after, reached);
                    }
                }
                upper[std::size_t(upperCount++)] = c;
            } else {
                for (std::size_t l = 0; l < L; ++l)
                    lowerAfter[std::size_t(lowerCount)][l] = future(after, upperSums[l]);
                lower[std::size_t(lowerCount++)] = c;
            }
        }
    }

    // Lane 0's worth of entering a roll in a free category.
    double worth(int category, int roll) const
    {
        const RollTable &table = RollTable::instance();
        for (int i = 0; i < lowerCount; ++i)
            if (lower[std::size_t(i)] == category)
                return table.score[std::size_t(roll)][std::size_t(category)]
                       + lowerAfter[std::size_t(i)][0];
        for (int i = 0; i < upperCount; ++i)
            if (upper[std::size_t(i)] == category)
                return upperWorth[std::size_t(i)]
                                 [table.faceCount[std::size_t(roll)][std::size_t(category + 1)]][0];
        return kNone;
    }

    // The worth of each roll as the last roll of the turn, its best entry, into the rolls' places.
    // One pass over the rolls for all categories keeps each roll's maximum in registers.
    void lastRoll(SetValues<L> &value) const
    {
        const RollTable &table = RollTable::instance();
        for (std::size_t r = 0; r < kRolls; ++r) {
            const auto &score = table.score[r];
            const auto &count = table.faceCount[r];
            Lanes<L> most;
            most.fill(-std::numeric_limits<double>::infinity());
            for (int i = 0; i < lowerCount; ++i) {
                const double points = score[std::size_t(lower[std::size_t(i)])];
                const Lanes<L> &after = lowerAfter[std::size_t(i)];
                for (std::size_t l = 0; l < L; ++l)
                    most[l] = std::max(most[l], points + after[l]);
            }
            for (int i = 0; i < upperCount; ++i) {
                const int face = upper[std::size_t(i)] + 1;
                maxTo(most, upperWorth[std::size_t(i)][count[std::size_t(face)]]);
            }
            value[std::size_t(kFirstRoll) + r] = most;
        }
    }
};

// From the worth of each roll of the next roll, in the rolls' places, the worth of keeping each
// smaller set of dice and rolling the rest: the mean over the face of one more die.
// The loops below work in locals, which the compiler knows no set shares, so that the lanes
// vectorise, and in two independent halves, so that each waits on half as many results.
template<std::size_t L>
void keepWorth(SetValues<L> &keep)
{
    const DiceSets &sets = DiceSets::instance();
    for (int k = kFirstRoll - 1; k >= 0; --k) {
        const auto &more = sets.withOneMore(k);
        Lanes<L> a = keep[more[0]];
        Lanes<L> b = keep[more[1]];
        addTo(a, keep[more[2]]);
        addTo(b, keep[more[3]]);
        addTo(a, keep[more[4]]);
        addTo(b, keep[more[5]]);
        for (std::size_t l = 0; l < L; ++l)
            a[l] = (a[l] + b[l]) * (1.0 / 6.0);
        keep[std::size_t(k)] = a;
    }
}

// The worth of each set with a roll still to come: the best of the sets it contains; for the
// rolls, their worth. Keeping all five is worth the next roll's worth of the same dice, so scoring
// now is among the choices. The sets of a group have D sets with one die fewer each.
template<int D, std::size_t L>
void bestKeepOfGroup(const SetValues<L> &keep, SetValues<L> &best, const DiceSets::Group &group)
{
    const DiceSets &sets = DiceSets::instance();
    for (int k = group.begin; k < group.end; ++k) {
        const auto &less = sets.withOneLess(k);
        Lanes<L> a = keep[std::size_t(k)];
        Lanes<L> b = best[less[0]];
        if constexpr (D > 1)
            maxTo(a, best[less[1]]);
        if constexpr (D > 2)
            maxTo(b, best[less[2]]);
        if constexpr (D > 3)
            maxTo(a, best[less[3]]);
        if constexpr (D > 4)
            maxTo(b, best[less[4]]);
        maxTo(a, b);
        best[std::size_t(k)] = a;
    }
}

template<std::size_t L>
void bestKeep(const SetValues<L> &keep, SetValues<L> &best)
{
    best[0] = keep[0];
    for (const DiceSets::Group &group : DiceSets::instance().groups()) {
        switch (group.distinct) {
        case 1: bestKeepOfGroup<1>(keep, best, group); break;
        case 2: bestKeepOfGroup<2>(keep, best, group); break;
        case 3: bestKeepOfGroup<3>(keep, best, group); break;
        case 4: bestKeepOfGroup<4>(keep, best, group); break;
        default: bestKeepOfGroup<5>(keep, best, group); break;
        }
    }
}

// The worth of keeping each set of dice after roll 1 or 2 of a turn, worked out in `last` (and
// `middle` after the first roll); the table that holds it.
const SetValues<1> &keepsWithRollsLeft(const Entries<1> &entries, int rollsMade,
                                       SetValues<1> &last, SetValues<1> &middle)
{
    entries.lastRoll(last);
    keepWorth(last);
    if (rollsMade != 1)
        return last;
    bestKeep(last, middle);
    keepWorth(middle);
    return middle;
}

// The expected points still to come from the start of a turn, for each lane's upper sum.
template<std::size_t L, typename Future>
Lanes<L> turnStart(std::uint16_t usedMask, const std::array<int, L> &upperSums, Future future)
{
    const Entries<L> entries(usedMask, upperSums, future);
    // Two tables taking turns: each pass reads one and writes the other, or works in place.
    SetValues<L> a;
    SetValues<L> b;
    entries.lastRoll(a);
    keepWorth(a);
    bestKeep(a, b);
    keepWorth(b);
    bestKeep(b, a);
    const DiceSets &sets = DiceSets::instance();
    Lanes<L> sum{};
    for (int r = 0; r < kRolls; ++r)
        for (std::size_t l = 0; l < L; ++l)
            sum[l] += sets.rollChance(r) * a[std::size_t(kFirstRoll + r)][l];
    return sum;
}

}  // namespace

void OptimalPlay::solve()
{
    std::call_once(m_once, [this] {
        build();
        if (!m_cancelled.load(std::memory_order_relaxed))
            m_ready.store(true, std::memory_order_release);
    });
}

void OptimalPlay::build()
{
    m_future.assign(std::size_t(kAllCategoriesUsed + 1) * 64, kNone);
    for (int u = 0; u <= kBonusAt; ++u)
        m_future[std::size_t(kAllCategoriesUsed) * 64 + std::size_t(u)] = 0.0;

    // Cards with more categories used come first: a turn's worth needs the cards it leads to.
    // Cards with the same number used are independent and shared among the cores.
    const unsigned workers = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
    for (int used = kCategoryCount - 1; used >= 0; --used) {
        if (m_cancelled.load(std::memory_order_relaxed))
            return;
        std::vector<std::uint16_t> cards;
        for (unsigned mask = 0; mask < kAllCategoriesUsed; ++mask)
            if (std::popcount(mask) == used)
                cards.push_back(std::uint16_t(mask));
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            for (std::size_t i = next++; i < cards.size(); i = next++) {
                if (m_cancelled.load(std::memory_order_relaxed))
                    return;
                solveCard(cards[i]);
            }
        };
        std::vector<std::thread> helpers;
        try {
            for (unsigned w = 1; w < workers && w < cards.size(); ++w)
                helpers.emplace_back(work);
        } catch (const std::system_error &) {
            // A helper that cannot start leaves its share to the others.
        }
        work();
        for (std::thread &helper : helpers)
            helper.join();
    }
}

void OptimalPlay::solveCard(std::uint16_t usedMask)
{
    // The upper sums the used upper categories can add up to, capped.
    std::uint64_t reachable = 1;
    int stillPossible = 0;
    for (int face = 1; face <= kUpperCount; ++face) {
        if (usedMask & usedBit(Category(face - 1))) {
            std::uint64_t sums = 0;
            for (int n = 0; n <= 5; ++n)
                for (int u = 0; u <= kBonusAt; ++u)
                    if (reachable >> u & 1)
                        sums |= std::uint64_t(1) << std::min(kBonusAt, u + face * n);
            reachable = sums;
        } else {
            stillPossible += 5 * face;
        }
    }

    // Once the bonus is earned, or out of reach, the upper sum no longer matters: all such sums
    // share the worth of the bonus-free game, which is the worth at 63.
    std::array<int, 64> todo{};
    int count = 0;
    todo[std::size_t(count++)] = kBonusAt;
    for (int u = 0; u < kBonusAt; ++u)
        if (u + stillPossible >= kBonusAt && (reachable >> u & 1))
            todo[std::size_t(count++)] = u;

    double *row = &m_future[std::size_t(usedMask) * 64];
    auto future = [this](std::uint16_t m, int u) { return this->future(m, u); };
    for (int first = 0; first < count; first += int(kLanes)) {
        // The last group fills its spare lanes with repeats.
        std::array<int, kLanes> upper;
        for (std::size_t l = 0; l < kLanes; ++l)
            upper[l] = todo[std::size_t(std::min(first + int(l), count - 1))];
        const Lanes<kLanes> value = turnStart<kLanes>(usedMask, upper, future);
        for (std::size_t l = 0; l < kLanes; ++l)
            row[upper[l]] = value[l];
    }
    for (int u = 0; u < kBonusAt; ++u)
        if (u + stillPossible < kBonusAt)
            row[u] = row[kBonusAt];
}

int OptimalPlay::tableUpper(std::uint16_t usedMask, int upperSum) const
{
    int u = std::min(kBonusAt, upperSum);
    while (u > 0 && std::isnan(future(usedMask, u)))
        --u;
    return u;
}

std::optional<Advice> OptimalPlay::advise(const Position &position) const
{
    if (!ready() || !withinLimits(position))
        return std::nullopt;

    const std::uint16_t mask = position.usedMask;
    const int upper = tableUpper(mask, position.upperSum);
    Advice advice;
    if (position.rollsMade == 0) {
        advice.kind = Advice::Kind::Roll;
        advice.expectedFinal = position.pointsSoFar + future(mask, upper);
        return advice;
    }

    const DiceSets &sets = DiceSets::instance();
    const Entries<1> entries(mask, {upper},
                             [this](std::uint16_t m, int u) { return future(m, u); });
    const int roll = sets.rollOf(position.dice);

    double bestEntry = -std::numeric_limits<double>::infinity();
    for (int c = 0; c < kCategoryCount; ++c) {
        if (mask & usedBit(Category(c)))
            continue;
        const double worth = entries.worth(c, roll);
        if (worth > bestEntry) {
            bestEntry = worth;
            advice.category = Category(c);
        }
    }
    advice.kind = Advice::Kind::Score;
    advice.points = categoryScore(advice.category, position.dice);
    advice.expectedFinal = position.pointsSoFar + bestEntry;
    if (position.rollsMade == 3)
        return advice;

    SetValues<1> last;
    SetValues<1> middle;
    const SetValues<1> &keep = keepsWithRollsLeft(entries, position.rollsMade, last, middle);
    // Larger sets first, so that of equal keeps the one rolling fewer dice is named.
    const int rollSet = kFirstRoll + roll;
    int bestSet = -1;
    double bestWorth = bestEntry;
    for (int k = kFirstRoll - 1; k >= 0; --k) {
        if (keep[std::size_t(k)][0] > bestWorth + kTie && sets.contains(rollSet, k)) {
            bestWorth = keep[std::size_t(k)][0];
            bestSet = k;
        }
    }
    if (bestSet >= 0) {
        advice.kind = Advice::Kind::Keep;
        advice.keepFaces = sets.faces(bestSet);
        advice.category = Category::Chance;
        advice.points = 0;
        advice.expectedFinal = position.pointsSoFar + bestWorth;
    }
    return advice;
}

std::optional<double> OptimalPlay::expectedFinalScore(const Position &position) const
{
    const std::optional<Advice> advice = advise(position);
    if (!advice)
        return std::nullopt;
    return advice->expectedFinal;
}

std::optional<OptimalPlay::Choices> OptimalPlay::choices(const Position &position) const
{
    if (!ready() || !withinLimits(position) || position.rollsMade == 0)
        return std::nullopt;

    const std::uint16_t mask = position.usedMask;
    const int upper = tableUpper(mask, position.upperSum);
    const DiceSets &sets = DiceSets::instance();
    const Entries<1> entries(mask, {upper},
                             [this](std::uint16_t m, int u) { return future(m, u); });
    const int roll = sets.rollOf(position.dice);

    Choices choices;
    for (int c = 0; c < kCategoryCount; ++c)
        choices.entry[std::size_t(c)] = (mask & usedBit(Category(c)))
                                            ? kNone
                                            : position.pointsSoFar + entries.worth(c, roll);
    if (position.rollsMade == 3)
        return choices;

    SetValues<1> last;
    SetValues<1> middle;
    const SetValues<1> &keep = keepsWithRollsLeft(entries, position.rollsMade, last, middle);
    const int rollSet = kFirstRoll + roll;
    for (int k = kFirstRoll - 1; k >= 0; --k)
        if (sets.contains(rollSet, k))
            choices.keeps.push_back({sets.faces(k), position.pointsSoFar + keep[std::size_t(k)][0]});
    return choices;
}

namespace {
// advise()'s choice in each lane between entering a roll (worth `entry`) and keeping one of
// `count` sets of its dice (in advise()'s order): a set only when worth more by over kTie than
// the entry and every set before it. That scan is a chain of dependent comparisons, so the
// common case goes a quicker way to the same answer: when the best set is worth more than every
// other by over twice kTie, the scan ends on it.
template<std::size_t L>
std::array<std::int16_t, L> bestKeeps(const SetValues<L> &keep, const std::int16_t *sets,
                                      int count, const Lanes<L> &entry)
{
    // The largest worth and the second largest, in minima and maxima that the lanes share.
    Lanes<L> most;
    most.fill(-std::numeric_limits<double>::infinity());
    Lanes<L> second = most;
    for (int i = 0; i < count; ++i) {
        const Lanes<L> &value = keep[std::size_t(sets[i])];
        Lanes<L> lower;
        for (std::size_t l = 0; l < L; ++l)
            lower[l] = std::min(most[l], value[l]);
        maxTo(second, lower);
        maxTo(most, value);
    }
    std::array<std::int16_t, L> chosen;
    // Where the best set was found last: the lanes' upper sums differ little, and mostly so do
    // their choices.
    int found = 0;
    for (std::size_t l = 0; l < L; ++l) {
        chosen[l] = OptimalPlay::TurnPlan::kScoreNow;
        if (!(most[l] > entry[l] + kTie))
            continue;
        if (second[l] < most[l] - 2 * kTie) {
            if (keep[std::size_t(sets[found])][l] != most[l]) {
                found = 0;
                while (keep[std::size_t(sets[found])][l] != most[l])
                    ++found;
            }
            chosen[l] = sets[found];
            continue;
        }
        double bestWorth = entry[l];
        for (int i = 0; i < count; ++i) {
            const double value = keep[std::size_t(sets[i])][l];
            if (value > bestWorth + kTie) {
                bestWorth = value;
                chosen[l] = sets[i];
            }
        }
    }
    return chosen;
}

// The plans of a few upper sums of one card side by side, into plans[0 .. used).
template<std::size_t L, typename Future>
void planLanes(std::uint16_t usedMask, const std::array<int, L> &upperSums, Future future,
               OptimalPlay::TurnPlan *plans, std::size_t used)
{
    const Entries<L> entries(usedMask, upperSums, future);
    SetValues<L> last;
    SetValues<L> middle;
    entries.lastRoll(last);
    keepWorth(last);
    bestKeep(last, middle);
    keepWorth(middle);

    const RollTable &table = RollTable::instance();
    for (int r = 0; r < kRolls; ++r) {
        // advise() enters the dice in the first category worth the most.
        std::array<Lanes<L>, kCategoryCount> worth{};
        std::array<int, kCategoryCount> categories{};
        int free = 0;
        const auto &count = table.faceCount[std::size_t(r)];
        for (int i = 0; i < entries.upperCount; ++i) {
            const int c = entries.upper[std::size_t(i)];
            categories[std::size_t(free)] = c;
            worth[std::size_t(free++)] =
                entries.upperWorth[std::size_t(i)][count[std::size_t(c + 1)]];
        }
        for (int i = 0; i < entries.lowerCount; ++i) {
            const int c = entries.lower[std::size_t(i)];
            const double points = table.score[std::size_t(r)][std::size_t(c)];
            categories[std::size_t(free)] = c;
            for (std::size_t l = 0; l < L; ++l)
                worth[std::size_t(free)][l] = points + entries.lowerAfter[std::size_t(i)][l];
            ++free;
        }
        Lanes<L> bestEntry = worth[0];
        for (int i = 1; i < free; ++i)
            maxTo(bestEntry, worth[std::size_t(i)]);
        std::array<int, L> category;
        for (std::size_t l = 0; l < L; ++l) {
            int i = 0;
            while (worth[std::size_t(i)][l] != bestEntry[l])
                ++i;
            category[l] = categories[std::size_t(i)];
        }

        const std::span<const std::int16_t> keeps = DiceSets::instance().keepsOf(r);
        const std::int16_t *sets = keeps.data();
        const int setCount = int(keeps.size());
        const std::array<std::int16_t, L> afterFirst = bestKeeps(middle, sets, setCount, bestEntry);
        const std::array<std::int16_t, L> afterSecond = bestKeeps(last, sets, setCount, bestEntry);
        for (std::size_t l = 0; l < used; ++l) {
            plans[l].category[std::size_t(r)] = Category(category[l]);
            plans[l].keep[0][std::size_t(r)] = afterFirst[l];
            plans[l].keep[1][std::size_t(r)] = afterSecond[l];
        }
    }
}
}  // namespace

std::optional<OptimalPlay::TurnPlan> OptimalPlay::turnPlan(std::uint16_t usedMask,
                                                           int upperSum) const
{
    TurnPlan plan;
    if (!turnPlans(usedMask, std::span<const int>(&upperSum, 1), std::span<TurnPlan>(&plan, 1)))
        return std::nullopt;
    return plan;
}

bool OptimalPlay::turnPlans(std::uint16_t usedMask, std::span<const int> upperSums,
                            std::span<TurnPlan> plans) const
{
    if (!ready() || plans.size() < upperSums.size())
        return false;
    for (int upperSum : upperSums) {
        Position start;
        start.usedMask = usedMask;
        start.upperSum = upperSum;
        if (!withinLimits(start))
            return false;
    }
    auto future = [this](std::uint16_t m, int u) { return this->future(m, u); };
    const std::size_t count = upperSums.size();
    for (std::size_t first = 0; first < count; first += kLanes) {
        // The last group fills its spare lanes with repeats.
        std::array<int, kLanes> upper;
        for (std::size_t l = 0; l < kLanes; ++l)
            upper[l] = tableUpper(usedMask, upperSums[std::min(first + l, count - 1)]);
        planLanes<kLanes>(usedMask, upper, future, &plans[first], std::min(kLanes, count - first));
    }
    return true;
}
