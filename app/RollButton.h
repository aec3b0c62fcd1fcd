#pragma once

#include <QPushButton>

// The Roll button. It keeps the keyboard focus all through a game, so a screen reader is never
// left on a control without a name and the keys of play always reach the window. While the player
// cannot roll it stays enabled for the focus but is drawn exactly as a disabled button, ignores
// presses and reads as unavailable.
class RollButton : public QPushButton
{
    Q_OBJECT

public:
    RollButton(const QString &text, QWidget *parent);

    bool isAvailable() const { return m_available; }
    void setAvailable(bool available);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_available = true;
};
