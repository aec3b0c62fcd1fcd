#pragma once

#include "SettingsStore.h"

#include <QSettings>

// The settings store kept by QSettings in the user's configuration folder.
class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();
    QString get(const QString &key, const QString &defaultText) override;
    void save(const QString &key, const QString &text) override;

private:
    QSettings m_settings;
};
