#include "RollShow.h"

#include "Platform.h"

RollShow::RollShow(Platform &platform, QObject *parent)
    : QObject(parent), m_platform(platform), m_random(std::uint32_t(platform.randomSeed()))
{
}

void RollShow::start(const Turn &turn)
{
    m_active = true;
    m_frame = 0;
    m_frames = 6 + int(m_random() % 15);
    m_outcome = turn.faces;
    m_faces = {};
    next(++m_show);
}

void RollShow::setAnimated(bool animated)
{
    m_animated = animated;
    if (!animated && m_active)
        land();
}

void RollShow::next(quint64 show)
{
    if (show != m_show || !m_active)
        return;
    if (!m_animated || m_frame == m_frames) {
        land();
        return;
    }
    ++m_frame;
    for (std::size_t d = 0; d < m_faces.size(); ++d)
        m_faces[d] = m_frame == m_frames ? m_outcome[d] : int(m_random() % kFaces) + 1;
    emit frameShown();
    m_platform.schedule(this, kFramePause, [this, show] { next(show); });
}

void RollShow::land()
{
    m_active = false;
    emit landed();
}
