#pragma once

#include "Platform.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <random>

// The game's platform as tests see it: the dice come from a script ("2 2 3 3 3"), timers wait
// until runScheduled() runs them, and a modal window is open when a test says so.
class ScriptedPlatform : public Platform
{
public:
    // Draws still to come; when none is left, draws come from a seeded generator.
    QList<double> randoms;
    int draws = 0;
    bool modal = false;
    QList<int> pauses;  // the delay of every call scheduled, in order

    // Scripts the draws of one roll that shows these faces ("2 2 3 3 3"); held dice draw nothing
    // and their faces in the text are ignored.
    void scriptRoll(const QString &faces, const std::array<bool, 5> &held = {});

    double random() override;
    // The same seeds in every run, so the computer's moves repeat.
    quint64 randomSeed() override { return ++m_seeds; }
    // Kept until runScheduled(): no test waits on a clock.
    void schedule(QObject *context, int ms, std::function<void()> call) override;
    bool modalOpen() override { return modal; }

    // Runs what is scheduled, in order, also what those calls schedule, until nothing is left or
    // `limit` calls have run; returns how many ran.
    int runScheduled(int limit = 100000);
    int scheduled() const { return int(m_scheduled.size()); }

private:
    std::mt19937 m_fallback{20261206u};
    quint64 m_seeds = 0;
    struct Scheduled
    {
        QPointer<QObject> context;
        std::function<void()> call;
    };
    QList<Scheduled> m_scheduled;
};
