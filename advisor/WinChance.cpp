#include "WinChance.h"

#include "TurnOutcomes.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <system_error>
#include <thread>
#include <type_traits>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {
constexpr int kBonusAt = kUpperBonusAt;
// Upper sums as a card's key holds them: capped at kBonusAt.
constexpr int kUpperSums = kBonusAt + 1;
constexpr int kKeyCount = (kAllCategoriesUsed + 1) * kUpperSums;
// The most a card can still gain: every category at its best, and the bonus.
constexpr int kMostToCome = 375;
// Chances this small at either end of a distribution are dropped: all of them together stay far
// below anything a player is shown.
constexpr float kNegligible = 1e-12f;
// Distributions are stored in whole blocks of this many chances (the last filled up with
// zeros), so that adding one into another goes a block at a time in vector instructions.
constexpr int kBlock = 4;

int usedCount(std::uint16_t mask)
{
    return std::popcount(unsigned(mask));
}

// The upper points the free upper categories can still add.
int upperStillPossible(std::uint16_t mask)
{
    int points = 0;
    for (int c = 0; c < kCategoryCount; ++c)
        if (isUpper(Category(c)) && !(mask & usedBit(Category(c))))
            points += 5 * (c + 1);
    return points;
}

// A card as far as what is still to come depends on it. An upper sum that has reached the bonus,
// or can no longer reach it, plays no part in that and is kept as kBonusAt.
int futureKey(std::uint16_t mask, int upperSum)
{
    const bool settled = upperSum >= kBonusAt || upperSum + upperStillPossible(mask) < kBonusAt;
    return int(mask) * kUpperSums + (settled ? kBonusAt : upperSum);
}

std::uint16_t keyMask(int key)
{
    return std::uint16_t(key / kUpperSums);
}

int keyUpper(int key)
{
    return key % kUpperSums;
}

// What entering `points` in `category` adds to the grand total at upper sum `upperSum`.
int gain(Category category, int points, int upperSum)
{
    if (isUpper(category) && upperSum < kBonusAt && upperSum + points >= kBonusAt)
        return points + kUpperBonus;
    return points;
}

unsigned workerCount()
{
    return std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
}

// What is still to come from the start of a turn: chances[i] of lowest + i more points.
struct Future
{
    int lowest = 0;
    std::vector<float> chances{1.0f};
};

// A distribution of points still to come, where it is stored: the chance of lowest + i more
// points is share[i] * unit.
template<typename Share>
struct View
{
    const Share *share = nullptr;
    float unit = 1.0f;
    int lowest = 0;
    int length = 0;

    float chance(int i) const { return float(share[i]) * unit; }
};

// Distributions are stored as floats, or in sixteen bits a chance, in units of the largest
// chance's 65535th: that keeps every chance a player could notice to a few millionths and halves
// what a float takes, for the many cards of the middle of the game that building the table goes
// through.
constexpr std::uint16_t kWhole = 65535;

template<typename Share>
float unitFor(float most)
{
    return std::is_same_v<Share, float> ? 1.0f : most / kWhole;
}

template<typename Share>
Share shareOf(float chance, float unit)
{
    if constexpr (std::is_same_v<Share, float>)
        return chance;
    else
        return Share(std::lround(chance / unit));
}

// A full card: nothing more to come.
template<typename Share>
View<Share> fullCard()
{
    static const std::array<Share, kBlock> nothingMore{std::is_same_v<Share, float> ? Share(1)
                                                                                   : Share(kWhole)};
    return {nothingMore.data(), unitFor<Share>(1.0f), 0, kBlock};
}

// Works out what is still to come from the start of a turn for some cards and every card their
// turns can lead to, from the end of the game back: the cards with the same number of categories
// used (a layer) at a time, each from the cards one turn later. Those are let go as soon as every
// card that needs them is done, so that little more than one layer is held at a time.
template<typename Share>
class Backwards
{
public:
    Backwards(const OptimalPlay &play, std::stop_token stop, const std::atomic<bool> *cancelled)
        : m_play(play), m_stop(std::move(stop)), m_cancelled(cancelled)
    {
    }

