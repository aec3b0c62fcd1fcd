#include "MoveWords.h"

#include "CardLayout.h"
#include "OptimalPlay.h"
#include "ShownName.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {
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
    //: A die's face as a word, as a screen reader says it.
    static const char *const words[] = {"", QT_TRANSLATE_NOOP("MoveWords", "one"),
                                        QT_TRANSLATE_NOOP("MoveWords", "two"),
                                        QT_TRANSLATE_NOOP("MoveWords", "three"),
                                        QT_TRANSLATE_NOOP("MoveWords", "four"),
                                        QT_TRANSLATE_NOOP("MoveWords", "five"),
                                        QT_TRANSLATE_NOOP("MoveWords", "six")};
    if (face < 1 || face > kFaces)
        return {};
    return QCoreApplication::translate("MoveWords", words[face]);
}

QString hintText(const GameState &state, const OptimalPlay &advisor)
{
    if (!state.inProgress())
        return {};
    if (!advisor.ready())
        return QCoreApplication::translate("MoveWords", "Working out the best moves…");
    const std::optional<Advice> advice =
        advisor.advise(positionOf(state.playerToMove().sheet, state.turn));
    if (!advice)
        return {};

    QString move;
    switch (advice->kind) {
    case Move::Kind::Roll:
        //: Advice to the player to move.
        move = QCoreApplication::translate("MoveWords", "Roll the dice.");
        break;
    case Move::Kind::Keep:
        //: Advice to the player to move.
        move = advice->keepFaces.empty()
                   ? QCoreApplication::translate("MoveWords", "Roll all five again.")
                   //: Advice to the player to move; %1 the faces to keep, as in "6 6 3".
                   : QCoreApplication::translate("MoveWords", "Keep %1, roll again.")
                         .arg(faces(advice->keepFaces));
        break;
    case Move::Kind::Score:
        //: Advice to the player to move, who may still roll; %1 is a row of the card.
        move = state.turn.rollsMade < kRollsPerTurn
                   ? QCoreApplication::translate("MoveWords", "Score %1 now for %n point(s).",
                                                 nullptr, advice->points)
                         .arg(card::categoryLabel(advice->category))
                   //: Advice to the player to move, who has no roll left; %1 is a row of the card.
                   : QCoreApplication::translate("MoveWords", "Score %1 for %n point(s).", nullptr,
                                                 advice->points)
                         .arg(card::categoryLabel(advice->category));
        break;
    }
    const QString &name = state.playerToMove().seat.name;
    if (!name.isEmpty())
        //: Advice addressed to a player by name: %1 the name, %2 the advice.
        move = QCoreApplication::translate("MoveWords", "%1: %2").arg(shownName(name), move);
    return move + QLatin1Char('\n')
           + QCoreApplication::translate("MoveWords", "Expected final score with best play: %1")
                 .arg(QLocale().toString(advice->expectedFinal, 'f', 1));
}

QString narrationText(const QString &name, const Move &move, int points)
{
    switch (move.kind) {
    case Move::Kind::Roll:
        //: What a computer player did; %1 is its name.
        return QCoreApplication::translate("MoveWords", "%1 rolls the dice.").arg(name);
    case Move::Kind::Keep:
        //: What a computer player did; %1 is its name.
        return move.keepFaces.empty()
                   ? QCoreApplication::translate("MoveWords", "%1 rolls all five again.").arg(name)
                   //: What a computer player did; %1 is its name, %2 the faces kept, as in "6 6 3".
                   : QCoreApplication::translate("MoveWords", "%1 keeps %2 and rolls again.")
                         .arg(name, faces(move.keepFaces));
    case Move::Kind::Score:
        //: What a computer player did; %1 is its name, %2 a row of the card, %n the points.
        return QCoreApplication::translate("MoveWords", "%1 scores %2 for %n.", nullptr, points)
            .arg(name, card::categoryLabel(move.category));
    }
    return {};
}
