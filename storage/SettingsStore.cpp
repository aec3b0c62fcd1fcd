#include "SettingsStore.h"

#include <QCoreApplication>

QString SettingsStore::value(const QString &key)
{
    return get(key, settingkeys::defaultFor(key));
}

bool SettingsStore::flag(const QString &key)
{
    // A switch that is on unless switched off reads any other text as on, and the reverse.
    if (settingkeys::defaultFor(key) == QLatin1String("True"))
        return value(key) != QLatin1String("False");
    return value(key) == QLatin1String("True");
}

void SettingsStore::saveFlag(const QString &key, bool on)
{
    save(key, on ? QStringLiteral("True") : QStringLiteral("False"));
}

namespace settingkeys {

namespace {
const QString kDefPlayerPrefix = QStringLiteral("DefPlayer");
}

QString defPlayer(int player)
{
    return kDefPlayerPrefix + QString::number(player);
}

QString seatKind(int seat)
{
    return QStringLiteral("SeatKind") + QString::number(seat);
}

QString seatName(int seat)
{
    return QStringLiteral("SeatName") + QString::number(seat);
}

QString defaultFor(const QString &key)
{
    if (key == kAnimateDice)
        return QStringLiteral("True");
    if (key == kDefNumPlayers)
        return QStringLiteral("2");
    if (key == kShowHints || key == kShowPossibleScores || key == kHighContrast)
        return QStringLiteral("False");
    if (key.startsWith(kDefPlayerPrefix)) {
        // "DefPlayer3" -> "Player3": the number as it stands in the key, so only the keys
        // defPlayer() makes have a default. The name offered is in the player's language.
        const QString number = key.mid(kDefPlayerPrefix.size());
        bool ok = false;
        const int player = number.toInt(&ok);
        if (ok && player >= 1 && defPlayer(player) == key)
            //: The name offered for a player not yet named, with no blank before the number.
            return QCoreApplication::translate("SettingsStore", "Player%1").arg(number);
    }
    return QString();
}

}  // namespace settingkeys
