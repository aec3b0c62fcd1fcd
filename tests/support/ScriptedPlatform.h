#pragma once

#include "Platform.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <random>

// The platform as tests see it: scripted dice, timers that wait for runScheduled(), a modal
// window open when a test says so.
class ScriptedPlatform : public Platform
{
public:
    // Draws still to come; when none is left, draws come from a seeded generator.
    QList<double> randoms;
    int draws = 0;
    bool modal = false;
    QList<int> pauses;  // the delay of every call scheduled, in order

    // Scripts a roll that shows these faces ("2 2 3 3 3"); held dice draw nothing.
    void scriptRoll(const QString &faces, const std::array<bool, 5> &held = {});

    double random() override;
    // The same seeds in every run, so the computer's moves repeat.
    quint64 randomSeed() override { return ++m_seeds; }
    // Kept until runScheduled(): no test waits on a clock.
    void schedule(QObject *context, int ms, std::function<void()> call) override;
    bool modalOpen() override { return modal; }

    // Runs what is scheduled, in order, with what that schedules, up to `limit` calls; returns how
    // many ran.
    int runScheduled(int limit = 100000);

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
