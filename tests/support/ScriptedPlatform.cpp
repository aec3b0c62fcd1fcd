#include "ScriptedPlatform.h"

#include <QStringList>

void ScriptedPlatform::scriptRoll(const QString &faces, const std::array<bool, 5> &held)
{
    const QStringList parts = faces.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i < 5; ++i)
        if (!held[std::size_t(i)])
            randoms.append((parts.value(i).toInt() - 0.5) / 6.0);
}

double ScriptedPlatform::random()
{
    ++draws;
    if (!randoms.isEmpty())
        return randoms.takeFirst();
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_fallback);
}

void ScriptedPlatform::schedule(QObject *context, int ms, std::function<void()> call)
{
    pauses.append(ms);
    m_scheduled.append({context, std::move(call)});
}

int ScriptedPlatform::runScheduled(int limit)
{
    int ran = 0;
    while (!m_scheduled.isEmpty() && ran < limit) {
        const Scheduled next = m_scheduled.takeFirst();
        if (next.context) {
            next.call();
            ++ran;
        }
    }
    return ran;
}
