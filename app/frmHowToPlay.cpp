#include "frmHowToPlay.h"

#include "Scoring.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const kText = R"(<h3>How to play</h3>
<p>On your turn, roll the five dice up to three times. Between rolls, set aside the dice you
want to keep (<b>Saved Dice</b>) and roll the rest again. Then enter the dice in one free row of
your column of the score card; that ends your turn. A row that would score nothing asks first.
After thirteen rounds the highest grand total wins.</p>
<p><b>Upper section</b>: the sum of the dice showing that face. An upper sum of %1 or more earns a
bonus of %2.<br>
<b>Lower section</b>: three or four of a kind (the sum of all dice), full house (%3), small
straight of four (%4), large straight of five (%5), Kelbrune &mdash; five of a kind (%6) &mdash;
and chance (the sum of all dice).</p>
<h3>Keys</h3>
<table cellspacing="4">
<tr><td><b>Space</b> or <b>R</b></td><td>roll</td></tr>
<tr><td><b>1</b> to <b>5</b></td><td>set aside or put back that die</td></tr>
<tr><td><b>Up</b>, <b>Down</b></td><td>move the cursor over your free rows</td></tr>
<tr><td><b>Enter</b></td><td>score the row under the cursor</td></tr>
<tr><td><b>Ctrl+Z</b></td><td>undo your last entry, before the next player rolls</td></tr>
<tr><td><b>Ctrl+N</b>, <b>Ctrl+O</b>, <b>Ctrl+S</b></td><td>new game, load, save</td></tr>
<tr><td><b>Ctrl+Q</b></td><td>exit</td></tr>
<tr><td><b>F1</b></td><td>this window</td></tr>
</table>)";
}

frmHowToPlay::frmHowToPlay(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("How to Play"));
    // The points as the rules score them.
    const Dice straight{2, 3, 4, 5, 6};
    const QString rules = QString::fromUtf8(kText)
                              .arg(kUpperBonusAt)
                              .arg(kUpperBonus)
                              .arg(categoryScore(Category::FullHouse, {2, 2, 3, 3, 3}))
                              .arg(categoryScore(Category::SmallStraight, straight))
                              .arg(categoryScore(Category::LargeStraight, straight))
                              .arg(kKelbruneScore);
    auto *text = new QLabel(rules, this);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setFixedWidth(460);
    text->setAccessibleName(QStringLiteral("How to play"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    buttons->button(QDialogButtonBox::Close)->setFocus();
}