    // futures[i] for the card keys[i], none of them full. False when stopped or `play` has no plan.
    bool run(std::span<const int> keys, std::vector<Future> &futures);
    // Hands the cards of each layer with `used` or fewer categories used to `keep` once worked
    // out, in ascending order of key, with what is still to come from each.
    void keepUpTo(int used, std::function<void(std::span<const int> keys,
                                               std::span<const View<Share>> futures)> keep)
    {
        m_keepUpTo = used;
        m_keep = std::move(keep);
    }

private:
    // The cards of a layer, in ascending order of key, so that the cards of one mask (a group)
    // lie together: their plans are worked out side by side.
    struct Layer
    {
        std::vector<int> keys;
        std::vector<View<Share>> views;
        std::vector<std::size_t> groupStart;  // by group, into keys; one more at the end
        std::vector<std::vector<Share>> shares;  // by group, its cards' one after another
        // By group: the groups one turn earlier that still need it.
        std::unique_ptr<std::atomic<int>[]> waiting;
    };

    bool stopped() const
    {
        return m_stop.stop_requested()
               || (m_cancelled && m_cancelled->load(std::memory_order_relaxed));
    }
    // Lists the cards to work out; false when stopped.
    bool list(std::span<const int> keys);
    bool work(int used);
    bool workOn(int used, std::size_t group, std::vector<OptimalPlay::TurnPlan> &plans,
                std::vector<Share> &scratch);
    View<Share> viewOf(std::uint16_t mask, int upperSum) const;

    const OptimalPlay &m_play;
    std::stop_token m_stop;
    const std::atomic<bool> *m_cancelled;
    // By card: its place in its layer's keys; -1 for a card not needed.
    std::vector<std::int32_t> m_slot;
    // By mask: its group in its layer; -1 for a mask not needed.
    std::vector<std::int32_t> m_group;
    std::array<Layer, kCategoryCount> m_layers;
    int m_keepUpTo = -1;
    std::function<void(std::span<const int> keys, std::span<const View<Share>> futures)> m_keep;
};

template<typename Share>
bool Backwards<Share>::list(std::span<const int> keys)
{
    m_slot.assign(std::size_t(kKeyCount), -1);
    auto add = [this](int key) {
        if (m_slot[std::size_t(key)] == -1) {
            m_slot[std::size_t(key)] = 0;
            m_layers[std::size_t(usedCount(keyMask(key)))].keys.push_back(key);
        }
    };
    for (int key : keys)
        add(key);
    // Every card a turn can lead to, whatever is entered: more than the advised play reaches,
    // but finding out which would cost as much as working them out.
    for (int used = 0; used + 1 < kCategoryCount; ++used) {
        if (stopped())
            return false;
        for (std::size_t i = 0; i < m_layers[std::size_t(used)].keys.size(); ++i) {
            const int key = m_layers[std::size_t(used)].keys[i];
            const std::uint16_t mask = keyMask(key);
            const int upper = keyUpper(key);
            for (int c = 0; c < kCategoryCount; ++c) {
                const auto bit = usedBit(Category(c));
                if (mask & bit)
                    continue;
                const auto after = std::uint16_t(mask | bit);
                if (isUpper(Category(c))) {
                    for (int n = 0; n <= 5; ++n)
                        add(futureKey(after, upper + n * (c + 1)));
                } else {
                    add(futureKey(after, upper));
                }
            }
        }
    }

    m_group.assign(std::size_t(kAllCategoriesUsed) + 1, -1);
    for (Layer &layer : m_layers) {
        std::sort(layer.keys.begin(), layer.keys.end());
        for (std::size_t i = 0; i < layer.keys.size(); ++i) {
            m_slot[std::size_t(layer.keys[i])] = std::int32_t(i);
            const std::uint16_t mask = keyMask(layer.keys[i]);
            if (i == 0 || mask != keyMask(layer.keys[i - 1])) {
                m_group[mask] = std::int32_t(layer.groupStart.size());
                layer.groupStart.push_back(i);
            }
        }
        layer.groupStart.push_back(layer.keys.size());
        layer.views.resize(layer.keys.size());
        layer.shares.resize(layer.groupStart.size() - 1);
        layer.waiting = std::make_unique<std::atomic<int>[]>(layer.shares.size());
    }
    // A group is needed by each group one turn earlier whose mask lacks one of its categories.
    for (std::size_t used = 1; used < m_layers.size(); ++used) {
        const Layer &layer = m_layers[used];
        for (std::size_t g = 0; g + 1 < layer.groupStart.size(); ++g) {
            const std::uint16_t mask = keyMask(layer.keys[layer.groupStart[g]]);
            int earlier = 0;
            for (int c = 0; c < kCategoryCount; ++c)
                if ((mask & usedBit(Category(c))) && m_group[mask & ~usedBit(Category(c))] >= 0)
                    ++earlier;
            layer.waiting[g].store(earlier, std::memory_order_relaxed);
        }
    }
    return true;
}

