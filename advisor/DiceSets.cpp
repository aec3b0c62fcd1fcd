#include "DiceSets.h"

#include <algorithm>

namespace {
constexpr int kPowers[7] = {1, 6, 36, 216, 1296, 7776, 46656};

int key(const std::array<int, 6> &counts)
{
    int k = 0;
    for (int f = 0; f < 6; ++f)
        k += counts[std::size_t(f)] * kPowers[f];
    return k;
}
}  // namespace

const DiceSets &DiceSets::instance()
{
    static const DiceSets sets;
    return sets;
}

DiceSets::DiceSets() : m_byCounts(std::size_t(kPowers[6]), std::int16_t(-1))
{
    // Sets of each size in ascending order of their sorted faces, then grouped by distinct faces.
    std::array<int, 6> counts{};
    std::vector<std::array<int, 6>> ofSize;
    auto emit = [&](auto &self, int left, int minFace) -> void {
        if (left == 0) {
            ofSize.push_back(counts);
            return;
        }
        for (int f = minFace; f <= 6; ++f) {
            ++counts[std::size_t(f - 1)];
            self(self, left - 1, f);
            --counts[std::size_t(f - 1)];
        }
    };
    auto distinct = [](const std::array<int, 6> &c) {
        return int(std::count_if(c.begin(), c.end(), [](int n) { return n > 0; }));
    };
    int next = 0;
    for (int size = 0; size <= 5; ++size) {
        ofSize.clear();
        emit(emit, size, 1);
        std::stable_sort(ofSize.begin(), ofSize.end(),
                         [&](const auto &a, const auto &b) { return distinct(a) < distinct(b); });
        for (const auto &c : ofSize) {
            const int d = distinct(c);
            if (size > 0) {
                if (next == kSizeStart[std::size_t(size)] || m_groups.back().distinct != d)
                    m_groups.push_back({next, next, d});
                ++m_groups.back().end;
            }
            for (int f = 0; f < 6; ++f)
                m_count[std::size_t(next)][std::size_t(f)] = std::uint8_t(c[std::size_t(f)]);
            m_byCounts[std::size_t(key(c))] = std::int16_t(next);
            ++next;
        }
    }

    int factorial[6] = {1, 1, 2, 6, 24, 120};
    for (int k = 0; k < kSetCount; ++k) {
        std::array<int, 6> c{};
        int size = 0;
        for (int f = 0; f < 6; ++f) {
            c[std::size_t(f)] = m_count[std::size_t(k)][std::size_t(f)];
            size += c[std::size_t(f)];
        }
        const int base = key(c);
        if (size < 5)
            for (int f = 0; f < 6; ++f)
                m_withOneMore[std::size_t(k)][std::size_t(f)] =
                    std::uint16_t(m_byCounts[std::size_t(base + kPowers[f])]);
        int n = 0;
        for (int f = 0; f < 6; ++f)
            if (c[std::size_t(f)] > 0)
                m_withOneLess[std::size_t(k)][std::size_t(n++)] =
                    std::uint16_t(m_byCounts[std::size_t(base - kPowers[f])]);
        for (int i = n; i > 0 && i < 5; ++i)
            m_withOneLess[std::size_t(k)][std::size_t(i)] = m_withOneLess[std::size_t(k)][0];
        if (size == 5) {
            int arrangements = factorial[5];
            for (int f = 0; f < 6; ++f)
                arrangements /= factorial[c[std::size_t(f)]];
            m_rollChance[std::size_t(k - kFirstRoll)] = arrangements / 7776.0;
        }
    }
}

std::vector<int> DiceSets::faces(int k) const
{
    std::vector<int> result;
    for (int f = 1; f <= 6; ++f)
        result.insert(result.end(), std::size_t(count(k, f)), f);
    return result;
}

Dice DiceSets::rollDice(int roll) const
{
    const std::vector<int> f = faces(kFirstRoll + roll);
    Dice dice{};
    std::copy(f.begin(), f.end(), dice.begin());
    return dice;
}

int DiceSets::lookup(const std::array<int, 6> &counts) const
{
    return m_byCounts[std::size_t(key(counts))];
}

int DiceSets::indexOf(const std::vector<int> &faces) const
{
    std::array<int, 6> counts{};
    for (int face : faces)
        ++counts[std::size_t(face - 1)];
    return lookup(counts);
}

int DiceSets::rollOf(const Dice &dice) const
{
    return indexOf(std::vector<int>(dice.begin(), dice.end())) - kFirstRoll;
}

std::span<const std::int16_t> DiceSets::keepsOf(int roll) const
{
    struct Keeps
    {
        std::vector<std::int16_t> sets;
        std::array<std::size_t, kRollCount + 1> start{};
    };
    static const Keeps keeps = [this] {
        Keeps all;
        for (int r = 0; r < kRollCount; ++r) {
            all.start[std::size_t(r)] = all.sets.size();
            for (int k = kFirstRoll - 1; k >= 0; --k)
                if (contains(kFirstRoll + r, k))
                    all.sets.push_back(std::int16_t(k));
        }
        all.start[kRollCount] = all.sets.size();
        return all;
    }();
    const auto r = std::size_t(roll);
    return std::span(keeps.sets).subspan(keeps.start[r], keeps.start[r + 1] - keeps.start[r]);
}

bool DiceSets::contains(int whole, int part) const
{
    for (int f = 1; f <= 6; ++f)
        if (count(part, f) > count(whole, f))
            return false;
    return true;
}
