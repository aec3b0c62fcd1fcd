#pragma once

#include <QGroupBox>

// A framed group on the window's black: an etched edge, grey outside white, with a red caption
// set into its top edge (the desktop style would draw a frame that vanishes on black). It takes no
// focus.
class FramedGroup : public QGroupBox
{
public:
    FramedGroup(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