template<typename Share>
View<Share> Backwards<Share>::viewOf(std::uint16_t mask, int upperSum) const
{
    if (mask == kAllCategoriesUsed)
        return fullCard<Share>();
    const int key = futureKey(mask, upperSum);
    return m_layers[std::size_t(usedCount(mask))].views[std::size_t(m_slot[std::size_t(key)])];
}

template<typename Share>
bool Backwards<Share>::workOn(int used, std::size_t group,
                              std::vector<OptimalPlay::TurnPlan> &plans,
                              std::vector<Share> &scratch)
{
    Layer &layer = m_layers[std::size_t(used)];
    const std::size_t begin = layer.groupStart[group];
    const std::size_t count = layer.groupStart[group + 1] - begin;
    const std::uint16_t mask = keyMask(layer.keys[begin]);
    std::array<int, kUpperSums> uppers;
    for (std::size_t i = 0; i < count; ++i)
        uppers[i] = keyUpper(layer.keys[begin + i]);
    if (plans.size() < count)
        plans.resize(count);
    if (!m_play.turnPlans(mask, std::span<const int>(uppers.data(), count), plans))
        return false;

    scratch.clear();
    std::array<int, kUpperSums> lowest;
    std::array<float, kUpperSums> unit;
    std::array<std::size_t, kUpperSums + 1> start;
    // Room for the last block of the latest distribution to come.
    std::array<float, kMostToCome + kBlock> sum;
    for (std::size_t i = 0; i < count; ++i) {
        const int upper = uppers[i];
        const TurnOutcomes outcomes(plans[i]);
        sum.fill(0.0f);
        for (int c = 0; c < kCategoryCount; ++c) {
            const auto category = Category(c);
            if (mask & usedBit(category))
                continue;
            const auto after = std::uint16_t(mask | usedBit(category));
            const auto &chance = outcomes.chance[std::size_t(c)];
            for (int points = 0; points <= TurnOutcomes::kMostPoints; ++points) {
                if (chance[std::size_t(points)] == 0.0)
                    continue;
                const View<Share> next = viewOf(after, upper + (isUpper(category) ? points : 0));
                const float weight = float(chance[std::size_t(points)]) * next.unit;
                float *to = &sum[std::size_t(gain(category, points, upper) + next.lowest)];
                for (int k = 0; k < next.length; k += kBlock) {
                    std::array<float, kBlock> block;
                    for (int b = 0; b < kBlock; ++b)
                        block[std::size_t(b)] = float(next.share[k + b]);
                    for (int b = 0; b < kBlock; ++b)
                        to[k + b] += weight * block[std::size_t(b)];
                }
            }
        }
        int first = 0;
        while (sum[std::size_t(first)] < kNegligible)
            ++first;
        int last = kMostToCome;
        while (sum[std::size_t(last)] < kNegligible)
            --last;
        const int length = (last - first + kBlock) / kBlock * kBlock;
        const float most = *std::max_element(sum.begin() + first, sum.begin() + last + 1);
        lowest[i] = first;
        unit[i] = unitFor<Share>(most);
        start[i] = scratch.size();
        for (int k = first; k < first + length; ++k)
            scratch.push_back(shareOf<Share>(sum[std::size_t(k)], unit[i]));
    }
    start[count] = scratch.size();
    std::vector<Share> &shares = layer.shares[group];
    shares.assign(scratch.begin(), scratch.end());
    for (std::size_t i = 0; i < count; ++i)
        layer.views[begin + i] = {shares.data() + start[i], unit[i], lowest[i],
                                  int(start[i + 1] - start[i])};

    // The groups one turn later that no other card needs now are let go.
    if (used + 1 < kCategoryCount) {
        Layer &later = m_layers[std::size_t(used + 1)];
        for (int c = 0; c < kCategoryCount; ++c) {
            if (mask & usedBit(Category(c)))
                continue;
            const std::int32_t g = m_group[mask | usedBit(Category(c))];
            if (g >= 0 && later.waiting[std::size_t(g)].fetch_sub(1) == 1)
                std::vector<Share>().swap(later.shares[std::size_t(g)]);
        }
    }
    return true;
}

