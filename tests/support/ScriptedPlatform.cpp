#include "ScriptedPlatform.h"

#include <utility>

void ScriptedPlatform::scriptRoll(const QString &faces, const std::array<bool, 5> &held, int frames)
{
    const QStringList parts = faces.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // The draws that make a frame count 6..20 and a face 1..6.
    randoms.append((frames - 6 + 0.5) / 15.0);
    for (int frame = 1; frame <= frames; ++frame) {
        for (int i = 0; i < 5; ++i) {
            if (held[std::size_t(i)])
                continue;
            // Earlier frames show some other face, so a test can tell the frames apart.
            const int last = parts.value(i).toInt();
            randoms.append(((frame == frames ? last : (last + frame) % 6 + 1) - 0.5) / 6.0);
        }
    }
}

void ScriptedPlatform::schedule(QObject *context, int ms, std::function<void()> call)
{
    Q_UNUSED(ms);
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

void ScriptedPlatform::playCue(Cue cue)
{
    static const char *const names[] = {"DieRoll", "Kelbrune", "GameOver"};
    events.append(QStringLiteral("cue ") + QLatin1String(names[int(cue)]));
}

void ScriptedPlatform::pumpEvents()
{
    if (++pumps == m_commandPump && m_command)
        std::exchange(m_command, nullptr)();
}

void ScriptedPlatform::waitFrame(int ms)
{
    waits.append(ms);
    if (int(waits.size()) == m_waitCommandAt && m_waitCommand)
        std::exchange(m_waitCommand, nullptr)();
}

double ScriptedPlatform::random()
{
    ++draws;
    if (!randoms.isEmpty())
        return randoms.takeFirst();
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_fallback);
}

QList<ScriptedPlatform::Prompt> ScriptedPlatform::promptsOf(Prompt::Kind kind) const
{
    QList<Prompt> found;
    for (const Prompt &p : prompts)
        if (p.kind == kind)
            found.append(p);
    return found;
}

void ScriptedPlatform::clearRecords()
{
    events.clear();
    prompts.clear();
    unexpected.clear();
    draws = 0;
    pumps = 0;
    waits.clear();
}
