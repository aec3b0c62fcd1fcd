#include "frmHowToPlay.h"

#include "Scoring.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <cmath>

frmHowToPlay::frmHowToPlay(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(tr("How to Play"));
    // The points as the rules score them.
    const Dice straight{2, 3, 4, 5, 6};
    // Each paragraph and each key a message of its own; the markup is Qt's rich text.
    auto row = [](const QString &keys, const QString &what) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(keys, what);
    };
    const QString rules =
        QStringLiteral("<h3>%1</h3>\n<p>%2</p>\n<p>%3</p>\n<h3>%4</h3>\n<table cellspacing=\"4\">\n")
            .arg(tr("How to play"),
                 //: "Saved Dice" is the caption of the row of dice set aside.
                 tr("On your turn, roll the five dice up to three times. Between rolls, set aside "
                    "the dice you want to keep (<b>Saved Dice</b>) and roll the rest again. Then "
                    "enter the dice in one free row of your column of the score card; that ends "
                    "your turn. A row that would score nothing asks first. After thirteen rounds "
                    "the highest grand total wins."),
                 //: %1 the upper sum that earns the bonus, %2 the bonus, %3 to %6 the points of a
                 //: full house, a small and a large straight and a Kelbrune.
                 tr("<b>Upper section</b>: the sum of the dice showing that face. An upper sum of "
                    "%1 or more earns a bonus of %2.<br>\n<b>Lower section</b>: three or four of a "
                    "kind (the sum of all dice), full house (%3), small straight of four (%4), "
                    "large straight of five (%5), Kelbrune &mdash; five of a kind (%6) &mdash; and "
                    "chance (the sum of all dice).")
                    .arg(kUpperBonusAt)
                    .arg(kUpperBonus)
                    .arg(categoryScore(Category::FullHouse, {2, 2, 3, 3, 3}))
                    .arg(categoryScore(Category::SmallStraight, straight))
                    .arg(categoryScore(Category::LargeStraight, straight))
                    .arg(kKelbruneScore),
                 //: The heading of the list of keys.
                 tr("Keys"))
        //: The keys that roll: the space bar, or the letter R.
        + row(tr("<b>Space</b> or <b>R</b>"), tr("roll"))
        + row(tr("<b>1</b> to <b>5</b>"), tr("set aside or put back that die"))
        //: The arrow keys.
        + row(tr("<b>Up</b>, <b>Down</b>"), tr("move the cursor over your free rows"))
        + row(tr("<b>Enter</b>"), tr("score the row under the cursor"))
        //: Tab is the key; the card's arrows and Enter are those of the cells of the score card.
        + row(tr("<b>Tab</b>"), tr("into the score card and out: the arrows walk its cells, Enter "
                                  "scores the row of the cell"))
        //: Ctrl is the Control key; name it as the keyboards of the language print it.
        + row(tr("<b>Ctrl+Z</b>"), tr("undo your last entry, and the computer's moves since, until "
                                     "the next player rolls or your own turn comes round"))
        + row(tr("<b>Ctrl+N</b>, <b>Ctrl+O</b>, <b>Ctrl+S</b>"), tr("new game, load, save"))
        + row(tr("<b>Ctrl+Q</b>"), tr("exit"))
        + row(QStringLiteral("<b>F1</b>"), tr("this window"))
        + QStringLiteral("</table>");
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
    // Laid out at its own width from the start: the text browser would otherwise lay it out at
    // the width of its first, small viewport, many times as tall.
    constexpr int kWidth = 460;
    m_text->setLineWrapMode(QTextEdit::FixedPixelWidth);
    m_text->setLineWrapColumnOrWidth(kWidth);
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
