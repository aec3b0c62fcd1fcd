#pragma once

#include <QDialog>

// Help > How to Play: the rules of the game and the keys that play it, in a window of its own
// that stays open beside the game. Escape or Close closes it.
class frmHowToPlay : public QDialog
{
    Q_OBJECT

public:
    explicit frmHowToPlay(QWidget *owner = nullptr);
};
