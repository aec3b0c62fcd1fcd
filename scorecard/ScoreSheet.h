#pragma once

#include "Scoring.h"

#include <array>
#include <optional>

// One player's column of the score card: an entry, or nothing yet, for each of the thirteen
// categories. Everything else the column shows — the free categories, the section totals, the
// bonus and the grand total — is worked out here, so the card adds up in one place only.
class ScoreSheet
{
public:
    std::optional<int> entry(Category category) const { return m_entries[std::size_t(category)]; }
    bool isFree(Category category) const { return !entry(category); }
    int freeCount() const;
    // No entry yet: the column's totals show nothing.
    bool isEmpty() const { return freeCount() == kCategoryCount; }

    // Enters points in a category, which must be free.
    void enter(Category category, int points) { m_entries[std::size_t(category)] = points; }

    // The upper section's entries added up, bonus not included.
    int upperSum() const;
    // kUpperBonus once upperSum() reaches kUpperBonusAt, else 0.
    int bonus() const { return earnsUpperBonus(upperSum()) ? kUpperBonus : 0; }
    int upperTotal() const { return upperSum() + bonus(); }
    int lowerTotal() const;
    int grandTotal() const { return upperTotal() + lowerTotal(); }

    bool operator==(const ScoreSheet &) const = default;

private:
    std::array<std::optional<int>, kCategoryCount> m_entries{};
};
