#pragma once

#include <QDialog>
#include <array>

class QLabel;

// The About window: the game's name and its makers in large red type on cyan. It holds nothing
// and closes at any click on it, by its close box, or with Escape, Enter or Space.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner);

    QLabel *Label1(int index) const { return m_label1.at(std::size_t(index)); }

    void Form_Click();
    void Label1_Click(int index);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<QLabel *, 3> m_label1{};
};
