#pragma once

#include "OptimalPlay.h"
#include "Position.h"
#include "ScoreDistribution.h"

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

// Each player's chance to win from a point of the game, when every player plays as
// OptimalPlay::advise() advises from there on: for the highest expected final score of their own
// card. A player's fortunes then depend on their own card and dice alone, so each player's final
// score has a distribution of its own, worked out exactly (every way each remaining turn can go),
// and the chances follow from these. A player wins when no one scores more: a shared first place
// is a win for each of its players, so the chances can add up to more than 1.
//
// A player has a turn left for each free category of their card. So in the middle of a round the
// players before the one to move, having had their turn, have one turn fewer left than that one
// and the players after it; the cards say so, and no round number is needed.
//
// The distributions for cards with kTableUsed or fewer categories used come from a table built
// once by prepare(). Those of later cards are worked out when asked, from the end of the game
// back to the cards at hand: at most a few tenths of a second of processor time, less the later
// the game. What an answer works out is kept for the next one: in a game the cards change one
// turn at a time, so most answers need nothing more (bench_winchance has the figures).
//
// The answers are worked out on the calling thread and as many helpers as there are cores, and
// may be asked for from several threads at once. The table of `play` is only read.
class WinChance
{
public:
    // Cards with at most this many categories used are in the table.
    static constexpr int kTableUsed = 5;
    // More points than any card can hold; only an edited file's card has them.
    static constexpr int kMostPointsSoFar = 1000000;

    // `play` must outlive this object; no answer comes before it is solved. Besides solving it
    // (in prepare()), this object only reads it.
    explicit WinChance(OptimalPlay &play);
    ~WinChance();
    WinChance(const WinChance &) = delete;
    WinChance &operator=(const WinChance &) = delete;

    // Solves `play` if need be and builds the table: a few seconds of processor time, shared by
    // the cores, and about twice the table's memory besides while it works. Blocks until done.
    // Safe from any thread and any number of times, as OptimalPlay::solve() is; meant to run away
    // from the window thread. The object must outlive a prepare() in progress.
    void prepare();
    // Makes a prepare() under way stop soon and leaves the table never ready, and from then on
    // gives none for every answer with something still to work out; for shutting down.
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }
    // Whether prepare() has finished; never blocks.
    bool ready() const { return m_ready.load(std::memory_order_acquire); }

    // Each seat's chance to win, 0..1, in seat order. `mover` is the seat to move: its position
    // may be at any point of its turn. Every other seat is taken at the start of a turn (their
    // rolls and dice are not read), or finished when its card is full.
    // None when `seats` is empty or `mover` is not one of them; for a card with bits above the
    // thirteen categories, a negative upper sum, or points so far outside 0..kMostPointsSoFar;
    // for a mover in the middle of a turn outside the limits of withinLimits(); before `play` is
    // solved; when a card with kTableUsed or fewer categories used needs the table and prepare()
    // has not finished; and when `stop` is requested while something is still to be worked out,
    // which it checks every few hundred microseconds (an answer from the table and earlier
    // answers alone comes all the same).
    // An upper sum that the used upper categories cannot add up to (an edited file's) is played
    // as advise() plays it, and the bonus counted from the sum as it is.
    std::optional<std::vector<double>> winChances(std::span<const Position> seats,
                                                  std::size_t mover,
                                                  std::stop_token stop = {}) const;
    // The distribution of each seat's final score, in seat order; seats and none as winChances().
    std::optional<std::vector<ScoreDistribution>> finalScores(std::span<const Position> seats,
                                                              std::size_t mover,
                                                              std::stop_token stop = {}) const;
    // The chance that the final score from `position` (at any point of a turn) beats `score`:
    // ends above it. None as winChances() for this one seat.
    std::optional<double> chanceToBeat(const Position &position, int score,
                                       std::stop_token stop = {}) const;

    // The table's share of memory, in bytes; 0 before it is ready.
    std::size_t tableBytes() const;
    // Lets go of what earlier answers worked out beyond the table. They are kept (a few
    // megabytes at most) because in a game the cards change one turn at a time: the next
    // question mostly needs the same, and is then answered in a few milliseconds.
    void forget();

private:
    // What is still to come from the start of a turn at one card of the table: the chance of
    // lowest + i more points or fewer is atMost[offset + i] / 65535 (in the block of the card's
    // number of categories used) for i below length, and 1 after that.
    struct Stored
    {
        std::uint32_t offset;
        std::int16_t lowest;
        std::uint16_t length;
    };
    struct Cache;
    void build();

    OptimalPlay &m_play;
    // The cards with kTableUsed or fewer categories used, by key in ascending order, and what is
    // to come from each. Sixteen bits a chance are plenty, and halve the table.
    std::vector<int> m_tableKeys;
    std::vector<Stored> m_table;
    std::array<std::vector<std::uint16_t>, kTableUsed + 1> m_tableAtMost;
    std::unique_ptr<Cache> m_cache;
    std::once_flag m_once;
    std::atomic<bool> m_cancelled{false};
    std::atomic<bool> m_ready{false};
};
