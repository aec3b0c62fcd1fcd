#include "Position.h"

Position positionOf(const ScoreSheet &sheet, const Turn &turn)
{
    Position position;
    for (int c = 0; c < kCategoryCount; ++c)
        if (!sheet.isFree(Category(c)))
            position.usedMask |= usedBit(Category(c));
    position.upperSum = sheet.upperSum();
    position.pointsSoFar = sheet.grandTotal();
    position.rollsMade = turn.rollsMade;
    position.dice = turn.faces;
    return position;
}
