#pragma once

#include "ScoreCard.h"
#include "Scoring.h"

#include <QStringList>

// Shape of the two grids of the score card. Column 0 holds the labels, column n player n.
namespace layout {
constexpr int kCols = 7;
constexpr int kMaxPlayers = 6;
constexpr int kTopRows = 10;
constexpr int kBottomRows = 11;
constexpr int kDefaultColWidth = 990;  // twips; the label column is this + 350

// Category rows: top 1..6 (Aces..Sixes), bottom 1..7 (3 of a kind..Chance).
constexpr int kTopFirstCategory = 1;
constexpr int kTopLastCategory = 6;
constexpr int kBottomFirstCategory = 1;
constexpr int kBottomLastCategory = 7;

// Total rows.
constexpr int kTopTotal = 7;
constexpr int kTopBonus = 8;
constexpr int kTopUpperTotal = 9;
constexpr int kBottomLowerTotal = 8;
constexpr int kBottomUpperTotal = 9;
constexpr int kBottomGrandTotal = 10;

const QStringList &topLabels();
const QStringList &bottomLabels();
// A category's label on the card with its blanks folded, as a sentence names it ("3 of A Kind").
QString categoryLabel(Category category);

ScoreCard makeTop();
ScoreCard makeBottom();

// The start-up set-up of both grids: centred cells, the widened label column, labels, bold and
// italic headings. Run once, on freshly made grids.
void setUpScoreCards(ScoreCard &top, ScoreCard &bottom);
}  // namespace layout
