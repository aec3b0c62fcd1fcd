#include "FramedGroup.h"

#include "Fonts.h"

#include <QPainter>

FramedGroup::FramedGroup(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
    setFont(fonts::compactSans());
    setFocusPolicy(Qt::NoFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(255, 0, 0));
    setPalette(colours);
    setAutoFillBackground(true);
}

void FramedGroup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height() / 2;
    const QRect edge(0, top, width() - 2, height() - top - 2);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(edge);
    painter.setPen(Qt::white);
    painter.drawRect(edge.translated(1, 1));
    const QRect caption(7, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
}
