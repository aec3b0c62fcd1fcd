#include "ScoreDistribution.h"

#include <algorithm>
#include <utility>

ScoreDistribution::ScoreDistribution(int lowest, std::vector<double> chances)
    : m_lowest(lowest), m_chances(std::move(chances))
{
}

double ScoreDistribution::chance(int score) const
{
    if (score < lowest() || score > highest())
        return 0.0;
    return m_chances[std::size_t(score - m_lowest)];
}

double ScoreDistribution::atMost(int score) const
{
    double sum = 0.0;
    for (int s = lowest(); s <= std::min(score, highest()); ++s)
        sum += m_chances[std::size_t(s - m_lowest)];
    return sum;
}

double ScoreDistribution::above(int score) const
{
    // Summed from the top, so that a small chance is not lost in 1 minus nearly 1.
    double sum = 0.0;
    for (int s = highest(); s > std::max(score, lowest() - 1); --s)
        sum += m_chances[std::size_t(s - m_lowest)];
    return sum;
}

double ScoreDistribution::mean() const
{
    double sum = 0.0;
    for (std::size_t i = 0; i < m_chances.size(); ++i)
        sum += double(m_lowest + int(i)) * m_chances[i];
    return sum;
}
