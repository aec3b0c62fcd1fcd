#include "DieBox.h"

#include <QMouseEvent>
#include <QPainter>

DieBox::DieBox(int index, QWidget *parent) : QWidget(parent), m_index(index)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void DieBox::setFace(int face, const QPixmap &picture)
{
    if (face == m_face)
        return;
    m_face = face;
    m_picture = face > 0 ? picture : QPixmap();
    update();
}

void DieBox::paintEvent(QPaintEvent *)
{
    // Painted by hand, from no palette: nothing here depends on the enabled state.
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), m_picture);
    }
}

void DieBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

// The second click of a quick double click is a click of its own: a player who holds and at
// once releases a die means both.
void DieBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void DieBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint()) && isEnabled();
    m_pressed = false;
    if (click)
        emit clicked(m_index);
}
