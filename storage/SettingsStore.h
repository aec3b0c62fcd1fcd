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

    // The stored text, or the key's own default (settingkeys::defaultFor) when it is absent.
    QString value(const QString &key);
    // A stored "True"/"False" setting: on only when the text is exactly "True", or off only when
    // it is exactly "False", as the key's default says.
    bool flag(const QString &key);
    void saveFlag(const QString &key, bool on);
};

namespace settingkeys {
inline const QString kAnimateDice = QStringLiteral("AnimateDice");
inline const QString kDefNumPlayers = QStringLiteral("DefNumPlayers");
inline const QString kShowHints = QStringLiteral("ShowHints");
inline const QString kShowPossibleScores = QStringLiteral("ShowPossibleScores");
inline const QString kHighContrast = QStringLiteral("HighContrast");
// The seats of the last game against the computer: their count (absent before the first such
// game), and per seat n its kind and name.
inline const QString kSeatCount = QStringLiteral("SeatCount");
QString seatKind(int seat);
QString seatName(int seat);
// "DefPlayer1".."DefPlayer6"
QString defPlayer(int player);
// The text a key yields when it has never been stored.
QString defaultFor(const QString &key);
}  // namespace settingkeys
