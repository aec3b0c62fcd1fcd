#include "ScriptedPlatform.h"

#include <utility>

void ScriptedPlatform::scriptRoll(const QString &faces, const std::array<bool, 5> &held, int frames)
{
    const QStringList parts = faces.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    randoms.append(drawForFrames(frames));
    for (int frame = 1; frame <= frames; ++frame) {
        for (int i = 0; i < 5; ++i) {
            if (held[std::size_t(i)])
                continue;
            // Earlier frames show some other face, so a test can tell the frames apart.
            const int last = parts.value(i).toInt();
            const int face = frame == frames ? last : (last + frame) % 6 + 1;
            randoms.append(drawForFace(face));
        }
    }
}

void ScriptedPlatform::prompted(const QString &title)
{
    if (m_promptCommand && title == m_promptTitle)
        std::exchange(m_promptCommand, nullptr)();
}

bool ScriptedPlatform::askYesNo(const QString &title, const QString &text)
{
    prompts.append({Prompt::YesNo, title, text, {}});
    events.append(QStringLiteral("yes/no ") + title);
    prompted(title);
    if (yesNoAnswers.isEmpty()) {
        unexpected.append(QStringLiteral("yes/no: ") + title);
        return false;
    }
    return yesNoAnswers.takeFirst();
}

void ScriptedPlatform::tell(const QString &title, const QString &text)
{
    prompts.append({Prompt::Ok, title, text, {}});
    events.append(QStringLiteral("ok ") + title);
    prompted(title);
}

QString ScriptedPlatform::inputBox(const QString &prompt, const QString &title,
                                   const QString &defaultText)
{
    prompts.append({Prompt::Input, title, prompt, defaultText});
    events.append(QStringLiteral("input ") + title);
    prompted(title);
    if (inputAnswers.isEmpty()) {
        unexpected.append(QStringLiteral("input: ") + prompt);
        return {};
    }
    return inputAnswers.takeFirst();
}

QString ScriptedPlatform::openFileName(const QString &filter)
{
    prompts.append({Prompt::OpenFile, {}, filter, {}});
    events.append(QStringLiteral("open"));
    prompted({});
    if (fileAnswers.isEmpty()) {
        unexpected.append(QStringLiteral("open file"));
        return {};
    }
    return fileAnswers.takeFirst();
}

QString ScriptedPlatform::saveFileName(const QString &filter)
{
    prompts.append({Prompt::SaveFile, {}, filter, {}});
    events.append(QStringLiteral("save"));
    prompted({});
    if (fileAnswers.isEmpty()) {
        unexpected.append(QStringLiteral("save file"));
        return {};
    }
    return fileAnswers.takeFirst();
}

std::optional<std::vector<Seat>> ScriptedPlatform::askSeats(const std::vector<Seat> &offered)
{
    seatOffers.append(offered);
    events.append(QStringLiteral("seats"));
    prompted(QStringLiteral("seats"));
    if (seatAnswers.isEmpty()) {
        unexpected.append(QStringLiteral("seats"));
        return std::nullopt;
    }
    return seatAnswers.takeFirst();
}

void ScriptedPlatform::schedule(QObject *context, int ms, std::function<void()> call)
{
    scheduledPauses.append(ms);
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
    cues.append(cue);
    static const char *const names[] = {"DieRoll", "Kelbrune", "GameOver"};
    events.append(QStringLiteral("cue ") + QLatin1String(names[int(cue)]));
}

void ScriptedPlatform::pumpEvents()
{
    ++pumps;
    if (pumps == m_commandPump && m_command) {
        auto command = std::move(m_command);
        m_command = nullptr;
        command();
    }
}

void ScriptedPlatform::waitFrame(int ms)
{
    waits.append(ms);
    if (int(waits.size()) == m_waitCommandAt && m_waitCommand) {
        auto command = std::move(m_waitCommand);
        m_waitCommand = nullptr;
        command();
    }
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
    cues.clear();
    unexpected.clear();
    draws = 0;
    pumps = 0;
    waits.clear();
}