template<typename Share>
bool Backwards<Share>::work(int used)
{
    Layer &layer = m_layers[std::size_t(used)];
    const std::size_t groups = layer.shares.size();
    const unsigned workers = std::min<unsigned>(workerCount(), unsigned(groups));
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    auto run = [&] {
        std::vector<OptimalPlay::TurnPlan> plans;
        std::vector<Share> scratch;
        // In ascending order of mask, so that the groups one turn later are let go steadily.
        for (std::size_t g = next++; g < groups; g = next++) {
            if (failed.load(std::memory_order_relaxed) || stopped()
                || !workOn(used, g, plans, scratch)) {
                failed.store(true, std::memory_order_relaxed);
                return;
            }
        }
    };
    std::vector<std::thread> helpers;
    try {
        for (unsigned w = 1; w < workers; ++w)
            helpers.emplace_back(run);
    } catch (const std::system_error &) {
        // A helper that cannot start leaves its share to the others.
    }
    run();
    for (std::thread &helper : helpers)
        helper.join();
    return !failed.load();
}

template<typename Share>
bool Backwards<Share>::run(std::span<const int> keys, std::vector<Future> &futures)
{
    futures.assign(keys.size(), {});
    if (keys.empty())
        return true;
    if (!list(keys))
        return false;
    int first = kCategoryCount;
    for (int key : keys)
        first = std::min(first, usedCount(keyMask(key)));
    for (int used = kCategoryCount - 1; used >= first; --used) {
        if (!work(used))
            return false;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (usedCount(keyMask(keys[i])) != used)
                continue;
            const View<Share> view = viewOf(keyMask(keys[i]), keyUpper(keys[i]));
            futures[i].lowest = view.lowest;
            futures[i].chances.resize(std::size_t(view.length));
            for (int k = 0; k < view.length; ++k)
                futures[i].chances[std::size_t(k)] = view.chance(k);
        }
        if (used <= m_keepUpTo && !m_layers[std::size_t(used)].keys.empty())
            m_keep(m_layers[std::size_t(used)].keys, m_layers[std::size_t(used)].views);
        // The cards one turn later have served.
        if (used + 1 < kCategoryCount)
            m_layers[std::size_t(used + 1)] = {};
    }
    return true;
}

// Nothing more to come: the future of a full card.
const Future kNoFuture;

// The distribution of chances[i] for lowest + i, without the scores at either end that have none.
ScoreDistribution trimmed(int lowest, std::vector<double> chances)
{
    std::size_t first = 0;
    while (first + 1 < chances.size() && chances[first] == 0.0)
        ++first;
    std::size_t end = chances.size();
    while (end > first + 1 && chances[end - 1] == 0.0)
        --end;
    return ScoreDistribution(lowest + int(first),
                             std::vector<double>(chances.begin() + std::ptrdiff_t(first),
                                                 chances.begin() + std::ptrdiff_t(end)));
}

// What is to come from a card of the table, from its stored chances of so many points or fewer.
std::shared_ptr<const Future> fromAtMost(const std::uint16_t *atMost, int length, int lowest)
{
    auto future = std::make_shared<Future>();
    future->lowest = lowest;
    future->chances.clear();
    int before = 0;
    for (int i = 0; i < length; ++i) {
        future->chances.push_back(float(atMost[i] - before) / kWhole);
        before = atMost[i];
    }
    return future;
}

bool cardWithinLimits(const Position &p)
{
    return (p.usedMask & ~kAllCategoriesUsed) == 0 && p.upperSum >= 0 && p.pointsSoFar >= 0
           && p.pointsSoFar <= WinChance::kMostPointsSoFar;
}
}  // namespace

