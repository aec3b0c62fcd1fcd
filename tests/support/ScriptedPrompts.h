#pragma once

#include "Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

// The window's questions as tests see them: prompts are recorded and answered from queues (an
// unexpected one, its queue empty, with No / "" / cancel); cues are recorded.
class ScriptedPrompts : public Prompts
{
public:
    struct Prompt
    {
        enum Kind { YesNo, Ok, Input, OpenFile, SaveFile, Seats };
        Kind kind;
        QString title;
        QString text;         // the message, the input prompt, or the file filter
        QString defaultText;  // input boxes only
    };

    // Answers, consumed in order. A seats answer of none is a cancelled dialog.
    QList<bool> yesNoAnswers;
    QList<std::optional<std::vector<Seat>>> seatAnswers;
    QStringList inputAnswers;
    QStringList fileAnswers;

    // What happened. events is one timeline: "cue DieRoll", "yes/no Zero Score?", "ok Game Over!",
    // "input Player Name", "open", "save", "seats", "quit".
    QStringList events;
    QList<Prompt> prompts;
    QStringList unexpected;
    QList<std::vector<Seat>> seatOffers;
    bool screenReader = false;

    // Runs once inside the next prompt with this title, as a command that overtakes a box.
    void duringPrompt(const QString &title, std::function<void()> command)
    {
        m_promptTitle = title;
        m_promptCommand = std::move(command);
    }

    bool askYesNo(const QString &title, const QString &text) override
    {
        return answer(yesNoAnswers, {Prompt::YesNo, title, text, {}}, QStringLiteral("yes/no ") + title);
    }
    void tell(const QString &title, const QString &text) override
    {
        record({Prompt::Ok, title, text, {}}, QStringLiteral("ok ") + title);
    }
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override
    {
        return answer(inputAnswers, {Prompt::Input, title, prompt, defaultText}, QStringLiteral("input ") + title);
    }
    QString openFileName(const QString &filter) override
    {
        return answer(fileAnswers, {Prompt::OpenFile, {}, filter, {}}, QStringLiteral("open"));
    }
    QString saveFileName(const QString &filter) override
    {
        return answer(fileAnswers, {Prompt::SaveFile, {}, filter, {}}, QStringLiteral("save"));
    }
    std::optional<std::vector<Seat>> askSeats(const std::vector<Seat> &offered) override
    {
        seatOffers.append(offered);
        return answer(seatAnswers, {Prompt::Seats, QStringLiteral("seats"), {}, {}}, QStringLiteral("seats"));
    }
    void playCue(Cue cue) override
    {
        static const char *const names[] = {"DieRoll", "Kelbrune", "GameOver"};
        events.append(QStringLiteral("cue ") + QLatin1String(names[int(cue)]));
    }
    bool screenReaderOn() override { return screenReader; }
    void quit() override { events.append(QStringLiteral("quit")); }

    // The prompts of one kind, for short assertions.
    QList<Prompt> promptsOf(Prompt::Kind kind) const
    {
        QList<Prompt> found;
        for (const Prompt &p : prompts)
            if (p.kind == kind)
                found.append(p);
        return found;
    }
    void clearRecords()
    {
        events.clear();
        prompts.clear();
        unexpected.clear();
    }

private:
    // Records a prompt and runs the command waiting for its title.
    void record(const Prompt &prompt, const QString &event)
    {
        prompts.append(prompt);
        events.append(event);
        if (m_promptCommand && prompt.title == m_promptTitle)
            std::exchange(m_promptCommand, nullptr)();
    }
    // Records a prompt and answers it from the queue.
    template<typename T>
    T answer(QList<T> &queue, const Prompt &prompt, const QString &event)
    {
        record(prompt, event);
        if (!queue.isEmpty())
            return queue.takeFirst();
        unexpected.append(event);
        return T();
    }

    QString m_promptTitle;
    std::function<void()> m_promptCommand;
};
