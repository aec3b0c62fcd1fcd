#pragma once

#include "Platform.h"
#include "Prompts.h"

#include <QPointer>
#include <QString>
#include <array>
#include <random>

class QSoundEffect;
class QWidget;

// The platform the game runs on: Qt's message, input and file dialogs, sound effects from the
// Media folder beside the program, the event loop's timers and a clock-seeded random source.
class QtPlatform : public Platform, public Prompts
{
public:
    // The dice's random source is seeded from the clock here, once.
    QtPlatform();
    ~QtPlatform() override;

    // The window the dialogs are modal to.
    void setWindow(QWidget *window) { m_window = window; }

    bool askYesNo(const QString &title, const QString &text) override;
    void tell(const QString &title, const QString &text) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    QString openFileName(const QString &filter) override;
    QString saveFileName(const QString &filter) override;
    std::optional<std::vector<Seat>> askSeats(const std::vector<Seat> &offered) override;
    bool modalOpen() override;
    // A cue still playing starts again from its beginning. A file that is missing or cannot be
    // decoded gives the system beep; with no sound device the cue is silent.
    void playCue(Cue cue) override;
    bool screenReaderOn() override;
    void schedule(QObject *context, int ms, std::function<void()> call) override;
    double random() override;
    quint64 randomSeed() override;
    void quit() override;

    // Loads the three cues, so the first roll does not wait for its file. Called once the
    // window is up; playCue loads whatever is still missing.
    void preloadCues();
    // The sound effect of a cue once loaded; null before, and when its file is missing.
    const QSoundEffect *cueEffect(Cue cue) const { return m_effects[std::size_t(cue)]; }

    // Where a cue's file is looked for: Media beside the program, else the installed data folder.
    static QString cuePath(const QString &fileName);

private:
    QSoundEffect *effect(Cue cue);
    // Where a file dialog opens: the path chosen last, else the player's documents folder.
    QString startPath() const;

    QPointer<QWidget> m_window;
    QString m_lastPath;
    std::array<QSoundEffect *, 3> m_effects{};
    std::array<bool, 3> m_missing{};
    std::mt19937_64 m_random;
};
