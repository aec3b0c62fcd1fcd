#include "CardLayout.h"

namespace card {

const std::vector<Row> &rows(Section section)
{
    using C = Category;
    static const std::vector<Row> upper{
        {Line::Heading, C::Aces, "Upper Section"}, {Line::Entry, C::Aces, "Aces"},
        {Line::Entry, C::Twos, "Twos"},            {Line::Entry, C::Threes, "Threes"},
        {Line::Entry, C::Fours, "Fours"},          {Line::Entry, C::Fives, "Fives"},
        {Line::Entry, C::Sixes, "Sixes"},          {Line::Total, C::Aces, "Total"},
        {Line::Bonus, C::Aces, "Bonus"},           {Line::UpperTotal, C::Aces, "Upper Total"}};
    static const std::vector<Row> lower{
        {Line::Heading, C::Aces, "Lower Section"},
        {Line::Entry, C::ThreeOfAKind, "3 of  A Kind"},
        {Line::Entry, C::FourOfAKind, "4 of a Kind"},
        {Line::Entry, C::FullHouse, "Full House"},
        {Line::Entry, C::SmallStraight, "Sm Straight"},
        {Line::Entry, C::LargeStraight, "Lg Straight"},
        {Line::Entry, C::Kelbrune, "Kelbrune"},
        {Line::Entry, C::Chance, "Chance"},
        {Line::LowerTotal, C::Aces, "Lower Total"},
        {Line::UpperTotal, C::Aces, "Upper Total"},
        {Line::GrandTotal, C::Aces, "Grand Total"}};
    return section == Section::Upper ? upper : lower;
}

std::optional<Category> categoryAt(Section section, int row)
{
    const std::vector<Row> &all = rows(section);
    if (row < 0 || row >= int(all.size()) || all[std::size_t(row)].line != Line::Entry)
        return std::nullopt;
    return all[std::size_t(row)].category;
}

QString categoryLabel(Category category)
{
    return QString::fromLatin1(rows(sectionOf(category))[std::size_t(rowOf(category))].label)
        .simplified();
}

std::optional<int> value(const ScoreSheet &sheet, const Row &row)
{
    if (row.line == Line::Entry)
        return sheet.entry(row.category);
    if (row.line == Line::Heading || sheet.isEmpty())
        return std::nullopt;
    switch (row.line) {
    case Line::Total: return sheet.upperSum();
    case Line::Bonus: return sheet.bonus() > 0 ? std::optional(sheet.bonus()) : std::nullopt;
    case Line::UpperTotal: return sheet.upperTotal();
    case Line::LowerTotal: return sheet.lowerTotal();
    case Line::GrandTotal: return sheet.grandTotal();
    case Line::Heading:
    case Line::Entry: break;
    }
    return std::nullopt;
}

}  // namespace card
