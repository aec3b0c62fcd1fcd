#include "Hint.h"

#include "Game.h"
#include "OptimalPlay.h"
#include "ScoreCardLayout.h"

#include <algorithm>

Position positionOf(const Game &game)
{
    const GameState &s = game.state();
    const int p = s.CurrentPlayer;
    Position position;
    for (int c = 0; c < kCategoryCount; ++c)
        if (!game.entry(p, Category(c)).isEmpty())
            position.usedMask |= usedBit(Category(c));
    if (p >= 1 && p <= layout::kMaxPlayers) {
        // Only an edited file holds a negative sum; it is as far from the bonus as none.
        position.upperSum = std::max<int>(0, s.UpperTotal[std::size_t(p)]);
        position.pointsSoFar = s.GrandTotal[std::size_t(p)];
    }
    position.rollsMade = s.RollCount;
    position.dice = game.dice();
    return position;
}

namespace {
QString points(int n)
{
    return QString::number(n) + (n == 1 ? QStringLiteral(" point") : QStringLiteral(" points"));
}
}  // namespace

QString hintText(const Game &game, const OptimalPlay &advisor)
{
    const GameState &s = game.state();
    if (!s.GameInProgress || s.CurrentPlayer < 1 || s.CurrentPlayer > s.NumPlayers)
        return {};
    if (!advisor.ready())
        return QStringLiteral("Working out the best moves…");
    const std::optional<Advice> advice = advisor.advise(positionOf(game));
    if (!advice)
        return {};

    QString move;
    switch (advice->kind) {
    case Advice::Kind::Roll:
        move = QStringLiteral("Roll the dice.");
        break;
    case Advice::Kind::Keep:
        if (advice->keepFaces.empty()) {
            move = QStringLiteral("Roll all five again.");
        } else {
            QStringList faces;
            for (int face : advice->keepFaces)
                faces << QString::number(face);
            move = QStringLiteral("Keep ") + faces.join(QLatin1Char(' '))
                   + QStringLiteral(", roll again.");
        }
        break;
    case Advice::Kind::Score:
        move = QStringLiteral("Score ") + layout::categoryLabel(advice->category)
               + (s.RollCount < 3 ? QStringLiteral(" now") : QString()) + QStringLiteral(" for ")
               + points(advice->points) + QLatin1Char('.');
        break;
    }
    const QString &name = s.PlayerNames[std::size_t(s.CurrentPlayer)];
    if (!name.isEmpty())
        move = shownName(name) + QStringLiteral(": ") + move;
    return move + QStringLiteral("\nExpected final score with best play: ")
           + QString::number(advice->expectedFinal, 'f', 1);
}
