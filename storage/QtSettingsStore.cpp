#include "QtSettingsStore.h"

#include <QStringList>

namespace {
const QString kSection = QStringLiteral("Settings/");
}

QtSettingsStore::QtSettingsStore()
    : m_settings(QStringLiteral("Kelbrune!"), QStringLiteral("Kelbrune!"))
{
}

QString QtSettingsStore::get(const QString &key, const QString &defaultText)
{
    const QString path = kSection + key;
    if (!m_settings.contains(path))
        return defaultText;
    const QVariant value = m_settings.value(path);
    // A hand-edited line such as "DefPlayer1=Ann, Bob" comes back as a list; the player meant
    // the whole line.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void QtSettingsStore::save(const QString &key, const QString &text)
{
    m_settings.setValue(kSection + key, text);
    // Written at once, so the value outlives a program that is ended abruptly.
    m_settings.sync();
}
