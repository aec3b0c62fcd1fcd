#include "Backdrop.h"

#include <QPaintEvent>
#include <QPainter>

QRegion Backdrop::frame() const
{
    const QRect edge = m_framed->geometry();
    return QRegion(edge.adjusted(-3, -3, 3, 3)) - QRegion(edge.adjusted(-1, -1, 1, 1));
}

void Backdrop::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    if (m_framed && m_framed->hasFocus()) {
        painter.setClipRegion(frame());
        painter.fillRect(rect(), QColor(255, 200, 0));
    }
}
