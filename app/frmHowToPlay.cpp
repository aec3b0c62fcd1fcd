#include "frmHowToPlay.h"

#include "Scoring.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cmath>

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
<tr><td><b>Tab</b></td><td>into the score card and out: the arrows walk its cells, Enter scores the row of the cell</td></tr>
<tr><td><b>Ctrl+Z</b></td><td>undo your last entry, and the computer's moves since, until the next player rolls or your own turn comes round</td></tr>
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
    // A read-only text that takes the focus: a screen reader reads it line by line, or whole,
    // where it reads nothing of a label that holds a text this long. It looks as a label would.
    m_text = new QTextBrowser(this);
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setOpenLinks(false);
    // A caret the arrows move, so the reader follows line by line.
    m_text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = m_text->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    colours.setColor(QPalette::Text, colours.color(QPalette::WindowText));
    m_text->setPalette(colours);
    m_text->document()->setDocumentMargin(0);
    m_text->setHtml(rules);
    constexpr int kWidth = 460;
    m_text->document()->setTextWidth(kWidth);
    m_text->setFixedSize(kWidth, int(std::ceil(m_text->document()->size().height())));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_text->setFocus();
}
