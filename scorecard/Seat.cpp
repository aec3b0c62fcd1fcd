#include "Seat.h"

#include <QCoreApplication>
#include <array>

namespace {
// Made at first use: other libraries' constants are made from these before main() begins.
const std::array<QString, 5> &names()
{
    static const std::array<QString, 5> words{QStringLiteral("Human"), QStringLiteral("Beginner"),
                                              QStringLiteral("Casual"), QStringLiteral("Strong"),
                                              QStringLiteral("Perfect")};
    return words;
}
}  // namespace

QString seatKindName(SeatKind kind)
{
    return names()[std::size_t(kind)];
}

QString seatKindLabel(SeatKind kind)
{
    static const char *const labels[] = {
        //: Who plays a seat: a person, not the computer.
        QT_TRANSLATE_NOOP("Seat", "Human"),
        //: The weakest of the computer's four strengths.
        QT_TRANSLATE_NOOP("Seat", "Beginner"),
        //: The computer's second strength, a casual player.
        QT_TRANSLATE_NOOP("Seat", "Casual"),
        //: The computer's third strength.
        QT_TRANSLATE_NOOP("Seat", "Strong"),
        //: The computer's best strength: it always makes the best move.
        QT_TRANSLATE_NOOP("Seat", "Perfect")};
    return QCoreApplication::translate("Seat", labels[std::size_t(kind)]);
}

std::optional<SeatKind> seatKindFromName(QStringView name)
{
    for (std::size_t k = 0; k < names().size(); ++k)
        if (name == names()[k])
            return SeatKind(k);
    return std::nullopt;
}

QString singleLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    return text;
}

QString fittedName(const QString &text)
{
    QString name = singleLine(text);
    if (name.size() <= kMaxNameLength)
        return name;
    qsizetype cut = kMaxNameLength;
    if (name.at(cut - 1).isHighSurrogate())
        --cut;
    return name.left(cut);
}
