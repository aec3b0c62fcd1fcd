#include "Seat.h"

#include <array>

namespace {
const std::array<QString, 5> kNames{QStringLiteral("Human"), QStringLiteral("Beginner"),
                                    QStringLiteral("Casual"), QStringLiteral("Strong"),
                                    QStringLiteral("Perfect")};
}

QString seatKindName(SeatKind kind)
{
    return kNames[std::size_t(kind)];
}

std::optional<SeatKind> seatKindFromName(QStringView name)
{
    for (std::size_t k = 0; k < kNames.size(); ++k)
        if (name == kNames[k])
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
