#include "SettingsStore.h"

namespace settingkeys {

namespace {
const QString kDefPlayerPrefix = QStringLiteral("DefPlayer");
}

QString defPlayer(int player)
{
    return kDefPlayerPrefix + QString::number(player);
}

QString defaultFor(const QString &key)
{
    if (key == kAnimateDice)
        return QStringLiteral("True");
    if (key == kDefNumPlayers)
        return QStringLiteral("2");
    if (key == kShowHints)
        return QStringLiteral("False");
    if (key.startsWith(kDefPlayerPrefix)) {
        // "DefPlayer3" -> "Player3": the number as it stands in the key, so only the keys
        // defPlayer() makes have a default.
        const QString number = key.mid(kDefPlayerPrefix.size());
        bool ok = false;
        const int player = number.toInt(&ok);
        if (ok && player >= 1 && defPlayer(player) == key)
            return QStringLiteral("Player") + number;
    }
    return QString();
}

}  // namespace settingkeys
