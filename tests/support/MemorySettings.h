#pragma once

#include "SettingsStore.h"

#include <QMap>
#include <QStringList>

// A settings store in memory that logs every access in order: "get DefNumPlayers",
// "save DefPlayer1=Ann".
class MemorySettings : public SettingsStore
{
public:
    QMap<QString, QString> values;
    QStringList log;

    QString get(const QString &key, const QString &defaultText) override
    {
        log.append(QStringLiteral("get ") + key);
        return values.contains(key) ? values.value(key) : defaultText;
    }
    void save(const QString &key, const QString &text) override
    {
        log.append(QStringLiteral("save ") + key + QLatin1Char('=') + text);
        values.insert(key, text);
    }
};
