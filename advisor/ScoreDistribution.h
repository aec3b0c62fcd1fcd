#pragma once

#include <vector>

// The chances of one player's final score: a plain value. Scores below lowest() and above
// highest() have no chance; the chances add up to 1 (to rounding).
class ScoreDistribution
{
public:
    // A score of 0 for certain.
    ScoreDistribution() = default;
    // chances[i] is the chance of the score lowest + i; `chances` must not be empty.
    ScoreDistribution(int lowest, std::vector<double> chances);

    int lowest() const { return m_lowest; }
    int highest() const { return m_lowest + int(m_chances.size()) - 1; }
    double chance(int score) const;
    // The chance of a final score of `score` or less.
    double atMost(int score) const;
    // The chance of a final score above `score`: of beating it.
    double above(int score) const;
    double mean() const;

private:
    int m_lowest = 0;
    std::vector<double> m_chances{1.0};
};
