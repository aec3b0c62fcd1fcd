#pragma once

#include "Turn.h"

#include <QObject>
#include <random>

class Platform;

// How a roll is shown once the game has made it: animated, the thrown dice show a new face every
// kFramePause for 6 to 20 frames, the last one the outcome, and the dice land a frame later; still,
// they land at once. The frames are for the eye only: they draw from a sequence of their own, never
// the dice's.
class RollShow : public QObject
{
    Q_OBJECT

public:
    static constexpr int kFramePause = 200;  // ms

    RollShow(Platform &platform, QObject *parent = nullptr);

    // Shows the roll just made; landed() follows, at once when not animated.
    void start(const Turn &turn);
    // Whether rolls are animated; switched off during a show, the dice land at once.
    void setAnimated(bool animated);
    // Ends a show without landing (the game it showed is gone).
    void stop() { m_active = false; }

    bool active() const { return m_active; }
    // What the thrown dice show at this frame; 0 before the first.
    const Dice &faces() const { return m_faces; }

signals:
    void frameShown();
    void landed();

private:
    void next(quint64 show);
    void land();

    Platform &m_platform;
    std::mt19937 m_random;
    bool m_animated = true;
    bool m_active = false;
    quint64 m_show = 0;  // raised by every roll, so a frame of an earlier one does nothing
    int m_frame = 0;
    int m_frames = 0;
    Dice m_outcome{};
    Dice m_faces{};
};
