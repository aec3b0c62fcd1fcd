#include "HintPanel.h"

#include "Fonts.h"
#include "MoveWords.h"
#include "Twips.h"

#include <QLabel>

HintPanel::HintPanel(QWidget *parent)
    //: The caption of the frame of advice under the status line.
    : FramedGroup(tr("Hints"), parent), m_text(new QLabel(this))
{
    // Unnamed, so a screen reader reads the hint itself and hears each new one.
    m_text->setGeometry(twips::rect(240, 360, 4575, 3630));
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    fonts::lightOnBlack(m_text);
}

void HintPanel::tell(const QString &narration, quint64 game)
{
    m_narration = narration;
    m_narrationGame = game;
}

void HintPanel::follow(const GameState &state, quint64 game, const OptimalPlay &advisor)
{
    if (m_narrationGame != game)
        m_narration.clear();
    // The computer's own moves are told, not advised; a person's advice follows what the
    // computer did last.
    const QString advice = state.computerToMove() ? QString() : hintText(state, advisor);
    const QString text = m_narration.isEmpty() || advice.isEmpty()
                             ? m_narration + advice
                             : m_narration + QStringLiteral("\n\n") + advice;
    if (m_text->text() != text)
        m_text->setText(text);
}
