#pragma once

#include "DiceSets.h"
#include "Move.h"
#include "Position.h"

#include <array>
#include <atomic>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

// Optimal play of one player's score card: for any point of a game, the expected final score of
// the strategy that maximises it, and the move that achieves it. The categories score exactly as
// categoryScore() scores them; zero entries are allowed; the upper bonus is 35 once the upper sum
// reaches 63; five of a kind is worth 50 in its own category once and nothing extra after that.
//
// The table behind the answers holds the expected points still to come from the start of every
// turn a game can reach. It is built by solve(); until then there is no advice.

// What solve() finds the empty card worth: the mean final score of optimal play.
inline constexpr double kEmptyCardWorth = 245.870775;

class OptimalPlay
{
public:
    OptimalPlay() = default;
    OptimalPlay(const OptimalPlay &) = delete;
    OptimalPlay &operator=(const OptimalPlay &) = delete;

    // Builds the table, using every core; a few tenths of a second on two cores. Blocks until the
    // table is ready. Safe from any thread and any number of times: the first call does the work,
    // calls made meanwhile wait for it, later calls return at once. Meant to run away from the
    // window thread; the object must outlive a solve() in progress.
    void solve();
    // Makes a solve() under way stop soon and leaves the table never ready; for shutting down.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    // Whether solve() has finished; safe from any thread, never blocks.
    bool ready() const { return m_ready.load(std::memory_order_acquire); }

    // The best move at a position, in well under a millisecond; safe from several threads at once.
    // None before the table is ready, when every category is used (there is no move left), and for
    // a position outside its limits (bits above the thirteen categories, rollsMade outside 0..3,
    // a face outside 1..6 after a roll, a negative upper sum).
    // Before the first roll the advice is Roll. With rolls left it is Keep, or Score when entering
    // the dice now is worth at least as much as every set of dice that could be kept. After the
    // third roll it is Score. A Score names the free category worth most to the whole game, which
    // is not always the one that scores most now.
    // An upper sum that the used upper categories cannot add up to (only an edited file holds one)
    // is answered as the nearest lower sum they can; that answer is approximate.
    std::optional<Advice> advise(const Position &position) const;
    // advise(position)->expectedFinal.
    std::optional<double> expectedFinalScore(const Position &position) const;

    // Every move open after a roll and what each is worth, weighed as advise() weighs them: the
    // position's points so far plus the expected points still to come with best play after it.
    struct Choices
    {
        struct Keep
        {
            std::vector<int> faces;  // ascending; empty means roll all five
            double worth = 0.0;
        };
        // By category: the worth of entering the dice there now; NaN for a used category.
        std::array<double, kCategoryCount> entry{};
        // With rolls left, every distinct set of fewer than five of the dice, larger sets first;
        // empty after the third roll.
        std::vector<Keep> keeps;
    };
    // None where advise() gives none, and before the first roll of a turn (nothing to choose yet).
    std::optional<Choices> choices(const Position &position) const;

    // advise()'s move for every roll of one turn from a card, found at once: for whatever meets
    // the same card many times (a simulation, a sum over every way a turn can go). Rolls are
    // numbered as DiceSets numbers them (0..251).
    struct TurnPlan
    {
        static constexpr std::int16_t kScoreNow = -1;
        // After the first roll [0] and the second [1], by roll: the dice kept, a DiceSets index of
        // a set of fewer than five of them, or kScoreNow.
        std::array<std::array<std::int16_t, DiceSets::kRollCount>, 2> keep;
        // By roll: the category the dice are entered in, whenever they are.
        std::array<Category, DiceSets::kRollCount> category;
    };
    // None where advise() gives none for the card at the start of a turn. Some tens of
    // microseconds.
    std::optional<TurnPlan> turnPlan(std::uint16_t usedMask, int upperSum) const;
    // The plans of several upper sums of one card, plans[i] for upperSums[i]: four take little
    // longer than one. False, with no plan made, where turnPlan() gives none for any of them or
    // `plans` is shorter than `upperSums`.
    bool turnPlans(std::uint16_t usedMask, std::span<const int> upperSums,
                   std::span<TurnPlan> plans) const;

private:
    void build();
    void solveCard(std::uint16_t usedMask);
    // The nearest upper sum at or below `upperSum` (capped at 63) that the table holds.
    int tableUpper(std::uint16_t usedMask, int upperSum) const;
    double future(std::uint16_t usedMask, int upper) const
    {
        return m_future[std::size_t(usedMask) * 64 + std::size_t(upper)];
    }

    // Expected points still to come from the start of a turn, by used categories and upper sum
    // capped at 63; NaN where no game can be.
    std::vector<double> m_future;
    std::once_flag m_once;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_ready{false};
};
