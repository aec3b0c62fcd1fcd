#pragma once

#include "Platform.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <random>
#include <utility>

// The platform as tests see it: every prompt is answered from a queue and recorded, every cue is
// recorded, the dice come from a scripted list of draws, and a command can run between two frames
// of a roll. An unexpected prompt (its queue is empty) is recorded and answered No / "" / cancel.
class ScriptedPlatform : public Platform
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
    // "input Player Name", "open", "save", "quit".
    QStringList events;
    QList<Prompt> prompts;
    QStringList unexpected;
    int draws = 0;
    int pumps = 0;
    QList<int> waits;
    int waitCancels = 0;
    QList<std::vector<Seat>> seatOffers;

    // Draws still to come; when empty, draws come from a seeded generator.
    QList<double> randoms;

    // Runs once, from inside the pump with this number (1 = the first pump of the roll).
    void atPump(int pump, std::function<void()> command)
    {
        m_commandPump = pumps + pump;
        m_command = std::move(command);
    }

    // Runs once, from inside the frame wait with this number (1 = the first wait of the roll):
    // on a real desktop most commands chosen during a roll arrive while a frame is waited out.
    void atWait(int wait, std::function<void()> command)
    {
        m_waitCommandAt = int(waits.size()) + wait;
        m_waitCommand = std::move(command);
    }

    // Runs once, from inside the next prompt with this title, before it is answered: as a
    // command that overtakes a box while it closes.
    void duringPrompt(const QString &title, std::function<void()> command)
    {
        m_promptTitle = title;
        m_promptCommand = std::move(command);
    }

    // Scripts the draws of one roll whose last frame shows these faces ("2 2 3 3 3"); held dice
    // draw nothing and their faces in the text are ignored. frames is 6..20.
    void scriptRoll(const QString &faces, const std::array<bool, 5> &held = {}, int frames = 6);

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
    bool modalOpen() override { return false; }
    void playCue(Cue cue) override;
    void pumpEvents() override;
    void waitFrame(int ms) override;
    void cancelWait() override { ++waitCancels; }
    // Kept until runScheduled(): no test waits on a clock.
    void schedule(QObject *context, int ms, std::function<void()> call) override;
    // Runs what is scheduled, in order, also what those calls schedule, until nothing is left or
    // `limit` calls have run; returns how many ran.
    int runScheduled(int limit = 10000);
    void seedRandom() override {}
    double random() override;
    // The same seeds in every run, so the computer's moves repeat.
    quint64 randomSeed() override { return ++m_seeds; }
    void quit() override { events.append(QStringLiteral("quit")); }

    // The prompts of one kind, for short assertions.
    QList<Prompt> promptsOf(Prompt::Kind kind) const;
    void clearRecords();

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

    std::mt19937 m_fallback{20261206u};
    quint64 m_seeds = 0;
    QString m_promptTitle;
    std::function<void()> m_promptCommand;
    int m_commandPump = -1;
    std::function<void()> m_command;
    int m_waitCommandAt = -1;
    std::function<void()> m_waitCommand;
    struct Scheduled
    {
        QPointer<QObject> context;
        std::function<void()> call;
    };
    QList<Scheduled> m_scheduled;
};
