#include "Scoring.h"

#include <utility>

int StraightLength(const Dice &dice)
{
    // A(1..5) hold the faces, A(6) a sentinel that ends a run reaching the highest die.
    int a[7];
    a[6] = -1;
    for (int k = 1; k <= 5; ++k)
        a[k] = dice[std::size_t(k - 1)];
    for (int i = 1; i <= 5; ++i)
        for (int j = i; j <= 5; ++j)
            if (a[j] < a[i])
                std::swap(a[i], a[j]);
    if (a[5] < 4 || a[1] > 3)
        return 0;

    int best = 0;
    for (int start = 1; start <= 2; ++start) {
        int run = 1;
        bool broken = false;
        for (int k = start; k <= 5; ++k) {
            if (a[k + 1] == a[k] + 1 && !broken)
                ++run;
            else if (a[k + 1] != a[k])
                broken = true;
        }
        if (run > best)
            best = run;
    }
    return best;
}

int categoryScore(Category category, const Dice &dice)
{
    std::array<int, 7> count{};
    int sum = 0;
    for (int face : dice) {
        if (face >= 1 && face <= 6)
            ++count[std::size_t(face)];
        sum += face;
    }
    auto anyCount = [&](auto test) {
        for (int f = 1; f <= 6; ++f)
            if (test(count[std::size_t(f)]))
                return true;
        return false;
    };

    switch (category) {
    case Category::Aces:
    case Category::Twos:
    case Category::Threes:
    case Category::Fours:
    case Category::Fives:
    case Category::Sixes: {
        const int face = int(category) + 1;
        return face * count[std::size_t(face)];
    }
    case Category::ThreeOfAKind:
        return anyCount([](int n) { return n > 2; }) ? sum : 0;
    case Category::FourOfAKind:
        return anyCount([](int n) { return n > 3; }) ? sum : 0;
    case Category::FullHouse:
        return anyCount([](int n) { return n == 2; }) && anyCount([](int n) { return n == 3; })
                   ? 25 : 0;
    case Category::SmallStraight:
        return StraightLength(dice) >= 4 ? 30 : 0;
    case Category::LargeStraight:
        return StraightLength(dice) == 5 ? 40 : 0;
    case Category::Kelbrune:
        return anyCount([](int n) { return n == 5; }) ? kKelbruneScore : 0;
    case Category::Chance:
        return sum;
    }
    return 0;
}

bool isPossibleScore(Category category, int points)
{
    // Every score of every roll, found once from the rules themselves.
    static const auto possible = [] {
        std::array<std::array<bool, kKelbruneScore + 1>, kCategoryCount> seen{};
        for (int code = 0; code < 6 * 6 * 6 * 6 * 6; ++code) {
            Dice dice{};
            for (int i = 0, rest = code; i < kDiceCount; ++i, rest /= 6)
                dice[std::size_t(i)] = rest % 6 + 1;
            for (int c = 0; c < kCategoryCount; ++c)
                seen[std::size_t(c)][std::size_t(categoryScore(Category(c), dice))] = true;
        }
        return seen;
    }();
    return points >= 0 && points <= kKelbruneScore
           && possible[std::size_t(category)][std::size_t(points)];
}
