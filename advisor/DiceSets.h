#pragma once

#include "Scoring.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// Every multiset of zero to five dice: what a player can keep between rolls, and (with five dice)
// every distinct roll. Sets are numbered by size, so that all sets of one size are contiguous and
// a set's index is larger than that of any of its subsets; the 252 rolls come last, roll r being
// set kFirstRoll + r. Within a size, sets come in groups by their number of distinct faces.
// Built once, shared, never changed.
class DiceSets
{
public:
    static constexpr int kSetCount = 462;
    static constexpr int kRollCount = 252;
    static constexpr int kFirstRoll = kSetCount - kRollCount;
    // Index of the first set with n dice, n = 0..5; kSizeStart[6] is kSetCount.
    static constexpr std::array<int, 7> kSizeStart{0, 1, 7, 28, 84, 210, 462};

    static const DiceSets &instance();

    // Number of dice showing face f (1..6) in set k.
    int count(int k, int face) const { return m_count[std::size_t(k)][std::size_t(face - 1)]; }
    // The faces of set k, ascending.
    std::vector<int> faces(int k) const;
    // A roll as the game's dice: five faces, ascending.
    Dice rollDice(int roll) const;
    // The set holding exactly these faces (each 1..6, at most five of them).
    int indexOf(const std::vector<int> &faces) const;
    // The roll showing these five faces (each 1..6), in any order.
    int rollOf(const Dice &dice) const;
    // Whether set `part` is contained in set `whole`.
    bool contains(int whole, int part) const;
    // Every set of fewer than five of roll r's dice, largest index first: the order in which the
    // advisor weighs keeps, and the place a turn plan stores for one.
    std::span<const std::int16_t> keepsOf(int roll) const;

    // For a set of fewer than five dice: the set with one more die of face f, at [f - 1].
    const std::array<std::uint16_t, 6> &withOneMore(int k) const
    {
        return m_withOneMore[std::size_t(k)];
    }
    // For a set of at least one die: the sets with one die fewer, one per distinct face, the list
    // filled up to five entries with repeats of its first.
    const std::array<std::uint16_t, 5> &withOneLess(int k) const
    {
        return m_withOneLess[std::size_t(k)];
    }

    // Sets [begin, end) all have the same size and `distinct` distinct faces.
    struct Group
    {
        int begin;
        int end;
        int distinct;
    };
    // The groups of all sets of one or more dice, in ascending order of index.
    const std::vector<Group> &groups() const { return m_groups; }
    // Chance of roll r when all five dice are rolled.
    double rollChance(int r) const { return m_rollChance[std::size_t(r)]; }

private:
    DiceSets();
    int lookup(const std::array<int, 6> &counts) const;

    std::array<std::array<std::uint8_t, 6>, kSetCount> m_count{};
    std::array<std::array<std::uint16_t, 6>, kFirstRoll> m_withOneMore{};
    std::array<std::array<std::uint16_t, 5>, kSetCount> m_withOneLess{};
    std::array<double, kRollCount> m_rollChance{};
    std::vector<Group> m_groups;
    // Set index by the counts of faces 1..6 read as a number in base 6; -1 for more than five dice.
    std::vector<std::int16_t> m_byCounts;
};
