#include "CardLayout.h"

#include <QCoreApplication>

namespace card {

const std::vector<Row> &rows(Section section)
{
    using C = Category;
    static const std::vector<Row> upper{
        //: Every label of the card is painted in a column 89 pixels wide: a translation must fit.
        {Line::Heading, C::Aces, QT_TRANSLATE_NOOP("card", "Upper Section")},
        //: The row of ones: the sum of the dice showing one.
        {Line::Entry, C::Aces, QT_TRANSLATE_NOOP("card", "Aces")},
        {Line::Entry, C::Twos, QT_TRANSLATE_NOOP("card", "Twos")},
        {Line::Entry, C::Threes, QT_TRANSLATE_NOOP("card", "Threes")},
        {Line::Entry, C::Fours, QT_TRANSLATE_NOOP("card", "Fours")},
        {Line::Entry, C::Fives, QT_TRANSLATE_NOOP("card", "Fives")},
        {Line::Entry, C::Sixes, QT_TRANSLATE_NOOP("card", "Sixes")},
        //: The sum of the six upper rows, before the bonus.
        {Line::Total, C::Aces, QT_TRANSLATE_NOOP("card", "Total")},
        {Line::Bonus, C::Aces, QT_TRANSLATE_NOOP("card", "Bonus")},
        {Line::UpperTotal, C::Aces, QT_TRANSLATE_NOOP("card", "Upper Total")}};
    static const std::vector<Row> lower{
        {Line::Heading, C::Aces, QT_TRANSLATE_NOOP("card", "Lower Section")},
        //: Three dice alike. The English label has two blanks after "of"; blanks are folded
        //: wherever a sentence names the row.
        {Line::Entry, C::ThreeOfAKind, QT_TRANSLATE_NOOP("card", "3 of  A Kind")},
        {Line::Entry, C::FourOfAKind, QT_TRANSLATE_NOOP("card", "4 of a Kind")},
        //: Three dice alike and two others alike.
        {Line::Entry, C::FullHouse, QT_TRANSLATE_NOOP("card", "Full House")},
        //: Small straight: four faces in a row.
        {Line::Entry, C::SmallStraight, QT_TRANSLATE_NOOP("card", "Sm Straight")},
        //: Large straight: five faces in a row.
        {Line::Entry, C::LargeStraight, QT_TRANSLATE_NOOP("card", "Lg Straight")},
        //: Five dice alike; the game's own name for it.
        {Line::Entry, C::Kelbrune, QT_TRANSLATE_NOOP("card", "Kelbrune")},
        //: Any dice: the sum of all five.
        {Line::Entry, C::Chance, QT_TRANSLATE_NOOP("card", "Chance")},
        {Line::LowerTotal, C::Aces, QT_TRANSLATE_NOOP("card", "Lower Total")},
        {Line::UpperTotal, C::Aces, QT_TRANSLATE_NOOP("card", "Upper Total")},
        {Line::GrandTotal, C::Aces, QT_TRANSLATE_NOOP("card", "Grand Total")}};
    return section == Section::Upper ? upper : lower;
}

std::optional<Category> categoryAt(Section section, int row)
{
    const std::vector<Row> &all = rows(section);
    if (row < 0 || row >= int(all.size()) || all[std::size_t(row)].line != Line::Entry)
        return std::nullopt;
    return all[std::size_t(row)].category;
}

QString label(const Row &row)
{
    return QCoreApplication::translate("card", row.label);
}

QString categoryLabel(Category category)
{
    return label(rows(sectionOf(category))[std::size_t(rowOf(category))]).simplified();
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
