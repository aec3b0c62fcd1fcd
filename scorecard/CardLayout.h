#pragma once

#include "ScoreSheet.h"

#include <QString>
#include <optional>
#include <vector>

// The printed score card: two sections, each a list of rows with a label, in the order a player
// reads them and the save file stores them. Row 0 of each section is its heading.
namespace card {

// What a row of the card shows in a player's column.
enum class Line { Heading, Entry, Total, Bonus, UpperTotal, LowerTotal, GrandTotal };

struct Row
{
    Line line;
    Category category;  // Entry rows only
    const char *label;  // as printed in English, blanks included; label() gives it translated
};

enum class Section { Upper, Lower };
const std::vector<Row> &rows(Section section);
inline Section sectionOf(Category category)
{
    return isUpper(category) ? Section::Upper : Section::Lower;
}
// The row of a category within its section: 1..6 in the upper, 1..7 in the lower.
constexpr int rowOf(Category c) { return isUpper(c) ? int(c) + 1 : int(c) - 5; }
// The category of a row, none for headings and totals.
std::optional<Category> categoryAt(Section section, int row);

// A row's label as printed, in the player's language.
QString label(const Row &row);
// A category's label in the player's language with its blanks folded, as a sentence names it ("3 of A Kind").
QString categoryLabel(Category category);

// The number a row shows in a player's column: the entry, or a total of the sheet. None while the
// category is free, for the heading, for the bonus until it is earned, and for every total while
// the column has no entry at all.
std::optional<int> value(const ScoreSheet &sheet, const Row &row);

}  // namespace card