// What was worked out lately, by card: in a game the cards change one turn at a time, so the next
// question mostly needs the same. Each future is the same whoever asks, so it never goes stale.
struct WinChance::Cache
{
    static constexpr std::size_t kMost = 2048;

    std::shared_ptr<const Future> find(int key)
    {
        const std::lock_guard lock(mutex);
        const auto at = futures.find(key);
        if (at == futures.end())
            return nullptr;
        at->second.lastUse = ++clock;
        return at->second.future;
    }

    void add(int key, std::shared_ptr<const Future> future)
    {
        const std::lock_guard lock(mutex);
        futures[key] = {std::move(future), ++clock};
        if (futures.size() <= kMost)
            return;
        // The least lately used quarter goes.
        std::vector<std::uint64_t> uses;
        for (const auto &entry : futures)
            uses.push_back(entry.second.lastUse);
        const auto cut = uses.begin() + std::ptrdiff_t(kMost / 4);
        std::nth_element(uses.begin(), cut, uses.end());
        std::erase_if(futures, [&](const auto &entry) { return entry.second.lastUse < *cut; });
    }

    struct Entry
    {
        std::shared_ptr<const Future> future;
        std::uint64_t lastUse = 0;
    };
    std::mutex mutex;
    std::unordered_map<int, Entry> futures;
    std::uint64_t clock = 0;
};

WinChance::WinChance(OptimalPlay &play) : m_play(play), m_cache(std::make_unique<Cache>())
{
}

WinChance::~WinChance() = default;

void WinChance::prepare()
{
    std::call_once(m_once, [this] {
        m_play.solve();
        if (m_play.ready() && !m_cancelled.load(std::memory_order_relaxed))
            build();
    });
}

