#pragma once

#include <QRegion>
#include <QWidget>

// The client area: a black table for the score card, the dice and the Roll button, with a frame
// around the control that has the focus when it is framed.
class Backdrop : public QWidget
{
public:
    using QWidget::QWidget;

    void setFramed(QWidget *control) { m_framed = control; }
    // Two pixels wide, a pixel off the control's edge: within the gap to its neighbours.
    QRegion frame() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_framed = nullptr;
};
