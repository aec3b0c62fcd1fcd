#pragma once

#include <QString>

// The per-user preferences, kept as texts under application "Kelbrune!", section "Settings".
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // The stored text when the key exists, even when empty; the default otherwise.
    virtual QString get(const QString &key, const QString &defaultText) = 0;
    // Creates or replaces the value; it lasts after the program ends.
    virtual void save(const QString &key, const QString &text) = 0;
};

namespace settingkeys {
inline const QString kAnimateDice = QStringLiteral("AnimateDice");
inline const QString kDefNumPlayers = QStringLiteral("DefNumPlayers");
inline const QString kShowHints = QStringLiteral("ShowHints");
// "DefPlayer1".."DefPlayer6"
QString defPlayer(int player);
// The text a key yields when it has never been stored.
QString defaultFor(const QString &key);
}  // namespace settingkeys