void WinChance::build()
{
    // Every card with kTableUsed or fewer categories used that a game can hold is one that the
    // empty card leads to. A layer's stored chances go in a block of their own, made to measure:
    // no block is copied as the table grows.
    std::vector<std::pair<int, Stored>> table;
    Backwards<std::uint16_t> backwards(m_play, {}, &m_cancelled);
    backwards.keepUpTo(kTableUsed, [&](std::span<const int> keys,
                                       std::span<const View<std::uint16_t>> futures) {
        // The chance of so many points or fewer, from the first score with a share of the
        // whole to the first that completes it; measured first, then stored.
        auto store = [](const View<std::uint16_t> &future, auto &&put) {
            double total = 0.0;
            for (int i = 0; i < future.length; ++i)
                total += future.share[i];
            double sum = 0.0;
            bool started = false;
            for (int i = 0; i < future.length; ++i) {
                sum += future.share[i];
                const auto atMost =
                    std::uint16_t(std::lround(std::min(sum / total, 1.0) * kWhole));
                started = started || atMost > 0;
                if (started)
                    put(i, atMost);
                if (atMost == kWhole)
                    break;
            }
        };
        std::size_t length = 0;
        for (const View<std::uint16_t> &future : futures)
            store(future, [&](int, std::uint16_t) { ++length; });
        const int used = usedCount(keyMask(keys.front()));
        std::vector<std::uint16_t> &block = m_tableAtMost[std::size_t(used)];
        block.reserve(length);
        for (std::size_t k = 0; k < keys.size(); ++k) {
            Stored stored{std::uint32_t(block.size()), 0, 0};
            store(futures[k], [&](int i, std::uint16_t atMost) {
                if (stored.length == 0)
                    stored.lowest = std::int16_t(futures[k].lowest + i);
                block.push_back(atMost);
                ++stored.length;
            });
            table.push_back({keys[k], stored});
        }
    });
    std::vector<Future> start;
    const int empty = futureKey(0, 0);
    if (!backwards.run(std::span<const int>(&empty, 1), start))
        return;
    std::sort(table.begin(), table.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    m_tableKeys.reserve(table.size());
    m_table.reserve(table.size());
    for (const auto &[key, stored] : table) {
        m_tableKeys.push_back(key);
        m_table.push_back(stored);
    }
#if defined(__GLIBC__)
    // The cards of the middle of the game came and went in small blocks, which the C library
    // keeps for the process unless told to give them back.
    malloc_trim(0);
#endif
    m_ready.store(true, std::memory_order_release);
}

void WinChance::forget()
{
    const std::lock_guard lock(m_cache->mutex);
    m_cache->futures.clear();
}

std::size_t WinChance::tableBytes() const
{
    if (!ready())
        return 0;
    std::size_t bytes = m_tableKeys.size() * sizeof(int) + m_table.size() * sizeof(Stored);
    for (const std::vector<std::uint16_t> &block : m_tableAtMost)
        bytes += block.size() * sizeof(std::uint16_t);
    return bytes;
}

std::optional<std::vector<ScoreDistribution>>
WinChance::finalScores(std::span<const Position> seats, std::size_t mover,
                       std::stop_token stop) const
{
    if (seats.empty() || mover >= seats.size() || !m_play.ready())
        return std::nullopt;
    for (const Position &seat : seats)
        if (!cardWithinLimits(seat))
            return std::nullopt;
    const Position &moving = seats[mover];
    if (moving.usedMask != kAllCategoriesUsed && !withinLimits(moving))
        return std::nullopt;

    // Each seat's final score is a mix of what is to come from the start of a next turn, moved
    // up by the points it has by then: one such part for a seat at the start of a turn, one for
    // every way the turn can end for a seat in the middle of one.
    struct Part
    {
        double weight;
        int points;
        int future;  // into `keys`; -1 when the card is then full
    };
    std::vector<std::vector<Part>> parts(seats.size());
    std::vector<int> keys;
    auto futureOf = [&keys](std::uint16_t mask, int upperSum) {
        if (mask == kAllCategoriesUsed)
            return -1;
        const int key = futureKey(mask, upperSum);
        const auto at = std::find(keys.begin(), keys.end(), key);
        if (at != keys.end())
            return int(at - keys.begin());
        keys.push_back(key);
        return int(keys.size()) - 1;
    };
    for (std::size_t i = 0; i < seats.size(); ++i) {
        const Position &seat = seats[i];
        if (i != mover || seat.rollsMade == 0 || seat.usedMask == kAllCategoriesUsed) {
            parts[i].push_back({1.0, seat.pointsSoFar, futureOf(seat.usedMask, seat.upperSum)});
            continue;
        }
        const std::optional<OptimalPlay::TurnPlan> plan =
            m_play.turnPlan(seat.usedMask, seat.upperSum);
        if (!plan)
            return std::nullopt;
        const TurnOutcomes outcomes(*plan, seat.rollsMade, seat.dice);
        for (int c = 0; c < kCategoryCount; ++c) {
            const auto category = Category(c);
            for (int points = 0; points <= TurnOutcomes::kMostPoints; ++points) {
                const double weight = outcomes.chance[std::size_t(c)][std::size_t(points)];
                if (weight == 0.0)
                    continue;
                const int upper = seat.upperSum + (isUpper(category) ? points : 0);
                parts[i].push_back({weight,
                                    seat.pointsSoFar + gain(category, points, seat.upperSum),
                                    futureOf(std::uint16_t(seat.usedMask | usedBit(category)),
                                             upper)});
            }
        }
    }

    // What is to come: from the table where it holds it, or as worked out lately, or now.
    std::vector<std::shared_ptr<const Future>> futures(keys.size());
    std::vector<std::size_t> toWork;
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const int key = keys[k];
        if (usedCount(keyMask(key)) <= kTableUsed) {
            if (!ready())
                return std::nullopt;
            const auto at = std::lower_bound(m_tableKeys.begin(), m_tableKeys.end(), key);
            // A card the table lacks has an upper sum no game reaches: an edited file's.
            if (at != m_tableKeys.end() && *at == key) {
                const Stored &stored = m_table[std::size_t(at - m_tableKeys.begin())];
                futures[k] = fromAtMost(
                    &m_tableAtMost[std::size_t(usedCount(keyMask(key)))][stored.offset],
                    stored.length, stored.lowest);
            }
        }
        if (!futures[k])
            futures[k] = m_cache->find(key);
        if (!futures[k])
            toWork.push_back(k);
    }
    std::vector<int> workKeys;
    for (std::size_t k : toWork)
        workKeys.push_back(keys[k]);
    // Besides, what is to come after the turn of each seat at the start of one: it is worked out
    // on the way, and the next of them to move needs it at every roll.
    for (std::size_t k : toWork) {
        const std::uint16_t mask = keyMask(keys[k]);
        for (int c = 0; c < kCategoryCount; ++c) {
            const auto category = Category(c);
            const auto after = std::uint16_t(mask | usedBit(category));
            if ((mask & usedBit(category)) || after == kAllCategoriesUsed
                || usedCount(after) <= kTableUsed)
                continue;
            for (int n = 0; n <= (isUpper(category) ? 5 : 0); ++n) {
                const int key = futureKey(after, keyUpper(keys[k]) + n * (c + 1));
                if (std::find(workKeys.begin(), workKeys.end(), key) == workKeys.end()
                    && !m_cache->find(key))
                    workKeys.push_back(key);
            }
        }
    }
    std::vector<Future> worked;
    if (!Backwards<float>(m_play, stop, &m_cancelled).run(workKeys, worked))
        return std::nullopt;
    for (std::size_t w = 0; w < workKeys.size(); ++w) {
        auto future = std::make_shared<const Future>(std::move(worked[w]));
        m_cache->add(workKeys[w], future);
        if (w < toWork.size())
            futures[toWork[w]] = std::move(future);
    }

    std::vector<ScoreDistribution> finals;
    for (const std::vector<Part> &seatParts : parts) {
        // Indexed from the lowest score any part can bring.
        auto futureOfPart = [&](const Part &part) -> const Future & {
            return part.future < 0 ? kNoFuture : *futures[std::size_t(part.future)];
        };
        int lowest = std::numeric_limits<int>::max();
        for (const Part &part : seatParts)
            lowest = std::min(lowest, part.points + futureOfPart(part).lowest);
        std::vector<double> chances;
        for (const Part &part : seatParts) {
            const Future &future = futureOfPart(part);
            const std::size_t from = std::size_t(part.points + future.lowest - lowest);
            if (chances.size() < from + future.chances.size())
                chances.resize(from + future.chances.size(), 0.0);
            for (std::size_t k = 0; k < future.chances.size(); ++k)
                chances[from + k] += part.weight * double(future.chances[k]);
        }
        finals.push_back(trimmed(lowest, std::move(chances)));
    }
    return finals;
}

