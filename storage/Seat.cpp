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

QString computerSeatName(int number)
{
    return QStringLiteral("Computer %1").arg(number);
}

std::optional<SeatKind> seatKindFromName(QStringView name)
{
    for (std::size_t k = 0; k < kNames.size(); ++k)
        if (name == kNames[k])
            return SeatKind(k);
    return std::nullopt;
}
