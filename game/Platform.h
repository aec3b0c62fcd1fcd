#pragma once

#include "Seat.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <vector>

class QObject;

// What the game asks of the platform. Every handler reaches dialogs, sound, the clock, the random
// source and the end of the program through this seam only, so each can run headless in tests.
class Platform
{
public:
    enum class Cue { DieRoll, Kelbrune, GameOver };
    static constexpr int kMaxAnswer = 100;

    virtual ~Platform() = default;

    // Modal Yes/No box, Yes the default, no icon. True for Yes.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // Modal box with a single OK button, no icon.
    virtual void tell(const QString &title, const QString &text) = 0;
    // Modal single-line input box; returns "" when cancelled. It takes at most kMaxAnswer
    // characters.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
    // Modal file dialogs; "" when cancelled. The one dialog offers the path chosen last in either.
    // The save dialog asks no overwrite question of its own.
    virtual QString openFileName(const QString &filter) = 0;
    virtual QString saveFileName(const QString &filter) = 0;

    // The modal dialog that sets up the seats of a game against the computer, filled in with
    // these; the seats as accepted (1 to 6 of them), or none when cancelled.
    virtual std::optional<std::vector<Seat>> askSeats(const std::vector<Seat> &offered) = 0;
    // Whether a modal window (a box, a dialog, the About window) is open over the game window.
    virtual bool modalOpen() = 0;

    // Starts a sound cue and returns at once.
    virtual void playCue(Cue cue) = 0;

    // Processes the pending window events once.
    virtual void pumpEvents() = 0;
    // Waits at least ms milliseconds while the window goes on handling its events, unless
    // cancelWait() ends the wait sooner.
    virtual void waitFrame(int ms) = 0;
    // Ends a waitFrame() under way as soon as the event being handled is done; nothing otherwise.
    virtual void cancelWait() = 0;
    // Calls `call` once from the event loop after at least ms milliseconds, unless `context` has
    // been destroyed by then. Never calls it from inside this function.
    virtual void schedule(QObject *context, int ms, std::function<void()> call) = 0;

    // Seeds the random source from the clock; called once at start-up.
    virtual void seedRandom() = 0;
    // Next value of the one random sequence, 0 <= r < 1.
    virtual double random() = 0;
    // A seed for a random sequence of its own (a computer player's), so its draws never shift
    // the dice's sequence.
    virtual quint64 randomSeed() = 0;

    // Ends the program at once. Handlers return promptly after calling it.
    virtual void quit() = 0;
};
