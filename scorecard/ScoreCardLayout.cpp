#include "ScoreCardLayout.h"

namespace layout {

const QStringList &topLabels()
{
    static const QStringList labels{"Upper Section", "Aces", "Twos", "Threes", "Fours",
                                    "Fives", "Sixes", "Total", "Bonus", "Upper Total"};
    return labels;
}

const QStringList &bottomLabels()
{
    static const QStringList labels{"Lower Section", "3 of  A Kind", "4 of a Kind",
                                    "Full House",    "Sm Straight",  "Lg Straight",
                                    "Kelbrune",      "Chance",       "Lower Total",
                                    "Upper Total",   "Grand Total"};
    return labels;
}

QString categoryLabel(Category category)
{
    const QStringList &labels = isUpper(category) ? topLabels() : bottomLabels();
    return labels.at(categoryRow(category)).simplified();
}

ScoreCard makeTop() { return ScoreCard(kTopRows, kCols, 1, 1, kDefaultColWidth); }
ScoreCard makeBottom() { return ScoreCard(kBottomRows, kCols, 0, 1, kDefaultColWidth); }

static void centreEveryCell(ScoreCard &grid)
{
    grid.setCol(0);
    for (int r = 0; r < grid.rows(); ++r) {
        for (int c = 0; c < grid.cols(); ++c) {
            grid.setCol(c);
            grid.setRow(r);
            grid.setCellAlignmentCentre();
        }
    }
}

void setUpScoreCards(ScoreCard &top, ScoreCard &bottom)
{
    centreEveryCell(top);
    centreEveryCell(bottom);
    top.setColWidth(0, top.colWidth(0) + 350);
    bottom.setColWidth(0, top.colWidth(0));

    for (int r = 0; r < top.rows(); ++r)
        top.setTextMatrix(r, 0, topLabels().at(r));
    top.setRow(0);
    for (int c = 0; c < top.cols(); ++c) {
        top.setCol(c);
        top.setCellFontBold(true);
    }
    top.setCol(0);
    for (int r : {kTopTotal, kTopBonus, kTopUpperTotal}) {
        top.setRow(r);
        top.setCellFontBold(true);
    }

    for (int r = 0; r < bottom.rows(); ++r)
        bottom.setTextMatrix(r, 0, bottomLabels().at(r));
    bottom.setCol(0);
    bottom.setRow(0);
    bottom.setCellFontBold(true);
    for (int r : {kBottomLowerTotal, kBottomUpperTotal, kBottomGrandTotal}) {
        bottom.setRow(r);
        bottom.setCellFontBold(true);
    }
    bottom.setCellFontItalic(true);
}

}  // namespace layout
