#pragma once

#include "OptimalPlay.h"
#include "Position.h"
#include "Seat.h"

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// Whether the strength decides from the optimal-play table, so that it has no move until the
// table is ready: Strong and Perfect. Beginner and Casual decide from the dice and the card alone.
bool needsTable(SeatKind strength);

// The decisions of one computer seat.
// - Perfect moves exactly as OptimalPlay::advise() advises.
// - Strong weighs every move with the table's worth, blurred a little, so it errs only between
//   moves close in worth.
// - Casual has no table: it plans the rest of the turn, weighing each entry against what the
//   category usually earns and what it does to the chance of the upper bonus, with more blur.
// - Beginner has no table and no plan: it follows rules of thumb. A made hand, three alike in
//   their own upper row among them, is entered at once, but a run of four is kept while the large
//   straight is free; otherwise it keeps its most dice alike or the dice of the straight it
//   chases, and enters the dice where they score most, never fewer points in a row that usually
//   earns more.
// A weaker strength makes more and larger mistakes, but only plausible ones: among moves not far
// below the best as it sees them, never a keep of dice that serve no free category. None of the
// weaker strengths breaks a large straight or five alike on the dice while their own category
// is free (they enter them there), enters a zero while rolls are left, or enters a zero while a
// free category scores well on the same dice (see scoresWell()).
//
// The seat's own random source, seeded at construction, is its only randomness: the same seed
// and the same sequence of positions give the same moves. It never draws from the dice's source.
// A decision takes a few microseconds once the table is ready (Casual's some more early in a
// turn), well under a millisecond.
class ComputerPlayer
{
public:
    // strength is one of the computer's kinds (not Human). `table` is only read, and only by
    // strengths that need it; it must outlive the player and may still be unsolved (see decide()).
    ComputerPlayer(SeatKind strength, const OptimalPlay &table, std::uint64_t seed);

    SeatKind strength() const { return m_strength; }

    // The move at a position: Roll before the first roll (rollsMade 0), Keep or Score with rolls
    // left, Score after the third roll. None when the strength needs the table and it is not
    // ready, when every category is used, and for a position outside the limits that
    // OptimalPlay::advise() accepts.
    std::optional<Move> decide(const Position &position);

private:
    struct Option
    {
        Move move;
        double worth;
    };
    std::optional<Move> decideWithTable(const Position &position);
    std::optional<Move> decideByLookAhead(const Position &position);
    std::optional<Move> decideByThumb(const Position &position);
    // The chosen move among the options, at least one, each weighed as the strength sees it.
    Move pick(std::vector<Option> options, const Position &position);
    // Draws from the seat's own source: uniform in [0, 1), and standard normal.
    double uniform();
    double noise();

    SeatKind m_strength;
    const OptimalPlay &m_table;
    std::mt19937_64 m_random;
};

// Whether a category earns enough on the dice that a weaker strength never enters a zero
// instead: a full house, either straight or five of a kind in its own category, three or more
// dice of an upper category's face, or a sum of 24 or more in three or four of a kind or chance.
bool scoresWell(Category category, const Dice &dice);
