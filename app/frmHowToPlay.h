#pragma once

#include <QDialog>

class QTextBrowser;

// Help > How to Play: the rules of the game and the keys that play it, in a window of its own
// that stays open beside the game. Escape or Close closes it.
class frmHowToPlay : public QDialog
{
    Q_OBJECT

public:
    explicit frmHowToPlay(QWidget *owner = nullptr);

    // The rules and keys, which have the focus when the window opens.
    QTextBrowser *text() const { return m_text; }

private:
    QTextBrowser *m_text = nullptr;
};
