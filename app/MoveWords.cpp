#include "MoveWords.h"

#include "CardLayout.h"
#include "OptimalPlay.h"
#include "ShownName.h"

#include <QStringList>

namespace {
QString points(int n)
{
    return QString::number(n) + (n == 1 ? QStringLiteral(" point") : QStringLiteral(" points"));
}

QString faces(const std::vector<int> &kept)
{
    QStringList words;
    for (int face : kept)
        words << QString::number(face);
    return words.join(QLatin1Char(' '));
}
}  // namespace

QString faceWord(int face)
{
    static const char *const words[] = {"", "one", "two", "three", "four", "five", "six"};
    return QString::fromLatin1(face >= 1 && face <= kFaces ? words[face] : "");
}

QString hintText(const GameState &state, const OptimalPlay &advisor)
{
    if (!state.inProgress())
        return {};
    if (!advisor.ready())
        return QStringLiteral("Working out the best moves…");
    const std::optional<Advice> advice =
        advisor.advise(positionOf(state.playerToMove().sheet, state.turn));
    if (!advice)
        return {};

    QString move;
    switch (advice->kind) {
    case Move::Kind::Roll:
        move = QStringLiteral("Roll the dice.");
        break;
    case Move::Kind::Keep:
        move = advice->keepFaces.empty()
                   ? QStringLiteral("Roll all five again.")
                   : QStringLiteral("Keep ") + faces(advice->keepFaces)
                         + QStringLiteral(", roll again.");
        break;
    case Move::Kind::Score:
        move = QStringLiteral("Score ") + card::categoryLabel(advice->category)
               + (state.turn.rollsMade < kRollsPerTurn ? QStringLiteral(" now") : QString())
               + QStringLiteral(" for ") + points(advice->points) + QLatin1Char('.');
        break;
    }
    const QString &name = state.playerToMove().seat.name;
    if (!name.isEmpty())
        move = shownName(name) + QStringLiteral(": ") + move;
    return move + QStringLiteral("\nExpected final score with best play: ")
           + QString::number(advice->expectedFinal, 'f', 1);
}

QString narrationText(const QString &name, const Move &move, int points)
{
    switch (move.kind) {
    case Move::Kind::Roll:
        return name + QStringLiteral(" rolls the dice.");
    case Move::Kind::Keep:
        return move.keepFaces.empty()
                   ? name + QStringLiteral(" rolls all five again.")
                   : name + QStringLiteral(" keeps ") + faces(move.keepFaces)
                         + QStringLiteral(" and rolls again.");
    case Move::Kind::Score:
        return name + QStringLiteral(" scores ") + card::categoryLabel(move.category)
               + QStringLiteral(" for ") + QString::number(points) + QLatin1Char('.');
    }
    return {};
}
