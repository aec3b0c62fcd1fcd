#include "ScoreSheet.h"

int ScoreSheet::freeCount() const
{
    int free = 0;
    for (const std::optional<int> &entry : m_entries)
        free += entry ? 0 : 1;
    return free;
}

int ScoreSheet::upperSum() const
{
    int sum = 0;
    for (int c = 0; c < kCategoryCount; ++c)
        if (isUpper(Category(c)))
            sum += m_entries[std::size_t(c)].value_or(0);
    return sum;
}

int ScoreSheet::lowerTotal() const
{
    int sum = 0;
    for (int c = 0; c < kCategoryCount; ++c)
        if (!isUpper(Category(c)))
            sum += m_entries[std::size_t(c)].value_or(0);
    return sum;
}
