#pragma once

#include <QtGlobal>
#include <functional>

class QObject;

// What the flow of a game needs of the platform that a test must control: the random source the
// dice come from, timers in the event loop, and whether a modal window is open. The Qt implementation lives with the window; tests
// script the dice and run the timers by hand.
class Platform
{
public:
    virtual ~Platform() = default;

    // Next value of the one random sequence the dice come from, 0 <= r < 1.
    virtual double random() = 0;
    // A seed for a random sequence of its own (a computer player's, say), so that its draws never
    // shift the dice's sequence.
    virtual quint64 randomSeed() = 0;
    // Calls `call` once from the event loop after at least ms milliseconds, unless `context` has
    // been destroyed by then. Never calls it from inside this function.
    virtual void schedule(QObject *context, int ms, std::function<void()> call) = 0;
    // Whether a modal window (a box, a dialog) is open over the game: the computer waits.
    virtual bool modalOpen() = 0;
};
