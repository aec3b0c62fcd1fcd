#pragma once

#include "Seat.h"

#include <QString>
#include <optional>
#include <vector>

// What the window asks of the desktop: its modal questions and messages, the file dialogs, the
// seats dialog, the sound cues, whether a screen reader listens, and the end of the program. The Qt implementation shows real
// dialogs; the window's tests answer from a script.
class Prompts
{
public:
    enum class Cue { DieRoll, Kelbrune, GameOver };

    virtual ~Prompts() = default;

    // Modal Yes/No box, Yes the default, no icon. True for Yes.
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // Modal box with a single OK button, no icon.
    virtual void tell(const QString &title, const QString &text) = 0;
    // Modal single-line input box; returns "" when cancelled. It takes at most kMaxNameLength
    // characters.
    virtual QString inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
    // Modal file dialogs offering files of the filter ("Saved Games (*.sav)"); "" when cancelled.
    // Both offer the path chosen last in either. The save dialog asks no overwrite question of
    // its own.
    virtual QString openFileName(const QString &filter) = 0;
    virtual QString saveFileName(const QString &filter) = 0;
    // The modal dialog that sets up the seats of a game against the computer, filled in with
    // these; the seats as accepted (1 to 6 of them), or none when cancelled.
    virtual std::optional<std::vector<Seat>> askSeats(const std::vector<Seat> &offered) = 0;

    // Starts a sound cue and returns at once.
    virtual void playCue(Cue cue) = 0;
    // A screen reader (or another assistive program) is following the window now.
    virtual bool screenReaderOn() = 0;
    // Ends the program at once. Handlers return promptly after calling it.
    virtual void quit() = 0;
};
