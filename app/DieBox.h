#pragma once

#include <QPixmap>
#include <QWidget>

// An image box for one die: shows its picture stretched to the box, or nothing, on black.
// A disabled box ignores clicks but looks exactly the same, so a die does not fade while it rolls.
// To a screen reader it is a button that can be pressed; its name says what it shows.
class DieBox : public QWidget
{
    Q_OBJECT

public:
    DieBox(int index, QWidget *parent = nullptr);

    // The face shown, 1..6, or 0 when the box is empty.
    int face() const { return m_face; }
    // Repaints only when the face changes.
    void setFace(int face, const QPixmap &picture);
    // A click, as the mouse or a screen reader's press gives it; nothing while disabled.
    void activate();

signals:
    // A left-button click inside the box while it is enabled.
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    int m_face = 0;
    QPixmap m_picture;
    bool m_pressed = false;
};