std::optional<std::vector<double>> WinChance::winChances(std::span<const Position> seats,
                                                         std::size_t mover,
                                                         std::stop_token stop) const
{
    const std::optional<std::vector<ScoreDistribution>> finals =
        finalScores(seats, mover, std::move(stop));
    if (!finals)
        return std::nullopt;
    // By seat, from its lowest score to its highest: the chance of that score or less.
    std::vector<std::vector<double>> atMost;
    for (const ScoreDistribution &final : *finals) {
        std::vector<double> sums;
        double sum = 0.0;
        for (int s = final.lowest(); s <= final.highest(); ++s)
            sums.push_back(sum += final.chance(s));
        atMost.push_back(std::move(sums));
    }
    auto chanceAtMost = [&](std::size_t seat, int score) {
        const ScoreDistribution &final = (*finals)[seat];
        if (score < final.lowest())
            return 0.0;
        return atMost[seat][std::size_t(std::min(score, final.highest()) - final.lowest())];
    };
    // A seat wins with a score s when every other seat scores s or less.
    std::vector<double> chances;
    for (std::size_t i = 0; i < finals->size(); ++i) {
        const ScoreDistribution &final = (*finals)[i];
        double chance = 0.0;
        for (int s = final.lowest(); s <= final.highest(); ++s) {
            double others = final.chance(s);
            for (std::size_t j = 0; j < finals->size(); ++j)
                if (j != i)
                    others *= chanceAtMost(j, s);
            chance += others;
        }
        chances.push_back(std::clamp(chance, 0.0, 1.0));
    }
    return chances;
}

std::optional<double> WinChance::chanceToBeat(const Position &position, int score,
                                              std::stop_token stop) const
{
    const std::optional<std::vector<ScoreDistribution>> finals =
        finalScores(std::span<const Position>(&position, 1), 0, std::move(stop));
    if (!finals)
        return std::nullopt;
    return finals->front().above(score);
}
